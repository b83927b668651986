// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

#include <vector>

class EditorDrawing;

// The editor's drawing as assistive technology sees it: its children are the vertices and then
// the links, each named, placed where it is drawn and focusable, the selected one focused.
class EditorAccessible : public QAccessibleWidget
{
public:
    explicit EditorAccessible(EditorDrawing *drawing);
    ~EditorAccessible() override;
    Q_DISABLE_COPY_MOVE(EditorAccessible)

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    // Makes the toolkit present every editor drawing through this class; once is enough.
    static void installFactory();
    // Forgets the elements of the network before a change and tells that the children changed.
    static void rebuildElements(EditorDrawing *drawing);

private:
    EditorDrawing *drawing() const;
    void forgetElements() const;

    mutable std::vector<QAccessible::Id> elementIds; // made when first asked for
};
