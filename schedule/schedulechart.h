// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The schedule's chart: each payment's interest and principal stacked as a bar, and the balance
// falling to zero as a line, with their own axes labelled as money in the regional settings'
// format, in the colours of the given palette (dark ones too). Where extras are paid, the
// balance without them is drawn too, dashed, so it stands apart in a grey-scale print. Its
// accessible name and description say in words what it shows.
#pragma once

#include "schedule.h"

#include <QLocale>
#include <QPalette>

class QChartView;
class QWidget;

namespace schedule
{

// The axes are those of `without`, which the schedule with extras never goes beyond.
QChartView *CreateScheduleChart(const core::Schedule &without, const QLocale &regional,
                                const QPalette &palette, QWidget *parent);

// The chart made by CreateScheduleChart, now for `withExtras` beside the same loan `without`.
void ShowInScheduleChart(QChartView *view, const core::Schedule &withExtras,
                         const core::Schedule &without, const QLocale &regional);

} // namespace schedule
