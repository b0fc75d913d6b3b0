<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich der Qt-eigenen Optionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsangabe an.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über Rotants</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>The Rotants developers</source>
        <translation>Die Rotants-Entwickler</translation>
    </message>
    <message>
        <source>Fourier series, turning in class</source>
        <translation>Fourier-Reihen kreisen im Unterricht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TCommandLineText</name>
    <message>
        <source>Rotants: a periodic waveform built from rotating phasors.
With --export-* or --save it writes those files without opening a window.</source>
        <translation>Rotants: ein periodisches Signal, aufgebaut aus rotierenden Zeigern.
Mit --export-* oder --save schreibt es diese Dateien, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Phasor set (.rotants) or harmonics table (.csv) to open.</source>
        <translation>Zu öffnender Zeigersatz (.rotants) oder Tabelle der Harmonischen (.csv).</translation>
    </message>
    <message>
        <source>Highest harmonic, 0 to 25.</source>
        <translation>Höchste Harmonische, 0 bis 25.</translation>
    </message>
    <message>
        <source>Time step, 0 to 511.</source>
        <translation>Zeitschritt, 0 bis 511.</translation>
    </message>
    <message>
        <source>Use conjugate rotants.</source>
        <translation>Konjugiert komplexe Zeiger verwenden.</translation>
    </message>
    <message>
        <source>Rotate the complex plane 90 degrees.</source>
        <translation>Die komplexe Ebene um 90 Grad drehen.</translation>
    </message>
    <message>
        <source>Leave the phasor trace.</source>
        <translation>Die Spur der Zeigerspitze zeichnen.</translation>
    </message>
    <message>
        <source>Show the real value.</source>
        <translation>Den Realteil anzeigen.</translation>
    </message>
    <message>
        <source>Hide the time plot&apos;s grid.</source>
        <translation>Das Gitter des Zeitdiagramms ausblenden.</translation>
    </message>
    <message>
        <source>Hide the ideal wave.</source>
        <translation>Die ideale Kurve ausblenden.</translation>
    </message>
    <message>
        <source>Zoom factor, 1 to 3.</source>
        <translation>Zoomfaktor, 1 bis 3.</translation>
    </message>
    <message>
        <source>Language of the window: %1.</source>
        <translation>Sprache des Fensters: %1.</translation>
    </message>
    <message>
        <source>Write both plots as PNG.</source>
        <translation>Beide Diagramme als PNG schreiben.</translation>
    </message>
    <message>
        <source>Write the tone as WAV.</source>
        <translation>Den Ton als WAV schreiben.</translation>
    </message>
    <message>
        <source>Write the harmonics as CSV.</source>
        <translation>Die Harmonischen als CSV schreiben.</translation>
    </message>
    <message>
        <source>Write the samples as CSV.</source>
        <translation>Die Abtastwerte als CSV schreiben.</translation>
    </message>
    <message>
        <source>Save the phasor set.</source>
        <translation>Den Zeigersatz speichern.</translation>
    </message>
    <message>
        <source>more than one file given: &quot;%1&quot;</source>
        <translation>mehr als eine Datei angegeben: „%1“</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --%2 (expected %3)</source>
        <translation>ungültiger Wert „%1“ für --%2 (erwartet: %3)</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>einer von %1</translation>
    </message>
    <message>
        <source>a whole number from 0 to 25</source>
        <translation>eine ganze Zahl von 0 bis 25</translation>
    </message>
    <message>
        <source>a whole number from 0 to 511</source>
        <translation>eine ganze Zahl von 0 bis 511</translation>
    </message>
    <message>
        <source>a factor from 1 to 3</source>
        <translation>ein Faktor von 1 bis 3</translation>
    </message>
    <message>
        <source>--seconds needs --export-sound</source>
        <translation>--seconds braucht --export-sound</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>ein Dateiname</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Show the spectrum under the plots.</source>
        <translation>Das Spektrum unter den Diagrammen zeigen.</translation>
    </message>
    <message>
        <source>Exit codes: 0 done; 1 a file could not be written; 2 a bad option, value or input file.</source>
        <translation>Rückgabewerte: 0 erledigt; 1 eine Datei konnte nicht geschrieben werden; 2 eine ungültige Option, ein ungültiger Wert oder eine ungültige Eingabedatei.</translation>
    </message>
    <message>
        <source>Waveform: %1 (or as the drop-down names it, in any case).</source>
        <translation>Signalform: %1 (oder wie die Auswahlliste sie nennt, Groß- und Kleinschreibung beliebig).</translation>
    </message>
    <message>
        <source>Length of the exported sound, up to %1 seconds (default 5).</source>
        <translation>Länge des exportierten Tons in Sekunden, bis %1 (Vorgabe 5).</translation>
    </message>
    <message>
        <source>Write a labelled figure as SVG or PDF.</source>
        <translation>Eine beschriftete Abbildung als SVG oder PDF schreiben.</translation>
    </message>
    <message>
        <source>a length of at least one sample and up to %1 seconds</source>
        <translation>eine Länge von mindestens einem Abtastwert und höchstens %1 Sekunden</translation>
    </message>
    <message>
        <source>--%1 given more than once (&quot;%2&quot; and &quot;%3&quot;)</source>
        <translation>--%1 mehrfach angegeben („%2“ und „%3“)</translation>
    </message>
    <message>
        <source>a file name ending in .%1</source>
        <translation>ein Dateiname mit der Endung .%1</translation>
    </message>
    <message>
        <source>a file name ending in .%1 or .%2</source>
        <translation>ein Dateiname mit der Endung .%1 oder .%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named by both --%2 and --%3</source>
        <translation>„%1“ sowohl bei --%2 als auch bei --%3 angegeben</translation>
    </message>
    <message>
        <source>Write one sweep (two periods) as animated GIF.</source>
        <translation>Einen Durchlauf (zwei Perioden) als animiertes GIF schreiben.</translation>
    </message>
