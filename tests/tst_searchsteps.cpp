// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coutcapture.h"
#include "networkdisplayprobe.h"
#include "networkmodel.h"
#include "networkreader.h"
#include "paintrecorder.h"
#include "scripteddraws.h"
#include "searchoracle.h"
#include "searchstepswindow.h"
#include "stepdrawing.h"
#include "stepnarration.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

// The record the real search keeps of its steps, and the window that steps through it.
class SearchStepsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ScriptedDraws::install(); }
    void recordAgreesWithSearch_data();
    void recordAgreesWithSearch();
    void handCheckedSearches_data();
    void handCheckedSearches();
    void windowFollowsAndSteps();
    void focusedControlKeepsItsKeys_data();
    void focusedControlKeepsItsKeys();
    void drawingReadableOnDarkPalette();
};

void SearchStepsTest::recordAgreesWithSearch_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("randomEffect");
    for (quint32 seed = 1; seed <= 8; ++seed) {
        QTest::addRow("seed %u, random effect off", seed) << seed << false;
        QTest::addRow("seed %u, random effect on", seed) << seed << true;
    }
}

// Over several cycles of random configurations: the replayed record ends where the search's
// own arrays ended, settles in the order the search settled, and prices each examined link as
// the literal reference does, from the first usable record in the list.
void SearchStepsTest::recordAgreesWithSearch()
{
    QFETCH(quint32, seed);
    QFETCH(bool, randomEffect);

    QRandomGenerator random(seed);
    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    const NetworkReader reader(view.model());
    view.setgrand(randomEffect);
    CoutCapture discard;
    for (int cycle = 0; cycle < 6; ++cycle) {
        for (int draw = 0; draw < NetworkDisplay::LinkCount; ++draw)
            ScriptedDraws::queue << random.bounded(RandomSource::MaxDraw + 1);
        view.setVertex(random.bounded(NetworkDisplay::VertexCount));
        view.setVertex2(random.bounded(NetworkDisplay::VertexCount));
        view.setLoad(random.bounded(60));
        probe.moveShot();

        const SearchRecord &record = reader.lastSearch();
        if (record.cycle != SearchRecord::Searched)
            continue;
        const int steps = static_cast<int>(record.steps.size());
        const SearchState end = record.stateAfter(steps);
        for (int v = 0; v < NetworkDisplay::VertexCount; ++v) {
            QCOMPARE(end.distance[v], probe.distance()[v]);
            QCOMPARE(end.predecessor[v], probe.predecessor()[v]);
        }
        const int idle = record.steps.back().unchangedStepsFollowing;
        QCOMPARE(steps + idle, probe.searchSteps() + 1);

        int previous = 0;
        for (const SearchStep &step : record.steps) {
            if (step.chosen >= 0) {
                QVERIFY(step.chosenDistance >= previous); // settled in the order of distance
                previous = step.chosenDistance;
            }
            for (const ExaminedVertex &examined : step.examined) {
                const Link *first = nullptr;
                for (const auto &link : probe.activeLinks()[step.current]) {
                    if (link->target == examined.vertex) {
                        first = link.get();
                        break;
                    }
                }
                QCOMPARE(examined.hasLink, first != nullptr);
                if (first) {
                    QCOMPARE(examined.cost,
                        double(record.load) * double(record.factor) + double(first->weight));
                    QCOMPARE(examined.leftOut, examined.cost > 99);
                }
            }
        }
        if (record.reachedDestination()) {
            OracleInput input;
            input.activeLinks = probe.copies(probe.activeLinks());
            input.trafficLoad = record.load;
            input.randomFactor = record.factor;
            input.source = record.source;
            input.destination = record.destination;
            const OracleResult expected = oracleShortestPath(input);
            for (int v = 0; v < NetworkDisplay::VertexCount; ++v)
                QCOMPARE(end.distance[v], expected.distance[v]);
        }
    }
}

void SearchStepsTest::handCheckedSearches_data()
{
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("load");
    QTest::addColumn<QList<int>>("settled"); // after the start, in order
    QTest::addColumn<int>("idleSteps"); // unchanged steps after standing still

    QTest::newRow("0 to 1 at load 0") << 1 << 0 << QList<int> {2, 3, 1} << 0;
    QTest::newRow("0 to 19 at load 0")
        << 19 << 0 << QList<int> {2, 3, 1, 6, 5, 7, 4, 9, 18, 12, 8, 11, 17, 14, 13, 10, 19} << 0;
    // Nine vertices can be settled; then nothing more, until the cap of 1,000,001 steps.
    QTest::newRow("0 to 5 at load 40") << 5 << 40 << QList<int>() << 1000001;
}

void SearchStepsTest::handCheckedSearches()
{
    QFETCH(int, destination);
    QFETCH(int, load);
    QFETCH(QList<int>, settled);
    QFETCH(int, idleSteps);

    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    CoutCapture discard;
    view.setVertex2(destination);
    view.setLoad(load);
    probe.moveShot();
    const SearchRecord &record = NetworkReader(view.model()).lastSearch();
    const StepNarration narration(record);

    QList<int> order;
    for (const SearchStep &step : record.steps) {
        if (step.chosen >= 0)
            order << step.chosen;
    }
    if (idleSteps == 0) {
        QCOMPARE(order.mid(0, settled.size()), settled);
        QVERIFY(record.reachedDestination());
        QCOMPARE(narration.rowCount(), probe.searchSteps() + 2);
    } else {
        QCOMPARE(record.steps.back().chosen, -1);
        QCOMPARE(int(record.steps.size()) + record.steps.back().unchangedStepsFollowing, idleSteps);
        QCOMPARE(narration.vertexCell(narration.rowCount() - 1),
            QStringLiteral("none: the search stands still"));
        QVERIFY(!order.contains(5));
    }
    if (destination == 1) {
        QCOMPARE(narration.sentence(3),
            QStringLiteral("Step 3: vertex 1 is settled at 72, "
                           "reached from 2. It is the destination: "
                           "the search ends. The path: 0, 2, 1."));
        QVERIFY(narration.examined(2).contains(
            QStringLiteral("Vertex 1: link 2 to 1, 0 x 1 + 46 = 46; 26 + 46 = 72 improves 10000 "
                           "to 72; nearest so far, at 72.")));
    }
}

