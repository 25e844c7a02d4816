// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "messageboxwatcher.h"
#include "windowtest.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMimeData>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_OpenSchedule : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void contextMenuItem();
    void opens_data();
    void opens();
    void calculatesFirst_data();
    void calculatesFirst();
    void outOfBounds_data();
    void outOfBounds();
    void notANumber();
    void copiesTheTable_data();
    void copiesTheTable();
    void sideBySide_data();
    void sideBySide();
    void closingTheMainWindowClosesThemAll();
};

namespace
{
enum class Way { Menu, Enter, Space, DoubleClick };

QList<QDialog *> scheduleWindows()
{
    QList<QDialog *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == u"PaymentSchedule" && widget->isVisible())
            windows.append(qobject_cast<QDialog *>(widget));
    }
    return windows;
}

QDialog *scheduleWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == u"PaymentSchedule" && widget->isVisible())
            return qobject_cast<QDialog *>(widget);
    }
    return nullptr;
}

void open(Form1 &form, Way way)
{
    switch (way) {
    case Way::Menu:
        form.Picture1->findChild<QAction *>(u"PaymentSchedule"_s)->trigger();
        break;
    case Way::Enter:
        form.Picture1->setFocus();
        QTest::keyClick(form.Picture1, Qt::Key_Return);
        break;
    case Way::Space:
        form.Picture1->setFocus();
        QTest::keyClick(form.Picture1, Qt::Key_Space);
        break;
    case Way::DoubleClick:
        QTest::mouseDClick(form.Picture1, Qt::LeftButton);
        break;
    }
}
} // namespace

Q_DECLARE_METATYPE(Way)

void tst_OpenSchedule::contextMenuItem()
{
    Form1 form(unitedStates());
    const QList<QAction *> actions = form.Picture1->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions.at(0)->text(), u"&Copy"_s);
    QCOMPARE(actions.at(1)->text(), u"Payment &Schedule\u2026"_s);
    QCOMPARE(form.Picture1->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(form.Picture1->accessibleDescription(), u"Press Enter for the payment schedule"_s);
}

void tst_OpenSchedule::opens_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("menu") << Way::Menu;
    QTest::newRow("Enter") << Way::Enter;
    QTest::newRow("Space") << Way::Space;
    QTest::newRow("double click") << Way::DoubleClick;
}

void tst_OpenSchedule::opens()
{
    QFETCH(Way, way);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Picture1->setFocus();
    open(form, way);
    QTRY_VERIFY(scheduleWindow());
    QDialog *window = scheduleWindow();
    QCOMPARE(window->windowTitle(), u"Payment Schedule \u2014 $120,000.00, 10%, 36 months"_s);
    QCOMPARE(window->accessibleName(), window->windowTitle());
    QCOMPARE(window->parentWidget(), &form);
    // The main window stays usable beside it.
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowModality(), Qt::NonModal);
    auto *table = window->findChild<QTableView *>(u"ScheduleTable"_s);
    QVERIFY(table);
    // 36 payments and the total.
    QCOMPARE(table->model()->rowCount(), 37);
    QCOMPARE(table->model()->index(0, 1).data().toString(), u"3,872.06"_s);
    QCOMPARE(table->model()->index(36, 0).data().toString(), u"Total"_s);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(table));

    QTest::keyClick(table, Qt::Key_Escape);
    QTRY_VERIFY(!scheduleWindow());
    QTRY_COMPARE(focusName(), u"Picture1"_s);
    QCOMPARE(watcher.count(), 0);
}

void tst_OpenSchedule::calculatesFirst_data()
{
    opens_data();
}

void tst_OpenSchedule::calculatesFirst()
{
    QFETCH(Way, way);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Picture1->setFocus();
    form.Text3->setText(u"240"_s);
    open(form, way);
    QTRY_VERIFY(scheduleWindow());
    // The result box shows the payment the schedule is made of.
    QCOMPARE(form.Picture1->lines(), QStringList{u"$1,158.03"_s});
    auto *table = scheduleWindow()->findChild<QTableView *>(u"ScheduleTable"_s);
    QCOMPARE(table->model()->rowCount(), 241);
    QCOMPARE(table->model()->index(0, 1).data().toString(), u"1,158.03"_s);
    QCOMPARE(table->model()->index(239, 5).data().toString(), u"0.00"_s);
    scheduleWindow()->close();
    QTRY_VERIFY(!scheduleWindow());
    QCOMPARE(watcher.count(), 0);
}

void tst_OpenSchedule::outOfBounds_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("shown");

    const QString amount = u"The Amount of Loan must be between  1000 and  1000000"_s;
    const QString rate = u"The Annual Interest Rate must be between  0.05 and  0.25"_s;
    const QString months = u"The Length of Loan (in months) must be between  1 and  360"_s;
    // Grouped, the months read 3600 here, though leaving the box reads 3 and lets them pass.
    QTest::newRow("3,600 months") << u"120000"_s << u"0.10"_s << u"3,600"_s << months << u"Text3"_s
                                  << u"$1,000.00"_s;
    QTest::newRow("361 months") << u"120000"_s << u"0.10"_s << u"361"_s << months << u"Text3"_s
                                << u"$1,052.62"_s;
    QTest::newRow("0.5 months") << u"120000"_s << u"0.10"_s << u"0.5"_s << months << u"Text3"_s
                                << u"$241,498.96"_s;
    QTest::newRow("999") << u"999"_s << u"0.10"_s << u"36"_s << amount << u"Text1"_s << u"$32.23"_s;
    QTest::newRow("rate 10") << u"120000"_s << u"10"_s << u"36"_s << rate << u"Text2"_s
                             << u"$100,000.00"_s;
    // The first field out of its bounds, in the fields' order.
    QTest::newRow("all out") << u"999"_s << u"0.01"_s << u"400"_s << amount << u"Text1"_s
                             << u"$2.94"_s;
}

