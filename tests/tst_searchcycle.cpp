// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coutcapture.h"
#include "factorsource.h"
#include "networkdisplayprobe.h"
#include "scripteddraws.h"

#include <QPaintEvent>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <functional>
#include <vector>

namespace {

// Counts the paints a shown widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;
    QRegion region;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
            region += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
};

} // namespace

// One search cycle from shoot() to its signals, and the view's control slots around it.
class SearchCycleTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void metaObject();
    void loadTest_data();
    void loadTest();
    void equalEndpoints_data();
    void equalEndpoints();
    void cyclesAccumulate();
    void factorsFollowTheDraws();
    void drawsAtOnce_data();
    void drawsAtOnce();
    void staleOutcome_data();
    void staleOutcome();
    void oneCyclePerShoot();

    void clamping_data();
    void clamping();
    void setgrandRepaintsEveryTime();
    void shootWhilePending();
    void gameOverWhilePending();
    void gameOverTwice();
    void restartFromEveryState_data();
    void restartFromEveryState();

private:
    int paintsDuring(const std::function<void()> &action);
    QRegion paintedRegion; // of the last paintsDuring()

    NetworkDisplay *view = nullptr;
    NetworkDisplayProbe *probe = nullptr;
};

void SearchCycleTest::initTestCase()
{
    ScriptedDraws::install();
    // The first random draw of the process seeds and discards one value; get it out of the way
    // so every cycle below makes exactly one draw per link.
    NetworkDisplay seeded;
    seeded.setgrand(true);
    seeded.grand();
}

void SearchCycleTest::init()
{
    view = new NetworkDisplay;
    probe = new NetworkDisplayProbe(*view);
    ScriptedDraws::queue.clear();
}

void SearchCycleTest::cleanup()
{
    delete probe;
    delete view;
}

int SearchCycleTest::paintsDuring(const std::function<void()> &action)
{
    if (!view->isVisible()) {
        view->resize(800, 600);
        view->show();
        if (!QTest::qWaitForWindowExposed(view))
            return -1;
        QCoreApplication::processEvents();
    }
    PaintCounter counter(view);
    action();
    QCoreApplication::processEvents();
    paintedRegion = counter.region;
    return counter.count;
}

void SearchCycleTest::metaObject()
{
    const QMetaObject &meta = NetworkDisplay::staticMetaObject;
    QCOMPARE(meta.className(), "NetworkDisplay");
    QCOMPARE(meta.propertyCount(), meta.propertyOffset());
    QCOMPARE(meta.enumeratorCount(), meta.enumeratorOffset());
    QCOMPARE(meta.classInfoCount(), meta.classInfoOffset());

    const QStringList expected {
        "signal hit()",
        "signal missed()",
        "signal vertexChanged(int newVertex)",
        "signal vertexChanged2(int newVertex2)",
        "signal loadChanged(int newLoad)",
        "signal canShoot(bool can)",
        "public setVertex(int vertex)",
        "public setVertex2(int vertex2)",
        "public setLoad(int load)",
        "public setgrand(bool randCheckBox)",
        "public grand()",
        "public shoot()",
        "public newTarget()",
        "public setGameOver()",
        "public restartGame()",
        "private moveShot()",
    };
    QStringList actual;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        QStringList parameters;
        for (int p = 0; p < method.parameterCount(); ++p)
            parameters << QString::fromLatin1(
                method.parameterTypeName(p) + ' ' + method.parameterNames().at(p));
        const QString kind = method.methodType() == QMetaMethod::Signal ? "signal"
            : method.access() == QMetaMethod::Public                    ? "public"
                                                                        : "private";
        QCOMPARE(method.returnType(), int(QMetaType::Void));
        actual << QStringLiteral("%1 %2(%3)").arg(kind, method.name(), parameters.join(", "));
    }
    QCOMPARE(actual, expected);
}

