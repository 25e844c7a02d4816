// SPDX-FileCopyrightText: 2026 The Ombrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What assistive technology sees of an entry box: editable text named by its caption, its
// whole text readable, selectable and editable through the accessible text interfaces. The
// text carries no formatting, and says so as one attribute run over all of it: the toolkit's own
// line edit gives an empty run at each offset (seen with Qt 6.4 and 6.8), and a reader joining
// those drops the last character it reads. Asked while the box is being destroyed (the toolkit
// tells a reader of that, and a reader may ask back), it answers as an empty box would and
// changes nothing: the line edit's own parts are gone by then.
#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace runtime
{

class EntryBoxAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit EntryBoxAccessible(QLineEdit *box);

    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QLineEdit *box() const;
    // What the box shows; nothing once it is being destroyed, when readers may still ask.
    QString boxText() const;
};

} // namespace runtime
