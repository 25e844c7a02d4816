// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology sees of a result box: read-only text named by its caption (the label
// whose buddy it is), whose text and value are the printed lines joined by line
// feeds, readable through the accessible Text interface, so a screen reader can read the
// payment. Once a reader has asked for a box, it is told of every change of the box's text,
// and each new text is announced to it, caption first, which a reader speaks even while the
// focus is elsewhere, on the button that printed it. Asked while the box is being destroyed (the
// toolkit tells a reader of that, and a reader may ask back), it answers as an empty box would:
// the box's own lines are gone by then.
#pragma once

#include <QAccessibleWidget>
#include <QtGlobal>

// Qt 6.8 brought an accessible announcement of its own (QAccessibleAnnouncementEvent). Older Qt
// has none: there the news is shown as a notification, the box's one accessible child, which a
// reader speaks as it appears (seen with Qt 6.4 and Orca 43).
#define LOAN_ACCESSIBLE_ANNOUNCEMENT (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))

namespace runtime
{

class ResultBox;

class ResultBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ResultBoxAccessible(ResultBox *box);
    ~ResultBoxAccessible() override;

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface: the box has no caret and no selection.
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

private:
    ResultBox *box() const;
    // What the box shows; nothing once it is being destroyed, when readers may still ask.
    QString boxText() const;
    void announceChange();

    // What the reader was last told the box holds.
    QString m_announcedText;
#if !LOAN_ACCESSIBLE_ANNOUNCEMENT
    // Stands for the notification; owned by the box, so it goes with it.
    QObject *m_notice;
#endif
    QMetaObject::Connection m_changes;
};

} // namespace runtime
