#include "entrybox.h"

#include <QFocusEvent>

namespace runtime
{

EntryBox::EntryBox(const QString &initialText, QWidget *parent) : QLineEdit(initialText, parent) {}

void EntryBox::focusOutEvent(QFocusEvent *event)
{
    // The base class first, so the box has finished losing the focus when the owner reacts.
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        Q_EMIT leftByUser();
}

QString ReadText(const EntryBox &box)
{
    return box.text();
}

void GiveFocus(EntryBox &box)
{
    box.setFocus(Qt::OtherFocusReason);
}

} // namespace runtime
