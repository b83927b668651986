// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
#include <QWidget>

#include <utility>

#ifdef Q_OS_WASM
#include <emscripten/val.h>

#include <string>
#endif

namespace {

// Long enough to take in a search's outcome after the trial counter that started it.
constexpr int GatherMs = 100;

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Notifications kept for screen readers that have yet to read them: many seconds' worth.
constexpr size_t KeptNotifications = 16;

// The toolkit has no announcement event here. Screen readers present a notification that
// appears whatever has the focus, so the message is the name of one that appears each time.
// It is not among its window's children: it is no part of the window to explore.
class NotificationAccessible : public QAccessibleInterface
{
public:
    NotificationAccessible(QWidget *window, QString message)
        : owner(window)
        , message(std::move(message))
    { }
    Q_DISABLE_COPY_MOVE(NotificationAccessible)
    ~NotificationAccessible() override = default;

    bool isValid() const override { return owner; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return owner ? owner->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(owner);
    }
    QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface *childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? message : QString();
    }
    void setText(QAccessible::Text /*type*/, const QString & /*text*/) override { }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<QWidget> owner;
    QString message;
};
#endif

// Whether anyone hears announcements: assistive technology, or on the web the page's live
// region, which screen readers follow whether or not Qt's own accessibility is switched on.
bool heard()
{
#ifdef Q_OS_WASM
    return true;
#else
    return QAccessible::isActive();
#endif
}

#ifdef Q_OS_WASM
// Writes the message to the page's polite live region, through the function the page offers.
void tellPage(const QString &message)
{
    const emscripten::val write = emscripten::val::global("netrouteAnnounce");
    if (write.typeOf().as<std::string>() == "function")
        write(message.toStdString());
}
#endif

} // namespace

Announcer::Announcer(QWidget *window)
    : QObject(window)
{
    gatherTimer.setSingleShot(true);
    gatherTimer.setInterval(GatherMs);
    connect(&gatherTimer, &QTimer::timeout, this, &Announcer::tell);
}

Announcer::~Announcer()
{
    for (QAccessible::Id id : notificationIds)
        QAccessible::deleteAccessibleInterface(id);
}

void Announcer::announce(QWidget *source, const QString &message)
{
    if (!heard() || !source->isVisible() || message.isEmpty())
        return;
    QWidget *window = source->window();
    auto *announcer = window->findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    if (announcer->pending.isEmpty()) {
        announcer->source = source;
        announcer->gatherTimer.start();
    }
    announcer->pending << message;
}

void Announcer::tell()
{
    const QString message = pending.join(QLatin1Char(' '));
    pending.clear();
    if (!source)
        return;
#ifdef Q_OS_WASM
    tellPage(message);
#endif
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    auto *notification = new NotificationAccessible(qobject_cast<QWidget *>(parent()), message);
    notificationIds.push_back(QAccessible::registerAccessibleInterface(notification));
    QAccessibleEvent event(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
    if (notificationIds.size() > KeptNotifications) {
        QAccessible::deleteAccessibleInterface(notificationIds.front());
        notificationIds.pop_front();
    }
#endif
}
