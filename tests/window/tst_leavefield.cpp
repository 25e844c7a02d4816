// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "currency.h"
#include "form1.h"
#include "messageboxwatcher.h"
#include "monthlypayment.h"
#include "windowtest.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QScreen>
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
    void ownDigits_data();
    void ownDigits();
};

namespace
{
const QString amountPrompt = u"The Amount of Loan must be between  1000 and  1000000"_s;
const QString ratePrompt = u"The Annual Interest Rate must be between  0.05 and  0.25"_s;
const QString monthsPrompt = u"The Length of Loan (in months) must be between  1 and  360"_s;

// Opens the box's context menu as the menu key does, and closes it with Esc.
void openAndCloseContextMenu(QWidget &box)
{
    QContextMenuEvent request(QContextMenuEvent::Keyboard, box.rect().center(),
                              box.mapToGlobal(box.rect().center()));
    QApplication::sendEvent(&box, &request);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}
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
    // The box's own menu takes the focus for a while, and gives it back: not a leaving.
    QTest::newRow("months 400 context menu")
        << 3 << QStringLiteral("400") << QStringLiteral("context menu") << QString()
        << QStringLiteral("Text3");
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

    if (leaveBy == QStringLiteral("context menu"))
        openAndCloseContextMenu(*leaving);
    else if (leaveBy.startsWith(u"click"_s))
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
        // The screen has room beside the window, so the message hides nothing of it: the user
        // reads the message with the entry it is about in view.
        const QRect message = watcher.messages().first().frame;
        QVERIFY(form.screen()->availableGeometry().contains(message));
        QVERIFY2(!message.intersects(form.frameGeometry()),
                 qPrintable(u"message at %1,%2"_s.arg(message.x()).arg(message.y())));
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
    // Leaving by a click into the other box, or by Tab.
    QTest::addColumn<bool>("byClick");
    QTest::newRow("reactivated later") << MessageBoxWatcher::Reactivation::Later << false;
    QTest::newRow("reactivated at once") << MessageBoxWatcher::Reactivation::AtOnce << false;
    // A click moves the focus before the box can refuse it: the box clicked into has the focus
    // when the message takes the activation, and loses it again when the focus is given back.
    QTest::newRow("click, reactivated later") << MessageBoxWatcher::Reactivation::Later << true;
    QTest::newRow("click, reactivated at once") << MessageBoxWatcher::Reactivation::AtOnce << true;
}

void tst_LeaveField::twoBadBoxesNeverAlternate()
{
    QFETCH(MessageBoxWatcher::Reactivation, reactivation);
    QFETCH(bool, byClick);
    MessageBoxWatcher watcher(reactivation);
    watcher.abortBeyond(5);
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text1->setText(u"999"_s);
    form.Text2->setText(u"10"_s);
    const auto leave = [&](QWidget *from, QWidget *into, Qt::KeyboardModifiers tabModifiers) {
        if (byClick)
            QTest::mouseClick(into, Qt::LeftButton, Qt::NoModifier, into->rect().center());
        else
            QTest::keyClick(from, Qt::Key_Tab, tabModifiers);
    };

    for (int press = 1; press <= 3; ++press) {
        leave(QApplication::focusWidget(), form.Text2, Qt::NoModifier);
        QCOMPARE(watcher.count(), press);
        QCOMPARE(watcher.lastText(), amountPrompt);
        QTRY_COMPARE(QApplication::focusWidget(), form.Text1);
    }
    leave(QApplication::focusWidget(), form.Text3, Qt::ShiftModifier);
    QCOMPARE(watcher.count(), 4);
    QTRY_COMPARE(QApplication::focusWidget(), form.Text1);

    // Mended, the first box lets the focus go; the second then holds it.
    form.Text1->setText(u"1000"_s);
    leave(form.Text1, form.Text2, Qt::NoModifier);
    QCOMPARE(watcher.count(), 4);
    QTRY_COMPARE(QApplication::focusWidget(), form.Text2);
    leave(form.Text2, form.Text1, Qt::ShiftModifier);
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

void tst_LeaveField::ownDigits_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("ar_EG") << u"ar_EG"_s
                           << QStringList{u"\u0662\u0665\u0660\u0660\u0660\u0660"_s,
                                          u"\u0660.\u0660\u0667"_s, u"\u0666\u0660"_s};
    QTest::newRow("fa_IR") << u"fa_IR"_s
                           << QStringList{u"\u06F2\u06F5\u06F0\u06F0\u06F0\u06F0"_s,
                                          u"\u06F0.\u06F0\u06F7"_s, u"\u06F6\u06F0"_s};
    QTest::newRow("hi_IN") << u"hi_IN"_s
                           << QStringList{u"\u0968\u096B\u0966\u0966\u0966\u0966"_s,
                                          u"\u0966.\u0966\u096D"_s, u"\u096C\u0966"_s};
    QTest::newRow("ja_JP") << u"ja_JP"_s
                           << QStringList{u"\uFF12\uFF15\uFF10\uFF10\uFF10\uFF10"_s,
                                          u"\uFF10\uFF0E\uFF10\uFF17"_s, u"\uFF16\uFF10"_s};
}

// Entries in the digits the settings write, or an input method types, pass the range check and
// calculate what the same entries in ASCII digits do.
void tst_LeaveField::ownDigits()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, entries);
    const QLocale regional(locale);
    const QString expected =
        core::CurrencyText(core::PaymentFor(u"250000"_s, u"0.07"_s, u"60"_s, regional), regional);
    MessageBoxWatcher watcher;
    Form1 form(regional);
    QVERIFY(showActive(form));
    QCOMPARE_NE(form.Picture1->lines(), QStringList{expected});

    for (int i = 0; i < 3; ++i) {
        QWidget *box = QApplication::focusWidget();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        // As an input method commits what it composed.
        QInputMethodEvent typed;
        typed.setCommitString(entries.at(i));
        QApplication::sendEvent(box, &typed);
        QCOMPARE(box->property("text").toString(), entries.at(i));
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(watcher.count(), 0);
    }
    QCOMPARE(QApplication::focusWidget(), form.Picture1);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCOMPARE(watcher.count(), 0);
    QCOMPARE(form.Picture1->lines(), QStringList{expected});
}

QTEST_MAIN(tst_LeaveField)
#include "tst_leavefield.moc"
