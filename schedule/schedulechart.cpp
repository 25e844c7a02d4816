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
    balance->setPen(QPen(dark ? QColor(0xff, 0xa0, 0x40) : QColor(0xc0, 0x30, 0x10), 2.5));
    QList<QPointF> interests, paymentTops, zeros, balances;
    double highestPayment = 0;
    for (const core::ScheduleRow &row : schedule.rows) {
        const double x = row.number - 1;
        const double paid = core::MajorUnits(row.payment, schedule.decimals);
        const double interest = core::MajorUnits(row.interest, schedule.decimals);
        for (const double edge : {x - 0.5, x + 0.5}) {
            interests.append(QPointF(edge, interest));
            paymentTops.append(QPointF(edge, paid));
            zeros.append(QPointF(edge, 0));
        }
        balances.append(QPointF(x, core::MajorUnits(row.balance, schedule.decimals)));
        highestPayment = std::max(highestPayment, paid);
    }
    interestTop->append(interests);
    paymentTop->append(paymentTops);
    zero->append(zeros);
    balance->append(balances);
    auto *interestArea = new QAreaSeries(interestTop, zero);
    interestArea->setName(u"Interest"_s);
    auto *principalArea = new QAreaSeries(paymentTop, interestTop);
    principalArea->setName(u"Principal"_s);
    for (QAreaSeries *area : {interestArea, principalArea})
        area->setPen(Qt::NoPen);
    chart->addSeries(interestArea);
    chart->addSeries(principalArea);
    chart->addSeries(balance);

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
    balance->attachAxis(months);
    balance->attachAxis(owed);

    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(u"Chart of the payments"_s);
    view->setAccessibleDescription(core::ScheduleChartDescription(schedule, regional));
    return view;
}

} // namespace schedule
