// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The payment for any three entry texts (amount|rate|months) is either a runtime error the
// handler boundary reports (TypeMismatchError, ArithmeticFault) or a finite number; with a
// positive amount, length and (not vanishing) rate it is positive and repays at least the
// amount borrowed.
#include "errors.h"
#include "fuzzinput.h"
#include "monthlypayment.h"
#include "numbers.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace
{
const QLocale english(QLocale::English, QLocale::UnitedStates);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    const QStringList texts = input.restAsText().split(u'|');
    const QString amount = texts.value(0);
    const QString rate = texts.value(1);
    const QString months = texts.value(2);
    const QString detail = amount + u" | "_s + rate + u" | "_s + months;

    const auto computed = fuzz::unlessRaised<core::RuntimeError>(
        "the payment raises only runtime errors", detail,
        [&] { return core::PaymentFor(amount, rate, months, english); });
    if (!computed)
        return 0;
    const double payment = *computed;
    fuzz::require(std::isfinite(payment), "a payment is finite", detail);

    const double a = core::StrictValue(amount, english);
    const double r = core::StrictValue(rate, english);
    const double n = core::StrictValue(months, english);
    // Where 1 - factor cancels down to a few digits (a rate below about 1e-4, or rate times
    // months below about 1e-6), or the amount is so near the smallest doubles that the interest
    // underflows to zero (underflow is no fault), the fixed order of the steps leaves too few
    // digits for these properties: that is the formula's conditioning, not a fault, and no
    // entry within the fields' bounds comes near it.
    if (a >= 1e-290 && r >= 1e-4 && n > 0 && n * r >= 1e-6) {
        fuzz::require(payment > 0, "a loan costs a positive payment",
                      detail + u" -> "_s + fuzz::exact(payment));
        // Total repaid is at least the amount; a hair of rounding is allowed below it.
        fuzz::require(payment * n >= a * (1 - 1e-6), "the payments repay the amount",
                      detail + u" -> "_s + fuzz::exact(payment));
    }
    return 0;
}
