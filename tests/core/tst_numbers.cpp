// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errors.h"
#include "exactcompare.h"
#include "numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace core;
using namespace Qt::StringLiterals;

class tst_Numbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void leadingValue_data();
    void leadingValue();
    void strictValue_data();
    void strictValue();
    void powerOf_data();
    void powerOf();
    void boundText_data();
    void boundText();
};

static constexpr double infinity = std::numeric_limits<double>::infinity();

void tst_Numbers::leadingValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain") << u"120000"_s << 120000.0;
    QTest::newRow("tab and line feed") << u"\t1\n2"_s << 12.0;
    QTest::newRow("grouping comma stops") << u"120,000"_s << 120.0;
    QTest::newRow("trailing unit") << u"36 months"_s << 36.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("letters") << u"abc"_s << 0.0;
    QTest::newRow("minus") << u"-5"_s << -5.0;
    QTest::newRow("blank after sign") << u"- 5"_s << -5.0;
    QTest::newRow("two signs") << u"--5"_s << 0.0;
    QTest::newRow("second point stops") << u"1.5.3"_s << 1.5;
    QTest::newRow("leading point") << u".5"_s << 0.5;
    QTest::newRow("exponent") << u"1e3"_s << 1000.0;
    QTest::newRow("blanks in exponent") << u"1 e - 3"_s << 0.001;
    QTest::newRow("e without digits") << u"1e"_s << 1.0;
    QTest::newRow("no D exponent") << u"1d2"_s << 1.0;
    QTest::newRow("no-break space stops") << u"1\u00a02"_s << 1.0;
    QTest::newRow("carriage return stops") << u"1\r2"_s << 1.0;
    // Digits of every script are digits, and the full-width forms of the period and the signs
    // are those characters; still only a period is a decimal point, and a comma ends a number.
    QTest::newRow("arabic-indic digits") << u"\u0661\u0662"_s << 12.0;
    QTest::newRow("persian digits, period") << u"\u06F0.\u06F1\u06F0"_s << 0.1;
    QTest::newRow("devanagari digits") << u"\u0969\u096C months"_s << 36.0;
    QTest::newRow("full-width digits") << u"\uFF12\uFF15\uFF10\uFF10\uFF10\uFF10"_s << 250000.0;
    QTest::newRow("full-width minus, point") << u"\uFF0D\uFF10\uFF0E\uFF15"_s << -0.5;
    QTest::newRow("full-width plus") << u"\uFF0B \uFF15"_s << 5.0;
    QTest::newRow("mixed scripts") << u"1\u0662\uFF13\u0969"_s << 1233.0;
    QTest::newRow("exponent, own digits") << u"\u0661e\u0663"_s << 1000.0;
    QTest::newRow("beyond the first plane") << u"\U0001D7CF\U0001D7D0.\U0001D7D3"_s << 12.5;
    QTest::newRow("own digits, comma stops") << u"\u0661\u0662\u0660,\u0660\u0660\u0660"_s << 120.0;
    QTest::newRow("full-width comma stops") << u"\uFF11\uFF12\uFF10\uFF0C\uFF10"_s << 120.0;
    QTest::newRow("arabic decimal stops") << u"\u0660\u066B\u0661"_s << 0.0;
    QTest::newRow("superscript no digit") << u"2\u00B2"_s << 2.0;
    QTest::newRow("circled no digit") << u"\u2460"_s << 0.0;
    QTest::newRow("lone surrogate stops") << u"1"_s + QChar(0xD835) + u"2"_s << 1.0;
    QTest::newRow("nan spelled") << u"nan"_s << 0.0;
    QTest::newRow("underflow") << u"1e-400"_s << 0.0;
    QTest::newRow("negative underflow") << u"-1e-400"_s << -0.0;
    QTest::newRow("smallest denormal")
        << u"4.9e-324"_s << std::numeric_limits<double>::denorm_min();
    QTest::newRow("rounds to zero") << u"2.4703282292062327e-324"_s << 0.0;
    QTest::newRow("largest") << u"1.7976931348623157e308"_s << std::numeric_limits<double>::max();
    QTest::newRow("just beyond largest") << u"1.7976931348623159e308"_s << infinity;
    QTest::newRow("negative overflow") << u"-1e400"_s << -infinity;
    QTest::newRow("plus sign") << u"+5"_s << 5.0;
    QTest::newRow("zeros before exponent") << u"0.000e999999"_s << 0.0;
    QTest::newRow("zeros before overflow") << u"000.0001e400"_s << infinity;
    QTest::newRow("huge exponent") << u"1e99999999999999999999"_s << infinity;
    QTest::newRow("many digits") << u"3.14159265358979323846264338327950288"_s << M_PI;
    QTest::newRow("longest digits") << QString(32767, u'9') << infinity;
    QTest::newRow("longest blanks") << QString(32767, u' ') + u"42"_s << 42.0;
    QTest::newRow("long fraction") << u"0."_s + QString(32000, u'0') + u"1e32001"_s << 1.0;
}

