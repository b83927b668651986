// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "link.h"
#include "routing.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

// The links that search cycles have let pass, listed under their source vertex: a copy of a link
// each time it passed, oldest first. Nothing is ever removed, so a link that passed once stays
// usable. The search uses the first copy of each link only.
class UsableLinks
{
public:
    using Records = std::vector<std::unique_ptr<Link>>;
    using FirstTable
        = std::array<std::array<const Link *, Routing::VertexCapacity>, Routing::VertexCapacity>;

    UsableLinks() = default;
    UsableLinks(const UsableLinks &) = delete;
    UsableLinks &operator=(const UsableLinks &) = delete;

    void append(int source, Link link);
    // Forgets every link, as for another network.
    void clear();
    const Link *first(int from, int to) const { return firsts[from][to]; }
    const FirstTable &firstTable() const { return firsts; }
    const Records &records(int source) const { return lists[source]; }
    const std::array<Records, Routing::VertexCapacity> &allRecords() const { return lists; }
    int recordCount() const;

    // A copy that keeps the first record of each link only, which is all a search reads, for
    // working out many cycles: rewind() drops what they appended since the copy was made.
    UsableLinks(const UsableLinks &other, int vertexCount);
    void rewind();

private:
    std::array<Records, Routing::VertexCapacity> lists;
    // The first record in lists[from] leading to each target. Lists only grow, so it never
    // changes once set, and the search need not walk them.
    FirstTable firsts {};
    // A rewindable copy stores new links only, and remembers them.
    bool firstOnly = false;
    std::array<size_t, Routing::VertexCapacity> keptSizes {};
    std::vector<std::pair<int, int>> appended;
};
