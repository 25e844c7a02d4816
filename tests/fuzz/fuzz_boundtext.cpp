// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// BoundText spells every finite double with a sign position (a blank for zero or more, a minus
// otherwise) and a period, in a form LeadingValue reads back exactly.
#include "fuzzinput.h"
#include "numbers.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    const double number = input.take<double>();
    if (!std::isfinite(number))
        return 0;

    const QString text = core::BoundText(number);
    const QString detail = fuzz::exact(number) + u" -> \""_s + text + u'"';
    static const QRegularExpression form(u"^[ -][0-9]+(\\.[0-9]+)?(e[+-][0-9]+)?$"_s);
    fuzz::require(form.match(text).hasMatch(), "sign position, digits and a period only", detail);
    fuzz::require((text[0] == u'-') == (number < 0), "a minus exactly for a negative number",
                  detail);
    const double read = core::LeadingValue(text);
    fuzz::require(read == number, "LeadingValue reads BoundText back exactly",
                  detail + u" -> "_s + fuzz::exact(read));
    return 0;
}
