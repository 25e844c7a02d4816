// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errors.h"
#include "handlers.h"
#include "messageboxwatcher.h"
#include "payment.h"
#include "windowtest.h"

#include <QTest>

using namespace runtime;
using namespace core;
using namespace Qt::StringLiterals;

class tst_Payment : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void resultBox_data();
    void resultBox();
};

// The boxes of a window, as far as the calculation needs them.
struct Boxes {
    Boxes(const QString &amount, const QString &rate, const QString &months)
        : amount(amount), rate(rate), months(months)
    {
    }
    void calculate()
    {
        loan::CalculatePayment(amount, rate, months, result,
                               QLocale(QLocale::English, QLocale::UnitedStates), {});
    }

    EntryBox amount;
    EntryBox rate;
    EntryBox months;
    ResultBox result;
};

void tst_Payment::resultBox_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("shown");
    // How the message starts, for entries with no payment; empty for those with one.
    QTest::addColumn<QString>("messageStart");

    const auto shows = [](const char *name, const QString &amount, const QString &rate,
                          const QString &months, const QString &shown) {
        QTest::newRow(name) << amount << rate << months << shown << QString();
    };
    const auto fails = [](const char *name, const QString &amount, const QString &rate,
                          const QString &months, const QString &messageStart) {
        QTest::newRow(name) << amount << rate << months << QString() << messageStart;
    };
    shows("30 years", u"1000"_s, u"0.05"_s, u"360"_s, u"$5.37"_s);
    shows("one year", u"1000"_s, u"0.06"_s, u"12"_s, u"$86.07"_s);
    shows("negative amount", u"-1000"_s, u"0.05"_s, u"360"_s, u"($5.37)"_s);
    shows("blanks around", u" 1000 "_s, u" 0.06"_s, u"12 "_s, u"$86.07"_s);
    shows("grouped amount", u"120,000"_s, u"0.10"_s, u"36"_s, u"$3,872.06"_s);
    shows("out of range still used", u"999"_s, u"0.06"_s, u"12"_s, u"$85.98"_s);
    shows("tiny debt is no debt", u"-0.001"_s, u"0.05"_s, u"360"_s, u"$0.00"_s);

    const QString notANumber = u"\u200E\u201C"_s;
    const QString noPayment = u"No payment can be computed for these entries"_s;
    fails("months zero", u"1000"_s, u"0.05"_s, u"0"_s, noPayment);
    fails("rate zero", u"1000"_s, u"0"_s, u"36"_s, noPayment);
    fails("interest overflows", u"1e308"_s, u"1e308"_s, u"36"_s, noPayment);
    fails("negative base, fraction", u"1000"_s, u"-24"_s, u"36.5"_s, noPayment);
    fails("power overflows", u"1000"_s, u"0.25"_s, u"-1e6"_s, noPayment);
    fails("payment overflows", u"1e308"_s, u"0.01"_s, u"1e-20"_s, noPayment);
    fails("letters", u"abc"_s, u"0.10"_s, u"36"_s, notANumber);
    fails("blank amount", u"  "_s, u"0.10"_s, u"36"_s, u"An entry is empty"_s);
    fails("unit in months", u"120000"_s, u"0.10"_s, u"36 months"_s, notANumber);
    // Rate, amount, months: the rate's error comes first, and the interest is checked
    // before the months are read.
    fails("rate read first", u"abc"_s, u"xyz"_s, u"36"_s, u"\u200E\u201C\u2068xyz\u2069\u201D"_s);
    fails("interest checked before months", u"1e308"_s, u"1e308"_s, u"abc"_s, noPayment);
    // A pasted page is quoted by its first forty characters only.
    fails("long entry shortened", QString(100, u'x'), u"0.10"_s, u"36"_s,
          u"\u200E\u201C\u2068"_s + QString(40, u'x') + u"\u2026\u2069\u201D is not a number"_s);
    // Exactly at the limit, and one over it.
    const QString rate = QStringLiteral("0.10");
    const QString months = QStringLiteral("36");
    const QString quoteOpens = QStringLiteral("\u200E\u201C\u2068");
    fails("forty characters whole", QString(40, u'x'), rate, months,
          quoteOpens + QString(40, u'x') + QStringLiteral("\u2069\u201D is not a number"));
    fails("forty-one shortened", QString(41, u'x'), rate, months,
          quoteOpens + QString(40, u'x') + QStringLiteral("\u2026\u2069\u201D is not a number"));
    // A right-to-left entry is isolated: the sentence still starts with its quotation mark.
    fails("Hebrew entry", u"120000"_s, u"0.10"_s, u"36 \u05D7\u05D5\u05D3\u05E9\u05D9\u05DD"_s,
          u"\u200E\u201C\u2068"
          "36 \u05D7\u05D5\u05D3\u05E9\u05D9\u05DD\u2069\u201D is not a number"_s);
    fails("Arabic entry", u"120000"_s, u"0.10"_s, u"\u0663\u0666 \u0634\u0647\u0631\u0627"_s,
          u"\u200E\u201C\u2068\u0663\u0666 \u0634\u0647\u0631\u0627\u2069\u201D is not a number"_s);
    // What the user typed is shown as typed, never as markup.
    fails("markup shown as typed", u"<b>x</b>"_s, u"0.10"_s, u"36"_s,
          u"\u200E\u201C\u2068<b>x</b>\u2069\u201D is not a number"_s);
}

void tst_Payment::resultBox()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, months);
    QFETCH(QString, shown);
    QFETCH(QString, messageStart);
    MessageBoxWatcher watcher;
    Boxes boxes(amount, rate, months);
    PrintInBox(boxes.result, u"$1.00"_s);

    RunHandler([&] { boxes.calculate(); });

    if (messageStart.isEmpty()) {
        QCOMPARE(watcher.count(), 0);
        QCOMPARE(boxes.result.lines(), QStringList{shown});
        return;
    }
    // A failure leaves the result box alone.
    QCOMPARE(watcher.count(), 1);
    QVERIFY2(watcher.lastText().startsWith(messageStart), qPrintable(watcher.lastText()));
    // The program's sentences run left to right whatever the entry quoted in them.
    QVERIFY(!watcher.lastText().isRightToLeft());
    QCOMPARE(watcher.messages().last().shownText, watcher.lastText());
    QCOMPARE(boxes.result.lines(), QStringList{u"$1.00"_s});
    // The program goes on: a good entry computes afterwards.
    boxes.amount.setText(u"1000"_s);
    boxes.rate.setText(u"0.06"_s);
    boxes.months.setText(u"12"_s);
    RunHandler([&] { boxes.calculate(); });
    QCOMPARE(boxes.result.lines(), QStringList{u"$86.07"_s});
    QCOMPARE(watcher.count(), 1);
}

QTEST_MAIN(tst_Payment)
#include "tst_payment.moc"
