// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A small bar chart of the class's mistakes by kind: one bar per kind, the
// most frequent kind in bold, so that the teacher sees what to practise.

#include "sheet/RowTally.h"

#include <QWidget>

#include <optional>

class QPainter;

namespace zifferon {

class MistakeChart : public QWidget {
    Q_OBJECT
  public:
    explicit MistakeChart(QWidget* parent = nullptr);

    // nullopt: no file tells the kinds of its mistakes.
    void setTally(const std::optional<RowTally>& tally);
    const std::optional<RowTally>& tally() const { return tally_; }

    QSize sizeHint() const override;

    // Draws the chart into `box` with the painter's font; also for paper.
    static void paint(QPainter& painter, const QRectF& box, const std::optional<RowTally>& tally);
    // The chart in words, for screen readers.
    static QString describe(const std::optional<RowTally>& tally);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<RowTally> tally_;
};

} // namespace zifferon
