<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>ClassOverviewWindow</name>
    <message>
        <source>Klassenübersicht – %1</source>
        <translation>Class overview – %1</translation>
    </message>
    <message>
        <source>1 Datei</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>%1 Dateien</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source>Ordner: %1 (%2, nur gelesen)</source>
        <translation>Folder: %1 (%2, read only)</translation>
    </message>
    <message>
        <source>Als &amp;CSV speichern ...</source>
        <translation>Save as &amp;CSV ...</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>&amp;Print ...</translation>
    </message>
    <message>
        <source>Als &amp;PDF exportieren ...</source>
        <translation>Export as &amp;PDF ...</translation>
    </message>
    <message>
        <source>Aufgabendateien der Klasse</source>
        <translation>The class&apos;s task files</translation>
    </message>
    <message>
        <source>Dat&amp;eien</source>
        <translation>&amp;Files</translation>
    </message>
    <message>
        <source>&amp;Kinder</source>
        <translation>&amp;Children</translation>
    </message>
    <message>
        <source>Übungsblatt dazu …</source>
        <translation>Practice sheet for it …</translation>
    </message>
    <message>
        <source>Übungsblatt zu %1</source>
        <translation>Practice sheet for %1</translation>
    </message>
    <message>
        <source>Arbeitsblatt mit Aufgaben „%1“</source>
        <translation>Worksheet with tasks “%1”</translation>
    </message>
    <message>
        <source>Fehlerarten je Kind</source>
        <translation>Kinds of mistake per child</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Child</translation>
    </message>
    <message>
        <source>Dateien</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>%1: in wie vielen Dateien des Kindes</source>
        <translation>%1: in how many of the child&apos;s files</translation>
    </message>
    <message>
        <source>Als CSV speichern</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>Klassenübersicht.csv</source>
        <translation>Class overview.csv</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>gespeichert</source>
        <translation>saved</translation>
    </message>
    <message>
        <source>Klassenübersicht</source>
        <translation>Class overview</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Die Übersicht kann nicht gedruckt werden.
%1</source>
        <translation>The overview cannot be printed.
