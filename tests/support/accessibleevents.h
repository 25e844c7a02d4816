// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Switches the toolkit's accessibility on as a screen reader connecting would, and records every
// accessible event the widgets then send, as the reader would receive them.
#pragma once

#include <QAccessible>
#include <QList>
#include <QString>
#include <QStringList>

struct SeenEvent {
    QAccessible::Event type;
    QObject *object;
    // What a text update took away and put in.
    QString removed;
    QString inserted;
    // What the object was and was called when the event was sent.
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
};

// Installs the recorder and switches accessibility on; call once, from initTestCase.
void recordAccessibleEvents();
// Everything recorded since the last clear().
QList<SeenEvent> &seenEvents();
qsizetype seenCount(QAccessible::Event type, QObject *object);
// What a reader was told of since the last clear() wherever its focus was: from Qt 6.8 the
// accessible announcements, before it the names of notifications as they showed.
QStringList toldNews();

inline QAccessibleInterface *accessibleOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}
