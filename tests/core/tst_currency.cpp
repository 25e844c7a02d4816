// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "currency.h"

#include <QTest>

using namespace core;
using namespace Qt::StringLiterals;

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

    QTest::newRow("us") << u"en_US"_s << 5.368216 << u"$5.37"_s;
    QTest::newRow("us grouping") << u"en_US"_s << 3872.0570 << u"$3,872.06"_s;
    QTest::newRow("us negative") << u"en_US"_s << -5.368216 << u"($5.37)"_s;
    QTest::newRow("us zero") << u"en_US"_s << 0.0 << u"$0.00"_s;
    QTest::newRow("us negative zero") << u"en_US"_s << -0.0 << u"$0.00"_s;
    QTest::newRow("us tiny debt") << u"en_US"_s << -0.004 << u"$0.00"_s;
    QTest::newRow("us half cent debt") << u"en_US"_s << -0.006 << u"($0.01)"_s;
    QTest::newRow("de") << u"de_DE"_s << 5.368216 << u"5,37\u00a0\u20ac"_s;
    QTest::newRow("de negative") << u"de_DE"_s << -5.368216 << u"-5,37\u00a0\u20ac"_s;
    QTest::newRow("de tiny debt") << u"de_DE"_s << -0.001 << u"0,00\u00a0\u20ac"_s;
    QTest::newRow("fr grouping") << u"fr_FR"_s << 3872.0570 << u"3\u202f872,06\u00a0\u20ac"_s;
    QTest::newRow("ja no decimals") << u"ja_JP"_s << 5.368216 << u"\uffe55"_s;
    QTest::newRow("ja tiny debt") << u"ja_JP"_s << -0.4 << u"\uffe50"_s;
    QTest::newRow("in lakh grouping") << u"en_IN"_s << 1234567.891 << u"\u20b912,34,567.89"_s;
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
