#include "resultbox.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace runtime
{

ResultBox::ResultBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setAutoFillBackground(true);
    // A tab stop like the entry boxes, so keyboard users (and screen readers) can reach it.
    setFocusPolicy(Qt::StrongFocus);

    // A payment is a number people paste elsewhere (a spreadsheet, a message).
    auto *copy = new QAction(QStringLiteral("&Copy"), this);
    copy->setShortcuts(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(text()); });
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString ResultBox::text() const
{
    return m_lines.join(QLatin1Char('\n'));
}

QRect ResultBox::lineRect(qsizetype index) const
{
    const QRect area = contentsRect().adjusted(2, 0, -1, 0);
    const int lineHeight = fontMetrics().height();
    // The first line is centred in a box one line high; later lines follow it downwards.
    const int top = area.top() + qMax(0, (area.height() - lineHeight) / 2);
    return QRect(area.left(), top + int(index) * lineHeight, area.width(), lineHeight);
}

void ResultBox::clear()
{
    changeLines({});
}

void ResultBox::print(const QString &line)
{
    QStringList lines = m_lines;
    lines.append(line);
    changeLines(std::move(lines));
}

void ResultBox::changeLines(QStringList lines)
{
    m_lines = std::move(lines);
    update();
    Q_EMIT contentsChanged();
}

void ResultBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        painter.drawText(lineRect(i), Qt::AlignLeft | Qt::AlignVCenter, m_lines[i]);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        // Marked whenever it has the focus, however it got it, as the entry boxes are.
        option.state |= QStyle::State_KeyboardFocusChange;
        option.rect = contentsRect();
        option.backgroundColor = palette().color(backgroundRole());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ClearBox(ResultBox &box)
{
    box.clear();
}

void PrintInBox(ResultBox &box, const QString &text)
{
    box.print(text);
}

} // namespace runtime
