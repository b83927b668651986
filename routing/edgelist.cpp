// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "edgelist.h"

#include "networkfile.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr QChar CommentMark(u'#');
constexpr QChar Quote(u'"');
constexpr QChar Comma(u',');
constexpr QChar Space(u' ');
constexpr QChar Tab(u'\t');
constexpr int FieldsPerLine = 3;
constexpr int Ambiguous = -2; // a label more than one vertex has
constexpr QLatin1StringView Header("# source target weight\n");
constexpr QLatin1StringView WeightHeading("weight");

bool isBlank(QChar c)
{
    return c == Space || c == Tab;
}

// Whether the line separates its fields by commas: a comma outside quotes, before any comment.
bool hasComma(const QString &line)
{
    bool quoted = false;
    for (const QChar c : line) {
        if (c == Quote)
            quoted = !quoted;
        else if (!quoted && c == CommentMark)
            return false;
        else if (!quoted && c == Comma)
            return true;
    }
    return false;
}

// One line's fields up to its comment, as a spreadsheet writes them: separated by commas (each
// field trimmed) or else by runs of spaces and tabs, a quoted field keeping its separators and
// "" standing for a quote. Empty fields at the end of a comma-separated line are dropped.
std::optional<QStringList> splitLine(const QString &line)
{
    const bool byComma = hasComma(line);
    QStringList fields;
    QString field;
    bool quoted = false;
    bool started = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            const bool doubled = c == Quote && i + 1 < line.size() && line[i + 1] == Quote;
            if (c != Quote || doubled)
                field += c;
            i += doubled ? 1 : 0;
            quoted = c != Quote || doubled;
        } else if (c == Quote) {
            quoted = started = true;
        } else if (c == CommentMark) {
            break;
        } else if (byComma ? c == Comma : isBlank(c)) {
            if (byComma || started)
                fields << (byComma ? field.trimmed() : field);
            field.clear();
            started = false;
        } else {
            field += c;
            started = started || !isBlank(c);
        }
    }
    if (quoted)
        return std::nullopt;
    if (byComma || started)
        fields << (byComma ? field.trimmed() : field);
    while (!fields.isEmpty() && fields.last().isEmpty() && byComma)
        fields.removeLast();
    return fields;
}

// Reads the lines one by one into a network that keeps the current one's vertices.
class EdgeListReader
{
    Q_DECLARE_TR_FUNCTIONS(EdgeList)

public:
    explicit EdgeListReader(const NetworkDraft &current)
        : network(current)
        , keptCount(current.vertexCount())
        // Room for every pair even of a draft that already has too many vertices.
        , stride(static_cast<size_t>(std::max(keptCount, Routing::MostVertices)))
        , lineOf(stride * stride, 0)
    {
        network.links.clear();
        for (int v = 0; v < keptCount; ++v)
            addLabel(v);
    }

    EdgeList::ReadResult read(const QString &text);

private:
    void readLine(int line, const QString &text);
    QString readLink(int line, const QStringList &fields);
    QString findVertex(const QString &name, int *vertex) const;
    int addVertex(const QString &name);
    void addLabel(int vertex);
    void placeNewVertices();
    static QString readWeight(const QString &text, int *weight);

    NetworkDraft network;
    int keptCount;
    QHash<QString, int> byLabel;
    size_t stride;
    std::vector<int> lineOf; // the line of each ordered pair's link, 0 for none yet
    bool headingAllowed = true;
    QStringList errors;
};

EdgeList::ReadResult EdgeListReader::read(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    for (int i = 0; i < lines.size(); ++i)
        readLine(i + 1, lines[i]);
    if (!errors.isEmpty())
        return {std::nullopt, errors};
    placeNewVertices();
    // Grouped by source as a network keeps them, each source's links in the order given.
    std::stable_sort(network.links.begin(), network.links.end(),
        [](Topology::LinkEnds a, Topology::LinkEnds b) { return a.source < b.source; });
    return {network, {}};
}

void EdgeListReader::readLine(int line, const QString &text)
{
    const std::optional<QStringList> fields = splitLine(text);
    if (!fields) {
        errors << tr("Line %1: %2").arg(line).arg(tr("a quote is not closed"));
        return;
    }
    if (fields->isEmpty())
        return;
    // A spreadsheet's first row may name its columns.
    if (std::exchange(headingAllowed, false) && fields->size() == FieldsPerLine
        && fields->last().compare(WeightHeading, Qt::CaseInsensitive) == 0)
        return;
    const QString problem = readLink(line, *fields);
    if (!problem.isEmpty())
        errors << tr("Line %1: %2").arg(line).arg(problem);
}

