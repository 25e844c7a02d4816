// SPDX-FileCopyrightText: 2026 The Ombrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entryboxaccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace runtime
{

EntryBoxAccessible::EntryBoxAccessible(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QLineEdit *EntryBoxAccessible::box() const
{
    return static_cast<QLineEdit *>(widget());
}

QString EntryBoxAccessible::boxText() const
{
    return isValid() ? box()->text() : QString();
}

QString EntryBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return boxText();
    // The name comes from the caption whose buddy the box is.
    return QAccessibleWidget::text(t);
}

void EntryBoxAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value)
        QAccessibleWidget::setText(t, text);
    else if (isValid())
        box()->setText(text);
}

QAccessible::State EntryBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (!isValid())
        return state;
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    return state;
}

void *EntryBoxAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void EntryBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
    if (selectionIndex != 0 || !isValid() || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int EntryBoxAccessible::selectionCount() const
{
    return isValid() && box()->hasSelectedText() ? 1 : 0;
}

void EntryBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void EntryBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0 && isValid())
        box()->deselect();
}

void EntryBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0 && isValid())
        box()->setSelection(startOffset, endOffset - startOffset);
}

int EntryBoxAccessible::cursorPosition() const
{
    return isValid() ? box()->cursorPosition() : 0;
}

void EntryBoxAccessible::setCursorPosition(int position)
{
    if (isValid())
        box()->setCursorPosition(position);
}

QString EntryBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString all = boxText();
    const qsizetype start = qBound(qsizetype(0), qsizetype(startOffset), all.size());
    // -1 asks for everything up to the end.
    const qsizetype end =
        endOffset < 0 ? all.size() : qBound(start, qsizetype(endOffset), all.size());
    return all.mid(start, end - start);
}

int EntryBoxAccessible::characterCount() const
{
    return int(boxText().size());
}

QRect EntryBoxAccessible::characterRect(int offset) const
{
    const QString all = boxText();
    if (offset < 0 || offset >= all.size())
        return QRect();
    // Measured from the caret, which is where the box has scrolled its text to.
    const QFontMetrics metrics = box()->fontMetrics();
    const int caretX = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    const int caret = box()->cursorPosition();
    const int left = caretX + metrics.horizontalAdvance(all.left(offset)) -
                     metrics.horizontalAdvance(all.left(caret));
    const QRect local(left, (box()->height() - metrics.height()) / 2,
                      metrics.horizontalAdvance(all.at(offset)), metrics.height());
    return QRect(box()->mapToGlobal(local.topLeft()), local.size());
}

int EntryBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    if (!isValid())
        return -1;
    const QPoint local = box()->mapFromGlobal(point);
    if (!box()->rect().contains(local))
        return -1;
    return box()->cursorPositionAt(local);
}

void EntryBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    if (!isValid())
        return;
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString EntryBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // Plain text: one run, holding every character, with no attributes.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void EntryBoxAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void EntryBoxAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void EntryBoxAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (!isValid() || box()->isReadOnly())
        return;
    const QString all = box()->text();
    const qsizetype start = qBound(qsizetype(0), qsizetype(startOffset), all.size());
    const qsizetype end = qBound(start, qsizetype(endOffset), all.size());
    box()->setText(QString(all).replace(start, end - start, text));
}

} // namespace runtime
