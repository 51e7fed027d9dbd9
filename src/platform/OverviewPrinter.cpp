// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/OverviewPrinter.h"

#include "platform/MistakeChart.h"
#include "platform/SheetPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <array>
#include <numeric>

namespace zifferon {

namespace {

using Line = std::array<QString, kColumns>;

Line lineOf(const OverviewRow& row) {
    Line line;
    for (int c = 0; c < kColumns; ++c) {
        line[static_cast<std::size_t>(c)] =
            QString::fromStdString(cellText(row, static_cast<Column>(c)));
    }
    return line;
}

// Shrinks the widest columns to a common width until all fit into `room`.
void fitWidths(std::array<double, kColumns>& widths, double room) {
    std::array<double, kColumns> sorted = widths;
    std::sort(sorted.begin(), sorted.end());
    double cap = sorted.back();
    double narrower = 0; // the sum of the columns below the cap
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const double wider = static_cast<double>(sorted.size() - i);
        const double fair = (room - narrower) / wider;
        if (fair <= sorted[i]) {
            cap = fair;
            break;
        }
        narrower += sorted[i];
    }
    for (double& w : widths) {
        w = std::min(w, cap);
    }
}

class PageWriter {
  public:
    PageWriter(QPainter& painter, QPagedPaintDevice& device, const QString& title, QDate date)
        : painter_(painter), device_(device), title_(title), date_(date),
          page_(0, 0, device.width(), device.height()) {
        normal_ = QFont(QStringLiteral("Sans Serif"));
        normal_.setStyleHint(QFont::SansSerif);
        normal_.setPointSizeF(8);
        bold_ = normal_;
        bold_.setBold(true);
        lineHeight_ = QFontMetricsF(normal_, &device).height() * 1.5;
        startPage();
    }

    double lineHeight() const { return lineHeight_; }
    double y() const { return y_; }
    void skip(double height) { y_ += height; }
    const QRectF& page() const { return page_; }
    const QFont& normal() const { return normal_; }
    const QFont& bold() const { return bold_; }

    // Starts a new page when `height` does not fit on this one; true then.
    bool ensureRoom(double height) {
        if (y_ + height <= page_.bottom()) {
            return false;
        }
        if (!device_.newPage()) {
            refused_ = true;
        }
        startPage();
        return true;
    }

    // Whether the device refused a new page (the rest was drawn over the last).
    bool refused() const { return refused_; }

  private:
    void startPage() {
        painter_.setPen(Qt::black);
        painter_.setFont(bold_);
        const QRectF header(page_.left(), page_.top(), page_.width(), lineHeight_);
        painter_.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, title_);
        painter_.setFont(normal_);
        painter_.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                          date_.toString(QStringLiteral("dd.MM.yyyy")));
        painter_.drawLine(QPointF(page_.left(), header.bottom()),
                          QPointF(page_.right(), header.bottom()));
        y_ = header.bottom() + lineHeight_ * 0.5;
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    QString title_;
    QDate date_;
    QRectF page_;
    QFont normal_;
    QFont bold_;
    double lineHeight_ = 0;
    double y_ = 0;
    bool refused_ = false;
};

// The table's texts: the column titles, one line per pupil, the summary.
struct TableTexts {
    Line titles;
    Line summary;
    std::vector<Line> body;
};

TableTexts tableTexts(const std::vector<OverviewRow>& rows) {
    TableTexts texts;
    const auto summaryTexts = summaryLine(rows);
    for (int c = 0; c < kColumns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        texts.titles[i] = QString::fromStdString(std::string(columnTitle(static_cast<Column>(c))));
        // One count per line: "1 beendet,\n2 in Arbeit"; "bei 3\nvon 5 Kindern".
        texts.summary[i] =
            QString::fromStdString(summaryTexts[i]).replace(", ", ",\n").replace(" von ", "\nvon ");
    }
    for (const OverviewRow& row : rows) {
        texts.body.push_back(lineOf(row));
    }
    return texts;
}

// The width a title needs at least: its longest word, the title wrapped
// at its spaces.
double titleWidth(const QString& title, const QFontMetricsF& metrics) {
    double widest = 0;
    for (const QString& word : title.split(' ')) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}

// Column widths from the widest text of each column; when the table is
// wider than the page, the widest columns give way first, down to a
// common width (their cells wrap there, a file name is cut in its middle).
std::array<double, kColumns> columnWidths(const TableTexts& texts, const QFontMetricsF& metrics,
                                          double pad, double room) {
    std::array<double, kColumns> widths{};
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = titleWidth(texts.titles[c], metrics);
        for (const QString& part : texts.summary[c].split('\n')) {
            widths[c] = std::max(widths[c], metrics.horizontalAdvance(part));
        }
        for (const Line& l : texts.body) {
            widths[c] = std::max(widths[c], metrics.horizontalAdvance(l[c]));
        }
        widths[c] += pad;
    }
    fitWidths(widths, room);
    return widths;
}

// Draws the table's lines one below the other in the columns' widths.
class TableWriter {
  public:
    TableWriter(QPainter& painter, QPagedPaintDevice& device, PageWriter& pages,
                const std::array<double, kColumns>& widths, double pad)
        : painter_(painter), device_(device), pages_(pages), widths_(widths), pad_(pad) {}

