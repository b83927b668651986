// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkfile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

// An entity may stand for a few words, not for a document: a file that expands entities beyond
// this is refused rather than allowed to grow in memory.
constexpr int EntityExpansionLimit = 256;
constexpr int WriterIndent = 2;
constexpr double Hundredths = 100;
// The weight of an edge that states none, as NetworkX and igraph take it.
constexpr QLatin1StringView UnstatedWeight("1");

constexpr QLatin1StringView GraphMLNamespace("http://graphml.graphdrawing.org/xmlns");

// The attribute names this program reads and writes; the written keys take them as ids too.
constexpr QLatin1StringView WeightName("weight");
constexpr QLatin1StringView LabelName("label");
constexpr QLatin1StringView OtherLabelName("name");
constexpr QLatin1StringView XName("x");
constexpr QLatin1StringView YName("y");

// Where something is in the file; line 0 when it is nowhere in particular.
struct Place
{
    qint64 line = 0;
    qint64 column = 0; // 0 when only the line is told
};

struct Key
{
    QString name;
    bool forNodes = true;
    bool forEdges = true;
    std::optional<QString> defaultValue;
};

struct NodeEntry
{
    QString id;
    Place place;
    std::optional<double> x;
    std::optional<double> y;
    std::optional<QString> label;
    std::optional<QString> otherLabel;
};

struct EdgeEntry
{
    QString source;
    QString target;
    bool directed = true;
    std::optional<QString> weight;
    Place place;
};

QString located(const QString &fileName, Place place, const QString &what)
{
    if (place.line <= 0)
        return QStringLiteral("%1: %2").arg(fileName, what);
    if (place.column <= 0)
        return QStringLiteral("%1, line %2: %3").arg(fileName).arg(place.line).arg(what);
    return QStringLiteral("%1, line %2, column %3: %4")
        .arg(fileName)
        .arg(place.line)
        .arg(place.column)
        .arg(what);
}

NetworkFile::ReadResult refused(const QString &fileName, Place place, const QString &what)
{
    return {std::nullopt, located(fileName, place, what)};
}

