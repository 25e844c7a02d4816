// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Watches every message box the application shows, records what it said, and dismisses it by
// clicking its first button, as a user would. Install one per test function; tests never wait
// on a modal box.
#pragma once

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

class MessageBoxWatcher : public QObject
{
public:
    struct Message {
        QString title;
        QString text;
        // What the box's label shows of it: the text itself, unless the label renders markup.
        QString shownText;
        bool hasIcon;
        int buttonCount;
        // What a screen reader finds in the box: its role and its static texts.
        QAccessible::Role role;
        QStringList readTexts;
        // Where the box stood on the screen, frame included, when it was dismissed.
        QRect frame;
    };

    // How the window system hands the activation back when a box closes: later, as the
    // headless platform and X11 do, or at once, inside the closing, as some desktops do.
    enum class Reactivation { Later, AtOnce };

    explicit MessageBoxWatcher(Reactivation reactivation = Reactivation::Later);
    ~MessageBoxWatcher() override;

    // Where messages could follow one another without end, each from inside the last, a test
    // would wait for the stack to overflow, minutes later: beyond this many, the test is
    // aborted at once.
    void abortBeyond(qsizetype count) { m_limit = count; }

    const QList<Message> &messages() const { return m_messages; }
    qsizetype count() const { return m_messages.size(); }
    QString lastText() const { return m_messages.isEmpty() ? QString() : m_messages.last().text; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<Message> m_messages;
    Reactivation m_reactivation;
    qsizetype m_limit = -1;
};
