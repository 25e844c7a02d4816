// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The level monthly payment, read from three entry boxes and printed as currency into the
// result box. The result box changes only after every conversion and check has passed; a text
// that is not a number raises TypeMismatchError, a calculation that has no finite answer raises
// ArithmeticFault (the arithmetic is core's PaymentFor). It answers with the numbers it read and
// the payment it printed, for whoever goes on from them (the payment schedule).
#pragma once

#include "entrybox.h"
#include "monthlypayment.h"
#include "resultbox.h"

#include <QLocale>

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
                                   runtime::ResultBox &resultBox, const QLocale &regional,
                                   const core::PaymentFieldNames &fieldNames);

} // namespace loan
