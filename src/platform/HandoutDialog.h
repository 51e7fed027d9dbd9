// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Arbeitsblatt erstellen ...": the dialog that sets up a worksheet (number
// of tasks, digit limits, the sheet's number, answer pages, task files) and
// the command that writes it as PDF or prints it.

#include "handout/HandoutTasks.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace zifferon {

class Form1;
class MessageSink;
class PdfSaveDialog;

class HandoutDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Output { None, Pdf, Printer };

    // Starts with the window's digit limits and a new sheet number.
    HandoutDialog(int dividendDigits, int divisorDigits, QWidget* parent = nullptr);

    HandoutSettings settings() const;
    bool answers() const;
    // "Überschlag verlangen", "Probe verlangen": room for them beside each
    // task, and task files that ask for them.
    Form1::CheckDemands demands() const;
    // The folder for the task files; empty when none are to be written.
    QString taskFolder() const;
    // Which button closed the dialog.
    Output output() const { return output_; }

    QSpinBox* taskCountBox() const { return tasks_; }
    QSpinBox* dividendDigitsBox() const { return dividendDigits_; }
    QSpinBox* divisorDigitsBox() const { return divisorDigits_; }
    QSpinBox* seedBox() const { return seed_; }
    // "Aufgabenart": the kinds in the order of TaskKind.
    QComboBox* kindBox() const { return kind_; }
    // Chooses the kind, raising the dividend's limit to what it needs.
    void setKind(TaskKind kind);
    QCheckBox* answersBox() const { return answers_; }
    QCheckBox* ueberschlagBox() const { return ueberschlag_; }
    QCheckBox* probeBox() const { return probe_; }
    QCheckBox* taskFilesBox() const { return taskFiles_; }
    QLineEdit* folderEdit() const { return folder_; }
    QPushButton* pdfButton() const { return pdfButton_; }
    QPushButton* printButton() const { return printButton_; }
    // Why the worksheet cannot be made as set up (empty when it can).
    QString problem() const;

  private:
    void makeFields(int dividendDigits, int divisorDigits);
    QDialogButtonBox* layOutFields();
    void connectFields(QDialogButtonBox* buttons);
    // The folder for the task files follows the sheet's number until one is chosen.
    void followSeed();
    void updateProblem();
    void chooseFolder();
    void finish(Output output);
    // The set-up is kept between runs (QSettings), all but the sheet's number;
    // what to ask for starts as the window asks its pupils.
    void restoreSettings();
    void saveSettings() const;

    QSpinBox* tasks_ = nullptr;
    QSpinBox* dividendDigits_ = nullptr;
    QSpinBox* divisorDigits_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QPushButton* newSeed_ = nullptr;
    QComboBox* kind_ = nullptr;
    QCheckBox* answers_ = nullptr;
    QCheckBox* ueberschlag_ = nullptr;
    QCheckBox* probe_ = nullptr;
    QCheckBox* taskFiles_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QPushButton* folderButton_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* pdfButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    bool folderChosen_ = false; // else the folder follows the sheet's number
    Output output_ = Output::None;
};

// The whole command: the dialog (starting with the sheet's digit limits and
// `kind`), then the PDF's name or the print dialog, then the files. Failures
// are reported through `messages`.
void createHandout(QWidget* parent, const Form1& form, PdfSaveDialog& pdfDialog,
                   MessageSink& messages, TaskKind kind = TaskKind::Gemischt);

} // namespace zifferon
