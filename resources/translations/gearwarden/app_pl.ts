<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>Ograniczony</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Wyścig</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>Przepięcie na starcie!</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>Zbyt niskie napięcie na końcu!</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>PRZEWÓD SYGNAŁOWY ESC PODŁĄCZONY ŹLE!</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>CZERWONY PRZEWÓD PRZERWANY!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Nieobsługiwany</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktywny</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>Odwrócona polaryzacja napięcia!</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>Błąd kalibracji</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>Odwrócony kierunek prądu!</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>Błąd autotestu</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>Skalibrowany: %1.%2</translation>
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
        <translation>Bez limitów!</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>Tylko do testów!</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>Tryb użytkownika 1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>Tryb użytkownika 2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>Tryb użytkownika 3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>Tryb użytkownika 4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>Tryb użytkownika 5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>Tryb użytkownika 6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>Tryb użytkownika 7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>Tryb użytkownika 8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>Żądanie hasła</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>Wprowadź hasło dostępu do ogranicznika</translation>
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
        <translation>Unikalny ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Nr rej.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>Stan baterii %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
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
        <translation>Zestaw ustawień</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>Stan AEC</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>Zużyta energia</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>Prąd średni, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Napięcie, V</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>Energia, Wh</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>Energia odn., Wh</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>Pojemność, mAh</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Wersja sprzętu</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Wersja firmware</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>Unikalny ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Nr rej.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Avg speed, km/h</source>
        <translation>Śr. prędkość, km/h</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>Śr. obroty, 1/min</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>Maks. prędkość, km/h</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>Maks. obroty, 1/min</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>Temperatura, °C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Wersja sprzętu</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Wersja firmware</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
</context>
<context>
    <name>CommonSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Limiter settings set:</source>
        <translation>Zestaw ustawień ogranicznika:</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>Bez limitów (tylko telemetria)</translation>
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
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>Numer rejestracyjny (kraj, numer):</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>Ustaw/zresetuj hasło użytkownika</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>hasło:</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>powtórz:</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>Częstotliwość telemetrii (Hz):</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>Rejestrator (tylko ogranicznik-rejestrator 1.0, 1.1, 1.2, 2.0, 3.5 i QVR DOV Logger)</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>Częstotliwość zapisu (Hz):</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>Maks. czas zapisu:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Bieguny silnika:</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>Poziom komparatora czujnika obrotów:</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>Najniższy (szczelina &gt; 5 mm)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niski</translation>
    </message>
    <message>
        <source>Medium-</source>
        <translation>Średni-</translation>
    </message>
    <message>
        <source>Medium (recomended)</source>
        <translation>Średni (zalecany)</translation>
    </message>
    <message>
        <source>Medium+</source>
        <translation>Średni+</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoki</translation>
    </message>
    <message>
        <source>High+</source>
        <translation>Wysoki+</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maksymalny</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger: sterowanie rurą rezonansową</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>Wejście 1 musi być podłączone do sygnału gazu z odbiornika! </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>Tryb serwa PPM Out1:</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>Powtarzaj Input2 ze spowolnieniem w jedną stronę</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>Sterowanie z obrotów z przesunięciem przez Input2</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>Kierunek spowolnienia:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Do przodu</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Do tyłu</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>Czas spowolnienia, ms:</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>Obroty sterowania minimum:</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM (Out1) min, ms:</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>Obroty sterowania średnie:</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM (Out1) śr., ms:</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>Obroty sterowania maksimum:</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM (Out1) maks., ms:</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>Tryb nauki. (Wyłączany przez ponowne włączenie zasilania!)</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>Stan trybu nauki:</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>Hasło i jego powtórzenie się różnią. Niczego nie zapisano.</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>Liczba magnesów:</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>Urządzenie odrzuciło nowe hasło. Jego hasło się nie zmieniło.</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>Wybór partycji danych inicjalizacji</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>Tworzenie partycji danych inicjalizacji</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>Ustawianie trybu PRN</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>Wysyłanie danych inicjalizacji</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>Sprawdzanie danych inicjalizacji</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>Wykonywanie aktualizacji inicjalizacji</translation>
    </message>
    <message>
        <source>Select main data partition</source>
        <translation>Wybór partycji danych głównych</translation>
    </message>
    <message>
        <source>Create main data partition</source>
        <translation>Tworzenie partycji danych głównych</translation>
    </message>
    <message>
        <source>Upload main firmware</source>
        <translation>Wysyłanie głównego oprogramowania</translation>
    </message>
    <message>
        <source>Check main firmware</source>
        <translation>Sprawdzanie głównego oprogramowania</translation>
    </message>
    <message>
        <source>Execute firmware update</source>
        <translation>Wykonywanie aktualizacji oprogramowania</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>Nieznany stan: %1</translation>
    </message>
    <message>
        <source>Writing to the bootloader failed: %1</source>
        <translation>Zapis do programu rozruchowego nie powiódł się: %1</translation>
    </message>
    <message>
        <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
        <translation>Odpowiedź na %1 za krótka: %2 bajtów zamiast %3 (%4)</translation>
    </message>
    <message>
        <source>Select response incorrect size: %1 instead of 15</source>
        <translation>Nieprawidłowy rozmiar odpowiedzi Select: %1 zamiast 15</translation>
    </message>
    <message>
        <source>Select response incorrect header: %1 %2 instead of 6 1</source>
        <translation>Nieprawidłowy nagłówek odpowiedzi Select: %1 %2 zamiast 6 1</translation>
    </message>
    <message>
        <source>Create response incorrect header: %1 %2 instead of 1 1</source>
        <translation>Nieprawidłowy nagłówek odpowiedzi Create: %1 %2 zamiast 1 1</translation>
    </message>
    <message>
        <source>Unexpected response for Set PRN command: %1</source>
        <translation>Nieoczekiwana odpowiedź na polecenie Set PRN: %1</translation>
    </message>
    <message>
        <source>Unexpected data in upload state: %1</source>
        <translation>Nieoczekiwane dane podczas wysyłania: %1</translation>
    </message>
    <message>
        <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
        <translation>Nieprawidłowa suma CRC32
 Oczekiwano: %1
