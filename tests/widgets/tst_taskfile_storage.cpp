// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real file system behind the task-file commands: reading only what is
// needed, refusing what cannot be a task file, and saves that either replace
// the old file completely or leave it exactly as it was.

#include "MemoryTaskFiles.h"
#include "UnprivilegedUser.h"

#include "platform/QtTaskFileServices.h"

#include "session/Worksheet.h"
#include "task/TaskEntry.h"
#include "taskfile/TaskRecords.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zifferon;
using test::AsUnprivilegedUser;
using test::kNobody;

namespace {

QByteArray patternBytes(qsizetype size, char seed) {
    QByteArray b(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        b[i] = static_cast<char>(seed + i * 7 + i / 251);
    }
    return b;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<std::uint8_t> taskBytes() {
    Worksheet sheet;
    sheet.form.setText(ctl::Text1, U"9434");
    sheet.form.setText(ctl::Text2, U"13");
    EnterTask(sheet.form);
    sheet.form.setText(ctl::resultat(0), U"7");
    const TaskFileBytes file = writeTaskRecords(sheet.form);
    return {file.begin(), file.end()};
}

QByteArray asQBytes(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

std::string s(const QString& path) {
    return path.toStdString();
}

// Gives a path to "nobody" when running as root, so that its own mode bits
// are what denies access.
void handToNobody(const QString& path) {
    if (geteuid() == 0) {
        QVERIFY(::chown(QFile::encodeName(path).constData(), kNobody, kNobody) == 0);
    }
}

void setMode(const QString& path, mode_t mode) {
    QVERIFY(::chmod(QFile::encodeName(path).constData(), mode) == 0);
}

// Answers the next modal dialog of its kind as soon as it is open.
template <typename Dialog> void answerModal(const std::function<void(Dialog*)>& answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
            // An answer the dialog did not take fails the test instead of
            // leaving it waiting for a user.
            QTimer::singleShot(2000, dialog, [dialog] {
                if (dialog->isVisible()) {
                    dialog->reject();
                }
            });
        }
    });
    poll->start();
}

void answerFileDialog(const std::function<void(QFileDialog*)>& answer) {
    answerModal<QFileDialog>(answer);
}

// Types into the dialog's file-name field, as the user would.
void typeName(QFileDialog* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(edit);
    edit->setText(name);
}

} // namespace

class TestTaskFileStorage : public QObject {
    Q_OBJECT
  private slots:
    void readsAtMostTheFirst23Records();
    void refusesWhatIsNoReadableFile_data();
    void refusesWhatIsNoReadableFile();
    void refusesAFileWithoutReadPermission();
    void savesExactly2944BytesOverALongerFile();
    void refusesAMissingFolderOrAFolderAsTarget();
    void readOnlyFolderKeepsTheOldFile();
    void fullDeviceKeepsTheOldFile();
    void cutOffWriteKeepsTheOldFile();
    void writableFolders();
    void commandsWorkOnRealFiles();
    void dialogsStartInTheFolderAndReturnTheChosenPath();
};

void TestTaskFileStorage::readsAtMostTheFirst23Records() {
    // Short files come back whole (refusing them is the command's business);
    // of a large one only the start is read.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QtTaskFileStorage storage;
    for (qsizetype size : {0, 1, 2943, 2944, 10 * 1024 * 1024}) {
        const QString path = dir.filePath(QString("datei%1").arg(size));
        const QByteArray content = patternBytes(size, 5);
        QVERIFY(writeFile(path, content));
        const ReadResult r = storage.readPrefix(s(path), kTaskFileSize);
        QVERIFY2(!r.failure, problemText(r.failure).c_str());
        QCOMPARE(asQBytes(r.bytes), content.left(2944));
    }
}

void TestTaskFileStorage::refusesWhatIsNoReadableFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("folder") << "folder" << QString::fromUtf8("Ordner");
    QTest::newRow("missing") << "missing" << QString::fromUtf8("existiert nicht");
    QTest::newRow("fifo") << "fifo" << QString::fromUtf8("keine gewöhnliche Datei");
    QTest::newRow("device") << "device" << QString::fromUtf8("keine gewöhnliche Datei");
}

