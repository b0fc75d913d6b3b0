<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda de las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta el valor después de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>The Rotants developers</source>
        <translation>Los desarrolladores de Rotants</translation>
    </message>
    <message>
        <source>Fourier series, turning in class</source>
        <translation>Series de Fourier que giran en clase</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TCommandLineText</name>
    <message>
        <source>Rotants: a periodic waveform built from rotating phasors.
With --export-* or --save it writes those files without opening a window.</source>
        <translation>Rotants: una forma de onda periódica construida con fasores giratorios.
Con --export-* o --save escribe esos archivos sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>Phasor set (.rotants) or harmonics table (.csv) to open.</source>
        <translation>Conjunto de fasores (.rotants) o tabla de armónicos (.csv) que se abrirá.</translation>
    </message>
    <message>
        <source>Highest harmonic, 0 to 25.</source>
        <translation>Armónico más alto, de 0 a 25.</translation>
    </message>
    <message>
        <source>Time step, 0 to 511.</source>
        <translation>Paso de tiempo, de 0 a 511.</translation>
    </message>
    <message>
        <source>Use conjugate rotants.</source>
        <translation>Usar fasores conjugados.</translation>
    </message>
    <message>
        <source>Rotate the complex plane 90 degrees.</source>
        <translation>Girar el plano complejo 90 grados.</translation>
    </message>
    <message>
        <source>Leave the phasor trace.</source>
        <translation>Dejar la traza del fasor.</translation>
    </message>
    <message>
        <source>Show the real value.</source>
        <translation>Mostrar la parte real.</translation>
    </message>
    <message>
        <source>Hide the time plot&apos;s grid.</source>
        <translation>Ocultar la cuadrícula del gráfico temporal.</translation>
    </message>
    <message>
        <source>Hide the ideal wave.</source>
        <translation>Ocultar la onda ideal.</translation>
    </message>
    <message>
        <source>Zoom factor, 1 to 3.</source>
        <translation>Factor de zoom, de 1 a 3.</translation>
    </message>
    <message>
        <source>Language of the window: %1.</source>
        <translation>Idioma de la ventana: %1.</translation>
    </message>
    <message>
        <source>Write both plots as PNG.</source>
        <translation>Guardar ambos gráficos como PNG.</translation>
    </message>
    <message>
        <source>Write the tone as WAV.</source>
        <translation>Guardar el sonido como WAV.</translation>
    </message>
    <message>
        <source>Write the harmonics as CSV.</source>
        <translation>Guardar los armónicos como CSV.</translation>
    </message>
    <message>
        <source>Write the samples as CSV.</source>
        <translation>Guardar las muestras como CSV.</translation>
    </message>
    <message>
        <source>Save the phasor set.</source>
        <translation>Guardar el conjunto de fasores.</translation>
    </message>
    <message>
        <source>more than one file given: &quot;%1&quot;</source>
        <translation>se ha indicado más de un archivo: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --%2 (expected %3)</source>
        <translation>valor no válido &quot;%1&quot; para --%2 (se esperaba %3)</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno de %1</translation>
    </message>
    <message>
        <source>a whole number from 0 to 25</source>
        <translation>un número entero de 0 a 25</translation>
    </message>
    <message>
        <source>a whole number from 0 to 511</source>
        <translation>un número entero de 0 a 511</translation>
    </message>
    <message>
        <source>a factor from 1 to 3</source>
        <translation>un factor de 1 a 3</translation>
    </message>
    <message>
        <source>--seconds needs --export-sound</source>
        <translation>--seconds requiere --export-sound</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>un nombre de archivo</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Show the spectrum under the plots.</source>
        <translation>Mostrar el espectro bajo los gráficos.</translation>
    </message>
    <message>
        <source>Exit codes: 0 done; 1 a file could not be written; 2 a bad option, value or input file.</source>
        <translation>Códigos de salida: 0 hecho; 1 no se pudo escribir un archivo; 2 una opción, un valor o un archivo de entrada no válidos.</translation>
    </message>
    <message>
        <source>Waveform: %1 (or as the drop-down names it, in any case).</source>
        <translation>Forma de onda: %1 (o como la nombra la lista desplegable, con mayúsculas o minúsculas).</translation>
    </message>
    <message>
        <source>Length of the exported sound, up to %1 seconds (default 5).</source>
        <translation>Duración del sonido exportado, hasta %1 segundos (por defecto 5).</translation>
    </message>
    <message>
        <source>Write a labelled figure as SVG or PDF.</source>
        <translation>Guardar una figura rotulada como SVG o PDF.</translation>
    </message>
    <message>
        <source>a length of at least one sample and up to %1 seconds</source>
        <translation>una duración de al menos una muestra y de hasta %1 segundos</translation>
    </message>
    <message>
        <source>--%1 given more than once (&quot;%2&quot; and &quot;%3&quot;)</source>
        <translation>--%1 indicado más de una vez (&quot;%2&quot; y &quot;%3&quot;)</translation>
    </message>
    <message>
        <source>a file name ending in .%1</source>
        <translation>un nombre de archivo terminado en .%1</translation>
    </message>
    <message>
        <source>a file name ending in .%1 or .%2</source>
        <translation>un nombre de archivo terminado en .%1 o .%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named by both --%2 and --%3</source>
        <translation>&quot;%1&quot; indicado a la vez en --%2 y en --%3</translation>
    </message>
    <message>
        <source>Write one sweep (two periods) as animated GIF.</source>
        <translation>Guardar un barrido (dos periodos) como GIF animado.</translation>
    </message>
    <message>
        <source>Speed of the sweep: 0.25, 0.5, 1 or 2 times normal.</source>
        <translation>Velocidad del barrido: 0.25, 0.5, 1 o 2 veces la normal.</translation>
    </message>
    <message>
        <source>Duty cycle of the rectangular and bipolar pulses, 1 to 99 %.</source>
        <translation>Ciclo de trabajo de los pulsos rectangular y bipolar, del 1 al 99 %.</translation>
    </message>
    <message>
        <source>Time shift of the standard waveforms, -128 to 127 steps.</source>
        <translation>Desplazamiento en el tiempo de las ondas estándar, de -128 a 127 pasos.</translation>
    </message>
    <message>
        <source>a whole number from 1 to 99</source>
        <translation>un número entero de 1 a 99</translation>
    </message>
    <message>
        <source>a whole number from -128 to 127</source>
        <translation>un número entero de -128 a 127</translation>
    </message>
    <message>
        <source>Hide the real value.</source>
        <translation>Ocultar la parte real.</translation>
    </message>
    <message>
        <source>Start of the part of a recording to analyse, in seconds.</source>
        <translation>Inicio del fragmento de una grabación que se analizará, en segundos.</translation>
    </message>
    <message>
        <source>End of the part of a recording to analyse, in seconds.</source>
        <translation>Fin del fragmento de una grabación que se analizará, en segundos.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 indicado más de una vez</translation>
    </message>
    <message>
        <source>--real-value and --no-real-value contradict each other</source>
        <translation>--real-value y --no-real-value se contradicen</translation>
    </message>
    <message>
        <source>a time in seconds from 0</source>
        <translation>un tiempo en segundos a partir de 0</translation>
    </message>
    <message>
        <source>--from and --to need a recording to open</source>
        <translation>--from y --to requieren una grabación que abrir</translation>
    </message>
    <message>
        <source>--to must come after --from</source>
        <translation>--to debe ser posterior a --from</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>placeholder</comment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>placeholder</comment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>N</source>
        <comment>placeholder</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>placeholder</comment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>Start an exercise at this level, 1 to 6.</source>
        <translation>Empezar un ejercicio en este nivel, de 1 a 6.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>placeholder</comment>
        <translation>NIVEL</translation>
    </message>
    <message>
        <source>The exercise&apos;s seed: the same level and seed give the same target.</source>
        <translation>Semilla del ejercicio: el mismo nivel y la misma semilla dan el mismo objetivo.</translation>
    </message>
    <message>
        <source>a whole number from 1 to 6</source>
        <translation>un número entero de 1 a 6</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1</source>
        <translation>un número entero de 0 a %1</translation>
    </message>
    <message>
        <source>--seed needs --exercise</source>
        <translation>--seed necesita --exercise</translation>
    </message>
    <message>
        <source>--exercise needs the window; it cannot be combined with --export-* or --save</source>
        <translation>--exercise necesita la ventana; no se puede combinar con --export-* ni con --save</translation>
    </message>
