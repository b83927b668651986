// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coutcapture.h"
#include "networkdisplayprobe.h"
#include "searchoracle.h"

#include <QRandomGenerator>
#include <QtTest>

#include <climits>

namespace {

QString reachedReport(int source, int destination, int distance)
{
    return QStringLiteral("\nThe shortest Distance from start %1 to destination %2 is %3\n"
                          "The Path is as follows:\n\n")
        .arg(source)
        .arg(destination)
        .arg(distance);
}

QString unreachedReport(int source, int destination)
{
    return QStringLiteral("\nThe shortest Distance from start %1 to destination %2 is 10000\n"
                          "\nNo Path from %2 to %1.\nThe Path is as follows:\n\n")
        .arg(source)
        .arg(destination);
}

// The path from the source to the destination, read back from the predecessors.
QList<int> pathTo(NetworkDisplayProbe &probe, int destination)
{
    QList<int> path {destination};
    for (int v = destination;
         probe.predecessor()[v] != -1 && path.size() <= NetworkDisplay::VertexCount;)
        path.prepend(v = probe.predecessor()[v]);
    return path;
}

} // namespace

class SearchTest : public QObject
{
    Q_OBJECT

private slots:
    void wholeNetwork_data();
    void wholeNetwork();
    void handMadeNetworks_data();
    void handMadeNetworks();
    void matchesLiteralSearch();
    void reportIsFlushed_data();
    void reportIsFlushed();
    void refusesInvalidEndpoints_data();
    void refusesInvalidEndpoints();
};

void SearchTest::wholeNetwork_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("load");
    QTest::addColumn<int>("distance");
    QTest::addColumn<QList<int>>("path"); // empty when unreachable
    QTest::addColumn<int>("steps"); // -2: not checked

    QTest::newRow("0-1 load 0") << 0 << 1 << 0 << 72 << QList<int> {0, 2, 1} << 2;
    QTest::newRow("0-1 load 10") << 0 << 1 << 10 << 92 << QList<int> {0, 2, 1} << -2;
    QTest::newRow("0-2 neighbour") << 0 << 2 << 0 << 26 << QList<int> {0, 2} << 0;
    QTest::newRow("0-5 cost exactly 99") << 0 << 5 << 10 << 99 << QList<int> {0, 5} << -2;
    QTest::newRow("0-19 load 0") << 0 << 19 << 0 << 189 << QList<int> {0, 2, 3, 7, 18, 17, 19}
                                 << 16;
    QTest::newRow("0-19 load 10") << 0 << 19 << 10 << 249 << QList<int> {0, 2, 3, 7, 18, 17, 19}
                                  << -2;
    QTest::newRow("19-0 load 0") << 19 << 0 << 0 << 155 << QList<int> {19, 17, 18, 7, 3, 2, 0}
                                 << -2;
    QTest::newRow("0-5 load 39") << 0 << 5 << 39 << 662
                                 << QList<int> {0, 2, 3, 7, 18, 17, 15, 14, 12, 5} << -2;
    QTest::newRow("0-5 load 40") << 0 << 5 << 40 << 10000 << QList<int> {} << 1000000;
    QTest::newRow("source stranded") << 2 << 0 << 80 << 10000 << QList<int> {} << 1000000;
}

void SearchTest::wholeNetwork()
{
    QFETCH(int, source);
    QFETCH(int, destination);
    QFETCH(int, load);
    QFETCH(int, distance);
    QFETCH(QList<int>, path);
    QFETCH(int, steps);

    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    probe.activateAllLinks();
    probe.activateAllLinks(); // later copies must change nothing
    probe.trafficLoad() = load;
    probe.predecessor().fill(-1);

    CoutCapture capture;
    probe.findShortestPath(source, destination);

    QCOMPARE(probe.distance()[destination], distance);
    if (path.isEmpty()) {
        QCOMPARE(probe.predecessor()[destination], -1);
        QCOMPARE(QString::fromStdString(capture.text()), unreachedReport(source, destination));
    } else {
        QCOMPARE(pathTo(probe, destination), path);
        QCOMPARE(
            QString::fromStdString(capture.text()), reachedReport(source, destination, distance));
    }
    if (steps != -2)
        QCOMPARE(probe.searchSteps(), steps);
}

