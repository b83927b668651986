// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "searchstepswindow.h"

#include "announcer.h"
#include "stepcontrols.h"
#include "stepdrawing.h"
#include "stepnarration.h"
#include "studytable.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int DefaultStepsPerSecond = 2;
constexpr int MostStepsPerSecond = 10;

} // namespace

SearchStepsWindow::SearchStepsWindow(const NetworkModel &model, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , reader(model)
{
    setWindowTitle(tr("Search steps"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window still ends the program
    buildControls();
    followSearch();
}

void SearchStepsWindow::buildControls()
{
    summary = new QLabel(this);
    summary->setWordWrap(true);
    summary->setAccessibleName(tr("Search"));

    stepsTable = StudyTable::make(
        tr("Steps"), {tr("Step"), tr("Vertex"), tr("Distance"), tr("Predecessor")}, this);
    connect(stepsTable, &QTableWidget::currentCellChanged, this, [this](int current) {
        if (current >= 0 && current != row)
            showRow(current, true);
    });
    distancesTable = StudyTable::make(
        tr("Distances"), {tr("Vertex"), tr("Distance"), tr("Predecessor"), tr("State")}, this);

    examinedText = new QPlainTextEdit(this);
    examinedText->setReadOnly(true);
    // A caret, so that a screen reader's user can walk the lines.
    examinedText->setTextInteractionFlags(
        examinedText->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    examinedText->setAccessibleName(tr("What the step examined"));
    algorithmList = new QListWidget(this);
    algorithmList->setAccessibleName(tr("Algorithm"));
    algorithmList->setWordWrap(true);
    algorithmList->addItems(StepNarration::algorithm());
    sentenceLabel = new QLabel(this);
    sentenceLabel->setWordWrap(true);
    sentenceLabel->setAccessibleName(tr("Step"));
    QFont bold = sentenceLabel->font();
    bold.setBold(true);
    sentenceLabel->setFont(bold);
    drawing = new StepDrawing(reader, this);

    speed = new QSpinBox(this);
    speed->setRange(1, MostStepsPerSecond);
    speed->setValue(DefaultStepsPerSecond);
    speed->setSuffix(tr(" steps/s"));
    speed->setAccessibleName(tr("Speed"));
    auto *speedLabel = new QLabel(tr("Speed:"), this);
    speedLabel->setBuddy(speed);
    // The step keys act where the Steps table has the focus; keyPressEvent() gets those other
    // controls leave.
    controls = new StepControls(stepsTable, this);
    connect(
        controls, &StepControls::rowChosen, this, [this](int chosen) { showRow(chosen, true); });
    connect(speed, &QSpinBox::valueChanged, controls,
        [this](int stepsPerSecond) { controls->setInterval(1000 / stepsPerSecond); });
    controls->setInterval(1000 / DefaultStepsPerSecond);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : controls->buttons())
        buttons->addWidget(button);
    buttons->addWidget(speedLabel);
    buttons->addWidget(speed);
    buttons->addStretch();

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Steps:"), this));
    left->addWidget(stepsTable, 2);
    left->addWidget(new QLabel(tr("Distances after the step:"), this));
    left->addWidget(distancesTable, 3);
    auto *right = new QVBoxLayout;
    right->addWidget(drawing, 3);
    right->addWidget(sentenceLabel);
    right->addWidget(examinedText, 2);
    right->addWidget(algorithmList, 2);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(980, 700);
}

void SearchStepsWindow::keyPressEvent(QKeyEvent *event)
{
    if (controls->trigger(QKeySequence(event->keyCombination())))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

int SearchStepsWindow::currentRow() const
{
    return row;
}

int SearchStepsWindow::rowCount() const
{
    return StepNarration(record).rowCount();
}

void SearchStepsWindow::followSearch()
{
    controls->setPlaying(false);
    record = reader.lastSearch();
    const StepNarration narration(record);
    if (narration.rowCount() == 0) {
        summary->setText(narration.absence());
    } else {
        summary->setText(tr("The search from vertex %1 to vertex %2 at load %3, every link priced "
                            "with the factor %4: %5 steps.")
                             .arg(record.source)
                             .arg(record.destination)
                             .arg(record.load)
                             .arg(QString::number(record.factor, 'g', 6))
                             .arg(record.steps.size()));
    }
    fillSteps();
    showRow(0, false);
}

void SearchStepsWindow::fillSteps()
{
    const StepNarration narration(record);
    const QSignalBlocker blocker(stepsTable);
    stepsTable->setRowCount(narration.rowCount());
    for (int r = 0; r < narration.rowCount(); ++r) {
        stepsTable->setItem(r, 0, StudyTable::cell(narration.stepCell(r)));
        stepsTable->setItem(r, 1, StudyTable::cell(narration.vertexCell(r)));
        stepsTable->setItem(r, 2, StudyTable::cell(narration.distanceCell(r)));
        stepsTable->setItem(r, 3, StudyTable::cell(narration.predecessorCell(r)));
    }
    stepsTable->resizeColumnsToContents();
}

void SearchStepsWindow::showRow(int newRow, bool announce)
{
    const StepNarration narration(record);
    const int rows = narration.rowCount();
    row = rows == 0 ? 0 : std::clamp(newRow, 0, rows - 1);
    const bool searched = rows > 0;
    if (searched) {
        const QSignalBlocker blocker(stepsTable);
        stepsTable->setCurrentCell(row, 0);
    }
    const SearchState state = record.stateAfter(row);
    fillDistances(state);
    const bool atEnd = searched && row == rows - 1;
    int current = record.source;
    if (row > 0) {
        const SearchStep &step = record.steps[row - 1];
        current = step.chosen >= 0 ? step.chosen : step.current;
    }
    drawing->showStep(
        state, searched ? current : -1, atEnd ? narration.path() : QList<int>(), searched);
    const QString sentence = narration.sentence(row);
    sentenceLabel->setText(searched ? sentence : QString());
    drawing->setAccessibleDescription(sentence);
    examinedText->setPlainText(narration.examined(row).join(QLatin1Char('\n')));
    algorithmList->setCurrentRow(searched ? narration.algorithmLine(row) : -1);

    controls->follow(row, rows);
    if (announce && searched)
        Announcer::announce(this, sentence);
}

void SearchStepsWindow::fillDistances(const SearchState &state)
{
    const bool searched = record.cycle == SearchRecord::Searched;
    distancesTable->setRowCount(searched ? record.vertexCount : 0);
    if (!searched)
        return;
    for (int v = 0; v < record.vertexCount; ++v) {
        const QStringList cells = distanceCells(state, v);
        for (int column = 0; column < cells.size(); ++column)
            distancesTable->setItem(v, column, StudyTable::cell(cells[column]));
    }
    distancesTable->resizeColumnsToContents();
}

QStringList SearchStepsWindow::distanceCells(const SearchState &state, int vertex)
{
    const bool reached = state.state[vertex] != SearchState::NotReached;
    const QString stateText = state.state[vertex] == SearchState::Settled ? tr("settled")
        : reached ? tr("reached, not settled")
                  : tr("not reached");
    return {QString::number(vertex),
        reached ? QString::number(state.distance[vertex])
                : tr("%1 (unreachable)").arg(state.distance[vertex]),
        state.predecessor[vertex] >= 0 ? QString::number(state.predecessor[vertex]) : tr("none"),
        stateText};
}

void SearchStepsWindow::first()
{
    controls->first();
}

void SearchStepsWindow::back()
{
    controls->back();
}

void SearchStepsWindow::step()
{
    controls->step();
}

void SearchStepsWindow::last()
{
    controls->last();
}

void SearchStepsWindow::togglePlay()
{
    controls->togglePlay();
}
