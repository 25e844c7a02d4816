// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own icon, built into it at the sizes window managers ask for: what the window
// system shows where it asks the window itself (X11 task bars and switchers).
#pragma once

#include <QStringList>

// The icon's files, one size each.
QStringList ProgramIconFiles();
