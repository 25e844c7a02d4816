// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedulechart.h"

#include "currency.h"
#include "scheduletext.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHash>
#include <QLegend>
#include <QLineSeries>
#include <QPen>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace schedule
{

namespace
{
// A step of 1, 2 or 5 times a power of ten giving about `ticks` steps up to `top`.
double niceStep(double top, int ticks)
{
    const double rough = top / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

// A money axis from zero past `top`, labelled at round values in the regional money format.
QCategoryAxis *moneyAxis(double top, const QLocale &regional)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double step = niceStep(std::max(top, 1.0), 5);
    const int steps = int(std::ceil(top / step));
    axis->setStartValue(0);
    // Whole units are enough at the axis's steps, and keep its labels short.
    const auto label = [&regional](double value) {
        return regional.toCurrencyString(value, QString(), 0);
    };
    axis->append(label(0), 0);
    for (int i = 1; i <= steps; ++i)
        axis->append(label(i * step), i * step);
    axis->setRange(0, steps * step);
    return axis;
}

QCategoryAxis *monthAxis(int count, const QLocale &regional)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // Bar i (from 0) is payment i + 1; a label every year, or every few months for short loans.
    const int step = count > 24 ? 12 * int(std::ceil(count / 12.0 / 8)) : std::max(1, count / 6);
    axis->append(regional.toString(1), 0);
    for (int month = step; month <= count; month += step) {
        if (month > 1)
            axis->append(regional.toString(month), month - 1);
    }
    axis->setRange(-0.5, count - 0.5);
    return axis;
}

void paintAxis(QAbstractAxis *axis, const QPalette &palette)
{
    axis->setLabelsBrush(palette.color(QPalette::WindowText));
    axis->setTitleBrush(palette.color(QPalette::WindowText));
    axis->setLinePenColor(palette.color(QPalette::Mid));
    axis->setGridLineColor(palette.color(QPalette::Midlight));
}
} // namespace

QChartView *CreateScheduleChart(const core::Schedule &schedule, const QLocale &regional,
                                const QPalette &palette, QWidget *parent)
{
    const bool dark = palette.color(QPalette::Window).lightnessF() < 0.5;
    auto *chart = new QChart;
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setBackgroundBrush(palette.color(QPalette::Window));
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setLabelColor(palette.color(QPalette::WindowText));
    chart->legend()->setAlignment(Qt::AlignBottom);

    // Each payment a step as wide as the payment, interest below and principal stacked on it:
    // a bar per payment, drawn as two areas, so a long loan costs a few shapes, not hundreds.
    // The areas' edges belong to no area (an area series does not own them), so to the chart.
    auto *interestTop = new QLineSeries(chart);
    auto *paymentTop = new QLineSeries(chart);
    auto *zero = new QLineSeries(chart);
    auto *balance = new QLineSeries;
    balance->setName(u"Balance"_s);
    // Apart from both parts' colours, in both themes; added after them, it is drawn over them.
    const QColor balanceColour = dark ? QColor(0xff, 0xa0, 0x40) : QColor(0xc0, 0x30, 0x10);
    balance->setPen(QPen(balanceColour, 2.5));
    auto *without = new QLineSeries;
    without->setName(u"Balance without extras"_s);
    // Dashed and thinner: told apart by its pattern, not by a colour a grey print loses.
    without->setPen(QPen(palette.color(QPalette::WindowText), 1.5, Qt::DashLine));
    double highestPayment = 0;
    for (const core::ScheduleRow &row : schedule.rows)
        highestPayment = std::max(highestPayment, core::MajorUnits(row.payment, schedule.decimals));
    auto *interestArea = new QAreaSeries(interestTop, zero);
    interestArea->setName(u"Interest"_s);
    auto *principalArea = new QAreaSeries(paymentTop, interestTop);
    principalArea->setName(u"Principal"_s);
    for (QAreaSeries *area : {interestArea, principalArea})
        area->setPen(Qt::NoPen);
    chart->addSeries(interestArea);
    chart->addSeries(principalArea);
    chart->addSeries(balance);
    chart->addSeries(without);

    const int count = int(schedule.rows.size());
    QCategoryAxis *months = monthAxis(count, regional);
    QCategoryAxis *payments = moneyAxis(highestPayment, regional);
    QCategoryAxis *owed = moneyAxis(core::MajorUnits(schedule.amount, schedule.decimals), regional);
    months->setTitleText(u"Payment"_s);
    payments->setTitleText(u"Interest and principal"_s);
    owed->setTitleText(u"Balance"_s);
    chart->addAxis(months, Qt::AlignBottom);
    chart->addAxis(payments, Qt::AlignLeft);
    chart->addAxis(owed, Qt::AlignRight);
    for (QAbstractAxis *axis :
         {static_cast<QAbstractAxis *>(months), static_cast<QAbstractAxis *>(payments),
          static_cast<QAbstractAxis *>(owed)})
        paintAxis(axis, palette);
    for (QAreaSeries *area : {interestArea, principalArea}) {
        area->attachAxis(months);
        area->attachAxis(payments);
    }
    for (QLineSeries *line : {balance, without}) {
        line->attachAxis(months);
        line->attachAxis(owed);
    }

    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(u"Chart of the payments"_s);
    ShowInScheduleChart(view, schedule, schedule, regional);
    return view;
}

void ShowInScheduleChart(QChartView *view, const core::Schedule &withExtras,
                         const core::Schedule &without, const QLocale &regional)
{
    QChart *chart = view->chart();
    // The chart owns its series; the areas' edges are found through the areas.
    QHash<QString, QAbstractSeries *> byName;
    for (QAbstractSeries *series : chart->series())
        byName.insert(series->name(), series);
    auto *interestArea = static_cast<QAreaSeries *>(byName.value(u"Interest"_s));
    auto *principalArea = static_cast<QAreaSeries *>(byName.value(u"Principal"_s));
    QList<QPointF> interests, paymentTops, zeros, balances, balancesWithout;
    const int decimals = withExtras.decimals;
    for (const core::ScheduleRow &row : withExtras.rows) {
        const double x = row.number - 1;
        // The regular payment; what the extras do shows in the balance.
        const double paid = core::MajorUnits(row.payment, decimals);
        const double interest = core::MajorUnits(row.interest, decimals);
        for (const double edge : {x - 0.5, x + 0.5}) {
            interests.append(QPointF(edge, interest));
            paymentTops.append(QPointF(edge, paid));
            zeros.append(QPointF(edge, 0));
        }
        balances.append(QPointF(x, core::MajorUnits(row.balance, decimals)));
    }
    const bool extras = withExtras.totalExtra > 0;
    if (extras) {
        for (const core::ScheduleRow &row : without.rows)
            balancesWithout.append(
                QPointF(row.number - 1, core::MajorUnits(row.balance, decimals)));
    }
    interestArea->upperSeries()->replace(interests);
    interestArea->lowerSeries()->replace(zeros);
    principalArea->upperSeries()->replace(paymentTops);
    static_cast<QLineSeries *>(byName.value(u"Balance"_s))->replace(balances);
    auto *dashed = static_cast<QLineSeries *>(byName.value(u"Balance without extras"_s));
    dashed->replace(balancesWithout);
    dashed->setVisible(extras);
    QString description = core::ScheduleChartDescription(withExtras, regional);
    if (extras)
        description += u" Dashed, the balance without the extras, over %1 months."_s.arg(
            regional.toString(qsizetype(without.rows.size())));
    view->setAccessibleDescription(description);
}

} // namespace schedule