void SearchCycleTest::loadTest_data()
{
    QTest::addColumn<int>("load");
    QTest::addColumn<int>("passing");
    QTest::addColumn<bool>("reported");

    QTest::newRow("49: every link passes") << 49 << 64 << true;
    QTest::newRow("50: none passes") << 50 << 0 << false;
    QTest::newRow("huge load") << INT_MAX << 0 << false;
}

void SearchCycleTest::loadTest()
{
    QFETCH(int, load);
    QFETCH(int, passing);
    QFETCH(bool, reported);

    view->setVertex2(19);
    view->setLoad(load);
    QSignalSpy missed(view, &NetworkDisplay::missed);
    CoutCapture capture;
    probe->moveShot();

    QCOMPARE(probe->activeLinkRecordCount(), passing);
    QCOMPARE(!capture.text().empty(), reported);
    QCOMPARE(probe->pathFound(), reported);
    QCOMPARE(probe->noPath(), !reported);
    QCOMPARE(missed.count(), 1);
    QCOMPARE(probe->randomFactor(), 1.0f);
}

void SearchCycleTest::equalEndpoints_data()
{
    QTest::addColumn<int>("load");
    QTest::addColumn<bool>("sameEndpoints");

    QTest::newRow("links pass") << 0 << true;
    QTest::newRow("no link passes") << 50 << false;
}

void SearchCycleTest::equalEndpoints()
{
    QFETCH(int, load);
    QFETCH(bool, sameEndpoints);

    view->setVertex(7);
    view->setVertex2(7);
    view->setLoad(load);
    CoutCapture capture;
    probe->moveShot();

    QVERIFY(capture.text().empty());
    QCOMPARE(probe->sameEndpoints(), sameEndpoints);
    QCOMPARE(probe->noPath(), !sameEndpoints);
    QVERIFY(!probe->pathFound());
}

void SearchCycleTest::cyclesAccumulate()
{
    view->setVertex2(19);
    CoutCapture capture;
    probe->moveShot();
    probe->pathFound() = false;

    // Second cycle: random effect on at load 60; only the very last link draws a factor low
    // enough to pass. The search still sees every link from the first cycle, at that factor.
    view->setLoad(60);
    view->setgrand(true);
    ScriptedDraws::queue = QList<int>(63, RandomSource::MaxDraw) << 0;
    capture.clear();
    probe->moveShot();

    QCOMPARE(probe->activeLinkRecordCount(), 65);
    QCOMPARE(int(probe->activeLinks()[19].size()), 2);
    QCOMPARE(probe->activeLinks()[19][1]->factor, 0.0f);
    QCOMPARE(probe->distance()[19], 189);
    QVERIFY(probe->pathFound());
}

void SearchCycleTest::drawsAtOnce_data()
{
    QTest::addColumn<int>("count");
    for (int count : {1, 255, 256, 257, 2450})
        QTest::addRow("%d", count) << count;
}

// A cycle's factors drawn at once are the ones drawn one by one, and use up as many values.
void SearchCycleTest::drawsAtOnce()
{
    QFETCH(int, count);
    QRandomGenerator oneByOne(7);
    QRandomGenerator atOnce(7);
    PrivateFactors single(oneByOne);
    PrivateFactors bulk(atOnce);
    std::vector<float> drawn(static_cast<size_t>(count));
    bulk.drawMany(drawn.data(), count);
    for (float factor : drawn)
        QCOMPARE(factor, single.draw());
    QCOMPARE(atOnce.generate(), oneByOne.generate());
}

void SearchCycleTest::factorsFollowTheDraws()
{
    view->setgrand(true);
    QList<int> draws;
    for (int i = 0; i < 64; ++i)
        draws << i * 500;
    ScriptedDraws::queue = draws;
    CoutCapture capture;
    probe->moveShot();

    int i = 0;
    for (int v = 0; v < NetworkDisplay::VertexCount; ++v) {
        for (const auto &link : probe->links()[v])
            QCOMPARE(link->factor, float(draws[i++] / 32767.0));
    }
    QCOMPARE(probe->randomFactor(), probe->links()[19].back()->factor);
}

