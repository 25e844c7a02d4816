// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monthlypayment.h"

#include "errors.h"
#include "numbers.h"

namespace core
{

namespace
{
constexpr double monthsPerYear = 12;

double monthlyInterest(double amount, double rate)
{
    const double interest = (amount * rate) / monthsPerYear;
    CheckArithmetic(interest);
    return interest;
}

double paymentFromInterest(double interest, double rate, double months)
{
    const double exponent = -months;
    CheckArithmetic(exponent);
    const double base = rate / monthsPerYear + 1;
    CheckArithmetic(base);
    const double factor = PowerOf(base, exponent);
    const double payment = interest / (1 - factor);
    CheckArithmetic(payment);
    return payment;
}
} // namespace

double PaymentFor(const QString &amountText, const QString &rateText, const QString &monthsText,
                  const QLocale &regional, const PaymentFieldNames &fieldNames)
{
    const auto read = [&regional](const QString &text, EntryField field, const QString &fieldName) {
        try {
            return StrictValue(text, regional);
        } catch (const TypeMismatchError &) {
            // The conversion knows the text, only the caller which entry it came from.
            throw TypeMismatchError(text, field, fieldName);
        }
    };

    // The order and grouping of these steps fix the last bits of the payment: keep them. The
    // months are read only once the interest has passed its check.
    const double rate = read(rateText, EntryField::Rate, fieldNames.rate);
    const double amount = read(amountText, EntryField::Amount, fieldNames.amount);
    const double interest = monthlyInterest(amount, rate);
    const double months = read(monthsText, EntryField::Months, fieldNames.months);
    return paymentFromInterest(interest, rate, months);
}

double LevelPayment(double amount, double rate, double months)
{
    return paymentFromInterest(monthlyInterest(amount, rate), rate, months);
}

} // namespace core
