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
    <message>
        <source>Speed of the sweep: 0.25, 0.5, 1 or 2 times normal.</source>
        <translation>Geschwindigkeit des Durchlaufs: 0.25-, 0.5-, 1- oder 2-fach normal.</translation>
    </message>
    <message>
        <source>Duty cycle of the rectangular and bipolar pulses, 1 to 99 %.</source>
        <translation>Tastverhältnis der Rechteck- und der bipolaren Pulse, 1 bis 99 %.</translation>
    </message>
    <message>
        <source>Time shift of the standard waveforms, -128 to 127 steps.</source>
        <translation>Zeitverschiebung der Standardsignalformen, -128 bis 127 Schritte.</translation>
    </message>
    <message>
        <source>a whole number from 1 to 99</source>
        <translation>eine ganze Zahl von 1 bis 99</translation>
    </message>
    <message>
        <source>a whole number from -128 to 127</source>
        <translation>eine ganze Zahl von -128 bis 127</translation>
    </message>
    <message>
        <source>Hide the real value.</source>
        <translation>Den Realteil ausblenden.</translation>
    </message>
    <message>
        <source>Start of the part of a recording to analyse, in seconds.</source>
        <translation>Beginn des zu analysierenden Abschnitts einer Aufnahme, in Sekunden.</translation>
    </message>
    <message>
        <source>End of the part of a recording to analyse, in seconds.</source>
        <translation>Ende des zu analysierenden Abschnitts einer Aufnahme, in Sekunden.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 mehrfach angegeben</translation>
    </message>
    <message>
        <source>--real-value and --no-real-value contradict each other</source>
        <translation>--real-value und --no-real-value widersprechen sich</translation>
    </message>
    <message>
        <source>a time in seconds from 0</source>
        <translation>eine Zeit in Sekunden ab 0</translation>
    </message>
    <message>
        <source>--from and --to need a recording to open</source>
        <translation>--from und --to brauchen eine zu öffnende Aufnahme</translation>
    </message>
    <message>
        <source>--to must come after --from</source>
        <translation>--to muss nach --from liegen</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>placeholder</comment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>placeholder</comment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>N</source>
        <comment>placeholder</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>placeholder</comment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Start an exercise at this level, 1 to 6.</source>
        <translation>Eine Übung auf dieser Stufe beginnen, 1 bis 6.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>placeholder</comment>
        <translation>STUFE</translation>
    </message>
    <message>
        <source>The exercise&apos;s seed: the same level and seed give the same target.</source>
        <translation>Startwert der Übung: gleiche Stufe und gleicher Startwert ergeben dasselbe Ziel.</translation>
    </message>
    <message>
        <source>a whole number from 1 to 6</source>
        <translation>eine ganze Zahl von 1 bis 6</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1</source>
        <translation>eine ganze Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>--seed needs --exercise</source>
        <translation>--seed braucht --exercise</translation>
    </message>
    <message>
        <source>--exercise needs the window; it cannot be combined with --export-* or --save</source>
        <translation>--exercise braucht das Fenster und lässt sich nicht mit --export-* oder --save verbinden</translation>
    </message>
</context>
<context>
    <name>TControlsPart</name>
    <message>
        <source>Hide &amp;Editor</source>
        <translation>&amp;Editor aus</translation>
    </message>
    <message>
        <source>Show &amp;Editor</source>
        <translation>&amp;Editor öffnen</translation>
    </message>
    <message>
        <source>Waveform:</source>
        <translation>Signalform:</translation>
    </message>
    <message>
        <source>Highest harmonic:</source>
        <translation>Harmonische bis:</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
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
        <source>Repeat</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Ideal Wave</source>
        <translation>Idealkurve</translation>
    </message>
    <message>
        <source>Choose a standard waveform to build from its harmonics, or a custom mode: place the phasors with the mouse (Custom Rotants) or draw one period (Custom Time).</source>
        <translation>Eine Standardsignalform wählen, die aus ihren Harmonischen aufgebaut wird, oder einen eigenen Modus: Zeiger mit der Maus setzen (Eigene Zeiger) oder eine Periode zeichnen (Eigene Kurve).</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Signalform</translation>
    </message>
    <message>
        <source>How many harmonics take part in the chain, the curve and the tone, 0 to 25. Lower it to see the sum approach the wave harmonic by harmonic.</source>
        <translation>Wie viele Harmonische an Zeigerkette, Kurve und Ton beteiligt sind, 0 bis 25. Verkleinern, um zu sehen, wie sich die Summe Harmonische für Harmonische der Kurve nähert.</translation>
    </message>
    <message>
        <source>Highest harmonic</source>
        <translation>Harmonische bis</translation>
    </message>
    <message>
        <source>Stop and go back to step 0; in the custom modes, also start the custom waveform afresh.</source>
        <translation>Anhalten und zu Schritt 0 zurückkehren; in den eigenen Modi außerdem die eigene Kurve neu beginnen.</translation>
    </message>
    <message>
        <source>Show or hide the table of all 26 harmonics over the phasor plane, to read or type their magnitudes and angles.</source>
        <translation>Die Tabelle aller 26 Harmonischen über der Zeigerebene ein- oder ausblenden, um Beträge und Winkel abzulesen oder einzugeben.</translation>
    </message>
    <message>
        <source>How the phasor plane shows the chain.</source>
        <translation>Wie die Zeigerebene die Zeigerkette zeigt.</translation>
    </message>
    <message>
        <source>Mark the current real value on both plots.</source>
        <translation>Den aktuellen Realteil in beiden Diagrammen markieren.</translation>
    </message>
    <message>
        <source>Turn the phasor plane so that its real axis points up, level with the time plot; with the real value shown, two lines carry it across.</source>
        <translation>Die Zeigerebene so drehen, dass ihre reelle Achse nach oben zeigt, auf einer Höhe mit dem Zeitdiagramm; bei angezeigtem Realteil tragen zwei Linien den Wert hinüber.</translation>
    </message>
    <message>
        <source>Draw the path of the chain&apos;s tip from step 0, in red.</source>
        <translation>Die Bahn der Kettenspitze ab Schritt 0 rot zeichnen.</translation>
    </message>
    <message>
        <source>Also show the negative harmonics, as a mirror chain in purple; each entry then holds c_k instead of 2·c_k. The curve stays the same.</source>
        <translation>Auch die negativen Harmonischen zeigen, als gespiegelte Kette in Violett; jeder Eintrag enthält dann c_k statt 2·c_k. Die Kurve bleibt gleich.</translation>
    </message>
    <message>
        <source>What the time plot shows, the tone and the sweep&apos;s repeat.</source>
        <translation>Was das Zeitdiagramm zeigt, der Ton und die Wiederholung des Durchlaufs.</translation>
    </message>
    <message>
        <source>Show the time plot&apos;s grid.</source>
        <translation>Das Gitter des Zeitdiagramms zeigen.</translation>
    </message>
    <message>
        <source>Show the ideal waveform in black on the time plot.</source>
        <translation>Die ideale Signalform schwarz im Zeitdiagramm zeigen.</translation>
    </message>
    <message>
        <source>Start the sweep again at step 0 after the last step, instead of stopping.</source>
        <translation>Nach dem letzten Schritt den Durchlauf wieder bei Schritt 0 beginnen, statt anzuhalten.</translation>
    </message>
