// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Text-to-number and number-to-text conversions, and the real power.
//
// LeadingValue never fails: it reads whatever number a text starts with, period-decimal.
// StrictValue reads the whole text as the user's regional settings spell a number and raises
// TypeMismatchError for anything else; it only ever returns a finite value.
// Both read the decimal digits of every script, and the full-width period, plus and minus, as
// the ASCII characters they stand for; nothing else about a number changes with them. Where the
// settings group with an apostrophe, either apostrophe groups.
// PowerOf raises ArithmeticFault when finite operands have no finite real power.
// BoundText spells a number with a sign position and a period, exactly enough to read back.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace core
{

double LeadingValue(QStringView text);

// The regional settings are the caller's: the program reads them once, at start-up.
double StrictValue(QStringView text, const QLocale &locale);

double PowerOf(double base, double exponent);

QString BoundText(double number);

// The floating-point check after a calculation step: raises ArithmeticFault when the step gave
// a non-finite result. Its operands are always finite (strict conversions and PowerOf return
// only finite values), and with finite operands an invalid operation always yields NaN, and a
// division by zero or an overflow always yields an infinity, so the value tells exactly what
// the exception flags would. Unlike the flags, the value cannot be reordered away by the
// optimiser.
void CheckArithmetic(double stepResult);

} // namespace core
