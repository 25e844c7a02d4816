// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's entry point: what the program finds when it loads the module.
#include "scheduleviews.h"
#include "schedulewindow.h"

#include <QObject>

namespace schedule
{

class ScheduleModule : public QObject, public ScheduleViews
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LOAN_SCHEDULE_VIEWS_IID)
    Q_INTERFACES(schedule::ScheduleViews)
public:
    QDialog *create(const core::Schedule &schedule, const QLocale &regional, const QLocale &numbers,
                    QWidget *parent) const override
    {
        return new ScheduleWindow(schedule, regional, numbers, parent);
    }
};

} // namespace schedule

#include "schedulemodule.moc"
