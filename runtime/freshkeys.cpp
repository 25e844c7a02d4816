// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "freshkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace runtime
{

FreshKeysOnly::FreshKeysOnly(QWidget &box) : m_box(box)
{
    // On the application: key events go to whichever of the box's children has the focus.
    QCoreApplication::instance()->installEventFilter(this);
}

FreshKeysOnly::~FreshKeysOnly()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool FreshKeysOnly::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    const bool toBox = widget ? widget->window() == &m_box
                              : watched == m_box.windowHandle() && m_box.windowHandle();
    if (!toBox)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!key->isAutoRepeat()) {
        if (type == QEvent::KeyPress)
            m_pressedAfresh.insert(key->key());
        return false;
    }
    if (m_pressedAfresh.contains(key->key()))
        return false;
    // Accepted as well as kept back: a shortcut override left unaccepted would let the repeat
    // trigger a shortcut of the box, a button's mnemonic say, in place of the key press.
    event->accept();
    return true;
}

} // namespace runtime
