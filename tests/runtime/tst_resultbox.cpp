// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messageboxwatcher.h"
#include "resultbox.h"
#include "windowtest.h"

#include <QApplication>

#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

using namespace runtime;
using namespace Qt::StringLiterals;

class tst_ResultBox : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void printedWhileHiddenShowsAndRepaints();
    void clearErasesAndResetsThePrintPosition();
    void copiesWhatIsPrinted_data();
    void copiesWhatIsPrinted();
    void wideLinesShrinkThenElide_data();
    void wideLinesShrinkThenElide();
    void shrinksToTheLargestSizeThatFits_data();
    void shrinksToTheLargestSizeThatFits();
    void contrastRatio_data();
    void contrastRatio();
    void focusFrameStandsOut_data();
    void focusFrameStandsOut();
};

namespace
{
// A box of the same size that nothing has been printed into.
QImage blankRendering(const QSize &size)
{
    ResultBox blank;
    blank.resize(size);
    return blank.grab().toImage();
}
} // namespace

void tst_ResultBox::printedWhileHiddenShowsAndRepaints()
{
    ResultBox box;
    // Alone in its window the box takes the focus once activated, and its focus mark with it;
    // only the printed text matters here.
    box.setFocusPolicy(Qt::NoFocus);
    box.resize(105, 17);
    PrintInBox(box, u"$3,872.06"_s);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage before = box.grab().toImage();
    QVERIFY(before != blankRendering(box.size()));
    // Covered and shown again, it draws the same.
    box.hide();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.repaint();
    QCOMPARE(box.grab().toImage(), before);
}

void tst_ResultBox::clearErasesAndResetsThePrintPosition()
{
    ResultBox box;
    box.resize(105, 40);
    PrintInBox(box, u"first"_s);
    const QImage firstLineOnly = box.grab().toImage();
    PrintInBox(box, u"second"_s);
    ClearBox(box);
    QVERIFY(box.lines().isEmpty());
    QCOMPARE(box.grab().toImage(), blankRendering(box.size()));
    // Printing after a clear starts again at the top.
    PrintInBox(box, u"first"_s);
    QCOMPARE(box.grab().toImage(), firstLineOnly);
}

void tst_ResultBox::copiesWhatIsPrinted_data()
{
    QTest::addColumn<QKeySequence>("keys");
    // Every copy shortcut of the platform, and the context menu (no keys).
    for (const QKeySequence &keys : QKeySequence::keyBindings(QKeySequence::Copy))
        QTest::newRow(qPrintable(keys.toString())) << keys;
    QTest::newRow("context menu") << QKeySequence();
}

void tst_ResultBox::copiesWhatIsPrinted()
{
    QFETCH(QKeySequence, keys);
    ResultBox box;
    box.resize(105, 17);
    PrintInBox(box, u"$3,872.06"_s);
    QVERIFY(showActive(box));
    box.setFocus(Qt::TabFocusReason);
    QGuiApplication::clipboard()->setText(u"before"_s);

    QStringList menuItems;
    if (keys.isEmpty()) {
        // The menu is chosen from with the keyboard once it shows, as a user would; should it
        // not close by then, it is closed, so the test never waits on it.
        QTimer pick;
        connect(&pick, &QTimer::timeout, &box, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            pick.stop();
            for (const QAction *action : menu->actions())
                menuItems.append(action->text());
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
            if (menu->isVisible())
                menu->close();
        });
        pick.start(0);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, box.rect().center(),
                                  box.mapToGlobal(box.rect().center()));
        QApplication::sendEvent(&box, &request);
        QCOMPARE(menuItems, QStringList{u"&Copy"_s});
    } else {
        QTest::keySequence(&box, keys);
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), u"$3,872.06"_s);
    // Copying leaves the box as it was.
    QCOMPARE(box.lines(), QStringList{u"$3,872.06"_s});
    box.close();
}

void tst_ResultBox::wideLinesShrinkThenElide_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("shrunk");
    QTest::addColumn<bool>("elided");

    QTest::newRow("payment") << u"$3,872.06"_s << false << false;
    QTest::newRow("huge payment") << u"$1,204,993,092,846.76"_s << true << false;
    QTest::newRow("absurd") << u"$1,204,993,092,846,123,456,789,012,345,678.76"_s << true << true;
}

void tst_ResultBox::wideLinesShrinkThenElide()
{
    QFETCH(QString, line);
    QFETCH(bool, shrunk);
    QFETCH(bool, elided);

    // The size of the window's result box.
    ResultBox box;
    box.resize(105, 17);
    PrintInBox(box, line);
    const QFont painted = box.lineFont(0);
    const int normalSize = QFontInfo(box.font()).pixelSize();
    const int paintedSize = QFontInfo(painted).pixelSize();
    QCOMPARE(paintedSize < normalSize, shrunk);
    QVERIFY(paintedSize >= QFontInfo(box.minimumFont()).pixelSize());
    QVERIFY(QFontInfo(box.minimumFont()).pixelSize() >= 8);

    const QString shown = box.paintedLine(0);
    QVERIFY(QFontMetrics(painted).horizontalAdvance(shown) <= box.lineRect(0).width());
    if (elided) {
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QCOMPARE(box.toolTip(), line);
    } else {
        QCOMPARE(shown, line);
        QVERIFY(box.toolTip().isEmpty());
    }
    // However it is painted, what is read out and copied is the whole line.
    QCOMPARE(box.text(), line);

    // The row is what it claims: a shrunk line would not have fitted in the box's own font.
    const int ownWidth = QFontMetrics(box.font()).horizontalAdvance(line);
    QCOMPARE(ownWidth > box.lineRect(0).width(), shrunk);
}

