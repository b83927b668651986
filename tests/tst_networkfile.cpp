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

namespace {

QString linkText(const Topology &network)
{
    QStringList parts;
    for (const Topology::LinkEnds &l : network.linkEnds())
        parts << QStringLiteral("%1>%2:%3").arg(l.source).arg(l.target).arg(l.weight);
    return parts.join(QLatin1Char(' '));
}

// Hundredths in the drawing area, two vertices in its corners: a file keeps such positions.
Topology randomNetwork(quint32 seed)
{
    QRandomGenerator draws(seed);
    const int count = draws.bounded(Routing::FewestVertices, Routing::MostVertices + 1);
    QList<Topology::Vertex> vertices;
    for (int v = 0; v < count; ++v) {
        const QString label = draws.bounded(3) == 0 ? QStringLiteral("r<&\"%1").arg(v) : QString();
        vertices.append({12 + static_cast<float>(draws.bounded(57601)) / 100,
            7.4f + static_cast<float>(draws.bounded(39961)) / 100, label});
    }
    vertices[0].x = 12;
    vertices[0].y = 7.4f;
    vertices[1].x = 588;
    vertices[1].y = 407;
    QList<Topology::LinkEnds> links;
    for (int a = 0; a < count; ++a) {
        for (int b = 0; b < count; ++b) {
            if (a != b && draws.bounded(4) == 0)
                links.append({a, b, draws.bounded(Routing::HighestWeight + 1)});
        }
    }
    return {QStringLiteral("random"), vertices, links};
}

// The search at load 0 and factor 1, where a link costs its weight.
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
    for (int v = 0; v < network.vertexCount; ++v)
        labels.append(network.labels[v]);
    for (const Topology::LinkEnds &l : network.linkEnds())
        links.append(QJsonArray {l.source, l.target, l.weight});
    for (int s = 0; s < network.vertexCount; ++s) {
        for (int d = 0; d < network.vertexCount; ++d) {
            if (s != d)
                costs.append(QJsonArray {s, d, searchAtLoad(network, s, d, 0).distance[d]});
        }
    }
    const QJsonObject line {{QStringLiteral("file"), file}, {QStringLiteral("labels"), labels},
        {QStringLiteral("links"), links}, {QStringLiteral("costs"), costs}};
    std::printf("%s\n", QJsonDocument(line).toJson(QJsonDocument::Compact).constData());
}

