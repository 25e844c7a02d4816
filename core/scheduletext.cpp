// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scheduletext.h"

#include "currency.h"

using namespace Qt::StringLiterals;

namespace core
{

namespace
{
QString cell(qint64 minorUnits, const Schedule &schedule, const QLocale &regional)
{
    return regional.toString(MajorUnits(minorUnits, schedule.decimals), 'f', schedule.decimals);
}

QString money(qint64 minorUnits, const Schedule &schedule, const QLocale &regional)
{
    return CurrencyText(MajorUnits(minorUnits, schedule.decimals), regional);
}

// Twelve significant digits hide the binary fraction 0.10 is read as (10.000000000000002).
QString percent(double fraction, int significant, const QLocale &regional)
{
    return regional.toString(fraction * 100, 'g', significant) + regional.percent();
}

QString share(qint64 part, qint64 whole, const QLocale &regional)
{
    return whole == 0 ? percent(0, 3, regional)
                      : regional.toString(100.0 * double(part) / double(whole), 'f', 1) +
                            regional.percent();
}
} // namespace

QStringList ScheduleHeader()
{
    return {u"No."_s, u"Payment"_s, u"Extra"_s, u"Interest"_s, u"Principal"_s, u"Balance"_s};
}

QList<QStringList> ScheduleCells(const Schedule &schedule, const QLocale &regional)
{
    QList<QStringList> cells;
    cells.reserve(qsizetype(schedule.rows.size()) + 1);
    for (const ScheduleRow &row : schedule.rows) {
        cells.append({regional.toString(row.number), cell(row.payment, schedule, regional),
                      cell(row.extra, schedule, regional), cell(row.interest, schedule, regional),
                      cell(row.principal, schedule, regional),
                      cell(row.balance, schedule, regional)});
    }
    // No balance stands in the total: a sum of balances means nothing.
    cells.append({u"Total"_s, cell(schedule.totalPaid, schedule, regional),
                  cell(schedule.totalExtra, schedule, regional),
                  cell(schedule.totalInterest, schedule, regional),
                  cell(schedule.totalPrincipal, schedule, regional), QString()});
    return cells;
}

QString ScheduleTitle(const Schedule &schedule, const QLocale &regional)
{
    return u"Payment Schedule \u2014 %1, %2, %3 months"_s.arg(
        money(schedule.amount, schedule, regional), percent(schedule.annualRate, 12, regional),
        regional.toString(schedule.months, 'g', 12));
}

QList<SummaryLine> ScheduleSummary(const Schedule &schedule, const QLocale &regional)
{
    const qsizetype count = qsizetype(schedule.rows.size());
    QString payments =
        u"%1 of %2"_s.arg(regional.toString(count), money(schedule.payment, schedule, regional));
    if (count > 0 && schedule.rows.back().payment != schedule.payment)
        payments = count == 1
                       ? u"1 of %1"_s.arg(money(schedule.rows.back().payment, schedule, regional))
                       : u"%1, the last %2"_s.arg(
                             payments, money(schedule.rows.back().payment, schedule, regional));
    return {
        {u"Amount of loan"_s, money(schedule.amount, schedule, regional)},
        {u"Interest rate"_s,
         u"%1 a year, %2 a month"_s.arg(percent(schedule.annualRate, 12, regional),
                                        percent(schedule.annualRate / 12, 6, regional))},
        {u"Payments"_s, payments},
        {u"Interest in all"_s, money(schedule.totalInterest, schedule, regional)},
        {u"Total paid"_s, money(schedule.totalPaid + schedule.totalExtra, schedule, regional)},
    };
}

SummaryLine ScheduleSavings(const Schedule &withExtras, const Schedule &without,
                            const QLocale &regional)
{
    if (withExtras.totalExtra <= 0 || withExtras.rows.empty())
        return {};
    const qsizetype count = qsizetype(withExtras.rows.size());
    const qsizetype fewer = qsizetype(without.rows.size()) - count;
    const QString payments =
        count == 1 ? u"1 payment"_s : u"%1 payments"_s.arg(regional.toString(count));
    // "Lower the payment" keeps the count unless an extra clears the loan sooner.
    const QString fewerText =
        fewer == 0 ? u"as many as without them"_s : u"%1 fewer"_s.arg(regional.toString(fewer));
    return {u"With the extras"_s,
            u"%1, %2, the last No. %3; interest %4, %5 less; total paid %6"_s.arg(
                payments, fewerText, regional.toString(withExtras.rows.back().number),
                money(withExtras.totalInterest, withExtras, regional),
                money(without.totalInterest - withExtras.totalInterest, withExtras, regional),
                money(withExtras.totalPaid + withExtras.totalExtra, withExtras, regional))};
}

QString ScheduleChartDescription(const Schedule &schedule, const QLocale &regional)
{
    if (schedule.rows.empty())
        return QString();
    const ScheduleRow &first = schedule.rows.front();
    const ScheduleRow &last = schedule.rows.back();
    const qsizetype count = qsizetype(schedule.rows.size());
    return u"The balance falls from %1 to zero over %2 %3. Interest is %4 of the first payment "
           "and %5 of the last."_s.arg(money(schedule.amount, schedule, regional),
                                       regional.toString(count),
                                       count == 1 ? u"month"_s : u"months"_s,
                                       share(first.interest, first.payment, regional),
                                       share(last.interest, last.payment, regional));
}

QString ScheduleTabSeparated(const Schedule &schedule, const QLocale &regional)
{
    QString text = ScheduleHeader().join(u'\t') + u'\n';
    for (const QStringList &line : ScheduleCells(schedule, regional))
        text += line.join(u'\t') + u'\n';
    return text;
}

QString ScheduleHtmlTable(const Schedule &schedule, const QLocale &regional)
{
    QString html = u"<table>\n<thead><tr>"_s;
    for (const QString &title : ScheduleHeader())
        html += u"<th>"_s + title.toHtmlEscaped() + u"</th>"_s;
    html += u"</tr></thead>\n<tbody>\n"_s;
    const QList<QStringList> cells = ScheduleCells(schedule, regional);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        // The total's cells are headings, as a spreadsheet's total row usually is.
        const QString tag = i + 1 == cells.size() ? u"th"_s : u"td"_s;
        html += u"<tr>"_s;
        for (const QString &text : cells.at(i))
            html += u"<%1>%2</%1>"_s.arg(tag, text.toHtmlEscaped());
        html += u"</tr>\n"_s;
    }
    return html + u"</tbody>\n</table>\n"_s;
}

} // namespace core
