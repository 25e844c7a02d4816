// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errors.h"
#include "exactcompare.h"
#include "monthlypayment.h"

#include <QTest>

#include <array>
#include <cmath>

using namespace core;
using namespace Qt::StringLiterals;

class tst_MonthlyPayment : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void matchesTheExactPayment_data();
    void matchesTheExactPayment();
    void keepsTheOrderOfItsSteps_data();
    void keepsTheOrderOfItsSteps();
    void readsByTheGivenSettings_data();
    void readsByTheGivenSettings();
    void pointsAtTheEntryItCannotRead_data();
    void pointsAtTheEntryItCannotRead();
};

namespace
{
const QLocale english(QLocale::English, QLocale::UnitedStates);

QString spelled(double number)
{
    return QString::number(number, 'g', 17);
}
} // namespace

void tst_MonthlyPayment::matchesTheExactPayment_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("months");
    // Computed independently with 50-digit decimal arithmetic.
    QTest::addColumn<double>("exact");

    QTest::newRow("30 years") << u"1000"_s << u"0.05"_s << u"360"_s << 5.3682162301213898;
    QTest::newRow("one year") << u"1000"_s << u"0.06"_s << u"12"_s << 86.066429707080663;
    QTest::newRow("fractional months") << u"1000"_s << u"0.05"_s << u"36.5"_s << 29.590308462909765;
    QTest::newRow("initial entries") << u"120000"_s << u"0.10"_s << u"36"_s << 3872.0624632604984;
}

// How close the fixed order comes to the true payment; its exact bits are the next test's.
void tst_MonthlyPayment::matchesTheExactPayment()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, months);
    QFETCH(double, exact);
    // The rounding of 1 - factor costs about 1e-12 of the payment.
    const double payment = PaymentFor(amount, rate, months, english);
    QVERIFY2(std::fabs(payment - exact) <= 1e-11 * exact, qPrintable(spelled(payment)));
}

void tst_MonthlyPayment::keepsTheOrderOfItsSteps_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("months");

    // A regrouped formula ((A × (r ÷ 12)), or interest × (1 ÷ (1 − factor))) differs from the
    // fixed order in the last bits for many of these entries.
    const double amounts[] = {120000, 1000, 987654.321, 3333.33, 1e6, -1000};
    const double rates[] = {0.10, 0.05, 0.07, 0.1234567, 0.25};
    const double months[] = {36, 360, 12, 36.5, 359, -12};
    for (double a : amounts) {
        for (double r : rates) {
            for (double n : months)
                QTest::addRow("%g/%g/%g", a, r, n) << a << r << n;
        }
    }
    // Found by a search over rates: (rate + 12) / 12 rounds apart from rate / 12 + 1 here, and
    // the payment with it.
    QTest::newRow("rate step grouping") << 120000.0 << 0.0506 << 36.0;
}

void tst_MonthlyPayment::keepsTheOrderOfItsSteps()
{
    QFETCH(double, amount);
    QFETCH(double, rate);
    QFETCH(double, months);
    // The steps one at a time, each rounded to a double before the next uses it.
    const volatile double interest = (amount * rate) / 12;
    const volatile double base = rate / 12 + 1;
    const volatile double factor = std::pow(base, -months);
    const double expected = interest / (1 - factor);

    COMPARE_EXACT(PaymentFor(spelled(amount), spelled(rate), spelled(months), english), expected);
}

void tst_MonthlyPayment::readsByTheGivenSettings_data()
{
    QTest::addColumn<QLocale>("regional");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("months");

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale swiss(QLocale::German, QLocale::Switzerland);
    QTest::newRow("us grouped") << english << u"120,000"_s << u"0.10"_s << u"36"_s;
    QTest::newRow("de grouped, comma") << german << u"120.000"_s << u"0,10"_s << u"36"_s;
    QTest::newRow("de period rate") << german << u"120000"_s << u"0.10"_s << u"36"_s;
    // Which apostrophe Swiss settings group with changes between the toolkit's releases.
    QTest::newRow("ch grouped") << swiss << swiss.toString(120000) << u"0.10"_s << u"36"_s;
    // In the digits the settings write, or an input method types, with a period in the rate.
    QTest::newRow("ar own digits")
        << QLocale(u"ar_EG"_s) << u"\u0661\u0662\u0660\u0660\u0660\u0660"_s
        << u"\u0660.\u0661\u0660"_s << u"\u0663\u0666"_s;
    QTest::newRow("ar own separators")
        << QLocale(u"ar_EG"_s) << u"\u0661\u0662\u0660\u066C\u0660\u0660\u0660"_s
        << u"\u0660\u066B\u0661\u0660"_s << u"\u0663\u0666"_s;
    QTest::newRow("fa own digits")
        << QLocale(u"fa_IR"_s) << u"\u06F1\u06F2\u06F0\u06F0\u06F0\u06F0"_s
        << u"\u06F0.\u06F1\u06F0"_s << u"\u06F3\u06F6"_s;
    QTest::newRow("hi devanagari")
        << QLocale(u"hi_IN"_s) << u"\u0967,\u0968\u0966,\u0966\u0966\u0966"_s
        << u"\u0966.\u0967\u0966"_s << u"\u0969\u096C"_s;
    QTest::newRow("ja full-width")
        << QLocale(u"ja_JP"_s) << u"\uFF11\uFF12\uFF10\uFF10\uFF10\uFF10"_s
        << u"\uFF10\uFF0E\uFF11\uFF10"_s << u"\uFF13\uFF16"_s;
}

// The entries are read by the settings handed in, never by the shell's.
void tst_MonthlyPayment::readsByTheGivenSettings()
{
    QFETCH(QLocale, regional);
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, months);
    COMPARE_EXACT(PaymentFor(amount, rate, months, regional),
                  PaymentFor(u"120000"_s, u"0.10"_s, u"36"_s, english));
}

void tst_MonthlyPayment::pointsAtTheEntryItCannotRead_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("months");
    QTest::addColumn<PaymentFieldNames>("names");
    QTest::addColumn<int>("field");

    // Names are words for people: they may repeat, or be missing, and still the error says which
    // entry it is about.
    const QString bad = QStringLiteral("abc");
    const QString same = QStringLiteral("Entry");
    const PaymentFieldNames oneForAll{same, same, same};
    const auto row = [&](const char *name, int badOne, const PaymentFieldNames &names) {
        QTest::newRow(name) << (badOne == 0 ? bad : QStringLiteral("1000"))
                            << (badOne == 1 ? bad : QStringLiteral("0.10"))
                            << (badOne == 2 ? bad : QStringLiteral("36")) << names
                            << int(std::array{EntryField::Amount, EntryField::Rate,
                                              EntryField::Months}[badOne]);
    };
    row("amount, one name for all", 0, oneForAll);
    row("rate, one name for all", 1, oneForAll);
    row("months, one name for all", 2, oneForAll);
    row("months, no names", 2, {});
}

void tst_MonthlyPayment::pointsAtTheEntryItCannotRead()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, months);
    QFETCH(PaymentFieldNames, names);
    QFETCH(int, field);
    try {
        PaymentFor(amount, rate, months, english, names);
        QFAIL("an entry that is no number was read");
    } catch (const TypeMismatchError &error) {
        QCOMPARE(int(error.field()), field);
        QCOMPARE(error.text(), QStringLiteral("abc"));
    }
}

QTEST_APPLESS_MAIN(tst_MonthlyPayment)
#include "tst_monthlypayment.moc"
