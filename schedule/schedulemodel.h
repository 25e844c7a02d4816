// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The schedule as a table: one row per payment and the total, under the column headers a screen
// reader speaks with each cell; the numbers aligned to the right. Only the payments' extras can
// be edited: what is typed there is handed on as typed (extraTyped), and a text that is no
// amount stays shown in its cell until it is mended, so nothing typed is lost.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QMap>
#include <QStringList>

namespace schedule
{

class ScheduleModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    ScheduleModel(QStringList header, QList<QStringList> cells, int extraColumn,
                  QObject *parent = nullptr);

    // New numbers for the same columns; the rows may be fewer or more.
    void setCells(QList<QStringList> cells);
    // The text that stays in the extra cell of `row` (from 0) in place of its number; none
    // (a null text) gives the number back.
    void setTypedExtra(int row, const QString &text);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

Q_SIGNALS:
    // The payment of `row` (from 0) was given this extra, as typed.
    void extraTyped(int row, const QString &text);

private:
    const QStringList m_header;
    QList<QStringList> m_cells;
    const int m_extraColumn;
    QMap<int, QString> m_typed;
};

} // namespace schedule
