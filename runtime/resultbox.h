// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The result box: a field the program prints lines of text into. It keeps what was printed
// (the lines, and with them the print position, which is the next line) and paints it on
// every repaint, so text printed while the window is hidden shows once the window is shown.
// Assistive technology reads the same lines (see resultboxaccessible.h). The standard copy
// shortcut in the focused box, and Copy in its context menu, put those lines on the clipboard;
// nothing can be typed into it. A line wider than the box is painted in a smaller font, down to
// a size still comfortable to read; only a line too wide even then is cut short, visibly, with
// an ellipsis, and the whole text is then the box's tooltip. With the focus it is framed in the
// highlight colour, as clearly as an entry box. Enter or Space in the focused box, and a double
// click on it, activate it: what that does is its window's.
#pragma once

#include <QColor>
#include <QFrame>
#include <QStringList>

namespace runtime
{

class ResultBox : public QFrame
{
    Q_OBJECT
public:
    explicit ResultBox(QWidget *parent = nullptr);

    const QStringList &lines() const { return m_lines; }
    // The printed lines joined by line feeds: what a screen reader reads.
    QString text() const;
    // Where line `index` is painted, in the box's coordinates.
    QRect lineRect(qsizetype index) const;
    // The font line `index` is painted in: the box's own where the line fits, else the largest
    // smaller one it fits in, but never below minimumFont().
    QFont lineFont(qsizetype index) const;
    // Line `index` as painted: whole, or elided with an ellipsis where it is too wide even in
    // the smallest font.
    QString paintedLine(qsizetype index) const;
    // The smallest font a line shrinks to.
    QFont minimumFont() const;
    void clear();
    void print(const QString &line);

Q_SIGNALS:
    void contentsChanged();
    void activated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void changeLines(QStringList lines);
    void updateToolTip();

    QStringList m_lines;
};

// How far apart two colours are to the eye: the ratio of their relative luminances (each plus
// 0.05), from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);

// The colour the focused box is framed in: the palette's highlight, darkened or lightened only
// as far as it takes to stand out at least 3:1 from both the box's fill and the window around
// it (or as far as those two allow, where no colour does).
QColor FocusFrameColour(const QColor &highlight, const QColor &box, const QColor &window);

// Erases the box; the print position goes back to the top-left corner.
void ClearBox(ResultBox &box);

// Writes the text as one line at the print position.
void PrintInBox(ResultBox &box, const QString &text);

} // namespace runtime
