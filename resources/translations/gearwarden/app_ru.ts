<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>Ограничено</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Гонка</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>Перенапряжение при старте!</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>Пониженное напряжение в конце!</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>СИГНАЛЬНЫЙ ПРОВОД ESC ПОДКЛЮЧЁН НЕВЕРНО!</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>КРАСНЫЙ ПРОВОД ОБОРВАН!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Не поддерживается</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включён</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Активен</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>Обратная полярность напряжения!</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>Ошибка калибровки</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>Обратное направление тока!</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>Ошибка самотестирования</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>Откалиброван: %1.%2</translation>
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
        <translation>Без ограничений!</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>Только для теста!</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>Польз. режим 1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>Польз. режим 2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>Польз. режим 3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>Польз. режим 4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>Польз. режим 5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>Польз. режим 6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>Польз. режим 7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>Польз. режим 8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>Запрос пароля</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>Введите пароль доступа к лимитеру</translation>
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
        <translation>Уникальный ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Рег. номер</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>Заряд батареи, %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Self test</source>
        <translation>Самотест</translation>
    </message>
    <message>
        <source>Sett set</source>
        <translation>Набор настроек</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>Состояние AEC</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>Расход энергии</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>Средний ток, А</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Напряжение, В</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>Энергия, Вт·ч</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>Лимит энергии, Вт·ч</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>Ёмкость, мА·ч</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Версия железа</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>Уникальный ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Рег. номер</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Avg speed, km/h</source>
        <translation>Ср. скорость, км/ч</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>Ср. обороты, 1/мин</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>Макс. скорость, км/ч</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>Макс. обороты, 1/мин</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>Температура, °C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Версия железа</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
</context>
<context>
    <name>CommonSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Limiter settings set:</source>
        <translation>Набор настроек лимитера:</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>Без ограничений (только телеметрия)</translation>
    </message>
    <message>
        <source>Mini Exp/Mono/Vadur 21Wh</source>
        <translation>Mini Exp/Mono/Vadur 21 Вт·ч</translation>
    </message>
    <message>
        <source>Exp/Mono1/Vadur 60Wh</source>
        <translation>Exp/Mono1/Vadur 60 Вт·ч</translation>
    </message>
    <message>
        <source>Mono2/Vadur2 120Wh</source>
        <translation>Mono2/Vadur2 120 Вт·ч</translation>
    </message>
    <message>
        <source>RAR-I 180Wh</source>
        <translation>RAR-I 180 Вт·ч</translation>
    </message>
    <message>
        <source>Mini RAR-I 42Wh</source>
        <translation>Mini RAR-I 42 Вт·ч</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>Рег. номер пользователя (страна, номер):</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>Установить/сбросить пароль</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>пароль:</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>повтор:</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>Частота обновления телеметрии (Гц):</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>Логгер (только для версий лимитера-логгера 1.0, 1.1, 1.2, 2.0, 3.5 и QVR DOV Logger)</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>Частота записи логгера (Гц):</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>Макс. время записи:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Полюсов мотора:</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>Уровень компаратора датчика оборотов:</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>Самый низкий (зазор &gt; 5 мм)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкий</translation>
    </message>
    <message>
        <source>Medium-</source>
        <translation>Средний-</translation>
    </message>
    <message>
        <source>Medium (recomended)</source>
        <translation>Средний (рекомендуется)</translation>
    </message>
    <message>
        <source>Medium+</source>
        <translation>Средний+</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>High+</source>
        <translation>Высокий+</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Максимальный</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger: управление резонансной трубой</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>Вход 1 должен быть подключён к сигналу газа от приёмника! </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>Режим серво PPM Out1:</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>Повтор Input2 с замедлением в одну сторону</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>Управление по оборотам со смещением от Input2</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>Направление замедления:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>Время замедления, мс:</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>Минимум оборотов управления:</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM (Out1) мин, мс:</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>Средние обороты управления:</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM (Out1) сред, мс:</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>Максимум оборотов управления:</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM (Out1) макс, мс:</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>Режим обучения. (Отключается перезапуском питания!)</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>Состояние режима обучения:</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>Пароль и его повтор не совпадают. Ничего не записано.</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>Количество магнитов:</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>Устройство отклонило новый пароль. Его пароль не изменился.</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>Выбор раздела данных инициализации</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>Создание раздела данных инициализации</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>Установка режима PRN</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>Передача данных инициализации</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>Проверка данных инициализации</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>Применение данных инициализации</translation>
    </message>
    <message>
        <source>Select main data partition</source>
        <translation>Выбор раздела основных данных</translation>
    </message>
    <message>
        <source>Create main data partition</source>
        <translation>Создание раздела основных данных</translation>
    </message>
    <message>
        <source>Upload main firmware</source>
        <translation>Передача основной прошивки</translation>
    </message>
    <message>
        <source>Check main firmware</source>
        <translation>Проверка основной прошивки</translation>
    </message>
    <message>
        <source>Execute firmware update</source>
        <translation>Применение обновления прошивки</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>Неизвестное состояние: %1</translation>
    </message>
    <message>
        <source>Writing to the bootloader failed: %1</source>
        <translation>Ошибка записи в загрузчик: %1</translation>
    </message>
    <message>
        <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
        <translation>Ответ на %1 слишком короткий: %2 байт вместо %3 (%4)</translation>
    </message>
    <message>
        <source>Select response incorrect size: %1 instead of 15</source>
        <translation>Неверный размер ответа Select: %1 вместо 15</translation>
    </message>
    <message>
        <source>Select response incorrect header: %1 %2 instead of 6 1</source>
        <translation>Неверный заголовок ответа Select: %1 %2 вместо 6 1</translation>
    </message>
    <message>
        <source>Create response incorrect header: %1 %2 instead of 1 1</source>
        <translation>Неверный заголовок ответа Create: %1 %2 вместо 1 1</translation>
    </message>
    <message>
        <source>Unexpected response for Set PRN command: %1</source>
        <translation>Неожиданный ответ на команду Set PRN: %1</translation>
    </message>
    <message>
        <source>Unexpected data in upload state: %1</source>
        <translation>Неожиданные данные при передаче: %1</translation>
    </message>
    <message>
        <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
        <translation>Неверная CRC32
 Ожидалось: %1
