// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HandoutDialog.h"

#include "platform/HandoutOutput.h"
#include "platform/RecentFolder.h"
#include "platform/SheetPrinter.h"
#include "task/FixedSeedRandom.h"
#include "task/RandomTask.h"
#include "taskfile/TaskFileCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace zifferon {

namespace {

constexpr const char* kHandoutFailedTitle =
    QT_TRANSLATE_NOOP("HandoutDialog", "Arbeitsblatt nicht erstellt");

QSpinBox* spinBox(int lowest, int highest, int value, const QString& accessibleName) {
    auto* box = new QSpinBox;
    box->setRange(lowest, highest);
    box->setValue(std::clamp(value, lowest, highest));
    box->setAccessibleName(accessibleName);
    return box;
}

} // namespace

HandoutDialog::HandoutDialog(int dividendDigits, int divisorDigits, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("HandoutDialog", "Arbeitsblatt erstellen"));
    makeFields(dividendDigits, divisorDigits);
    QDialogButtonBox* buttons = layOutFields();
    restoreSettings();
    followSeed();
    connectFields(buttons);
    updateProblem();
}

void HandoutDialog::makeFields(int dividendDigits, int divisorDigits) {
    tasks_ = spinBox(kHandoutMinTasks, kHandoutMaxTasks, kHandoutDefaultTasks,
                     QCoreApplication::translate("HandoutDialog", "Anzahl der Aufgaben"));
    dividendDigits_ =
        spinBox(kHandoutMinDividendDigits, 6, dividendDigits,
                QCoreApplication::translate("HandoutDialog", "Stellen des Dividenden"));
    divisorDigits_ = spinBox(2, 3, divisorDigits,
                             QCoreApplication::translate("HandoutDialog", "Stellen des Divisors"));
    seed_ = spinBox(0, static_cast<int>(kHandoutMaxSeed),
                    static_cast<int>(seedFromClock(kHandoutMaxSeed)),
                    QCoreApplication::translate("HandoutDialog", "Nummer des Blatts"));
    seed_->setToolTip(QCoreApplication::translate(
        "HandoutDialog", "Dieselbe Nummer gibt wieder dieselben Aufgaben."));
    newSeed_ = new QPushButton(QCoreApplication::translate("HandoutDialog", "&Neue Nummer"));
    // Enter in a field makes the sheet; only a click draws a new number.
    newSeed_->setAutoDefault(false);
    kind_ = new QComboBox;
    for (TaskKind kind : kAllTaskKinds) {
        kind_->addItem(QString::fromUtf8(taskKindName(kind)));
    }
    kind_->setAccessibleName(QCoreApplication::translate("HandoutDialog", "Aufgabenart"));
    answers_ =
        new QCheckBox(QCoreApplication::translate("HandoutDialog", "&Lösungsblatt anhängen"));
    ueberschlag_ =
        new QCheckBox(QCoreApplication::translate("HandoutDialog", "Übers&chlag verlangen"));
    probe_ = new QCheckBox(QCoreApplication::translate("HandoutDialog", "Pro&be verlangen"));
    taskFiles_ = new QCheckBox(
        QCoreApplication::translate("HandoutDialog", "Aufgaben als &Dateien speichern"));
    folder_ = new QLineEdit;
    folder_->setMinimumWidth(320);
    folder_->setAccessibleName(
        QCoreApplication::translate("HandoutDialog", "Ordner für die Aufgabendateien"));
    folderButton_ =
        new QPushButton(QCoreApplication::translate("HandoutDialog", "&Ordner wählen ..."));
    folderButton_->setAutoDefault(false);
    problem_ = new QLabel;
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
}

QDialogButtonBox* HandoutDialog::layOutFields() {
    // Labels of rows that hold more than one widget name their field themselves.
    const auto labelFor = [](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text);
        label->setBuddy(buddy);
        return label;
    };
    auto* digits = new QHBoxLayout;
    digits->addWidget(
        labelFor(QCoreApplication::translate("HandoutDialog", "Di&vidend"), dividendDigits_));
    digits->addWidget(dividendDigits_);
    digits->addWidget(
        labelFor(QCoreApplication::translate("HandoutDialog", "Div&isor"), divisorDigits_));
    digits->addWidget(divisorDigits_);
    digits->addStretch();
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(seed_);
    seedRow->addWidget(newSeed_);
    seedRow->addStretch();
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(folderButton_);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QCoreApplication::translate("HandoutDialog", "&Aufgaben:"), tasks_);
    form->addRow(QCoreApplication::translate("HandoutDialog", "Stellen höchstens:"), digits);
    form->addRow(QCoreApplication::translate("HandoutDialog", "Aufgabenar&t:"), kind_);
    form->addRow(
        labelFor(QCoreApplication::translate("HandoutDialog", "Nu&mmer des Blatts:"), seed_),
        seedRow);
    form->addRow(answers_);
    form->addRow(ueberschlag_);
    form->addRow(probe_);
    form->addRow(taskFiles_);
    form->addRow(labelFor(QCoreApplication::translate("HandoutDialog", "O&rdner:"), folder_),
                 folderRow);

    auto* buttons = new QDialogButtonBox;
    pdfButton_ =
        buttons->addButton(QCoreApplication::translate("HandoutDialog", "Als &PDF speichern ..."),
                           QDialogButtonBox::AcceptRole);
    printButton_ = buttons->addButton(QCoreApplication::translate("HandoutDialog", "Dr&ucken ..."),
                                      QDialogButtonBox::AcceptRole);
    buttons->addButton(QCoreApplication::translate("HandoutDialog", "Abbrechen"),
                       QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    // Once the button is in the dialog: the dialog's own default.
    pdfButton_->setDefault(true);
    return buttons;
}

