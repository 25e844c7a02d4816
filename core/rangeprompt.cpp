// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangeprompt.h"

#include "numbers.h"

namespace core
{

QString RangePrompt(double lowerBound, double upperBound, const QString &fieldName)
{
    return QStringLiteral("The ") + fieldName + QStringLiteral(" must be between ") +
           BoundText(lowerBound) + QStringLiteral(" and ") + BoundText(upperBound);
}

} // namespace core
