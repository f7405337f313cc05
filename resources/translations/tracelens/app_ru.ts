<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Wh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
