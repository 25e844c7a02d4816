// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The schedule as a read-only table: one row per payment and the total, under the column
// headers a screen reader speaks with each cell; the numbers aligned to the right.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace schedule
{

class ScheduleModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    ScheduleModel(QStringList header, QList<QStringList> cells, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QStringList m_header;
    const QList<QStringList> m_cells;
};

} // namespace schedule
