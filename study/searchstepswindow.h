// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkreader.h"
#include "searchrecord.h"

#include <QStringList>
#include <QWidget>

class NetworkModel;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class StepControls;
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
    void buildControls();
    void fillSteps();
    void showRow(int row, bool announce);
    void fillDistances(const SearchState &state);

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
    QSpinBox *speed = nullptr;
    StepControls *controls = nullptr;
};
