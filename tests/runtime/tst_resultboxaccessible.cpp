// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"
#include "accessibleevents.h"
#include "messageboxwatcher.h"
#include "resultbox.h"
#include "resultboxaccessible.h"
#include "windowtest.h"

#include <QLabel>
#include <QTest>

using namespace runtime;
using namespace Qt::StringLiterals;

class tst_ResultBoxAccessible : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void textFollowsThePrintedLines_data();
    void textFollowsThePrintedLines();
    void textRanges_data();
    void textRanges();
    void characterGeometryRoundTrips();
    void everyChangeIsAnnounced();
    void newTextIsNotified_data();
    void newTextIsNotified();
    void outlivesItsInterface();
    void answersAsEmptyWhileDestroyed_data();
    void answersAsEmptyWhileDestroyed();
};

namespace
{
// A result box with its caption, as a window holds them.
struct CaptionedBox {
    QWidget window;
    QLabel *caption = new QLabel(u"Your monthly payment is"_s, &window);
    ResultBox *box = new ResultBox(&window);

    CaptionedBox()
    {
        caption->setBuddy(box);
        caption->setGeometry(10, 10, 130, 17);
        box->setGeometry(150, 10, 105, 80);
    }
};
} // namespace

void tst_ResultBoxAccessible::initTestCase()
{
    // As start-up does, before any widget is asked for.
    runtime::InstallAccessibility();
    recordAccessibleEvents();
}

void tst_ResultBoxAccessible::textFollowsThePrintedLines_data()
{
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<bool>("clearedAfter");
    QTest::addColumn<QString>("text");

    QTest::newRow("nothing") << QStringList() << false << QString();
    QTest::newRow("one line") << QStringList{u"$3,872.06"_s} << false << u"$3,872.06"_s;
    QTest::newRow("two lines") << QStringList{u"$1.00"_s, u"$2.00"_s} << false << u"$1.00\n$2.00"_s;
    QTest::newRow("empty line kept") << QStringList{QString(), u"x"_s} << false << u"\nx"_s;
    QTest::newRow("cleared") << QStringList{u"$3,872.06"_s} << true << QString();
}

void tst_ResultBoxAccessible::textFollowsThePrintedLines()
{
    QFETCH(QStringList, printed);
    QFETCH(bool, clearedAfter);
    QFETCH(QString, text);

    CaptionedBox form;
    QAccessibleInterface *box = accessibleOf(form.box);
    QVERIFY(box->state().focusable);
    for (const QString &line : printed)
        PrintInBox(*form.box, line);
    if (clearedAfter)
        ClearBox(*form.box);

    QAccessibleTextInterface *textInterface = box->textInterface();
    QCOMPARE(textInterface->text(0, textInterface->characterCount()), text);
    QCOMPARE(textInterface->characterCount(), int(text.size()));
    // Read once: a description repeating the text would be read out twice.
    QVERIFY(box->text(QAccessible::Description).isEmpty());
    QVERIFY(box->state().readOnly);
    QCOMPARE(box->text(QAccessible::Value), text);
    // The name stays the caption whatever is printed.
    QCOMPARE(box->text(QAccessible::Name), u"Your monthly payment is"_s);
}

void tst_ResultBoxAccessible::textRanges_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("text");

    QTest::newRow("to the end") << 0 << -1 << u"$5.37\n$6.00"_s;
    QTest::newRow("second line") << 6 << 11 << u"$6.00"_s;
    QTest::newRow("line feed") << 5 << 6 << u"\n"_s;
    QTest::newRow("past the end") << 9 << 40 << u"00"_s;
    QTest::newRow("negative start") << -3 << 2 << u"$5"_s;
    QTest::newRow("reversed") << 4 << 2 << QString();
    QTest::newRow("beyond") << 20 << 30 << QString();
}

void tst_ResultBoxAccessible::textRanges()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, text);

    CaptionedBox form;
    PrintInBox(*form.box, u"$5.37"_s);
    PrintInBox(*form.box, u"$6.00"_s);
    QCOMPARE(accessibleOf(form.box)->textInterface()->text(start, end), text);
}

void tst_ResultBoxAccessible::characterGeometryRoundTrips()
{
    CaptionedBox form;
    PrintInBox(*form.box, u"$5.37"_s);
    PrintInBox(*form.box, u"$6.00"_s);
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    QAccessibleTextInterface *text = accessibleOf(form.box)->textInterface();

    const QRect boxOnScreen(form.box->mapToGlobal(QPoint(0, 0)), form.box->size());
    for (int offset : {0, 3, 6, 10}) {
        const QRect character = text->characterRect(offset);
        QVERIFY2(boxOnScreen.contains(character), qPrintable(QString::number(offset)));
        QVERIFY(character.width() > 0);
        QCOMPARE(text->offsetAtPoint(character.center()), offset);
    }
    // The second line lies below the first.
    QVERIFY(text->characterRect(6).top() >= text->characterRect(0).bottom());
    QVERIFY(text->characterRect(99).isNull());
    QCOMPARE(text->offsetAtPoint(boxOnScreen.bottomRight() + QPoint(50, 50)), -1);
}

void tst_ResultBoxAccessible::everyChangeIsAnnounced()
{
    CaptionedBox form;
    // As a reader would, which asks for the box before it listens to it.
    QVERIFY(accessibleOf(form.box));
    PrintInBox(*form.box, u"$1.00"_s);
    ClearBox(*form.box);
    PrintInBox(*form.box, u"$2.00"_s);

    // Each text update as removed>inserted.
    QStringList updates;
    for (const SeenEvent &event : std::as_const(seenEvents())) {
        if (event.type == QAccessible::TextUpdated)
            updates.append(event.object == form.box ? event.removed + u'>' + event.inserted
                                                    : u"another object"_s);
    }
    QCOMPARE(updates, (QStringList{u">$1.00"_s, u"$1.00>"_s, u">$2.00"_s}));
}