void SearchTest::handMadeNetworks_data()
{
    QTest::addColumn<QString>("links"); // "from>to:weight ..." in list order
    QTest::addColumn<int>("load");
    QTest::addColumn<float>("factor");
    QTest::addColumn<int>("destination"); // the source is always 0
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("predecessor");

    QTest::newRow("cost 99 usable") << "0>1:89" << 20 << 0.5f << 1 << 99 << 0;
    QTest::newRow("cost 99.5 missing") << "0>1:89" << 21 << 0.5f << 1 << 10000 << -1;
    QTest::newRow("only the first copy counts") << "0>1:50 0>1:10" << 0 << 1.0f << 1 << 50 << 0;
    QTest::newRow("each hop truncated") << "0>1:10 1>2:10 2>3:10" << 1 << 0.5f << 3 << 30 << 2;
    QTest::newRow("57.9 improves 58 to 57")
        << "0>2:1 0>3:1 2>1:57 3>1:56" << 1 << 0.9f << 1 << 57 << 3;
    QTest::newRow("tie goes to the lower vertex")
        << "0>3:5 0>2:5 2>1:5 3>1:5" << 0 << 1.0f << 1 << 10 << 2;
    QTest::newRow("no link at all") << "" << 0 << 1.0f << 7 << 10000 << -1;
    QTest::newRow("links beyond the cap") << "0>1:100 1>2:5" << 0 << 1.0f << 2 << 10000 << -1;
}

void SearchTest::handMadeNetworks()
{
    QFETCH(QString, links);
    QFETCH(int, load);
    QFETCH(float, factor);
    QFETCH(int, destination);
    QFETCH(int, distance);
    QFETCH(int, predecessor);

    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    OracleInput input;
    input.activeLinks.resize(NetworkDisplay::VertexCount);
    for (const QString &entry : links.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(QRegularExpression(QStringLiteral("[>:]")));
        const Link link {parts[1].toInt(), parts[2].toFloat(), 1};
        probe.appendActiveLink(parts[0].toInt(), link);
        input.activeLinks[parts[0].toInt()].push_back(link);
    }
    probe.trafficLoad() = input.trafficLoad = load;
    probe.randomFactor() = input.randomFactor = factor;
    input.destination = destination;
    probe.predecessor().fill(-1);

    CoutCapture capture;
    probe.findShortestPath(0, destination);
    QCOMPARE(probe.distance()[destination], distance);
    QCOMPARE(probe.predecessor()[destination], predecessor);

    const OracleResult expected = oracleShortestPath(input);
    QCOMPARE(probe.searchSteps(), expected.searchSteps);
    QCOMPARE(capture.text(), expected.report);
}

// Random configurations: duplicates, missing and unusable links, fractional loads, stranded
// vertices. The literal search runs a million idle steps for an unreachable destination, so
// only a bounded number of those are compared.
// The first vertex and field in which the real search left something other than the literal
// one; empty when they agree.
static QString firstDifference(
    const OracleResult &expected, NetworkDisplayProbe &probe, const std::string &report)
{
    const auto differs = [](const char *field, qsizetype v, int real, int literal) {
        return QStringLiteral("%1[%2] is %3, the literal search left %4")
            .arg(QLatin1String(field))
            .arg(v)
            .arg(real)
            .arg(literal);
    };
    for (qsizetype v = 0; v < qsizetype(expected.distance.size()); ++v) {
        if (probe.distance()[v] != expected.distance[v])
            return differs("distance", v, probe.distance()[v], expected.distance[v]);
        if (probe.predecessor()[v] != expected.predecessor[v])
            return differs("predecessor", v, probe.predecessor()[v], expected.predecessor[v]);
    }
    if (probe.searchSteps() != expected.searchSteps) {
        return QStringLiteral("searchSteps is %1, the literal search left %2")
            .arg(probe.searchSteps())
            .arg(expected.searchSteps);
    }
    if (report != expected.report) {
        return QStringLiteral("the report reads \"%1\" instead of \"%2\"")
            .arg(QString::fromStdString(report), QString::fromStdString(expected.report));
    }
    return {};
}

