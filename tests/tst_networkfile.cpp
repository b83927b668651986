// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// GraphML files read and written by the routing core alone. Run with --write-graphml DIR or
// --read FILE... it is also the helper of networkx_roundtrip.py: it prints each network's links
// and the search's cost between every pair at load 0 as one line of JSON.

#include "networkfile.h"
#include "routesearch.h"
#include "usablelinks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The links in topology order, then each vertex's label and, if asked, its place in hundredths.
QString describe(const Topology &network, bool places = false)
{
    QStringList parts;
    for (const Topology::LinkEnds &l : network.linkEnds())
        parts << u"%1>%2:%3"_s.arg(l.source).arg(l.target).arg(l.weight);
    for (const Topology::Vertex &v : network.vertices())
        parts << u"[%1]"_s.arg(v.label)
                + (places ? u"%1,%2"_s.arg(v.x, 0, 'f', 2).arg(v.y, 0, 'f', 2) : QString());
    return parts.join(QLatin1Char(' '));
}

// Hundredths in the drawing area, two vertices in its corners: a file keeps such positions.
Topology randomNetwork(quint32 seed)
{
    QRandomGenerator draws(seed);
    const int count = draws.bounded(Routing::FewestVertices, Routing::MostVertices + 1);
    QList<Topology::Vertex> vertices {{12, 7.4f, {}}, {588, 407, u"<&\""_s}};
    while (vertices.size() < count) {
        vertices.append({12 + static_cast<float>(draws.bounded(57601)) / 100,
            7.4f + static_cast<float>(draws.bounded(39961)) / 100,
            draws.bounded(3) == 0 ? QString::number(draws.generate()) : QString()});
    }
    QList<Topology::LinkEnds> links;
    for (int a = 0; a < count * count; ++a) {
        if (a / count != a % count && draws.bounded(4) == 0)
            links.append({a / count, a % count, draws.bounded(Routing::HighestWeight + 1)});
    }
    return {u"random"_s, vertices, links};
}

// The search at a load and factor 1, on every link.
RouteSearch searchAtLoad(const Topology &network, int source, int destination, int load)
{
    UsableLinks usable;
    for (const Topology::LinkEnds &l : network.linkEnds())
        usable.append(l.source, {l.target, static_cast<float>(l.weight), 1.0f});
    RouteSearch search;
    search.predecessor.fill(Routing::NoPredecessor);
    search.findShortestPath(
        {usable, network.vertexCount, load, 1.0f, Report::None}, source, destination);
    return search;
}

void printForNetworkX(const QString &file, const Topology &network)
{
    QJsonArray labels;
    QJsonArray links;
    QJsonArray costs;
    for (const Topology::Vertex &v : network.vertices())
        labels.append(v.label);
    for (const Topology::LinkEnds &l : network.linkEnds())
        links.append(QJsonArray {l.source, l.target, l.weight});
    for (int s = 0; s < network.vertexCount * network.vertexCount; ++s) {
        const int from = s / network.vertexCount;
        const int to = s % network.vertexCount;
        if (from != to)
            costs.append(QJsonArray {from, to, searchAtLoad(network, from, to, 0).distance[to]});
    }
    const QJsonObject line {
        {u"file"_s, file}, {u"labels"_s, labels}, {u"links"_s, links}, {u"costs"_s, costs}};
    std::printf("%s\n", QJsonDocument(line).toJson(QJsonDocument::Compact).constData());
}

// --write-graphml DIR: the built-in network and two random ones, as the program holds them;
// --read FILE...: the networks the files hold.
int helperMain(const QStringList &arguments)
{
    if (arguments.value(1) == QLatin1String("--read")) {
        for (const QString &file : arguments.mid(2)) {
            const NetworkFile::ReadResult result = NetworkFile::read(file);
            if (!result.network)
                qFatal("%s", qPrintable(result.error));
            printForNetworkX(file, *result.network);
        }
        return 0;
    }
    for (const quint32 seed : {0U, 7U, 8U}) { // 0 for the built-in network
        const Topology network = seed ? randomNetwork(seed) : Topology();
        const QString file = QDir(arguments.value(2)).filePath(u"network%1.graphml"_s.arg(seed));
        const QString error = NetworkFile::write(network, file);
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
        printForNetworkX(file, network);
    }
    return 0;
}

} // namespace

class NetworkFileTest : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void roundTrip_data();
    void roundTrip();
    void files();
    void examples();
};

