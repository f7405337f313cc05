<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>Limitado</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>¡Sobretensión al inicio!</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>¡Subtensión al final!</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>¡CABLE DE SEÑAL DEL ESC MAL CONECTADO!</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>¡CABLE ROJO ROTO!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>No compatible</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>¡Tensión invertida!</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>Error de calibración</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>¡Corriente invertida!</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>Error de autodiagnóstico</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>Calibrado: %1.%2</translation>
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
        <translation>¡Sin límites!</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>¡Solo para pruebas!</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>Modo de usuario 1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>Modo de usuario 2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>Modo de usuario 3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>Modo de usuario 4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>Modo de usuario 5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>Modo de usuario 6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>Modo de usuario 7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>Modo de usuario 8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>Solicitud de contraseña</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>Introduzca la contraseña de acceso del limitador</translation>
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
        <translation>ID único</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>N.º reg.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>Estado batería %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Self test</source>
        <translation>Autodiagnóstico</translation>
    </message>
    <message>
        <source>Sett set</source>
        <translation>Conjunto de ajustes</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>Estado AEC</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>Energía consumida</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>Corriente media, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Tensión, V</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>Energía, Wh</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>Energía ref., Wh</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>Capacidad, mAh</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Versión hardware</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Versión firmware</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>ID único</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>N.º reg.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Avg speed, km/h</source>
        <translation>Velocidad media, km/h</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>RPM medias, 1/min</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>Velocidad máx., km/h</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>RPM máx., 1/min</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>Temperatura, °C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Versión hardware</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Versión firmware</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
</context>
<context>
    <name>CommonSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Limiter settings set:</source>
        <translation>Conjunto de ajustes del limitador:</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>Sin límites (solo telemetría)</translation>
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
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>Nº de registro (país, número):</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>Establecer/restablecer contraseña</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>contraseña:</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>repetir:</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>Frecuencia de telemetría (Hz):</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>Registrador (solo limitador-registrador 1.0, 1.1, 1.2, 2.0, 3.5 y QVR DOV Logger)</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>Frecuencia de registro (Hz):</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>Tiempo máx. de registro:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Polos del motor:</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>Nivel del comparador del sensor RPM:</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>Mínimo (separación &gt; 5 mm)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Medium-</source>
        <translation>Medio-</translation>
    </message>
    <message>
        <source>Medium (recomended)</source>
        <translation>Medio (recomendado)</translation>
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
        <translation>Máximo</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger: control del escape resonante</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>¡La entrada 1 debe conectarse a la señal de acelerador del receptor! </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>Modo servo PPM Out1:</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>Repetir Input2 con ralentización en un sentido</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>Control por RPM con desplazamiento por Input2</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>Sentido de ralentización:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>Tiempo de ralentización, ms:</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>RPM de control mínimo:</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM (Out1) mín., ms:</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>RPM de control medio:</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM (Out1) medio, ms:</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>RPM de control máximo:</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM (Out1) máx., ms:</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>Modo aprendizaje. (¡Se desactiva apagando y encendiendo!)</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>Estado del aprendizaje:</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>La contraseña y su repetición no coinciden. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>Número de imanes:</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>El dispositivo rechazó la nueva contraseña. Su contraseña no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>Seleccionar partición de datos de inicialización</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>Crear partición de datos de inicialización</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>Establecer modo PRN</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>Subir datos de inicialización</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>Comprobar datos de inicialización</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>Ejecutar actualización de inicialización</translation>
    </message>
    <message>
        <source>Select main data partition</source>
        <translation>Seleccionar partición de datos principal</translation>
    </message>
    <message>
        <source>Create main data partition</source>
        <translation>Crear partición de datos principal</translation>
    </message>
    <message>
        <source>Upload main firmware</source>
        <translation>Subir firmware principal</translation>
    </message>
    <message>
        <source>Check main firmware</source>
        <translation>Comprobar firmware principal</translation>
    </message>
    <message>
        <source>Execute firmware update</source>
        <translation>Ejecutar actualización de firmware</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>Estado desconocido: %1</translation>
    </message>
    <message>
        <source>Writing to the bootloader failed: %1</source>
        <translation>Error al escribir en el cargador de arranque: %1</translation>
    </message>
    <message>
        <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
        <translation>Respuesta a %1 demasiado corta: %2 bytes en lugar de %3 (%4)</translation>
    </message>
    <message>
        <source>Select response incorrect size: %1 instead of 15</source>
        <translation>Tamaño de respuesta Select incorrecto: %1 en lugar de 15</translation>
    </message>
    <message>
        <source>Select response incorrect header: %1 %2 instead of 6 1</source>
        <translation>Encabezado de respuesta Select incorrecto: %1 %2 en lugar de 6 1</translation>
    </message>
    <message>
        <source>Create response incorrect header: %1 %2 instead of 1 1</source>
        <translation>Encabezado de respuesta Create incorrecto: %1 %2 en lugar de 1 1</translation>
    </message>
    <message>
        <source>Unexpected response for Set PRN command: %1</source>
        <translation>Respuesta inesperada al comando Set PRN: %1</translation>
    </message>
    <message>
        <source>Unexpected data in upload state: %1</source>
        <translation>Datos inesperados durante la subida: %1</translation>
    </message>
    <message>
        <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
        <translation>CRC32 incorrecto
 Esperado: %1
