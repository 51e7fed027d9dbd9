// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SheetPrinter.h"

#include "sheet/Catalogue.h"

#include "platform/QtTaskFileServices.h"
#include "platform/RecentFolder.h"
#include "taskfile/TaskFileCommands.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>
#include <span>

namespace zifferon {

namespace {

// The page header in twips: the text line and the rule below it.
constexpr double kHeaderTextHeight = 360;
constexpr double kHeaderRuleY = 480;
// Font size (em height) in twips: the window's 8.25 point (the header's 240
// is its 12 point).
constexpr double kSheetFontHeight = 165;
constexpr double kFrameWidth = 12;
constexpr double kUnderlineWidth = 20;
constexpr double kLabelTextInset = 45;

QString qtText(const Text& text) {
    return QString::fromStdU32String(text);
}

// The controls of the upper edge (number boxes, buttons, digit limits) are
// for setting up a task; the page shows the work only: the grid, the row
// labels and counts, "Berechnung beendet", and the Überschlag and the Probe.
bool onPage(ControlId id) {
    return isCell(id.kind) || isCheckBox(id.kind) || id.kind == Kind::Info ||
           id.kind == Kind::Fehler || id.kind == Kind::Label4 ||
           (isLabel(id.kind) && id.kind >= Kind::Label6);
}

// The labels' text stands as in the window: a caption ends at its box,
// "Berechnung beendet" is centred, the others start after an inset.
Qt::Alignment labelAlignment(Kind kind) {
    if (kind == Kind::Label4) {
        return Qt::AlignCenter;
    }
    return (captionLeadsToBox(kind) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

// The Überschlag's digit count stands centred in its box, the numbers right
// aligned; a grid cell holds one centred character.
Qt::Alignment boxAlignment(Kind kind) {
    return isCheckBox(kind) && kind != Kind::Stellen ? Qt::AlignRight | Qt::AlignVCenter
                                                     : Qt::AlignCenter;
}

// The part of the window the page shows, in twips: every control on the page
// and every underline.
const QRectF& sheetArea() {
    static const QRectF area = [] {
        QRectF box;
        for (ControlId id : allControls()) {
            if (onPage(id)) {
                const Geometry g = geometry(id);
                box |= QRectF(g.left, g.top, g.width, g.height);
            }
        }
        for (const LineGeometry& line : lines()) {
            box |= QRectF(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2 + 1));
        }
        return box;
    }();
    return area;
}

// Device units per twip for a page.
double scaleFor(const QRectF& page) {
    const QRectF& area = sheetArea();
    const double width = area.right();
    const double height = kPageHeaderHeight + area.height();
    return std::min(page.width() / width, page.height() / height);
}

// The digits of an array of task cells, highest column first.
QString digitsOf(const Form1& form, Kind kind) {
    QString digits;
    for (int c = arraySize(kind) - 1; c >= 0; --c) {
        digits += qtText(form.text({kind, c}));
    }
    return digits.trimmed();
}

} // namespace

void setErrorText(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

QString documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QFont printFont(double heightTwips, double scale) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({"MS Sans Serif", "DejaVu Sans", "Liberation Sans", "Sans Serif"});
    font.setPixelSize(std::max(1, static_cast<int>(heightTwips * scale + 0.5)));
    font.setBold(true);
    return font;
}

void paintPageHeader(QPainter& painter, QPointF topLeft, double width, double scale,
                     const QString& left, const QString& right) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(printFont(kPageHeaderFontHeight, scale));
    const QRectF line(topLeft, QSizeF(width, kHeaderTextHeight * scale));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, left);
    if (!right.isEmpty()) {
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, right);
    }
    painter.setPen(QPen(Qt::black, kFrameWidth * scale));
    const double ruleY = topLeft.y() + kHeaderRuleY * scale;
    painter.drawLine(QPointF(topLeft.x(), ruleY), QPointF(topLeft.x() + width, ruleY));
    painter.restore();
}

QByteArray pdfInMemory(const QString& title, QPageLayout::Orientation orientation,
                       const std::function<bool(QPagedPaintDevice&, QString*)>& paint,
                       QString* error) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(qtText(shownWords(texts::Caption)));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        if (!paint(writer, error)) {
            return {};
        }
    }
    if (!isCompletePdf(buffer.data())) {
        setErrorText(error, QCoreApplication::translate("SheetPrinter",
                                                        "Das PDF-Dokument ist unvollständig."));
        return {};
    }
    return buffer.data();
}

