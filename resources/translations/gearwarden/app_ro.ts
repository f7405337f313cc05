<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>Limitat</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Cursă</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pregătit</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>Supratensiune la start!</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>Subtensiune la final!</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>FIRUL DE SEMNAL ESC CONECTAT GREȘIT!</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>FIRUL ROȘU ÎNTRERUPT!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Neacceptat</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Dezactivat</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activat</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activ</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>Tensiune inversată!</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>Eroare de calibrare</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>Curent inversat!</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>Eroare la autotestare</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>Calibrat: %1.%2</translation>
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
        <translation>Fără limite!</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>Doar pentru test!</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>Mod utilizator 1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>Mod utilizator 2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>Mod utilizator 3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>Mod utilizator 4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>Mod utilizator 5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>Mod utilizator 6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>Mod utilizator 7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>Mod utilizator 8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>Solicitare parolă</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>Introduceți parola de acces a limitatorului</translation>
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
        <translation>ID unic</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Nr. înreg.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nume utilizator</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>Stare baterie %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificare</translation>
    </message>
    <message>
        <source>Self test</source>
        <translation>Autotest</translation>
    </message>
    <message>
        <source>Sett set</source>
        <translation>Set setări</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>Stare AEC</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>Energie consumată</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>Curent mediu, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Tensiune, V</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>Energie, Wh</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>Energie ref., Wh</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>Capacitate, mAh</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Versiune hardware</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Versiune firmware</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresă</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>ID unic</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Nr. înreg.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nume utilizator</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Avg speed, km/h</source>
        <translation>Viteză medie, km/h</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>Turație medie, 1/min</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>Viteză max., km/h</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>Turație max., 1/min</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>Temperatură, °C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>Sateliți</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Versiune hardware</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Versiune firmware</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresă</translation>
    </message>
</context>
<context>
    <name>CommonSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Limiter settings set:</source>
        <translation>Set de setări al limitatorului:</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>Fără limite (doar telemetrie)</translation>
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
        <translation>Nume utilizator:</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>Nr. de înregistrare (țară, număr):</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>Setare/resetare parolă utilizator</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>parolă:</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>repetare:</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>Frecvență actualizare telemetrie (Hz):</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>Logger (doar pentru limitator-logger 1.0, 1.1, 1.2, 2.0, 3.5 și QVR DOV Logger)</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>Frecvență scriere logger (Hz):</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>Timp max. de înregistrare:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Poli motor:</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>Nivel comparator senzor turații:</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>Cel mai jos (distanță &gt; 5 mm)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Jos</translation>
    </message>
    <message>
        <source>Medium-</source>
        <translation>Mediu-</translation>
    </message>
    <message>
        <source>Medium (recomended)</source>
        <translation>Mediu (recomandat)</translation>
    </message>
    <message>
        <source>Medium+</source>
        <translation>Mediu+</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Ridicat</translation>
    </message>
    <message>
        <source>High+</source>
        <translation>Ridicat+</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maxim</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger: control țeavă de rezonanță</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>Intrarea 1 trebuie conectată la semnalul de accelerație al receptorului! </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>Mod servo PPM Out1:</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>Repetă Input2 cu încetinire într-un sens</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>Control din turație cu decalaj prin Input2</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>Direcție încetinire:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>Timp de încetinire, ms:</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>Turație de control minimă:</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM (Out1) min, ms:</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>Turație de control medie:</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM (Out1) mediu, ms:</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>Turație de control maximă:</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM (Out1) max, ms:</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>Mod învățare. (Se dezactivează prin repornirea alimentării!)</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>Stare mod învățare:</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>Parola și repetarea ei diferă. Nu s-a scris nimic.</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>Număr de magneți:</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>Dispozitivul a refuzat parola nouă. Parola sa nu s-a schimbat.</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>Selectare partiție date de inițializare</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>Creare partiție date de inițializare</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>Setare mod PRN</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>Încărcare date de inițializare</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>Verificare date de inițializare</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>Executare actualizare de inițializare</translation>
    </message>
    <message>
        <source>Select main data partition</source>
        <translation>Selectare partiție date principale</translation>
    </message>
    <message>
        <source>Create main data partition</source>
        <translation>Creare partiție date principale</translation>
    </message>
    <message>
        <source>Upload main firmware</source>
        <translation>Încărcare firmware principal</translation>
    </message>
    <message>
        <source>Check main firmware</source>
        <translation>Verificare firmware principal</translation>
    </message>
    <message>
        <source>Execute firmware update</source>
        <translation>Executare actualizare firmware</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>Stare necunoscută: %1</translation>
    </message>
    <message>
        <source>Writing to the bootloader failed: %1</source>
        <translation>Scrierea în bootloader a eșuat: %1</translation>
    </message>
    <message>
        <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
        <translation>Răspuns la %1 prea scurt: %2 octeți în loc de %3 (%4)</translation>
    </message>
    <message>
        <source>Select response incorrect size: %1 instead of 15</source>
        <translation>Dimensiune incorectă a răspunsului Select: %1 în loc de 15</translation>
    </message>
    <message>
        <source>Select response incorrect header: %1 %2 instead of 6 1</source>
        <translation>Antet incorect al răspunsului Select: %1 %2 în loc de 6 1</translation>
    </message>
    <message>
        <source>Create response incorrect header: %1 %2 instead of 1 1</source>
        <translation>Antet incorect al răspunsului Create: %1 %2 în loc de 1 1</translation>
    </message>
    <message>
        <source>Unexpected response for Set PRN command: %1</source>
        <translation>Răspuns neașteptat la comanda Set PRN: %1</translation>
    </message>
    <message>
        <source>Unexpected data in upload state: %1</source>
        <translation>Date neașteptate în timpul încărcării: %1</translation>
    </message>
    <message>
        <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
        <translation>CRC32 incorect
 Așteptat: %1