// Positions are written to hundredths, without trailing zeros.
QString hundredths(float value)
{
    const double rounded = std::round(static_cast<double>(value) * Hundredths) / Hundredths;
    QString text = QString::number(rounded == 0 ? 0.0 : rounded, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// A DOT string in quotes, with what would end it or break its line escaped.
QString dotQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1String("\r\n"), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\n"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Ids that tools make up themselves say nothing a label would.
bool isGeneratedId(const QString &id)
{
    static const QRegularExpression generated(QStringLiteral("^n?[0-9]+$"));
    return generated.match(id).hasMatch();
}

// A position must be a finite number that a float can hold.
std::optional<double> coordinate(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > FLT_MAX)
        return std::nullopt;
    return value;
}

// A key of the name for nodes, or for edges.
const Key *findKey(const QHash<QString, Key> &keys, const QString &name, bool forNodes)
{
    for (const Key &key : keys) {
        if (key.name == name && (forNodes ? key.forNodes : key.forEdges))
            return &key;
    }
    return nullptr;
}

QString vertexName(int vertex, const QString &id)
{
    const QString number = QString::number(vertex);
    return id == number ? number : QStringLiteral("%1 (%2)").arg(number, id);
}

// The weight as written: a whole number in range, "12" or "12.0".
std::optional<int> wholeWeight(const QString &text)
{
    bool ok = false;
    const int whole = text.toInt(&ok); // far quicker than a double, and what files mostly hold
    if (ok)
        return whole >= Routing::LowestWeight && whole <= Routing::HighestWeight
            ? whole
            : std::optional<int>();
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value != std::floor(value) || value < Routing::LowestWeight
        || value > Routing::HighestWeight) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// Clockwise from the top, as a clock is read, as large as the area allows.
void placeOnCircle(QList<Topology::Vertex> &vertices, const QRectF &area)
{
    const double radius = std::min(area.width(), area.height()) / 2;
    const double step = 2 * std::acos(-1.0) / static_cast<double>(vertices.size());
    const double top = -std::acos(0.0);
    for (int v = 0; v < vertices.size(); ++v) {
        const double angle = top + step * v;
        vertices[v].x = static_cast<float>(area.center().x() + radius * std::cos(angle));
        vertices[v].y = static_cast<float>(area.center().y() + radius * std::sin(angle));
    }
}

// Reads one GraphML document into the parts of a network, then checks and places them.
class GraphMLReader
{
    Q_DECLARE_TR_FUNCTIONS(NetworkFile)

public:
    GraphMLReader(const QByteArray &data, QString fileName)
        : xml(data)
        , fileName(std::move(fileName))
    {
        xml.setEntityExpansionLimit(EntityExpansionLimit);
    }

    NetworkFile::ReadResult read();

private:
    bool readDocument();
    bool readKey();
    bool readGraph();
    bool readNode();
    bool readNodeData(NodeEntry &node);
    bool readEdge(bool directedByDefault);
    const Key *keyOf(bool forNodes) const;
    bool fail(const QString &what, const std::optional<Place> &place = std::nullopt);
    Place here() const { return {xml.lineNumber(), 0}; }

    NetworkFile::ReadResult network();
    std::optional<QString> defaultOf(const QString &name, bool forNodes) const;
    QString labelOf(const NodeEntry &node, bool labelKey) const;
    void placeVertices(QList<Topology::Vertex> &vertices) const;
    QString addLinks(
        const EdgeEntry &edge, std::vector<bool> &joined, QList<Topology::LinkEnds> &links) const;

    QXmlStreamReader xml;
    QString fileName;
    QHash<QString, Key> keys;
    QList<NodeEntry> nodes;
    QHash<QString, int> nodeIndex;
    QList<EdgeEntry> edges;
    Place graphPlace;
    Place tooManyPlace; // the first vertex past the most a network may have
    QString error;
};

// Where the reader is, unless told otherwise.
bool GraphMLReader::fail(const QString &what, const std::optional<Place> &place)
{
    if (error.isEmpty())
        error = located(fileName, place.value_or(here()), what);
    return false;
}

NetworkFile::ReadResult GraphMLReader::read()
{
    const bool complete = readDocument();
    if (xml.hasError() && error.isEmpty()) {
        return refused(fileName, {xml.lineNumber(), xml.columnNumber()},
            tr("the file is not well-formed XML, or it is cut off (%1)").arg(xml.errorString()));
    }
    if (!complete)
        return {std::nullopt, error};
    return network();
}

bool GraphMLReader::readDocument()
{
    // Entities declared in a document type are how a small file grows into a huge one.
    while (!xml.atEnd() && !xml.isStartElement()) {
        xml.readNext();
        if (xml.isDTD() && !xml.entityDeclarations().isEmpty())
            return fail(tr("the file declares entities, which a network file has no use for"));
    }
    if (xml.hasError())
        return false;
    bool graphRead = false;
    if (xml.isStartElement() && xml.name() == QLatin1String("graphml")) {
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("key")) {
                if (!readKey())
                    return false;
            } else if (xml.name() == QLatin1String("graph") && !graphRead) {
                if (!readGraph())
                    return false;
                graphRead = true;
            } else {
                xml.skipCurrentElement(); // a further graph, or what this program does not use
            }
        }
    }
    if (xml.hasError())
        return false;
    if (!graphRead)
        return fail(tr("the file holds no GraphML graph"), Place());
    return true;
}

bool GraphMLReader::readKey()
{
    const QXmlStreamAttributes attributes = xml.attributes();
    Key key;
    key.name = attributes.value(QLatin1String("attr.name")).toString();
    const QStringView domain = attributes.value(QLatin1String("for"));
    if (!domain.isEmpty() && domain != QLatin1String("all")) {
        key.forNodes = domain == QLatin1String("node");
        key.forEdges = domain == QLatin1String("edge");
    }
    const QString id = attributes.value(QLatin1String("id")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("default"))
            key.defaultValue = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        else
            xml.skipCurrentElement();
    }
    const bool position = key.name == XName || key.name == YName;
    if (position && key.defaultValue && !coordinate(*key.defaultValue)) {
        return fail(tr("the default position %1 = %2 is not a finite number")
                        .arg(key.name, *key.defaultValue));
    }
    keys.insert(id, key);
    return true;
}

