// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Routing tables window on the textbooks' three routers, opened from the main window: its
// rounds, their sentences, the tables it compares, the news it spreads, and the main window
// left as it was.

#include "mainboard.h"
#include "networkdisplay.h"
#include "networkfile.h"
#include "networkmodel.h"
#include "routingtableswindow.h"
#include "studywindows.h"
#include "treedrawing.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

template<typename Widget> Widget *named(const QWidget *window, const QString &name)
{
    for (Widget *widget : window->findChildren<Widget *>()) {
        if (widget->accessibleName() == name)
            return widget;
    }
    return nullptr;
}

QStringList rowOf(const QTableWidget *table, int row, int columns)
{
    QStringList cells;
    for (int column = 0; column < columns; ++column)
        cells << table->item(row, column)->text();
    return cells;
}

// Clicks the button whose text, mnemonic aside, is the one given.
void press(const QWidget *window, const QString &text)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->text().remove(QLatin1Char('&')) == text) {
            button->click();
            return;
        }
    }
    QFAIL(qPrintable(text));
}

// The run asked for is worked out away from this thread, and shown when its result comes back.
void settle(const RoutingTablesWindow *window)
{
    QVERIFY(window->isWorking());
    QTRY_VERIFY(!window->isWorking());
}

} // namespace

class RoutingTablesWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void convergesAndAgrees();
    void badNews_data();
    void badNews();
    void loops_data();
    void loops();

private:
    MainBoard *board = nullptr;
    NetworkModel *model = nullptr;
    RoutingTablesWindow *window = nullptr;
    QByteArray network;
};

void RoutingTablesWindowTest::init()
{
    board = new MainBoard;
    model = &board->findChild<NetworkDisplay *>()->model();
    const NetworkFile::ReadResult read
        = NetworkFile::read(QStringLiteral(":/networks/three-routers.graphml"));
    QVERIFY2(read.network, qPrintable(read.error));
    model->setTopology(*read.network);
    model->setSource(2);
    model->setDestination(1);
    network = NetworkFile::toGraphML(model->topology());
    board->findChild<StudyWindows *>()->command(QStringLiteral("routingTables"))->trigger();
    window = board->findChild<RoutingTablesWindow *>();
    QVERIFY(window && window->isVisible());
    settle(window);
}

// Nothing the window did reached the main window.
void RoutingTablesWindowTest::cleanup()
{
    QCOMPARE(model->load(), 0);
    QCOMPARE(model->source(), 2);
    QCOMPARE(model->destination(), 1);
    QCOMPARE(model->trialsLeft(), NetworkModel::TrialsPerSeries);
    QCOMPARE(NetworkFile::toGraphML(model->topology()), network);
    delete board;
}

// x reaches z at 5 over y in round 1, nothing changes in round 2; then every vertex's table by
// distance vector is the one by link state.
void RoutingTablesWindowTest::convergesAndAgrees()
{
    auto *rounds = named<QTableWidget>(window, QStringLiteral("Rounds"));
    QCOMPARE(rounds->rowCount(), 3);
    window->step();
    QCOMPARE(window->currentRound(), 1);
    QCOMPARE(
        rounds->item(1, 2)->text(), QStringLiteral("Round 1: 2 entries change: 0 to 2, 2 to 0."));
    QCOMPARE(named<QListWidget>(window, QStringLiteral("Changes"))->item(0)->text(),
        QStringLiteral("Round 1: vertex 0 now reaches 2 through 1 at 5 (was through 2 at 50): 1 "
                       "claims 1, plus the link 0 to 1 at 4."));
    // Before the round x still believes in its own link to z.
    auto *vector = named<QTableWidget>(window, QStringLiteral("Distance vector"));
    window->first();
    QCOMPARE(rowOf(vector, 2, 4), QStringList({"2 (z)", "2 (z)", "50", "≠ link state"}));

    press(window, QStringLiteral("Last"));
    QCOMPARE(window->currentRound(), 2);
    QVERIFY(window->distanceVector().stages().back().converged);
    QCOMPARE(named<QLabel>(window, QStringLiteral("Agreement"))->text(),
        QStringLiteral("The tables agree with link state from round 1 on. Rounds spent counting "
                       "up: 0."));
    auto *vertex = named<QComboBox>(window, QStringLiteral("Vertex"));
    auto *linkState = named<QTableWidget>(window, QStringLiteral("Link state"));
    for (int v = 0; v < 3; ++v) {
        vertex->setCurrentIndex(v);
        for (int d = 0; d < 3; ++d) {
            QCOMPARE(rowOf(vector, d, 3), rowOf(linkState, d, 3));
            QCOMPARE(vector->item(d, 3)->text(), QString());
        }
    }
    // In round 2 y sends x nothing of its route to x, under split horizon.
    named<QComboBox>(window, QStringLiteral("Advertising"))->setCurrentIndex(1);
    press(window, QStringLiteral("Apply"));
    settle(window);
    vertex->setCurrentIndex(1);
    window->last();
    auto *sent = named<QTableWidget>(window, QStringLiteral("Sent"));
    QCOMPARE(rowOf(sent, 0, 4), QStringList({"0 (x)", "—", "0", "1"}));
}

