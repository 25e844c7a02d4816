// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The payment schedule's module, loaded from beside the program the first time its window is
// asked for, and kept loaded from then on. A module that cannot be loaded is a runtime error the
// user is told of in plain words; the program goes on.
#pragma once

#include "scheduleviews.h"

#include <QPluginLoader>

class ScheduleModule
{
public:
    const schedule::ScheduleViews &views();
    // Loads the module now if it is not loaded yet, so that the schedule opens at once when it
    // is asked for; a module that cannot be loaded is reported only then.
    void preload() noexcept;
    // Where the module is loaded from: a fixed place relative to the program's own file.
    static QString fileName();

private:
    QPluginLoader m_loader;
    schedule::ScheduleViews *m_views = nullptr;
};