</context>
<context>
    <name>TControlsPart</name>
    <message>
        <source>Hide &amp;Editor</source>
        <translation>Ocultar &amp;editor</translation>
    </message>
    <message>
        <source>Show &amp;Editor</source>
        <translation>Mostrar &amp;editor</translation>
    </message>
    <message>
        <source>Waveform:</source>
        <translation>Onda:</translation>
    </message>
    <message>
        <source>Highest harmonic:</source>
        <translation>Armónico máximo:</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Phasor Options</source>
        <translation>Opciones de fasores</translation>
    </message>
    <message>
        <source>Show Real &amp;Value</source>
        <translation>&amp;Mostrar parte real</translation>
    </message>
    <message>
        <source>&amp;Rotate Complex Plane 90°</source>
        <translation>&amp;Girar plano complejo 90°</translation>
    </message>
    <message>
        <source>Leave Phasor &amp;Trace</source>
        <translation>Dejar &amp;traza del fasor</translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation>Usar fasores conjugados</translation>
    </message>
    <message>
        <source>Time Options</source>
        <translation>Opciones de tiempo</translation>
    </message>
    <message>
        <source>&amp;Grid On</source>
        <translation>&amp;Rejilla</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Ideal Wave</source>
        <translation>Onda ideal</translation>
    </message>
    <message>
        <source>Choose a standard waveform to build from its harmonics, or a custom mode: place the phasors with the mouse (Custom Rotants) or draw one period (Custom Time).</source>
        <translation>Elegir una onda estándar para construirla a partir de sus armónicos, o un modo propio: colocar los fasores con el ratón (Fasores a medida) o dibujar un periodo (Onda a medida).</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>How many harmonics take part in the chain, the curve and the tone, 0 to 25. Lower it to see the sum approach the wave harmonic by harmonic.</source>
        <translation>Cuántos armónicos forman la cadena, la curva y el sonido, de 0 a 25. Redúzcalo para ver cómo la suma se acerca a la onda armónico a armónico.</translation>
    </message>
    <message>
        <source>Highest harmonic</source>
        <translation>Armónico máximo</translation>
    </message>
    <message>
        <source>Stop and go back to step 0; in the custom modes, also start the custom waveform afresh.</source>
        <translation>Detener y volver al paso 0; en los modos a medida, además empezar de nuevo la onda propia.</translation>
    </message>
    <message>
        <source>Show or hide the table of all 26 harmonics over the phasor plane, to read or type their magnitudes and angles.</source>
        <translation>Mostrar u ocultar sobre el plano de fasores la tabla de los 26 armónicos, para leer o escribir sus módulos y fases.</translation>
    </message>
    <message>
        <source>How the phasor plane shows the chain.</source>
        <translation>Cómo muestra el plano de fasores la cadena.</translation>
    </message>
    <message>
        <source>Mark the current real value on both plots.</source>
        <translation>Marcar la parte real actual en ambos gráficos.</translation>
    </message>
    <message>
        <source>Turn the phasor plane so that its real axis points up, level with the time plot; with the real value shown, two lines carry it across.</source>
        <translation>Girar el plano de fasores para que su eje real apunte hacia arriba, a la altura del gráfico temporal; con la parte real visible, dos líneas la llevan al gráfico.</translation>
    </message>
    <message>
        <source>Draw the path of the chain&apos;s tip from step 0, in red.</source>
        <translation>Dibujar en rojo el recorrido del extremo de la cadena desde el paso 0.</translation>
    </message>
    <message>
        <source>Also show the negative harmonics, as a mirror chain in purple; each entry then holds c_k instead of 2·c_k. The curve stays the same.</source>
        <translation>Mostrar también los armónicos negativos, como cadena reflejada en púrpura; cada entrada contiene entonces c_k en lugar de 2·c_k. La curva no cambia.</translation>
    </message>
    <message>
        <source>What the time plot shows, the tone and the sweep&apos;s repeat.</source>
        <translation>Lo que muestra el gráfico temporal, el sonido y la repetición del barrido.</translation>
    </message>
    <message>
        <source>Show the time plot&apos;s grid.</source>
        <translation>Mostrar la cuadrícula del gráfico temporal.</translation>
    </message>
    <message>
        <source>Show the ideal waveform in black on the time plot.</source>
        <translation>Mostrar en negro la onda ideal en el gráfico temporal.</translation>
    </message>
    <message>
        <source>Start the sweep again at step 0 after the last step, instead of stopping.</source>
        <translation>Tras el último paso, volver a empezar el barrido en el paso 0 en lugar de detenerse.</translation>
    </message>
</context>
<context>
    <name>TEditorPanel</name>
    <message>
        <source>Harmonic</source>
        <translation>Armónico</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Fase (°)</translation>
    </message>
    <message>
        <source>Edit Phasor</source>
        <translation>Editar fasor</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Actuali&amp;zar</translation>
    </message>
    <message>
        <source>Magnitude and angle of every harmonic. Select a row to edit it below; its harmonic is also the one the View menu highlights or plays alone.</source>
        <translation>Módulo y fase de cada armónico. Seleccione una fila para editarla abajo; su armónico es también el que el menú Ver resalta o reproduce solo.</translation>
    </message>
    <message>
        <source>Harmonics table</source>
        <translation>Tabla de armónicos</translation>
    </message>
    <message>
        <source>The harmonic of the table&apos;s selected row.</source>
        <translation>El armónico de la fila seleccionada de la tabla.</translation>
    </message>
    <message>
        <source>The harmonic&apos;s magnitude, 0 to 10; Update or Return applies it.</source>
        <translation>Módulo del armónico, de 0 a 10; Actualizar o Intro lo aplica.</translation>
    </message>
    <message>
        <source>The harmonic&apos;s angle in degrees, -180 to 180; Update or Return applies it.</source>
        <translation>Fase del armónico en grados, de -180 a 180; Actualizar o Intro la aplica.</translation>
    </message>
    <message>
        <source>Angle in degrees</source>
        <translation>Fase en grados</translation>
    </message>
    <message>
        <source>Give the selected harmonic the typed magnitude and angle. A value out of range becomes 0, and a notice names it.</source>
        <translation>Aplicar al armónico seleccionado el módulo y la fase escritos. Un valor fuera de rango pasa a 0 y un aviso lo indica.</translation>
    </message>
    <message>
        <source>Type a magnitude and an angle for the harmonic of the selected row.</source>
        <translation>Escribir un módulo y una fase para el armónico de la fila seleccionada.</translation>
    </message>
    <message>
        <source>A typed value outside its range was replaced by 0. The notice stays until an Update that replaces nothing.</source>
        <translation>Un valor escrito fuera de su rango se ha sustituido por 0. El aviso permanece hasta un Actualizar que no sustituya nada.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write it with a decimal point, for example 1.5</source>
        <translation>&apos;%1&apos; no es un número; escríbalo con punto decimal, por ejemplo 1.5</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>Armónico %1 escrito</translation>
    </message>
    <message>
        <source>Magnitude %1 is outside 0 to 10: 0 applied</source>
        <translation>El módulo %1 está fuera de 0 a 10: se aplicó 0</translation>
    </message>
    <message>
        <source>Angle %1 is outside -180 to 180: 0 applied</source>
        <translation>La fase %1 está fuera de -180 a 180: se aplicó 0</translation>
    </message>
    <message>
        <source>Harmonic %1: %2 at %3°</source>
        <translation>Armónico %1: %2 a %3°</translation>
    </message>