Primit: %2</translation>
    </message>
    <message>
        <source>Unexpected response for execute state: %1</source>
        <translation>Răspuns neașteptat în starea de execuție: %1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Rezultat incorect al răspunsului Execute: %1 în loc de 1</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>cod de operație nevalid</translation>
    </message>
    <message>
        <source>success</source>
        <translation>succes</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>cod de operație neacceptat</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>parametru nevalid</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>resurse insuficiente</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>obiect nevalid</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>tip neacceptat</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operație nepermisă</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>operația a eșuat</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>eroare extinsă</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>rezultat necunoscut</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>Conexiunea cu bootloaderul a eșuat în timpul „%1”: %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>Conexiunea cu bootloaderul s-a pierdut în timpul „%1”</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>Niciun răspuns de la bootloader în %1 s în timpul „%2”</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>Răspunsul Select raportează o dimensiune maximă a obiectului de 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>Set PRN refuzat de bootloader: %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>Pachet refuzat de bootloader: %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>Bootloaderul %1 nu a fost găsit</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 nu este în bootloader: nu oferă punctul de control și pachetul DFU, așa că nu poate primi firmware.</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>Dispozitivul a refuzat setările trimise. Pagina arată ce păstrează dispozitivul.</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>Dispozitivul a refuzat comanda. Nimic nu s-a schimbat pe dispozitiv.</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>Dispozitivul a refuzat cererea pentru jurnalele sale.</translation>
    </message>
</context>
<context>
    <name>DovLoggerSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Logger</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Setări generale și logger</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualizare firmware</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salvare setări</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Încărcare setări implicite</translation>
    </message>
