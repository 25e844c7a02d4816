// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// StrictValue, under four regional settings: any text either raises TypeMismatchError or gives a
// finite number, and whatever the settings themselves write for a finite double (in each of
// their formats, with their grouping and signs) reads back as exactly that double. Digits written
// in another script, and the period and signs in their full-width forms, read as the ASCII ones:
// the text so written gives the same number, or raises as well.
#include "errors.h"
#include "fuzzinput.h"
#include "numbers.h"

#include <QLocale>

#include <bit>
#include <cstdint>
#include <utility>

using namespace Qt::StringLiterals;

namespace
{
const QLocale &locale(int index)
{
    static const QLocale locales[] = {QLocale(u"en_US"_s), QLocale(u"de_DE"_s), QLocale(u"fr_FR"_s),
                                      QLocale::c()};
    return locales[index];
}
constexpr int localeCount = 4;

// Each format with the precision that writes a double exactly.
constexpr std::pair<char, int> spellings[] = {{'g', 17},
                                              {'e', 16},
                                              {'g', QLocale::FloatingPointShortest},
                                              {'e', QLocale::FloatingPointShortest},
                                              {'f', QLocale::FloatingPointShortest}};

QString context(const QLocale &locale, const QString &text)
{
    return locale.name() + u": \""_s + text + u'"';
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    const double number = input.take<double>();
    const QString text = input.restAsText();
    // Which other digits to write in: any byte of the input would do, this one costs no layout.
    const auto script = std::uint8_t(std::bit_cast<std::uint64_t>(number));
    const QString other = fuzz::inOtherDigits(text, script);

    for (int l = 0; l < localeCount; ++l) {
        const QLocale &settings = locale(l);
        const auto value = fuzz::unlessRaised<core::TypeMismatchError>(
            "StrictValue raises nothing but TypeMismatchError", context(settings, text),
            [&] { return core::StrictValue(text, settings); });
        fuzz::require(!value || std::isfinite(*value), "StrictValue gives only finite numbers",
                      context(settings, text));
        const auto otherValue = fuzz::unlessRaised<core::TypeMismatchError>(
            "StrictValue raises nothing but TypeMismatchError", context(settings, other),
            [&] { return core::StrictValue(other, settings); });
        fuzz::require(value.has_value() == otherValue.has_value() &&
                          (!value || std::bit_cast<std::uint64_t>(*value) ==
                                         std::bit_cast<std::uint64_t>(*otherValue)),
                      "other digits read as the ASCII ones",
                      context(settings, text) + u" | "_s + context(settings, other));

        if (!std::isfinite(number))
            continue;
        for (const auto &[format, precision] : spellings) {
            const QString written = settings.toString(number, format, precision);
            const double read = *fuzz::unlessRaised<fuzz::Nothing>(
                "StrictValue reads what the settings write", context(settings, written),
                [&] { return core::StrictValue(written, settings); });
            fuzz::require(read == number, "StrictValue reads back exactly",
                          context(settings, written) + u" -> "_s + fuzz::exact(read) +
                              u", written from "_s + fuzz::exact(number));
        }
    }
    return 0;
}
