#include "messageboxwatcher.h"
#include "resultbox.h"
#include "windowtest.h"

#include <QTest>

using namespace runtime;

class tst_ResultBox : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void printedWhileHiddenShowsAndRepaints();
    void clearErasesAndResetsThePrintPosition();
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
    PrintInBox(box, u"$3,872.06"_qs);
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
    PrintInBox(box, u"first"_qs);
    const QImage firstLineOnly = box.grab().toImage();
    PrintInBox(box, u"second"_qs);
    ClearBox(box);
    QVERIFY(box.lines().isEmpty());
    QCOMPARE(box.grab().toImage(), blankRendering(box.size()));
    // Printing after a clear starts again at the top.
    PrintInBox(box, u"first"_qs);
    QCOMPARE(box.grab().toImage(), firstLineOnly);
}

QTEST_MAIN(tst_ResultBox)
#include "tst_resultbox.moc"
