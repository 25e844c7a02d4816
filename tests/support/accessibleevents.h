// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Switches the toolkit's accessibility on as a screen reader connecting would, and records every
// accessible event the widgets then send, as the reader would receive them.
#pragma once

#include <QAccessible>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

class QWidget;

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

// One question to an accessible interface, and its answer.
using AccessibleQuestion = std::function<QVariant(QAccessibleInterface *)>;
Q_DECLARE_METATYPE(AccessibleQuestion)

// Destroys the widget, and when the toolkit tells readers that it is going (by then the widget's
// own members are gone) asks the interface a reader knew it by the question, as a reader may ask
// back then. Returns the answer, invalid where the toolkit had already dropped that interface;
// nothing where the toolkit told readers nothing (Qt 6.4 drops the interface without a word).
// Switch accessibility on first.
std::optional<QVariant> answerWhileDestroyed(QWidget *widget, const AccessibleQuestion &question);
