<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>&apos;%1 --help&apos; で使い方を表示します。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション：</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>使い方：%1 [オプション]</translation>
    </message>
    <message>
        <source>Type VOLTS into the &quot;Bias (V)&quot; box.</source>
        <translation>「バイアス (V)」欄に 電圧 を入力します。</translation>
    </message>
    <message>
        <source>VOLTS</source>
        <translation>電圧</translation>
    </message>
    <message>
        <source>Click &quot;Start&quot; once the window is up.</source>
        <translation>ウィンドウが開いたら「スタート」を押します。</translation>
    </message>
    <message>
        <source>Begin paused (Alt+K resumes, Alt+L steps).</source>
        <translation>一時停止した状態で始めます (Alt+K で再開、Alt+L で 1 ステップ)。</translation>
    </message>
    <message>
        <source>Run at FACTOR times the normal speed: 0.25, 0.5, 1, 2 or 4 (the nearest of these).</source>
        <translation>通常の 倍率 倍の速さで実行します：0.25、0.5、1、2、4 (最も近い値)。</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <translation>倍率</translation>
    </message>
    <message>
        <source>Show the window FACTOR times its size: 1, 1.25, 1.5, 2, 2.5, 3 or 4 (the nearest of these).</source>
        <translation>ウィンドウを 倍率 倍の大きさで表示します：1、1.25、1.5、2、2.5、3、4 (最も近い値)。</translation>
    </message>
    <message>
        <source>Fill the screen with the window, scaled to fit.</source>
        <translation>ウィンドウを画面に合わせて拡大し、全画面で表示します。</translation>
    </message>
    <message>
        <source>Replay a saved run from FILE first, then go on live from its end.</source>
        <translation>保存した実行を ファイル から再生し、その終わりから続けます。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Show the window in LANGUAGE: en (English), ja (Japanese) or design (the captions as designed, English and Japanese). Without it, the desktop&apos;s language when that is English or Japanese, otherwise the design.</source>
        <translation>ウィンドウを 言語 で表示します：en (英語)、ja (日本語)、design (設計どおりの英語と日本語)。指定がなければ、デスクトップの言語が英語か日本語ならその言語、それ以外は設計どおりです。</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>--bias needs a number of volts, not &apos;%1&apos;</source>
        <translation>--bias には電圧の数値が必要です (&apos;%1&apos; は数値ではありません)</translation>
    </message>
    <message>
        <source>--%1 needs a positive number, not &apos;%2&apos;</source>
        <translation>--%1 には正の数が必要です (&apos;%2&apos; は使えません)</translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation>スクリプト %1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>--lang needs en, ja or design, not &apos;%1&apos;</source>
        <translation>--lang には en、ja、design のいずれかが必要です (&apos;%1&apos; は使えません)</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>この説明を表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Kestrel Sim: an animation of a p-n junction&apos;s band diagram and carriers.</source>
        <translation>Kestrel Sim：p-n 接合のバンド図とキャリアのアニメーション。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>余分な引数 &apos;%1&apos; があります</translation>
    </message>
    <message>
        <source>Write the whole run to FILE as a script when the program ends, however it ends.</source>
        <translation>プログラムが終了するとき（終了の仕方によらず）、実行全体をスクリプトとして ファイル に書き出します。</translation>
    </message>
    <message>
        <source>cannot record the run in %1: %2</source>
        <translation>%1 に実行を記録できません：%2</translation>
    </message>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 は一度しか指定できません</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> or </source>
        <translation> または </translation>
    </message>