void HandoutDialog::followSeed() {
    if (!folderChosen_) {
        folder_->setText(
            QDir(documentsFolder())
                .filePath(QCoreApplication::translate("HandoutDialog", "Arbeitsblatt %1")
                              .arg(seed_->value())));
    }
}

void HandoutDialog::connectFields(QDialogButtonBox* buttons) {
    for (QSpinBox* box : {tasks_, dividendDigits_, divisorDigits_, seed_}) {
        connect(box, &QSpinBox::valueChanged, this, [this] {
            followSeed();
            updateProblem();
        });
    }
    connect(kind_, &QComboBox::currentIndexChanged, this,
            [this](int index) { setKind(kAllTaskKinds[static_cast<std::size_t>(index)]); });
    connect(newSeed_, &QPushButton::clicked, this,
            [this] { seed_->setValue(static_cast<int>(seedFromClock(kHandoutMaxSeed))); });
    connect(taskFiles_, &QCheckBox::toggled, this, &HandoutDialog::updateProblem);
    connect(folder_, &QLineEdit::textEdited, this, [this] {
        folderChosen_ = true;
        updateProblem();
    });
    connect(folderButton_, &QPushButton::clicked, this, &HandoutDialog::chooseFolder);
    connect(pdfButton_, &QPushButton::clicked, this, [this] { finish(Output::Pdf); });
    connect(printButton_, &QPushButton::clicked, this, [this] { finish(Output::Printer); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

HandoutSettings HandoutDialog::settings() const {
    return {tasks_->value(), dividendDigits_->value(), divisorDigits_->value(),
            static_cast<std::uint32_t>(seed_->value()),
            kAllTaskKinds[static_cast<std::size_t>(std::max(kind_->currentIndex(), 0))]};
}

void HandoutDialog::setKind(TaskKind kind) {
    kind_->setCurrentIndex(static_cast<int>(kind));
    dividendDigits_->setValue(std::max(dividendDigits_->value(), lowestDividendDigits(kind)));
    updateProblem();
}

bool HandoutDialog::answers() const {
    return answers_->isChecked();
}

Form1::CheckDemands HandoutDialog::demands() const {
    return {ueberschlag_->isChecked(), probe_->isChecked()};
}

QString HandoutDialog::taskFolder() const {
    return taskFiles_->isChecked() ? folder_->text().trimmed() : QString();
}

QString HandoutDialog::problem() const {
    if (const Problem problem = handoutProblem(settings())) {
        return QString::fromStdString(failureText(*problem));
    }
    return taskFiles_->isChecked() ? taskFolderProblem(taskFolder()) : QString();
}

void HandoutDialog::updateProblem() {
    folder_->setEnabled(taskFiles_->isChecked());
    folderButton_->setEnabled(taskFiles_->isChecked());
    const QString text = problem();
    problem_->setText(text);
    problem_->setVisible(!text.isEmpty());
    pdfButton_->setEnabled(text.isEmpty());
    printButton_->setEnabled(text.isEmpty());
}

void HandoutDialog::chooseFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QCoreApplication::translate("HandoutDialog", "Ordner für die Aufgabendateien"),
        folderChosen_ ? folder_->text() : recentFolder(folder_->text()));
    if (!chosen.isEmpty()) {
        rememberFolder(chosen);
        folderChosen_ = true;
        folder_->setText(chosen);
        updateProblem();
    }
}

namespace {
const QString kTasksKey = QStringLiteral("Arbeitsblatt/aufgaben");
const QString kAnswersKey = QStringLiteral("Arbeitsblatt/loesungsblatt");
const QString kTaskFilesKey = QStringLiteral("Arbeitsblatt/aufgabendateien");
const QString kFolderKey = QStringLiteral("Arbeitsblatt/ordner");
// Kept by the window: what it asks its pupils for.
const QString kUeberschlagKey = QStringLiteral("check/ueberschlag");
const QString kProbeKey = QStringLiteral("check/probe");
} // namespace

void HandoutDialog::restoreSettings() {
    // The set-up of the last sheet made; a new number each time.
    const QSettings settings(kSettingsOrganisation, kSettingsApplication);
    tasks_->setValue(settings.value(kTasksKey, tasks_->value()).toInt());
    answers_->setChecked(settings.value(kAnswersKey, false).toBool());
    taskFiles_->setChecked(settings.value(kTaskFilesKey, false).toBool());
    ueberschlag_->setChecked(settings.value(kUeberschlagKey, false).toBool());
    probe_->setChecked(settings.value(kProbeKey, false).toBool());
    if (const QString folder = settings.value(kFolderKey).toString(); !folder.isEmpty()) {
        folderChosen_ = true;
        folder_->setText(folder);
    }
}

void HandoutDialog::saveSettings() const {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.setValue(kTasksKey, tasks_->value());
    settings.setValue(kAnswersKey, answers_->isChecked());
    settings.setValue(kTaskFilesKey, taskFiles_->isChecked());
    // A folder that only follows the sheet's number is not the user's choice.
    settings.setValue(kFolderKey, folderChosen_ ? folder_->text().trimmed() : QString());
}

void HandoutDialog::finish(Output output) {
    if (!problem().isEmpty()) {
        updateProblem();
        return;
    }
    output_ = output;
    saveSettings();
    accept();
}

namespace {

void failHandout(MessageSink& messages, const QString& text) {
    messages.showError(
        QCoreApplication::translate("HandoutDialog", kHandoutFailedTitle).toStdString(),
        text.toStdString());
}

// Where the files went, once they are written.
void tellWhereHandoutWent(MessageSink& messages, const QString& pdf, const QString& folder) {
    QString text = pdf.isEmpty() ? QString()
                                 : QCoreApplication::translate("HandoutDialog",
                                                               "Das Arbeitsblatt steht in „%1“.")
                                       .arg(QDir::toNativeSeparators(pdf));
    if (!folder.isEmpty()) {
        text += (text.isEmpty() ? "" : "\n") +
                QCoreApplication::translate("HandoutDialog",
                                            "Die Aufgabendateien stehen im Ordner „%1“.")
                    .arg(QDir::toNativeSeparators(QDir(folder).absolutePath()));
    }
    if (!text.isEmpty()) {
        messages.showInfo(
            QCoreApplication::translate("HandoutDialog", "Arbeitsblatt erstellt").toStdString(),
            text.toStdString());
    }
}

void saveHandoutAsPdf(const HandoutSheet& sheet, const QString& folder, PdfSaveDialog& pdfDialog,
                      MessageSink& messages) {
    const QString chosen =
        pdfDialog.askPdfPath(inRecentFolder(handoutName(sheet) + ".pdf", documentsFolder()));
    const QString path = pdfSavePath(chosen);
    if (chosen.isEmpty()) {
        return;
    }
    QString error;
    if (!writeHandout(sheet, fileSystemPath(path), fileSystemPath(folder), &error)) {
        failHandout(messages,
                    QCoreApplication::translate("HandoutDialog",
                                                "Das Arbeitsblatt kann nicht als „%1“ gespeichert "
                                                "werden.\n%2")
                        .arg(QDir::toNativeSeparators(path), error));
    } else {
        tellWhereHandoutWent(messages, path, folder);
    }
}

void printHandout(QWidget* parent, const HandoutSheet& sheet, const QString& folder,
                  MessageSink& messages) {
    QString error;
    // The folder is checked before the pages go out: the files must follow.
    if (!folder.isEmpty() && !(error = taskFilesProblem(sheet, folder)).isEmpty()) {
        failHandout(messages, error);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(handoutName(sheet));
    QPrintDialog printDialog(&printer, parent);
    printDialog.setWindowTitle(QCoreApplication::translate("HandoutDialog", "Drucken"));
    if (printDialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!HandoutPrinter().print(sheet, printer, &error)) {
        failHandout(messages,
                    QCoreApplication::translate("HandoutDialog",
                                                "Das Arbeitsblatt kann nicht gedruckt werden.\n") +
                        error);
    } else if (!folder.isEmpty() && !writeTaskFiles(sheet, fileSystemPath(folder), &error)) {
        failHandout(messages, error);
    } else {
        tellWhereHandoutWent(messages, {}, folder);
    }
}

} // namespace

void createHandout(QWidget* parent, const Form1& form, PdfSaveDialog& pdfDialog,
                   MessageSink& messages, TaskKind kind) {
    HandoutDialog dialog(dividendDigitLimit(form), divisorDigitLimit(form), parent);
    dialog.setKind(kind);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    HandoutDraw draw = drawHandout(dialog.settings());
    if (draw.problem) {
        failHandout(messages, QString::fromStdString(failureText(*draw.problem)));
        return;
    }
    const HandoutSheet sheet{std::move(draw.tasks), dialog.settings().seed, dialog.answers(),
                             dialog.settings().kind, dialog.demands()};
    if (dialog.output() == HandoutDialog::Output::Pdf) {
        saveHandoutAsPdf(sheet, dialog.taskFolder(), pdfDialog, messages);
    } else {
        printHandout(parent, sheet, dialog.taskFolder(), messages);
    }
}

} // namespace zifferon
