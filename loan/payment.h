// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The level monthly payment, read from three entry boxes by the regional settings for numbers
// and printed into the result box as the settings for money write it. The result box changes only
// after every conversion and check has passed; a text that is not a number raises
// TypeMismatchError, a calculation that has no finite answer raises ArithmeticFault (the arithmetic
// is core's PaymentFor). It answers with the numbers it read and the payment it printed, for
// whoever goes on from them (the payment schedule).
#pragma once

#include "entrybox.h"
#include "monthlypayment.h"
#include "regionalsettings.h"
#include "resultbox.h"

namespace loan
{

struct CalculatedPayment {
    double amount;
    double rate;
    double months;
    double payment;
};

CalculatedPayment CalculatePayment(const runtime::EntryBox &amountBox,
                                   const runtime::EntryBox &rateBox,
                                   const runtime::EntryBox &monthsBox,
                                   runtime::ResultBox &resultBox,
                                   const runtime::RegionalSettings &regional,
                                   const core::PaymentFieldNames &fieldNames);

} // namespace loan
