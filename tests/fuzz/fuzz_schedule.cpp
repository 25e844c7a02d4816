// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The schedule for any entries within the fields' bounds (amount in cents from 1000 to 1000000,
// rate to five decimals from 0.05 to 0.25, months to two decimals from 1 to 360), in cents and
// in whole yen: the principal parts sum to the amount, the balance never rises and ends at
// zero, every payment but the last is the shown payment, none is negative, there are no more
// payments than the month count rounded up, and the totals are the sums of the rows.
#include "fuzzinput.h"
#include "monthlypayment.h"
#include "schedule.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace
{
const QLocale english(QLocale::English, QLocale::UnitedStates);

QString fixed(qulonglong hundredths, int decimals)
{
    const qulonglong scale = decimals == 5 ? 100000 : 100;
    return QString::number(hundredths / scale) + u'.' +
           QString::number(hundredths % scale).rightJustified(decimals, u'0');
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    const QString amount = fixed(100000 + input.take<quint32>() % (99900000 + 1), 2);
    const QString rate = fixed(5000 + input.take<quint16>() % (20000 + 1), 5);
    const QString months = fixed(100 + input.take<quint16>() % (35900 + 1), 2);
    const int decimals = (input.take<quint8>() & 1) ? 0 : 2;
    const QString detail = amount + u" | "_s + rate + u" | "_s + months + u" | decimals "_s +
                           QString::number(decimals);

    const double payment = core::PaymentFor(amount, rate, months, english);
    const double n = english.toDouble(months);
    const core::Schedule schedule = core::AmortisationSchedule(
        english.toDouble(amount), english.toDouble(rate), n, payment, decimals);

    const auto &rows = schedule.rows;
    fuzz::require(!rows.empty() && rows.size() <= size_t(std::ceil(n)),
                  "one row per month rounded up at most", detail);
    fuzz::require(schedule.payment == core::MinorUnits(payment, decimals),
                  "the level payment is the shown one", detail);
    qint64 paid = 0, interest = 0, principal = 0, balance = schedule.amount;
    for (size_t i = 0; i < rows.size(); ++i) {
        const core::ScheduleRow &row = rows[i];
        const QString where = detail + u" row "_s + QString::number(row.number);
        fuzz::require(row.number == int(i) + 1, "rows are numbered from 1", where);
        fuzz::require(row.interest >= 0 && row.principal >= 0, "no negative parts", where);
        fuzz::require(row.payment == row.interest + row.principal, "payment = interest + principal",
                      where);
        fuzz::require(row.balance == balance - row.principal, "balance = previous - principal",
                      where);
        fuzz::require(row.balance <= balance, "the balance never rises", where);
        if (i + 1 < rows.size())
            fuzz::require(row.payment == schedule.payment && row.balance > 0,
                          "every payment but the last is the shown payment", where);
        balance = row.balance;
        paid += row.payment;
        interest += row.interest;
        principal += row.principal;
    }
    fuzz::require(balance == 0, "the balance ends at zero", detail);
    fuzz::require(principal == schedule.amount, "the principal parts sum to the amount", detail);
    fuzz::require(paid == schedule.totalPaid && interest == schedule.totalInterest &&
                      principal == schedule.totalPrincipal,
                  "the totals are the sums of the rows", detail);
    return 0;
}
