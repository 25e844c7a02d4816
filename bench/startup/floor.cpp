// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit floor of the start-up benchmark: a bare Qt Widgets window with the controls of the
// program's window (three line edits, four labels, a push button, a plain line and a painted
// result box showing a fixed text), at the same size and with the same font, and nothing else:
// no locale, no conversions, no handlers. Whatever the program takes beyond this window to start
// is the program's own cost.
//
// A window of fixed geometry has to measure its captions to choose its type, and the toolkit
// loads a face at every width it is measured in: the floor measures them as the program does,
// at the face's own width and then semi-condensed, so that this cost counts on both sides.
#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace
{

// A frame that paints one fixed line of text, as the program's result box paints the payment.
class TextBox : public QFrame
{
public:
    explicit TextBox(QWidget *parent) : QFrame(parent)
    {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.drawText(contentsRect().adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("$3,872.06"));
    }
};

// DejaVu Sans at 11 pixels, at the face's own width where every caption fits, else
// semi-condensed.
QFont captionFont(const QList<std::pair<QString, int>> &rooms)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    for (const int stretch : {int(QFont::Unstretched), int(QFont::SemiCondensed)}) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        const auto fits = [&metrics](const std::pair<QString, int> &room) {
            return std::max(metrics.horizontalAdvance(room.first),
                            metrics.boundingRect(room.first).right() + 1) <= room.second;
        };
        if (std::all_of(rooms.begin(), rooms.end(), fits))
            break;
    }
    return font;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Start-up floor"));
    // The program's captions and their rooms (window/form1.cpp): up to the label's right edge and
    // 2 pixels short of its box; the button's text inside 6 pixels of padding each side. With
    // DejaVu Sans they take semi-condensed type, as the program's window does.
    window.setFont(captionFont({{QStringLiteral("Amount of Loan"), 81},
                                {QStringLiteral("Annual Interest Rate"), 105},
                                {QStringLiteral("Length of Loan (in months)"), 134},
                                {QStringLiteral("Your monthly payment is"), 129},
                                {QStringLiteral("Calculate"), 69}}));
    // The geometry of the program's window (window/layout.h) in pixels: 293 x 173.
    window.setFixedSize(293, 173);
    (new QLineEdit(QStringLiteral("120000"), &window))->setGeometry(160, 8, 105, 19);
    (new QLineEdit(QStringLiteral("0.10"), &window))->setGeometry(160, 32, 105, 19);
    (new QLineEdit(QStringLiteral("36"), &window))->setGeometry(160, 56, 105, 19);
    (new QLabel(QStringLiteral("Amount of Loan"), &window))->setGeometry(24, 8, 81, 17);
    (new QLabel(QStringLiteral("Annual Interest Rate"), &window))->setGeometry(24, 32, 105, 17);
    (new QLabel(QStringLiteral("Length of Loan (in months)"), &window))
        ->setGeometry(24, 56, 137, 17);
    (new QLabel(QStringLiteral("Your monthly payment is"), &window))->setGeometry(24, 144, 129, 17);
    (new QPushButton(QStringLiteral("Calculate"), &window))->setGeometry(96, 96, 81, 25);
    auto *line = new QFrame(&window);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(24, 88, 240, 1);
    (new TextBox(&window))->setGeometry(160, 144, 105, 17);
    window.show();
    return application.exec();
}
