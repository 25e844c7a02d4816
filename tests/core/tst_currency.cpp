// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "currency.h"

#include <QTest>

using namespace core;

class tst_Currency : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void currencyText_data();
    void currencyText();
};

void tst_Currency::currencyText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");

    QTest::newRow("us") << u"en_US"_qs << 5.368216 << u"$5.37"_qs;
    QTest::newRow("us grouping") << u"en_US"_qs << 3872.0570 << u"$3,872.06"_qs;
    QTest::newRow("us negative") << u"en_US"_qs << -5.368216 << u"($5.37)"_qs;
    QTest::newRow("us zero") << u"en_US"_qs << 0.0 << u"$0.00"_qs;
    QTest::newRow("us negative zero") << u"en_US"_qs << -0.0 << u"$0.00"_qs;
    QTest::newRow("us tiny debt") << u"en_US"_qs << -0.004 << u"$0.00"_qs;
    QTest::newRow("us half cent debt") << u"en_US"_qs << -0.006 << u"($0.01)"_qs;
    QTest::newRow("de") << u"de_DE"_qs << 5.368216 << u"5,37\u00a0\u20ac"_qs;
    QTest::newRow("de negative") << u"de_DE"_qs << -5.368216 << u"-5,37\u00a0\u20ac"_qs;
    QTest::newRow("de tiny debt") << u"de_DE"_qs << -0.001 << u"0,00\u00a0\u20ac"_qs;
    QTest::newRow("fr grouping") << u"fr_FR"_qs << 3872.0570 << u"3\u202f872,06\u00a0\u20ac"_qs;
    QTest::newRow("ja no decimals") << u"ja_JP"_qs << 5.368216 << u"\uffe55"_qs;
    QTest::newRow("ja tiny debt") << u"ja_JP"_qs << -0.4 << u"\uffe50"_qs;
    QTest::newRow("in lakh grouping") << u"en_IN"_qs << 1234567.891 << u"\u20b912,34,567.89"_qs;
}

void tst_Currency::currencyText()
{
    QFETCH(QString, locale);
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(CurrencyText(amount, QLocale(locale)), expected);
}

QTEST_GUILESS_MAIN(tst_Currency)
#include "tst_currency.moc"
