// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worksheet on paper: printing and PDF export.
//
// The page is drawn from the model, not from the widgets: every written cell
// in its framed box, the underlines, the visible row labels with their
// colours, the error counts and "Berechnung beendet", and the Überschlag and
// the Probe as far as they are shown, under a header with the task and the
// date. Everything is drawn as text and lines, so a PDF stays
// sharp at any size and its text can be searched and read aloud.

#include "sheet/Form1.h"
#include "sheet/Layout.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace zifferon {

class MessageSink;

class SheetPrinter {
  public:
    // Draws the sheet into `page` (device coordinates), as large as fits
    // while keeping its proportions, anchored at the page's top-left corner.
    void paint(QPainter& painter, const QRectF& page, const Form1& form, QDate date) const;

    // Where a control of the sheet lands when painted into `page`.
    static QRectF placeOnPage(const QRectF& page, const Geometry& g);

    // Draws the part `area` of the sheet (twips) with its top-left corner at
    // `origin`, `scale` device units per twip: the cells, the shown labels
    // and the underlines that lie in it.
    void paintArea(QPainter& painter, const Form1& form, const QRectF& area, QPointF origin,
                   double scale) const;

    // The part of the sheet that holds the task and the work: the cells of
    // the top line and of the work rows, and the underlines (no row labels).
    static QRectF workArea();

    // Writes the sheet as a one-page A4 PDF. The file is replaced in one step
    // and only by a complete document; on failure it is left as it was and
    // `error` (if given) says why, in German.
    bool exportPdf(const Form1& form, const QString& path, QString* error,
                   QDate date = QDate::currentDate()) const;

    // Prints the sheet on one page of a printer (or PDF writer) set up by
    // the caller.
    bool print(const Form1& form, QPagedPaintDevice& device, QString* error,
               QDate date = QDate::currentDate()) const;
};

// The pages' bold font, `heightTwips` high at `scale` device units per twip.
QFont printFont(double heightTwips, double scale);

// The header band of a printed page, in twips: its height up to the content
// below it, and the height of its font.
inline constexpr double kPageHeaderHeight = 720;
inline constexpr double kPageHeaderFontHeight = 240;

// Draws the header band `width` device units wide at `topLeft`: `left` and
// `right` (either may be empty) on one line, a rule below them.
void paintPageHeader(QPainter& painter, QPointF topLeft, double width, double scale,
                     const QString& left, const QString& right);

// An A4 PDF with 15 mm margins made in memory: `paint` draws the pages onto
// the writer. Empty when `paint` fails (it says why in `error`) or the
// document is not complete.
QByteArray pdfInMemory(const QString& title, QPageLayout::Orientation orientation,
                       const std::function<bool(QPagedPaintDevice&, QString*)>& paint,
                       QString* error);

// Begins a painter on `device` (a printer or a PDF writer), lets `draw` paint
// and ends it. False when the device fails, with `error` (if given) saying
// why in German, or when `draw` returns false (having said why).
bool paintOn(QPagedPaintDevice& device, QString* error, const std::function<bool(QPainter&)>& draw);

// Stores `text` in `error` unless `error` is null.
void setErrorText(QString* error, const QString& text);

// The user's documents folder, where the save dialogs start; the home folder
// when there is none.
QString documentsFolder();

// The printing texts, marked for translation and translated where shown.
inline QString printingText(const char* source) {
    return QCoreApplication::translate("SheetPrinter", source);
}

inline constexpr const char* kPageRefused =
    QT_TRANSLATE_NOOP("SheetPrinter", "Der Drucker nimmt keine weitere Seite an.");

// Whether `bytes` is a whole PDF document: version line to end marker.
bool isCompletePdf(const QByteArray& bytes);

// Writes a PDF document made in memory to `path`: only a complete document,
// in one step, so that a failure leaves an existing file as it was; `error`
// (if given) says why it failed, in German.
bool writePdfFile(const QByteArray& pdf, const QString& path, QString* error);

// The header's task, "Aufgabe: 9434 : 13", read from the task cells of the grid.
QString taskHeading(const Form1& form);

// The sheet's name for files and print jobs, "Aufgabe 9434 durch 13" (no
// characters that file names cannot take).
QString sheetDocumentName(const Form1& form);

// The name the PDF is written under: ".pdf" is appended unless the name
// already ends in it (any case).
QString pdfSavePath(const QString& chosen);

// The save dialog of the PDF export, replaceable for tests.
class PdfSaveDialog {
  public:
    virtual ~PdfSaveDialog() = default;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString askPdfPath(const QString& suggestedPath) = 0;
};

class QtPdfSaveDialog final : public PdfSaveDialog {
  public:
    explicit QtPdfSaveDialog(QWidget* parent) : parent_(parent) {}
    QString askPdfPath(const QString& suggestedPath) override;

  private:
    QWidget* parent_;
};

inline constexpr const char* kPdfExportFailedTitle =
    QT_TRANSLATE_NOOP("SheetPrinter", "PDF-Export fehlgeschlagen");
inline constexpr const char* kPrintFailedTitle =
    QT_TRANSLATE_NOOP("SheetPrinter", "Drucken fehlgeschlagen");

// "Als PDF exportieren ...": asks for a file name, starting in the documents
// folder, and writes the sheet there. Cancelling does nothing; a failed
// export is reported through `messages`. Returns whether a file was written.
bool exportSheetAsPdf(const Form1& form, PdfSaveDialog& dialog, MessageSink& messages,
                      QDate date = QDate::currentDate());

} // namespace zifferon
