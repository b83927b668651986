// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkreader.h"
#include "searchrecord.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

class NetworkModel;
class QAction;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class StepDrawing;

// "Search steps": the last search of the main window, one step at a time. It follows each new
// search and only reads the model.
class SearchStepsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SearchStepsWindow(const NetworkModel &model, QWidget *parent = nullptr);

    int currentRow() const; // 0: the start; k: the k-th step
    int rowCount() const;
    // A row of the Distances table: vertex, distance, predecessor, state.
    static QStringList distanceCells(const SearchState &state, int vertex);

public slots:
    // Reads the model's last search cycle again; called after every cycle.
    void followSearch();
    void first();
    void back();
    void step();
    void last();
    void togglePlay();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QAction *addStepAction(const QString &text, Qt::Key key, void (SearchStepsWindow::*slot)());
    QPushButton *buttonFor(QAction *action);
    void buildControls();
    void fillSteps();
    void showRow(int row, bool announce);
    void fillDistances(const SearchState &state);
    void setPlaying(bool playing);

    NetworkReader reader;
    SearchRecord record; // a copy: the window shows the search it was given until the next
    int row = 0;

    QLabel *summary = nullptr;
    QTableWidget *stepsTable = nullptr;
    QTableWidget *distancesTable = nullptr;
    QPlainTextEdit *examinedText = nullptr;
    QListWidget *algorithmList = nullptr;
    QLabel *sentenceLabel = nullptr;
    StepDrawing *drawing = nullptr;
    QAction *firstAction = nullptr;
    QAction *backAction = nullptr;
    QAction *stepAction = nullptr;
    QAction *playAction = nullptr;
    QAction *lastAction = nullptr;
    QSpinBox *speed = nullptr;
    QTimer playTimer;
};
