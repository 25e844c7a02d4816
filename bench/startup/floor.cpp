// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit floor of the start-up benchmark: a bare Qt Widgets window with the controls of the
// program's window (three line edits, four labels, a push button, a plain line and a painted
// result box showing a fixed text), at the same size and with the same font, and nothing else:
// no locale, no conversions, no handlers. Whatever the program takes beyond this window to start
// is the program's own cost.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Start-up floor"));
    // The font set-up of the program's window (window/form1.cpp).
    QFont windowFont(QStringLiteral("DejaVu Sans"));
    windowFont.setPixelSize(11);
    windowFont.setStretch(QFont::SemiCondensed);
    window.setFont(windowFont);
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
