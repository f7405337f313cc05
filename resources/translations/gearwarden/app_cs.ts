<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>Omezeno</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Závod</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Připraven</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>Přepětí při startu!</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>Podpětí na konci!</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>SIGNÁLNÍ VODIČ ESC ZAPOJEN ŠPATNĚ!</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>ČERVENÝ VODIČ PŘERUŠEN!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Nepodporováno</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktivní</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>Přepólované napětí!</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>Chyba kalibrace</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>Obrácený proud!</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>Chyba autotestu</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>Kalibrováno: %1.%2</translation>
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
        <translation>Bez omezení!</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>Pouze pro test!</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>Uživatelský režim 1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>Uživatelský režim 2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>Uživatelský režim 3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>Uživatelský režim 4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>Uživatelský režim 5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>Uživatelský režim 6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>Uživatelský režim 7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>Uživatelský režim 8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>Žádost o heslo</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>Zadejte přístupové heslo omezovače</translation>
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
        <translation>Jedinečné ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Reg. č.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Jméno uživatele</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>Stav baterie %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kontrola</translation>
    </message>
    <message>
        <source>Self test</source>
        <translation>Autotest</translation>
    </message>
    <message>
        <source>Sett set</source>
        <translation>Sada nastavení</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>Stav AEC</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>Spotřeba energie</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>Průměrný proud, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Napětí, V</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>Energie, Wh</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>Referenční energie, Wh</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>Kapacita, mAh</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Verze hardwaru</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Verze firmwaru</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>Jedinečné ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Reg. č.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Jméno uživatele</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Avg speed, km/h</source>
        <translation>Prům. rychlost, km/h</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>Prům. otáčky, 1/min</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>Max. rychlost, km/h</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>Max. otáčky, 1/min</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>Teplota, °C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Verze hardwaru</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Verze firmwaru</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
