// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class overview as a Qt table: one row per file and the summary line,
// which stays last whichever column the table is sorted by.

#include "overview/ClassOverview.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <vector>

namespace zifferon {

class OverviewTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // What a column sorts by: text in the reader's language, the Stand in
    // the order of the work, numbers as numbers (an empty cell first).
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit OverviewTableModel(std::vector<OverviewRow> rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<OverviewRow>& rows() const { return rows_; }
    bool isSummary(int row) const { return row == static_cast<int>(rows_.size()); }

  private:
    std::vector<OverviewRow> rows_;
    std::array<std::string, kColumns> summary_;
};

class OverviewSortModel : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit OverviewSortModel(QObject* parent = nullptr);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

} // namespace zifferon
