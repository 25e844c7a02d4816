// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "messageboxwatcher.h"
#include "windowtest.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_Look : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void followsThePalette_data();
    void followsThePalette();
    void focusedResultBoxIsMarked_data();
    void focusedResultBoxIsMarked();
    void crispAtEveryScale();
    void captionsFitClearOfTheirBoxes_data();
    void captionsFitClearOfTheirBoxes();
    void plainUprightFace();
    void widestPaymentShowsWhole_data();
    void widestPaymentShowsWhole();
};

namespace
{
QPalette paletteOf(const QColor &window, const QColor &windowText, const QColor &base,
                   const QColor &text)
{
    QPalette palette = QApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, window);
        palette.setColor(group, QPalette::WindowText, windowText);
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Text, text);
    }
    return palette;
}

// The window as the screen shows it, in logical pixels.
QImage rendering(Form1 &form)
{
    QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image.scaled(form.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// How many pixels of the area are within `tolerance` of the colour, summed over the channels.
int pixelsNear(const QImage &image, const QRect &area, const QColor &colour, int tolerance = 0)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += qAbs(pixel.red() - colour.red()) + qAbs(pixel.green() - colour.green()) +
                         qAbs(pixel.blue() - colour.blue()) <=
                     tolerance;
        }
    }
    return count;
}
} // namespace

void tst_Look::followsThePalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("dark") << paletteOf(QColor(0x20, 0x24, 0x28), QColor(0xe0, 0xd8, 0xc8),
                                       QColor(0x10, 0x14, 0x18), QColor(0xf0, 0xe0, 0x40));
    QTest::newRow("light") << paletteOf(QColor(0xf0, 0xf0, 0xe8), QColor(0x30, 0x10, 0x60),
                                        QColor(0xff, 0xff, 0xf8), QColor(0x00, 0x40, 0x20));
}

void tst_Look::followsThePalette()
{
    QFETCH(QPalette, palette);
    Form1 form(unitedStates());
    form.setPalette(palette);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = rendering(form);

    // The rule is drawn all along in the window's text colour.
    const QRect rule = form.Line1->geometry();
    QCOMPARE(pixelsNear(image, rule, palette.color(QPalette::WindowText)),
             rule.width() * rule.height());

    // The result box is filled with the base colour and its payment written in the text colour.
    const QRect inside = form.Picture1->geometry().adjusted(2, 2, -2, -2);
    QVERIFY(pixelsNear(image, inside, palette.color(QPalette::Base)) > inside.width() * 8);
    QVERIFY2(pixelsNear(image, inside, palette.color(QPalette::Text), 39) > 0,
             "no pixel of the payment in the text colour");
    // Nothing in the box is left black or white from a fixed colour scheme.
    QCOMPARE(pixelsNear(image, inside, Qt::black), 0);
    QCOMPARE(pixelsNear(image, inside, Qt::white), 0);
}

void tst_Look::focusedResultBoxIsMarked_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("toolkit's") << QApplication::palette();
    QTest::newRow("dark") << paletteOf(QColor(0x20, 0x24, 0x28), QColor(0xe0, 0xd8, 0xc8),
                                       QColor(0x10, 0x14, 0x18), QColor(0xf0, 0xe0, 0x40));
    QTest::newRow("light") << paletteOf(QColor(0xf0, 0xf0, 0xe8), QColor(0x30, 0x10, 0x60),
                                        QColor(0xff, 0xff, 0xf8), QColor(0x00, 0x40, 0x20));
}

void tst_Look::focusedResultBoxIsMarked()
{
    QFETCH(QPalette, palette);
    Form1 form(unitedStates());
    form.setPalette(palette);
    QVERIFY(showActive(form));
    const QImage unfocused = form.Picture1->grab().toImage();
    form.Picture1->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), form.Picture1);
    const QImage focused = form.Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);

    // The box's edge, two pixels deep, stands out at least 3:1 from the box's fill and from the
    // window around it, all the way round, as the entry boxes' focus frame does.
    const QColor base = palette.color(QPalette::Base);
    const QColor window = palette.color(QPalette::Window);
    const int w = focused.width();
    const int h = focused.height();
    QStringList faint;
    for (int depth = 0; depth < 2; ++depth) {
        QList<QPoint> edge;
        for (int x = depth; x < w - depth; ++x)
            edge << QPoint(x, depth) << QPoint(x, h - 1 - depth);
        for (int y = depth; y < h - depth; ++y)
            edge << QPoint(depth, y) << QPoint(w - 1 - depth, y);
        for (const QPoint &p : std::as_const(edge)) {
            const QColor pixel = focused.pixelColor(p);
            if (runtime::ContrastRatio(pixel, base) < 3 ||
                runtime::ContrastRatio(pixel, window) < 3)
                faint.append(QStringLiteral("(%1,%2) %3").arg(p.x()).arg(p.y()).arg(pixel.name()));
        }
    }
    QVERIFY2(faint.isEmpty(), qPrintable(faint.mid(0, 5).join(QLatin1String(", "))));
    // The mark goes with the focus.
    form.Command1->setFocus(Qt::TabFocusReason);
    QCOMPARE(form.Picture1->grab().toImage(), unfocused);
}

