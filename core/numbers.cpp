// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbers.h"

#include "errors.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace core
{

namespace
{

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// What a character counts as in a number: a decimal digit of any script as its ASCII digit
// (input methods type full-width digits, Arabic, Persian and Indian keyboards their own), the
// full-width period, plus and minus as the ASCII ones; anything else as it stands. Digits only
// by their category: a superscript two or a circled one has a digit value too, and is no digit.
char32_t asciiCounterpart(char32_t c)
{
    if (c < 0x80)
        return c;
    if (QChar::category(c) == QChar::Number_DecimalDigit)
        return U'0' + char32_t(QChar::digitValue(c));
    switch (c) {
    case U'\uFF0B':
        return U'+';
    case U'\uFF0D':
        return U'-';
    case U'\uFF0E':
        return U'.';
    default:
        return c;
    }
}

// The text with every character a number is read by in its ASCII form; the text itself where
// it holds nothing to change, which is what people usually type.
QString asciiDigits(QStringView text)
{
    QString ascii;
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype start = i;
        char32_t c = text[i++].unicode();
        if (QChar::isHighSurrogate(c) && i < text.size() && text[i].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[i++].unicode());
        const char32_t counterpart = asciiCounterpart(c);
        if (counterpart == c)
            continue;
        ascii.append(text.mid(copied, start - copied));
        ascii.append(QChar(char16_t(counterpart)));
        copied = i;
    }
    if (copied == 0)
        return text.toString();
    ascii.append(text.mid(copied));
    return ascii;
}

// Walks a text; when asked to, it steps over blanks wherever they stand, so that callers
// see only the characters that can make up a number.
class Cursor
{
public:
    Cursor(QStringView text, bool skipBlanks) : m_text(text), m_skipBlanks(skipBlanks) {}

    char16_t peek()
    {
        if (m_skipBlanks) {
            while (m_pos < m_text.size() && isBlank(m_text[m_pos].unicode()))
                ++m_pos;
        }
        return m_pos < m_text.size() ? m_text[m_pos].unicode() : u'\0';
    }
    void advance() { ++m_pos; }
    qsizetype position() const { return m_pos; }
    void rewind(qsizetype position) { m_pos = position; }
    bool atEnd() { return peek() == u'\0' && m_pos == m_text.size(); }

private:
    QStringView m_text;
    bool m_skipBlanks;
    qsizetype m_pos = 0;
};

// The longest prefix that spells [sign] digits [. digits] [e [sign] digits], in ASCII.
struct NumberPrefix {
    std::string spelling;
    bool hasDigits = false;
};

NumberPrefix readNumberPrefix(Cursor &cursor)
{
    NumberPrefix number;
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        number.spelling += char(cursor.peek());
        cursor.advance();
    }
    for (bool seenPoint = false;; cursor.advance()) {
        const char16_t c = cursor.peek();
        if (isDigit(c)) {
            number.hasDigits = true;
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        number.spelling += char(c);
    }
    if (!number.hasDigits)
        return number;

    const char16_t marker = cursor.peek();
    if (marker != u'e' && marker != u'E')
        return number;
    // An exponent counts only when digits follow; otherwise the number ends before the 'e'.
    const qsizetype beforeExponent = cursor.position();
    std::string exponent = "e";
    cursor.advance();
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        exponent += char(cursor.peek());
        cursor.advance();
    }
    bool exponentDigits = false;
    for (; isDigit(cursor.peek()); cursor.advance()) {
        exponentDigits = true;
        exponent += char(cursor.peek());
    }
    if (exponentDigits)
        number.spelling += exponent;
    else
        cursor.rewind(beforeExponent);
    return number;
}

// Whether a well-formed ASCII spelling stands for a magnitude of one or more: the decimal
// order of its first significant digit plus its exponent (saturated: an exponent of a billion
// already settles it).
bool spellsOneOrMore(std::string_view spelling)
{
    long long order = 0;
    bool significant = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < spelling.size() && spelling[i] != 'e'; ++i) {
        const char c = spelling[i];
        if (c == '.') {
            afterPoint = true;
        } else if (c != '0' || significant) {
            significant = true;
            order += afterPoint ? 0 : 1;
        } else if (afterPoint) {
            --order;
        }
    }
    long long exponent = 0;
    const bool negativeExponent = i + 1 < spelling.size() && spelling[i + 1] == '-';
    for (; i < spelling.size(); ++i) {
        if (spelling[i] >= '0' && spelling[i] <= '9' && exponent < 1'000'000'000)
            exponent = exponent * 10 + (spelling[i] - '0');
    }
    return significant && order + (negativeExponent ? -exponent : exponent) > 0;
}