QString EdgeListReader::readLink(int line, const QStringList &fields)
{
    if (fields.size() < FieldsPerLine - 1)
        return tr("a line needs a source, a target and a weight");
    if (fields.size() == FieldsPerLine - 1)
        return tr("no weight");
    if (fields.size() > FieldsPerLine)
        return tr("%1 fields, but a line has three: source, target and weight").arg(fields.size());
    for (int f = 0; f < FieldsPerLine - 1; ++f) {
        if (fields[f].isEmpty())
            return tr("field %1 is empty").arg(f + 1);
    }
    int weight = 0;
    int source = -1;
    int target = -1;
    QString problem = readWeight(fields[2], &weight);
    if (problem.isEmpty())
        problem = findVertex(fields[0], &source);
    if (problem.isEmpty())
        problem = findVertex(fields[1], &target);
    if (!problem.isEmpty())
        return problem;
    const bool bothNew = source < 0 && target < 0 && fields[0] == fields[1];
    if (bothNew || (source >= 0 && source == target))
        return tr("%1 to %2 joins a vertex to itself").arg(fields[0], fields[1]);
    const int count = network.vertexCount() + (source < 0 ? 1 : 0) + (target < 0 ? 1 : 0);
    if (count > Routing::MostVertices && count > keptCount) {
        return tr("%1 would make %2 vertices, but a network has at most %3")
            .arg(source < 0 ? fields[0] : fields[1])
            .arg(count)
            .arg(Routing::MostVertices);
    }
    source = source < 0 ? addVertex(fields[0]) : source;
    target = target < 0 ? addVertex(fields[1]) : target;

    int &first = lineOf[static_cast<size_t>(source) * stride + target];
    if (first > 0)
        return tr("the link %1 to %2 is already on line %3").arg(fields[0], fields[1]).arg(first);
    first = line;
    network.links.append({source, target, weight});
    return {};
}

// The vertex the name gives, or -1 for a new one.
QString EdgeListReader::findVertex(const QString &name, int *vertex) const
{
    *vertex = byLabel.value(name, -1);
    if (*vertex == Ambiguous)
        return tr("more than one vertex is labelled %1; give its number instead").arg(name);
    if (*vertex >= 0)
        return {};
    static const QRegularExpression wholeNumber(QStringLiteral("^[0-9]+$"));
    bool ok = false;
    const int number = wholeNumber.match(name).hasMatch() ? name.toInt(&ok) : -1;
    *vertex = ok && network.isVertex(number) ? number : -1;
    return {};
}

int EdgeListReader::addVertex(const QString &name)
{
    const int vertex = network.vertexCount();
    network.addVertex({}, name);
    addLabel(vertex);
    return vertex;
}

void EdgeListReader::addLabel(int vertex)
{
    const QString &label = network.vertices[vertex].label;
    if (label.isEmpty())
        return;
    const auto found = byLabel.constFind(label);
    byLabel.insert(label, found == byLabel.cend() ? vertex : Ambiguous);
}

// The vertices the text adds go on a circle of their own; the others stay where they are.
void EdgeListReader::placeNewVertices()
{
    QList<Topology::Vertex> added = network.vertices.mid(keptCount);
    NetworkFile::fitToDrawing(added, false);
    std::copy(added.cbegin(), added.cend(), network.vertices.begin() + keptCount);
}

QString EdgeListReader::readWeight(const QString &text, int *weight)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return tr("the weight %1 is not a number").arg(text);
    if (value != std::floor(value))
        return tr("the weight %1 is not a whole number").arg(text);
    if (value > Routing::HighestWeight)
        return tr("the weight %1 is over %2").arg(text).arg(Routing::HighestWeight);
    if (value < Routing::LowestWeight)
        return tr("the weight %1 is below %2").arg(text).arg(Routing::LowestWeight);
    *weight = static_cast<int>(value);
    return {};
}

// A label names its vertex in the list when no other vertex has it and it reads as one field.
bool writesAsName(const QString &label, const QHash<QString, int> &uses)
{
    return uses.value(label) == 1 && std::none_of(label.cbegin(), label.cend(), [](QChar c) {
        return c.isSpace() || c == Comma || c == Quote || c == CommentMark;
    });
}

} // namespace

EdgeList::ReadResult EdgeList::read(const QString &text, const NetworkDraft &current)
{
    return EdgeListReader(current).read(text);
}

QString EdgeList::write(const NetworkDraft &network)
{
    QHash<QString, int> uses;
    for (const Topology::Vertex &v : network.vertices)
        ++uses[v.label];
    QStringList names;
    for (int v = 0; v < network.vertexCount(); ++v) {
        const QString &label = network.vertices[v].label;
        names << (!label.isEmpty() && writesAsName(label, uses) ? label : QString::number(v));
    }
    QString text = Header;
    for (const Topology::LinkEnds &l : network.links)
        text += QStringLiteral("%1 %2 %3\n").arg(names[l.source], names[l.target]).arg(l.weight);
    return text;
}
