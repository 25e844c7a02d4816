// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The user's regional settings as the program uses them: the numbers the user types are read by
// the settings for numbers, and money is written wholly by the settings for money (its symbol and
// the symbol's place, separators, decimals and negative pattern alike). A desktop may set the two
// apart, English with another country's formats, say; money written half by one and half by the
// other would be money no reader of either writes.
#pragma once

#include <QLocale>

class QProcessEnvironment;

namespace runtime
{

struct RegionalSettings {
    RegionalSettings(const QLocale &numbers, const QLocale &money) : numbers(numbers), money(money)
    {
    }
    // Numbers and money alike by one locale, as where only LANG is set.
    RegionalSettings(const QLocale &both) : numbers(both), money(both) {}

    QLocale numbers;
    QLocale money;
};

// The settings the locale variables of the environment name, as the C library reads them for
// its numeric and monetary categories: LC_ALL before LC_NUMERIC or LC_MONETARY before LANG, a
// variable set to nothing counting as not set, and the C locale where none names one.
RegionalSettings RegionalSettingsFrom(const QProcessEnvironment &environment);

} // namespace runtime
