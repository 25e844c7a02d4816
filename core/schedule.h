// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The amortisation schedule of a level-payment loan, exact in integer minor units of the
// currency (cents, or whole yen: as many decimals as the money text shows). The amount and the
// level payment are taken as the money text shows them; each month's interest is the balance
// before it times the annual rate / 12, the rate taken as the decimal it was typed as, rounded
// to the minor unit half away from zero; the principal is the rest of the payment. The last
// payment clears the balance exactly (its principal is the balance before it), so the balance
// ends at zero and the principal parts sum to the amount. There are as many payments as the
// month count rounded up, fewer only where rounded payments would clear the loan early: a
// payment never takes the balance below zero.
//
// Extra payments go to the principal with the regular payment: a monthly one from a given
// payment on, and one-off sums that stand for that payment's extra instead. An extra that would
// take the balance below zero is cut to what clears it, and that payment is the last. Either the
// regular payment stays the level one and the loan ends sooner, or after every payment carrying
// an extra it is computed afresh (LevelPayment, rounded as the money text rounds it) from the
// balance left over the months left, fraction kept, and the loan ends when it would have.
#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <map>
#include <vector>

namespace core
{

struct ScheduleRow {
    int number;
    // The regular payment, without the extra.
    qint64 payment;
    // Paid on top of the regular payment, all of it to the principal.
    qint64 extra;
    qint64 interest;
    // The regular payment less the interest, plus the extra.
    qint64 principal;
    // Owed after this payment.
    qint64 balance;
};

struct Schedule {
    // Minor units per currency unit are 10 to this power.
    int decimals = 0;
    qint64 amount = 0;
    double annualRate = 0;
    // As typed, fraction kept.
    double months = 0;
    // The level payment; the last row's may differ.
    qint64 payment = 0;
    std::vector<ScheduleRow> rows;
    // The regular payments; the extras are summed apart.
    qint64 totalPaid = 0;
    qint64 totalExtra = 0;
    qint64 totalInterest = 0;
    qint64 totalPrincipal = 0;
};

enum class ExtraEffect { ShortenLoan, LowerPayment };

// Sums in minor units, none negative.
struct Extras {
    qint64 monthly = 0;
    // The payment number the monthly extra starts with.
    int from = 1;
    // By payment number: paid with that payment instead of the monthly extra.
    std::map<int, qint64> oneOff;
    ExtraEffect effect = ExtraEffect::ShortenLoan;

    bool any() const;
};

// How many decimals the regional settings' money text has (2 for dollars and euros, 0 for yen).
int CurrencyDecimals(const QLocale &regional);

// A finite value in minor units, rounded exactly as the money text rounds it.
qint64 MinorUnits(double value, int decimals);

// The number a count of minor units stands for (nearest double), for formatting and charts.
double MajorUnits(qint64 minorUnits, int decimals);

// For a positive amount and rate, a month count from 1 to 360 and the payment the result box
// shows for them (PaymentFor); other entries are the caller's fault and give no rows.
Schedule AmortisationSchedule(double amount, double annualRate, double months, double payment,
                              int decimals, const Extras &extras = {});

// The same loan as `without` (a schedule without extras) with these extras.
Schedule WithExtras(const Schedule &without, const Extras &extras);

} // namespace core
