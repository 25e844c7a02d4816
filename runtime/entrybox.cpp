// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entrybox.h"

#include "contextmenukey.h"

#include <QDropEvent>
#include <QFocusEvent>

namespace runtime
{

EntryBox::EntryBox(const QString &initialText, QWidget *parent) : QLineEdit(initialText, parent)
{
    OpenContextMenuByShiftF10(*this);
}

void EntryBox::focusOutEvent(QFocusEvent *event)
{
    // The base class first, so the box has finished losing the focus when the owner reacts.
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        Q_EMIT leftByUser();
}

void EntryBox::dropEvent(QDropEvent *event)
{
    QLineEdit::dropEvent(event);
    // A drop changes the entry as typing does, but from outside the box (another window, another
    // box): without the focus here, no leaving would ever check what was dropped.
    if (event->isAccepted() && !hasFocus())
        setFocus(Qt::OtherFocusReason);
}

QString ReadText(const EntryBox &box)
{
    return box.text();
}

void GiveFocus(EntryBox &box)
{
    box.setFocus(Qt::OtherFocusReason);
    box.selectAll();
}

} // namespace runtime
