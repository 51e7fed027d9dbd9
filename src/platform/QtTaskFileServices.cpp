// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtTaskFileServices.h"

#include "platform/RecentFolder.h"
#include "sheet/Failure.h"
#include "sheet/SystemErrorText.h"
#include "taskfile/FileStart.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zifferon {

namespace {

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

std::string utf8(const QString& s) {
    return s.toStdString();
}

// Task files first, whatever the case of their extension: the desktop's own
// dialogs may match patterns case-sensitively. The load takes a file of any
// name.
QString filterFor(const std::string& pattern) {
    const QString base = qt(pattern).toLower();
    const qsizetype dot = base.lastIndexOf('.');
    QStringList patterns{base};
    const QString extension = base.mid(dot + 1);
    if (dot >= 0 && extension.size() <= 8) {
        patterns.clear();
        for (int mask = 0; mask < (1 << extension.size()); ++mask) {
            QString e = extension;
            for (qsizetype i = 0; i < e.size(); ++i) {
                if (mask & (1 << i)) {
                    e[i] = e[i].toUpper();
                }
            }
            patterns << base.left(dot + 1) + e;
        }
    }
    return QCoreApplication::translate("QtTaskFileServices", "Aufgaben (%1);;Alle Dateien (*)")
        .arg(patterns.join(' '));
}

std::optional<std::string> chosenPath(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return utf8(path);
}

} // namespace

std::optional<std::string> QtTaskFileDialogs::askOpenPath(const std::string& startFolder,
                                                          const std::string& pattern) {
    const QString path = QFileDialog::getOpenFileName(
        parent_, QString(), recentFolder(qt(startFolder)), filterFor(pattern));
    rememberFolderOf(path);
    return chosenPath(path);
}

std::optional<std::string> QtTaskFileDialogs::askSavePath(const std::string& startFolder,
                                                          const std::string& pattern) {
    // A task file's name (asked again after "replace?" was declined) stands
    // as it is; a folder gives way to the folder used last. The command asks
    // before replacing, for the name it adds ".AUF" to.
    const QString start = qt(startFolder);
    const bool named = QFileInfo(start).suffix().compare("auf", Qt::CaseInsensitive) == 0;
    const QString path = QFileDialog::getSaveFileName(
        parent_, QString(), named ? start : recentFolder(start), filterFor(pattern), nullptr,
        QFileDialog::DontConfirmOverwrite);
    rememberFolderOf(path);
    return chosenPath(path);
}

bool QtTaskFileDialogs::confirmReplace(const std::string& path) {
    const QString name = QFileInfo(qt(path)).fileName();
    QMessageBox question(
        QMessageBox::Question, QCoreApplication::translate("QtTaskFileServices", "Speichern unter"),
        QCoreApplication::translate("QtTaskFileServices", "„%1“ gibt es schon. Soll die Datei "
                                                          "ersetzt werden?")
            .arg(name),
        QMessageBox::Yes | QMessageBox::No, parent_);
    question.setObjectName("replaceQuestion");
    question.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("QtTaskFileServices", "Ersetzen"));
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

ReadResult QtTaskFileStorage::readPrefix(const std::string& path, std::size_t limit) {
    return readFileStart(path, limit);
}

Problem QtTaskFileStorage::writeAtomically(const std::string& path,
                                           std::span<const std::uint8_t> bytes) {
    const QString name = qt(path);
    const QFileInfo info(name);
    if (info.isDir()) {
        return Failure{Msg::FileIsFolder};
    }
    if (info.exists() && !info.isFile()) {
        return Failure{Msg::FileNotRegular};
    }
    const QString folder = info.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        return Failure{Msg::FolderMissing, {inQuotes(utf8(QDir::toNativeSeparators(folder)))}};
    }

    // QSaveFile writes a temporary file beside the target and renames it over
    // the target on commit; until then the old file stays untouched. commit()
    // itself does not notice a buffered write that the device cut short, so
    // the write goes out unbuffered and is checked, and synced, before it.
    QSaveFile file(name);
    // Qt's error strings are English: the reason is told from errno, which
    // the failed call has just set.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Failure{Msg::FileNotCreated, {systemErrorText(errno)}};
    }
    const auto size = static_cast<qint64>(bytes.size());
    const qint64 written = file.write(reinterpret_cast<const char*>(bytes.data()), size);
    // A write cut off part-way (full device, size limit) comes back short
    // without an error of its own.
    if (written != size || file.error() != QFileDevice::NoError) {
        const std::string detail =
            file.error() != QFileDevice::NoError ? ": " + systemErrorText(errno) : "";
        file.cancelWriting();
        return Failure{Msg::FileWrittenInPart, {detail}};
    }
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        const std::string detail = systemErrorText(errno);
        file.cancelWriting();
        return Failure{Msg::FileNotWrittenBecause, {detail}};
    }
#endif
    if (!file.commit()) {
        return Failure{Msg::FileNotWrittenBecause, {systemErrorText(errno)}};
    }
    return std::nullopt;
}

bool QtTaskFileStorage::exists(const std::string& path) {
    return QFileInfo::exists(qt(path));
}

bool QtTaskFileStorage::isWritableFolder(const std::string& folder) {
    const QFileInfo info(qt(folder));
    return info.isDir() && info.isWritable();
}

std::string QtTaskFileStorage::documentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
    return utf8(folder);
}

namespace {

// A message stands over the window the user works in: the one that is
// active (a dialog, the class overview) if it is one of ours, else the
// sink's own window.
QWidget* ownerFor(QWidget* parent) {
    QWidget* active = QApplication::activeModalWidget();
    if (!active) {
        active = QApplication::activeWindow();
    }
    return active ? active : parent;
}

} // namespace

void QtMessageSink::showError(const std::string& title, const std::string& text) {
    QMessageBox::warning(ownerFor(parent_), qt(title), qt(text));
}

void QtMessageSink::showInfo(const std::string& title, const std::string& text) {
    QMessageBox::information(ownerFor(parent_), qt(title), qt(text));
}

} // namespace zifferon