</context>
<context>
    <name>CommonSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Limiter settings set:</source>
        <translation>Sada nastavení omezovače:</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>Bez omezení (jen telemetrie)</translation>
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
        <translation>Jméno uživatele:</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>Registrační číslo (země, číslo):</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>Nastavit/zrušit heslo uživatele</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>heslo:</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>znovu:</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>Frekvence telemetrie (Hz):</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>Záznamník (jen omezovač-záznamník 1.0, 1.1, 1.2, 2.0, 3.5 a QVR DOV Logger)</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>Frekvence záznamu (Hz):</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>Max. doba záznamu:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Póly motoru:</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>Úroveň komparátoru čidla otáček:</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>Nejnižší (mezera &gt; 5 mm)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Nízká</translation>
    </message>
    <message>
        <source>Medium-</source>
        <translation>Střední-</translation>
    </message>
    <message>
        <source>Medium (recomended)</source>
        <translation>Střední (doporučeno)</translation>
    </message>
    <message>
        <source>Medium+</source>
        <translation>Střední+</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Vysoká</translation>
    </message>
    <message>
        <source>High+</source>
        <translation>Vysoká+</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximální</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger: řízení rezonanční výfukové trubky</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>Vstup 1 musí být připojen k signálu plynu z přijímače! </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>Režim serva PPM Out1:</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>Opakovat Input2 se zpomalením v jednom směru</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>Řízení z otáček s posunem podle Input2</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>Směr zpomalení:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Vzad</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>Doba zpomalení, ms:</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>Řídicí otáčky minimum:</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM (Out1) min, ms:</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>Řídicí otáčky střední:</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM (Out1) stř., ms:</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>Řídicí otáčky maximum:</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM (Out1) max, ms:</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>Režim učení. (Vypne se odpojením napájení!)</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>Stav režimu učení:</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>Heslo a jeho opakování se liší. Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>Počet magnetů:</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>Zařízení odmítlo nové heslo. Jeho heslo se nezměnilo.</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>Výběr oddílu inicializačních dat</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>Vytvoření oddílu inicializačních dat</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>Nastavení režimu PRN</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>Nahrávání inicializačních dat</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>Kontrola inicializačních dat</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>Provedení inicializační aktualizace</translation>
    </message>
    <message>
        <source>Select main data partition</source>
        <translation>Výběr oddílu hlavních dat</translation>
    </message>
    <message>
        <source>Create main data partition</source>
        <translation>Vytvoření oddílu hlavních dat</translation>
    </message>
    <message>
        <source>Upload main firmware</source>
        <translation>Nahrávání hlavního firmwaru</translation>
    </message>
    <message>
        <source>Check main firmware</source>
        <translation>Kontrola hlavního firmwaru</translation>
    </message>
    <message>
        <source>Execute firmware update</source>
        <translation>Provedení aktualizace firmwaru</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>Neznámý stav: %1</translation>
    </message>
    <message>
        <source>Writing to the bootloader failed: %1</source>
        <translation>Zápis do zavaděče se nezdařil: %1</translation>
    </message>
    <message>
        <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
        <translation>Odpověď na %1 je příliš krátká: %2 bajtů místo %3 (%4)</translation>
    </message>
    <message>
        <source>Select response incorrect size: %1 instead of 15</source>
        <translation>Nesprávná velikost odpovědi Select: %1 místo 15</translation>
    </message>
    <message>
        <source>Select response incorrect header: %1 %2 instead of 6 1</source>
        <translation>Nesprávná hlavička odpovědi Select: %1 %2 místo 6 1</translation>
    </message>
    <message>
        <source>Create response incorrect header: %1 %2 instead of 1 1</source>
        <translation>Nesprávná hlavička odpovědi Create: %1 %2 místo 1 1</translation>
    </message>
    <message>
        <source>Unexpected response for Set PRN command: %1</source>
        <translation>Neočekávaná odpověď na příkaz Set PRN: %1</translation>
    </message>
    <message>
        <source>Unexpected data in upload state: %1</source>
        <translation>Neočekávaná data během nahrávání: %1</translation>
    </message>
    <message>
        <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
        <translation>CRC32 je nesprávný
 Očekáváno: %1
Přijato: %2</translation>
    </message>
    <message>
        <source>Unexpected response for execute state: %1</source>
        <translation>Neočekávaná odpověď ve fázi provedení: %1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Nesprávný výsledek odpovědi Execute: %1 místo 1</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>neplatný operační kód</translation>
    </message>
    <message>
        <source>success</source>
        <translation>úspěch</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>nepodporovaný operační kód</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>neplatný parametr</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>nedostatek prostředků</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>neplatný objekt</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>nepodporovaný typ</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operace není povolena</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>operace selhala</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>rozšířená chyba</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>neznámý výsledek</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>Spojení se zavaděčem selhalo během „%1“: %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>Spojení se zavaděčem bylo ztraceno během „%1“</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>Zavaděč neodpověděl do %1 s během „%2“</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>Odpověď Select hlásí maximální velikost objektu 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>Zavaděč odmítl Set PRN: %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>Zavaděč odmítl paket: %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>Zavaděč %1 nebyl nalezen</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 není ve svém zavaděči: nenabízí řídicí bod ani paket DFU, a proto nemůže přijmout firmware.</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>Zařízení odmítlo odeslaná nastavení. Stránka ukazuje, co zařízení uchovává.</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>Zařízení odmítlo příkaz. Na zařízení se nic nezměnilo.</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>Zařízení odmítlo požadavek na své záznamy.</translation>
    </message>
</context>
<context>
    <name>DovLoggerSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Záznamník</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminál</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Obecná nastavení a záznamník</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Uložit nastavení</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Načíst výchozí nastavení</translation>
    </message>