int helperMain(const QStringList &arguments)
{
    if (arguments.value(1) == QLatin1String("--write-graphml")) {
        const QDir folder(arguments.value(2));
        const QList<std::pair<QString, Topology>> networks {{QStringLiteral("builtin"), Topology()},
            {QStringLiteral("random7"), randomNetwork(7)},
            {QStringLiteral("random8"), randomNetwork(8)}};
        for (const auto &[name, network] : networks) {
            const QString file = folder.filePath(name + QStringLiteral(".graphml"));
            const QString error = NetworkFile::write(network, file);
            if (!error.isEmpty())
                qFatal("%s", qPrintable(error));
            printForNetworkX(file, network);
        }
        return 0;
    }
    for (const QString &file : arguments.mid(2)) {
        const NetworkFile::ReadResult result = NetworkFile::read(file);
        if (!result.network)
            qFatal("%s", qPrintable(result.error));
        printForNetworkX(file, *result.network);
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
    QTest::addColumn<QString>("links"); // or the expected part of the message
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QPointF>("first"); // vertex 0's place in the drawing

    const QByteArray head = "<graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\">\n"
                            "<key id=\"d0\" for=\"edge\" attr.name=\"weight\"/>\n";
    const QByteArray graph = head + "<graph edgedefault=\"directed\">\n";
    const QByteArray ab = graph + "<node id=\"a\"/><node id=\"b\"/>\n";
    const QByteArray end = "</graph></graphml>";
    const QPointF top(300, 7.4); // the first place on the circle
    const QPointF none;

    // What NetworkX, igraph, yEd and Gephi write.
    QTest::newRow("NetworkX, undirected") << head
            + "<graph edgedefault=\"undirected\"><node id=\"u\"/><node id=\"v\"/>"
              "<node id=\"w\"/><edge source=\"u\" target=\"v\"><data key=\"d0\">2</data></edge>"
              "<edge source=\"v\" target=\"w\"><data key=\"d0\">3.0</data></edge>"
            + end << "0>1:2 1>0:2 1>2:3 2>1:3"
                                          << "u v w" << top;
    QTest::newRow("igraph, a default weight, each edge's direction") << QByteArray(
        "<graphml><key id=\"w\" for=\"edge\" attr.name=\"weight\"><default>7</default></key>"
        "<graph edgedefault=\"undirected\"><node id=\"n0\"/><node id=\"n1\"/><node id=\"n2\"/>"
        "<edge source=\"n0\" target=\"n1\" directed=\"true\"/><edge source=\"n2\" "
        "target=\"n1\"/></graph></graphml>") << "0>1:7 1>2:7 2>1:7"
                                                                     << "  " << top;
    QTest::newRow("yEd's graphics, weight 1 and a vertex named later") << QByteArray(
        "<graphml xmlns:y=\"http://www.yworks.com/xml/graphml\"><key id=\"d6\" for=\"node\" "
        "yfiles.type=\"nodegraphics\"/><graph edgedefault=\"directed\"><edge source=\"0\" "
        "target=\"n1\"/><node id=\"0\"><data key=\"d6\"><y:ShapeNode><y:NodeLabel>x"
        "</y:NodeLabel></y:ShapeNode></data></node><node id=\"n1\"/></graph></graphml>")
                                                                       << "0>1:1"
                                                                       << " " << top;
    QTest::newRow("Gephi's labels and positions, directed=false") << QByteArray(
        "<graphml><key id=\"label\" for=\"node\" attr.name=\"label\"/><key id=\"x\" "
        "for=\"node\" "
        "attr.name=\"x\"/><key id=\"y\" for=\"node\" attr.name=\"y\"/><graph "
        "edgedefault=\"directed\"><node id=\"0\"><data key=\"label\">one</data><data key=\"x\">"
        "0</data><data key=\"y\">0</data></node><node id=\"1\"><data key=\"x\">-10.0</data>"
        "<data key=\"y\">5</data></node><edge source=\"0\" target=\"1\" directed=\"false\"/>"
        "</graph></graphml>") << "0>1:1 1>0:1"
                                                                  << "one " << QPointF(588, 63.2);
    QTest::newRow("positions in one place, on the circle") << QByteArray(
        "<graphml><key id=\"x\" for=\"all\" attr.name=\"x\"><default>4</default></key><key "
        "id=\"y\" for=\"node\" attr.name=\"y\"/><graph edgedefault=\"directed\"><node id=\"0\">"
        "<data key=\"y\">3</data></node><node id=\"1\"><data key=\"y\">3</data></node></graph>"
        "</graphml>") << ""
                                                           << " " << top;

    // Files that make no network, and where they say so.
    QTest::newRow("empty") << QByteArray("\n") << "test.graphml: the file is empty"
                           << "" << none;
    QTest::newRow("binary") << QByteArray("<g\0", 3) << ": the file is binary"
                            << "" << none;
    QTest::newRow("not XML") << QByteArray("graph") << "line 1, column 1: the file is not well"
                             << "" << none;
    QTest::newRow("cut off") << ab + "<edge source=\"a\""
                             << "line 5, column 16: the file is not well-formed XML, or it is "
                                "cut off"
                             << "" << none;
    QTest::newRow("no graph") << head + "</graphml>"
                              << "test.graphml: the file holds no GraphML"
                              << "" << none;
    QTest::newRow("entities") << "<!DOCTYPE graphml [<!ENTITY a \"aaaaaaaa\">]>\n" + graph
            + "&a;</graph></graphml>"
                              << "line 1: the file declares entities"
                              << "" << none;
    QTest::newRow("hyperedge") << ab + "<hyperedge/>"
                               << "line 5: the file has a hyperedge"
                               << "" << none;
    QTest::newRow("nested graph") << graph + "<node id=\"a\">\n<graph/></node>"
                                  << "line 5: vertex 0 (a) holds a graph"
                                  << "" << none;
    QTest::newRow("port") << graph + "<node id=\"0\"><port name=\"p\"/></node>"
                          << "line 4: vertex 0 has ports"
                          << "" << none;
    QTest::newRow("unknown vertex")
        << ab + "<edge source=\"a\" target=\"q\"/>" + end
        << "line 5: the link from 0 (a) to q leads from or to a vertex the network does not have"
        << "" << none;
    QTest::newRow("to itself") << ab + "<edge source=\"b\" target=\"b\"/>" + end
                               << "line 5: the link from 1 (b) to 1 (b) joins a vertex to itself"
                               << "" << none;
    QTest::newRow("undirected repeats directed") << ab
            + "<edge source=\"a\" target=\"b\"/>\n<edge source=\"b\" target=\"a\" "
              "directed=\"false\"/>"
            + end << "line 6: the link from 0 (a) to 1 (b) is given twice"
                                                 << "" << none;
    for (const char *weight : {"-1", "100", "2.5", "heavy"}) {
        QTest::addRow("weight %s", weight)
            << ab + "<edge source=\"a\" target=\"b\"><data key=\"d0\">" + weight + "</data></edge>"
                + end
            << QStringLiteral("line 5: the link from 0 (a) to 1 (b) weighs %1, but a weight is a "
                              "whole number from 0 to 99")
                   .arg(QLatin1String(weight))
            << "" << none;
    }
    QTest::newRow("position") << QByteArray(
        "<graphml><key id=\"x\" for=\"node\" attr.name=\"x\"/><graph>\n<node id=\"n0\"><data "
        "key=\"x\">inf</data></node>")
                              << "line 2: vertex 0 (n0) has the position x = inf, which is not a "
                                 "finite number"
                              << "" << none;
    QTest::newRow("repeated id") << ab + "<node id=\"a\"/>"
                                 << "line 5: the vertex id \"a\" is given twice, first for vertex 0"
                                 << "" << none;
    QTest::newRow("one vertex") << graph + "<node id=\"a\"/></graph></graphml>"
                                << "line 3: the network has 1 vertices, but it needs 2 to 50"
                                << "" << none;
    QByteArray many = graph;
    for (int v = 0; v <= Routing::MostVertices; ++v)
        many += "<node id=\"" + QByteArray::number(v) + "\"/>\n";
    QTest::newRow("51 vertices") << many + "</graph></graphml>"
                                 << "line 54: the network has 51 vertices, but it needs 2 to 50"
                                 << "" << none;
}

void NetworkFileTest::parse()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, links);
    QFETCH(QString, labels);
    QFETCH(QPointF, first);

    const NetworkFile::ReadResult result = NetworkFile::parse(file, QStringLiteral("test.graphml"));
    if (first.isNull()) {
        QVERIFY(!result.network);
        QVERIFY2(
            result.error.startsWith(QLatin1String("test.graphml")) && result.error.contains(links),
            qPrintable(result.error));
        return;
    }
    QVERIFY2(result.network, qPrintable(result.error));
    const Topology &network = *result.network;
    QCOMPARE(network.name, QStringLiteral("test"));
    QCOMPARE(linkText(network), links);
    QStringList vertexLabels;
    for (const Topology::Vertex &v : network.vertices())
        vertexLabels << v.label;
    QCOMPARE(vertexLabels.join(QLatin1Char(' ')), labels);
    QVERIFY(std::abs(network.vertexX[0] - first.x()) < 0.01);
    QVERIFY(std::abs(network.vertexY[0] - first.y()) < 0.01);
}

