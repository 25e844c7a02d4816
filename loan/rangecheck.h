// Whether an entry lies within its field's inclusive bounds, judged by the number the entry
// starts with. An entry out of bounds is reported to the user in a message box titled
// "Invalid Parameter" before the answer is returned; no entry raises an error.
#pragma once

#include <QString>

namespace loan
{

bool CheckRange(double lowerBound, double upperBound, const QString &entry,
                const QString &fieldName);

// The message's prompt, for instance "The Amount of Loan must be between  1000 and  1000000".
QString RangePrompt(double lowerBound, double upperBound, const QString &fieldName);

} // namespace loan