void tst_ResultBox::shrinksToTheLargestSizeThatFits_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("payment") << QStringLiteral("$3,872.06");
    QTest::newRow("huge payment") << QStringLiteral("$1,204,993,092,846.76");
}

// Narrowed a pixel at a time, the box paints the line in the largest size it fits in, from its
// own down to the smallest; every size in between is picked at some width.
void tst_ResultBox::shrinksToTheLargestSizeThatFits()
{
    QFETCH(QString, line);
    ResultBox box;
    PrintInBox(box, line);
    const int normal = QFontInfo(box.font()).pixelSize();
    const int smallest = QFontInfo(box.minimumFont()).pixelSize();
    QVERIFY(smallest < normal - 2);
    const auto widthIn = [&](int pixelSize) {
        QFont font = box.font();
        font.setPixelSize(pixelSize);
        return QFontMetrics(font).horizontalAdvance(line);
    };

    QSet<int> picked;
    for (int width = widthIn(normal) + 10; width > 0 && !picked.contains(smallest); --width) {
        box.resize(width, 17);
        int expected = smallest;
        for (int size = normal; size > smallest; --size) {
            if (widthIn(size) <= box.lineRect(0).width()) {
                expected = size;
                break;
            }
        }
        const int paintedSize = QFontInfo(box.lineFont(0)).pixelSize();
        QVERIFY2(paintedSize == expected,
                 qPrintable(QStringLiteral("%1 px wide: painted at %2 px, fits at %3 px")
                                .arg(width)
                                .arg(paintedSize)
                                .arg(expected)));
        picked.insert(paintedSize);
    }
    QCOMPARE(picked.size(), normal - smallest + 1);
}

void tst_ResultBox::contrastRatio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same") << QColor(0x30, 0x8c, 0xc6) << QColor(0x30, 0x8c, 0xc6) << 1.0;
    // The grey that just passes for body text on white.
    QTest::newRow("grey on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
    QTest::newRow("order free") << QColor(Qt::white) << QColor(0x76, 0x76, 0x76) << 4.54;
}

void tst_ResultBox::contrastRatio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(ContrastRatio(a, b) - ratio) < 0.01,
             qPrintable(QString::number(ContrastRatio(a, b))));
}

void tst_ResultBox::focusFrameStandsOut_data()
{
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("box");
    QTest::addColumn<QColor>("window");
    QTest::addColumn<bool>("kept");
    // The toolkit's own light palette: its highlight is already clear enough.
    QTest::newRow("light") << QColor(0x30, 0x8c, 0xc6) << QColor(Qt::white)
                           << QColor(0xef, 0xef, 0xef) << true;
    QTest::newRow("dark") << QColor(0x30, 0x8c, 0xc6) << QColor(0x10, 0x14, 0x18)
                          << QColor(0x20, 0x24, 0x28) << true;
    QTest::newRow("pale highlight")
        << QColor(0xa0, 0xc8, 0xf0) << QColor(Qt::white) << QColor(0xf0, 0xf0, 0xf0) << false;
    QTest::newRow("dim highlight") << QColor(0x2a, 0x3a, 0x50) << QColor(0x10, 0x14, 0x18)
                                   << QColor(0x20, 0x24, 0x28) << false;
    QTest::newRow("light box, dark window")
        << QColor(0x10, 0x30, 0x60) << QColor(Qt::white) << QColor(Qt::black) << false;
}

void tst_ResultBox::focusFrameStandsOut()
{
    QFETCH(QColor, highlight);
    QFETCH(QColor, box);
    QFETCH(QColor, window);
    QFETCH(bool, kept);
    const QColor frame = FocusFrameColour(highlight, box, window);
    QVERIFY2(ContrastRatio(frame, box) >= 3, qPrintable(frame.name()));
    QVERIFY2(ContrastRatio(frame, window) >= 3, qPrintable(frame.name()));
    if (kept) {
        QCOMPARE(frame, highlight);
    } else {
        // Still the highlight's colour, only lighter or darker.
        QVERIFY(frame != highlight);
        QVERIFY2(qAbs(frame.toHsl().hslHue() - highlight.toHsl().hslHue()) <= 2,
                 qPrintable(frame.name()));
    }
}

QTEST_MAIN(tst_ResultBox)
#include "tst_resultbox.moc"
