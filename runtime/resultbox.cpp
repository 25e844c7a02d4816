// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultbox.h"

#include "contextmenukey.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

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
    OpenContextMenuByShiftF10(*this);

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

QFont ResultBox::minimumFont() const
{
    // Two thirds of the window's size, and never below 8 pixels: at that size the digits of
    // the window's sans-serif font are still distinct at an ordinary screen's resolution (3, 8
    // and 6 do not merge), and a payment of thirteen digits with its cents fits the box whole.
    const int normal = QFontInfo(font()).pixelSize();
    QFont smallest = font();
    smallest.setPixelSize(qMin(normal, qMax(8, (normal * 2 + 2) / 3)));
    return smallest;
}

QFont ResultBox::lineFont(qsizetype index) const
{
    const QString &line = m_lines.at(index);
    const int width = lineRect(index).width();
    if (fontMetrics().horizontalAdvance(line) <= width)
        return font();
    const int smallest = QFontInfo(minimumFont()).pixelSize();
    QFont shrunk = font();
    for (int size = QFontInfo(font()).pixelSize() - 1; size > smallest; --size) {
        shrunk.setPixelSize(size);
        if (QFontMetrics(shrunk).horizontalAdvance(line) <= width)
            return shrunk;
    }
    return minimumFont();
}

QString ResultBox::paintedLine(qsizetype index) const
{
    return QFontMetrics(lineFont(index))
        .elidedText(m_lines.at(index), Qt::ElideRight, lineRect(index).width());
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
    updateToolTip();
    update();
    Q_EMIT contentsChanged();
}

void ResultBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        painter.setFont(lineFont(i));
        painter.drawText(lineRect(i), Qt::AlignLeft | Qt::AlignVCenter, paintedLine(i));
    }
    if (hasFocus()) {
        // Marked whenever it has the focus, however it got it, as the entry boxes are, and as
        // plainly: a solid frame two pixels wide over the box's own, clear of the text. The
        // style's focus rectangle is a faint tint, lost in a dark palette.
        const QColor colour =
            FocusFrameColour(palette().color(QPalette::Highlight),
                             palette().color(backgroundRole()), palette().color(QPalette::Window));
        const QRect r = rect();
        constexpr int width = 2;
        painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
        painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
    }
}

void ResultBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    updateToolTip();
}

void ResultBox::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateToolTip();
}

void ResultBox::keyPressEvent(QKeyEvent *event)
{
    // As a push button takes them; with a modifier they are someone else's shortcut.
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        !(event->modifiers() & ~Qt::KeypadModifier) && !event->isAutoRepeat()) {
        Q_EMIT activated();
        return;
    }
    QFrame::keyPressEvent(event);
}

void ResultBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        Q_EMIT activated();
        return;
    }
    QFrame::mouseDoubleClickEvent(event);
}

void ResultBox::updateToolTip()
{
    // Only a cut line needs it: a tooltip repeating what is in plain view is noise.
    bool anyCut = false;
    for (qsizetype i = 0; i < m_lines.size() && !anyCut; ++i)
        anyCut = paintedLine(i) != m_lines.at(i);
    setToolTip(anyCut ? text() : QString());
}

namespace
{
double relativeLuminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}
} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor FocusFrameColour(const QColor &highlight, const QColor &box, const QColor &window)
{
    constexpr double enough = 3.0;
    const auto weakest = [&](const QColor &colour) {
        return qMin(ContrastRatio(colour, box), ContrastRatio(colour, window));
    };
    if (weakest(highlight) >= enough)
        return highlight;
    // The least change of lightness that is enough, darker or lighter; the hue stays.
    const QColor hsl = highlight.toHsl();
    QColor best = highlight;
    for (int step = 1; step <= 255; ++step) {
        for (const int lightness : {hsl.lightness() - step, hsl.lightness() + step}) {
            if (lightness < 0 || lightness > 255)
                continue;
            const QColor candidate =
                QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb();
            if (weakest(candidate) >= enough)
                return candidate;
            if (weakest(candidate) > weakest(best))
                best = candidate;
        }
    }
    return best;
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
