// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monthlypayment.h"
#include "numbers.h"
#include "schedule.h"

#include <QTest>

using namespace core;
using namespace Qt::StringLiterals;

using Row = QList<qint64>;

class tst_Schedule : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void currencyDecimals_data();
    void currencyDecimals();
    void minorUnitsRoundAsTheMoneyText_data();
    void minorUnitsRoundAsTheMoneyText();
    void fixedRows_data();
    void fixedRows();
    void interestRoundsHalfAwayFromZero();
    void outOfRangeEntriesGiveNoRows_data();
    void outOfRangeEntriesGiveNoRows();
};

namespace
{
Row asRow(const ScheduleRow &row)
{
    return {row.number, row.payment, row.interest, row.principal, row.balance};
}
} // namespace

void tst_Schedule::currencyDecimals_data()
{
    QTest::addColumn<QLocale>("regional");
    QTest::addColumn<int>("decimals");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << 2;
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << 2;
    QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan) << 0;
    QTest::newRow("ar_EG") << QLocale(QLocale::Arabic, QLocale::Egypt) << 2;
    QTest::newRow("C") << QLocale::c() << 2;
}

void tst_Schedule::currencyDecimals()
{
    QFETCH(QLocale, regional);
    QFETCH(int, decimals);
    QCOMPARE(CurrencyDecimals(regional), decimals);
}

void tst_Schedule::minorUnitsRoundAsTheMoneyText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<qint64>("units");
    QTest::newRow("cents") << 3872.062463260498 << 2 << qint64(387206);
    QTest::newRow("up") << 29.5963 << 2 << qint64(2960);
    QTest::newRow("yen") << 3872.5001 << 0 << qint64(3873);
    QTest::newRow("largest") << 20845.786360269787 << 2 << qint64(2084579);
    QTest::newRow("negative") << -12.345678 << 2 << qint64(-1235);
}

void tst_Schedule::minorUnitsRoundAsTheMoneyText()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(qint64, units);
    QCOMPARE(MinorUnits(value, decimals), units);
    // And the other way: the units are what the money text of the value says.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(english.toString(MajorUnits(units, decimals), 'f', decimals),
             english.toString(value, 'f', decimals));
}

void tst_Schedule::fixedRows_data()
{
    QTest::addColumn<QLocale>("regional");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("months");
    QTest::addColumn<int>("count");
    QTest::addColumn<Row>("first");
    QTest::addColumn<Row>("second");
    QTest::addColumn<Row>("last");
    // Paid, interest, principal.
    QTest::addColumn<Row>("totals");

    // Worked out independently in decimal arithmetic.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QTest::newRow("en_US initial")
        << english << u"120000"_s << u"0.10"_s << u"36"_s << 36
        << Row{1, 387206, 100000, 287206, 11712794} << Row{2, 387206, 97607, 289599, 11423195}
        << Row{36, 387217, 3200, 384017, 0} << Row{13939427, 1939427, 12000000};
    QTest::newRow("de_DE initial")
        << german << u"120.000"_s << u"0,10"_s << u"36"_s << 36
        << Row{1, 387206, 100000, 287206, 11712794} << Row{2, 387206, 97607, 289599, 11423195}
        << Row{36, 387217, 3200, 384017, 0} << Row{13939427, 1939427, 12000000};
    QTest::newRow("ja_JP initial")
        << japanese << u"120000"_s << u"0.10"_s << u"36"_s << 36 << Row{1, 3872, 1000, 2872, 117128}
        << Row{2, 3872, 976, 2896, 114232} << Row{36, 3871, 32, 3839, 0}
        << Row{139391, 19391, 120000};
    QTest::newRow("fractional months")
        << english << u"1000"_s << u"0.05"_s << u"36.5"_s << 37 << Row{1, 2959, 417, 2542, 97458}
        << Row{2, 2959, 406, 2553, 94905} << Row{37, 1484, 6, 1478, 0} << Row{108008, 8008, 100000};
    QTest::newRow("largest") << english << u"1000000"_s << u"0.25"_s << u"360"_s << 360
                             << Row{1, 2084579, 2083333, 1246, 99998754}
                             << Row{2, 2084579, 2083307, 1272, 99997482}
                             << Row{360, 2051225, 41862, 2009363, 0}
                             << Row{750415086, 650415086, 100000000};
    QTest::newRow("yen paid short")
        << japanese << u"1000"_s << u"0.05"_s << u"360"_s << 360 << Row{1, 5, 4, 1, 999}
        << Row{2, 5, 4, 1, 998} << Row{360, 367, 2, 365, 0} << Row{2162, 1162, 1000};
    const Row one{1, 100417, 417, 100000, 0};
    QTest::newRow("one month") << english << u"1000"_s << u"0.05"_s << u"1"_s << 1 << one << one
                               << one << Row{100417, 417, 100000};
}

void tst_Schedule::fixedRows()
{
    QFETCH(QLocale, regional);
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, months);
    QFETCH(int, count);
    QFETCH(Row, first);
    QFETCH(Row, second);
    QFETCH(Row, last);
    QFETCH(Row, totals);

    const double payment = PaymentFor(amount, rate, months, regional);
    const Schedule schedule =
        AmortisationSchedule(StrictValue(amount, regional), StrictValue(rate, regional),
                             StrictValue(months, regional), payment, CurrencyDecimals(regional));
    QCOMPARE(qsizetype(schedule.rows.size()), qsizetype(count));
    QCOMPARE(schedule.payment, first.at(1));
    QCOMPARE(asRow(schedule.rows.front()), first);
    QCOMPARE(asRow(schedule.rows.at(count > 1 ? 1 : 0)), second);
    QCOMPARE(asRow(schedule.rows.back()), last);
    QCOMPARE((Row{schedule.totalPaid, schedule.totalInterest, schedule.totalPrincipal}), totals);
    // The level payment is the one the result box shows.
    QCOMPARE(regional.toCurrencyString(MajorUnits(schedule.payment, schedule.decimals)),
             regional.toCurrencyString(payment));
}

void tst_Schedule::interestRoundsHalfAwayFromZero()
{
    // 1100 × 0.06 ÷ 12 is 5.5 exactly in decimals, the rate as typed; half goes up.
    const Schedule schedule = AmortisationSchedule(1100, 0.06, 12, 94.6730726777907, 0);
    QCOMPARE(asRow(schedule.rows.front()), (Row{1, 95, 6, 89, 1011}));
    // 0.10 × 150 cents ÷ 12 is 1.25 whatever binary fraction 0.10 is read as: 1 cent.
    const Schedule cents = AmortisationSchedule(1.5, 0.10, 1, 1.5125, 2);
    QCOMPARE(asRow(cents.rows.front()), (Row{1, 151, 1, 150, 0}));
}

void tst_Schedule::outOfRangeEntriesGiveNoRows_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("months");
    QTest::newRow("no months") << 1000.0 << 0.05 << 0.0;
    QTest::newRow("too many months") << 1000.0 << 0.05 << 3600.0;
    QTest::newRow("negative amount") << -1000.0 << 0.05 << 12.0;
    QTest::newRow("zero rate") << 1000.0 << 0.0 << 12.0;
    QTest::newRow("not a number") << 1000.0 << 0.05 << std::nan("");
}

void tst_Schedule::outOfRangeEntriesGiveNoRows()
{
    QFETCH(double, amount);
    QFETCH(double, rate);
    QFETCH(double, months);
    QVERIFY(AmortisationSchedule(amount, rate, months, 100.0, 2).rows.empty());
}

QTEST_GUILESS_MAIN(tst_Schedule)
#include "tst_schedule.moc"
