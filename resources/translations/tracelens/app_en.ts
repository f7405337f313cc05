<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Avg</translation>
    </message>
    <message>
        <source>Δ</source>
        <translation>Δ</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>%1s %2ms</source>
        <comment>Seconds and milliseconds of a time in the panel</comment>
        <translation>%1s %2ms</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>As the name of the time row</comment>
        <translation>Time</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>Created at:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordinates:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>Settings set:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Motor poles:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>Energy reference:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Log frequency:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Hardware version:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>Booloader version:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>esc fw version:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
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
        <translation>Error reading log file</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>File is corrupted or unsupported</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>Settings set</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>Created at</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Open file...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>No Name</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (not complete race)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>The file is not a log file.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unknown error.</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>Open log</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>The log %1 cannot be opened.
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>Please select log file</translation>
    </message>
</context>
<context>
    <name>OpenLogWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation>File Association</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>Do you want to associate .verira files with Tracelens?</translation>
    </message>
</context>
</TS>