void SearchTest::matchesLiteralSearch()
{
    const quint32 seed = qEnvironmentVariableIsSet("NETROUTE_SEED")
        ? quint32(qEnvironmentVariableIntValue("NETROUTE_SEED"))
        : 20261207u;
    QRandomGenerator random(seed);
    constexpr int ReachedCases = 3000;
    constexpr int UnreachedCases = 60;
    int reached = 0;
    int unreached = 0;

    for (int round = 0; reached < ReachedCases || unreached < UnreachedCases; ++round) {
        NetworkDisplay view;
        NetworkDisplayProbe probe(view);
        OracleInput input;
        input.activeLinks.resize(NetworkDisplay::VertexCount);
        const int linkCount = random.bounded(150);
        for (int i = 0; i < linkCount; ++i) {
            const int from = random.bounded(NetworkDisplay::VertexCount);
            const Link link {
                random.bounded(NetworkDisplay::VertexCount), float(random.bounded(1, 110)), 1};
            const int copies = random.bounded(10) == 0 ? 3 : 1;
            for (int c = 0; c < copies; ++c) {
                probe.appendActiveLink(from, link);
                input.activeLinks[from].push_back(link);
            }
        }
        input.trafficLoad = probe.trafficLoad() = random.bounded(100);
        input.randomFactor = probe.randomFactor() = float(random.bounded(32768) / 32767.0);
        input.source = random.bounded(NetworkDisplay::VertexCount);
        input.destination = (input.source + 1 + random.bounded(NetworkDisplay::HighestVertex))
            % NetworkDisplay::VertexCount;
        probe.predecessor().fill(-1);

        CoutCapture capture;
        probe.findShortestPath(input.source, input.destination);
        const bool isReached = probe.predecessor()[input.destination] != -1;
        if (isReached ? reached >= ReachedCases : unreached >= UnreachedCases)
            continue;
        (isReached ? reached : unreached) += 1;

        const QString difference
            = firstDifference(oracleShortestPath(input), probe, capture.text());
        QVERIFY2(difference.isEmpty(),
            qPrintable(
                QStringLiteral("seed %1, round %2: %3").arg(seed).arg(round).arg(difference)));
    }
}

void SearchTest::reportIsFlushed_data()
{
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("load");

    QTest::newRow("reached") << 1 << 0;
    QTest::newRow("unreachable") << 5 << 40;
}

// A killed process must not lose a report: the stream is flushed after its first line and at
// its end.
void SearchTest::reportIsFlushed()
{
    QFETCH(int, destination);
    QFETCH(int, load);

    struct SyncRecorder : std::stringbuf
    {
        std::vector<size_t> syncedAt;
        int sync() override
        {
            syncedAt.push_back(str().size());
            return 0;
        }
    } recorder;

    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    probe.activateAllLinks();
    probe.trafficLoad() = load;
    probe.predecessor().fill(-1);
    std::streambuf *saved = std::cout.rdbuf(&recorder);
    probe.findShortestPath(0, destination);
    std::cout.rdbuf(saved);

    const std::string report = recorder.str();
    const size_t firstLineEnd = report.find('\n', 1) + 1;
    QVERIFY(std::find(recorder.syncedAt.begin(), recorder.syncedAt.end(), firstLineEnd)
        != recorder.syncedAt.end());
    QVERIFY(!recorder.syncedAt.empty());
    QCOMPARE(recorder.syncedAt.back(), report.size());
}

void SearchTest::refusesInvalidEndpoints_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");

    QTest::newRow("equal") << 3 << 3;
    QTest::newRow("negative source") << -1 << 5;
    QTest::newRow("destination past the vertices") << 0 << 20;
    QTest::newRow("INT_MIN") << INT_MIN << 0;
}

// The cycle never passes these; the search leaves everything as it was and prints nothing.
void SearchTest::refusesInvalidEndpoints()
{
    QFETCH(int, source);
    QFETCH(int, destination);

    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    probe.activateAllLinks();
    probe.predecessor().fill(-1);
    probe.searchSteps() = 42;
    CoutCapture capture;
    probe.findShortestPath(source, destination);
    QVERIFY(capture.text().empty());
    QCOMPARE(probe.searchSteps(), 42);
    QCOMPARE(probe.distance()[0], 0);
}

QTEST_MAIN(SearchTest)
#include "tst_search.moc"