void RoutingTablesWindowTest::badNews_data()
{
    QTest::addColumn<int>("advertising");
    QTest::addColumn<bool>("counts"); // more than three rounds with a route too cheap
    QTest::newRow("neither") << 0 << true;
    QTest::newRow("split horizon") << 1 << false;
    QTest::newRow("poisoned reverse") << 2 << false;
}

// x-y at 99: without poisoned reverse y and z pass a route to x back and forth, one up each
// round, until z's own link of 50 is cheaper.
void RoutingTablesWindowTest::badNews()
{
    QFETCH(int, advertising);
    QFETCH(bool, counts);
    named<QComboBox>(window, QStringLiteral("Advertising"))->setCurrentIndex(advertising);
    press(window, QStringLiteral("Apply"));
    // News waits for the tables it goes on from.
    press(window, QStringLiteral("Bad news"));
    QVERIFY(named<QLabel>(window, QStringLiteral("News"))->text().contains(QLatin1String("still")));
    settle(window);
    QCOMPARE(window->distanceVector().stages().size(), size_t(1));
    QCOMPARE(
        named<QComboBox>(window, QStringLiteral("Link"))->currentText(), QStringLiteral("0 to 1"));
    press(window, QStringLiteral("Bad news"));
    settle(window);
    const DistanceVector &run = window->distanceVector();
    QCOMPARE(run.stages().size(), size_t(2));
    const DistanceVector::Stage &stage = run.stages().back();
    QCOMPARE(window->currentRound(), stage.firstRound);
    QCOMPARE(stage.countingRounds > 3, counts);
    QVERIFY(stage.converged && stage.agreeingFrom > 0);
    QVERIFY(
        named<QLabel>(window, QStringLiteral("Agreement"))
            ->text()
            .contains(QStringLiteral("Rounds spent counting up: %1.").arg(stage.countingRounds)));
    window->last();
    QCOMPARE(named<QTableWidget>(window, QStringLiteral("Link state"))->item(1, 2)->text(),
        QStringLiteral("51"));
    // A new load starts the run again from it.
    model->setLoad(1);
    settle(window);
    QCOMPARE(window->distanceVector().stages().size(), size_t(1));
    QCOMPARE(window->distanceVector().stages().front().costs.cost(0, 1), 5);
    model->setLoad(0);
    settle(window);
}

void RoutingTablesWindowTest::loops_data()
{
    QTest::addColumn<QList<int>>("hops");
    QTest::addColumn<QList<int>>("loops");
    QTest::newRow("tree") << QList {1, 2, 2, -1} << QList<int>();
    QTest::newRow("pair") << QList {1, 0, 2} << QList {0, 1};
    QTest::newRow("triangle behind a tail") << QList {1, 2, 3, 1, 4} << QList {1, 2, 3};
    QTest::newRow("two loops") << QList {1, 0, 3, 2} << QList {0, 1, 2, 3};
}

void RoutingTablesWindowTest::loops()
{
    QFETCH(QList<int>, hops);
    QFETCH(QList<int>, loops);
    QCOMPARE(TreeDrawing::onLoops(hops), loops);
}

QTEST_MAIN(RoutingTablesWindowTest)
#include "tst_routingtableswindow.moc"
