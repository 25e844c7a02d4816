// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "messageboxwatcher.h"
#include "programicon.h"
#include "startup.h"
#include "windowtest.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;

class tst_Form1 : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void controls_data();
    void controls();
    void atStart();
    void tabOrder_data();
    void tabOrder();
    void onlyAClickCalculates_data();
    void onlyAClickCalculates();
    void anErrorLeavesTheWindowRunning();
    void closingEndsTheProgram();
    void opensWithTheProgramIcon();
    void takesItsSizeBackAfterMaximising();
};

void tst_Form1::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    // The widest text the control must show whole, where it is not the text shown at start.
    QTest::addColumn<QString>("widest");

    const auto row = [](const QString &name, const QRect &twips, const QString &text,
                        const QString &widest = QString()) {
        QTest::newRow(qPrintable(name)) << name << twips << text << widest;
    };
    row(u"Text1"_s, {2400, 120, 1575, 285}, u"120000"_s, u"1000000.00"_s);
    row(u"Label1"_s, {360, 120, 1215, 255}, u"Amount of Loan"_s);
    row(u"Label2"_s, {360, 480, 1575, 255}, u"Annual Interest Rate"_s);
    row(u"Text2"_s, {2400, 480, 1575, 285}, u"0.10"_s);
    row(u"Text3"_s, {2400, 840, 1575, 285}, u"36"_s, u"360"_s);
    row(u"Label3"_s, {360, 840, 2055, 255}, u"Length of Loan (in months)"_s);
    row(u"Picture1"_s, {2400, 2160, 1575, 255}, QString(), u"$1,000,000.00"_s);
    QTest::newRow("Picture1 in French") << u"Picture1"_s << QRect(2400, 2160, 1575, 255)
                                        << QString() << u"1\u202f000\u202f000,00\u00a0\u20ac"_s;
    row(u"Label4"_s, {360, 2160, 1935, 255}, u"Your monthly payment is"_s);
    row(u"Command1"_s, {1440, 1440, 1215, 375}, u"Calculate"_s);
    row(u"Line1"_s, {360, 1320, 3600, 15}, QString());
}

void tst_Form1::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(QString, widest);
    if (widest.isEmpty())
        widest = text;
    Form1 form(unitedStates());
    QWidget *widget = form.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(widget->property("text").toString(), text);
    if (widest.isEmpty())
        return;
    // The room inside the frame and margins a box draws; a caption has its whole box.
    int room = widget->width();
    if (qobject_cast<QLineEdit *>(widget) || qobject_cast<runtime::ResultBox *>(widget))
        room = widget->contentsRect().width() - 4;
    if (qobject_cast<QPushButton *>(widget))
        room = widget->width() - 8;
    const int needed = widget->fontMetrics().horizontalAdvance(widest);
    QVERIFY2(needed <= room,
             qPrintable(u"%1 needs %2 px, has %3"_s.arg(widest).arg(needed).arg(room)));
    QVERIFY(widget->fontMetrics().height() <= widget->height());
}

void tst_Form1::atStart()
{
    Form1 form(unitedStates());
    QCOMPARE(form.windowTitle(), u"Ombrel - Mortgage Calculator"_s);
    // 4395 x 2595 twips at 15 twips a pixel, and not resizable.
    QCOMPARE(form.size(), QSize(293, 173));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    // Printed during the load, before the window shows.
    QCOMPARE(form.Picture1->lines(), QStringList{u"$3,872.06"_s});
    QVERIFY(showActive(form));
    QCOMPARE(form.Picture1->lines(), QStringList{u"$3,872.06"_s});
    QCOMPARE(QApplication::focusWidget(), form.Text1);
}

void tst_Form1::tabOrder_data()
{
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("tab") << false << QStringList{u"Text2"_s,    u"Text3"_s, u"Picture1"_s,
                                                 u"Command1"_s, u"Text1"_s, u"Text2"_s};
    QTest::newRow("shift tab") << true << QStringList{u"Command1"_s, u"Picture1"_s, u"Text3"_s,
                                                      u"Text2"_s,    u"Text1"_s,    u"Command1"_s};
}

void tst_Form1::tabOrder()
{
    QFETCH(bool, backwards);
    QFETCH(QStringList, order);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    for (const QString &expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(focusName(), expected);
    }
    QCOMPARE(watcher.count(), 0);
}

void tst_Form1::onlyAClickCalculates_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("enter") << int(Qt::Key_Return) << u"$3,872.06"_s;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << u"$3,872.06"_s;
    QTest::newRow("escape") << int(Qt::Key_Escape) << u"$3,872.06"_s;
    // The result box is cleared before each payment: two clicks leave one line.
    QTest::newRow("two clicks") << 0 << u"$32.27"_s;
}

void tst_Form1::onlyAClickCalculates()
{
    QFETCH(int, key);
    QFETCH(QString, shown);
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text1->setText(u"1000"_s);
    if (key != 0) {
        QTest::keyClick(form.Text1, Qt::Key(key));
    } else {
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    }
    QCOMPARE(form.Picture1->lines(), QStringList{shown});
    QVERIFY(!form.Command1->isDefault());
    QVERIFY(form.isVisible());
}

void tst_Form1::anErrorLeavesTheWindowRunning()
{
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text2->setText(u"abc"_s);
    form.Command1->click();
    QCOMPARE(watcher.count(), 1);
    QVERIFY(watcher.lastText().startsWith(
        u"\u200E\u201C\u2068abc\u2069\u201D in the Annual Interest Rate is not a number"_s));
    QCOMPARE(form.Picture1->lines(), QStringList{u"$3,872.06"_s});
    QVERIFY(form.isVisible());
    form.Text2->setText(u"0.10"_s);
    form.Text1->setText(u"1000"_s);
    form.Command1->click();
    QCOMPARE(form.Picture1->lines(), QStringList{u"$32.27"_s});
}

void tst_Form1::closingEndsTheProgram()
{
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    QTimer::singleShot(0, &form, &QWidget::close);
    // Should closing not end the event loop, this ends it with a failure code instead of hanging.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

// As start-up opens it: the window and its messages carry the program's icon at every size the
// icon comes in.
void tst_Form1::opensWithTheProgramIcon()
{
    const std::unique_ptr<Form1> form =
        runtime::OpenStartupForm<Form1>(unitedStates(), ProgramIconFiles());
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QList<QSize> sizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    QTRY_COMPARE(form->windowIcon().availableSizes(), sizes);
    QCOMPARE(QApplication::windowIcon().availableSizes(), sizes);
    form->close();
}

// Maximised (as a title bar drawn by the toolkit allows), the window may grow; restored, it has
// its one size again and can no longer be resized.
void tst_Form1::takesItsSizeBackAfterMaximising()
{
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    const QSize size = form.size();
    QCOMPARE(form.maximumSize(), size);

    form.setWindowState(Qt::WindowMaximized);
    QTRY_VERIFY(form.windowHandle()->windowState() == Qt::WindowMaximized);
    QTRY_COMPARE(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

    form.setWindowState(Qt::WindowNoState);
    QTRY_VERIFY(form.windowHandle()->windowState() == Qt::WindowNoState);
    QTRY_COMPARE(form.size(), size);
    QCOMPARE(form.minimumSize(), size);
    QCOMPARE(form.maximumSize(), size);
    form.close();
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
