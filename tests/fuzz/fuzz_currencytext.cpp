// CurrencyText under a range of regional settings (Western, Arabic-Indic and Persian digits;
// leading, trailing and parenthesised negative patterns): an amount that shows as zero shows
// exactly as zero does, never as a negative zero; an amount that shows as more than zero shows
// its sign, so a debt never reads like a credit and a credit never like a debt.
#include "fuzzinput.h"
#include "runtime/currency.h"

#include <QLocale>

namespace
{
const QList<QLocale> &settings()
{
    static const QList<QLocale> locales = [] {
        QList<QLocale> all;
        for (const char16_t *name : {u"en_US", u"de_DE", u"fr_FR", u"C", u"de_CH", u"nl_NL",
                                     u"ja_JP", u"en_IN", u"ar_EG", u"fa_IR", u"sv_SE", u"en_AU"})
            all.append(QLocale(QString::fromUtf16(name)));
        return all;
    }();
    return locales;
}

bool showsZero(const QString &money)
{
    return std::none_of(money.begin(), money.end(), [](QChar c) { return c.digitValue() > 0; });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    const double amount = input.take<double>();
    const QLocale &locale = settings()[input.take<uint8_t>() % settings().size()];
    if (!std::isfinite(amount))
        return 0;

    const QString money = runtime::CurrencyText(amount, locale);
    const QString zero = runtime::CurrencyText(0.0, locale);
    const QString detail = locale.name() + u": "_qs + fuzz::exact(amount) + u" -> "_qs + money;
    if (showsZero(money)) {
        fuzz::require(money == zero, "an amount that shows as zero shows as zero does",
                      detail + u" vs "_qs + zero);
    } else if (amount < 0) {
        fuzz::require(money != runtime::CurrencyText(-amount, locale),
                      "a debt does not read like a credit", detail);
    }
    return 0;
}
