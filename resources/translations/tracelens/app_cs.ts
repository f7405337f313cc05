<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Prům.</translation>
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
        <translation>Kurzor</translation>
    </message>
    <message>
        <source>%1s %2ms</source>
        <comment>Seconds and milliseconds of a time in the panel</comment>
        <translation>%1s %2ms</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>As the name of the time row</comment>
        <translation>Čas</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>Vytvořeno:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Uživatel:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Souřadnice:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>Sada nastavení:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Póly motoru:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>Referenční energie:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Frekvence záznamu:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Verze hardwaru:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Verze firmwaru:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>Verze zavaděče:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>Verze firmwaru ESC:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámé</translation>
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
        <translation>Chyba při čtení souboru záznamu</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>Soubor je poškozen nebo není podporován</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>Procházet</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Složka</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Relace</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Uživatel</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>Sada nastavení</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>Vytvořeno</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Otevřít soubor...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>Bez názvu</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (nedokončený závod)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Soubor neexistuje.</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>Soubor není souborem záznamu.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Neznámá chyba.</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>Otevření záznamu</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>Záznam %1 nelze otevřít.
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>Vyberte soubor záznamu</translation>
    </message>
</context>
<context>
    <name>OpenLogWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation>Přidružení souborů</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>Chcete přidružit soubory .verira k aplikaci Tracelens?</translation>
    </message>
</context>
</TS>
