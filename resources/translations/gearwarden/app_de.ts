<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>Begrenzt</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>Überspannung beim Start!</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>Unterspannung am Ende!</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>ESC-SIGNALKABEL FALSCH ANGESCHLOSSEN!</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>ROTES KABEL UNTERBROCHEN!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Nicht unterstützt</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>Spannung verpolt!</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>Kalibrierfehler</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>Strom verpolt!</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>Selbsttestfehler</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>Kalibriert: %1.%2</translation>
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
        <translation>Keine Grenzen!</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>Nur zum Testen!</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>Benutzermodus 1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>Benutzermodus 2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>Benutzermodus 3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>Benutzermodus 4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>Benutzermodus 5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>Benutzermodus 6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>Benutzermodus 7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>Benutzermodus 8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>Passwortabfrage</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>Bitte das Zugangspasswort des Limiters eingeben</translation>
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
        <translation>Eindeutige ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Reg.-Nr.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>Akkustand %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Self test</source>
        <translation>Selbsttest</translation>
    </message>
    <message>
        <source>Sett set</source>
        <translation>Einstellsatz</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>AEC-Status</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>Energieverbrauch</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>Strom Mittel, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Spannung, V</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>Energie, Wh</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>Energiegrenze, Wh</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>Kapazität, mAh</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Hardwareversion</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>Eindeutige ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Reg.-Nr.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Avg speed, km/h</source>
        <translation>Mittl. Geschw., km/h</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>Mittl. Drehzahl, 1/min</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>Max. Geschw., km/h</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>Max. Drehzahl, 1/min</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>Temperatur, °C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Hardwareversion</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
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
        <translation>Einstellungssatz des Limiters:</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>Keine Limits (nur Telemetrie)</translation>
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
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>Registriernummer (Land, Nummer):</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>Benutzerpasswort setzen/zurücksetzen</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>Wiederholung:</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>Telemetrie-Aktualisierungsrate (Hz):</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>Logger (nur für Limiter-Logger-Versionen 1.0, 1.1, 1.2, 2.0, 3.5 und QVR DOV Logger)</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>Logger-Schreibrate (Hz):</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>Max. Aufzeichnungsdauer:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Motorpole:</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>Komparatorpegel des Drehzahlsensors:</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>Niedrigster (Abstand &gt; 5 mm)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium-</source>
        <translation>Mittel-</translation>
    </message>
    <message>
        <source>Medium (recomended)</source>
        <translation>Mittel (empfohlen)</translation>
    </message>
    <message>
        <source>Medium+</source>
        <translation>Mittel+</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>High+</source>
        <translation>Hoch+</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximal</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger: Resonanzrohr-Steuerung</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>Eingang 1 muss mit dem Gassignal des Empfängers verbunden sein! </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>Servomodus PPM Out1:</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>Input2 wiederholen, einseitig verlangsamt</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>Steuerung aus Drehzahl, versetzt durch Input2</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>Verlangsamungsrichtung:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>Verlangsamungszeit, ms:</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>Steuerdrehzahl Minimum:</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM (Out1) min, ms:</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>Steuerdrehzahl Mitte:</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM (Out1) Mitte, ms:</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>Steuerdrehzahl Maximum:</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM (Out1) max, ms:</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>Lernmodus. (Abbruch durch Aus- und Einschalten!)</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>Status des Lernmodus:</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>Passwort und Wiederholung stimmen nicht überein. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>Anzahl Magnete:</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>Das Gerät hat das neue Passwort abgelehnt. Sein Passwort ist unverändert.</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>Init-Datenbereich auswählen</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>Init-Datenbereich anlegen</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>PRN-Modus setzen</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>Init-Daten übertragen</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>Init-Daten prüfen</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>Init-Aktualisierung ausführen</translation>
    </message>
    <message>
        <source>Select main data partition</source>
        <translation>Hauptdatenbereich auswählen</translation>
    </message>
    <message>
        <source>Create main data partition</source>
        <translation>Hauptdatenbereich anlegen</translation>
    </message>
    <message>
        <source>Upload main firmware</source>
        <translation>Hauptfirmware übertragen</translation>
    </message>
    <message>
        <source>Check main firmware</source>
        <translation>Hauptfirmware prüfen</translation>
    </message>
    <message>
        <source>Execute firmware update</source>
        <translation>Firmware-Aktualisierung ausführen</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>Unbekannter Zustand: %1</translation>
    </message>
    <message>
        <source>Writing to the bootloader failed: %1</source>
        <translation>Schreiben in den Bootloader fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
        <translation>Antwort auf %1 zu kurz: %2 Bytes statt %3 (%4)</translation>
    </message>
    <message>
        <source>Select response incorrect size: %1 instead of 15</source>
        <translation>Falsche Größe der Select-Antwort: %1 statt 15</translation>
    </message>
    <message>
        <source>Select response incorrect header: %1 %2 instead of 6 1</source>
        <translation>Falscher Kopf der Select-Antwort: %1 %2 statt 6 1</translation>
    </message>
    <message>
        <source>Create response incorrect header: %1 %2 instead of 1 1</source>
        <translation>Falscher Kopf der Create-Antwort: %1 %2 statt 1 1</translation>
    </message>
    <message>
        <source>Unexpected response for Set PRN command: %1</source>
        <translation>Unerwartete Antwort auf den Befehl Set PRN: %1</translation>
    </message>
    <message>
        <source>Unexpected data in upload state: %1</source>
        <translation>Unerwartete Daten während der Übertragung: %1</translation>
    </message>
    <message>
        <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
        <translation>CRC32 ist falsch
 Erwartet: %1
