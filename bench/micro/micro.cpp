// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Microbenchmarks, in nanoseconds per call, of the payment arithmetic and of each conversion.
//
// None of these needs a QApplication or QCoreApplication: QLocale reads the regional settings
// from the environment (LC_ALL, LC_NUMERIC, LANG) on its own. PaymentFor reads its entries under
// the environment's settings, read once as the program reads them at start-up, so its figure
// depends on the environment's locale (its name is the benchmark's label); StrictValue and
// CurrencyText get en_US and de_DE explicitly.
#include "currency.h"
#include "monthlypayment.h"
#include "numbers.h"

#include <benchmark/benchmark.h>

#include <QLocale>
#include <QString>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);

// The whole of CalculatePayment but the boxes: three strict conversions and the arithmetic.
void PaymentFor(benchmark::State &state)
{
    const QString amount = QStringLiteral("120000");
    const QString rate = QStringLiteral("0.10");
    const QString months = QStringLiteral("36");
    const QLocale regional = QLocale::system();
    for (auto _ : state)
        benchmark::DoNotOptimize(core::PaymentFor(amount, rate, months, regional));
    state.SetLabel(regional.name().toStdString());
}
BENCHMARK(PaymentFor);

void LeadingValue(benchmark::State &state, const char16_t *text)
{
    const QString entry = QString::fromUtf16(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::LeadingValue(entry));
}
BENCHMARK_CAPTURE(LeadingValue, plain, u"120000");
BENCHMARK_CAPTURE(LeadingValue, trailing_unit, u"36 months");
BENCHMARK_CAPTURE(LeadingValue, exponent, u"1 e - 3");

void StrictValue(benchmark::State &state, const QLocale *locale, const char16_t *text)
{
    const QString entry = QString::fromUtf16(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::StrictValue(entry, *locale));
}
BENCHMARK_CAPTURE(StrictValue, en_US_amount, &english, u"120000");
BENCHMARK_CAPTURE(StrictValue, en_US_rate, &english, u"0.10");
BENCHMARK_CAPTURE(StrictValue, en_US_grouped, &english, u"120,000");
BENCHMARK_CAPTURE(StrictValue, de_DE_amount, &german, u"120000");
BENCHMARK_CAPTURE(StrictValue, de_DE_rate, &german, u"0,10");
// The locale rejects the period, so the period-decimal reading follows.
BENCHMARK_CAPTURE(StrictValue, de_DE_period_rate, &german, u"0.10");

void BoundText(benchmark::State &state, double bound)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(core::BoundText(bound));
}
BENCHMARK_CAPTURE(BoundText, integer, 1000000.0);
BENCHMARK_CAPTURE(BoundText, fraction, 0.05);

void CurrencyText(benchmark::State &state, const QLocale *locale, double amount)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(core::CurrencyText(amount, *locale));
}
BENCHMARK_CAPTURE(CurrencyText, en_US, &english, 3872.057293);
BENCHMARK_CAPTURE(CurrencyText, de_DE, &german, 3872.057293);
// A negative amount is spelt twice more, to tell a debt of less than a cent from a real one.
BENCHMARK_CAPTURE(CurrencyText, en_US_negative, &english, -3872.057293);

} // namespace

BENCHMARK_MAIN();
