// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HandoutPrinter.h"

#include "platform/SheetPrinter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace zifferon {

namespace {

// The page in twips, before it is scaled to fit: the page header band, two
// rows of two task blocks, a footer band. A block is a heading (in the
// header's font) over the work area.
constexpr double kFooterHeight = 360;
constexpr double kHeadingHeight = 420;
constexpr double kColumnGap = 900;
constexpr double kRowGap = 600;
constexpr double kFooterFontHeight = 180;
// A line of the Überschlag or the Probe below the work, high enough to
// write into.
constexpr double kCheckLineHeight = 480;
constexpr int kMostCheckLines = 3;
constexpr int kColumns = 2;
constexpr int kRows = kHandoutTasksPerPage / kColumns;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Device units per twip: the two columns fill the width unless the rows
// would not fit the height, the lines of the Überschlag and the Probe
// included.
double scaleFor(const QRectF& page) {
    const QRectF work = SheetPrinter::workArea();
    const double width = kColumns * work.width() + (kColumns - 1) * kColumnGap;
    const double block = kHeadingHeight + work.height() + kMostCheckLines * kCheckLineHeight;
    const double height = kPageHeaderHeight + kRows * block + (kRows - 1) * kRowGap + kFooterHeight;
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

// The page's title: the sheet's name, with what the page holds.
QString pageTitle(const HandoutSheet& sheet, bool answers) {
    return answers ? QCoreApplication::translate("HandoutPrinter", "Lösungen zum %1")
                         .arg(handoutName(sheet))
           : sheet.kind != TaskKind::Gemischt
               // The kind takes the place of the subject: both leave
               // no room for the name.
               ? handoutName(sheet)
               : handoutName(sheet) +
                     QCoreApplication::translate("HandoutPrinter", ": Schriftlich dividieren");
}

// The headings of the page's `count` tasks from `first` on: each task, or
// its answer line on an answer page.
QStringList taskHeadings(const HandoutSheet& sheet, int first, int count, bool answers) {
    QStringList headings;
    for (int i = 0; i < count; ++i) {
        const HandoutTask& task = sheet.tasks[static_cast<std::size_t>(first + i)];
        headings << QCoreApplication::translate("HandoutPrinter", "Aufgabe %1:  %2")
                        .arg(first + i + 1)
                        .arg(qt(answers ? solutionLine(task) : taskLine(task)));
    }
    return headings;
}

// The lines below a task: on an answer page its Überschlag and Probe, on a
// task page the blanks of those the sheet asks for. The Probe's second line
// stands under the first one's numbers.
struct CheckLines {
    QStringList lines;
    int indented = -1; // the line that starts under the first one's numbers
};

CheckLines checkLinesOf(const HandoutSheet& sheet, const HandoutTask& task, bool answers) {
    CheckLines c;
    if (answers) {
        const std::array<std::string, 2> probe = probeLines(task);
        c.lines << qt(estimateLine(task)) << qt(probe[0]) << qt(probe[1]);
        c.indented = 2;
        return c;
    }
    if (sheet.demands.ueberschlag) {
        c.lines << QCoreApplication::translate("HandoutPrinter",
                                               "Überschlag: ___ Stellen, etwa ______");
    }
    if (sheet.demands.probe) {
        c.lines << QCoreApplication::translate("HandoutPrinter", "Probe: ______ · ______ = ______")
                << QCoreApplication::translate("HandoutPrinter", "______ + ______ = ______");
        c.indented = static_cast<int>(c.lines.size()) - 1;
    }
    return c;
}

void paintCheckLines(QPainter& painter, const CheckLines& c, const QFont& font, QPointF corner,
                     double width, double s) {
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    for (int i = 0; i < c.lines.size(); ++i) {
        double indent = 0;
        if (i == c.indented && i > 0) {
            const QString& above = c.lines[i - 1];
            indent = metrics.horizontalAdvance(above.left(above.indexOf(QLatin1Char(':')) + 2));
        }
        painter.drawText(QRectF(corner + QPointF(indent, i * kCheckLineHeight * s),
                                QSizeF(width - indent, kCheckLineHeight * s)),
                         Qt::AlignLeft | Qt::AlignBottom, c.lines[i]);
    }
}

// Long answer lines make the page's headings smaller rather than lose their end.
QFont headingFontFor(const QStringList& headings, double s, double room, QPaintDevice* device) {
    QFont headingFont = printFont(kPageHeaderFontHeight, s);
    double widest = 0;
    for (const QString& heading : headings) {
        widest = std::max(widest, QFontMetricsF(headingFont, device).horizontalAdvance(heading));
    }
    if (widest > room) {
        headingFont.setPixelSize(
            std::max(1, static_cast<int>(headingFont.pixelSize() * room / widest)));
    }
    return headingFont;
}

} // namespace

QString handoutName(const HandoutSheet& sheet) {
    const QString name =
        QCoreApplication::translate("HandoutPrinter", "Arbeitsblatt %1").arg(sheet.seed);
    if (sheet.kind == TaskKind::Gemischt) {
        return name;
    }
    return name + QStringLiteral(" (%1)").arg(QString::fromUtf8(taskKindName(sheet.kind)));
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

    // Header: what the page is and the sheet's number (so the same sheet can
    // be made again); the pupil's name on the task pages.
    paintPageHeader(
        painter, page.topLeft(), page.width(), s, pageTitle(sheet, answers),
        answers ? QString()
                : QCoreApplication::translate("HandoutPrinter", "Name: ____________________"));
    painter.save();

    // The blocks: the rows share the height between header and footer, each
    // block at the top of its share, so the room below is room to write.
    const double top = page.top() + kPageHeaderHeight * s;
    const double rowHeight = (page.height() - (kPageHeaderHeight + kFooterHeight) * s) / kRows;
    const double columnWidth = (work.width() + kColumnGap) * s;
    const int count = std::min<int>(kHandoutTasksPerPage, int(sheet.tasks.size()) - first);
    const QStringList headings = taskHeadings(sheet, first, count, answers);
    const double room = work.width() * s;
    // The lines below the tasks in the headings' font, all of it as small
    // as the widest line needs.
    std::vector<CheckLines> checkLines;
    QStringList allLines = headings;
    for (int i = 0; i < count; ++i) {
        checkLines.push_back(
            checkLinesOf(sheet, sheet.tasks[static_cast<std::size_t>(first + i)], answers));
        allLines << checkLines.back().lines;
    }
    const QFont headingFont = headingFontFor(allLines, s, room, painter.device());
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
        paintCheckLines(painter, checkLines[static_cast<std::size_t>(i)], headingFont,
                        corner + QPointF(0, (kHeadingHeight + work.height()) * s), room, s);
    }

