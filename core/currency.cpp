// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "currency.h"

namespace core
{

QString CurrencyText(double amount, const QLocale &locale)
{
    // A debt of a fraction of a cent is no debt: "($0.00)" would read as a negative payment.
    if (amount < 0) {
        const QString zero = locale.toCurrencyString(0.0);
        if (locale.toCurrencyString(-amount) == zero)
            return zero;
    }
    return locale.toCurrencyString(amount);
}

} // namespace core
