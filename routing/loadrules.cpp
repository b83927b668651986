// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loadrules.h"

#include "routing.h"

#include <cmath>

namespace LoadRules {

double pricedCost(int load, float factor, Link link)
{
    return static_cast<double>(load) * static_cast<double>(factor)
        + static_cast<double>(link.weight);
}

double searchCost(int load, float factor, Link link)
{
    const double cost = pricedCost(load, factor, link);
    return cost > Routing::HighestLoad ? Routing::UnreachableDistance : cost;
}

bool isLeftOut(int load, float factor, Link link)
{
    return searchCost(load, factor, link) >= Routing::UnreachableDistance;
}

qint64 labelLoad(int load, Link link)
{
    return static_cast<qint64>(std::trunc(link.weight))
        + static_cast<qint64>(std::trunc(link.factor)) * load;
}

bool isSaturated(int load, Link link)
{
    return labelLoad(load, link) > Routing::HighestLoad;
}

} // namespace LoadRules
