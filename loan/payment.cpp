// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "payment.h"

#include "currency.h"
#include "monthlypayment.h"
#include "numbers.h"

namespace loan
{

using namespace runtime;

CalculatedPayment CalculatePayment(const EntryBox &amountBox, const EntryBox &rateBox,
                                   const EntryBox &monthsBox, ResultBox &resultBox,
                                   const RegionalSettings &regional,
                                   const core::PaymentFieldNames &fieldNames)
{
    // Every text is copied out before any is converted.
    const QString rateText = ReadText(rateBox);
    const QString monthsText = ReadText(monthsBox);
    const QString amountText = ReadText(amountBox);
    const double payment =
        core::PaymentFor(amountText, rateText, monthsText, regional.numbers, fieldNames);

    ClearBox(resultBox);
    PrintInBox(resultBox, core::CurrencyText(payment, regional.money));
    // The payment's own conversions passed, so these cannot fail, and give the same numbers.
    return {core::StrictValue(amountText, regional.numbers),
            core::StrictValue(rateText, regional.numbers),
            core::StrictValue(monthsText, regional.numbers), payment};
}

} // namespace loan
