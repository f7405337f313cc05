<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Δ</source>
        <translation>Δ</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>カーソル</translation>
    </message>
    <message>
        <source>%1s %2ms</source>
        <comment>Seconds and milliseconds of a time in the panel</comment>
        <translation>%1s %2ms</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>As the name of the time row</comment>
        <translation>時間</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>作成日時:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>ユーザー:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>座標:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>設定セット:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>モーター極数:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>基準エネルギー:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>記録周波数:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>ハードウェアバージョン:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>ファームウェアバージョン:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>ブートローダーバージョン:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>ESC ファームウェアバージョン:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1 Wh</source>
        <translation>%1 Wh</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Error reading log file</source>
        <translation>ログファイルの読み込みエラー</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>ファイルが破損しているか、サポートされていません</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>セッション</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>設定セット</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>ファイルを開く...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>名前なし</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (レース未完了)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>このファイルはログファイルではありません。</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>不明なエラーです。</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>ログを開く</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>ログ %1 を開けません。
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>ログファイルを選択してください</translation>
    </message>
</context>
<context>
    <name>OpenLogWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation>ファイルの関連付け</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>.verira ファイルを Tracelens に関連付けますか?</translation>
    </message>
</context>
</TS>