// The window reads each new search, and its keys step as its buttons do.
void SearchStepsTest::windowFollowsAndSteps()
{
    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    SearchStepsWindow window(view.model());
    QCOMPARE(window.rowCount(), 0);
    QObject::connect(&view, &NetworkDisplay::missed, &window, &SearchStepsWindow::followSearch);
    CoutCapture discard;
    view.setVertex2(1);
    probe.moveShot();
    QCOMPARE(window.rowCount(), 4);

    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto press = [&window](Qt::Key key) {
        QTest::keyClick(&window, key);
        return window.currentRow();
    };
    QCOMPARE(press(Qt::Key_Right), 1);
    QCOMPARE(press(Qt::Key_Right), 2);
    QCOMPARE(press(Qt::Key_Left), 1);
    QCOMPARE(press(Qt::Key_End), 3);
    // At the end reached by Last, as after playing, Play plays again from the start.
    for (const QPushButton *button : window.findChildren<QPushButton *>())
        QVERIFY(!button->text().endsWith(QLatin1String("Play")) || button->isEnabled());
    QCOMPARE(press(Qt::Key_Right), 3);
    QCOMPARE(press(Qt::Key_Home), 0);
    window.step();
    QCOMPARE(window.currentRow(), 1);
    auto *examined = window.findChild<QPlainTextEdit *>();
    QTest::keyClick(examined, Qt::Key_Down); // a caret, that a screen reader follows
    QCOMPARE(examined->textCursor().blockNumber(), 1);

    view.setVertex2(19);
    probe.moveShot();
    QCOMPARE(window.rowCount(), probe.searchSteps() + 2);
    QCOMPARE(window.currentRow(), 0);
    view.setVertex2(0);
    probe.moveShot();
    QCOMPARE(window.rowCount(), 0); // same endpoints: no search to show
    view.setVertex2(1);
    view.setLoad(60);
    probe.moveShot();
    // The links let through earlier stay usable: the cycle ran no search at all.
    const QString absence = StepNarration(NetworkReader(view.model()).lastSearch()).absence();
    QVERIFY2(absence.contains(QLatin1String("no link passes runs no search")), qPrintable(absence));
}

void SearchStepsTest::focusedControlKeepsItsKeys_data()
{
    QTest::addColumn<QString>("focus"); // an accessible name or a button's text without its &
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("row"); // the window's after the key

    QTest::newRow("Space presses the focused Step button")
        << "Step" << int(Qt::Key_Space) << Qt::KeyboardModifiers() << 1;
    QTest::newRow("Right moves within Distances")
        << "Distances" << int(Qt::Key_Right) << Qt::KeyboardModifiers() << 0;
    QTest::newRow("Alt+S is Step's mnemonic")
        << "Steps" << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::AltModifier) << 1;
}

// The step keys act only where the focused control leaves them; the buttons have mnemonics.
void SearchStepsTest::focusedControlKeepsItsKeys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, row);

    NetworkDisplay view;
    CoutCapture discard;
    view.setVertex2(1);
    NetworkDisplayProbe(view).moveShot();
    SearchStepsWindow window(view.model());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget *control = nullptr;
    for (QWidget *child : window.findChildren<QWidget *>()) {
        const auto *button = qobject_cast<QPushButton *>(child);
        if (child->accessibleName() == focus
            || (button && button->text().remove(QLatin1Char('&')) == focus))
            control = child;
    }
    QVERIFY(control);
    control->setFocus();
    QTest::keyClick(control, Qt::Key(key), modifiers);
    QTRY_COMPARE(window.currentRow(), row);
    for (const QPushButton *button : window.findChildren<QPushButton *>())
        QVERIFY(!button->text().contains(QLatin1String("Pause"))); // not playing
}

// On a dark palette the distances written beside the discs contrast with the background.
void SearchStepsTest::drawingReadableOnDarkPalette()
{
    NetworkModel model;
    const NetworkReader reader(model);
    StepDrawing drawing(reader);
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    drawing.setPalette(dark);
    SearchState state;
    state.state[0] = SearchState::Settled;
    state.state[2] = SearchState::Reached;
    state.distance[2] = 26;
    drawing.showStep(state, 0, {}, true);
    PaintRecorder recorder;
    drawing.resize(drawing.sizeHint());
    drawing.render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    const QList<PaintOp> texts = recorder.ops(PaintOp::Text);
    const auto distance = std::find_if(texts.begin(), texts.end(),
        [](const PaintOp &op) { return op.text == QLatin1String("26"); });
    QVERIFY(distance != texts.end());
    QVERIFY(
        qAbs(qGray(distance->pen.color().rgb()) - qGray(dark.color(QPalette::Base).rgb())) > 128);
}

QTEST_MAIN(SearchStepsTest)
#include "tst_searchsteps.moc"
