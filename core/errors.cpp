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
} // namespace

TypeMismatchError::TypeMismatchError(const QString &text)
    : RuntimeError(text.trimmed().isEmpty()
                       ? QStringLiteral("An entry is empty. Please type a number in every box.")
                       // Isolated, the entry keeps its own direction inside the quotation
                       // marks and cannot turn the sentence around it (a right-to-left entry
                       // would otherwise set the direction of the whole message); the mark before
                       // it sets the sentence's own direction where isolates are not honoured.
                       : QStringLiteral("\u200E\u201C\u2068%1\u2069\u201D is not a number. Please "
                                        "type a number in every box.")
                             .arg(shortened(text.trimmed()))),
      m_text(text)
{
}

ArithmeticFault::ArithmeticFault()
    : RuntimeError(QStringLiteral("No payment can be computed for these entries. Please check "
                                  "the interest rate and the length of the loan."))
{
}

} // namespace core
