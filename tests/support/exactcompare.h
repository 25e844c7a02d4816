// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Compares doubles by their bits: QCOMPARE would pass two payments a thousand units in the last
// place apart, which is exactly the difference a regrouped step makes. On a mismatch both values
// are printed with every digit they have.
#pragma once

#include <QString>
#include <QTest>

#include <bit>
#include <cstdint>

namespace exact
{
inline bool sameBits(double actual, double expected)
{
    return std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected);
}

inline QByteArray describe(double actual, double expected)
{
    return QStringLiteral("doubles differ in their bits: actual %1 (%2), expected %3 (%4)")
        .arg(QString::number(actual, 'g', 17))
        .arg(std::bit_cast<std::uint64_t>(actual), 16, 16, QLatin1Char('0'))
        .arg(QString::number(expected, 'g', 17))
        .arg(std::bit_cast<std::uint64_t>(expected), 16, 16, QLatin1Char('0'))
        .toUtf8();
}
} // namespace exact

#define COMPARE_EXACT(actual, expected)                                                            \
    do {                                                                                           \
        const double actualValue_ = (actual);                                                      \
        const double expectedValue_ = (expected);                                                  \
        QVERIFY2(exact::sameBits(actualValue_, expectedValue_),                                    \
                 exact::describe(actualValue_, expectedValue_).constData());                       \
    } while (false)
