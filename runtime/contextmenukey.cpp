// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contextmenukey.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace runtime
{

namespace
{
class ShiftF10 : public QObject
{
public:
    explicit ShiftF10(QWidget &box) : QObject(&box) { box.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
            return false;
        auto *box = static_cast<QWidget *>(watched);
        // Where the toolkit opens it for the Menu key: at the text cursor of an entry box, in
        // the middle of any other box.
        const QPoint at = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, at, box->mapToGlobal(at),
                                    key->modifiers());
        QCoreApplication::sendEvent(box, &menuEvent);
        return true;
    }
};
} // namespace

void OpenContextMenuByShiftF10(QWidget &box)
{
    new ShiftF10(box);
}

} // namespace runtime
