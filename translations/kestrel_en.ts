<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Try &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>Type VOLTS into the &quot;Bias (V)&quot; box.</source>
        <translation>Type VOLTS into the &quot;Bias (V)&quot; box.</translation>
    </message>
    <message>
        <source>VOLTS</source>
        <translation>VOLTS</translation>
    </message>
    <message>
        <source>Click &quot;Start&quot; once the window is up.</source>
        <translation>Click &quot;Start&quot; once the window is up.</translation>
    </message>
    <message>
        <source>Begin paused (Alt+K resumes, Alt+L steps).</source>
        <translation>Begin paused (Alt+K resumes, Alt+L steps).</translation>
    </message>
    <message>
        <source>Run at FACTOR times the normal speed: 0.25, 0.5, 1, 2 or 4 (the nearest of these).</source>
        <translation>Run at FACTOR times the normal speed: 0.25, 0.5, 1, 2 or 4 (the nearest of these).</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <translation>FACTOR</translation>
    </message>
    <message>
        <source>Show the window FACTOR times its size: 1, 1.25, 1.5, 2, 2.5, 3 or 4 (the nearest of these).</source>
        <translation>Show the window FACTOR times its size: 1, 1.25, 1.5, 2, 2.5, 3 or 4 (the nearest of these).</translation>
    </message>
    <message>
        <source>Fill the screen with the window, scaled to fit.</source>
        <translation>Fill the screen with the window, scaled to fit.</translation>
    </message>
    <message>
        <source>Replay a saved run from FILE first, then go on live from its end.</source>
        <translation>Replay a saved run from FILE first, then go on live from its end.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Show the window in LANGUAGE: en (English), ja (Japanese) or design (the captions as designed, English and Japanese). Without it, the desktop&apos;s language when that is English or Japanese, otherwise the design.</source>
        <translation>Show the window in LANGUAGE: en (English), ja (Japanese) or design (the captions as designed, English and Japanese). Without it, the desktop&apos;s language when that is English or Japanese, otherwise the design.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>--bias needs a number of volts, not &apos;%1&apos;</source>
        <translation>--bias needs a number of volts, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1 needs a positive number, not &apos;%2&apos;</source>
        <translation>--%1 needs a positive number, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation>cannot read the script %1: %2</translation>
    </message>
    <message>
        <source>--lang needs en, ja or design, not &apos;%1&apos;</source>
        <translation>--lang needs en, ja or design, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Kestrel Sim: an animation of a p-n junction&apos;s band diagram and carriers.</source>
        <translation>Kestrel Sim: an animation of a p-n junction&apos;s band diagram and carriers.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Write the whole run to FILE as a script when the program ends, however it ends.</source>
        <translation>Write the whole run to FILE as a script when the program ends, however it ends.</translation>
    </message>
    <message>
        <source>cannot record the run in %1: %2</source>
        <translation>cannot record the run in %1: %2</translation>
    </message>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 may be given only once</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> or </source>
        <translation> or </translation>
    </message>
