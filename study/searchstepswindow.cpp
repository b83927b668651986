// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "searchstepswindow.h"

#include "announcer.h"
#include "stepdrawing.h"
#include "stepnarration.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
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

QTableWidget *makeTable(const QString &name, const QStringList &headers, QWidget *parent)
{
    auto *table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setAccessibleName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem *cell(const QString &text)
{
    return new QTableWidgetItem(text);
}

QString playText(bool playing)
{
    return playing ? SearchStepsWindow::tr("&Pause") : SearchStepsWindow::tr("&Play");
}

} // namespace

SearchStepsWindow::SearchStepsWindow(const NetworkModel &model, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , reader(model)
{
    setWindowTitle(tr("Search steps"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window still ends the program
    buildControls();
    connect(&playTimer, &QTimer::timeout, this, [this] {
        if (row + 1 < rowCount())
            showRow(row + 1, true);
        if (row + 1 >= rowCount())
            setPlaying(false);
    });
    followSearch();
}

void SearchStepsWindow::buildControls()
{
    summary = new QLabel(this);
    summary->setWordWrap(true);
    summary->setAccessibleName(tr("Search"));

    stepsTable = makeTable(
        tr("Steps"), {tr("Step"), tr("Vertex"), tr("Distance"), tr("Predecessor")}, this);
    connect(stepsTable, &QTableWidget::currentCellChanged, this, [this](int current) {
        if (current >= 0 && current != row)
            showRow(current, true);
    });
    distancesTable = makeTable(
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

    firstAction = addStepAction(tr("&First"), Qt::Key_Home, &SearchStepsWindow::first);
    backAction = addStepAction(tr("&Back"), Qt::Key_Left, &SearchStepsWindow::back);
    stepAction = addStepAction(tr("&Step"), Qt::Key_Right, &SearchStepsWindow::step);
    playAction = addStepAction(playText(false), Qt::Key_Space, &SearchStepsWindow::togglePlay);
    lastAction = addStepAction(tr("&Last"), Qt::Key_End, &SearchStepsWindow::last);
    speed = new QSpinBox(this);
    speed->setRange(1, MostStepsPerSecond);
    speed->setValue(DefaultStepsPerSecond);
    speed->setSuffix(tr(" steps/s"));
    speed->setAccessibleName(tr("Speed"));
    auto *speedLabel = new QLabel(tr("Speed:"), this);
    speedLabel->setBuddy(speed);
    connect(speed, &QSpinBox::valueChanged, this,
        [this](int stepsPerSecond) { playTimer.setInterval(1000 / stepsPerSecond); });
    playTimer.setInterval(1000 / DefaultStepsPerSecond);

    auto *buttons = new QHBoxLayout;
    for (QAction *action : {firstAction, backAction, stepAction, playAction, lastAction})
        buttons->addWidget(buttonFor(action));
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

// A command with its key, which steps wherever the Steps table has the focus; elsewhere the
// focused control keeps its keys, and keyPressEvent() gets those it leaves.
QAction *SearchStepsWindow::addStepAction(
    const QString &text, Qt::Key key, void (SearchStepsWindow::*slot)())
{
    auto *action = new QAction(text, this);
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, slot);
    stepsTable->addAction(action);
    return action;
}

// A button that shows the action's text, with its mnemonic, and follows its enabled state.
QPushButton *SearchStepsWindow::buttonFor(QAction *action)
{
    auto *button = new QPushButton(action->text(), this);
    button->setEnabled(action->isEnabled());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
    });
    return button;
}

void SearchStepsWindow::keyPressEvent(QKeyEvent *event)
{
    const QKeySequence key(event->keyCombination());
    for (QAction *action : {firstAction, backAction, stepAction, playAction, lastAction}) {
        if (action->shortcut() == key) {
            action->trigger();
            event->accept();
            return;
        }
    }
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
    setPlaying(false);
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
        stepsTable->setItem(r, 0, cell(narration.stepCell(r)));
        stepsTable->setItem(r, 1, cell(narration.vertexCell(r)));
        stepsTable->setItem(r, 2, cell(narration.distanceCell(r)));
        stepsTable->setItem(r, 3, cell(narration.predecessorCell(r)));
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

    firstAction->setEnabled(searched && row > 0);
    backAction->setEnabled(searched && row > 0);
    stepAction->setEnabled(searched && !atEnd);
    lastAction->setEnabled(searched && !atEnd);
    playAction->setEnabled(searched); // at the end, Play plays again from the start
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
            distancesTable->setItem(v, column, cell(cells[column]));
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
    showRow(0, true);
}

void SearchStepsWindow::back()
{
    showRow(row - 1, true);
}

void SearchStepsWindow::step()
{
    showRow(row + 1, true);
}

void SearchStepsWindow::last()
{
    showRow(rowCount() - 1, true);
}

void SearchStepsWindow::togglePlay()
{
    if (rowCount() == 0)
        return;
    if (!playTimer.isActive() && row + 1 >= rowCount())
        showRow(0, true); // playing again from the start
    setPlaying(!playTimer.isActive());
}

void SearchStepsWindow::setPlaying(bool playing)
{
    if (playing)
        playTimer.start();
    else
        playTimer.stop();
    if (playAction)
        playAction->setText(playText(playing));
}
