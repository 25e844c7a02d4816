// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibleevents.h"

#include <QTest>
#include <QWidget>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

QList<SeenEvent> &seenEvents()
{
    static QList<SeenEvent> events;
    return events;
}

qsizetype seenCount(QAccessible::Event type, QObject *object)
{
    return std::count_if(seenEvents().cbegin(), seenEvents().cend(), [&](const SeenEvent &event) {
        return event.type == type && event.object == object;
    });
}

QStringList toldNews()
{
    QStringList told;
    for (const SeenEvent &event : std::as_const(seenEvents())) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event.type == QAccessible::Announcement)
            told.append(event.inserted);
#else
        if (event.type == QAccessible::ObjectShow && event.role == QAccessible::Notification)
            told.append(event.name);
#endif
    }
    return told;
}

void recordAccessibleEvents()
{
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        SeenEvent seen{event->type(), event->object(), {}, {}, QAccessible::NoRole, {}};
        if (event->type() == QAccessible::TextUpdated) {
            const auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
            seen.removed = update->textRemoved();
            seen.inserted = update->textInserted();
        }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement)
            seen.inserted = static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#endif
        // An object being destroyed is only part of what it was: whatever its interface answers
        // would come from members already gone, and asking the event for that interface can even
        // make a new one for it.
        if (event->type() == QAccessible::ObjectDestroyed) {
            seenEvents().append(seen);
            return;
        }
        QAccessibleInterface *source = event->accessibleInterface();
        if (source && source->isValid()) {
            seen.role = source->role();
            seen.name = source->text(QAccessible::Name);
        }
        seenEvents().append(seen);
    });
    // Only the platform's side can be switched on: the public switch is overridden by it.
    QPlatformAccessibility *platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
}

namespace
{
// What the handler below asks, of which object, and what it was told; one question at a time.
struct PendingQuestion {
    QObject *object = nullptr;
    QAccessible::Id id = 0;
    AccessibleQuestion question;
    QVariant answer;
    bool asked = false;
    QAccessible::UpdateHandler next = nullptr;
};

PendingQuestion &pending()
{
    static PendingQuestion one;
    return one;
}
} // namespace

std::optional<QVariant> answerWhileDestroyed(QWidget *widget, const AccessibleQuestion &question)
{
    PendingQuestion &ask = pending();
    ask = {widget, QAccessible::uniqueId(accessibleOf(widget)), question, {}, false, nullptr};
    ask.next = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        PendingQuestion &ask = pending();
        // The interface the reader knows, if the toolkit still has it when it says the object
        // is gone; Qt 6.11 names no object in that event, only the interface.
        QAccessibleInterface *known = QAccessible::accessibleInterface(ask.id);
        if (event->type() == QAccessible::ObjectDestroyed &&
            (event->object() == ask.object || (known && event->accessibleInterface() == known))) {
            ask.asked = true;
            if (known)
                ask.answer = ask.question(known);
        }
        if (ask.next)
            ask.next(event);
    });
    delete widget;
    QAccessible::installUpdateHandler(ask.next);
    if (!ask.asked)
        return std::nullopt;
    return ask.answer;
}