%1</translation>
    </message>
    <message>
        <source>Als PDF exportieren</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>Klassenübersicht.pdf</source>
        <translation>Class overview.pdf</translation>
    </message>
    <message>
        <source>PDF-Dokumente (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>exportiert</source>
        <translation>exported</translation>
    </message>
    <message>
        <source>Die Übersicht kann nicht als „%1“ %2 werden.
%3</source>
        <translation>The overview cannot be %2 as “%1”.
%3</translation>
    </message>
</context>
<context>
    <name>HandoutDialog</name>
    <message>
        <source>Arbeitsblatt nicht erstellt</source>
        <translation>Worksheet not made</translation>
    </message>
    <message>
        <source>Arbeitsblatt erstellen</source>
        <translation>Make a worksheet</translation>
    </message>
    <message>
        <source>Anzahl der Aufgaben</source>
        <translation>Number of tasks</translation>
    </message>
    <message>
        <source>Stellen des Dividenden</source>
        <translation>Digits of the dividend</translation>
    </message>
    <message>
        <source>Stellen des Divisors</source>
        <translation>Digits of the divisor</translation>
    </message>
    <message>
        <source>Nummer des Blatts</source>
        <translation>Number of the sheet</translation>
    </message>
    <message>
        <source>Dieselbe Nummer gibt wieder dieselben Aufgaben.</source>
        <translation>The same number gives the same tasks again.</translation>
    </message>
    <message>
        <source>&amp;Neue Nummer</source>
        <translation>&amp;New number</translation>
    </message>
    <message>
        <source>Aufgabenart</source>
        <translation>Kind of task</translation>
    </message>
    <message>
        <source>&amp;Lösungsblatt anhängen</source>
        <translation>Append the &amp;answer sheet</translation>
    </message>
    <message>
        <source>Aufgaben als &amp;Dateien speichern</source>
        <translation>Save the tasks as &amp;files</translation>
    </message>
    <message>
        <source>Ordner für die Aufgabendateien</source>
        <translation>Folder for the task files</translation>
    </message>
    <message>
        <source>&amp;Ordner wählen ...</source>
        <translation>Choose &amp;folder ...</translation>
    </message>
    <message>
        <source>Di&amp;vidend</source>
        <translation>Di&amp;vidend</translation>
    </message>
    <message>
        <source>Div&amp;isor</source>
        <translation>Div&amp;isor</translation>
    </message>
    <message>
        <source>&amp;Aufgaben:</source>
        <translation>&amp;Tasks:</translation>
    </message>
    <message>
        <source>Stellen höchstens:</source>
        <translation>Digits at most:</translation>
    </message>
    <message>
        <source>Aufgabenar&amp;t:</source>
        <translation>&amp;Kind of task:</translation>
    </message>
    <message>
        <source>Nu&amp;mmer des Blatts:</source>
        <translation>Nu&amp;mber of the sheet:</translation>
    </message>
    <message>
        <source>O&amp;rdner:</source>
        <translation>Fo&amp;lder:</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern ...</source>
        <translation>Save as &amp;PDF ...</translation>
    </message>
    <message>
        <source>Dr&amp;ucken ...</source>
        <translation>P&amp;rint ...</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Arbeitsblatt %1</source>
        <translation>Worksheet %1</translation>
    </message>
    <message>
        <source>Das Arbeitsblatt steht in „%1“.</source>
        <translation>The worksheet is in “%1”.</translation>
    </message>
    <message>
        <source>Die Aufgabendateien stehen im Ordner „%1“.</source>
        <translation>The task files are in the folder “%1”.</translation>
    </message>
    <message>
        <source>Arbeitsblatt erstellt</source>
        <translation>Worksheet made</translation>
    </message>
    <message>
        <source>Das Arbeitsblatt kann nicht als „%1“ gespeichert werden.
%2</source>
        <translation>The worksheet cannot be saved as “%1”.
%2</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Das Arbeitsblatt kann nicht gedruckt werden.
</source>
        <translation>The worksheet cannot be printed.
</translation>
    </message>
    <message>
        <source>Übers&amp;chlag verlangen</source>
        <translation>Ask for the &amp;estimate</translation>
    </message>
    <message>
        <source>Pro&amp;be verlangen</source>
        <translation>Ask for the chec&amp;k</translation>
    </message>
</context>
<context>
    <name>HandoutPrinter</name>
    <message>
        <source>Arbeitsblatt %1</source>
        <translation>Worksheet %1</translation>
    </message>
    <message>
        <source>Lösungen zum %1</source>
        <translation>Answers to %1</translation>
    </message>
    <message>
        <source>: Schriftlich dividieren</source>
        <translation>: Long division</translation>
    </message>
    <message>
        <source>Name: ____________________</source>
        <translation>Name: ____________________</translation>
    </message>
    <message>
        <source>Aufgabe %1:  %2</source>
        <translation>Task %1:  %2</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Überschlag: ___ Stellen, etwa ______</source>
        <translation>Estimate: ___ digits, about ______</translation>
    </message>
    <message>
        <source>Probe: ______ · ______ = ______</source>
        <translation>Check: ______ · ______ = ______</translation>
    </message>
    <message>
        <source>______ + ______ = ______</source>
        <translation>______ + ______ = ______</translation>
    </message>
</context>
<context>
    <name>HintWindow</name>
    <message>
        <source>Tipp</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Drücke F1 für einen Tipp zum nächsten Schritt.</source>
        <translation>Press F1 for a hint on the next step.</translation>
    </message>
    <message>
        <source>Benutzte Tipps seit der letzten Eingabe: %1</source>
        <translation>Hints used since the last Enter: %1</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Tipp</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Wie geht das?</source>
        <translation>&amp;How does it work?</translation>
    </message>
    <message>
        <source>Wie geht das?</source>
        <translation>How does it work?</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Wie geht das?&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Aufgabe:&lt;/b&gt; Schreibe oben den Dividenden und den Divisor in die zwei Felder und klicke auf &lt;b&gt;Eingabe&lt;/b&gt;. &lt;b&gt;nächste Aufgabe&lt;/b&gt; denkt sich eine Aufgabe aus; ein Klick auf die Zahlen neben „maximal“ ändert, wie viele Stellen sie hat.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Rechnen:&lt;/b&gt; Schreibe die erste Ziffer des Ergebnisses in das erste Kästchen hinter der Aufgabe und drücke &lt;b&gt;Enter&lt;/b&gt;. Schreibe dann das Produkt unter die Zahl, von der du es abziehst, eine Ziffer in jedes Kästchen: der Cursor steht schon da, wo seine erste Ziffer hingehört.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Prüfen:&lt;/b&gt; Drücke &lt;b&gt;Enter&lt;/b&gt; in der Zeile oder klicke auf das gelbe „korrekt?“ daneben. Grün „korrekt“ heißt: richtig. Rot „Fehler“ heißt: da stimmt etwas nicht; zeige mit der Maus auf „Fehler“, dann steht da, was nicht passt.&lt;/p&gt;&lt;p&gt;Nach einem richtigen Produkt springt der Cursor dorthin, wo der Rest hingehört. Schreibe den Rest und lass ihn genauso prüfen. Die nächste Ziffer kommt von selbst herunter, und es geht mit der nächsten Ziffer des Ergebnisses weiter, bis „Berechnung beendet“ erscheint. Mit den Pfeiltasten oder der Maus kommst du in jedes andere Kästchen.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Tipp:&lt;/b&gt; Drücke &lt;b&gt;F1&lt;/b&gt; (Hilfe → Tipp). Jedes Mal hilft es ein Stück mehr: zuerst werden die Kästchen markiert, dann kommt eine Frage, dann die Reihe des Divisors.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Vorlesen&lt;/b&gt; (Hilfe → Vorlesen): &lt;b&gt;F2&lt;/b&gt; liest die Aufgabe vor, &lt;b&gt;F3&lt;/b&gt; die Zeile, in der du gerade schreibst, mit ihren Zahlen, und &lt;b&gt;F4&lt;/b&gt; die ganze Rechnung bis jetzt und was als Nächstes kommt. Der Text steht auch kurz unter dem Kästchen. Sobald eine Zeile „korrekt?“ zeigt, sagt ein Bildschirmleser einmal, dass sie geprüft werden kann.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Überschlag und Probe:&lt;/b&gt; Rechts neben der Rechnung fragt das Blatt zuerst: „Wie viele Stellen hat das Ergebnis?“ Schreibe die Zahl und drücke &lt;b&gt;Enter&lt;/b&gt;; bei „etwa“ kannst du ein gerundetes Ergebnis schreiben, dann noch einmal &lt;b&gt;Enter&lt;/b&gt;. Nach „Berechnung beendet“ kommt die Probe: Rechne Ergebnis mal Divisor und zähle den Rest dazu. Dann muss der Dividend herauskommen.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Speichern:&lt;/b&gt; Im Menü &lt;b&gt;Datei&lt;/b&gt; speicherst du deine Rechnung als &lt;b&gt;.AUF&lt;/b&gt;-Datei und lädst sie später wieder.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;How does it work?&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Task:&lt;/b&gt; Write the dividend and the divisor into the two boxes at the top and click &lt;b&gt;Enter&lt;/b&gt;. &lt;b&gt;next task&lt;/b&gt; makes up a task for you; a click on the numbers beside “at most” changes how many digits it has.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Working:&lt;/b&gt; Write the first digit of the result in the first box after the task and press &lt;b&gt;Enter&lt;/b&gt;. Then write the product under the number you take it away from, one digit in each box: the cursor is already where its first digit belongs.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Checking:&lt;/b&gt; Press &lt;b&gt;Enter&lt;/b&gt; in the row or click the yellow “correct?” beside it. Green “correct” means: right. Red “wrong” means: something is not right; point at “wrong” with the mouse to see what does not fit.&lt;/p&gt;&lt;p&gt;After a right product the cursor jumps to where the remainder belongs. Write the remainder and have it checked the same way. The next digit comes down by itself, and you go on with the next digit of the result until “Calculation finished” appears. With the arrow keys or the mouse you get to any other box.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Hint:&lt;/b&gt; Press &lt;b&gt;F1&lt;/b&gt; (Help → Hint). Each time it helps a bit more: first the boxes are marked, then comes a question, then the divisor&apos;s times table.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Read aloud&lt;/b&gt; (Help → Read aloud): &lt;b&gt;F2&lt;/b&gt; reads the task, &lt;b&gt;F3&lt;/b&gt; the row you are writing in with its numbers, and &lt;b&gt;F4&lt;/b&gt; the whole calculation so far and what comes next. The text also shows briefly under the box. As soon as a row shows “correct?”, a screen reader says once that it can be checked.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Estimate and check:&lt;/b&gt; Right of the calculation the sheet first asks: “How many digits does the result have?” Write the number and press &lt;b&gt;Enter&lt;/b&gt;; beside “about” you may write a rounded result, then &lt;b&gt;Enter&lt;/b&gt; again. After “Calculation finished” comes the check: work out result times divisor and add the remainder. The dividend must come out.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Saving:&lt;/b&gt; In the &lt;b&gt;File&lt;/b&gt; menu you save your calculation as a &lt;b&gt;.AUF&lt;/b&gt; file and open it again later.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Deutsch</source>
        <extracomment>The name of this translation&apos;s language, in that language (&quot;English&quot;).</extracomment>
        <translation>English</translation>
    </message>
    <message>
        <source>Sprache des Desktops</source>
        <translation>The desktop&apos;s language</translation>
    </message>
</context>
<context>
    <name>MistakeChart</name>
    <message>
        <source>Fehler der Klasse nach Art</source>
        <translation>The class&apos;s mistakes by kind</translation>
    </message>
    <message>
        <source>Keine Datei nennt die Art ihrer Fehler.</source>
        <translation>No file names the kind of its mistakes.</translation>
    </message>
</context>
<context>
    <name>MistakeTallyView</name>
    <message>
        <source>Fehler der Klasse nach Art</source>
        <translation>The class&apos;s mistakes by kind</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
</context>
<context>
    <name>OverviewPrinter</name>
    <message>
        <source>Klassenübersicht: %1</source>
        <translation>Class overview: %1</translation>
    </message>
    <message>
        <source>Das Dokument kann nicht angelegt werden.</source>
        <translation>The document cannot be created.</translation>
    </message>
    <message>
        <source>Das Dokument kann nicht abgeschlossen werden.</source>
        <translation>The document cannot be finished.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht abgeschlossen werden.</source>
        <translation>The print job could not be finished.</translation>
    </message>
</context>
<context>
    <name>QtTaskFileServices</name>
    <message>
        <source>Aufgaben (%1);;Alle Dateien (*)</source>
        <translation>Tasks (%1);;All files (*)</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>„%1“ gibt es schon. Soll die Datei ersetzt werden?</source>
        <translation>“%1” already exists. Replace the file?</translation>
    </message>
    <message>
        <source>Ersetzen</source>
        <translation>Replace</translation>
    </message>
</context>
<context>
    <name>QtUnsavedWorkQuestion</name>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Verwerfen</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ReadAloudMenu</name>
    <message>
        <source>&amp;Vorlesen</source>
        <translation>&amp;Read aloud</translation>
    </message>
    <message>
        <source>&amp;Aufgabe</source>
        <translation>&amp;Task</translation>
    </message>
    <message>
        <source>&amp;Zeile</source>
        <translation>&amp;Row</translation>
    </message>
    <message>
        <source>&amp;Rechnung bisher</source>
        <translation>&amp;Calculation so far</translation>
    </message>
</context>
<context>
    <name>SheetPrinter</name>
    <message>
        <source>Das PDF-Dokument ist unvollständig.</source>
        <translation>The PDF document is incomplete.</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Aufgabe %1 durch %2</source>
        <translation>Task %1 by %2</translation>
    </message>
    <message>
        <source>Aufgabe: –</source>
        <translation>Task: –</translation>
    </message>
    <message>
        <source>Aufgabe: %1 : %2</source>
        <translation>Task: %1 : %2</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht vollständig geschrieben.</source>
        <translation>The file was not written completely.</translation>
    </message>
    <message>
        <source>Der Drucker kann nicht angesprochen werden.</source>
        <translation>The printer cannot be reached.</translation>
    </message>
    <message>
        <source>Das PDF-Dokument kann nicht angelegt werden.</source>
        <translation>The PDF document cannot be created.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht abgeschlossen werden.</source>
        <translation>The print job could not be finished.</translation>
    </message>
    <message>
        <source>Das PDF-Dokument kann nicht abgeschlossen werden.</source>
        <translation>The PDF document cannot be finished.</translation>
    </message>
    <message>
        <source>Als PDF exportieren</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>PDF-Dokumente (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Das Blatt kann nicht als „%1“ exportiert werden.
%2</source>
        <translation>The sheet cannot be exported as “%1”.
%2</translation>
    </message>
    <message>
        <source>Der Drucker nimmt keine weitere Seite an.</source>
        <translation>The printer takes no further page.</translation>
    </message>
    <message>
        <source>PDF-Export fehlgeschlagen</source>
        <translation>PDF export failed</translation>
    </message>
    <message>
        <source>Drucken fehlgeschlagen</source>
        <translation>Printing failed</translation>
    </message>
</context>
<context>
    <name>SheetWindow</name>
    <message>
        <source>&amp;Sprache (ab dem nächsten Start)</source>
        <translation>&amp;Language (from the next start)</translation>
    </message>
    <message>
        <source>Klassenübersicht</source>
        <translation>Class overview</translation>
    </message>
    <message>
        <source>Das Blatt kann nicht gedruckt werden.
%1</source>
        <translation>The sheet cannot be printed.
%1</translation>
    </message>
</context>
<context>
    <name>SheetWindowMenus</name>
    <message>
        <source>Speichern &amp;unter ...</source>
        <translation>Save &amp;as ...</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>&amp;Print ...</translation>
    </message>
    <message>
        <source>Als &amp;PDF exportieren ...</source>
        <translation>Export as &amp;PDF ...</translation>
    </message>
    <message>
        <source>&amp;Arbeitsblatt erstellen ...</source>
        <translation>Make a &amp;worksheet ...</translation>
    </message>
    <message>
        <source>&amp;Klassenübersicht ...</source>
        <translation>&amp;Class overview ...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Aufgabenar&amp;t</source>
        <translation>&amp;Kind of task</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Ver&amp;größern</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Ver&amp;kleinern</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>&amp;Originalgröße</source>
        <translation>&amp;Original size</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Ordner der Klasse wählen</source>
        <translation>Choose the class&apos;s folder</translation>
    </message>
    <message>
        <source>Gilt ab der nächsten Aufgabe (Eingabe oder Laden).</source>
        <translation>Applies from the next task (Enter or Load).</translation>
    </message>
    <message>
        <source>Ü&amp;berschlag verlangen</source>
        <translation>Ask for an &amp;estimate</translation>
    </message>
    <message>
        <source>&amp;Probe verlangen</source>
        <translation>Ask for a &amp;check</translation>
    </message>
</context>
<context>
    <name>Zifferon</name>
    <message>
        <source>korrekt</source>
        <translation>correct</translation>
    </message>
    <message>
        <source>korrekt?</source>
        <translation>correct?</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>Berechnung beendet</source>
        <translation>Calculation finished</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>nächste Aufgabe</source>
        <translation>next task</translation>
    </message>
    <message>
        <source>maximal</source>
        <translation>at most</translation>
    </message>
    <message>
        <source>Stellen</source>
        <translation>digits</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Bitte zuerst den Dividenden eingeben.</source>
        <translation>Please enter the dividend first.</translation>
    </message>
    <message>
        <source>Der Dividend darf nur Ziffern haben, höchstens 6.</source>
        <translation>The dividend may only have digits, at most 6.</translation>
    </message>
    <message>
        <source>Bitte auch den Divisor eingeben.</source>
        <translation>Please enter the divisor too.</translation>
    </message>
    <message>
        <source>Der Divisor darf nur Ziffern haben, höchstens 3.</source>
        <translation>The divisor may only have digits, at most 3.</translation>
    </message>
    <message>
        <source>Durch 0 kann man nicht teilen.</source>
        <translation>You cannot divide by 0.</translation>
    </message>
    <message>
        <source>0 geteilt durch eine Zahl ist immer 0: da gibt es nichts zu rechnen.</source>
        <translation>0 divided by any number is always 0: there is nothing to work out.</translation>
    </message>
    <message>
        <source>Das Ergebnis hätte mehr als 5 Stellen: dafür reicht der Platz nicht.</source>
        <translation>The result would have more than 5 digits: there is not enough room for that.</translation>
    </message>
    <message>
        <source>Zuerst muss Zeile %1 stimmen: diese Zeile kommt danach.</source>
        <translation>Row %1 must be right first: this row comes after it.</translation>
    </message>
    <message>
        <source>Die Aufgabe ist schon fertig: hier gehört nichts mehr hin.</source>
        <translation>The task is already finished: nothing more belongs here.</translation>
    </message>
    <message>
        <source>Diese Aufgabe kann nicht gerechnet werden. %1</source>
        <translation>This task cannot be worked. %1</translation>
    </message>
    <message>
        <source>In der Zeile steht „%1“: hier gehören nur Ziffern hin.</source>
        <translation>The row holds “%1”: only digits belong here.</translation>
    </message>
    <message>
        <source>In der %1 steht „%2“ im Weg: dort gehört in dieser Zeile nichts hin.</source>
        <translation>In the %1, “%2” is in the way: nothing belongs there in this row.</translation>
    </message>
    <message>
        <source>Zwischen den Ziffern ist ein Kästchen leer: schreibe die Zahl ohne Lücke.</source>
        <translation>A box between the digits is empty: write the number without a gap.</translation>
    </message>
    <message>
        <source>In die %1 kommt nur die nächste Ziffer des Dividenden herunter: die %2.</source>
        <translation>Only the next digit of the dividend comes down into the %1: the %2.</translation>
    </message>
    <message>
        <source>Der Rest steht zu weit links: seine letzte Ziffer gehört unter die letzte Ziffer von %1.</source>
        <translation>The remainder is too far left: its last digit belongs under the last digit of %1.</translation>
    </message>
    <message>
        <source>Der Rest steht zu weit rechts: seine letzte Ziffer gehört unter die letzte Ziffer von %1.</source>
        <translation>The remainder is too far right: its last digit belongs under the last digit of %1.</translation>
    </message>
    <message>
        <source>Das Produkt steht zu weit links: seine letzte Ziffer gehört unter die letzte Ziffer von %1.</source>
        <translation>The product is too far left: its last digit belongs under the last digit of %1.</translation>
    </message>
    <message>
        <source>Das Produkt steht zu weit rechts: seine letzte Ziffer gehört unter die letzte Ziffer von %1.</source>
        <translation>The product is too far right: its last digit belongs under the last digit of %1.</translation>
    </message>
    <message>
        <source>%1 − %2 ist nicht %3: rechne das Abziehen noch einmal nach.</source>
        <translation>%1 − %2 is not %3: check your subtraction again.</translation>
    </message>
    <message>
        <source>Die 0 steht zu weit links: sie gehört unter die letzte Ziffer von %1.</source>
        <translation>The 0 is too far left: it belongs under the last digit of %1.</translation>
    </message>
    <message>
        <source>Die 0 steht zu weit rechts: sie gehört unter die letzte Ziffer von %1.</source>
        <translation>The 0 is too far right: it belongs under the last digit of %1.</translation>
    </message>
    <message>
        <source>%1 passt nicht in %2: das Produkt steht zu weit links.</source>
        <translation>%1 does not go into %2: the product is too far left.</translation>
    </message>
    <message>
        <source>%1 passt mehr als 9-mal in %2: das Produkt steht zu weit rechts.</source>
        <translation>%1 goes into %2 more than 9 times: the product is too far right.</translation>
    </message>
    <message>
        <source>%1 ist größer als %2: die Ziffer %3 ist zu groß.</source>
        <translation>%1 is greater than %2: the digit %3 is too big.</translation>
    </message>
    <message>
        <source>Die erste Ziffer ist nur dann 0, wenn der Divisor größer ist als der ganze Dividend. %1 passt in %2: die Ziffer 0 ist zu klein.</source>
        <translation>The first digit is 0 only when the divisor is greater than the whole dividend. %1 goes into %2: the digit 0 is too small.</translation>
    </message>
    <message>
        <source>Wenn du %1 von %2 abziehst, bleibt %3 übrig. Das ist nicht kleiner als %4: die Ziffer %5 ist zu klein.</source>
        <translation>If you take %1 away from %2, %3 is left. That is not less than %4: the digit %5 is too small.</translation>
    </message>
    <message>
        <source>%1 · %2 ist nicht %3: rechne das Malnehmen noch einmal nach.</source>
        <translation>%1 · %2 is not %3: check your multiplication again.</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Gib zuerst eine Aufgabe ein und klicke auf „Eingabe“.</source>
        <translation>First enter a task and click “Enter”.</translation>
    </message>
    <message>
        <source>Die Aufgabe ist fertig: hier ist nichts mehr zu schreiben.</source>
        <translation>The task is finished: there is nothing more to write here.</translation>
    </message>
    <message>
        <source>Für diese Zeile gibt es keinen Tipp.</source>
        <translation>There is no hint for this row.</translation>
    </message>
    <message>
        <source>Schreibe die nächste Ziffer des Ergebnisses in das markierte Kästchen.</source>
        <translation>Write the next digit of the result in the marked box.</translation>
    </message>
    <message>
        <source>Wie oft passt %1 in %2?</source>
        <translation>How many times does %1 go into %2?</translation>
    </message>
    <message>
        <source>Schreibe das Produkt in die markierten Kästchen.</source>
        <translation>Write the product in the marked boxes.</translation>
    </message>
    <message>
        <source>Was ist %1 · %2?</source>
        <translation>What is %1 · %2?</translation>
    </message>
    <message>
        <source>Im Ergebnis steht keine Ziffer: welche Ziffer gehört dorthin?</source>
        <translation>There is no digit in the result: which digit belongs there?</translation>
    </message>
    <message>
        <source>Schreibe den Rest in die markierten Kästchen.</source>
        <translation>Write the remainder in the marked boxes.</translation>
    </message>
    <message>
        <source>Was bleibt, wenn du %1 von %2 abziehst?</source>
        <translation>What is left when you take %1 away from %2?</translation>
    </message>
    <message>
        <source>%1 · %2 = %3</source>
        <translation>%1 · %2 = %3</translation>
    </message>
    <message>
        <source>Zum Divisor %1 gibt es keine Reihe.</source>
        <translation>There is no times table for the divisor %1.</translation>
    </message>
    <message>
        <source>Reihe des Divisors: %1.</source>
        <translation>Times table of the divisor: %1.</translation>
    </message>
    <message>
        <source>Markiert: %1.</source>
        <translation>Marked: %1.</translation>
    </message>
    <message>
        <source>mal</source>
        <translation>times</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>ist</source>
        <translation>is</translation>
    </message>
    <message>
        <source>%1. Produkt kann geprüft werden</source>
        <translation>Product %1 can be checked</translation>
    </message>
    <message>
        <source>%1. Rest kann geprüft werden</source>
        <translation>Remainder %1 can be checked</translation>
    </message>
    <message>
        <source>Einerspalte</source>
        <translation>units column</translation>
    </message>
    <message>
        <source>Zehnerspalte</source>
        <translation>tens column</translation>
    </message>
    <message>
        <source>Hunderterspalte</source>
        <translation>hundreds column</translation>
    </message>
    <message>
        <source>Tausenderspalte</source>
        <translation>thousands column</translation>
    </message>
    <message>
        <source>Zehntausenderspalte</source>
        <translation>ten-thousands column</translation>
    </message>
    <message>
        <source>Hunderttausenderspalte</source>
        <translation>hundred-thousands column</translation>
    </message>
    <message>
        <source>Spalte %1</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>Dividend</source>
        <translation>Dividend</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Hinweis zur Aufgabe</source>
        <translation>Note on the task</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Höchste Stellenzahl des Dividenden: %1</source>
        <translation>Most digits of the dividend: %1</translation>
    </message>
    <message>
        <source>Höchste Stellenzahl des Divisors: %1</source>
        <translation>Most digits of the divisor: %1</translation>
    </message>
    <message>
        <source>Zeile %1 prüfen</source>
        <translation>Check row %1</translation>
    </message>
    <message>
        <source>Fehlerzeile</source>
        <translation>Error row</translation>
    </message>
    <message>
        <source>Fehler in Zeile %1</source>
        <translation>Errors in row %1</translation>
    </message>
    <message>
        <source>Dividend, %1</source>
        <translation>Dividend, %1</translation>
    </message>
    <message>
        <source>Divisor, %1. Ziffer</source>
        <translation>Divisor, digit %1</translation>
    </message>
    <message>
        <source>Ergebnis, %1. Ziffer</source>
        <translation>Result, digit %1</translation>
    </message>
    <message>
        <source>%1. Produkt, %2</source>
        <translation>Product %1, %2</translation>
    </message>
    <message>
        <source>%1. Rest, %2</source>
        <translation>Remainder %1, %2</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1. Produkt</source>
        <translation>Product %1</translation>
    </message>
    <message>
        <source>%1. Rest</source>
        <translation>Remainder %1</translation>
    </message>
    <message>
        <source>, korrekt</source>
        <translation>, correct</translation>
    </message>
    <message>
        <source>, Fehler</source>
        <translation>, wrong</translation>
    </message>
    <message>
        <source>, noch nicht geprüft</source>
        <translation>, not checked yet</translation>
    </message>
    <message>
        <source>noch leer.</source>
        <translation>still empty.</translation>
    </message>
    <message>
        <source>, heruntergeholt: %1</source>
        <translation>, brought down: %1</translation>
    </message>
    <message>
        <source>, unter leeren Kästchen</source>
        <translation>, under empty boxes</translation>
    </message>
    <message>
        <source>, unter %1</source>
        <translation>, under %1</translation>
    </message>
    <message>
        <source>Ergebnis: noch keine Ziffer.</source>
        <translation>Result: no digit yet.</translation>
    </message>
    <message>
        <source>Ergebnis: %1 Rest %2.</source>
        <translation>Result: %1 remainder %2.</translation>
    </message>
    <message>
        <source>Ergebnis bisher: %1.</source>
        <translation>Result so far: %1.</translation>
    </message>
    <message>
        <source>Als Nächstes: die %1. Ziffer des Ergebnisses.</source>
        <translation>Next: digit %1 of the result.</translation>
    </message>
    <message>
        <source>Als Nächstes: das %1. Produkt prüfen.</source>
        <translation>Next: check product %1.</translation>
    </message>
    <message>
        <source>Als Nächstes: das %1. Produkt verbessern.</source>
        <translation>Next: correct product %1.</translation>
    </message>
    <message>
        <source>Als Nächstes: das %1. Produkt schreiben.</source>
        <translation>Next: write product %1.</translation>
    </message>
    <message>
        <source>Als Nächstes: den %1. Rest prüfen.</source>
        <translation>Next: check remainder %1.</translation>
    </message>
    <message>
        <source>Als Nächstes: den %1. Rest verbessern.</source>
        <translation>Next: correct remainder %1.</translation>
    </message>
    <message>
        <source>Als Nächstes: den %1. Rest schreiben.</source>
        <translation>Next: write remainder %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Noch keine Aufgabe: schreibe oben den Dividenden und den Divisor hinein und wähle „Eingabe“.</source>
        <translation>No task yet: write the dividend and the divisor at the top and choose “Enter”.</translation>
    </message>
    <message>
        <source>Aufgabe: %1 geteilt durch %2.</source>
        <translation>Task: %1 divided by %2.</translation>
    </message>
    <message>
        <source>Laden fehlgeschlagen</source>
        <translation>Opening failed</translation>
    </message>
    <message>
        <source>Speichern fehlgeschlagen</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <source>Die Datei ist zu kurz (1 Byte, erwartet %1).</source>
        <translation>The file is too short (1 byte, expected %1).</translation>
    </message>
    <message>
        <source>Die Datei ist zu kurz (%1 Bytes, erwartet %2).</source>
        <translation>The file is too short (%1 bytes, expected %2).</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geladen werden.
%2

Das Blatt bleibt, wie es war.</source>
        <translation>The file %1 cannot be opened.
%2

The sheet stays as it was.</translation>
    </message>
    <message>
        <source>Die Aufgabe kann nicht als %1 gespeichert werden.
%2

Eine vorhandene Datei dieses Namens bleibt unverändert.</source>
        <translation>The task cannot be saved as %1.
%2

An existing file of this name stays unchanged.</translation>
    </message>
    <message>
        <source>Sie ist keine Aufgabendatei: %1</source>
        <translation>It is not a task file: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1.</source>
        <translation>The file cannot be read: %1.</translation>
    </message>
    <message>
        <source>Die Rechnung ist nicht gespeichert. Vor der neuen Aufgabe speichern?</source>
        <translation>The calculation is not saved. Save it before the new task?</translation>
    </message>
    <message>
        <source>Die Rechnung ist nicht gespeichert. Vor dem Laden speichern?</source>
        <translation>The calculation is not saved. Save it before opening?</translation>
    </message>
    <message>
        <source>Die Rechnung ist nicht gespeichert. Vor dem Beenden speichern?</source>
        <translation>The calculation is not saved. Save it before quitting?</translation>
    </message>
    <message>
        <source>Die Datei existiert nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Datei.</source>
        <translation>That is a folder, not a file.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>That is not a regular file.</translation>
    </message>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht vorhanden</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <source>Ein- oder Ausgabefehler</source>
        <translation>Input or output error</translation>
    </message>
    <message>
        <source>Gerät nicht vorhanden</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>Ungültiger Zugriff</source>
        <translation>Invalid access</translation>
    </message>
    <message>
        <source>Nicht genug Arbeitsspeicher</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <source>Die Datei wird gerade benutzt</source>
        <translation>The file is in use</translation>
    </message>
    <message>
        <source>Die Datei existiert bereits</source>
        <translation>The file already exists</translation>
    </message>
    <message>
        <source>Liegt auf einem anderen Datenträger</source>
        <translation>Lies on another drive</translation>
    </message>
    <message>
        <source>Ein Teil des Pfads ist kein Ordner</source>
        <translation>Part of the path is not a folder</translation>
    </message>
    <message>
        <source>Das ist ein Ordner</source>
        <translation>That is a folder</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß</source>
        <translation>The file is too big</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Datenträger</source>
        <translation>No space left on the drive</translation>
    </message>
    <message>
        <source>Keine gewöhnliche Datei</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt</source>
        <translation>The drive is write-protected</translation>
    </message>
    <message>
        <source>Zu viele Verknüpfungen</source>
        <translation>Too many links</translation>
    </message>
    <message>
        <source>Der Name ist zu lang</source>
        <translation>The name is too long</translation>
    </message>
    <message>
        <source>Der Ordner ist nicht leer</source>
        <translation>The folder is not empty</translation>
    </message>
    <message>
        <source>Zu viele Verknüpfungen hintereinander (Schleife)</source>
        <translation>Too many links in a row (loop)</translation>
    </message>
    <message>
        <source>Das Speicherkontingent ist erschöpft</source>
        <translation>The storage quota is used up</translation>
    </message>
    <message>
        <source>Die Netzwerkverbindung zur Datei ist veraltet</source>
        <translation>The network connection to the file is stale</translation>
    </message>
    <message>
        <source>Zeitüberschreitung</source>
        <translation>Timed out</translation>
    </message>
    <message>
        <source>Vorübergehend nicht verfügbar</source>
        <translation>Temporarily unavailable</translation>
    </message>
    <message>
        <source>Unterbrochen</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>Der Wert ist zu groß</source>
        <translation>The value is too big</translation>
    </message>
    <message>
        <source>Wird hier nicht unterstützt</source>
        <translation>Not supported here</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>System error %1</translation>
    </message>
    <message>
        <source> (Byte %1, Datensatz %2, Stelle %3)</source>
        <translation> (byte %1, record %2, position %3)</translation>
    </message>
    <message>
        <source>Die Angabe, ob Rechenzeile %1 bewertet ist, ist weder „0“ noch „1“%2.</source>
        <translation>The mark whether work row %1 is judged is neither “0” nor “1”%2.</translation>
    </message>
    <message>
        <source>Die Angabe, ob die Fehlversuche der Rechenzeile %1 zu sehen sind, ist weder „0“ noch „1“%2.</source>
        <translation>The mark whether the failed attempts of work row %1 are shown is neither “0” nor “1”%2.</translation>
    </message>
    <message>
        <source>Im Dividenden</source>
        <translation>In the dividend</translation>
    </message>
    <message>
        <source>Im Divisor</source>
        <translation>In the divisor</translation>
    </message>
    <message>
        <source>Im Ergebnis</source>
        <translation>In the result</translation>
    </message>
    <message>
        <source>In Rechenzeile %1</source>
        <translation>In work row %1</translation>
    </message>
    <message>
        <source>%1 steht ein unsichtbares Steuerzeichen (%2)%3.</source>
        <translation>%1 there is an invisible control character (%2)%3.</translation>
    </message>
    <message>
        <source>%1: %2. Es wurde nichts gespeichert.</source>
        <translation>%1: %2. Nothing was saved.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden</source>
        <translation>The folder %1 cannot be created</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden</source>
        <translation>The file %1 cannot be written</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gespeichert werden</source>
        <translation>The file %1 cannot be saved</translation>
    </message>
    <message>
        <source>Der Ordner %1 existiert nicht.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 ist kein Ordner.</source>
        <translation>%1 is not a folder.</translation>
    </message>
    <message>
        <source>In den Ordner %1 kann nicht geschrieben werden.</source>
        <translation>The folder %1 cannot be written to.</translation>
    </message>
    <message>
        <source>Es ist keine PDF-Datei angegeben.</source>
        <translation>No PDF file is given.</translation>
    </message>
    <message>
        <source>%1 verweist auf etwas, das es nicht gibt.</source>
        <translation>%1 points to something that does not exist.</translation>
    </message>
    <message>
        <source>%1 ist ein Ordner, keine Datei.</source>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>%1 ist keine gewöhnliche Datei.</source>
        <translation>%1 is not a regular file.</translation>
    </message>
    <message>
        <source>%1 kann nicht überschrieben werden.</source>
        <translation>%1 cannot be overwritten.</translation>
    </message>
    <message>
        <source>Es ist kein Ordner für die Aufgabendateien angegeben.</source>
        <translation>No folder is given for the task files.</translation>
    </message>
    <message>
        <source>Im Ordner %1 liegt schon %2; vorhandene Aufgabendateien werden nicht überschrieben. Wähle einen anderen Ordner.</source>
        <translation>The folder %1 already holds %2; existing task files are not overwritten. Choose another folder.</translation>
    </message>
    <message>
        <source>Die PDF-Datei %1 wäre die Aufgabendatei %2. Wähle für das PDF einen anderen Namen.</source>
        <translation>The PDF file %1 would be the task file %2. Choose another name for the PDF.</translation>
    </message>
    <message>
        <source>gemischt</source>
        <translation>mixed</translation>
    </message>
    <message>
        <source>ohne Rest</source>
        <translation>without remainder</translation>
    </message>
    <message>
        <source>mit Rest</source>
        <translation>with remainder</translation>
    </message>
    <message>
        <source>Null im Ergebnis</source>
        <translation>zero in the result</translation>
    </message>
    <message>
        <source>einstelliger Divisor</source>
        <translation>one-digit divisor</translation>
    </message>
    <message>
        <source>schwer zu schätzen</source>
        <translation>hard to estimate</translation>
    </message>
    <message>
        <source>viele Entbündelungen</source>
        <translation>many regroupings</translation>
    </message>
    <message>
        <source>Ein Arbeitsblatt hat 1 bis 20 Aufgaben.</source>
        <translation>A worksheet has 1 to 20 tasks.</translation>
    </message>
    <message>
        <source>Mit höchstens 1 Stelle im Dividenden ist kein Dividend so groß wie ein Divisor (ab 11).</source>
        <translation>With at most 1 digit in the dividend, no dividend is as big as a divisor (from 11).</translation>
    </message>
    <message>
        <source>Der Dividend hat höchstens 2 bis 6 Stellen.</source>
        <translation>The dividend has at most 2 to 6 digits.</translation>
    </message>
    <message>
        <source>Der Divisor hat höchstens 2 oder 3 Stellen.</source>
        <translation>The divisor has at most 2 or 3 digits.</translation>
    </message>
    <message>
        <source>Die Nummer des Blatts liegt zwischen 0 und 999999.</source>
        <translation>The number of the sheet lies between 0 and 999999.</translation>
    </message>
    <message>
        <source>Für „%1“ hat der Dividend höchstens %2 bis 6 Stellen.</source>
        <translation>For “%1” the dividend has at most %2 to 6 digits.</translation>
    </message>
    <message>
        <source>Es lassen sich nicht genug verschiedene Aufgaben ziehen.</source>
        <translation>Not enough different tasks can be drawn.</translation>
    </message>
    <message>
        <source>%1 Rest %2</source>
        <translation>%1 R %2</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1.</source>
        <translation>The folder cannot be read: %1.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht gelesen werden: %2.</source>
        <translation>The folder %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>Die Übersicht kann nicht ausgegeben werden.</source>
        <translation>The overview cannot be written out.</translation>
    </message>
    <message>
        <source>Einmaleins</source>
        <translation>Times tables</translation>
    </message>
    <message>
        <source>Abziehen</source>
        <translation>Subtraction</translation>
    </message>
    <message>
        <source>Ziffer zu groß</source>
        <translation>Digit too big</translation>
    </message>
    <message>
        <source>Ziffer zu klein</source>
        <translation>Digit too small</translation>
    </message>
    <message>
        <source>Stellenwert</source>
        <translation>Place value</translation>
    </message>
    <message>
        <source>Fehler der Klasse nach Art: keine Datei nennt die Art ihrer Fehler.</source>
        <translation>The class&apos;s mistakes by kind: no file names the kind of its mistakes.</translation>
    </message>
    <message>
        <source>Fehler der Klasse nach Art: %1</source>
        <translation>The class&apos;s mistakes by kind: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1. Keine Fehler.</source>
        <translation>%1. No mistakes.</translation>
    </message>
    <message>
        <source>%1 (zusammen %2). Am häufigsten: %3.</source>
        <translation>%1 (%2 in all). Most often: %3.</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>--worksheet erwartet eine Zahl von 1 bis 20, nicht %1.</source>
        <translation>--worksheet expects a number from 1 to 20, not %1.</translation>
    </message>
    <message>
        <source>--digits erwartet D,E mit D von 2 bis 6 (Dividend) und E von 2 bis 3 (Divisor), nicht %1.</source>
        <translation>--digits expects D,E with D from 2 to 6 (dividend) and E from 2 to 3 (divisor), not %1.</translation>
    </message>
    <message>
        <source>--seed erwartet eine Zahl von 0 bis 999999, nicht %1.</source>
        <translation>--seed expects a number from 0 to 999999, not %1.</translation>
    </message>
    <message>
        <source>--kind erwartet gemischt, ohne-rest, mit-rest, null-im-ergebnis, einstelliger-divisor, schwer-zu-schaetzen oder viele-entbuendelungen, nicht %1.</source>
        <translation>--kind expects gemischt, ohne-rest, mit-rest, null-im-ergebnis, einstelliger-divisor, schwer-zu-schaetzen or viele-entbuendelungen, not %1.</translation>
    </message>
    <message>
        <source>--for-mistake erwartet einmaleins, abziehen, ziffer-zu-gross, ziffer-zu-klein oder stellenwert, nicht %1.</source>
        <translation>--for-mistake expects einmaleins, abziehen, ziffer-zu-gross, ziffer-zu-klein or stellenwert, not %1.</translation>
    </message>
    <message>
        <source>%1 erwartet einen Dateinamen.</source>
        <translation>%1 expects a file name.</translation>
    </message>
    <message>
        <source>%1 erwartet einen Ordner.</source>
        <translation>%1 expects a folder.</translation>
    </message>
    <message>
        <source>Zu %1 fehlt der Wert; %2 ist eine Option. Ein Name, der mit „--“ beginnt, geht als %1=NAME.</source>
        <translation>%1 lacks its value; %2 is an option. A name that starts with “--” is given as %1=NAME.</translation>
    </message>
    <message>
        <source>Es kann nur eine Aufgabendatei geöffnet werden.</source>
        <translation>Only one task file can be opened.</translation>
    </message>
    <message>
        <source>Zu %1 fehlt der Wert.</source>
        <translation>%1 lacks its value.</translation>
    </message>
    <message>
        <source>--report braucht einen Ordner.</source>
        <translation>--report needs a folder.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>--report öffnet keine Aufgabendatei.</source>
        <translation>--report opens no task file.</translation>
    </message>
    <message>
        <source>--report und %1 lassen sich nicht verbinden.</source>
        <translation>--report and %1 cannot be combined.</translation>
    </message>
    <message>
        <source>%1 gilt nur zusammen mit --worksheet.</source>
        <translation>%1 only works together with --worksheet.</translation>
    </message>
    <message>
        <source>Mit --worksheet wird keine Aufgabendatei geöffnet.</source>
        <translation>With --worksheet no task file is opened.</translation>
    </message>
    <message>
        <source>Zu --worksheet fehlt --pdf DATEI.</source>
        <translation>--worksheet lacks --pdf FILE.</translation>
    </message>
    <message>
        <source>--kind und --for-mistake lassen sich nicht verbinden.</source>
        <translation>--kind and --for-mistake cannot be combined.</translation>
    </message>
    <message>
        <source>zifferon: %1
Mehr: zifferon --help
</source>
        <translation>zifferon: %1
More: zifferon --help
</translation>
    </message>
    <message>
        <source>Aufruf: zifferon [DATEI]
       zifferon --worksheet N --pdf DATEI [--digits D,E] [--seed S] [--answers]
                [--kind ART | --for-mistake FEHLER] [--task-files ORDNER]
                [--ueberschlag] [--probe]
       zifferon --report ORDNER
Schriftliche Division üben, wie sie im Rechenheft steht.

  DATEI                öffnet die Aufgabendatei (.AUF) gleich beim Start
  --help, -h           zeigt diese Hilfe
  --version            zeigt die Version

Arbeitsblatt ohne Fenster:
  --worksheet N        N Aufgaben (1 bis 20), je 4 auf einer Seite
  --pdf DATEI          schreibt das Arbeitsblatt als PDF in DATEI
  --digits D,E         höchstens D Stellen im Dividenden (2 bis 6) und E im
                       Divisor (2 bis 3), sonst 4,2
  --seed S             Nummer des Blatts (0 bis 999999): dieselbe Nummer gibt
                       dieselben Aufgaben; ohne sie wird eine gezogen
  --kind ART           Aufgabenart: gemischt (sonst), ohne-rest, mit-rest,
                       null-im-ergebnis (Dividend ab 3 Stellen),
                       einstelliger-divisor, schwer-zu-schaetzen,
                       viele-entbuendelungen
  --for-mistake FEHLER Übungsblatt zu einer Fehlerart: einmaleins
                       (einstelliger-divisor), abziehen (viele-entbuendelungen),
                       ziffer-zu-gross, ziffer-zu-klein (schwer-zu-schaetzen),
                       stellenwert (null-im-ergebnis)
  --answers            hängt das Lösungsblatt an
  --task-files ORDNER  speichert jede Aufgabe als Aufgabendatei in ORDNER
  --ueberschlag        verlangt zu jeder Aufgabe den Überschlag: Platz dafür
                       auf dem Blatt, die Aufgabendateien fragen ihn ab
  --probe              verlangt zu jeder Aufgabe die Probe, ebenso

Klassenübersicht ohne Fenster:
  --report ORDNER      schreibt die Übersicht der Aufgabendateien im ORDNER
                       und seinen Unterordnern als CSV auf die Ausgabe
</source>
        <translation>Usage: zifferon [FILE]
       zifferon --worksheet N --pdf FILE [--digits D,E] [--seed S] [--answers]
                [--kind KIND | --for-mistake MISTAKE] [--task-files FOLDER]
                [--ueberschlag] [--probe]
       zifferon --report FOLDER
Practise written long division as it stands in the exercise book.

  FILE                 opens the task file (.AUF) right at the start
  --help, -h           shows this help
  --version            shows the version

Worksheet without a window:
  --worksheet N        N tasks (1 to 20), 4 on each page
  --pdf FILE           writes the worksheet as a PDF into FILE
  --digits D,E         at most D digits in the dividend (2 to 6) and E in the
                       divisor (2 to 3), otherwise 4,2
  --seed S             number of the sheet (0 to 999999): the same number gives
                       the same tasks; without it one is drawn
  --kind KIND          kind of task: gemischt (default), ohne-rest, mit-rest,
                       null-im-ergebnis (dividend from 3 digits),
                       einstelliger-divisor, schwer-zu-schaetzen,
                       viele-entbuendelungen
  --for-mistake MISTAKE practice sheet for one kind of mistake: einmaleins
                       (einstelliger-divisor), abziehen (viele-entbuendelungen),
                       ziffer-zu-gross, ziffer-zu-klein (schwer-zu-schaetzen),
                       stellenwert (null-im-ergebnis)
  --answers            appends the answer sheet
  --task-files FOLDER  saves each task as a task file in FOLDER
  --ueberschlag        asks for the estimate with each task: room for it on
                       the sheet, the task files require it
  --probe              asks for the check the same way

Class overview without a window:
  --report FOLDER      writes the overview of the task files in FOLDER
                       and its subfolders as CSV to the output
</translation>
    </message>
    <message>
        <source>Die Datei kann nicht angelegt werden: %1.</source>
        <translation>The file cannot be created: %1.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht vollständig geschrieben werden%1.</source>
        <translation>The file cannot be written completely%1.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden: %1.</source>
        <translation>The file cannot be written: %1.</translation>
    </message>
    <message>
        <source>Schriftliche Zifferon</source>
        <translation>Zifferon Long Division</translation>
    </message>
    <message>
        <source>Wie viele Stellen hat das Ergebnis?</source>
        <translation>How many digits does the result have?</translation>
    </message>
    <message>
        <source>etwa</source>
        <translation>about</translation>
    </message>
    <message>
        <source>%1 · %2 =</source>
        <translation>%1 · %2 =</translation>
    </message>
    <message>
        <source>+ %1 =</source>
        <translation>+ %1 =</translation>
    </message>
    <message>
        <source>Schreibe zuerst, wie viele Stellen das Ergebnis hat.</source>
        <translation>First write how many digits the result has.</translation>
    </message>
    <message>
        <source>%1 passt zuerst in %2. Die erste Ziffer des Ergebnisses gehört also zur %3.</source>
        <translation>%1 first goes into %2. So the first digit of the result belongs to the %3.</translation>
    </message>
    <message>
        <source>%1 passt nicht in %2: das Ergebnis ist 0, und das ist eine Stelle.</source>
        <translation>%1 does not go into %2: the result is 0, and that is one digit.</translation>
    </message>
    <message>
        <source>%1 liegt zu weit weg. Runde so, dass du leicht teilen kannst, zum Beispiel %2 : %3 = %4.</source>
        <translation>%1 is too far off. Round so that you can divide easily, for example %2 : %3 = %4.</translation>
    </message>
    <message>
        <source>Schreibe zuerst die Zahlen in die Kästchen der Probe.</source>
        <translation>First write the numbers into the boxes of the check.</translation>
    </message>
    <message>
        <source>Die Probe kommt, wenn die Aufgabe fertig gerechnet ist.</source>
        <translation>The check comes once the task is worked to the end.</translation>
    </message>
    <message>
        <source>Zuerst muss die erste Zeile der Probe stimmen.</source>
        <translation>The first line of the check must be right first.</translation>
    </message>
    <message>
        <source>Vor das Plus gehört das Ergebnis von %1 · %2 aus der Zeile darüber.</source>
        <translation>Before the plus goes the result of %1 · %2 from the line above.</translation>
    </message>
    <message>
        <source>%1 + %2 ist nicht %3: rechne das Zusammenzählen noch einmal nach.</source>
        <translation>%1 + %2 is not %3: work the addition again.</translation>
    </message>
    <message>
        <source>Die Probe ergibt %1, die Aufgabe heißt %2: stimmt.</source>
        <translation>The check gives %1, the task is %2: it is right.</translation>
    </message>
    <message>
        <source>Überschlag: Wie viele Stellen hat das Ergebnis?</source>
        <translation>Estimate: How many digits does the result have?</translation>
    </message>
    <message>
        <source>Überschlag: etwa, gerundetes Ergebnis, freiwillig</source>
        <translation>Estimate: about, rounded result, optional</translation>
    </message>
    <message>
        <source>Probe: %1</source>
        <translation>Check: %1</translation>
    </message>
    <message>
        <source>Ergebnis mal Divisor gleich</source>
        <translation>result times divisor equals</translation>
    </message>
    <message>
        <source>Probe: das Produkt noch einmal</source>
        <translation>Check: the product again</translation>
    </message>
    <message>
        <source>plus Rest gleich</source>
        <translation>plus remainder equals</translation>
    </message>
    <message>
        <source>Prüfung Überschlag</source>
        <translation>Verdict: estimate</translation>
    </message>
    <message>
        <source>Prüfung Probe, erste Zeile</source>
        <translation>Verdict: check, first line</translation>
    </message>
    <message>
        <source>Prüfung Probe, zweite Zeile</source>
        <translation>Verdict: check, second line</translation>
    </message>
    <message>
        <source>Fehler im Überschlag</source>
        <translation>Mistakes in the estimate</translation>
    </message>
    <message>
        <source>Fehler in der Probe, erste Zeile</source>
        <translation>Mistakes in the check, first line</translation>
    </message>
    <message>
        <source>Fehler in der Probe, zweite Zeile</source>
        <translation>Mistakes in the check, second line</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>geteilt durch</source>
        <translation>divided by</translation>
    </message>
    <message>
        <source>gleich</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>Der Überschlag kann geprüft werden.</source>
        <translation>The estimate can be checked.</translation>
    </message>
    <message>
        <source>Die Probe kann geprüft werden.</source>
        <translation>The check can be verified.</translation>
    </message>
    <message>
        <source>Jetzt kommt die Probe.</source>
        <translation>Now comes the check.</translation>
    </message>
    <message>
        <source>Überschlage zuerst: Wie viele Stellen hat das Ergebnis? Schau auf die markierten Ziffern des Dividenden.</source>
        <translation>Estimate first: how many digits does the result have? Look at the marked digits of the dividend.</translation>
    </message>
    <message>
        <source>In welche Zahl am Anfang des Dividenden passt %1 zuerst?</source>
        <translation>Which number at the start of the dividend does %1 go into first?</translation>
    </message>
    <message>
        <source>%1 passt zuerst in %2. Über der %3 steht die erste Ziffer des Ergebnisses: zähle, wie viele Ziffern des Dividenden von dort bis zum Ende stehen.</source>
        <translation>%1 goes into %2 first. The first digit of the result stands over the %3: count how many digits of the dividend there are from there to the end.</translation>
    </message>
    <message>
        <source>Schreibe die Probe in die markierten Kästchen.</source>
        <translation>Write the check into the marked boxes.</translation>
    </message>
    <message>
        <source>Was ist %1 + %2?</source>
        <translation>What is %1 + %2?</translation>
    </message>
    <message>
        <source>Rechne %1 · %2 und zähle dann den Rest %3 dazu: Das Ergebnis muss %4 sein.</source>
        <translation>Work out %1 · %2, then add the remainder %3: the result must be %4.</translation>
    </message>
    <message>
        <source>Überschlag: %1 Stellen</source>
        <translation>Estimate: %1 digits</translation>
    </message>
    <message>
        <source>Überschlag: Stellen noch leer</source>
        <translation>Estimate: digits still empty</translation>
    </message>
    <message>
        <source>, etwa %1</source>
        <translation>, about %1</translation>
    </message>
    <message>
        <source>Probe: %1 %2</source>
        <translation>Check: %1 %2</translation>
    </message>
    <message>
        <source>Probe, zweite Zeile: %1 %2 %3</source>
        <translation>Check, second line: %1 %2 %3</translation>
    </message>
    <message>
        <source>Als Nächstes: der Überschlag.</source>
        <translation>Next: the estimate.</translation>
    </message>
    <message>
        <source>Überschlag: %1 Stellen, etwa %2</source>
        <translation>Estimate: %1 digits, about %2</translation>
    </message>
    <message>
        <source>Überschlag: 1 Stelle, etwa %1</source>
        <translation>Estimate: 1 digit, about %1</translation>
    </message>
    <message>
        <source>Probe: %1 · %2 = %3</source>
        <translation>Check: %1 · %2 = %3</translation>
    </message>
    <message>
        <source>%1 + %2 = %3</source>
        <translation>%1 + %2 = %3</translation>
    </message>
    <message>
        <source>Als Nächstes: die Probe.</source>
        <translation>Next: the check.</translation>
    </message>
</context>
</TS>