void NetworkFileTest::roundTrip_data()
{
    QTest::addColumn<int>("seed"); // 0 for the built-in network
    QTest::newRow("built-in") << 0;
    QTest::newRow("random 1") << 1;
    QTest::newRow("random 2") << 2;
}

// A network written and read back is the same network, and writes the same bytes again.
void NetworkFileTest::roundTrip()
{
    QFETCH(int, seed);
    const Topology network = seed ? randomNetwork(seed) : Topology();
    const QByteArray bytes = NetworkFile::toGraphML(network);
    const NetworkFile::ReadResult result = NetworkFile::parse(bytes, QStringLiteral("a.b.graphml"));
    QVERIFY2(result.network, qPrintable(result.error));
    QCOMPARE(result.network->name, QStringLiteral("a.b"));
    const QList<Topology::Vertex> written = network.vertices();
    const QList<Topology::Vertex> read = result.network->vertices();
    QCOMPARE(read.size(), written.size());
    for (int v = 0; v < read.size(); ++v) {
        QVERIFY2(
            std::abs(read[v].x - written[v].x) < 0.01 && std::abs(read[v].y - written[v].y) < 0.01,
            qPrintable(QString::number(v)));
        QCOMPARE(read[v].label, written[v].label);
    }
    QCOMPARE(linkText(*result.network), linkText(network));
    QCOMPARE(NetworkFile::toGraphML(*result.network), bytes);
}

