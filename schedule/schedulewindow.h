// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window "Payment Schedule": the summary at the top (read to a screen reader as the window
// opens), the table of payments with its total beside the chart, and the buttons Copy Table and
// Close. The standard copy shortcut in the table, like Copy Table, puts the whole table on the
// clipboard as tab-separated text and as an HTML table; Esc, like Close, closes the window. It
// fits a 1024 x 768 screen and opens with the keyboard in the table's first cell.
#pragma once

#include "schedule.h"

#include <QDialog>
#include <QLocale>

class QChartView;
class QPushButton;
class QTableView;

namespace schedule
{

class ScheduleWindow : public QDialog
{
    Q_OBJECT
public:
    ScheduleWindow(const core::Schedule &schedule, const QLocale &regional,
                   QWidget *parent = nullptr);

    QTableView *table() const { return m_table; }
    QChartView *chart() const { return m_chart; }
    void copyTable() const;

private:
    const core::Schedule m_schedule;
    const QLocale m_regional;
    QTableView *const m_table;
    QChartView *const m_chart;
};

} // namespace schedule
