<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Rotants developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourier series, turning in class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCommandLineText</name>
    <message>
        <source>Rotants: a periodic waveform built from rotating phasors.
With --export-* or --save it writes those files without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phasor set (.rotants) or harmonics table (.csv) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveform: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest harmonic, 0 to 25.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time step, 0 to 511.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use conjugate rotants.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the complex plane 90 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the phasor trace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the real value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the time plot&apos;s grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the ideal wave.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom factor, 1 to 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the window: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write both plots as PNG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the tone as WAV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of the exported sound (default 5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the harmonics as CSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the samples as CSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write one sweep as animated GIF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the phasor set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than one file given: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --%2 (expected %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from 0 to 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from 0 to 511</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a factor from 1 to 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seconds needs --export-sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a length above 0 and up to 600 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFileText</name>
    <message>
        <source>the field %1%2 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field %1%2 is not true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field %1%2 is not a whole number from %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field %1%2 is not a finite number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field %1%2 is not a text of at most %3 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field %1%2 is not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>harmonic %1 has magnitude %2, beyond the editor&apos;s range of 0 to %3%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in the one-sided convention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field &quot;entries&quot; is not a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 entries instead of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry %1 has only one of &quot;magnitude_text&quot; and &quot;angle_text&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the grid texts of entry %1 are not a magnitude and an angle in the editor&apos;s range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends too early (the file is truncated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is neither a phasor set nor a harmonics table (not valid JSON: %1 at byte %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (its format is &quot;%1&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (no &quot;format&quot; field)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its field &quot;version&quot; is not a whole number from 1 up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was written by a newer version of Rotants (format version %1; this program reads version %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its waveform &quot;%1&quot; is not one of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field &quot;drawn_period&quot; is not a list of %1 numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first line is not the harmonics table&apos;s header &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 rows of harmonics instead of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not hold harmonic %2 and its three or five columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a real or imaginary part that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a magnitude or angle that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a magnitude below 0 or an angle outside -180 to 180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than 1 MB (%1 bytes), too large for a phasor set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than 1 MB, too large for a phasor set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be written completely (%1); any earlier file of that name is unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be written (%1); any earlier file of that name is unchanged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRotantsForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length must be at least one sample and at most %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length in seconds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV sounds (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Harmonics Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Waveform Samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF animations (*.gif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Phasor Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phasor sets and harmonics tables (*.rotants *.csv);;Phasor sets (*.rotants);;Harmonics tables (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Phasor Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phasor sets (*.rotants)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RMS error: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RMS error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Harmonics Table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave&amp;form Samples...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Highlight Selected Harmonic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play Selected Harmonic Alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveform:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-click to place a phasor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest harmonic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-click and drag to create a waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Phasor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Rotants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangular Pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bipolar Pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sawtooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectified Cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impulse train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phasor Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Real &amp;Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotate Complex Plane 90°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Phasor &amp;Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grid On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideal Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coord: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
