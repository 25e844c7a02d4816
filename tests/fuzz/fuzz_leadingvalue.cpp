// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// LeadingValue reads any text without raising, never gives NaN, and ignores blanks (space, tab,
// line feed) wherever they stand: scattering more of them through a text, or removing them all,
// leaves its value as it was. Its digits written in another script, and its period and signs in
// their full-width forms, leave its value as it was too.
#include "fuzzinput.h"
#include "numbers.h"

#include <random>

using namespace Qt::StringLiterals;

namespace
{
double leading(const QString &text)
{
    return *fuzz::unlessRaised<fuzz::Nothing>("LeadingValue never raises", text,
                                              [&] { return core::LeadingValue(text); });
}

bool same(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    // The first bytes place the extra blanks; the rest is the text.
    std::minstd_rand places(input.take<uint32_t>());
    const QString text = input.restAsText();

    const double value = leading(text);
    fuzz::require(!std::isnan(value), "LeadingValue never gives NaN", text);

    static const QChar blanks[] = {u' ', u'\t', u'\n'};
    QString spaced = text;
    for (int i = 0, count = int(places() % 8) + 1; i < count; ++i)
        spaced.insert(qsizetype(places() % (spaced.size() + 1)), blanks[places() % 3]);
    fuzz::require(same(leading(spaced), value), "extra blanks change nothing",
                  text + u" | "_s + spaced + u" -> "_s + fuzz::exact(value) + u" vs "_s +
                      fuzz::exact(leading(spaced)));

    QString bare = text;
    bare.remove(u' ').remove(u'\t').remove(u'\n');
    fuzz::require(same(leading(bare), value), "removing the blanks changes nothing",
                  text + u" -> "_s + fuzz::exact(value) + u" vs "_s + fuzz::exact(leading(bare)));

    const QString other = fuzz::inOtherDigits(text, std::uint8_t(places()));
    fuzz::require(same(leading(other), value), "other digits change nothing",
                  text + u" | "_s + other + u" -> "_s + fuzz::exact(value) + u" vs "_s +
                      fuzz::exact(leading(other)));
    return 0;
}
