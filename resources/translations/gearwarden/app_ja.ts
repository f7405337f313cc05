<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>DFUUpdater</name>
        <message>
            <source>Select init data partition</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Create init data partition</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Set PRN mode</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Upload init data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Check init data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Execute init update</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select main data partition</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Create main data partition</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Upload main firmware</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Check main firmware</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Execute firmware update</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Unknown state: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Writing to the bootloader failed: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select response incorrect size: %1 instead of 15</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select response incorrect header: %1 %2 instead of 6 1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Create response incorrect header: %1 %2 instead of 1 1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Unexpected response for Set PRN command: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Unexpected data in upload state: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Unexpected response for execute state: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Execute response incorrect result: %1 instead of 1</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>FirmwareDownloader</name>
        <message>
            <source>Incorrect remote data format.
Expected array.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Incorrect remote data. No firmware info received</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Error loading firmware file: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cannot save firmware file, please download it manually</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Firmware file corrupted, can't update</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>LogDescriptionWidget</name>
        <message>
            <source>Form</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Created at:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>User:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Coordinates:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Settings set:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Motor poles:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Energy reference:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Log frequency:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hardware version:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Firmware version:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Booloader version:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>esc fw version:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Unknown</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 Wh</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 Hz</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Error reading log file</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>File is corrupted or unsupported</source>
            <translation type="unfinished" />
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