void tst_Look::crispAtEveryScale()
{
    // Whatever the scale the test runs at, the rule is one logical pixel of solid colour,
    // not smeared over two rows, and the window keeps its logical size.
    Form1 form(unitedStates());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = image.devicePixelRatio();
    const QRect rule = form.Line1->geometry();
    const QColor ink = form.palette().color(QPalette::WindowText);
    const int top = qFloor(rule.top() * ratio);
    const int bottom = qCeil((rule.bottom() + 1) * ratio) - 1;
    const int x = qRound(rule.center().x() * ratio);
    int inked = 0;
    for (int y = top - 1; y <= bottom + 1; ++y)
        inked += image.pixelColor(x, y) == ink;
    QVERIFY2(inked >= qFloor(ratio), qPrintable(QString::number(inked)));
    QVERIFY2(inked <= qCeil(ratio), qPrintable(QString::number(inked)));
}

void tst_Look::captionsFitClearOfTheirBoxes_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("amount") << u"Label1"_s;
    QTest::newRow("rate") << u"Label2"_s;
    QTest::newRow("months") << u"Label3"_s;
    QTest::newRow("result") << u"Label4"_s;
}

void tst_Look::captionsFitClearOfTheirBoxes()
{
    // Under whatever fonts the system has (CTest runs this under several font sets alone).
    QFETCH(QString, caption);
    Form1 form(unitedStates());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto *label = form.findChild<QLabel *>(caption);
    QVERIFY(label);
    const QString text = label->text();

    // Whole: the label does not cut it.
    const QFontMetrics metrics(label->font());
    QVERIFY2(metrics.horizontalAdvance(text) <= label->contentsRect().width(),
             qPrintable(u"%1 px for %2 px in %3"_s.arg(metrics.horizontalAdvance(text))
                            .arg(label->contentsRect().width())
                            .arg(QFontInfo(label->font()).family())));

    // Clear of its box: at least two pixels of the window's own colour between the caption's
    // last inked pixel and the box, as drawn.
    const QImage image = rendering(form);
    const QColor window = form.palette().color(QPalette::Window);
    const QRect row = label->geometry();
    const int boxLeft = label->buddy()->x();
    int lastInk = -1;
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = row.left(); x < boxLeft; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - window.red()) + qAbs(pixel.green() - window.green()) +
                    qAbs(pixel.blue() - window.blue()) >
                24)
                lastInk = qMax(lastInk, x);
        }
    }
    QVERIFY2(lastInk >= row.left(), "no caption drawn");
    QVERIFY2(boxLeft - 1 - lastInk >= 2,
             qPrintable(u"%1 px between \"%2\" and its box in %3"_s.arg(boxLeft - 1 - lastInk)
                            .arg(text, QFontInfo(label->font()).family())));
}

void tst_Look::plainUprightFace()
{
    // Never an oblique or narrow stand-in, and never so small it cannot be read.
    Form1 form(unitedStates());
    const QFontInfo info(form.font());
    qInfo("window font: %s %s, %d px", qPrintable(info.family()), qPrintable(info.styleName()),
          info.pixelSize());
    QCOMPARE(info.style(), QFont::StyleNormal);
    QVERIFY2(info.pixelSize() >= 8, qPrintable(QString::number(info.pixelSize())));
    QVERIFY2(QFontMetricsF(form.font()).horizontalAdvance(u'n') >= 0.5 * info.pixelSize(),
             qPrintable(info.family()));
    // The button's caption fits it too.
    QVERIFY(QFontMetrics(form.Command1->font()).horizontalAdvance(form.Command1->text()) <
            form.Command1->width() - 8);
    // The face the window asks for, wherever the system has it.
    if (QFontDatabase::hasFamily(u"DejaVu Sans"_s))
        QCOMPARE(info.family(), u"DejaVu Sans"_s);
}

void tst_Look::widestPaymentShowsWhole_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *name : {"en_US", "de_DE", "fr_FR", "ja_JP", "en_IN", "ar_EG", "he_IL", "de_CH",
                             "pt_BR", "ru_RU", "hi_IN", "zh_CN", "sv_SE"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_Look::widestPaymentShowsWhole()
{
    // The largest amount at the highest rate over the fewest months: no payment within the
    // bounds is wider.
    QFETCH(QString, locale);
    MessageBoxWatcher watcher;
    Form1 form{QLocale(locale)};
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Text1->setText(u"1000000"_s);
    form.Text2->setText(u"0.25"_s);
    form.Text3->setText(u"1"_s);
    form.Command1->click();
    QCOMPARE(watcher.count(), 0);
    QCOMPARE(form.Picture1->lines().size(), 1);
    const QString payment = form.Picture1->lines().constFirst();
    QCOMPARE(form.Picture1->paintedLine(0), payment);
    const int width = QFontMetrics(form.Picture1->lineFont(0)).horizontalAdvance(payment);
    QVERIFY2(width <= form.Picture1->lineRect(0).width(), qPrintable(payment));
    QVERIFY(form.Picture1->toolTip().isEmpty());
}

QTEST_MAIN(tst_Look)
#include "tst_look.moc"