Recibido: %2</translation>
    </message>
    <message>
        <source>Unexpected response for execute state: %1</source>
        <translation>Respuesta inesperada en el estado de ejecución: %1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Resultado de respuesta Execute incorrecto: %1 en lugar de 1</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>código de operación no válido</translation>
    </message>
    <message>
        <source>success</source>
        <translation>éxito</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>código de operación no admitido</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>parámetro no válido</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>recursos insuficientes</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>objeto no válido</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>tipo no admitido</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operación no permitida</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>la operación falló</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>error extendido</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>resultado desconocido</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>Falló la conexión con el cargador de arranque durante «%1»: %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>Se perdió la conexión con el cargador de arranque durante «%1»</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>Sin respuesta del cargador de arranque en %1 s durante «%2»</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>La respuesta Select indica un tamaño máximo de objeto de 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>El cargador de arranque rechazó Set PRN: %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>El cargador de arranque rechazó el paquete: %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>No se encontró el cargador de arranque %1</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 no está en su cargador de arranque: no ofrece el punto de control ni el paquete DFU, así que no puede recibir firmware.</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>El dispositivo rechazó los ajustes enviados. La página muestra lo que guarda el dispositivo.</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>El dispositivo rechazó la orden. No se cambió nada en el dispositivo.</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>El dispositivo rechazó la solicitud de sus registros.</translation>
    </message>
</context>
<context>
    <name>DovLoggerSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetría</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Registrador</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Ajustes generales y del registrador</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Cargar ajustes predeterminados</translation>
    </message>
