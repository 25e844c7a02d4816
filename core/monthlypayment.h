// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The level monthly payment of an amortised loan, from the three entry texts: converted
// strictly under the given regional settings (rate, amount, months, in that order), then
// computed in a fixed order of steps whose grouping decides the payment's last bits. A text
// that is not a number raises TypeMismatchError, a calculation with no finite answer raises
// ArithmeticFault; otherwise the payment is finite. A TypeMismatchError carries the field whose
// entry it is about and, given the entries' field names, names it to the user.
#pragma once

#include <QLocale>
#include <QString>

namespace core
{

struct PaymentFieldNames {
    QString amount;
    QString rate;
    QString months;
};

double PaymentFor(const QString &amountText, const QString &rateText, const QString &monthsText,
                  const QLocale &regional, const PaymentFieldNames &fieldNames = {});

// The same payment from numbers already read, by the same steps in the same order (a balance
// paid off over the months left, say); raises ArithmeticFault where PaymentFor would.
double LevelPayment(double amount, double rate, double months);

} // namespace core