bool GraphMLReader::readGraph()
{
    graphPlace = here();
    const bool directed
        = xml.attributes().value(QLatin1String("edgedefault")) != QLatin1String("undirected");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("node")) {
            if (!readNode())
                return false;
        } else if (xml.name() == QLatin1String("edge")) {
            if (!readEdge(directed))
                return false;
        } else if (xml.name() == QLatin1String("hyperedge")) {
            return fail(tr("the file has a hyperedge, a link joining more than two vertices, "
                           "which a network here cannot have"));
        } else if (xml.name() == QLatin1String("graph")) {
            return fail(tr("the file nests a graph inside another, which a network here "
                           "cannot have"));
        } else {
            xml.skipCurrentElement();
        }
    }
    return !xml.hasError();
}

bool GraphMLReader::readNode()
{
    NodeEntry node;
    node.id = xml.attributes().value(QLatin1String("id")).toString();
    node.place = here();
    const int index = static_cast<int>(nodes.size());
    if (nodeIndex.contains(node.id)) {
        return fail(tr("the vertex id \"%1\" is given twice, first for vertex %2")
                        .arg(node.id)
                        .arg(nodeIndex.value(node.id)));
    }
    if (index == Routing::MostVertices)
        tooManyPlace = node.place;
    nodeIndex.insert(node.id, index);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("data")) {
            if (!readNodeData(node))
                return false;
        } else if (xml.name() == QLatin1String("port")) {
            return fail(tr("vertex %1 has ports, which a network here cannot have")
                            .arg(vertexName(index, node.id)));
        } else if (xml.name() == QLatin1String("graph")) {
            return fail(tr("vertex %1 holds a graph of its own, which a network here "
                           "cannot have")
                            .arg(vertexName(index, node.id)));
        } else {
            xml.skipCurrentElement();
        }
    }
    nodes.append(node);
    return !xml.hasError();
}

bool GraphMLReader::readNodeData(NodeEntry &node)
{
    const auto found = keys.constFind(xml.attributes().value(QLatin1String("key")).toString());
    if (found == keys.cend() || !found->forNodes) {
        xml.skipCurrentElement(); // yEd's graphics and the like
        return true;
    }
    const QString name = found->name;
    const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
    if (name == LabelName) {
        node.label = text;
    } else if (name == OtherLabelName) {
        node.otherLabel = text;
    } else if (name == XName || name == YName) {
        const std::optional<double> value = coordinate(text);
        if (!value) {
            return fail(tr("vertex %1 has the position %2 = %3, which is not a finite number")
                            .arg(vertexName(static_cast<int>(nodes.size()), node.id), name, text));
        }
        (name == XName ? node.x : node.y) = value;
    }
    return true;
}

bool GraphMLReader::readEdge(bool directedByDefault)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    EdgeEntry edge;
    edge.place = here();
    edge.source = attributes.value(QLatin1String("source")).toString();
    edge.target = attributes.value(QLatin1String("target")).toString();
    const QStringView directed = attributes.value(QLatin1String("directed"));
    edge.directed = directed.isEmpty() ? directedByDefault : directed != QLatin1String("false");
    if (attributes.hasAttribute(QLatin1String("sourceport"))
        || attributes.hasAttribute(QLatin1String("targetport"))) {
        return fail(tr("a link leaves or reaches a port of a vertex, which a network here "
                       "cannot have"));
    }
    while (xml.readNextStartElement()) {
        const auto found = xml.name() == QLatin1String("data")
            ? keys.constFind(xml.attributes().value(QLatin1String("key")).toString())
            : keys.cend();
        if (found != keys.cend() && found->forEdges && found->name == WeightName) {
            edge.weight = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (xml.name() == QLatin1String("graph")) {
            return fail(tr("a link holds a graph of its own, which a network here cannot have"));
        } else {
            xml.skipCurrentElement();
        }
    }
    edges.append(edge);
    return !xml.hasError();
}

std::optional<QString> GraphMLReader::defaultOf(const QString &name, bool forNodes) const
{
    const Key *key = findKey(keys, name, forNodes);
    return key ? key->defaultValue : std::nullopt;
}