</context>
<context>
    <name>TFigureRenderer</name>
    <message>
        <source>two-sided</source>
        <translation>zweiseitig</translation>
    </message>
    <message>
        <source>one-sided</source>
        <translation>einseitig</translation>
    </message>
    <message>
        <source>%1, harmonic 0, step %2, %3</source>
        <translation>%1, Harmonische 0, Schritt %2, %3</translation>
    </message>
    <message>
        <source>%1, harmonics 0-%2, step %3, %4</source>
        <translation>%1, Harmonische 0-%2, Schritt %3, %4</translation>
    </message>
    <message>
        <source>Ideal wave</source>
        <translation>Idealkurve</translation>
    </message>
    <message>
        <source>Reconstruction</source>
        <translation>Rekonstruktion</translation>
    </message>
    <message>
        <source>Phasor chain</source>
        <translation>Zeigerkette</translation>
    </message>
    <message>
        <source>Mirror chain</source>
        <translation>Konjugierte Kette</translation>
    </message>
    <message>
        <source>Trace of the tip</source>
        <translation>Spur der Kettenspitze</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>Harmonische %1</translation>
    </message>
    <message>
        <source>Im</source>
        <translation>Im</translation>
    </message>
    <message>
        <source>Re</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Zeitschritt</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>Harmonische</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Winkel (°)</translation>
    </message>