void TestTaskFileStorage::refusesWhatIsNoReadableFile() {
    QFETCH(QString, kind);
    QFETCH(QString, reasonPart);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath("ziel.AUF");
    if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir("ziel.AUF"));
    } else if (kind == "fifo") {
        // A pipe nobody writes to would block a plain read for ever.
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
    } else if (kind == "device") {
        path = "/dev/zero";
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);

    QtTaskFileStorage storage;
    const ReadResult r = storage.readPrefix(s(path), kTaskFileSize);
    QVERIFY(r.failure);
    QVERIFY(r.bytes.empty());
    QVERIFY2(QString::fromStdString(problemText(r.failure)).contains(reasonPart),
             problemText(r.failure).c_str());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
}

void TestTaskFileStorage::refusesAFileWithoutReadPermission() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    setMode(dir.path(), 0755);
    const QString path = dir.filePath("geheim.AUF");
    QVERIFY(writeFile(path, asQBytes(taskBytes())));
    handToNobody(path);
    setMode(path, 0000);

    QtTaskFileStorage storage;
    ReadResult r;
    {
        AsUnprivilegedUser user;
        if (!user.active()) {
            QSKIP("running as root and cannot switch the file-system user to nobody");
        }
        r = storage.readPrefix(s(path), kTaskFileSize);
    }
    QVERIFY(r.failure);
    QVERIFY2(problemText(r.failure).find("kann nicht gelesen werden") != std::string::npos,
             problemText(r.failure).c_str());
}

void TestTaskFileStorage::savesExactly2944BytesOverALongerFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("alt.AUF");
    QVERIFY(writeFile(path, patternBytes(10000, 9)));

    QtTaskFileStorage storage;
    const std::vector<std::uint8_t> bytes = taskBytes();
    const Problem w = storage.writeAtomically(s(path), bytes);
    QVERIFY2(!w, problemText(w).c_str());
    QCOMPARE(readFile(path), asQBytes(bytes));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.AUF"});

    // A new file is created as well.
    const QString fresh = dir.filePath("neu.AUF");
    QVERIFY(!storage.writeAtomically(s(fresh), bytes));
    QCOMPARE(readFile(fresh).size(), 2944);
}

void TestTaskFileStorage::refusesAMissingFolderOrAFolderAsTarget() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QtTaskFileStorage storage;
    const std::vector<std::uint8_t> bytes = taskBytes();

    const QString missing = dir.filePath("gibtsnicht/a.AUF");
    const Problem w1 = storage.writeAtomically(s(missing), bytes);
    QVERIFY(w1);
    QVERIFY2(problemText(w1).find("Ordner") != std::string::npos, problemText(w1).c_str());
    QVERIFY(!QFileInfo::exists(dir.filePath("gibtsnicht")));

    QVERIFY(QDir(dir.path()).mkdir("ordner.AUF"));
    QVERIFY(writeFile(dir.filePath("ordner.AUF/drin"), "x"));
    const Problem w2 = storage.writeAtomically(s(dir.filePath("ordner.AUF")), bytes);
    QVERIFY(w2);
    QVERIFY2(problemText(w2).find("Ordner") != std::string::npos, problemText(w2).c_str());
    QVERIFY(QFileInfo(dir.filePath("ordner.AUF")).isDir());
    QCOMPARE(readFile(dir.filePath("ordner.AUF/drin")), QByteArray("x"));
}

