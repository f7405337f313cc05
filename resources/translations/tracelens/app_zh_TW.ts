<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Δ</source>
        <translation>Δ</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>游標</translation>
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
        <translation>表單</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>建立時間：</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>使用者：</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>座標：</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>設定組：</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>馬達極數：</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>能量基準：</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>記錄頻率：</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>硬體版本：</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>韌體版本：</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>開機載入程式版本：</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>ESC 韌體版本：</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
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
        <translation>讀取記錄檔時發生錯誤</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>檔案已損毀或不受支援</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>場次</translation>
    </message>
    <message>
        <source>User</source>
        <translation>使用者</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>設定組</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>建立時間</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>開啟檔案...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>未命名</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (比賽未完成)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>檔案不存在。</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>此檔案不是記錄檔。</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>未知的錯誤。</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>開啟記錄</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>無法開啟記錄 %1。
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>請選擇記錄檔</translation>
    </message>
</context>
<context>
    <name>OpenLogWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation>檔案關聯</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>是否要將 .verira 檔案與 Tracelens 建立關聯？</translation>
    </message>
</context>
</TS>
