// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usablelinks.h"

void UsableLinks::appendRecord(int source, Link link)
{
    lists[source].push_back(std::make_unique<Link>(link));
    if (!leadsToVertex(link.target))
        return; // the search never looks for it
    const Link *&first = firsts[source][link.target];
    if (!first)
        first = lists[source].back().get();
}

void UsableLinks::clear()
{
    for (Records &list : lists)
        list.clear();
    firsts = {};
    firstLinks.clear();
    keptFirstLinks = 0;
    keptFirsts = {};
}

int UsableLinks::recordCount() const
{
    int total = 0;
    for (const Records &list : lists)
        total += static_cast<int>(list.size());
    return total;
}

UsableLinks::UsableLinks(const UsableLinks &other, int vertexCount)
    : firstOnly(true)
{
    constexpr size_t pairs = size_t(Routing::VertexCapacity) * Routing::VertexCapacity;
    firstLinks.reserve(pairs); // never more, so the first links never move
    for (int from = 0; from < vertexCount; ++from) {
        for (const Link *first : other.firsts[from]) {
            if (first) {
                firstLinks.push_back(*first);
                firsts[from][first->target] = &firstLinks.back();
            }
        }
    }
    keptFirstLinks = firstLinks.size();
    keptFirsts = firsts;
}

void UsableLinks::rewind()
{
    firsts = keptFirsts;
    firstLinks.resize(keptFirstLinks);
}
