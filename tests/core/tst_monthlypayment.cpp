// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exactcompare.h"
#include "monthlypayment.h"

#include <QTest>

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

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale swiss(QLocale::German, QLocale::Switzerland);
    QTest::newRow("us grouped") << english << u"120,000"_s << u"0.10"_s;
    QTest::newRow("de grouped, comma") << german << u"120.000"_s << u"0,10"_s;
    QTest::newRow("de period rate") << german << u"120000"_s << u"0.10"_s;
    QTest::newRow("ch apostrophe") << swiss << u"120\u2019000"_s << u"0.10"_s;
}

// The entries are read by the settings handed in, never by the shell's.
void tst_MonthlyPayment::readsByTheGivenSettings()
{
    QFETCH(QLocale, regional);
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    COMPARE_EXACT(PaymentFor(amount, rate, u"36"_s, regional),
                  PaymentFor(u"120000"_s, u"0.10"_s, u"36"_s, english));
}

QTEST_APPLESS_MAIN(tst_MonthlyPayment)
#include "tst_monthlypayment.moc"
