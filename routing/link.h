// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One directed link. Its source vertex is not stored: it is the number of the list holding it.
struct Link
{
    int target;
    float weight; // always whole
    float factor; // random load multiplier last applied to this link
};