void TestTaskFileStorage::readOnlyFolderKeepsTheOldFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    setMode(dir.path(), 0755);
    const QString folder = dir.filePath("schreibgeschuetzt");
    QVERIFY(QDir(dir.path()).mkdir("schreibgeschuetzt"));
    const QString path = folder + "/alt.AUF";
    const QByteArray old = patternBytes(5000, 1);
    QVERIFY(writeFile(path, old));
    handToNobody(path);
    handToNobody(folder);
    setMode(folder, 0555);

    QtTaskFileStorage storage;
    Problem w;
    {
        AsUnprivilegedUser user;
        if (!user.active()) {
            setMode(folder, 0755);
            QSKIP("running as root and cannot switch the file-system user to nobody");
        }
        w = storage.writeAtomically(s(path), taskBytes());
    }
    setMode(folder, 0755);
    QVERIFY(w);
    QVERIFY(!problemText(w).empty());
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.AUF"});
}

void TestTaskFileStorage::fullDeviceKeepsTheOldFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString mountPoint = dir.filePath("klein");
    QVERIFY(QDir(dir.path()).mkdir("klein"));
    const QByteArray point = QFile::encodeName(mountPoint);
    if (::mount("tmpfs", point.constData(), "tmpfs", 0, "size=16k") != 0) {
        QSKIP("cannot mount a small tmpfs here (needs root with CAP_SYS_ADMIN)");
    }
    struct Unmount {
        QByteArray point;
        ~Unmount() { ::umount2(point.constData(), MNT_DETACH); }
    } unmount{point};

    const QString path = mountPoint + "/alt.AUF";
    const QByteArray old = patternBytes(3000, 2);
    QVERIFY(writeFile(path, old));
    {
        // Fill the rest of the device.
        QFile filler(mountPoint + "/fueller");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size()) {
        }
    }

    QtTaskFileStorage storage;
    const Problem w = storage.writeAtomically(s(path), taskBytes());
    QVERIFY(w);
    // Told in German, not in the C library's words.
    QVERIFY2(problemText(w).find("Kein Platz mehr auf dem Datentr\u00E4ger") != std::string::npos,
             problemText(w).c_str());
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"alt.AUF", "fueller"}));
}

void TestTaskFileStorage::cutOffWriteKeepsTheOldFile() {
    // A file-size limit cuts the write off after 1000 bytes, as a device that
    // runs full in the middle of the file would.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("alt.AUF");
    const QByteArray old = patternBytes(500, 4);
    QVERIFY(writeFile(path, old));

    rlimit saved{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    QtTaskFileStorage storage;
    const Problem w = storage.writeAtomically(s(path), taskBytes());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(w);
    QVERIFY2(problemText(w).find("nicht") != std::string::npos, problemText(w).c_str());
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.AUF"});
}

void TestTaskFileStorage::writableFolders() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath("datei"), "x"));
    QtTaskFileServices all(nullptr);
    TaskFileStorage& storage = all.services().storage;
    QVERIFY(storage.isWritableFolder(s(dir.path())));
    QVERIFY(!storage.isWritableFolder(s(dir.filePath("fehlt"))));
    QVERIFY(!storage.isWritableFolder(s(dir.filePath("datei"))));
    QVERIFY(!storage.documentsFolder().empty());
}

void TestTaskFileStorage::commandsWorkOnRealFiles() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    test::MemoryTaskFiles dialogs;
    QtTaskFileStorage storage;
    test::MemoryTaskFiles& messages = dialogs;
    const TaskFileServices services{dialogs, storage, messages};

    Worksheet saved;
    saved.form.setText(ctl::Text1, U"9434");
    saved.form.setText(ctl::Text2, U"13");
    EnterTask(saved.form);
    saved.form.setText(ctl::resultat(0), U"7");
    dialogs.answer(s(dir.filePath("aufgabe")));
    saveSheetToTaskFile(saved.form, services);
    QVERIFY(messages.messages.empty());
    QCOMPARE(readFile(dir.filePath("aufgabe.AUF")).size(), 2944);

    Worksheet loaded;
    loaded.form.setText(ctl::Text1, U"1");
    dialogs.answer(s(dir.filePath("aufgabe.AUF")));
    loadTaskFileOntoSheet(loaded.form, services);
    QVERIFY(messages.messages.empty());
    QVERIFY(loaded.form.text(ctl::Text1) == U"9434");
    QVERIFY(loaded.form.text(ctl::resultat(0)) == U"7");

    // A file that is not there is refused with a message and not created.
    dialogs.answer(s(dir.filePath("fehlt.AUF")));
    loadTaskFileOntoSheet(loaded.form, services);
    QCOMPARE(messages.messages.size(), std::size_t{1});
    QVERIFY(!QFileInfo::exists(dir.filePath("fehlt.AUF")));
    QVERIFY(loaded.form.text(ctl::resultat(0)) == U"7");
}

