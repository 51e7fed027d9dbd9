// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HandoutOutput.h"

#include "handout/HandoutFiles.h"
#include "platform/SheetPrinter.h"
#include "task/FixedSeedRandom.h"

#include <QFile>

#include <cstdio>

namespace zifferon {

std::string fileSystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString taskFolderProblem(const QString& folder) {
    return QString::fromStdString(problemText(zifferon::taskFolderProblem(fileSystemPath(folder))));
}

QString taskFilesProblem(const HandoutSheet& sheet, const QString& folder) {
    return QString::fromStdString(
        problemText(zifferon::taskFilesProblem(sheet.tasks, fileSystemPath(folder))));
}

bool writeTaskFiles(const HandoutSheet& sheet, const std::string& folder, QString* error) {
    return writeHandout(sheet, {}, folder, error);
}

bool writeHandout(const HandoutSheet& sheet, const std::string& pdfPath,
                  const std::string& taskFolder, QString* error) {
    const Problem problem = pdfPath.empty()
                                ? taskFilesProblem(sheet.tasks, taskFolder)
                                : handoutTargetsProblem(sheet.tasks, pdfPath, taskFolder);
    if (problem) {
        setErrorText(error, QString::fromStdString(failureText(*problem)));
        return false;
    }
    QByteArray pdf;
    if (!pdfPath.empty()) {
        pdf = HandoutPrinter().pdf(sheet, error);
        if (pdf.isEmpty()) {
            return false;
        }
    }
    const Problem failure =
        writeHandoutFiles(sheet.tasks, sheet.demands, taskFolder, pdfPath,
                          std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                    static_cast<std::size_t>(pdf.size())));
    if (failure) {
        setErrorText(error, QString::fromStdString(failureText(*failure)));
    }
    return !failure;
}

int runHandoutCommand(const HandoutRequest& request) {
    // Paths from the command line are bytes and stay bytes.
    const std::string& pdfPath = request.pdf;
    const std::string& taskFolder = request.taskFolder;
    HandoutSettings settings = request.settings;
    if (!request.seedGiven) {
        settings.seed = seedFromClock(kHandoutMaxSeed);
    }
    HandoutDraw draw = drawHandout(settings);
    if (draw.problem) {
        std::fprintf(stderr, "zifferon: %s\n", failureText(*draw.problem).c_str());
        return kWrongUsage;
    }
    const HandoutSheet sheet{std::move(draw.tasks), settings.seed, request.answers, settings.kind,
                             request.demands};
    // A target that cannot take the sheet is a wrong argument, like a bad number.
    if (const Problem problem = handoutTargetsProblem(sheet.tasks, pdfPath, taskFolder)) {
        std::fprintf(stderr, "zifferon: %s\n", failureText(*problem).c_str());
        return kWrongUsage;
    }
    QString error;
    if (!writeHandout(sheet, pdfPath, taskFolder, &error)) {
        std::fprintf(stderr, "zifferon: %s\n", error.toUtf8().constData());
        return kHandoutFailed;
    }
    return kHandoutWritten;
}

} // namespace zifferon
