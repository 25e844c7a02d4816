// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An entry box: one line of text the user types. It tells its owner when the user moves the
// focus out of it, and only then: losing the focus because the window lost activation (to a
// message box or another program) or to a popup is not the user leaving the box. Text dropped
// into it gives it the focus, so that leaving it afterwards is leaving it as after typing.
// Shift+F10 opens its context menu, as the Menu key does.
#pragma once

#include <QLineEdit>

namespace runtime
{

class EntryBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit EntryBox(const QString &initialText, QWidget *parent = nullptr);

Q_SIGNALS:
    void leftByUser();

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

// The box's current text, copied out.
QString ReadText(const EntryBox &box);

// Moves the input focus to the box, as the program's own doing, with its entry selected whole as
// Tab leaves it: what the user types next replaces the entry. The text itself is not touched.
void GiveFocus(EntryBox &box);

} // namespace runtime
