<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>显示帮助，包括 Qt 特有的选项。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[选项]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>参数：</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”之后缺少值。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”之后不应有值。</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>版本 1.0</translation>
    </message>
    <message>
        <source>The Rotants developers</source>
        <translation>Rotants 开发者</translation>
    </message>
    <message>
        <source>Fourier series, turning in class</source>
        <translation>课堂上转动的傅里叶级数</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TCommandLineText</name>
    <message>
        <source>Rotants: a periodic waveform built from rotating phasors.
With --export-* or --save it writes those files without opening a window.</source>
        <translation>Rotants：由旋转相量合成的周期波形。
给出 --export-* 或 --save 时，只写出这些文件，不打开窗口。</translation>
    </message>
    <message>
        <source>Phasor set (.rotants) or harmonics table (.csv) to open.</source>
        <translation>要打开的相量组 (.rotants) 或谐波表 (.csv)。</translation>
    </message>
    <message>
        <source>Highest harmonic, 0 to 25.</source>
        <translation>最高谐波次数，0 到 25。</translation>
    </message>
    <message>
        <source>Time step, 0 to 511.</source>
        <translation>时间步，0 到 511。</translation>
    </message>
    <message>
        <source>Use conjugate rotants.</source>
        <translation>使用共轭相量。</translation>
    </message>
    <message>
        <source>Rotate the complex plane 90 degrees.</source>
        <translation>将复平面旋转 90 度。</translation>
    </message>
    <message>
        <source>Leave the phasor trace.</source>
        <translation>保留相量轨迹。</translation>
    </message>
    <message>
        <source>Show the real value.</source>
        <translation>显示实部。</translation>
    </message>
    <message>
        <source>Hide the time plot&apos;s grid.</source>
        <translation>隐藏时域图的网格。</translation>
    </message>
    <message>
        <source>Hide the ideal wave.</source>
        <translation>隐藏理想波形。</translation>
    </message>
    <message>
        <source>Zoom factor, 1 to 3.</source>
        <translation>缩放倍数，1 到 3。</translation>
    </message>
    <message>
        <source>Language of the window: %1.</source>
        <translation>窗口语言：%1。</translation>
    </message>
    <message>
        <source>Write both plots as PNG.</source>
        <translation>将两幅图写为 PNG 图片。</translation>
    </message>
    <message>
        <source>Write the tone as WAV.</source>
        <translation>将声音写为 WAV 文件。</translation>
    </message>
    <message>
        <source>Write the harmonics as CSV.</source>
        <translation>将谐波写为 CSV 表格。</translation>
    </message>
    <message>
        <source>Write the samples as CSV.</source>
        <translation>将波形采样写为 CSV 表格。</translation>
    </message>
    <message>
        <source>Save the phasor set.</source>
        <translation>保存相量组。</translation>
    </message>
    <message>
        <source>more than one file given: &quot;%1&quot;</source>
        <translation>给出了不止一个文件：“%1”</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --%2 (expected %3)</source>
        <translation>--%2 的值“%1”无效（应为%3）</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>以下之一：%1</translation>
    </message>
    <message>
        <source>a whole number from 0 to 25</source>
        <translation>介于 0 到 25 的整数</translation>
    </message>
    <message>
        <source>a whole number from 0 to 511</source>
        <translation>介于 0 到 511 的整数</translation>
    </message>
    <message>
        <source>a factor from 1 to 3</source>
        <translation>介于 1 到 3 的倍数</translation>
    </message>
    <message>
        <source>--seconds needs --export-sound</source>
        <translation>--seconds 须与 --export-sound 一起使用</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Show the spectrum under the plots.</source>
        <translation>在图表下方显示频谱。</translation>
    </message>
    <message>
        <source>Exit codes: 0 done; 1 a file could not be written; 2 a bad option, value or input file.</source>
        <translation>退出码：0 完成；1 无法写入文件；2 选项、值或输入文件无效。</translation>
    </message>
    <message>
        <source>Waveform: %1 (or as the drop-down names it, in any case).</source>
        <translation>波形：%1（也可使用下拉列表中的名称，不区分大小写）。</translation>
    </message>
    <message>
        <source>Length of the exported sound, up to %1 seconds (default 5).</source>
        <translation>导出声音的时长，最多 %1 秒（默认 5 秒）。</translation>
    </message>
    <message>
        <source>Write a labelled figure as SVG or PDF.</source>
        <translation>将带标注的插图写为 SVG 或 PDF。</translation>
    </message>
    <message>
        <source>a length of at least one sample and up to %1 seconds</source>
        <translation>至少一个采样、至多 %1 秒的时长</translation>
    </message>
    <message>
        <source>--%1 given more than once (&quot;%2&quot; and &quot;%3&quot;)</source>
        <translation>--%1 给出了不止一次（“%2”和“%3”）</translation>
    </message>
    <message>
        <source>a file name ending in .%1</source>
        <translation>以 .%1 结尾的文件名</translation>
    </message>
    <message>
        <source>a file name ending in .%1 or .%2</source>
        <translation>以 .%1 或 .%2 结尾的文件名</translation>
    </message>
    <message>
        <source>&quot;%1&quot; named by both --%2 and --%3</source>
        <translation>“%1”同时由 --%2 和 --%3 指定</translation>
    </message>
    <message>
        <source>Write one sweep (two periods) as animated GIF.</source>
        <translation>将一次完整扫描（两个周期）写为 GIF 动画。</translation>
    </message>
    <message>
        <source>Speed of the sweep: 0.25, 0.5, 1 or 2 times normal.</source>
        <translation>扫描速度：正常速度的 0.25、0.5、1 或 2 倍。</translation>
    </message>
    <message>
        <source>Duty cycle of the rectangular and bipolar pulses, 1 to 99 %.</source>
        <translation>矩形脉冲和双极性脉冲的占空比，1% 到 99%。</translation>
    </message>
    <message>
        <source>Time shift of the standard waveforms, -128 to 127 steps.</source>
        <translation>标准波形的时间平移，-128 到 127 步。</translation>
    </message>
    <message>
        <source>a whole number from 1 to 99</source>
        <translation>1 到 99 之间的整数</translation>
    </message>
    <message>
        <source>a whole number from -128 to 127</source>
        <translation>-128 到 127 之间的整数</translation>
    </message>
    <message>
        <source>Hide the real value.</source>
        <translation>隐藏实部。</translation>
    </message>
    <message>
        <source>Start of the part of a recording to analyse, in seconds.</source>
        <translation>要分析的录音片段的起始时间，以秒为单位。</translation>
    </message>
    <message>
        <source>End of the part of a recording to analyse, in seconds.</source>
        <translation>要分析的录音片段的结束时间，以秒为单位。</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 给出了不止一次</translation>
    </message>
    <message>
        <source>--real-value and --no-real-value contradict each other</source>
        <translation>--real-value 与 --no-real-value 相互矛盾</translation>
    </message>
    <message>
        <source>a time in seconds from 0</source>
        <translation>不小于 0 的秒数</translation>
    </message>
    <message>
        <source>--from and --to need a recording to open</source>
        <translation>--from 和 --to 须与要打开的录音一起使用</translation>
    </message>
    <message>
        <source>--to must come after --from</source>
        <translation>--to 必须晚于 --from</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>placeholder</comment>
        <translation>文件</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>placeholder</comment>
        <translation>名称</translation>
    </message>
    <message>
        <source>N</source>
        <comment>placeholder</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>placeholder</comment>
        <translation>代码</translation>
    </message>
    <message>
        <source>Start an exercise at this level, 1 to 6.</source>
        <translation>以此级别开始练习，1 到 6。</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <comment>placeholder</comment>
        <translation>级别</translation>
    </message>
    <message>
        <source>The exercise&apos;s seed: the same level and seed give the same target.</source>
        <translation>练习的种子：相同的级别和种子给出相同的目标。</translation>
    </message>
    <message>
        <source>a whole number from 1 to 6</source>
        <translation>介于 1 到 6 的整数</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1</source>
        <translation>介于 0 到 %1 的整数</translation>
    </message>
    <message>
        <source>--seed needs --exercise</source>
        <translation>--seed 需要 --exercise</translation>
    </message>
    <message>
        <source>--exercise needs the window; it cannot be combined with --export-* or --save</source>
        <translation>--exercise 需要窗口；不能与 --export-* 或 --save 同时使用</translation>
    </message>
