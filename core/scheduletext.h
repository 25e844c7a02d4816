// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The payment schedule in words and numbers as the user's regional settings write them: the
// table's cells (money without its symbol, with the currency's decimals and the regional
// grouping), the summary, the words that describe its chart, and the table copied as
// tab-separated text and as an HTML table, both holding exactly the cells the table shows.
#pragma once

#include "schedule.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace core
{

// "No.", "Payment", "Extra", "Interest", "Principal", "Balance".
QStringList ScheduleHeader();

// One line of cells per payment, then the total of the payments, extras, interest and principal.
QList<QStringList> ScheduleCells(const Schedule &schedule, const QLocale &regional);

struct SummaryLine {
    QString label;
    QString value;
};

// "Payment Schedule", then the loan's amount, annual rate and months, to tell windows apart.
QString ScheduleTitle(const Schedule &schedule, const QLocale &regional);

// The amount, the annual and monthly rate, the payments, the interest in all and the total paid.
QList<SummaryLine> ScheduleSummary(const Schedule &schedule, const QLocale &regional);

// What the extras paid in `withExtras` change against the same loan `without` them: the payments
// and how many fewer, the last one's number, the interest and how much less, the total paid.
// Empty (no label, no value) where no extra is paid.
SummaryLine ScheduleSavings(const Schedule &withExtras, const Schedule &without,
                            const QLocale &regional);

// What the chart shows, in a sentence or two for those who cannot see it.
QString ScheduleChartDescription(const Schedule &schedule, const QLocale &regional);

// The header, every row and the total; cells separated by tabs, lines ended by line feeds.
QString ScheduleTabSeparated(const Schedule &schedule, const QLocale &regional);
QString ScheduleHtmlTable(const Schedule &schedule, const QLocale &regional);

} // namespace core