</context>
<context>
    <name>DovLoggerTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Conexión:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Tiempo de carrera (s):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperatura (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotación:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satélites:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Acelerador:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Número de sesión:</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>Reservado 0:</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>Reservado 1:</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>Reservado 2:</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>Reservado 3:</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>Reservado 4:</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>Reservado 5:</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Reservado 6:</translation>
    </message>
</context>
<context>
    <name>EscSettings</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Variador: general</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>Ajustes de entradas PPM</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>Ajustes del motor</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Tabla de avance</translation>
    </message>
</context>
<context>
    <name>FirmwareDownloader</name>
    <message>
        <source>Incorrect remote data format.
Expected array.</source>
        <translation>Formato de datos remotos incorrecto.
Se esperaba una matriz.</translation>
    </message>
    <message>
        <source>Incorrect remote data. No firmware info received</source>
        <translation>Datos remotos incorrectos. No se recibió información de firmware</translation>
    </message>
    <message>
        <source>Error loading firmware file: %1</source>
        <translation>Error al cargar el archivo de firmware: %1</translation>
    </message>
    <message>
        <source>Cannot save firmware file, please download it manually</source>
        <translation>No se puede guardar el archivo de firmware; descárguelo manualmente</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>Archivo de firmware dañado, no se puede actualizar</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>Índice de actualizaciones rechazado: el servidor envió más de %1 bytes.</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>Archivo de firmware rechazado: el servidor envió más de %1 bytes.</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>Índice de actualizaciones rechazado: %1 entradas, más de %2.</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>El dispositivo no confirmó el reinicio en su cargador de arranque.</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>El dispositivo no volvió tras actualizar el cargador de arranque, así que no se instaló el firmware principal.</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>El dispositivo rechazó reiniciarse en su cargador de arranque.</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>El dispositivo debe estar conectado para instalar firmware. Conéctese a él y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>FirmwareRecoveryDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Select firmware file...</source>
        <translation>Seleccione el archivo de firmware...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>Recuperando:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Volver a buscar</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>Detener la búsqueda</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>El dispositivo se recuperó correctamente. Ya puede cerrar esta ventana.</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateCheckRequestWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Refresh firmware update information for connected devices?</source>
        <translation>¿Actualizar la información de actualizaciones de firmware para los dispositivos conectados?</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>Comprobar siempre al iniciar</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>Comprobar una vez</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Información del dispositivo</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Versión de hardware:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>Firmware actual del limitador:</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>Firmware actual del variador:</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>Cargador de arranque actual:</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>Fecha de calibración:</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>Estado de la actualización</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>Etapa de la actualización</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>Firmware principal</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>Actualizar información</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>Instalar desde archivo local</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>Cargador de arranque</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>Firmware del variador</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>El firmware se subió correctamente. Vuelva a conectarse al dispositivo.</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>El cargador de arranque se subió correctamente. ¿Reinstalar el firmware principal?</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>Seleccione el archivo de actualización de firmware</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>Error al cargar el archivo de actualización de firmware</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
</context>
<context>
    <name>FirmwareWindows</name>
    <message>
        <source>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</source>
        <translation>Hay una actualización de firmware de %1 en curso. Cerrar ahora la detiene: el dispositivo se queda en su cargador de arranque y no funciona hasta que se actualice de nuevo con «Recuperar dispositivo» en el menú «Herramientas».

¿Cerrar de todos modos?</translation>
    </message>
</context>
<context>
    <name>LimitSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Limiter settings</source>
        <translation>Ajustes del limitador</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>Nombre del conjunto de ajustes:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Límite de energía (Wh):</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>Corriente de inicio del conteo (A):</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>Tiempo de carrera (min, s):</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>Límite de acelerador (tras el límite) (%):</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>Tiempo de rampa (tras el límite) (s):</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>Tiempo de limitación (s):</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>Reiniciar energía al desconectar la batería:</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>Control activo de energía (AEC) (solo versiones 3.0 y 3.5)</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>Activar AEC:</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>Consumo inicial máximo (%):</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>Tiempo adicional (tras la carrera) (s):</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>Ciclo mínimo de limitación (%):</translation>
    </message>
</context>
<context>
    <name>LimiterDevice</name>
    <message>
        <source>Connection Error</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>Failed to connect to the device. Please try again.</source>
        <translation>No se pudo conectar con el dispositivo. Inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>LimiterSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetría</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Registrador</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>ESC settings</source>
        <translation>Ajustes del variador</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Ajustes generales y del registrador</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>Sin límites (solo telemetría) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Cargar ajustes predeterminados</translation>
    </message>
</context>
<context>
    <name>LimiterTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Conexión:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Límite de energía (Wh):</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Tiempo de carrera (s):</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>Consumo de energía relativo (%):</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>Corriente media (10 s):</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Corriente (A):</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>Tensión (V):</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>Energía (Wh):</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Potencia:</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>Potencia media</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>Potencia por velocidad</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>Capacidad (mAh):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperatura (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotación:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satélites:</translation>
    </message>
    <message>
        <source>KV:</source>
        <translation>KV:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Acelerador:</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>Avance:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Número de sesión:</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>Reservado 0 (TriggerRaceStarted):</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>Reservado 1 (aecConsRef):</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>Reservado 2 (aecConsFdb):</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>Reservado 3 (aecOut):</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>Reservado 4 (refMaxPpm):</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>Reservado 5 (raceTimeRelative):</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Reservado 6:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>No se puede conectar con el dispositivo. Código de error: %1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>Conectado. Leyendo datos</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>Servicios detectados</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>Limitación completada</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>Limitación activa</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>Rampa de bajada</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 rpm</translation>
    </message>
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>El dispositivo rechazó la contraseña enviada.</translation>
    </message>
</context>
<context>
    <name>LimiterTerminal</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>The device refused the command.</source>
        <translation>El dispositivo rechazó la orden.</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>Creado el:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordenadas:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>Conjunto de ajustes:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Polos del motor:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>Referencia de energía:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Frecuencia de registro:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Versión de hardware:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Versión de firmware:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>Versión del cargador de arranque:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>Versión de firmware del ESC:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
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
        <translation>Error al leer el archivo de registro</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>El archivo está dañado o no es compatible</translation>
    </message>
</context>
<context>
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>El dispositivo indicó sus sesiones de %1 a %2, lo que no es un intervalo de sesiones: no se muestra nada.</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>El dispositivo indicó las sesiones %1 a %2, más que las %3 sesiones que caben en su memoria de registros: no se muestra nada.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>La sesión %1 no se leyó completa: no se pudo leer ninguno de sus puntos.</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>El dispositivo no tiene datos de la sesión %1.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>La sesión %1 no se leyó completa: llegaron %2 de %3 puntos, que se guardaron como registro incompleto.</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>La sesión %1 no superó la suma de comprobación: se guardó, pero sus datos pueden estar dañados.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>Se perdió la conexión con el dispositivo mientras se leía la sesión %1.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>El dispositivo no respondió a la solicitud de la sesión %1.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Se perdió la conexión con el dispositivo mientras se leía la sesión %1: llegaron %2 de %3 puntos, que se guardaron como registro incompleto.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>El dispositivo dejó de responder mientras se leía la sesión %1: llegaron %2 de %3 puntos, que se guardaron como registro incompleto.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>El dispositivo dejó de responder mientras se leía la sesión %1.</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>No se pudo guardar la sesión %1: %2.</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>todos los nombres para su archivo de registro están ocupados por registros de otras sesiones</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>No se pudo exportar la sesión %1 como CSV: %2.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>La sesión %1 no se leyó completa: llegaron %2 de %3 puntos.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>NoDate</source>
        <translation>SinFecha</translation>
    </message>
    <message>
        <source>No folder for log files is set.</source>
        <translation>No se ha definido ninguna carpeta para los archivos de registro.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: %2</source>
        <translation>No se puede escribir el archivo de registro %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the CSV file %1: %2</source>
        <translation>No se puede escribir el archivo CSV %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>No se puede escribir el archivo de registro %1: la cabecera indica %2 parámetros y un registro admite como máximo %3.</translation>
    </message>
</context>
<context>
    <name>LoggerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Read what&apos;s on the device</source>
        <translation>Leer lo que hay en el dispositivo</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>Leer todos los registros</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>Leer registros nuevos</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>Leer seleccionados</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>Borrar registros</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>Exportar también como CSV</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>Registros en el dispositivo</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>Registros ya leídos - lo que hay en la carpeta</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>Velocidad de lectura: 0 kbit/s</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (carrera incompleta)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>Velocidad de lectura: %1 kbit/s</translation>
    </message>
    <message>
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>Pulse «Leer lo que hay en el dispositivo»</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Lectura de registros terminada</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Seleccionar carpeta de registros</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (suma de comprobación errónea)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (lectura incompleta)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (sin datos en el dispositivo)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (no guardada)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>Problemas anteriores no mostrados aquí: %1 (consulte el registro de diagnóstico).</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>Sesiones leídas y guardadas: %1 de %2.</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>No se leyó ni guardó ninguna sesión.</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>No hay ninguna sesión en cola para leer.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>Registro de la aplicación</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Escáner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>Familia de dispositivos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>Recuperar dispositivo</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>Mostrar/ocultar registro de la aplicación</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Limitador</translation>
    </message>
    <message>
        <source>Dov Logger</source>
        <translation>Registrador DOV</translation>
    </message>
</context>
<context>
    <name>MotorDriveSettWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Variador: general</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>Tensión BEC (V):</translation>
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
        <translation>Ciclo máx. (MaxRefDuty):</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>RPM máx. (MaxRefRPM):</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>Corriente de fase máx. (A):</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>Corriente DC máx. (A):</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>Potencia DC máx. (W):</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>Umbral de corte de tensión (V):</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>Modo del motor</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Ciclo de trabajo</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>Gobernador</translation>
    </message>
    <message>
        <source>Rescue settings</source>
        <translation>Ajustes de rescate</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>Modo anti carrot (¡el valor FailSafe debe estar bajo cero!):</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>Destello del LED de rescate:</translation>
    </message>
</context>
<context>
    <name>MotorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>Sentido de giro:</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Directo</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>RPM por voltio:</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>Polos:</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>Ajustes del sensor</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>Desplazamiento inicial QEP:</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>Sentido QEP:</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>Desfase:</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>Ajustes de avance</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>Modo de avance:</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fijo</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>Fijo y boost</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>Tabla y boost</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>Avance fijo (grados):</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>Añadido máx. de boost al avance (grados):</translation>
    </message>
</context>
<context>
    <name>PpmSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Throttle channel</source>
        <translation>Canal de acelerador</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>Posición de aceleración máxima (ms): </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>Fijar posición actual</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>Posición de parada (ms): </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>Posición FailSafe (ms): </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>Canal de avance</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>Posición de avance máx. (ms): </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>Posición de avance mín. (ms): </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>El dispositivo remoto cerró la conexión</translation>
    </message>
</context>
<context>
    <name>TimingTableWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Tabla de avance</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>Corriente, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Tensión, V</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>Valor máx. de avance:</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>Paso de corriente, A:</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>Pasos de corriente:</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>Paso de tensión:</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>Pasos de tensión:</translation>
    </message>
</context>
</TS>
