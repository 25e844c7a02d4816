// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule.h"

#include "errors.h"
#include "monthlypayment.h"

#include <cmath>

namespace core
{

namespace
{
// Wide enough for a balance times a rate of seventeen significant digits.
__extension__ typedef __int128 Wide;

struct Decimal {
    Wide digits = 0;
    int scale = 0;
};

// The shortest decimal that reads back as the value: the rate as it was typed, not the binary
// fraction nearest to it, so 0.10 times 150 is 15 exactly.
Decimal shortestDecimal(double value)
{
    const QString text = QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
    Decimal decimal;
    bool fraction = false;
    for (const QChar c : text) {
        if (c == u'.') {
            fraction = true;
        } else if (c.isDigit()) {
            decimal.digits = decimal.digits * 10 + c.digitValue();
            decimal.scale += fraction ? 1 : 0;
        }
    }
    if (value < 0)
        decimal.digits = -decimal.digits;
    return decimal;
}

Wide powerOfTen(int exponent)
{
    Wide power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// numerator / denominator, half away from zero; the denominator is positive.
qint64 roundedQuotient(Wide numerator, Wide denominator)
{
    const Wide magnitude = numerator < 0 ? -numerator : numerator;
    const Wide rounded = (2 * magnitude + denominator) / (2 * denominator);
    return qint64(numerator < 0 ? -rounded : rounded);
}
} // namespace

bool Extras::any() const
{
    if (monthly > 0)
        return true;
    for (const auto &[number, extra] : oneOff) {
        if (extra > 0)
            return true;
    }
    return false;
}

int CurrencyDecimals(const QLocale &regional)
{
    // QLocale keeps the currency's digits to itself; its money text for zero shows them.
    const QString zeroText = regional.toCurrencyString(0.0);
    const QString point = regional.decimalPoint();
    const QString zero = regional.zeroDigit();
    for (qsizetype at = zeroText.indexOf(point); at >= 0; at = zeroText.indexOf(point, at + 1)) {
        int decimals = 0;
        qsizetype next = at + point.size();
        while (QStringView(zeroText).mid(next).startsWith(zero)) {
            ++decimals;
            next += zero.size();
        }
        if (decimals > 0)
            return decimals;
    }
    return 0;
}

qint64 MinorUnits(double value, int decimals)
{
    // The money text is this fixed-point spelling in the regional digits: same rounding.
    const QString fixed = QLocale::c().toString(value, 'f', decimals);
    qint64 units = 0;
    for (const QChar c : fixed) {
        if (c.isDigit())
            units = units * 10 + c.digitValue();
    }
    return fixed.startsWith(u'-') ? -units : units;
}

double MajorUnits(qint64 minorUnits, int decimals)
{
    // Both operands are exact, so the quotient is the double nearest to the decimal.
    return double(minorUnits) / double(qint64(powerOfTen(decimals)));
}

Schedule AmortisationSchedule(double amount, double annualRate, double months, double payment,
                              int decimals, const Extras &extras)
{
    constexpr int monthsPerYear = 12;
    constexpr double longest = 360;
    Schedule schedule;
    schedule.decimals = decimals;
    schedule.annualRate = annualRate;
    schedule.months = months;
    schedule.amount = MinorUnits(amount, decimals);
    schedule.payment = MinorUnits(payment, decimals);
    if (!(amount > 0 && annualRate > 0 && months >= 1 && months <= longest && payment > 0))
        return schedule;

    const Decimal rate = shortestDecimal(annualRate);
    const Wide denominator = monthsPerYear * powerOfTen(rate.scale);
    const int count = int(std::ceil(months));
    schedule.rows.reserve(size_t(count));
    qint64 balance = schedule.amount;
    qint64 inForce = schedule.payment;
    for (int number = 1; number <= count && balance > 0; ++number) {
        const qint64 interest = roundedQuotient(Wide(balance) * rate.digits, denominator);
        const auto oneOff = extras.oneOff.find(number);
        const qint64 extra = oneOff != extras.oneOff.end() ? oneOff->second
                             : number >= extras.from       ? extras.monthly
                                                           : 0;
        ScheduleRow row{number, inForce, std::max<qint64>(extra, 0), interest, inForce - interest,
                        0};
        if (number == count || row.principal >= balance) {
            row.principal = balance;
            row.payment = interest + balance;
            row.extra = 0;
        } else if (row.principal + row.extra >= balance) {
            row.extra = balance - row.principal;
            row.principal = balance;
        } else {
            row.principal += row.extra;
        }
        balance -= row.principal;
        row.balance = balance;
        if (extras.effect == ExtraEffect::LowerPayment && row.extra > 0 && balance > 0) {
            try {
                inForce = MinorUnits(
                    LevelPayment(MajorUnits(balance, decimals), annualRate, months - number),
                    decimals);
            } catch (const ArithmeticFault &) {
                // Finite for every loan in range; otherwise the payment in force stays.
            }
        }
        schedule.totalPaid += row.payment;
        schedule.totalExtra += row.extra;
        schedule.totalInterest += row.interest;
        schedule.totalPrincipal += row.principal;
        schedule.rows.push_back(row);
    }
    return schedule;
}

Schedule WithExtras(const Schedule &without, const Extras &extras)
{
    // The money parts read back to the same minor units: they are exact decimals.
    return AmortisationSchedule(MajorUnits(without.amount, without.decimals), without.annualRate,
                                without.months, MajorUnits(without.payment, without.decimals),
                                without.decimals, extras);
}

} // namespace core
