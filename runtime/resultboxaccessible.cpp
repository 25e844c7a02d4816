// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultboxaccessible.h"

#include "resultbox.h"

#include <QAccessibleObject>
#include <QFontMetrics>

namespace runtime
{

namespace
{
// The line holding `offset` of the joined text, and the offset's column in it.
struct LinePosition {
    qsizetype line;
    qsizetype column;
};

LinePosition positionOf(const QStringList &lines, qsizetype offset)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // A line's own length is where its line feed stands.
        if (offset <= lines[i].size())
            return {i, offset};
        offset -= lines[i].size() + 1;
    }
    return {-1, -1};
}

// What the box last printed, as the reader is told it: the caption and the lines, in one
// sentence.
QString newsOf(const QAccessibleInterface *box, const ResultBox *widget)
{
    const QString caption = box ? box->text(QAccessible::Name) : QString();
    return QStringList{caption, widget->lines().join(QLatin1Char(' '))}.join(QLatin1Char(' '));
}

#if !LOAN_ACCESSIBLE_ANNOUNCEMENT
QString noticeName()
{
    return QStringLiteral("notice");
}

// The news as a notification.
class NoticeAccessible : public QAccessibleObject
{
public:
    NoticeAccessible(QObject *notice, ResultBox *box) : QAccessibleObject(notice), m_box(box) {}

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_box);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QRect rect() const override { return QRect(m_box->mapToGlobal(QPoint(0, 0)), m_box->size()); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? newsOf(parent(), m_box) : QString();
    }

private:
    ResultBox *m_box;
};
#endif

} // namespace

ResultBoxAccessible::ResultBoxAccessible(ResultBox *box)
    : QAccessibleWidget(box, QAccessible::EditableText), m_announcedText(box->text())
{
#if !LOAN_ACCESSIBLE_ANNOUNCEMENT
    // An interface made again for the same box tells of the same notification.
    m_notice = box->findChild<QObject *>(noticeName(), Qt::FindDirectChildrenOnly);
    if (!m_notice) {
        m_notice = new QObject(box);
        m_notice->setObjectName(noticeName());
    }
#endif
    m_changes =
        QObject::connect(box, &ResultBox::contentsChanged, box, [this] { announceChange(); });
}

ResultBoxAccessible::~ResultBoxAccessible()
{
    // Usually the box has gone first, and the connection with it; not when the toolkit drops
    // its interfaces while the widgets live on.
    QObject::disconnect(m_changes);
}

void ResultBoxAccessible::announceChange()
{
    // An interface exists only once something asked for the box, so a program nobody reads
    // never gets here.
    const QString now = box()->text();
    QAccessibleTextUpdateEvent textChanged(box(), 0, m_announcedText, now);
    m_announcedText = now;
    QAccessible::updateAccessibility(&textChanged);
    // Clearing the box before a payment is printed is no news.
    if (now.isEmpty())
        return;
#if LOAN_ACCESSIBLE_ANNOUNCEMENT
    QAccessibleAnnouncementEvent news(box(), newsOf(this, box()));
    QAccessible::updateAccessibility(&news);
#else
    QAccessibleEvent shown(child(0), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

int ResultBoxAccessible::childCount() const
{
    return LOAN_ACCESSIBLE_ANNOUNCEMENT ? 0 : 1;
}

QAccessibleInterface *ResultBoxAccessible::child(int index) const
{
#if LOAN_ACCESSIBLE_ANNOUNCEMENT
    Q_UNUSED(index);
    return nullptr;
#else
    if (index != 0 || !isValid())
        return nullptr;
    if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(m_notice))
        return known;
    auto *notice = new NoticeAccessible(m_notice, box());
    QAccessible::registerAccessibleInterface(notice);
    return notice;
#endif
}

int ResultBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
#if LOAN_ACCESSIBLE_ANNOUNCEMENT
    Q_UNUSED(child);
    return -1;
#else
    return child && child->object() == m_notice ? 0 : -1;
#endif
}

ResultBox *ResultBoxAccessible::box() const
{
    return static_cast<ResultBox *>(widget());
}

QString ResultBoxAccessible::boxText() const
{
    return isValid() ? box()->text() : QString();
}

QString ResultBoxAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Value:
        return boxText();
    default:
        // The name comes from the caption whose buddy the box is.
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State ResultBoxAccessible::state() const
{
    // Text a reader reads out when the box gets the focus (static text it would announce by
    // its name alone), and that the user cannot change.
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.selectableText = true;
    return state;
}

void *ResultBoxAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void ResultBoxAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int ResultBoxAccessible::selectionCount() const
{
    return 0;
}

void ResultBoxAccessible::addSelection(int, int) {}

void ResultBoxAccessible::removeSelection(int) {}

void ResultBoxAccessible::setSelection(int, int, int) {}

int ResultBoxAccessible::cursorPosition() const
{
    return 0;
}

void ResultBoxAccessible::setCursorPosition(int) {}

QString ResultBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString all = boxText();
    const qsizetype start = qBound(qsizetype(0), qsizetype(startOffset), all.size());
    // -1 asks for everything up to the end.
    const qsizetype end =
        endOffset < 0 ? all.size() : qBound(start, qsizetype(endOffset), all.size());
    return all.mid(start, end - start);
}

int ResultBoxAccessible::characterCount() const
{
    return int(boxText().size());
}

QRect ResultBoxAccessible::characterRect(int offset) const
{
    if (!isValid())
        return QRect();
    const QStringList &lines = box()->lines();
    const LinePosition at = positionOf(lines, offset);
    if (offset < 0 || at.line < 0)
        return QRect();
    const QString &line = lines[at.line];
    // Measured in the font the line is painted in, which is smaller for a long line.
    const QFontMetrics metrics(box()->lineFont(at.line));
    const QRect lineRect = box()->lineRect(at.line);
    const int left = lineRect.left() + metrics.horizontalAdvance(line.left(at.column));
    const int width = at.column < line.size() ? metrics.horizontalAdvance(line.at(at.column)) : 0;
    const QRect local(left, lineRect.top(), width, lineRect.height());
    return QRect(box()->mapToGlobal(local.topLeft()), local.size());
}

int ResultBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    if (!isValid())
        return -1;
    const QPoint local = box()->mapFromGlobal(point);
    const QStringList &lines = box()->lines();
    int lineStart = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QFontMetrics metrics(box()->lineFont(i));
        const QRect lineRect = box()->lineRect(i);
        if (local.y() >= lineRect.top() && local.y() <= lineRect.bottom()) {
            int x = lineRect.left();
            for (qsizetype column = 0; column < lines[i].size(); ++column) {
                const int advance = metrics.horizontalAdvance(lines[i].at(column));
                if (local.x() >= x && local.x() < x + advance)
                    return lineStart + int(column);
                x += advance;
            }
            return -1;
        }
        lineStart += int(lines[i].size()) + 1;
    }
    return -1;
}

void ResultBoxAccessible::scrollToSubstring(int, int) {}

QString ResultBoxAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

} // namespace runtime
