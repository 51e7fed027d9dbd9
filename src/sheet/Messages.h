// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The names of the program's sentences; their German text is in
// MessageTable.cpp, in the same order.

namespace zifferon {

enum class Msg {
    // The window's captions.
    Korrekt,
    Pending,
    Fehler,
    Beendet,
    Eingabe,
    NaechsteAufgabe,
    Maximal,
    Stellen,
    MenuDatei,
    MenuLaden,
    MenuSpeichern,

    // Why a task cannot be worked.
    TaskNoDividend,
    TaskDividendDigits,
    TaskNoDivisor,
    TaskDivisorDigits,
    TaskDivisorZero,
    TaskDividendZero,
    TaskQuotientTooLong,

    // Why a row gets no verdict.
    RowNotYet,
    RowTaskFinished,
    RowNoTask,

    // Why a row is wrong.
    ReasonNotADigit,
    ReasonStray,
    ReasonGap,
    ReasonBroughtDown,
    ReasonRemainderTooFarLeft,
    ReasonRemainderTooFarRight,
    ReasonProductTooFarLeft,
    ReasonProductTooFarRight,
    ReasonSubtraction,
    ReasonZeroTooFarLeft,
    ReasonZeroTooFarRight,
    ReasonDoesNotFit,
    ReasonFitsTenTimes,
    ReasonNoDivisor,
    ReasonDigitTooBig,
    ReasonFirstZeroTooSmall,
    ReasonDigitTooSmall,
    ReasonMultiplication,
    Times,

    // Hints.
    HintNoTask,
    HintFinished,
    HintNoHint,
    HintWriteDigit,
    HintHowOften,
    HintWriteProduct,
    HintWhatIsProduct,
    HintNoDigit,
    HintWriteRemainder,
    HintWhatRemains,
    HintMultiple,
    HintNoMultiples,
    HintMultiplesSpoken,
    HintOutlined,

    // The signs of the sentences as they are read aloud.
    SpokenTimes,
    SpokenMinus,
    SpokenEquals,

    // What a screen reader is told when the sheet changes.
    RowReady,
    RowReadyRemainder,

    // The names of the window's controls as a screen reader says them.
    ColumnUnits,
    ColumnTens,
    ColumnHundreds,
    ColumnThousands,
    ColumnTenThousands,
    ColumnHundredThousands,
    ColumnNumbered,
    NameDividend,
    NameDivisor,
    NameTaskNote,
    NameShown,
    NameDividendLimit,
    NameDivisorLimit,
    NameCheckRow,
    NameErrorLine,
    NameRowErrors,
    NameDividendCell,
    NameDivisorCell,
    NameQuotientCell,
    NameProductCell,
    NameRemainderCell,

    // Read aloud on request.
    ReadEmptyCell,
    ReadQuoted,
    RowProduct,
    RowRemainder,
    ReadRow,
    ReadVerdictKorrekt,
    ReadVerdictFehler,
    ReadVerdictPending,
    ReadStillEmpty,
    ReadBroughtDown,
    ReadUnderEmpty,
    ReadUnder,
    ReadNoQuotient,
    ReadQuotientWithRemainder,
    ReadQuotientSoFar,
    NextQuotientDigit,
    NextCheckProduct,
    NextMendProduct,
    NextWriteProduct,
    NextCheckRemainder,
    NextMendRemainder,
    NextWriteRemainder,
    Sentence,
    ReadNoTask,
    ReadTask,

    Count
};

} // namespace zifferon
