// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "regionalsettings.h"

#include <QProcessEnvironment>

namespace runtime
{

namespace
{
// The toolkit's own system locale cannot stand in here: it takes the currency symbol from one
// category and the separators and the symbol's place from another.
QLocale categoryLocale(const QProcessEnvironment &environment, const QString &category)
{
    for (const QString &variable : {QStringLiteral("LC_ALL"), category, QStringLiteral("LANG")}) {
        const QString name = environment.value(variable);
        // A name such as de_DE.UTF-8 or de_DE@euro: the locale ignores the codeset and modifier;
        // C and POSIX, and names it does not know, are the C locale.
        if (!name.isEmpty())
            return QLocale(name);
    }
    return QLocale::c();
}
} // namespace

RegionalSettings RegionalSettingsFrom(const QProcessEnvironment &environment)
{
    return RegionalSettings(categoryLocale(environment, QStringLiteral("LC_NUMERIC")),
                            categoryLocale(environment, QStringLiteral("LC_MONETARY")));
}

} // namespace runtime
