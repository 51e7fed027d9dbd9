// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class overview's chart with its text: beside the bars the tallies by
// kind as a small table of two columns, below them the same in one sentence.
// The sentence takes the keyboard focus, so a screen reader reads it on Tab;
// the table reads cell by cell.

#include "sheet/RowTally.h"

#include <QWidget>

#include <optional>

class QLabel;
class QTableWidget;

namespace zifferon {

class MistakeChart;

class MistakeTallyView : public QWidget {
    Q_OBJECT
  public:
    // Lays `chart` out beside the table.
    MistakeTallyView(MistakeChart* chart, QWidget* parent);

    void setTally(const std::optional<RowTally>& tally);

    QLabel* summary() const { return summary_; }
    QTableWidget* table() const { return table_; }

  private:
    MistakeChart* chart_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace zifferon