void TestTaskFileStorage::dialogsStartInTheFolderAndReturnTheChosenPath() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // No folder used before: the settings start empty, apart from the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(".settings"));
    QtTaskFileDialogs dialogs(nullptr);
    QString folder;
    QStringList filters;
    auto look = [&](QFileDialog* d) {
        folder = d->directory().absolutePath();
        filters = d->nameFilters();
    };

    answerFileDialog([&](QFileDialog* d) {
        look(d);
        typeName(d, "aufgabe");
        static_cast<QDialog*>(d)->accept();
    });
    const auto saved = dialogs.askSavePath(s(dir.path()), "*.auf");
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    // Task files whatever the case of their extension.
    QVERIFY2(!filters.isEmpty() && filters.first().contains("*.auf ") &&
                 filters.first().contains("*.AUF") && filters.first().contains("*.Auf"),
             qPrintable(filters.join(" | ")));
    QVERIFY(saved.has_value());
    // The dialog adds no extension: the command decides on ".AUF".
    QCOMPARE(QString::fromStdString(*saved), QDir(dir.path()).filePath("aufgabe"));

    QVERIFY(writeFile(dir.filePath("da.AUF"), "x"));
    answerFileDialog([&](QFileDialog* d) {
        look(d);
        typeName(d, dir.filePath("da.AUF"));
        static_cast<QDialog*>(d)->accept();
    });
    const auto opened = dialogs.askOpenPath(s(dir.path()), "*.auf");
    QVERIFY(opened.has_value());
    QCOMPARE(QString::fromStdString(*opened), dir.filePath("da.AUF"));

    // Started elsewhere, a dialog opens in the folder used last.
    QTemporaryDir elsewhere;
    answerFileDialog([&](QFileDialog* d) {
        look(d);
        d->reject();
    });
    QVERIFY(!dialogs.askOpenPath(s(elsewhere.path()), "*.auf").has_value());
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    answerFileDialog([](QFileDialog* d) { d->reject(); });
    QVERIFY(!dialogs.askSavePath(s(dir.path()), "*.auf").has_value());

    // "da" typed where "da.AUF" is: the question names "da.AUF". Declined,
    // the dialog comes again with that name; then the file is replaced.
    QtTaskFileStorage storage;
    test::MemoryTaskFiles messages;
    const TaskFileServices services{dialogs, storage, messages};
    Worksheet sheet;
    EnterTask(sheet.form);
    for (bool replace : {false, true}) {
        QString asked;
        QString again;
        answerFileDialog([&](QFileDialog* d) {
            typeName(d, "da");
            answerModal<QMessageBox>([&](QMessageBox* box) {
                asked = box->text();
                if (!replace) {
                    answerFileDialog([&](QFileDialog* d2) {
                        again = d2->selectedFiles().value(0);
                        d2->reject();
                    });
                }
                box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            });
            static_cast<QDialog*>(d)->accept();
        });
        QCOMPARE(saveSheetToTaskFile(sheet.form, services).has_value(), replace);
        QCOMPARE(asked, QString::fromUtf8("\u201Eda.AUF\u201C gibt es schon. Soll die Datei "
                                          "ersetzt werden?"));
        QCOMPARE(again, replace ? QString() : dir.filePath("da.AUF"));
        QCOMPARE(readFile(dir.filePath("da.AUF")).size(), replace ? 2944 : 1);
    }
}

QTEST_MAIN(TestTaskFileStorage)
#include "tst_taskfile_storage.moc"
