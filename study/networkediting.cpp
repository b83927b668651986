// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkediting.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <functional>
#include <utility>

namespace {

// The one kind of command that merges: moves of the same vertex, one after another.
constexpr int MoveId = 1;

// One change: the network before and after it, whole. A 2,450-link network is some 30 KB, and
// each after shares its data with the next change's before.
class DraftChange : public QUndoCommand
{
public:
    using Show = std::function<void(const NetworkDraft &, const QString &)>;

    DraftChange(
        NetworkDraft before, NetworkDraft after, const QString &what, QString done, Show show)
        : QUndoCommand(what)
        , before(std::move(before))
        , after(std::move(after))
        , done(std::move(done))
        , show(std::move(show))
    { }

    // Only a move has a vertex; -1 for every other change.
    void setMovedVertex(int vertex) { moved = vertex; }

    void redo() override { show(after, done); }
    void undo() override { show(before, NetworkEditing::tr("Undone: %1").arg(text())); }
    int id() const override { return moved < 0 ? -1 : MoveId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const DraftChange *>(other);
        if (next->moved != moved)
            return false;
        after = next->after;
        // Moved back where it was: nothing is left to undo.
        setObsolete(after == before);
        return true;
    }

private:
    NetworkDraft before;
    NetworkDraft after;
    QString done;
    Show show;
    int moved = -1;
};

} // namespace

NetworkEditing::NetworkEditing(NetworkDraft network, QObject *parent)
    : QObject(parent)
    , draft(std::move(network))
    , stack(new QUndoStack(this))
{ }

bool NetworkEditing::isModified() const
{
    return !stack->isClean();
}

void NetworkEditing::setSaved()
{
    stack->setClean();
}

bool NetworkEditing::addVertex(QPointF position)
{
    const int vertex = draft.vertexCount();
    return edit([&](NetworkDraft &d) { return d.addVertex(position); },
        tr("Add vertex %1").arg(vertex), tr("Vertex %1 added").arg(vertex));
}

bool NetworkEditing::removeVertex(int vertex)
{
    return edit([&](NetworkDraft &d) { return d.removeVertex(vertex); },
        tr("Remove vertex %1").arg(vertex), removedText(vertex));
}

bool NetworkEditing::moveVertex(int vertex, QPointF position)
{
    return edit([&](NetworkDraft &d) { return d.moveVertex(vertex, position); },
        tr("Move vertex %1").arg(vertex), tr("Vertex %1 moved").arg(vertex), vertex);
}

bool NetworkEditing::setLabel(int vertex, const QString &label)
{
    const QString done = label.isEmpty() ? tr("Vertex %1 has no label now").arg(vertex)
                                         : tr("Vertex %1 labelled %2").arg(vertex).arg(label);
    return edit([&](NetworkDraft &d) { return d.setLabel(vertex, label); },
        tr("Rename vertex %1").arg(vertex), done);
}

bool NetworkEditing::addPair(int first, int second, int weight)
{
    const auto both = [&](NetworkDraft &d) {
        QString problem = d.addLink(first, second, weight);
        return problem.isEmpty() ? d.addLink(second, first, weight) : problem;
    };
    return edit(both, tr("Add links %1 and %2").arg(first).arg(second),
        tr("Links %1 to %2 and %2 to %1, weight %3, added").arg(first).arg(second).arg(weight));
}

bool NetworkEditing::addLink(int source, int target, int weight)
{
    return edit([&](NetworkDraft &d) { return d.addLink(source, target, weight); },
        tr("Add link %1 to %2").arg(source).arg(target),
        tr("Link %1 to %2, weight %3, added").arg(source).arg(target).arg(weight));
}

bool NetworkEditing::removeLink(int source, int target)
{
    const int index = draft.linkIndex(source, target);
    const int weight = index < 0 ? 0 : draft.links[index].weight;
    return edit([&](NetworkDraft &d) { return d.removeLink(source, target); },
        tr("Remove link %1 to %2").arg(source).arg(target),
        tr("Link %1 to %2, weight %3, removed").arg(source).arg(target).arg(weight));
}

bool NetworkEditing::setWeight(int source, int target, int weight)
{
    return edit([&](NetworkDraft &d) { return d.setWeight(source, target, weight); },
        tr("Change weight of link %1 to %2").arg(source).arg(target),
        tr("Link %1 to %2 now weighs %3").arg(source).arg(target).arg(weight));
}

bool NetworkEditing::toggleReverse(int source, int target)
{
    const int reverseSource = target;
    const int reverseTarget = source;
    if (draft.linkIndex(reverseSource, reverseTarget) >= 0)
        return removeLink(reverseSource, reverseTarget);
    const int forward = draft.linkIndex(source, target);
    if (forward < 0) {
        // The reverse takes the forward link's weight; without one there is nothing to mirror.
        emit refused(tr("There is no link from %1 to %2").arg(source).arg(target));
        return false;
    }
    return addLink(reverseSource, reverseTarget, draft.links[forward].weight);
}

bool NetworkEditing::arrangeOnCircle()
{
    return edit(
        [](NetworkDraft &d) {
            d.arrangeOnCircle();
            return QString();
        },
        tr("Arrange on a circle"), tr("Vertices arranged on a circle"));
}

bool NetworkEditing::replace(const NetworkDraft &network, const QString &what)
{
    return edit(
        [&](NetworkDraft &d) {
            QString problem = network.whyBroken();
            if (problem.isEmpty())
                d = network;
            return problem;
        },
        what,
        tr("%1: the network has %2 vertices and %3 links")
            .arg(what)
            .arg(network.vertexCount())
            .arg(network.links.size()));
}

bool NetworkEditing::edit(const std::function<QString(NetworkDraft &)> &change, const QString &what,
    const QString &done, int movedVertex)
{
    NetworkDraft after = draft;
    const QString problem = change(after);
    if (!problem.isEmpty()) {
        emit refused(problem);
        return false;
    }
    if (after == draft)
        return true; // nothing to undo, nothing to tell
    auto *command = new DraftChange(draft, std::move(after), what, done,
        [this](const NetworkDraft &network, const QString &text) { show(network, text); });
    command->setMovedVertex(movedVertex);
    stack->push(command);
    return true;
}

void NetworkEditing::show(const NetworkDraft &network, const QString &text)
{
    draft = network;
    emit changed();
    emit announced(text);
}

QString NetworkEditing::removedText(int vertex) const
{
    const int last = draft.vertexCount() - 1;
    if (vertex >= last || vertex < 0)
        return tr("Vertex %1 removed").arg(vertex);
    if (vertex + 1 == last)
        return tr("Vertex %1 removed; vertex %2 is now %1").arg(vertex).arg(last);
    return tr("Vertex %1 removed; vertices %2 to %3 are now %1 to %4")
        .arg(vertex)
        .arg(vertex + 1)
        .arg(last)
        .arg(last - 1);
}
