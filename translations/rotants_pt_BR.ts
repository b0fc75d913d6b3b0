<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda, incluindo as opções próprias do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra as informações da versão.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta o valor depois de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versão 1.0</translation>
    </message>
    <message>
        <source>The Rotants developers</source>
        <translation>Os desenvolvedores do Rotants</translation>
    </message>
    <message>
        <source>Fourier series, turning in class</source>
        <translation>Séries de Fourier, girando em aula</translation>
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
        <translation>Rotants: uma forma de onda periódica construída a partir de fasores girantes.
Com --export-* ou --save, grava esses arquivos sem abrir uma janela.</translation>
    </message>
    <message>
        <source>Phasor set (.rotants) or harmonics table (.csv) to open.</source>
        <translation>Conjunto de fasores (.rotants) ou tabela de harmônicas (.csv) a abrir.</translation>
    </message>
    <message>
        <source>Highest harmonic, 0 to 25.</source>
        <translation>Harmônica mais alta, de 0 a 25.</translation>
    </message>
    <message>
        <source>Time step, 0 to 511.</source>
        <translation>Passo de tempo, de 0 a 511.</translation>
    </message>
    <message>
        <source>Use conjugate rotants.</source>
        <translation>Usa fasores conjugados.</translation>
    </message>
    <message>
        <source>Rotate the complex plane 90 degrees.</source>
        <translation>Gira o plano complexo em 90 graus.</translation>
    </message>
    <message>
        <source>Leave the phasor trace.</source>
        <translation>Deixa o rastro do fasor.</translation>
    </message>
    <message>
        <source>Show the real value.</source>
        <translation>Mostra a parte real.</translation>
    </message>
    <message>
        <source>Hide the time plot&apos;s grid.</source>
        <translation>Oculta a grade do gráfico no tempo.</translation>
    </message>
    <message>
        <source>Hide the ideal wave.</source>
        <translation>Oculta a onda ideal.</translation>
    </message>
    <message>
        <source>Zoom factor, 1 to 3.</source>
        <translation>Fator de zoom, de 1 a 3.</translation>
    </message>
    <message>
        <source>Language of the window: %1.</source>
        <translation>Idioma da janela: %1.</translation>
    </message>
    <message>
        <source>Write both plots as PNG.</source>
        <translation>Grava os dois gráficos como PNG.</translation>
    </message>
    <message>
        <source>Write the tone as WAV.</source>
        <translation>Grava o som como WAV.</translation>
    </message>
    <message>
        <source>Write the harmonics as CSV.</source>
        <translation>Grava as harmônicas como CSV.</translation>
    </message>
    <message>
        <source>Write the samples as CSV.</source>
        <translation>Grava as amostras como CSV.</translation>
    </message>
    <message>
        <source>Save the phasor set.</source>
        <translation>Salva o conjunto de fasores.</translation>
    </message>
    <message>
        <source>more than one file given: &quot;%1&quot;</source>
        <translation>mais de um arquivo informado: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --%2 (expected %3)</source>
        <translation>valor inválido &quot;%1&quot; para --%2 (esperado %3)</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>um destes: %1</translation>
    </message>
    <message>
        <source>a whole number from 0 to 25</source>
        <translation>um número inteiro de 0 a 25</translation>
    </message>
    <message>
        <source>a whole number from 0 to 511</source>
        <translation>um número inteiro de 0 a 511</translation>
    </message>
    <message>
        <source>a factor from 1 to 3</source>
        <translation>um fator de 1 a 3</translation>
    </message>
    <message>
        <source>--seconds needs --export-sound</source>
        <translation>--seconds requer --export-sound</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>um nome de arquivo</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Show the spectrum under the plots.</source>
        <translation>Mostra o espectro abaixo dos gráficos.</translation>
    </message>
    <message>
        <source>Exit codes: 0 done; 1 a file could not be written; 2 a bad option, value or input file.</source>
        <translation>Códigos de saída: 0 concluído; 1 não foi possível gravar um arquivo; 2 opção, valor ou arquivo de entrada inválido.</translation>
    </message>
    <message>
        <source>Waveform: %1 (or as the drop-down names it, in any case).</source>
        <translation>Forma de onda: %1 (ou como a lista a nomeia, em maiúsculas ou minúsculas).</translation>
    </message>
    <message>
        <source>Length of the exported sound, up to %1 seconds (default 5).</source>
        <translation>Duração do som exportado, até %1 segundos (padrão 5).</translation>
    </message>
    <message>
        <source>Write a labelled figure as SVG or PDF.</source>
        <translation>Grava uma figura rotulada como SVG ou PDF.</translation>
    </message>
    <message>
        <source>a length of at least one sample and up to %1 seconds</source>
        <translation>uma duração de pelo menos uma amostra e de até %1 segundos</translation>
    </message>
    <message>
        <source>--%1 given more than once (&quot;%2&quot; and &quot;%3&quot;)</source>
        <translation>--%1 informado mais de uma vez (&quot;%2&quot; e &quot;%3&quot;)</translation>
    </message>
    <message>
        <source>a file name ending in .%1</source>
        <translation>um nome de arquivo terminado em .%1</translation>
    </message>
    <message>
        <source>a file name ending in .%1 or .%2</source>
        <translation>um nome de arquivo terminado em .%1 ou .%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named by both --%2 and --%3</source>
        <translation>&quot;%1&quot; indicado tanto em --%2 quanto em --%3</translation>
    </message>
    <message>
        <source>Write one sweep (two periods) as animated GIF.</source>
        <translation>Grava uma varredura (dois períodos) como GIF animado.</translation>
    </message>
    <message>
        <source>Speed of the sweep: 0.25, 0.5, 1 or 2 times normal.</source>
        <translation>Velocidade da varredura: 0.25, 0.5, 1 ou 2 vezes a normal.</translation>
    </message>
    <message>
        <source>Duty cycle of the rectangular and bipolar pulses, 1 to 99 %.</source>
        <translation>Ciclo de trabalho dos pulsos retangular e bipolar, de 1 a 99 %.</translation>
    </message>
    <message>
        <source>Time shift of the standard waveforms, -128 to 127 steps.</source>
        <translation>Deslocamento no tempo das formas de onda padrão, de -128 a 127 passos.</translation>
    </message>
    <message>
        <source>a whole number from 1 to 99</source>
        <translation>um número inteiro de 1 a 99</translation>
    </message>
    <message>
        <source>a whole number from -128 to 127</source>
        <translation>um número inteiro de -128 a 127</translation>
    </message>
    <message>
        <source>Hide the real value.</source>
        <translation>Oculta a parte real.</translation>
    </message>
    <message>
        <source>Start of the part of a recording to analyse, in seconds.</source>
        <translation>Início do trecho de uma gravação a analisar, em segundos.</translation>
    </message>
    <message>
        <source>End of the part of a recording to analyse, in seconds.</source>
        <translation>Fim do trecho de uma gravação a analisar, em segundos.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 informado mais de uma vez</translation>
    </message>
    <message>
        <source>--real-value and --no-real-value contradict each other</source>
        <translation>--real-value e --no-real-value se contradizem</translation>
    </message>
    <message>
        <source>a time in seconds from 0</source>
        <translation>um tempo em segundos a partir de 0</translation>
    </message>
    <message>
        <source>--from and --to need a recording to open</source>
        <translation>--from e --to requerem uma gravação a abrir</translation>
    </message>
    <message>
        <source>--to must come after --from</source>
        <translation>--to deve ser posterior a --from</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>placeholder</comment>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>placeholder</comment>
        <translation>NOME</translation>
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
        <translation>Começar um exercício neste nível, de 1 a 6.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>placeholder</comment>
        <translation>NÍVEL</translation>
    </message>
    <message>
        <source>The exercise&apos;s seed: the same level and seed give the same target.</source>
        <translation>Semente do exercício: o mesmo nível e a mesma semente dão o mesmo alvo.</translation>
    </message>
    <message>
        <source>a whole number from 1 to 6</source>
        <translation>um número inteiro de 1 a 6</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1</source>
        <translation>um número inteiro de 0 a %1</translation>
    </message>
    <message>
        <source>--seed needs --exercise</source>
        <translation>--seed exige --exercise</translation>
    </message>
    <message>
        <source>--exercise needs the window; it cannot be combined with --export-* or --save</source>
        <translation>--exercise exige a janela; não pode ser combinado com --export-* nem com --save</translation>
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
        <translation>Harmônica máx.:</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Phasor Options</source>
        <translation>Opções dos fasores</translation>
    </message>
    <message>
        <source>Show Real &amp;Value</source>
        <translation>&amp;Mostrar parte real</translation>
    </message>
    <message>
        <source>&amp;Rotate Complex Plane 90°</source>
        <translation>G&amp;irar plano complexo 90°</translation>
    </message>
    <message>
        <source>Leave Phasor &amp;Trace</source>
        <translation>Deixar rastro do &amp;fasor</translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation>Usar fasores conjugados</translation>
    </message>
    <message>
        <source>Time Options</source>
        <translation>Opções de tempo</translation>
    </message>
    <message>
        <source>&amp;Grid On</source>
        <translation>&amp;Grade</translation>
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
        <translation>Escolhe uma forma de onda padrão para montar a partir das suas harmônicas, ou um modo livre: posicionar os fasores com o mouse (Fasores livres) ou desenhar um período (Onda desenhada).</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Forma de onda</translation>
    </message>
    <message>
        <source>How many harmonics take part in the chain, the curve and the tone, 0 to 25. Lower it to see the sum approach the wave harmonic by harmonic.</source>
        <translation>Quantas harmônicas entram na cadeia, na curva e no som, de 0 a 25. Reduza para ver a soma se aproximar da onda harmônica por harmônica.</translation>
    </message>
    <message>
        <source>Highest harmonic</source>
        <translation>Harmônica máxima</translation>
    </message>
    <message>
        <source>Stop and go back to step 0; in the custom modes, also start the custom waveform afresh.</source>
        <translation>Para e volta ao passo 0; nos modos livres, também recomeça a onda livre.</translation>
    </message>
    <message>
        <source>Show or hide the table of all 26 harmonics over the phasor plane, to read or type their magnitudes and angles.</source>
        <translation>Mostra ou oculta, sobre o plano dos fasores, a tabela das 26 harmônicas, para ler ou digitar módulos e fases.</translation>
    </message>
    <message>
        <source>How the phasor plane shows the chain.</source>
        <translation>Como o plano dos fasores mostra a cadeia.</translation>
    </message>
    <message>
        <source>Mark the current real value on both plots.</source>
        <translation>Marca a parte real atual nos dois gráficos.</translation>
    </message>
    <message>
        <source>Turn the phasor plane so that its real axis points up, level with the time plot; with the real value shown, two lines carry it across.</source>
        <translation>Gira o plano dos fasores para que o eixo real aponte para cima, na altura do gráfico no tempo; com a parte real à vista, duas linhas a levam até o gráfico.</translation>
    </message>
    <message>
        <source>Draw the path of the chain&apos;s tip from step 0, in red.</source>
        <translation>Desenha em vermelho o caminho da ponta da cadeia desde o passo 0.</translation>
    </message>
    <message>
        <source>Also show the negative harmonics, as a mirror chain in purple; each entry then holds c_k instead of 2·c_k. The curve stays the same.</source>
        <translation>Mostra também as harmônicas negativas, como cadeia espelhada em roxo; cada entrada passa a conter c_k em vez de 2·c_k. A curva continua a mesma.</translation>
    </message>
    <message>
        <source>What the time plot shows, the tone and the sweep&apos;s repeat.</source>
        <translation>O que o gráfico no tempo mostra, o som e a repetição da varredura.</translation>
    </message>
    <message>
        <source>Show the time plot&apos;s grid.</source>
        <translation>Mostra a grade do gráfico no tempo.</translation>
    </message>
    <message>
        <source>Show the ideal waveform in black on the time plot.</source>
        <translation>Mostra em preto a onda ideal no gráfico no tempo.</translation>
    </message>
    <message>
        <source>Start the sweep again at step 0 after the last step, instead of stopping.</source>
        <translation>Depois do último passo, recomeça a varredura no passo 0 em vez de parar.</translation>
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
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>Magnitude and angle of every harmonic. Select a row to edit it below; its harmonic is also the one the View menu highlights or plays alone.</source>
        <translation>Módulo e fase de cada harmônica. Selecione uma linha para editá-la abaixo; a harmônica dela é também a que o menu Exibir destaca ou reproduz sozinha.</translation>
    </message>
    <message>
        <source>Harmonics table</source>
        <translation>Tabela de harmônicas</translation>
    </message>
    <message>
        <source>The harmonic of the table&apos;s selected row.</source>
        <translation>A harmônica da linha selecionada da tabela.</translation>
    </message>
    <message>
        <source>The harmonic&apos;s magnitude, 0 to 10; Update or Return applies it.</source>
        <translation>Módulo da harmônica, de 0 a 10; Atualizar ou Enter o aplica.</translation>
    </message>
    <message>
        <source>The harmonic&apos;s angle in degrees, -180 to 180; Update or Return applies it.</source>
        <translation>Fase da harmônica em graus, de -180 a 180; Atualizar ou Enter a aplica.</translation>
    </message>
    <message>
        <source>Angle in degrees</source>
        <translation>Fase em graus</translation>
    </message>
    <message>
        <source>Give the selected harmonic the typed magnitude and angle. A value out of range becomes 0, and a notice names it.</source>
        <translation>Aplica à harmônica selecionada o módulo e a fase digitados. Um valor fora da faixa vira 0, e um aviso o indica.</translation>
    </message>
    <message>
        <source>Type a magnitude and an angle for the harmonic of the selected row.</source>
        <translation>Digite um módulo e uma fase para a harmônica da linha selecionada.</translation>
    </message>
    <message>
        <source>A typed value outside its range was replaced by 0. The notice stays until an Update that replaces nothing.</source>
        <translation>Um valor digitado fora da faixa foi substituído por 0. O aviso fica até um Atualizar que não substitua nada.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write it with a decimal point, for example 1.5</source>
        <translation>&apos;%1&apos; não é um número; escreva-o com ponto decimal, por exemplo 1.5</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>Harmônica %1 digitada</translation>
    </message>
    <message>
        <source>Magnitude %1 is outside 0 to 10: 0 applied</source>
        <translation>Módulo %1 fora de 0 a 10: aplicado 0</translation>
    </message>
    <message>
        <source>Angle %1 is outside -180 to 180: 0 applied</source>
        <translation>Fase %1 fora de -180 a 180: aplicado 0</translation>
    </message>
    <message>
        <source>Harmonic %1: %2 at %3°</source>
        <translation>Harmônica %1: %2 a %3°</translation>
    </message>
