// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "messageboxwatcher.h"
#include "windowtest.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_LeaveField : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void leaving_data();
    void leaving();
    void twoBadBoxesNeverAlternate_data();
    void twoBadBoxesNeverAlternate();
    void notLeaving_data();
    void notLeaving();
};

namespace
{
const QString amountPrompt = u"The Amount of Loan must be between  1000 and  1000000"_s;
const QString ratePrompt = u"The Annual Interest Rate must be between  0.05 and  0.25"_s;
const QString monthsPrompt = u"The Length of Loan (in months) must be between  1 and  360"_s;
} // namespace

void tst_LeaveField::leaving_data()
{
    QTest::addColumn<int>("boxNumber");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("leaveBy");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("focusAfter");

    const QString tab = u"Tab"_s;
    const QString backTab = u"Shift+Tab"_s;
    const QString click = u"click result box"_s;
    const QString calculate = u"click Calculate"_s;
    QTest::newRow("months 400") << 3 << u"400"_s << tab << monthsPrompt << u"Text3"_s;
    QTest::newRow("months 240") << 3 << u"240"_s << tab << QString() << u"Picture1"_s;
    QTest::newRow("months 0 backwards") << 3 << u"0"_s << backTab << monthsPrompt << u"Text3"_s;
    QTest::newRow("months 400 click") << 3 << u"400"_s << click << monthsPrompt << u"Text3"_s;
    QTest::newRow("rate 10") << 2 << u"10"_s << tab << ratePrompt << u"Text2"_s;
    QTest::newRow("rate 0.05 backwards") << 2 << u"0.05"_s << backTab << QString() << u"Text1"_s;
    QTest::newRow("amount 999") << 1 << u"999"_s << tab << amountPrompt << u"Text1"_s;
    QTest::newRow("amount 1000") << 1 << u"1000"_s << tab << QString() << u"Text2"_s;
    QTest::newRow("amount 12 0000") << 1 << u"12 0000"_s << tab << QString() << u"Text2"_s;
    QTest::newRow("Calculate, amount 999")
        << 1 << u"999"_s << calculate << amountPrompt << u"Text1"_s;
    // Were the click to calculate after all, a second message would come for these.
    QTest::newRow("Calculate, rate letters")
        << 2 << u"ten"_s << calculate << ratePrompt << u"Text2"_s;
    QTest::newRow("Calculate, months empty")
        << 3 << QString() << calculate << monthsPrompt << u"Text3"_s;
}

void tst_LeaveField::leaving()
{
    QFETCH(int, boxNumber);
    QFETCH(QString, entry);
    QFETCH(QString, leaveBy);
    QFETCH(QString, prompt);
    QFETCH(QString, focusAfter);

    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    auto *leaving = form.findChild<runtime::EntryBox *>(u"Text%1"_s.arg(boxNumber));
    QVERIFY(leaving);
    const QString goodEntry = leaving->text();
    leaving->setFocus(Qt::OtherFocusReason);
    leaving->clear();
    QTest::keyClicks(leaving, entry);

    if (leaveBy.startsWith(u"click"_s))
        QTest::mouseClick(leaveBy == u"click Calculate"_s ? static_cast<QWidget *>(form.Command1)
                                                          : form.Picture1,
                          Qt::LeftButton);
    else
        QTest::keyClick(leaving, Qt::Key_Tab,
                        leaveBy == u"Shift+Tab"_s ? Qt::ShiftModifier : Qt::NoModifier);

    QCOMPARE(watcher.count(), prompt.isEmpty() ? 0 : 1);
    if (!prompt.isEmpty()) {
        QCOMPARE(watcher.messages().first().title, u"Invalid Parameter"_s);
        QCOMPARE(watcher.lastText(), prompt);
    }
    QTRY_COMPARE(focusName(), focusAfter);
    QCOMPARE(leaving->text(), entry);
    // Leaving never computes, nor does a click on Calculate spent on a range message.
    QCOMPARE(form.Picture1->lines(), QStringList{u"$3,872.06"_s});
    if (leaveBy != u"click Calculate"_s)
        return;
    // Once the entry is mended, the next click calculates.
    leaving->setText(goodEntry);
    form.Text3->setText(u"12"_s);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCOMPARE(watcher.count(), 1);
    QCOMPARE(form.Picture1->lines(), QStringList{u"$10,549.91"_s});
    QCOMPARE(QApplication::focusWidget(), form.Command1);
}

void tst_LeaveField::twoBadBoxesNeverAlternate_data()
{
    QTest::addColumn<MessageBoxWatcher::Reactivation>("reactivation");
    QTest::newRow("reactivated later") << MessageBoxWatcher::Reactivation::Later;
    QTest::newRow("reactivated at once") << MessageBoxWatcher::Reactivation::AtOnce;
}

void tst_LeaveField::twoBadBoxesNeverAlternate()
{
    QFETCH(MessageBoxWatcher::Reactivation, reactivation);
    MessageBoxWatcher watcher(reactivation);
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text1->setText(u"999"_s);
    form.Text2->setText(u"10"_s);

    for (int press = 1; press <= 3; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(watcher.count(), press);
        QCOMPARE(watcher.lastText(), amountPrompt);
        QTRY_COMPARE(QApplication::focusWidget(), form.Text1);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(watcher.count(), 4);
    QTRY_COMPARE(QApplication::focusWidget(), form.Text1);

    // Mended, the first box lets the focus go; the second then holds it.
    form.Text1->setText(u"1000"_s);
    QTest::keyClick(form.Text1, Qt::Key_Tab);
    QCOMPARE(watcher.count(), 4);
    QTRY_COMPARE(QApplication::focusWidget(), form.Text2);
    QTest::keyClick(form.Text2, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(watcher.count(), 5);
    QCOMPARE(watcher.lastText(), ratePrompt);
    QTRY_COMPARE(QApplication::focusWidget(), form.Text2);
    // Settled: once every pending event has been delivered, nothing more has arrived.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(watcher.count(), 5);
}

void tst_LeaveField::notLeaving_data()
{
    QTest::addColumn<bool>("closing");
    QTest::newRow("another window activated") << false;
    QTest::newRow("window closed") << true;
}

// Neither losing the window to another nor closing it leaves the box.
void tst_LeaveField::notLeaving()
{
    QFETCH(bool, closing);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text3->setFocus(Qt::OtherFocusReason);
    form.Text3->setText(u"400"_s);

    QWidget other;
    if (closing) {
        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
    } else {
        QVERIFY(showActive(other));
        QVERIFY(showActive(form));
        QCOMPARE(QApplication::focusWidget(), form.Text3);
    }
    QCOMPARE(watcher.count(), 0);
}

QTEST_MAIN(tst_LeaveField)
#include "tst_leavefield.moc"
