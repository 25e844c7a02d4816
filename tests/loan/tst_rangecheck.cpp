// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messageboxwatcher.h"
#include "rangecheck.h"
#include "windowtest.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_RangeCheck : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void checkRange_data();
    void checkRange();
};

void tst_RangeCheck::checkRange_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<QString>("entry");
    // The whole prompt of the message an entry out of range brings; empty for one within.
    QTest::addColumn<QString>("prompt");

    const auto rowsFor = [](const QString &field, double lower, double upper,
                            const QString &prompt) {
        return [=](const char *name, const QString &entry, bool within) {
            QTest::newRow(name) << field << lower << upper << entry
                                << (within ? QString() : prompt);
        };
    };
    const auto amount = rowsFor(u"Amount of Loan"_s, 1000, 1000000,
                                u"The Amount of Loan must be between  1000 and  1000000"_s);
    const auto rate = rowsFor(u"Annual Interest Rate"_s, 0.05, 0.25,
                              u"The Annual Interest Rate must be between  0.05 and  0.25"_s);
    const auto months = rowsFor(u"Length of Loan (in months)"_s, 1, 360,
                                u"The Length of Loan (in months) must be between  1 and  360"_s);
    const auto change = rowsFor(u"Change"_s, -5, 0.5, u"The Change must be between -5 and  0.5"_s);
    amount("amount low bound", u"1000"_s, true);
    amount("amount high bound", u"1000000"_s, true);
    amount("amount below", u"999"_s, false);
    amount("amount above", u"1000000.01"_s, false);
    amount("amount grouped", u"120,000"_s, false);
    amount("amount empty", QString(), false);
    amount("amount overflow", u"1e400"_s, false);
    rate("rate low bound", u"0.05"_s, true);
    rate("rate high bound", u".25"_s, true);
    rate("rate as percent", u"10"_s, false);
    months("months with unit", u"36 months"_s, true);
    months("months negative", u"-36"_s, false);
    months("months far above", u"1e9"_s, false);
    change("negative bound", u"-6"_s, false);
    // Digits as the regional settings write them, or as an input method types them.
    amount("amount arabic-indic", u"\u0662\u0665\u0660\u0660\u0660\u0660"_s, true);
    amount("amount full-width", u"\uFF12\uFF15\uFF10\uFF10\uFF10\uFF10"_s, true);
    amount("amount own digits grouped", u"\u0661\u0662\u0660,\u0660\u0660\u0660"_s, false);
    rate("rate persian, period", u"\u06F0.\u06F1\u06F0"_s, true);
    rate("rate full-width point", u"\uFF10\uFF0E\uFF11\uFF10"_s, true);
    // Only a period is a decimal point: the Arabic one ends the number at 0.
    rate("rate arabic decimal", u"\u0660\u066B\u0661\u0660"_s, false);
    months("months devanagari", u"\u0969\u096C"_s, true);
    months("months full-width minus", u"\uFF0D\uFF13\uFF16"_s, false);
}

void tst_RangeCheck::checkRange()
{
    QFETCH(QString, field);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(QString, entry);
    QFETCH(QString, prompt);

    MessageBoxWatcher watcher;
    const QString entryBefore = entry;
    QCOMPARE(loan::CheckRange(lower, upper, entry, field), prompt.isEmpty());
    QCOMPARE(entry, entryBefore);
    QCOMPARE(watcher.count(), prompt.isEmpty() ? 0 : 1);
    if (!prompt.isEmpty()) {
        const auto message = watcher.messages().first();
        QCOMPARE(message.title, u"Invalid Parameter"_s);
        QCOMPARE(message.text, prompt);
        QVERIFY(!message.hasIcon);
        QCOMPARE(message.buttonCount, 1);
    }
}

QTEST_MAIN(tst_RangeCheck)
#include "tst_rangecheck.moc"
