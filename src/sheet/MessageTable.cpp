// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The German source text of every message, in the order of Msg. "%1", "%2"
// stand for the numbers and names the rules fill in. Translations are made
// from this file by Qt's lupdate; a wording is corrected here alone.

#include "sheet/Catalogue.h"

#include <cstddef>
#include <iterator>

// Marks a source text for lupdate, which finds the macro by its name; the
// rules need no Qt for it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, source) source
#endif

namespace zifferon {

namespace {

struct Entry {
    Msg id;
    const char* source;
};

// clang-format off
constexpr Entry kEntries[] = {
    // The window's captions (the verdicts as files store them).
    {Msg::Korrekt, QT_TRANSLATE_NOOP("Zifferon", "korrekt")},
    {Msg::Pending, QT_TRANSLATE_NOOP("Zifferon", "korrekt?")},
    {Msg::Fehler, QT_TRANSLATE_NOOP("Zifferon", "Fehler")},
    {Msg::Beendet, QT_TRANSLATE_NOOP("Zifferon", "Berechnung beendet")},
    {Msg::Eingabe, QT_TRANSLATE_NOOP("Zifferon", "Eingabe")},
    {Msg::NaechsteAufgabe, QT_TRANSLATE_NOOP("Zifferon", "nächste Aufgabe")},
    {Msg::Maximal, QT_TRANSLATE_NOOP("Zifferon", "maximal")},
    {Msg::Stellen, QT_TRANSLATE_NOOP("Zifferon", "Stellen")},
    {Msg::MenuDatei, QT_TRANSLATE_NOOP("Zifferon", "&Datei")},
    {Msg::MenuLaden, QT_TRANSLATE_NOOP("Zifferon", "&Laden")},
    {Msg::MenuSpeichern, QT_TRANSLATE_NOOP("Zifferon", "&Speichern")},
    // Why a task cannot be worked.
    {Msg::TaskNoDividend, QT_TRANSLATE_NOOP("Zifferon", "Bitte zuerst den Dividenden eingeben.")},
    {Msg::TaskDividendDigits, QT_TRANSLATE_NOOP("Zifferon", "Der Dividend darf nur Ziffern haben, höchstens 6.")},
    {Msg::TaskNoDivisor, QT_TRANSLATE_NOOP("Zifferon", "Bitte auch den Divisor eingeben.")},
    {Msg::TaskDivisorDigits, QT_TRANSLATE_NOOP("Zifferon", "Der Divisor darf nur Ziffern haben, höchstens 3.")},
    {Msg::TaskDivisorZero, QT_TRANSLATE_NOOP("Zifferon", "Durch 0 kann man nicht teilen.")},
    {Msg::TaskDividendZero, QT_TRANSLATE_NOOP("Zifferon", "0 geteilt durch eine Zahl ist immer 0: da gibt es nichts zu rechnen.")},
    {Msg::TaskQuotientTooLong, QT_TRANSLATE_NOOP("Zifferon", "Das Ergebnis hätte mehr als 5 Stellen: dafür reicht der Platz nicht.")},
    // Why a row gets no verdict.
    {Msg::RowNotYet, QT_TRANSLATE_NOOP("Zifferon", "Zuerst muss Zeile %1 stimmen: diese Zeile kommt danach.")},
    {Msg::RowTaskFinished, QT_TRANSLATE_NOOP("Zifferon", "Die Aufgabe ist schon fertig: hier gehört nichts mehr hin.")},
    {Msg::RowNoTask, QT_TRANSLATE_NOOP("Zifferon", "Diese Aufgabe kann nicht gerechnet werden. %1")},
    // Why a row is wrong.
    {Msg::ReasonNotADigit, QT_TRANSLATE_NOOP("Zifferon", "In der Zeile steht „%1“: hier gehören nur Ziffern hin.")},
    {Msg::ReasonStray, QT_TRANSLATE_NOOP("Zifferon", "In der %1 steht „%2“ im Weg: dort gehört in dieser Zeile nichts hin.")},
    {Msg::ReasonGap, QT_TRANSLATE_NOOP("Zifferon", "Zwischen den Ziffern ist ein Kästchen leer: schreibe die Zahl ohne Lücke.")},
    {Msg::ReasonBroughtDown, QT_TRANSLATE_NOOP("Zifferon", "In die %1 kommt nur die nächste Ziffer des Dividenden herunter: die %2.")},
    {Msg::ReasonRemainderTooFarLeft, QT_TRANSLATE_NOOP("Zifferon", "Der Rest steht zu weit links: seine letzte Ziffer gehört unter die letzte Ziffer von %1.")},
    {Msg::ReasonRemainderTooFarRight, QT_TRANSLATE_NOOP("Zifferon", "Der Rest steht zu weit rechts: seine letzte Ziffer gehört unter die letzte Ziffer von %1.")},
    {Msg::ReasonProductTooFarLeft, QT_TRANSLATE_NOOP("Zifferon", "Das Produkt steht zu weit links: seine letzte Ziffer gehört unter die letzte Ziffer von %1.")},
    {Msg::ReasonProductTooFarRight, QT_TRANSLATE_NOOP("Zifferon", "Das Produkt steht zu weit rechts: seine letzte Ziffer gehört unter die letzte Ziffer von %1.")},
    {Msg::ReasonSubtraction, QT_TRANSLATE_NOOP("Zifferon", "%1 − %2 ist nicht %3: rechne das Abziehen noch einmal nach.")},
    {Msg::ReasonZeroTooFarLeft, QT_TRANSLATE_NOOP("Zifferon", "Die 0 steht zu weit links: sie gehört unter die letzte Ziffer von %1.")},
    {Msg::ReasonZeroTooFarRight, QT_TRANSLATE_NOOP("Zifferon", "Die 0 steht zu weit rechts: sie gehört unter die letzte Ziffer von %1.")},
    {Msg::ReasonDoesNotFit, QT_TRANSLATE_NOOP("Zifferon", "%1 passt nicht in %2: das Produkt steht zu weit links.")},
    {Msg::ReasonFitsTenTimes, QT_TRANSLATE_NOOP("Zifferon", "%1 passt mehr als 9-mal in %2: das Produkt steht zu weit rechts.")},
    {Msg::ReasonDigitTooBig, QT_TRANSLATE_NOOP("Zifferon", "%1 ist größer als %2: die Ziffer %3 ist zu groß.")},
    {Msg::ReasonFirstZeroTooSmall, QT_TRANSLATE_NOOP("Zifferon", "Die erste Ziffer ist nur dann 0, wenn der Divisor größer ist als der ganze Dividend. %1 passt in %2: die Ziffer 0 ist zu klein.")},
    {Msg::ReasonDigitTooSmall, QT_TRANSLATE_NOOP("Zifferon", "Wenn du %1 von %2 abziehst, bleibt %3 übrig. Das ist nicht kleiner als %4: die Ziffer %5 ist zu klein.")},
    {Msg::ReasonMultiplication, QT_TRANSLATE_NOOP("Zifferon", "%1 · %2 ist nicht %3: rechne das Malnehmen noch einmal nach.")},
    {Msg::Times, QT_TRANSLATE_NOOP("Zifferon", "%1 · %2")},
    // Hints.
    {Msg::HintNoTask, QT_TRANSLATE_NOOP("Zifferon", "Gib zuerst eine Aufgabe ein und klicke auf „Eingabe“.")},
    {Msg::HintFinished, QT_TRANSLATE_NOOP("Zifferon", "Die Aufgabe ist fertig: hier ist nichts mehr zu schreiben.")},
    {Msg::HintNoHint, QT_TRANSLATE_NOOP("Zifferon", "Für diese Zeile gibt es keinen Tipp.")},
    {Msg::HintWriteDigit, QT_TRANSLATE_NOOP("Zifferon", "Schreibe die nächste Ziffer des Ergebnisses in das markierte Kästchen.")},
    {Msg::HintHowOften, QT_TRANSLATE_NOOP("Zifferon", "Wie oft passt %1 in %2?")},
    {Msg::HintWriteProduct, QT_TRANSLATE_NOOP("Zifferon", "Schreibe das Produkt in die markierten Kästchen.")},
    {Msg::HintWhatIsProduct, QT_TRANSLATE_NOOP("Zifferon", "Was ist %1 · %2?")},
    {Msg::HintNoDigit, QT_TRANSLATE_NOOP("Zifferon", "Im Ergebnis steht keine Ziffer: welche Ziffer gehört dorthin?")},
    {Msg::HintWriteRemainder, QT_TRANSLATE_NOOP("Zifferon", "Schreibe den Rest in die markierten Kästchen.")},
    {Msg::HintWhatRemains, QT_TRANSLATE_NOOP("Zifferon", "Was bleibt, wenn du %1 von %2 abziehst?")},
    {Msg::HintMultiple, QT_TRANSLATE_NOOP("Zifferon", "%1 · %2 = %3")},
    {Msg::HintNoMultiples, QT_TRANSLATE_NOOP("Zifferon", "Zum Divisor %1 gibt es keine Reihe.")},
    {Msg::HintMultiplesSpoken, QT_TRANSLATE_NOOP("Zifferon", "Reihe des Divisors: %1.")},
    {Msg::HintOutlined, QT_TRANSLATE_NOOP("Zifferon", "Markiert: %1.")},
    // The signs of the sentences as they are read aloud.
    {Msg::SpokenTimes, QT_TRANSLATE_NOOP("Zifferon", "mal")},
    {Msg::SpokenMinus, QT_TRANSLATE_NOOP("Zifferon", "minus")},
    {Msg::SpokenEquals, QT_TRANSLATE_NOOP("Zifferon", "ist")},
    // What a screen reader is told when the sheet changes.
    {Msg::RowReady, QT_TRANSLATE_NOOP("Zifferon", "%1. Produkt kann geprüft werden")},
    {Msg::RowReadyRemainder, QT_TRANSLATE_NOOP("Zifferon", "%1. Rest kann geprüft werden")},
    // The names of the window's controls as a screen reader says them.
    {Msg::ColumnUnits, QT_TRANSLATE_NOOP("Zifferon", "Einerspalte")},
    {Msg::ColumnTens, QT_TRANSLATE_NOOP("Zifferon", "Zehnerspalte")},
    {Msg::ColumnHundreds, QT_TRANSLATE_NOOP("Zifferon", "Hunderterspalte")},
    {Msg::ColumnThousands, QT_TRANSLATE_NOOP("Zifferon", "Tausenderspalte")},
    {Msg::ColumnTenThousands, QT_TRANSLATE_NOOP("Zifferon", "Zehntausenderspalte")},
    {Msg::ColumnHundredThousands, QT_TRANSLATE_NOOP("Zifferon", "Hunderttausenderspalte")},
    {Msg::ColumnNumbered, QT_TRANSLATE_NOOP("Zifferon", "Spalte %1")},
    {Msg::NameDividend, QT_TRANSLATE_NOOP("Zifferon", "Dividend")},
    {Msg::NameDivisor, QT_TRANSLATE_NOOP("Zifferon", "Divisor")},
    {Msg::NameTaskNote, QT_TRANSLATE_NOOP("Zifferon", "Hinweis zur Aufgabe")},
    {Msg::NameShown, QT_TRANSLATE_NOOP("Zifferon", "%1: %2")},
    {Msg::NameDividendLimit, QT_TRANSLATE_NOOP("Zifferon", "Höchste Stellenzahl des Dividenden: %1")},
    {Msg::NameDivisorLimit, QT_TRANSLATE_NOOP("Zifferon", "Höchste Stellenzahl des Divisors: %1")},
    {Msg::NameCheckRow, QT_TRANSLATE_NOOP("Zifferon", "Zeile %1 prüfen")},
    {Msg::NameErrorLine, QT_TRANSLATE_NOOP("Zifferon", "Fehlerzeile")},
    {Msg::NameRowErrors, QT_TRANSLATE_NOOP("Zifferon", "Fehler in Zeile %1")},
    {Msg::NameDividendCell, QT_TRANSLATE_NOOP("Zifferon", "Dividend, %1")},
    {Msg::NameDivisorCell, QT_TRANSLATE_NOOP("Zifferon", "Divisor, %1. Ziffer")},
    {Msg::NameQuotientCell, QT_TRANSLATE_NOOP("Zifferon", "Ergebnis, %1. Ziffer")},
    {Msg::NameProductCell, QT_TRANSLATE_NOOP("Zifferon", "%1. Produkt, %2")},
    {Msg::NameRemainderCell, QT_TRANSLATE_NOOP("Zifferon", "%1. Rest, %2")},
    // Read aloud on request.
    {Msg::ReadEmptyCell, QT_TRANSLATE_NOOP("Zifferon", "leer")},
    {Msg::ReadQuoted, QT_TRANSLATE_NOOP("Zifferon", "„%1“")},
    {Msg::RowProduct, QT_TRANSLATE_NOOP("Zifferon", "%1. Produkt")},
    {Msg::RowRemainder, QT_TRANSLATE_NOOP("Zifferon", "%1. Rest")},
    {Msg::ReadRow, QT_TRANSLATE_NOOP("Zifferon", "%1: %2")},
    {Msg::ReadVerdictKorrekt, QT_TRANSLATE_NOOP("Zifferon", ", korrekt")},
    {Msg::ReadVerdictFehler, QT_TRANSLATE_NOOP("Zifferon", ", Fehler")},
    {Msg::ReadVerdictPending, QT_TRANSLATE_NOOP("Zifferon", ", noch nicht geprüft")},
    {Msg::ReadStillEmpty, QT_TRANSLATE_NOOP("Zifferon", "noch leer.")},
    {Msg::ReadBroughtDown, QT_TRANSLATE_NOOP("Zifferon", ", heruntergeholt: %1")},
    {Msg::ReadUnderEmpty, QT_TRANSLATE_NOOP("Zifferon", ", unter leeren Kästchen")},
    {Msg::ReadUnder, QT_TRANSLATE_NOOP("Zifferon", ", unter %1")},
    {Msg::ReadNoQuotient, QT_TRANSLATE_NOOP("Zifferon", "Ergebnis: noch keine Ziffer.")},
    {Msg::ReadQuotientWithRemainder, QT_TRANSLATE_NOOP("Zifferon", "Ergebnis: %1 Rest %2.")},
    {Msg::ReadQuotientSoFar, QT_TRANSLATE_NOOP("Zifferon", "Ergebnis bisher: %1.")},
    {Msg::NextQuotientDigit, QT_TRANSLATE_NOOP("Zifferon", "Als Nächstes: die %1. Ziffer des Ergebnisses.")},
    {Msg::NextCheckProduct, QT_TRANSLATE_NOOP("Zifferon", "Als Nächstes: das %1. Produkt prüfen.")},
    {Msg::NextMendProduct, QT_TRANSLATE_NOOP("Zifferon", "Als Nächstes: das %1. Produkt verbessern.")},
    {Msg::NextWriteProduct, QT_TRANSLATE_NOOP("Zifferon", "Als Nächstes: das %1. Produkt schreiben.")},
    {Msg::NextCheckRemainder, QT_TRANSLATE_NOOP("Zifferon", "Als Nächstes: den %1. Rest prüfen.")},
    {Msg::NextMendRemainder, QT_TRANSLATE_NOOP("Zifferon", "Als Nächstes: den %1. Rest verbessern.")},
    {Msg::NextWriteRemainder, QT_TRANSLATE_NOOP("Zifferon", "Als Nächstes: den %1. Rest schreiben.")},
    {Msg::Sentence, QT_TRANSLATE_NOOP("Zifferon", "%1.")},
    {Msg::ReadNoTask, QT_TRANSLATE_NOOP("Zifferon", "Noch keine Aufgabe: schreibe oben den Dividenden und den Divisor hinein und wähle „Eingabe“.")},
    {Msg::ReadTask, QT_TRANSLATE_NOOP("Zifferon", "Aufgabe: %1 geteilt durch %2.")},
    // Task files.
    {Msg::Quoted, QT_TRANSLATE_NOOP("Zifferon", "„%1“")},
    {Msg::LoadFailedTitle, QT_TRANSLATE_NOOP("Zifferon", "Laden fehlgeschlagen")},
    {Msg::SaveFailedTitle, QT_TRANSLATE_NOOP("Zifferon", "Speichern fehlgeschlagen")},
    {Msg::FileTooShortOneByte, QT_TRANSLATE_NOOP("Zifferon", "Die Datei ist zu kurz (1 Byte, erwartet %1).")},
    {Msg::FileTooShort, QT_TRANSLATE_NOOP("Zifferon", "Die Datei ist zu kurz (%1 Bytes, erwartet %2).")},
    {Msg::LoadFailed, QT_TRANSLATE_NOOP("Zifferon", "Die Datei %1 kann nicht geladen werden.\n%2\n\nDas Blatt bleibt, wie es war.")},
    {Msg::SaveFailed, QT_TRANSLATE_NOOP("Zifferon", "Die Aufgabe kann nicht als %1 gespeichert werden.\n%2\n\nEine vorhandene Datei dieses Namens bleibt unverändert.")},
    {Msg::NotATaskFile, QT_TRANSLATE_NOOP("Zifferon", "Sie ist keine Aufgabendatei: %1")},
    {Msg::FileUnreadable, QT_TRANSLATE_NOOP("Zifferon", "Die Datei kann nicht gelesen werden: %1.")},
    {Msg::UnsavedBeforeNewTask, QT_TRANSLATE_NOOP("Zifferon", "Die Rechnung ist nicht gespeichert. Vor der neuen Aufgabe speichern?")},
    {Msg::UnsavedBeforeLoad, QT_TRANSLATE_NOOP("Zifferon", "Die Rechnung ist nicht gespeichert. Vor dem Laden speichern?")},
    {Msg::UnsavedBeforeClose, QT_TRANSLATE_NOOP("Zifferon", "Die Rechnung ist nicht gespeichert. Vor dem Beenden speichern?")},
    {Msg::FileMissing, QT_TRANSLATE_NOOP("Zifferon", "Die Datei existiert nicht.")},
    {Msg::FileIsFolder, QT_TRANSLATE_NOOP("Zifferon", "Das ist ein Ordner, keine Datei.")},
    {Msg::FileNotRegular, QT_TRANSLATE_NOOP("Zifferon", "Das ist keine gewöhnliche Datei.")},
    // What the system says when a file cannot be used.
    {Msg::SystemNotPermitted, QT_TRANSLATE_NOOP("Zifferon", "Vorgang nicht erlaubt")},
    {Msg::SystemNoSuchFile, QT_TRANSLATE_NOOP("Zifferon", "Datei oder Ordner nicht vorhanden")},
    {Msg::SystemInputOutput, QT_TRANSLATE_NOOP("Zifferon", "Ein- oder Ausgabefehler")},
    {Msg::SystemNoDevice, QT_TRANSLATE_NOOP("Zifferon", "Gerät nicht vorhanden")},
    {Msg::SystemBadAccess, QT_TRANSLATE_NOOP("Zifferon", "Ungültiger Zugriff")},
    {Msg::SystemNoMemory, QT_TRANSLATE_NOOP("Zifferon", "Nicht genug Arbeitsspeicher")},
    {Msg::SystemAccessDenied, QT_TRANSLATE_NOOP("Zifferon", "Zugriff verweigert")},
    {Msg::SystemBusy, QT_TRANSLATE_NOOP("Zifferon", "Die Datei wird gerade benutzt")},
    {Msg::SystemExists, QT_TRANSLATE_NOOP("Zifferon", "Die Datei existiert bereits")},
    {Msg::SystemOtherDrive, QT_TRANSLATE_NOOP("Zifferon", "Liegt auf einem anderen Datenträger")},
    {Msg::SystemNotADirectory, QT_TRANSLATE_NOOP("Zifferon", "Ein Teil des Pfads ist kein Ordner")},
    {Msg::SystemIsADirectory, QT_TRANSLATE_NOOP("Zifferon", "Das ist ein Ordner")},
    {Msg::SystemTooManyOpen, QT_TRANSLATE_NOOP("Zifferon", "Zu viele offene Dateien")},
    {Msg::SystemTooBig, QT_TRANSLATE_NOOP("Zifferon", "Die Datei ist zu groß")},
    {Msg::SystemNoSpace, QT_TRANSLATE_NOOP("Zifferon", "Kein Platz mehr auf dem Datenträger")},
    {Msg::SystemNotRegular, QT_TRANSLATE_NOOP("Zifferon", "Keine gewöhnliche Datei")},
    {Msg::SystemReadOnly, QT_TRANSLATE_NOOP("Zifferon", "Der Datenträger ist schreibgeschützt")},
    {Msg::SystemTooManyLinks, QT_TRANSLATE_NOOP("Zifferon", "Zu viele Verknüpfungen")},
    {Msg::SystemNameTooLong, QT_TRANSLATE_NOOP("Zifferon", "Der Name ist zu lang")},
    {Msg::SystemNotEmpty, QT_TRANSLATE_NOOP("Zifferon", "Der Ordner ist nicht leer")},
    {Msg::SystemLoop, QT_TRANSLATE_NOOP("Zifferon", "Zu viele Verknüpfungen hintereinander (Schleife)")},
    {Msg::SystemQuota, QT_TRANSLATE_NOOP("Zifferon", "Das Speicherkontingent ist erschöpft")},
    {Msg::SystemStale, QT_TRANSLATE_NOOP("Zifferon", "Die Netzwerkverbindung zur Datei ist veraltet")},
    {Msg::SystemTimedOut, QT_TRANSLATE_NOOP("Zifferon", "Zeitüberschreitung")},
    {Msg::SystemAgain, QT_TRANSLATE_NOOP("Zifferon", "Vorübergehend nicht verfügbar")},
    {Msg::SystemInterrupted, QT_TRANSLATE_NOOP("Zifferon", "Unterbrochen")},
    {Msg::SystemOverflow, QT_TRANSLATE_NOOP("Zifferon", "Der Wert ist zu groß")},
    {Msg::SystemNotSupported, QT_TRANSLATE_NOOP("Zifferon", "Wird hier nicht unterstützt")},
    {Msg::SystemOther, QT_TRANSLATE_NOOP("Zifferon", "Systemfehler %1")},
    // Why a file is no task file.
    {Msg::RecordWhere, QT_TRANSLATE_NOOP("Zifferon", " (Byte %1, Datensatz %2, Stelle %3)")},
    {Msg::RecordJudgedFlag, QT_TRANSLATE_NOOP("Zifferon", "Die Angabe, ob Rechenzeile %1 bewertet ist, ist weder „0“ noch „1“%2.")},
    {Msg::RecordCountFlag, QT_TRANSLATE_NOOP("Zifferon", "Die Angabe, ob die Fehlversuche der Rechenzeile %1 zu sehen sind, ist weder „0“ noch „1“%2.")},
    {Msg::RecordInDividend, QT_TRANSLATE_NOOP("Zifferon", "Im Dividenden")},
    {Msg::RecordInDivisor, QT_TRANSLATE_NOOP("Zifferon", "Im Divisor")},
    {Msg::RecordInQuotient, QT_TRANSLATE_NOOP("Zifferon", "Im Ergebnis")},
    {Msg::RecordInRow, QT_TRANSLATE_NOOP("Zifferon", "In Rechenzeile %1")},
    {Msg::RecordControlChar, QT_TRANSLATE_NOOP("Zifferon", "%1 steht ein unsichtbares Steuerzeichen (%2)%3.")},
    // Worksheets.
    {Msg::NothingSaved, QT_TRANSLATE_NOOP("Zifferon", "%1: %2. Es wurde nichts gespeichert.")},
    {Msg::FolderNotMade, QT_TRANSLATE_NOOP("Zifferon", "Der Ordner %1 kann nicht angelegt werden")},
    {Msg::FileNotWritten, QT_TRANSLATE_NOOP("Zifferon", "Die Datei %1 kann nicht geschrieben werden")},
    {Msg::FileNotSaved, QT_TRANSLATE_NOOP("Zifferon", "Die Datei %1 kann nicht gespeichert werden")},
    {Msg::FolderMissing, QT_TRANSLATE_NOOP("Zifferon", "Der Ordner %1 existiert nicht.")},
    {Msg::NotAFolder, QT_TRANSLATE_NOOP("Zifferon", "%1 ist kein Ordner.")},
    {Msg::FolderNotWritable, QT_TRANSLATE_NOOP("Zifferon", "In den Ordner %1 kann nicht geschrieben werden.")},
    {Msg::NoPdfGiven, QT_TRANSLATE_NOOP("Zifferon", "Es ist keine PDF-Datei angegeben.")},
    {Msg::PdfLinkDangling, QT_TRANSLATE_NOOP("Zifferon", "%1 verweist auf etwas, das es nicht gibt.")},
    {Msg::PdfIsFolder, QT_TRANSLATE_NOOP("Zifferon", "%1 ist ein Ordner, keine Datei.")},
    {Msg::PdfNotRegular, QT_TRANSLATE_NOOP("Zifferon", "%1 ist keine gewöhnliche Datei.")},
    {Msg::PdfNotWritable, QT_TRANSLATE_NOOP("Zifferon", "%1 kann nicht überschrieben werden.")},
    {Msg::NoTaskFolderGiven, QT_TRANSLATE_NOOP("Zifferon", "Es ist kein Ordner für die Aufgabendateien angegeben.")},
    {Msg::TaskFileExists, QT_TRANSLATE_NOOP("Zifferon", "Im Ordner %1 liegt schon %2; vorhandene Aufgabendateien werden nicht überschrieben. Wähle einen anderen Ordner.")},
    {Msg::PdfWouldBeTaskFile, QT_TRANSLATE_NOOP("Zifferon", "Die PDF-Datei %1 wäre die Aufgabendatei %2. Wähle für das PDF einen anderen Namen.")},
    // Kinds of task "nächste Aufgabe" and the worksheets draw.
    {Msg::KindGemischt, QT_TRANSLATE_NOOP("Zifferon", "gemischt")},
    {Msg::KindOhneRest, QT_TRANSLATE_NOOP("Zifferon", "ohne Rest")},
    {Msg::KindMitRest, QT_TRANSLATE_NOOP("Zifferon", "mit Rest")},
    {Msg::KindNullImErgebnis, QT_TRANSLATE_NOOP("Zifferon", "Null im Ergebnis")},
    {Msg::KindEinstelligerDivisor, QT_TRANSLATE_NOOP("Zifferon", "einstelliger Divisor")},
    {Msg::KindSchwerZuSchaetzen, QT_TRANSLATE_NOOP("Zifferon", "schwer zu schätzen")},
    {Msg::KindVieleEntbuendelungen, QT_TRANSLATE_NOOP("Zifferon", "viele Entbündelungen")},
    {Msg::HandoutTaskCount, QT_TRANSLATE_NOOP("Zifferon", "Ein Arbeitsblatt hat 1 bis 20 Aufgaben.")},
    {Msg::HandoutOneDigit, QT_TRANSLATE_NOOP("Zifferon", "Mit höchstens 1 Stelle im Dividenden ist kein Dividend so groß wie ein Divisor (ab 11).")},
    {Msg::HandoutDividendDigits, QT_TRANSLATE_NOOP("Zifferon", "Der Dividend hat höchstens 2 bis 6 Stellen.")},
    {Msg::HandoutDivisorDigits, QT_TRANSLATE_NOOP("Zifferon", "Der Divisor hat höchstens 2 oder 3 Stellen.")},
    {Msg::HandoutSeed, QT_TRANSLATE_NOOP("Zifferon", "Die Nummer des Blatts liegt zwischen 0 und 999999.")},
    {Msg::HandoutKindDigits, QT_TRANSLATE_NOOP("Zifferon", "Für „%1“ hat der Dividend höchstens %2 bis 6 Stellen.")},
    {Msg::HandoutTooFew, QT_TRANSLATE_NOOP("Zifferon", "Es lassen sich nicht genug verschiedene Aufgaben ziehen.")},
    {Msg::SolutionWithRemainder, QT_TRANSLATE_NOOP("Zifferon", "%1 Rest %2")},
    // The class overview.
    {Msg::FolderUnreadableHere, QT_TRANSLATE_NOOP("Zifferon", "Der Ordner kann nicht gelesen werden: %1.")},
    {Msg::FolderUnreadable, QT_TRANSLATE_NOOP("Zifferon", "Der Ordner %1 kann nicht gelesen werden: %2.")},
    {Msg::OverviewNotPrinted, QT_TRANSLATE_NOOP("Zifferon", "Die Übersicht kann nicht ausgegeben werden.")},
    {Msg::MistakeEinmaleins, QT_TRANSLATE_NOOP("Zifferon", "Einmaleins")},
    {Msg::MistakeAbziehen, QT_TRANSLATE_NOOP("Zifferon", "Abziehen")},
    {Msg::MistakeZifferZuGross, QT_TRANSLATE_NOOP("Zifferon", "Ziffer zu groß")},
    {Msg::MistakeZifferZuKlein, QT_TRANSLATE_NOOP("Zifferon", "Ziffer zu klein")},
    {Msg::MistakeStellenwert, QT_TRANSLATE_NOOP("Zifferon", "Stellenwert")},
    {Msg::SummaryNoKinds, QT_TRANSLATE_NOOP("Zifferon", "Fehler der Klasse nach Art: keine Datei nennt die Art ihrer Fehler.")},
    {Msg::SummaryCounts, QT_TRANSLATE_NOOP("Zifferon", "Fehler der Klasse nach Art: %1")},
    {Msg::SummaryCount, QT_TRANSLATE_NOOP("Zifferon", "%1 %2")},
    {Msg::SummaryNone, QT_TRANSLATE_NOOP("Zifferon", "%1. Keine Fehler.")},
    {Msg::SummaryMost, QT_TRANSLATE_NOOP("Zifferon", "%1 (zusammen %2). Am häufigsten: %3.")},
    {Msg::SummaryAnd, QT_TRANSLATE_NOOP("Zifferon", "%1 und %2")},
    // The command line.
    {Msg::OptionWorksheet, QT_TRANSLATE_NOOP("Zifferon", "--worksheet erwartet eine Zahl von 1 bis 20, nicht %1.")},
    {Msg::OptionDigits, QT_TRANSLATE_NOOP("Zifferon", "--digits erwartet D,E mit D von 2 bis 6 (Dividend) und E von 2 bis 3 (Divisor), nicht %1.")},
    {Msg::OptionSeed, QT_TRANSLATE_NOOP("Zifferon", "--seed erwartet eine Zahl von 0 bis 999999, nicht %1.")},
    {Msg::OptionKind, QT_TRANSLATE_NOOP("Zifferon", "--kind erwartet gemischt, ohne-rest, mit-rest, null-im-ergebnis, einstelliger-divisor, schwer-zu-schaetzen oder viele-entbuendelungen, nicht %1.")},
    {Msg::OptionForMistake, QT_TRANSLATE_NOOP("Zifferon", "--for-mistake erwartet einmaleins, abziehen, ziffer-zu-gross, ziffer-zu-klein oder stellenwert, nicht %1.")},
    {Msg::OptionWantsFile, QT_TRANSLATE_NOOP("Zifferon", "%1 erwartet einen Dateinamen.")},
    {Msg::OptionWantsFolder, QT_TRANSLATE_NOOP("Zifferon", "%1 erwartet einen Ordner.")},
    {Msg::OptionValueIsOption, QT_TRANSLATE_NOOP("Zifferon", "Zu %1 fehlt der Wert; %2 ist eine Option. Ein Name, der mit „--“ beginnt, geht als %1=NAME.")},
    {Msg::OnlyOneFile, QT_TRANSLATE_NOOP("Zifferon", "Es kann nur eine Aufgabendatei geöffnet werden.")},
    {Msg::OptionNoValue, QT_TRANSLATE_NOOP("Zifferon", "Zu %1 fehlt der Wert.")},
    {Msg::ReportNeedsFolder, QT_TRANSLATE_NOOP("Zifferon", "--report braucht einen Ordner.")},
    {Msg::UnknownOption, QT_TRANSLATE_NOOP("Zifferon", "Unbekannte Option: %1")},
    {Msg::ReportOpensNoFile, QT_TRANSLATE_NOOP("Zifferon", "--report öffnet keine Aufgabendatei.")},
    {Msg::ReportAndOption, QT_TRANSLATE_NOOP("Zifferon", "--report und %1 lassen sich nicht verbinden.")},
    {Msg::OptionOnlyWithWorksheet, QT_TRANSLATE_NOOP("Zifferon", "%1 gilt nur zusammen mit --worksheet.")},
    {Msg::WorksheetOpensNoFile, QT_TRANSLATE_NOOP("Zifferon", "Mit --worksheet wird keine Aufgabendatei geöffnet.")},
    {Msg::WorksheetNeedsPdf, QT_TRANSLATE_NOOP("Zifferon", "Zu --worksheet fehlt --pdf DATEI.")},
    {Msg::KindAndForMistake, QT_TRANSLATE_NOOP("Zifferon", "--kind und --for-mistake lassen sich nicht verbinden.")},
    {Msg::WrongUsage, QT_TRANSLATE_NOOP("Zifferon", "zifferon: %1\nMehr: zifferon --help\n")},
    {Msg::CommandLineHelp, QT_TRANSLATE_NOOP("Zifferon",
        "Aufruf: zifferon [DATEI]\n"
        "       zifferon --worksheet N --pdf DATEI [--digits D,E] [--seed S] [--answers]\n"
        "                [--kind ART | --for-mistake FEHLER] [--task-files ORDNER]\n"
        "                [--ueberschlag] [--probe]\n"
        "       zifferon --report ORDNER\n"
        "Schriftliche Division üben, wie sie im Rechenheft steht.\n"
        "\n"
        "  DATEI                öffnet die Aufgabendatei (.AUF) gleich beim Start\n"
        "  --help, -h           zeigt diese Hilfe\n"
        "  --version            zeigt die Version\n"
        "\n"
        "Arbeitsblatt ohne Fenster:\n"
        "  --worksheet N        N Aufgaben (1 bis 20), je 4 auf einer Seite\n"
        "  --pdf DATEI          schreibt das Arbeitsblatt als PDF in DATEI\n"
        "  --digits D,E         höchstens D Stellen im Dividenden (2 bis 6) und E im\n"
        "                       Divisor (2 bis 3), sonst 4,2\n"
        "  --seed S             Nummer des Blatts (0 bis 999999): dieselbe Nummer gibt\n"
        "                       dieselben Aufgaben; ohne sie wird eine gezogen\n"
        "  --kind ART           Aufgabenart: gemischt (sonst), ohne-rest, mit-rest,\n"
        "                       null-im-ergebnis (Dividend ab 3 Stellen),\n"
        "                       einstelliger-divisor, schwer-zu-schaetzen,\n"
        "                       viele-entbuendelungen\n"
        "  --for-mistake FEHLER Übungsblatt zu einer Fehlerart: einmaleins\n"
        "                       (einstelliger-divisor), abziehen (viele-entbuendelungen),\n"
        "                       ziffer-zu-gross, ziffer-zu-klein (schwer-zu-schaetzen),\n"
        "                       stellenwert (null-im-ergebnis)\n"
        "  --answers            hängt das Lösungsblatt an\n"
        "  --task-files ORDNER  speichert jede Aufgabe als Aufgabendatei in ORDNER\n"
        "  --ueberschlag        verlangt zu jeder Aufgabe den Überschlag: Platz dafür\n"
        "                       auf dem Blatt, die Aufgabendateien fragen ihn ab\n"
        "  --probe              verlangt zu jeder Aufgabe die Probe, ebenso\n"
        "\n"
        "Klassenübersicht ohne Fenster:\n"
        "  --report ORDNER      schreibt die Übersicht der Aufgabendateien im ORDNER\n"
        "                       und seinen Unterordnern als CSV auf die Ausgabe\n")},
    {Msg::FileNotCreated, QT_TRANSLATE_NOOP("Zifferon", "Die Datei kann nicht angelegt werden: %1.")},
    {Msg::FileWrittenInPart, QT_TRANSLATE_NOOP("Zifferon", "Die Datei kann nicht vollständig geschrieben werden%1.")},
    {Msg::FileNotWrittenBecause, QT_TRANSLATE_NOOP("Zifferon", "Die Datei kann nicht geschrieben werden: %1.")},
    {Msg::Caption, QT_TRANSLATE_NOOP("Zifferon", "Schriftliche Zifferon")},
    {Msg::EstimateQuestion, QT_TRANSLATE_NOOP("Zifferon", "Wie viele Stellen hat das Ergebnis?")},
    {Msg::EstimateAbout, QT_TRANSLATE_NOOP("Zifferon", "etwa")},
    {Msg::ProbeTimesCaption, QT_TRANSLATE_NOOP("Zifferon", "%1 · %2 =")},
    {Msg::ProbePlusCaption, QT_TRANSLATE_NOOP("Zifferon", "+ %1 =")},
    {Msg::EstimateEmpty, QT_TRANSLATE_NOOP("Zifferon", "Schreibe zuerst, wie viele Stellen das Ergebnis hat.")},
    {Msg::EstimateFirstFits, QT_TRANSLATE_NOOP("Zifferon", "%1 passt zuerst in %2. Die erste Ziffer des Ergebnisses gehört also zur %3.")},
    {Msg::EstimateQuotientZero, QT_TRANSLATE_NOOP("Zifferon", "%1 passt nicht in %2: das Ergebnis ist 0, und das ist eine Stelle.")},
    {Msg::EstimateTooFar, QT_TRANSLATE_NOOP("Zifferon", "%1 liegt zu weit weg. Runde so, dass du leicht teilen kannst, zum Beispiel %2 : %3 = %4.")},
    {Msg::ProbeEmpty, QT_TRANSLATE_NOOP("Zifferon", "Schreibe zuerst die Zahlen in die Kästchen der Probe.")},
    {Msg::ProbeAfterEnd, QT_TRANSLATE_NOOP("Zifferon", "Die Probe kommt, wenn die Aufgabe fertig gerechnet ist.")},
    {Msg::ProbeFirstLine, QT_TRANSLATE_NOOP("Zifferon", "Zuerst muss die erste Zeile der Probe stimmen.")},
    {Msg::ProbeCarryProduct, QT_TRANSLATE_NOOP("Zifferon", "Vor das Plus gehört das Ergebnis von %1 · %2 aus der Zeile darüber.")},
    {Msg::ProbeSum, QT_TRANSLATE_NOOP("Zifferon", "%1 + %2 ist nicht %3: rechne das Zusammenzählen noch einmal nach.")},
    {Msg::ProbeRight, QT_TRANSLATE_NOOP("Zifferon", "Die Probe ergibt %1, die Aufgabe heißt %2: stimmt.")},
    // The Überschlag and the Probe for the screen reader, in hints and read aloud.
    {Msg::NameEstimateDigits, QT_TRANSLATE_NOOP("Zifferon", "Überschlag: Wie viele Stellen hat das Ergebnis?")},
    {Msg::NameEstimateAbout, QT_TRANSLATE_NOOP("Zifferon", "Überschlag: etwa, gerundetes Ergebnis, freiwillig")},
    {Msg::NameProbe, QT_TRANSLATE_NOOP("Zifferon", "Probe: %1")},
    {Msg::NameProbeTimesHidden, QT_TRANSLATE_NOOP("Zifferon", "Ergebnis mal Divisor gleich")},
    {Msg::NameProbeAgain, QT_TRANSLATE_NOOP("Zifferon", "Probe: das Produkt noch einmal")},
    {Msg::NameProbePlusHidden, QT_TRANSLATE_NOOP("Zifferon", "plus Rest gleich")},
    {Msg::NameCheckEstimate, QT_TRANSLATE_NOOP("Zifferon", "Prüfung Überschlag")},
    {Msg::NameCheckProbeFirst, QT_TRANSLATE_NOOP("Zifferon", "Prüfung Probe, erste Zeile")},
    {Msg::NameCheckProbeSecond, QT_TRANSLATE_NOOP("Zifferon", "Prüfung Probe, zweite Zeile")},
    {Msg::NameEstimateErrors, QT_TRANSLATE_NOOP("Zifferon", "Fehler im Überschlag")},
    {Msg::NameProbeFirstErrors, QT_TRANSLATE_NOOP("Zifferon", "Fehler in der Probe, erste Zeile")},
    {Msg::NameProbeSecondErrors, QT_TRANSLATE_NOOP("Zifferon", "Fehler in der Probe, zweite Zeile")},
    {Msg::SpokenPlus, QT_TRANSLATE_NOOP("Zifferon", "plus")},
    {Msg::SpokenDivided, QT_TRANSLATE_NOOP("Zifferon", "geteilt durch")},
    {Msg::SpokenEqualsSign, QT_TRANSLATE_NOOP("Zifferon", "gleich")},
    {Msg::EstimateReady, QT_TRANSLATE_NOOP("Zifferon", "Der Überschlag kann geprüft werden.")},
    {Msg::ProbeReady, QT_TRANSLATE_NOOP("Zifferon", "Die Probe kann geprüft werden.")},
    {Msg::ProbeComes, QT_TRANSLATE_NOOP("Zifferon", "Jetzt kommt die Probe.")},
    {Msg::HintEstimateWrite, QT_TRANSLATE_NOOP("Zifferon", "Überschlage zuerst: Wie viele Stellen hat das Ergebnis? Schau auf die markierten Ziffern des Dividenden.")},
    {Msg::HintEstimateWhere, QT_TRANSLATE_NOOP("Zifferon", "In welche Zahl am Anfang des Dividenden passt %1 zuerst?")},
    {Msg::HintEstimateCount, QT_TRANSLATE_NOOP("Zifferon", "%1 passt zuerst in %2. Über der %3 steht die erste Ziffer des Ergebnisses: zähle, wie viele Ziffern des Dividenden von dort bis zum Ende stehen.")},
    {Msg::HintProbeWrite, QT_TRANSLATE_NOOP("Zifferon", "Schreibe die Probe in die markierten Kästchen.")},
    {Msg::HintProbeSum, QT_TRANSLATE_NOOP("Zifferon", "Was ist %1 + %2?")},
    {Msg::HintProbeWay, QT_TRANSLATE_NOOP("Zifferon", "Rechne %1 · %2 und zähle dann den Rest %3 dazu: Das Ergebnis muss %4 sein.")},
    {Msg::ReadEstimate, QT_TRANSLATE_NOOP("Zifferon", "Überschlag: %1 Stellen")},
    {Msg::ReadEstimateEmpty, QT_TRANSLATE_NOOP("Zifferon", "Überschlag: Stellen noch leer")},
    {Msg::ReadEstimateAbout, QT_TRANSLATE_NOOP("Zifferon", ", etwa %1")},
    {Msg::ReadProbeFirst, QT_TRANSLATE_NOOP("Zifferon", "Probe: %1 %2")},
    {Msg::ReadProbeSecond, QT_TRANSLATE_NOOP("Zifferon", "Probe, zweite Zeile: %1 %2 %3")},
    {Msg::NextEstimate, QT_TRANSLATE_NOOP("Zifferon", "Als Nächstes: der Überschlag.")},
    {Msg::NextProbe, QT_TRANSLATE_NOOP("Zifferon", "Als Nächstes: die Probe.")},
    {Msg::HandoutEstimate, QT_TRANSLATE_NOOP("Zifferon", "Überschlag: %1 Stellen, etwa %2")},
    {Msg::HandoutEstimateOneDigit, QT_TRANSLATE_NOOP("Zifferon", "Überschlag: 1 Stelle, etwa %1")},
    {Msg::HandoutProbeTimes, QT_TRANSLATE_NOOP("Zifferon", "Probe: %1 · %2 = %3")},
    {Msg::HandoutProbePlus, QT_TRANSLATE_NOOP("Zifferon", "%1 + %2 = %3")},
};
// clang-format on

static_assert(std::size(kEntries) == static_cast<std::size_t>(Msg::Count),
              "every message has its German text");

constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(kEntries); ++i) {
        if (static_cast<std::size_t>(kEntries[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inOrder(), "the table lists the messages in the order of Msg");

} // namespace

MessageSource messageSource(Msg id) {
    return {"Zifferon", kEntries[static_cast<std::size_t>(id)].source};
}

} // namespace zifferon
