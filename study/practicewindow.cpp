// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practicewindow.h"

#include "announcer.h"
#include "practicedrawing.h"
#include "practicesheet.h"
#include "practiceworking.h"
#include "searchstepswindow.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int FirstSetNumber = 1;
// Small enough for the window to fit a screen of 800 x 560 (the web page's) with its title bar;
// the feedback scrolls when it is longer.
constexpr int DrawingMinimumHeight = 180;
constexpr int FeedbackMinimumLines = 3;

} // namespace

PracticeWindow::PracticeWindow(QWidget *parent)
    : PracticeWindow(nullptr, parent)
{ }

PracticeWindow::PracticeWindow(const NetworkModel &shown, QWidget *parent)
    : PracticeWindow(&shown, parent)
{ }

PracticeWindow::PracticeWindow(const NetworkModel *shown, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , shown(shown)
    , reader(network)
    , numbers(QRandomGenerator::securelySeeded())
{
    setWindowTitle(tr("Practice"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window still ends the program
    buildControls();
    startSet(FirstSetNumber);
    if (shown) {
        connect(
            shown, &NetworkModel::topologyChanged, this, [this] { startSet(practice->number()); });
    }
}

// The widget's own destructor hides the spin box, which then commits what was typed in it.
PracticeWindow::~PracticeWindow()
{
    numberBox->disconnect(this);
}

void PracticeWindow::buildControls()
{
    numberBox = new QSpinBox(this);
    numberBox->setRange(PracticeSet::LowestNumber, PracticeSet::HighestNumber);
    numberBox->setKeyboardTracking(false); // a typed number counts once Return confirms it
    numberBox->setAccessibleName(tr("Set number"));
    auto *numberLabel = new QLabel(tr("&Set:"), this);
    numberLabel->setBuddy(numberBox);
    connect(numberBox, &QSpinBox::valueChanged, this, &PracticeWindow::startSet);
    auto *newSetButton = new QPushButton(tr("Ne&w set"), this);
    connect(newSetButton, &QPushButton::clicked, this, &PracticeWindow::newSet);
    auto *sheetButton = new QPushButton(tr("Save s&heet..."), this);
    connect(sheetButton, &QPushButton::clicked, this, &PracticeWindow::saveSheet);

    auto *kinds = new QGroupBox(tr("Kinds"), this);
    // Two rows, so that the window fits a screen 800 pixels wide (the web page's).
    auto *kindsLayout = new QGridLayout(kinds);
    const int kindColumns = (int(PracticeSet::everyKind().size()) + 1) / 2;
    // The table kinds are left out until ticked, so that a set number keeps its set.
    for (PracticeQuestion::Kind kind : PracticeSet::everyKind()) {
        auto *box = new QCheckBox(PracticeQuestion::kindName(kind), kinds);
        box->setChecked(PracticeSet::allKinds().contains(kind));
        const int place = int(kindBoxes.size());
        kindBoxes << box;
        kindsLayout->addWidget(box, place / kindColumns, place % kindColumns);
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
            if (!on && chosenKinds().isEmpty()) {
                box->setChecked(true); // a set needs one kind at least
                return;
            }
            startSet(practice->number());
        });
    }

    progress = new QLabel(this);
    questionLabel = new QLabel(this);
    questionLabel->setWordWrap(true);
    questionLabel->setTextInteractionFlags(
        Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    questionLabel->setAccessibleName(tr("Question"));
    QFont bold = questionLabel->font();
    bold.setBold(true);
    questionLabel->setFont(bold);

    drawing = new PracticeDrawing(reader, this);
    drawing->setMinimumHeight(DrawingMinimumHeight);
    connect(drawing, &StepDrawing::vertexClicked, this, [this](int vertex) {
        if (!answerField->isReadOnly() && question().asksForVertex()) {
            answerField->setText(QString::number(vertex));
            check();
        }
    });
    distancesTable = new QTableWidget(0, 4, this);
    distancesTable->setAccessibleName(tr("Distances"));
    distancesTable->setHorizontalHeaderLabels(
        {tr("Vertex"), tr("Distance"), tr("Predecessor"), tr("State")});
    distancesTable->verticalHeader()->hide();
    distancesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    distancesTable->horizontalHeader()->setStretchLastSection(true);
    distancesTable->setWordWrap(false);

    answerField = new QLineEdit(this);
    answerField->setAccessibleName(tr("Answer"));
    auto *answerLabel = new QLabel(tr("&Answer:"), this);
    answerLabel->setBuddy(answerField);
    // Return checks the answer, and once it is checked goes on to the next question.
    connect(answerField, &QLineEdit::returnPressed, this, [this] {
        if (answerField->isReadOnly())
            next();
        else
            check();
    });
    checkButton = new QPushButton(tr("&Check"), this);
    connect(checkButton, &QPushButton::clicked, this, &PracticeWindow::check);
    nextButton = new QPushButton(tr("&Next"), this);
    connect(nextButton, &QPushButton::clicked, this, &PracticeWindow::next);

    feedback = new QPlainTextEdit(this);
    feedback->setReadOnly(true);
    feedback->setAccessibleName(tr("Feedback"));
    feedback->setMinimumHeight(
        feedback->fontMetrics().lineSpacing() * FeedbackMinimumLines + 2 * feedback->frameWidth());
    scoreLabel = new QLabel(this);
    scoreLabel->setAccessibleName(tr("Score"));

    auto *top = new QHBoxLayout;
    top->addWidget(numberLabel);
    top->addWidget(numberBox);
    top->addWidget(newSetButton);
    top->addStretch();
    top->addWidget(sheetButton);
    auto *pictures = new QHBoxLayout;
    pictures->addWidget(drawing, 1);
    pictures->addWidget(distancesTable, 1);
    auto *answerRow = new QHBoxLayout;
    answerRow->addWidget(answerLabel);
    answerRow->addWidget(answerField, 1);
    answerRow->addWidget(checkButton);
    answerRow->addWidget(nextButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(kinds);
    layout->addWidget(progress);
    layout->addWidget(questionLabel);
    layout->addLayout(pictures, 3);
    layout->addLayout(answerRow);
    layout->addWidget(feedback, 1);
    layout->addWidget(scoreLabel);
    resize(900, 760);
}

PracticeSet::Kinds PracticeWindow::chosenKinds() const
{
    PracticeSet::Kinds kinds;
    const PracticeSet::Kinds all = PracticeSet::everyKind();
    for (int i = 0; i < kindBoxes.size(); ++i) {
        if (kindBoxes[i]->isChecked())
            kinds << all[i];
    }
    return kinds;
}

void PracticeWindow::startSet(int number)
{
    if (shown)
        network.setTopology(shown->topology());
    practice = std::make_unique<PracticeSet>(number, chosenKinds(), network.topology());
    {
        const QSignalBlocker blocker(numberBox);
        numberBox->setValue(practice->number());
    }
    index = 0;
    results.clear();
    showQuestion();
}

void PracticeWindow::newSet()
{
    startSet(static_cast<int>(
        numbers.bounded(PracticeSet::LowestNumber, PracticeSet::HighestNumber + 1)));
}

void PracticeWindow::showQuestion()
{
    const PracticeQuestion &asked = question();
    progress->setText(tr("Question %1 of %2: %3")
                          .arg(index + 1)
                          .arg(practice->questions().size())
                          .arg(PracticeQuestion::kindName(asked.kind)));
    questionLabel->setText(asked.text);
    questionLabel->setAccessibleDescription(asked.text);
    drawing->showQuestion(asked);

    const bool search = PracticeDrawing::showsSearch(asked);
    distancesTable->setVisible(search);
    distancesTable->setRowCount(search ? asked.record.vertexCount : 0);
    const SearchState state = PracticeDrawing::shownState(asked);
    for (int v = 0; v < distancesTable->rowCount(); ++v) {
        const QStringList cells = SearchStepsWindow::distanceCells(state, v);
        for (int column = 0; column < cells.size(); ++column)
            distancesTable->setItem(v, column, new QTableWidgetItem(cells[column]));
    }
    distancesTable->resizeColumnsToContents();

    answerField->clear();
    answerField->setReadOnly(false);
    checkButton->setEnabled(true);
    nextButton->setEnabled(false);
    feedback->clear();
    scoreLabel->setText(tr("Right so far: %1 of %2").arg(rightCount()).arg(results.size()));
    answerField->setFocus();
}

void PracticeWindow::check()
{
    if (answerField->isReadOnly() || answerField->text().trimmed().isEmpty())
        return;
    const PracticeQuestion &asked = question();
    const bool right = asked.accepts(answerField->text());
    results << right;
    const QString verdict = (right ? tr("Right.") : tr("Not quite.")) + QLatin1Char(' ')
        + tr("The answer is %1.").arg(asked.answerText());
    const QStringList working = PracticeWorking::lines(asked);
    QString text = verdict + QLatin1Char('\n') + working.join(QLatin1Char('\n'));
    QString spoken = verdict + QLatin1Char(' ') + working.last();
    const bool last = results.size() == practice->questions().size();
    if (last) {
        text += QLatin1String("\n\n") + scoreText();
        spoken += QLatin1Char(' ') + scoreText();
    }
    feedback->setPlainText(text);
    scoreLabel->setText(
        last ? scoreText() : tr("Right so far: %1 of %2").arg(rightCount()).arg(results.size()));
    answerField->setReadOnly(true);
    checkButton->setEnabled(false);
    nextButton->setEnabled(!last);
    Announcer::announce(this, spoken);
}

void PracticeWindow::next()
{
    if (!answerField->isReadOnly() || index + 1 >= practice->questions().size())
        return;
    ++index;
    showQuestion();
}

int PracticeWindow::rightCount() const
{
    return static_cast<int>(std::count(results.cbegin(), results.cend(), true));
}

QString PracticeWindow::scoreText() const
{
    QString text = tr("%1 of %2 right").arg(rightCount()).arg(practice->questions().size());
    QStringList wrong;
    for (PracticeQuestion::Kind kind : PracticeSet::everyKind()) {
        for (int i = 0; i < results.size(); ++i) {
            if (!results[i] && practice->questions()[i].kind == kind) {
                wrong << PracticeQuestion::kindName(kind);
                break;
            }
        }
    }
    if (!wrong.isEmpty())
        text += tr("; wrong: %1").arg(wrong.join(QLatin1String(", ")));
    return text + QLatin1Char('.');
}

QString PracticeWindow::saveSheetTo(const QString &path) const
{
    return PracticeSheet::save(PracticeSheet::pdf(*practice, reader), path);
}

void PracticeWindow::saveSheet()
{
#ifdef Q_OS_WASM
    // The browser downloads the file: no dialog of ours, no event loop of its own.
    QFileDialog::saveFileContent(
        PracticeSheet::pdf(*practice, reader), PracticeSheet::fileName(*practice));
#else
    auto *dialog = new QFileDialog(
        this, tr("Save sheet"), PracticeSheet::fileName(*practice), tr("PDF document (*.pdf)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        const QString error = saveSheetTo(path);
        if (error.isEmpty())
            return;
        auto *box
            = new QMessageBox(QMessageBox::Warning, tr("Save sheet"), error, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    dialog->open();
#endif
}
