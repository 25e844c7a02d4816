// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: the accessibility buses are asked whether they answer (accessibilitybus.h) while
// the toolkit comes up, the user's regional settings are read (here and nowhere else:
// the form and everything below it get them handed down), the program's icon is set, the
// start-up form is created (its constructor runs its load handler, before the window is first
// shown), shown, and the event loop runs until the user closes it.
#pragma once

#include "accessibility.h"
#include "accessibilitybus.h"
#include "regionalsettings.h"

#include <QApplication>
#include <QIcon>
#include <QProcessEnvironment>
#include <QStringList>

#include <memory>

namespace runtime
{

// The program's icon, from its files (the icon at the sizes it comes in, each file one size), for
// every window of the program, its messages too.
inline void SetProgramIcon(const QStringList &iconFiles)
{
    QIcon icon;
    for (const QString &file : iconFiles)
        icon.addFile(file);
    QApplication::setWindowIcon(icon);
}

// Gives the program its icon, then creates the start-up form with the regional settings handed
// in and shows it; the caller runs the event loop.
template <typename StartupForm>
std::unique_ptr<StartupForm> OpenStartupForm(const RegionalSettings &regional,
                                             const QStringList &iconFiles)
{
    // Before the window exists, so the window system gets the icon with it.
    SetProgramIcon(iconFiles);
    auto form = std::make_unique<StartupForm>(regional);
    form->show();
    return form;
}

template <typename StartupForm>
int StartUp(int &argc, char **argv, const QStringList &iconFiles = {})
{
    const auto environment = QProcessEnvironment::systemEnvironment();
    // Asks the buses while the toolkit comes up, and is done with them before the form's
    // constructor first asks about accessibility.
    AccessibilityBusCheck busCheck(environment);
    // The toolkit's start-up talks to the session bus itself: that bus must have answered first
    // (a few round trips on a local socket, well under a millisecond when it is healthy).
    KeepTheSessionBusFromBlocking(busCheck, argv[0]);
    QApplication application(argc, argv);
    InstallAccessibility();
    KeepAccessibilityFromBlocking(busCheck);
    const auto form = OpenStartupForm<StartupForm>(RegionalSettingsFrom(environment), iconFiles);
    return application.exec();
}

} // namespace runtime
