<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlarmLogic</name>
    <message>
        <source>Sound Alarm!</source>
        <extracomment>Message box shown while the alarm plays its sound</extracomment>
        <translation>Alarmton!</translation>
    </message>
</context>
<context>
    <name>Chapters</name>
    <message>
        <source>The playlist %1 could not be written.</source>
        <translation>Die Wiedergabeliste %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ClipMon</name>
    <message>
        <source>The program holding the clipboard did not answer.</source>
        <translation>Das Programm, dem die Zwischenablage gehört, hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text is too large to read: %1 MB (at most %2 MB).</source>
        <translation>Der Text der Zwischenablage ist zu groß zum Lesen: %1 MB (höchstens %2 MB).</translation>
    </message>
</context>
<context>
    <name>CmdArgs</name>
    <message>
        <source>The output %1 does not end in %2, the audio %3 writes; nothing was written.</source>
        <extracomment>%1 is the output file&apos;s name, %2 its possible extensions, %3 the job (&quot;/ttm&quot;)</extracomment>
        <translation>Die Ausgabe %1 endet nicht auf %2, die Audioformate, die %3 schreibt; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>.mp3, .opus, .ogg or .flac</source>
        <extracomment>the extensions &quot;/ttm&quot; writes</extracomment>
        <translation>.mp3, .opus, .ogg oder .flac</translation>
    </message>
    <message>
        <source>&quot;-sub %1&quot;: the subtitles are srt, vtt or lrc.</source>
        <translation>„-sub %1“: Untertitel sind srt, vtt oder lrc.</translation>
    </message>
    <message>
        <source>&quot;-sub&quot; needs srt, vtt or lrc.</source>
        <translation>„-sub“ erwartet srt, vtt oder lrc.</translation>
    </message>
    <message>
        <source>&quot;-ch %1&quot;: chapters are &quot;split&quot; (a file each) or &quot;marks&quot; (one file), with &quot;:N&quot; for parts of N minutes.</source>
        <extracomment>&quot;split&quot;, &quot;marks&quot; and &quot;:N&quot; are what the switch takes: keep them as they are</extracomment>
        <translation>„-ch %1“: Kapitel sind „split“ (je eine Datei) oder „marks“ (eine Datei), mit „:N“ für Teile von N Minuten.</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>New</source>
        <extracomment>File menu: creates a new, empty document</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument erstellen</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Open document(s)</source>
        <translation>Dokument(e) öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the current document</source>
        <translation>Das aktuelle Dokument speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save the current document as...</source>
        <translation>Das aktuelle Dokument speichern unter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the current document</source>
        <translation>Das aktuelle Dokument schließen</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Alle schließen</translation>
    </message>
    <message>
        <source>Close all document(s)</source>
        <translation>Alle Dokumente schließen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Move to First</source>
        <translation>An den Anfang</translation>
    </message>
    <message>
        <source>Move the current document to first position</source>
        <translation>Das aktuelle Dokument an die erste Stelle verschieben</translation>
    </message>
    <message>
        <source>Move to Prev</source>
        <extracomment>Tab menu: moves the current document one place towards the first</extracomment>
        <translation>Nach vorne</translation>
    </message>
    <message>
        <source>Move the current document to previous position</source>
        <translation>Das aktuelle Dokument eine Stelle nach vorne verschieben</translation>
    </message>
    <message>
        <source>Move to Next</source>
        <extracomment>Tab menu: moves the current document one place towards the last</extracomment>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Move the current document to next position</source>
        <translation>Das aktuelle Dokument eine Stelle nach hinten verschieben</translation>
    </message>
    <message>
        <source>Move to Last</source>
        <translation>An das Ende</translation>
    </message>
    <message>
        <source>Move the current document to last position</source>
        <translation>Das aktuelle Dokument an die letzte Stelle verschieben</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Revert the last action</source>
        <translation>Die letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Die Auswahl kopieren und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Den Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Erase the selection</source>
        <translation>Die Auswahl löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Select the entire document</source>
        <translation>Das ganze Dokument auswählen</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Find the specified text</source>
        <translation>Den angegebenen Text suchen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace specific text with different text</source>
        <translation>Einen Text durch einen anderen ersetzen</translation>
    </message>
    <message>
        <source>Find First</source>
        <translation>Ab Anfang suchen</translation>
    </message>
    <message>
        <source>Find the first occurance of specified text</source>
        <translation>Das erste Vorkommen des angegebenen Textes suchen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Repeat the last find</source>
        <translation>Die letzte Suche wiederholen</translation>
    </message>
    <message>
        <source>Read Aloud</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Read document aloud</source>
        <translation>Das Dokument vorlesen</translation>
    </message>
    <message>
        <source>Read to WAV File</source>
        <translation>In WAV-Datei sprechen</translation>
    </message>
    <message>
        <source>Convert document into WAV file</source>
        <translation>Das Dokument in eine WAV-Datei umwandeln</translation>
    </message>
    <message>
        <source>Read to MP3 File</source>
        <translation>In MP3-Datei sprechen</translation>
    </message>
    <message>
        <source>Convert document into MP3 file</source>
        <translation>Das Dokument in eine MP3-Datei umwandeln</translation>
    </message>
    <message>
        <source>Read Clipboard</source>
        <translation>Zwischenablage vorlesen</translation>
    </message>
    <message>
        <source>Read Clipboard aloud</source>
        <translation>Die Zwischenablage vorlesen</translation>
    </message>
    <message>
        <source>Read from Cursor Aloud</source>
        <translation>Ab Cursor vorlesen</translation>
    </message>
    <message>
        <source>Read/convert text from cursor aloud/into WAV/MP3 file</source>
        <translation>Den Text ab dem Cursor vorlesen bzw. in eine WAV-/MP3-Datei umwandeln</translation>
    </message>
    <message>
        <source>Read Selected Text Aloud</source>
        <translation>Ausgewählten Text vorlesen</translation>
    </message>
    <message>
        <source>Read/convert selected text aloud/into WAV/MP3 file</source>
        <translation>Den ausgewählten Text vorlesen bzw. in eine WAV-/MP3-Datei umwandeln</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Pause/Fortsetzen</translation>
    </message>
    <message>
        <source>Pause/Resume the current reading or conversion</source>
        <translation>Das laufende Vorlesen oder Umwandeln anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop the current reading or conversion</source>
        <translation>Das laufende Vorlesen oder Umwandeln beenden</translation>
    </message>
    <message>
        <source>Prev</source>
        <extracomment>Tool bar and Playback menu: switches to the previous document</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Switch to previous document</source>
        <translation>Zum vorherigen Dokument wechseln</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Tool bar and Playback menu: switches to the next document</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Switch to next document</source>
        <translation>Zum nächsten Dokument wechseln</translation>
    </message>
    <message>
        <source>My TXT Folder</source>
        <translation>Mein TXT-Ordner</translation>
    </message>
    <message>
        <source>Open the default TXT(documents) folder</source>
        <translation>Den Standardordner für TXT-Dateien (Dokumente) öffnen</translation>
    </message>
    <message>
        <source>My WAV Folder</source>
        <translation>Mein WAV-Ordner</translation>
    </message>
    <message>
        <source>Open the default WAV folder</source>
        <translation>Den Standardordner für WAV-Dateien öffnen</translation>
    </message>
    <message>
        <source>My MP3 Folder</source>
        <translation>Mein MP3-Ordner</translation>
    </message>
    <message>
        <source>Open the default MP3 folder</source>
        <translation>Den Standardordner für MP3-Dateien öffnen</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Show/Hide Main Window</source>
        <translation>Hauptfenster anzeigen/ausblenden</translation>
    </message>
    <message>
        <source>Show/Hide the main window</source>
        <translation>Das Hauptfenster anzeigen oder ausblenden</translation>
    </message>
    <message>
        <source>Short Pause</source>
        <translation>Kurze Pause</translation>
    </message>
    <message>
        <source>Insert a short pause into text </source>
        <translation>Eine kurze Pause in den Text einfügen </translation>
    </message>
    <message>
        <source>Long Pause</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Insert a long pause into text </source>
        <translation>Eine lange Pause in den Text einfügen </translation>
    </message>
    <message>
        <source>Whisper</source>
        <extracomment>Inserts a control tag that makes the voice whisper</extracomment>
        <translation>Flüstern</translation>
    </message>
    <message>
        <source>Set the character of the voice to Whisper mode</source>
        <translation>Die Stimme auf Flüstern stellen</translation>
    </message>
    <message>
        <source>Monotone</source>
        <extracomment>Inserts a control tag that makes the voice speak in a monotone</extracomment>
        <translation>Monoton</translation>
    </message>
    <message>
        <source>Set the character of the voice to Monotone mode</source>
        <translation>Die Stimme auf monotones Sprechen stellen</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>Inserts a control tag that gives the voice its normal character back</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Set the character of the voice to Normal mode</source>
        <translation>Der Stimme ihren normalen Klang zurückgeben</translation>
    </message>
    <message>
        <source>Emp - Emphasizes the Next Word to be Spoken</source>
        <translation>Emp - Das nächste gesprochene Wort betonen</translation>
    </message>
    <message>
        <source>Emphasize the next word to be spoken</source>
        <translation>Das nächste gesprochene Wort betonen</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Inserts a control tag that sets the voice&apos;s volume</extracomment>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Set the baseline speaking volume of voice</source>
        <translation>Die Grundlautstärke der Stimme festlegen</translation>
    </message>
    <message>
        <source>Speed</source>
        <extracomment>Inserts a control tag that sets the voice&apos;s speed</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Set the baseline average talking speed of voice to the specified number of words per minute</source>
        <translation>Das mittlere Grundtempo der Stimme auf die angegebene Zahl von Wörtern pro Minute festlegen</translation>
    </message>
    <message>
        <source>Pitch</source>
        <extracomment>Inserts a control tag that sets the voice&apos;s pitch</extracomment>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>Set the baseline pitch of voice to the specified value in hertz</source>
        <translation>Die Grundtonhöhe der Stimme auf den angegebenen Wert in Hertz festlegen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Read the help file</source>
        <translation>Die Hilfe lesen</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Contact us via email</source>
        <translation>Per E-Mail Kontakt aufnehmen</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Visit our home page</source>
        <translation>Unsere Homepage besuchen</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Version and contact information</source>
        <translation>Version und Kontaktinformationen</translation>
    </message>
    <message>
        <source>Read Selection</source>
        <translation>Markierung vorlesen</translation>
    </message>
    <message>
        <source>Read the text selected in any program aloud</source>
        <translation>Den in einem beliebigen Programm ausgewählten Text vorlesen</translation>
    </message>
    <message>
        <source>Read from Cursor to WAV File</source>
        <translation>Ab Cursor in WAV-Datei sprechen</translation>
    </message>
    <message>
        <source>Read from Cursor to MP3 File</source>
        <translation>Ab Cursor in MP3-Datei sprechen</translation>
    </message>
    <message>
        <source>Read Selected Text to WAV File</source>
        <translation>Ausgewählten Text in WAV-Datei sprechen</translation>
    </message>
    <message>
        <source>Read Selected Text to MP3 File</source>
        <translation>Ausgewählten Text in MP3-Datei sprechen</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The speech service does not answer, or has gone.</source>
        <translation>Der Sprachdienst antwortet nicht oder ist nicht mehr verfügbar.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>The conversion was interrupted; no %1 file was written.</source>
        <extracomment>%1 is the format: WAV, MP3, Ogg Opus, ...</extracomment>
        <translation>Die Umwandlung wurde unterbrochen; es wurde keine %1-Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Select Voice. You can get more free voices from our site.</source>
        <translation>Stimme auswählen. Weitere kostenlose Stimmen gibt es auf unserer Website.</translation>
    </message>
    <message>
        <source>Voice</source>
        <extracomment>Name of the voice list for a screen reader</extracomment>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Name of the volume slider for a screen reader</extracomment>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Set the global baseline speaking volume for all voices</source>
        <translation>Die gemeinsame Grundlautstärke aller Stimmen festlegen</translation>
    </message>
    <message>
        <source>Speed</source>
        <extracomment>Name of the speed slider for a screen reader</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Set the global baseline average talking speed of all voices to the specified number of words per minute</source>
        <translation>Das gemeinsame mittlere Grundtempo aller Stimmen auf die angegebene Zahl von Wörtern pro Minute festlegen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The volume slider&apos;s value for a screen reader: %1 is a whole percentage</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 words per minute</source>
        <translation>%1 Wörter pro Minute</translation>
    </message>
</context>
<context>
    <name>CurrentLexicon</name>
    <message>
        <source>The pronunciation lexicon &quot;%1&quot; could not be read: %2
Reading goes on without it.</source>
        <extracomment>%1 is the lexicon&apos;s file, %2 why it could not be read</extracomment>
        <translation>Das Aussprachelexikon „%1“ konnte nicht gelesen werden: %2
Das Lesen geht ohne es weiter.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <extracomment>after the first lines that need a look: the number of the others</extracomment>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The pronunciation lexicon &quot;%1&quot; has lines that need a look. Lines that are not entries are not used, and every line stays in the file as it is:
%2

