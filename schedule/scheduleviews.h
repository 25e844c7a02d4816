// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program asks of the payment schedule's window. The window and its chart live in a
// module of their own (mortgage-calculator-schedule), loaded the first time the schedule opens,
// so the charting library costs the program's start-up nothing; this interface is all the
// program knows of it.
#pragma once

#include "schedule.h"

#include <QLocale>
#include <QtPlugin>

class QDialog;
class QWidget;

namespace schedule
{

class ScheduleViews
{
public:
    virtual ~ScheduleViews() = default;
    // The window showing `schedule` (a schedule without extras; the window lets the user try
    // them), over `parent`'s window but leaving it usable, deleted once closed; not yet shown.
    // Extras typed there are read by `numbers`, as the program reads its entries.
    virtual QDialog *create(const core::Schedule &schedule, const QLocale &regional,
                            const QLocale &numbers, QWidget *parent) const = 0;
};

} // namespace schedule

#define LOAN_SCHEDULE_VIEWS_IID "org.ombrel.MortgageCalculator.ScheduleViews/2"
Q_DECLARE_INTERFACE(schedule::ScheduleViews, LOAN_SCHEDULE_VIEWS_IID)