void tst_Numbers::leadingValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    COMPARE_EXACT(LeadingValue(text), expected);
}

void tst_Numbers::strictValue_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    // Not a number where the text must be rejected.
    QTest::addColumn<double>("expected");

    QTest::newRow("us rate") << u"en_US"_s << u"0.10"_s << 0.1;
    QTest::newRow("us surrounding blanks") << u"en_US"_s << u"  36 \t"_s << 36.0;
    QTest::newRow("us grouping") << u"en_US"_s << u"120,000"_s << 120000.0;
    QTest::newRow("us exponent") << u"en_US"_s << u"1.5e3"_s << 1500.0;
    QTest::newRow("us underflow reads zero") << u"en_US"_s << u"1e-400"_s << 0.0;
    QTest::newRow("de comma") << u"de_DE"_s << u"0,10"_s << 0.1;
    QTest::newRow("de period rate") << u"de_DE"_s << u"0.10"_s << 0.1;
    QTest::newRow("de grouping wins") << u"de_DE"_s << u"120.000"_s << 120000.0;
    QTest::newRow("de no zero group") << u"de_DE"_s << u"0.125"_s << 0.125;
    QTest::newRow("de no zeros group") << u"de_DE"_s << u"-00.125"_s << -0.125;
    QTest::newRow("de grouping and comma") << u"de_DE"_s << u"1.000,5"_s << 1000.5;
    // Whichever apostrophe the toolkit's Swiss settings write (it changed with Qt 6.11), the
    // one a keyboard types and the typographic one both group.
    QTest::newRow("ch typed apostrophe") << u"de_CH"_s << u"120'000"_s << 120000.0;
    QTest::newRow("ch typographic apostrophe") << u"de_CH"_s << u"120\u2019000"_s << 120000.0;
    QTest::newRow("ch apostrophe and point") << u"de_CH"_s << u"1'000.5"_s << 1000.5;
    QTest::newRow("us apostrophe no number") << u"en_US"_s << u"120'000"_s << qQNaN();
    QTest::newRow("ar native digits") << u"ar_EG"_s << u"\u0661\u0662"_s << 12.0;
    QTest::newRow("ar own grouping")
        << u"ar_EG"_s << u"\u0661\u0662\u0660\u066C\u0660\u0660\u0660"_s << 120000.0;
    QTest::newRow("ar period rate") << u"ar_EG"_s << u"\u0660.\u0661\u0660"_s << 0.1;
    QTest::newRow("fa period rate") << u"fa_IR"_s << u"\u06F0.\u06F1\u06F0"_s << 0.1;
    QTest::newRow("hi devanagari grouping")
        << u"hi_IN"_s << u"\u0967,\u0968\u0966,\u0966\u0966\u0966"_s << 120000.0;
    QTest::newRow("hi devanagari rate") << u"hi_IN"_s << u"\u0966.\u0967\u0966"_s << 0.1;
    QTest::newRow("ja full-width rate") << u"ja_JP"_s << u"\uFF10\uFF0E\uFF11\uFF10"_s << 0.1;
    QTest::newRow("ja full-width grouping")
        << u"ja_JP"_s << u"\uFF11\uFF12\uFF10,\uFF10\uFF10\uFF10"_s << 120000.0;
    QTest::newRow("ja full-width minus") << u"ja_JP"_s << u"\uFF0D\uFF13\uFF16"_s << -36.0;
    // The full-width period is read where the period is: a group separator in German.
    QTest::newRow("de full-width period")
        << u"de_DE"_s << u"\uFF11\uFF0E\uFF10\uFF10\uFF10"_s << 1000.0;
    QTest::newRow("us beyond the first plane") << u"en_US"_s << u"\U0001D7D1\U0001D7D4"_s << 36.0;
    QTest::newRow("ar rejects zero group")
        << u"ar_EG"_s << u"\u0660\u066C\u0661\u0662\u0665"_s << qQNaN();
    QTest::newRow("us rejects superscript") << u"en_US"_s << u"3\u00B2"_s << qQNaN();
    // Texts that are no number, whatever the settings.
    for (const QString &locale : {u"en_US"_s, u"de_DE"_s}) {
        const auto row = [&](const char *name, const QString &text) {
            QTest::addRow("%s rejects %s", qPrintable(locale), name) << locale << text << qQNaN();
        };
        row("empty", QString());
        row("letters", u"abc"_s);
        row("trailing unit", u"36 months"_s);
        row("blank inside", u"12 0000"_s);
        row("overflow", u"1e400"_s);
        row("nan", u"nan"_s);
        row("nul inside", u"1\u00002"_s);
        row("very long", QString(32767, u'9'));
        row("zero group", locale == u"en_US"_s ? u"0,125"_s : u"0.125,5"_s);
    }
}

