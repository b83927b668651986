// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "link.h"
#include "routing.h"

#include <array>
#include <memory>
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

    void append(int source, Link link) { append(source, link.target, link.weight, link.factor); }
    // Inline and field by field, so that a cycle's many appends build their links in place: a
    // link passed whole goes through memory in a way the processor is slow to read back.
    void append(int source, int target, float weight, float factor)
    {
        if (firstOnly)
            appendFirst(source, target, weight, factor);
        else
            appendRecord(source, Link {target, weight, factor});
    }
    // Forgets every link, as for another network.
    void clear();
    const Link *first(int from, int to) const { return firsts[from][to]; }
    const FirstTable &firstTable() const { return firsts; }
    const Records &records(int source) const { return lists[source]; }
    const std::array<Records, Routing::VertexCapacity> &allRecords() const { return lists; }
    int recordCount() const;

    // A copy that keeps the first record of each link only, which is all a search reads, for
    // working out many cycles: rewind() drops what they appended since the copy was made. It
    // has no records, only first links.
    UsableLinks(const UsableLinks &other, int vertexCount);
    void rewind();

private:
    static bool leadsToVertex(int target)
    {
        return target >= 0 && target < Routing::VertexCapacity;
    }
    void appendFirst(int source, int target, float weight, float factor)
    {
        if (!leadsToVertex(target) || firsts[source][target])
            return; // a later copy, which no search reads
        Link &stored = firstLinks.emplace_back();
        stored.target = target;
        stored.weight = weight;
        stored.factor = factor;
        firsts[source][target] = &stored;
    }
    void appendRecord(int source, Link link);

    std::array<Records, Routing::VertexCapacity> lists;
    // The first record in lists[from] leading to each target. Lists only grow, so it never
    // changes once set, and the search need not walk them.
    FirstTable firsts {};
    // A rewindable copy keeps its first links in a store with room for one per ordered pair made
    // at once, so that a cycle allocates nothing, and its table as it was made.
    bool firstOnly = false;
    std::vector<Link> firstLinks;
    size_t keptFirstLinks = 0;
    FirstTable keptFirsts {};
};
