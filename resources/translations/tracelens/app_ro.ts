<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
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
        <translation>Medie</translation>
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
        <translation>Timp</translation>
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
        <translation>Creat la:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utilizator:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordonate:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>Set de setări:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Poli motor:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>Referință energie:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Frecvență înregistrare:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Versiune hardware:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Versiune firmware:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>Versiune bootloader:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>Versiune firmware ESC:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
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
        <translation>Eroare la citirea fișierului jurnal</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>Fișierul este deteriorat sau neacceptat</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>Răsfoire</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizează</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesiune</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilizator</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>Set de setări</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>Creat la</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Deschide fișier...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>Fără nume</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (cursă incompletă)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Fișierul nu există.</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>Fișierul nu este un fișier jurnal.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Eroare necunoscută.</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>Deschidere jurnal</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>Jurnalul %1 nu poate fi deschis.
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>Selectați fișierul jurnal</translation>
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
        <translation>Asociere fișiere</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>Doriți să asociați fișierele .verira cu Tracelens?</translation>
    </message>
</context>
</TS>
