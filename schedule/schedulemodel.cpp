// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedulemodel.h"

#include <QFont>

namespace schedule
{

ScheduleModel::ScheduleModel(QStringList header, QList<QStringList> cells, int extraColumn,
                             QObject *parent)
    : QAbstractTableModel(parent), m_header(std::move(header)), m_cells(std::move(cells)),
      m_extraColumn(extraColumn)
{
}

void ScheduleModel::setCells(QList<QStringList> cells)
{
    // Same columns, so the views keep their widths, focus and scroll position where the rows
    // stay.
    const qsizetype before = m_cells.size();
    const qsizetype after = cells.size();
    if (after < before) {
        beginRemoveRows({}, int(after), int(before - 1));
        m_cells.resize(after);
        endRemoveRows();
    } else if (after > before) {
        beginInsertRows({}, int(before), int(after - 1));
        m_cells.resize(after);
        endInsertRows();
    }
    m_cells = std::move(cells);
    if (!m_cells.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ScheduleModel::setTypedExtra(int row, const QString &text)
{
    if (text.isNull())
        m_typed.remove(row);
    else
        m_typed.insert(row, text);
    const QModelIndex cell = index(row, m_extraColumn);
    Q_EMIT dataChanged(cell, cell);
}

int ScheduleModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_cells.size());
}

int ScheduleModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_header.size());
}

QVariant ScheduleModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (index.column() == m_extraColumn && m_typed.contains(index.row()))
            return m_typed.value(index.row());
        return m_cells.at(index.row()).value(index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (index.row() + 1 == m_cells.size()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return m_header.value(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ScheduleModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    // The total is no payment.
    if (index.column() == m_extraColumn && index.row() + 1 < m_cells.size())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ScheduleModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    Q_EMIT extraTyped(index.row(), value.toString());
    return true;
}

} // namespace schedule
