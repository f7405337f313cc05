<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Śr.</translation>
    </message>
    <message>
        <source>Δ</source>
        <translation>Δ</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Maks</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Kursor</translation>
    </message>
    <message>
        <source>%1s %2ms</source>
        <comment>Seconds and milliseconds of a time in the panel</comment>
        <translation>%1s %2ms</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>As the name of the time row</comment>
        <translation>Czas</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesja</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>Zestaw ustawień</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Otwórz plik...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (wyścig niekompletny)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>Plik nie jest plikiem dziennika.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Nieznany błąd.</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>Otwieranie dziennika</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>Nie można otworzyć dziennika %1.
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>Wybierz plik dziennika</translation>
    </message>
</context>
<context>
    <name>OpenLogWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation>Skojarzenie plików</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>Czy skojarzyć pliki .verira z programem Tracelens?</translation>
    </message>
</context>
</TS>