void SearchCycleTest::staleOutcome_data()
{
    QTest::addColumn<bool>("staleSame");
    QTest::addColumn<bool>("stalePath");
    QTest::addColumn<int>("closings");
    QTest::addColumn<bool>("pathFound");
    QTest::addColumn<int>("load");

    QTest::newRow("clean") << false << false << 1 << true << 0;
    QTest::newRow("stale path recomputed") << false << true << 1 << true << 0;
    QTest::newRow("stale same-endpoints") << true << false << 1 << false << 0;
    QTest::newRow("stale both") << true << true << 2 << true << 0;
    // No link passes: the path flag is cleared, so the pending message closes the cycle once.
    QTest::newRow("stale both, no link passes") << true << true << 1 << false << 99;
}

void SearchCycleTest::staleOutcome()
{
    QFETCH(bool, staleSame);
    QFETCH(bool, stalePath);
    QFETCH(int, closings);
    QFETCH(bool, pathFound);
    QFETCH(int, load);

    view->setVertex2(3);
    view->setLoad(load);
    probe->sameEndpoints() = staleSame;
    probe->pathFound() = stalePath;
    QList<QString> signalsSeen;
    connect(view, &NetworkDisplay::missed, this, [&] { signalsSeen << "missed"; });
    connect(view, &NetworkDisplay::canShoot, this,
        [&](bool can) { signalsSeen << (can ? "canShoot(true)" : "canShoot(false)"); });
    connect(view, &NetworkDisplay::hit, this, [&] { signalsSeen << "hit"; });
    CoutCapture capture;
    view->shoot();
    signalsSeen.clear();
    probe->moveShot();

    QList<QString> expected;
    for (int i = 0; i < closings; ++i)
        expected << "missed"
                 << "canShoot(true)";
    QCOMPARE(signalsSeen, expected);
    QCOMPARE(probe->pathFound(), pathFound);
    QVERIFY(!view->isSearchRunning());
    QCOMPARE(capture.text().empty(), load > 0); // a search runs only over passing links
}

void SearchCycleTest::oneCyclePerShoot()
{
    view->setVertex2(1);
    QSignalSpy missed(view, &NetworkDisplay::missed);
    QSignalSpy canShoot(view, &NetworkDisplay::canShoot);
    CoutCapture capture;
    view->shoot();
    QVERIFY(view->isSearchRunning());
    QCOMPARE(probe->searchTimer()->interval(), 5);
    view->setLoad(10); // current at the moment the cycle runs
    QTRY_COMPARE(missed.count(), 1);
    QTest::qWait(30);
    QCOMPARE(missed.count(), 1);
    QCOMPARE(canShoot.count(), 2);
    QCOMPARE(canShoot.at(0).at(0).toBool(), false);
    QCOMPARE(canShoot.at(1).at(0).toBool(), true);
    QVERIFY(!view->isSearchRunning());
    QCOMPARE(probe->distance()[1], 92);
    QCOMPARE(capture.text(),
        std::string("\nThe shortest Distance from start 0 to destination 1 is 92\n"
                    "The Path is as follows:\n\n"));
}

void SearchCycleTest::clamping_data()
{
    QTest::addColumn<int>("which"); // 0 source, 1 destination, 2 load
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");

    const int extremes[] = {INT_MIN, -3, -1, 0, 7, 19, 20, 25, 250, INT_MAX};
    for (int which = 0; which < 3; ++which) {
        for (int value : extremes) {
            const int stored = which == 2 ? std::max(value, 0)
                                          : std::clamp(value, 0, NetworkDisplay::HighestVertex);
            QTest::addRow("%s %d",
                which == 0       ? "source"
                    : which == 1 ? "destination"
                                 : "load",
                value)
                << which << value << stored;
        }
    }
}