</context>
<context>
    <name>TFileText</name>
    <message>
        <source>the field %1%2 is missing</source>
        <translation>das Feld %1%2 fehlt</translation>
    </message>
    <message>
        <source>the field %1%2 is not true or false</source>
        <translation>das Feld %1%2 ist weder true noch false</translation>
    </message>
    <message>
        <source>the field %1%2 is not a whole number from %3 to %4</source>
        <translation>das Feld %1%2 ist keine ganze Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>the field %1%2 is not a finite number</source>
        <translation>das Feld %1%2 ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>the field %1%2 is not a text of at most %3 characters</source>
        <translation>das Feld %1%2 ist kein Text mit höchstens %3 Zeichen</translation>
    </message>
    <message>
        <source>the field %1%2 is not an object</source>
        <translation>das Feld %1%2 ist kein Objekt</translation>
    </message>
    <message>
        <source>harmonic %1 has magnitude %2, beyond the editor&apos;s range of 0 to %3%4</source>
        <translation>die Harmonische %1 hat den Betrag %2, außerhalb des Editorbereichs von 0 bis %3%4</translation>
    </message>
    <message>
        <source> in the one-sided convention</source>
        <translation> in der einseitigen Darstellung</translation>
    </message>
    <message>
        <source>the field &quot;entries&quot; is not a list</source>
        <translation>das Feld &quot;entries&quot; ist keine Liste</translation>
    </message>
    <message>
        <source>it holds %1 entries instead of %2</source>
        <translation>sie enthält %1 Einträge statt %2</translation>
    </message>
    <message>
        <source> of entry %1</source>
        <translation> von Eintrag %1</translation>
    </message>
    <message>
        <source>entry %1 has only one of &quot;magnitude_text&quot; and &quot;angle_text&quot;</source>
        <translation>Eintrag %1 hat nur eines von &quot;magnitude_text&quot; und &quot;angle_text&quot;</translation>
    </message>
    <message>
        <source>the grid texts of entry %1 are not a magnitude and an angle in the editor&apos;s range</source>
        <translation>die Tabellentexte von Eintrag %1 sind kein Betrag und Winkel im Bereich des Editors</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it ends too early (the file is truncated)</source>
        <translation>sie endet zu früh (die Datei ist abgeschnitten)</translation>
    </message>
    <message>
        <source>it is neither a phasor set nor a harmonics table (not valid JSON: %1 at byte %2)</source>
        <translation>sie ist weder ein Zeigersatz noch eine Tabelle der Harmonischen (kein gültiges JSON: %1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set</source>
        <translation>sie ist kein Rotants-Zeigersatz</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (its format is &quot;%1&quot;)</source>
        <translation>sie ist kein Rotants-Zeigersatz (ihr Format ist „%1“)</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (no &quot;format&quot; field)</source>
        <translation>sie ist kein Rotants-Zeigersatz (kein Feld &quot;format&quot;)</translation>
    </message>
    <message>
        <source>its field &quot;version&quot; is not a whole number from 1 up</source>
        <translation>ihr Feld &quot;version&quot; ist keine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>it was written by a newer version of Rotants (format version %1; this program reads version %2)</source>
        <translation>sie wurde von einer neueren Version von Rotants geschrieben (Formatversion %1; dieses Programm liest Version %2)</translation>
    </message>
    <message>
        <source>its waveform &quot;%1&quot; is not one of %2</source>
        <translation>ihre Signalform „%1“ ist keine von %2</translation>
    </message>
    <message>
        <source>the field &quot;drawn_period&quot; is not a list of %1 numbers</source>
        <translation>das Feld &quot;drawn_period&quot; ist keine Liste von %1 Zahlen</translation>
    </message>
    <message>
        <source>its first line is not the harmonics table&apos;s header &quot;%1&quot;</source>
        <translation>ihre erste Zeile ist nicht die Kopfzeile der Tabelle der Harmonischen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has a real or imaginary part that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation>%1 hat einen Real- oder Imaginärteil, der keine endliche Zahl mit &apos;.&apos; als Dezimaltrennzeichen ist</translation>
    </message>
    <message>
        <source>%1 has a magnitude or angle that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation>%1 hat einen Betrag oder Winkel, der keine endliche Zahl mit &apos;.&apos; als Dezimaltrennzeichen ist</translation>
    </message>
    <message>
        <source>%1 has a magnitude below 0 or an angle outside -180 to 180</source>
        <translation>%1 hat einen Betrag unter 0 oder einen Winkel außerhalb von -180 bis 180</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>sie ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is larger than 1 MB (%1 bytes), too large for a phasor set</source>
        <translation>sie ist größer als 1 MB (%1 Byte), zu groß für einen Zeigersatz</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is larger than 1 MB, too large for a phasor set</source>
        <translation>sie ist größer als 1 MB, zu groß für einen Zeigersatz</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>sie kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>it could not be written completely (%1); any earlier file of that name is unchanged</source>
        <translation>sie konnte nicht vollständig geschrieben werden (%1); eine ältere Datei dieses Namens bleibt unverändert</translation>
    </message>
    <message>
        <source>it could not be written (%1); any earlier file of that name is unchanged</source>
        <translation>sie konnte nicht geschrieben werden (%1); eine ältere Datei dieses Namens bleibt unverändert</translation>
    </message>
    <message>
        <source> (item %1)</source>
        <translation> (Element %1)</translation>
    </message>
    <message>
        <source>row %1 (harmonic %2)</source>
        <translation>Zeile %1 (Harmonische %2)</translation>
    </message>
    <message>
        <source>it holds %1 rows of harmonics instead of 1 to %2</source>
        <translation>sie enthält %1 Zeilen mit Harmonischen statt 1 bis %2</translation>
    </message>
    <message>
        <source>row %1 does not hold a harmonic from 0 to %2 and its three or five columns</source>
        <translation>Zeile %1 enthält keine Harmonische von 0 bis %2 mit ihren drei oder fünf Spalten</translation>
    </message>
    <message>
        <source>row %1 gives harmonic %2 a second time</source>
        <translation>Zeile %1 nennt die Harmonische %2 ein zweites Mal</translation>
    </message>
    <message>
        <source> in %1</source>
        <comment>a field of the object %1</comment>
        <translation> in %1</translation>
    </message>
</context>
<context>
    <name>TManualWindow</name>
    <message>
        <source>Rotants Manual</source>
        <translation>Rotants-Handbuch</translation>
    </message>
</context>
<context>
    <name>TRotantsForm</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>the length must be at least one sample and at most %1 seconds</source>
        <translation>die Länge muss mindestens einen Abtastwert und höchstens %1 Sekunden betragen</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <translation>Export nach „%1“ nicht möglich: %2.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Export Sound</source>
        <translation>Ton exportieren</translation>
    </message>
    <message>
        <source>Length in seconds:</source>
        <translation>Länge in Sekunden:</translation>
    </message>
    <message>
        <source>WAV sounds (*.wav)</source>
        <translation>WAV-Audiodateien (*.wav)</translation>
    </message>
    <message>
        <source>Export Harmonics Table</source>
        <translation>Tabelle der Harmonischen exportieren</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>CSV-Tabellen (*.csv)</translation>
    </message>
    <message>
        <source>Export Waveform Samples</source>
        <translation>Abtastwerte der Signalform exportieren</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <source>GIF animations (*.gif)</source>
        <translation>GIF-Animationen (*.gif)</translation>
    </message>
    <message>
        <source>Writing the animation...</source>
        <translation>Animation wird geschrieben...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be saved: %2.</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Open Phasor Set</source>
        <translation>Zeigersatz öffnen</translation>
    </message>
    <message>
        <source>Phasor sets and harmonics tables (*.rotants *.csv);;Phasor sets (*.rotants);;Harmonics tables (*.csv);;All files (*)</source>
        <translation>Zeigersätze und Tabellen der Harmonischen (*.rotants *.csv);;Zeigersätze (*.rotants);;Tabellen der Harmonischen (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Phasor Set</source>
        <translation>Zeigersatz speichern</translation>
    </message>
    <message>
        <source>Phasor sets (*.rotants)</source>
        <translation>Zeigersätze (*.rotants)</translation>
    </message>
    <message>
        <source>RMS error: -</source>
        <translation>RMS-Fehler: -</translation>
    </message>
    <message>
        <source>RMS error: %1</source>
        <translation>RMS-Fehler: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Picture...</source>
        <translation>&amp;Bild...</translation>
    </message>
    <message>
        <source>&amp;Sound...</source>
        <translation>&amp;Ton...</translation>
    </message>
    <message>
        <source>&amp;Harmonics Table...</source>
        <translation>Tabelle der &amp;Harmonischen...</translation>
    </message>
    <message>
        <source>Wave&amp;form Samples...</source>
        <translation>Abtast&amp;werte der Signalform...</translation>
    </message>
    <message>
        <source>&amp;Animation...</source>
        <translation>&amp;Animation...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Voll&amp;bild</translation>
    </message>
    <message>
        <source>&amp;Highlight Selected Harmonic</source>
        <translation>Gewählte Harmonische &amp;hervorheben</translation>
    </message>
    <message>
        <source>&amp;Play Selected Harmonic Alone</source>
        <translation>Gewählte Harmonische &amp;allein abspielen</translation>
    </message>
    <message>
        <source>Show &amp;Error</source>
        <translation>&amp;Fehler anzeigen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Rotants...</translation>
    </message>
    <message>
        <source>Re</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Im</source>
        <translation>Im</translation>
    </message>
    <message>
        <source>Waveform:</source>
        <translation>Signalform:</translation>
    </message>
    <message>
        <source>Left-click to place a phasor</source>
        <translation>Linksklick setzt einen Zeiger</translation>
    </message>
    <message>
        <source>Highest harmonic:</source>
        <translation>Harmonische bis:</translation>
    </message>
    <message>
        <source>Left-click and drag to create a waveform</source>
        <translation>Mit linker Maustaste eine Kurve zeichnen</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>Harm.</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Winkel/°</translation>
    </message>
    <message>
        <source>Edit Phasor</source>
        <translation>Zeiger bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>An&amp;wenden</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Abs&amp;pielen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Custom Rotants</source>
        <translation>Eigene Zeiger</translation>
    </message>
    <message>
        <source>Custom Time</source>
        <translation>Eigene Kurve</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Rectangular Pulse</source>
        <translation>Rechteckimpuls</translation>
    </message>
    <message>
        <source>Bipolar Pulse</source>
        <translation>Bipolarer Impuls</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Sawtooth</source>
        <translation>Sägezahn</translation>
    </message>
    <message>
        <source>Rectified Cosine</source>
        <translation>Gleichger. Kosinus</translation>
    </message>
    <message>
        <source>Impulse train</source>
        <translation>Impulsfolge</translation>
    </message>
    <message>
        <source>Phasor Options</source>
        <translation>Zeigeroptionen</translation>
    </message>
    <message>
        <source>Show Real &amp;Value</source>
        <translation>&amp;Realteil anzeigen</translation>
    </message>
    <message>
        <source>&amp;Rotate Complex Plane 90°</source>
        <translation>&amp;Kompl. Ebene 90° drehen</translation>
    </message>
    <message>
        <source>Leave Phasor &amp;Trace</source>
        <translation>&amp;Zeigerspur zeichnen</translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation>Konjugierte Zeiger</translation>
    </message>
    <message>
        <source>Time Options</source>
        <translation>Zeitoptionen</translation>
    </message>
    <message>
        <source>&amp;Grid On</source>
        <translation>&amp;Gitter ein</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Ton ein</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Ideal Wave</source>
        <translation>Idealkurve</translation>
    </message>
    <message>
        <source>Coord: </source>
        <translation>Koord.: </translation>
    </message>
    <message>
        <source>N: </source>
        <translation>Schritt: </translation>
    </message>
    <message>
        <source>Show &amp;Editor</source>
        <translation>&amp;Editor öffnen</translation>
    </message>
    <message>
        <source>Hide &amp;Editor</source>
        <translation>&amp;Editor schließen</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>No sound output available</source>
        <translation>Keine Tonausgabe verfügbar</translation>
    </message>
    <message>
        <source>Zoom: %1 %</source>
        <translation>Zoom: %1 %</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>Harmonische %1</translation>
    </message>
    <message>
        <source>Harmonic %1 alone</source>
        <translation>Harmonische %1 allein</translation>
    </message>
    <message>
        <source>Harmonic %1: above the highest harmonic</source>
        <translation>Harmonische %1: über der höchsten Harmonischen</translation>
    </message>
    <message>
        <source>Magnitude %1 is outside 0 to 10: 0 applied</source>
        <translation>Betrag %1 außerhalb 0 bis 10: 0 gesetzt</translation>
    </message>
    <message>
        <source>Angle %1 is outside -180 to 180: 0 applied</source>
        <translation>Winkel %1 außerhalb -180 bis 180: 0 gesetzt</translation>
    </message>
    <message>
        <source>the name must end in .svg or .pdf</source>
        <translation>der Name muss auf .svg oder .pdf enden</translation>
    </message>
    <message>
        <source>Export Figure</source>
        <translation>Abbildung exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;SVG drawings (*.svg)</source>
        <translation>PDF-Dokumente (*.pdf);;SVG-Grafiken (*.svg)</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the printer could not finish the page</source>
        <translation>der Drucker konnte die Seite nicht fertigstellen</translation>
    </message>
    <message>
        <source>Print Figure</source>
        <translation>Abbildung drucken</translation>
    </message>
    <message>
        <source>Could not print: %1.</source>
        <translation>Drucken nicht möglich: %1.</translation>
    </message>
    <message>
        <source>Fi&amp;gure (SVG, PDF)...</source>
        <translation>Abbil&amp;dung (SVG, PDF)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Placed Harmonic %1</source>
        <translation>Harmonische %1 gesetzt</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>Harmonische %1 eingegeben</translation>
    </message>
    <message>
        <source>Highest Harmonic %1</source>
        <translation>Harmonische bis %1</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Zeichnung</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>the phasor set</source>
        <translation>den Zeigersatz</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Dragged Phase of Harmonic %1</source>
        <translation>Phase der Harmonischen %1 gezogen</translation>
    </message>
    <message>
        <source>Dragged Harmonic %1</source>
        <translation>Harmonische %1 gezogen</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <translation>Spek&amp;trum</translation>
    </message>
    <message>
        <source>Spectrum in &amp;Decibels</source>
        <translation>Spektrum in &amp;Dezibel</translation>
    </message>
    <message>
        <source>Copy &amp;Figure</source>
        <translation>&amp;Abbildung kopieren</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write it with a decimal point, for example 1.5</source>
        <translation>„%1“ ist keine Zahl; schreiben Sie sie mit Dezimalpunkt, zum Beispiel 1.5</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
</context>
<context>
    <name>TShortcutsDialog</name>
    <message>
        <source>One time step back</source>
        <translation>Einen Zeitschritt zurück</translation>
    </message>
    <message>
        <source>One time step forward</source>
        <translation>Einen Zeitschritt vor</translation>
    </message>
    <message>
        <source>%1 time steps back</source>
        <translation>%1 Zeitschritte zurück</translation>
    </message>
    <message>
        <source>%1 time steps forward</source>
        <translation>%1 Zeitschritte vor</translation>
    </message>
    <message>
        <source>First time step (0)</source>
        <translation>Erster Zeitschritt (0)</translation>
    </message>
    <message>
        <source>Last time step (%1)</source>
        <translation>Letzter Zeitschritt (%1)</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Phasor plane or time plot, when it has the focus</source>
        <translation>Zeigerebene oder Zeitdiagramm, wenn es den Fokus hat</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
</context>
</TS>