</context>
<context>
    <name>TEditorPanel</name>
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
        <source>Magnitude and angle of every harmonic. Select a row to edit it below; its harmonic is also the one the View menu highlights or plays alone.</source>
        <translation>Betrag und Winkel jeder Harmonischen. Eine Zeile wählen, um sie unten zu bearbeiten; ihre Harmonische ist auch die, die das Menü Ansicht hervorhebt oder allein abspielt.</translation>
    </message>
    <message>
        <source>Harmonics table</source>
        <translation>Tabelle der Harmonischen</translation>
    </message>
    <message>
        <source>The harmonic of the table&apos;s selected row.</source>
        <translation>Die Harmonische der gewählten Tabellenzeile.</translation>
    </message>
    <message>
        <source>The harmonic&apos;s magnitude, 0 to 10; Update or Return applies it.</source>
        <translation>Betrag der Harmonischen, 0 bis 10; Anwenden oder die Eingabetaste übernimmt ihn.</translation>
    </message>
    <message>
        <source>The harmonic&apos;s angle in degrees, -180 to 180; Update or Return applies it.</source>
        <translation>Winkel der Harmonischen in Grad, -180 bis 180; Anwenden oder die Eingabetaste übernimmt ihn.</translation>
    </message>
    <message>
        <source>Angle in degrees</source>
        <translation>Winkel in Grad</translation>
    </message>
    <message>
        <source>Give the selected harmonic the typed magnitude and angle. A value out of range becomes 0, and a notice names it.</source>
        <translation>Der gewählten Harmonischen den eingegebenen Betrag und Winkel geben. Ein Wert außerhalb des Bereichs wird 0, und ein Hinweis nennt ihn.</translation>
    </message>
    <message>
        <source>Type a magnitude and an angle for the harmonic of the selected row.</source>
        <translation>Betrag und Winkel für die Harmonische der gewählten Zeile eingeben.</translation>
    </message>
    <message>
        <source>A typed value outside its range was replaced by 0. The notice stays until an Update that replaces nothing.</source>
        <translation>Ein eingegebener Wert außerhalb seines Bereichs wurde durch 0 ersetzt. Der Hinweis bleibt bis zu einem Anwenden, das nichts ersetzt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write it with a decimal point, for example 1.5</source>
        <translation>„%1“ ist keine Zahl; schreiben Sie sie mit Dezimalpunkt, zum Beispiel 1.5</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>Harmonische %1 eingegeben</translation>
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
        <source>Harmonic %1: %2 at %3°</source>
        <translation>Harmonische %1: %2 bei %3°</translation>
    </message>
