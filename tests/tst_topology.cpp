// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainboard.h"
#include "networkdisplayprobe.h"

#include <QPalette>
#include <QtTest>

#include <map>
#include <set>

// The network as built by a fresh view: its links, coordinates and initial state.
class TopologyTest : public QObject
{
    Q_OBJECT

private slots:
    void linkList_data();
    void linkList();
    void vertexPosition_data();
    void vertexPosition();
    void linksFormSymmetricPairs();
    void weights();
    void unusedListsAreEmpty();
    void freshViewState();

private:
    NetworkDisplay view;
    NetworkDisplayProbe probe {view};
};

void TopologyTest::linkList_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("expected"); // target:weight in list order

    const char *lists[] = {
        "5:89 2:26",
        "2:74 6:13",
        "0:32 1:46 3:43 4:93",
        "2:12 4:50 7:30",
        "2:63 3:21",
        "0:38 6:68 12:60",
        "5:68 1:8 9:38",
        "3:18 8:55 18:35",
        "7:57 9:55 10:30 18:59",
        "6:65 8:62 10:71 11:45 13:70 16:75",
        "9:71 8:59 16:68",
        "9:39",
        "5:60 13:33 14:23",
        "9:70 12:41 16:69 14:56 15:60",
        "12:29 13:60 15:32",
        "13:62 14:29 16:42 17:23",
        "9:78 10:63 13:56 15:40 17:37",
        "15:23 16:32 18:39 19:19",
        "7:38 8:52 17:36",
        "17:16",
    };
    for (int source = 0; source < 20; ++source)
        QTest::addRow("from %d", source) << source << QString::fromLatin1(lists[source]);
}

void TopologyTest::linkList()
{
    QFETCH(int, source);
    QFETCH(QString, expected);

    QStringList actual;
    for (const auto &link : probe.links()[source]) {
        actual << QStringLiteral("%1:%2").arg(link->target).arg(link->weight);
        QCOMPARE(link->factor, 1.0f);
    }
    QCOMPARE(actual.join(QLatin1Char(' ')), expected);
}

void TopologyTest::vertexPosition_data()
{
    QTest::addColumn<int>("vertex");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");

    // clang-format off
    const float positions[][2] = {
        {12, 7.4f},    {150, 74},     {300, 40.7f},  {420, 81.4f},  {564, 25.9f},
        {48, 140.6f},  {168, 162.8f}, {588, 125.8f}, {468, 173.9f}, {288, 199.8f},
        {390, 247.9f}, {294, 99.9f},  {90, 270.1f},  {192, 284.9f}, {24, 392.2f},
        {222, 388.5f}, {300, 325.6f}, {420, 358.9f}, {534, 292.3f}, {558, 407},
    };
    // clang-format on
    for (int v = 0; v < 20; ++v)
        QTest::addRow("vertex %d", v) << v << positions[v][0] << positions[v][1];
}

void TopologyTest::vertexPosition()
{
    QFETCH(int, vertex);
    QFETCH(float, x);
    QFETCH(float, y);
    // Exact: each coordinate must be the float nearest the drawn decimal.
    QVERIFY(probe.vertexX()[vertex] == x);
    QVERIFY(probe.vertexY()[vertex] == y);
}

void TopologyTest::linksFormSymmetricPairs()
{
    std::map<std::pair<int, int>, float> weightOf;
    std::map<int, int> outDegree;
    std::map<int, int> inDegree;
    for (int source = 0; source < probe.vertexCount(); ++source) {
        for (const auto &link : probe.links()[source]) {
            QVERIFY(link->target >= 0 && link->target < 20);
            QVERIFY(link->target != source);
            const bool unique
                = weightOf.emplace(std::pair(source, link->target), link->weight).second;
            QVERIFY2(unique, "two links for one ordered pair");
            ++outDegree[source];
            ++inDegree[link->target];
        }
    }
    QCOMPARE(int(weightOf.size()), 64);
    QCOMPARE(probe.totalLinkCount(), 64);

    std::set<std::pair<int, int>> equalPairs;
    for (const auto &[pair, weight] : weightOf) {
        const auto reverse = weightOf.find({pair.second, pair.first});
        QVERIFY2(reverse != weightOf.end(), "a link without its reverse");
        if (reverse->second == weight && pair.first < pair.second)
            equalPairs.insert(pair);
    }
    const std::set<std::pair<int, int>> expectedEqual {{5, 6}, {5, 12}, {9, 10}, {9, 13}, {15, 17}};
    QVERIFY(equalPairs == expectedEqual);

    for (int v = 0; v < 20; ++v)
        QCOMPARE(inDegree[v], outDegree[v]);
    QCOMPARE(outDegree[11], 1);
    QCOMPARE(outDegree[19], 1);
    QCOMPARE(outDegree[9], 6);
}

void TopologyTest::weights()
{
    float lowest = 1000;
    float highest = 0;
    for (int source = 0; source < 20; ++source) {
        for (const auto &link : probe.links()[source]) {
            QCOMPARE(link->weight, std::trunc(link->weight));
            lowest = std::min(lowest, link->weight);
            highest = std::max(highest, link->weight);
        }
    }
    QCOMPARE(lowest, 8.0f);
    QCOMPARE(highest, 93.0f);
    QCOMPARE(probe.links()[6][1]->weight, 8.0f);
    QCOMPARE(probe.links()[2][3]->weight, 93.0f);
}

void TopologyTest::unusedListsAreEmpty()
{
    for (int v = 0; v < NetworkDisplay::VertexCapacity; ++v) {
        QVERIFY(probe.activeLinks()[v].empty());
        if (v >= 20)
            QVERIFY(probe.links()[v].empty());
    }
}

void TopologyTest::freshViewState()
{
    QCOMPARE(view.palette().color(QPalette::Window), QColor(210, 240, 220, 220));
    QVERIFY(view.autoFillBackground());
    QCOMPARE(view.sizeHint(), QSize(400, 300));
    QCOMPARE(view.wholeRect(), QRect(0, 0, 800, 600));
    QCOMPARE(view.networkRect(), QRect(10, 10, 600, 600));
    QCOMPARE(view.networkRect().bottomRight(), QPoint(609, 609));

    QVERIFY(!view.isSearchRunning());
    QVERIFY(!view.isGameEnded());
    QVERIFY(!probe.pathFound() && !probe.noPath() && !probe.sameEndpoints());
    QVERIFY(!probe.randomEffect());
    QCOMPARE(probe.sourceVertex(), 0);
    QCOMPARE(probe.destinationVertex(), 0);
    QCOMPARE(probe.trafficLoad(), 0);
    QCOMPARE(probe.randomFactor(), 1.0f);
    QCOMPARE(probe.vertexCount(), 20);
    QCOMPARE(probe.activeLinkCount(), 64);
    // The facts the window, the view and the tests share, each defined once.
    QCOMPARE(NetworkDisplay::VertexCount, 20);
    QCOMPARE(NetworkDisplay::HighestVertex, 19);
    QCOMPARE(NetworkDisplay::LinkCount, 64);
    QCOMPARE(NetworkDisplay::HighestLoad, 99);
    QCOMPARE(MainBoard::TrialsPerSeries, 10);
    for (int v = 0; v < NetworkDisplay::VertexCapacity; ++v)
        QCOMPARE(probe.distance()[v], 0);
}

QTEST_MAIN(TopologyTest)
#include "tst_topology.moc"