void NetworkFileTest::parse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("network"); // as describe() has it, or part of the message
    QTest::addColumn<QPointF>("first"); // vertex 0's place in the drawing, null for a refusal
    const QByteArray end = "</graph></graphml>";
    const auto good = [&end](const char *row, const QByteArray &file, const char *network,
                          QPointF first = {300, 7.4}) {
        QTest::newRow(row) << file + end << QString::fromLatin1(network) << first;
    };
    const auto bad = [](const char *row, const QByteArray &file, const QString &message) {
        QTest::newRow(row) << file << message << QPointF();
    };

    // What NetworkX, igraph, yEd and Gephi write.
    const QByteArray head = R"(<graphml xmlns="http://graphml.graphdrawing.org/xmlns">
<key id="d0" for="edge" attr.name="weight"/>
)";
    good("NetworkX, undirected", head + R"(<graph edgedefault="undirected"><node id="u"/>
<node id="v"/><node id="w"/><edge source="u" target="v"><data key="d0">2</data></edge>
<edge source="v" target="w"><data key="d0">3.0</data></edge>)",
        "0>1:2 1>0:2 1>2:3 2>1:3 [u] [v] [w]");
    good("igraph, a default weight, each edge's direction",
        R"(<graphml><key id="w" for="edge" attr.name="weight"><default>7</default></key>
<graph edgedefault="undirected"><node id="n0"/><node id="n1"/><node id="n2"/>
<edge source="n0" target="n1" directed="true"/><edge source="n2" target="n1"/>)",
        "0>1:7 1>2:7 2>1:7 [] [] []");
    good("yEd's graphics, weight 1, a vertex named later",
        R"(<graphml xmlns:y="http://www.yworks.com/xml/graphml">
<key id="d6" for="node" yfiles.type="nodegraphics"/><graph edgedefault="directed">
<edge source="0" target="n1"/><node id="0"><data key="d6"><y:ShapeNode><y:NodeLabel>x
</y:NodeLabel></y:ShapeNode></data></node><node id="n1"/>)",
        "0>1:1 [] []");
    good("Gephi's labels and positions, directed=false",
        R"(<graphml><key id="label" for="node" attr.name="label"/>
<key id="x" for="node" attr.name="x"/><key id="y" for="node" attr.name="y"/>
<graph edgedefault="directed"><node id="0"><data key="label">one</data><data key="x">0</data>
<data key="y">0</data></node><node id="1"><data key="x">-10.0</data><data key="y">5</data>
</node><edge source="0" target="1" directed="false"/>)",
        "0>1:1 1>0:1 [one] []", {588, 63.2});
    good("positions in one place, on the circle",
        R"(<graphml><key id="x" for="all" attr.name="x"><default>4</default></key>
<key id="y" for="node" attr.name="y"/><graph edgedefault="directed"><node id="0">
<data key="y">3</data></node><node id="1"><data key="y">3</data></node>)",
        "[] []");

    // Files that make no network, and where they say so.
    const QByteArray graph = head + "<graph edgedefault=\"directed\">\n"; // lines 1 to 3
    const QByteArray ab = graph + "<node id=\"a\"/><node id=\"b\"/>\n"; // line 4
    bad("empty", "\n", u"test.graphml: the file is empty"_s);
    bad("binary", QByteArray("<g\0", 3), u"test.graphml: the file is binary"_s);
    bad("not XML", "graph", u"line 1, column 1: the file is not well-formed XML"_s);
    bad("cut off", ab + "<edge source=\"a\"",
        u"line 5, column 16: the file is not well-formed XML, or it is cut off"_s);
    bad("no graph", head + "</graphml>", u"test.graphml: the file holds no GraphML graph"_s);
    bad("entities", "<!DOCTYPE graphml [<!ENTITY a \"aaaaaaaa\">]>\n" + graph + "&a;" + end,
        u"line 1: the file declares entities"_s);
    bad("hyperedge", ab + "<hyperedge/>", u"line 5: the file has a hyperedge"_s);
    bad("nested graph", graph + "<node id=\"a\">\n<graph/>",
        u"line 5: vertex 0 (a) holds a graph"_s);
    bad("port", graph + "<node id=\"0\"><port name=\"p\"/>", u"line 4: vertex 0 has ports"_s);
    bad("unknown vertex", ab + R"(<edge source="a" target="q"/>)" + end,
        u"line 5: the link from 0 (a) to q leads from or to a vertex the network does not have"_s);
    bad("to itself", ab + R"(<edge source="b" target="b"/>)" + end,
        u"line 5: the link from 1 (b) to 1 (b) joins a vertex to itself"_s);
    bad("undirected repeats directed",
        ab
            + "<edge source=\"a\" target=\"b\"/>\n<edge source=\"b\" target=\"a\" "
              "directed=\"false\"/>"
            + end,
        u"line 6: the link from 0 (a) to 1 (b) is given twice"_s);
    for (const char *weight : {"-1", "100", "2.5", "heavy"}) {
        bad(weight,
            ab + R"(<edge source="a" target="b"><data key="d0">)" + weight + "</data></edge>" + end,
            u"line 5: the link from 0 (a) to 1 (b) weighs %1, but a weight is a whole number from 0 to 99"_s
                .arg(QLatin1String(weight)));
    }
    bad("position",
        "<graphml><key id=\"x\" for=\"node\" attr.name=\"x\"/><graph>\n<node id=\"n0\"><data "
        "key=\"x\">inf</data>",
        u"line 2: vertex 0 (n0) has the position x = inf, which is not a finite number"_s);
    bad("repeated id", ab + "<node id=\"a\"/>",
        u"line 5: the vertex id \"a\" is given twice, first for vertex 0"_s);
    bad("one vertex", graph + "<node id=\"a\"/>" + end,
        u"line 3: the network has 1 vertices, but it needs 2 to 50"_s);
    QByteArray many = graph;
    for (int v = 0; v <= Routing::MostVertices; ++v)
        many += "<node id=\"" + QByteArray::number(v) + "\"/>\n";
    bad("51 vertices", many + end, u"line 54: the network has 51 vertices, but it needs 2 to 50"_s);
}

