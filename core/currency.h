// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Money as the user's regional settings write it: symbol and its place, decimals, grouping
// and the negative pattern all come from the locale.
#pragma once

#include <QLocale>
#include <QString>

namespace core
{

// The regional settings are the caller's: the program reads them once, at start-up.
QString CurrencyText(double amount, const QLocale &locale);

} // namespace core