    painter.setPen(Qt::black);
    painter.setFont(printFont(kFooterFontHeight, s));
    painter.drawText(
        QRectF(page.left(), page.bottom() - kFooterHeight * s, page.width(), kFooterHeight * s),
        Qt::AlignCenter,
        QCoreApplication::translate("HandoutPrinter", "Seite %1 von %2")
            .arg(index + 1)
            .arg(pageCount(sheet)));
    painter.restore();
}

bool HandoutPrinter::paint(QPagedPaintDevice& device, const HandoutSheet& sheet,
                           QString* error) const {
    return paintOn(device, error, [&](QPainter& painter) {
        for (int index = 0; index < pageCount(sheet); ++index) {
            if (index > 0 && !device.newPage()) {
                setErrorText(error, printingText(kPageRefused));
                return false;
            }
            paintPage(painter, QRectF(0, 0, device.width(), device.height()), sheet, index);
        }
        return true;
    });
}

QByteArray HandoutPrinter::pdf(const HandoutSheet& sheet, QString* error) const {
    return pdfInMemory(
        handoutName(sheet), QPageLayout::Portrait,
        [&](QPagedPaintDevice& writer, QString* why) { return paint(writer, sheet, why); }, error);
}

bool HandoutPrinter::print(const HandoutSheet& sheet, QPrinter& printer, QString* error) const {
    return paint(printer, sheet, error);
}

} // namespace zifferon