Получено: %2</translation>
    </message>
    <message>
        <source>Unexpected response for execute state: %1</source>
        <translation>Неожиданный ответ на команду Execute: %1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Неверный результат ответа Execute: %1 вместо 1</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>неверный код операции</translation>
    </message>
    <message>
        <source>success</source>
        <translation>успешно</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>код операции не поддерживается</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>неверный параметр</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>недостаточно ресурсов</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>неверный объект</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>неподдерживаемый тип</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>операция не разрешена</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>операция не выполнена</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>расширенная ошибка</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>неизвестный результат</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>Ошибка соединения с загрузчиком на шаге «%1»: %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>Соединение с загрузчиком потеряно на шаге «%1»</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>Загрузчик не ответил за %1 с на шаге «%2»</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>Ответ Select сообщает максимальный размер объекта 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>Загрузчик отклонил Set PRN: %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>Загрузчик отклонил пакет: %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>Загрузчик %1 не найден</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 не находится в загрузчике: у него нет управляющей точки и пакетной характеристики DFU, поэтому принять прошивку он не может.</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>Устройство отклонило отправленные настройки. На странице показано то, что хранит устройство.</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>Устройство отклонило команду. На устройстве ничего не изменилось.</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>Устройство отклонило запрос своих журналов.</translation>
    </message>
</context>
<context>
    <name>DovLoggerSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Телеметрия</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Логгер</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Терминал</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Общие настройки и логгер</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Загрузить настройки по умолчанию</translation>
    </message>
