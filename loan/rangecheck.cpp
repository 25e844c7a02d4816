// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangecheck.h"

#include "messages.h"
#include "numbers.h"
#include "rangeprompt.h"

namespace loan
{

bool CheckRange(double lowerBound, double upperBound, const QString &entry,
                const QString &fieldName, const QWidget *box)
{
    const double value = core::LeadingValue(entry);
    const bool withinBounds = WithinBounds(value, lowerBound, upperBound);
    if (!withinBounds)
        ReportOutOfRange(lowerBound, upperBound, fieldName, box);
    return withinBounds;
}

void ReportOutOfRange(double lowerBound, double upperBound, const QString &fieldName,
                      const QWidget *box)
{
    runtime::ShowMessage(core::RangePrompt(lowerBound, upperBound, fieldName),
                         QStringLiteral("Invalid Parameter"), box);
}

} // namespace loan
