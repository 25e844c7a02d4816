// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedulemodule.h"

#include "errors.h"

#include <QCoreApplication>
#include <QDebug>

QString ScheduleModule::fileName()
{
    // The same place relative to the program in a build tree and once installed, so nothing
    // outside the program's own directories is ever loaded.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" LOAN_SCHEDULE_MODULE);
}

const schedule::ScheduleViews &ScheduleModule::views()
{
    if (m_views)
        return *m_views;
    m_loader.setFileName(fileName());
    m_views = qobject_cast<schedule::ScheduleViews *>(m_loader.instance());
    if (!m_views) {
        qWarning("Cannot load the payment schedule: %s", qUtf8Printable(m_loader.errorString()));
        throw core::RuntimeError(
            QStringLiteral("The payment schedule cannot be shown: a part of the program is "
                           "missing. Please reinstall the program."),
            QStringLiteral("Cannot Show the Schedule"));
    }
    return *m_views;
}

void ScheduleModule::preload() noexcept
{
    try {
        views();
    } catch (const core::RuntimeError &) {
        // Said when the user opens the schedule, not before.
    }
}
