// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The range message's prompt has one form for any field name and any finite bounds:
// "The <name> must be between <bound> and <bound>", each bound in its sign position (a blank
// before one of zero or more, so two blanks stand before it), and each reading back exactly.
#include "fuzzinput.h"
#include "numbers.h"
#include "rangeprompt.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace
{
void checkBound(const QString &spelled, double bound, const QString &prompt)
{
    static const QRegularExpression form(u"^[ -][0-9][0-9.e+-]*$"_s);
    fuzz::require(form.match(spelled).hasMatch(), "a bound is a sign position and a number",
                  prompt);
    fuzz::require(spelled[0] == (bound < 0 ? u'-' : u' '), "a blank before a bound of zero or more",
                  prompt);
    fuzz::require(core::LeadingValue(spelled) == bound, "a bound reads back exactly",
                  prompt + u" for "_s + fuzz::exact(bound));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    const double lower = input.take<double>();
    const double upper = input.take<double>();
    const QString name = input.restAsText();
    if (!std::isfinite(lower) || !std::isfinite(upper))
        return 0;

    const QString prompt = core::RangePrompt(lower, upper, name);
    const QString opening = u"The "_s + name + u" must be between "_s;
    fuzz::require(prompt.startsWith(opening), "the prompt opens with the field name", prompt);
    // A bound holds no blank after its sign position, so the first " and " after the opening
    // separates the two.
    const QString bounds = prompt.mid(opening.size());
    const qsizetype separator = bounds.indexOf(u" and "_s, 1);
    fuzz::require(separator > 0, "the bounds are joined by \" and \"", prompt);
    checkBound(bounds.left(separator), lower, prompt);
    checkBound(bounds.mid(separator + 5), upper, prompt);
    return 0;
}
