<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>Limitato</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Gara</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>Sovratensione all’avvio!</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>Sottotensione alla fine!</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>CAVO DI SEGNALE ESC COLLEGATO MALE!</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>FILO ROSSO INTERROTTO!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Non supportato</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>Tensione invertita!</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>Errore di calibrazione</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>Corrente invertita!</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>Errore dell’autotest</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>Calibrato: %1.%2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>RAR-I mini</source>
        <translation>RAR-I mini</translation>
    </message>
    <message>
        <source>No limits!</source>
        <translation>Nessun limite!</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>Solo per test!</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>Modalità utente 1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>Modalità utente 2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>Modalità utente 3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>Modalità utente 4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>Modalità utente 5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>Modalità utente 6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>Modalità utente 7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>Modalità utente 8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>Richiesta password</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>Inserire la password di accesso del limitatore</translation>
    </message>
    <message>
        <source>👁</source>
        <translation>👁</translation>
    </message>
</context>
<context>
    <name>BluetoothDeviceModel</name>
    <message>
        <source>Unique ID</source>
        <translation>ID univoco</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>N. reg.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>Stato batteria %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Self test</source>
        <translation>Autotest</translation>
    </message>
    <message>
        <source>Sett set</source>
        <translation>Set impost.</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>Stato AEC</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>Energia consumata</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>Corrente media, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Tensione, V</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>Energia, Wh</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>Energia rif., Wh</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>Capacità, mAh</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Vers. hardware</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Vers. firmware</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>ID univoco</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>N. reg.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Avg speed, km/h</source>
        <translation>Velocità media, km/h</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>Giri medi, 1/min</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>Velocità max, km/h</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>Giri max, 1/min</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>Temperatura, °C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Vers. hardware</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Vers. firmware</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
</context>
<context>
    <name>CommonSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Limiter settings set:</source>
        <translation>Set di impostazioni del limitatore:</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>Nessun limite (solo telemetria)</translation>
    </message>
    <message>
        <source>Mini Exp/Mono/Vadur 21Wh</source>
        <translation>Mini Exp/Mono/Vadur 21 Wh</translation>
    </message>
    <message>
        <source>Exp/Mono1/Vadur 60Wh</source>
        <translation>Exp/Mono1/Vadur 60 Wh</translation>
    </message>
    <message>
        <source>Mono2/Vadur2 120Wh</source>
        <translation>Mono2/Vadur2 120 Wh</translation>
    </message>
    <message>
        <source>RAR-I 180Wh</source>
        <translation>RAR-I 180 Wh</translation>
    </message>
    <message>
        <source>Mini RAR-I 42Wh</source>
        <translation>Mini RAR-I 42 Wh</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>Numero di registrazione (paese, numero):</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>Imposta/reimposta password utente</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>password:</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>ripeti:</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>Frequenza aggiornamento telemetria (Hz):</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>Logger (solo per limitatore-logger versioni 1.0, 1.1, 1.2, 2.0, 3.5 e QVR DOV Logger)</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>Frequenza scrittura logger (Hz):</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>Tempo max di registrazione:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Poli motore:</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>Livello comparatore sensore giri:</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>Minimo (distanza &gt; 5 mm)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Medium-</source>
        <translation>Medio-</translation>
    </message>
    <message>
        <source>Medium (recomended)</source>
        <translation>Medio (consigliato)</translation>
    </message>
    <message>
        <source>Medium+</source>
        <translation>Medio+</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>High+</source>
        <translation>Alto+</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger: controllo marmitta risonante</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>L&apos;ingresso 1 deve essere collegato al segnale del gas del ricevitore! </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>Modalità servo PPM Out1:</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>Ripeti Input2 con rallentamento in una direzione</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>Controllo dai giri con offset da Input2</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>Direzione di rallentamento:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>Tempo di rallentamento, ms:</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>Giri di controllo minimi:</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM (Out1) min, ms:</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>Giri di controllo medi:</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM (Out1) med, ms:</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>Giri di controllo massimi:</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM (Out1) max, ms:</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>Modalità apprendimento. (Si disattiva spegnendo e riaccendendo!)</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>Stato apprendimento:</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>La password e la sua ripetizione sono diverse. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>Numero di magneti:</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>Il dispositivo ha rifiutato la nuova password. La sua password non è cambiata.</translation>
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
    <message>
        <source>invalid opcode</source>
        <translation>codice operativo non valido</translation>
    </message>
    <message>
        <source>success</source>
        <translation>successo</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>codice operativo non supportato</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>parametro non valido</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>risorse insufficienti</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>oggetto non valido</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>tipo non supportato</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operazione non consentita</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>operazione non riuscita</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>errore esteso</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>risultato sconosciuto</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>Connessione al bootloader non riuscita durante «%1»: %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>Connessione al bootloader persa durante «%1»</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>Nessuna risposta dal bootloader entro %1 s durante «%2»</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>La risposta Select indica una dimensione massima dell&apos;oggetto pari a 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>Set PRN rifiutato dal bootloader: %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>Pacchetto rifiutato dal bootloader: %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>Bootloader %1 non trovato</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 non è nel suo bootloader: non offre il punto di controllo e il pacchetto DFU, quindi non può ricevere il firmware.</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>Il dispositivo ha rifiutato le impostazioni inviate. La pagina mostra ciò che il dispositivo contiene.</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>Il dispositivo ha rifiutato il comando. Sul dispositivo non è cambiato nulla.</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>Il dispositivo ha rifiutato la richiesta dei suoi registri.</translation>
    </message>