void NetworkFileTest::parse()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, network);
    QFETCH(QPointF, first);
    const NetworkFile::ReadResult result = NetworkFile::parse(file, u"test.graphml"_s);
    if (first.isNull()) {
        QVERIFY(!result.network);
        QVERIFY2(result.error.startsWith(u"test.graphml"_s) && result.error.contains(network),
            qPrintable(result.error));
        return;
    }
    QVERIFY2(result.network, qPrintable(result.error));
    QCOMPARE(result.network->name, u"test"_s);
    QCOMPARE(describe(*result.network), network);
    QVERIFY(std::abs(result.network->vertexX[0] - first.x()) < 0.01);
    QVERIFY(std::abs(result.network->vertexY[0] - first.y()) < 0.01);
}

void NetworkFileTest::roundTrip_data()
{
    QTest::addColumn<int>("seed"); // 0 for the built-in network
    QTest::newRow("built-in") << 0;
    QTest::newRow("random") << 1;
}

// A network written and read back is the same network, and writes the same bytes again.
void NetworkFileTest::roundTrip()
{
    QFETCH(int, seed);
    const Topology network = seed ? randomNetwork(seed) : Topology();
    const QByteArray bytes = NetworkFile::toGraphML(network);
    const NetworkFile::ReadResult result = NetworkFile::parse(bytes, u"a.b.graphml"_s);
    QVERIFY2(result.network, qPrintable(result.error));
    QCOMPARE(result.network->name, u"a.b"_s);
    QCOMPARE(describe(*result.network, true), describe(network, true));
    QCOMPARE(NetworkFile::toGraphML(*result.network), bytes);
}

void NetworkFileTest::files()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"large.graphml"_s);
    QFile large(path);
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(NetworkFile::LargestFile + 1));
    large.close();
    QCOMPARE(NetworkFile::read(path).error,
        u"large.graphml: the file is larger than 4 MiB, the most a network file may have"_s);
    QCOMPARE(NetworkFile::read(dir.filePath(u"gone.graphml"_s)).error,
        u"gone.graphml: the file does not exist"_s);
    QVERIFY(!NetworkFile::write(Topology(), dir.filePath(u"no/such.graphml"_s)).isEmpty());
    // Writing replaces the file, which then reads back.
    QVERIFY(NetworkFile::write(Topology(), path).isEmpty());
    QVERIFY(NetworkFile::read(path).network);
}

// The shipped networks are what the writer writes.
void NetworkFileTest::examples()
{
    const QStringList files = NetworkFile::examples();
    QCOMPARE(files.size(), 5);
    for (const QString &file : files) {
        const NetworkFile::ReadResult result = NetworkFile::read(file);
        QVERIFY2(result.network, qPrintable(result.error));
        QFile bytes(file);
        QVERIFY(bytes.open(QIODevice::ReadOnly));
        QCOMPARE(NetworkFile::toGraphML(*result.network), bytes.readAll());
    }
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1).startsWith(u"--"_s))
        return helperMain(arguments);
    NetworkFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_networkfile.moc"
