// SPDX-FileCopyrightText: 2026 The Ombrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "messageboxwatcher.h"
#include "windowtest.h"

#include <QApplication>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>

using namespace Qt::StringLiterals;

// Where the focus goes when the program moves it, what a drop does to it, and what keys do on
// the control that holds it.
class tst_Focus : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void givenFocusSelectsTheEntry_data();
    void givenFocusSelectsTheEntry();
    void aDropGivesTheFocus_data();
    void aDropGivesTheFocus();
    void keysWhereTheFocusIs_data();
    void keysWhereTheFocusIs();
    void aReportPointsAtItsEntry_data();
    void aReportPointsAtItsEntry();
};

namespace
{
const QString amountPrompt = u"The Amount of Loan must be between  1000 and  1000000"_s;
const QString ratePrompt = u"The Annual Interest Rate must be between  0.05 and  0.25"_s;
const QString monthsPrompt = u"The Length of Loan (in months) must be between  1 and  360"_s;

runtime::EntryBox *box(Form1 &form, int number)
{
    return form.findChild<runtime::EntryBox *>(u"Text%1"_s.arg(number));
}
} // namespace

void tst_Focus::givenFocusSelectsTheEntry_data()
{
    QTest::addColumn<int>("boxNumber");
    // Left with Tab, brings the range message; none: the focus the window opens with.
    QTest::addColumn<QString>("rejected");
    QTest::addColumn<QString>("typed");
    QTest::newRow("at start") << 1 << QString() << u"5000"_s;
    QTest::newRow("amount 999") << 1 << u"999"_s << u"1000"_s;
    QTest::newRow("rate 10") << 2 << u"10"_s << u"0.1"_s;
    QTest::newRow("months 400") << 3 << u"400"_s << u"12"_s;
    QTest::newRow("months words") << 3 << u"three years"_s << u"36"_s;
}

void tst_Focus::givenFocusSelectsTheEntry()
{
    QFETCH(int, boxNumber);
    QFETCH(QString, rejected);
    QFETCH(QString, typed);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    runtime::EntryBox *given = box(form, boxNumber);
    QVERIFY(given);
    if (!rejected.isEmpty()) {
        given->setFocus(Qt::OtherFocusReason);
        given->setText(rejected);
        QTest::keyClick(given, Qt::Key_Tab);
        QCOMPARE(watcher.count(), 1);
    }
    QTRY_COMPARE(QApplication::focusWidget(), given);
    // Selected, not changed: the entry is still there until the user types.
    QCOMPARE(given->text(), rejected.isEmpty() ? u"120000"_s : rejected);
    QCOMPARE(given->selectedText(), given->text());
    QTest::keyClicks(given, typed);
    QCOMPARE(given->text(), typed);
}

void tst_Focus::aDropGivesTheFocus_data()
{
    QTest::addColumn<int>("boxNumber");
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("focusAfterTab");
    QTest::newRow("months 36000") << 3 << u"36000"_s << monthsPrompt << u"Text3"_s;
    QTest::newRow("rate 8") << 2 << u"8"_s << ratePrompt << u"Text2"_s;
    QTest::newRow("amount 500") << 1 << u"500"_s << amountPrompt << u"Text1"_s;
    QTest::newRow("amount 50000") << 1 << u"50000"_s << QString() << u"Text2"_s;
}

