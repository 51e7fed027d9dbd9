// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A worksheet on paper: the task pages, then the answer pages if asked for.
//
// Four tasks stand on a page, two beside each other in two rows; each shows
// its heading and the sheet as the window shows it, the top line and the ten
// work rows with their underlines (the row labels left out), drawn with the
// sheet's own printing. On A4 the cells stand 4.5 mm apart (4.8 mm wide,
// 5.4 mm high), near the squares of an exercise book. An answer page shows the tasks of the task
// page with the same number in the same places, fully worked, under the line
// "9434 : 13 = 725 Rest 9", with their Überschlag and Probe below the work.
// A sheet that asks for the Überschlag or the Probe leaves lines to write
// them below each task.

#include "handout/HandoutTasks.h"

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace zifferon {

struct HandoutSheet {
    std::vector<HandoutTask> tasks;
    std::uint32_t seed = 0; // the sheet's number, printed on every page
    bool answers = false;
    TaskKind kind = TaskKind::Gemischt; // named on every page unless "gemischt"
    Form1::CheckDemands demands = {};   // lines for them below each task
};

inline constexpr int kHandoutTasksPerPage = 4;

class HandoutPrinter {
  public:
    static int taskPages(const HandoutSheet& sheet);
    static int pageCount(const HandoutSheet& sheet);

    // Draws page `index` (0 = the first task page) into `page` (device
    // coordinates, the printable area).
    void paintPage(QPainter& painter, const QRectF& page, const HandoutSheet& sheet,
                   int index) const;

    // Draws every page onto a device set up by the caller; false, with
    // `error` (if given) saying why in German, when the device refuses.
    bool paint(QPagedPaintDevice& device, const HandoutSheet& sheet, QString* error) const;

    // The whole worksheet as an A4 PDF, made in memory; empty on failure,
    // with `error` (if given) saying why in German.
    QByteArray pdf(const HandoutSheet& sheet, QString* error) const;

    // Prints every page on a printer set up by the caller.
    bool print(const HandoutSheet& sheet, QPrinter& printer, QString* error) const;
};

// "Arbeitsblatt 4711", the document's name; with its kind of task unless
// that is "gemischt": "Arbeitsblatt 4711 (Null im Ergebnis)", since the same
// number gives other tasks for another kind.
QString handoutName(const HandoutSheet& sheet);

} // namespace zifferon
