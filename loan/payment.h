// The level monthly payment of an amortised loan, read from three entry boxes and printed as
// currency into the result box. The result box changes only after every conversion and check
// has passed; a text that is not a number raises TypeMismatchError, a calculation that has no
// finite answer raises ArithmeticFault.
#pragma once

#include "runtime/entrybox.h"
#include "runtime/resultbox.h"

namespace loan
{

// The arithmetic of CalculatePayment on its own, for texts already read: converts them strictly
// (rate, amount, months, in that order) and returns the payment, or raises as above.
double PaymentFor(const QString &amountText, const QString &rateText, const QString &monthsText);

void CalculatePayment(const runtime::EntryBox &amountBox, const runtime::EntryBox &rateBox,
                      const runtime::EntryBox &monthsBox, runtime::ResultBox &resultBox);

} // namespace loan