void tst_ResultBoxAccessible::newTextIsNotified_data()
{
    // What is done to the box, in order: a line printed, or an empty string for a clear.
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("notices");

    const QString caption = u"Your monthly payment is "_s;
    QTest::newRow("one payment") << QStringList{u"$1.00"_s} << QStringList{caption + u"$1.00"_s};
    QTest::newRow("recalculated") << QStringList{u"$1.00"_s, QString(), u"$2.00"_s}
                                  << QStringList{caption + u"$1.00"_s, caption + u"$2.00"_s};
    QTest::newRow("same again") << QStringList{u"$1.00"_s, QString(), u"$1.00"_s}
                                << QStringList{caption + u"$1.00"_s, caption + u"$1.00"_s};
    QTest::newRow("clear is no news")
        << QStringList{u"$1.00"_s, QString()} << QStringList{caption + u"$1.00"_s};
    QTest::newRow("second line") << QStringList{u"$1.00"_s, u"$2.00"_s}
                                 << QStringList{caption + u"$1.00"_s, caption + u"$1.00 $2.00"_s};
}

void tst_ResultBoxAccessible::newTextIsNotified()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, notices);

    CaptionedBox form;
    QAccessibleInterface *box = accessibleOf(form.box);
    seenEvents().clear();
    for (const QString &action : actions) {
        if (action.isEmpty())
            ClearBox(*form.box);
        else
            PrintInBox(*form.box, action);
    }

    // A reader speaks the news wherever its focus is.
    QCOMPARE(toldNews(), notices);
#if LOAN_ACCESSIBLE_ANNOUNCEMENT
    // Announced by the toolkit: nothing in the tree stands for the news.
    QCOMPARE(box->childCount(), 0);
    QVERIFY(!box->child(0));
    QCOMPARE(box->indexOfChild(box), -1);
#else
    // Before Qt 6.8, as a notification the reader finds in the tree, under the box.
    QCOMPARE(box->childCount(), 1);
    QAccessibleInterface *notice = box->child(0);
    QVERIFY(notice);
    QCOMPARE(notice->role(), QAccessible::Notification);
    QCOMPARE(notice->parent(), box);
    QCOMPARE(box->indexOfChild(notice), 0);
    QCOMPARE(box->indexOfChild(box), -1);
    QVERIFY(!box->child(1));
#endif
}

void tst_ResultBoxAccessible::outlivesItsInterface()
{
    CaptionedBox form;
    QAccessibleInterface *first = accessibleOf(form.box);
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(first));
    QAccessibleInterface *second = accessibleOf(form.box);
    QVERIFY(second);
    seenEvents().clear();
    PrintInBox(*form.box, u"$1.00"_s);
    // Announced once, by the interface that exists, and read from it.
    QCOMPARE(seenCount(QAccessible::TextUpdated, form.box), 1);
    QCOMPARE(second->textInterface()->text(0, -1), u"$1.00"_s);
    // And told once.
    QCOMPARE(toldNews(), QStringList{u"Your monthly payment is $1.00"_s});
#if !LOAN_ACCESSIBLE_ANNOUNCEMENT
    // By the one notification the box has.
    QAccessibleInterface *notice = second->child(0);
    QVERIFY(notice);
    QCOMPARE(seenCount(QAccessible::ObjectShow, notice->object()), 1);
    const QString noticeName = notice->object()->objectName();
    QCOMPARE(form.box->findChildren<QObject *>(noticeName, Qt::FindDirectChildrenOnly).size(), 1);
#endif
}

void tst_ResultBoxAccessible::answersAsEmptyWhileDestroyed_data()
{
    QTest::addColumn<AccessibleQuestion>("question");
    QTest::addColumn<QVariant>("answer");

    QTest::newRow("value") << AccessibleQuestion([](QAccessibleInterface *box) {
        return QVariant(box->text(QAccessible::Value));
    }) << QVariant(QString());
    QTest::newRow("range") << AccessibleQuestion([](QAccessibleInterface *box) {
        return QVariant(box->textInterface()->text(0, -1));
    }) << QVariant(QString());
    QTest::newRow("count") << AccessibleQuestion([](QAccessibleInterface *box) {
        return QVariant(box->textInterface()->characterCount());
    }) << QVariant(0);
    QTest::newRow("rect") << AccessibleQuestion([](QAccessibleInterface *box) {
        return QVariant(box->textInterface()->characterRect(1));
    }) << QVariant(QRect());
    QTest::newRow("point") << AccessibleQuestion([](QAccessibleInterface *box) {
        return QVariant(box->textInterface()->offsetAtPoint(QPoint(160, 20)));
    }) << QVariant(-1);
    QTest::newRow("children") << AccessibleQuestion([](QAccessibleInterface *box) {
        return QVariant(box->child(0) != nullptr);
    }) << QVariant(false);
}

// A reader told that a window is closing may ask its boxes back; what it asks then must not
// reach the lines the box no longer has.
void tst_ResultBoxAccessible::answersAsEmptyWhileDestroyed()
{
    QFETCH(AccessibleQuestion, question);
    QFETCH(QVariant, answer);
    CaptionedBox form;
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    PrintInBox(*form.box, u"$5.37"_s);
    PrintInBox(*form.box, u"Payment"_s);
    const std::optional<QVariant> told = answerWhileDestroyed(form.box, question);
    if (!told)
        QSKIP("This Qt tells a reader nothing while a widget is destroyed, so none can ask then");
    QCOMPARE(*told, answer);
}

QTEST_MAIN(tst_ResultBoxAccessible)
#include "tst_resultboxaccessible.moc"
