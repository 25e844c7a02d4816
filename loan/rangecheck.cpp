#include "rangecheck.h"

#include "runtime/messages.h"
#include "runtime/numbers.h"

namespace loan
{

using namespace runtime;

bool CheckRange(double lowerBound, double upperBound, const QString &entry,
                const QString &fieldName)
{
    const double value = LeadingValue(entry);
    const bool withinBounds = value >= lowerBound && value <= upperBound;
    if (!withinBounds)
        ShowMessage(RangePrompt(lowerBound, upperBound, fieldName),
                    QStringLiteral("Invalid Parameter"));
    return withinBounds;
}

QString RangePrompt(double lowerBound, double upperBound, const QString &fieldName)
{
    return QStringLiteral("The ") + fieldName + QStringLiteral(" must be between ") +
           BoundText(lowerBound) + QStringLiteral(" and ") + BoundText(upperBound);
}

} // namespace loan
