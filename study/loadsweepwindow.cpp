// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loadsweepwindow.h"

#include "drawingpicture.h"
#include "savedialog.h"
#include "stepnarration.h"
#include "sweepplot.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A sweep shows its progress once it has taken this long; most end sooner.
constexpr int ProgressDelayMs = 500;

QString percent(double share)
{
    return QStringLiteral("%1 %").arg(qRound(share * 100));
}

} // namespace

LoadSweepWindow::LoadSweepWindow(const NetworkModel &model, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , reader(model)
    , loadSweep(model)
{
    setWindowTitle(tr("Load sweep"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window still ends the program

    summary = new QLabel(this);
    summary->setWordWrap(true);
    summary->setAccessibleName(tr("About the sweep"));
    plot = new SweepPlot(this);
    progressBar = new QProgressBar(this);
    progressBar->setAccessibleName(tr("Sweep progress"));
    progressBar->setRange(0, LoadSweep::Loads);
    progressBar->hide();
    progressDelay.setSingleShot(true);
    progressDelay.setInterval(ProgressDelayMs);
    connect(&progressDelay, &QTimer::timeout, progressBar, &QWidget::show);
    table = new QTableWidget(0, 0, this);
    table->setAccessibleName(tr("Sweep"));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(progressBar);
    auto *copy = new QPushButton(tr("Copy plot"), this);
    auto *save = new QPushButton(tr("Save plot..."), this);
    connect(copy, &QPushButton::clicked, this, &LoadSweepWindow::copyPlot);
    connect(save, &QPushButton::clicked, this, &LoadSweepWindow::savePlot);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(save);
    buttons->addStretch();
    layout->addWidget(plot, 3);
    layout->addLayout(buttons);
    layout->addWidget(table, 2);
    resize(820, 720);

    connect(&loadSweep, &LoadSweep::progressed, this, &LoadSweepWindow::showProgress);
    connect(&loadSweep, &LoadSweep::finished, this, &LoadSweepWindow::showSweep);
    sweepAgain();
}

const LoadSweep &LoadSweepWindow::sweep() const
{
    return loadSweep;
}

QWidget *LoadSweepWindow::plotWidget() const
{
    return plot;
}

void LoadSweepWindow::sweepAgain()
{
    if (!isVisible()) {
        stale = true; // nobody looks: no work until the window is shown again
        return;
    }
    stale = false;
    loadSweep.start();
    if (!progressBar->isVisible())
        progressDelay.start();
    showProgress(0);
}

void LoadSweepWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (stale)
        sweepAgain();
}

void LoadSweepWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (loadSweep.isFinished())
        return;
    loadSweep.stop();
    endProgress();
    stale = true;
}

void LoadSweepWindow::markLoad()
{
    if (!loadSweep.isFinished())
        return; // the finished sweep marks it
    plot->setCurrentLoad(reader.load());
    table->selectRow(reader.load());
    showProgress(LoadSweep::Loads);
}

// The caption describes the figures shown; a sweep under way for another state says so apart.
void LoadSweepWindow::showProgress(int loadsDone)
{
    const LoadSweep::State pending = loadSweep.pending();
    const bool working = loadsDone < LoadSweep::Loads;
    progressBar->setValue(loadsDone);
    if (loadSweep.points().isEmpty()) {
        summary->setText(tr("Working out what a search started now would give at every load "
                            "from 0 to 99, from vertex %1 to vertex %2, random effect %3: %4 of "
                            "%5 loads done.")
                             .arg(pending.source)
                             .arg(pending.destination)
                             .arg(pending.randomEffect ? tr("on") : tr("off"))
                             .arg(loadsDone)
                             .arg(LoadSweep::Loads));
        return;
    }
    const bool sameEndpoints = loadSweep.source() == loadSweep.destination();
    QString text;
    if (sameEndpoints)
        text = tr("From vertex %1 to vertex %1: a cycle started now would run no search at any "
                  "load, as %2.")
                   .arg(loadSweep.source())
                   .arg(StepNarration::sameEndpoints(loadSweep.source()));
    else
        text = tr("From vertex %1 to vertex %2, random effect %3: what a search started now "
                  "would give at every load from 0 to 99; the current load is %4.")
                   .arg(loadSweep.source())
                   .arg(loadSweep.destination())
                   .arg(loadSweep.randomEffect() ? tr("on") : tr("off"))
                   .arg(reader.load());
    if (loadSweep.randomEffect() && !sameEndpoints)
        text += QLatin1Char(' ')
            + tr("Each load is simulated %1 times with a generator of its own.")
                  .arg(LoadSweep::SamplesPerLoad);
    const bool sameState = pending.source == loadSweep.source()
        && pending.destination == loadSweep.destination()
        && pending.randomEffect == loadSweep.randomEffect();
    if (working && sameState)
        text += QLatin1Char(' ')
            + tr("Working: %1 of %2 loads done.").arg(loadsDone).arg(LoadSweep::Loads);
    else if (working)
        text += QLatin1Char(' ')
            + tr("Working out vertex %1 to vertex %2, random effect %3: %4 of %5 loads done.")
                  .arg(pending.source)
                  .arg(pending.destination)
                  .arg(pending.randomEffect ? tr("on") : tr("off"))
                  .arg(loadsDone)
                  .arg(LoadSweep::Loads);
    summary->setText(text);
}

void LoadSweepWindow::endProgress()
{
    progressDelay.stop();
    progressBar->hide();
}

void LoadSweepWindow::showSweep()
{
    endProgress();
    fillTable();
    plot->showSweep(loadSweep, reader.load());
    markLoad();
}

void LoadSweepWindow::fillTable()
{
    const bool random = loadSweep.randomEffect();
    const bool sameEndpoints = loadSweep.source() == loadSweep.destination();
    // With the random effect on, a row holds the median cost and the most frequent path.
    QStringList headers {tr("Load"), random ? tr("Median cost") : tr("Cost"),
        random ? tr("Most frequent path") : tr("Path"), tr("Hops")};
    if (random)
        headers << tr("10-90 %") << tr("Paths found");
    table->clear();
    table->setColumnCount(static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setRowCount(LoadSweep::Loads);
    for (const LoadSweep::Point &point : loadSweep.points()) {
        const QString cost = point.found() ? QString::number(point.cost)
            : sameEndpoints                ? tr("no search: the source is the destination")
            : point.noLinkPassed           ? tr("no path: no link passes the load test")
                                           : tr("no path: the destination is unreachable");
        QStringList cells {QString::number(point.load), cost, StepNarration::pathText(point.path),
            point.found() ? QString::number(point.path.size() - 1) : QString()};
        if (random)
            cells << (point.found() ? tr("%1 to %2").arg(point.low).arg(point.high) : QString())
                  << percent(point.share);
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(point.load, column, new QTableWidgetItem(cells[column]));
    }
    table->resizeColumnsToContents();
}

void LoadSweepWindow::copyPlot()
{
    QGuiApplication::clipboard()->setImage(plot->grab().toImage());
}

void LoadSweepWindow::savePlot()
{
    SaveDialog::ask(
        this, DrawingPicture::widgetRequest(*plot, tr("Save plot"), tr("netroute-sweep.png")));
}