</context>
<context>
    <name>DovLoggerTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Připojení:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stav:</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Čas závodu (s):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Teplota (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Otáčky:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelity:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Plyn:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Číslo relace:</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>Rezerva 0:</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>Rezerva 1:</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>Rezerva 2:</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>Rezerva 3:</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>Rezerva 4:</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>Rezerva 5:</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Rezerva 6:</translation>
    </message>
</context>
<context>
    <name>EscSettings</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Pohon: obecné</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>Nastavení vstupů PPM</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>Nastavení motoru</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Tabulka předstihu</translation>
    </message>
</context>
<context>
    <name>FirmwareDownloader</name>
    <message>
        <source>Incorrect remote data format.
Expected array.</source>
        <translation>Nesprávný formát vzdálených dat.
Očekáváno pole.</translation>
    </message>
    <message>
        <source>Incorrect remote data. No firmware info received</source>
        <translation>Nesprávná vzdálená data. Nebyly přijaty informace o firmwaru</translation>
    </message>
    <message>
        <source>Error loading firmware file: %1</source>
        <translation>Chyba při načítání souboru firmwaru: %1</translation>
    </message>
    <message>
        <source>Cannot save firmware file, please download it manually</source>
        <translation>Soubor firmwaru nelze uložit, stáhněte jej ručně</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>Soubor firmwaru je poškozen, aktualizace není možná</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>Seznam aktualizací odmítnut: server poslal více než %1 bajtů.</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>Soubor firmwaru odmítnut: server poslal více než %1 bajtů.</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>Seznam aktualizací odmítnut: položek je %1, více než %2.</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>Zařízení nepotvrdilo restart do svého zavaděče.</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>Zařízení se po aktualizaci zavaděče nevrátilo, hlavní firmware proto nebyl nainstalován.</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>Zařízení odmítlo restart do svého zavaděče.</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>K instalaci firmwaru musí být zařízení připojeno. Připojte se k němu a zkuste to znovu.</translation>
    </message>
</context>
<context>
    <name>FirmwareRecoveryDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Select firmware file...</source>
        <translation>Vyberte soubor firmwaru...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procházet...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>Obnova:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Hledat znovu</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>Zastavit hledání</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>Zařízení bylo úspěšně obnoveno. Nyní můžete toto okno zavřít.</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateCheckRequestWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Refresh firmware update information for connected devices?</source>
        <translation>Načíst informace o aktualizacích firmwaru pro připojená zařízení?</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>Vždy kontrolovat při spuštění</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>Zkontrolovat jednou</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Informace o zařízení</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Verze hardwaru:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>Aktuální firmware omezovače:</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>Aktuální firmware regulátoru:</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>Aktuální zavaděč:</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>Datum kalibrace:</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>Stav aktualizace</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>Fáze aktualizace</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>Hlavní firmware</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>Obnovit informace</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>Instalovat z místního souboru</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalovat</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>Zavaděč</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>Firmware regulátoru</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nenalezeno</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>Firmware byl úspěšně nahrán. Připojte se znovu k zařízení.</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>Zavaděč byl úspěšně nahrán. Znovu nainstalovat hlavní firmware?</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>Vyberte soubor s aktualizací firmwaru</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>Chyba při načítání souboru s aktualizací firmwaru</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Chyba: %1</translation>
    </message>
</context>
<context>
    <name>FirmwareWindows</name>
    <message>
        <source>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</source>
        <translation>Probíhá aktualizace firmwaru zařízení %1. Zavřením ji teď přerušíte: zařízení zůstane ve svém zavaděči a nebude fungovat, dokud ho znovu neaktualizujete pomocí „Obnovit zařízení“ v nabídce „Nástroje“.

Přesto zavřít?</translation>
    </message>
</context>
<context>
    <name>LimitSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Limiter settings</source>
        <translation>Nastavení omezovače</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>Název sady nastavení:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Limit energie (Wh):</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>Proud zahájení počítání energie (A):</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>Čas závodu (min, s):</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>Omezení plynu (po limitu) (%):</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>Doba útlumu (po limitu) (s):</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>Doba omezení (s):</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>Vynulovat energii odpojením baterie:</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>Aktivní řízení energie (AEC) (jen verze 3.0 a 3.5)</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>Zapnout AEC:</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>Max. spotřeba při startu (%):</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>Dodatečný čas (po závodě) (s):</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>Min. střída omezení (%):</translation>
    </message>
</context>
<context>
    <name>LimiterDevice</name>
    <message>
        <source>Connection Error</source>
        <translation>Chyba připojení</translation>
    </message>
    <message>
        <source>Failed to connect to the device. Please try again.</source>
        <translation>Nepodařilo se připojit k zařízení. Zkuste to prosím znovu.</translation>
    </message>
</context>
<context>
    <name>LimiterSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Záznamník</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminál</translation>
    </message>
    <message>
        <source>ESC settings</source>
        <translation>Nastavení regulátoru</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Obecná nastavení a záznamník</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>Bez omezení (pouze telemetrie) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Uložit nastavení</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Načíst výchozí nastavení</translation>
    </message>
</context>
<context>
    <name>LimiterTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Připojení:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stav:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Limit energie (Wh):</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Čas závodu (s):</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>Relativní spotřeba energie (%):</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>Průměrný proud (10 s):</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Proud (A):</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>Napětí (V):</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>Energie (Wh):</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Výkon:</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>Průměrný výkon</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>Výkon ku rychlosti</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>Kapacita (mAh):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Teplota (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Otáčky:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelity:</translation>
    </message>
    <message>
        <source>KV:</source>
        <translation>KV:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Plyn:</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>Časování:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Číslo relace:</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>Rezerva 0 (TriggerRaceStarted):</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>Rezerva 1 (aecConsRef):</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>Rezerva 2 (aecConsFdb):</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>Rezerva 3 (aecOut):</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>Rezerva 4 (refMaxPpm):</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>Rezerva 5 (raceTimeRelative):</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Rezerva 6:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Odpojeno</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>Nelze se připojit k zařízení. Kód chyby: %1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>Připojeno. Čtení dat</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>Služby nalezeny</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>Omezení dokončeno</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>Omezení aktivní</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>Dobíhání</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Závod</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Připraveno</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 ot/min</translation>
    </message>
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>Zařízení odmítlo odeslané heslo.</translation>
    </message>
</context>
<context>
    <name>LimiterTerminal</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Odeslat</translation>
    </message>
    <message>
        <source>The device refused the command.</source>
        <translation>Zařízení odmítlo příkaz.</translation>
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
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>Zařízení ohlásilo své relace jako %1 až %2, což není rozsah relací: nic se nezobrazí.</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>Zařízení ohlásilo relace %1 až %2, víc než %3 relací, které pojme jeho paměť záznamů: nic se nezobrazí.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>Relace %1 nebyla načtena celá: nepodařilo se načíst žádný z jejích bodů.</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>Zařízení nemá pro relaci %1 žádná data.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Relace %1 nebyla načtena celá: dorazilo bodů: %2 z %3, byly uloženy jako neúplný záznam.</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>Relace %1 neprošla kontrolním součtem: byla uložena, ale její data mohou být poškozená.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>Spojení se zařízením se přerušilo během čtení relace %1.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>Zařízení neodpovědělo na požadavek na relaci %1.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Spojení se zařízením se přerušilo během čtení relace %1: dorazilo bodů: %2 z %3, byly uloženy jako neúplný záznam.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Zařízení přestalo odpovídat během čtení relace %1: dorazilo bodů: %2 z %3, byly uloženy jako neúplný záznam.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>Zařízení přestalo odpovídat během čtení relace %1.</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>Relaci %1 se nepodařilo uložit: %2.</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>všechny názvy pro její soubor záznamu obsazují záznamy jiných relací</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>Relaci %1 se nepodařilo exportovat jako CSV: %2.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>Relace %1 nebyla načtena celá: dorazilo bodů: %2 z %3.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>NoDate</source>
        <translation>BezData</translation>
    </message>
    <message>
        <source>No folder for log files is set.</source>
        <translation>Není nastavena složka pro soubory záznamů.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Složku %1 nelze vytvořit.</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: %2</source>
        <translation>Soubor záznamu %1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>Cannot write the CSV file %1: %2</source>
        <translation>Soubor CSV %1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>Soubor záznamu %1 nelze zapsat: hlavička uvádí %2 parametrů, záznam pojme nejvýše %3.</translation>
    </message>
</context>
<context>
    <name>LoggerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Read what&apos;s on the device</source>
        <translation>Načíst, co je v zařízení</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>Načíst všechny záznamy</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>Načíst nové záznamy</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>Načíst vybrané</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>Vymazat záznamy</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Složka</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>Navíc exportovat jako CSV</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>Záznamy v zařízení</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>Již načtené záznamy - obsah složky</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>Rychlost čtení: 0 kbit/s</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (nedokončený závod)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>Rychlost čtení: %1 kbit/s</translation>
    </message>
    <message>
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>Klikněte na „Načíst, co je v zařízení“</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Načítání záznamů dokončeno</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Vyberte složku záznamů</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (chybný kontrolní součet)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (nenačtena celá)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (v zařízení nejsou data)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (neuložena)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>Dřívější problémy, které zde nejsou zobrazeny: %1 (viz diagnostický záznam).</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>Načtené a uložené relace: %1 z %2.</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>Žádná relace nebyla načtena a uložena.</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>Žádná relace není ve frontě ke čtení.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>Protokol aplikace</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Skener</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Nástroje</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>Rodina zařízení</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>U&amp;končit</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>Obnovit zařízení</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>Zobrazit/skrýt protokol aplikace</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Omezovač</translation>
    </message>
    <message>
        <source>Dov Logger</source>
        <translation>Záznamník DOV</translation>
    </message>
</context>
<context>
    <name>MotorDriveSettWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Pohon: obecné</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>Napětí BEC (V):</translation>
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
        <translation>Max. střída (MaxRefDuty):</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>Max. otáčky (MaxRefRPM):</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>Max. fázový proud (A):</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>Max. proud DC (A):</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>Max. výkon DC (W):</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>Práh odpojení napětí (V):</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>Režim motoru</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Střída</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>Regulátor otáček</translation>
    </message>
    <message>
        <source>Rescue settings</source>
        <translation>Nastavení záchrany</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>Režim anti carrot (hodnota FailSafe musí být pod nulou!):</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>Blikání záchranné LED:</translation>
    </message>
</context>
<context>
    <name>MotorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>Směr otáčení:</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Přímý</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Obrácený</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>Otáčky na volt:</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>Póly:</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>Nastavení čidla</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>Počáteční posun QEP:</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>Směr QEP:</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>Fázový posun:</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>Nastavení předstihu</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>Režim předstihu:</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Pevný</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabulka</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>Pevný a boost</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>Tabulka a boost</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>Pevný předstih (stupně):</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>Max. přídavek boostu k předstihu (stupně):</translation>
    </message>
</context>
<context>
    <name>PpmSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Throttle channel</source>
        <translation>Kanál plynu</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>Poloha plného plynu (ms): </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>Nastavit aktuální polohu</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>Poloha stop (ms): </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>Poloha FailSafe (ms): </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>Kanál předstihu</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>Poloha max. předstihu (ms): </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>Poloha min. předstihu (ms): </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>Vzdálené zařízení ukončilo spojení</translation>
    </message>
</context>
<context>
    <name>TimingTableWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Tabulka předstihu</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>Proud, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Napětí, V</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>Max. hodnota předstihu:</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>Krok proudu, A:</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>Kroky proudu:</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>Krok napětí:</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>Kroky napětí:</translation>
    </message>
</context>
</TS>
