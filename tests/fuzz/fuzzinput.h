// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the fuzz targets share: the fuzzer's bytes taken apart into the values a target needs,
// and the way a target reports a broken property (a message, then abort, which libFuzzer
// records as a crash together with the input that caused it).
#pragma once

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>

namespace fuzz
{

class Input
{
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    // Takes the next sizeof(T) bytes as a T; zero bytes stand in for a short input.
    template <typename T> T take()
    {
        unsigned char bytes[sizeof(T)] = {};
        const size_t n = m_size < sizeof(T) ? m_size : sizeof(T);
        std::memcpy(bytes, m_data, n);
        m_data += n;
        m_size -= n;
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    // Whatever is left, read as UTF-8 (malformed sequences become replacement characters).
    QString restAsText()
    {
        const QString text =
            QString::fromUtf8(reinterpret_cast<const char *>(m_data), qsizetype(m_size));
        m_data += m_size;
        m_size = 0;
        return text;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
};

[[noreturn]] inline void fail(const char *property, const QString &detail)
{
    std::fprintf(stderr, "property broken: %s\n  %s\n", property, qUtf8Printable(detail));
    std::abort();
}

inline void require(bool holds, const char *property, const QString &detail = QString())
{
    if (!holds)
        fail(property, detail);
}

// For unlessRaised: no exception at all is allowed.
struct Nothing {
};

// The call's result, or none when it raised an Allowed exception; any other breaks the property.
template <typename Allowed, typename Call>
auto unlessRaised(const char *property, const QString &detail, Call call)
    -> std::optional<decltype(call())>
{
    try {
        return call();
    } catch (const Allowed &) {
        return std::nullopt;
    } catch (...) {
        fail(property, detail);
    }
}

// The text with its ASCII digits written in the decimal digits of another script, picked by
// `choice` (Arabic-Indic, Persian, Devanagari, full-width, mathematical bold beyond the first
// plane, Bengali), and with its periods, pluses and minuses full-width when the choice's top
// bit is set. A reader of every script's digits reads it as the text itself.
inline QString inOtherDigits(const QString &text, std::uint8_t choice)
{
    static constexpr char32_t zeros[] = {U'\u0660', U'\u06F0',     U'\u0966',
                                         U'\uFF10', U'\U0001D7CE', U'\u09E6'};
    const char32_t zero = zeros[(choice & 0x7f) % std::size(zeros)];
    const bool fullWidth = choice & 0x80;
    QString other;
    for (const QChar c : text) {
        char32_t written = c.unicode();
        if (c >= u'0' && c <= u'9')
            written = zero + (c.unicode() - u'0');
        else if (fullWidth && (c == u'.' || c == u'+' || c == u'-'))
            written = c.unicode() - u'!' + U'\uFF01';
        other += QStringView(QChar::fromUcs4(written));
    }
    return other;
}

// A double spelled so that a report shows it exactly.
inline QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

} // namespace fuzz
