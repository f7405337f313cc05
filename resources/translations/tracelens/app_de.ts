<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Mittel</translation>
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
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>Erstellt am:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Koordinaten:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>Einstellungssatz:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Motorpole:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>Energiereferenz:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Aufzeichnungsfrequenz:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Hardwareversion:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Firmwareversion:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>Bootloader-Version:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>ESC-Firmwareversion:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
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
        <translation>Fehler beim Lesen der Logdatei</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>Datei ist beschädigt oder wird nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>Einstellungssatz</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>Erstellt am</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Datei öffnen...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>Ohne Namen</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (Rennen nicht vollständig)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>Die Datei ist keine Logdatei.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>Log öffnen</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>Das Log %1 kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>Bitte Logdatei auswählen</translation>
    </message>
</context>
<context>
    <name>OpenLogWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation>Dateizuordnung</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>Sollen .verira-Dateien mit Tracelens verknüpft werden?</translation>
    </message>
</context>
</TS>