NetworkFile::ReadResult GraphMLReader::network()
{
    const int count = static_cast<int>(nodes.size());
    if (count < Routing::FewestVertices || count > Routing::MostVertices) {
        const QString problem = Topology::check(QList<Topology::Vertex>(count), {});
        return refused(
            fileName, count > Routing::MostVertices ? tooManyPlace : graphPlace, problem);
    }
    QList<Topology::Vertex> vertices(count);
    placeVertices(vertices);

    std::vector<bool> joined(static_cast<size_t>(count) * count, false);
    QList<Topology::LinkEnds> links;
    for (const EdgeEntry &edge : std::as_const(edges)) {
        const QString problem = addLinks(edge, joined, links);
        if (!problem.isEmpty())
            return refused(fileName, edge.place, problem);
    }
    const QString problem = Topology::check(vertices, links);
    if (!problem.isEmpty())
        return refused(fileName, graphPlace, problem);
    NetworkFile::ReadResult result;
    result.network.emplace(QFileInfo(fileName).completeBaseName(), vertices, links);
    return result;
}

QString GraphMLReader::labelOf(const NodeEntry &node, bool labelKey) const
{
    if (!labelKey)
        return isGeneratedId(node.id) ? QString() : node.id;
    if (node.label)
        return *node.label;
    return defaultOf(LabelName, true)
        .value_or(node.otherLabel.value_or(defaultOf(OtherLabelName, true).value_or(QString())));
}

void GraphMLReader::placeVertices(QList<Topology::Vertex> &vertices) const
{
    const bool labelKey = findKey(keys, LabelName, true) || findKey(keys, OtherLabelName, true);
    // Defaults of the position keys count as given positions; readKey() checked them.
    const std::optional<double> xDefault = coordinate(defaultOf(XName, true).value_or(QString()));
    const std::optional<double> yDefault = coordinate(defaultOf(YName, true).value_or(QString()));
    bool positioned = true;
    for (int v = 0; v < nodes.size(); ++v) {
        const NodeEntry &node = nodes[v];
        vertices[v].label = labelOf(node, labelKey);
        const std::optional<double> x = node.x ? node.x : xDefault;
        const std::optional<double> y = node.y ? node.y : yDefault;
        positioned = positioned && x && y;
        vertices[v].x = static_cast<float>(x.value_or(0));
        vertices[v].y = static_cast<float>(y.value_or(0));
    }
    NetworkFile::fitToDrawing(vertices, positioned);
}

QString GraphMLReader::addLinks(
    const EdgeEntry &edge, std::vector<bool> &joined, QList<Topology::LinkEnds> &links) const
{
    const int source = nodeIndex.value(edge.source, -1);
    const int target = nodeIndex.value(edge.target, -1);
    // Named only for a message: a large file has thousands of links.
    const auto from = [&] { return source < 0 ? edge.source : vertexName(source, edge.source); };
    const auto to = [&] { return target < 0 ? edge.target : vertexName(target, edge.target); };
    if (source < 0 || target < 0) {
        return tr("the link from %1 to %2 leads from or to a vertex the network does not have")
            .arg(from(), to());
    }
    if (source == target)
        return tr("the link from %1 to %1 joins a vertex to itself").arg(from());
    const QString weightText
        = edge.weight ? *edge.weight : defaultOf(WeightName, false).value_or(UnstatedWeight);
    const std::optional<int> weight = wholeWeight(weightText);
    if (!weight) {
        return tr("the link from %1 to %2 weighs %3, but a weight is a whole number from %4 to %5")
            .arg(from(), to(), weightText)
            .arg(Routing::LowestWeight)
            .arg(Routing::HighestWeight);
    }
    // An undirected edge is a link each way with the same weight.
    const int count = static_cast<int>(nodes.size());
    const auto join = [&](int a, int b) {
        const auto pair = static_cast<size_t>(a) * count + b;
        if (joined[pair]) {
            const bool forward = a == source;
            return tr("the link from %1 to %2 is given twice")
                .arg(forward ? from() : to(), forward ? to() : from());
        }
        joined[pair] = true;
        links.append({a, b, *weight});
        return QString();
    };
    const QString problem = join(source, target);
    return problem.isEmpty() && !edge.directed ? join(target, source) : problem;
}

} // namespace

