// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkdraft.h"

#include <QObject>
#include <QPointF>
#include <QString>

#include <functional>

class QUndoStack;

// The network of the editor and every change to it, each one undoable: the window's drawing,
// tables and edge list change the network through here only. A change that the network refuses
// changes nothing and is told by refused(); one that is made is told by changed() and, in words
// for a screen reader, by announced().
class NetworkEditing : public QObject
{
    Q_OBJECT

public:
    explicit NetworkEditing(NetworkDraft network, QObject *parent = nullptr);

    const NetworkDraft &network() const { return draft; }
    QUndoStack *undoStack() const { return stack; }
    // Whether it changed since it was last saved or used (the undo stack's clean state).
    bool isModified() const;
    void setSaved();

    // Each returns whether the change was made.
    bool addVertex(QPointF position);
    bool removeVertex(int vertex);
    // Consecutive moves of one vertex make one undo entry.
    bool moveVertex(int vertex, QPointF position);
    bool setLabel(int vertex, const QString &label);
    // A link each way with the same weight.
    bool addPair(int first, int second, int weight);
    bool addLink(int source, int target, int weight);
    bool removeLink(int source, int target);
    bool setWeight(int source, int target, int weight);
    // Adds the link target to source when missing, removes it when present.
    bool toggleReverse(int source, int target);
    bool arrangeOnCircle();
    // Replaces the whole network as one change (the edge list applied, a file opened, New, the
    // built-in network), under the given undo text.
    bool replace(const NetworkDraft &network, const QString &what);

signals:
    void changed();
    void refused(const QString &why);
    void announced(const QString &text);

private:
    // Makes the change on a copy: refused when it gives a reason, pushed when it changes
    // something. A move names its vertex so that the next move of it merges.
    bool edit(const std::function<QString(NetworkDraft &)> &change, const QString &what,
        const QString &done, int movedVertex = -1);
    void show(const NetworkDraft &network, const QString &text);
    QString removedText(int vertex) const;

    NetworkDraft draft;
    QUndoStack *stack;
};
