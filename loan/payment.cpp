#include "payment.h"

#include "runtime/currency.h"
#include "runtime/numbers.h"

namespace loan {

using namespace runtime;

void CalculatePayment(const EntryBox &amountBox, const EntryBox &rateBox, const EntryBox &monthsBox,
                      ResultBox &resultBox)
{
    constexpr double monthsPerYear = 12;

    // Every text is copied out before any is converted.
    const QString rateText = ReadText(rateBox);
    const QString monthsText = ReadText(monthsBox);
    const QString amountText = ReadText(amountBox);

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

    ClearBox(resultBox);
    PrintInBox(resultBox, CurrencyText(payment));
}

} // namespace loan
