// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window "Payment Schedule — <the loan>": the summary at the top (read to a screen reader
// as the window opens), the extras to try ("Extra each month" from a payment on, "Shorten the
// loan" or "Lower the payment"), the table of payments with its total beside the chart, and the
// buttons Copy Table and Close. One-off extras are typed into the table's Extra cells. Every
// change of an extra shows the new table, savings and chart at once; an entry that is no amount
// is said in words beside the extras and changes nothing, and stays as typed. When the
// savings change, a screen reader is told their new line once typing pauses. The standard copy
// shortcut in the table, like Copy Table, puts the whole table on the clipboard as tab-separated
// text and as an HTML table; Esc, like Close, closes the window. It fits a 1024 x 768 screen and
// opens with the keyboard in the table's first cell.
#pragma once

#include "schedule.h"

#include <QDialog>
#include <QLocale>
#include <QMap>

#include <optional>

class QChartView;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableView;
class QTimer;

namespace schedule
{

class ScheduleModel;

class ScheduleWindow : public QDialog
{
    Q_OBJECT
public:
    // `schedule` is the loan without extras; what is typed is read by `numbers`, the money
    // written by `regional`.
    ScheduleWindow(const core::Schedule &schedule, const QLocale &regional, const QLocale &numbers,
                   QWidget *parent = nullptr);

    QTableView *table() const { return m_table; }
    QChartView *chart() const { return m_chart; }
    const core::Schedule &shown() const { return m_schedule; }
    // What is said of the entries that are no amount; empty while there is none.
    QString problem() const;
    void copyTable() const;

private:
    void readMonthly();
    void readOneOff(int row, const QString &text);
    void recompute();
    void announceSavings();
    // The amount `text` stands for in minor units, or none when it is no amount (zero when
    // empty).
    std::optional<qint64> amountOf(const QString &text) const;
    void say(const QString &what, const QString &problem);

    const core::Schedule m_without;
    core::Schedule m_schedule;
    core::Extras m_extras;
    const QLocale m_regional;
    const QLocale m_numbers;
    QTableView *const m_table;
    QChartView *const m_chart;
    ScheduleModel *m_model = nullptr;
    QLineEdit *m_monthly = nullptr;
    QLineEdit *m_from = nullptr;
    QRadioButton *m_shorten = nullptr;
    QRadioButton *m_lower = nullptr;
    QLabel *m_savingsLabel = nullptr;
    QLabel *m_savings = nullptr;
    QLabel *m_problem = nullptr;
    // By what they are about ("Extra each month", "Extra of payment 5"): each said till mended.
    QMap<QString, QString> m_problems;
    QTimer *m_pause = nullptr;
    QString m_announced;
};

} // namespace schedule