</context>
<context>
    <name>DovLoggerSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Logger</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminale</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Impostazioni generali e logger</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Carica impostazioni predefinite</translation>
    </message>
</context>
<context>
    <name>DovLoggerTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Connessione:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Tempo di gara (s):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperatura (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotazione:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelliti:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Acceleratore:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Numero di sessione:</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>Riservato 0:</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>Riservato 1:</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>Riservato 2:</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>Riservato 3:</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>Riservato 4:</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>Riservato 5:</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Riservato 6:</translation>
    </message>
</context>
<context>
    <name>EscSettings</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Azionamento: generale</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>Impostazioni ingressi PPM</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>Impostazioni motore</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Tabella di anticipo</translation>
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
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>File firmware danneggiato, impossibile aggiornare</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>Indice degli aggiornamenti rifiutato: il server ha inviato più di %1 byte.</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>File firmware rifiutato: il server ha inviato più di %1 byte.</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>Indice degli aggiornamenti rifiutato: %1 voci, più di %2.</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>Il dispositivo non ha confermato il riavvio nel bootloader.</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>Il dispositivo non è tornato dopo l&apos;aggiornamento del bootloader, quindi il firmware principale non è stato installato.</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>Il dispositivo ha rifiutato il riavvio nel bootloader.</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>Per installare il firmware il dispositivo deve essere connesso. Connettersi al dispositivo e riprovare.</translation>
    </message>
</context>
<context>
    <name>FirmwareRecoveryDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Select firmware file...</source>
        <translation>Seleziona il file firmware...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>Ripristino:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Cerca di nuovo</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>Interrompi la ricerca</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>Il dispositivo è stato ripristinato. Ora è possibile chiudere questa finestra.</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateCheckRequestWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Refresh firmware update information for connected devices?</source>
        <translation>Aggiornare le informazioni sugli aggiornamenti firmware per i dispositivi connessi?</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>Controlla sempre all&apos;avvio</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>Controlla una volta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Informazioni sul dispositivo</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Versione hardware:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>Firmware attuale del limitatore:</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>Firmware ESC attuale:</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>Bootloader attuale:</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>Data di calibrazione:</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>Stato dell&apos;aggiornamento</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>Fase dell&apos;aggiornamento</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>Firmware principale</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>Aggiorna informazioni</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>Installa da file locale</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>Firmware del bootloader</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>Firmware ESC</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Non trovato</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>Il firmware è stato caricato. Riconnettersi al dispositivo.</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>Il bootloader è stato caricato. Reinstallare il firmware principale?</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>Selezionare il file di aggiornamento firmware</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>Errore durante il caricamento del file di aggiornamento firmware</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
</context>
<context>
    <name>FirmwareWindows</name>
    <message>
        <source>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</source>
        <translation>È in corso un aggiornamento del firmware di %1. Chiudendo ora lo si interrompe: il dispositivo resta nel bootloader e non funziona finché non viene aggiornato di nuovo con «Ripristina dispositivo» nel menu «Strumenti».

Chiudere comunque?</translation>
    </message>
</context>
<context>
    <name>LimitSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Limiter settings</source>
        <translation>Impostazioni limitatore</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>Nome del set di impostazioni:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Limite di energia (Wh):</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>Corrente di avvio conteggio energia (A):</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>Tempo di gara (min, s):</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>Limite gas (dopo il limite) (%):</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>Tempo di rampa (dopo il limite) (s):</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>Tempo di limitazione (s):</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>Azzera energia scollegando la batteria:</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>Controllo attivo dell&apos;energia (AEC) (solo versioni 3.0 e 3.5)</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>Attiva AEC:</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>Consumo iniziale massimo (%):</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>Tempo aggiuntivo (dopo la gara) (s):</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>Duty minimo di limitazione (%):</translation>
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
    <name>LimiterSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Logger</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminale</translation>
    </message>
    <message>
        <source>ESC settings</source>
        <translation>Impostazioni ESC</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Impostazioni generali e logger</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>Nessun limite (solo telemetria) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Carica impostazioni predefinite</translation>
    </message>
</context>
<context>
    <name>LimiterTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Connessione:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Limite di energia (Wh):</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Tempo di gara (s):</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>Consumo di energia relativo (%):</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>Corrente media (10 s):</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Corrente (A):</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>Tensione (V):</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>Energia (Wh):</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Potenza:</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>Potenza media</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>Potenza su velocità</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>Capacità (mAh):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperatura (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotazione:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelliti:</translation>
    </message>
    <message>
        <source>KV:</source>
        <translation>KV:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Acceleratore:</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>Anticipo:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Numero di sessione:</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>Riservato 0 (TriggerRaceStarted):</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>Riservato 1 (aecConsRef):</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>Riservato 2 (aecConsFdb):</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>Riservato 3 (aecOut):</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>Riservato 4 (refMaxPpm):</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>Riservato 5 (raceTimeRelative):</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Riservato 6:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>Impossibile connettersi al dispositivo. Codice di errore: %1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>Connesso. Lettura dei dati</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>Servizi rilevati</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>Limitazione completata</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>Limitazione attiva</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>Rampa di discesa</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Gara</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 giri/min</translation>
    </message>
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>Il dispositivo ha rifiutato la password inviata.</translation>
    </message>
</context>
<context>
    <name>LimiterTerminal</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>The device refused the command.</source>
        <translation>Il dispositivo ha rifiutato il comando.</translation>
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
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>Il dispositivo ha indicato le sue sessioni da %1 a %2, che non è un intervallo di sessioni: non viene elencato nulla.</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>Il dispositivo ha indicato le sessioni da %1 a %2, più delle %3 sessioni che la sua memoria dei log può contenere: non viene elencato nulla.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>La sessione %1 non è stata letta per intero: nessuno dei suoi punti è stato letto.</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>Il dispositivo non contiene dati per la sessione %1.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>La sessione %1 non è stata letta per intero: sono arrivati %2 punti su %3, conservati come log incompleto.</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>La sessione %1 non ha superato il checksum: è stata salvata, ma i dati potrebbero essere danneggiati.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>La connessione con il dispositivo si è interrotta durante la lettura della sessione %1.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>Il dispositivo non ha risposto alla richiesta della sessione %1.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>La connessione con il dispositivo si è interrotta durante la lettura della sessione %1: sono arrivati %2 punti su %3, conservati come log incompleto.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Il dispositivo ha smesso di rispondere durante la lettura della sessione %1: sono arrivati %2 punti su %3, conservati come log incompleto.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>Il dispositivo ha smesso di rispondere durante la lettura della sessione %1.</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>Impossibile salvare la sessione %1: %2.</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>ogni nome per il suo file di log è occupato dal log di un&apos;altra sessione</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>Impossibile esportare la sessione %1 in CSV: %2.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>La sessione %1 non è stata letta per intero: sono arrivati %2 punti su %3.</translation>
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
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>Impossibile scrivere il file di log %1: l&apos;intestazione indica %2 parametri, un log ne contiene al massimo %3.</translation>
    </message>
</context>
<context>
    <name>LoggerWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Read what&apos;s on the device</source>
        <translation>Leggi cosa c&apos;è sul dispositivo</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>Leggi tutti i log</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>Leggi i nuovi log</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>Leggi selezionati</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>Cancella log</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>Esporta anche come CSV</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>Log sul dispositivo</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>Log già letti - cosa c&apos;è nella cartella</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>Velocità di lettura: 0 kbit/s</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (gara non completa)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>Velocità di lettura: %1 kbit/s</translation>
    </message>
    <message>
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>Fai clic su «Leggi cosa c&apos;è sul dispositivo»</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Lettura dei log terminata</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Seleziona la cartella dei log</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (checksum errato)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (non letta per intero)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (nessun dato sul dispositivo)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (non salvata)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>Problemi precedenti non mostrati qui: %1 (vedere il registro di diagnostica).</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>Sessioni lette e salvate: %1 di %2.</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>Nessuna sessione è stata letta e salvata.</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>Nessuna sessione è in coda per la lettura.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>Registro applicazione</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>Famiglia di dispositivi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>Ripristina dispositivo</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>Mostra/nascondi registro dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Limitatore</translation>
    </message>
    <message>
        <source>Dov Logger</source>
        <translation>Logger DOV</translation>
    </message>
</context>
<context>
    <name>MotorDriveSettWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Azionamento: generale</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>Tensione BEC (V):</translation>
    </message>
    <message>
        <source>5V</source>
        <translation>5 V</translation>
    </message>
    <message>
        <source>6V</source>
        <translation>6 V</translation>
    </message>
    <message>
        <source>7.4V</source>
        <translation>7,4 V</translation>
    </message>
    <message>
        <source>8.4V</source>
        <translation>8,4 V</translation>
    </message>
    <message>
        <source>MaxRefDuty:</source>
        <translation>Duty max (MaxRefDuty):</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>Giri max (MaxRefRPM):</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>Corrente di fase max (A):</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>Corrente DC max (A):</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>Potenza DC max (W):</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>Soglia di taglio tensione (V):</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>Modalità motore</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Duty</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>Governor</translation>
    </message>
    <message>
        <source>Rescue settings</source>
        <translation>Impostazioni di recupero</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>Modalità anti carrot (il valore FailSafe deve essere sotto zero!):</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>Lampeggio LED di recupero:</translation>
    </message>
</context>
<context>
    <name>MotorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>Senso di rotazione:</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Diretto</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>Giri per volt:</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>Poli:</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>Impostazioni sensore</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>Offset iniziale QEP:</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>Direzione QEP:</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>Offset di fase:</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>Impostazioni anticipo</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>Modalità anticipo:</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fisso</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>Fisso e boost</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>Tabella e boost</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>Anticipo fisso (gradi):</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>Aggiunta max di boost all&apos;anticipo (gradi):</translation>
    </message>
</context>
<context>
    <name>PpmSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Throttle channel</source>
        <translation>Canale gas</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>Posizione gas pieno (ms): </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>Imposta posizione attuale</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>Posizione di arresto (ms): </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>Posizione FailSafe (ms): </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>Canale anticipo</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>Posizione anticipo max (ms): </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>Posizione anticipo min (ms): </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>Il dispositivo remoto ha chiuso la connessione</translation>
    </message>
</context>
<context>
    <name>TimingTableWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Tabella di anticipo</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>Corrente, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Tensione, V</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>Valore max di anticipo:</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>Passo di corrente, A:</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>Passi di corrente:</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>Passo di tensione:</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>Passi di tensione:</translation>
    </message>
</context>
</TS>