NetworkFile::ReadResult NetworkFile::read(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.exists())
        return refused(name, {}, tr("the file does not exist"));
    if (info.isDir())
        return refused(name, {}, tr("this is a folder, not a file"));
    // A pipe or a device could keep the reader waiting, or never end.
    if (!info.isFile())
        return refused(name, {}, tr("this is not a file that can be read as a whole"));
    if (info.size() > LargestFile) {
        return refused(name, {},
            tr("the file is larger than %1 MiB, the most a network file may have")
                .arg(LargestFile / Mebibyte));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(name, {}, tr("the file cannot be read (%1)").arg(file.errorString()));
    const QByteArray data = file.read(LargestFile + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(name, {}, tr("the file cannot be read (%1)").arg(file.errorString()));
    return parse(data, name);
}

NetworkFile::ReadResult NetworkFile::parse(const QByteArray &data, const QString &fileName)
{
    if (data.size() > LargestFile) {
        return refused(fileName, {},
            tr("the file is larger than %1 MiB, the most a network file may have")
                .arg(LargestFile / Mebibyte));
    }
    if (data.trimmed().isEmpty())
        return refused(fileName, {}, tr("the file is empty"));
    if (data.contains('\0'))
        return refused(fileName, {}, tr("the file is binary, not a GraphML text file"));
    return GraphMLReader(data, fileName).read();
}

void NetworkFile::fitToDrawing(QList<Topology::Vertex> &vertices, bool positioned)
{
    // The built-in network spans the drawing area, so that it lands where it always was.
    static const QRectF area = [] {
        const Topology builtIn;
        const auto xs = std::minmax_element(
            builtIn.vertexX.begin(), builtIn.vertexX.begin() + builtIn.vertexCount);
        const auto ys = std::minmax_element(
            builtIn.vertexY.begin(), builtIn.vertexY.begin() + builtIn.vertexCount);
        return QRectF(QPointF(*xs.first, *ys.first), QPointF(*xs.second, *ys.second));
    }();

    if (vertices.isEmpty())
        return;
    const auto byX = [](const Topology::Vertex &a, const Topology::Vertex &b) { return a.x < b.x; };
    const auto byY = [](const Topology::Vertex &a, const Topology::Vertex &b) { return a.y < b.y; };
    const auto xs = std::minmax_element(vertices.cbegin(), vertices.cend(), byX);
    const auto ys = std::minmax_element(vertices.cbegin(), vertices.cend(), byY);
    const QRectF bounds(QPointF(xs.first->x, ys.first->y), QPointF(xs.second->x, ys.second->y));
    if (!positioned || (bounds.width() == 0 && bounds.height() == 0)) {
        placeOnCircle(vertices, area);
        return;
    }
    const double unbounded = std::numeric_limits<double>::infinity();
    const double scale = std::min(bounds.width() > 0 ? area.width() / bounds.width() : unbounded,
        bounds.height() > 0 ? area.height() / bounds.height() : unbounded);
    const QPointF offset(area.left() + (area.width() - bounds.width() * scale) / 2,
        area.top() + (area.height() - bounds.height() * scale) / 2);
    for (Topology::Vertex &v : vertices) {
        v.x = static_cast<float>(offset.x() + (v.x - bounds.left()) * scale);
        v.y = static_cast<float>(offset.y() + (v.y - bounds.top()) * scale);
    }
}

QByteArray NetworkFile::toGraphML(const Topology &network)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(WriterIndent);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(GraphMLNamespace);
    xml.writeStartElement(QStringLiteral("graphml"));
    const auto writeKey = [&xml](const QString &name, const QString &domain, const QString &type) {
        xml.writeEmptyElement(QStringLiteral("key"));
        xml.writeAttribute(QStringLiteral("id"), name);
        xml.writeAttribute(QStringLiteral("for"), domain);
        xml.writeAttribute(QStringLiteral("attr.name"), name);
        xml.writeAttribute(QStringLiteral("attr.type"), type);
    };
    writeKey(LabelName, QStringLiteral("node"), QStringLiteral("string"));
    writeKey(XName, QStringLiteral("node"), QStringLiteral("double"));
    writeKey(YName, QStringLiteral("node"), QStringLiteral("double"));
    writeKey(WeightName, QStringLiteral("edge"), QStringLiteral("int"));

    xml.writeStartElement(QStringLiteral("graph"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("G"));
    xml.writeAttribute(QStringLiteral("edgedefault"), QStringLiteral("directed"));
    const auto writeData = [&xml](const QString &key, const QString &value) {
        xml.writeStartElement(QStringLiteral("data"));
        xml.writeAttribute(QStringLiteral("key"), key);
        xml.writeCharacters(value);
        xml.writeEndElement();
    };
    const auto nodeId = [](int v) { return QStringLiteral("n%1").arg(v); };
    for (int v = 0; v < network.vertexCount; ++v) {
        xml.writeStartElement(QStringLiteral("node"));
        xml.writeAttribute(QStringLiteral("id"), nodeId(v));
        if (!network.labels[v].isEmpty())
            writeData(LabelName, network.labels[v]);
        writeData(XName, hundredths(network.vertexX[v]));
        writeData(YName, hundredths(network.vertexY[v]));
        xml.writeEndElement();
    }
    int edge = 0;
    for (const Topology::LinkEnds &link : network.linkEnds()) {
        xml.writeStartElement(QStringLiteral("edge"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("e%1").arg(edge++));
        xml.writeAttribute(QStringLiteral("source"), nodeId(link.source));
        xml.writeAttribute(QStringLiteral("target"), nodeId(link.target));
        writeData(WeightName, QString::number(link.weight));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

QByteArray NetworkFile::toDot(const Topology &network)
{
    // The drawing's y grows downward, Graphviz's upward.
    const float height = *std::max_element(
        network.vertexY.cbegin(), network.vertexY.cbegin() + network.vertexCount);
    QString dot = QStringLiteral("digraph %1 {\n").arg(dotQuoted(network.name));
    for (int v = 0; v < network.vertexCount; ++v) {
        const QString label = network.labels[v].isEmpty() ? QString::number(v) : network.labels[v];
        dot += QStringLiteral("  %1 [label=%2, pos=\"%3,%4!\"];\n")
                   .arg(QString::number(v), dotQuoted(label), hundredths(network.vertexX[v]),
                       hundredths(height - network.vertexY[v]));
    }
    for (const Topology::LinkEnds &link : network.linkEnds()) {
        dot += QStringLiteral("  %1 -> %2 [label=\"%3\", weight=%3];\n")
                   .arg(link.source)
                   .arg(link.target)
                   .arg(link.weight);
    }
    dot += QLatin1String("}\n");
    return dot.toUtf8();
}

QString NetworkFile::write(const Topology &network, const QString &path)
{
    QSaveFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::WriteOnly))
        return located(name, {}, tr("the file cannot be written (%1)").arg(file.errorString()));
    file.write(toGraphML(network));
    if (!file.commit())
        return located(name, {}, tr("the file cannot be written (%1)").arg(file.errorString()));
    return {};
}

QStringList NetworkFile::exampleFolders()
{
    QStringList folders;
    // Without an application object there is no program folder to look beside.
    if (QCoreApplication::instance()) {
        const QDir program(QCoreApplication::applicationDirPath());
        folders << program.filePath(QStringLiteral("networks"))
                << QDir::cleanPath(program.filePath(QStringLiteral(NETROUTE_NETWORKS_FROM_BINARY)));
    }
    folders << QStringLiteral(":/networks"); // built in
    return folders;
}

QStringList NetworkFile::examples()
{
    for (const QString &folder : exampleFolders()) {
        const QDir dir(folder);
        const QStringList names
            = dir.entryList({QStringLiteral("*.graphml")}, QDir::Files, QDir::Name);
        if (names.isEmpty())
            continue;
        QStringList paths;
        for (const QString &name : names)
            paths << dir.filePath(name);
        return paths;
    }
    return {};
}

QString NetworkFile::fileFilter()
{
    return tr("GraphML networks (*.graphml *.xml)");
}