bool isCompletePdf(const QByteArray& bytes) {
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

QString sheetDocumentName(const Form1& form) {
    const QString dividend = digitsOf(form, Kind::Dividend);
    const QString divisor = digitsOf(form, Kind::Divisor);
    if (dividend.isEmpty() && divisor.isEmpty()) {
        return QCoreApplication::translate("SheetPrinter", "Aufgabe");
    }
    return QCoreApplication::translate("SheetPrinter", "Aufgabe %1 durch %2")
        .arg(dividend, divisor);
}

QString taskHeading(const Form1& form) {
    const QString dividend = digitsOf(form, Kind::Dividend);
    const QString divisor = digitsOf(form, Kind::Divisor);
    if (dividend.isEmpty() && divisor.isEmpty()) {
        return QCoreApplication::translate("SheetPrinter", "Aufgabe: –");
    }
    return QCoreApplication::translate("SheetPrinter", "Aufgabe: %1 : %2").arg(dividend, divisor);
}

QString pdfSavePath(const QString& chosen) {
    return chosen.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
               ? chosen
               : chosen + QStringLiteral(".pdf");
}

QRectF SheetPrinter::placeOnPage(const QRectF& page, const Geometry& g) {
    const QRectF& area = sheetArea();
    const double s = scaleFor(page);
    return {page.left() + (g.left - area.left()) * s,
            page.top() + (kPageHeaderHeight + g.top - area.top()) * s, g.width * s, g.height * s};
}

void SheetPrinter::paint(QPainter& painter, const QRectF& page, const Form1& form,
                         QDate date) const {
    const QRectF& area = sheetArea();
    const double s = scaleFor(page);
    // Header: the task on the left, the date on the right.
    paintPageHeader(painter, page.topLeft(), area.right() * s, s, taskHeading(form),
                    date.toString(QStringLiteral("dd.MM.yyyy")));

    paintArea(painter, form, area, page.topLeft() + QPointF(0, kPageHeaderHeight * s), s);
}

QRectF SheetPrinter::workArea() {
    QRectF box;
    for (ControlId id : allControls()) {
        if (isCell(id.kind)) {
            const Geometry g = geometry(id);
            box |= QRectF(g.left, g.top, g.width, g.height);
        }
    }
    for (const LineGeometry& line : lines()) {
        if (line.visible) {
            box |= QRectF(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2 + 1));
        }
    }
    return box;
}

void SheetPrinter::paintArea(QPainter& painter, const Form1& form, const QRectF& area,
                             QPointF origin, double s) const {
    const auto place = [&](const Geometry& g) {
        return QRectF(origin.x() + (g.left - area.left()) * s,
                      origin.y() + (g.top - area.top()) * s, g.width * s, g.height * s);
    };
    const auto inArea = [&](const Geometry& g) {
        return area.intersects(QRectF(g.left, g.top, g.width, g.height));
    };
    painter.save();
    painter.setFont(printFont(kSheetFontHeight, s));

    // Row labels, error counts and "Berechnung beendet": only those shown.
    for (ControlId id : allControls()) {
        if (!(isLabel(id.kind) && onPage(id)) || !form.visible(id) || !inArea(geometry(id))) {
            continue;
        }
        const QRectF box = place(geometry(id));
        if (const auto bg = form.background(id)) {
            painter.fillRect(box, QColor(bg->r, bg->g, bg->b));
        }
        painter.setPen(Qt::black);
        const Qt::Alignment align = labelAlignment(id.kind);
        const QRectF textBox = id.kind == Kind::Label4 ? box
                               : align & Qt::AlignRight
                                   ? box.adjusted(0, 0, -kLabelTextInset * s, 0)
                                   : box.adjusted(kLabelTextInset * s, 0, 0, 0);
        painter.drawText(textBox, align, qtText(shownWords(form.caption(id))));
    }

    // The cells, and the boxes of the Überschlag and the Probe while shown: a
    // thin grey frame each, what is written in it.
    const QPen framePen(QColor(150, 150, 150), kFrameWidth * s);
    for (ControlId id : allControls()) {
        if (!(isCell(id.kind) || (isCheckBox(id.kind) && form.visible(id))) ||
            !inArea(geometry(id))) {
            continue;
        }
        const QRectF box = place(geometry(id));
        painter.setPen(framePen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        const Text& text = form.text(id);
        if (!text.empty()) {
            painter.setPen(Qt::black);
            const QRectF textBox = isCheckBox(id.kind) && id.kind != Kind::Stellen
                                       ? box.adjusted(0, 0, -kLabelTextInset * s, 0)
                                       : box;
            painter.drawText(textBox, boxAlignment(id.kind), qtText(text));
        }
    }

    // The underlines below the product rows.
    painter.setPen(QPen(Qt::black, kUnderlineWidth * s));
    for (const LineGeometry& line : lines()) {
        if (line.visible) {
            painter.drawLine(place({line.x1, line.y1, 0, 0}).topLeft(),
                             place({line.x2, line.y2, 0, 0}).topLeft());
        }
    }
    painter.restore();
}

bool SheetPrinter::exportPdf(const Form1& form, const QString& path, QString* error,
                             QDate date) const {
    // The document is made in memory first, so that a failure while drawing
    // never leaves a half-written file behind.
    const QByteArray pdf = pdfInMemory(
        taskHeading(form), QPageLayout::Portrait,
        [&](QPagedPaintDevice& writer, QString* why) { return print(form, writer, why, date); },
        error);
    return !pdf.isEmpty() && writePdfFile(pdf, path, error);
}

bool writePdfFile(const QByteArray& pdf, const QString& path, QString* error) {
    if (!isCompletePdf(pdf)) {
        setErrorText(error, QCoreApplication::translate("SheetPrinter",
                                                        "Das PDF-Dokument ist unvollständig."));
        return false;
    }
    QtTaskFileStorage storage;
    if (const Problem failure = storage.writeAtomically(
            path.toStdString(), std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                          static_cast<std::size_t>(pdf.size())))) {
        setErrorText(error, QString::fromStdString(failureText(*failure)));
        return false;
    }
    // What is on disk now must be the whole document.
    if (QFileInfo(path).size() != pdf.size()) {
        setErrorText(error, QCoreApplication::translate(
                                "SheetPrinter", "Die Datei wurde nicht vollständig geschrieben."));
        return false;
    }
    return true;
}