</context>
<context>
    <name>DovLoggerTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Conexiune:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stare:</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Timp de cursă (s):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperatură (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Turație:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Viteză:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Sateliți:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Accelerație:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Număr sesiune:</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>Rezervat 0:</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>Rezervat 1:</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>Rezervat 2:</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>Rezervat 3:</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>Rezervat 4:</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>Rezervat 5:</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Rezervat 6:</translation>
    </message>
</context>
<context>
    <name>EscSettings</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Acționare: general</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>Setări intrări PPM</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>Setări motor</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Tabel de avans</translation>
    </message>
</context>
<context>
    <name>FirmwareDownloader</name>
    <message>
        <source>Incorrect remote data format.
Expected array.</source>
        <translation>Format incorect al datelor de la distanță.
Se aștepta o listă.</translation>
    </message>
    <message>
        <source>Incorrect remote data. No firmware info received</source>
        <translation>Date de la distanță incorecte. Nu s-au primit informații despre firmware</translation>
    </message>
    <message>
        <source>Error loading firmware file: %1</source>
        <translation>Eroare la încărcarea fișierului de firmware: %1</translation>
    </message>
    <message>
        <source>Cannot save firmware file, please download it manually</source>
        <translation>Fișierul de firmware nu poate fi salvat, descărcați-l manual</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>Fișierul de firmware este corupt, actualizarea nu este posibilă</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>Indexul de actualizări a fost refuzat: serverul a trimis mai mult de %1 octeți.</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>Fișierul de firmware a fost refuzat: serverul a trimis mai mult de %1 octeți.</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>Indexul de actualizări a fost refuzat: %1 intrări, mai mult de %2.</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>Dispozitivul nu a confirmat repornirea în bootloader.</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>Dispozitivul nu a revenit după actualizarea bootloaderului, așa că firmware-ul principal nu a fost instalat.</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>Dispozitivul a refuzat repornirea în bootloader.</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>Dispozitivul trebuie să fie conectat pentru a instala firmware. Conectați-vă la el și încercați din nou.</translation>
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
        <translation>Nume</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Select firmware file...</source>
        <translation>Selectați fișierul de firmware...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Răsfoire...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>Recuperare:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scanare</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperare</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Scanare din nou</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>Oprire scanare</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>Dispozitivul a fost recuperat cu succes. Acum puteți închide această fereastră.</translation>
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
        <translation>Actualizați informațiile despre actualizările de firmware pentru dispozitivele conectate?</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>Verifică întotdeauna la pornire</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>Verifică o dată</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Informații despre dispozitiv</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Versiune hardware:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>Firmware actual al limitatorului:</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>Firmware ESC actual:</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>Bootloader actual:</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>Data calibrării:</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>Starea actualizării</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>Etapa actualizării</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualizare firmware</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>Firmware principal</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>Actualizare informații</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>Instalare din fișier local</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descriere</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalare</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>Firmware bootloader</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>Firmware ESC</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Negăsit</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>Firmware-ul a fost încărcat cu succes. Reconectați-vă la dispozitiv.</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>Bootloaderul a fost încărcat cu succes. Reinstalați firmware-ul principal?</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>Selectați fișierul de actualizare a firmware-ului</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>Eroare la încărcarea fișierului de actualizare</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Eroare: %1</translation>
    </message>
</context>
<context>
    <name>FirmwareWindows</name>
    <message>
        <source>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</source>
        <translation>O actualizare de firmware pentru %1 este în curs. Închiderea acum o oprește: dispozitivul rămâne în bootloader și nu funcționează până nu este actualizat din nou cu „Recuperare dispozitiv” din meniul „Instrumente”.

Închideți oricum?</translation>
    </message>
</context>
<context>
    <name>LimitSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Limiter settings</source>
        <translation>Setări limitator</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>Nume set de setări:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Limită de energie (Wh):</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>Curent de start al contorizării (A):</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>Timp de cursă (min, s):</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>Limită accelerație (după limită) (%):</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>Timp de rampă (după limită) (s):</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>Timp de limitare (s):</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>Resetare energie la deconectarea bateriei:</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>Control activ al energiei (AEC) (doar versiunile 3.0 și 3.5)</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>Activare AEC:</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>Consum maxim la start (%):</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>Timp suplimentar (după cursă) (s):</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>Factor de umplere minim (%):</translation>
    </message>
</context>
<context>
    <name>LimiterDevice</name>
    <message>
        <source>Connection Error</source>
        <translation>Eroare de conexiune</translation>
    </message>
    <message>
        <source>Failed to connect to the device. Please try again.</source>
        <translation>Conectarea la dispozitiv a eșuat. Vă rugăm să încercați din nou.</translation>
    </message>
</context>
<context>
    <name>LimiterSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Logger</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>ESC settings</source>
        <translation>Setări ESC</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Setări generale și logger</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>Fără limite (doar telemetrie) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualizare firmware</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salvare setări</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Încărcare setări implicite</translation>
    </message>
</context>
<context>
    <name>LimiterTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Conexiune:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stare:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Limită de energie (Wh):</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Timp de cursă (s):</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>Consum relativ de energie (%):</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>Curent mediu (10 s):</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Curent (A):</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>Tensiune (V):</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>Energie (Wh):</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Putere:</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>Putere medie</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>Putere raportată la viteză</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>Capacitate (mAh):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperatură (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Turație:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Viteză:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Sateliți:</translation>
    </message>
    <message>
        <source>KV:</source>
        <translation>KV:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Accelerație:</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>Avans:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Număr sesiune:</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>Rezervat 0 (TriggerRaceStarted):</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>Rezervat 1 (aecConsRef):</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>Rezervat 2 (aecConsFdb):</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>Rezervat 3 (aecOut):</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>Rezervat 4 (refMaxPpm):</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>Rezervat 5 (raceTimeRelative):</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Rezervat 6:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Deconectat</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>Nu se poate conecta la dispozitiv. Cod de eroare: %1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>Conectat. Se citesc datele</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>Servicii descoperite</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>Limitare încheiată</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>Limitare activă</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>Rampă de coborâre</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Cursă</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 rpm</translation>
    </message>
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>Dispozitivul a refuzat parola trimisă.</translation>
    </message>
</context>
<context>
    <name>LimiterTerminal</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Trimite</translation>
    </message>
    <message>
        <source>The device refused the command.</source>
        <translation>Dispozitivul a refuzat comanda.</translation>
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
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>Dispozitivul a raportat sesiunile sale de la %1 la %2, ceea ce nu este un interval de sesiuni: nu se afișează nimic.</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>Dispozitivul a raportat sesiunile de la %1 la %2, mai multe decât cele %3 sesiuni pe care le poate păstra memoria sa de jurnale: nu se afișează nimic.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>Sesiunea %1 nu a fost citită complet: niciunul dintre punctele ei nu a putut fi citit.</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>Dispozitivul nu are date pentru sesiunea %1.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Sesiunea %1 nu a fost citită complet: au sosit %2 din %3 puncte, păstrate ca jurnal incomplet.</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>Sesiunea %1 nu a trecut verificarea sumei de control: a fost salvată, dar datele pot fi deteriorate.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>Conexiunea cu dispozitivul s-a pierdut în timpul citirii sesiunii %1.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>Dispozitivul nu a răspuns la cererea pentru sesiunea %1.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Conexiunea cu dispozitivul s-a pierdut în timpul citirii sesiunii %1: au sosit %2 din %3 puncte, păstrate ca jurnal incomplet.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Dispozitivul a încetat să răspundă în timpul citirii sesiunii %1: au sosit %2 din %3 puncte, păstrate ca jurnal incomplet.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>Dispozitivul a încetat să răspundă în timpul citirii sesiunii %1.</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>Sesiunea %1 nu a putut fi salvată: %2.</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>fiecare nume pentru fișierul său de jurnal este ocupat de jurnalul altei sesiuni</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>Sesiunea %1 nu a putut fi exportată ca CSV: %2.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>Sesiunea %1 nu a fost citită complet: au sosit %2 din %3 puncte.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>NoDate</source>
        <translation>FărăDată</translation>
    </message>
    <message>
        <source>No folder for log files is set.</source>
        <translation>Nu este setat niciun dosar pentru fișierele jurnal.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Nu se poate crea dosarul %1.</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: %2</source>
        <translation>Nu se poate scrie fișierul jurnal %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the CSV file %1: %2</source>
        <translation>Nu se poate scrie fișierul CSV %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>Fișierul jurnal %1 nu poate fi scris: antetul indică %2 parametri, un jurnal conține cel mult %3.</translation>
    </message>
</context>
<context>
    <name>LoggerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Read what&apos;s on the device</source>
        <translation>Citește ce este pe dispozitiv</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>Citește toate jurnalele</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>Citește jurnalele noi</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>Citește selecția</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>Șterge jurnalele</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>Exportă și ca CSV</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>Jurnale pe dispozitiv</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>Jurnale deja citite - ce este în dosar</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>Viteză de citire: 0 kbit/s</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (cursă neterminată)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>Viteză de citire: %1 kbit/s</translation>
    </message>
    <message>
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>Apăsați „Citește ce este pe dispozitiv”</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Citirea jurnalelor s-a încheiat</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Selectați dosarul jurnalelor</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (sumă de control greșită)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (citită incomplet)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (fără date pe dispozitiv)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (nesalvată)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>Probleme anterioare neafișate aici: %1 (vedeți jurnalul de diagnosticare).</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>Sesiuni citite și salvate: %1 din %2.</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>Nicio sesiune nu a fost citită și salvată.</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>Nicio sesiune nu este în coadă pentru citire.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>Jurnalul aplicației</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Instrumente</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>Familie de dispozitive</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>Recuperare dispozitiv</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>Afișare/ascundere jurnal aplicație</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Limitator</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Acționare: general</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>Tensiune BEC (V):</translation>
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
        <translation>Factor de umplere max. (MaxRefDuty):</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>Turație max. (MaxRefRPM):</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>Curent de fază max. (A):</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>Curent DC max. (A):</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>Putere DC max. (W):</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>Prag de întrerupere tensiune (V):</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>Mod motor</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Factor de umplere</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>Regulator turație</translation>
    </message>
    <message>
        <source>Rescue settings</source>
        <translation>Setări de salvare</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>Mod anti carrot (valoarea FailSafe trebuie să fie sub zero!):</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>Clipire LED de salvare:</translation>
    </message>
</context>
<context>
    <name>MotorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>Sens de rotație:</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Invers</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>Turații pe volt:</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>Poli:</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>Setări senzor</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>Decalaj inițial QEP:</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>Direcție QEP:</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>Decalaj de fază:</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>Setări avans</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>Mod avans:</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fix</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>Fix și boost</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>Tabel și boost</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>Avans fix (grade):</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>Adaos max. de boost la avans (grade):</translation>
    </message>
</context>
<context>
    <name>PpmSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Throttle channel</source>
        <translation>Canal accelerație</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>Poziție accelerație maximă (ms): </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>Setează poziția curentă</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>Poziție de oprire (ms): </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>Poziție FailSafe (ms): </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>Canal avans</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>Poziție avans maxim (ms): </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>Poziție avans minim (ms): </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>Dispozitivul la distanță a închis conexiunea</translation>
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
        <translation>Tabel de avans</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>Curent, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Tensiune, V</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>Valoare maximă avans:</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>Pas de creștere a curentului, A:</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>Pași de curent:</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>Pas de creștere a tensiunii:</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>Pași de tensiune:</translation>
    </message>
</context>
</TS>
