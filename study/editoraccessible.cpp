// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editoraccessible.h"

#include "editordrawing.h"

#include <QPointer>

namespace {

// One vertex or link of the drawing; the drawing answers for it.
class EditorElement : public QAccessibleInterface
{
public:
    EditorElement(EditorDrawing *drawing, int element)
        : drawing(drawing)
        , element(element)
    { }
    Q_DISABLE_COPY_MOVE(EditorElement)
    ~EditorElement() override = default;

    bool isValid() const override { return drawing && element < drawing->elementCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return drawing ? drawing->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(drawing.data());
    }
    QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface *childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }

    QString text(QAccessible::Text type) const override
    {
        return drawing && type == QAccessible::Name ? drawing->elementName(element) : QString();
    }
    void setText(QAccessible::Text /*type*/, const QString & /*text*/) override { }
    QRect rect() const override
    {
        if (!drawing)
            return {};
        const QRect drawn = drawing->elementRect(element);
        return QRect(drawing->mapToGlobal(drawn.topLeft()), drawn.size());
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !drawing || !drawing->isVisible();
        state.focusable = true;
        state.selectable = true;
        const bool chosen = drawing && drawing->selected() == element;
        state.selected = chosen;
        state.focused = chosen && drawing->hasFocus();
        return state;
    }

private:
    QPointer<EditorDrawing> drawing;
    int element;
};

QAccessibleInterface *createInterface(const QString & /*className*/, QObject *object)
{
    if (auto *drawing = qobject_cast<EditorDrawing *>(object))
        return new EditorAccessible(drawing);
    return nullptr;
}

} // namespace

void EditorAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed)
}

EditorAccessible::EditorAccessible(EditorDrawing *drawing)
    : QAccessibleWidget(drawing, QAccessible::Graphic)
{ }

EditorAccessible::~EditorAccessible()
{
    forgetElements();
}

EditorDrawing *EditorAccessible::drawing() const
{
    return static_cast<EditorDrawing *>(widget());
}

void EditorAccessible::forgetElements() const
{
    for (const QAccessible::Id id : elementIds)
        QAccessible::deleteAccessibleInterface(id);
    elementIds.clear();
}

int EditorAccessible::childCount() const
{
    return drawing()->elementCount();
}

QAccessibleInterface *EditorAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (static_cast<int>(elementIds.size()) < childCount()) {
        const int element = static_cast<int>(elementIds.size());
        elementIds.push_back(
            QAccessible::registerAccessibleInterface(new EditorElement(drawing(), element)));
    }
    return QAccessible::accessibleInterface(elementIds[index]);
}

int EditorAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int index = 0; index < static_cast<int>(elementIds.size()); ++index) {
        if (QAccessible::accessibleInterface(elementIds[index]) == child)
            return index;
    }
    return -1;
}

QAccessibleInterface *EditorAccessible::childAt(int x, int y) const
{
    const int element = drawing()->elementAt(drawing()->mapFromGlobal(QPoint(x, y)));
    return element >= 0 ? child(element) : nullptr;
}

QAccessibleInterface *EditorAccessible::focusChild() const
{
    const int element = drawing()->selected();
    return drawing()->hasFocus() && element >= 0 ? child(element) : nullptr;
}

void EditorAccessible::rebuildElements(EditorDrawing *drawing)
{
    auto *accessible
        = dynamic_cast<EditorAccessible *>(QAccessible::queryAccessibleInterface(drawing));
    if (!accessible || accessible->elementIds.empty())
        return; // nobody has asked for the elements yet
    accessible->forgetElements();
    QAccessibleEvent reorder(drawing, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
}
