// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MistakeTallyView.h"

#include "overview/ClassOverview.h"
#include "overview/MistakeSummary.h"
#include "platform/MistakeChart.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zifferon {

MistakeTallyView::MistakeTallyView(MistakeChart* chart, QWidget* parent)
    : QWidget(parent), chart_(chart) {
    summary_ = new QLabel(this);
    summary_->setObjectName("mistakeSummary");
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary_->setFocusPolicy(Qt::StrongFocus);

    table_ = new QTableWidget(kMistakeKinds, 2, this);
    table_->setObjectName("mistakeTable");
    table_->setAccessibleName(
        QCoreApplication::translate("MistakeTallyView", "Fehler der Klasse nach Art"));
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("MistakeTallyView", "Art"),
                                       QCoreApplication::translate("MistakeTallyView", "Anzahl")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);
    for (int k = 0; k < kMistakeKinds; ++k) {
        const auto column = static_cast<Column>(static_cast<int>(Column::Einmaleins) + k);
        table_->setItem(
            k, 0, new QTableWidgetItem(QString::fromStdString(std::string(columnTitle(column)))));
        auto* count = new QTableWidgetItem;
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(k, 1, count);
    }

    auto* bars = new QHBoxLayout;
    bars->addWidget(chart_, 1);
    bars->addWidget(table_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bars);
    layout->addWidget(summary_);
}

void MistakeTallyView::setTally(const std::optional<RowTally>& tally) {
    chart_->setTally(tally);
    summary_->setText(QString::fromStdString(mistakeSummary(tally)));
    for (int k = 0; k < kMistakeKinds; ++k) {
        // Unknown, not zero, when no file tells the kinds of its mistakes.
        table_->item(k, 1)->setText(
            tally ? QString::number(tally->mistakes[static_cast<std::size_t>(k)]) : QString());
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    // Exactly as high as its rows: the chart beside it has room for them.
    int height = table_->horizontalHeader()->height() + 2 * table_->frameWidth();
    for (int k = 0; k < kMistakeKinds; ++k) {
        height += table_->rowHeight(k);
    }
    table_->setFixedHeight(height);
    int width = 2 * table_->frameWidth();
    for (int c = 0; c < 2; ++c) {
        width += table_->columnWidth(c);
    }
    table_->setFixedWidth(width + 4);
}

} // namespace zifferon
