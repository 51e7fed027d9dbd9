// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MistakeChart.h"

#include "overview/ClassOverview.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace zifferon {

namespace {

const QString kTitle = QCoreApplication::translate("MistakeChart", "Fehler der Klasse nach Art");

QString kindName(int kind) {
    const auto column = static_cast<Column>(static_cast<int>(Column::Einmaleins) + kind);
    return QString::fromStdString(std::string(columnTitle(column)));
}

// Title line plus one line per kind.
constexpr int kLines = 1 + kMistakeKinds;

} // namespace

MistakeChart::MistakeChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(kTitle);
    setAccessibleDescription(describe(tally_));
}

void MistakeChart::setTally(const std::optional<RowTally>& tally) {
    tally_ = tally;
    setAccessibleDescription(describe(tally_));
    update();
}

QSize MistakeChart::sizeHint() const {
    const QFontMetrics fm(font());
    return {480, static_cast<int>(kLines * fm.height() * 1.5) + 8};
}

void MistakeChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(rect()).adjusted(4, 4, -4, -4), tally_);
}

QString MistakeChart::describe(const std::optional<RowTally>& tally) {
    if (!tally) {
        return QCoreApplication::translate("MistakeChart",
                                           "Keine Datei nennt die Art ihrer Fehler.");
    }
    QStringList parts;
    for (int k = 0; k < kMistakeKinds; ++k) {
        parts << QStringLiteral("%1: %2").arg(kindName(k)).arg(tally->mistakes[std::size_t(k)]);
    }
    return parts.join(QStringLiteral(", "));
}

void MistakeChart::paint(QPainter& painter, const QRectF& box,
                         const std::optional<RowTally>& tally) {
    painter.save();
    const QFont normal = painter.font();
    QFont bold = normal;
    bold.setBold(true);
    const double line = box.height() / kLines;
    painter.setPen(Qt::black);
    painter.setFont(bold);
    painter.drawText(QRectF(box.left(), box.top(), box.width(), line),
                     Qt::AlignLeft | Qt::AlignVCenter, kTitle);
    if (!tally) {
        painter.setFont(normal);
        painter.drawText(QRectF(box.left(), box.top() + line, box.width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, describe(tally));
        painter.restore();
        return;
    }
    const auto& counts = tally->mistakes;
    const std::uint64_t most = *std::max_element(counts.begin(), counts.end());
    double labelWidth = 0;
    for (int k = 0; k < kMistakeKinds; ++k) {
        labelWidth = std::max(labelWidth,
                              QFontMetricsF(bold, painter.device()).horizontalAdvance(kindName(k)));
    }
    const double gap = line * 0.4;
    const double numberWidth =
        QFontMetricsF(bold, painter.device()).horizontalAdvance(QString::number(most)) + gap;
    const double barLeft = box.left() + labelWidth + gap;
    const double barRoom = std::max(0.0, box.right() - barLeft - numberWidth);
    for (int k = 0; k < kMistakeKinds; ++k) {
        const std::uint64_t n = counts[static_cast<std::size_t>(k)];
        const double top = box.top() + (k + 1) * line;
        // The kind to practise first stands out.
        painter.setFont(n > 0 && n == most ? bold : normal);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(box.left(), top, labelWidth, line),
                         Qt::AlignRight | Qt::AlignVCenter, kindName(k));
        const double length = most > 0 ? barRoom * static_cast<double>(n) / most : 0.0;
        const QRectF bar(barLeft, top + line * 0.15, length, line * 0.7);
        painter.fillRect(bar, n == most && n > 0 ? QColor(200, 40, 40) : QColor(230, 140, 120));
        painter.drawText(QRectF(bar.right() + gap / 2, top, numberWidth, line),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(n));
    }
    painter.restore();
}

} // namespace zifferon