void tst_OpenSchedule::outOfBounds()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, months);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, shown);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    // In the result box before the entries change, so no box is left with them.
    form.Picture1->setFocus();
    form.Text1->setText(amount);
    form.Text2->setText(rate);
    form.Text3->setText(months);
    QTest::keyClick(form.Picture1, Qt::Key_Return);
    QTRY_COMPARE(watcher.count(), 1);
    QCOMPARE(watcher.messages().first().title, u"Invalid Parameter"_s);
    QCOMPARE(watcher.lastText(), message);
    QTRY_COMPARE(focusName(), focus);
    QVERIFY(!scheduleWindow());
    // Calculated as Calculate does, before the bounds were looked at.
    QCOMPARE(form.Picture1->lines(), QStringList{shown});
}

void tst_OpenSchedule::notANumber()
{
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    const QStringList before = form.Picture1->lines();
    form.Text2->setText(u"ten"_s);
    open(form, Way::Enter);
    QTRY_COMPARE(watcher.count(), 1);
    QCOMPARE(watcher.messages().first().title, u"Cannot Calculate"_s);
    QVERIFY(watcher.lastText().contains(u"Annual Interest Rate"_s));
    QTRY_COMPARE(focusName(), u"Text2"_s);
    QVERIFY(!scheduleWindow());
    QCOMPARE(form.Picture1->lines(), before);
}

void tst_OpenSchedule::copiesTheTable_data()
{
    QTest::addColumn<bool>("byShortcut");
    QTest::newRow("Ctrl+C") << true;
    QTest::newRow("Copy Table") << false;
}

void tst_OpenSchedule::copiesTheTable()
{
    QFETCH(bool, byShortcut);
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    QApplication::clipboard()->clear();
    open(form, Way::Menu);
    QTRY_VERIFY(scheduleWindow());
    QDialog *window = scheduleWindow();
    QTRY_VERIFY(window->isActiveWindow());
    if (byShortcut)
        QTest::keyClick(window->findChild<QTableView *>(u"ScheduleTable"_s), Qt::Key_C,
                        Qt::ControlModifier);
    else
        QTest::mouseClick(window->findChild<QWidget *>(u"CopyTable"_s), Qt::LeftButton);

    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied);
    const QStringList lines = copied->text().split(u'\n');
    // The header, 36 payments, the total and the end of the last line.
    QCOMPARE(lines.size(), 39);
    QCOMPARE(lines.at(0), u"No.\tPayment\tExtra\tInterest\tPrincipal\tBalance"_s);
    QCOMPARE(lines.at(1), u"1\t3,872.06\t0.00\t1,000.00\t2,872.06\t117,127.94"_s);
    QCOMPARE(lines.at(36), u"36\t3,872.17\t0.00\t32.00\t3,840.17\t0.00"_s);
    QCOMPARE(lines.at(37), u"Total\t139,394.27\t0.00\t19,394.27\t120,000.00\t"_s);
    QVERIFY(copied->html().startsWith(u"<table>"_s));
    QCOMPARE(copied->html().count(u"<tr>"_s), 38);
    window->close();
    QTRY_VERIFY(!scheduleWindow());
}

void tst_OpenSchedule::sideBySide_data()
{
    QTest::addColumn<QString>("secondMonths");
    QTest::addColumn<int>("windows");
    QTest::newRow("twoLoans") << u"180"_s << 2;
    QTest::newRow("sameLoanTwice") << u"36"_s << 1;
    // The same loan typed another way is still the same loan.
    QTest::newRow("sameLoanOtherwise") << u"36.0"_s << 1;
}

void tst_OpenSchedule::sideBySide()
{
    QFETCH(QString, secondMonths);
    QFETCH(int, windows);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    open(form, Way::Menu);
    QTRY_COMPARE(scheduleWindows().size(), 1);
    QDialog *first = scheduleWindows().constFirst();
    const QString firstTitle = first->windowTitle();

    // Back to the main window, which the schedule leaves usable, for another loan.
    form.activateWindow();
    form.Text3->setText(secondMonths);
    open(form, Way::Menu);
    QTRY_COMPARE(scheduleWindows().size(), windows);
    // Each window keeps the loan it was opened for.
    QCOMPARE(first->windowTitle(), firstTitle);
    if (windows == 2) {
        QDialog *second = scheduleWindows().at(scheduleWindows().indexOf(first) == 0 ? 1 : 0);
        QCOMPARE(second->windowTitle(), u"Payment Schedule \u2014 $120,000.00, 10%, 180 months"_s);
        QCOMPARE(second->findChild<QTableView *>(u"ScheduleTable"_s)->model()->rowCount(), 181);
        QVERIFY(second->pos() != first->pos());
    } else {
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(first));
    }
    QCOMPARE(first->findChild<QTableView *>(u"ScheduleTable"_s)->model()->rowCount(), 37);
    for (QDialog *window : scheduleWindows())
        window->close();
    QTRY_VERIFY(scheduleWindows().isEmpty());
    // No range check ran on the way between the windows.
    QCOMPARE(watcher.count(), 0);
}

void tst_OpenSchedule::closingTheMainWindowClosesThemAll()
{
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    open(form, Way::Menu);
    form.Text1->setText(u"200000"_s);
    open(form, Way::Menu);
    QTRY_COMPARE(scheduleWindows().size(), 2);
    QVERIFY(form.close());
    QTRY_VERIFY(scheduleWindows().isEmpty());
    QCOMPARE(watcher.count(), 0);
}

QTEST_MAIN(tst_OpenSchedule)
#include "tst_openschedule.moc"