</context>
<context>
    <name>TExerciseFileText</name>
    <message>
        <source>target %1: %2</source>
        <translation>Ziel %1: %2</translation>
    </message>
    <message>
        <source>it is not an object</source>
        <translation>es ist kein Objekt</translation>
    </message>
    <message>
        <source>its field &quot;name&quot; is not a text of at most %1 characters</source>
        <translation>sein Feld &quot;name&quot; ist kein Text von höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>its field &quot;threshold&quot; is not a number from %1 to %2</source>
        <translation>sein Feld &quot;threshold&quot; ist keine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>its field &quot;set&quot; is missing or not an object</source>
        <translation>sein Feld &quot;set&quot; fehlt oder ist kein Objekt</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is not a Rotants exercise set (not a JSON object)</source>
        <translation>sie ist kein Rotants-Übungssatz (kein JSON-Objekt)</translation>
    </message>
    <message>
        <source>it is not a Rotants exercise set (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>sie ist kein Rotants-Übungssatz (ihr &quot;format&quot; ist nicht &quot;%1&quot;)</translation>
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
        <source>its field &quot;targets&quot; is not a list of 1 to %1 targets</source>
        <translation>ihr Feld &quot;targets&quot; ist keine Liste von 1 bis %1 Zielen</translation>
    </message>
</context>
<context>
    <name>TExercisePart</name>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Compare your wave with the dashed target: one attempt.</source>
        <translation>Vergleicht Ihre Welle mit dem gestrichelten Ziel: ein Versuch.</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>First how many harmonics the target uses, then its spectrum outlined, then one harmonic&apos;s value at a time.</source>
        <translation>Zuerst, wie viele Harmonische das Ziel hat, dann sein Spektrum als Umriss, dann der Wert einer Harmonischen nach der anderen.</translation>
    </message>
    <message>
        <source>Show &amp;Answer</source>
        <translation>&amp;Lösung zeigen</translation>
    </message>
    <message>
        <source>Make the set the target&apos;s. The target counts as not solved.</source>
        <translation>Macht den Satz zum Zielsatz. Das Ziel gilt als nicht gelöst.</translation>
    </message>
    <message>
        <source>&amp;End Exercise</source>
        <translation>Übung &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Open Exercise Set...</source>
        <translation>Übungssatz ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Work through a teacher&apos;s exercise set, target by target.</source>
        <translation>Einen Übungssatz der Lehrkraft Ziel für Ziel bearbeiten.</translation>
    </message>
    <message>
        <source>E&amp;xport Results...</source>
        <translation>Ergebnisse e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write a CSV file for the teacher: one row per target, whether it was solved, the attempts, hints and seconds.</source>
        <translation>Schreibt eine CSV-Datei für die Lehrkraft: eine Zeile je Ziel, ob es gelöst wurde, Versuche, Tipps und Sekunden.</translation>
    </message>
    <message>
        <source>A&amp;dd Current Set as Target</source>
        <translation>Aktuellen Satz als Ziel &amp;hinzufügen</translation>
    </message>
    <message>
        <source>For teachers: add the set you see as the next target of a new exercise set.</source>
        <translation>Für Lehrkräfte: den angezeigten Satz als nächstes Ziel eines neuen Übungssatzes hinzufügen.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>The level of the next new target: 1, one harmonic, up to 6, a random shape of up to 25 harmonics.</source>
        <translation>Die Stufe des nächsten neuen Ziels: von 1, einer Harmonischen, bis 6, einer Zufallsform aus bis zu 25 Harmonischen.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Hear Target</source>
        <translation>Ziel anhören</translation>
    </message>
    <message>
        <source>Play the target&apos;s tone in place of yours; uncheck it to hear yours again.</source>
        <translation>Spielt den Ton des Ziels statt Ihres; abwählen, um wieder Ihren zu hören.</translation>
    </message>
    <message>
        <source>Save Exercise Set</source>
        <translation>Übungssatz speichern</translation>
    </message>
    <message>
        <source>Exercise sets (*%1)</source>
        <translation>Übungssätze (*%1)</translation>
    </message>
    <message>
        <source>The exercise set could not be saved as %1: %2.</source>
        <translation>Der Übungssatz konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Open Exercise Set</source>
        <translation>Übungssatz öffnen</translation>
    </message>
    <message>
        <source>The exercise set %1 could not be opened: %2.</source>
        <translation>Der Übungssatz %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be written to %1: %2.</source>
        <translation>Die Ergebnisse konnten nicht in %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Difference (RMS): %1, solved below %2</source>
        <translation>Abweichung (RMS): %1, gelöst unter %2</translation>
    </message>
    <message>
        <source>Attempts: %1   Hints: %2   Time: %3</source>
        <translation>Versuche: %1   Tipps: %2   Zeit: %3</translation>
    </message>
    <message>
        <source>One harmonic, magnitude only</source>
        <translation>Eine Harmonische, nur der Betrag</translation>
    </message>
    <message>
        <source>Up to three harmonics, angles 0° or 180°</source>
        <translation>Bis zu drei Harmonische, Winkel 0° oder 180°</translation>
    </message>
    <message>
        <source>Up to three harmonics, any angles</source>
        <translation>Bis zu drei Harmonische, beliebige Winkel</translation>
    </message>
    <message>
        <source>Up to six harmonics</source>
        <translation>Bis zu sechs Harmonische</translation>
    </message>
    <message>
        <source>A standard waveform, cut at a highest harmonic</source>
        <translation>Eine Standardwellenform, bei einer höchsten Harmonischen abgeschnitten</translation>
    </message>
    <message>
        <source>A random shape of up to 25 harmonics</source>
        <translation>Eine Zufallsform aus bis zu 25 Harmonischen</translation>
    </message>
    <message>
        <source>The answer is shown.</source>
        <translation>Die Lösung wird gezeigt.</translation>
    </message>
    <message>
        <source>Solved! Well done.</source>
        <translation>Gelöst! Gut gemacht.</translation>
    </message>
    <message>
        <source>Not yet: the difference was %1.</source>
        <translation>Noch nicht: die Abweichung war %1.</translation>
    </message>
    <message>
        <source>Build the dashed wave, then Check.</source>
        <translation>Bauen Sie die gestrichelte Welle nach, dann Prüfen.</translation>
    </message>
    <message>
        <source>Harmonics used: %1</source>
        <translation>Verwendete Harmonische: %1</translation>
    </message>
    <message>
        <source>The target&apos;s spectrum is outlined in the strip.</source>
        <translation>Das Spektrum des Ziels ist im Streifen umrissen.</translation>
    </message>
    <message>
        <source>&amp;Next Target</source>
        <translation>&amp;Nächstes Ziel</translation>
    </message>
    <message>
        <source>&amp;New Target</source>
        <translation>&amp;Neues Ziel</translation>
    </message>
    <message>
        <source>A new target to match, at the level the exercise panel shows, or the next target of an exercise set.</source>
        <translation>Ein neues Ziel zum Nachbauen auf der Stufe, die das Übungsfeld zeigt, oder das nächste Ziel eines Übungssatzes.</translation>
    </message>
    <message>
        <source>&amp;Save Exercise Set (%1)...</source>
        <translation>Übungssatz &amp;speichern (%1)...</translation>
    </message>
    <message>
        <source>Save the targets added so far as one exercise set.</source>
        <translation>Speichert die bisher hinzugefügten Ziele als einen Übungssatz.</translation>
    </message>
    <message>
        <source>Target %1 of %2: %3</source>
        <translation>Ziel %1 von %2: %3</translation>
    </message>
    <message>
        <source>E&amp;xercise</source>
        <translation>&amp;Übung</translation>
    </message>
    <message>
        <source>Hide the target and the exercise panel; the results stay for Export Results.</source>
        <translation>Blendet das Ziel und das Übungsfeld aus; die Ergebnisse bleiben für „Ergebnisse exportieren“.</translation>
    </message>
</context>
<context>
    <name>TExerciseSession</name>
    <message>
        <source>Level %1, seed %2</source>
        <translation>Stufe %1, Startwert %2</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Ziel %1</translation>
    </message>
</context>
<context>
    <name>TExportsPart</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>the length must be at least one sample and at most %1 seconds</source>
        <translation>die Länge muss mindestens einen Abtastwert und höchstens %1 Sekunden betragen</translation>
    </message>
    <message>
        <source>the name must end in .svg or .pdf</source>
        <translation>der Name muss auf .svg oder .pdf enden</translation>
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
        <source>Export Figure</source>
        <translation>Abbildung exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;SVG drawings (*.svg)</source>
        <translation>PDF-Dokumente (*.pdf);;SVG-Grafiken (*.svg)</translation>
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
        <source>Print Figure</source>
        <translation>Abbildung drucken</translation>
    </message>
    <message>
        <source>Could not print: %1.</source>
        <translation>Drucken nicht möglich: %1.</translation>
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
        <source>Fi&amp;gure (SVG, PDF)...</source>
        <translation>Abbil&amp;dung (SVG, PDF)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Copy &amp;Figure</source>
        <translation>&amp;Abbildung kopieren</translation>
    </message>
    <message>
        <source>Write what the window shows to a picture, sound, table, animation or figure file.</source>
        <translation>Das Gezeigte als Bild-, Ton-, Tabellen-, Animations- oder Abbildungsdatei schreiben.</translation>
    </message>
    <message>
        <source>Save the plots as shown, as a PNG picture.</source>
        <translation>Die Diagramme wie gezeigt als PNG-Bild speichern.</translation>
    </message>
    <message>
        <source>Save the tone as a WAV file of the length you choose.</source>
        <translation>Den Ton als WAV-Datei in der gewählten Länge speichern.</translation>
    </message>
    <message>
        <source>Save the magnitude and angle of every harmonic as a CSV table.</source>
        <translation>Betrag und Winkel jeder Harmonischen als CSV-Tabelle speichern.</translation>
    </message>
    <message>
        <source>Save the ideal and the reconstructed value at every time step as a CSV table.</source>
        <translation>Den idealen und den rekonstruierten Wert an jedem Zeitschritt als CSV-Tabelle speichern.</translation>
    </message>
    <message>
        <source>Save one sweep as an animated GIF.</source>
        <translation>Einen Durchlauf als animiertes GIF speichern.</translation>
    </message>
    <message>
        <source>Save a labelled figure for handouts and slides, as SVG or PDF.</source>
        <translation>Eine beschriftete Abbildung für Arbeitsblätter und Folien als SVG oder PDF speichern.</translation>
    </message>
    <message>
        <source>Print the figure and the table of the harmonics in use on one page.</source>
        <translation>Die Abbildung und die Tabelle der verwendeten Harmonischen auf einer Seite drucken.</translation>
    </message>
    <message>
        <source>Copy the labelled figure, to paste into a document or a slide.</source>
        <translation>Die beschriftete Abbildung kopieren, um sie in ein Dokument oder eine Folie einzufügen.</translation>
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
        <translation>Gespiegelte Kette</translation>
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
    <message>
        <source>Magnitude (dB)</source>
        <translation>Betrag (dB)</translation>
    </message>
    <message>
        <source>Phase (°)</source>
        <translation>Phase (°)</translation>
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
    <message>
        <source>the recording&apos;s name is empty or its fundamental lies outside %1 to %2 Hz</source>
        <translation>der Name der Aufnahme ist leer oder ihre Grundfrequenz liegt außerhalb von %1 bis %2 Hz</translation>
    </message>
</context>
<context>
    <name>TFilesPart</name>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
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
        <source>Save Phasor Set</source>
        <translation>Zeigersatz speichern</translation>
    </message>
    <message>
        <source>Phasor sets (*.rotants)</source>
        <translation>Zeigersätze (*.rotants)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
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
        <source>Start again from the state Rotants opens in.</source>
        <translation>Neu beginnen mit dem Zustand, in dem Rotants startet.</translation>
    </message>
    <message>
        <source>Open one of the last eight files.</source>
        <translation>Eine der letzten acht Dateien öffnen.</translation>
    </message>
    <message>
        <source>Empty the list of recent files.</source>
        <translation>Die Liste der zuletzt geöffneten Dateien leeren.</translation>
    </message>
    <message>
        <source>Save the phasor set and the window&apos;s options in a phasor-set file (.rotants).</source>
        <translation>Den Zeigersatz und die Optionen des Fensters in einer Zeigersatzdatei (.rotants) speichern.</translation>
    </message>
    <message>
        <source>Save the phasor set under a new name.</source>
        <translation>Den Zeigersatz unter einem neuen Namen speichern.</translation>
    </message>
    <message>
        <source>Phasor sets, harmonics tables and recordings (*.rotants *.csv *.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Phasor sets (*.rotants);;Harmonics tables (*.csv);;Recordings (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;All files (*)</source>
        <translation>Zeigersätze, Tabellen der Harmonischen und Aufnahmen (*.rotants *.csv *.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Zeigersätze (*.rotants);;Tabellen der Harmonischen (*.csv);;Aufnahmen (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open a phasor set (.rotants), a harmonics table (CSV) or a recording (WAV, FLAC, Ogg Vorbis, AIFF) to analyse.</source>
        <translation>Einen Zeigersatz (.rotants), eine Tabelle der Harmonischen (CSV) oder eine zu analysierende Aufnahme (WAV, FLAC, Ogg Vorbis, AIFF) öffnen.</translation>
    </message>
    <message>
        <source>Save changes to the phasor set?</source>
        <translation>Änderungen am Zeigersatz speichern?</translation>
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
    <name>TPhasorDocument</name>
    <message>
        <source>Highest Harmonic %1</source>
        <translation>Harmonische bis %1</translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation>Konjugierte Zeiger</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>Harmonische %1 eingegeben</translation>
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
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
</context>
<context>
    <name>TPlaybackPart</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Abs&amp;pielen</translation>
    </message>
    <message>
        <source>Run the sweep through the time steps: the chain turns and the curve grows.</source>
        <translation>Den Durchlauf durch die Zeitschritte starten: Die Zeigerkette dreht sich, die Kurve wächst.</translation>
    </message>
    <message>
        <source>Stop the sweep at the current time step.</source>
        <translation>Den Durchlauf beim aktuellen Zeitschritt anhalten.</translation>
    </message>
    <message>
        <source>The time step, 0 to 511 (two periods); moving it redraws both plots.</source>
        <translation>Der Zeitschritt, 0 bis 511 (zwei Perioden); Verschieben zeichnet beide Diagramme neu.</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Zeitschritt</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Tempo %1</translation>
    </message>
    <message>
        <source>Slowe&amp;r</source>
        <translation>&amp;Langsamer</translation>
    </message>
    <message>
        <source>Fas&amp;ter</source>
        <translation>Schnelle&amp;r</translation>
    </message>
    <message>
        <source>Run the sweep more slowly: half, then a quarter of the normal speed, to talk over it. The tone stays as it is.</source>
        <translation>Den Durchlauf langsamer laufen lassen: mit halber, dann mit einem Viertel der normalen Geschwindigkeit, um dazu zu erklären. Der Ton bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>Run the sweep faster, up to twice the normal speed.</source>
        <translation>Den Durchlauf schneller laufen lassen, bis zur doppelten normalen Geschwindigkeit.</translation>
    </message>
    <message>
        <source>The speed of the sweep against the normal one step every 10 ms (View &gt; Slower and Faster).</source>
        <translation>Die Geschwindigkeit des Durchlaufs gegenüber dem normalen Schritt alle 10 ms (Ansicht &gt; Langsamer und Schneller).</translation>
    </message>
</context>
<context>
    <name>TPlotsPart</name>
    <message>
        <source>Re</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Im</source>
        <translation>Im</translation>
    </message>
    <message>
        <source>Left-click to place a phasor</source>
        <translation>Linksklick setzt einen Zeiger</translation>
    </message>
    <message>
        <source>Left-click and drag to create a waveform</source>
        <translation>Mit linker Maustaste eine Kurve zeichnen</translation>
    </message>
    <message>
        <source>Real axis</source>
        <translation>Reelle Achse</translation>
    </message>
    <message>
        <source>Imaginary axis</source>
        <translation>Imaginäre Achse</translation>
    </message>
    <message>
        <source>Mouse position over the phasor plane: real part : imaginary part.</source>
        <translation>Mausposition über der Zeigerebene: Realteil : Imaginärteil.</translation>
    </message>
    <message>
        <source>The current time step N, 0 to 511.</source>
        <translation>Der aktuelle Zeitschritt, 0 bis 511.</translation>
    </message>
    <message>
        <source>Mouse position over the time plot: time step : value.</source>
        <translation>Mausposition über dem Zeitdiagramm: Zeitschritt : Wert.</translation>
    </message>
    <message>
        <source>The harmonic of the table&apos;s selected row, which Highlight Selected Harmonic and Play Selected Harmonic Alone are about.</source>
        <translation>Die Harmonische der gewählten Tabellenzeile, um die es bei „Gewählte Harmonische hervorheben“ und „Gewählte Harmonische allein abspielen“ geht.</translation>
    </message>
    <message>
        <source>Phasor plane</source>
        <translation>Zeigerebene</translation>
    </message>
    <message>
        <source>Time plot</source>
        <translation>Zeitdiagramm</translation>
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
        <source>Root-mean-square difference over one period between the sum of the harmonics in use and the ideal wave, in the time plot&apos;s units; 0 is a perfect match.
&quot;Custom Rotants&quot; shows &quot;-&quot;: it has no ideal wave to compare with.</source>
        <translation>Quadratischer Mittelwert (RMS) der Abweichung zwischen der Summe der verwendeten Harmonischen und der Idealkurve über eine Periode, in den Einheiten des Zeitdiagramms; 0 bedeutet völlige Übereinstimmung.
„Eigene Zeiger“ zeigt „-“: Dort gibt es keine Idealkurve zum Vergleich.</translation>
    </message>
    <message>
        <source>With the plot focused, the arrow keys, Page Up, Page Down, Home and End move the time step.</source>
        <translation>Hat das Diagramm den Fokus, verschieben Pfeiltasten, Bild auf, Bild ab, Pos1 und Ende den Zeitschritt.</translation>
    </message>
    <message>
        <source>Phasor plane: click to place the next harmonic (1, 2, 3, ...) with its tip where you click, measured from the tip of the one placed before.</source>
        <translation>Zeigerebene: Ein Klick setzt die nächste Harmonische (1, 2, 3, ...) so, dass ihre Spitze an der Klickstelle liegt, gemessen von der Spitze der zuvor gesetzten.</translation>
    </message>
    <message>
        <source>Phasor plane: the chain of turning phasors, one per harmonic, at the current time step; the real part of its tip is the wave&apos;s value.</source>
        <translation>Zeigerebene: die Kette der rotierenden Zeiger, einer je Harmonische, beim aktuellen Zeitschritt; der Realteil ihrer Spitze ist der Wert der Kurve.</translation>
    </message>
    <message>
        <source>Time plot: hold a mouse button and drag across to draw one period; either half edits the same period. On release the drawing becomes the 26 harmonics.</source>
        <translation>Zeitdiagramm: Maustaste gedrückt halten und darüber ziehen, um eine Periode zu zeichnen; beide Hälften bearbeiten dieselbe Periode. Beim Loslassen wird die Zeichnung zu den 26 Harmonischen.</translation>
    </message>
    <message>
        <source>Time plot: two periods of the ideal wave in black and, in green, the sum of the harmonics from step 0 to the current one.</source>
        <translation>Zeitdiagramm: zwei Perioden der Idealkurve in Schwarz und in Grün die Summe der Harmonischen von Schritt 0 bis zum aktuellen.</translation>
    </message>
    <message>
        <source>Phasor plane: %1 waveform, chain of harmonics 0 to %2 at step %3, its tip at real %4, imaginary %5</source>
        <translation>Zeigerebene: Signalform %1, Kette der Harmonischen 0 bis %2 bei Schritt %3, ihre Spitze bei Realteil %4, Imaginärteil %5</translation>
    </message>
    <message>
        <source>Time plot: %1 waveform from harmonics 0 to %2, step %3, value %4</source>
        <translation>Zeitdiagramm: Signalform %1 aus den Harmonischen 0 bis %2, Schritt %3, Wert %4</translation>
    </message>
    <message>
        <source>Placed Harmonic %1</source>
        <translation>Harmonische %1 gesetzt</translation>
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
        <source>Harmonic %1: above the highest harmonic</source>
        <translation>Harmonische %1: über der höchsten Harmonischen</translation>
    </message>
    <message>
        <source>Harmonic %1 alone</source>
        <translation>Harmonische %1 allein</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>Harmonische %1</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Zeichnung</translation>
    </message>
    <message>
        <source>Under the mouse over the time plot: the ideal wave&apos;s value and the sum of the harmonics in use at that time step.</source>
        <translation>Unter der Maus über dem Zeitdiagramm: der Wert der idealen Kurve und die Summe der verwendeten Harmonischen in diesem Zeitschritt.</translation>
    </message>
    <message>
        <source>Ideal %1, sum %2</source>
        <translation>Ideal %1, Summe %2</translation>
    </message>
    <message>
        <source>Sum %1</source>
        <translation>Summe %1</translation>
    </message>
</context>
<context>
    <name>TRecordingPart</name>
    <message>
        <source>Analyse what the microphone hears, ten times a second: the plots, the table, the spectrum and the tone follow. Unchecked, the last analysis stays.</source>
        <translation>Zehnmal pro Sekunde analysieren, was das Mikrofon hört: Diagramme, Tabelle, Spektrum und Ton folgen. Ohne Häkchen bleibt die letzte Analyse stehen.</translation>
    </message>
    <message>
        <source>Play Recording</source>
        <translation>Aufnahme abspielen</translation>
    </message>
    <message>
        <source>With Sound On, loop the part of the recording analysed in place of the sum, to compare the two.</source>
        <translation>Bei eingeschaltetem Ton den analysierten Abschnitt der Aufnahme statt der Summe in Schleife abspielen, um beide zu vergleichen.</translation>
    </message>
    <message>
        <source>The whole recording, with the part analysed marked. Drag the part, or click elsewhere, to analyse another.</source>
        <translation>Die ganze Aufnahme; der analysierte Abschnitt ist markiert. Den Abschnitt ziehen oder anderswo klicken, um einen anderen zu analysieren.</translation>
    </message>
    <message>
        <source>Recording overview</source>
        <translation>Übersicht der Aufnahme</translation>
    </message>
    <message>
        <source>No sound input available</source>
        <translation>Keine Toneingabe verfügbar</translation>
    </message>
    <message>
        <source>it is not a recording Rotants can read (WAV, FLAC, Ogg Vorbis or AIFF)</source>
        <translation>sie ist keine Aufnahme, die Rotants lesen kann (WAV, FLAC, Ogg Vorbis oder AIFF)</translation>
    </message>
    <message>
        <source>the recording is empty</source>
        <translation>die Aufnahme ist leer</translation>
    </message>
    <message>
        <source>the recording ends too early (the file is truncated)</source>
        <translation>die Aufnahme endet zu früh (die Datei ist abgeschnitten)</translation>
    </message>
    <message>
        <source>its sample rate lies outside 8 to 192 kHz</source>
        <translation>ihre Abtastrate liegt außerhalb von 8 bis 192 kHz</translation>
    </message>
    <message>
        <source>the part asked for lies outside the recording</source>
        <translation>der verlangte Abschnitt liegt außerhalb der Aufnahme</translation>
    </message>
    <message>
        <source>the part is shorter than two periods of its pitch</source>
        <translation>der Abschnitt ist kürzer als zwei Perioden seines Grundtons</translation>
    </message>
    <message>
        <source>the part is silent</source>
        <translation>der Abschnitt enthält nur Stille</translation>
    </message>
    <message>
        <source>the part has no steady pitch between 50 and 2000 Hz</source>
        <translation>der Abschnitt hat keine gleichbleibende Tonhöhe zwischen 50 und 2000 Hz</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Microphone: %1 Hz</source>
        <translation>Mikrofon: %1 Hz</translation>
    </message>
    <message>
        <source>Microphone: listening</source>
        <translation>Mikrofon: hört zu</translation>
    </message>
    <message>
        <source>Recording: %1, %2 Hz</source>
        <translation>Aufnahme: %1, %2 Hz</translation>
    </message>
    <message>
        <source>The audio is not kept with a saved set: open the recording again to hear it or analyse another part.</source>
        <translation>Ein gespeicherter Zeigersatz enthält die Audiodaten nicht: Die Aufnahme erneut öffnen, um sie zu hören oder einen anderen Abschnitt zu analysieren.</translation>
    </message>
    <message>
        <source>Sum at %1 Hz</source>
        <translation>Summe mit %1 Hz</translation>
    </message>
    <message>
        <source>Sum at the recording&apos;s pitch</source>
        <translation>Summe in Tonhöhe der Aufnahme</translation>
    </message>
    <message>
        <source>With Sound On, play the sum of the harmonics at the recording&apos;s fundamental instead of 441 Hz.</source>
        <translation>Bei eingeschaltetem Ton die Summe der Harmonischen mit der Grundfrequenz der Aufnahme statt mit 441 Hz abspielen.</translation>
    </message>
    <message>
        <source>Recording Part</source>
        <translation>Aufnahmeabschnitt</translation>
    </message>
    <message>
        <source>This part cannot be analysed: %1.</source>
        <translation>Dieser Abschnitt kann nicht analysiert werden: %1.</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Zuhören</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Liste&amp;n</source>
        <translation>&amp;Zuhören</translation>
    </message>
</context>
<context>
    <name>TRotantsForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
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
        <source>Vie&amp;w</source>
        <translation>&amp;Ansicht</translation>
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
        <source>Highest Harmonic %1</source>
        <translation>Harmonische bis %1</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Zeichnung</translation>
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
        <source>Close Rotants, after asking to save work done by hand.</source>
        <translation>Rotants schließen; von Hand Erstelltes wird vorher zum Speichern angeboten.</translation>
    </message>
    <message>
        <source>Take back the last change to the phasor set.</source>
        <translation>Die letzte Änderung am Zeigersatz zurücknehmen.</translation>
    </message>
    <message>
        <source>Bring back the change last taken back.</source>
        <translation>Die zuletzt zurückgenommene Änderung wiederherstellen.</translation>
    </message>
    <message>
        <source>Open the manual in the window&apos;s language.</source>
        <translation>Das Handbuch in der Sprache des Fensters öffnen.</translation>
    </message>
    <message>
        <source>List every keyboard shortcut of the window.</source>
        <translation>Alle Tastenkürzel des Fensters auflisten.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and credits.</source>
        <translation>Version und Mitwirkende des Programms zeigen.</translation>
    </message>
</context>
<context>
    <name>TShapePart</name>
    <message>
        <source>Shape</source>
        <translation>For&amp;m</translation>
    </message>
    <message>
        <source>Show a strip under the controls with two sliders that shape the standard waveforms: the pulses&apos; duty cycle and a time shift.</source>
        <translation>Unter den Bedienelementen einen Streifen mit zwei Schiebereglern für die Standardsignalformen zeigen: das Tastverhältnis der Pulse und eine Zeitverschiebung.</translation>
    </message>
    <message>
        <source>Duty cycle:</source>
        <translation>Tastverhältnis:</translation>
    </message>
    <message>
        <source>Time shift:</source>
        <translation>Verschiebung:</translation>
    </message>
    <message>
        <source>The width of the rectangular and bipolar pulses, 1 to 99 % of the period, their height kept. A narrower pulse spreads its spectrum under a wider sinc envelope.</source>
        <translation>Die Breite der Rechteck- und der bipolaren Pulse, 1 bis 99 % der Periode, bei gleicher Höhe. Ein schmalerer Puls verteilt sein Spektrum unter einer breiteren sinc-Hüllkurve.</translation>
    </message>
    <message>
        <source>Duty cycle</source>
        <translation>Tastverhältnis</translation>
    </message>
    <message>
        <source>Delays every standard waveform by -128 to 127 time steps. Every magnitude stays; harmonic k turns by k times the shift.</source>
        <translation>Verzögert jede Standardsignalform um -128 bis 127 Zeitschritte. Jeder Betrag bleibt; die Harmonische k dreht sich um das k-Fache der Verschiebung.</translation>
    </message>
    <message>
        <source>Time shift</source>
        <translation>Zeitverschiebung</translation>
    </message>
    <message>
        <source>Duty Cycle</source>
        <translation>Tastverhältnis</translation>
    </message>
    <message>
        <source>Time Shift</source>
        <translation>Zeitverschiebung</translation>
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
    <message>
        <source>Spectrum strip, when it has the focus</source>
        <translation>Spektrumstreifen, wenn er den Fokus hat</translation>
    </message>
    <message>
        <source>The harmonic before or after</source>
        <translation>Die Harmonische davor oder danach</translation>
    </message>
    <message>
        <source>Its magnitude up or down by a row of the bars</source>
        <translation>Ihren Betrag um eine Zeile der Balken höher oder tiefer</translation>
    </message>
    <message>
        <source>Its angle up or down by %1°</source>
        <translation>Ihren Winkel um %1° höher oder tiefer</translation>
    </message>
</context>
<context>
    <name>TSoundPart</name>
    <message>
        <source>Sound On</source>
        <translation>Ton ein</translation>
    </message>
    <message>
        <source>&amp;Play Selected Harmonic Alone</source>
        <translation>Gewählte Harmonische &amp;allein abspielen</translation>
    </message>
    <message>
        <source>With the sound on, play only the harmonic of the table&apos;s selected row.</source>
        <translation>Bei eingeschaltetem Ton nur die Harmonische der gewählten Tabellenzeile abspielen.</translation>
    </message>
    <message>
        <source>No sound output available</source>
        <translation>Keine Tonausgabe verfügbar</translation>
    </message>
    <message>
        <source>Play the sum of the harmonics in use as a looping 441 Hz tone.</source>
        <translation>Die Summe der verwendeten Harmonischen als fortlaufenden Ton von 441 Hz abspielen.</translation>
    </message>
</context>
<context>
    <name>TSpectrumPart</name>
    <message>
        <source>&amp;Spectrum</source>
        <translation>Spek&amp;trum</translation>
    </message>
    <message>
        <source>Spectrum in &amp;Decibels</source>
        <translation>Spektrum in &amp;Dezibel</translation>
    </message>
    <message>
        <source>Show a strip under the controls with one bar per harmonic: its magnitude and its angle.</source>
        <translation>Unter den Bedienelementen einen Streifen mit einem Balken je Harmonische zeigen: Betrag und Winkel.</translation>
    </message>
    <message>
        <source>Scale the spectrum&apos;s bars in decibels, over 60 dB.</source>
        <translation>Die Balken des Spektrums in Dezibel skalieren, über einen Bereich von 60 dB.</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>Spectrum: one bar per harmonic, as tall as its magnitude, and under the bars a phase row marking its angle. Press a bar to select its harmonic, drag its top to set the magnitude, drag in the phase row to set the angle.</source>
        <translation>Spektrum: ein Balken je Harmonische, so hoch wie ihr Betrag, und unter den Balken eine Phasenzeile, die ihren Winkel markiert. Ein Druck auf einen Balken wählt seine Harmonische, Ziehen an seinem oberen Ende setzt den Betrag, Ziehen in der Phasenzeile den Winkel.</translation>
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
        <source>Spectrum: %1 waveform, harmonics 0 to %2, the strongest harmonic %3 with magnitude %4; selected harmonic %5: magnitude %6, angle %7°</source>
        <translation>Spektrum: Signalform %1, Harmonische 0 bis %2, die stärkste Harmonische %3 mit Betrag %4; gewählte Harmonische %5: Betrag %6, Winkel %7°</translation>
    </message>
    <message>
        <source>Harmonic %1: %2 at %3°</source>
        <translation>Harmonische %1: %2 bei %3°</translation>
    </message>
    <message>
        <source>, above the highest harmonic</source>
        <translation>, oberhalb der höchsten Harmonischen</translation>
    </message>
    <message>
        <source>; the target&apos;s outline: magnitude %1, angle %2°</source>
        <translation>; Umriss des Ziels: Betrag %1, Winkel %2°</translation>
    </message>
</context>
<context>
    <name>TViewPart</name>
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
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
    <message>
        <source>The size the window is shown at.</source>
        <translation>Die Größe, in der das Fenster gezeigt wird.</translation>
    </message>
    <message>
        <source>Show the whole window larger, for a projector.</source>
        <translation>Das ganze Fenster größer zeigen, etwa für einen Beamer.</translation>
    </message>
    <message>
        <source>Show the whole window smaller.</source>
        <translation>Das ganze Fenster kleiner zeigen.</translation>
    </message>
    <message>
        <source>Show the window at its own size, 100 %.</source>
        <translation>Das Fenster in seiner eigenen Größe zeigen, 100 %.</translation>
    </message>
    <message>
        <source>Fill the screen with the window; Esc leaves full screen.</source>
        <translation>Das Fenster bildschirmfüllend zeigen; Esc verlässt den Vollbildmodus.</translation>
    </message>
    <message>
        <source>Choose the language of every text of the program.</source>
        <translation>Die Sprache aller Texte des Programms wählen.</translation>
    </message>
    <message>
        <source>Follow the system&apos;s language.</source>
        <translation>Der Sprache des Systems folgen.</translation>
    </message>
    <message>
        <source>Show every text in this language; remembered for the next start.</source>
        <translation>Alle Texte in dieser Sprache zeigen; bleibt für den nächsten Start gespeichert.</translation>
    </message>
    <message>
        <source>Zoom: %1 %</source>
        <translation>Zoom: %1 %</translation>
    </message>
    <message>
        <source>&amp;Highlight Selected Harmonic</source>
        <translation>Gewählte Harmonische &amp;hervorheben</translation>
    </message>
    <message>
        <source>Show &amp;Error</source>
        <translation>&amp;Fehler anzeigen</translation>
    </message>
    <message>
        <source>Draw the harmonic of the table&apos;s selected row in amber: its segment of the chain and its own sinusoid.</source>
        <translation>Die Harmonische der gewählten Tabellenzeile bernsteinfarben zeichnen: ihr Stück der Zeigerkette und ihre eigene Sinuskurve.</translation>
    </message>
    <message>
        <source>Show in the status bar how far the sum of the harmonics is from the ideal wave (RMS error).</source>
        <translation>In der Statusleiste zeigen, wie weit die Summe der Harmonischen von der Idealkurve abweicht (RMS-Fehler).</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>A&amp;chsen</translation>
    </message>
    <message>
        <source>Number the axes inside the phasor plane and the time plot: values -1 to 1 and time steps 0 to 511.</source>
        <translation>Die Achsen in der Zeigerebene und im Zeitdiagramm beschriften: Werte -1 bis 1 und Zeitschritte 0 bis 511.</translation>
    </message>
</context>
</TS>
