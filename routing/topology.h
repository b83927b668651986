// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "link.h"
#include "routing.h"

#include <array>
#include <memory>
#include <vector>

// The fixed network: the vertices at their drawn positions and the links listed under their
// source vertex, in the order of the link table. Only each link's factor changes.
class Topology
{
public:
    using LinkList = std::vector<std::unique_ptr<Link>>;

    Topology();
    // Copies hold links of their own.
    Topology(const Topology &other);
    Topology &operator=(const Topology &other);
    ~Topology();

    int vertexCount = Routing::VertexCount;
    int totalLinkCount = Routing::LinkCount;
    std::array<float, Routing::VertexCapacity> vertexX {};
    std::array<float, Routing::VertexCapacity> vertexY {};
    std::array<LinkList, Routing::VertexCapacity> links;

    bool isVertex(int vertex) const;
    int clampVertex(int vertex) const;
    // The link with the given number, counting in list order from vertex 0, with its source.
    const Link *linkAt(int index, int *source) const;
};