Otrzymano: %2</translation>
    </message>
    <message>
        <source>Unexpected response for execute state: %1</source>
        <translation>Nieoczekiwana odpowiedź w stanie wykonania: %1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Nieprawidłowy wynik odpowiedzi Execute: %1 zamiast 1</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>nieprawidłowy kod operacji</translation>
    </message>
    <message>
        <source>success</source>
        <translation>sukces</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>nieobsługiwany kod operacji</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>nieprawidłowy parametr</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>niewystarczające zasoby</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>nieprawidłowy obiekt</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>nieobsługiwany typ</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operacja niedozwolona</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>operacja nie powiodła się</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>błąd rozszerzony</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>nieznany wynik</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>Połączenie z programem rozruchowym nie powiodło się podczas „%1”: %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>Utracono połączenie z programem rozruchowym podczas „%1”</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>Brak odpowiedzi programu rozruchowego w ciągu %1 s podczas „%2”</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>Odpowiedź Select podaje maksymalny rozmiar obiektu 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>Program rozruchowy odrzucił Set PRN: %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>Program rozruchowy odrzucił pakiet: %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>Nie znaleziono programu rozruchowego %1</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 nie jest w programie rozruchowym: nie udostępnia punktu sterującego ani pakietu DFU, więc nie może przyjąć oprogramowania.</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>Urządzenie odrzuciło wysłane ustawienia. Strona pokazuje to, co przechowuje urządzenie.</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>Urządzenie odrzuciło polecenie. Na urządzeniu nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>Urządzenie odrzuciło żądanie swoich dzienników.</translation>
    </message>
</context>
<context>
    <name>DovLoggerSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Rejestrator</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Ustawienia ogólne i rejestratora</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Zapisz ustawienia</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Wczytaj ustawienia domyślne</translation>
    </message>
