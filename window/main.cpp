// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "programicon.h"
#include "startup.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // Ties the window to its installed desktop entry, and through it to the icon, where the
    // window system asks (Wayland); only a name is stored, nothing is looked up at start-up.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ombrel.MortgageCalculator"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LOAN_VERSION));
    return runtime::StartUp<Form1>(argc, argv, ProgramIconFiles());
}
