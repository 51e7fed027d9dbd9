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
    return column >= Column::Fehlversuche && column <= Column::Tipps;
}

// Short titles keep all columns on a projector's 1024 pixels; the tooltip
// has the whole title.
QString shortTitle(Column column) {
    switch (column) {
    case Column::Fehlversuche:
        return QStringLiteral("Fehler");
    case Column::Einmaleins:
        return QString::fromUtf8("1\u00D71");
    case Column::Abziehen:
        return QStringLiteral("Abz.");
    case Column::ZifferZuGross:
        return QString::fromUtf8("zu gro\u00DF");
    case Column::ZifferZuKlein:
        return QStringLiteral("zu klein");
    case Column::Stellenwert:
        return QStringLiteral("Stelle");
    case Column::Wiederholt:
        return QStringLiteral("Wdh.");
    case Column::Ueberschlag:
        return QString::fromUtf8("\u00DCbers.");
    default:
        return qt(std::string(columnTitle(column)));
    }
}

// The repeated kinds by their short titles: "1×1, Stelle".
QString repeatedShort(const OverviewRow& row) {
    QStringList kinds;
    for (int k = 0; k < kMistakeKinds; ++k) {
        if (row.repeated[static_cast<std::size_t>(k)]) {
            kinds << shortTitle(static_cast<Column>(static_cast<int>(Column::Einmaleins) + k));
        }
    }
    return kinds.join(QStringLiteral(", "));
}

// The Überschlag and the Probe in few letters: "korrekt (2 F.)", "offen",
// "fehlt"; the tooltip has the whole text.
QString checkShort(const CheckReport& report) {
    const QString errors =
        report.errors > 0 ? QStringLiteral(" (%1 F.)").arg(report.errors) : QString();
    switch (report.stand) {
    case CheckStand::Korrekt:
        return QStringLiteral("korrekt") + errors;
    case CheckStand::Offen:
        return QStringLiteral("offen") + errors;
    case CheckStand::Fehlt:
        return QStringLiteral("fehlt");
    case CheckStand::Leer:
        break;
    }
    return {};
}

bool isCheckColumn(Column column) {
    return column == Column::Ueberschlag || column == Column::Probe;
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
            // One count per line, so that the Stand column stays narrow;
            // "bei 3 von 5 Kindern" on two lines for the same reason.
            return qt(summary_[static_cast<std::size_t>(column)])
                .replace(", ", ",\n")
                .replace(" von ", "\nvon ");
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
        if (isCheckColumn(column)) {
            return checkShort(checkReport(row, column));
        }
        return column == Column::Wiederholt ? repeatedShort(row) : qt(cellText(row, column));
    case Qt::ToolTipRole:
        if (column == Column::Stand && row.refusal) {
            return qt(failureText(*row.refusal));
        }
        if ((column == Column::Wiederholt || isCheckColumn(column)) &&
            !cellText(row, column).empty()) {
            return qt(std::string(columnTitle(column)) + ": " + cellText(row, column));
        }
        return column == Column::Datei ? qt(shownName(row.path)) : QVariant();
    case SortRole:
        if (column == Column::Stand) {
            return static_cast<int>(row.stand);
        }
        if (column == Column::Richtig) {
            return row.right ? (*row.right ? 2 : 1) : 0;
        }
        return qt(cellText(row, column));
    default:
        return {};
    }
}

QVariant OverviewTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
        return {};
    }
    const auto column = static_cast<Column>(section);
    if (role == Qt::ToolTipRole) {
        return qt(std::string(columnTitle(column)));
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    return shortTitle(column);
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
    // Counts as the whole numbers they are (an empty cell first).
    const auto column = static_cast<Column>(left.column());
    if (isCounting(column)) {
        const auto row = [model](const QModelIndex& i) -> const OverviewRow& {
            return model->rows()[static_cast<std::size_t>(i.row())];
        };
        return cellNumber(row(left), column) < cellNumber(row(right), column);
    }
    return QSortFilterProxyModel::lessThan(left, right);
}

} // namespace zifferon
