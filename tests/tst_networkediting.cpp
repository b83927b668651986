// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's network: undoable edits, refused ones that change nothing, the edge list read and
// written, and DOT's quoting.

#include "edgelist.h"
#include "networkediting.h"
#include "networkfile.h"
#include "testnetworks.h"

#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QString describe(const NetworkDraft &d)
{
    QStringList parts;
    for (const Topology::LinkEnds &l : d.links)
        parts << u"%1>%2:%3"_s.arg(l.source).arg(l.target).arg(l.weight);
    for (const Topology::Vertex &v : d.vertices)
        parts << u"[%1]"_s.arg(v.label);
    return parts.join(u' ');
}

// GraphML for a network, the draft's own description before it is one.
QByteArray snapshot(const NetworkDraft &d)
{
    return d.whyNoNetwork().isEmpty() ? NetworkFile::toGraphML(d.toTopology())
                                      : describe(d).toUtf8();
}

NetworkDraft draftOf(const QString &network)
{
    return network.isEmpty() ? NetworkDraft() : NetworkDraft(TestNetworks::make(network));
}

} // namespace

class NetworkEditingTest : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedoEverything();
    void refused_data();
    void refused();
    void edgeList_data();
    void edgeList();
    void edgeListRoundTrip_data();
    void edgeListRoundTrip();
    void dotQuoting();
};

void NetworkEditingTest::undoAndRedoEverything()
{
    NetworkEditing editing(NetworkDraft {});
    QSignalSpy announced(&editing, &NetworkEditing::announced);
    QList<QByteArray> states {snapshot(editing.network())};
    const auto step = [&](bool made) {
        QVERIFY(made);
        states << snapshot(editing.network());
    };
    for (int v = 0; v < 4; ++v)
        step(editing.addVertex(QPointF(10 * v, 20)));
    step(editing.addLink(0, 1, 12));
    step(editing.addPair(1, 3, 5));
    step(editing.setWeight(0, 1, 40));
    step(editing.setLabel(2, u"router"_s));
    editing.setSaved();
    QVERIFY(editing.moveVertex(3, QPointF(1, 1)));
    step(editing.moveVertex(3, QPointF(2, 2))); // the same vertex again: one entry
    step(editing.moveVertex(2, QPointF(3, 3)));
    QVERIFY(editing.isModified());
    step(editing.toggleReverse(0, 1));
    step(editing.addLink(2, 3, 7));
    step(editing.addLink(3, 0, 9));
    step(editing.removeVertex(1));
    QCOMPARE(describe(editing.network()), u"1>2:7 2>0:9 [] [router] []"_s);
    QCOMPARE(
        announced.last().at(0).toString(), u"Vertex 1 removed; vertices 2 to 3 are now 1 to 2"_s);
    step(editing.arrangeOnCircle());
    step(editing.replace(
        *EdgeList::read(u"a b 3\nb c 4"_s, editing.network()).network, u"Apply the edge list"_s));
    QCOMPARE(editing.undoStack()->count(), states.size() - 1);

    for (qsizetype i = states.size() - 1; i > 0; --i) {
        QCOMPARE(snapshot(editing.network()), states[i]);
        editing.undoStack()->undo();
        if (i == 9)
            QCOMPARE(announced.last().at(0).toString(), u"Undone: Move vertex 3"_s);
    }
    QCOMPARE(snapshot(editing.network()), states.first());
    for (qsizetype i = 1; i < states.size(); ++i) {
        editing.undoStack()->redo();
        QCOMPARE(snapshot(editing.network()), states[i]);
    }
}

void NetworkEditingTest::refused_data()
{
    QTest::addColumn<QString>("network");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QList<int>>("args"); // vertices, then a weight where the edit takes one
    QTest::addColumn<QString>("why");

    const auto row = [](const char *name, const char *network, const char *edit,
                         const QList<int> &args, const char *why) {
        QTest::newRow(name) << QString::fromLatin1(network) << QString::fromLatin1(edit) << args
                            << QString::fromLatin1(why);
    };
    row("link to itself", "complete 5", "addLink", {2, 2, 5}, "itself");
    row("second link", "complete 5", "addLink", {0, 1, 5}, "already");
    row("pair half there", "one way", "addPair", {2, 1, 5}, "already");
    row("unknown target", "complete 5", "addLink", {0, 5, 5}, "vertex 5");
    row("unknown removed", "pair", "removeVertex", {2}, "vertex 2");
    row("no vertex yet", "", "setLabel", {0}, "no vertices");
    row("weight over", "one way", "addLink", {3, 0, 100}, "100");
    row("weight below", "one way", "setWeight", {0, 1, -1}, "-1");
    row("no such link", "one way", "removeLink", {1, 0}, "no link");
    row("reverse of none", "one way", "toggleReverse", {2, 0}, "no link");
    row("51st vertex", "fifty", "addVertex", {}, "at most 50");
    row("infinite place", "pair", "moveVertex", {0}, "finite");
}