</context>
<context>
    <name>RunFiles</name>
    <message>
        <source>Save picture as PNG</source>
        <translation>Save picture as PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Save run as script</source>
        <translation>Save run as script</translation>
    </message>
    <message>
        <source>Kestrel scripts (*.replay);;Text files (*.txt)</source>
        <translation>Kestrel scripts (*.replay);;Text files (*.txt)</translation>
    </message>
    <message>
        <source>Open saved script</source>
        <translation>Open saved script</translation>
    </message>
    <message>
        <source>Kestrel scripts (*.replay *.txt);;All files (*)</source>
        <translation>Kestrel scripts (*.replay *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Export readouts as CSV</source>
        <translation>Export readouts as CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>its folder does not exist or cannot be written</source>
        <translation>its folder does not exist or cannot be written</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>it is larger than %1 MB</translation>
    </message>
    <message>
        <source>Save the I–V chart</source>
        <translation>Save the I–V chart</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;SVG pictures (*.svg)</source>
        <translation>PNG pictures (*.png);;SVG pictures (*.svg)</translation>
    </message>
</context>
<context>
    <name>actions</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Carry on</source>
        <translation>Carry on</translation>
    </message>
    <message>
        <source>Pause the run, or carry on</source>
        <translation>Pause the run, or carry on</translation>
    </message>
    <message>
        <source>One step (pauses first)</source>
        <translation>One step (pauses first)</translation>
    </message>
    <message>
        <source>One step of 50 ms; a running run pauses first</source>
        <translation>One step of 50 ms; a running run pauses first</translation>
    </message>
    <message>
        <source>Slower (now %1)</source>
        <translation>Slower (now %1)</translation>
    </message>
    <message>
        <source>Slower: ¼×, ½×, 1×, 2×, 4×</source>
        <translation>Slower: ¼×, ½×, 1×, 2×, 4×</translation>
    </message>
    <message>
        <source>Faster (now %1)</source>
        <translation>Faster (now %1)</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Zoom in (now %1)</source>
        <translation>Zoom in (now %1)</translation>
    </message>
    <message>
        <source>Zoom in: 100% to 400%</source>
        <translation>Zoom in: 100% to 400%</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>Actual size (100%)</source>
        <translation>Actual size (100%)</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Full screen, the window scaled to fit</source>
        <translation>Full screen, the window scaled to fit</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Leave full screen</translation>
    </message>
    <message>
        <source>Leave full screen (or F11 again)</source>
        <translation>Leave full screen (or F11 again)</translation>
    </message>
    <message>
        <source>Save picture as PNG…</source>
        <translation>Save picture as PNG…</translation>
    </message>
    <message>
        <source>Save the picture as PNG</source>
        <translation>Save the picture as PNG</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Copy the picture</source>
        <translation>Copy the picture</translation>
    </message>
    <message>
        <source>Save run as script…</source>
        <translation>Save run as script…</translation>
    </message>
    <message>
        <source>Save the run as a script</source>
        <translation>Save the run as a script</translation>
    </message>
    <message>
        <source>Open saved script…</source>
        <translation>Open saved script…</translation>
    </message>
    <message>
        <source>Open a saved script and go on from its end</source>
        <translation>Open a saved script and go on from its end</translation>
    </message>
    <message>
        <source>Export readouts as CSV…</source>
        <translation>Export readouts as CSV…</translation>
    </message>
    <message>
        <source>Export the readouts as CSV</source>
        <translation>Export the readouts as CSV</translation>
    </message>
    <message>
        <source>I–V chart</source>
        <translation>I–V chart</translation>
    </message>
    <message>
        <source>The current against the bias (I–V chart)</source>
        <translation>The current against the bias (I–V chart)</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>This list of keys</translation>
    </message>
    <message>
        <source>Clear the I–V chart</source>
        <translation>Clear the I–V chart</translation>
    </message>
    <message>
        <source>Clear the I–V chart (the readouts are kept for export)</source>
        <translation>Clear the I–V chart (the readouts are kept for export)</translation>
    </message>
    <message>
        <source>Classroom panel</source>
        <translation>Classroom panel</translation>
    </message>
    <message>
        <source>Large buttons, a bias slider and the run&apos;s status</source>
        <translation>Large buttons, a bias slider and the run&apos;s status</translation>
    </message>
    <message>
        <source>What you see</source>
        <translation>What you see</translation>
    </message>
    <message>
        <source>What the picture shows and what the readout counts</source>
        <translation>What the picture shows and what the readout counts</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Copy this set-up</source>
        <translation>Copy this set-up</translation>
    </message>
    <message>
        <source>Copy this run&apos;s set-up (bias, Start, pause, speed, zoom): a link in the browser, a command line on the desktop</source>
        <translation>Copy this run&apos;s set-up (bias, Start, pause, speed, zoom): a link in the browser, a command line on the desktop</translation>
    </message>
</context>
<context>
    <name>boxes</name>
    <message>
        <source>温度(K)</source>
        <translation>Temperature (K)</translation>
    </message>
    <message>
        <source>Fermi level (eV), n side</source>
        <translation>Fermi level (eV), n side</translation>
    </message>
    <message>
        <source>Fermi level (eV), p side</source>
        <translation>Fermi level (eV), p side</translation>
    </message>
    <message>
        <source>Bias (V)</source>
        <translation>Bias (V)</translation>
    </message>
    <message>
        <source>電子数</source>
        <translation>Electrons</translation>
    </message>
    <message>
        <source>正孔数</source>
        <translation>Holes</translation>
    </message>
    <message>
        <source>Current (mA)</source>
        <translation>Current (mA)</translation>
    </message>
    <message>
        <source>電子濃度</source>
        <translation>Electron density</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Kestrel Sim&#x3000;Ver.β</source>
        <translation>Kestrel Sim&#x3000;Ver.β</translation>
    </message>
    <message>
        <source>Fermi level (eV)</source>
        <translation>Fermi level (eV)</translation>
    </message>
    <message>
        <source>Bias (V)</source>
        <translation>Bias (V)</translation>
    </message>
    <message>
        <source>Current (mA)</source>
        <translation>I (mA)</translation>
    </message>
    <message>
        <source>Attention：&#x3000;This is just for have an image of p-n junction. So, the current value is not correct.</source>
        <translation>Only an image of a p-n junction; the current value is not correct.</translation>
    </message>
    <message>
        <source>温度(K)</source>
        <translation>T (K)</translation>
    </message>
    <message>
        <source>電子数</source>
        <translation>Electr.</translation>
    </message>
    <message>
        <source>正孔数</source>
        <translation>Holes</translation>
    </message>
    <message>
        <source>電子濃度</source>
        <translation>n</translation>
    </message>
    <message>
        <source>p形</source>
        <translation>p</translation>
    </message>
    <message>
        <source>n形</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>Band diagram of the p-n junction</source>
        <translation>Band diagram of the p-n junction</translation>
    </message>
    <message>
        <source>The bands without bias, and no carriers yet: Start places them.</source>
        <translation>The bands without bias, and no carriers yet: Start places them.</translation>
    </message>
    <message>
        <source>Bias %1 V, none: the barrier stands at its own height.</source>
        <translation>Bias %1 V, none: the barrier stands at its own height.</translation>
    </message>
    <message>
        <source>Bias %1 V, forward: the barrier is lowered.</source>
        <translation>Bias %1 V, forward: the barrier is lowered.</translation>
    </message>
    <message>
        <source>Bias %1 V, reverse: the barrier is raised.</source>
        <translation>Bias %1 V, reverse: the barrier is raised.</translation>
    </message>
    <message>
        <source>Electrons: %1, holes: %2.</source>
        <translation>Electrons: %1, holes: %2.</translation>
    </message>
    <message>
        <source>Current (mA): %1.</source>
        <translation>Current (mA): %1.</translation>
    </message>
</context>
<context>
    <name>errors</name>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is outside the range -32768 to 32767.</source>
        <translation>%1: &quot;%2&quot; is outside the range -32768 to 32767.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscript out of range</translation>
    </message>
    <message>
        <source>Floating-point overflow</source>
        <translation>Floating-point overflow</translation>
    </message>
    <message>
        <source>Invalid floating-point operation</source>
        <translation>Invalid floating-point operation</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division by zero</translation>
    </message>
</context>
<context>
    <name>explain</name>
    <message>
        <source>The picture</source>
        <translation>The picture</translation>
    </message>
    <message>
        <source>Readout (net carriers crossing in 10 s)</source>
        <translation>Readout (net carriers crossing in 10 s)</translation>
    </message>
    <message>
        <source>Forward bias</source>
        <translation>Forward bias</translation>
    </message>
    <message>
        <source>A forward bias (a positive number in &quot;Bias (V)&quot;) moves the p side&apos;s levels down toward the n side&apos;s: the barrier gets lower and the depletion region narrower. Many more electrons now wander from the n side over to the p side, and holes the other way. The contacts replace the carriers that left, so the readout grows with the bias: about 107 at 0.3 V, about 204 at 0.59 V.</source>
        <translation>A forward bias (a positive number in &quot;Bias (V)&quot;) moves the p side&apos;s levels down toward the n side&apos;s: the barrier gets lower and the depletion region narrower. Many more electrons now wander from the n side over to the p side, and holes the other way. The contacts replace the carriers that left, so the readout grows with the bias: about 107 at 0.3 V, about 204 at 0.59 V.</translation>
    </message>
    <message>
        <source>Reverse bias</source>
        <translation>Reverse bias</translation>
    </message>
    <message>
        <source>A reverse bias (a negative number) lifts the p side&apos;s levels: the barrier gets higher and the depletion region wider, and hardly any carrier gets across. The contacts now take out more carriers than they bring in, and the readout falls below zero.</source>
        <translation>A reverse bias (a negative number) lifts the p side&apos;s levels: the barrier gets higher and the depletion region wider, and hardly any carrier gets across. The contacts now take out more carriers than they bring in, and the readout falls below zero.</translation>
    </message>
    <message>
        <source>Every 10 s the box labelled &quot;Current (mA)&quot; shows this count for the last 10 s: +1 for each carrier a contact brings in, −1 for each one it takes out, and +1 for each pair made by heat outside the depletion region. It is a count in the model&apos;s own units, not milliamperes. This simple model shows the direction and the trend, not the diode law: it reads about +16 at 0 V, where a real diode carries no current, and its reverse readings do not level off (about −12.5 at −0.7 V), where a real diode&apos;s would stay small and steady.</source>
        <translation>Every 10 s the box labelled &quot;Current (mA)&quot; shows this count for the last 10 s: +1 for each carrier a contact brings in, −1 for each one it takes out, and +1 for each pair made by heat outside the depletion region. It is a count in the model&apos;s own units, not milliamperes. This simple model shows the direction and the trend, not the diode law: it reads about +16 at 0 V, where a real diode carries no current, and its reverse readings do not level off (about −12.5 at −0.7 V), where a real diode&apos;s would stay small and steady.</translation>
    </message>
    <message>
        <source>Electron: a black dot, on or above the conduction-band edge.</source>
        <translation>Electron: a black dot, on or above the conduction-band edge.</translation>
    </message>
    <message>
        <source>Hole: a white dot, on or below the valence-band edge.</source>
        <translation>Hole: a white dot, on or below the valence-band edge.</translation>
    </message>
    <message>
        <source>Generation (red line): heat has made an electron–hole pair here. It shows for 0.2 s.</source>
        <translation>Generation (red line): heat has made an electron–hole pair here. It shows for 0.2 s.</translation>
    </message>
    <message>
        <source>Recombination (blue line): an electron and a hole met here and vanished. It shows for 0.2 s.</source>
        <translation>Recombination (blue line): an electron and a hole met here and vanished. It shows for 0.2 s.</translation>
    </message>
    <message>
        <source>Conduction-band edge: the upper solid line. Higher on the screen is higher energy for an electron.</source>
        <translation>Conduction-band edge: the upper solid line. Higher on the screen is higher energy for an electron.</translation>
    </message>
    <message>
        <source>Valence-band edge: the lower solid line. Holes move on or below it.</source>
        <translation>Valence-band edge: the lower solid line. Holes move on or below it.</translation>
    </message>
    <message>
        <source>Fermi levels (dash-dot), one on each side: level at 0 V; a bias of 0.5 V sets them 0.5 eV apart.</source>
        <translation>Fermi levels (dash-dot), one on each side: level at 0 V; a bias of 0.5 V sets them 0.5 eV apart.</translation>
    </message>
    <message>
        <source>Depletion region: where the edges slope, between the n side (left) and the p side (right); its barrier pushes carriers back.</source>
        <translation>Depletion region: where the edges slope, between the n side (left) and the p side (right); its barrier pushes carriers back.</translation>
    </message>
    <message>
        <source>Contacts: the diode&apos;s ends, wired to the battery. Electrons enter and leave at the left (n) end, holes at the right (p) end.</source>
        <translation>Contacts: the diode&apos;s ends, wired to the battery. Electrons enter and leave at the left (n) end, holes at the right (p) end.</translation>
    </message>
</context>
<context>
    <name>host</name>
    <message>
        <source>Run-time error: %1. The program ends.</source>
        <translation>Run-time error: %1. The program ends.</translation>
    </message>
    <message>
        <source>%1, line %2: %3: %4. The run was not opened; the class&apos;s run goes on as it was.</source>
        <translation>%1, line %2: %3: %4. The run was not opened; the class&apos;s run goes on as it was.</translation>
    </message>
</context>
<context>
    <name>kestrel::ui::ClassroomPanel</name>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
</context>
<context>
    <name>kestrel::ui::FormWindow</name>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Speed %1</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Zoom %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Opening %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kestrel::ui::IvChartWindow</name>
    <message>
        <source>I–V chart – %1</source>
        <translation>I–V chart – %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>kestrel::ui::KeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>What it does</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>What it does</translation>
    </message>
    <message>
        <source>Kestrel Sim has ended.</source>
        <translation>Kestrel Sim has ended.</translation>
    </message>
    <message>
        <source>Save this run</source>
        <translation>Save this run</translation>
    </message>
    <message>
        <source>Run it again</source>
        <translation>Run it again</translation>
    </message>
    <message>
        <source>End this run?</source>
        <translation>End this run?</translation>
    </message>
    <message>
        <source>This run has readouts. Save it before it ends, to open it again later?</source>
        <translation>This run has readouts. Save it before it ends, to open it again later?</translation>
    </message>
    <message>
        <source>Save the run and end</source>
        <translation>Save the run and end</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>End without saving</translation>
    </message>
    <message>
        <source>Go on with the run</source>
        <translation>Go on with the run</translation>
    </message>
    <message>
        <source>A link to this set-up is copied:</source>
        <translation>A link to this set-up is copied:</translation>
    </message>
</context>
<context>
    <name>readout</name>
    <message>
        <source>Readout (net carriers crossing in 10 s)</source>
        <translation>Readout (net carriers crossing in 10 s)</translation>
    </message>
    <message>
        <source>Full readout (10 s)</source>
        <translation>Full readout (10 s)</translation>
    </message>
    <message>
        <source>Partial: the first after a set-up, under 10 s</source>
        <translation>Partial: the first after a set-up, under 10 s</translation>
    </message>
    <message>
        <source>No readouts yet: press &quot;Start&quot;; a readout comes every 10 s</source>
        <translation>No readouts yet: press &quot;Start&quot;; a readout comes every 10 s</translation>
    </message>
</context>
<context>
    <name>script</name>
    <message>
        <source>type needs a box Text1 to Text7</source>
        <translation>type needs a box Text1 to Text7</translation>
    </message>
    <message>
        <source>click needs a button Command1 to Command3</source>
        <translation>click needs a button Command1 to Command3</translation>
    </message>
    <message>
        <source>tick count must be a whole number</source>
        <translation>tick count must be a whole number</translation>
    </message>
    <message>
        <source>tick needs a timer Timer1 to Timer4</source>
        <translation>tick needs a timer Timer1 to Timer4</translation>
    </message>
    <message>
        <source>picture needs a file name</source>
        <translation>picture needs a file name</translation>
    </message>
    <message>
        <source>not a command</source>
        <translation>not a command</translation>
    </message>
    <message>
        <source>the run clicks &quot;Close&quot;, which would end the program</source>
        <translation>the run clicks &quot;Close&quot;, which would end the program</translation>
    </message>
    <message>
        <source>the run ends in a run-time error: %1</source>
        <translation>the run ends in a run-time error: %1</translation>
    </message>
    <message>
        <source>the script is longer than 64 MB</source>
        <translation>the script is longer than 64 MB</translation>
    </message>
    <message>
        <source>the line is longer than 256 KB</source>
        <translation>the line is longer than 256 KB</translation>
    </message>
    <message>
        <source>a line may tick at most 72000 times</source>
        <translation>a line may tick at most 72000 times</translation>
    </message>
    <message>
        <source>the script would tick more than 360000 times in all</source>
        <translation>the script would tick more than 360000 times in all</translation>
    </message>
    <message>
        <source>the run would hold more than 100000 readouts</source>
        <translation>the run would hold more than 100000 readouts</translation>
    </message>
    <message>
        <source>picture needs a file name of printable UTF-8 characters</source>
        <translation>picture needs a file name of printable UTF-8 characters</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>bias needs a number of volts, not %1</source>
        <translation>bias needs a number of volts, not %1</translation>
    </message>
    <message>
        <source>%1 needs a positive number, not %2</source>
        <translation>%1 needs a positive number, not %2</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Behind: the machine cannot keep up</source>
        <translation>Behind: the machine cannot keep up</translation>
    </message>
</context>
</TS>