void SearchCycleTest::clamping()
{
    QFETCH(int, which);
    QFETCH(int, value);
    QFETCH(int, stored);

    const auto set = [this, which](int v) {
        if (which == 0)
            view->setVertex(v);
        else if (which == 1)
            view->setVertex2(v);
        else
            view->setLoad(v);
    };
    const char *changes[]
        = {SIGNAL(vertexChanged(int)), SIGNAL(vertexChanged2(int)), SIGNAL(loadChanged(int))};
    int *fields[] = {&probe->sourceVertex(), &probe->destinationVertex(), &probe->trafficLoad()};

    QSignalSpy spy(view, changes[which]);
    const int paints = paintsDuring([&] { set(value); });
    QCOMPARE(*fields[which], stored);
    const bool changed = stored != 0;
    QCOMPARE(spy.count(), changed ? 1 : 0);
    if (changed)
        QCOMPARE(spy.at(0).at(0).toInt(), stored);
    QCOMPARE(paints, changed ? 1 : 0);

    // The same value again: no signal, no repaint.
    QCOMPARE(paintsDuring([&] { set(value); }), 0);
    QCOMPARE(spy.count(), changed ? 1 : 0);
}

void SearchCycleTest::setgrandRepaintsEveryTime()
{
    QCOMPARE(paintsDuring([this] { view->setgrand(true); }), 1);
    QCOMPARE(paintsDuring([this] { view->setgrand(true); }), 1);
    QVERIFY(probe->randomEffect());
    QCOMPARE(paintsDuring([this] { view->setgrand(false); }), 1);
    QVERIFY(!probe->randomEffect());
    QCOMPARE(paintsDuring([this] { view->grand(); }), 1);
    QCOMPARE(paintedRegion, QRegion(view->wholeRect()));
}

void SearchCycleTest::shootWhilePending()
{
    QSignalSpy canShoot(view, &NetworkDisplay::canShoot);
    view->shoot();
    view->shoot();
    QCOMPARE(canShoot.count(), 1);
    QVERIFY(view->isSearchRunning());
}

void SearchCycleTest::gameOverWhilePending()
{
    QSignalSpy missed(view, &NetworkDisplay::missed);
    QSignalSpy canShoot(view, &NetworkDisplay::canShoot);
    CoutCapture capture;
    view->shoot();
    view->setGameOver();
    QVERIFY(!view->isSearchRunning());
    QVERIFY(view->isGameEnded());
    QTest::qWait(30);
    QCOMPARE(missed.count(), 0);
    QCOMPARE(canShoot.count(), 1);
    QVERIFY(capture.text().empty());
    QVERIFY(probe->activeLinks()[0].empty());
}

void SearchCycleTest::gameOverTwice()
{
    QCOMPARE(paintsDuring([this] { view->setGameOver(); }), 1);
    QCOMPARE(paintsDuring([this] { view->setGameOver(); }), 0);
    QVERIFY(view->isGameEnded());
}

void SearchCycleTest::restartFromEveryState_data()
{
    QTest::addColumn<bool>("pending");
    QTest::addColumn<bool>("ended");

    QTest::newRow("ready") << false << false;
    QTest::newRow("searching") << true << false;
    QTest::newRow("ended") << false << true;
    QTest::newRow("ended while searching") << true << true;
}

void SearchCycleTest::restartFromEveryState()
{
    QFETCH(bool, pending);
    QFETCH(bool, ended);

    paintsDuring([] {}); // shown first: showing runs the event loop, which would end a search
    if (ended)
        view->setGameOver();
    if (pending) {
        view->shoot(); // the series state does not stop a direct shoot()
        QVERIFY(view->isSearchRunning());
    }
    QSignalSpy canShoot(view, &NetworkDisplay::canShoot);
    QSignalSpy missed(view, &NetworkDisplay::missed);
    QCOMPARE(paintsDuring([this] { view->restartGame(); }), 1);
    QCOMPARE(canShoot.count(), 1);
    QCOMPARE(canShoot.at(0).at(0).toBool(), true);
    QVERIFY(!view->isSearchRunning());
    QVERIFY(!view->isGameEnded());
    QTest::qWait(20);
    QCOMPARE(missed.count(), 0);
}

QTEST_MAIN(SearchCycleTest)
#include "tst_searchcycle.moc"
