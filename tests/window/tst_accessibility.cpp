// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"
#include "accessibleevents.h"
#include "form1.h"
#include "messageboxwatcher.h"
#include "windowtest.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

using namespace Qt::StringLiterals;

class tst_Accessibility : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void controls_data();
    void controls();
    void windowAndRule();
    void contextMenusShowTheirItems_data();
    void contextMenusShowTheirItems();
    void calculationIsAnnounced();
    void rangeMessageIsAnAlert();
    void focusGoesStraightBackAfterTheMessage();
    void everyControlReachableByKeyboard();
};

void tst_Accessibility::initTestCase()
{
    // As start-up does, before any widget is asked for.
    runtime::InstallAccessibility();
    recordAccessibleEvents();
}

void tst_Accessibility::controls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("amount") << u"Text1"_s << QAccessible::EditableText << u"Amount of Loan"_s
                            << u"Label1"_s;
    QTest::newRow("rate") << u"Text2"_s << QAccessible::EditableText << u"Annual Interest Rate"_s
                          << u"Label2"_s;
    QTest::newRow("months") << u"Text3"_s << QAccessible::EditableText
                            << u"Length of Loan (in months)"_s << u"Label3"_s;
    QTest::newRow("result") << u"Picture1"_s << QAccessible::EditableText
                            << u"Your monthly payment is"_s << u"Label4"_s;
    QTest::newRow("button") << u"Command1"_s << QAccessible::Button << u"Calculate"_s << QString();
}

void tst_Accessibility::controls()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, caption);

    Form1 form(unitedStates());
    QWidget *widget = form.findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *accessible = accessibleOf(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    // Reachable from the window, as a reader walks the tree.
    QCOMPARE(accessible->parent()->object(), &form);
    QVERIFY(accessibleOf(&form)->indexOfChild(accessible) >= 0);

    const auto labels = accessible->relations(QAccessible::Label);
    if (caption.isEmpty()) {
        QVERIFY(labels.isEmpty());
    } else {
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object()->objectName(), caption);
        // And the other way round: the caption labels the box.
        const auto labelled = labels.first().first->relations(QAccessible::Labelled);
        QCOMPARE(labelled.size(), 1);
        QCOMPARE(labelled.first().first->object(), widget);
    }
}

void tst_Accessibility::windowAndRule()
{
    Form1 form(unitedStates());
    // Readers meet a window once it shows: from Qt 6.11 a window not yet shown has no accessible
    // name, where Qt 6.4 and 6.8 give its title already.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface *window = accessibleOf(&form);
    // Readers announce a window by its frame and title.
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), u"Ombrel - Mortgage Calculator"_s);
    QCOMPARE(window->childCount(), 10);
    QCOMPARE(accessibleOf(form.Line1)->role(), QAccessible::Separator);
    // Only the program's own kinds change; any other frame stays what the toolkit makes it.
    QFrame plain(&form);
    QCOMPARE(accessibleOf(&plain)->role(), QAccessible::Border);
}

void tst_Accessibility::contextMenusShowTheirItems_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("amount") << u"Text1"_s;
    QTest::newRow("rate") << u"Text2"_s;
    QTest::newRow("months") << u"Text3"_s;
    QTest::newRow("result") << u"Picture1"_s;
}

void tst_Accessibility::contextMenusShowTheirItems()
{
    QFETCH(QString, control);
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    QWidget *widget = form.findChild<QWidget *>(control);
    QVERIFY(widget);
    widget->setFocus(Qt::TabFocusReason);

    // Read as a reader would once the menu shows, then closed, so the test never waits on it.
    QAccessible::Role menuRole = QAccessible::NoRole;
    QStringList items;
    QAction *copy = nullptr;
    QTimer read;
    connect(&read, &QTimer::timeout, &form, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        read.stop();
        QAccessibleInterface *accessible = accessibleOf(menu);
        menuRole = accessible->role();
        for (int i = 0; i < accessible->childCount(); ++i) {
            QAccessibleInterface *item = accessible->child(i);
            // A shortcut shown beside an item follows a tab; the reader speaks the name before it.
            const QString name = item->text(QAccessible::Name).section(u'\t', 0, 0);
            items.append(name);
            if (name == u"Copy"_s && item->role() == QAccessible::MenuItem &&
                item->actionInterface() &&
                item->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::pressAction()))
                copy = qobject_cast<QAction *>(item->object());
        }
        menu->close();
    });
    read.start(0);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, widget->rect().center(),
                              widget->mapToGlobal(widget->rect().center()));
    QApplication::sendEvent(widget, &request);

    // An entry box's menu pops up and returns; the result box's runs until it closes.
    QTRY_COMPARE(menuRole, QAccessible::PopupMenu);
    QVERIFY2(items.contains(u"Copy"_s), qPrintable(items.join(u" | "_s)));
    // Each item can be pressed from the reader, not just read.
    QVERIFY(copy);
}

void tst_Accessibility::calculationIsAnnounced()
{
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text3->setText(u"240"_s);
    form.Command1->setFocus(Qt::TabFocusReason);
    seenEvents().clear();
    QTest::keyClick(form.Command1, Qt::Key_Space);

    QVERIFY(seenCount(QAccessible::TextUpdated, form.Picture1) > 0);
    QCOMPARE(accessibleOf(form.Picture1)->textInterface()->text(0, -1), u"$1,158.03"_s);
    // The focus stays on the button, so the payment is told as news.
    QVERIFY(form.Command1->hasFocus());
    QCOMPARE(toldNews(), QStringList{u"Your monthly payment is $1,158.03"_s});
}

void tst_Accessibility::rangeMessageIsAnAlert()
{
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text3->setFocus(Qt::OtherFocusReason);
    form.Text3->setText(u"400"_s);
    QTest::keyClick(form.Text3, Qt::Key_Tab);

    QCOMPARE(watcher.count(), 1);
    const MessageBoxWatcher::Message &message = watcher.messages().first();
    QCOMPARE(message.role, QAccessible::AlertMessage);
    QVERIFY2(
        message.readTexts.contains(u"The Length of Loan (in months) must be between  1 and  360"_s),
        qPrintable(message.readTexts.join(u" | "_s)));
}

void tst_Accessibility::focusGoesStraightBackAfterTheMessage()
{
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text3->setFocus(Qt::OtherFocusReason);
    form.Text3->setText(u"400"_s);
    seenEvents().clear();
    // Tab sends the focus to the result box; the message brings it back to the months box.
    QTest::keyClick(form.Text3, Qt::Key_Tab);
    QCOMPARE(watcher.count(), 1);
    QTRY_VERIFY(form.isActiveWindow());

    QVERIFY(accessibleOf(form.Text3)->state().focused);
    // A reader following the focus never lands on the result box on the way back.
    QCOMPARE(seenCount(QAccessible::Focus, form.Picture1), 0);
    QVERIFY(seenCount(QAccessible::Focus, form.Text3) > 0);
}

void tst_Accessibility::everyControlReachableByKeyboard()
{
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    // Tab reaches every control a reader announces, and each says so when it gets there.
    const QList<QWidget *> expected{form.Text2, form.Text3, form.Picture1, form.Command1,
                                    form.Text1};
    for (QWidget *next : expected) {
        seenEvents().clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(accessibleOf(next)->state().focused);
        QVERIFY2(seenCount(QAccessible::Focus, next) > 0, qPrintable(next->objectName()));
    }
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
