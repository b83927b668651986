// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"

#include "lcdrange.h"
#include "mainboard.h"
#include "networkaccessible.h"
#include "networkdisplay.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLCDNumber>
#include <QSlider>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {

// What a widget is to assistive technology, where the toolkit's own answer does not fit.
constexpr char PresentationProperty[] = "netroute-presentation";
enum class Presentation { Ordinary, Decorative, Counter };

Presentation presentation(const QObject *object)
{
    return static_cast<Presentation>(object->property(PresentationProperty).toInt());
}

bool isDecorative(const QObject *object)
{
    return presentation(object) == Presentation::Decorative;
}

// The main window without the widgets that only repeat another's words or make space.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window)
        : QAccessibleWidget(window)
    { }

    int childCount() const override { return static_cast<int>(presented().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QWidgetList children = presented();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(presented().indexOf(qobject_cast<QWidget *>(child->object())));
    }

private:
    // The children the toolkit would present, in its order.
    QWidgetList presented() const
    {
        QWidgetList children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            auto *widget = child ? qobject_cast<QWidget *>(child->object()) : nullptr;
            if (widget && !isDecorative(widget))
                children << widget;
        }
        return children;
    }
};

// A value control shows its value three times over (readout, slider, caption); assistive
// technology gets only the slider, which carries the caption as its name.
class ValueControlAccessible : public QAccessibleWidget
{
public:
    explicit ValueControlAccessible(QWidget *control)
        : QAccessibleWidget(control, QAccessible::Grouping)
    { }

    int childCount() const override { return slider() ? 1 : 0; }

    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && slider() ? QAccessible::queryAccessibleInterface(slider()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && slider() && child->object() == slider() ? 0 : -1;
    }

private:
    QWidget *slider() const
    {
        return widget()->findChild<QSlider *>(
            QLatin1String(LCDRange::SliderName), Qt::FindDirectChildrenOnly);
    }
};

// A read-only counter: its name says what it counts and its value is the number shown.
class CounterAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit CounterAccessible(QLCDNumber *counter)
        : QAccessibleWidget(counter, QAccessible::StaticText)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return QString::number(counter()->intValue());
        return QAccessibleWidget::text(type);
    }

    QVariant currentValue() const override { return counter()->intValue(); }
    void setCurrentValue(const QVariant & /*value*/) override { } // read-only
    QVariant maximumValue() const override
    {
        return static_cast<int>(std::pow(10, counter()->digitCount())) - 1;
    }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    QLCDNumber *counter() const { return static_cast<QLCDNumber *>(widget()); }
};

// Recognises the program's widgets by their classes, so that a renamed class still compiles
// to the same presentation or not at all.
QAccessibleInterface *createInterface(const QString & /*className*/, QObject *object)
{
    if (auto *control = qobject_cast<LCDRange *>(object))
        return new ValueControlAccessible(control);
    auto *counter = qobject_cast<QLCDNumber *>(object);
    if (counter && presentation(counter) == Presentation::Counter)
        return new CounterAccessible(counter);
    if (auto *window = qobject_cast<MainBoard *>(object))
        return new WindowAccessible(window);
    if (auto *view = qobject_cast<NetworkDisplay *>(object))
        return new NetworkAccessible(view);
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    QAccessible::installFactory(createInterface);
}

void markDecorative(QWidget *widget)
{
    widget->setProperty(PresentationProperty, static_cast<int>(Presentation::Decorative));
}

void markCounter(QLCDNumber *counter)
{
    counter->setProperty(PresentationProperty, static_cast<int>(Presentation::Counter));
}