bool SheetPrinter::print(const Form1& form, QPagedPaintDevice& device, QString* error,
                         QDate date) const {
    return paintOn(device, error, [&](QPainter& painter) {
        paint(painter, QRectF(0, 0, device.width(), device.height()), form, date);
        return true;
    });
}

bool paintOn(QPagedPaintDevice& device, QString* error,
             const std::function<bool(QPainter&)>& draw) {
    auto* printer = dynamic_cast<QPrinter*>(&device);
    QPainter painter;
    if (!painter.begin(&device)) {
        setErrorText(error,
                     printer ? QCoreApplication::translate(
                                   "SheetPrinter", "Der Drucker kann nicht angesprochen werden.")
                             : QCoreApplication::translate(
                                   "SheetPrinter", "Das PDF-Dokument kann nicht angelegt werden."));
        return false;
    }
    if (!draw(painter)) {
        return false;
    }
    if (!painter.end() || (printer && printer->printerState() == QPrinter::Error)) {
        setErrorText(
            error, printer
                       ? QCoreApplication::translate(
                             "SheetPrinter", "Der Druckauftrag konnte nicht abgeschlossen werden.")
                       : QCoreApplication::translate(
                             "SheetPrinter", "Das PDF-Dokument kann nicht abgeschlossen werden."));
        return false;
    }
    return true;
}

QString QtPdfSaveDialog::askPdfPath(const QString& suggestedPath) {
    const QString path = QFileDialog::getSaveFileName(
        parent_, QCoreApplication::translate("SheetPrinter", "Als PDF exportieren"), suggestedPath,
        QCoreApplication::translate("SheetPrinter", "PDF-Dokumente (*.pdf)"));
    rememberFolderOf(path);
    return path;
}

bool exportSheetAsPdf(const Form1& form, PdfSaveDialog& dialog, MessageSink& messages, QDate date) {
    const QString chosen =
        dialog.askPdfPath(inRecentFolder(sheetDocumentName(form) + ".pdf", documentsFolder()));
    if (chosen.isEmpty()) {
        return false;
    }
    const QString path = pdfSavePath(chosen);
    QString reason;
    if (SheetPrinter().exportPdf(form, path, &reason, date)) {
        return true;
    }
    const QString text = QCoreApplication::translate(
                             "SheetPrinter", "Das Blatt kann nicht als „%1“ exportiert werden.\n%2")
                             .arg(QDir::toNativeSeparators(path), reason);
    messages.showError(printingText(kPdfExportFailedTitle).toStdString(), text.toStdString());
    return false;
}

} // namespace zifferon
