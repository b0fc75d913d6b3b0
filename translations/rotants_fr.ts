<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, y compris les options propres à Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>The Rotants developers</source>
        <translation>Les développeurs de Rotants</translation>
    </message>
    <message>
        <source>Fourier series, turning in class</source>
        <translation>Séries de Fourier&#xa0;: ça tourne en cours</translation>
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
        <translation>Rotants&#xa0;: un signal périodique construit à partir de phaseurs tournants.
Avec --export-* ou --save, il écrit ces fichiers sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Phasor set (.rotants) or harmonics table (.csv) to open.</source>
        <translation>Ensemble de phaseurs (.rotants) ou table des harmoniques (.csv) à ouvrir.</translation>
    </message>
    <message>
        <source>Highest harmonic, 0 to 25.</source>
        <translation>Rang de l&apos;harmonique la plus élevée, de 0 à 25.</translation>
    </message>
    <message>
        <source>Time step, 0 to 511.</source>
        <translation>Instant (pas de temps), de 0 à 511.</translation>
    </message>
    <message>
        <source>Use conjugate rotants.</source>
        <translation>Utiliser les phaseurs conjugués.</translation>
    </message>
    <message>
        <source>Rotate the complex plane 90 degrees.</source>
        <translation>Tourner le plan complexe de 90 degrés.</translation>
    </message>
    <message>
        <source>Leave the phasor trace.</source>
        <translation>Laisser la trace du phaseur.</translation>
    </message>
    <message>
        <source>Show the real value.</source>
        <translation>Afficher la partie réelle.</translation>
    </message>
    <message>
        <source>Hide the time plot&apos;s grid.</source>
        <translation>Masquer la grille du graphe temporel.</translation>
    </message>
    <message>
        <source>Hide the ideal wave.</source>
        <translation>Masquer le signal idéal.</translation>
    </message>
    <message>
        <source>Zoom factor, 1 to 3.</source>
        <translation>Facteur de zoom, de 1 à 3.</translation>
    </message>
    <message>
        <source>Language of the window: %1.</source>
        <translation>Langue de la fenêtre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Write both plots as PNG.</source>
        <translation>Écrire les deux graphes en PNG.</translation>
    </message>
    <message>
        <source>Write the tone as WAV.</source>
        <translation>Écrire le son en WAV.</translation>
    </message>
    <message>
        <source>Write the harmonics as CSV.</source>
        <translation>Écrire les harmoniques en CSV.</translation>
    </message>
    <message>
        <source>Write the samples as CSV.</source>
        <translation>Écrire les échantillons en CSV.</translation>
    </message>
    <message>
        <source>Save the phasor set.</source>
        <translation>Enregistrer l&apos;ensemble de phaseurs.</translation>
    </message>
    <message>
        <source>more than one file given: &quot;%1&quot;</source>
        <translation>plus d&apos;un fichier indiqué&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --%2 (expected %3)</source>
        <translation>valeur «&#xa0;%1&#xa0;» incorrecte pour --%2 (attendu&#xa0;: %3)</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>une valeur parmi %1</translation>
    </message>
    <message>
        <source>a whole number from 0 to 25</source>
        <translation>un nombre entier de 0 à 25</translation>
    </message>
    <message>
        <source>a whole number from 0 to 511</source>
        <translation>un nombre entier de 0 à 511</translation>
    </message>
    <message>
        <source>a factor from 1 to 3</source>
        <translation>un facteur de 1 à 3</translation>
    </message>
    <message>
        <source>--seconds needs --export-sound</source>
        <translation>--seconds exige --export-sound</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>un nom de fichier</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Show the spectrum under the plots.</source>
        <translation>Afficher le spectre sous les graphiques.</translation>
    </message>
    <message>
        <source>Exit codes: 0 done; 1 a file could not be written; 2 a bad option, value or input file.</source>
        <translation>Codes de sortie&#xa0;: 0 terminé&#xa0;; 1 un fichier n&apos;a pas pu être écrit&#xa0;; 2 une option, une valeur ou un fichier d&apos;entrée incorrects.</translation>
    </message>
    <message>
        <source>Waveform: %1 (or as the drop-down names it, in any case).</source>
        <translation>Forme d&apos;onde&#xa0;: %1 (ou comme la nomme la liste déroulante, en majuscules ou minuscules).</translation>
    </message>
    <message>
        <source>Length of the exported sound, up to %1 seconds (default 5).</source>
        <translation>Durée du son exporté, jusqu&apos;à %1 secondes (5 par défaut).</translation>
    </message>
    <message>
        <source>Write a labelled figure as SVG or PDF.</source>
        <translation>Écrire une figure légendée en SVG ou PDF.</translation>
    </message>
    <message>
        <source>a length of at least one sample and up to %1 seconds</source>
        <translation>une durée d&apos;au moins un échantillon et d&apos;au plus %1 secondes</translation>
    </message>
    <message>
        <source>--%1 given more than once (&quot;%2&quot; and &quot;%3&quot;)</source>
        <translation>--%1 donné plus d&apos;une fois («&#xa0;%2&#xa0;» et «&#xa0;%3&#xa0;»)</translation>
    </message>
    <message>
        <source>a file name ending in .%1</source>
        <translation>un nom de fichier se terminant par .%1</translation>
    </message>
    <message>
        <source>a file name ending in .%1 or .%2</source>
        <translation>un nom de fichier se terminant par .%1 ou .%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named by both --%2 and --%3</source>
        <translation>«&#xa0;%1&#xa0;» désigné à la fois par --%2 et par --%3</translation>
    </message>
    <message>
        <source>Write one sweep (two periods) as animated GIF.</source>
        <translation>Écrire un balayage complet (deux périodes) en GIF animé.</translation>
    </message>
    <message>
        <source>Speed of the sweep: 0.25, 0.5, 1 or 2 times normal.</source>
        <translation>Vitesse du balayage&#xa0;: 0.25, 0.5, 1 ou 2 fois la normale.</translation>
    </message>
    <message>
        <source>Duty cycle of the rectangular and bipolar pulses, 1 to 99 %.</source>
        <translation>Rapport cyclique des impulsions rectangulaire et bipolaire, de 1 à 99 %.</translation>
    </message>
    <message>
        <source>Time shift of the standard waveforms, -128 to 127 steps.</source>
        <translation>Décalage temporel des signaux types, de -128 à 127 pas.</translation>
    </message>
    <message>
        <source>a whole number from 1 to 99</source>
        <translation>un nombre entier de 1 à 99</translation>
    </message>
    <message>
        <source>a whole number from -128 to 127</source>
        <translation>un nombre entier de -128 à 127</translation>
    </message>
    <message>
        <source>Hide the real value.</source>
        <translation>Masquer la partie réelle.</translation>
    </message>
    <message>
        <source>Start of the part of a recording to analyse, in seconds.</source>
        <translation>Début de l&apos;extrait d&apos;un enregistrement à analyser, en secondes.</translation>
    </message>
    <message>
        <source>End of the part of a recording to analyse, in seconds.</source>
        <translation>Fin de l&apos;extrait d&apos;un enregistrement à analyser, en secondes.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 donné plus d&apos;une fois</translation>
    </message>
    <message>
        <source>--real-value and --no-real-value contradict each other</source>
        <translation>--real-value et --no-real-value se contredisent</translation>
    </message>
    <message>
        <source>a time in seconds from 0</source>
        <translation>un temps en secondes à partir de 0</translation>
    </message>
    <message>
        <source>--from and --to need a recording to open</source>
        <translation>--from et --to exigent un enregistrement à ouvrir</translation>
    </message>
    <message>
        <source>--to must come after --from</source>
        <translation>--to doit être postérieur à --from</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>placeholder</comment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>placeholder</comment>
        <translation>NOM</translation>
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
        <translation>Commencer un exercice à ce niveau, de 1 à 6.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>placeholder</comment>
        <translation>NIVEAU</translation>
    </message>
    <message>
        <source>The exercise&apos;s seed: the same level and seed give the same target.</source>
        <translation>Graine de l’exercice&#xa0;: le même niveau et la même graine donnent la même cible.</translation>
    </message>
    <message>
        <source>a whole number from 1 to 6</source>
        <translation>un nombre entier de 1 à 6</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1</source>
        <translation>un nombre entier de 0 à %1</translation>
    </message>
    <message>
        <source>--seed needs --exercise</source>
        <translation>--seed nécessite --exercise</translation>
    </message>
    <message>
        <source>--exercise needs the window; it cannot be combined with --export-* or --save</source>
        <translation>--exercise nécessite la fenêtre&#xa0;; il ne peut pas être combiné avec --export-* ou --save</translation>
    </message>
</context>
<context>
    <name>TControlsPart</name>
    <message>
        <source>Hide &amp;Editor</source>
        <translation>Fin d&apos;é&amp;dition</translation>
    </message>
    <message>
        <source>Show &amp;Editor</source>
        <translation>É&amp;diter</translation>
    </message>
    <message>
        <source>Waveform:</source>
        <translation>Signal&#xa0;:</translation>
    </message>
    <message>
        <source>Highest harmonic:</source>
        <translation>Rang maximal&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Phasor Options</source>
        <translation>Options des phaseurs</translation>
    </message>
    <message>
        <source>Show Real &amp;Value</source>
        <translation>Afficher la &amp;partie réelle</translation>
    </message>
    <message>
        <source>&amp;Rotate Complex Plane 90°</source>
        <translation>Plan &amp;complexe tourné 90°</translation>
    </message>
    <message>
        <source>Leave Phasor &amp;Trace</source>
        <translation>&amp;Trace du phaseur</translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation>Phaseurs conjugués</translation>
    </message>
    <message>
        <source>Time Options</source>
        <translation>Options temporelles</translation>
    </message>
    <message>
        <source>&amp;Grid On</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>En boucle</translation>
    </message>
    <message>
        <source>Ideal Wave</source>
        <translation>Signal idéal</translation>
    </message>
    <message>
        <source>Choose a standard waveform to build from its harmonics, or a custom mode: place the phasors with the mouse (Custom Rotants) or draw one period (Custom Time).</source>
        <translation>Choisir un signal type à construire à partir de ses harmoniques, ou un mode libre&#xa0;: placer les phaseurs à la souris (Phaseurs libres) ou tracer une période (Tracé libre).</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>How many harmonics take part in the chain, the curve and the tone, 0 to 25. Lower it to see the sum approach the wave harmonic by harmonic.</source>
        <translation>Nombre d&apos;harmoniques qui forment la chaîne, la courbe et le son, de 0 à 25. Le réduire pour voir la somme approcher le signal harmonique après harmonique.</translation>
    </message>
    <message>
        <source>Highest harmonic</source>
        <translation>Rang maximal</translation>
    </message>
    <message>
        <source>Stop and go back to step 0; in the custom modes, also start the custom waveform afresh.</source>
        <translation>Arrêter et revenir au pas 0&#xa0;; dans les modes libres, recommencer aussi le signal libre.</translation>
    </message>
    <message>
        <source>Show or hide the table of all 26 harmonics over the phasor plane, to read or type their magnitudes and angles.</source>
        <translation>Afficher ou masquer, par-dessus le plan des phaseurs, la table des 26 harmoniques, pour lire ou saisir leurs modules et angles.</translation>
    </message>
    <message>
        <source>How the phasor plane shows the chain.</source>
        <translation>Comment le plan des phaseurs montre la chaîne.</translation>
    </message>
    <message>
        <source>Mark the current real value on both plots.</source>
        <translation>Marquer la partie réelle actuelle sur les deux graphes.</translation>
    </message>
    <message>
        <source>Turn the phasor plane so that its real axis points up, level with the time plot; with the real value shown, two lines carry it across.</source>
        <translation>Tourner le plan des phaseurs pour que son axe réel pointe vers le haut, à hauteur du graphe temporel&#xa0;; quand la partie réelle est affichée, deux lignes la reportent.</translation>
    </message>
    <message>
        <source>Draw the path of the chain&apos;s tip from step 0, in red.</source>
        <translation>Tracer en rouge le chemin de l&apos;extrémité de la chaîne depuis le pas 0.</translation>
    </message>
    <message>
        <source>Also show the negative harmonics, as a mirror chain in purple; each entry then holds c_k instead of 2·c_k. The curve stays the same.</source>
        <translation>Afficher aussi les harmoniques négatives, en chaîne miroir violette&#xa0;; chaque entrée contient alors c_k au lieu de 2·c_k. La courbe reste la même.</translation>
    </message>
    <message>
        <source>What the time plot shows, the tone and the sweep&apos;s repeat.</source>
        <translation>Ce que montre le graphe temporel, le son et la répétition du balayage.</translation>
    </message>
    <message>
        <source>Show the time plot&apos;s grid.</source>
        <translation>Afficher la grille du graphe temporel.</translation>
    </message>
    <message>
        <source>Show the ideal waveform in black on the time plot.</source>
        <translation>Afficher en noir le signal idéal sur le graphe temporel.</translation>
    </message>
    <message>
        <source>Start the sweep again at step 0 after the last step, instead of stopping.</source>
        <translation>Après le dernier pas, reprendre le balayage au pas 0 au lieu de s&apos;arrêter.</translation>
    </message>
</context>
<context>
    <name>TEditorPanel</name>
    <message>
        <source>Harmonic</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Angle (°)</translation>
    </message>
    <message>
        <source>Edit Phasor</source>
        <translation>Modifier le phaseur</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Appli&amp;quer</translation>
    </message>
    <message>
        <source>Magnitude and angle of every harmonic. Select a row to edit it below; its harmonic is also the one the View menu highlights or plays alone.</source>
        <translation>Module et angle de chaque harmonique. Sélectionner une ligne pour la modifier en dessous&#xa0;; son harmonique est aussi celle que le menu Affichage met en valeur ou joue seule.</translation>
    </message>
    <message>
        <source>Harmonics table</source>
        <translation>Table des harmoniques</translation>
    </message>
    <message>
        <source>The harmonic of the table&apos;s selected row.</source>
        <translation>L&apos;harmonique de la ligne sélectionnée de la table.</translation>
    </message>
    <message>
        <source>The harmonic&apos;s magnitude, 0 to 10; Update or Return applies it.</source>
        <translation>Module de l&apos;harmonique, de 0 à 10&#xa0;; Appliquer ou Entrée le valide.</translation>
    </message>
    <message>
        <source>The harmonic&apos;s angle in degrees, -180 to 180; Update or Return applies it.</source>
        <translation>Angle de l&apos;harmonique en degrés, de -180 à 180&#xa0;; Appliquer ou Entrée le valide.</translation>
    </message>
    <message>
        <source>Angle in degrees</source>
        <translation>Angle en degrés</translation>
    </message>
    <message>
        <source>Give the selected harmonic the typed magnitude and angle. A value out of range becomes 0, and a notice names it.</source>
        <translation>Donner à l&apos;harmonique sélectionnée le module et l&apos;angle saisis. Une valeur hors limites devient 0, et un avis la signale.</translation>
    </message>
    <message>
        <source>Type a magnitude and an angle for the harmonic of the selected row.</source>
        <translation>Saisir un module et un angle pour l&apos;harmonique de la ligne sélectionnée.</translation>
    </message>
    <message>
        <source>A typed value outside its range was replaced by 0. The notice stays until an Update that replaces nothing.</source>
        <translation>Une valeur saisie hors de ses limites a été remplacée par 0. L&apos;avis reste jusqu&apos;à un Appliquer qui ne remplace rien.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write it with a decimal point, for example 1.5</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre&#xa0;; écrivez-le avec un point décimal, par exemple 1.5</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>Harmonique %1 saisie</translation>
    </message>
    <message>
        <source>Magnitude %1 is outside 0 to 10: 0 applied</source>
        <translation>Module %1 hors de 0 à 10&#xa0;: 0 appliqué</translation>
    </message>
    <message>
        <source>Angle %1 is outside -180 to 180: 0 applied</source>
        <translation>Angle %1 hors de -180 à 180&#xa0;: 0 appliqué</translation>
    </message>
    <message>
        <source>Harmonic %1: %2 at %3°</source>
        <translation>Harmonique %1&#xa0;: %2 à %3°</translation>
    </message>
</context>
<context>
    <name>TExerciseFileText</name>
    <message>
        <source>target %1: %2</source>
        <translation>cible %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not an object</source>
        <translation>ce n’est pas un objet</translation>
    </message>
    <message>
        <source>its field &quot;name&quot; is not a text of at most %1 characters</source>
        <translation>son champ &quot;name&quot; n’est pas un texte d’au plus %1 caractères</translation>
    </message>
    <message>
        <source>its field &quot;threshold&quot; is not a number from %1 to %2</source>
        <translation>son champ &quot;threshold&quot; n’est pas un nombre de %1 à %2</translation>
    </message>
    <message>
        <source>its field &quot;set&quot; is missing or not an object</source>
        <translation>son champ &quot;set&quot; manque ou n’est pas un objet</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is not a Rotants exercise set (not a JSON object)</source>
        <translation>ce n’est pas une série d’exercices Rotants (pas un objet JSON)</translation>
    </message>
    <message>
        <source>it is not a Rotants exercise set (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>ce n’est pas une série d’exercices Rotants (son &quot;format&quot; n’est pas &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>its field &quot;version&quot; is not a whole number from 1 up</source>
        <translation>son champ &quot;version&quot; n&apos;est pas un nombre entier supérieur ou égal à 1</translation>
    </message>
    <message>
        <source>it was written by a newer version of Rotants (format version %1; this program reads version %2)</source>
        <translation>il a été écrit par une version plus récente de Rotants (version de format %1&#xa0;; ce programme lit la version %2)</translation>
    </message>
    <message>
        <source>its field &quot;targets&quot; is not a list of 1 to %1 targets</source>
        <translation>son champ &quot;targets&quot; n’est pas une liste de 1 à %1 cibles</translation>
    </message>
</context>
<context>
    <name>TExercisePart</name>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Compare your wave with the dashed target: one attempt.</source>
        <translation>Compare votre onde à la cible en pointillés&#xa0;: une tentative.</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>First how many harmonics the target uses, then its spectrum outlined, then one harmonic&apos;s value at a time.</source>
        <translation>D’abord le nombre d’harmoniques de la cible, puis son spectre en contour, puis la valeur d’une harmonique à la fois.</translation>
    </message>
    <message>
        <source>Show &amp;Answer</source>
        <translation>Afficher la &amp;réponse</translation>
    </message>
    <message>
        <source>Make the set the target&apos;s. The target counts as not solved.</source>
        <translation>Remplace l’ensemble par celui de la cible. La cible compte comme non résolue.</translation>
    </message>
    <message>
        <source>&amp;End Exercise</source>
        <translation>&amp;Terminer l’exercice</translation>
    </message>
    <message>
        <source>&amp;Open Exercise Set...</source>
        <translation>&amp;Ouvrir une série d’exercices...</translation>
    </message>
    <message>
        <source>Work through a teacher&apos;s exercise set, target by target.</source>
        <translation>Travailler une série d’exercices de l’enseignant, cible par cible.</translation>
    </message>
    <message>
        <source>E&amp;xport Results...</source>
        <translation>E&amp;xporter les résultats...</translation>
    </message>
    <message>
        <source>Write a CSV file for the teacher: one row per target, whether it was solved, the attempts, hints and seconds.</source>
        <translation>Écrit un fichier CSV pour l’enseignant&#xa0;: une ligne par cible, résolue ou non, les tentatives, les indices et les secondes.</translation>
    </message>
    <message>
        <source>A&amp;dd Current Set as Target</source>
        <translation>Ajouter l’ensemble actuel comme &amp;cible</translation>
    </message>
    <message>
        <source>For teachers: add the set you see as the next target of a new exercise set.</source>
        <translation>Pour les enseignants&#xa0;: ajoute l’ensemble affiché comme cible suivante d’une nouvelle série d’exercices.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>The level of the next new target: 1, one harmonic, up to 6, a random shape of up to 25 harmonics.</source>
        <translation>Le niveau de la prochaine nouvelle cible&#xa0;: de 1, une harmonique, à 6, une forme aléatoire d’au plus 25 harmoniques.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Hear Target</source>
        <translation>Écouter la cible</translation>
    </message>
    <message>
        <source>Play the target&apos;s tone in place of yours; uncheck it to hear yours again.</source>
        <translation>Joue le son de la cible à la place du vôtre&#xa0;; décochez pour entendre de nouveau le vôtre.</translation>
    </message>
    <message>
        <source>Save Exercise Set</source>
        <translation>Enregistrer la série d’exercices</translation>
    </message>
    <message>
        <source>Exercise sets (*%1)</source>
        <translation>Séries d’exercices (*%1)</translation>
    </message>
    <message>
        <source>The exercise set could not be saved as %1: %2.</source>
        <translation>La série d’exercices n’a pas pu être enregistrée sous %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Open Exercise Set</source>
        <translation>Ouvrir une série d’exercices</translation>
    </message>
    <message>
        <source>The exercise set %1 could not be opened: %2.</source>
        <translation>La série d’exercices %1 n’a pas pu être ouverte&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Exporter les résultats</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be written to %1: %2.</source>
        <translation>Les résultats n’ont pas pu être écrits dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Difference (RMS): %1, solved below %2</source>
        <translation>Écart (eff.)&#xa0;: %1, résolu sous %2</translation>
    </message>
    <message>
        <source>Attempts: %1   Hints: %2   Time: %3</source>
        <translation>Tentatives&#xa0;: %1   Indices&#xa0;: %2   Temps&#xa0;: %3</translation>
    </message>
    <message>
        <source>One harmonic, magnitude only</source>
        <translation>Une harmonique, le module seulement</translation>
    </message>
    <message>
        <source>Up to three harmonics, angles 0° or 180°</source>
        <translation>Jusqu’à trois harmoniques, angles de 0° ou 180°</translation>
    </message>
    <message>
        <source>Up to three harmonics, any angles</source>
        <translation>Jusqu’à trois harmoniques, angles quelconques</translation>
    </message>
    <message>
        <source>Up to six harmonics</source>
        <translation>Jusqu’à six harmoniques</translation>
    </message>
    <message>
        <source>A standard waveform, cut at a highest harmonic</source>
        <translation>Un signal type, coupé à un rang maximal</translation>
    </message>
    <message>
        <source>A random shape of up to 25 harmonics</source>
        <translation>Une forme aléatoire d’au plus 25 harmoniques</translation>
    </message>
    <message>
        <source>The answer is shown.</source>
        <translation>La réponse est affichée.</translation>
    </message>
    <message>
        <source>Solved! Well done.</source>
        <translation>Résolu&#xa0;! Bravo.</translation>
    </message>
    <message>
        <source>Not yet: the difference was %1.</source>
        <translation>Pas encore&#xa0;: l’écart était de %1.</translation>
    </message>
    <message>
        <source>Build the dashed wave, then Check.</source>
        <translation>Construisez l’onde en pointillés, puis Vérifier.</translation>
    </message>
    <message>
        <source>Harmonics used: %1</source>
        <translation>Harmoniques utilisées&#xa0;: %1</translation>
    </message>
    <message>
        <source>The target&apos;s spectrum is outlined in the strip.</source>
        <translation>Le spectre de la cible est dessiné en contour dans la bande.</translation>
    </message>
    <message>
        <source>&amp;Next Target</source>
        <translation>Cible s&amp;uivante</translation>
    </message>
    <message>
        <source>&amp;New Target</source>
        <translation>&amp;Nouvelle cible</translation>
    </message>
    <message>
        <source>A new target to match, at the level the exercise panel shows, or the next target of an exercise set.</source>
        <translation>Une nouvelle cible à reproduire, au niveau indiqué par le panneau d’exercice, ou la cible suivante d’une série d’exercices.</translation>
    </message>
    <message>
        <source>&amp;Save Exercise Set (%1)...</source>
        <translation>&amp;Enregistrer la série d’exercices (%1)...</translation>
    </message>
    <message>
        <source>Save the targets added so far as one exercise set.</source>
        <translation>Enregistre les cibles ajoutées jusqu’ici en une série d’exercices.</translation>
    </message>
    <message>
        <source>Target %1 of %2: %3</source>
        <translation>Cible %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>E&amp;xercise</source>
        <translation>E&amp;xercice</translation>
    </message>
    <message>
        <source>Hide the target and the exercise panel; the results stay for Export Results.</source>
        <translation>Masque la cible et le panneau d’exercice&#xa0;; les résultats restent pour Exporter les résultats.</translation>
    </message>
</context>
<context>
    <name>TExerciseSession</name>
    <message>
        <source>Level %1, seed %2</source>
        <translation>Niveau %1, graine %2</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Cible %1</translation>
    </message>
</context>
<context>
    <name>TExportsPart</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>the length must be at least one sample and at most %1 seconds</source>
        <translation>la durée doit valoir au moins un échantillon et au plus %1 secondes</translation>
    </message>
    <message>
        <source>the name must end in .svg or .pdf</source>
        <translation>le nom doit se terminer par .svg ou .pdf</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>l&apos;imprimante n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>the printer could not finish the page</source>
        <translation>l&apos;imprimante n&apos;a pas pu terminer la page</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;exporter vers «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Sound</source>
        <translation>Exporter le son</translation>
    </message>
    <message>
        <source>Length in seconds:</source>
        <translation>Durée en secondes&#xa0;:</translation>
    </message>
    <message>
        <source>WAV sounds (*.wav)</source>
        <translation>Sons WAV (*.wav)</translation>
    </message>
    <message>
        <source>Export Harmonics Table</source>
        <translation>Exporter la table des harmoniques</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Tables CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Waveform Samples</source>
        <translation>Exporter les échantillons du signal</translation>
    </message>
    <message>
        <source>Export Figure</source>
        <translation>Exporter la figure</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;SVG drawings (*.svg)</source>
        <translation>Documents PDF (*.pdf);;Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Exporter l&apos;animation</translation>
    </message>
    <message>
        <source>GIF animations (*.gif)</source>
        <translation>Animations GIF (*.gif)</translation>
    </message>
    <message>
        <source>Writing the animation...</source>
        <translation>Écriture de l&apos;animation...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Print Figure</source>
        <translation>Imprimer la figure</translation>
    </message>
    <message>
        <source>Could not print: %1.</source>
        <translation>Impossible d&apos;imprimer&#xa0;: %1.</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;Picture...</source>
        <translation>&amp;Image...</translation>
    </message>
    <message>
        <source>&amp;Sound...</source>
        <translation>&amp;Son...</translation>
    </message>
    <message>
        <source>&amp;Harmonics Table...</source>
        <translation>Table des &amp;harmoniques...</translation>
    </message>
    <message>
        <source>Wave&amp;form Samples...</source>
        <translation>É&amp;chantillons du signal...</translation>
    </message>
    <message>
        <source>&amp;Animation...</source>
        <translation>&amp;Animation...</translation>
    </message>
    <message>
        <source>Fi&amp;gure (SVG, PDF)...</source>
        <translation>&amp;Figure (SVG, PDF)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Copy &amp;Figure</source>
        <translation>Copier la &amp;figure</translation>
    </message>
    <message>
        <source>Write what the window shows to a picture, sound, table, animation or figure file.</source>
        <translation>Écrire ce que montre la fenêtre dans un fichier image, son, table, animation ou figure.</translation>
    </message>
    <message>
        <source>Save the plots as shown, as a PNG picture.</source>
        <translation>Enregistrer les graphes tels qu&apos;affichés, en image PNG.</translation>
    </message>
    <message>
        <source>Save the tone as a WAV file of the length you choose.</source>
        <translation>Enregistrer le son en fichier WAV de la durée choisie.</translation>
    </message>
    <message>
        <source>Save the magnitude and angle of every harmonic as a CSV table.</source>
        <translation>Enregistrer le module et l&apos;angle de chaque harmonique en table CSV.</translation>
    </message>
    <message>
        <source>Save the ideal and the reconstructed value at every time step as a CSV table.</source>
        <translation>Enregistrer la valeur idéale et la valeur reconstruite à chaque pas de temps en table CSV.</translation>
    </message>
    <message>
        <source>Save one sweep as an animated GIF.</source>
        <translation>Enregistrer un balayage en GIF animé.</translation>
    </message>
    <message>
        <source>Save a labelled figure for handouts and slides, as SVG or PDF.</source>
        <translation>Enregistrer une figure légendée pour polycopiés et diapositives, en SVG ou PDF.</translation>
    </message>
    <message>
        <source>Print the figure and the table of the harmonics in use on one page.</source>
        <translation>Imprimer sur une page la figure et la table des harmoniques utilisées.</translation>
    </message>
    <message>
        <source>Copy the labelled figure, to paste into a document or a slide.</source>
        <translation>Copier la figure légendée pour la coller dans un document ou une diapositive.</translation>
    </message>
</context>
<context>
    <name>TFigureRenderer</name>
    <message>
        <source>two-sided</source>
        <translation>bilatéral</translation>
    </message>
    <message>
        <source>one-sided</source>
        <translation>unilatéral</translation>
    </message>
    <message>
        <source>%1, harmonic 0, step %2, %3</source>
        <translation>%1, harmonique 0, pas %2, %3</translation>
    </message>
    <message>
        <source>%1, harmonics 0-%2, step %3, %4</source>
        <translation>%1, harmoniques 0-%2, pas %3, %4</translation>
    </message>
    <message>
        <source>Ideal wave</source>
        <translation>Signal idéal</translation>
    </message>
    <message>
        <source>Reconstruction</source>
        <translation>Reconstruction</translation>
    </message>
    <message>
        <source>Phasor chain</source>
        <translation>Chaîne de phaseurs</translation>
    </message>
    <message>
        <source>Mirror chain</source>
        <translation>Chaîne miroir</translation>
    </message>
    <message>
        <source>Trace of the tip</source>
        <translation>Trace de l&apos;extrémité</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>Harmonique %1</translation>
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
        <translation>Pas de temps</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>Harmonique</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Angle (°)</translation>
    </message>
    <message>
        <source>Magnitude (dB)</source>
        <translation>Module (dB)</translation>
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
        <translation>le champ %1%2 est absent</translation>
    </message>
    <message>
        <source>the field %1%2 is not true or false</source>
        <translation>le champ %1%2 ne vaut ni true ni false</translation>
    </message>
    <message>
        <source>the field %1%2 is not a whole number from %3 to %4</source>
        <translation>le champ %1%2 n&apos;est pas un nombre entier de %3 à %4</translation>
    </message>
    <message>
        <source>the field %1%2 is not a finite number</source>
        <translation>le champ %1%2 n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>the field %1%2 is not a text of at most %3 characters</source>
        <translation>le champ %1%2 n&apos;est pas un texte d&apos;au plus %3 caractères</translation>
    </message>
    <message>
        <source>the field %1%2 is not an object</source>
        <translation>le champ %1%2 n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>harmonic %1 has magnitude %2, beyond the editor&apos;s range of 0 to %3%4</source>
        <translation>l&apos;harmonique %1 a un module de %2, hors de la plage de l&apos;éditeur, de 0 à %3%4</translation>
    </message>
    <message>
        <source> in the one-sided convention</source>
        <translation> dans la convention unilatérale</translation>
    </message>
    <message>
        <source>the field &quot;entries&quot; is not a list</source>
        <translation>le champ &quot;entries&quot; n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>it holds %1 entries instead of %2</source>
        <translation>il contient %1 entrées au lieu de %2</translation>
    </message>
    <message>
        <source> of entry %1</source>
        <translation> de l&apos;entrée %1</translation>
    </message>
    <message>
        <source>entry %1 has only one of &quot;magnitude_text&quot; and &quot;angle_text&quot;</source>
        <translation>l&apos;entrée %1 n&apos;a qu&apos;un seul des champs &quot;magnitude_text&quot; et &quot;angle_text&quot;</translation>
    </message>
    <message>
        <source>the grid texts of entry %1 are not a magnitude and an angle in the editor&apos;s range</source>
        <translation>les textes de grille de l&apos;entrée %1 ne sont pas un module et un angle dans la plage de l&apos;éditeur</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it ends too early (the file is truncated)</source>
        <translation>il se termine trop tôt (le fichier est tronqué)</translation>
    </message>
    <message>
        <source>it is neither a phasor set nor a harmonics table (not valid JSON: %1 at byte %2)</source>
        <translation>ce n&apos;est ni un ensemble de phaseurs ni une table des harmoniques (JSON invalide&#xa0;: %1 à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set</source>
        <translation>ce n&apos;est pas un ensemble de phaseurs Rotants</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (its format is &quot;%1&quot;)</source>
        <translation>ce n&apos;est pas un ensemble de phaseurs Rotants (son format est «&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (no &quot;format&quot; field)</source>
        <translation>ce n&apos;est pas un ensemble de phaseurs Rotants (pas de champ &quot;format&quot;)</translation>
    </message>
    <message>
        <source>its field &quot;version&quot; is not a whole number from 1 up</source>
        <translation>son champ &quot;version&quot; n&apos;est pas un nombre entier supérieur ou égal à 1</translation>
    </message>
    <message>
        <source>it was written by a newer version of Rotants (format version %1; this program reads version %2)</source>
        <translation>il a été écrit par une version plus récente de Rotants (version de format %1&#xa0;; ce programme lit la version %2)</translation>
    </message>
    <message>
        <source>its waveform &quot;%1&quot; is not one of %2</source>
        <translation>sa forme d&apos;onde «&#xa0;%1&#xa0;» ne fait pas partie de&#xa0;: %2</translation>
    </message>
    <message>
        <source>the field &quot;drawn_period&quot; is not a list of %1 numbers</source>
        <translation>le champ &quot;drawn_period&quot; n&apos;est pas une liste de %1 nombres</translation>
    </message>
    <message>
        <source>its first line is not the harmonics table&apos;s header &quot;%1&quot;</source>
        <translation>sa première ligne n&apos;est pas l&apos;en-tête de la table des harmoniques «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 has a real or imaginary part that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation>%1 a une partie réelle ou imaginaire qui n&apos;est pas un nombre fini avec &apos;.&apos; comme séparateur décimal</translation>
    </message>
    <message>
        <source>%1 has a magnitude or angle that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation>%1 a un module ou un angle qui n&apos;est pas un nombre fini avec &apos;.&apos; comme séparateur décimal</translation>
    </message>
    <message>
        <source>%1 has a magnitude below 0 or an angle outside -180 to 180</source>
        <translation>%1 a un module négatif ou un angle hors de l&apos;intervalle -180 à 180</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than 1 MB (%1 bytes), too large for a phasor set</source>
        <translation>il dépasse 1 Mo (%1 octets), trop pour un ensemble de phaseurs</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>it is larger than 1 MB, too large for a phasor set</source>
        <translation>il dépasse 1 Mo, trop pour un ensemble de phaseurs</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>il ne peut pas être écrit (%1)</translation>
    </message>
    <message>
        <source>it could not be written completely (%1); any earlier file of that name is unchanged</source>
        <translation>il n&apos;a pas pu être écrit entièrement (%1)&#xa0;; tout fichier antérieur de ce nom reste inchangé</translation>
    </message>
    <message>
        <source>it could not be written (%1); any earlier file of that name is unchanged</source>
        <translation>il n&apos;a pas pu être écrit (%1)&#xa0;; tout fichier antérieur de ce nom reste inchangé</translation>
    </message>
    <message>
        <source> (item %1)</source>
        <translation> (élément %1)</translation>
    </message>
    <message>
        <source>row %1 (harmonic %2)</source>
        <translation>ligne %1 (harmonique %2)</translation>
    </message>
    <message>
        <source>it holds %1 rows of harmonics instead of 1 to %2</source>
        <translation>il contient %1 lignes d&apos;harmoniques au lieu de 1 à %2</translation>
    </message>
    <message>
        <source>row %1 does not hold a harmonic from 0 to %2 and its three or five columns</source>
        <translation>la ligne %1 ne contient pas une harmonique de 0 à %2 avec ses trois ou cinq colonnes</translation>
    </message>
    <message>
        <source>row %1 gives harmonic %2 a second time</source>
        <translation>la ligne %1 donne une seconde fois l&apos;harmonique %2</translation>
    </message>
    <message>
        <source> in %1</source>
        <comment>a field of the object %1</comment>
        <translation> dans %1</translation>
    </message>
    <message>
        <source>the recording&apos;s name is empty or its fundamental lies outside %1 to %2 Hz</source>
        <translation>le nom de l&apos;enregistrement est vide ou sa fondamentale n&apos;est pas comprise entre %1 et %2&#xa0;Hz</translation>
    </message>
</context>
<context>
    <name>TFilesPart</name>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be saved: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» ne peut pas être enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Open Phasor Set</source>
        <translation>Ouvrir un ensemble de phaseurs</translation>
    </message>
    <message>
        <source>Save Phasor Set</source>
        <translation>Enregistrer l&apos;ensemble de phaseurs</translation>
    </message>
    <message>
        <source>Phasor sets (*.rotants)</source>
        <translation>Ensembles de phaseurs (*.rotants)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Start again from the state Rotants opens in.</source>
        <translation>Repartir de l&apos;état dans lequel Rotants s&apos;ouvre.</translation>
    </message>
    <message>
        <source>Open one of the last eight files.</source>
        <translation>Ouvrir l&apos;un des huit derniers fichiers.</translation>
    </message>
    <message>
        <source>Empty the list of recent files.</source>
        <translation>Vider la liste des fichiers récents.</translation>
    </message>
    <message>
        <source>Save the phasor set and the window&apos;s options in a phasor-set file (.rotants).</source>
        <translation>Enregistrer l&apos;ensemble de phaseurs et les options de la fenêtre dans un fichier d&apos;ensemble de phaseurs (.rotants).</translation>
    </message>
    <message>
        <source>Save the phasor set under a new name.</source>
        <translation>Enregistrer l&apos;ensemble de phaseurs sous un nouveau nom.</translation>
    </message>
    <message>
        <source>Phasor sets, harmonics tables and recordings (*.rotants *.csv *.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Phasor sets (*.rotants);;Harmonics tables (*.csv);;Recordings (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;All files (*)</source>
        <translation>Ensembles de phaseurs, tables des harmoniques et enregistrements (*.rotants *.csv *.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Ensembles de phaseurs (*.rotants);;Tables des harmoniques (*.csv);;Enregistrements (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open a phasor set (.rotants), a harmonics table (CSV) or a recording (WAV, FLAC, Ogg Vorbis, AIFF) to analyse.</source>
        <translation>Ouvrir un ensemble de phaseurs (.rotants), une table des harmoniques (CSV) ou un enregistrement (WAV, FLAC, Ogg Vorbis, AIFF) à analyser.</translation>
    </message>
    <message>
        <source>Save changes to the phasor set?</source>
        <translation>Enregistrer les modifications de l’ensemble de phaseurs&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TManualWindow</name>
    <message>
        <source>Rotants Manual</source>
        <translation>Manuel de Rotants</translation>
    </message>
</context>
<context>
    <name>TPhasorDocument</name>
    <message>
        <source>Highest Harmonic %1</source>
        <translation>Rang maximal %1</translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation>Phaseurs conjugués</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>Harmonique %1 saisie</translation>
    </message>
    <message>
        <source>Custom Rotants</source>
        <translation>Phaseurs libres</translation>
    </message>
    <message>
        <source>Custom Time</source>
        <translation>Tracé libre</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Rectangular Pulse</source>
        <translation>Impulsion rect.</translation>
    </message>
    <message>
        <source>Bipolar Pulse</source>
        <translation>Impulsion bipolaire</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Sawtooth</source>
        <translation>Dent de scie</translation>
    </message>
    <message>
        <source>Rectified Cosine</source>
        <translation>Cosinus redressé</translation>
    </message>
    <message>
        <source>Impulse train</source>
        <translation>Train d&apos;impulsions</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
</context>
<context>
    <name>TPlaybackPart</name>
    <message>
        <source>&amp;Stop</source>
        <translation>A&amp;rrêt</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>Run the sweep through the time steps: the chain turns and the curve grows.</source>
        <translation>Lancer le balayage des pas de temps&#xa0;: la chaîne tourne et la courbe s&apos;allonge.</translation>
    </message>
    <message>
        <source>Stop the sweep at the current time step.</source>
        <translation>Arrêter le balayage au pas de temps actuel.</translation>
    </message>
    <message>
        <source>The time step, 0 to 511 (two periods); moving it redraws both plots.</source>
        <translation>Le pas de temps, de 0 à 511 (deux périodes)&#xa0;; le déplacer redessine les deux graphes.</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Pas de temps</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Vitesse %1</translation>
    </message>
    <message>
        <source>Slowe&amp;r</source>
        <translation>Plus le&amp;nt</translation>
    </message>
    <message>
        <source>Fas&amp;ter</source>
        <translation>Plus rap&amp;ide</translation>
    </message>
    <message>
        <source>Run the sweep more slowly: half, then a quarter of the normal speed, to talk over it. The tone stays as it is.</source>
        <translation>Faire défiler le balayage plus lentement&#xa0;: à la moitié, puis au quart de la vitesse normale, pour le commenter. Le son reste le même.</translation>
    </message>
    <message>
        <source>Run the sweep faster, up to twice the normal speed.</source>
        <translation>Faire défiler le balayage plus vite, jusqu&apos;au double de la vitesse normale.</translation>
    </message>
    <message>
        <source>The speed of the sweep against the normal one step every 10 ms (View &gt; Slower and Faster).</source>
        <translation>La vitesse du balayage par rapport à la normale, un pas toutes les 10 ms (Affichage &gt; Plus lent et Plus rapide).</translation>
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
        <translation>Un clic place un phaseur</translation>
    </message>
    <message>
        <source>Left-click and drag to create a waveform</source>
        <translation>Cliquer-glisser pour tracer un signal</translation>
    </message>
    <message>
        <source>Real axis</source>
        <translation>Axe réel</translation>
    </message>
    <message>
        <source>Imaginary axis</source>
        <translation>Axe imaginaire</translation>
    </message>
    <message>
        <source>Mouse position over the phasor plane: real part : imaginary part.</source>
        <translation>Position de la souris sur le plan des phaseurs&#xa0;: partie réelle&#xa0;: partie imaginaire.</translation>
    </message>
    <message>
        <source>The current time step N, 0 to 511.</source>
        <translation>Le pas de temps actuel N, de 0 à 511.</translation>
    </message>
    <message>
        <source>Mouse position over the time plot: time step : value.</source>
        <translation>Position de la souris sur le graphe temporel&#xa0;: pas de temps&#xa0;: valeur.</translation>
    </message>
    <message>
        <source>The harmonic of the table&apos;s selected row, which Highlight Selected Harmonic and Play Selected Harmonic Alone are about.</source>
        <translation>L&apos;harmonique de la ligne sélectionnée de la table, celle que visent «&#xa0;Mettre en valeur l&apos;harmonique sélectionnée&#xa0;» et «&#xa0;Jouer seule l&apos;harmonique sélectionnée&#xa0;».</translation>
    </message>
    <message>
        <source>Phasor plane</source>
        <translation>Plan des phaseurs</translation>
    </message>
    <message>
        <source>Time plot</source>
        <translation>Graphe temporel</translation>
    </message>
    <message>
        <source>Coord: </source>
        <translation>Coord.&#xa0;: </translation>
    </message>
    <message>
        <source>N: </source>
        <translation>N&#xa0;: </translation>
    </message>
    <message>
        <source>Root-mean-square difference over one period between the sum of the harmonics in use and the ideal wave, in the time plot&apos;s units; 0 is a perfect match.
&quot;Custom Rotants&quot; shows &quot;-&quot;: it has no ideal wave to compare with.</source>
        <translation>Écart quadratique moyen (valeur efficace) sur une période entre la somme des harmoniques utilisées et le signal idéal, dans les unités du graphe temporel&#xa0;; 0 signifie une concordance parfaite.
«&#xa0;Phaseurs libres&#xa0;» affiche «&#xa0;-&#xa0;»&#xa0;: ce mode n&apos;a pas de signal idéal auquel se comparer.</translation>
    </message>
    <message>
        <source>With the plot focused, the arrow keys, Page Up, Page Down, Home and End move the time step.</source>
        <translation>Quand le graphe a le focus, les flèches, Page préc., Page suiv., Début et Fin déplacent le pas de temps.</translation>
    </message>
    <message>
        <source>Phasor plane: click to place the next harmonic (1, 2, 3, ...) with its tip where you click, measured from the tip of the one placed before.</source>
        <translation>Plan des phaseurs&#xa0;: cliquer pour placer l&apos;harmonique suivante (1, 2, 3, ...) avec son extrémité au point cliqué, mesurée depuis l&apos;extrémité de la précédente.</translation>
    </message>
    <message>
        <source>Phasor plane: the chain of turning phasors, one per harmonic, at the current time step; the real part of its tip is the wave&apos;s value.</source>
        <translation>Plan des phaseurs&#xa0;: la chaîne des phaseurs tournants, un par harmonique, au pas de temps actuel&#xa0;; la partie réelle de son extrémité est la valeur du signal.</translation>
    </message>
    <message>
        <source>Time plot: hold a mouse button and drag across to draw one period; either half edits the same period. On release the drawing becomes the 26 harmonics.</source>
        <translation>Graphe temporel&#xa0;: maintenir un bouton de la souris et glisser pour tracer une période&#xa0;; chaque moitié modifie la même période. Au relâchement, le tracé devient les 26 harmoniques.</translation>
    </message>
    <message>
        <source>Time plot: two periods of the ideal wave in black and, in green, the sum of the harmonics from step 0 to the current one.</source>
        <translation>Graphe temporel&#xa0;: deux périodes du signal idéal en noir et, en vert, la somme des harmoniques du pas 0 au pas actuel.</translation>
    </message>
    <message>
        <source>Phasor plane: %1 waveform, chain of harmonics 0 to %2 at step %3, its tip at real %4, imaginary %5</source>
        <translation>Plan des phaseurs&#xa0;: signal %1, chaîne des harmoniques 0 à %2 au pas %3, son extrémité en partie réelle %4, partie imaginaire %5</translation>
    </message>
    <message>
        <source>Time plot: %1 waveform from harmonics 0 to %2, step %3, value %4</source>
        <translation>Graphe temporel&#xa0;: signal %1 avec les harmoniques 0 à %2, pas %3, valeur %4</translation>
    </message>
    <message>
        <source>Placed Harmonic %1</source>
        <translation>Harmonique %1 placée</translation>
    </message>
    <message>
        <source>RMS error: -</source>
        <translation>Erreur eff.&#xa0;: -</translation>
    </message>
    <message>
        <source>RMS error: %1</source>
        <translation>Erreur eff.&#xa0;: %1</translation>
    </message>
    <message>
        <source>Harmonic %1: above the highest harmonic</source>
        <translation>Harmonique %1&#xa0;: au-delà du rang maximal</translation>
    </message>
    <message>
        <source>Harmonic %1 alone</source>
        <translation>Harmonique %1 seule</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>Harmonique %1</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Under the mouse over the time plot: the ideal wave&apos;s value and the sum of the harmonics in use at that time step.</source>
        <translation>Sous la souris au-dessus du graphe temporel&#xa0;: la valeur du signal idéal et la somme des harmoniques utilisées à ce pas de temps.</translation>
    </message>
    <message>
        <source>Ideal %1, sum %2</source>
        <translation>Idéal %1, somme %2</translation>
    </message>
    <message>
        <source>Sum %1</source>
        <translation>Somme %1</translation>
    </message>
</context>
<context>
    <name>TRecordingPart</name>
    <message>
        <source>Analyse what the microphone hears, ten times a second: the plots, the table, the spectrum and the tone follow. Unchecked, the last analysis stays.</source>
        <translation>Analyser ce qu&apos;entend le microphone, dix fois par seconde&#xa0;: les graphes, la table, le spectre et le son suivent. Une fois l&apos;option décochée, la dernière analyse reste affichée.</translation>
    </message>
    <message>
        <source>Play Recording</source>
        <translation>Jouer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>With Sound On, loop the part of the recording analysed in place of the sum, to compare the two.</source>
        <translation>Son activé, jouer en boucle l&apos;extrait analysé de l&apos;enregistrement à la place de la somme, pour comparer les deux.</translation>
    </message>
    <message>
        <source>The whole recording, with the part analysed marked. Drag the part, or click elsewhere, to analyse another.</source>
        <translation>L&apos;enregistrement entier, où l&apos;extrait analysé est marqué. Faire glisser l&apos;extrait, ou cliquer ailleurs, pour en analyser un autre.</translation>
    </message>
    <message>
        <source>Recording overview</source>
        <translation>Vue d&apos;ensemble de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>No sound input available</source>
        <translation>Aucune entrée son disponible</translation>
    </message>
    <message>
        <source>it is not a recording Rotants can read (WAV, FLAC, Ogg Vorbis or AIFF)</source>
        <translation>ce n&apos;est pas un enregistrement que Rotants sait lire (WAV, FLAC, Ogg Vorbis ou AIFF)</translation>
    </message>
    <message>
        <source>the recording is empty</source>
        <translation>l&apos;enregistrement est vide</translation>
    </message>
    <message>
        <source>the recording ends too early (the file is truncated)</source>
        <translation>l&apos;enregistrement se termine trop tôt (le fichier est tronqué)</translation>
    </message>
    <message>
        <source>its sample rate lies outside 8 to 192 kHz</source>
        <translation>sa fréquence d&apos;échantillonnage n&apos;est pas comprise entre 8 et 192&#xa0;kHz</translation>
    </message>
    <message>
        <source>the part asked for lies outside the recording</source>
        <translation>l&apos;extrait demandé se trouve hors de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>the part is shorter than two periods of its pitch</source>
        <translation>l&apos;extrait dure moins de deux périodes de sa fondamentale</translation>
    </message>
    <message>
        <source>the part is silent</source>
        <translation>l&apos;extrait est silencieux</translation>
    </message>
    <message>
        <source>the part has no steady pitch between 50 and 2000 Hz</source>
        <translation>l&apos;extrait n&apos;a pas de hauteur stable entre 50 et 2000&#xa0;Hz</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Microphone: %1 Hz</source>
        <translation>Microphone&#xa0;: %1&#xa0;Hz</translation>
    </message>
    <message>
        <source>Microphone: listening</source>
        <translation>Microphone&#xa0;: à l&apos;écoute</translation>
    </message>
    <message>
        <source>Recording: %1, %2 Hz</source>
        <translation>Enregistrement&#xa0;: %1, %2&#xa0;Hz</translation>
    </message>
    <message>
        <source>The audio is not kept with a saved set: open the recording again to hear it or analyse another part.</source>
        <translation>L&apos;audio n&apos;est pas sauvegardé avec l&apos;ensemble de phaseurs&#xa0;: rouvrez l&apos;enregistrement pour l&apos;écouter ou en analyser un autre extrait.</translation>
    </message>
    <message>
        <source>Sum at %1 Hz</source>
        <translation>Somme à %1&#xa0;Hz</translation>
    </message>
    <message>
        <source>Sum at the recording&apos;s pitch</source>
        <translation>Somme à la hauteur enregistrée</translation>
    </message>
    <message>
        <source>With Sound On, play the sum of the harmonics at the recording&apos;s fundamental instead of 441 Hz.</source>
        <translation>Son activé, jouer la somme des harmoniques à la fondamentale de l&apos;enregistrement au lieu de 441&#xa0;Hz.</translation>
    </message>
    <message>
        <source>Recording Part</source>
        <translation>Extrait de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>This part cannot be analysed: %1.</source>
        <translation>Cet extrait ne peut pas être analysé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Écoute</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Liste&amp;n</source>
        <translation>É&amp;couter</translation>
    </message>
</context>
<context>
    <name>TRotantsForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>Éditio&amp;n</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Highest Harmonic %1</source>
        <translation>Rang maximal %1</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Close Rotants, after asking to save work done by hand.</source>
        <translation>Fermer Rotants, après avoir proposé d&apos;enregistrer le travail fait à la main.</translation>
    </message>
    <message>
        <source>Take back the last change to the phasor set.</source>
        <translation>Annuler la dernière modification de l&apos;ensemble de phaseurs.</translation>
    </message>
    <message>
        <source>Bring back the change last taken back.</source>
        <translation>Rétablir la dernière modification annulée.</translation>
    </message>
    <message>
        <source>Open the manual in the window&apos;s language.</source>
        <translation>Ouvrir le manuel dans la langue de la fenêtre.</translation>
    </message>
    <message>
        <source>List every keyboard shortcut of the window.</source>
        <translation>Lister tous les raccourcis clavier de la fenêtre.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and credits.</source>
        <translation>Afficher la version et les crédits du programme.</translation>
    </message>
</context>
<context>
    <name>TShapePart</name>
    <message>
        <source>Shape</source>
        <translation>&amp;Forme</translation>
    </message>
    <message>
        <source>Show a strip under the controls with two sliders that shape the standard waveforms: the pulses&apos; duty cycle and a time shift.</source>
        <translation>Afficher sous les commandes une bande avec deux curseurs qui façonnent les signaux types&#xa0;: le rapport cyclique des impulsions et un décalage temporel.</translation>
    </message>
    <message>
        <source>Duty cycle:</source>
        <translation>Rapport cyclique&#xa0;:</translation>
    </message>
    <message>
        <source>Time shift:</source>
        <translation>Décalage&#xa0;:</translation>
    </message>
    <message>
        <source>The width of the rectangular and bipolar pulses, 1 to 99 % of the period, their height kept. A narrower pulse spreads its spectrum under a wider sinc envelope.</source>
        <translation>La largeur des impulsions rectangulaire et bipolaire, de 1 à 99 % de la période, à hauteur égale. Une impulsion plus étroite étale son spectre sous une enveloppe en sinc plus large.</translation>
    </message>
    <message>
        <source>Duty cycle</source>
        <translation>Rapport cyclique</translation>
    </message>
    <message>
        <source>Delays every standard waveform by -128 to 127 time steps. Every magnitude stays; harmonic k turns by k times the shift.</source>
        <translation>Retarde chaque signal type de -128 à 127 pas de temps. Chaque module reste le même&#xa0;; l&apos;harmonique k tourne de k fois le décalage.</translation>
    </message>
    <message>
        <source>Time shift</source>
        <translation>Décalage temporel</translation>
    </message>
    <message>
        <source>Duty Cycle</source>
        <translation>Rapport cyclique</translation>
    </message>
    <message>
        <source>Time Shift</source>
        <translation>Décalage temporel</translation>
    </message>
</context>
<context>
    <name>TShortcutsDialog</name>
    <message>
        <source>One time step back</source>
        <translation>Un pas de temps en arrière</translation>
    </message>
    <message>
        <source>One time step forward</source>
        <translation>Un pas de temps en avant</translation>
    </message>
    <message>
        <source>%1 time steps back</source>
        <translation>%1 pas de temps en arrière</translation>
    </message>
    <message>
        <source>%1 time steps forward</source>
        <translation>%1 pas de temps en avant</translation>
    </message>
    <message>
        <source>First time step (0)</source>
        <translation>Premier pas de temps (0)</translation>
    </message>
    <message>
        <source>Last time step (%1)</source>
        <translation>Dernier pas de temps (%1)</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Phasor plane or time plot, when it has the focus</source>
        <translation>Plan des phaseurs ou graphe temporel, quand il a le focus</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Spectrum strip, when it has the focus</source>
        <translation>Bande du spectre, quand elle a le focus</translation>
    </message>
    <message>
        <source>The harmonic before or after</source>
        <translation>L’harmonique précédente ou suivante</translation>
    </message>
    <message>
        <source>Its magnitude up or down by a row of the bars</source>
        <translation>Son module, d’une ligne des barres vers le haut ou le bas</translation>
    </message>
    <message>
        <source>Its angle up or down by %1°</source>
        <translation>Son angle, de %1° en plus ou en moins</translation>
    </message>
</context>
<context>
    <name>TSoundPart</name>
    <message>
        <source>Sound On</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>&amp;Play Selected Harmonic Alone</source>
        <translation>&amp;Jouer seule l&apos;harmonique sélectionnée</translation>
    </message>
    <message>
        <source>With the sound on, play only the harmonic of the table&apos;s selected row.</source>
        <translation>Son activé, ne jouer que l&apos;harmonique de la ligne sélectionnée.</translation>
    </message>
    <message>
        <source>No sound output available</source>
        <translation>Aucune sortie son disponible</translation>
    </message>
    <message>
        <source>Play the sum of the harmonics in use as a looping 441 Hz tone.</source>
        <translation>Jouer la somme des harmoniques utilisées comme un son continu de 441&#xa0;Hz.</translation>
    </message>
</context>
<context>
    <name>TSpectrumPart</name>
    <message>
        <source>&amp;Spectrum</source>
        <translation>&amp;Spectre</translation>
    </message>
    <message>
        <source>Spectrum in &amp;Decibels</source>
        <translation>Spectre en &amp;décibels</translation>
    </message>
    <message>
        <source>Show a strip under the controls with one bar per harmonic: its magnitude and its angle.</source>
        <translation>Afficher sous les commandes une bande avec une barre par harmonique&#xa0;: son module et son angle.</translation>
    </message>
    <message>
        <source>Scale the spectrum&apos;s bars in decibels, over 60 dB.</source>
        <translation>Graduer les barres du spectre en décibels, sur 60&#xa0;dB.</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spectre</translation>
    </message>
    <message>
        <source>Spectrum: one bar per harmonic, as tall as its magnitude, and under the bars a phase row marking its angle. Press a bar to select its harmonic, drag its top to set the magnitude, drag in the phase row to set the angle.</source>
        <translation>Spectre&#xa0;: une barre par harmonique, aussi haute que son module, et sous les barres une ligne de phase qui marque son angle. Appuyer sur une barre sélectionne son harmonique, glisser son sommet fixe le module, glisser dans la ligne de phase fixe l&apos;angle.</translation>
    </message>
    <message>
        <source>Dragged Phase of Harmonic %1</source>
        <translation>Phase de l&apos;harmonique %1 déplacée</translation>
    </message>
    <message>
        <source>Dragged Harmonic %1</source>
        <translation>Harmonique %1 déplacée</translation>
    </message>
    <message>
        <source>Spectrum: %1 waveform, harmonics 0 to %2, the strongest harmonic %3 with magnitude %4; selected harmonic %5: magnitude %6, angle %7°</source>
        <translation>Spectre&#xa0;: signal %1, harmoniques 0 à %2, l&apos;harmonique la plus forte %3 de module %4&#xa0;; harmonique sélectionnée %5&#xa0;: module %6, angle %7°</translation>
    </message>
    <message>
        <source>Harmonic %1: %2 at %3°</source>
        <translation>Harmonique %1&#xa0;: %2 à %3°</translation>
    </message>
    <message>
        <source>, above the highest harmonic</source>
        <translation>, au-dessus du rang maximal</translation>
    </message>
    <message>
        <source>; the target&apos;s outline: magnitude %1, angle %2°</source>
        <translation>&#xa0;; contour de la cible&#xa0;: module %1, angle %2°</translation>
    </message>
</context>
<context>
    <name>TViewPart</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>The size the window is shown at.</source>
        <translation>La taille à laquelle la fenêtre est affichée.</translation>
    </message>
    <message>
        <source>Show the whole window larger, for a projector.</source>
        <translation>Afficher toute la fenêtre en plus grand, pour un vidéoprojecteur.</translation>
    </message>
    <message>
        <source>Show the whole window smaller.</source>
        <translation>Afficher toute la fenêtre en plus petit.</translation>
    </message>
    <message>
        <source>Show the window at its own size, 100 %.</source>
        <translation>Afficher la fenêtre à sa taille réelle, 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Fill the screen with the window; Esc leaves full screen.</source>
        <translation>Remplir l&apos;écran avec la fenêtre&#xa0;; Échap quitte le plein écran.</translation>
    </message>
    <message>
        <source>Choose the language of every text of the program.</source>
        <translation>Choisir la langue de tous les textes du programme.</translation>
    </message>
    <message>
        <source>Follow the system&apos;s language.</source>
        <translation>Suivre la langue du système.</translation>
    </message>
    <message>
        <source>Show every text in this language; remembered for the next start.</source>
        <translation>Afficher tous les textes dans cette langue&#xa0;; mémorisé pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>Zoom: %1 %</source>
        <translation>Zoom&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>&amp;Highlight Selected Harmonic</source>
        <translation>&amp;Mettre en valeur l&apos;harmonique sélectionnée</translation>
    </message>
    <message>
        <source>Show &amp;Error</source>
        <translation>Afficher l&apos;&amp;erreur</translation>
    </message>
    <message>
        <source>Draw the harmonic of the table&apos;s selected row in amber: its segment of the chain and its own sinusoid.</source>
        <translation>Dessiner en ambre l&apos;harmonique de la ligne sélectionnée&#xa0;: son segment de la chaîne et sa propre sinusoïde.</translation>
    </message>
    <message>
        <source>Show in the status bar how far the sum of the harmonics is from the ideal wave (RMS error).</source>
        <translation>Afficher dans la barre d&apos;état l&apos;écart entre la somme des harmoniques et le signal idéal (erreur efficace).</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>A&amp;xes</translation>
    </message>
    <message>
        <source>Number the axes inside the phasor plane and the time plot: values -1 to 1 and time steps 0 to 511.</source>
        <translation>Graduer les axes dans le plan des phaseurs et le graphe temporel&#xa0;: valeurs de -1 à 1 et pas de temps de 0 à 511.</translation>
    </message>
</context>
</TS>
