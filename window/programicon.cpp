// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programicon.h"

QStringList ProgramIconFiles()
{
    // The images are resources of this static library, which nothing else would link in.
    Q_INIT_RESOURCE(icons);
    return {QStringLiteral(":/icons/icon-16.png"), QStringLiteral(":/icons/icon-24.png"),
            QStringLiteral(":/icons/icon-32.png"), QStringLiteral(":/icons/icon-48.png"),
            QStringLiteral(":/icons/icon-64.png")};
}