</context>
<context>
    <name>TControlsPart</name>
    <message>
        <source>Hide &amp;Editor</source>
        <translation>隐藏编辑器(&amp;E)</translation>
    </message>
    <message>
        <source>Show &amp;Editor</source>
        <translation>显示编辑器(&amp;E)</translation>
    </message>
    <message>
        <source>Waveform:</source>
        <translation>波形：</translation>
    </message>
    <message>
        <source>Highest harmonic:</source>
        <translation>最高谐波次数：</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除(&amp;C)</translation>
    </message>
    <message>
        <source>Phasor Options</source>
        <translation>相量选项</translation>
    </message>
    <message>
        <source>Show Real &amp;Value</source>
        <translation>显示实部(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Rotate Complex Plane 90°</source>
        <translation>复平面旋转 90°(&amp;R)</translation>
    </message>
    <message>
        <source>Leave Phasor &amp;Trace</source>
        <translation>保留相量轨迹(&amp;T)</translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation>使用共轭相量</translation>
    </message>
    <message>
        <source>Time Options</source>
        <translation>时域选项</translation>
    </message>
    <message>
        <source>&amp;Grid On</source>
        <translation>网格(&amp;G)</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>循环播放</translation>
    </message>
    <message>
        <source>Ideal Wave</source>
        <translation>理想波形</translation>
    </message>
    <message>
        <source>Choose a standard waveform to build from its harmonics, or a custom mode: place the phasors with the mouse (Custom Rotants) or draw one period (Custom Time).</source>
        <translation>选择一种标准波形，由其谐波合成；或选择自定义模式：用鼠标放置相量（自定义相量）或绘制一个周期（自定义时域波形）。</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>波形</translation>
    </message>
    <message>
        <source>How many harmonics take part in the chain, the curve and the tone, 0 to 25. Lower it to see the sum approach the wave harmonic by harmonic.</source>
        <translation>参与相量链、曲线和声音的谐波数，0 到 25。调低它，可以逐个谐波地看到合成如何逼近波形。</translation>
    </message>
    <message>
        <source>Highest harmonic</source>
        <translation>最高谐波次数</translation>
    </message>
    <message>
        <source>Stop and go back to step 0; in the custom modes, also start the custom waveform afresh.</source>
        <translation>停止并回到第 0 步；在自定义模式下，还会重新开始自定义波形。</translation>
    </message>
    <message>
        <source>Show or hide the table of all 26 harmonics over the phasor plane, to read or type their magnitudes and angles.</source>
        <translation>在相量平面上显示或隐藏全部 26 个谐波的表格，用于查看或输入其幅值和相角。</translation>
    </message>
    <message>
        <source>How the phasor plane shows the chain.</source>
        <translation>相量平面如何显示相量链。</translation>
    </message>
    <message>
        <source>Mark the current real value on both plots.</source>
        <translation>在两幅图上标出当前实部值。</translation>
    </message>
    <message>
        <source>Turn the phasor plane so that its real axis points up, level with the time plot; with the real value shown, two lines carry it across.</source>
        <translation>旋转相量平面，使实轴朝上，与时域图对齐；显示实部值时，两条线把该值投射过去。</translation>
    </message>
    <message>
        <source>Draw the path of the chain&apos;s tip from step 0, in red.</source>
        <translation>用红色绘制相量链末端从第 0 步起的轨迹。</translation>
    </message>
    <message>
        <source>Also show the negative harmonics, as a mirror chain in purple; each entry then holds c_k instead of 2·c_k. The curve stays the same.</source>
        <translation>同时以紫色镜像链显示负次谐波；此时每个条目保存 c_k 而不是 2·c_k。曲线保持不变。</translation>
    </message>
    <message>
        <source>What the time plot shows, the tone and the sweep&apos;s repeat.</source>
        <translation>时域图的显示内容、声音以及扫描的循环。</translation>
    </message>
    <message>
        <source>Show the time plot&apos;s grid.</source>
        <translation>显示时域图的网格。</translation>
    </message>
    <message>
        <source>Show the ideal waveform in black on the time plot.</source>
        <translation>在时域图上以黑色显示理想波形。</translation>
    </message>
    <message>
        <source>Start the sweep again at step 0 after the last step, instead of stopping.</source>
        <translation>到达最后一步后从第 0 步重新开始扫描，而不是停止。</translation>
    </message>
</context>
<context>
    <name>TEditorPanel</name>
    <message>
        <source>Harmonic</source>
        <translation>谐波</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>幅值</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>相角(°)</translation>
    </message>
    <message>
        <source>Edit Phasor</source>
        <translation>编辑相量</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>Magnitude and angle of every harmonic. Select a row to edit it below; its harmonic is also the one the View menu highlights or plays alone.</source>
        <translation>每个谐波的幅值和相角。选中一行即可在下方编辑；该谐波也是“视图”菜单突出显示或单独播放的谐波。</translation>
    </message>
    <message>
        <source>Harmonics table</source>
        <translation>谐波表</translation>
    </message>
    <message>
        <source>The harmonic of the table&apos;s selected row.</source>
        <translation>表格中选中行的谐波。</translation>
    </message>
    <message>
        <source>The harmonic&apos;s magnitude, 0 to 10; Update or Return applies it.</source>
        <translation>谐波的幅值，0 到 10；按“更新”或回车键应用。</translation>
    </message>
    <message>
        <source>The harmonic&apos;s angle in degrees, -180 to 180; Update or Return applies it.</source>
        <translation>谐波的相角（度），-180 到 180；按“更新”或回车键应用。</translation>
    </message>
    <message>
        <source>Angle in degrees</source>
        <translation>相角（度）</translation>
    </message>
    <message>
        <source>Give the selected harmonic the typed magnitude and angle. A value out of range becomes 0, and a notice names it.</source>
        <translation>将输入的幅值和相角应用到所选谐波。超出范围的值变为 0，并有提示指出。</translation>
    </message>
    <message>
        <source>Type a magnitude and an angle for the harmonic of the selected row.</source>
        <translation>为选中行的谐波输入幅值和相角。</translation>
    </message>
    <message>
        <source>A typed value outside its range was replaced by 0. The notice stays until an Update that replaces nothing.</source>
        <translation>输入的某个值超出范围，已被替换为 0。此提示会一直显示，直到某次“更新”不再替换任何值。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write it with a decimal point, for example 1.5</source>
        <translation>“%1”不是数字；请用小数点书写，例如 1.5</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>输入第 %1 次谐波</translation>
    </message>
    <message>
        <source>Magnitude %1 is outside 0 to 10: 0 applied</source>
        <translation>幅值 %1 超出 0 到 10：已改为 0</translation>
    </message>
    <message>
        <source>Angle %1 is outside -180 to 180: 0 applied</source>
        <translation>相角 %1 超出 -180 到 180：已改为 0</translation>
    </message>
    <message>
        <source>Harmonic %1: %2 at %3°</source>
        <translation>第 %1 次谐波：%2，角度 %3°</translation>
    </message>
</context>
<context>
    <name>TExerciseFileText</name>
    <message>
        <source>target %1: %2</source>
        <translation>目标 %1：%2</translation>
    </message>
    <message>
        <source>it is not an object</source>
        <translation>它不是对象</translation>
    </message>
    <message>
        <source>its field &quot;name&quot; is not a text of at most %1 characters</source>
        <translation>其字段 &quot;name&quot; 不是最多 %1 个字符的文本</translation>
    </message>
    <message>
        <source>its field &quot;threshold&quot; is not a number from %1 to %2</source>
        <translation>其字段 &quot;threshold&quot; 不是介于 %1 到 %2 的数</translation>
    </message>
    <message>
        <source>its field &quot;set&quot; is missing or not an object</source>
        <translation>其字段 &quot;set&quot; 缺失或不是对象</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>it is not a Rotants exercise set (not a JSON object)</source>
        <translation>它不是 Rotants 练习集（不是 JSON 对象）</translation>
    </message>
    <message>
        <source>it is not a Rotants exercise set (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>它不是 Rotants 练习集（其 &quot;format&quot; 不是 &quot;%1&quot;）</translation>
    </message>
    <message>
        <source>its field &quot;version&quot; is not a whole number from 1 up</source>
        <translation>其字段 &quot;version&quot; 不是大于或等于 1 的整数</translation>
    </message>
    <message>
        <source>it was written by a newer version of Rotants (format version %1; this program reads version %2)</source>
        <translation>它由更新版本的 Rotants 写入（格式版本 %1；本程序读取版本 %2）</translation>
    </message>
    <message>
        <source>its field &quot;targets&quot; is not a list of 1 to %1 targets</source>
        <translation>其字段 &quot;targets&quot; 不是包含 1 到 %1 个目标的列表</translation>
    </message>
</context>
<context>
    <name>TExercisePart</name>
    <message>
        <source>&amp;Check</source>
        <translation>检查(&amp;C)</translation>
    </message>
    <message>
        <source>Compare your wave with the dashed target: one attempt.</source>
        <translation>将你的波形与虚线目标比较：计一次尝试。</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>提示(&amp;H)</translation>
    </message>
    <message>
        <source>First how many harmonics the target uses, then its spectrum outlined, then one harmonic&apos;s value at a time.</source>
        <translation>先给出目标使用的谐波个数，再以轮廓显示其频谱，然后每次给出一个谐波的值。</translation>
    </message>
    <message>
        <source>Show &amp;Answer</source>
        <translation>显示答案(&amp;A)</translation>
    </message>
    <message>
        <source>Make the set the target&apos;s. The target counts as not solved.</source>
        <translation>把相量组变为目标的相量组。该目标记为未解出。</translation>
    </message>
    <message>
        <source>&amp;End Exercise</source>
        <translation>结束练习(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Open Exercise Set...</source>
        <translation>打开练习集(&amp;O)...</translation>
    </message>
    <message>
        <source>Work through a teacher&apos;s exercise set, target by target.</source>
        <translation>逐个目标完成教师的练习集。</translation>
    </message>
    <message>
        <source>E&amp;xport Results...</source>
        <translation>导出结果(&amp;X)...</translation>
    </message>
    <message>
        <source>Write a CSV file for the teacher: one row per target, whether it was solved, the attempts, hints and seconds.</source>
        <translation>为教师写出 CSV 文件：每个目标一行，包括是否解出、尝试次数、提示次数和秒数。</translation>
    </message>
    <message>
        <source>A&amp;dd Current Set as Target</source>
        <translation>将当前相量组添加为目标(&amp;D)</translation>
    </message>
    <message>
        <source>For teachers: add the set you see as the next target of a new exercise set.</source>
        <translation>供教师使用：将当前看到的相量组添加为新练习集的下一个目标。</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>级别：</translation>
    </message>
    <message>
        <source>The level of the next new target: 1, one harmonic, up to 6, a random shape of up to 25 harmonics.</source>
        <translation>下一个新目标的级别：从 1（一个谐波）到 6（最多 25 个谐波的随机形状）。</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>Hear Target</source>
        <translation>试听目标</translation>
    </message>
    <message>
        <source>Play the target&apos;s tone in place of yours; uncheck it to hear yours again.</source>
        <translation>播放目标的音调代替你的；取消勾选即可再次听到你的。</translation>
    </message>
    <message>
        <source>Save Exercise Set</source>
        <translation>保存练习集</translation>
    </message>
    <message>
        <source>Exercise sets (*%1)</source>
        <translation>练习集 (*%1)</translation>
    </message>
    <message>
        <source>The exercise set could not be saved as %1: %2.</source>
        <translation>无法将练习集保存为 %1：%2。</translation>
    </message>
    <message>
        <source>Open Exercise Set</source>
        <translation>打开练习集</translation>
    </message>
    <message>
        <source>The exercise set %1 could not be opened: %2.</source>
        <translation>无法打开练习集 %1：%2。</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>导出结果</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be written to %1: %2.</source>
        <translation>无法将结果写入 %1：%2。</translation>
    </message>
    <message>
        <source>Difference (RMS): %1, solved below %2</source>
        <translation>差异（均方根）：%1，低于 %2 即解出</translation>
    </message>
    <message>
        <source>Attempts: %1   Hints: %2   Time: %3</source>
        <translation>尝试：%1   提示：%2   用时：%3</translation>
    </message>
    <message>
        <source>One harmonic, magnitude only</source>
        <translation>一个谐波，仅幅值</translation>
    </message>
    <message>
        <source>Up to three harmonics, angles 0° or 180°</source>
        <translation>最多三个谐波，角度为 0° 或 180°</translation>
    </message>
    <message>
        <source>Up to three harmonics, any angles</source>
        <translation>最多三个谐波，任意角度</translation>
    </message>
    <message>
        <source>Up to six harmonics</source>
        <translation>最多六个谐波</translation>
    </message>
    <message>
        <source>A standard waveform, cut at a highest harmonic</source>
        <translation>一种标准波形，截止于某个最高谐波</translation>
    </message>
    <message>
        <source>A random shape of up to 25 harmonics</source>
        <translation>最多 25 个谐波的随机形状</translation>
    </message>
    <message>
        <source>The answer is shown.</source>
        <translation>已显示答案。</translation>
    </message>
    <message>
        <source>Solved! Well done.</source>
        <translation>解出了！做得好。</translation>
    </message>
    <message>
        <source>Not yet: the difference was %1.</source>
        <translation>还没有：差异为 %1。</translation>
    </message>
    <message>
        <source>Build the dashed wave, then Check.</source>
        <translation>构建虚线波形，然后点“检查”。</translation>
    </message>
    <message>
        <source>Harmonics used: %1</source>
        <translation>使用的谐波个数：%1</translation>
    </message>
    <message>
        <source>The target&apos;s spectrum is outlined in the strip.</source>
        <translation>目标的频谱以轮廓显示在频谱条中。</translation>
    </message>
    <message>
        <source>&amp;Next Target</source>
        <translation>下一个目标(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;New Target</source>
        <translation>新目标(&amp;N)</translation>
    </message>
    <message>
        <source>A new target to match, at the level the exercise panel shows, or the next target of an exercise set.</source>
        <translation>一个新的目标，级别为练习面板所示；或练习集中的下一个目标。</translation>
    </message>
    <message>
        <source>&amp;Save Exercise Set (%1)...</source>
        <translation>保存练习集 (%1)(&amp;S)...</translation>
    </message>
    <message>
        <source>Save the targets added so far as one exercise set.</source>
        <translation>将目前添加的目标保存为一个练习集。</translation>
    </message>
    <message>
        <source>Target %1 of %2: %3</source>
        <translation>目标 %1/%2：%3</translation>
    </message>
    <message>
        <source>E&amp;xercise</source>
        <translation>练习(&amp;X)</translation>
    </message>
    <message>
        <source>Hide the target and the exercise panel; the results stay for Export Results.</source>
        <translation>隐藏目标和练习面板；结果保留，可供“导出结果”使用。</translation>
    </message>
</context>
<context>
    <name>TExerciseSession</name>
    <message>
        <source>Level %1, seed %2</source>
        <translation>级别 %1，种子 %2</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>目标 %1</translation>
    </message>
</context>
<context>
    <name>TExportsPart</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>无法编码图片</translation>
    </message>
    <message>
        <source>the length must be at least one sample and at most %1 seconds</source>
        <translation>时长须至少为一个采样，至多 %1 秒</translation>
    </message>
    <message>
        <source>the name must end in .svg or .pdf</source>
        <translation>文件名必须以 .svg 或 .pdf 结尾</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>无法启动打印机</translation>
    </message>
    <message>
        <source>the printer could not finish the page</source>
        <translation>打印机无法完成该页</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <translation>无法导出到“%1”：%2。</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Export Sound</source>
        <translation>导出声音</translation>
    </message>
    <message>
        <source>Length in seconds:</source>
        <translation>时长（秒）：</translation>
    </message>
    <message>
        <source>WAV sounds (*.wav)</source>
        <translation>WAV 声音 (*.wav)</translation>
    </message>
    <message>
        <source>Export Harmonics Table</source>
        <translation>导出谐波表</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>CSV 表格 (*.csv)</translation>
    </message>
    <message>
        <source>Export Waveform Samples</source>
        <translation>导出波形采样</translation>
    </message>
    <message>
        <source>Export Figure</source>
        <translation>导出插图</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;SVG drawings (*.svg)</source>
        <translation>PDF 文档 (*.pdf);;SVG 图形 (*.svg)</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>导出动画</translation>
    </message>
    <message>
        <source>GIF animations (*.gif)</source>
        <translation>GIF 动画 (*.gif)</translation>
    </message>
    <message>
        <source>Writing the animation...</source>
        <translation>正在写入动画...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Print Figure</source>
        <translation>打印插图</translation>
    </message>
    <message>
        <source>Could not print: %1.</source>
        <translation>无法打印：%1。</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Picture...</source>
        <translation>图片(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Sound...</source>
        <translation>声音(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Harmonics Table...</source>
        <translation>谐波表(&amp;H)...</translation>
    </message>
    <message>
        <source>Wave&amp;form Samples...</source>
        <translation>波形采样(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Animation...</source>
        <translation>动画(&amp;A)...</translation>
    </message>
    <message>
        <source>Fi&amp;gure (SVG, PDF)...</source>
        <translation>插图 (SVG, PDF)(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Copy &amp;Figure</source>
        <translation>复制插图(&amp;F)</translation>
    </message>
    <message>
        <source>Write what the window shows to a picture, sound, table, animation or figure file.</source>
        <translation>将窗口所示内容写入图片、声音、表格、动画或插图文件。</translation>
    </message>
    <message>
        <source>Save the plots as shown, as a PNG picture.</source>
        <translation>将图表按显示的样子保存为 PNG 图片。</translation>
    </message>
    <message>
        <source>Save the tone as a WAV file of the length you choose.</source>
        <translation>将声音保存为 WAV 文件，时长由您选择。</translation>
    </message>
    <message>
        <source>Save the magnitude and angle of every harmonic as a CSV table.</source>
        <translation>将每个谐波的幅值和相角保存为 CSV 表格。</translation>
    </message>
    <message>
        <source>Save the ideal and the reconstructed value at every time step as a CSV table.</source>
        <translation>将每个时间步的理想值和重建值保存为 CSV 表格。</translation>
    </message>
    <message>
        <source>Save one sweep as an animated GIF.</source>
        <translation>将一次扫描保存为 GIF 动画。</translation>
    </message>
    <message>
        <source>Save a labelled figure for handouts and slides, as SVG or PDF.</source>
        <translation>将带标注的插图保存为 SVG 或 PDF，用于讲义和幻灯片。</translation>
    </message>
    <message>
        <source>Print the figure and the table of the harmonics in use on one page.</source>
        <translation>在一页上打印插图和所用谐波的表格。</translation>
    </message>
    <message>
        <source>Copy the labelled figure, to paste into a document or a slide.</source>
        <translation>复制带标注的插图，以便粘贴到文档或幻灯片中。</translation>
    </message>
</context>
<context>
    <name>TFigureRenderer</name>
    <message>
        <source>two-sided</source>
        <translation>双边</translation>
    </message>
    <message>
        <source>one-sided</source>
        <translation>单边</translation>
    </message>
    <message>
        <source>%1, harmonic 0, step %2, %3</source>
        <translation>%1，谐波 0，时间步 %2，%3</translation>
    </message>
    <message>
        <source>%1, harmonics 0-%2, step %3, %4</source>
        <translation>%1，谐波 0-%2，时间步 %3，%4</translation>
    </message>
    <message>
        <source>Ideal wave</source>
        <translation>理想波形</translation>
    </message>
    <message>
        <source>Reconstruction</source>
        <translation>重构波形</translation>
    </message>
    <message>
        <source>Phasor chain</source>
        <translation>相量链</translation>
    </message>
    <message>
        <source>Mirror chain</source>
        <translation>镜像链</translation>
    </message>
    <message>
        <source>Trace of the tip</source>
        <translation>链端轨迹</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>第 %1 次谐波</translation>
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
        <translation>时间步</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>谐波</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>幅值</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>相角(°)</translation>
    </message>
    <message>
        <source>Magnitude (dB)</source>
        <translation>幅值(dB)</translation>
    </message>
    <message>
        <source>Phase (°)</source>
        <translation>相位(°)</translation>
    </message>
</context>
<context>
    <name>TFileText</name>
    <message>
        <source>the field %1%2 is missing</source>
        <translation>缺少%2字段 %1</translation>
    </message>
    <message>
        <source>the field %1%2 is not true or false</source>
        <translation>%2字段 %1 不是 true 或 false</translation>
    </message>
    <message>
        <source>the field %1%2 is not a whole number from %3 to %4</source>
        <translation>%2字段 %1 不是 %3 到 %4 之间的整数</translation>
    </message>
    <message>
        <source>the field %1%2 is not a finite number</source>
        <translation>%2字段 %1 不是有限数值</translation>
    </message>
    <message>
        <source>the field %1%2 is not a text of at most %3 characters</source>
        <translation>%2字段 %1 不是至多 %3 个字符的文本</translation>
    </message>
    <message>
        <source>the field %1%2 is not an object</source>
        <translation>%2字段 %1 不是对象</translation>
    </message>
    <message>
        <source>harmonic %1 has magnitude %2, beyond the editor&apos;s range of 0 to %3%4</source>
        <translation>第 %1 次谐波的幅值为 %2，超出编辑器的范围 0 到 %3%4</translation>
    </message>
    <message>
        <source> in the one-sided convention</source>
        <translation>（按单边谱约定）</translation>
    </message>
    <message>
        <source>the field &quot;entries&quot; is not a list</source>
        <translation>字段 &quot;entries&quot; 不是列表</translation>
    </message>
    <message>
        <source>it holds %1 entries instead of %2</source>
        <translation>文件含有 %1 个条目，而不是 %2 个</translation>
    </message>
    <message>
        <source> of entry %1</source>
        <translation>条目 %1 的</translation>
    </message>
    <message>
        <source>entry %1 has only one of &quot;magnitude_text&quot; and &quot;angle_text&quot;</source>
        <translation>条目 %1 只有 &quot;magnitude_text&quot; 和 &quot;angle_text&quot; 二者之一</translation>
    </message>
    <message>
        <source>the grid texts of entry %1 are not a magnitude and an angle in the editor&apos;s range</source>
        <translation>条目 %1 的表格文本不是编辑器范围内的幅值和相角</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>it ends too early (the file is truncated)</source>
        <translation>文件提前结束（文件已被截断）</translation>
    </message>
    <message>
        <source>it is neither a phasor set nor a harmonics table (not valid JSON: %1 at byte %2)</source>
        <translation>它既不是相量组也不是谐波表（不是有效的 JSON：第 %2 字节处 %1）</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set</source>
        <translation>它不是 Rotants 相量组</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (its format is &quot;%1&quot;)</source>
        <translation>它不是 Rotants 相量组（其格式为 &quot;%1&quot;）</translation>
    </message>
    <message>
        <source>it is not a Rotants phasor set (no &quot;format&quot; field)</source>
        <translation>它不是 Rotants 相量组（没有 &quot;format&quot; 字段）</translation>
    </message>
    <message>
        <source>its field &quot;version&quot; is not a whole number from 1 up</source>
        <translation>其字段 &quot;version&quot; 不是大于或等于 1 的整数</translation>
    </message>
    <message>
        <source>it was written by a newer version of Rotants (format version %1; this program reads version %2)</source>
        <translation>它由更新版本的 Rotants 写入（格式版本 %1；本程序读取版本 %2）</translation>
    </message>
    <message>
        <source>its waveform &quot;%1&quot; is not one of %2</source>
        <translation>其波形 &quot;%1&quot; 不是 %2 之一</translation>
    </message>
    <message>
        <source>the field &quot;drawn_period&quot; is not a list of %1 numbers</source>
        <translation>字段 &quot;drawn_period&quot; 不是由 %1 个数组成的列表</translation>
    </message>
    <message>
        <source>its first line is not the harmonics table&apos;s header &quot;%1&quot;</source>
        <translation>其第一行不是谐波表的表头 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has a real or imaginary part that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation>%1 的实部或虚部不是以“.”为小数点的有限数值</translation>
    </message>
    <message>
        <source>%1 has a magnitude or angle that is not a finite number with &apos;.&apos; as its decimal point</source>
        <translation>%1 的幅值或相角不是以“.”为小数点的有限数值</translation>
    </message>
    <message>
        <source>%1 has a magnitude below 0 or an angle outside -180 to 180</source>
        <translation>%1 的幅值小于 0，或相角超出 -180 到 180 的范围</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>这是文件夹，不是文件</translation>
    </message>
    <message>
        <source>it is larger than 1 MB (%1 bytes), too large for a phasor set</source>
        <translation>文件大于 1 MB（%1 字节），作为相量组过大</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>it is larger than 1 MB, too large for a phasor set</source>
        <translation>文件大于 1 MB，作为相量组过大</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>无法写入（%1）</translation>
    </message>
    <message>
        <source>it could not be written completely (%1); any earlier file of that name is unchanged</source>
        <translation>未能完整写入（%1）；原有的同名文件保持不变</translation>
    </message>
    <message>
        <source>it could not be written (%1); any earlier file of that name is unchanged</source>
        <translation>未能写入（%1）；原有的同名文件保持不变</translation>
    </message>
    <message>
        <source> (item %1)</source>
        <translation>（第 %1 项）</translation>
    </message>
    <message>
        <source>row %1 (harmonic %2)</source>
        <translation>第 %1 行（第 %2 次谐波）</translation>
    </message>
    <message>
        <source> in %1</source>
        <comment>a field of the object %1</comment>
        <translation>%1 中的</translation>
    </message>
    <message>
        <source>it holds %1 rows of harmonics instead of 1 to %2</source>
        <translation>文件含有 %1 行谐波，而不是 1 到 %2 行</translation>
    </message>
    <message>
        <source>row %1 does not hold a harmonic from 0 to %2 and its three or five columns</source>
        <translation>第 %1 行不是 0 到 %2 之间的一个谐波及其三列或五列</translation>
    </message>
    <message>
        <source>row %1 gives harmonic %2 a second time</source>
        <translation>第 %1 行再次给出第 %2 次谐波</translation>
    </message>
    <message>
        <source>the recording&apos;s name is empty or its fundamental lies outside %1 to %2 Hz</source>
        <translation>录音名称为空，或其基频超出 %1 到 %2 Hz 的范围</translation>
    </message>
</context>
<context>
    <name>TFilesPart</name>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>无法打开文件“%1”：%2。</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be saved: %2.</source>
        <translation>无法保存文件“%1”：%2。</translation>
    </message>
    <message>
        <source>Open Phasor Set</source>
        <translation>打开相量组</translation>
    </message>
    <message>
        <source>Save Phasor Set</source>
        <translation>保存相量组</translation>
    </message>
    <message>
        <source>Phasor sets (*.rotants)</source>
        <translation>相量组 (*.rotants)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>保存对%1的更改？</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>清空列表(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Start again from the state Rotants opens in.</source>
        <translation>从 Rotants 启动时的状态重新开始。</translation>
    </message>
    <message>
        <source>Open one of the last eight files.</source>
        <translation>打开最近的八个文件之一。</translation>
    </message>
    <message>
        <source>Empty the list of recent files.</source>
        <translation>清空最近文件列表。</translation>
    </message>
    <message>
        <source>Save the phasor set and the window&apos;s options in a phasor-set file (.rotants).</source>
        <translation>将相量组和窗口选项保存到相量组文件 (.rotants)。</translation>
    </message>
    <message>
        <source>Save the phasor set under a new name.</source>
        <translation>以新名称保存相量组。</translation>
    </message>
    <message>
        <source>Phasor sets, harmonics tables and recordings (*.rotants *.csv *.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;Phasor sets (*.rotants);;Harmonics tables (*.csv);;Recordings (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;All files (*)</source>
        <translation>相量组、谐波表和录音 (*.rotants *.csv *.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;相量组 (*.rotants);;谐波表 (*.csv);;录音 (*.wav *.flac *.ogg *.oga *.aif *.aiff *.aifc);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Open a phasor set (.rotants), a harmonics table (CSV) or a recording (WAV, FLAC, Ogg Vorbis, AIFF) to analyse.</source>
        <translation>打开相量组 (.rotants)、谐波表 (CSV) 或要分析的录音 (WAV, FLAC, Ogg Vorbis, AIFF)。</translation>
    </message>
    <message>
        <source>Save changes to the phasor set?</source>
        <translation>保存对相量组的更改？</translation>
    </message>
</context>
<context>
    <name>TManualWindow</name>
    <message>
        <source>Rotants Manual</source>
        <translation>Rotants 使用手册</translation>
    </message>
</context>
<context>
    <name>TPhasorDocument</name>
    <message>
        <source>Highest Harmonic %1</source>
        <translation>最高谐波次数 %1</translation>
    </message>
    <message>
        <source>Use Conjugate Rotants</source>
        <translation>使用共轭相量</translation>
    </message>
    <message>
        <source>Typed Harmonic %1</source>
        <translation>输入第 %1 次谐波</translation>
    </message>
    <message>
        <source>Custom Rotants</source>
        <translation>自定义相量</translation>
    </message>
    <message>
        <source>Custom Time</source>
        <translation>自定义时域波形</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>方波</translation>
    </message>
    <message>
        <source>Rectangular Pulse</source>
        <translation>矩形脉冲</translation>
    </message>
    <message>
        <source>Bipolar Pulse</source>
        <translation>双极性脉冲</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角波</translation>
    </message>
    <message>
        <source>Sawtooth</source>
        <translation>锯齿波</translation>
    </message>
    <message>
        <source>Rectified Cosine</source>
        <translation>整流余弦波</translation>
    </message>
    <message>
        <source>Impulse train</source>
        <translation>冲激串</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录音</translation>
    </message>
</context>
<context>
    <name>TPlaybackPart</name>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>Run the sweep through the time steps: the chain turns and the curve grows.</source>
        <translation>按时间步开始扫描：相量链旋转，曲线随之延伸。</translation>
    </message>
    <message>
        <source>Stop the sweep at the current time step.</source>
        <translation>在当前时间步停止扫描。</translation>
    </message>
    <message>
        <source>The time step, 0 to 511 (two periods); moving it redraws both plots.</source>
        <translation>时间步，0 到 511（两个周期）；拖动它会重绘两幅图。</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>时间步</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>速度 %1</translation>
    </message>
    <message>
        <source>Slowe&amp;r</source>
        <translation>减速(&amp;R)</translation>
    </message>
    <message>
        <source>Fas&amp;ter</source>
        <translation>加速(&amp;T)</translation>
    </message>
    <message>
        <source>Run the sweep more slowly: half, then a quarter of the normal speed, to talk over it. The tone stays as it is.</source>
        <translation>让扫描放慢：先减为正常速度的一半，再减为四分之一，便于边演示边讲解。声音保持不变。</translation>
    </message>
    <message>
        <source>Run the sweep faster, up to twice the normal speed.</source>
        <translation>让扫描加快，最高为正常速度的两倍。</translation>
    </message>
    <message>
        <source>The speed of the sweep against the normal one step every 10 ms (View &gt; Slower and Faster).</source>
        <translation>扫描速度与正常速度（每 10 毫秒一步）之比（视图 &gt; 减速、加速）。</translation>
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
        <translation>单击左键放置相量</translation>
    </message>
    <message>
        <source>Left-click and drag to create a waveform</source>
        <translation>按住左键拖动以绘制波形</translation>
    </message>
    <message>
        <source>Real axis</source>
        <translation>实轴</translation>
    </message>
    <message>
        <source>Imaginary axis</source>
        <translation>虚轴</translation>
    </message>
    <message>
        <source>Mouse position over the phasor plane: real part : imaginary part.</source>
        <translation>鼠标在相量平面上的位置：实部 : 虚部。</translation>
    </message>
    <message>
        <source>The current time step N, 0 to 511.</source>
        <translation>当前时间步 N，0 到 511。</translation>
    </message>
    <message>
        <source>Mouse position over the time plot: time step : value.</source>
        <translation>鼠标在时域图上的位置：时间步 : 数值。</translation>
    </message>
    <message>
        <source>The harmonic of the table&apos;s selected row, which Highlight Selected Harmonic and Play Selected Harmonic Alone are about.</source>
        <translation>表格中选中行的谐波，即“突出显示所选谐波”和“单独播放所选谐波”所针对的谐波。</translation>
    </message>
    <message>
        <source>Phasor plane</source>
        <translation>相量平面</translation>
    </message>
    <message>
        <source>Time plot</source>
        <translation>时域图</translation>
    </message>
    <message>
        <source>Coord: </source>
        <translation>坐标：</translation>
    </message>
    <message>
        <source>N: </source>
        <translation>N：</translation>
    </message>
    <message>
        <source>Root-mean-square difference over one period between the sum of the harmonics in use and the ideal wave, in the time plot&apos;s units; 0 is a perfect match.
&quot;Custom Rotants&quot; shows &quot;-&quot;: it has no ideal wave to compare with.</source>
        <translation>一个周期内所用谐波之和与理想波形之差的均方根值，单位与时域图相同；0 表示完全吻合。
“自定义相量”显示“-”：它没有可供比较的理想波形。</translation>
    </message>
    <message>
        <source>With the plot focused, the arrow keys, Page Up, Page Down, Home and End move the time step.</source>
        <translation>图表获得焦点时，方向键、Page Up、Page Down、Home 和 End 可移动时间步。</translation>
    </message>
    <message>
        <source>Phasor plane: click to place the next harmonic (1, 2, 3, ...) with its tip where you click, measured from the tip of the one placed before.</source>
        <translation>相量平面：单击即放置下一个谐波（1、2、3……），其末端位于单击处，从上一个谐波的末端量起。</translation>
    </message>
    <message>
        <source>Phasor plane: the chain of turning phasors, one per harmonic, at the current time step; the real part of its tip is the wave&apos;s value.</source>
        <translation>相量平面：当前时间步的旋转相量链，每个谐波一个相量；链末端的实部就是波形的值。</translation>
    </message>
    <message>
        <source>Time plot: hold a mouse button and drag across to draw one period; either half edits the same period. On release the drawing becomes the 26 harmonics.</source>
        <translation>时域图：按住鼠标按键并拖动以绘制一个周期；两半编辑的是同一个周期。松开后，所绘波形转换为 26 个谐波。</translation>
    </message>
    <message>
        <source>Time plot: two periods of the ideal wave in black and, in green, the sum of the harmonics from step 0 to the current one.</source>
        <translation>时域图：黑色为两个周期的理想波形，绿色为从第 0 步到当前步的谐波之和。</translation>
    </message>
    <message>
        <source>Phasor plane: %1 waveform, chain of harmonics 0 to %2 at step %3, its tip at real %4, imaginary %5</source>
        <translation>相量平面：波形“%1”，第 0 至 %2 次谐波组成的相量链，第 %3 步，末端位于实部 %4、虚部 %5</translation>
    </message>
    <message>
        <source>Time plot: %1 waveform from harmonics 0 to %2, step %3, value %4</source>
        <translation>时域图：波形“%1”，由第 0 至 %2 次谐波合成，第 %3 步，值 %4</translation>
    </message>
    <message>
        <source>Placed Harmonic %1</source>
        <translation>放置第 %1 次谐波</translation>
    </message>
    <message>
        <source>RMS error: -</source>
        <translation>均方根误差：-</translation>
    </message>
    <message>
        <source>RMS error: %1</source>
        <translation>均方根误差：%1</translation>
    </message>
    <message>
        <source>Harmonic %1: above the highest harmonic</source>
        <translation>第 %1 次谐波：高于最高谐波次数</translation>
    </message>
    <message>
        <source>Harmonic %1 alone</source>
        <translation>仅第 %1 次谐波</translation>
    </message>
    <message>
        <source>Harmonic %1</source>
        <translation>第 %1 次谐波</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>绘制</translation>
    </message>
    <message>
        <source>Under the mouse over the time plot: the ideal wave&apos;s value and the sum of the harmonics in use at that time step.</source>
        <translation>鼠标在时域图上所指时间步处：理想波形的值和所用谐波之和。</translation>
    </message>
    <message>
        <source>Ideal %1, sum %2</source>
        <translation>理想 %1，和 %2</translation>
    </message>
    <message>
        <source>Sum %1</source>
        <translation>和 %1</translation>
    </message>
</context>
<context>
    <name>TRecordingPart</name>
    <message>
        <source>Analyse what the microphone hears, ten times a second: the plots, the table, the spectrum and the tone follow. Unchecked, the last analysis stays.</source>
        <translation>每秒十次分析麦克风听到的声音：图表、表格、频谱和声音随之变化。取消勾选后，保留最后一次分析的结果。</translation>
    </message>
    <message>
        <source>Play Recording</source>
        <translation>播放录音</translation>
    </message>
    <message>
        <source>With Sound On, loop the part of the recording analysed in place of the sum, to compare the two.</source>
        <translation>声音开启时，循环播放录音中被分析的片段来代替谐波之和，以便比较两者。</translation>
    </message>
    <message>
        <source>The whole recording, with the part analysed marked. Drag the part, or click elsewhere, to analyse another.</source>
        <translation>整段录音，并标出被分析的片段。拖动该片段，或单击其他位置，即可分析另一片段。</translation>
    </message>
    <message>
        <source>Recording overview</source>
        <translation>录音概览</translation>
    </message>
    <message>
        <source>No sound input available</source>
        <translation>没有可用的声音输入</translation>
    </message>
    <message>
        <source>it is not a recording Rotants can read (WAV, FLAC, Ogg Vorbis or AIFF)</source>
        <translation>它不是 Rotants 能读取的录音（WAV、FLAC、Ogg Vorbis 或 AIFF）</translation>
    </message>
    <message>
        <source>the recording is empty</source>
        <translation>录音为空</translation>
    </message>
    <message>
        <source>the recording ends too early (the file is truncated)</source>
        <translation>录音提前结束（文件已被截断）</translation>
    </message>
    <message>
        <source>its sample rate lies outside 8 to 192 kHz</source>
        <translation>其采样率超出 8 到 192 kHz 的范围</translation>
    </message>
    <message>
        <source>the part asked for lies outside the recording</source>
        <translation>所要求的片段超出录音范围</translation>
    </message>
    <message>
        <source>the part is shorter than two periods of its pitch</source>
        <translation>片段短于两个基音周期</translation>
    </message>
    <message>
        <source>the part is silent</source>
        <translation>片段为静音</translation>
    </message>
    <message>
        <source>the part has no steady pitch between 50 and 2000 Hz</source>
        <translation>片段在 50 到 2000 Hz 之间没有稳定的音高</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录音</translation>
    </message>
    <message>
        <source>Microphone: %1 Hz</source>
        <translation>麦克风：%1 Hz</translation>
    </message>
    <message>
        <source>Microphone: listening</source>
        <translation>麦克风：正在监听</translation>
    </message>
    <message>
        <source>Recording: %1, %2 Hz</source>
        <translation>录音：%1，%2 Hz</translation>
    </message>
    <message>
        <source>The audio is not kept with a saved set: open the recording again to hear it or analyse another part.</source>
        <translation>保存的相量组不含音频：若要收听录音或分析另一片段，请重新打开录音。</translation>
    </message>
    <message>
        <source>Sum at %1 Hz</source>
        <translation>以 %1 Hz 播放谐波之和</translation>
    </message>
    <message>
        <source>Sum at the recording&apos;s pitch</source>
        <translation>以录音音高播放谐波之和</translation>
    </message>
    <message>
        <source>With Sound On, play the sum of the harmonics at the recording&apos;s fundamental instead of 441 Hz.</source>
        <translation>声音开启时，以录音的基频而不是 441 Hz 播放谐波之和。</translation>
    </message>
    <message>
        <source>Recording Part</source>
        <translation>录音片段</translation>
    </message>
    <message>
        <source>This part cannot be analysed: %1.</source>
        <translation>无法分析此片段：%1。</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Liste&amp;n</source>
        <translation>监听(&amp;N)</translation>
    </message>
</context>
<context>
    <name>TRotantsForm</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>视图(&amp;W)</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>编辑(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Highest Harmonic %1</source>
        <translation>最高谐波次数 %1</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>绘制</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>使用手册(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>键盘快捷键(&amp;K)</translation>
    </message>
    <message>
        <source>Close Rotants, after asking to save work done by hand.</source>
        <translation>关闭 Rotants；如有手工完成的内容，会先询问是否保存。</translation>
    </message>
    <message>
        <source>Take back the last change to the phasor set.</source>
        <translation>撤销对相量组的上一次更改。</translation>
    </message>
    <message>
        <source>Bring back the change last taken back.</source>
        <translation>恢复上一次撤销的更改。</translation>
    </message>
    <message>
        <source>Open the manual in the window&apos;s language.</source>
        <translation>以窗口当前语言打开使用手册。</translation>
    </message>
    <message>
        <source>List every keyboard shortcut of the window.</source>
        <translation>列出窗口的所有键盘快捷键。</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and credits.</source>
        <translation>显示程序的版本和致谢。</translation>
    </message>
</context>
<context>
    <name>TShapePart</name>
    <message>
        <source>Shape</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>Show a strip under the controls with two sliders that shape the standard waveforms: the pulses&apos; duty cycle and a time shift.</source>
        <translation>在控件下方显示一条带两个滑块的面板，用于调整标准波形：脉冲的占空比和时间平移。</translation>
    </message>
    <message>
        <source>Duty cycle:</source>
        <translation>占空比：</translation>
    </message>
    <message>
        <source>Time shift:</source>
        <translation>时间平移：</translation>
    </message>
    <message>
        <source>The width of the rectangular and bipolar pulses, 1 to 99 % of the period, their height kept. A narrower pulse spreads its spectrum under a wider sinc envelope.</source>
        <translation>矩形脉冲和双极性脉冲的宽度，为周期的 1% 到 99%，高度不变。脉冲越窄，其频谱在越宽的 sinc 包络下展开。</translation>
    </message>
    <message>
        <source>Duty cycle</source>
        <translation>占空比</translation>
    </message>
    <message>
        <source>Delays every standard waveform by -128 to 127 time steps. Every magnitude stays; harmonic k turns by k times the shift.</source>
        <translation>将每个标准波形延迟 -128 到 127 个时间步。各幅值不变；第 k 次谐波转过平移量的 k 倍。</translation>
    </message>
    <message>
        <source>Time shift</source>
        <translation>时间平移</translation>
    </message>
    <message>
        <source>Duty Cycle</source>
        <translation>占空比</translation>
    </message>
    <message>
        <source>Time Shift</source>
        <translation>时间平移</translation>
    </message>
</context>
<context>
    <name>TShortcutsDialog</name>
    <message>
        <source>One time step back</source>
        <translation>后退一个时间步</translation>
    </message>
    <message>
        <source>One time step forward</source>
        <translation>前进一个时间步</translation>
    </message>
    <message>
        <source>%1 time steps back</source>
        <translation>后退 %1 个时间步</translation>
    </message>
    <message>
        <source>%1 time steps forward</source>
        <translation>前进 %1 个时间步</translation>
    </message>
    <message>
        <source>First time step (0)</source>
        <translation>第一个时间步（0）</translation>
    </message>
    <message>
        <source>Last time step (%1)</source>
        <translation>最后一个时间步（%1）</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Phasor plane or time plot, when it has the focus</source>
        <translation>相量平面或时域图（获得焦点时）</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Spectrum strip, when it has the focus</source>
        <translation>频谱条（具有焦点时）</translation>
    </message>
    <message>
        <source>The harmonic before or after</source>
        <translation>上一个或下一个谐波</translation>
    </message>
    <message>
        <source>Its magnitude up or down by a row of the bars</source>
        <translation>其幅值按条形的一行升高或降低</translation>
    </message>
    <message>
        <source>Its angle up or down by %1°</source>
        <translation>其角度增加或减少 %1°</translation>
    </message>
</context>
<context>
    <name>TSoundPart</name>
    <message>
        <source>Sound On</source>
        <translation>开启声音</translation>
    </message>
    <message>
        <source>&amp;Play Selected Harmonic Alone</source>
        <translation>单独播放所选谐波(&amp;P)</translation>
    </message>
    <message>
        <source>With the sound on, play only the harmonic of the table&apos;s selected row.</source>
        <translation>声音开启时，只播放表格选中行的谐波。</translation>
    </message>
    <message>
        <source>No sound output available</source>
        <translation>没有可用的声音输出</translation>
    </message>
    <message>
        <source>Play the sum of the harmonics in use as a looping 441 Hz tone.</source>
        <translation>将所用谐波之和作为 441 Hz 的循环音调播放。</translation>
    </message>
</context>
<context>
    <name>TSpectrumPart</name>
    <message>
        <source>&amp;Spectrum</source>
        <translation>频谱(&amp;S)</translation>
    </message>
    <message>
        <source>Spectrum in &amp;Decibels</source>
        <translation>以分贝显示频谱(&amp;D)</translation>
    </message>
    <message>
        <source>Show a strip under the controls with one bar per harmonic: its magnitude and its angle.</source>
        <translation>在控件下方显示频谱条带，每个谐波一根柱：显示其幅值和相角。</translation>
    </message>
    <message>
        <source>Scale the spectrum&apos;s bars in decibels, over 60 dB.</source>
        <translation>以分贝刻度显示频谱柱，范围 60 dB。</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>频谱</translation>
    </message>
    <message>
        <source>Spectrum: one bar per harmonic, as tall as its magnitude, and under the bars a phase row marking its angle. Press a bar to select its harmonic, drag its top to set the magnitude, drag in the phase row to set the angle.</source>
        <translation>频谱：每个谐波一根柱，柱高为其幅值；柱下方的相位行标出其相角。按下柱可选中其谐波，拖动柱顶可设置幅值，在相位行中拖动可设置相角。</translation>
    </message>
    <message>
        <source>Dragged Phase of Harmonic %1</source>
        <translation>拖动第 %1 次谐波的相位</translation>
    </message>
    <message>
        <source>Dragged Harmonic %1</source>
        <translation>拖动第 %1 次谐波</translation>
    </message>
    <message>
        <source>Spectrum: %1 waveform, harmonics 0 to %2, the strongest harmonic %3 with magnitude %4; selected harmonic %5: magnitude %6, angle %7°</source>
        <translation>频谱：波形“%1”，第 0 至 %2 次谐波，最强为第 %3 次谐波，幅值 %4；选中第 %5 次谐波：幅值 %6，相角 %7°</translation>
    </message>
    <message>
        <source>Harmonic %1: %2 at %3°</source>
        <translation>第 %1 次谐波：%2，角度 %3°</translation>
    </message>
    <message>
        <source>, above the highest harmonic</source>
        <translation>，高于最高谐波</translation>
    </message>
    <message>
        <source>; the target&apos;s outline: magnitude %1, angle %2°</source>
        <translation>；目标轮廓：幅值 %1，相角 %2°</translation>
    </message>
</context>
<context>
    <name>TViewPart</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>系统语言(&amp;S)</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>退出全屏</translation>
    </message>
    <message>
        <source>The size the window is shown at.</source>
        <translation>窗口当前的显示大小。</translation>
    </message>
    <message>
        <source>Show the whole window larger, for a projector.</source>
        <translation>放大整个窗口，便于投影。</translation>
    </message>
    <message>
        <source>Show the whole window smaller.</source>
        <translation>缩小整个窗口。</translation>
    </message>
    <message>
        <source>Show the window at its own size, 100 %.</source>
        <translation>以原始大小（100%）显示窗口。</translation>
    </message>
    <message>
        <source>Fill the screen with the window; Esc leaves full screen.</source>
        <translation>让窗口铺满屏幕；按 Esc 退出全屏。</translation>
    </message>
    <message>
        <source>Choose the language of every text of the program.</source>
        <translation>选择程序所有文字的语言。</translation>
    </message>
    <message>
        <source>Follow the system&apos;s language.</source>
        <translation>跟随系统语言。</translation>
    </message>
    <message>
        <source>Show every text in this language; remembered for the next start.</source>
        <translation>以此语言显示所有文字；下次启动时仍然生效。</translation>
    </message>
    <message>
        <source>Zoom: %1 %</source>
        <translation>缩放：%1%</translation>
    </message>
    <message>
        <source>&amp;Highlight Selected Harmonic</source>
        <translation>突出显示所选谐波(&amp;H)</translation>
    </message>
    <message>
        <source>Show &amp;Error</source>
        <translation>显示误差(&amp;E)</translation>
    </message>
    <message>
        <source>Draw the harmonic of the table&apos;s selected row in amber: its segment of the chain and its own sinusoid.</source>
        <translation>用琥珀色绘制表格选中行的谐波：它在相量链中的一段及其自身的正弦曲线。</translation>
    </message>
    <message>
        <source>Show in the status bar how far the sum of the harmonics is from the ideal wave (RMS error).</source>
        <translation>在状态栏中显示谐波之和与理想波形的偏差（均方根误差）。</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>坐标轴(&amp;X)</translation>
    </message>
    <message>
        <source>Number the axes inside the phasor plane and the time plot: values -1 to 1 and time steps 0 to 511.</source>
        <translation>在相量平面和时域图内标注坐标轴：数值 -1 到 1，时间步 0 到 511。</translation>
    </message>
</context>
</TS>
