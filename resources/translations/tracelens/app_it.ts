<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Media</translation>
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
        <translation>Cursore</translation>
    </message>
    <message>
        <source>%1s %2ms</source>
        <comment>Seconds and milliseconds of a time in the panel</comment>
        <translation>%1s %2ms</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>As the name of the time row</comment>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>Creato il:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordinate:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>Set di impostazioni:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Poli del motore:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>Riferimento energia:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Frequenza di registrazione:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Versione hardware:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Versione firmware:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>Versione bootloader:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>Versione firmware ESC:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
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
        <translation>Errore di lettura del file di log</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>Il file è danneggiato o non supportato</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessione</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>Set di impostazioni</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>Creato il</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Apri file...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (gara non completa)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>Il file non è un file di log.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Errore sconosciuto.</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>Apri log</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>Impossibile aprire il log %1.
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>Selezionare il file di log</translation>
    </message>
</context>
<context>
    <name>OpenLogWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation>Associazione file</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>Associare i file .verira a Tracelens?</translation>
    </message>
</context>
</TS>
