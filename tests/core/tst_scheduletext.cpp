// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scheduletext.h"

#include <QTest>

using namespace core;
using namespace Qt::StringLiterals;

class tst_ScheduleText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cells_data();
    void cells();
    void tabSeparated();
    void html();
    void summary();
    void chartDescription();
    void savings_data();
    void savings();
};

namespace
{
const QLocale english(QLocale::English, QLocale::UnitedStates);

// 120000 at 0.10 in two payments, the second clearing the balance; in cents or in whole yen.
Schedule initial(int decimals)
{
    Schedule schedule;
    schedule.decimals = decimals;
    schedule.annualRate = 0.10;
    if (decimals == 2) {
        schedule.amount = 12000000;
        schedule.payment = 387206;
        schedule.rows = {{1, 387206, 0, 100000, 287206, 11712794},
                         {2, 11715994, 0, 3200, 11712794, 0}};
    } else {
        schedule.amount = 120000;
        schedule.payment = 3872;
        schedule.rows = {{1, 3872, 0, 1000, 2872, 117128}, {2, 118128, 0, 1000, 117128, 0}};
    }
    for (const ScheduleRow &row : schedule.rows) {
        schedule.totalPaid += row.payment;
        schedule.totalInterest += row.interest;
        schedule.totalPrincipal += row.principal;
    }
    return schedule;
}
} // namespace

void tst_ScheduleText::cells_data()
{
    QTest::addColumn<QLocale>("regional");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("total");
    QTest::newRow("en_US") << english << 2
                           << QStringList{u"1"_s,        u"3,872.06"_s, u"0.00"_s,
                                          u"1,000.00"_s, u"2,872.06"_s, u"117,127.94"_s}
                           << QStringList{u"Total"_s,    u"121,032.00"_s, u"0.00"_s,
                                          u"1,032.00"_s, u"120,000.00"_s, QString()};
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << 2
                           << QStringList{u"1"_s,        u"3.872,06"_s, u"0,00"_s,
                                          u"1.000,00"_s, u"2.872,06"_s, u"117.127,94"_s}
                           << QStringList{u"Total"_s,    u"121.032,00"_s, u"0,00"_s,
                                          u"1.032,00"_s, u"120.000,00"_s, QString()};
    QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan) << 0
                           << QStringList{u"1"_s,     u"3,872"_s, u"0"_s,
                                          u"1,000"_s, u"2,872"_s, u"117,128"_s}
                           << QStringList{u"Total"_s, u"122,000"_s, u"0"_s,
                                          u"2,000"_s, u"120,000"_s, QString()};
}

void tst_ScheduleText::cells()
{
    QFETCH(QLocale, regional);
    QFETCH(int, decimals);
    QFETCH(QStringList, first);
    QFETCH(QStringList, total);
    const QList<QStringList> cells = ScheduleCells(initial(decimals), regional);
    QCOMPARE(cells.size(), 3);
    QCOMPARE(cells.first(), first);
    QCOMPARE(cells.last(), total);
}

void tst_ScheduleText::tabSeparated()
{
    QCOMPARE(ScheduleTabSeparated(initial(2), english),
             u"No.\tPayment\tExtra\tInterest\tPrincipal\tBalance\n"
             "1\t3,872.06\t0.00\t1,000.00\t2,872.06\t117,127.94\n"
             "2\t117,159.94\t0.00\t32.00\t117,127.94\t0.00\n"
             "Total\t121,032.00\t0.00\t1,032.00\t120,000.00\t\n"_s);
}

void tst_ScheduleText::html()
{
    const QString html = ScheduleHtmlTable(initial(2), english);
    QVERIFY(html.startsWith(
        u"<table>\n<thead><tr><th>No.</th><th>Payment</th><th>Extra</th><th>Interest</th>"
        "<th>Principal</th><th>Balance</th></tr></thead>\n"_s));
    QVERIFY(html.contains(
        u"<tr><td>1</td><td>3,872.06</td><td>0.00</td><td>1,000.00</td><td>2,872.06</td>"
        "<td>117,127.94</td></tr>\n"_s));
    QVERIFY(html.contains(u"<tr><th>Total</th><th>121,032.00</th><th>0.00</th><th>1,032.00</th>"
                          "<th>120,000.00</th><th></th></tr>\n</tbody>\n</table>\n"_s));
    QCOMPARE(html.count(u"<tr>"_s), 4);
}

void tst_ScheduleText::summary()
{
    QList<QStringList> lines;
    for (const SummaryLine &line : ScheduleSummary(initial(2), english))
        lines.append({line.label, line.value});
    const QList<QStringList> expected = {
        {u"Amount of loan"_s, u"$120,000.00"_s},
        {u"Interest rate"_s, u"10% a year, 0.833333% a month"_s},
        {u"Payments"_s, u"2 of $3,872.06, the last $117,159.94"_s},
        {u"Interest in all"_s, u"$1,032.00"_s},
        {u"Total paid"_s, u"$121,032.00"_s},
    };
    QCOMPARE(lines, expected);
}

void tst_ScheduleText::chartDescription()
{
    QCOMPARE(ScheduleChartDescription(initial(2), english),
             u"The balance falls from $120,000.00 to zero over 2 months. Interest is 25.8% of "
             "the first payment and 0.0% of the last."_s);
    QCOMPARE(ScheduleChartDescription(Schedule(), english), QString());
}

Q_DECLARE_METATYPE(core::Extras)

void tst_ScheduleText::savings_data()
{
    QTest::addColumn<Extras>("extras");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");
    // 1000 at 0.06 over 12 months: 12 payments, $32.80 interest without extras.
    QTest::newRow("none") << Extras{} << QString() << QString();
    QTest::newRow("zeroLumpSum") << Extras{0, 1, {{3, 0}}, ExtraEffect::ShortenLoan} << QString()
                                 << QString();
    QTest::newRow("shorten") << Extras{10000, 1, {}, ExtraEffect::ShortenLoan}
                             << u"With the extras"_s
                             << u"6 payments, 6 fewer, the last No. 6; interest $16.32, $16.48 "
                                "less; total paid $1,016.32"_s;
    QTest::newRow("lower") << Extras{0, 1, {{3, 50000}}, ExtraEffect::LowerPayment}
                           << u"With the extras"_s
                           << u"12 payments, as many as without them, the last No. 12; interest "
                              "$20.22, $12.58 less; total paid $1,020.22"_s;
    QTest::newRow("clearedAtOnce")
        << Extras{0, 1, {{1, 200000}}, ExtraEffect::LowerPayment} << u"With the extras"_s
        << u"1 payment, 11 fewer, the last No. 1; interest $5.00, "
           "$27.80 less; total paid $1,005.00"_s;
}

void tst_ScheduleText::savings()
{
    QFETCH(Extras, extras);
    QFETCH(QString, label);
    QFETCH(QString, value);
    const double payment = 86.06642970708246;
    const Schedule without = AmortisationSchedule(1000, 0.06, 12, payment, 2);
    const Schedule with = AmortisationSchedule(1000, 0.06, 12, payment, 2, extras);
    const SummaryLine line = ScheduleSavings(with, without, english);
    QCOMPARE(line.label, label);
    QCOMPARE(line.value, value);
}

QTEST_GUILESS_MAIN(tst_ScheduleText)
#include "tst_scheduletext.moc"
