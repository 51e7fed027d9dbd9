// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HandoutPrinter.h"

#include "platform/SheetPrinter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

namespace zifferon {

namespace {

// The page in twips, before it is scaled to fit: a header band, two rows of
// two task blocks, a footer band. A block is a heading over the work area.
constexpr double kHeaderHeight = 720;
constexpr double kHeaderTextHeight = 360;
constexpr double kHeaderRuleY = 480;
constexpr double kFooterHeight = 360;
constexpr double kHeadingHeight = 420;
constexpr double kColumnGap = 900;
constexpr double kRowGap = 600;
constexpr double kHeaderFontHeight = 240;
constexpr double kFooterFontHeight = 180;
constexpr double kRuleWidth = 12;
constexpr int kColumns = 2;
constexpr int kRows = kHandoutTasksPerPage / kColumns;

void setError(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Device units per twip: the two columns fill the width unless the rows
// would not fit the height.
double scaleFor(const QRectF& page) {
    const QRectF work = SheetPrinter::workArea();
    const double width = kColumns * work.width() + (kColumns - 1) * kColumnGap;
    const double height = kHeaderHeight + kRows * (kHeadingHeight + work.height()) +
                          (kRows - 1) * kRowGap + kFooterHeight;
    return std::min(page.width() / width, page.height() / height);
}

// Writes `form` as task `task` stands on the page: entered, and worked on
// an answer page.
void prepare(Form1& form, const HandoutTask& task, bool answers) {
    enterHandoutTask(form, task);
    if (answers) {
        writeWorkedSolution(form, task.solution);
    }
}

} // namespace

QString handoutName(const HandoutSheet& sheet) {
    return QStringLiteral("Arbeitsblatt %1").arg(sheet.seed);
}

int HandoutPrinter::taskPages(const HandoutSheet& sheet) {
    const int tasks = static_cast<int>(sheet.tasks.size());
    return (tasks + kHandoutTasksPerPage - 1) / kHandoutTasksPerPage;
}

int HandoutPrinter::pageCount(const HandoutSheet& sheet) {
    return taskPages(sheet) * (sheet.answers ? 2 : 1);
}

void HandoutPrinter::paintPage(QPainter& painter, const QRectF& page, const HandoutSheet& sheet,
                               int index) const {
    const bool answers = index >= taskPages(sheet);
    const int first = (answers ? index - taskPages(sheet) : index) * kHandoutTasksPerPage;
    const double s = scaleFor(page);
    const QRectF work = SheetPrinter::workArea();
    painter.save();

    // Header: what the page is and the sheet's number (so the same sheet can
    // be made again); the pupil's name on the task pages.
    painter.setPen(Qt::black);
    painter.setFont(printFont(kHeaderFontHeight, s));
    const QRectF header(page.left(), page.top(), page.width(), kHeaderTextHeight * s);
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter,
                     answers ? QStringLiteral("L\u00F6sungen zum %1").arg(handoutName(sheet))
                             : handoutName(sheet) + QStringLiteral(": Schriftlich dividieren"));
    if (!answers) {
        painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Name: ____________________"));
    }
    painter.setPen(QPen(Qt::black, kRuleWidth * s));
    painter.drawLine(QPointF(page.left(), page.top() + kHeaderRuleY * s),
                     QPointF(page.right(), page.top() + kHeaderRuleY * s));

    // The blocks: the rows share the height between header and footer, each
    // block at the top of its share, so the room below is room to write.
    const double top = page.top() + kHeaderHeight * s;
    const double rowHeight = (page.height() - (kHeaderHeight + kFooterHeight) * s) / kRows;
    const double columnWidth = (work.width() + kColumnGap) * s;
    const int count = std::min<int>(kHandoutTasksPerPage, int(sheet.tasks.size()) - first);
    QStringList headings;
    for (int i = 0; i < count; ++i) {
        const HandoutTask& task = sheet.tasks[static_cast<std::size_t>(first + i)];
        headings << QStringLiteral("Aufgabe %1:  %2")
                        .arg(first + i + 1)
                        .arg(qt(answers ? solutionLine(task) : taskLine(task)));
    }
    // Long answer lines make the page's headings smaller rather than lose their end.
    QFont headingFont = printFont(kHeaderFontHeight, s);
    const double room = work.width() * s;
    double widest = 0;
    for (const QString& heading : headings) {
        widest = std::max(widest,
                          QFontMetricsF(headingFont, painter.device()).horizontalAdvance(heading));
    }
    if (widest > room) {
        headingFont.setPixelSize(
            std::max(1, static_cast<int>(headingFont.pixelSize() * room / widest)));
    }
    for (int i = 0; i < count; ++i) {
        const HandoutTask& task = sheet.tasks[static_cast<std::size_t>(first + i)];
        const QPointF corner(page.left() + (i % kColumns) * columnWidth,
                             top + (i / kColumns) * rowHeight);
        painter.setPen(Qt::black);
        painter.setFont(headingFont);
        painter.drawText(QRectF(corner, QSizeF(room, kHeadingHeight * s)),
                         Qt::AlignLeft | Qt::AlignTop, headings[i]);
        Form1 form;
        prepare(form, task, answers);
        SheetPrinter().paintArea(painter, form, work, corner + QPointF(0, kHeadingHeight * s), s);
    }

    painter.setPen(Qt::black);
    painter.setFont(printFont(kFooterFontHeight, s));
    painter.drawText(
        QRectF(page.left(), page.bottom() - kFooterHeight * s, page.width(), kFooterHeight * s),
        Qt::AlignCenter, QStringLiteral("Seite %1 von %2").arg(index + 1).arg(pageCount(sheet)));
    painter.restore();
}

QByteArray HandoutPrinter::pdf(const HandoutSheet& sheet, QString* error) const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(handoutName(sheet));
        writer.setCreator(QStringLiteral("Schriftliche Zifferon"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer)) {
            setError(error, QStringLiteral("Das PDF-Dokument kann nicht angelegt werden."));
            return {};
        }
        for (int index = 0; index < pageCount(sheet); ++index) {
            if (index > 0) {
                writer.newPage();
            }
            paintPage(painter, QRectF(0, 0, writer.width(), writer.height()), sheet, index);
        }
        if (!painter.end()) {
            setError(error, QStringLiteral("Das PDF-Dokument kann nicht abgeschlossen werden."));
            return {};
        }
    }
    if (!isCompletePdf(buffer.data())) {
        setError(error, QStringLiteral("Das PDF-Dokument ist unvollst\u00E4ndig."));
        return {};
    }
    return buffer.data();
}

bool HandoutPrinter::print(const HandoutSheet& sheet, QPrinter& printer, QString* error) const {
    QPainter painter;
    if (!painter.begin(&printer)) {
        setError(error, QStringLiteral("Der Drucker kann nicht angesprochen werden."));
        return false;
    }
    for (int index = 0; index < pageCount(sheet); ++index) {
        if (index > 0 && !printer.newPage()) {
            setError(error, QStringLiteral("Der Drucker nimmt keine weitere Seite an."));
            return false;
        }
        paintPage(painter, QRectF(0, 0, printer.width(), printer.height()), sheet, index);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        setError(error, QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden."));
        return false;
    }
    return true;
}

} // namespace zifferon
