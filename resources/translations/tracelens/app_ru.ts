<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Сред</translation>
    </message>
    <message>
        <source>Δ</source>
        <translation>Δ</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Курсор</translation>
    </message>
    <message>
        <source>%1s %2ms</source>
        <comment>Seconds and milliseconds of a time in the panel</comment>
        <translation>%1с %2мс</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>As the name of the time row</comment>
        <translation>Время</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>Создан:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Пользователь:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Координаты:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>Набор настроек:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Полюса мотора:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>Эталон энергии:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Частота записи:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Версия оборудования:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Версия прошивки:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>Версия загрузчика:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>Версия прошивки ESC:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>%1 Wh</source>
        <translation>%1 Вт·ч</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Гц</translation>
    </message>
    <message>
        <source>Error reading log file</source>
        <translation>Ошибка чтения файла журнала</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>Файл повреждён или не поддерживается</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Сессия</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>Набор настроек</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>Создан</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Открыть файл...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>Без имени</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (гонка не завершена)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>Файл не является файлом журнала.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>Открытие журнала</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>Не удаётся открыть журнал %1.
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>Выберите файл журнала</translation>
    </message>
</context>
<context>
    <name>OpenLogWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation>Сопоставление файлов</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>Связать файлы .verira с Tracelens?</translation>
    </message>
</context>
</TS>
