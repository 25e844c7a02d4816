// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// CurrencyText under a range of regional settings (Western, Arabic-Indic and Persian digits;
// leading, trailing and parenthesised negative patterns): an amount that shows as zero shows
// exactly as zero does, never as a negative zero; an amount that shows as more than zero shows
// its sign, so a debt never reads like a credit and a credit never like a debt.
#include "currency.h"
#include "fuzzinput.h"

#include <QLocale>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace
{
const QStringList settings = {u"en_US"_s, u"de_DE"_s, u"fr_FR"_s, u"C"_s,
                              u"de_CH"_s, u"nl_NL"_s, u"ja_JP"_s, u"en_IN"_s,
                              u"ar_EG"_s, u"fa_IR"_s, u"sv_SE"_s, u"en_AU"_s};

bool showsZero(const QString &money)
{
    return std::none_of(money.begin(), money.end(), [](QChar c) { return c.digitValue() > 0; });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    const double amount = input.take<double>();
    const QLocale locale(settings[input.take<uint8_t>() % settings.size()]);
    if (!std::isfinite(amount))
        return 0;

    const QString money = core::CurrencyText(amount, locale);
    const QString zero = core::CurrencyText(0.0, locale);
    const QString detail = locale.name() + u": "_s + fuzz::exact(amount) + u" -> "_s + money;
    if (showsZero(money)) {
        fuzz::require(money == zero, "an amount that shows as zero shows as zero does",
                      detail + u" vs "_s + zero);
    } else if (amount < 0) {
        fuzz::require(money != core::CurrencyText(-amount, locale),
                      "a debt does not read like a credit", detail);
    }
    return 0;
}
