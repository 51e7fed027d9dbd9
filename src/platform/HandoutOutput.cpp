// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HandoutOutput.h"

#include "handout/HandoutFiles.h"
#include "platform/QtTaskFileServices.h"
#include "platform/SheetPrinter.h"
#include "task/FixedSeedRandom.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace zifferon {

namespace {

QString quoted(const QString& path) {
    return QStringLiteral("\u201E%1\u201C").arg(QDir::toNativeSeparators(path));
}

// Why nothing can be made inside `folder`; empty when something can.
QString folderProblem(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        return QStringLiteral("Der Ordner %1 existiert nicht.").arg(quoted(folder));
    }
    if (!info.isDir()) {
        return QStringLiteral("%1 ist kein Ordner.").arg(quoted(folder));
    }
    if (!info.isWritable()) {
        return QStringLiteral("In den Ordner %1 kann nicht geschrieben werden.")
            .arg(quoted(folder));
    }
    return {};
}

} // namespace

QString pdfTargetProblem(const QString& path) {
    if (path.isEmpty()) {
        return QStringLiteral("Es ist keine PDF-Datei angegeben.");
    }
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("%1 ist ein Ordner, keine Datei.").arg(quoted(path));
    }
    if (info.exists() && !info.isFile()) {
        return QStringLiteral("%1 ist keine gew\u00F6hnliche Datei.").arg(quoted(path));
    }
    if (info.exists() && !info.isWritable()) {
        return QStringLiteral("%1 kann nicht \u00FCberschrieben werden.").arg(quoted(path));
    }
    return folderProblem(info.absolutePath());
}

QString taskFolderProblem(const QString& given) {
    if (given.isEmpty()) {
        return QStringLiteral("Es ist kein Ordner f\u00FCr die Aufgabendateien angegeben.");
    }
    // "neu/" names the folder neu, not a file in it.
    const QString folder = QDir::cleanPath(given);
    const QFileInfo info(folder);
    if (info.exists() || info.isSymLink()) {
        return folderProblem(folder);
    }
    return folderProblem(info.absolutePath());
}

QString taskFilesProblem(const HandoutSheet& sheet, const QString& folder) {
    QString problem = taskFolderProblem(folder);
    const QDir dir(QDir::cleanPath(folder));
    for (std::size_t i = 0; problem.isEmpty() && i < sheet.tasks.size(); ++i) {
        const QString name =
            QString::fromStdString(handoutFileName(static_cast<int>(i) + 1, sheet.tasks[i]));
        const QFileInfo file(dir.filePath(name));
        if (file.exists() || file.isSymLink()) {
            problem = QStringLiteral("Im Ordner %1 liegt schon %2; vorhandene Aufgabendateien "
                                     "werden nicht \u00FCberschrieben. W\u00E4hle einen "
                                     "anderen Ordner.")
                          .arg(quoted(dir.path()), quoted(name));
        }
    }
    return problem;
}

QString handoutTargetsProblem(const HandoutSheet& sheet, const QString& pdfPath,
                              const QString& taskFolder) {
    const QString problem = pdfTargetProblem(pdfPath);
    return problem.isEmpty() && !taskFolder.isEmpty() ? taskFilesProblem(sheet, taskFolder)
                                                      : problem;
}

bool writeTaskFiles(const HandoutSheet& sheet, const QString& given, QString* error) {
    const QString problem = taskFilesProblem(sheet, given);
    if (!problem.isEmpty()) {
        setErrorText(error, problem);
        return false;
    }
    const QString folder = QDir::cleanPath(given);
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        setErrorText(
            error, QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(quoted(folder)));
        return false;
    }
    QtTaskFileStorage storage;
    const WriteResult written = writeHandoutFiles(sheet.tasks, folder.toStdString(), storage);
    if (!written.ok) {
        setErrorText(error, QString::fromStdString(written.reason));
    }
    return written.ok;
}

bool writeHandout(const HandoutSheet& sheet, const QString& pdfPath, const QString& taskFolder,
                  QString* error) {
    const QString problem = handoutTargetsProblem(sheet, pdfPath, taskFolder);
    if (!problem.isEmpty()) {
        setErrorText(error, problem);
        return false;
    }
    const QByteArray pdf = HandoutPrinter().pdf(sheet, error);
    if (pdf.isEmpty()) {
        return false;
    }
    if (!taskFolder.isEmpty() && !writeTaskFiles(sheet, taskFolder, error)) {
        return false;
    }
    QString reason;
    if (!writePdfFile(pdf, pdfPath, &reason)) {
        setErrorText(error, QStringLiteral("Die PDF-Datei %1 kann nicht geschrieben werden. %2")
                                .arg(quoted(pdfPath), reason));
        return false;
    }
    return true;
}

int runHandoutCommand(const HandoutRequest& request) {
    const QString pdfPath = QString::fromStdString(request.pdf);
    const QString taskFolder = QString::fromStdString(request.taskFolder);
    HandoutSettings settings = request.settings;
    if (!request.seedGiven) {
        settings.seed = seedFromClock(kHandoutMaxSeed);
    }
    HandoutDraw draw = drawHandout(settings);
    if (!draw.problem.empty()) {
        std::fprintf(stderr, "zifferon: %s\n", draw.problem.c_str());
        return kWrongUsage;
    }
    const HandoutSheet sheet{std::move(draw.tasks), settings.seed, request.answers};
    // A target that cannot take the sheet is a wrong argument, like a bad number.
    const QString problem = handoutTargetsProblem(sheet, pdfPath, taskFolder);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "zifferon: %s\n", problem.toUtf8().constData());
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
