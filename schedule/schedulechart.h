// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The schedule's chart: each payment's interest and principal stacked as a bar, and the balance
// falling to zero as a line, with their own axes labelled as money in the regional settings'
// format, in the colours of the given palette (dark ones too). Its accessible name and
// description say in words what it shows.
#pragma once

#include "schedule.h"

#include <QLocale>
#include <QPalette>

class QChartView;
class QWidget;

namespace schedule
{

QChartView *CreateScheduleChart(const core::Schedule &schedule, const QLocale &regional,
                                const QPalette &palette, QWidget *parent);

} // namespace schedule
