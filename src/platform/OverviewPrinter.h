// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class overview on paper, landscape: a header with the folder and the
// date on every page, the chart of mistakes on the first, then the table with
// its column titles repeated on every page and the summary line at the end.
// Drawn as text and lines, so a PDF stays searchable.

#include "overview/ClassOverview.h"

#include <QDate>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPrinter;

namespace zifferon {

class OverviewPrinter {
  public:
    OverviewPrinter(QString folder, std::vector<OverviewRow> rows,
                    QDate date = QDate::currentDate())
        : folder_(std::move(folder)), rows_(std::move(rows)), date_(date) {}

    // The pages onto a device the caller has set up.
    bool paint(QPagedPaintDevice& device, QString* error) const;
    // An A4 landscape PDF, written only when complete, in one step.
    bool exportPdf(const QString& path, QString* error) const;
    bool print(QPrinter& printer, QString* error) const;

    QString title() const;

  private:
    QString folder_;
    std::vector<OverviewRow> rows_;
    QDate date_;
};

} // namespace zifferon
