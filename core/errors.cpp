// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errors.h"

namespace core
{

namespace
{
// Long entries (a pasted page) would make the message box wider than the screen.
QString shortened(const QString &text)
{
    constexpr qsizetype longest = 40;
    return text.size() <= longest ? text : text.left(longest) + QChar(0x2026);
}

QString notANumberMessage(const QString &text, const QString &fieldName)
{
    const QString entry = text.trimmed();
    if (entry.isEmpty()) {
        return fieldName.isEmpty()
                   ? QStringLiteral("An entry is empty. Please type a number in every box.")
                   : QStringLiteral("The %1 is empty. Please type a number in every box.")
                         .arg(fieldName);
    }
    // Isolated, the entry keeps its own direction inside the quotation marks and cannot turn the
    // sentence around it (a right-to-left entry would otherwise set the direction of the whole
    // message); the mark before it sets the sentence's own direction where isolates are not
    // honoured.
    const QString quoted = QStringLiteral("\u200E\u201C\u2068%1\u2069\u201D").arg(shortened(entry));
    return fieldName.isEmpty()
               ? QStringLiteral("%1 is not a number. Please type a number in every box.")
                     .arg(quoted)
               : QStringLiteral("%1 in the %2 is not a number. Please type a number in every box.")
                     .arg(quoted, fieldName);
}

} // namespace

TypeMismatchError::TypeMismatchError(const QString &text, EntryField field,
                                     const QString &fieldName)
    : RuntimeError(notANumberMessage(text, fieldName)), m_text(text), m_field(field),
      m_fieldName(fieldName)
{
}

ArithmeticFault::ArithmeticFault()
    : RuntimeError(QStringLiteral("No payment can be computed for these entries. Please check "
                                  "the interest rate and the length of the loan."))
{
}

} // namespace core
