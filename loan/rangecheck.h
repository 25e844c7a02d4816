// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether an entry lies within its field's inclusive bounds, judged by the number the entry
// starts with. An entry out of bounds is reported to the user in a message box titled
// "Invalid Parameter" (its words are core's RangePrompt) before the answer is returned; no
// entry raises an error. Given the box the entry comes from, the message keeps that box in view.
#pragma once

#include <QString>

class QWidget;

namespace loan
{

// Whether a value lies within inclusive bounds.
inline bool WithinBounds(double value, double lowerBound, double upperBound)
{
    return value >= lowerBound && value <= upperBound;
}

bool CheckRange(double lowerBound, double upperBound, const QString &entry,
                const QString &fieldName, const QWidget *box = nullptr);

// The message CheckRange shows for an entry out of its field's bounds, for a caller that has
// judged the entry by other means.
void ReportOutOfRange(double lowerBound, double upperBound, const QString &fieldName,
                      const QWidget *box = nullptr);

} // namespace loan