</context>
<context>
    <name>TExerciseFileText</name>
    <message>
        <source>target %1: %2</source>
        <translation>alvo %1: %2</translation>
    </message>
    <message>
        <source>it is not an object</source>
        <translation>não é um objeto</translation>
    </message>
    <message>
        <source>its field &quot;name&quot; is not a text of at most %1 characters</source>
        <translation>seu campo &quot;name&quot; não é um texto de no máximo %1 caracteres</translation>
    </message>
    <message>
        <source>its field &quot;threshold&quot; is not a number from %1 to %2</source>
        <translation>seu campo &quot;threshold&quot; não é um número de %1 a %2</translation>
    </message>
    <message>
        <source>its field &quot;set&quot; is missing or not an object</source>
        <translation>seu campo &quot;set&quot; está ausente ou não é um objeto</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>it is not a Rotants exercise set (not a JSON object)</source>
        <translation>não é um conjunto de exercícios do Rotants (não é um objeto JSON)</translation>
    </message>
    <message>
        <source>it is not a Rotants exercise set (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>não é um conjunto de exercícios do Rotants (seu &quot;format&quot; não é &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>its field &quot;version&quot; is not a whole number from 1 up</source>
        <translation>seu campo &quot;version&quot; não é um número inteiro a partir de 1</translation>
    </message>
    <message>
        <source>it was written by a newer version of Rotants (format version %1; this program reads version %2)</source>
        <translation>foi gravado por uma versão mais nova do Rotants (versão de formato %1; este programa lê a versão %2)</translation>
    </message>
    <message>
        <source>its field &quot;targets&quot; is not a list of 1 to %1 targets</source>
        <translation>seu campo &quot;targets&quot; não é uma lista de 1 a %1 alvos</translation>
    </message>
</context>
<context>
    <name>TExercisePart</name>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>Compare your wave with the dashed target: one attempt.</source>
        <translation>Compara a sua onda com o alvo tracejado: uma tentativa.</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>First how many harmonics the target uses, then its spectrum outlined, then one harmonic&apos;s value at a time.</source>
        <translation>Primeiro quantas harmônicas o alvo usa, depois o seu espectro em contorno e então o valor de uma harmônica por vez.</translation>
    </message>
    <message>
        <source>Show &amp;Answer</source>
        <translation>Mostrar &amp;resposta</translation>
    </message>
    <message>
        <source>Make the set the target&apos;s. The target counts as not solved.</source>
        <translation>Transforma o conjunto no do alvo. O alvo conta como não resolvido.</translation>
    </message>
    <message>
        <source>&amp;End Exercise</source>
        <translation>&amp;Encerrar exercício</translation>
    </message>
    <message>
        <source>&amp;Open Exercise Set...</source>
        <translation>&amp;Abrir conjunto de exercícios...</translation>
    </message>
    <message>
        <source>Work through a teacher&apos;s exercise set, target by target.</source>
        <translation>Resolver um conjunto de exercícios do professor, alvo por alvo.</translation>
    </message>
    <message>
        <source>E&amp;xport Results...</source>
        <translation>E&amp;xportar resultados...</translation>
    </message>
    <message>
        <source>Write a CSV file for the teacher: one row per target, whether it was solved, the attempts, hints and seconds.</source>
        <translation>Grava um arquivo CSV para o professor: uma linha por alvo, se foi resolvido, as tentativas, as dicas e os segundos.</translation>
    </message>
    <message>
        <source>A&amp;dd Current Set as Target</source>
        <translation>Adi&amp;cionar o conjunto atual como alvo</translation>
    </message>
    <message>
        <source>For teachers: add the set you see as the next target of a new exercise set.</source>
        <translation>Para professores: adiciona o conjunto exibido como o próximo alvo de um novo conjunto de exercícios.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>The level of the next new target: 1, one harmonic, up to 6, a random shape of up to 25 harmonics.</source>
        <translation>O nível do próximo alvo novo: de 1, uma harmônica, até 6, uma forma aleatória de até 25 harmônicas.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Hear Target</source>
        <translation>Ouvir alvo</translation>
    </message>
    <message>
        <source>Play the target&apos;s tone in place of yours; uncheck it to hear yours again.</source>
        <translation>Toca o tom do alvo no lugar do seu; desmarque para ouvir o seu de novo.</translation>
    </message>
    <message>
        <source>Save Exercise Set</source>
        <translation>Salvar conjunto de exercícios</translation>
    </message>
    <message>
        <source>Exercise sets (*%1)</source>
        <translation>Conjuntos de exercícios (*%1)</translation>
    </message>
    <message>
        <source>The exercise set could not be saved as %1: %2.</source>
        <translation>Não foi possível salvar o conjunto de exercícios como %1: %2.</translation>
    </message>
    <message>
        <source>Open Exercise Set</source>
        <translation>Abrir conjunto de exercícios</translation>
    </message>
    <message>
        <source>The exercise set %1 could not be opened: %2.</source>
        <translation>Não foi possível abrir o conjunto de exercícios %1: %2.</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Exportar resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be written to %1: %2.</source>
        <translation>Não foi possível gravar os resultados em %1: %2.</translation>
    </message>
    <message>
        <source>Difference (RMS): %1, solved below %2</source>
        <translation>Diferença (RMS): %1, resolvido abaixo de %2</translation>
    </message>
    <message>
        <source>Attempts: %1   Hints: %2   Time: %3</source>
        <translation>Tentativas: %1   Dicas: %2   Tempo: %3</translation>
    </message>
    <message>
        <source>One harmonic, magnitude only</source>
        <translation>Uma harmônica, só a magnitude</translation>
    </message>
    <message>
        <source>Up to three harmonics, angles 0° or 180°</source>
        <translation>Até três harmônicas, ângulos de 0° ou 180°</translation>
    </message>
    <message>
        <source>Up to three harmonics, any angles</source>
        <translation>Até três harmônicas, ângulos quaisquer</translation>
    </message>
    <message>
        <source>Up to six harmonics</source>
        <translation>Até seis harmônicas</translation>
    </message>
    <message>
        <source>A standard waveform, cut at a highest harmonic</source>
        <translation>Uma forma de onda padrão, cortada em uma harmônica máxima</translation>
    </message>
    <message>
        <source>A random shape of up to 25 harmonics</source>
        <translation>Uma forma aleatória de até 25 harmônicas</translation>
    </message>
    <message>
        <source>The answer is shown.</source>
        <translation>A resposta está à mostra.</translation>
    </message>
    <message>
        <source>Solved! Well done.</source>
        <translation>Resolvido! Muito bem.</translation>
    </message>
    <message>
        <source>Not yet: the difference was %1.</source>
        <translation>Ainda não: a diferença era %1.</translation>
    </message>
    <message>
        <source>Build the dashed wave, then Check.</source>
        <translation>Construa a onda tracejada e depois Verificar.</translation>
    </message>
    <message>
        <source>Harmonics used: %1</source>
        <translation>Harmônicas usadas: %1</translation>
    </message>
    <message>
        <source>The target&apos;s spectrum is outlined in the strip.</source>
        <translation>O espectro do alvo aparece em contorno na faixa.</translation>
    </message>
    <message>
        <source>&amp;Next Target</source>
        <translation>&amp;Próximo alvo</translation>
    </message>
    <message>
        <source>&amp;New Target</source>
        <translation>&amp;Novo alvo</translation>
    </message>
    <message>
        <source>A new target to match, at the level the exercise panel shows, or the next target of an exercise set.</source>
        <translation>Um novo alvo para igualar, no nível mostrado pelo painel de exercícios, ou o próximo alvo de um conjunto de exercícios.</translation>
    </message>
    <message>
        <source>&amp;Save Exercise Set (%1)...</source>
        <translation>&amp;Salvar conjunto de exercícios (%1)...</translation>
    </message>
    <message>
        <source>Save the targets added so far as one exercise set.</source>
        <translation>Salva os alvos adicionados até agora como um conjunto de exercícios.</translation>
    </message>
    <message>
        <source>Target %1 of %2: %3</source>
        <translation>Alvo %1 de %2: %3</translation>
    </message>
    <message>
        <source>E&amp;xercise</source>
        <translation>Exer&amp;cício</translation>
    </message>
    <message>
        <source>Hide the target and the exercise panel; the results stay for Export Results.</source>
        <translation>Oculta o alvo e o painel de exercícios; os resultados ficam para Exportar resultados.</translation>
    </message>
</context>
<context>
    <name>TExerciseSession</name>
    <message>
        <source>Level %1, seed %2</source>
        <translation>Nível %1, semente %2</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Alvo %1</translation>
    </message>
</context>
<context>
    <name>TExportsPart</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>não foi possível codificar a imagem</translation>
    </message>
    <message>
        <source>the length must be at least one sample and at most %1 seconds</source>
        <translation>a duração deve ser de no mínimo uma amostra e no máximo %1 segundos</translation>
    </message>
    <message>
        <source>the name must end in .svg or .pdf</source>
        <translation>o nome deve terminar em .svg ou .pdf</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>não foi possível iniciar a impressora</translation>
    </message>
    <message>
        <source>the printer could not finish the page</source>
        <translation>a impressora não conseguiu concluir a página</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <translation>Não foi possível exportar para &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Sound</source>
        <translation>Exportar som</translation>
    </message>
    <message>
        <source>Length in seconds:</source>
        <translation>Duração em segundos:</translation>
    </message>
    <message>
        <source>WAV sounds (*.wav)</source>
        <translation>Sons WAV (*.wav)</translation>
    </message>
    <message>
        <source>Export Harmonics Table</source>
        <translation>Exportar tabela de harmônicas</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Tabelas CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Waveform Samples</source>
        <translation>Exportar amostras da forma de onda</translation>
    </message>
    <message>
        <source>Export Figure</source>
        <translation>Exportar figura</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;SVG drawings (*.svg)</source>
        <translation>Documentos PDF (*.pdf);;Desenhos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Exportar animação</translation>
    </message>
    <message>
        <source>GIF animations (*.gif)</source>
        <translation>Animações GIF (*.gif)</translation>
    </message>
    <message>
        <source>Writing the animation...</source>
        <translation>Gravando a animação...</translation>
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
        <translation>Não foi possível imprimir: %1.</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>&amp;Picture...</source>
        <translation>&amp;Imagem...</translation>
    </message>
    <message>
        <source>&amp;Sound...</source>
        <translation>&amp;Som...</translation>
    </message>
    <message>
        <source>&amp;Harmonics Table...</source>
        <translation>Tabela de &amp;harmônicas...</translation>
    </message>
    <message>
        <source>Wave&amp;form Samples...</source>
        <translation>&amp;Amostras da forma de onda...</translation>
    </message>
    <message>
        <source>&amp;Animation...</source>
        <translation>A&amp;nimação...</translation>
    </message>
    <message>
        <source>Fi&amp;gure (SVG, PDF)...</source>
        <translation>&amp;Figura (SVG, PDF)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Copy &amp;Figure</source>
        <translation>Copiar &amp;figura</translation>
    </message>
    <message>
        <source>Write what the window shows to a picture, sound, table, animation or figure file.</source>
        <translation>Grava o que a janela mostra num arquivo de imagem, som, tabela, animação ou figura.</translation>
    </message>
    <message>
        <source>Save the plots as shown, as a PNG picture.</source>
        <translation>Salva os gráficos como aparecem, como imagem PNG.</translation>
    </message>
    <message>
        <source>Save the tone as a WAV file of the length you choose.</source>
        <translation>Salva o som como arquivo WAV com a duração escolhida.</translation>
    </message>
    <message>
        <source>Save the magnitude and angle of every harmonic as a CSV table.</source>
        <translation>Salva o módulo e a fase de cada harmônica como tabela CSV.</translation>
    </message>
    <message>
        <source>Save the ideal and the reconstructed value at every time step as a CSV table.</source>
        <translation>Salva o valor ideal e o reconstruído em cada passo de tempo como tabela CSV.</translation>
    </message>
    <message>
        <source>Save one sweep as an animated GIF.</source>
        <translation>Salva uma varredura como GIF animado.</translation>
    </message>
    <message>
        <source>Save a labelled figure for handouts and slides, as SVG or PDF.</source>
        <translation>Salva uma figura com legendas para apostilas e slides, como SVG ou PDF.</translation>
    </message>
    <message>
        <source>Print the figure and the table of the harmonics in use on one page.</source>
        <translation>Imprime numa página a figura e a tabela das harmônicas em uso.</translation>
    </message>
    <message>
        <source>Copy the labelled figure, to paste into a document or a slide.</source>
        <translation>Copia a figura com legendas para colar num documento ou slide.</translation>
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
        <translation>%1, harmônica 0, passo %2, %3</translation>
    </message>
    <message>
        <source>%1, harmonics 0-%2, step %3, %4</source>
        <translation>%1, harmônicas 0-%2, passo %3, %4</translation>
    </message>
    <message>
        <source>Ideal wave</source>
        <translation>Onda ideal</translation>
    </message>
    <message>
        <source>Reconstruction</source>
        <translation>Reconstrução</translation>
    </message>
    <message>
        <source>Phasor chain</source>
        <translation>Cadeia de fasores</translation>
    </message>
    <message>
        <source>Mirror chain</source>
        <translation>Cadeia espelhada</translation>
    </message>
    <message>
        <source>Trace of the tip</source>
        <translation>Rastro da ponta</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>Harmônica %1</translation>
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
        <translation>Passo de tempo</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>Harmônica</translation>
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
        <translation>falta o campo %1%2</translation>
    </message>
    <message>
        <source>the field %1%2 is not true or false</source>
        <translation>o campo %1%2 não é true nem false</translation>
    </message>
    <message>
        <source>the field %1%2 is not a whole number from %3 to %4</source>
        <translation>o campo %1%2 não é um número inteiro de %3 a %4</translation>
    </message>
    <message>
        <source>the field %1%2 is not a finite number</source>
        <translation>o campo %1%2 não é um número finito</translation>
    </message>
    <message>
        <source>the field %1%2 is not a text of at most %3 characters</source>
        <translation>o campo %1%2 não é um texto de no máximo %3 caracteres</translation>
    </message>
    <message>
        <source>the field %1%2 is not an object</source>
        <translation>o campo %1%2 não é um objeto</translation>
    </message>
    <message>
        <source>harmonic %1 has magnitude %2, beyond the editor&apos;s range of 0 to %3%4</source>
        <translation>a harmônica %1 tem módulo %2, fora da faixa do editor, de 0 a %3%4</translation>
    </message>
    <message>
        <source> in the one-sided convention</source>
        <translation> na convenção unilateral</translation>
    </message>
    <message>
        <source>the field &quot;entries&quot; is not a list</source>
        <translation>o campo &quot;entries&quot; não é uma lista</translation>
    </message>
    <message>
        <source>it holds %1 entries instead of %2</source>
        <translation>contém %1 entradas em vez de %2</translation>
    </message>
    <message>
        <source> of entry %1</source>
        <translation> da entrada %1</translation>
    </message>
    <message>
        <source>entry %1 has only one of &quot;magnitude_text&quot; and &quot;angle_text&quot;</source>
        <translation>a entrada %1 tem só um dos campos &quot;magnitude_text&quot; e &quot;angle_text&quot;</translation>
    </message>
    <message>
        <source>the grid texts of entry %1 are not a magnitude and an angle in the editor&apos;s range</source>
        <translation>os textos da tabela na entrada %1 não são um módulo e uma fase na faixa do editor</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>it ends too early (the file is truncated)</source>
        <translation>termina cedo demais (o arquivo está truncado)</translation>
    </message>
    <message>
        <source>it is neither a phasor set nor a harmonics table (not valid JSON: %1 at byte %2)</source>
        <translation>não é um conjunto de fasores nem uma tabela de harmônicas (JSON inválido: %1 no byte %2)</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set</source>
        <translation>não é um conjunto de fasores do Rotants</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (its format is &quot;%1&quot;)</source>
        <translation>não é um conjunto de fasores do Rotants (seu formato é &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (no &quot;format&quot; field)</source>
        <translation>não é um conjunto de fasores do Rotants (sem o campo &quot;format&quot;)</translation>
    </message>
    <message>
        <source>its field &quot;version&quot; is not a whole number from 1 up</source>
        <translation>seu campo &quot;version&quot; não é um número inteiro a partir de 1</translation>
    </message>
    <message>
        <source>it was written by a newer version of Rotants (format version %1; this program reads version %2)</source>
        <translation>foi gravado por uma versão mais nova do Rotants (versão de formato %1; este programa lê a versão %2)</translation>
    </message>
    <message>
        <source>its waveform &quot;%1&quot; is not one of %2</source>
        <translation>sua forma de onda &quot;%1&quot; não é uma destas: %2</translation>
    </message>
    <message>
        <source>the field &quot;drawn_period&quot; is not a list of %1 numbers</source>
        <translation>o campo &quot;drawn_period&quot; não é uma lista de %1 números</translation>
    </message>
    <message>
        <source>its first line is not the harmonics table&apos;s header &quot;%1&quot;</source>
        <translation>sua primeira linha não é o cabeçalho da tabela de harmônicas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has a real or imaginary part that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation>%1 tem uma parte real ou imaginária que não é um número finito com &apos;.&apos; como separador decimal</translation>
    </message>
    <message>
        <source>%1 has a magnitude or angle that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation>%1 tem um módulo ou uma fase que não é um número finito com &apos;.&apos; como separador decimal</translation>
    </message>
    <message>
        <source>%1 has a magnitude below 0 or an angle outside -180 to 180</source>
        <translation>%1 tem um módulo menor que 0 ou uma fase fora de -180 a 180</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is larger than 1 MB (%1 bytes), too large for a phasor set</source>
        <translation>é maior que 1 MB (%1 bytes), grande demais para um conjunto de fasores</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>it is larger than 1 MB, too large for a phasor set</source>
        <translation>é maior que 1 MB, grande demais para um conjunto de fasores</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>não pode ser gravado (%1)</translation>
    </message>
    <message>
        <source>it could not be written completely (%1); any earlier file of that name is unchanged</source>
        <translation>não pôde ser gravado por completo (%1); um arquivo anterior com esse nome, se houver, não foi alterado</translation>
    </message>
    <message>
        <source>it could not be written (%1); any earlier file of that name is unchanged</source>
        <translation>não pôde ser gravado (%1); um arquivo anterior com esse nome, se houver, não foi alterado</translation>
    </message>
    <message>
        <source> (item %1)</source>
        <translation> (item %1)</translation>
    </message>
    <message>
        <source>row %1 (harmonic %2)</source>
        <translation>linha %1 (harmônica %2)</translation>
    </message>
    <message>
        <source>it holds %1 rows of harmonics instead of 1 to %2</source>
        <translation>contém %1 linhas de harmônicas em vez de 1 a %2</translation>
    </message>
    <message>
        <source>row %1 does not hold a harmonic from 0 to %2 and its three or five columns</source>
        <translation>a linha %1 não contém uma harmônica de 0 a %2 com suas três ou cinco colunas</translation>
    </message>
    <message>
        <source>row %1 gives harmonic %2 a second time</source>
        <translation>a linha %1 repete a harmônica %2</translation>
    </message>
    <message>
        <source> in %1</source>
        <comment>a field of the object %1</comment>
        <translation> em %1</translation>
    </message>
    <message>
        <source>the recording&apos;s name is empty or its fundamental lies outside %1 to %2 Hz</source>
        <translation>o nome da gravação está vazio ou sua frequência fundamental está fora da faixa de %1 a %2 Hz</translation>
    </message>
</context>
<context>
    <name>TFilesPart</name>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>O arquivo &quot;%1&quot; não pode ser aberto: %2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be saved: %2.</source>
        <translation>O arquivo &quot;%1&quot; não pode ser salvo: %2.</translation>
    </message>
    <message>
        <source>Open Phasor Set</source>
        <translation>Abrir conjunto de fasores</translation>
    </message>
    <message>
        <source>Save Phasor Set</source>
        <translation>Salvar conjunto de fasores</translation>
    </message>
    <message>
        <source>Phasor sets (*.rotants)</source>
        <translation>Conjuntos de fasores (*.rotants)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Limpar menu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Start again from the state Rotants opens in.</source>
        <translation>Recomeça a partir do estado em que o Rotants abre.</translation>
    </message>
    <message>
        <source>Open one of the last eight files.</source>
        <translation>Abre um dos últimos oito arquivos.</translation>
    </message>
    <message>
        <source>Empty the list of recent files.</source>
        <translation>Esvazia a lista de arquivos recentes.</translation>
    </message>
    <message>
        <source>Save the phasor set and the window&apos;s options in a phasor-set file (.rotants).</source>
        <translation>Salva o conjunto de fasores e as opções da janela num arquivo de conjunto de fasores (.rotants).</translation>
    </message>
    <message>
        <source>Save the phasor set under a new name.</source>
        <translation>Salva o conjunto de fasores com um novo nome.</translation>
    </message>
    <message>
        <source>Phasor sets, harmonics tables and recordings (*.rotants *.csv *.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Phasor sets (*.rotants);;Harmonics tables (*.csv);;Recordings (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;All files (*)</source>
        <translation>Conjuntos de fasores, tabelas de harmônicas e gravações (*.rotants *.csv *.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Conjuntos de fasores (*.rotants);;Tabelas de harmônicas (*.csv);;Gravações (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open a phasor set (.rotants), a harmonics table (CSV) or a recording (WAV, FLAC, Ogg Vorbis, AIFF) to analyse.</source>
        <translation>Abre um conjunto de fasores (.rotants), uma tabela de harmônicas (CSV) ou uma gravação (WAV, FLAC, Ogg Vorbis, AIFF) para analisar.</translation>
    </message>
    <message>
        <source>Save changes to the phasor set?</source>
        <translation>Salvar as alterações no conjunto de fasores?</translation>
    </message>
</context>
<context>
    <name>TManualWindow</name>
    <message>
        <source>Rotants Manual</source>
        <translation>Manual do Rotants</translation>
    </message>
</context>
<context>
    <name>TPhasorDocument</name>
    <message>
        <source>Highest Harmonic %1</source>
        <translation>Harmônica máx. %1</translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation>Usar fasores conjugados</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>Harmônica %1 digitada</translation>
    </message>
    <message>
        <source>Custom Rotants</source>
        <translation>Fasores livres</translation>
    </message>
    <message>
        <source>Custom Time</source>
        <translation>Onda desenhada</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrada</translation>
    </message>
    <message>
        <source>Rectangular Pulse</source>
        <translation>Pulso retangular</translation>
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
        <translation>Dente de serra</translation>
    </message>
    <message>
        <source>Rectified Cosine</source>
        <translation>Cosseno retificado</translation>
    </message>
    <message>
        <source>Impulse train</source>
        <translation>Trem de impulsos</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
</context>
<context>
    <name>TPlaybackPart</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Anima&amp;r</translation>
    </message>
    <message>
        <source>Run the sweep through the time steps: the chain turns and the curve grows.</source>
        <translation>Inicia a varredura pelos passos de tempo: a cadeia gira e a curva cresce.</translation>
    </message>
    <message>
        <source>Stop the sweep at the current time step.</source>
        <translation>Para a varredura no passo de tempo atual.</translation>
    </message>
    <message>
        <source>The time step, 0 to 511 (two periods); moving it redraws both plots.</source>
        <translation>O passo de tempo, de 0 a 511 (dois períodos); movê-lo redesenha os dois gráficos.</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Passo de tempo</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Velocidade %1</translation>
    </message>
    <message>
        <source>Slowe&amp;r</source>
        <translation>Mais &amp;lento</translation>
    </message>
    <message>
        <source>Fas&amp;ter</source>
        <translation>&amp;Mais rápido</translation>
    </message>
    <message>
        <source>Run the sweep more slowly: half, then a quarter of the normal speed, to talk over it. The tone stays as it is.</source>
        <translation>Percorre a varredura mais devagar: na metade e depois em um quarto da velocidade normal, para poder explicá-la. O tom não muda.</translation>
    </message>
    <message>
        <source>Run the sweep faster, up to twice the normal speed.</source>
        <translation>Percorre a varredura mais depressa, até o dobro da velocidade normal.</translation>
    </message>
    <message>
        <source>The speed of the sweep against the normal one step every 10 ms (View &gt; Slower and Faster).</source>
        <translation>A velocidade da varredura em relação à normal, um passo a cada 10 ms (Exibir &gt; Mais lento e Mais rápido).</translation>
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
        <translation>Clique para pôr um fasor</translation>
    </message>
    <message>
        <source>Left-click and drag to create a waveform</source>
        <translation>Clique e arraste para desenhar a onda</translation>
    </message>
    <message>
        <source>Real axis</source>
        <translation>Eixo real</translation>
    </message>
    <message>
        <source>Imaginary axis</source>
        <translation>Eixo imaginário</translation>
    </message>
    <message>
        <source>Mouse position over the phasor plane: real part : imaginary part.</source>
        <translation>Posição do mouse sobre o plano dos fasores: parte real : parte imaginária.</translation>
    </message>
    <message>
        <source>The current time step N, 0 to 511.</source>
        <translation>O passo de tempo atual N, de 0 a 511.</translation>
    </message>
    <message>
        <source>Mouse position over the time plot: time step : value.</source>
        <translation>Posição do mouse sobre o gráfico no tempo: passo de tempo : valor.</translation>
    </message>
    <message>
        <source>The harmonic of the table&apos;s selected row, which Highlight Selected Harmonic and Play Selected Harmonic Alone are about.</source>
        <translation>A harmônica da linha selecionada da tabela, a que &quot;Destacar harmônica selecionada&quot; e &quot;Reproduzir só a harmônica selecionada&quot; se referem.</translation>
    </message>
    <message>
        <source>Phasor plane</source>
        <translation>Plano dos fasores</translation>
    </message>
    <message>
        <source>Time plot</source>
        <translation>Gráfico no tempo</translation>
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
        <translation>Raiz da diferença quadrática média (RMS) ao longo de um período entre a soma das harmônicas em uso e a onda ideal, nas unidades do gráfico no tempo; 0 é uma coincidência perfeita.
&quot;Fasores livres&quot; mostra &quot;-&quot;: não há onda ideal com que comparar.</translation>
    </message>
    <message>
        <source>With the plot focused, the arrow keys, Page Up, Page Down, Home and End move the time step.</source>
        <translation>Com o gráfico em foco, as setas, Page Up, Page Down, Home e End movem o passo de tempo.</translation>
    </message>
    <message>
        <source>Phasor plane: click to place the next harmonic (1, 2, 3, ...) with its tip where you click, measured from the tip of the one placed before.</source>
        <translation>Plano dos fasores: clique para posicionar a próxima harmônica (1, 2, 3, ...) com a ponta onde clicar, medida a partir da ponta da anterior.</translation>
    </message>
    <message>
        <source>Phasor plane: the chain of turning phasors, one per harmonic, at the current time step; the real part of its tip is the wave&apos;s value.</source>
        <translation>Plano dos fasores: a cadeia de fasores girantes, um por harmônica, no passo de tempo atual; a parte real da ponta é o valor da onda.</translation>
    </message>
    <message>
        <source>Time plot: hold a mouse button and drag across to draw one period; either half edits the same period. On release the drawing becomes the 26 harmonics.</source>
        <translation>Gráfico no tempo: segure um botão do mouse e arraste para desenhar um período; as duas metades editam o mesmo período. Ao soltar, o desenho vira as 26 harmônicas.</translation>
    </message>
    <message>
        <source>Time plot: two periods of the ideal wave in black and, in green, the sum of the harmonics from step 0 to the current one.</source>
        <translation>Gráfico no tempo: dois períodos da onda ideal em preto e, em verde, a soma das harmônicas do passo 0 até o atual.</translation>
    </message>
    <message>
        <source>Phasor plane: %1 waveform, chain of harmonics 0 to %2 at step %3, its tip at real %4, imaginary %5</source>
        <translation>Plano dos fasores: onda %1, cadeia das harmônicas 0 a %2 no passo %3, ponta em parte real %4, parte imaginária %5</translation>
    </message>
    <message>
        <source>Time plot: %1 waveform from harmonics 0 to %2, step %3, value %4</source>
        <translation>Gráfico no tempo: onda %1 com as harmônicas 0 a %2, passo %3, valor %4</translation>
    </message>
    <message>
        <source>Placed Harmonic %1</source>
        <translation>Harmônica %1 posicionada</translation>
    </message>
    <message>
        <source>RMS error: -</source>
        <translation>Erro RMS: -</translation>
    </message>
    <message>
        <source>RMS error: %1</source>
        <translation>Erro RMS: %1</translation>
    </message>
    <message>
        <source>Harmonic %1: above the highest harmonic</source>
        <translation>Harmônica %1: acima da harmônica máxima</translation>
    </message>
    <message>
        <source>Harmonic %1 alone</source>
        <translation>Harmônica %1 sozinha</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>Harmônica %1</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Desenho</translation>
    </message>
    <message>
        <source>Under the mouse over the time plot: the ideal wave&apos;s value and the sum of the harmonics in use at that time step.</source>
        <translation>Sob o mouse sobre o gráfico no tempo: o valor da onda ideal e a soma das harmônicas em uso nesse passo de tempo.</translation>
    </message>
    <message>
        <source>Ideal %1, sum %2</source>
        <translation>Ideal %1, soma %2</translation>
    </message>
    <message>
        <source>Sum %1</source>
        <translation>Soma %1</translation>
    </message>
</context>
<context>
    <name>TRecordingPart</name>
    <message>
        <source>Analyse what the microphone hears, ten times a second: the plots, the table, the spectrum and the tone follow. Unchecked, the last analysis stays.</source>
        <translation>Analisa o que o microfone capta, dez vezes por segundo: os gráficos, a tabela, o espectro e o som acompanham. Ao desmarcar, a última análise permanece.</translation>
    </message>
    <message>
        <source>Play Recording</source>
        <translation>Tocar gravação</translation>
    </message>
    <message>
        <source>With Sound On, loop the part of the recording analysed in place of the sum, to compare the two.</source>
        <translation>Com o som ligado, toca em loop o trecho analisado da gravação no lugar da soma, para comparar os dois.</translation>
    </message>
    <message>
        <source>The whole recording, with the part analysed marked. Drag the part, or click elsewhere, to analyse another.</source>
        <translation>A gravação inteira, com o trecho analisado marcado. Arraste o trecho, ou clique em outro lugar, para analisar outro.</translation>
    </message>
    <message>
        <source>Recording overview</source>
        <translation>Visão geral da gravação</translation>
    </message>
    <message>
        <source>No sound input available</source>
        <translation>Nenhuma entrada de som disponível</translation>
    </message>
    <message>
        <source>it is not a recording Rotants can read (WAV, FLAC, Ogg Vorbis or AIFF)</source>
        <translation>não é uma gravação que o Rotants consiga ler (WAV, FLAC, Ogg Vorbis ou AIFF)</translation>
    </message>
    <message>
        <source>the recording is empty</source>
        <translation>a gravação está vazia</translation>
    </message>
    <message>
        <source>the recording ends too early (the file is truncated)</source>
        <translation>a gravação termina cedo demais (o arquivo está truncado)</translation>
    </message>
    <message>
        <source>its sample rate lies outside 8 to 192 kHz</source>
        <translation>sua taxa de amostragem está fora da faixa de 8 a 192 kHz</translation>
    </message>
    <message>
        <source>the part asked for lies outside the recording</source>
        <translation>o trecho pedido fica fora da gravação</translation>
    </message>
    <message>
        <source>the part is shorter than two periods of its pitch</source>
        <translation>o trecho é mais curto que dois períodos do seu tom</translation>
    </message>
    <message>
        <source>the part is silent</source>
        <translation>o trecho está em silêncio</translation>
    </message>
    <message>
        <source>the part has no steady pitch between 50 and 2000 Hz</source>
        <translation>o trecho não tem um tom estável entre 50 e 2000 Hz</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Microphone: %1 Hz</source>
        <translation>Microfone: %1 Hz</translation>
    </message>
    <message>
        <source>Microphone: listening</source>
        <translation>Microfone: escutando</translation>
    </message>
    <message>
        <source>Recording: %1, %2 Hz</source>
        <translation>Gravação: %1, %2 Hz</translation>
    </message>
    <message>
        <source>The audio is not kept with a saved set: open the recording again to hear it or analyse another part.</source>
        <translation>O áudio não fica salvo no conjunto de fasores: abra a gravação de novo para ouvi-la ou analisar outro trecho.</translation>
    </message>
    <message>
        <source>Sum at %1 Hz</source>
        <translation>Soma em %1 Hz</translation>
    </message>
    <message>
        <source>Sum at the recording&apos;s pitch</source>
        <translation>Soma no tom da gravação</translation>
    </message>
    <message>
        <source>With Sound On, play the sum of the harmonics at the recording&apos;s fundamental instead of 441 Hz.</source>
        <translation>Com o som ligado, toca a soma das harmônicas na frequência fundamental da gravação em vez de 441 Hz.</translation>
    </message>
    <message>
        <source>Recording Part</source>
        <translation>Trecho da gravação</translation>
    </message>
    <message>
        <source>This part cannot be analysed: %1.</source>
        <translation>Este trecho não pode ser analisado: %1.</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Escuta</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Liste&amp;n</source>
        <translation>Esc&amp;utar</translation>
    </message>
</context>
<context>
    <name>TRotantsForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>E&amp;ditar</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Highest Harmonic %1</source>
        <translation>Harmônica máx. %1</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Desenho</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Atalhos de teclado</translation>
    </message>
    <message>
        <source>Close Rotants, after asking to save work done by hand.</source>
        <translation>Fecha o Rotants, depois de perguntar se deve salvar o trabalho feito à mão.</translation>
    </message>
    <message>
        <source>Take back the last change to the phasor set.</source>
        <translation>Desfaz a última alteração do conjunto de fasores.</translation>
    </message>
    <message>
        <source>Bring back the change last taken back.</source>
        <translation>Refaz a última alteração desfeita.</translation>
    </message>
    <message>
        <source>Open the manual in the window&apos;s language.</source>
        <translation>Abre o manual no idioma da janela.</translation>
    </message>
    <message>
        <source>List every keyboard shortcut of the window.</source>
        <translation>Lista todos os atalhos de teclado da janela.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and credits.</source>
        <translation>Mostra a versão e os créditos do programa.</translation>
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
        <translation>Mostra sob os controles uma faixa com dois controles deslizantes que moldam as formas de onda padrão: o ciclo de trabalho dos pulsos e um deslocamento no tempo.</translation>
    </message>
    <message>
        <source>Duty cycle:</source>
        <translation>Ciclo de trabalho:</translation>
    </message>
    <message>
        <source>Time shift:</source>
        <translation>Deslocamento:</translation>
    </message>
    <message>
        <source>The width of the rectangular and bipolar pulses, 1 to 99 % of the period, their height kept. A narrower pulse spreads its spectrum under a wider sinc envelope.</source>
        <translation>A largura dos pulsos retangular e bipolar, de 1 a 99 % do período, com a mesma altura. Um pulso mais estreito espalha seu espectro sob uma envoltória sinc mais larga.</translation>
    </message>
    <message>
        <source>Duty cycle</source>
        <translation>Ciclo de trabalho</translation>
    </message>
    <message>
        <source>Delays every standard waveform by -128 to 127 time steps. Every magnitude stays; harmonic k turns by k times the shift.</source>
        <translation>Atrasa cada forma de onda padrão de -128 a 127 passos de tempo. Toda magnitude permanece; a harmônica k gira k vezes o deslocamento.</translation>
    </message>
    <message>
        <source>Time shift</source>
        <translation>Deslocamento no tempo</translation>
    </message>
    <message>
        <source>Duty Cycle</source>
        <translation>Ciclo de trabalho</translation>
    </message>
    <message>
        <source>Time Shift</source>
        <translation>Deslocamento no tempo</translation>
    </message>
</context>
<context>
    <name>TShortcutsDialog</name>
    <message>
        <source>One time step back</source>
        <translation>Um passo de tempo para trás</translation>
    </message>
    <message>
        <source>One time step forward</source>
        <translation>Um passo de tempo para a frente</translation>
    </message>
    <message>
        <source>%1 time steps back</source>
        <translation>%1 passos de tempo para trás</translation>
    </message>
    <message>
        <source>%1 time steps forward</source>
        <translation>%1 passos de tempo para a frente</translation>
    </message>
    <message>
        <source>First time step (0)</source>
        <translation>Primeiro passo de tempo (0)</translation>
    </message>
    <message>
        <source>Last time step (%1)</source>
        <translation>Último passo de tempo (%1)</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Janela</translation>
    </message>
    <message>
        <source>Phasor plane or time plot, when it has the focus</source>
        <translation>Plano dos fasores ou gráfico no tempo, quando tem o foco</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Onde</translation>
    </message>
    <message>
        <source>Spectrum strip, when it has the focus</source>
        <translation>Faixa do espectro, quando está com o foco</translation>
    </message>
    <message>
        <source>The harmonic before or after</source>
        <translation>A harmônica anterior ou seguinte</translation>
    </message>
    <message>
        <source>Its magnitude up or down by a row of the bars</source>
        <translation>A sua magnitude, uma linha das barras para cima ou para baixo</translation>
    </message>
    <message>
        <source>Its angle up or down by %1°</source>
        <translation>O seu ângulo, %1° a mais ou a menos</translation>
    </message>
</context>
<context>
    <name>TSoundPart</name>
    <message>
        <source>Sound On</source>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>&amp;Play Selected Harmonic Alone</source>
        <translation>Re&amp;produzir só a harmônica selecionada</translation>
    </message>
    <message>
        <source>With the sound on, play only the harmonic of the table&apos;s selected row.</source>
        <translation>Com o som ligado, toca só a harmônica da linha selecionada.</translation>
    </message>
    <message>
        <source>No sound output available</source>
        <translation>Nenhuma saída de som disponível</translation>
    </message>
    <message>
        <source>Play the sum of the harmonics in use as a looping 441 Hz tone.</source>
        <translation>Toca a soma das harmônicas em uso como um tom contínuo de 441 Hz.</translation>
    </message>
</context>
<context>
    <name>TSpectrumPart</name>
    <message>
        <source>&amp;Spectrum</source>
        <translation>E&amp;spectro</translation>
    </message>
    <message>
        <source>Spectrum in &amp;Decibels</source>
        <translation>Espectro em deci&amp;béis</translation>
    </message>
    <message>
        <source>Show a strip under the controls with one bar per harmonic: its magnitude and its angle.</source>
        <translation>Mostra abaixo dos controles uma faixa com uma barra por harmônica: módulo e fase.</translation>
    </message>
    <message>
        <source>Scale the spectrum&apos;s bars in decibels, over 60 dB.</source>
        <translation>Escala as barras do espectro em decibéis, em 60 dB.</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Espectro</translation>
    </message>
    <message>
        <source>Spectrum: one bar per harmonic, as tall as its magnitude, and under the bars a phase row marking its angle. Press a bar to select its harmonic, drag its top to set the magnitude, drag in the phase row to set the angle.</source>
        <translation>Espectro: uma barra por harmônica, da altura do seu módulo, e abaixo das barras uma linha de fase que marca a sua fase. Pressione uma barra para selecionar a harmônica, arraste o topo para definir o módulo e arraste na linha de fase para definir a fase.</translation>
    </message>
    <message>
        <source>Dragged Phase of Harmonic %1</source>
        <translation>Fase da harmônica %1 arrastada</translation>
    </message>
    <message>
        <source>Dragged Harmonic %1</source>
        <translation>Harmônica %1 arrastada</translation>
    </message>
    <message>
        <source>Spectrum: %1 waveform, harmonics 0 to %2, the strongest harmonic %3 with magnitude %4; selected harmonic %5: magnitude %6, angle %7°</source>
        <translation>Espectro: onda %1, harmônicas 0 a %2, a harmônica mais forte %3 com módulo %4; harmônica selecionada %5: módulo %6, fase %7°</translation>
    </message>
    <message>
        <source>Harmonic %1: %2 at %3°</source>
        <translation>Harmônica %1: %2 a %3°</translation>
    </message>
    <message>
        <source>, above the highest harmonic</source>
        <translation>, acima da harmônica máxima</translation>
    </message>
    <message>
        <source>; the target&apos;s outline: magnitude %1, angle %2°</source>
        <translation>; contorno do alvo: módulo %1, fase %2°</translation>
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
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamanho real</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Tela &amp;cheia</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma do &amp;sistema</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Sair da tela cheia</translation>
    </message>
    <message>
        <source>The size the window is shown at.</source>
        <translation>O tamanho em que a janela é exibida.</translation>
    </message>
    <message>
        <source>Show the whole window larger, for a projector.</source>
        <translation>Mostra a janela inteira maior, para um projetor.</translation>
    </message>
    <message>
        <source>Show the whole window smaller.</source>
        <translation>Mostra a janela inteira menor.</translation>
    </message>
    <message>
        <source>Show the window at its own size, 100 %.</source>
        <translation>Mostra a janela no tamanho original, 100 %.</translation>
    </message>
    <message>
        <source>Fill the screen with the window; Esc leaves full screen.</source>
        <translation>Ocupa a tela inteira com a janela; Esc sai da tela cheia.</translation>
    </message>
    <message>
        <source>Choose the language of every text of the program.</source>
        <translation>Escolhe o idioma de todos os textos do programa.</translation>
    </message>
    <message>
        <source>Follow the system&apos;s language.</source>
        <translation>Usa o idioma do sistema.</translation>
    </message>
    <message>
        <source>Show every text in this language; remembered for the next start.</source>
        <translation>Mostra todos os textos neste idioma; fica guardado para a próxima vez.</translation>
    </message>
    <message>
        <source>Zoom: %1 %</source>
        <translation>Zoom: %1%</translation>
    </message>
    <message>
        <source>&amp;Highlight Selected Harmonic</source>
        <translation>&amp;Destacar harmônica selecionada</translation>
    </message>
    <message>
        <source>Show &amp;Error</source>
        <translation>Mostrar &amp;erro</translation>
    </message>
    <message>
        <source>Draw the harmonic of the table&apos;s selected row in amber: its segment of the chain and its own sinusoid.</source>
        <translation>Desenha em âmbar a harmônica da linha selecionada: seu trecho da cadeia e sua própria senoide.</translation>
    </message>
    <message>
        <source>Show in the status bar how far the sum of the harmonics is from the ideal wave (RMS error).</source>
        <translation>Mostra na barra de status quanto a soma das harmônicas se afasta da onda ideal (erro RMS).</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>Ei&amp;xos</translation>
    </message>
    <message>
        <source>Number the axes inside the phasor plane and the time plot: values -1 to 1 and time steps 0 to 511.</source>
        <translation>Numera os eixos dentro do plano dos fasores e do gráfico no tempo: valores de -1 a 1 e passos de tempo de 0 a 511.</translation>
    </message>
</context>
</TS>