</context>
<context>
    <name>DovLoggerTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Подключение:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Время гонки (с):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Температура (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Обороты:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Спутники:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Газ:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Номер сессии:</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>Резерв 0:</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>Резерв 1:</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>Резерв 2:</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>Резерв 3:</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>Резерв 4:</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>Резерв 5:</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Резерв 6:</translation>
    </message>
</context>
<context>
    <name>EscSettings</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Общие настройки привода</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>Настройки входов PPM</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>Настройки мотора</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Таблица тайминга</translation>
    </message>
</context>
<context>
    <name>FirmwareDownloader</name>
    <message>
        <source>Incorrect remote data format.
Expected array.</source>
        <translation>Неверный формат удалённых данных.
Ожидался массив.</translation>
    </message>
    <message>
        <source>Incorrect remote data. No firmware info received</source>
        <translation>Неверные удалённые данные. Сведения о прошивке не получены</translation>
    </message>
    <message>
        <source>Error loading firmware file: %1</source>
        <translation>Ошибка загрузки файла прошивки: %1</translation>
    </message>
    <message>
        <source>Cannot save firmware file, please download it manually</source>
        <translation>Не удаётся сохранить файл прошивки, загрузите его вручную</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>Файл прошивки повреждён, обновление невозможно</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>Список обновлений отклонён: сервер прислал больше %1 байт.</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>Файл прошивки отклонён: сервер прислал больше %1 байт.</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>Список обновлений отклонён: записей %1, это больше %2.</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>Устройство не подтвердило перезапуск в загрузчик.</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>После обновления загрузчика устройство не вернулось, поэтому основная прошивка не установлена.</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>Устройство отказалось перезапуститься в загрузчик.</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>Для установки прошивки устройство должно быть подключено. Подключитесь к нему и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>FirmwareRecoveryDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Select firmware file...</source>
        <translation>Выберите файл прошивки...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>Восстановление:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Повторить поиск</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>Остановить поиск</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1 дБи</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>Устройство успешно восстановлено. Теперь это окно можно закрыть.</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateCheckRequestWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Refresh firmware update information for connected devices?</source>
        <translation>Обновить сведения об обновлениях прошивки для подключаемых устройств?</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>Всегда проверять при запуске</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>Проверить один раз</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Сведения об устройстве</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Версия оборудования:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>Текущая прошивка лимитера:</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>Текущая прошивка регулятора:</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>Текущий загрузчик:</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>Дата калибровки:</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>Состояние обновления</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>Этап обновления</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>Основная прошивка</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>Обновить сведения</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>Установить из файла</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>Загрузчик</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>Прошивка регулятора</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не найдено</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>Прошивка успешно загружена. Подключитесь к устройству заново.</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>Загрузчик успешно загружен. Установить основную прошивку заново?</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>Выберите файл обновления прошивки</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>Ошибка загрузки файла обновления прошивки</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
</context>
<context>
    <name>FirmwareWindows</name>
    <message>
        <source>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</source>
        <translation>Идёт обновление прошивки %1. Закрытие сейчас прервёт его: устройство останется в загрузчике и не будет работать, пока его снова не обновят через «Восстановить устройство» в меню «Инструменты».

Всё равно закрыть?</translation>
    </message>
</context>
<context>
    <name>LimitSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Limiter settings</source>
        <translation>Настройки лимитера</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>Имя набора настроек:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Лимит энергии (Вт·ч):</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>Ток начала учёта энергии (А):</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>Время гонки (мин, сек):</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh &apos;ч&apos; mm &apos;м&apos; ss &apos;с&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>Ограничение газа (после лимита) (%):</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>Время спада (после лимита) (с):</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>Время ограничения (с):</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>Сброс энергии при отключении батареи:</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>Активный контроль энергии (AEC) (только для версий 3.0 и 3.5)</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>Включить AEC:</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>Макс. стартовое потребление (%):</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>Доп. время (после окончания гонки) (с):</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>Мин. скважность ограничения (%):</translation>
    </message>
</context>
<context>
    <name>LimiterDevice</name>
    <message>
        <source>Connection Error</source>
        <translation>Ошибка соединения</translation>
    </message>
    <message>
        <source>Failed to connect to the device. Please try again.</source>
        <translation>Не удалось подключиться к устройству. Попробуйте ещё раз.</translation>
    </message>
</context>
<context>
    <name>LimiterSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Телеметрия</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Логгер</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Терминал</translation>
    </message>
    <message>
        <source>ESC settings</source>
        <translation>Настройки регулятора</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Общие настройки и логгер</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>Без ограничений (только телеметрия) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Загрузить настройки по умолчанию</translation>
    </message>
</context>
<context>
    <name>LimiterTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Подключение:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Лимит энергии (Вт·ч):</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Время гонки (с):</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>Относительный расход энергии (%):</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>Средний ток (10 с):</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Ток (А):</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>Напряжение (В):</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>Энергия (Вт·ч):</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Мощность:</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>Средняя мощность</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>Мощность к скорости</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>Ёмкость (мА·ч):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Температура (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Обороты:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Спутники:</translation>
    </message>
    <message>
        <source>KV:</source>
        <translation>KV:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Газ:</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>Тайминг:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Номер сессии:</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>Резерв 0 (TriggerRaceStarted):</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>Резерв 1 (aecConsRef):</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>Резерв 2 (aecConsFdb):</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>Резерв 3 (aecOut):</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>Резерв 4 (refMaxPpm):</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>Резерв 5 (raceTimeRelative):</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Резерв 6:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>Не удаётся подключиться к устройству. Код ошибки: %1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>Подключено. Чтение данных</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>Сервисы обнаружены</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>Ограничение завершено</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>Ограничение активно</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>Снижение</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Гонка</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 об/мин</translation>
    </message>
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>Устройство отклонило отправленный пароль.</translation>
    </message>
</context>
<context>
    <name>LimiterTerminal</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>The device refused the command.</source>
        <translation>Устройство отклонило команду.</translation>
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
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>Устройство сообщило, что его сессии — с %1 по %2, а это не диапазон сессий: ничего не показано.</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>Устройство сообщило о сессиях с %1 по %2 — больше %3 сессий, которые вмещает его память логов: ничего не показано.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>Сессия %1 прочитана не полностью: ни одной её точки прочитать не удалось.</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>На устройстве нет данных сессии %1.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Сессия %1 прочитана не полностью: получено точек — %2 из %3, они сохранены как неполный журнал.</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>Сессия %1 не прошла проверку контрольной суммы: она сохранена, но данные могут быть повреждены.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>Связь с устройством потеряна во время чтения сессии %1.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>Устройство не ответило на запрос сессии %1.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Связь с устройством потеряна во время чтения сессии %1: получено точек — %2 из %3, они сохранены как неполный журнал.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Устройство перестало отвечать во время чтения сессии %1: получено точек — %2 из %3, они сохранены как неполный журнал.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>Устройство перестало отвечать во время чтения сессии %1.</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>Не удалось сохранить сессию %1: %2.</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>все имена для её файла журнала заняты журналами других сессий</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>Не удалось экспортировать сессию %1 в CSV: %2.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>Сессия %1 прочитана не полностью: получено точек — %2 из %3.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>NoDate</source>
        <translation>БезДаты</translation>
    </message>
    <message>
        <source>No folder for log files is set.</source>
        <translation>Папка для файлов журналов не задана.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: %2</source>
        <translation>Не удалось записать файл журнала %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the CSV file %1: %2</source>
        <translation>Не удалось записать файл CSV %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>Не удалось записать файл журнала %1: заголовок указывает %2 параметров, журнал вмещает не более %3.</translation>
    </message>
</context>
<context>
    <name>LoggerWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Read what&apos;s on the device</source>
        <translation>Прочитать, что есть на устройстве</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>Прочитать все логи</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>Прочитать новые логи</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>Прочитать выбранные</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>Очистить логи</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>Дополнительно экспортировать в CSV</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>Логи на устройстве</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>Уже прочитанные логи — что есть в папке</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>Скорость чтения лога: 0 кбит/с</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (незавершённая гонка)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>Скорость чтения лога: %1 кбит/с</translation>
    </message>
    <message>
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>Нажмите «Прочитать, что есть на устройстве»</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Чтение логов завершено</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Выберите папку логов</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (ошибка контрольной суммы)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (прочитана не полностью)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (на устройстве нет данных)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (не сохранена)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>Более ранние проблемы, не показанные здесь: %1 (см. журнал диагностики).</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>Прочитано и сохранено сессий: %1 из %2.</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>Ни одна сессия не прочитана и не сохранена.</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>Нет сессий в очереди на чтение.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>Журнал приложения</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Сканер</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>Семейство устройств</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>Восстановить устройство</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>Показать/скрыть журнал приложения</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Лимитер</translation>
    </message>
    <message>
        <source>Dov Logger</source>
        <translation>Логгер DOV</translation>
    </message>
</context>
<context>
    <name>MotorDriveSettWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Общие настройки привода</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>Напряжение BEC (В):</translation>
    </message>
    <message>
        <source>5V</source>
        <translation>5 В</translation>
    </message>
    <message>
        <source>6V</source>
        <translation>6 В</translation>
    </message>
    <message>
        <source>7.4V</source>
        <translation>7.4 В</translation>
    </message>
    <message>
        <source>8.4V</source>
        <translation>8.4 В</translation>
    </message>
    <message>
        <source>MaxRefDuty:</source>
        <translation>Макс. скважность (MaxRefDuty):</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>Макс. обороты (MaxRefRPM):</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>Макс. фазный ток (А):</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>Макс. ток DC (А):</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>Макс. мощность DC (Вт):</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>Порог отсечки напряжения (В):</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>Режим мотора</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Скважность</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>Регулятор оборотов</translation>
    </message>
    <message>
        <source>Rescue settings</source>
        <translation>Настройки спасения</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>Режим Anti carrot (значение FailSafe должно быть ниже нуля!):</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>Мигание светодиода спасения:</translation>
    </message>
</context>
<context>
    <name>MotorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>Направление вращения:</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Прямое</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Обратное</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>Оборотов на вольт:</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>Полюсов:</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>Настройки датчика</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>Начальное смещение QEP:</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>Направление QEP:</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>Смещение фазы:</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>Настройки тайминга</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>Режим тайминга:</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Фиксированный</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>Фиксированный и буст</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>Таблица и буст</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>Фиксированный тайминг (град):</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>Макс. добавка буста к таймингу (град):</translation>
    </message>
</context>
<context>
    <name>PpmSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Throttle channel</source>
        <translation>Канал газа</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>Положение полного газа (мс): </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>Задать текущее положение</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>Положение стоп (мс): </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>Положение FailSafe (мс): </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>Канал тайминга</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>Положение макс. тайминга (мс): </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>Положение мин. тайминга (мс): </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>Удалённое устройство закрыло соединение</translation>
    </message>
</context>
<context>
    <name>TimingTableWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Таблица тайминга</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>Ток, А</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Напряжение, В</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>Макс. значение тайминга:</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>Шаг увеличения тока, А:</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>Шагов тока:</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>Шаг увеличения напряжения:</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>Шагов напряжения:</translation>
    </message>
</context>
</TS>
