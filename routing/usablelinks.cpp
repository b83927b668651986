// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usablelinks.h"

void UsableLinks::append(int source, Link link)
{
    const bool leadsToVertex = link.target >= 0 && link.target < Routing::VertexCapacity;
    if (firstOnly && (!leadsToVertex || firsts[source][link.target]))
        return; // a later copy, which no search reads
    lists[source].push_back(std::make_unique<Link>(link));
    if (!leadsToVertex)
        return; // the search never looks for it
    const Link *&first = firsts[source][link.target];
    if (!first) {
        first = lists[source].back().get();
        if (firstOnly)
            appended.emplace_back(source, link.target);
    }
}

void UsableLinks::clear()
{
    for (Records &list : lists)
        list.clear();
    firsts = {};
    keptSizes = {};
    appended.clear();
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
    for (int from = 0; from < vertexCount; ++from) {
        for (const Link *first : other.firsts[from]) {
            if (first) {
                lists[from].push_back(std::make_unique<Link>(*first));
                firsts[from][first->target] = lists[from].back().get();
            }
        }
        keptSizes[from] = lists[from].size();
    }
    appended.reserve(static_cast<size_t>(recordCount()));
}

void UsableLinks::rewind()
{
    for (const auto &[from, to] : appended) {
        firsts[from][to] = nullptr;
        lists[from].resize(keptSizes[from]);
    }
    appended.clear();
}