Empfangen: %2</translation>
    </message>
    <message>
        <source>Unexpected response for execute state: %1</source>
        <translation>Unerwartete Antwort im Ausführungsschritt: %1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Falsches Ergebnis der Execute-Antwort: %1 statt 1</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>ungültiger Opcode</translation>
    </message>
    <message>
        <source>success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>Opcode nicht unterstützt</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>ungültiger Parameter</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>unzureichende Ressourcen</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>ungültiges Objekt</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>nicht unterstützter Typ</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>erweiterter Fehler</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>unbekanntes Ergebnis</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>Verbindung zum Bootloader bei „%1“ fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>Verbindung zum Bootloader bei „%1“ verloren</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>Keine Antwort des Bootloaders innerhalb von %1 s bei „%2“</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>Select-Antwort meldet eine maximale Objektgröße von 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>Set PRN vom Bootloader abgelehnt: %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>Paket vom Bootloader abgelehnt: %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>Der Bootloader %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 ist nicht in seinem Bootloader: Es bietet weder DFU-Steuerpunkt noch DFU-Paket und kann daher keine Firmware aufnehmen.</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>Das Gerät hat die gesendeten Einstellungen abgelehnt. Die Seite zeigt, was das Gerät gespeichert hat.</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>Das Gerät hat den Befehl abgelehnt. Am Gerät wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>Das Gerät hat die Anfrage nach seinen Protokollen abgelehnt.</translation>
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
        <translation>Allgemeine und Logger-Einstellungen</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Standardeinstellungen laden</translation>
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
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Rennzeit (s):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperatur (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Drehzahl:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelliten:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Gas:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Sitzungsnummer:</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>Reserve 0:</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>Reserve 1:</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>Reserve 2:</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>Reserve 3:</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>Reserve 4:</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>Reserve 5:</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Reserve 6:</translation>
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
        <translation>Antrieb allgemein</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>PPM-Eingänge</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>Motoreinstellungen</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Timing-Tabelle</translation>
    </message>
</context>
<context>
    <name>FirmwareDownloader</name>
    <message>
        <source>Incorrect remote data format.
Expected array.</source>
        <translation>Falsches Format der entfernten Daten.
Array erwartet.</translation>
    </message>
    <message>
        <source>Incorrect remote data. No firmware info received</source>
        <translation>Fehlerhafte entfernte Daten. Keine Firmware-Informationen empfangen</translation>
    </message>
    <message>
        <source>Error loading firmware file: %1</source>
        <translation>Fehler beim Laden der Firmware-Datei: %1</translation>
    </message>
    <message>
        <source>Cannot save firmware file, please download it manually</source>
        <translation>Die Firmware-Datei kann nicht gespeichert werden, bitte laden Sie sie manuell herunter</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>Firmware-Datei beschädigt, Aktualisierung nicht möglich</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>Update-Verzeichnis abgelehnt: Der Server hat mehr als %1 Bytes gesendet.</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>Firmware-Datei abgelehnt: Der Server hat mehr als %1 Bytes gesendet.</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>Update-Verzeichnis abgelehnt: %1 Einträge, mehr als %2.</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>Das Gerät hat den Neustart in seinen Bootloader nicht bestätigt.</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>Das Gerät ist nach der Bootloader-Aktualisierung nicht zurückgekehrt, daher wurde die Hauptfirmware nicht installiert.</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>Das Gerät hat den Neustart in seinen Bootloader abgelehnt.</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>Zum Installieren der Firmware muss das Gerät verbunden sein. Verbinden Sie sich damit und versuchen Sie es erneut.</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Select firmware file...</source>
        <translation>Firmware-Datei auswählen...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>Wiederherstellung:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Erneut suchen</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>Suche beenden</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>Das Gerät wurde erfolgreich wiederhergestellt. Sie können dieses Fenster jetzt schließen.</translation>
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
        <translation>Informationen zu Firmware-Aktualisierungen für verbundene Geräte abrufen?</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>Beim Start immer prüfen</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>Einmal prüfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Hardware-Version:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>Aktuelle Limiter-Firmware:</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>Aktuelle Regler-Firmware:</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>Aktueller Bootloader:</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>Kalibrierdatum:</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>Aktualisierungsstatus</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>Aktualisierungsschritt</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>Hauptfirmware</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>Informationen aktualisieren</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>Aus lokaler Datei installieren</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>Bootloader</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>Regler-Firmware</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>Die Firmware wurde erfolgreich übertragen. Bitte verbinden Sie sich erneut mit dem Gerät.</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>Der Bootloader wurde erfolgreich übertragen. Hauptfirmware neu installieren?</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>Bitte wählen Sie die Firmware-Aktualisierungsdatei</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>Fehler beim Laden der Firmware-Aktualisierungsdatei</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
</context>
<context>
    <name>FirmwareWindows</name>
    <message>
        <source>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</source>
        <translation>Eine Firmware-Aktualisierung von %1 läuft. Schließen bricht sie jetzt ab: Das Gerät bleibt in seinem Bootloader und funktioniert erst wieder, wenn es über „Gerät wiederherstellen“ im Menü „Werkzeuge“ erneut aktualisiert wird.

Trotzdem schließen?</translation>
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
        <translation>Limiter-Einstellungen</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>Name des Einstellungssatzes:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Energielimit (Wh):</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>Startstrom der Energiezählung (A):</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>Rennzeit (Min., Sek.):</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>Gasbegrenzung (nach Limit) (%):</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>Rampenzeit (nach Limit) (s):</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>Limitzeit (s):</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>Energie beim Abklemmen des Akkus zurücksetzen:</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>Aktive Energiesteuerung (AEC) (nur Versionen 3.0 und 3.5)</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>AEC aktivieren:</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>Max. Startverbrauch (%):</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>Zusatzzeit (nach Rennzeit) (s):</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>Min. Begrenzungs-Tastgrad (%):</translation>
    </message>
</context>
<context>
    <name>LimiterDevice</name>
    <message>
        <source>Connection Error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Failed to connect to the device. Please try again.</source>
        <translation>Die Verbindung zum Gerät ist fehlgeschlagen. Bitte versuchen Sie es erneut.</translation>
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
        <translation>Reglereinstellungen</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Allgemeine und Logger-Einstellungen</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>Keine Begrenzung (nur Telemetrie) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Standardeinstellungen laden</translation>
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
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Energielimit (Wh):</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Rennzeit (s):</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>Relativer Energieverbrauch (%):</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>Mittlerer Strom (10 s):</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Strom (A):</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>Spannung (V):</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>Energie (Wh):</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Leistung:</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>Leistung Mittel</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>Leistung zu Geschwindigkeit</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>Kapazität (mAh):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperatur (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Drehzahl:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelliten:</translation>
    </message>
    <message>
        <source>KV:</source>
        <translation>KV:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Gas:</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>Timing:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Sitzungsnummer:</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>Reserve 0 (TriggerRaceStarted):</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>Reserve 1 (aecConsRef):</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>Reserve 2 (aecConsFdb):</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>Reserve 3 (aecOut):</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>Reserve 4 (refMaxPpm):</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>Reserve 5 (raceTimeRelative):</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Reserve 6:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>Verbindung zum Gerät nicht möglich. Fehlercode: %1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>Verbunden. Daten werden gelesen</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>Dienste gefunden</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>Begrenzung abgeschlossen</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>Begrenzung aktiv</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>Rampdown</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 U/min</translation>
    </message>
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>Das Gerät hat das gesendete Passwort abgelehnt.</translation>
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
        <translation>Senden</translation>
    </message>
    <message>
        <source>The device refused the command.</source>
        <translation>Das Gerät hat den Befehl abgelehnt.</translation>
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
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>Das Gerät meldete seine Sitzungen als %1 bis %2, was kein Sitzungsbereich ist: Es wird nichts aufgelistet.</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>Das Gerät meldete die Sitzungen %1 bis %2, mehr als die %3 Sitzungen, die sein Log-Speicher fassen kann: Es wird nichts aufgelistet.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>Sitzung %1 wurde nicht vollständig gelesen: Keiner ihrer Messpunkte konnte gelesen werden.</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>Das Gerät hat keine Daten für Sitzung %1.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Sitzung %1 wurde nicht vollständig gelesen: %2 von %3 Messpunkten kamen an und wurden als unvollständiges Log behalten.</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>Sitzung %1 hat die Prüfsumme nicht bestanden: Sie wurde gespeichert, aber ihre Daten können beschädigt sein.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>Die Verbindung zum Gerät ging verloren, während Sitzung %1 gelesen wurde.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>Das Gerät hat auf die Anfrage nach Sitzung %1 nicht geantwortet.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Die Verbindung zum Gerät ging verloren, während Sitzung %1 gelesen wurde: %2 von %3 Messpunkten kamen an und wurden als unvollständiges Log behalten.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Das Gerät antwortete nicht mehr, während Sitzung %1 gelesen wurde: %2 von %3 Messpunkten kamen an und wurden als unvollständiges Log behalten.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>Das Gerät antwortete nicht mehr, während Sitzung %1 gelesen wurde.</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>Sitzung %1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>jeder Name für ihre Logdatei ist durch das Log einer anderen Sitzung belegt</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>Sitzung %1 konnte nicht als CSV exportiert werden: %2.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>Sitzung %1 wurde nicht vollständig gelesen: %2 von %3 Messpunkten kamen an.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>NoDate</source>
        <translation>OhneDatum</translation>
    </message>
    <message>
        <source>No folder for log files is set.</source>
        <translation>Es ist kein Ordner für Logdateien festgelegt.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: %2</source>
        <translation>Die Logdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the CSV file %1: %2</source>
        <translation>Die CSV-Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>Die Logdatei %1 kann nicht geschrieben werden: Der Kopf nennt %2 Parameter, ein Log fasst höchstens %3.</translation>
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
        <translation>Lesen, was auf dem Gerät ist</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>Alle Logs lesen</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>Neue Logs lesen</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>Auswahl lesen</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>Logs löschen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>Zusätzlich als CSV exportieren</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>Logs auf dem Gerät</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>Bereits gelesene Logs – was im Ordner liegt</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>Lesegeschwindigkeit: 0 kbit/s</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (Rennen nicht beendet)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>Lesegeschwindigkeit: %1 kbit/s</translation>
    </message>
    <message>
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>Klicken Sie auf „Lesen, was auf dem Gerät ist“</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Lesen der Logs beendet</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Log-Ordner wählen</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (Prüfsumme falsch)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (nicht vollständig gelesen)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (keine Daten auf dem Gerät)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (nicht gespeichert)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>Frühere, hier nicht gezeigte Probleme: %1 (siehe Diagnoseprotokoll).</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>Gelesene und gespeicherte Sitzungen: %1 von %2.</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>Keine Sitzung wurde gelesen und gespeichert.</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>Keine Sitzung ist zum Lesen vorgemerkt.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>Anwendungsprotokoll</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>Gerätefamilie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>Gerät wiederherstellen</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>Anwendungsprotokoll ein/aus</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Limiter</translation>
    </message>
    <message>
        <source>Dov Logger</source>
        <translation>DOV-Logger</translation>
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
        <translation>Antrieb allgemein</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>BEC-Spannung (V):</translation>
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
        <translation>Max. Tastgrad (MaxRefDuty):</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>Max. Drehzahl (MaxRefRPM):</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>Max. Phasenstrom (A):</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>Max. DC-Strom (A):</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>Max. DC-Leistung (W):</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>Abschaltspannung (V):</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>Motormodus</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Tastgrad</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>Drehzahlregler</translation>
    </message>
    <message>
        <source>Rescue settings</source>
        <translation>Rettungseinstellungen</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>Anti-Carrot-Modus (FailSafe-Wert muss unter null liegen!):</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>Rettungs-LED blinkt:</translation>
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
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>Drehrichtung:</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umgekehrt</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>Drehzahl pro Volt:</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>Pole:</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>Sensoreinstellungen</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>QEP-Startversatz:</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>QEP-Richtung:</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>Phasenversatz:</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>Timing-Einstellungen</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>Timing-Modus:</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>Fest und Boost</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>Tabelle und Boost</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>Fester Timing-Wert (Grad):</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>Max. Boost-Zuschlag zum Timing (Grad):</translation>
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
        <translation>Gaskanal</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>Vollgasposition (ms): </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>Aktuelle Position übernehmen</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>Stoppposition (ms): </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>FailSafe-Position (ms): </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>Timing-Kanal</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>Position max. Timing (ms): </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>Position min. Timing (ms): </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>Das entfernte Gerät hat die Verbindung geschlossen</translation>
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
        <translation>Timing-Tabelle</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>Strom, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Spannung, V</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>Max. Timing-Wert:</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>Stromschritt, A:</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>Stromschritte:</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>Spannungsschritt:</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>Spannungsschritte:</translation>
    </message>
</context>
</TS>
