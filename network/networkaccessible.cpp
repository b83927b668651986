// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkaccessible.h"

#include "networkdisplay.h"

#include <QPointer>

namespace {

// One vertex or link of the drawing. It has no object of its own: the view answers for it.
class ElementAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ElementAccessible(NetworkDisplay *view, int element)
        : view(view)
        , element(element)
        , told(view->elementExplanation(element))
    { }
    Q_DISABLE_COPY_MOVE(ElementAccessible)
    ~ElementAccessible() override = default;

    bool isVertex() const { return view && element < view->vertexCount(); }

    // True when the explanation has changed since it was last told.
    bool takeChange()
    {
        const QString explanation = view->elementExplanation(element);
        if (explanation == told)
            return false;
        told = explanation;
        return true;
    }

    bool isValid() const override { return view; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return view ? view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(view.data());
    }
    QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface *childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }

    QString text(QAccessible::Text type) const override
    {
        if (!view)
            return {};
        if (type == QAccessible::Name)
            return view->elementName(element);
        if (type == QAccessible::Description)
            return view->elementExplanation(element);
        return {};
    }
    void setText(QAccessible::Text /*type*/, const QString & /*text*/) override { }

    QRect rect() const override
    {
        if (!view)
            return {};
        const QRect drawn = view->elementRect(element);
        return QRect(view->mapToGlobal(drawn.topLeft()), drawn.size());
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !view || !view->isVisible();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && isVertex())
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {sourceAction(), destinationAction()}; }
    QString localizedActionDescription(const QString &name) const override { return name; }
    QStringList keyBindingsForAction(const QString & /*name*/) const override { return {}; }
    void doAction(const QString &name) override
    {
        if (!view)
            return;
        if (name == sourceAction())
            view->setVertex(element);
        else if (name == destinationAction())
            view->setVertex2(element);
    }

private:
    static QString sourceAction() { return NetworkDisplay::tr("Set as source"); }
    static QString destinationAction() { return NetworkDisplay::tr("Set as destination"); }

    QPointer<NetworkDisplay> view;
    int element;
    QString told;
};

} // namespace

NetworkAccessible::NetworkAccessible(NetworkDisplay *view)
    : QAccessibleWidget(view, QAccessible::Graphic)
{ }

NetworkAccessible::~NetworkAccessible()
{
    for (const QAccessible::Id id : elementIds)
        QAccessible::deleteAccessibleInterface(id);
}

NetworkDisplay *NetworkAccessible::view() const
{
    return static_cast<NetworkDisplay *>(widget());
}

int NetworkAccessible::childCount() const
{
    return view()->elementCount();
}

QAccessibleInterface *NetworkAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (elementIds.empty()) {
        for (int element = 0; element < childCount(); ++element) {
            elementIds.push_back(
                QAccessible::registerAccessibleInterface(new ElementAccessible(view(), element)));
        }
    }
    return QAccessible::accessibleInterface(elementIds[index]);
}

int NetworkAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int index = 0; index < static_cast<int>(elementIds.size()); ++index) {
        if (QAccessible::accessibleInterface(elementIds[index]) == child)
            return index;
    }
    return -1;
}

// The point comes in screen coordinates; the view's own hit test names what is drawn there.
QAccessibleInterface *NetworkAccessible::childAt(int x, int y) const
{
    const int element = view()->elementAt(view()->mapFromGlobal(QPoint(x, y)));
    return element >= 0 ? child(element) : nullptr;
}

void NetworkAccessible::rebuildElements(NetworkDisplay *view)
{
    auto *drawing = dynamic_cast<NetworkAccessible *>(QAccessible::queryAccessibleInterface(view));
    if (!drawing)
        return;
    for (const QAccessible::Id id : drawing->elementIds)
        QAccessible::deleteAccessibleInterface(id);
    drawing->elementIds.clear();
    // The children were replaced as a whole: screen readers ask for them again.
    QAccessibleEvent reorder(view, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
    QAccessibleEvent described(view, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

void NetworkAccessible::tellChangedExplanations(NetworkDisplay *view)
{
    auto *drawing = dynamic_cast<NetworkAccessible *>(QAccessible::queryAccessibleInterface(view));
    if (!drawing || drawing->elementIds.empty())
        return; // nobody has asked for the elements yet, so nobody waits for their changes
    for (const QAccessible::Id id : drawing->elementIds) {
        auto *element = static_cast<ElementAccessible *>(QAccessible::accessibleInterface(id));
        if (element->takeChange()) {
            QAccessibleEvent event(element, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}
