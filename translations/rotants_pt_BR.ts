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
        <translation>Cadeia conjugada</translation>
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
</context>
<context>
    <name>TManualWindow</name>
    <message>
        <source>Rotants Manual</source>
        <translation>Manual do Rotants</translation>
    </message>
</context>
<context>
    <name>TRotantsForm</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>não foi possível codificar a imagem</translation>
    </message>
    <message>
        <source>the length must be at least one sample and at most %1 seconds</source>
        <translation>a duração deve ser de no mínimo uma amostra e no máximo %1 segundos</translation>
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
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>O arquivo &quot;%1&quot; não pode ser aberto: %2.</translation>
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
        <source>Phasor sets and harmonics tables (*.rotants *.csv);;Phasor sets (*.rotants);;Harmonics tables (*.csv);;All files (*)</source>
        <translation>Conjuntos de fasores e tabelas de harmônicas (*.rotants *.csv);;Conjuntos de fasores (*.rotants);;Tabelas de harmônicas (*.csv);;Todos os arquivos (*)</translation>
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
        <source>RMS error: -</source>
        <translation>Erro RMS: -</translation>
    </message>
    <message>
        <source>RMS error: %1</source>
        <translation>Erro RMS: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
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
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
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
        <source>&amp;Highlight Selected Harmonic</source>
        <translation>&amp;Destacar harmônica selecionada</translation>
    </message>
    <message>
        <source>&amp;Play Selected Harmonic Alone</source>
        <translation>Re&amp;produzir só a harmônica selecionada</translation>
    </message>
    <message>
        <source>Show &amp;Error</source>
        <translation>Mostrar &amp;erro</translation>
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
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
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
        <translation>Onda:</translation>
    </message>
    <message>
        <source>Left-click to place a phasor</source>
        <translation>Clique para pôr um fasor</translation>
    </message>
    <message>
        <source>Highest harmonic:</source>
        <translation>Harmônica máx.:</translation>
    </message>
    <message>
        <source>Left-click and drag to create a waveform</source>
        <translation>Clique e arraste para desenhar a onda</translation>
    </message>
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
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
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
        <source>Sound On</source>
        <translation>Som ligado</translation>
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
        <source>Coord: </source>
        <translation>Coord.: </translation>
    </message>
    <message>
        <source>N: </source>
        <translation>N: </translation>
    </message>
    <message>
        <source>Show &amp;Editor</source>
        <translation>Mostrar &amp;editor</translation>
    </message>
    <message>
        <source>Hide &amp;Editor</source>
        <translation>Ocultar &amp;editor</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>No sound output available</source>
        <translation>Nenhuma saída de som disponível</translation>
    </message>
    <message>
        <source>Zoom: %1 %</source>
        <translation>Zoom: %1%</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>Harmônica %1</translation>
    </message>
    <message>
        <source>Harmonic %1 alone</source>
        <translation>Harmônica %1 sozinha</translation>
    </message>
    <message>
        <source>Harmonic %1: above the highest harmonic</source>
        <translation>Harmônica %1: acima da harmônica máxima</translation>
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
        <source>Placed Harmonic %1</source>
        <translation>Harmônica %1 posicionada</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>Harmônica %1 digitada</translation>
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
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>the phasor set</source>
        <translation>o conjunto de fasores</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
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
        <source>&amp;Spectrum</source>
        <translation>E&amp;spectro</translation>
    </message>
    <message>
        <source>Spectrum in &amp;Decibels</source>
        <translation>Espectro em deci&amp;béis</translation>
    </message>
    <message>
        <source>the name must end in .svg or .pdf</source>
        <translation>o nome deve terminar em .svg ou .pdf</translation>
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
        <source>the printer could not be started</source>
        <translation>não foi possível iniciar a impressora</translation>
    </message>
    <message>
        <source>the printer could not finish the page</source>
        <translation>a impressora não conseguiu concluir a página</translation>
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
        <source>&apos;%1&apos; is not a number; write it with a decimal point, for example 1.5</source>
        <translation>&apos;%1&apos; não é um número; escreva-o com ponto decimal, por exemplo 1.5</translation>
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
        <source>Leave Full Screen</source>
        <translation>Sair da tela cheia</translation>
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
</context>
</TS>
