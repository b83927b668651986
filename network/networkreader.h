// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkgeometry.h"
#include "searchrecord.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class NetworkModel;

// What the windows beside the main one read of the model: the drawing's geometry, the current
// choices and what the last search cycle did. It changes nothing.
class NetworkReader
{
public:
    struct LinkView
    {
        int source;
        int target;
        int weight;
        QLineF line; // as the main drawing draws it
    };

    explicit NetworkReader(const NetworkModel &model);

    const NetworkModel &model() const { return network; }

    int vertexCount() const;
    QRectF vertexDisc(int vertex) const; // as the main drawing draws it
    QString label(int vertex) const; // empty when the vertex has none
    QList<LinkView> links() const;
    int source() const;
    int destination() const;
    int load() const;
    bool randomEffect() const;
    const SearchRecord &lastSearch() const;
    // The outcome sentence the drawing shows for the last cycle, or empty.
    QString outcomeSentence() const;

private:
    const NetworkModel &network;
    NetworkGeometry geometry;
};
