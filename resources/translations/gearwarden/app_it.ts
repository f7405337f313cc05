<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
            <translation>Selezione partizione dati di inizializzazione</translation>
        </message>
        <message>
            <source>Create init data partition</source>
            <translation>Creazione partizione dati di inizializzazione</translation>
        </message>
        <message>
            <source>Set PRN mode</source>
            <translation>Impostazione modalità PRN</translation>
        </message>
        <message>
            <source>Upload init data</source>
            <translation>Caricamento dati di inizializzazione</translation>
        </message>
        <message>
            <source>Check init data</source>
            <translation>Verifica dati di inizializzazione</translation>
        </message>
        <message>
            <source>Execute init update</source>
            <translation>Esecuzione aggiornamento di inizializzazione</translation>
        </message>
        <message>
            <source>Select main data partition</source>
            <translation>Selezione partizione dati principale</translation>
        </message>
        <message>
            <source>Create main data partition</source>
            <translation>Creazione partizione dati principale</translation>
        </message>
        <message>
            <source>Upload main firmware</source>
            <translation>Caricamento firmware principale</translation>
        </message>
        <message>
            <source>Check main firmware</source>
            <translation>Verifica firmware principale</translation>
        </message>
        <message>
            <source>Execute firmware update</source>
            <translation>Esecuzione aggiornamento firmware</translation>
        </message>
        <message>
            <source>Unknown state: %1</source>
            <translation>Stato sconosciuto: %1</translation>
        </message>
        <message>
            <source>Writing to the bootloader failed: %1</source>
            <translation>Scrittura nel bootloader non riuscita: %1</translation>
        </message>
        <message>
            <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
            <translation>Risposta a %1 troppo corta: %2 byte invece di %3 (%4)</translation>
        </message>
        <message>
            <source>Select response incorrect size: %1 instead of 15</source>
            <translation>Dimensione della risposta Select errata: %1 invece di 15</translation>
        </message>
        <message>
            <source>Select response incorrect header: %1 %2 instead of 6 1</source>
            <translation>Intestazione della risposta Select errata: %1 %2 invece di 6 1</translation>
        </message>
        <message>
            <source>Create response incorrect header: %1 %2 instead of 1 1</source>
            <translation>Intestazione della risposta Create errata: %1 %2 invece di 1 1</translation>
        </message>
        <message>
            <source>Unexpected response for Set PRN command: %1</source>
            <translation>Risposta inattesa al comando Set PRN: %1</translation>
        </message>
        <message>
            <source>Unexpected data in upload state: %1</source>
            <translation>Dati inattesi durante il caricamento: %1</translation>
        </message>
        <message>
            <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
            <translation>CRC32 non corretto
 Atteso: %1
Ricevuto: %2</translation>
        </message>
        <message>
            <source>Unexpected response for execute state: %1</source>
            <translation>Risposta inattesa nella fase di esecuzione: %1</translation>
        </message>
        <message>
            <source>Execute response incorrect result: %1 instead of 1</source>
            <translation>Risultato della risposta Execute errato: %1 invece di 1</translation>
        </message>
    </context>
    <context>
        <name>FirmwareDownloader</name>
        <message>
            <source>Incorrect remote data format.
Expected array.</source>
            <translation>Formato dei dati remoti non corretto.
Atteso un array.</translation>
        </message>
        <message>
            <source>Incorrect remote data. No firmware info received</source>
            <translation>Dati remoti non corretti. Nessuna informazione sul firmware ricevuta</translation>
        </message>
        <message>
            <source>Error loading firmware file: %1</source>
            <translation>Errore durante il caricamento del file firmware: %1</translation>
        </message>
        <message>
            <source>Cannot save firmware file, please download it manually</source>
            <translation>Impossibile salvare il file firmware, scaricarlo manualmente</translation>
        </message>
        <message>
            <source>Firmware file corrupted, can't update</source>
            <translation>File firmware danneggiato, impossibile aggiornare</translation>
        </message>
    </context>
    <context>
        <name>LimiterDevice</name>
        <message>
            <source>Connection Error</source>
            <translation>Errore di connessione</translation>
        </message>
        <message>
            <source>Failed to connect to the device. Please try again.</source>
            <translation>Impossibile connettersi al dispositivo. Riprova.</translation>
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
        <name>LogFile</name>
        <message>
            <source>NoDate</source>
            <translation>SenzaData</translation>
        </message>
        <message>
            <source>No folder for log files is set.</source>
            <translation>Nessuna cartella impostata per i file di log.</translation>
        </message>
        <message>
            <source>Cannot create the folder %1.</source>
            <translation>Impossibile creare la cartella %1.</translation>
        </message>
        <message>
            <source>Cannot write the log file %1: %2</source>
            <translation>Impossibile scrivere il file di log %1: %2</translation>
        </message>
        <message>
            <source>Cannot write the CSV file %1: %2</source>
            <translation>Impossibile scrivere il file CSV %1: %2</translation>
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
            <translation>Registro applicazione</translation>
        </message>
    </context>
</TS>