void NetworkFileTest::files()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.graphml"));
    QFile large(path);
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(NetworkFile::LargestFile + 1));
    large.close();
    QCOMPARE(NetworkFile::read(path).error,
        QStringLiteral("large.graphml: the file is larger than 4 MiB, the most a network file "
                       "may have"));
    QCOMPARE(NetworkFile::read(dir.filePath(QStringLiteral("gone.graphml"))).error,
        QStringLiteral("gone.graphml: the file does not exist"));
    QVERIFY(
        !NetworkFile::write(Topology(), dir.filePath(QStringLiteral("no/such.graphml"))).isEmpty());
    // Writing replaces the file, which then reads back.
    QVERIFY(NetworkFile::write(Topology(), path).isEmpty());
    QVERIFY(NetworkFile::read(path).network);
}

// The shipped networks are what the writer writes, and show what they are meant to show.
void NetworkFileTest::examples()
{
    const QStringList files = NetworkFile::examples();
    QCOMPARE(files.size(), 4);
    const auto example = [&files](const char *name) {
        return NetworkFile::read(files.filter(QLatin1String(name)).value(0)).network;
    };
    for (const QString &file : files) {
        const NetworkFile::ReadResult result = NetworkFile::read(file);
        QVERIFY2(result.network, qPrintable(result.error));
        QFile bytes(file);
        QVERIFY(bytes.open(QIODevice::ReadOnly));
        QCOMPARE(NetworkFile::toGraphML(*result.network), bytes.readAll());
    }
    const std::optional<Topology> textbook = example("textbook");
    QCOMPARE(textbook->name, QStringLiteral("textbook"));
    QCOMPARE(searchAtLoad(*textbook, 0, 5, 0).distance[5], 4);

    // S to D: five hops up to load 2, three up to 10, then one.
    const std::optional<Topology> fewerHops = example("fewer-hops");
    for (const auto &[load, hops] : {std::pair {2, 5}, {3, 3}, {10, 3}, {11, 1}, {49, 1}}) {
        const RouteSearch search = searchAtLoad(*fewerHops, 0, 5, load);
        QCOMPARE(static_cast<int>(search.pathBack(0, 5, fewerHops->vertexCount).size()) - 1, hops);
    }
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1).startsWith(QLatin1String("--write-graphml"))
        || arguments.value(1) == QLatin1String("--read")) {
        return helperMain(arguments);
    }
    NetworkFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_networkfile.moc"