void NetworkEditingTest::refused()
{
    QFETCH(QString, network);
    QFETCH(QString, edit);
    QFETCH(QList<int>, args);
    QFETCH(QString, why);
    const NetworkDraft before = draftOf(network);
    NetworkEditing editing(before);
    QSignalSpy refusals(&editing, &NetworkEditing::refused);
    QSignalSpy changes(&editing, &NetworkEditing::changed);
    const double infinity = std::numeric_limits<double>::infinity();
    const QHash<QString, std::function<bool()>> edits {
        {u"addLink"_s, [&] { return editing.addLink(args[0], args[1], args[2]); }},
        {u"addPair"_s, [&] { return editing.addPair(args[0], args[1], args[2]); }},
        {u"setWeight"_s, [&] { return editing.setWeight(args[0], args[1], args[2]); }},
        {u"removeLink"_s, [&] { return editing.removeLink(args[0], args[1]); }},
        {u"toggleReverse"_s, [&] { return editing.toggleReverse(args[0], args[1]); }},
        {u"removeVertex"_s, [&] { return editing.removeVertex(args[0]); }},
        {u"setLabel"_s, [&] { return editing.setLabel(args[0], u"x"_s); }},
        {u"addVertex"_s, [&] { return editing.addVertex(QPointF()); }},
        {u"moveVertex"_s, [&] { return editing.moveVertex(args[0], QPointF(infinity, 0)); }},
    };
    QVERIFY(!edits[edit]());
    QCOMPARE(refusals.size(), 1);
    QVERIFY2(refusals[0][0].toString().contains(why), qPrintable(refusals[0][0].toString()));
    QVERIFY(changes.isEmpty());
    QCOMPARE(editing.undoStack()->count(), 0);
    QVERIFY(editing.network() == before);
}

void NetworkEditingTest::edgeList_data()
{
    QTest::addColumn<QString>("network");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result"); // the links and labels, or the errors

    const auto row
        = [](const char *name, const QString &network, const QString &text, const QString &result) {
              QTest::newRow(name) << network << text << result;
          };
    row("spreadsheet CSV", {}, u"source,target,weight\n\"New York\", b ,12.0,,\n"_s,
        u"0>1:12 [New York] [b]"_s);
    row("tabs, spaces, comments", {}, u"# made by hand\n\na\tc 1\n  b   a 2 # back\na b 3\r\n"_s,
        u"0>1:1 0>2:3 2>0:2 [a] [c] [b]"_s);
    row("labels, then numbers", u"pair"_s, u"v1 0 4\n0 v1 5\n0 7 6"_s,
        u"0>1:5 0>2:6 1>0:4 [v0] [v1] [7]"_s);
    row("unlinked vertex kept", u"no link"_s, u"v2 v0 9"_s, u"2>0:9 [v0] [v1] [v2]"_s);
    row("no weight", {}, u"a b 1\n\na c"_s, u"Line 3: no weight"_s);
    row("weight over 99", {}, u"a b 1\n\n\nb a 120"_s, u"Line 4: the weight 120 is over 99"_s);
    row("to itself", u"complete 5"_s, u"0 1 1\n3 3 1"_s,
        u"Line 2: 3 to 3 joins a vertex to itself"_s);
    row("pair repeated", {}, u"a b 1\nb a 1\na b 2"_s,
        u"Line 3: the link a to b is already on line 1"_s);
    row("one field, open quote", {}, u"a\n\"b c 1\nb c 1.5"_s,
        u"Line 1: a line needs a source, a target and a weight\nLine 2: a quote is not closed\n"
        u"Line 3: the weight 1.5 is not a whole number"_s);
    QStringList many;
    for (int v = 0; v < Routing::MostVertices; ++v)
        many << u"x%1 x%2 1"_s.arg(v).arg(v + 1);
    row("51 vertices", {}, many.join(u'\n'),
        u"Line 50: x50 would make 51 vertices, but a network has at most 50"_s);
}

void NetworkEditingTest::edgeList()
{
    QFETCH(QString, network);
    QFETCH(QString, text);
    QFETCH(QString, result);
    const NetworkDraft current = draftOf(network);
    const EdgeList::ReadResult read = EdgeList::read(text, current);
    QCOMPARE(read.network ? describe(*read.network) : read.errors.join(u'\n'), result);
    if (!read.network)
        return;
    // The vertices it had keep their places; new ones get places in the drawing.
    for (int v = 0; v < read.network->vertexCount(); ++v) {
        const Topology::Vertex &place = read.network->vertices[v];
        if (v < current.vertexCount())
            QCOMPARE(
                QPointF(place.x, place.y), QPointF(current.vertices[v].x, current.vertices[v].y));
        else
            QVERIFY(place.x > 0 && place.y > 0);
    }
}

void NetworkEditingTest::edgeListRoundTrip_data()
{
    TestNetworks::addRows();
}

void NetworkEditingTest::edgeListRoundTrip()
{
    QFETCH(QString, network);
    NetworkDraft draft(TestNetworks::make(network));
    const QString own = draft.vertices.first().label;
    // Labels that cannot name their vertex in a line: a separator, a comment, a duplicate.
    for (const QString &label : {own, u"a b"_s, u"#1"_s, draft.vertices[1].label}) {
        draft.vertices.first().label = label;
        const EdgeList::ReadResult read = EdgeList::read(EdgeList::write(draft), draft);
        QVERIFY2(read.errors.isEmpty(), qPrintable(read.errors.join(u'\n')));
        QVERIFY(*read.network == draft);
    }
}

void NetworkEditingTest::dotQuoting()
{
    const Topology network(u"say \"hi\" \\"_s,
        {{0, 10, u"two\nlines"_s}, {5.5f, 40, {}}, {1, 30, u"\"q\""_s}}, {{0, 1, 7}, {2, 0, 0}});
    QCOMPARE(NetworkFile::toDot(network),
        "digraph \"say \\\"hi\\\" \\\\\" {\n"
        "  0 [label=\"two\\nlines\", pos=\"0,30!\"];\n"
        "  1 [label=\"1\", pos=\"5.5,0!\"];\n"
        "  2 [label=\"\\\"q\\\"\", pos=\"1,10!\"];\n"
        "  0 -> 1 [label=\"7\", weight=7];\n"
        "  2 -> 0 [label=\"0\", weight=0];\n"
        "}\n");
}

QTEST_MAIN(NetworkEditingTest)
#include "tst_networkediting.moc"