    // The height a line needs with its cells wrapped in `font`.
    double wrappedHeight(const Line& texts, const QFont& font, bool fileLine) const {
        const double line = pages_.lineHeight();
        const QFontMetricsF metrics(font, &device_);
        painter_.setFont(font);
        double height = line;
        for (std::size_t c = 0; c < widths_.size(); ++c) {
            const QRectF room(0, 0, widths_[c] - pad_, 100 * line);
            const QString text = shown(texts, c, metrics, fileLine);
            const double textHeight = painter_.boundingRect(room, Qt::TextWordWrap, text).height();
            height = std::max(height, textHeight + line - metrics.height());
        }
        return height;
    }

    // Draws a line, starting a page first when it does not fit (with the
    // titles again for a line of a file); true then.
    bool drawLine(const Line& texts, const QFont& font, const Line* titles) {
        const bool fileLine = titles != nullptr;
        const double height = wrappedHeight(texts, font, fileLine);
        const bool newPage = pages_.ensureRoom(height);
        if (newPage && titles) {
            drawTitles(*titles);
        }
        painter_.setFont(font);
        const QFontMetricsF metrics(font, &device_);
        double x = pages_.page().left();
        for (std::size_t c = 0; c < widths_.size(); ++c) {
            const QRectF cell(x, pages_.y(), widths_[c] - pad_, height);
            const bool counting = static_cast<Column>(c) >= Column::Fehlversuche &&
                                  static_cast<Column>(c) <= Column::Tipps;
            const int align = (counting ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            painter_.drawText(cell, align | Qt::TextWordWrap, shown(texts, c, metrics, fileLine));
            x += widths_[c];
        }
        pages_.skip(height);
        return newPage;
    }

    void drawTitles(const Line& titles) {
        drawLine(titles, pages_.bold(), nullptr);
        rule();
    }

    void rule() {
        const QRectF& page = pages_.page();
        painter_.drawLine(QPointF(page.left(), pages_.y()), QPointF(page.right(), pages_.y()));
    }

  private:
    // A cell's text as it fits its column: wrapped at its spaces, a word
    // too wide for the column shortened in its middle; a file's name, which
    // seldom has spaces to wrap at, kept on one line and shortened.
    QString shown(const Line& texts, std::size_t c, const QFontMetricsF& metrics,
                  bool fileLine) const {
        const double width = widths_[c] - pad_;
        if (fileLine && static_cast<Column>(c) == Column::Datei) {
            return metrics.elidedText(texts[c], Qt::ElideMiddle, width);
        }
        QStringList lines = texts[c].split('\n');
        for (QString& line : lines) {
            QStringList words = line.split(' ');
            for (QString& word : words) {
                word = metrics.elidedText(word, Qt::ElideMiddle, width);
            }
            line = words.join(' ');
        }
        return lines.join('\n');
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    PageWriter& pages_;
    std::array<double, kColumns> widths_;
    double pad_;
};

} // namespace

QString OverviewPrinter::title() const {
    return QCoreApplication::translate("OverviewPrinter", "Klassenübersicht: %1")
        .arg(QDir::toNativeSeparators(folder_));
}

bool OverviewPrinter::paint(QPagedPaintDevice& device, QString* error) const {
    QPainter painter;
    if (!painter.begin(&device)) {
        setErrorText(error, QCoreApplication::translate(
                                "OverviewPrinter", "Das Dokument kann nicht angelegt werden."));
        return false;
    }
    PageWriter pages(painter, device, title(), date_);
    const double line = pages.lineHeight();
    const QRectF& page = pages.page();

    // The chart, on the first page only.
    painter.setFont(pages.normal());
    MistakeChart::paint(painter, QRectF(page.left(), pages.y(), page.width() * 0.6, 6 * line),
                        classTally(rows_));
    pages.skip(6.5 * line);

    const TableTexts texts = tableTexts(rows_);
    const double pad = line * 0.3;
    TableWriter table(painter, device, pages,
                      columnWidths(texts, QFontMetricsF(pages.bold(), &device), pad, page.width()),
                      pad);
    table.drawTitles(texts.titles);
    for (const Line& l : texts.body) {
        table.drawLine(l, pages.normal(), &texts.titles);
    }
    // The rule above the summary on the page the summary stands on.
    pages.ensureRoom(table.wrappedHeight(texts.summary, pages.bold(), false));
    table.rule();
    table.drawLine(texts.summary, pages.bold(), nullptr);

    if (pages.refused()) {
        setErrorText(error, printingText(kPageRefused));
        return false;
    }
    if (!painter.end()) {
        setErrorText(error,
                     QCoreApplication::translate("OverviewPrinter",
                                                 "Das Dokument kann nicht abgeschlossen werden."));
        return false;
    }
    return true;
}

bool OverviewPrinter::exportPdf(const QString& path, QString* error) const {
    // Made in memory first: a failure while drawing leaves no half file.
    const QByteArray pdf = pdfInMemory(
        title(), QPageLayout::Landscape,
        [this](QPagedPaintDevice& writer, QString* why) { return paint(writer, why); }, error);
    return !pdf.isEmpty() && writePdfFile(pdf, path, error);
}

bool OverviewPrinter::print(QPrinter& printer, QString* error) const {
    if (!paint(printer, error)) {
        return false;
    }
    if (printer.printerState() == QPrinter::Error) {
        setErrorText(error,
                     QCoreApplication::translate(
                         "OverviewPrinter", "Der Druckauftrag konnte nicht abgeschlossen werden."));
        return false;
    }
    return true;
}

} // namespace zifferon
