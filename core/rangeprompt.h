// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of the range message: "The <field> must be between <lower> and <upper>", each bound
// spelt by BoundText (a blank before one of zero or more, so two blanks stand before it).
#pragma once

#include <QString>

namespace core
{

QString RangePrompt(double lowerBound, double upperBound, const QString &fieldName);

} // namespace core