// The focus is elsewhere (on the result box, as after a click there) when text is dropped into
// a box: the box takes the focus, and leaving it checks the dropped entry.
void tst_Focus::aDropGivesTheFocus()
{
    QFETCH(int, boxNumber);
    QFETCH(QString, dropped);
    QFETCH(QString, prompt);
    QFETCH(QString, focusAfterTab);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    runtime::EntryBox *target = box(form, boxNumber);
    QVERIFY(target);
    form.Picture1->setFocus(Qt::MouseFocusReason);
    QCOMPARE(QApplication::focusWidget(), form.Picture1);
    target->clear();

    // Delivered as the window system delivers a drag from another program: over the box, then
    // let go there.
    QMimeData data;
    data.setText(dropped);
    QWindow *window = form.windowHandle();
    const QPoint at = target->mapTo(&form, target->rect().center());
    const QPlatformDragQtResponse over = QWindowSystemInterface::handleDrag(
        window, &data, at, Qt::CopyAction, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(over.isAccepted());
    const QPlatformDropQtResponse let = QWindowSystemInterface::handleDrop(
        window, &data, at, Qt::CopyAction, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(let.isAccepted());
    QCOMPARE(target->text(), dropped);
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(watcher.count(), 0);

    QTest::keyClick(target, Qt::Key_Tab);
    QCOMPARE(watcher.count(), prompt.isEmpty() ? 0 : 1);
    if (!prompt.isEmpty())
        QCOMPARE(watcher.lastText(), prompt);
    QTRY_COMPARE(focusName(), focusAfterTab);
    QCOMPARE(target->text(), dropped);
}

void tst_Focus::keysWhereTheFocusIs_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("calculates");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Enter on Calculate") << u"Command1"_s << int(Qt::Key_Return) << none << true;
    QTest::newRow("keypad Enter on Calculate")
        << u"Command1"_s << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
    QTest::newRow("Space on Calculate") << u"Command1"_s << int(Qt::Key_Space) << none << true;
    QTest::newRow("Esc on Calculate") << u"Command1"_s << int(Qt::Key_Escape) << none << false;
    QTest::newRow("Enter in a box") << u"Text3"_s << int(Qt::Key_Return) << none << false;
    QTest::newRow("keypad Enter in a box")
        << u"Text3"_s << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << false;
    // Enter on the result box opens the payment schedule, calculating first: tst_openschedule.
}

void tst_Focus::keysWhereTheFocusIs()
{
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, calculates);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text1->setText(u"1000"_s);
    QWidget *target = form.findChild<QWidget *>(focused);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key(key), modifiers);
    QCOMPARE(form.Picture1->lines(), QStringList{calculates ? u"$32.27"_s : u"$3,872.06"_s});
    QCOMPARE(watcher.count(), 0);
    QCOMPARE(QApplication::focusWidget(), target);
    // A second press calculates again, as a second click does; the box still holds one line.
    form.Text1->setText(u"2000"_s);
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QCOMPARE(form.Picture1->lines(), QStringList{calculates ? u"$64.53"_s : u"$3,872.06"_s});
}

void tst_Focus::aReportPointsAtItsEntry_data()
{
    QTest::addColumn<int>("boxNumber");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");
    // The control holding the focus once the report is dismissed.
    QTest::addColumn<QString>("focusAfter");

    const QString isolated = u"\u200E\u201C\u2068%1\u2069\u201D in the %2 is not a number. "
                             u"Please type a number in every box."_s;
    QTest::newRow("months 36x") << 3 << u"36x"_s
                                << isolated.arg(u"36x"_s, u"Length of Loan (in months)"_s)
                                << u"Text3"_s;
    QTest::newRow("rate words") << 2 << u"ten"_s
                                << isolated.arg(u"ten"_s, u"Annual Interest Rate"_s) << u"Text2"_s;
    QTest::newRow("amount empty")
        << 1 << u" "_s << u"The Amount of Loan is empty. Please type a number in every box."_s
        << u"Text1"_s;
    // No one entry makes a payment impossible, so the focus stays on the button.
    QTest::newRow("months zero") << 3 << u"0"_s
                                 << u"No payment can be computed for these entries. Please "
                                    u"check the interest rate and the length of the loan."_s
                                 << u"Command1"_s;
}

void tst_Focus::aReportPointsAtItsEntry()
{
    QFETCH(int, boxNumber);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    QFETCH(QString, focusAfter);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Command1->setFocus(Qt::TabFocusReason);
    box(form, boxNumber)->setText(entry);

    QTest::keyClick(form.Command1, Qt::Key_Space);

    QCOMPARE(watcher.count(), 1);
    QCOMPARE(watcher.lastText(), message);
    QTRY_COMPARE(focusName(), focusAfter);
    if (auto *entryBox = qobject_cast<runtime::EntryBox *>(QApplication::focusWidget())) {
        QCOMPARE(entryBox->text(), entry);
        QCOMPARE(entryBox->selectedText(), entry);
    }
    // The last payment stays shown.
    QCOMPARE(form.Picture1->lines(), QStringList{u"$3,872.06"_s});
}

QTEST_MAIN(tst_Focus)
#include "tst_focus.moc"
