<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>AdvertisedStatus</name>
        <message>
            <source>Limited</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Race</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Error</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ready</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Start overvoltage!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>End undervoltage!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>RED WIRE BROKEN!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ok</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Not supported</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Disabled</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Enabled</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Active</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Voltage reverse!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Calibrate error</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Current reverse!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Self test error</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Calibrated: %1.%2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>RAR-I mini</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No limits!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Test only!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>User mode%1</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>DFUUpdater</name>
        <message>
            <source>Select init data partition</source>
            <translation>初期化データ領域を選択</translation>
        </message>
        <message>
            <source>Create init data partition</source>
            <translation>初期化データ領域を作成</translation>
        </message>
        <message>
            <source>Set PRN mode</source>
            <translation>PRN モードを設定</translation>
        </message>
        <message>
            <source>Upload init data</source>
            <translation>初期化データをアップロード</translation>
        </message>
        <message>
            <source>Check init data</source>
            <translation>初期化データを確認</translation>
        </message>
        <message>
            <source>Execute init update</source>
            <translation>初期化の更新を実行</translation>
        </message>
        <message>
            <source>Select main data partition</source>
            <translation>メインデータ領域を選択</translation>
        </message>
        <message>
            <source>Create main data partition</source>
            <translation>メインデータ領域を作成</translation>
        </message>
        <message>
            <source>Upload main firmware</source>
            <translation>メインファームウェアをアップロード</translation>
        </message>
        <message>
            <source>Check main firmware</source>
            <translation>メインファームウェアを確認</translation>
        </message>
        <message>
            <source>Execute firmware update</source>
            <translation>ファームウェアの更新を実行</translation>
        </message>
        <message>
            <source>Unknown state: %1</source>
            <translation>不明な状態: %1</translation>
        </message>
        <message>
            <source>Writing to the bootloader failed: %1</source>
            <translation>ブートローダーへの書き込みに失敗しました: %1</translation>
        </message>
        <message>
            <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
            <translation>%1 への応答が短すぎます: %2 バイト (%3 バイト必要) (%4)</translation>
        </message>
        <message>
            <source>Select response incorrect size: %1 instead of 15</source>
            <translation>Select 応答のサイズが正しくありません: %1 (15 が必要)</translation>
        </message>
        <message>
            <source>Select response incorrect header: %1 %2 instead of 6 1</source>
            <translation>Select 応答のヘッダーが正しくありません: %1 %2 (6 1 が必要)</translation>
        </message>
        <message>
            <source>Create response incorrect header: %1 %2 instead of 1 1</source>
            <translation>Create 応答のヘッダーが正しくありません: %1 %2 (1 1 が必要)</translation>
        </message>
        <message>
            <source>Unexpected response for Set PRN command: %1</source>
            <translation>Set PRN コマンドへの予期しない応答: %1</translation>
        </message>
        <message>
            <source>Unexpected data in upload state: %1</source>
            <translation>アップロード中に予期しないデータ: %1</translation>
        </message>
        <message>
            <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
            <translation>CRC32 が正しくありません
 期待値: %1
受信値: %2</translation>
        </message>
        <message>
            <source>Unexpected response for execute state: %1</source>
            <translation>実行段階での予期しない応答: %1</translation>
        </message>
        <message>
            <source>Execute response incorrect result: %1 instead of 1</source>
            <translation>Execute 応答の結果が正しくありません: %1 (1 が必要)</translation>
        </message>
    </context>
    <context>
        <name>FirmwareDownloader</name>
        <message>
            <source>Incorrect remote data format.
Expected array.</source>
            <translation>リモートデータの形式が正しくありません。
配列が必要です。</translation>
        </message>
        <message>
            <source>Incorrect remote data. No firmware info received</source>
            <translation>リモートデータが正しくありません。ファームウェア情報を受信していません</translation>
        </message>
        <message>
            <source>Error loading firmware file: %1</source>
            <translation>ファームウェアファイルの読み込みエラー: %1</translation>
        </message>
        <message>
            <source>Cannot save firmware file, please download it manually</source>
            <translation>ファームウェアファイルを保存できません。手動でダウンロードしてください</translation>
        </message>
        <message>
            <source>Firmware file corrupted, can't update</source>
            <translation>ファームウェアファイルが破損しているため、更新できません</translation>
        </message>
    </context>
    <context>
        <name>LimiterDevice</name>
        <message>
            <source>Connection Error</source>
            <translation>接続エラー</translation>
        </message>
        <message>
            <source>Failed to connect to the device. Please try again.</source>
            <translation>デバイスに接続できませんでした。もう一度お試しください。</translation>
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
        <name>LogFile</name>
        <message>
            <source>NoDate</source>
            <translation>日付なし</translation>
        </message>
        <message>
            <source>No folder for log files is set.</source>
            <translation>ログファイルのフォルダーが設定されていません。</translation>
        </message>
        <message>
            <source>Cannot create the folder %1.</source>
            <translation>フォルダー %1 を作成できません。</translation>
        </message>
        <message>
            <source>Cannot write the log file %1: %2</source>
            <translation>ログファイル %1 を書き込めません: %2</translation>
        </message>
        <message>
            <source>Cannot write the CSV file %1: %2</source>
            <translation>CSV ファイル %1 を書き込めません: %2</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Gearwarden</source>
            <translation>Gearwarden</translation>
        </message>
        <message>
            <source>Application log</source>
            <translation>アプリケーションログ</translation>
        </message>
    </context>
</TS>