</context>
<context>
    <name>RunFiles</name>
    <message>
        <source>Save picture as PNG</source>
        <translation>画像を PNG で保存</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Save run as script</source>
        <translation>実行をスクリプトとして保存</translation>
    </message>
    <message>
        <source>Kestrel scripts (*.replay);;Text files (*.txt)</source>
        <translation>Kestrel スクリプト (*.replay);;テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>Open saved script</source>
        <translation>保存したスクリプトを開く</translation>
    </message>
    <message>
        <source>Kestrel scripts (*.replay *.txt);;All files (*)</source>
        <translation>Kestrel スクリプト (*.replay *.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Export readouts as CSV</source>
        <translation>読み取り値を CSV で書き出す</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>its folder does not exist or cannot be written</source>
        <translation>フォルダーが存在しないか書き込めません</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>%1 MB より大きいファイルです</translation>
    </message>
    <message>
        <source>Save the I–V chart</source>
        <translation>I–V グラフを保存</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;SVG pictures (*.svg)</source>
        <translation>PNG 画像 (*.png);;SVG 画像 (*.svg)</translation>
    </message>
</context>
<context>
    <name>actions</name>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Carry on</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Pause the run, or carry on</source>
        <translation>実行を一時停止／再開</translation>
    </message>
    <message>
        <source>One step (pauses first)</source>
        <translation>1 ステップ（先に一時停止）</translation>
    </message>
    <message>
        <source>One step of 50 ms; a running run pauses first</source>
        <translation>50 ms の 1 ステップ。実行中なら先に一時停止</translation>
    </message>
    <message>
        <source>Slower (now %1)</source>
        <translation>遅く (現在 %1)</translation>
    </message>
    <message>
        <source>Slower: ¼×, ½×, 1×, 2×, 4×</source>
        <translation>遅く：¼×、½×、1×、2×、4×</translation>
    </message>
    <message>
        <source>Faster (now %1)</source>
        <translation>速く (現在 %1)</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>速く</translation>
    </message>
    <message>
        <source>Zoom in (now %1)</source>
        <translation>拡大 (現在 %1)</translation>
    </message>
    <message>
        <source>Zoom in: 100% to 400%</source>
        <translation>拡大：100% ～ 400%</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>実寸</translation>
    </message>
    <message>
        <source>Actual size (100%)</source>
        <translation>実寸 (100%)</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Full screen, the window scaled to fit</source>
        <translation>全画面 (ウィンドウを画面に合わせて拡大)</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>全画面を終了</translation>
    </message>
    <message>
        <source>Leave full screen (or F11 again)</source>
        <translation>全画面を終了 (F11 をもう一度押しても可)</translation>
    </message>
    <message>
        <source>Save picture as PNG…</source>
        <translation>画像を PNG で保存…</translation>
    </message>
    <message>
        <source>Save the picture as PNG</source>
        <translation>画像を PNG で保存</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>Copy the picture</source>
        <translation>画像をクリップボードにコピー</translation>
    </message>
    <message>
        <source>Save run as script…</source>
        <translation>実行をスクリプトとして保存…</translation>
    </message>
    <message>
        <source>Save the run as a script</source>
        <translation>実行をスクリプトとして保存</translation>
    </message>
    <message>
        <source>Open saved script…</source>
        <translation>保存したスクリプトを開く…</translation>
    </message>
    <message>
        <source>Open a saved script and go on from its end</source>
        <translation>保存したスクリプトを開き、その終わりから続ける</translation>
    </message>
    <message>
        <source>Export readouts as CSV…</source>
        <translation>読み取り値を CSV で書き出す…</translation>
    </message>
    <message>
        <source>Export the readouts as CSV</source>
        <translation>読み取り値を CSV で書き出す</translation>
    </message>
    <message>
        <source>I–V chart</source>
        <translation>I–V グラフ</translation>
    </message>
    <message>
        <source>The current against the bias (I–V chart)</source>
        <translation>バイアスに対する電流 (I–V グラフ)</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー一覧</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>このキー一覧</translation>
    </message>
    <message>
        <source>Clear the I–V chart</source>
        <translation>I–V グラフを消去</translation>
    </message>
    <message>
        <source>Clear the I–V chart (the readouts are kept for export)</source>
        <translation>I–V グラフを消去（読み値は書き出し用に残す）</translation>
    </message>
    <message>
        <source>Classroom panel</source>
        <translation>授業用パネル</translation>
    </message>
    <message>
        <source>Large buttons, a bias slider and the run&apos;s status</source>
        <translation>大きなボタン、バイアスのスライダー、実行の状態</translation>
    </message>
    <message>
        <source>What you see</source>
        <translation>画面の見方</translation>
    </message>
    <message>
        <source>What the picture shows and what the readout counts</source>
        <translation>図が表すものと読み値が数えるもの</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>1 ステップ</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>遅く</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>Copy this set-up</source>
        <translation>この設定をコピー</translation>
    </message>
    <message>
        <source>Copy this run&apos;s set-up (bias, Start, pause, speed, zoom): a link in the browser, a command line on the desktop</source>
        <translation>この実行の設定（バイアス、スタート、一時停止、速度、拡大）をコピー：ブラウザではリンク、デスクトップではコマンド行</translation>
    </message>
</context>
<context>
    <name>boxes</name>
    <message>
        <source>温度(K)</source>
        <translation>温度 (K)</translation>
    </message>
    <message>
        <source>Fermi level (eV), n side</source>
        <translation>フェルミ準位 (eV)、n 側</translation>
    </message>
    <message>
        <source>Fermi level (eV), p side</source>
        <translation>フェルミ準位 (eV)、p 側</translation>
    </message>
    <message>
        <source>Bias (V)</source>
        <translation>バイアス (V)</translation>
    </message>
    <message>
        <source>電子数</source>
        <translation>電子数</translation>
    </message>
    <message>
        <source>正孔数</source>
        <translation>正孔数</translation>
    </message>
    <message>
        <source>Current (mA)</source>
        <translation>電流 (mA)</translation>
    </message>
    <message>
        <source>電子濃度</source>
        <translation>電子濃度</translation>
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
        <translation>フェルミ準位 (eV)</translation>
    </message>
    <message>
        <source>Bias (V)</source>
        <translation>バイアス (V)</translation>
    </message>
    <message>
        <source>Current (mA)</source>
        <translation>電流(mA)</translation>
    </message>
    <message>
        <source>Attention：&#x3000;This is just for have an image of p-n junction. So, the current value is not correct.</source>
        <translation>注意：p-n接合のイメージ用です。電流値は正確ではありません。</translation>
    </message>
    <message>
        <source>温度(K)</source>
        <translation>温度/K</translation>
    </message>
    <message>
        <source>電子数</source>
        <translation>電子数</translation>
    </message>
    <message>
        <source>正孔数</source>
        <translation>正孔数</translation>
    </message>
    <message>
        <source>電子濃度</source>
        <translation>電子濃度</translation>
    </message>
    <message>
        <source>p形</source>
        <translation>p形</translation>
    </message>
    <message>
        <source>n形</source>
        <translation>n形</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>リスタート</translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>Band diagram of the p-n junction</source>
        <translation>p-n 接合のバンド図</translation>
    </message>
    <message>
        <source>The bands without bias, and no carriers yet: Start places them.</source>
        <translation>バイアスなしのバンドで、キャリアはまだありません。スタートで配置します。</translation>
    </message>
    <message>
        <source>Bias %1 V, none: the barrier stands at its own height.</source>
        <translation>バイアス %1 V、なし：障壁は本来の高さです。</translation>
    </message>
    <message>
        <source>Bias %1 V, forward: the barrier is lowered.</source>
        <translation>バイアス %1 V、順方向：障壁が下がっています。</translation>
    </message>
    <message>
        <source>Bias %1 V, reverse: the barrier is raised.</source>
        <translation>バイアス %1 V、逆方向：障壁が上がっています。</translation>
    </message>
    <message>
        <source>Electrons: %1, holes: %2.</source>
        <translation>電子 %1 個、正孔 %2 個。</translation>
    </message>
    <message>
        <source>Current (mA): %1.</source>
        <translation>電流 (mA)：%1。</translation>
    </message>
</context>
<context>
    <name>errors</name>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1：「%2」は数値ではありません。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is outside the range -32768 to 32767.</source>
        <translation>%1：「%2」は -32768～32767 の範囲外です。</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフロー</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>添字が範囲外です</translation>
    </message>
    <message>
        <source>Floating-point overflow</source>
        <translation>浮動小数点オーバーフロー</translation>
    </message>
    <message>
        <source>Invalid floating-point operation</source>
        <translation>無効な浮動小数点演算</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0 による除算</translation>
    </message>
</context>
<context>
    <name>explain</name>
    <message>
        <source>The picture</source>
        <translation>図の見方</translation>
    </message>
    <message>
        <source>Readout (net carriers crossing in 10 s)</source>
        <translation>読み値（10 秒間に横切ったキャリアの正味の数）</translation>
    </message>
    <message>
        <source>Forward bias</source>
        <translation>順バイアス</translation>
    </message>
    <message>
        <source>A forward bias (a positive number in &quot;Bias (V)&quot;) moves the p side&apos;s levels down toward the n side&apos;s: the barrier gets lower and the depletion region narrower. Many more electrons now wander from the n side over to the p side, and holes the other way. The contacts replace the carriers that left, so the readout grows with the bias: about 107 at 0.3 V, about 204 at 0.59 V.</source>
        <translation>順バイアス（「バイアス (V)」欄に正の数）をかけると、p 側の準位が n 側に近づくように下がり、障壁が低く、空乏層が狭くなります。すると n 側から p 側へ移る電子と、p 側から n 側へ移る正孔がずっと多くなります。電極が出ていったキャリアを補うので、読み値はバイアスとともに増えます。0.3 V でおよそ 107、0.59 V でおよそ 204 です。</translation>
    </message>
    <message>
        <source>Reverse bias</source>
        <translation>逆バイアス</translation>
    </message>
    <message>
        <source>A reverse bias (a negative number) lifts the p side&apos;s levels: the barrier gets higher and the depletion region wider, and hardly any carrier gets across. The contacts now take out more carriers than they bring in, and the readout falls below zero.</source>
        <translation>逆バイアス（負の数）をかけると、p 側の準位が上がり、障壁が高く、空乏層が広くなって、接合を越えるキャリアはほとんどなくなります。電極が入れるより多くのキャリアを取り出すので、読み値は 0 より小さくなります。</translation>
    </message>
    <message>
        <source>Every 10 s the box labelled &quot;Current (mA)&quot; shows this count for the last 10 s: +1 for each carrier a contact brings in, −1 for each one it takes out, and +1 for each pair made by heat outside the depletion region. It is a count in the model&apos;s own units, not milliamperes. This simple model shows the direction and the trend, not the diode law: it reads about +16 at 0 V, where a real diode carries no current, and its reverse readings do not level off (about −12.5 at −0.7 V), where a real diode&apos;s would stay small and steady.</source>
        <translation>「電流(mA)」欄には 10 秒ごとに、直前の 10 秒間のこの数が出ます。電極が入れたキャリア 1 個につき +1、取り出した 1 個につき −1、空乏層の外で熱によってできた対 1 組につき +1 です。単位はこのモデル独自の個数で、ミリアンペアではありません。この簡単なモデルが示すのは向きと傾向で、ダイオードの法則ではありません。本物のダイオードでは電流が流れない 0 V でもおよそ +16 を示し、本物なら小さく一定になる逆方向の値も頭打ちになりません（−0.7 V でおよそ −12.5）。</translation>
    </message>
    <message>
        <source>Electron: a black dot, on or above the conduction-band edge.</source>
        <translation>電子：黒い点。伝導帯の下端の線上か、それより上にあります。</translation>
    </message>
    <message>
        <source>Hole: a white dot, on or below the valence-band edge.</source>
        <translation>正孔：白い点。価電子帯の上端の線上か、それより下にあります。</translation>
    </message>
    <message>
        <source>Generation (red line): heat has made an electron–hole pair here. It shows for 0.2 s.</source>
        <translation>生成（赤い線）：ここで熱によって電子と正孔の対ができました。0.2 秒間表示されます。</translation>
    </message>
    <message>
        <source>Recombination (blue line): an electron and a hole met here and vanished. It shows for 0.2 s.</source>
        <translation>再結合（青い線）：ここで電子と正孔が出会って消えました。0.2 秒間表示されます。</translation>
    </message>
    <message>
        <source>Conduction-band edge: the upper solid line. Higher on the screen is higher energy for an electron.</source>
        <translation>伝導帯の下端：上の実線。画面の上ほど、電子のエネルギーが高くなります。</translation>
    </message>
    <message>
        <source>Valence-band edge: the lower solid line. Holes move on or below it.</source>
        <translation>価電子帯の上端：下の実線。正孔はこの線上か、それより下を動きます。</translation>
    </message>
    <message>
        <source>Fermi levels (dash-dot), one on each side: level at 0 V; a bias of 0.5 V sets them 0.5 eV apart.</source>
        <translation>フェルミ準位（一点鎖線）：両側に 1 本ずつ。0 V でそろい、0.5 V のバイアスで 0.5 eV ずれます。</translation>
    </message>
    <message>
        <source>Depletion region: where the edges slope, between the n side (left) and the p side (right); its barrier pushes carriers back.</source>
        <translation>空乏層：n 側（左）と p 側（右）の間で、帯の端が傾いている所。その障壁がキャリアを押し戻します。</translation>
    </message>
    <message>
        <source>Contacts: the diode&apos;s ends, wired to the battery. Electrons enter and leave at the left (n) end, holes at the right (p) end.</source>
        <translation>電極：電池につながるダイオードの両端。電子は左端（n 側）で、正孔は右端（p 側）で出入りします。</translation>
    </message>
</context>
<context>
    <name>host</name>
    <message>
        <source>Run-time error: %1. The program ends.</source>
        <translation>実行時エラー：%1。プログラムを終了します。</translation>
    </message>
    <message>
        <source>%1, line %2: %3: %4. The run was not opened; the class&apos;s run goes on as it was.</source>
        <translation>%1、%2 行目：%3：%4。この実行は開きませんでした。授業の実行はそのまま続きます。</translation>
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
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>速度 %1</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>拡大率 %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 を開いています…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>kestrel::ui::IvChartWindow</name>
    <message>
        <source>I–V chart – %1</source>
        <translation>I–V グラフ – %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
</context>
<context>
    <name>kestrel::ui::KeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>キー一覧</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>機能</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>働き</translation>
    </message>
    <message>
        <source>Kestrel Sim has ended.</source>
        <translation>Kestrel Sim は終了しました。</translation>
    </message>
    <message>
        <source>Save this run</source>
        <translation>この実行を保存</translation>
    </message>
    <message>
        <source>Run it again</source>
        <translation>もう一度実行</translation>
    </message>
    <message>
        <source>End this run?</source>
        <translation>この実行を終了しますか？</translation>
    </message>
    <message>
        <source>This run has readouts. Save it before it ends, to open it again later?</source>
        <translation>この実行には読み値があります。後でまた開けるように、終了する前に保存しますか？</translation>
    </message>
    <message>
        <source>Save the run and end</source>
        <translation>保存して終了</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>保存せずに終了</translation>
    </message>
    <message>
        <source>Go on with the run</source>
        <translation>実行を続ける</translation>
    </message>
    <message>
        <source>A link to this set-up is copied:</source>
        <translation>この設定へのリンクをコピーしました：</translation>
    </message>
</context>
<context>
    <name>readout</name>
    <message>
        <source>Readout (net carriers crossing in 10 s)</source>
        <translation>読み値（10 秒間に横切ったキャリアの正味の数）</translation>
    </message>
    <message>
        <source>Full readout (10 s)</source>
        <translation>完全な読み値（10 秒間）</translation>
    </message>
    <message>
        <source>Partial: the first after a set-up, under 10 s</source>
        <translation>部分的：設定直後の最初の読み値（10 秒未満）</translation>
    </message>
    <message>
        <source>No readouts yet: press &quot;Start&quot;; a readout comes every 10 s</source>
        <translation>読み値はまだありません：「スタート」を押すと、10 秒ごとに読み値が出ます</translation>
    </message>
</context>
<context>
    <name>script</name>
    <message>
        <source>type needs a box Text1 to Text7</source>
        <translation>type には Text1～Text7 のボックスが必要です</translation>
    </message>
    <message>
        <source>click needs a button Command1 to Command3</source>
        <translation>click には Command1～Command3 のボタンが必要です</translation>
    </message>
    <message>
        <source>tick count must be a whole number</source>
        <translation>tick の回数は整数でなければなりません</translation>
    </message>
    <message>
        <source>tick needs a timer Timer1 to Timer4</source>
        <translation>tick には Timer1～Timer4 のタイマーが必要です</translation>
    </message>
    <message>
        <source>picture needs a file name</source>
        <translation>picture にはファイル名が必要です</translation>
    </message>
    <message>
        <source>not a command</source>
        <translation>コマンドではありません</translation>
    </message>
    <message>
        <source>the run clicks &quot;Close&quot;, which would end the program</source>
        <translation>この実行は「終了」をクリックし、プログラムを終了させます</translation>
    </message>
    <message>
        <source>the run ends in a run-time error: %1</source>
        <translation>この実行は実行時エラーで終わります：%1</translation>
    </message>
    <message>
        <source>the script is longer than 64 MB</source>
        <translation>スクリプトが 64 MB を超えています</translation>
    </message>
    <message>
        <source>the line is longer than 256 KB</source>
        <translation>行が 256 KB を超えています</translation>
    </message>
    <message>
        <source>a line may tick at most 72000 times</source>
        <translation>1 行で刻めるのは 72000 回までです</translation>
    </message>
    <message>
        <source>the script would tick more than 360000 times in all</source>
        <translation>スクリプト全体で 360000 回を超えて刻むことになります</translation>
    </message>
    <message>
        <source>the run would hold more than 100000 readouts</source>
        <translation>実行の読み取りが 100000 件を超えることになります</translation>
    </message>
    <message>
        <source>picture needs a file name of printable UTF-8 characters</source>
        <translation>picture には表示できる UTF-8 の文字だけのファイル名が必要です</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>bias needs a number of volts, not %1</source>
        <translation>bias にはボルト単位の数値が必要です（%1 ではなく）</translation>
    </message>
    <message>
        <source>%1 needs a positive number, not %2</source>
        <translation>%1 には正の数が必要です（%2 ではなく）</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Behind: the machine cannot keep up</source>
        <translation>遅れ：処理が追いついていません</translation>
    </message>
</context>
</TS>
