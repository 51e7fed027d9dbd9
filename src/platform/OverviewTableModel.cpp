// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/OverviewTableModel.h"

#include <QFont>

namespace zifferon {

namespace {

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

bool isCounting(Column column) {
    return column >= Column::Fehlversuche;
}

} // namespace

OverviewTableModel::OverviewTableModel(std::vector<OverviewRow> rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows)), summary_(summaryLine(rows_)) {}

int OverviewTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size()) + 1;
}

int OverviewTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant OverviewTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const auto column = static_cast<Column>(index.column());
    const bool summary = isSummary(index.row());
    if (role == Qt::TextAlignmentRole) {
        return isCounting(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                  : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (summary) {
        if (role == Qt::DisplayRole) {
            // One count per line, so that the Stand column stays narrow.
            return qt(summary_[static_cast<std::size_t>(column)]).replace(", ", ",\n");
        }
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    const OverviewRow& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return qt(cellText(row, column));
    case Qt::ToolTipRole:
        if (column == Column::Stand && !row.refusal.empty()) {
            return qt(row.refusal);
        }
        return column == Column::Datei ? qt(row.path) : QVariant();
    case SortRole:
        if (column == Column::Stand) {
            return static_cast<int>(row.stand);
        }
        if (column == Column::Richtig) {
            return row.right ? (*row.right ? 2 : 1) : 0;
        }
        if (isCounting(column)) {
            const auto n = cellNumber(row, column);
            return n ? static_cast<double>(*n) : -1.0;
        }
        return qt(cellText(row, column));
    default:
        return {};
    }
}

QVariant OverviewTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns) {
        return {};
    }
    // "Ziffer zu groß" on two lines: the counting columns stay narrow.
    QString title = qt(std::string(columnTitle(static_cast<Column>(section))));
    if (isCounting(static_cast<Column>(section)) && title.contains(' ')) {
        title[title.lastIndexOf(' ')] = '\n';
    }
    return title;
}

OverviewSortModel::OverviewSortModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(OverviewTableModel::SortRole);
    setSortLocaleAware(true);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

bool OverviewSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    // A descending sort compares the other way round: the summary line is
    // the largest row in an ascending sort and the smallest in a descending one.
    const auto* model = static_cast<const OverviewTableModel*>(sourceModel());
    if (model->isSummary(left.row())) {
        return sortOrder() == Qt::DescendingOrder;
    }
    if (model->isSummary(right.row())) {
        return sortOrder() == Qt::AscendingOrder;
    }
    return QSortFilterProxyModel::lessThan(left, right);
}

} // namespace zifferon
