// Money as the user's regional settings write it: symbol and its place, decimals, grouping
// and the negative pattern all come from the locale.
#pragma once

#include <QLocale>
#include <QString>

namespace runtime
{

QString CurrencyText(double amount, const QLocale &locale = QLocale::system());

} // namespace runtime
