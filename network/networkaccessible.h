// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

#include <vector>

class NetworkDisplay;

// The network drawing as assistive technology sees it: a described graphic whose children are
// its vertices and links, each named, explained as its tooltip explains it and placed where it
// is drawn; a vertex can be made the source or the destination.
class NetworkAccessible : public QAccessibleWidget
{
public:
    explicit NetworkAccessible(NetworkDisplay *view);
    ~NetworkAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    // Forgets the elements of a network no longer shown and tells that the children changed.
    static void rebuildElements(NetworkDisplay *view);
    // Sends a change event for each element whose explanation differs from the one last told.
    static void tellChangedExplanations(NetworkDisplay *view);

private:
    NetworkDisplay *view() const;

    mutable std::vector<QAccessible::Id> elementIds; // made when first asked for
};
