// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errors.h"
#include "handlers.h"
#include "messageboxwatcher.h"
#include "messages.h"
#include "windowtest.h"

#include <QTest>
#include <QWidget>

#include <stdexcept>

using namespace runtime;
using namespace core;
using namespace Qt::StringLiterals;

class tst_Handlers : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void anyErrorIsReported();
    void theWindowComesBackAfterMessagesInARow_data();
    void theWindowComesBackAfterMessagesInARow();
    void theFollowUpGetsTheField_data();
    void theFollowUpGetsTheField();
};

// What each runtime error says, and that the program goes on after it, is checked through the
// payment's failures; an error of any other kind is still reported, not let through.
void tst_Handlers::anyErrorIsReported()
{
    MessageBoxWatcher watcher;
    RunHandler([] { throw ArithmeticFault(); });
    // A fault of the program itself is also left for a developer to find.
    QTest::ignoreMessage(QtCriticalMsg, "Unexpected error in a handler: unexpected");
    RunHandler([] { throw std::runtime_error("unexpected"); });
    QCOMPARE(watcher.count(), 2);
    QVERIFY2(watcher.lastText().startsWith(u"Something went wrong"_s),
             qPrintable(watcher.lastText()));
    for (const auto &message : watcher.messages())
        QVERIFY(message.hasIcon);
}

void tst_Handlers::theWindowComesBackAfterMessagesInARow_data()
{
    QTest::addColumn<bool>("secondIsAnError");
    QTest::newRow("message, message") << false;
    QTest::newRow("message, error report") << true;
}

// The second box opens while the activation is still on its way back from the first; it must
// still belong to the window and hand the keyboard back to it when dismissed.
void tst_Handlers::theWindowComesBackAfterMessagesInARow()
{
    QFETCH(bool, secondIsAnError);
    MessageBoxWatcher watcher;
    QWidget window;
    QVERIFY(showActive(window));

    ShowMessage(u"First"_s, u"Title"_s);
    if (secondIsAnError)
        ReportRuntimeError(ArithmeticFault());
    else
        ShowMessage(u"Second"_s, u"Title"_s);

    QCOMPARE(watcher.count(), 2);
    QTRY_VERIFY(window.isActiveWindow());
}

void tst_Handlers::theFollowUpGetsTheField_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<EntryField>("field");
    QTest::newRow("named") << QStringLiteral("Annual Interest Rate") << EntryField::Rate;
    QTest::newRow("unnamed") << QString() << EntryField::Months;
    QTest::newRow("unknown field") << QStringLiteral("Amount of Loan") << EntryField::Unknown;
}

// The follow-up is told which field, whatever the name in the message: only an error about no
// known field has none. It comes before the report, so the report hands the focus back to the box.
void tst_Handlers::theFollowUpGetsTheField()
{
    QFETCH(QString, fieldName);
    QFETCH(EntryField, field);
    MessageBoxWatcher watcher;
    QList<EntryField> followedUp;
    int reportsBeforeFollowUp = -1;
    RunHandler([&] { throw TypeMismatchError(QStringLiteral("ten"), field, fieldName); },
               [&](EntryField which) {
                   followedUp.append(which);
                   reportsBeforeFollowUp = watcher.count();
               });
    QCOMPARE(watcher.count(), 1);
    if (!followedUp.isEmpty())
        QCOMPARE(reportsBeforeFollowUp, 0);
    QCOMPARE(followedUp,
             field == EntryField::Unknown ? QList<EntryField>() : QList<EntryField>{field});
}

QTEST_MAIN(tst_Handlers)
#include "tst_handlers.moc"