// The spelling is ASCII and period-decimal whatever the process locale (the toolkit adopts the
// user's, which may use a decimal comma), so it is read locale-free. A spelling beyond the
// double range reads as an infinity, one below it as zero, as the C library rounds them.
double readAsciiNumber(std::string_view spelling)
{
    const bool negative = spelling.starts_with('-');
    if (negative || spelling.starts_with('+'))
        spelling.remove_prefix(1);
    double magnitude = 0;
    const auto result =
        std::from_chars(spelling.data(), spelling.data() + spelling.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range)
        magnitude = spellsOneOrMore(spelling) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

// A grouped number never starts with a group of zeros, yet the toolkit reads "0.125" in German
// as 125 and "0,125" in English as 125: a rate typed the way the initial "0.10" teaches would
// silently become a hundred times too large. Such a reading is not the user's meaning.
bool startsWithZeroGroup(QStringView entry, const QLocale &locale)
{
    const qsizetype separator = entry.indexOf(locale.groupSeparator());
    if (separator < 0)
        return false;
    QStringView leadingGroup = entry.left(separator);
    for (const QString &sign : {locale.negativeSign(), locale.positiveSign()}) {
        if (leadingGroup.startsWith(sign))
            leadingGroup = leadingGroup.mid(sign.size());
    }
    // The digits are ASCII by now, whatever script they were typed in.
    while (leadingGroup.startsWith(u'0'))
        leadingGroup = leadingGroup.mid(1);
    return leadingGroup.isEmpty();
}

// Swiss settings group with an apostrophe, the typographic one up to Qt 6.10 and the ASCII one
// from 6.11, and the toolkit reads only the one it writes; a keyboard types the ASCII one, text
// copied from elsewhere may hold either. Both read as the group separator wherever one of them
// is it.
QString apostropheAsGrouped(QString text, const QLocale &locale)
{
    const QString group = locale.groupSeparator();
    const QChar ascii = u'\'';
    const QChar typographic = u'\u2019';
    if (group == QStringView(&ascii, 1))
        text.replace(typographic, ascii);
    else if (group == QStringView(&typographic, 1))
        text.replace(ascii, typographic);
    return text;
}

} // namespace

double LeadingValue(QStringView text)
{
    const QString ascii = asciiDigits(text);
    Cursor cursor(ascii, true);
    const NumberPrefix number = readNumberPrefix(cursor);
    return number.hasDigits ? readAsciiNumber(number.spelling) : 0.0;
}

double StrictValue(QStringView text, const QLocale &locale)
{
    // Read as the settings read the same number in ASCII digits, which they all accept, beside
    // their own where they have others.
    const QString ascii = apostropheAsGrouped(asciiDigits(text), locale);
    const QStringView entry = QStringView(ascii).trimmed();
    bool ok = false;
    double value = entry.isEmpty() ? 0.0 : locale.toDouble(entry, &ok);
    if (ok && startsWithZeroGroup(entry, locale))
        ok = false;
    // The regional reading wins wherever the locale accepts the text ("1.000" is a thousand
    // in German); a plain period-decimal number that the locale rejects is still a number, so
    // "0.10" reads the same everywhere.
    if (!ok && !entry.isEmpty()) {
        Cursor cursor(entry, false);
        const NumberPrefix number = readNumberPrefix(cursor);
        if (number.hasDigits && cursor.atEnd()) {
            value = readAsciiNumber(number.spelling);
            ok = true;
        }
    }
    if (!ok || !std::isfinite(value))
        throw TypeMismatchError(text.toString());
    return value;
}

double PowerOf(double base, double exponent)
{
    const double power = std::pow(base, exponent);
    if (!std::isfinite(power) && std::isfinite(base) && std::isfinite(exponent))
        throw ArithmeticFault();
    return power;
}

QString BoundText(double number)
{
    const double magnitude = std::fabs(number);
    // Fixed notation reads best for every bound a person would set; the extremes of the
    // double range would take hundreds of digits that way.
    const bool fixed = magnitude == 0.0 || (magnitude >= 1e-5 && magnitude < 1e15);
    char digits[400];
    const auto result =
        std::to_chars(std::begin(digits), std::end(digits), magnitude,
                      fixed ? std::chars_format::fixed : std::chars_format::scientific);
    const QChar signPosition = number < 0 ? u'-' : u' ';
    return signPosition + QString::fromLatin1(digits, result.ptr - digits);
}

void CheckArithmetic(double stepResult)
{
    if (!std::isfinite(stepResult))
        throw ArithmeticFault();
}

} // namespace core
