// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkmodel.h"
#include "networkreader.h"
#include "practiceset.h"

#include <QList>
#include <QRandomGenerator>
#include <QWidget>

#include <memory>

class PracticeDrawing;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "Practice": sets of ten generated questions on the network, answered by typing or by
// clicking a vertex, each checked and explained. It copies the network the program shows when
// it makes a set, and begins the set again when that network changes; it changes nothing of
// the program: its sets and its generator are its own.
class PracticeWindow : public QWidget
{
    Q_OBJECT

public:
    // On the built-in network.
    explicit PracticeWindow(QWidget *parent = nullptr);
    // On the network the model shows; the model must outlive the window.
    explicit PracticeWindow(const NetworkModel &shown, QWidget *parent = nullptr);
    ~PracticeWindow() override;

    const PracticeSet &set() const { return *practice; }
    int questionIndex() const { return index; }
    int rightCount() const;
    // The score once every question is answered: "7 of 10 right", and the kinds that went wrong.
    QString scoreText() const;
    // Writes the set's worksheet; returns what went wrong, or an empty string.
    QString saveSheetTo(const QString &path) const;

public slots:
    void startSet(int number);
    void newSet();
    void check();
    void next();
    void saveSheet();

private:
    PracticeWindow(const NetworkModel *shown, QWidget *parent);
    void buildControls();
    void showQuestion();
    PracticeSet::Kinds chosenKinds() const;
    const PracticeQuestion &question() const { return practice->questions()[index]; }

    const NetworkModel *shown = nullptr;
    // Never searched: the set's network, for the drawings.
    NetworkModel network;
    NetworkReader reader;
    QRandomGenerator numbers;
    std::unique_ptr<PracticeSet> practice;
    int index = 0;
    QList<bool> results; // one per answered question

    QSpinBox *numberBox = nullptr;
    QList<QCheckBox *> kindBoxes;
    QLabel *progress = nullptr;
    QLabel *questionLabel = nullptr;
    PracticeDrawing *drawing = nullptr;
    QTableWidget *distancesTable = nullptr;
    QLineEdit *answerField = nullptr;
    QPushButton *checkButton = nullptr;
    QPushButton *nextButton = nullptr;
    QPlainTextEdit *feedback = nullptr;
    QLabel *scoreLabel = nullptr;
};