</context>
<context>
    <name>TExerciseFileText</name>
    <message>
        <source>target %1: %2</source>
        <translation>objetivo %1: %2</translation>
    </message>
    <message>
        <source>it is not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <source>its field &quot;name&quot; is not a text of at most %1 characters</source>
        <translation>su campo &quot;name&quot; no es un texto de %1 caracteres como máximo</translation>
    </message>
    <message>
        <source>its field &quot;threshold&quot; is not a number from %1 to %2</source>
        <translation>su campo &quot;threshold&quot; no es un número de %1 a %2</translation>
    </message>
    <message>
        <source>its field &quot;set&quot; is missing or not an object</source>
        <translation>su campo &quot;set&quot; falta o no es un objeto</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is not a Rotants exercise set (not a JSON object)</source>
        <translation>no es un conjunto de ejercicios de Rotants (no es un objeto JSON)</translation>
    </message>
    <message>
        <source>it is not a Rotants exercise set (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>no es un conjunto de ejercicios de Rotants (su &quot;format&quot; no es &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>its field &quot;version&quot; is not a whole number from 1 up</source>
        <translation>su campo &quot;version&quot; no es un número entero igual o mayor que 1</translation>
    </message>
    <message>
        <source>it was written by a newer version of Rotants (format version %1; this program reads version %2)</source>
        <translation>lo escribió una versión más reciente de Rotants (versión de formato %1; este programa lee la versión %2)</translation>
    </message>
    <message>
        <source>its field &quot;targets&quot; is not a list of 1 to %1 targets</source>
        <translation>su campo &quot;targets&quot; no es una lista de 1 a %1 objetivos</translation>
    </message>
</context>
<context>
    <name>TExercisePart</name>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Compare your wave with the dashed target: one attempt.</source>
        <translation>Compara su onda con el objetivo discontinuo: un intento.</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>First how many harmonics the target uses, then its spectrum outlined, then one harmonic&apos;s value at a time.</source>
        <translation>Primero cuántos armónicos usa el objetivo, luego su espectro en contorno y después el valor de un armónico cada vez.</translation>
    </message>
    <message>
        <source>Show &amp;Answer</source>
        <translation>&amp;Mostrar respuesta</translation>
    </message>
    <message>
        <source>Make the set the target&apos;s. The target counts as not solved.</source>
        <translation>Convierte el conjunto en el del objetivo. El objetivo cuenta como no resuelto.</translation>
    </message>
    <message>
        <source>&amp;End Exercise</source>
        <translation>&amp;Terminar ejercicio</translation>
    </message>
    <message>
        <source>&amp;Open Exercise Set...</source>
        <translation>&amp;Abrir conjunto de ejercicios...</translation>
    </message>
    <message>
        <source>Work through a teacher&apos;s exercise set, target by target.</source>
        <translation>Resolver un conjunto de ejercicios del docente, objetivo por objetivo.</translation>
    </message>
    <message>
        <source>E&amp;xport Results...</source>
        <translation>E&amp;xportar resultados...</translation>
    </message>
    <message>
        <source>Write a CSV file for the teacher: one row per target, whether it was solved, the attempts, hints and seconds.</source>
        <translation>Escribe un archivo CSV para el docente: una fila por objetivo, si se resolvió, los intentos, las pistas y los segundos.</translation>
    </message>
    <message>
        <source>A&amp;dd Current Set as Target</source>
        <translation>Aña&amp;dir el conjunto actual como objetivo</translation>
    </message>
    <message>
        <source>For teachers: add the set you see as the next target of a new exercise set.</source>
        <translation>Para docentes: añade el conjunto que se ve como el siguiente objetivo de un nuevo conjunto de ejercicios.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>The level of the next new target: 1, one harmonic, up to 6, a random shape of up to 25 harmonics.</source>
        <translation>El nivel del próximo objetivo nuevo: desde 1, un armónico, hasta 6, una forma aleatoria de hasta 25 armónicos.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Hear Target</source>
        <translation>Oír objetivo</translation>
    </message>
    <message>
        <source>Play the target&apos;s tone in place of yours; uncheck it to hear yours again.</source>
        <translation>Reproduce el tono del objetivo en lugar del suyo; desmárquelo para volver a oír el suyo.</translation>
    </message>
    <message>
        <source>Save Exercise Set</source>
        <translation>Guardar conjunto de ejercicios</translation>
    </message>
    <message>
        <source>Exercise sets (*%1)</source>
        <translation>Conjuntos de ejercicios (*%1)</translation>
    </message>
    <message>
        <source>The exercise set could not be saved as %1: %2.</source>
        <translation>No se pudo guardar el conjunto de ejercicios como %1: %2.</translation>
    </message>
    <message>
        <source>Open Exercise Set</source>
        <translation>Abrir conjunto de ejercicios</translation>
    </message>
    <message>
        <source>The exercise set %1 could not be opened: %2.</source>
        <translation>No se pudo abrir el conjunto de ejercicios %1: %2.</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Exportar resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be written to %1: %2.</source>
        <translation>No se pudieron escribir los resultados en %1: %2.</translation>
    </message>
    <message>
        <source>Difference (RMS): %1, solved below %2</source>
        <translation>Diferencia (RMS): %1, resuelto por debajo de %2</translation>
    </message>
    <message>
        <source>Attempts: %1   Hints: %2   Time: %3</source>
        <translation>Intentos: %1   Pistas: %2   Tiempo: %3</translation>
    </message>
    <message>
        <source>One harmonic, magnitude only</source>
        <translation>Un armónico, solo la magnitud</translation>
    </message>
    <message>
        <source>Up to three harmonics, angles 0° or 180°</source>
        <translation>Hasta tres armónicos, ángulos de 0° o 180°</translation>
    </message>
    <message>
        <source>Up to three harmonics, any angles</source>
        <translation>Hasta tres armónicos, ángulos cualesquiera</translation>
    </message>
    <message>
        <source>Up to six harmonics</source>
        <translation>Hasta seis armónicos</translation>
    </message>
    <message>
        <source>A standard waveform, cut at a highest harmonic</source>
        <translation>Una forma de onda estándar, cortada en un armónico máximo</translation>
    </message>
    <message>
        <source>A random shape of up to 25 harmonics</source>
        <translation>Una forma aleatoria de hasta 25 armónicos</translation>
    </message>
    <message>
        <source>The answer is shown.</source>
        <translation>Se muestra la respuesta.</translation>
    </message>
    <message>
        <source>Solved! Well done.</source>
        <translation>¡Resuelto! Muy bien.</translation>
    </message>
    <message>
        <source>Not yet: the difference was %1.</source>
        <translation>Todavía no: la diferencia era %1.</translation>
    </message>
    <message>
        <source>Build the dashed wave, then Check.</source>
        <translation>Construya la onda discontinua y luego Comprobar.</translation>
    </message>
    <message>
        <source>Harmonics used: %1</source>
        <translation>Armónicos usados: %1</translation>
    </message>
    <message>
        <source>The target&apos;s spectrum is outlined in the strip.</source>
        <translation>El espectro del objetivo aparece en contorno en la franja.</translation>
    </message>
    <message>
        <source>&amp;Next Target</source>
        <translation>Sig&amp;uiente objetivo</translation>
    </message>
    <message>
        <source>&amp;New Target</source>
        <translation>&amp;Nuevo objetivo</translation>
    </message>
    <message>
        <source>A new target to match, at the level the exercise panel shows, or the next target of an exercise set.</source>
        <translation>Un objetivo nuevo que igualar, del nivel que muestra el panel de ejercicios, o el siguiente objetivo de un conjunto de ejercicios.</translation>
    </message>
    <message>
        <source>&amp;Save Exercise Set (%1)...</source>
        <translation>&amp;Guardar conjunto de ejercicios (%1)...</translation>
    </message>
    <message>
        <source>Save the targets added so far as one exercise set.</source>
        <translation>Guarda los objetivos añadidos hasta ahora como un conjunto de ejercicios.</translation>
    </message>
    <message>
        <source>Target %1 of %2: %3</source>
        <translation>Objetivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>E&amp;xercise</source>
        <translation>E&amp;jercicio</translation>
    </message>
    <message>
        <source>Hide the target and the exercise panel; the results stay for Export Results.</source>
        <translation>Oculta el objetivo y el panel de ejercicios; los resultados se conservan para Exportar resultados.</translation>
    </message>
</context>
<context>
    <name>TExerciseSession</name>
    <message>
        <source>Level %1, seed %2</source>
        <translation>Nivel %1, semilla %2</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Objetivo %1</translation>
    </message>
</context>
<context>
    <name>TExportsPart</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>no se pudo codificar la imagen</translation>
    </message>
    <message>
        <source>the length must be at least one sample and at most %1 seconds</source>
        <translation>la duración debe ser de al menos una muestra y de %1 segundos como máximo</translation>
    </message>
    <message>
        <source>the name must end in .svg or .pdf</source>
        <translation>el nombre debe terminar en .svg o .pdf</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>no se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>the printer could not finish the page</source>
        <translation>la impresora no pudo terminar la página</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <translation>No se pudo exportar a &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Sound</source>
        <translation>Exportar sonido</translation>
    </message>
    <message>
        <source>Length in seconds:</source>
        <translation>Duración en segundos:</translation>
    </message>
    <message>
        <source>WAV sounds (*.wav)</source>
        <translation>Sonidos WAV (*.wav)</translation>
    </message>
    <message>
        <source>Export Harmonics Table</source>
        <translation>Exportar tabla de armónicos</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Tablas CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Waveform Samples</source>
        <translation>Exportar muestras de la forma de onda</translation>
    </message>
    <message>
        <source>Export Figure</source>
        <translation>Exportar figura</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;SVG drawings (*.svg)</source>
        <translation>Documentos PDF (*.pdf);;Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Exportar animación</translation>
    </message>
    <message>
        <source>GIF animations (*.gif)</source>
        <translation>Animaciones GIF (*.gif)</translation>
    </message>
    <message>
        <source>Writing the animation...</source>
        <translation>Escribiendo la animación...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Print Figure</source>
        <translation>Imprimir figura</translation>
    </message>
    <message>
        <source>Could not print: %1.</source>
        <translation>No se pudo imprimir: %1.</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>&amp;Picture...</source>
        <translation>&amp;Imagen...</translation>
    </message>
    <message>
        <source>&amp;Sound...</source>
        <translation>&amp;Sonido...</translation>
    </message>
    <message>
        <source>&amp;Harmonics Table...</source>
        <translation>Tabla de &amp;armónicos...</translation>
    </message>
    <message>
        <source>Wave&amp;form Samples...</source>
        <translation>&amp;Muestras de la forma de onda...</translation>
    </message>
    <message>
        <source>&amp;Animation...</source>
        <translation>A&amp;nimación...</translation>
    </message>
    <message>
        <source>Fi&amp;gure (SVG, PDF)...</source>
        <translation>&amp;Figura (SVG, PDF)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Copy &amp;Figure</source>
        <translation>Copiar &amp;figura</translation>
    </message>
    <message>
        <source>Write what the window shows to a picture, sound, table, animation or figure file.</source>
        <translation>Guardar lo que muestra la ventana en un archivo de imagen, sonido, tabla, animación o figura.</translation>
    </message>
    <message>
        <source>Save the plots as shown, as a PNG picture.</source>
        <translation>Guardar los gráficos tal como se ven, como imagen PNG.</translation>
    </message>
    <message>
        <source>Save the tone as a WAV file of the length you choose.</source>
        <translation>Guardar el sonido como archivo WAV de la duración que elija.</translation>
    </message>
    <message>
        <source>Save the magnitude and angle of every harmonic as a CSV table.</source>
        <translation>Guardar el módulo y la fase de cada armónico como tabla CSV.</translation>
    </message>
    <message>
        <source>Save the ideal and the reconstructed value at every time step as a CSV table.</source>
        <translation>Guardar el valor ideal y el reconstruido en cada paso de tiempo como tabla CSV.</translation>
    </message>
    <message>
        <source>Save one sweep as an animated GIF.</source>
        <translation>Guardar un barrido como GIF animado.</translation>
    </message>
    <message>
        <source>Save a labelled figure for handouts and slides, as SVG or PDF.</source>
        <translation>Guardar una figura rotulada para apuntes y diapositivas, como SVG o PDF.</translation>
    </message>
    <message>
        <source>Print the figure and the table of the harmonics in use on one page.</source>
        <translation>Imprimir en una página la figura y la tabla de los armónicos en uso.</translation>
    </message>
    <message>
        <source>Copy the labelled figure, to paste into a document or a slide.</source>
        <translation>Copiar la figura rotulada para pegarla en un documento o una diapositiva.</translation>
    </message>
</context>
<context>
    <name>TFigureRenderer</name>
    <message>
        <source>two-sided</source>
        <translation>bilateral</translation>
    </message>
    <message>
        <source>one-sided</source>
        <translation>unilateral</translation>
    </message>
    <message>
        <source>%1, harmonic 0, step %2, %3</source>
        <translation>%1, armónico 0, paso %2, %3</translation>
    </message>
    <message>
        <source>%1, harmonics 0-%2, step %3, %4</source>
        <translation>%1, armónicos 0-%2, paso %3, %4</translation>
    </message>
    <message>
        <source>Ideal wave</source>
        <translation>Onda ideal</translation>
    </message>
    <message>
        <source>Reconstruction</source>
        <translation>Reconstrucción</translation>
    </message>
    <message>
        <source>Phasor chain</source>
        <translation>Cadena de fasores</translation>
    </message>
    <message>
        <source>Mirror chain</source>
        <translation>Cadena reflejada</translation>
    </message>
    <message>
        <source>Trace of the tip</source>
        <translation>Traza del extremo</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>Armónico %1</translation>
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
        <translation>Paso de tiempo</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>Armónico</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Fase (°)</translation>
    </message>
    <message>
        <source>Magnitude (dB)</source>
        <translation>Módulo (dB)</translation>
    </message>
    <message>
        <source>Phase (°)</source>
        <translation>Fase (°)</translation>
    </message>
</context>
<context>
    <name>TFileText</name>
    <message>
        <source>the field %1%2 is missing</source>
        <translation>falta el campo %1%2</translation>
    </message>
    <message>
        <source>the field %1%2 is not true or false</source>
        <translation>el campo %1%2 no es true ni false</translation>
    </message>
    <message>
        <source>the field %1%2 is not a whole number from %3 to %4</source>
        <translation>el campo %1%2 no es un número entero de %3 a %4</translation>
    </message>
    <message>
        <source>the field %1%2 is not a finite number</source>
        <translation>el campo %1%2 no es un número finito</translation>
    </message>
    <message>
        <source>the field %1%2 is not a text of at most %3 characters</source>
        <translation>el campo %1%2 no es un texto de %3 caracteres como máximo</translation>
    </message>
    <message>
        <source>the field %1%2 is not an object</source>
        <translation>el campo %1%2 no es un objeto</translation>
    </message>
    <message>
        <source>harmonic %1 has magnitude %2, beyond the editor&apos;s range of 0 to %3%4</source>
        <translation>el armónico %1 tiene módulo %2, fuera del rango del editor, de 0 a %3%4</translation>
    </message>
    <message>
        <source> in the one-sided convention</source>
        <translation> en la convención unilateral</translation>
    </message>
    <message>
        <source>the field &quot;entries&quot; is not a list</source>
        <translation>el campo &quot;entries&quot; no es una lista</translation>
    </message>
    <message>
        <source>it holds %1 entries instead of %2</source>
        <translation>contiene %1 entradas en lugar de %2</translation>
    </message>
    <message>
        <source> of entry %1</source>
        <translation> de la entrada %1</translation>
    </message>
    <message>
        <source>entry %1 has only one of &quot;magnitude_text&quot; and &quot;angle_text&quot;</source>
        <translation>la entrada %1 solo tiene uno de los campos &quot;magnitude_text&quot; y &quot;angle_text&quot;</translation>
    </message>
    <message>
        <source>the grid texts of entry %1 are not a magnitude and an angle in the editor&apos;s range</source>
        <translation>los textos de la tabla de la entrada %1 no son un módulo y una fase dentro del rango del editor</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it ends too early (the file is truncated)</source>
        <translation>termina antes de tiempo (el archivo está truncado)</translation>
    </message>
    <message>
        <source>it is neither a phasor set nor a harmonics table (not valid JSON: %1 at byte %2)</source>
        <translation>no es ni un conjunto de fasores ni una tabla de armónicos (JSON no válido: %1 en el byte %2)</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set</source>
        <translation>no es un conjunto de fasores de Rotants</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (its format is &quot;%1&quot;)</source>
        <translation>no es un conjunto de fasores de Rotants (su formato es &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (no &quot;format&quot; field)</source>
        <translation>no es un conjunto de fasores de Rotants (no tiene el campo &quot;format&quot;)</translation>
    </message>
    <message>
        <source>its field &quot;version&quot; is not a whole number from 1 up</source>
        <translation>su campo &quot;version&quot; no es un número entero igual o mayor que 1</translation>
    </message>
    <message>
        <source>it was written by a newer version of Rotants (format version %1; this program reads version %2)</source>
        <translation>lo escribió una versión más reciente de Rotants (versión de formato %1; este programa lee la versión %2)</translation>
    </message>
    <message>
        <source>its waveform &quot;%1&quot; is not one of %2</source>
        <translation>su forma de onda &quot;%1&quot; no es una de %2</translation>
    </message>
    <message>
        <source>the field &quot;drawn_period&quot; is not a list of %1 numbers</source>
        <translation>el campo &quot;drawn_period&quot; no es una lista de %1 números</translation>
    </message>
    <message>
        <source>its first line is not the harmonics table&apos;s header &quot;%1&quot;</source>
        <translation>su primera línea no es la cabecera de la tabla de armónicos &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has a real or imaginary part that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation>%1: la parte real o la imaginaria no es un número finito con &apos;.&apos; como separador decimal</translation>
    </message>
    <message>
        <source>%1 has a magnitude or angle that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation>%1: el módulo o la fase no es un número finito con &apos;.&apos; como separador decimal</translation>
    </message>
    <message>
        <source>%1 has a magnitude below 0 or an angle outside -180 to 180</source>
        <translation>%1: el módulo es menor que 0 o la fase está fuera del intervalo de -180 a 180</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is larger than 1 MB (%1 bytes), too large for a phasor set</source>
        <translation>ocupa más de 1 MB (%1 bytes), demasiado para un conjunto de fasores</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is larger than 1 MB, too large for a phasor set</source>
        <translation>ocupa más de 1 MB, demasiado para un conjunto de fasores</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>no se puede escribir (%1)</translation>
    </message>
    <message>
        <source>it could not be written completely (%1); any earlier file of that name is unchanged</source>
        <translation>no se pudo escribir por completo (%1); cualquier archivo anterior con ese nombre queda intacto</translation>
    </message>
    <message>
        <source>it could not be written (%1); any earlier file of that name is unchanged</source>
        <translation>no se pudo escribir (%1); cualquier archivo anterior con ese nombre queda intacto</translation>
    </message>
    <message>
        <source> (item %1)</source>
        <translation> (elemento %1)</translation>
    </message>
    <message>
        <source>row %1 (harmonic %2)</source>
        <translation>fila %1 (armónico %2)</translation>
    </message>
    <message>
        <source>it holds %1 rows of harmonics instead of 1 to %2</source>
        <translation>contiene %1 filas de armónicos en lugar de 1 a %2</translation>
    </message>
    <message>
        <source>row %1 does not hold a harmonic from 0 to %2 and its three or five columns</source>
        <translation>la fila %1 no contiene un armónico de 0 a %2 con sus tres o cinco columnas</translation>
    </message>
    <message>
        <source>row %1 gives harmonic %2 a second time</source>
        <translation>la fila %1 repite el armónico %2</translation>
    </message>
    <message>
        <source> in %1</source>
        <comment>a field of the object %1</comment>
        <translation> en %1</translation>
    </message>
    <message>
        <source>the recording&apos;s name is empty or its fundamental lies outside %1 to %2 Hz</source>
        <translation>el nombre de la grabación está vacío o su frecuencia fundamental está fuera del intervalo de %1 a %2 Hz</translation>
    </message>
</context>
<context>
    <name>TFilesPart</name>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be saved: %2.</source>
        <translation>No se puede guardar el archivo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Open Phasor Set</source>
        <translation>Abrir conjunto de fasores</translation>
    </message>
    <message>
        <source>Save Phasor Set</source>
        <translation>Guardar conjunto de fasores</translation>
    </message>
    <message>
        <source>Phasor sets (*.rotants)</source>
        <translation>Conjuntos de fasores (*.rotants)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vaciar menú</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Start again from the state Rotants opens in.</source>
        <translation>Volver a empezar desde el estado en que se abre Rotants.</translation>
    </message>
    <message>
        <source>Open one of the last eight files.</source>
        <translation>Abrir uno de los ocho últimos archivos.</translation>
    </message>
    <message>
        <source>Empty the list of recent files.</source>
        <translation>Vaciar la lista de archivos recientes.</translation>
    </message>
    <message>
        <source>Save the phasor set and the window&apos;s options in a phasor-set file (.rotants).</source>
        <translation>Guardar el conjunto de fasores y las opciones de la ventana en un archivo de conjunto de fasores (.rotants).</translation>
    </message>
    <message>
        <source>Save the phasor set under a new name.</source>
        <translation>Guardar el conjunto de fasores con otro nombre.</translation>
    </message>
    <message>
        <source>Phasor sets, harmonics tables and recordings (*.rotants *.csv *.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Phasor sets (*.rotants);;Harmonics tables (*.csv);;Recordings (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;All files (*)</source>
        <translation>Conjuntos de fasores, tablas de armónicos y grabaciones (*.rotants *.csv *.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Conjuntos de fasores (*.rotants);;Tablas de armónicos (*.csv);;Grabaciones (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open a phasor set (.rotants), a harmonics table (CSV) or a recording (WAV, FLAC, Ogg Vorbis, AIFF) to analyse.</source>
        <translation>Abrir un conjunto de fasores (.rotants), una tabla de armónicos (CSV) o una grabación (WAV, FLAC, Ogg Vorbis, AIFF) para analizarla.</translation>
    </message>
    <message>
        <source>Save changes to the phasor set?</source>
        <translation>¿Guardar los cambios en el conjunto de fasores?</translation>
    </message>
</context>
<context>
    <name>TManualWindow</name>
    <message>
        <source>Rotants Manual</source>
        <translation>Manual de Rotants</translation>
    </message>
</context>
<context>
    <name>TPhasorDocument</name>
    <message>
        <source>Highest Harmonic %1</source>
        <translation>Armónico máximo %1</translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation>Usar fasores conjugados</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>Armónico %1 escrito</translation>
    </message>
    <message>
        <source>Custom Rotants</source>
        <translation>Fasores a medida</translation>
    </message>
    <message>
        <source>Custom Time</source>
        <translation>Onda a medida</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrada</translation>
    </message>
    <message>
        <source>Rectangular Pulse</source>
        <translation>Pulso rectangular</translation>
    </message>
    <message>
        <source>Bipolar Pulse</source>
        <translation>Pulso bipolar</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangular</translation>
    </message>
    <message>
        <source>Sawtooth</source>
        <translation>Diente de sierra</translation>
    </message>
    <message>
        <source>Rectified Cosine</source>
        <translation>Coseno rectificado</translation>
    </message>
    <message>
        <source>Impulse train</source>
        <translation>Tren de impulsos</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
</context>
<context>
    <name>TPlaybackPart</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>A&amp;nimar</translation>
    </message>
    <message>
        <source>Run the sweep through the time steps: the chain turns and the curve grows.</source>
        <translation>Iniciar el barrido por los pasos de tiempo: la cadena gira y la curva crece.</translation>
    </message>
    <message>
        <source>Stop the sweep at the current time step.</source>
        <translation>Detener el barrido en el paso de tiempo actual.</translation>
    </message>
    <message>
        <source>The time step, 0 to 511 (two periods); moving it redraws both plots.</source>
        <translation>El paso de tiempo, de 0 a 511 (dos periodos); al moverlo se redibujan ambos gráficos.</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Paso de tiempo</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Velocidad %1</translation>
    </message>
    <message>
        <source>Slowe&amp;r</source>
        <translation>Más &amp;lento</translation>
    </message>
    <message>
        <source>Fas&amp;ter</source>
        <translation>&amp;Más rápido</translation>
    </message>
    <message>
        <source>Run the sweep more slowly: half, then a quarter of the normal speed, to talk over it. The tone stays as it is.</source>
        <translation>Recorrer el barrido más despacio: a la mitad y luego a un cuarto de la velocidad normal, para poder explicarlo. El tono no cambia.</translation>
    </message>
    <message>
        <source>Run the sweep faster, up to twice the normal speed.</source>
        <translation>Recorrer el barrido más deprisa, hasta el doble de la velocidad normal.</translation>
    </message>
    <message>
        <source>The speed of the sweep against the normal one step every 10 ms (View &gt; Slower and Faster).</source>
        <translation>La velocidad del barrido respecto a la normal, un paso cada 10 ms (Ver &gt; Más lento y Más rápido).</translation>
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
        <translation>Clic izq. para poner un fasor</translation>
    </message>
    <message>
        <source>Left-click and drag to create a waveform</source>
        <translation>Clic izq. y arrastre para dibujar una onda</translation>
    </message>
    <message>
        <source>Real axis</source>
        <translation>Eje real</translation>
    </message>
    <message>
        <source>Imaginary axis</source>
        <translation>Eje imaginario</translation>
    </message>
    <message>
        <source>Mouse position over the phasor plane: real part : imaginary part.</source>
        <translation>Posición del ratón sobre el plano de fasores: parte real : parte imaginaria.</translation>
    </message>
    <message>
        <source>The current time step N, 0 to 511.</source>
        <translation>El paso de tiempo actual N, de 0 a 511.</translation>
    </message>
    <message>
        <source>Mouse position over the time plot: time step : value.</source>
        <translation>Posición del ratón sobre el gráfico temporal: paso de tiempo : valor.</translation>
    </message>
    <message>
        <source>The harmonic of the table&apos;s selected row, which Highlight Selected Harmonic and Play Selected Harmonic Alone are about.</source>
        <translation>El armónico de la fila seleccionada de la tabla, al que se refieren «Resaltar el armónico seleccionado» y «Reproducir solo el armónico seleccionado».</translation>
    </message>
    <message>
        <source>Phasor plane</source>
        <translation>Plano de fasores</translation>
    </message>
    <message>
        <source>Time plot</source>
        <translation>Gráfico temporal</translation>
    </message>
    <message>
        <source>Coord: </source>
        <translation>Coord.: </translation>
    </message>
    <message>
        <source>N: </source>
        <translation>N: </translation>
    </message>
    <message>
        <source>Root-mean-square difference over one period between the sum of the harmonics in use and the ideal wave, in the time plot&apos;s units; 0 is a perfect match.
&quot;Custom Rotants&quot; shows &quot;-&quot;: it has no ideal wave to compare with.</source>
        <translation>Raíz de la diferencia cuadrática media (RMS) a lo largo de un periodo entre la suma de los armónicos en uso y la onda ideal, en las unidades del gráfico temporal; 0 es una coincidencia perfecta.
«Fasores a medida» muestra «-»: no tiene onda ideal con la que comparar.</translation>
    </message>
    <message>
        <source>With the plot focused, the arrow keys, Page Up, Page Down, Home and End move the time step.</source>
        <translation>Con el gráfico enfocado, las flechas, Re Pág, Av Pág, Inicio y Fin mueven el paso de tiempo.</translation>
    </message>
    <message>
        <source>Phasor plane: click to place the next harmonic (1, 2, 3, ...) with its tip where you click, measured from the tip of the one placed before.</source>
        <translation>Plano de fasores: haga clic para colocar el siguiente armónico (1, 2, 3, ...) con su extremo donde haga clic, medido desde el extremo del anterior.</translation>
    </message>
    <message>
        <source>Phasor plane: the chain of turning phasors, one per harmonic, at the current time step; the real part of its tip is the wave&apos;s value.</source>
        <translation>Plano de fasores: la cadena de fasores giratorios, uno por armónico, en el paso de tiempo actual; la parte real de su extremo es el valor de la onda.</translation>
    </message>
    <message>
        <source>Time plot: hold a mouse button and drag across to draw one period; either half edits the same period. On release the drawing becomes the 26 harmonics.</source>
        <translation>Gráfico temporal: mantenga pulsado un botón del ratón y arrastre para dibujar un periodo; ambas mitades editan el mismo periodo. Al soltar, el dibujo se convierte en los 26 armónicos.</translation>
    </message>
    <message>
        <source>Time plot: two periods of the ideal wave in black and, in green, the sum of the harmonics from step 0 to the current one.</source>
        <translation>Gráfico temporal: dos periodos de la onda ideal en negro y, en verde, la suma de los armónicos desde el paso 0 hasta el actual.</translation>
    </message>
    <message>
        <source>Phasor plane: %1 waveform, chain of harmonics 0 to %2 at step %3, its tip at real %4, imaginary %5</source>
        <translation>Plano de fasores: onda %1, cadena de los armónicos 0 a %2 en el paso %3, su extremo en parte real %4, parte imaginaria %5</translation>
    </message>
    <message>
        <source>Time plot: %1 waveform from harmonics 0 to %2, step %3, value %4</source>
        <translation>Gráfico temporal: onda %1 con los armónicos 0 a %2, paso %3, valor %4</translation>
    </message>
    <message>
        <source>Placed Harmonic %1</source>
        <translation>Armónico %1 colocado</translation>
    </message>
    <message>
        <source>RMS error: -</source>
        <translation>Error RMS: -</translation>
    </message>
    <message>
        <source>RMS error: %1</source>
        <translation>Error RMS: %1</translation>
    </message>
    <message>
        <source>Harmonic %1: above the highest harmonic</source>
        <translation>Armónico %1: por encima del armónico máximo</translation>
    </message>
    <message>
        <source>Harmonic %1 alone</source>
        <translation>Armónico %1 solo</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>Armónico %1</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <source>Under the mouse over the time plot: the ideal wave&apos;s value and the sum of the harmonics in use at that time step.</source>
        <translation>Bajo el ratón sobre el gráfico temporal: el valor de la onda ideal y la suma de los armónicos en uso en ese paso de tiempo.</translation>
    </message>
    <message>
        <source>Ideal %1, sum %2</source>
        <translation>Ideal %1, suma %2</translation>
    </message>
    <message>
        <source>Sum %1</source>
        <translation>Suma %1</translation>
    </message>
</context>
<context>
    <name>TRecordingPart</name>
    <message>
        <source>Analyse what the microphone hears, ten times a second: the plots, the table, the spectrum and the tone follow. Unchecked, the last analysis stays.</source>
        <translation>Analizar lo que capta el micrófono, diez veces por segundo: los gráficos, la tabla, el espectro y el sonido lo siguen. Al desmarcarlo, se conserva el último análisis.</translation>
    </message>
    <message>
        <source>Play Recording</source>
        <translation>Reproducir grabación</translation>
    </message>
    <message>
        <source>With Sound On, loop the part of the recording analysed in place of the sum, to compare the two.</source>
        <translation>Con el sonido activado, reproducir en bucle el fragmento analizado de la grabación en lugar de la suma, para comparar ambos.</translation>
    </message>
    <message>
        <source>The whole recording, with the part analysed marked. Drag the part, or click elsewhere, to analyse another.</source>
        <translation>La grabación completa, con el fragmento analizado marcado. Arrastre el fragmento, o haga clic en otro lugar, para analizar otro.</translation>
    </message>
    <message>
        <source>Recording overview</source>
        <translation>Vista general de la grabación</translation>
    </message>
    <message>
        <source>No sound input available</source>
        <translation>No hay entrada de sonido disponible</translation>
    </message>
    <message>
        <source>it is not a recording Rotants can read (WAV, FLAC, Ogg Vorbis or AIFF)</source>
        <translation>no es una grabación que Rotants pueda leer (WAV, FLAC, Ogg Vorbis o AIFF)</translation>
    </message>
    <message>
        <source>the recording is empty</source>
        <translation>la grabación está vacía</translation>
    </message>
    <message>
        <source>the recording ends too early (the file is truncated)</source>
        <translation>la grabación termina antes de tiempo (el archivo está truncado)</translation>
    </message>
    <message>
        <source>its sample rate lies outside 8 to 192 kHz</source>
        <translation>su frecuencia de muestreo está fuera del intervalo de 8 a 192 kHz</translation>
    </message>
    <message>
        <source>the part asked for lies outside the recording</source>
        <translation>el fragmento pedido queda fuera de la grabación</translation>
    </message>
    <message>
        <source>the part is shorter than two periods of its pitch</source>
        <translation>el fragmento es más corto que dos periodos de su tono</translation>
    </message>
    <message>
        <source>the part is silent</source>
        <translation>el fragmento está en silencio</translation>
    </message>
    <message>
        <source>the part has no steady pitch between 50 and 2000 Hz</source>
        <translation>el fragmento no tiene un tono estable entre 50 y 2000 Hz</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Microphone: %1 Hz</source>
        <translation>Micrófono: %1 Hz</translation>
    </message>
    <message>
        <source>Microphone: listening</source>
        <translation>Micrófono: escuchando</translation>
    </message>
    <message>
        <source>Recording: %1, %2 Hz</source>
        <translation>Grabación: %1, %2 Hz</translation>
    </message>
    <message>
        <source>The audio is not kept with a saved set: open the recording again to hear it or analyse another part.</source>
        <translation>El audio no se guarda con el conjunto de fasores: vuelva a abrir la grabación para oírla o analizar otro fragmento.</translation>
    </message>
    <message>
        <source>Sum at %1 Hz</source>
        <translation>Suma a %1 Hz</translation>
    </message>
    <message>
        <source>Sum at the recording&apos;s pitch</source>
        <translation>Suma al tono de la grabación</translation>
    </message>
    <message>
        <source>With Sound On, play the sum of the harmonics at the recording&apos;s fundamental instead of 441 Hz.</source>
        <translation>Con el sonido activado, reproducir la suma de los armónicos a la frecuencia fundamental de la grabación en lugar de a 441 Hz.</translation>
    </message>
    <message>
        <source>Recording Part</source>
        <translation>Fragmento de grabación</translation>
    </message>
    <message>
        <source>This part cannot be analysed: %1.</source>
        <translation>Este fragmento no se puede analizar: %1.</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Escucha</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Liste&amp;n</source>
        <translation>Esc&amp;uchar</translation>
    </message>
</context>
<context>
    <name>TRotantsForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>Edi&amp;ción</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Highest Harmonic %1</source>
        <translation>Armónico máximo %1</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Close Rotants, after asking to save work done by hand.</source>
        <translation>Cerrar Rotants, tras preguntar si guardar el trabajo hecho a mano.</translation>
    </message>
    <message>
        <source>Take back the last change to the phasor set.</source>
        <translation>Deshacer el último cambio del conjunto de fasores.</translation>
    </message>
    <message>
        <source>Bring back the change last taken back.</source>
        <translation>Rehacer el último cambio deshecho.</translation>
    </message>
    <message>
        <source>Open the manual in the window&apos;s language.</source>
        <translation>Abrir el manual en el idioma de la ventana.</translation>
    </message>
    <message>
        <source>List every keyboard shortcut of the window.</source>
        <translation>Listar todos los atajos de teclado de la ventana.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and credits.</source>
        <translation>Mostrar la versión y los créditos del programa.</translation>
    </message>
</context>
<context>
    <name>TShapePart</name>
    <message>
        <source>Shape</source>
        <translation>&amp;Forma</translation>
    </message>
    <message>
        <source>Show a strip under the controls with two sliders that shape the standard waveforms: the pulses&apos; duty cycle and a time shift.</source>
        <translation>Mostrar bajo los controles una franja con dos deslizadores que dan forma a las ondas estándar: el ciclo de trabajo de los pulsos y un desplazamiento en el tiempo.</translation>
    </message>
    <message>
        <source>Duty cycle:</source>
        <translation>Ciclo de trabajo:</translation>
    </message>
    <message>
        <source>Time shift:</source>
        <translation>Desplazamiento:</translation>
    </message>
    <message>
        <source>The width of the rectangular and bipolar pulses, 1 to 99 % of the period, their height kept. A narrower pulse spreads its spectrum under a wider sinc envelope.</source>
        <translation>El ancho de los pulsos rectangular y bipolar, del 1 al 99 % del periodo, con la misma altura. Un pulso más estrecho reparte su espectro bajo una envolvente sinc más ancha.</translation>
    </message>
    <message>
        <source>Duty cycle</source>
        <translation>Ciclo de trabajo</translation>
    </message>
    <message>
        <source>Delays every standard waveform by -128 to 127 time steps. Every magnitude stays; harmonic k turns by k times the shift.</source>
        <translation>Retrasa cada onda estándar de -128 a 127 pasos de tiempo. Todas las magnitudes se mantienen; el armónico k gira k veces el desplazamiento.</translation>
    </message>
    <message>
        <source>Time shift</source>
        <translation>Desplazamiento en el tiempo</translation>
    </message>
    <message>
        <source>Duty Cycle</source>
        <translation>Ciclo de trabajo</translation>
    </message>
    <message>
        <source>Time Shift</source>
        <translation>Desplazamiento en el tiempo</translation>
    </message>
</context>
<context>
    <name>TShortcutsDialog</name>
    <message>
        <source>One time step back</source>
        <translation>Un paso de tiempo atrás</translation>
    </message>
    <message>
        <source>One time step forward</source>
        <translation>Un paso de tiempo adelante</translation>
    </message>
    <message>
        <source>%1 time steps back</source>
        <translation>%1 pasos de tiempo atrás</translation>
    </message>
    <message>
        <source>%1 time steps forward</source>
        <translation>%1 pasos de tiempo adelante</translation>
    </message>
    <message>
        <source>First time step (0)</source>
        <translation>Primer paso de tiempo (0)</translation>
    </message>
    <message>
        <source>Last time step (%1)</source>
        <translation>Último paso de tiempo (%1)</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Phasor plane or time plot, when it has the focus</source>
        <translation>Plano de fasores o gráfico temporal, cuando tiene el foco</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>Spectrum strip, when it has the focus</source>
        <translation>Franja del espectro, cuando tiene el foco</translation>
    </message>
    <message>
        <source>The harmonic before or after</source>
        <translation>El armónico anterior o siguiente</translation>
    </message>
    <message>
        <source>Its magnitude up or down by a row of the bars</source>
        <translation>Su magnitud, una fila de las barras más arriba o más abajo</translation>
    </message>
    <message>
        <source>Its angle up or down by %1°</source>
        <translation>Su ángulo, %1° más o menos</translation>
    </message>
</context>
<context>
    <name>TSoundPart</name>
    <message>
        <source>Sound On</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>&amp;Play Selected Harmonic Alone</source>
        <translation>Reproducir &amp;solo el armónico seleccionado</translation>
    </message>
    <message>
        <source>With the sound on, play only the harmonic of the table&apos;s selected row.</source>
        <translation>Con el sonido activado, reproducir solo el armónico de la fila seleccionada.</translation>
    </message>
    <message>
        <source>No sound output available</source>
        <translation>No hay salida de sonido disponible</translation>
    </message>
    <message>
        <source>Play the sum of the harmonics in use as a looping 441 Hz tone.</source>
        <translation>Reproducir la suma de los armónicos en uso como un tono continuo de 441 Hz.</translation>
    </message>
</context>
<context>
    <name>TSpectrumPart</name>
    <message>
        <source>&amp;Spectrum</source>
        <translation>Espe&amp;ctro</translation>
    </message>
    <message>
        <source>Spectrum in &amp;Decibels</source>
        <translation>Espectro en deci&amp;belios</translation>
    </message>
    <message>
        <source>Show a strip under the controls with one bar per harmonic: its magnitude and its angle.</source>
        <translation>Mostrar bajo los controles una franja con una barra por armónico: su módulo y su fase.</translation>
    </message>
    <message>
        <source>Scale the spectrum&apos;s bars in decibels, over 60 dB.</source>
        <translation>Escalar las barras del espectro en decibelios, sobre 60 dB.</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Espectro</translation>
    </message>
    <message>
        <source>Spectrum: one bar per harmonic, as tall as its magnitude, and under the bars a phase row marking its angle. Press a bar to select its harmonic, drag its top to set the magnitude, drag in the phase row to set the angle.</source>
        <translation>Espectro: una barra por armónico, tan alta como su módulo, y bajo las barras una fila de fase que marca su fase. Pulse una barra para seleccionar su armónico, arrastre su extremo superior para fijar el módulo y arrastre en la fila de fase para fijar la fase.</translation>
    </message>
    <message>
        <source>Dragged Phase of Harmonic %1</source>
        <translation>Fase del armónico %1 arrastrada</translation>
    </message>
    <message>
        <source>Dragged Harmonic %1</source>
        <translation>Armónico %1 arrastrado</translation>
    </message>
    <message>
        <source>Spectrum: %1 waveform, harmonics 0 to %2, the strongest harmonic %3 with magnitude %4; selected harmonic %5: magnitude %6, angle %7°</source>
        <translation>Espectro: onda %1, armónicos 0 a %2, el armónico más fuerte %3 con módulo %4; armónico seleccionado %5: módulo %6, fase %7°</translation>
    </message>
    <message>
        <source>Harmonic %1: %2 at %3°</source>
        <translation>Armónico %1: %2 a %3°</translation>
    </message>
    <message>
        <source>, above the highest harmonic</source>
        <translation>, por encima del armónico máximo</translation>
    </message>
    <message>
        <source>; the target&apos;s outline: magnitude %1, angle %2°</source>
        <translation>; contorno del objetivo: módulo %1, fase %2°</translation>
    </message>
</context>
<context>
    <name>TViewPart</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Re&amp;ducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message>
        <source>The size the window is shown at.</source>
        <translation>El tamaño con que se muestra la ventana.</translation>
    </message>
    <message>
        <source>Show the whole window larger, for a projector.</source>
        <translation>Mostrar toda la ventana más grande, para un proyector.</translation>
    </message>
    <message>
        <source>Show the whole window smaller.</source>
        <translation>Mostrar toda la ventana más pequeña.</translation>
    </message>
    <message>
        <source>Show the window at its own size, 100 %.</source>
        <translation>Mostrar la ventana a su tamaño propio, 100 %.</translation>
    </message>
    <message>
        <source>Fill the screen with the window; Esc leaves full screen.</source>
        <translation>Llenar la pantalla con la ventana; Esc sale de la pantalla completa.</translation>
    </message>
    <message>
        <source>Choose the language of every text of the program.</source>
        <translation>Elegir el idioma de todos los textos del programa.</translation>
    </message>
    <message>
        <source>Follow the system&apos;s language.</source>
        <translation>Usar el idioma del sistema.</translation>
    </message>
    <message>
        <source>Show every text in this language; remembered for the next start.</source>
        <translation>Mostrar todos los textos en este idioma; se recuerda para el próximo inicio.</translation>
    </message>
    <message>
        <source>Zoom: %1 %</source>
        <translation>Zoom: %1 %</translation>
    </message>
    <message>
        <source>&amp;Highlight Selected Harmonic</source>
        <translation>&amp;Resaltar el armónico seleccionado</translation>
    </message>
    <message>
        <source>Show &amp;Error</source>
        <translation>Mostrar &amp;error</translation>
    </message>
    <message>
        <source>Draw the harmonic of the table&apos;s selected row in amber: its segment of the chain and its own sinusoid.</source>
        <translation>Dibujar en ámbar el armónico de la fila seleccionada: su tramo de la cadena y su propia sinusoide.</translation>
    </message>
    <message>
        <source>Show in the status bar how far the sum of the harmonics is from the ideal wave (RMS error).</source>
        <translation>Mostrar en la barra de estado cuánto se aleja la suma de los armónicos de la onda ideal (error RMS).</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>E&amp;jes</translation>
    </message>
    <message>
        <source>Number the axes inside the phasor plane and the time plot: values -1 to 1 and time steps 0 to 511.</source>
        <translation>Numerar los ejes dentro del plano de fasores y del gráfico temporal: valores de -1 a 1 y pasos de tiempo de 0 a 511.</translation>
    </message>
</context>
</TS>