To mend or remove them: Options, page &quot;Prosody&quot;, &quot;Pronunciation Manager&quot;, which shows them marked; or edit the file, where a line starting with # is a comment.</source>
        <extracomment>%1 is the lexicon&apos;s file, %2 its lines that need a look. &quot;Options&quot;, &quot;Prosody&quot; and &quot;Pronunciation Manager&quot; are the names of the dialog, its page and its button.</extracomment>
        <translation>Das Aussprachelexikon „%1“ hat Zeilen, die geprüft werden sollten. Zeilen, die keine Einträge sind, werden nicht verwendet, und jede Zeile bleibt unverändert in der Datei:
%2

Zum Korrigieren oder Entfernen: Optionen, Seite „Stimme“, „Aussprache verwalten“, wo sie markiert sind; oder die Datei bearbeiten, in der eine Zeile, die mit # beginnt, ein Kommentar ist.</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a text file</source>
        <translation>„%1“ kann nicht gelesen werden: Es ist keine Textdatei</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: there is not enough memory for it</source>
        <translation>„%1“ kann nicht gelesen werden: Dafür ist nicht genug Speicher vorhanden</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>Text Files(*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Documents(*.txt %1)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the list of the other document formats&apos; name patterns</extracomment>
        <translation>Dokumente (*.txt %1)</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>The Word document</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Das Word-Dokument</translation>
    </message>
</context>
<context>
    <name>EpubReader</name>
    <message>
        <source>The EPUB book</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Das EPUB-Buch</translation>
    </message>
    <message>
        <source>%1 is protected by encryption (copy protection): only the program it was bought for can open it.</source>
        <translation>%1 ist durch Verschlüsselung geschützt (Kopierschutz): Nur das Programm, für das es gekauft wurde, kann es öffnen.</translation>
    </message>
</context>
<context>
    <name>ErrorObject</name>
    <message>
        <source>Speech engine error.</source>
        <translation>Fehler des Sprachsynthesizers.</translation>
    </message>
</context>
<context>
    <name>EspeakCentral</name>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>Es gibt keine Tonausgabe zum Anhören.</translation>
    </message>
    <message>
        <source>The entry cannot be spoken.</source>
        <translation>Der Eintrag kann nicht gesprochen werden.</translation>
    </message>
</context>
<context>
    <name>EspeakFamily</name>
    <message>
        <source>no voice is installed (Debian&apos;s espeak-ng-data has them)</source>
        <extracomment>why the voices of espeak-ng are missing, after &quot;eSpeak NG: &quot;</extracomment>
        <translation>keine Stimme installiert (das Debian-Paket espeak-ng-data enthält Stimmen)</translation>
    </message>
</context>
<context>
    <name>Fb2Reader</name>
    <message>
        <source>The FictionBook</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Das FictionBook</translation>
    </message>
</context>
<context>
    <name>FliteFamily</name>
    <message>
        <source>no voice is installed (Debian&apos;s libflite1 has them)</source>
        <extracomment>why the voices of Flite are missing, after &quot;Flite: &quot;</extracomment>
        <translation>keine Stimme installiert (das Debian-Paket libflite1 enthält Stimmen)</translation>
    </message>
    <message>
        <source>the voice %1 could not be loaded</source>
        <extracomment>after &quot;Flite: &quot;; %1 is the voice&apos;s file</extracomment>
        <translation>die Stimme %1 konnte nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>Importer</name>
    <message>
        <source>%1 is named as a %2 file, but it holds something else (%3).</source>
        <extracomment>%1 is the file&apos;s name and must come first; %2 the format (EPUB, PDF, ...), %3 what the file holds</extracomment>
        <translation>%1 ist als %2-Datei benannt, enthält aber etwas anderes (%3).</translation>
    </message>
    <message>
        <source>it is empty</source>
        <extracomment>in place of the kind of content a file holds</extracomment>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <extracomment>%1 is the file&apos;s name and must come first, %2 why it cannot be opened</extracomment>
        <translation>%1 kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Das ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>It is %1, and documents larger than %2 are not opened.</source>
        <extracomment>%1 and %2 are sizes (&quot;300.5 MB&quot;)</extracomment>
        <translation>Die Datei ist %1 groß, und Dokumente über %2 werden nicht geöffnet.</translation>
    </message>
    <message>
        <source>It could not be read whole: %1.</source>
        <translation>Die Datei konnte nicht vollständig gelesen werden: %1.</translation>
    </message>
    <message>
        <source>%1 is no document this program reads (it holds %2).</source>
        <extracomment>%1 is the file&apos;s name and must come first, %2 the kind of content it holds</extracomment>
        <translation>%1 ist kein Dokument, das dieses Programm liest (Inhalt: %2).</translation>
    </message>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>Dafür ist nicht genug Speicher vorhanden.</translation>
    </message>
</context>
<context>
    <name>Lame</name>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed: put it in %1 or install it (Debian package lame).</source>
        <extracomment>%1 is the program&apos;s folder</extracomment>
        <translation>Der MP3-Encoder „lame“ ist nicht installiert: Legen Sie ihn in %1 ab oder installieren Sie ihn (Debian-Paket lame).</translation>
    </message>
    <message>
        <source>The MP3 option %1 has no value.</source>
        <extracomment>%1 is the encoder&apos;s switch: -r, -b, -m or -q</extracomment>
        <translation>Die MP3-Option %1 hat keinen Wert.</translation>
    </message>
    <message>
        <source>The MP3 encoder could not convert %1 (exit code %2%3).</source>
        <extracomment>%1 is the input file, %2 the encoder&apos;s exit code, %3 its last words (&quot;: ...&quot;), if any</extracomment>
        <translation>Der MP3-Encoder konnte %1 nicht umwandeln (Exit-Code %2%3).</translation>
    </message>
</context>
<context>
    <name>Lame::TEncodeJob</name>
    <message>
        <source>The file %1 can not be handed to the MP3 encoder: no temporary folder could be made.</source>
        <translation>Die Datei %1 kann nicht an den MP3-Encoder übergeben werden: Es konnte kein temporärer Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is not a sound file the MP3 encoder can read (%2); nothing was converted.</source>
        <extracomment>%1 is the file, %2 why the encoder cannot read it (&quot;it is empty&quot;, ...)</extracomment>
        <translation>%1 ist keine Audiodatei, die der MP3-Encoder lesen kann (%2); es wurde nichts umgewandelt.</translation>
    </message>
    <message>
        <source>The MP3 encoder %1 could not be started.</source>
        <translation>Der MP3-Encoder %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The MP3 encoder found no sound it could decode in %1; nothing was converted.</source>
        <translation>Der MP3-Encoder hat in %1 keinen Ton gefunden, den er dekodieren kann; es wurde nichts umgewandelt.</translation>
    </message>
</context>
<context>
    <name>Lame::TMp3Pipeline</name>
    <message>
        <source>No file is ready for %1.</source>
        <translation>Für %1 ist keine Datei bereit.</translation>
    </message>
    <message>
        <source>Only WAV and MP3 can be written to standard output.</source>
        <translation>Nur WAV und MP3 können auf die Standardausgabe geschrieben werden.</translation>
    </message>
    <message>
        <source>No temporary folder could be made in %1.</source>
        <translation>In %1 konnte kein temporärer Ordner angelegt werden.</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>no tab between the word and its pronunciation</source>
        <extracomment>what is wrong with a line of the lexicon (as the texts that follow)</extracomment>
        <translation>kein Tabulator zwischen dem Wort und seiner Aussprache</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>not UTF-8 text, so it was read as Windows-1252</source>
        <translation>kein UTF-8-Text, daher als Windows-1252 gelesen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 what is wrong with it</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the word is empty</source>
        <translation>das Wort ist leer</translation>
    </message>
    <message>
        <source>a word cannot start with #, which starts a comment</source>
        <translation>ein Wort kann nicht mit # beginnen, das einen Kommentar einleitet</translation>
    </message>
    <message>
        <source>the pronunciation is empty</source>
        <translation>die Aussprache ist leer</translation>
    </message>
    <message>
        <source>phonemes opened with [[ are not closed with ]]</source>
        <translation>mit [[ geöffnete Phoneme werden nicht mit ]] geschlossen</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <extracomment>why the lexicon could not be read; %1 is a number</extracomment>
        <translation>es ist größer als %1 MB</translation>
    </message>
</context>
<context>
    <name>LexiconDialog</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a word of the lexicon</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>The pronunciation lexicon &quot;%1&quot; could not be read: %2
It is left as it is.</source>
        <translation>Das Aussprachelexikon „%1“ konnte nicht gelesen werden: %2
Es bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>Markup</name>
    <message>
        <source>there is not enough memory to read it</source>
        <extracomment>why a web page cannot be read</extracomment>
        <translation>es ist nicht genug Speicher vorhanden, um sie zu lesen</translation>
    </message>
</context>
<context>
    <name>MimeApps</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>The OpenDocument text</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Das OpenDocument-Textdokument</translation>
    </message>
</context>
<context>
    <name>OptionFont</name>
    <message>
        <source>The font &quot;%1&quot; is not installed; &quot;%2&quot; is used instead.</source>
        <translation>Die Schriftart „%1“ ist nicht installiert; stattdessen wird „%2“ verwendet.</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe...</translation>
    </message>
</context>
<context>
    <name>OptionFormat</name>
    <message>
        <source>A document converted by its chapters: its headings, or lines such as &quot;Chapter 1&quot;</source>
        <translation>Ein Dokument, nach Kapiteln umgewandelt: nach seinen Überschriften oder Zeilen wie „Kapitel 1“</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>no chapters</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>File per chapter</source>
        <translation>Datei je Kapitel</translation>
    </message>
    <message>
        <source>Chapter marks</source>
        <translation>Kapitelmarken</translation>
    </message>
    <message>
        <source>Parts of about this many minutes where a document has no headings; never: one file</source>
        <translation>Teile von etwa so vielen Minuten, wo ein Dokument keine Überschriften hat; nie: eine Datei</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>parts by minutes: never, the whole document is one file</extracomment>
        <translation>nie</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>unit after a number of minutes</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Kapitel:</translation>
    </message>
    <message>
        <source>Without headings:</source>
        <translation>Ohne Überschriften:</translation>
    </message>
    <message>
        <source> Compressed Format </source>
        <translation> Komprimiertes Format </translation>
    </message>
    <message>
        <source>The format &quot;Read to MP3 File&quot; writes</source>
        <translation>Das Format, das „In MP3-Datei sprechen“ schreibt</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Timed subtitles beside the converted file</source>
        <translation>Zeitgesteuerte Untertitel neben der umgewandelten Datei</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <extracomment>the kind of subtitle file: SRT, VTT or LRC</extracomment>
        <translation>Typ:</translation>
    </message>
</context>
<context>
    <name>OptionKeys</name>
    <message>
        <source>Show &amp;Tooltips</source>
        <translation>&amp;Tooltips anzeigen</translation>
    </message>
    <message>
        <source>&amp;Repeating Playlist</source>
        <translation>Wiedergabeliste &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;Highlight Reading Word</source>
        <translation>Gesprochenes Wort &amp;hervorheben</translation>
    </message>
    <message>
        <source>Enable &quot;&amp;Key To Speech&quot;</source>
        <translation>„Tasten&amp;ansage“ aktivieren</translation>
    </message>
    <message>
        <source>Automatically &amp;Play Next File</source>
        <translation>&amp;Nächste Datei automatisch lesen</translation>
    </message>
    <message>
        <source>Automatically &amp;Name for WAV/MP3 Files</source>
        <translation>WAV/MP3-Dateien a&amp;utomatisch benennen</translation>
    </message>
    <message>
        <source>Add &amp;Commands to .txt File Type Context Menus</source>
        <translation>Befehle ins &amp;Kontextmenü von .txt-Dateien</translation>
    </message>
    <message>
        <source>&amp;Greeting at Startup</source>
        <translation>&amp;Begrüßung beim Start</translation>
    </message>
    <message>
        <source>S&amp;ubtitles</source>
        <translation>&amp;Untertitel</translation>
    </message>
    <message>
        <source>P&amp;ronunciation Manager</source>
        <translation>&amp;Aussprache verwalten</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>All &amp;Default</source>
        <translation>&amp;Standardwerte</translation>
    </message>
    <message>
        <source>Glo&amp;bal Hotkey ( need restart )</source>
        <translation>&amp;Global (Neustart nötig)</translation>
    </message>
    <message>
        <source>Set &amp;Font</source>
        <translation>Schrift&amp;art</translation>
    </message>
    <message>
        <source>Set Bac&amp;kColor</source>
        <translation>&amp;Hintergrund</translation>
    </message>
    <message>
        <source>Automatically &amp;Wrap Text </source>
        <translation>&amp;Zeilenumbruch </translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Display T&amp;oolBar</source>
        <translation>&amp;Werkzeugleiste anzeigen</translation>
    </message>
    <message>
        <source>Display St&amp;atusBar</source>
        <translation>Status&amp;leiste anzeigen</translation>
    </message>
    <message>
        <source>Display &amp;Main Menus</source>
        <translation>&amp;Menüleiste anzeigen</translation>
    </message>
    <message>
        <source>&amp;System Tray</source>
        <translation>Symbol im &amp;Infobereich</translation>
    </message>
    <message>
        <source>Minimi&amp;ze at Startup</source>
        <translation>Beim Start mi&amp;nimieren</translation>
    </message>
    <message>
        <source>M&amp;inimize to System Tray</source>
        <translation>In &amp;den Infobereich minimieren</translation>
    </message>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Zwischenablage überwachen</translation>
    </message>
    <message>
        <source>Display &amp;Prompt Dialog for</source>
        <translation>&amp;Rückfrage anzeigen für</translation>
    </message>
    <message>
        <source>&amp;Enable Alarm</source>
        <translation>&amp;Alarm aktivieren</translation>
    </message>
    <message>
        <source>And the &amp;Date</source>
        <translation>Und das &amp;Datum</translation>
    </message>
    <message>
        <source>Alarm with &amp;Message Box</source>
        <translation>Mit &amp;Meldungsfenster</translation>
    </message>
    <message>
        <source>&amp;Enable Reminders</source>
        <translation>&amp;Erinnerungen aktivieren</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Remind with &amp;Message Box</source>
        <translation>Mit &amp;Meldungsfenster</translation>
    </message>
    <message>
        <source>&amp;TXT Files Directory:</source>
        <translation>&amp;TXT-Ordner:</translation>
    </message>
    <message>
        <source>&amp;WAV Files Directory:</source>
        <translation>&amp;WAV-Ordner:</translation>
    </message>
    <message>
        <source>&amp;MP3 Files Directory:</source>
        <translation>&amp;MP3-Ordner:</translation>
    </message>
    <message>
        <source>Resample &amp;frequency :</source>
        <translation>&amp;Abtastrate:</translation>
    </message>
    <message>
        <source>   &amp;Bitrates:</source>
        <translation>   &amp;Bitrate:</translation>
    </message>
    <message>
        <source>Write to File( WAV/MP3 ) &amp;Speed:</source>
        <translation>&amp;Schreibgeschwindigkeit (WAV/MP3):</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>T&amp;yp:</translation>
    </message>
    <message>
        <source>&amp;Chapters:</source>
        <translation>&amp;Kapitel:</translation>
    </message>
    <message>
        <source>Without &amp;headings:</source>
        <translation>O&amp;hne Überschriften:</translation>
    </message>
    <message>
        <source>&amp;Short Pause Interval:</source>
        <translation>&amp;Kurze Pause:</translation>
    </message>
    <message>
        <source>&amp;Long Pause Interval:</source>
        <translation>Lan&amp;ge Pause:</translation>
    </message>
    <message>
        <source>Default Value of &amp;Volume:</source>
        <translation>Standard-&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>Default Value of Spee&amp;d:</source>
        <translation>Standard-&amp;Tempo:</translation>
    </message>
    <message>
        <source>Default Value of &amp;Pitch:</source>
        <translation>Standard-Ton&amp;höhe:</translation>
    </message>
    <message>
        <source>&amp;Position:</source>
        <translation>&amp;Position:</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>S&amp;til:</translation>
    </message>
    <message>
        <source>Sc&amp;rollBars:</source>
        <translation>&amp;Bildlaufleisten:</translation>
    </message>
    <message>
        <source>&amp;Ignore Clipboard Text Less Than</source>
        <translation>&amp;Ignorieren, wenn kürzer als</translation>
    </message>
    <message>
        <source>Default &amp;Action:</source>
        <translation>&amp;Standardaktion:</translation>
    </message>
    <message>
        <source>E&amp;very</source>
        <translation>A&amp;lle</translation>
    </message>
    <message>
        <source>Say &amp;Before the Alarm:</source>
        <translation>&amp;Vor dem Alarm sagen:</translation>
    </message>
    <message>
        <source>Alarm &amp;Style:</source>
        <translation>Alarm&amp;typ:</translation>
    </message>
    <message>
        <source>Say &amp;After the Alarm:</source>
        <translation>&amp;Nach dem Alarm sagen:</translation>
    </message>
    <message>
        <source> &amp;Hotkeys </source>
        <translation> Tasten&amp;kürzel </translation>
    </message>
</context>
<context>
    <name>PdfReader</name>
    <message>
        <source>The PDF document</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Das PDF-Dokument</translation>
    </message>
</context>
<context>
    <name>PlaylistFile</name>
    <message>
        <source>Cannot read &quot;%1&quot;: no such file</source>
        <translation>„%1“ kann nicht gelesen werden: Datei nicht gefunden</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>The folder %1 cannot be made: %2.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>Effects</source>
        <extracomment>the title of the font dialog&apos;s own &quot;Effects&quot; group, as Qt&apos;s translation has it</extracomment>
        <translation>Effekte</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Convert into Mp3 File</source>
        <translation>In MP3-Datei umwandeln</translation>
    </message>
    <message>
        <source>Mp3 Files(*.mp3)</source>
        <translation>MP3-Dateien (*.mp3)</translation>
    </message>
    <message>
        <source>Convert into %1 File</source>
        <extracomment>Title of the file dialog: %1 is the name of the audio format, such as &quot;Ogg Vorbis&quot;</extracomment>
        <translation>In %1-Datei umwandeln</translation>
    </message>
    <message>
        <source>%1 Files(*.%2)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the name of the audio format, %2 its file name extension</extracomment>
        <translation>%1-Dateien (*.%2)</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>The RTF document</source>
        <extracomment>the subject of the messages about a document that cannot be read</extracomment>
        <translation>Das RTF-Dokument</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>Read Aloud</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Read to WAV</source>
        <translation>In WAV-Datei sprechen</translation>
    </message>
    <message>
        <source>Read to MP3</source>
        <translation>In MP3-Datei sprechen</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>A command in a file manager&apos;s menu: &quot;Read Aloud with Nurva&quot;</extracomment>
        <translation>%1 mit %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>SoundFile</name>
    <message>
        <source>it is no RIFF WAVE file</source>
        <extracomment>why a file is no sound file the encoder reads (as all that follow)</extracomment>
        <translation>sie ist keine RIFF-WAVE-Datei</translation>
    </message>
    <message>
        <source>its data chunk comes before its format chunk</source>
        <translation>ihr Datenblock steht vor ihrem Formatblock</translation>
    </message>
    <message>
        <source>it has no data chunk</source>
        <translation>sie hat keinen Datenblock</translation>
    </message>
    <message>
        <source>it has no format chunk</source>
        <translation>sie hat keinen Formatblock</translation>
    </message>
    <message>
        <source>it holds no MPEG audio</source>
        <translation>sie enthält kein MPEG-Audio</translation>
    </message>
    <message>
        <source>its sound is stored in a form (format 0x%1) the MP3 encoder does not read</source>
        <extracomment>%1 is the number of the WAV format, in hexadecimal</extracomment>
        <translation>ihr Ton ist in einer Form gespeichert (Format 0x%1), die der MP3-Encoder nicht liest</translation>
    </message>
    <message>
        <source>its format chunk gives no channels or no sample rate</source>
        <translation>ihr Formatblock gibt keine Kanäle oder keine Abtastrate an</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is no sound file</source>
        <translation>sie ist keine Audiodatei</translation>
    </message>
</context>
<context>
    <name>SpeechApi</name>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Der Vorgang wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Not implemented.</source>
        <translation>Nicht implementiert.</translation>
    </message>
    <message>
        <source>No such interface supported.</source>
        <translation>Diese Schnittstelle wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Invalid pointer.</source>
        <translation>Ungültiger Zeiger.</translation>
    </message>
    <message>
        <source>Operation aborted.</source>
        <translation>Vorgang abgebrochen.</translation>
    </message>
    <message>
        <source>Unspecified error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Nicht genug Speicher.</translation>
    </message>
    <message>
        <source>One or more arguments are invalid.</source>
        <translation>Ein oder mehrere Argumente sind ungültig.</translation>
    </message>
    <message>
        <source>The speech engine does not offer this.</source>
        <translation>Der Sprachsynthesizer bietet dies nicht an.</translation>
    </message>
    <message>
        <source>The speech engine mode is not installed.</source>
        <translation>Der Modus des Sprachsynthesizers ist nicht installiert.</translation>
    </message>
    <message>
        <source>The speech engine is busy.</source>
        <translation>Der Sprachsynthesizer ist beschäftigt.</translation>
    </message>
    <message>
        <source>The speech engine&apos;s queue is full.</source>
        <translation>Die Warteschlange des Sprachsynthesizers ist voll.</translation>
    </message>
    <message>
        <source>No sound output device is available.</source>
        <translation>Es ist kein Audioausgabegerät verfügbar.</translation>
    </message>
    <message>
        <source>The sound output device went away.</source>
        <translation>Das Audioausgabegerät ist nicht mehr verfügbar.</translation>
    </message>
    <message>
        <source>Can not open file.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Can not write the audio file.</source>
        <translation>Die Audiodatei kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SpeechdEngine</name>
    <message>
        <source>the speech service cannot be reached</source>
        <extracomment>why speech-dispatcher offers no voice, after &quot;speech-dispatcher: &quot; (as the texts that follow); the library&apos;s reason may follow</extracomment>
        <translation>der Sprachdienst ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the speech service offers no voice</source>
        <translation>der Sprachdienst bietet keine Stimme an</translation>
    </message>
    <message>
        <source>the speech service does not answer</source>
        <translation>der Sprachdienst antwortet nicht</translation>
    </message>
    <message>
        <source>the speech service refused the voice %1: %2</source>
        <extracomment>%1 is the speech service&apos;s module, %2 the voice&apos;s name</extracomment>
        <translation>der Sprachdienst hat die Stimme %1 abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>SynthCentral</name>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>Es gibt keine Tonausgabe zum Anhören.</translation>
    </message>
    <message>
        <source>The entry cannot be spoken.</source>
        <translation>Der Eintrag kann nicht gesprochen werden.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&lt;p align=center&gt;Home page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;br&gt;Contact: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <extracomment>%1 is the home page&apos;s address, %2 the contact&apos;s link and %3 its mail address</extracomment>
        <translation>&lt;p align=center&gt;Homepage: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;br&gt;Kontakt: &lt;a href=&quot;%2&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TDocumentList</name>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a document of its own format, which plain text would destroy; save the text as a .txt file.</source>
        <translation>„%1“ kann nicht geschrieben werden: Es ist ein Dokument in einem eigenen Format, das reiner Text zerstören würde; speichern Sie den Text als .txt-Datei.</translation>
    </message>
    <message>
        <source>saved as UTF-8, since %1 cannot hold every character of the text</source>
        <extracomment>Told in the status bar after a save; %1 is the name of the encoding the file had</extracomment>
        <translation>als UTF-8 gespeichert, da %1 nicht jedes Zeichen des Textes darstellen kann</translation>
    </message>
    <message>
        <source>Cannot save: there is no such document.</source>
        <translation>Speichern nicht möglich: Dieses Dokument gibt es nicht.</translation>
    </message>
    <message>
        <source>Cannot find a free name for the text of &quot;%1&quot;.</source>
        <translation>Für den Text von „%1“ ist kein freier Name zu finden.</translation>
    </message>
    <message>
        <source> %1 [%2 Bytes]</source>
        <extracomment>The status bar&apos;s text for a document: %1 is its path, %2 its size</extracomment>
        <translation> %1 [%2 Byte]</translation>
    </message>
</context>
<context>
    <name>TDocumentReader</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>es ist keine Textdatei</translation>
    </message>
</context>
<context>
    <name>TDocxReader</name>
    <message>
        <source>%1 is protected by a password.</source>
        <translation>%1 ist durch ein Passwort geschützt.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its content is damaged (%2).</source>
        <translation>%1 kann nicht gelesen werden: Sein Inhalt ist beschädigt (%2).</translation>
    </message>
</context>
<context>
    <name>TEpubReader</name>
    <message>
        <source>%1 cannot be read: it does not say where its contents are.</source>
        <translation>%1 kann nicht gelesen werden: Es gibt nicht an, wo sein Inhalt liegt.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its list of contents is damaged (%2).</source>
        <translation>%1 kann nicht gelesen werden: Sein Inhaltsverzeichnis ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>%1 holds no text to read (only images, or nothing at all).</source>
        <translation>%1 enthält keinen Text zum Lesen (nur Bilder oder gar nichts).</translation>
    </message>
</context>
<context>
    <name>TFb2Reader</name>
    <message>
        <source>%1 cannot be read: it is damaged or no FictionBook (%2).</source>
        <extracomment>%1 is the document (&quot;The FictionBook&quot;), %2 what is wrong with it</extracomment>
        <translation>%1 kann nicht gelesen werden: Es ist beschädigt oder kein FictionBook (%2).</translation>
    </message>
    <message>
        <source>no book in it</source>
        <translation>kein Buch darin</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Ersetzen &amp;durch:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>&amp;Nur ganze Wörter</translation>
    </message>
    <message>
        <source>Direction</source>
        <extracomment>The direction of the search</extracomment>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Title of the dialog</extracomment>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>„%1“ wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>TFlacEncoder</name>
    <message>
        <source>out of memory</source>
        <extracomment>why the FLAC encoder could not write</extracomment>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>The FLAC encoder could not write %1: %2</source>
        <translation>Der FLAC-Encoder konnte %1 nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>TFormCvt</name>
    <message>
        <source>Documents</source>
        <extracomment>Name of the strip of document tabs for a screen reader</extracomment>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Document text</source>
        <translation>Dokumenttext</translation>
    </message>
    <message>
        <source> Ready</source>
        <extracomment>The status bar&apos;s text when nothing is going on</extracomment>
        <translation> Bereit</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>Name of the bar that shows how far the reading or conversion has come</extracomment>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File operations. New, Save, Close, etc.</source>
        <translation>Dateioperationen: Neu, Speichern, Schließen usw.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit operations. Cut, Copy, Undo, etc.</source>
        <translation>Bearbeitungsoperationen: Ausschneiden, Kopieren, Rückgängig usw.</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Search operations. Find, Replace, etc.</source>
        <translation>Suchoperationen: Suchen, Ersetzen usw.</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>Reading/conversion commands. Play, Pause, Stop, etc.</source>
        <translation>Befehle zum Vorlesen und Umwandeln: Vorlesen, Pause, Stopp usw.</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Misc commands. Options, control tags, etc.</source>
        <translation>Verschiedene Befehle: Optionen, Steuer-Tags usw.</translation>
    </message>
    <message>
        <source>Insert Control Tags</source>
        <translation>Steuer-Tags einfügen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help and contact information</source>
        <translation>Hilfe und Kontaktinformationen</translation>
    </message>
    <message>
        <source>Insert Short Pause</source>
        <translation>Kurze Pause einfügen</translation>
    </message>
    <message>
        <source>Insert Long Pause</source>
        <translation>Lange Pause einfügen</translation>
    </message>
    <message>
        <source>Insert Other Control Tags</source>
        <translation>Andere Steuer-Tags einfügen</translation>
    </message>
    <message>
        <source>%1

The default settings are used.</source>
        <extracomment>%1 says why the settings could not be read</extracomment>
        <translation>%1

Es werden die Standardeinstellungen verwendet.</translation>
    </message>
    <message>
        <source>The settings could not be saved.

%1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Die Einstellungen konnten nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>„%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Another program holds these keys: wherever they are pressed, even in this window, they reach that program and not this one.

%1

The menus still run these commands. Choose other keys for them in Options, on the page &quot;Interface&quot;.</source>
        <extracomment>%1 lists the commands with their keys, one a line; &quot;Interface&quot; is the name of a page of the Options dialog</extracomment>
        <translation>Ein anderes Programm belegt diese Tasten: Wo immer sie gedrückt werden, auch in diesem Fenster, erreichen sie jenes Programm und nicht dieses.

%1

Die Menüs führen diese Befehle weiterhin aus. Wählen Sie unter Optionen auf der Seite „Ansicht“ andere Tasten für sie.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session here. The commands&apos; keys work while this window has the focus.</source>
        <translation>Globale Tastenkürzel brauchen hier eine X11-Sitzung. Die Tasten der Befehle funktionieren, solange dieses Fenster den Fokus hat.</translation>
    </message>
    <message>
        <source>%1 The commands&apos; keys work while this window has the focus.</source>
        <extracomment>%1 tells how the desktop limits global hotkeys</extracomment>
        <translation>%1 Die Tasten der Befehle funktionieren, solange dieses Fenster den Fokus hat.</translation>
    </message>
    <message>
        <source>Global hotkeys</source>
        <extracomment>Title of a desktop notification</extracomment>
        <translation>Globale Tastenkürzel</translation>
    </message>
    <message>
        <source>Alarm</source>
        <extracomment>Title of a desktop notification</extracomment>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Reminder</source>
        <extracomment>Title of a desktop notification</extracomment>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source> Saved as %1</source>
        <translation> Gespeichert als %1</translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; was saved as a text file of its own:

%2

%3 itself is left as it was; the tab now holds the text file.</source>
        <translation>Der Text von „%1“ wurde als eigene Textdatei gespeichert:

%2

%3 selbst bleibt unverändert; der Tab enthält jetzt die Textdatei.</translation>
    </message>
    <message>
        <source>Open File(s) to Read</source>
        <translation>Datei(en) zum Lesen öffnen</translation>
    </message>
    <message>
        <source> Not saved. %1</source>
        <extracomment>%1 says why the document could not be loaded</extracomment>
        <translation> Nicht gespeichert. %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source> Saved</source>
        <translation> Gespeichert</translation>
    </message>
    <message>
        <source> Saved, %1</source>
        <extracomment>%1 is a notice such as &quot;saved as UTF-8, since ... cannot hold every character of the text&quot;</extracomment>
        <translation> Gespeichert, %1</translation>
    </message>
    <message>
        <source> No text is selected in any program.</source>
        <translation> In keinem Programm ist Text ausgewählt.</translation>
    </message>
    <message>
        <source>Convert into Wav File</source>
        <translation>In WAV-Datei umwandeln</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>Title of a desktop notification; its text is the written file</extracomment>
        <translation>Umwandlung abgeschlossen</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Umwandlung...</translation>
    </message>
    <message>
        <source> Nothing was spoken, so no MP3 file was written.</source>
        <translation> Es wurde nichts gesprochen, daher wurde keine MP3-Datei geschrieben.</translation>
    </message>
    <message>
        <source> Stopped: no MP3 file was written.</source>
        <translation> Gestoppt: Es wurde keine MP3-Datei geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source> %n files, one per chapter, and their playlist %1 were written.</source>
        <extracomment>%n is the number of audio files, %1 the name of the playlist file</extracomment>
        <translation>
            <numerusform> %n Datei (eine pro Kapitel) und ihre Wiedergabeliste %1 wurden geschrieben.</numerusform>
            <numerusform> %n Dateien (eine pro Kapitel) und ihre Wiedergabeliste %1 wurden geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source> No chapters were found: the document went into one file.</source>
        <translation> Keine Kapitel gefunden: Das Dokument wurde in eine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Converting... %1%</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>Umwandlung... %1 %</translation>
    </message>
    <message>
        <source>Word Position: %1</source>
        <extracomment>%1 is the position in the text of the word being read</extracomment>
        <translation>Wortposition: %1</translation>
    </message>
    <message>
        <source> Aloud</source>
        <extracomment>How a document is read, after its name and a space: &quot;Reading &lt;document&gt; Aloud&quot;</extracomment>
        <translation> vorgelesen</translation>
    </message>
    <message>
        <source> to WAV</source>
        <extracomment>How a document is read, after its name and a space: &quot;Reading &lt;document&gt; to WAV&quot;</extracomment>
        <translation> in WAV umgewandelt</translation>
    </message>
    <message>
        <source> to MP3</source>
        <extracomment>How a document is read, after its name and a space: &quot;Reading &lt;document&gt; to MP3&quot;</extracomment>
        <translation> in MP3 umgewandelt</translation>
    </message>
    <message>
        <source>Reading %1%2</source>
        <extracomment>%1 is the document&apos;s name, %2 how it is read, with a space before it (&quot; Aloud&quot;)</extracomment>
        <translation>%1 wird%2</translation>
    </message>
    <message>
        <source>Reading %1 [PART]%2</source>
        <extracomment>A part of the document is read: %1 is its name, %2 how it is read (&quot; Aloud&quot;)</extracomment>
        <translation>%1 [TEIL] wird%2</translation>
    </message>
    <message>
        <source>Reading Clipboard%1</source>
        <extracomment>%1 is how the clipboard is read, with a space before it (&quot; Aloud&quot;)</extracomment>
        <translation>Zwischenablage wird%1</translation>
    </message>
    <message>
        <source> [Paused]</source>
        <extracomment>Added to the tray icon&apos;s tooltip</extracomment>
        <translation> [Angehalten]</translation>
    </message>
    <message>
        <source> [Stopped]</source>
        <extracomment>Added to the tray icon&apos;s tooltip</extracomment>
        <translation> [Gestoppt]</translation>
    </message>
    <message>
        <source>Advanced Text To Speech</source>
        <extracomment>The tray icon&apos;s tooltip until the window shows its first document</extracomment>
        <translation>Erweiterte Sprachausgabe</translation>
    </message>
    <message>
        <source>Hide Main Window</source>
        <translation>Hauptfenster ausblenden</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Hauptfenster anzeigen</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <extracomment>A submenu of the Playback menu: commands that change the voice, its speed and volume</extracomment>
        <translation>&amp;Stimme</translation>
    </message>
    <message>
        <source>&amp;Next Voice</source>
        <translation>&amp;Nächste Stimme</translation>
    </message>
    <message>
        <source>&amp;Previous Voice</source>
        <translation>&amp;Vorherige Stimme</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <extracomment>Moves the speed slider up</extracomment>
        <translation>&amp;Schneller</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <extracomment>Moves the speed slider down</extracomment>
        <translation>&amp;Langsamer</translation>
    </message>
    <message>
        <source>&amp;Louder</source>
        <extracomment>Moves the volume slider up</extracomment>
        <translation>La&amp;uter</translation>
    </message>
    <message>
        <source>S&amp;ofter</source>
        <extracomment>Moves the volume slider down</extracomment>
        <translation>Le&amp;iser</translation>
    </message>
    <message>
        <source> No speech engine is installed: documents can be edited but not read.</source>
        <translation> Kein Sprachsynthesizer installiert: Dokumente können bearbeitet, aber nicht gelesen werden.</translation>
    </message>
    <message>
        <source> Volume: %1% [%2] -- Left/Right arrow key to Fine-tune</source>
        <extracomment>%1 is a whole percentage, %2 the slider&apos;s value</extracomment>
        <translation> Lautstärke: %1 % [%2] -- Pfeiltasten links/rechts zur Feineinstellung</translation>
    </message>
    <message>
        <source> Speed: %1% [%2] -- Left/Right arrow key to Fine-tune</source>
        <extracomment>%1 is a whole percentage of the speed range, %2 the speed in words per minute</extracomment>
        <translation> Tempo: %1 % [%2] -- Pfeiltasten links/rechts zur Feineinstellung</translation>
    </message>
</context>
<context>
    <name>TFormLexicon</name>
    <message>
        <source>Pronunciation Lexicon</source>
        <translation>Aussprachelexikon</translation>
    </message>
    <message>
        <source>Say it as: words spelled the way they sound, or espeak-ng phonemes in double brackets, e.g. [[n&apos;3:v@]]</source>
        <translation>Sprechen als: Wörter so geschrieben, wie sie klingen, oder espeak-ng-Phoneme in doppelten eckigen Klammern, z. B. [[n&apos;3:v@]]</translation>
    </message>
    <message>
        <source>&amp;Words and how to say them:</source>
        <translation>&amp;Wörter und ihre Aussprache:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <extracomment>Button: hear the current row&apos;s word said</extracomment>
        <translation>&amp;Anhören</translation>
    </message>
    <message>
        <source>Say the current row&apos;s word as the lexicon makes the engine say it</source>
        <translation>Das Wort der aktuellen Zeile so sprechen, wie der Sprachsynthesizer es mit dem Lexikon ausspricht</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A line of the file is not used as it stands: its note says why. Mend it or remove it; otherwise OK keeps it as it is.</source>
        <translation>Eine Zeile der Datei wird so, wie sie ist, nicht verwendet: Ihre Notiz nennt den Grund. Korrigieren oder entfernen Sie sie; sonst behält OK sie unverändert.</translation>
    </message>
    <message>
        <source>%1 lines of the file are not used as they stand: their notes say why. Mend or remove them; otherwise OK keeps them as they are.</source>
        <translation>%1 Zeilen der Datei werden so, wie sie sind, nicht verwendet: Ihre Notizen nennen den Grund. Korrigieren oder entfernen Sie sie; sonst behält OK sie unverändert.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>These lines of &quot;%1&quot; are not entries and were not imported:
%2</source>
        <translation>Diese Zeilen von „%1“ sind keine Einträge und wurden nicht importiert:
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Title of the file dialog that picks a lexicon to import</extracomment>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Title of the file dialog that saves the lexicon&apos;s entries to a file</extracomment>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since this dialog read it. Replace it with the lexicon shown here? (Cancel keeps both: close the dialog and open it again to see the file as it is now.)</source>
        <translation>„%1“ wurde von einem anderen Programm geändert, seit dieser Dialog die Datei gelesen hat. Durch das hier gezeigte Lexikon ersetzen? (Abbrechen behält beides: Schließen Sie den Dialog und öffnen Sie ihn erneut, um die Datei so zu sehen, wie sie jetzt ist.)</translation>
    </message>
    <message>
        <source>The lexicon could not be saved to &quot;%1&quot;: %2</source>
        <translation>Das Lexikon konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Pronunciations</source>
        <translation>Aussprachen</translation>
    </message>
</context>
<context>
    <name>TFormOption</name>
    <message>
        <source> Options</source>
        <translation> Optionen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Prosody</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Termine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close this dialog</source>
        <translation>Diesen Dialog schließen</translation>
    </message>
    <message>
        <source>Show Tooltips</source>
        <translation>Tooltips anzeigen</translation>
    </message>
    <message>
        <source>Display hints of buttons, menus, etc.</source>
        <translation>Hinweise zu Knöpfen, Menüs usw. anzeigen</translation>
    </message>
    <message>
        <source>Repeating Playlist</source>
        <translation>Wiedergabeliste wiederholen</translation>
    </message>
    <message>
        <source>If repeat all documents</source>
        <translation>Alle Dokumente immer wieder von vorn lesen</translation>
    </message>
    <message>
        <source>Highlight Reading Word</source>
        <translation>Gesprochenes Wort hervorheben</translation>
    </message>
    <message>
        <source>Automatically move the cursor to the word beening spoken</source>
        <translation>Den Cursor automatisch zum gerade gesprochenen Wort bewegen</translation>
    </message>
    <message>
        <source>Enable &quot;Key To Speech&quot;</source>
        <translation>„Tastenansage“ aktivieren</translation>
    </message>
    <message>
        <source>Enable the &quot;Key To Speech&quot; feature </source>
        <translation>Die Funktion „Tastenansage“ aktivieren </translation>
    </message>
    <message>
        <source>Automatically Play Next File</source>
        <translation>Nächste Datei automatisch lesen</translation>
    </message>
    <message>
        <source>Automatically read the next document after the current one</source>
        <translation>Nach dem aktuellen Dokument automatisch das nächste vorlesen</translation>
    </message>
    <message>
        <source>Automatically Name for WAV/MP3 Files</source>
        <translation>WAV/MP3-Dateien automatisch benennen</translation>
    </message>
    <message>
        <source>Automatically name when convert documents into WAV/MP3 audio files. Disable this option if you prefer to name manually.</source>
        <translation>Dateien beim Umwandeln von Dokumenten in WAV-/MP3-Audiodateien automatisch benennen. Schalten Sie diese Option aus, wenn Sie die Dateien lieber selbst benennen.</translation>
    </message>
    <message>
        <source>Add Commands to .txt File Type Context Menus</source>
        <translation>Befehle ins Kontextmenü von .txt-Dateien</translation>
    </message>
    <message>
        <source>Integrate the command &quot;Read Aloud&quot; to context menus of .txt file type. Something like &quot;Add to ZIP&quot;.</source>
        <translation>Den Befehl „Vorlesen“ in die Kontextmenüs von .txt-Dateien aufnehmen, ähnlich wie „Zu ZIP hinzufügen“.</translation>
    </message>
    <message>
        <source>Greeting at Startup</source>
        <translation>Begrüßung beim Start</translation>
    </message>
    <message>
        <source>Greeing at startup</source>
        <translation>Begrüßung beim Start</translation>
    </message>
    <message>
        <source>Enter your greeting message here</source>
        <translation>Geben Sie hier Ihren Begrüßungstext ein</translation>
    </message>
    <message>
        <source>Greeting</source>
        <extracomment>accessible name of the field with the text spoken at startup</extracomment>
        <translation>Begrüßung</translation>
    </message>
    <message>
        <source> Default File Output Directories </source>
        <translation> Standardordner für die Ausgabe </translation>
    </message>
    <message>
        <source>Default documents folder</source>
        <translation>Standardordner für Dokumente</translation>
    </message>
    <message>
        <source>Default .wav audio files folder</source>
        <translation>Standardordner für .wav-Audiodateien</translation>
    </message>
    <message>
        <source>Default .mp3 audio files folder</source>
        <translation>Standardordner für .mp3-Audiodateien</translation>
    </message>
    <message>
        <source>Set the default TXT files directory</source>
        <translation>Den Standardordner für TXT-Dateien festlegen</translation>
    </message>
    <message>
        <source>Set the default WAV files directory</source>
        <translation>Den Standardordner für WAV-Dateien festlegen</translation>
    </message>
    <message>
        <source>Set the default MP3 files directory</source>
        <translation>Den Standardordner für MP3-Dateien festlegen</translation>
    </message>
    <message>
        <source>TXT Files Directory:</source>
        <translation>TXT-Ordner:</translation>
    </message>
    <message>
        <source>WAV Files Directory:</source>
        <translation>WAV-Ordner:</translation>
    </message>
    <message>
        <source>MP3 Files Directory:</source>
        <translation>MP3-Ordner:</translation>
    </message>
    <message>
        <source> MP3 Quality </source>
        <translation> MP3-Qualität </translation>
    </message>
    <message>
        <source>Select the Sample Frequency of MP3 output</source>
        <translation>Die Abtastrate der MP3-Ausgabe wählen</translation>
    </message>
    <message>
        <source>Select the Bitrates of MP3 output</source>
        <translation>Die Bitrate der MP3-Ausgabe wählen</translation>
    </message>
    <message>
        <source>Resample frequency :</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>KHZ</source>
        <extracomment>unit after the sample frequency list (kilohertz)</extracomment>
        <translation>kHz</translation>
    </message>
    <message>
        <source>   Bitrates:</source>
        <translation>   Bitrate:</translation>
    </message>
    <message>
        <source>KBPS</source>
        <extracomment>unit after the bit rate list (kilobits per second)</extracomment>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>write speed: as fast as the computer can</extracomment>
        <translation>Max.</translation>
    </message>
    <message>
        <source>This option depends on your CPU. The more powerful your CPU is, the higher speed you can select.</source>
        <translation>Diese Option hängt von Ihrem Prozessor ab. Je leistungsfähiger er ist, desto höher kann die gewählte Geschwindigkeit sein.</translation>
    </message>
    <message>
        <source>Write to File( WAV/MP3 ) Speed:</source>
        <translation>Schreibgeschwindigkeit (WAV/MP3):</translation>
    </message>
    <message>
        <source> Control Tags </source>
        <translation> Steuer-Tags </translation>
    </message>
    <message>
        <source>Set the short pause interval</source>
        <translation>Die Dauer der kurzen Pause festlegen</translation>
    </message>
    <message>
        <source>Set the long pause interval</source>
        <translation>Die Dauer der langen Pause festlegen</translation>
    </message>
    <message>
        <source>Set the default value of the Vol control tag</source>
        <translation>Den Standardwert des Steuer-Tags Vol festlegen</translation>
    </message>
    <message>
        <source>Set the default value of the Spd control tag</source>
        <translation>Den Standardwert des Steuer-Tags Spd festlegen</translation>
    </message>
    <message>
        <source>Set the default value of the Pit control tag</source>
        <translation>Den Standardwert des Steuer-Tags Pit festlegen</translation>
    </message>
    <message>
        <source>Short Pause Interval:</source>
        <translation>Kurze Pause:</translation>
    </message>
    <message>
        <source>Seconds ( 1~9 )</source>
        <translation>Sekunden ( 1~9 )</translation>
    </message>
    <message>
        <source>Long Pause Interval:</source>
        <translation>Lange Pause:</translation>
    </message>
    <message>
        <source>Default Value of Volume:</source>
        <translation>Standard-Lautstärke:</translation>
    </message>
    <message>
        <source>Default Value of Speed:</source>
        <translation>Standard-Tempo:</translation>
    </message>
    <message>
        <source>Words Per Minute ( 50~500 )</source>
        <translation>Wörter pro Minute ( 50~500 )</translation>
    </message>
    <message>
        <source>Default Value of Pitch:</source>
        <translation>Standard-Tonhöhe:</translation>
    </message>
    <message>
        <source>Hertz ( 50~400 )</source>
        <translation>Hertz ( 50~400 )</translation>
    </message>
    <message>
        <source>For more information about &quot;Control Tags&quot;, please read the help file.</source>
        <translation>Mehr über „Steuer-Tags“ erfahren Sie in der Hilfe.</translation>
    </message>
    <message>
        <source>Pronunciation Manager</source>
        <translation>Aussprache verwalten</translation>
    </message>
    <message>
        <source>You can edit the phonetics of mispronounced words and load or unload personal exception dictionaries</source>
        <translation>Hier können Sie die Aussprache falsch gesprochener Wörter bearbeiten und eigene Ausnahmewörterbücher laden oder entladen</translation>
    </message>
    <message>
        <source>You can edit the phonetics of mispronounced words and load or unload personal exception dictionaries.</source>
        <translation>Hier können Sie die Aussprache falsch gesprochener Wörter bearbeiten und eigene Ausnahmewörterbücher laden oder entladen.</translation>
    </message>
    <message>
        <source> Hotkeys </source>
        <translation> Tastenkürzel </translation>
    </message>
    <message>
        <source>All commands available</source>
        <translation>Alle verfügbaren Befehle</translation>
    </message>
    <message>
        <source>Set the key combination for the current command</source>
        <translation>Die Tastenkombination für den aktuellen Befehl festlegen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Update the current hotkey</source>
        <translation>Das aktuelle Tastenkürzel ändern</translation>
    </message>
    <message>
        <source>All Default</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Reset all hotkeys to default settings</source>
        <translation>Alle Tastenkürzel auf die Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <source>Global Hotkey ( need restart )</source>
        <translation>Global (Neustart nötig)</translation>
    </message>
    <message>
        <source>This option allows you to use the current hotkey even in other program</source>
        <translation>Mit dieser Option funktioniert das aktuelle Tastenkürzel auch in anderen Programmen</translation>
    </message>
    <message>
        <source> Playlist Tabs </source>
        <translation> Dokument-Tabs </translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>where the playlist tabs are: Top, Bottom, Left, Right</extracomment>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Adjust the position of playlist tabs</source>
        <translation>Die Position der Dokument-Tabs einstellen</translation>
    </message>
    <message>
        <source>Tabs</source>
        <extracomment>how the playlist tabs look: Tabs, Buttons, FlatButtons</extracomment>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Knöpfe</translation>
    </message>
    <message>
        <source>FlatButtons</source>
        <translation>Flache Knöpfe</translation>
    </message>
    <message>
        <source>Set the style of playlist tabs</source>
        <translation>Den Stil der Dokument-Tabs festlegen</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source> Editor </source>
        <translation> Editor </translation>
    </message>
    <message>
        <source>Set Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Set the font style of the editor</source>
        <translation>Die Schriftart des Editors festlegen</translation>
    </message>
    <message>
        <source>Set BackColor</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Set the background color of the editor</source>
        <translation>Die Hintergrundfarbe des Editors festlegen</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>which scroll bars the editor shows: None, Horizontal, Vertical, Both</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>If display the scrollbars of the editor</source>
        <translation>Ob der Editor Bildlaufleisten zeigt</translation>
    </message>
    <message>
        <source>Automatically Wrap Text </source>
        <translation>Zeilenumbruch </translation>
    </message>
    <message>
        <source>If wrap text automatically when reach the right margin of the editor</source>
        <translation>Ob der Text am rechten Rand des Editors automatisch umbrochen wird</translation>
    </message>
    <message>
        <source>ScrollBars:</source>
        <translation>Bildlaufleisten:</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>If the main window always stay on top</source>
        <translation>Ob das Hauptfenster immer im Vordergrund bleibt</translation>
    </message>
    <message>
        <source>Display ToolBar</source>
        <translation>Werkzeugleiste anzeigen</translation>
    </message>
    <message>
        <source>If display the toolbar on the main window</source>
        <translation>Ob das Hauptfenster die Werkzeugleiste zeigt</translation>
    </message>
    <message>
        <source>Display StatusBar</source>
        <translation>Statusleiste anzeigen</translation>
    </message>
    <message>
        <source>If display the statusbar on the main window</source>
        <translation>Ob das Hauptfenster die Statusleiste zeigt</translation>
    </message>
    <message>
        <source>Display Main Menus</source>
        <translation>Menüleiste anzeigen</translation>
    </message>
    <message>
        <source>If display the main menus</source>
        <translation>Ob die Menüleiste angezeigt wird</translation>
    </message>
    <message>
        <source>System Tray</source>
        <translation>Symbol im Infobereich</translation>
    </message>
    <message>
        <source>An icon displayed in system tray area</source>
        <translation>Ein Symbol, das im Infobereich der Kontrollleiste angezeigt wird</translation>
    </message>
    <message>
        <source>Minimize at Startup</source>
        <translation>Beim Start minimieren</translation>
    </message>
    <message>
        <source>Minimize the main window at Startup</source>
        <translation>Das Hauptfenster beim Start minimieren</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Show system tray only when click on the Minimize button</source>
        <translation>Beim Klick auf den Minimieren-Knopf nur das Symbol im Infobereich zeigen</translation>
    </message>
    <message>
        <source>Watch Clipboard</source>
        <translation>Zwischenablage überwachen</translation>
    </message>
    <message>
        <source>If watch the system clipboard</source>
        <translation>Ob die Zwischenablage des Systems überwacht wird</translation>
    </message>
    <message>
        <source>Ignore clipboard text less than this specified number of characters</source>
        <translation>Text in der Zwischenablage ignorieren, der kürzer als diese Zahl von Zeichen ist</translation>
    </message>
    <message>
        <source>Ignore Clipboard Text Less Than</source>
        <translation>Ignorieren, wenn kürzer als</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>&quot;Ignore Clipboard Text Less Than [number] Characters&quot;</extracomment>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Display Prompt Dialog for</source>
        <translation>Rückfrage anzeigen für</translation>
    </message>
    <message>
        <source>When the system clipboard changes, if pop out a prompt dialog which allows you to select action</source>
        <translation>Ob bei einer Änderung der Zwischenablage ein Dialog erscheint, in dem Sie die Aktion wählen können</translation>
    </message>
    <message>
        <source>How long the prompt dialog will be shown</source>
        <translation>Wie lange der Rückfragedialog angezeigt wird</translation>
    </message>
    <message>
        <source>Prompt shown for, in seconds</source>
        <translation>Anzeigedauer der Rückfrage in Sekunden</translation>
    </message>
    <message>
        <source>Seconds</source>
        <extracomment>&quot;Display Prompt Dialog for [number] Seconds&quot;</extracomment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Read Now!</source>
        <translation>Jetzt lesen!</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>clipboard action: the text goes into a new document</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Append</source>
        <extracomment>clipboard action: the text is added to the current document</extracomment>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Default action if the &quot;Display Prompt Dialog&quot; option is unchecked</source>
        <translation>Standardaktion, wenn die Option „Rückfrage anzeigen“ ausgeschaltet ist</translation>
    </message>
    <message>
        <source>Default Action:</source>
        <translation>Standardaktion:</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Alarm aktivieren</translation>
    </message>
    <message>
        <source>If enable the Alarm feature</source>
        <translation>Ob die Alarmfunktion eingeschaltet ist</translation>
    </message>
    <message>
        <source>Alarm every this specified number of minutes</source>
        <translation>Abstand der Alarme in Minuten</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>&quot;Every [number] Minutes&quot;: how often the alarm sounds</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Enter you message here</source>
        <translation>Geben Sie hier Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Say Before the Alarm:</source>
        <translation>Vor dem Alarm sagen:</translation>
    </message>
    <message>
        <source>Say the Time</source>
        <translation>Uhrzeit ansagen</translation>
    </message>
    <message>
        <source>Read Text File</source>
        <translation>Textdatei lesen</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Say the time, Read a specified .txt file or just play a .wav audio file</source>
        <translation>Die Uhrzeit ansagen, eine bestimmte .txt-Datei lesen oder nur eine .wav-Audiodatei abspielen</translation>
    </message>
    <message>
        <source>Alarm Style:</source>
        <translation>Alarmtyp:</translation>
    </message>
    <message>
        <source>And the Date</source>
        <translation>Und das Datum</translation>
    </message>
    <message>
        <source>Say the time and the date</source>
        <translation>Uhrzeit und Datum ansagen</translation>
    </message>
    <message>
        <source>Select a specified .txt file</source>
        <translation>Eine bestimmte .txt-Datei wählen</translation>
    </message>
    <message>
        <source>Select a specified .wav file</source>
        <translation>Eine bestimmte .wav-Datei wählen</translation>
    </message>
    <message>
        <source>Say After the Alarm:</source>
        <translation>Nach dem Alarm sagen:</translation>
    </message>
    <message>
        <source>Alarm with Message Box</source>
        <translation>Mit Meldungsfenster</translation>
    </message>
    <message>
        <source>If alarm with a message box</source>
        <translation>Ob der Alarm ein Meldungsfenster zeigt</translation>
    </message>
    <message>
        <source>Enable Reminders</source>
        <translation>Erinnerungen aktivieren</translation>
    </message>
    <message>
        <source>If enable the Reminders feature</source>
        <translation>Ob die Erinnerungsfunktion eingeschaltet ist</translation>
    </message>
    <message>
        <source>All reminders list</source>
        <translation>Liste aller Erinnerungen</translation>
    </message>
    <message>
        <source> Reminder Editor </source>
        <translation> Erinnerung bearbeiten </translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>tooltip of the reminder&apos;s date field</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>tooltip of the reminder&apos;s time field</extracomment>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Enter your message here</source>
        <translation>Geben Sie hier Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a new reminder</source>
        <translation>Eine neue Erinnerung hinzufügen</translation>
    </message>
    <message>
        <source>Update the current reminder</source>
        <translation>Die aktuelle Erinnerung ändern</translation>
    </message>
    <message>
        <source>Del</source>
        <extracomment>button: delete the selected reminder</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the current reminder</source>
        <translation>Die aktuelle Erinnerung löschen</translation>
    </message>
    <message>
        <source>Remind with Message Box</source>
        <translation>Mit Meldungsfenster</translation>
    </message>
    <message>
        <source>If remind with a message box. Default is checked.</source>
        <translation>Ob die Erinnerung ein Meldungsfenster zeigt. Standardmäßig eingeschaltet.</translation>
    </message>
    <message>
        <source>Text Files(*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Select a folder as the default</source>
        <translation>Einen Ordner als Standard wählen</translation>
    </message>
    <message>
        <source>Only for 32KHZ~48KHZ Mode.</source>
        <translation>Nur für 32 kHz bis 48 kHz.</translation>
    </message>
    <message>
        <source>Only for 8KHZ~24KHZ Mode.</source>
        <translation>Nur für 8 kHz bis 24 kHz.</translation>
    </message>
    <message>
        <source>Speech Engine not selected</source>
        <translation>Kein Sprachsynthesizer ausgewählt</translation>
    </message>
    <message>
        <source>Open File(s) to Read</source>
        <translation>Datei(en) zum Lesen öffnen</translation>
    </message>
    <message>
        <source>The desktop gives this command %1; its settings change that.</source>
        <translation>Der Desktop weist diesem Befehl %1 zu; in seinen Einstellungen lässt sich das ändern.</translation>
    </message>
    <message>
        <source>This Hotkey already exists!</source>
        <translation>Dieses Tastenkürzel gibt es schon!</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>„%1“ ist kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>No page</source>
        <extracomment>The name a screen reader gives the options&apos; page area when no page is chosen</extracomment>
        <translation>Keine Seite</translation>
    </message>
</context>
<context>
    <name>TFormShellTree</name>
    <message>
        <source> Select the disk/folder you want to catalog</source>
        <extracomment>Window title (keep the leading space)</extracomment>
        <translation> Laufwerk oder Ordner auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more.</source>
        <translation>Den Ordner %1 gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>You can not write to the folder %1 (%2): no file can be saved there.

Use it all the same?</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>In den Ordner %1 kann nicht geschrieben werden (%2): Dort kann keine Datei gespeichert werden.

Trotzdem verwenden?</translation>
    </message>
</context>
<context>
    <name>TKoCmdLine</name>
    <message>
        <source>No input file was given.</source>
        <translation>Es wurde keine Eingabedatei angegeben.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a folder, a device or a pipe); nothing was converted.</source>
        <translation>%1 ist keine reguläre Datei (sondern ein Ordner, ein Gerät oder eine Pipe); es wurde nichts umgewandelt.</translation>
    </message>
    <message>
        <source>The output %1 is the input file itself; nothing was converted and the file is left as it was.</source>
        <translation>Die Ausgabe %1 ist die Eingabedatei selbst; es wurde nichts umgewandelt und die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Can&apos;t load the file %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be loaded</extracomment>
        <translation>Die Datei %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>%1 could not %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the job: &quot;speak&quot;, &quot;convert FILE&quot; or &quot;do JOB&quot;</extracomment>
        <translation>%1 konnte %2</translation>
    </message>
    <message>
        <source>speak</source>
        <extracomment>what the program could not do, in &quot;Nurva could not speak&quot;</extracomment>
        <translation>nicht sprechen</translation>
    </message>
    <message>
        <source>convert %1</source>
        <extracomment>what the program could not do, in &quot;Nurva could not convert FILE&quot;; %1 is the file</extracomment>
        <translation>%1 nicht umwandeln</translation>
    </message>
    <message>
        <source>do %1</source>
        <extracomment>what the program could not do, in &quot;Nurva could not do JOB&quot;; %1 is the job (&quot;/xyz&quot;)</extracomment>
        <translation>%1 nicht ausführen</translation>
    </message>
    <message>
        <source>All speech engines installed on your system:</source>
        <translation>Alle auf Ihrem System installierten Sprachsynthesizer:</translation>
    </message>
    <message>
        <source>No speech engine is installed (install espeak-ng-data).</source>
        <translation>Es ist kein Sprachsynthesizer installiert (installieren Sie espeak-ng-data).</translation>
    </message>
    <message>
        <source>The info of speech engine No.%1</source>
        <extracomment>%1 is the voice&apos;s number</extracomment>
        <translation>Informationen zu Sprachsynthesizer Nr. %1</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Language: </source>
        <translation>Sprache: </translation>
    </message>
    <message>
        <source>Manufacturer: </source>
        <translation>Hersteller: </translation>
    </message>
    <message>
        <source>Product: </source>
        <translation>Produkt: </translation>
    </message>
    <message>
        <source>ModeID: </source>
        <translation>Modus-ID: </translation>
    </message>
    <message>
        <source>EngineID: </source>
        <translation>Engine-ID: </translation>
    </message>
    <message>
        <source>Speaker: </source>
        <translation>Sprecher: </translation>
    </message>
    <message>
        <source>Style: </source>
        <translation>Stil: </translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>Geschlecht: </translation>
    </message>
    <message>
        <source>Age: </source>
        <translation>Alter: </translation>
    </message>
    <message>
        <source>Features: </source>
        <translation>Funktionen: </translation>
    </message>
    <message>
        <source>Interfaces: </source>
        <translation>Schnittstellen: </translation>
    </message>
    <message>
        <source>MaxPitch: </source>
        <translation>Max. Tonhöhe: </translation>
    </message>
    <message>
        <source>MinPitch: </source>
        <translation>Min. Tonhöhe: </translation>
    </message>
    <message>
        <source>MaxRealTime: </source>
        <translation>Max. Echtzeit: </translation>
    </message>
    <message>
        <source>MinRealTime: </source>
        <translation>Min. Echtzeit: </translation>
    </message>
    <message>
        <source>MaxSpeed: </source>
        <translation>Max. Tempo: </translation>
    </message>
    <message>
        <source>MinSpeed: </source>
        <translation>Min. Tempo: </translation>
    </message>
    <message>
        <source>MaxVolume: </source>
        <translation>Max. Lautstärke: </translation>
    </message>
    <message>
        <source>MinVolume: </source>
        <translation>Min. Lautstärke: </translation>
    </message>
    <message>
        <source>The words could not be kept in %1.</source>
        <translation>Die Wörter konnten nicht in %1 zwischengespeichert werden.</translation>
    </message>
    <message>
        <source>Standard input is closed: there is no text to speak.</source>
        <translation>Die Standardeingabe ist geschlossen: Es gibt keinen Text zum Sprechen.</translation>
    </message>
    <message>
        <source>Standard input could not be kept: %1</source>
        <translation>Die Standardeingabe konnte nicht zwischengespeichert werden: %1</translation>
    </message>
    <message>
        <source>Standard input could not be read: %1</source>
        <translation>Die Standardeingabe konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Nothing came on standard input: there is no text to speak.</source>
        <translation>Auf der Standardeingabe kam nichts an: Es gibt keinen Text zum Sprechen.</translation>
    </message>
    <message>
        <source>Subtitles go beside an output file, and standard output has no name.</source>
        <translation>Untertitel werden neben eine Ausgabedatei geschrieben, und die Standardausgabe hat keinen Namen.</translation>
    </message>
    <message>
        <source>Chapters need an output file, not standard output.</source>
        <translation>Kapitel brauchen eine Ausgabedatei, nicht die Standardausgabe.</translation>
    </message>
    <message>
        <source>Standard input holds no text that can be read: %1</source>
        <translation>Die Standardeingabe enthält keinen lesbaren Text: %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <extracomment>in place of a file&apos;s name, in why the text cannot be read</extracomment>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>The text has no chapters: no headings such as &quot;Chapter 1&quot; were found. &quot;-ch %1:30&quot; cuts it into parts of about 30 minutes instead.</source>
        <extracomment>%1 is &quot;split&quot; or &quot;marks&quot;, as the switch takes it</extracomment>
        <translation>Der Text hat keine Kapitel: Es wurden keine Überschriften wie „Kapitel 1“ gefunden. „-ch %1:30“ teilt ihn stattdessen in Teile von etwa 30 Minuten.</translation>
    </message>
    <message>
        <source>Usage: %1 JOB [TEXT] [OUTPUT] [SWITCHES]

Jobs:
  /e                 list the installed voices (with -e N: describe voice N)
  /tts TEXT          speak TEXT aloud (a file name, or the words themselves)
  /tts FILE...       read the files aloud, one after the other
  /ttw TEXT [OUT]    speak TEXT into a WAV file
  /ttm TEXT [OUT]    speak TEXT into an MP3, Opus (.opus), Vorbis (.ogg) or FLAC
                     (.flac) file, as OUT&apos;s name says
  /wtm IN.wav [OUT]  convert a WAV file to MP3
  /mtw IN.mp3 [OUT]  convert an MP3 file to WAV

TEXT &quot;-&quot; reads standard input; OUT &quot;-&quot; writes the WAV (/ttw) or MP3 (/ttm)
to standard output. Without OUT the output is the text file&apos;s name with .wav or
the stored format, else output.wav (output.mp3) in the current folder. An OUT
that ends in none of the job&apos;s formats is an error.

Switches (anywhere, in any letter case):
  -e N      voice number (default 0), or the voice&apos;s name as /e lists it
  -v VOICE  voice by name or language, as espeak-ng takes it (en-gb, fr+f2)
  -s WPM    speed in words per minute
  -p HZ     pitch in hertz
  -w X      writing speed as a multiple of real time (default 8);
            -w max (or 256) converts as fast as the engine can, on every core
  -r KHZ    MP3 resample frequency (default automatic: the encoder chooses)
  -b KBPS   MP3 bit rate (default 128); Opus and Vorbis take it too
  -m MODE   MP3 mode letter (default s)
  -q Q      MP3 quality 0-9 (default 5)
  -sub F    timed subtitles beside the output: srt, vtt or lrc (or a list: srt,lrc)
  -ch split one file per chapter, numbered and tagged, with an .m3u playlist
  -ch marks one file with chapter marks; &quot;split:N&quot; or &quot;marks:N&quot; makes
            parts of about N minutes

Other forms:
  FILE...            open the reader&apos;s window with these text files
  --action NAME      run a command in the running reader (starting it if the
                     command needs one): read-clipboard, read-selection,
                     read-aloud, pause-resume, stop, next, previous, show
  --help, -h, /?     print this text
  --version          print the version

Exit codes: 0 done, 1 the job failed, 2 no such job or a wrong argument.
The manual is %2; see also the manual page nurva(1).
</source>
        <extracomment>The jobs, switches, their values and file names stay as they are; %1 is the program&apos;s command, %2 where the manual is. Keep the lines under 80 characters.</extracomment>
        <translation>Aufruf: %1 AUFGABE [TEXT] [ZIEL] [OPTIONEN]

Aufgaben:
  /e                 die installierten Stimmen auflisten (mit -e N: Stimme N
                     beschreiben)
  /tts TEXT          TEXT vorlesen (ein Dateiname oder die Wörter selbst)
  /tts DATEI...      die Dateien nacheinander vorlesen
  /ttw TEXT [ZIEL]   TEXT in eine WAV-Datei sprechen
  /ttm TEXT [ZIEL]   TEXT in eine MP3-, Opus- (.opus), Vorbis- (.ogg) oder
                     FLAC-Datei (.flac) sprechen, je nach dem Namen von ZIEL
  /wtm EIN.wav [ZIEL]
                     eine WAV-Datei in MP3 umwandeln
  /mtw EIN.mp3 [ZIEL]
                     eine MP3-Datei in WAV umwandeln

TEXT „-“ liest die Standardeingabe; ZIEL „-“ schreibt das WAV (/ttw) oder MP3
(/ttm) auf die Standardausgabe. Ohne ZIEL heißt die Ausgabe wie die Textdatei,
mit .wav oder der Endung des gespeicherten Formats, sonst output.wav
(output.mp3) im aktuellen Ordner. Ein ZIEL, das auf keines der Formate der
Aufgabe endet, ist ein Fehler.

Optionen (überall, in beliebiger Groß-/Kleinschreibung):
  -e N      Nummer der Stimme (Standard 0) oder ihr Name, wie /e ihn auflistet
  -v STIMME Stimme nach Name oder Sprache, wie espeak-ng sie nimmt
            (en-gb, fr+f2)
  -s WPM    Tempo in Wörtern pro Minute
  -p HZ     Tonhöhe in Hertz
  -w X      Schreibgeschwindigkeit als Vielfaches der Echtzeit (Standard 8);
            -w max (oder 256) wandelt so schnell um, wie der Sprachsynthesizer
            kann, auf allen Kernen
  -r KHZ    MP3-Abtastrate (Standard automatisch: der Encoder wählt)
  -b KBPS   MP3-Bitrate (Standard 128); Opus und Vorbis nehmen sie auch
  -m MODUS  Buchstabe des MP3-Modus (Standard s)
  -q Q      MP3-Qualität 0-9 (Standard 5)
  -sub F    zeitgesteuerte Untertitel neben der Ausgabe: srt, vtt oder lrc
            (oder eine Liste: srt,lrc)
  -ch split eine Datei pro Kapitel, nummeriert und mit Tags, mit einer
            .m3u-Wiedergabeliste
  -ch marks eine Datei mit Kapitelmarken; „split:N“ oder „marks:N“ macht
            Teile von etwa N Minuten

Andere Formen:
  DATEI...           das Programmfenster mit diesen Textdateien öffnen
  --action NAME      einen Befehl im laufenden Programm ausführen (es starten,
                     wenn der Befehl es braucht): read-clipboard,
                     read-selection, read-aloud, pause-resume, stop, next,
                     previous, show
  --help, -h, /?     diesen Text ausgeben
  --version          die Version ausgeben

Exit-Codes: 0 erledigt, 1 die Aufgabe ist fehlgeschlagen, 2 unbekannte Aufgabe
oder falsches Argument.
Das Handbuch ist %2; siehe auch die Handbuchseite nurva(1).
</translation>
    </message>
</context>
<context>
    <name>TKoForm</name>
    <message>
        <source>Close</source>
        <extracomment>The window&apos;s caption button that closes it</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The window&apos;s caption button that gives a maximised window its former size</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <extracomment>The window&apos;s caption button that maximises it</extracomment>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The window&apos;s caption button that minimises it</extracomment>
        <translation>Minimieren</translation>
    </message>
</context>
<context>
    <name>TKoFormPrompt</name>
    <message>
        <source>New</source>
        <extracomment>Button: the copied text becomes a new document</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Append</source>
        <extracomment>Button: the copied text is added to the end of the current document</extracomment>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Read Now!</source>
        <extracomment>Button: read the copied text aloud at once</extracomment>
        <translation>Jetzt lesen!</translation>
    </message>
    <message>
        <source>Copy Clipboard to the Documents List?</source>
        <translation>Zwischenablage in die Dokumentliste kopieren?</translation>
    </message>
</context>
<context>
    <name>TLexiconModel</name>
    <message>
        <source>Word or phrase</source>
        <extracomment>Column header: the text the entry replaces</extracomment>
        <translation>Wort oder Ausdruck</translation>
    </message>
    <message>
        <source>Say it as</source>
        <extracomment>Column header: how the engine is to say the word</extracomment>
        <translation>Sprechen als</translation>
    </message>
    <message>
        <source>Whole word</source>
        <extracomment>Column header of a check box: the entry matches whole words only</extracomment>
        <translation>Ganzes Wort</translation>
    </message>
    <message>
        <source>Match case</source>
        <extracomment>Column header of a check box: the letter case must match</extracomment>
        <translation>Groß/klein</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>Column header: a remark on the row (why it is not used, which entry wins)</extracomment>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Row %1: the word is empty.</source>
        <translation>Zeile %1: Das Wort ist leer.</translation>
    </message>
    <message>
        <source>Row %1: how to say &quot;%2&quot; is empty.</source>
        <translation>Zeile %1: Die Aussprache von „%2“ ist leer.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>Not used: %1.</source>
        <translation>Nicht verwendet: %1.</translation>
    </message>
    <message>
        <source>Not an entry yet: %1.</source>
        <translation>Noch kein Eintrag: %1.</translation>
    </message>
    <message>
        <source> The line is not UTF-8 text and was read as Windows-1252.</source>
        <extracomment>Added after the row&apos;s other note, if any (keep the leading space)</extracomment>
        <translation> Die Zeile ist kein UTF-8-Text und wurde als Windows-1252 gelesen.</translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <extracomment>A row of the list: its number and its word; used inside the notes</extracomment>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>Never used: %1 comes first and always wins.</source>
        <extracomment>%1 is a row, as in &quot;row 3 (“word”)&quot;</extracomment>
        <translation>Nie verwendet: %1 steht davor und hat immer Vorrang.</translation>
    </message>
    <message>
        <source>%1 comes first and wins where both apply.</source>
        <extracomment>%1 is a row, as in &quot;Row 3 (“word”)&quot;</extracomment>
        <translation>%1 steht davor und hat Vorrang, wo beide passen.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <extracomment>Completes &quot;Wins over %1%2&quot;: the number of further rows (leading space)</extracomment>
        <translation> und %1 weiteren</translation>
    </message>
    <message>
        <source>Wins over %1%2 where both apply.</source>
        <extracomment>%1 is a row, as in &quot;row 3 (“word”)&quot;; %2 is empty or &quot; and &lt;n&gt; more&quot;</extracomment>
        <translation>Hat Vorrang vor %1%2, wo beide passen.</translation>
    </message>
</context>
<context>
    <name>TLibrary</name>
    <message>
        <source>The encoder library %1 is not installed (Debian package %2).</source>
        <translation>Die Encoder-Bibliothek %1 ist nicht installiert (Debian-Paket %2).</translation>
    </message>
    <message>
        <source>The encoder library %1 lacks %2 (Debian package %3 is too old).</source>
        <extracomment>%2 is the name of a function of the library</extracomment>
        <translation>Der Encoder-Bibliothek %1 fehlt %2 (das Debian-Paket %3 ist zu alt).</translation>
    </message>
</context>
<context>
    <name>TMarkdownReader</name>
    <message>
        <source>The Markdown text cannot be read.</source>
        <translation>Der Markdown-Text kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>TMp3Pipeline::State</name>
    <message>
        <source>Standard output was closed before the end.</source>
        <translation>Die Standardausgabe wurde vor dem Ende geschlossen.</translation>
    </message>
    <message>
        <source>Standard output could not be written: %1</source>
        <translation>Die Standardausgabe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The file %1 can not be written in its folder.</source>
        <translation>Die Datei %1 kann nicht in ihren Ordner geschrieben werden.</translation>
    </message>
    <message>
        <source>The file %1 can not be written in its folder: %2.</source>
        <translation>Die Datei %1 kann nicht in ihren Ordner geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The subtitles %1 can not be written in their folder.</source>
        <translation>Die Untertitel %1 können nicht in ihren Ordner geschrieben werden.</translation>
    </message>
    <message>
        <source>The subtitles %1 could not be written: %2</source>
        <translation>Die Untertitel %1 konnten nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The spoken text could not be read back: %1</source>
        <translation>Der gesprochene Text konnte nicht zurückgelesen werden: %1</translation>
    </message>
    <message>
        <source>Piece %1 was spoken at another rate than the first.</source>
        <translation>Abschnitt %1 wurde mit einer anderen Abtastrate gesprochen als der erste.</translation>
    </message>
    <message>
        <source>The text could not be handed over: %1</source>
        <translation>Der Text konnte nicht übergeben werden: %1</translation>
    </message>
    <message>
        <source>The conversion could not be prepared: %1</source>
        <translation>Die Umwandlung konnte nicht vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>The text could not be spoken (exit code %1%2).</source>
        <extracomment>%1 is the speaking worker&apos;s exit code, %2 its last words (&quot;: ...&quot;), if any</extracomment>
        <translation>Der Text konnte nicht gesprochen werden (Exit-Code %1%2).</translation>
    </message>
    <message>
        <source>The spoken text could not be kept in %1: %2</source>
        <translation>Der gesprochene Text konnte nicht in %1 zwischengespeichert werden: %2</translation>
    </message>
    <message>
        <source>The spoken text could not be kept: %1</source>
        <translation>Der gesprochene Text konnte nicht zwischengespeichert werden: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder could not write in %1: %2</source>
        <translation>Der MP3-Encoder konnte nicht in %1 schreiben: %2</translation>
    </message>
    <message>
        <source>the spoken text</source>
        <extracomment>what the MP3 encoder could not convert, in place of a file&apos;s name</extracomment>
        <translation>den gesprochenen Text</translation>
    </message>
</context>
<context>
    <name>TNoGlobalHotkeys</name>
    <message>
        <source>No global hotkeys (they need X11 or a desktop portal) here.</source>
        <translation>Hier gibt es keine globalen Tastenkürzel (sie brauchen X11 oder ein Desktop-Portal).</translation>
    </message>
</context>
<context>
    <name>TOdtReader</name>
    <message>
        <source>%1 is protected by a password; save it without one in the program that made it.</source>
        <translation>%1 ist durch ein Passwort geschützt; speichern Sie es in dem Programm, mit dem es erstellt wurde, ohne Passwort.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its content is damaged (%2).</source>
        <translation>%1 kann nicht gelesen werden: Sein Inhalt ist beschädigt (%2).</translation>
    </message>
</context>
<context>
    <name>TOpusEncoder</name>
    <message>
        <source>The Opus encoder could not write %1: %2</source>
        <translation>Der Opus-Encoder konnte %1 nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>TPartFile</name>
    <message>
        <source>The file %1 can not be written in its folder: %2.</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>Die Datei %1 kann nicht in ihren Ordner geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TPdfReader</name>
    <message>
        <source>%1 is incomplete: its end is missing (a download or copy that was cut short?).</source>
        <translation>%1 ist unvollständig: Sein Ende fehlt (ein abgebrochener Download oder eine abgebrochene Kopie?).</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: it cannot be opened.</source>
        <translation>%1 ist beschädigt oder unvollständig: Es kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 is protected by a password.</source>
        <translation>%1 ist durch ein Passwort geschützt.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 hat keine Seiten.</translation>
    </message>
    <message>
        <source>%1 holds more text than the editor can hold.</source>
        <translation>%1 enthält mehr Text, als der Editor fassen kann.</translation>
    </message>
    <message>
        <source>%1 holds only images of its pages, no text (it is probably scanned): there is nothing to read aloud until a text recognition program has added the text.</source>
        <translation>%1 enthält nur Bilder seiner Seiten, keinen Text (es ist wahrscheinlich gescannt): Es gibt nichts vorzulesen, bis ein Texterkennungsprogramm den Text hinzugefügt hat.</translation>
    </message>
</context>
<context>
    <name>TProgramFolders</name>
    <message>
        <source>The sample document %1 cannot be copied to %2.</source>
        <translation>Das Beispieldokument %1 kann nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>

What the program keeps there (settings, playlist, documents, audio) cannot be saved until this is put right.</source>
        <extracomment>Follows the list of problems (keep the two line breaks at the start)</extracomment>
        <translation>

Was das Programm dort ablegt (Einstellungen, Wiedergabeliste, Dokumente, Audio), kann nicht gespeichert werden, bis das behoben ist.</translation>
    </message>
</context>
<context>
    <name>TProgressLine</name>
    <message>
        <source>%1 spent, about %2 left</source>
        <extracomment>the progress of a conversion on a terminal: &quot;1:05 spent, about 1:30 left&quot;</extracomment>
        <translation>%1 vergangen, noch etwa %2</translation>
    </message>
</context>
<context>
    <name>TReminderSchedule</name>
    <message>
        <source> (late)</source>
        <extracomment>After the moment of a reminder shown late (keep the leading space)</extracomment>
        <translation> (verspätet)</translation>
    </message>
</context>
<context>
    <name>TRtfParser</name>
    <message>
        <source>%1 cannot be read: it does not begin as RTF does.</source>
        <translation>%1 kann nicht gelesen werden: Es beginnt nicht wie ein RTF-Dokument.</translation>
    </message>
    <message>
        <source>%1 cannot be read: its groups nest too deeply.</source>
        <translation>%1 kann nicht gelesen werden: Seine Gruppen sind zu tief verschachtelt.</translation>
    </message>
</context>
<context>
    <name>TTextBuilder</name>
    <message>
        <source>its text is longer than %1 million characters, more than the editor can hold</source>
        <extracomment>why a document cannot be opened; %1 is a number</extracomment>
        <translation>sein Text ist länger als %1 Millionen Zeichen, mehr als der Editor fassen kann</translation>
    </message>
</context>
<context>
    <name>TVorbisEncoder</name>
    <message>
        <source>This libsndfile writes no Ogg Vorbis.</source>
        <translation>Diese libsndfile schreibt kein Ogg Vorbis.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TWavEncoder</name>
    <message>
        <source>The WAV could not be written to standard output: %1</source>
        <translation>Das WAV konnte nicht auf die Standardausgabe geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TX11GlobalHotkeys</name>
    <message>
        <source>Global hotkeys work only while an X11 window has the focus (Wayland).</source>
        <translation>Globale Tastenkürzel funktionieren nur, solange ein X11-Fenster den Fokus hat (Wayland).</translation>
    </message>
    <message>
        <source>Global hotkeys: X11 key grabs, whichever window has the focus.</source>
        <translation>Globale Tastenkürzel: über X11 abgefangen, gleich welches Fenster den Fokus hat.</translation>
    </message>
</context>
<context>
    <name>TXdgShellCommands</name>
    <message>
        <source>The program&apos;s path holds a control character: %1</source>
        <translation>Der Pfad des Programms enthält ein Steuerzeichen: %1</translation>
    </message>
</context>
<context>
    <name>TZip</name>
    <message>
        <source>its zip archive is damaged or incomplete</source>
        <extracomment>why a document cannot be read (as the messages that follow), after &quot;... cannot be read: &quot;</extracomment>
        <translation>sein ZIP-Archiv ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>the list of its zip archive&apos;s members is damaged</source>
        <translation>die Liste der Bestandteile seines ZIP-Archivs ist beschädigt</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <extracomment>%1 is the document (&quot;The EPUB book&quot;), %2 why it cannot be read</extracomment>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is missing</source>
        <translation>sein Teil „%1“ fehlt</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged</source>
        <translation>sein Teil „%1“ ist beschädigt</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is protected by a password</source>
        <translation>sein Teil „%1“ ist durch ein Passwort geschützt</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; claims to expand to %2 MB, far more than a document holds (a damaged or hostile archive)</source>
        <extracomment>%1 is the name of a part of the archive, %2 a number</extracomment>
        <translation>sein Teil „%1“ gibt an, sich auf %2 MB zu entpacken, weit mehr, als ein Dokument enthält (ein beschädigtes oder bösartiges Archiv)</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; expands to more than it claims (a damaged or hostile archive)</source>
        <translation>sein Teil „%1“ entpackt sich auf mehr, als er angibt (ein beschädigtes oder bösartiges Archiv)</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot; is damaged (its checksum or size is wrong)</source>
        <translation>sein Teil „%1“ ist beschädigt (Prüfsumme oder Größe stimmt nicht)</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>The tags of %1 could not be written.</source>
        <translation>Die Tags von %1 konnten nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the file is larger than %1 bytes</source>
        <translation>die Datei ist größer als %1 Byte</translation>
    </message>
</context>
<context>
    <name>VoiceSwitch</name>
    <message>
        <source>No voice called %1 is installed (&quot;/e&quot; lists the voices).</source>
        <translation>Es ist keine Stimme namens %1 installiert („/e“ listet die Stimmen auf).</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>This desktop does not let programs watch the clipboard (it lacks the data-control protocol, as GNOME does): copied text is offered only while the reader&apos;s window is in front. Read Clipboard and paste still work.</source>
        <translation>Dieser Desktop lässt Programme die Zwischenablage nicht überwachen (wie GNOME fehlt ihm das Protokoll data-control): Kopierter Text wird nur angeboten, solange das Fenster des Programms im Vordergrund ist. „Zwischenablage vorlesen“ und Einfügen funktionieren weiterhin.</translation>
    </message>
    <message>
        <source>The clipboard cannot be watched (wl-paste: %1): copied text is offered only while the reader&apos;s window is in front. Read Clipboard and paste still work.</source>
        <translation>Die Zwischenablage kann nicht überwacht werden (wl-paste: %1): Kopierter Text wird nur angeboten, solange das Fenster des Programms im Vordergrund ist. „Zwischenablage vorlesen“ und Einfügen funktionieren weiterhin.</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>The reader is running already, but it did not answer; it may be busy or hanging.</source>
        <translation>Das Programm läuft bereits, hat aber nicht geantwortet; es ist vielleicht beschäftigt oder hängt.</translation>
    </message>
    <message>
        <source>Usage: nurva --action NAME
NAME is one of: %1.</source>
        <extracomment>NAME stays as it is; %1 is the list of the commands&apos; names</extracomment>
        <translation>Aufruf: nurva --action NAME
NAME ist einer von: %1.</translation>
    </message>
    <message>
        <source>This reader runs without a single instance, so a second start opens a second window: %1</source>
        <extracomment>%1 says why</extracomment>
        <translation>Dieses Programm läuft nicht als einzelne Instanz, ein zweiter Start öffnet also ein zweites Fenster: %1</translation>
    </message>
    <message>
        <source>The reader is not running: &quot;%1&quot; has nothing to act on.</source>
        <extracomment>%1 is the command&apos;s name</extracomment>
        <translation>Das Programm läuft nicht: „%1“ kann auf nichts wirken.</translation>
    </message>
    <message>
        <source>The reader&apos;s window needs a desktop (no DISPLAY is set). The command line works without one: run it with /? to see how.</source>
        <translation>Das Programmfenster braucht einen Desktop (DISPLAY ist nicht gesetzt). Die Befehlszeile funktioniert ohne: Rufen Sie sie mit /? auf, um zu sehen, wie.</translation>
    </message>
</context>
<context>
    <name>desktop::TBoundedPaste</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>desktop::TWaylandClipboardWatch</name>
    <message>
        <source>The clipboard cannot be watched: wl-paste (of wl-clipboard) is not installed. Read Clipboard and paste still work.</source>
        <translation>Die Zwischenablage kann nicht überwacht werden: wl-paste (aus wl-clipboard) ist nicht installiert. „Zwischenablage vorlesen“ und Einfügen funktionieren weiterhin.</translation>
    </message>
    <message>
        <source>wl-paste ended with %1</source>
        <extracomment>%1 is the exit code of the wl-paste program</extracomment>
        <translation>wl-paste endete mit %1</translation>
    </message>
</context>
<context>
    <name>mSpeech</name>
    <message>
        <source>OLE error %1</source>
        <extracomment>%1 is the error&apos;s code, in hexadecimal</extracomment>
        <translation>OLE-Fehler %1</translation>
    </message>
</context>
<context>
    <name>mainwindow::TReadingController</name>
    <message>
        <source>No speech engine is installed. Install espeak-ng to hear the documents.</source>
        <translation>Es ist kein Sprachsynthesizer installiert. Installieren Sie espeak-ng, um die Dokumente zu hören.</translation>
    </message>
    <message>
        <source>Voice number %1 is not installed.</source>
        <translation>Stimme Nummer %1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>Can not open file

%1</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>Die Datei kann nicht geöffnet werden

%1</translation>
    </message>
    <message>
        <source>The MP3 file %1 could not be written.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason</extracomment>
        <translation>Die MP3-Datei %1 konnte nicht geschrieben werden.

%2</translation>
    </message>
</context>
<context>
    <name>options::THotKey</name>
    <message>
        <source>None</source>
        <extracomment>the key field when no key combination is set</extracomment>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>options::TReminderModel</name>
    <message>
        <source>This moment does not read as a date and time in the current formats. The reminder is kept as it was written.</source>
        <translation>Dieser Zeitpunkt lässt sich in den aktuellen Formaten nicht als Datum und Uhrzeit lesen. Die Erinnerung wird so behalten, wie sie geschrieben wurde.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
</context>
<context>
    <name>platform::TPortalGlobalHotkeys</name>
    <message>
        <source>The desktop portal refused global hotkeys (%1).</source>
        <translation>Das Desktop-Portal hat globale Tastenkürzel abgelehnt (%1).</translation>
    </message>
    <message>
        <source>Global hotkeys: waiting for the desktop portal.</source>
        <translation>Globale Tastenkürzel: Warten auf das Desktop-Portal.</translation>
    </message>
    <message>
        <source>Global hotkeys: waiting for the desktop to confirm them.</source>
        <translation>Globale Tastenkürzel: Warten auf die Bestätigung durch den Desktop.</translation>
    </message>
    <message>
        <source>The desktop did not confirm the global hotkeys: they are off.</source>
        <translation>Der Desktop hat die globalen Tastenkürzel nicht bestätigt: Sie sind aus.</translation>
    </message>
    <message>
        <source>The desktop portal did not answer: global hotkeys are off.</source>
        <translation>Das Desktop-Portal hat nicht geantwortet: Globale Tastenkürzel sind aus.</translation>
    </message>
    <message>
        <source>no key</source>
        <extracomment>The desktop bound the shortcut to no key at all</extracomment>
        <translation>keine Taste</translation>
    </message>
    <message>
        <source>The desktop portal gave no session: global hotkeys are off.</source>
        <translation>Das Desktop-Portal hat keine Sitzung geliefert: Globale Tastenkürzel sind aus.</translation>
    </message>
    <message>
        <source>Global hotkeys via the desktop portal.</source>
        <translation>Globale Tastenkürzel über das Desktop-Portal.</translation>
    </message>
    <message>
        <source>Global hotkeys via the desktop portal; its settings can change them.</source>
        <translation>Globale Tastenkürzel über das Desktop-Portal; seine Einstellungen können sie ändern.</translation>
    </message>
    <message>
        <source>The desktop refused the global hotkeys: keys work in this window only.</source>
        <translation>Der Desktop hat die globalen Tastenkürzel abgelehnt: Die Tasten funktionieren nur in diesem Fenster.</translation>
    </message>
</context>
<context>
    <name>platform::TUnixSingleInstance</name>
    <message>
        <source>%1 is not a folder that only this user can enter.</source>
        <translation>%1 ist kein Ordner, auf den nur dieser Benutzer zugreifen kann.</translation>
    </message>
    <message>
        <source>There is no private runtime folder ($XDG_RUNTIME_DIR), %1 is not this user&apos;s own private folder%2.</source>
        <extracomment>%2 is empty, or &quot;, and &lt;folder&gt; cannot be made one&quot;</extracomment>
        <translation>Es gibt keinen privaten Laufzeitordner ($XDG_RUNTIME_DIR), %1 ist nicht der eigene private Ordner dieses Benutzers%2.</translation>
    </message>
    <message>
        <source>, and %1 cannot be made one</source>
        <extracomment>Completes &quot;... is not this user&apos;s own private folder%2.&quot;</extracomment>
        <translation>, und %1 kann nicht dazu gemacht werden</translation>
    </message>
    <message>
        <source>The lock %1 cannot be made: %2.</source>
        <translation>Die Sperre %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The lock %1 cannot be taken: %2.</source>
        <translation>Die Sperre %1 kann nicht belegt werden: %2.</translation>
    </message>
</context>
<context>
    <name>speech::TMSpeech</name>
    <message>
        <source>Speech Engine not initialized</source>
        <translation>Sprachsynthesizer nicht initialisiert</translation>
    </message>
    <message>
        <source>Specified Speech Engine not found</source>
        <translation>Angegebener Sprachsynthesizer nicht gefunden</translation>
    </message>
    <message>
        <source>Speech Engine not selected</source>
        <translation>Kein Sprachsynthesizer ausgewählt</translation>
    </message>
    <message>
        <source>Can not open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; is played by a speech service that gives no sound back to this program: it can read aloud, but not into a WAV or MP3 file. Choose another voice to convert.</source>
        <translation>Die Stimme „%1“ wird von einem Sprachdienst gespielt, der diesem Programm keinen Ton zurückgibt: Sie kann vorlesen, aber nicht in eine WAV- oder MP3-Datei sprechen. Wählen Sie zum Umwandeln eine andere Stimme.</translation>
    </message>
</context>
</TS>
