#include "monthlypayment.h"

#include "numbers.h"

namespace core
{

double PaymentFor(const QString &amountText, const QString &rateText, const QString &monthsText,
                  const QLocale &regional)
{
    constexpr double monthsPerYear = 12;

    // The order and grouping of these steps fix the last bits of the payment: keep them.
    const double rate = StrictValue(rateText, regional);
    const double amount = StrictValue(amountText, regional);
    const double interest = (amount * rate) / monthsPerYear;
    CheckArithmetic(interest);
    const double months = StrictValue(monthsText, regional);
    const double exponent = -months;
    CheckArithmetic(exponent);
    const double base = rate / monthsPerYear + 1;
    CheckArithmetic(base);
    const double factor = PowerOf(base, exponent);
    const double payment = interest / (1 - factor);
    CheckArithmetic(payment);
    return payment;
}

} // namespace core
