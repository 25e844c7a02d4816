#include "payment.h"

#include "runtime/currency.h"
#include "runtime/numbers.h"

namespace loan
{

using namespace runtime;

double PaymentFor(const QString &amountText, const QString &rateText, const QString &monthsText)
{
    constexpr double monthsPerYear = 12;

    // The order and grouping of these steps fix the last bits of the payment: keep them.
    const double rate = StrictValue(rateText);
    const double amount = StrictValue(amountText);
    const double interest = (amount * rate) / monthsPerYear;
    CheckArithmetic(interest);
    const double months = StrictValue(monthsText);
    const double exponent = -months;
    CheckArithmetic(exponent);
    const double base = rate / monthsPerYear + 1;
    CheckArithmetic(base);
    const double factor = PowerOf(base, exponent);
    const double payment = interest / (1 - factor);
    CheckArithmetic(payment);
    return payment;
}

void CalculatePayment(const EntryBox &amountBox, const EntryBox &rateBox, const EntryBox &monthsBox,
                      ResultBox &resultBox)
{
    // Every text is copied out before any is converted.
    const QString rateText = ReadText(rateBox);
    const QString monthsText = ReadText(monthsBox);
    const QString amountText = ReadText(amountBox);
    const double payment = PaymentFor(amountText, rateText, monthsText);

    ClearBox(resultBox);
    PrintInBox(resultBox, CurrencyText(payment));
}

} // namespace loan