</context>
<context>
    <name>DovLoggerTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Połączenie:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Czas wyścigu (s):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperatura (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Obroty:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Prędkość:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelity:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Przepustnica:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Numer sesji:</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>Zarezerwowane 0:</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>Zarezerwowane 1:</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>Zarezerwowane 2:</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>Zarezerwowane 3:</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>Zarezerwowane 4:</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>Zarezerwowane 5:</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Zarezerwowane 6:</translation>
    </message>
</context>
<context>
    <name>EscSettings</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Napęd: ogólne</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>Ustawienia wejść PPM</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>Ustawienia silnika</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Tabela wyprzedzenia</translation>
    </message>
</context>
<context>
    <name>FirmwareDownloader</name>
    <message>
        <source>Incorrect remote data format.
Expected array.</source>
        <translation>Nieprawidłowy format danych zdalnych.
Oczekiwano tablicy.</translation>
    </message>
    <message>
        <source>Incorrect remote data. No firmware info received</source>
        <translation>Nieprawidłowe dane zdalne. Nie otrzymano informacji o oprogramowaniu sprzętowym</translation>
    </message>
    <message>
        <source>Error loading firmware file: %1</source>
        <translation>Błąd pobierania pliku oprogramowania: %1</translation>
    </message>
    <message>
        <source>Cannot save firmware file, please download it manually</source>
        <translation>Nie można zapisać pliku oprogramowania, pobierz go ręcznie</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>Plik oprogramowania jest uszkodzony, nie można zaktualizować</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>Odrzucono indeks aktualizacji: serwer wysłał więcej niż %1 bajtów.</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>Odrzucono plik oprogramowania: serwer wysłał więcej niż %1 bajtów.</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>Odrzucono indeks aktualizacji: wpisów: %1, więcej niż %2.</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>Urządzenie nie potwierdziło ponownego uruchomienia w programie rozruchowym.</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>Urządzenie nie powróciło po aktualizacji programu rozruchowego, więc główne oprogramowanie nie zostało zainstalowane.</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>Urządzenie odmówiło ponownego uruchomienia w programie rozruchowym.</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>Aby zainstalować oprogramowanie, urządzenie musi być podłączone. Połącz się z nim i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>FirmwareRecoveryDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Select firmware file...</source>
        <translation>Wybierz plik oprogramowania...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>Odzyskiwanie:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skanuj</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Odzyskaj</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Skanuj ponownie</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>Zatrzymaj skanowanie</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>Urządzenie zostało odzyskane. Możesz teraz zamknąć to okno.</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateCheckRequestWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Refresh firmware update information for connected devices?</source>
        <translation>Odświeżyć informacje o aktualizacjach oprogramowania dla podłączonych urządzeń?</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>Zawsze sprawdzaj przy uruchomieniu</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>Sprawdź raz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Informacje o urządzeniu</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Wersja sprzętu:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>Bieżące oprogramowanie ogranicznika:</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>Bieżące oprogramowanie regulatora:</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>Bieżący program rozruchowy:</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>Data kalibracji:</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>Stan aktualizacji</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>Etap aktualizacji</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>Główne oprogramowanie</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>Odśwież informacje</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>Zainstaluj z pliku lokalnego</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>Program rozruchowy</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>Oprogramowanie regulatora</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>Oprogramowanie zostało przesłane. Połącz się ponownie z urządzeniem.</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>Program rozruchowy został przesłany. Zainstalować ponownie główne oprogramowanie?</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>Wybierz plik aktualizacji oprogramowania</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>Błąd wczytywania pliku aktualizacji oprogramowania</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
</context>
<context>
    <name>FirmwareWindows</name>
    <message>
        <source>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</source>
        <translation>Trwa aktualizacja oprogramowania %1. Zamknięcie teraz ją przerwie: urządzenie pozostanie w programie rozruchowym i nie będzie działać, dopóki nie zostanie ponownie zaktualizowane poleceniem „Odzyskaj urządzenie” w menu „Narzędzia”.

Zamknąć mimo to?</translation>
    </message>
</context>
<context>
    <name>LimitSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Limiter settings</source>
        <translation>Ustawienia ogranicznika</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>Nazwa zestawu ustawień:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Limit energii (Wh):</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>Prąd rozpoczęcia liczenia energii (A):</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>Czas wyścigu (min, s):</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>Ograniczenie gazu (po limicie) (%):</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>Czas rampy (po limicie) (s):</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>Czas ograniczenia (s):</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>Zeruj energię po odłączeniu akumulatora:</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>Aktywna kontrola energii (AEC) (tylko wersje 3.0 i 3.5)</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>Włącz AEC:</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>Maks. zużycie startowe (%):</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>Czas dodatkowy (po wyścigu) (s):</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>Min. wypełnienie ograniczenia (%):</translation>
    </message>
</context>
<context>
    <name>LimiterDevice</name>
    <message>
        <source>Connection Error</source>
        <translation>Błąd połączenia</translation>
    </message>
    <message>
        <source>Failed to connect to the device. Please try again.</source>
        <translation>Nie udało się połączyć z urządzeniem. Spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>LimiterSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetria</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Rejestrator</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>ESC settings</source>
        <translation>Ustawienia regulatora</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Ustawienia ogólne i rejestratora</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>Bez limitów (tylko telemetria) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Zapisz ustawienia</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Wczytaj ustawienia domyślne</translation>
    </message>
</context>
<context>
    <name>LimiterTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Połączenie:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Limit energii (Wh):</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Czas wyścigu (s):</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>Względne zużycie energii (%):</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>Średni prąd (10 s):</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Prąd (A):</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>Napięcie (V):</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>Energia (Wh):</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Moc:</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>Moc średnia</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>Moc do prędkości</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>Pojemność (mAh):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperatura (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Obroty:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Prędkość:</translation>
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
        <translation>Przepustnica:</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>Wyprzedzenie:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Numer sesji:</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>Zarezerwowane 0 (TriggerRaceStarted):</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>Zarezerwowane 1 (aecConsRef):</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>Zarezerwowane 2 (aecConsFdb):</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>Zarezerwowane 3 (aecOut):</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>Zarezerwowane 4 (refMaxPpm):</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>Zarezerwowane 5 (raceTimeRelative):</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Zarezerwowane 6:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>Nie można połączyć się z urządzeniem. Kod błędu: %1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>Połączono. Odczyt danych</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>Wykryto usługi</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>Ograniczanie zakończone</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>Ograniczanie aktywne</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>Wygaszanie</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Wyścig</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 obr/min</translation>
    </message>
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>Urządzenie odrzuciło wysłane hasło.</translation>
    </message>
</context>
<context>
    <name>LimiterTerminal</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>The device refused the command.</source>
        <translation>Urządzenie odrzuciło polecenie.</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>Utworzono:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Współrzędne:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>Zestaw ustawień:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Bieguny silnika:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>Odniesienie energii:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Częstotliwość zapisu:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Wersja sprzętu:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Wersja oprogramowania:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>Wersja bootloadera:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>Wersja oprogramowania ESC:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
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
        <translation>Błąd odczytu pliku dziennika</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>Plik jest uszkodzony lub nieobsługiwany</translation>
    </message>
</context>
<context>
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>Urządzenie podało swoje sesje jako od %1 do %2, co nie jest zakresem sesji: nic nie zostało wyświetlone.</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>Urządzenie podało sesje od %1 do %2, więcej niż %3 sesji, które mieści jego pamięć logów: nic nie zostało wyświetlone.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>Sesja %1 nie została odczytana w całości: nie udało się odczytać żadnego z jej punktów.</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>Urządzenie nie ma danych sesji %1.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Sesja %1 nie została odczytana w całości: dotarło punktów: %2 z %3; zachowano je jako niepełny log.</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>Sesja %1 nie przeszła kontroli sumy: została zapisana, ale jej dane mogą być uszkodzone.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>Połączenie z urządzeniem zostało utracone podczas odczytu sesji %1.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>Urządzenie nie odpowiedziało na żądanie sesji %1.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Połączenie z urządzeniem zostało utracone podczas odczytu sesji %1: dotarło punktów: %2 z %3; zachowano je jako niepełny log.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Urządzenie przestało odpowiadać podczas odczytu sesji %1: dotarło punktów: %2 z %3; zachowano je jako niepełny log.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>Urządzenie przestało odpowiadać podczas odczytu sesji %1.</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>Nie udało się zapisać sesji %1: %2.</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>każda nazwa jej pliku logu jest zajęta przez log innej sesji</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>Nie udało się wyeksportować sesji %1 do CSV: %2.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>Sesja %1 nie została odczytana w całości: dotarło punktów: %2 z %3.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>NoDate</source>
        <translation>BezDaty</translation>
    </message>
    <message>
        <source>No folder for log files is set.</source>
        <translation>Nie ustawiono folderu na pliki dziennika.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: %2</source>
        <translation>Nie można zapisać pliku dziennika %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the CSV file %1: %2</source>
        <translation>Nie można zapisać pliku CSV %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>Nie można zapisać pliku dziennika %1: nagłówek podaje %2 parametrów, dziennik mieści najwyżej %3.</translation>
    </message>
</context>
<context>
    <name>LoggerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Read what&apos;s on the device</source>
        <translation>Odczytaj, co jest na urządzeniu</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>Odczytaj wszystkie logi</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>Odczytaj nowe logi</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>Odczytaj zaznaczone</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>Wyczyść logi</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>Dodatkowo eksportuj jako CSV</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>Logi na urządzeniu</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>Już odczytane logi - zawartość folderu</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>Prędkość odczytu: 0 kbit/s</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (wyścig niezakończony)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>Prędkość odczytu: %1 kbit/s</translation>
    </message>
    <message>
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>Kliknij „Odczytaj, co jest na urządzeniu”</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Odczyt logów zakończony</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Wybierz folder logów</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (błędna suma kontrolna)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (odczytana niecałkowicie)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (brak danych na urządzeniu)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (niezapisana)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>Wcześniejsze problemy niepokazane tutaj: %1 (zobacz dziennik diagnostyczny).</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>Sesje odczytane i zapisane: %1 z %2.</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>Żadna sesja nie została odczytana i zapisana.</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>Żadna sesja nie czeka w kolejce do odczytu.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>Dziennik aplikacji</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Skaner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>Rodzina urządzeń</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>Odzyskaj urządzenie</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>Pokaż/ukryj dziennik aplikacji</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Ogranicznik</translation>
    </message>
    <message>
        <source>Dov Logger</source>
        <translation>Rejestrator DOV</translation>
    </message>
</context>
<context>
    <name>MotorDriveSettWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Napęd: ogólne</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>Napięcie BEC (V):</translation>
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
        <translation>Maks. wypełnienie (MaxRefDuty):</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>Maks. obroty (MaxRefRPM):</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>Maks. prąd fazowy (A):</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>Maks. prąd DC (A):</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>Maks. moc DC (W):</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>Próg odcięcia napięcia (V):</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>Tryb silnika</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Wypełnienie</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>Regulator obrotów</translation>
    </message>
    <message>
        <source>Rescue settings</source>
        <translation>Ustawienia ratunkowe</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>Tryb anti carrot (wartość FailSafe musi być poniżej zera!):</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>Miganie diody ratunkowej:</translation>
    </message>
</context>
<context>
    <name>MotorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>Kierunek obrotów:</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Odwrotny</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>Obroty na wolt:</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>Bieguny:</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>Ustawienia czujnika</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>Przesunięcie początkowe QEP:</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>Kierunek QEP:</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>Przesunięcie fazy:</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>Ustawienia wyprzedzenia</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>Tryb wyprzedzenia:</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Stały</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>Stały i boost</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>Tabela i boost</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>Stałe wyprzedzenie (stopnie):</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>Maks. dodatek boost do wyprzedzenia (stopnie):</translation>
    </message>
</context>
<context>
    <name>PpmSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Throttle channel</source>
        <translation>Kanał gazu</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>Pozycja pełnego gazu (ms): </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>Ustaw bieżącą pozycję</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>Pozycja stop (ms): </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>Pozycja FailSafe (ms): </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>Kanał wyprzedzenia</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>Pozycja maks. wyprzedzenia (ms): </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>Pozycja min. wyprzedzenia (ms): </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>Urządzenie zdalne zamknęło połączenie</translation>
    </message>
</context>
<context>
    <name>TimingTableWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Tabela wyprzedzenia</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>Prąd, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Napięcie, V</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>Maks. wartość wyprzedzenia:</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>Krok prądu, A:</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>Kroki prądu:</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>Krok napięcia:</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>Kroki napięcia:</translation>
    </message>
</context>
</TS>
