// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

class NetworkModel;
struct Link;

// The texts that explain the network and its outcomes in the program's own words and numbers,
// worked out from the model alone.
class Explanations
{
    // The texts are the drawing's: they keep its translation context.
    Q_DECLARE_TR_FUNCTIONS(NetworkDisplay)

public:
    explicit Explanations(const NetworkModel &model);

    QString vertexName(int vertex) const; // "Vertex 9"
    QString linkName(int source, Link link) const; // "Link 9 to 11"
    // A vertex: whether it is an endpoint and, after a search, its distance and the path.
    QString vertex(int vertex) const;
    // A link: its label, its load test and its search cost, each with the numbers behind it.
    QString link(int source, Link link) const;
    // The lines of link(), for any load and factor: how the label is worked out, the load test
    // (as passed or failed once a cycle ran, else as what it would give), the search's cost.
    static QString labelLine(int load, Link link);
    static QString loadTestLine(int load, float factor, bool cycleRan);
    static QString searchCostLine(int load, float factor, Link record);

    // The label a link shows at the present load: its load, or "NoLink" above the highest.
    QString linkLabel(Link link) const;
    static QString pathFound(int cost);
    static QString noPath();
    static QString sameEndpoints();
    // The sentence the drawing shows for the last cycle, or empty before the first.
    QString lastOutcome() const;

private:
    const NetworkModel &model;
};