void tst_Numbers::strictValue()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    if (std::isnan(expected))
        QVERIFY_THROWS_EXCEPTION(TypeMismatchError, StrictValue(text, QLocale(locale)));
    else
        COMPARE_EXACT(StrictValue(text, QLocale(locale)), expected);
}

void tst_Numbers::powerOf_data()
{
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("exponent");
    // Not a number where the power must fault.
    QTest::addColumn<double>("expected");

    QTest::newRow("payment factor") << 1.0 + 0.1 / 12 << -36.0 << std::pow(1.0 + 0.1 / 12, -36.0);
    QTest::newRow("negative base whole exponent") << -2.0 << 3.0 << -8.0;
    QTest::newRow("zero exponent") << 5.0 << 0.0 << 1.0;
    QTest::newRow("underflow is fine") << 2.0 << -1080.0 << 0.0;
    QTest::newRow("negative base fraction") << -8.0 << 1.0 / 3 << qQNaN();
    QTest::newRow("overflow") << 10.0 << 400.0 << qQNaN();
    QTest::newRow("zero to negative") << 0.0 << -1.0 << qQNaN();
}

void tst_Numbers::powerOf()
{
    QFETCH(double, base);
    QFETCH(double, exponent);
    QFETCH(double, expected);
    if (std::isnan(expected))
        QVERIFY_THROWS_EXCEPTION(ArithmeticFault, PowerOf(base, exponent));
    else
        COMPARE_EXACT(PowerOf(base, exponent), expected);
}

void tst_Numbers::boundText_data()
{
    QTest::addColumn<double>("number");
    // Empty where only the reading back matters.
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << u" 0"_s;
    QTest::newRow("negative zero") << -0.0 << u" 0"_s;
    QTest::newRow("negative") << -5.0 << u"-5"_s;
    QTest::newRow("negative fraction") << -0.05 << u"-0.05"_s;
    QTest::newRow("needs 17 digits") << 0.1 + 0.2 << u" 0.30000000000000004"_s;
    QTest::newRow("large") << 1e20 << u" 1e+20"_s;
    QTest::newRow("small") << 1.5e-7 << u" 1.5e-07"_s;
    QTest::newRow("max") << std::numeric_limits<double>::max() << QString();
    QTest::newRow("lowest") << std::numeric_limits<double>::lowest() << QString();
    QTest::newRow("min normal") << std::numeric_limits<double>::min() << QString();
    QTest::newRow("denormal") << std::numeric_limits<double>::denorm_min() << QString();
    QTest::newRow("third") << 1.0 / 3 << QString();
    QTest::newRow("fixed edge") << 999999999999999.9 << QString();
    QTest::newRow("scientific edge") << 9.999999999999999e-6 << QString();
}

void tst_Numbers::boundText()
{
    QFETCH(double, number);
    QFETCH(QString, expected);
    const QString text = BoundText(number);
    if (!expected.isEmpty())
        QCOMPARE(text, expected);
    // A negative zero has the sign position of zero, so it reads back as zero.
    COMPARE_EXACT(LeadingValue(text), number == 0 ? 0.0 : number);
}

QTEST_GUILESS_MAIN(tst_Numbers)
#include "tst_numbers.moc"
