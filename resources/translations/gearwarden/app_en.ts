<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>Limited</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>Start overvoltage!</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>End undervoltage!</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>ESC SIGNAL WIRE CONNECT WRONG!</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>RED WIRE BROKEN!</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Not supported</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>Voltage reverse!</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>Calibrate error</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>Current reverse!</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>Self test error</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>Calibrated: %1.%2</translation>
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
        <translation>No limits!</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>Test only!</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>User mode1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>User mode2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>User mode3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>User mode4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>User mode5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>User mode6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>User mode7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>User mode8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>Password request</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>Please enter limiter access password</translation>
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
        <translation>Unique ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Reg num</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>Batt state %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Self test</source>
        <translation>Self test</translation>
    </message>
    <message>
        <source>Sett set</source>
        <translation>Sett set</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>AEC status</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>Energy cons</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>Current avg, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>Energy, Wh</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>Energy ref, Wh</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>Capacity, mAh</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Hardware ver</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Firmware ver</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>Unique ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>Reg num</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>User name</translation>
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
        <translation>Avg speed, km/h</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>Avg rpm, 1/min</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>Max speed, km/h</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>Max rpm, 1/min</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>Temperature, °C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>Satelites</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Hardware ver</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Firmware ver</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
</context>
<context>
    <name>CommonSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Limiter settings set:</source>
        <translation>Limiter settings set:</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>No Limits (telemetry only)</translation>
    </message>
    <message>
        <source>Mini Exp/Mono/Vadur 21Wh</source>
        <translation>Mini Exp/Mono/Vadur 21Wh</translation>
    </message>
    <message>
        <source>Exp/Mono1/Vadur 60Wh</source>
        <translation>Exp/Mono1/Vadur 60Wh</translation>
    </message>
    <message>
        <source>Mono2/Vadur2 120Wh</source>
        <translation>Mono2/Vadur2 120Wh</translation>
    </message>
    <message>
        <source>RAR-I 180Wh</source>
        <translation>RAR-I 180Wh</translation>
    </message>
    <message>
        <source>Mini RAR-I 42Wh</source>
        <translation>Mini RAR-I 42Wh</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>User reg number (country, number):</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>Set/reset user password</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>password:</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>repeat:</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>Telemetry update frequency (Hz):</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>Logger write frequency (Hz):</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>Max logger write time:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Motor poles:</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>RPM sensor comparator level:</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>Lowest (for gap &gt; 5mm)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Medium-</source>
        <translation>Medium-</translation>
    </message>
    <message>
        <source>Medium (recomended)</source>
        <translation>Medium (recomended)</translation>
    </message>
    <message>
        <source>Medium+</source>
        <translation>Medium+</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>High+</source>
        <translation>High+</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger Resonance pipe control</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>Input 1 must be connected to throttle signal from receiver! </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>PPM Out1 servo mode:</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>Repeat Input2 with one direction slowdown</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>Control from RPM with offset by Input2</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>Slowdown direction:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>Slowdown time, ms:</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>Control RPM minimum:</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM (Out1) min, ms:</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>Control RPM medium:</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM (Out1) med, ms:</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>Control RPM maximum:</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM (Out1) max, ms:</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>Learning mode. (Can be disabled by power cycling!)</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>Learning mode status:</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>The password and its repetition differ. Nothing was written.</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>Magnets count:</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>The device refused the new password. Its password has not changed.</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>Select init data partition</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>Create init data partition</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>Set PRN mode</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>Upload init data</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>Check init data</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>Execute init update</translation>
    </message>
    <message>
        <source>Select main data partition</source>
        <translation>Select main data partition</translation>
    </message>
    <message>
        <source>Create main data partition</source>
        <translation>Create main data partition</translation>
    </message>
    <message>
        <source>Upload main firmware</source>
        <translation>Upload main firmware</translation>
    </message>
    <message>
        <source>Check main firmware</source>
        <translation>Check main firmware</translation>
    </message>
    <message>
        <source>Execute firmware update</source>
        <translation>Execute firmware update</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>Unknown state: %1</translation>
    </message>
    <message>
        <source>Writing to the bootloader failed: %1</source>
        <translation>Writing to the bootloader failed: %1</translation>
    </message>
    <message>
        <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
        <translation>Response to %1 too short: %2 bytes instead of %3 (%4)</translation>
    </message>
    <message>
        <source>Select response incorrect size: %1 instead of 15</source>
        <translation>Select response incorrect size: %1 instead of 15</translation>
    </message>
    <message>
        <source>Select response incorrect header: %1 %2 instead of 6 1</source>
        <translation>Select response incorrect header: %1 %2 instead of 6 1</translation>
    </message>
    <message>
        <source>Create response incorrect header: %1 %2 instead of 1 1</source>
        <translation>Create response incorrect header: %1 %2 instead of 1 1</translation>
    </message>
    <message>
        <source>Unexpected response for Set PRN command: %1</source>
        <translation>Unexpected response for Set PRN command: %1</translation>
    </message>
    <message>
        <source>Unexpected data in upload state: %1</source>
        <translation>Unexpected data in upload state: %1</translation>
    </message>
    <message>
        <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
        <translation>CRC32 is incorrect
 Expected: %1
Received: %2</translation>
    </message>
    <message>
        <source>Unexpected response for execute state: %1</source>
        <translation>Unexpected response for execute state: %1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Execute response incorrect result: %1 instead of 1</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>invalid opcode</translation>
    </message>
    <message>
        <source>success</source>
        <translation>success</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>opcode not supported</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>invalid parameter</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>insufficient resources</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>invalid object</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>unsupported type</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>operation failed</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>extended error</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>unknown result</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>Connection to the bootloader failed during &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>Connection to the bootloader lost during &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>No answer from the bootloader within %1 s during &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>Select response reports a maximum object size of 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>Set PRN refused by the bootloader: %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>Packet refused by the bootloader: %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>The bootloader %1 was not found</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>The device refused the settings it was sent. The page shows what the device holds.</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>The device refused the command. Nothing was changed on the device.</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>The device refused the request for its logs.</translation>
    </message>
</context>
<context>
    <name>DovLoggerSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetry View</translation>
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
        <translation>Common &amp; Logger settings</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Load default settings</translation>
    </message>
</context>
<context>
    <name>DovLoggerTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Connection:</translation>
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
        <translation>Race time (s):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperature (C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotation:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satellites:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Throttle:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Session number:</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>Reserved 0:</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>Reserved 1:</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>Reserved 2:</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>Reserved 3:</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>Reserved 4:</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>Reserved 5:</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Reserved 6:</translation>
    </message>
</context>
<context>
    <name>EscSettings</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Motor drive common</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>PPM inputs settings</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>Motor settings</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Timing table</translation>
    </message>
</context>
<context>
    <name>FirmwareDownloader</name>
    <message>
        <source>Incorrect remote data format.
Expected array.</source>
        <translation>Incorrect remote data format.
Expected array.</translation>
    </message>
    <message>
        <source>Incorrect remote data. No firmware info received</source>
        <translation>Incorrect remote data. No firmware info received</translation>
    </message>
    <message>
        <source>Error loading firmware file: %1</source>
        <translation>Error loading firmware file: %1</translation>
    </message>
    <message>
        <source>Cannot save firmware file, please download it manually</source>
        <translation>Cannot save firmware file, please download it manually</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>Firmware file corrupted, can&apos;t update</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>Update index refused: the server sent more than %1 bytes.</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>Firmware file refused: the server sent more than %1 bytes.</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>Update index refused: %1 entries, more than %2.</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>The device did not confirm the restart into its bootloader.</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>The device did not come back after the bootloader update, so the main firmware was not installed.</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>The device refused the restart into its bootloader.</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>The device must be connected to install firmware. Connect to it and try again.</translation>
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
        <translation>Select firmware file...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>Recovering:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recover</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>Stop scanning</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1dBi</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>Device was recovered successully. You can close this window now.</translation>
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
        <translation>Refresh firmware update information for connected devices?</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>Always check at startup</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>Check once</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Device info</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Hardware version:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>Current limiter firmware:</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>Current ESC firmware:</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>Current bootloader firmware:</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>Calibration date:</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>Update status</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>Update state</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>Main firmware</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>Refresh information</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>Install from local file</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>Bootloader firmware</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>ESC firmware</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>Firmware was uploaded successully. Please reconnect to device.</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>Bootloader firnware was uploaded successully. Reinstall main firmware?</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>Please select firmware update file</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>Error loading firmware update file</translation>
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
        <translation>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</translation>
    </message>
</context>
<context>
    <name>LimitSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Limiter settings</source>
        <translation>Limiter settings</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>Settings set name:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Energy limit (Wh):</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>Start energy count current (A):</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>Race time (min, sec):</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>Throttle limit (after limit over) (%):</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>Ramp down time (after limit over) (s):</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>Limit time (s):</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>Reset energy by battery disconnect:</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>Enable AEC:</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>Max start consumption (%):</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>Additional time (after race time over) (s):</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>Min limiting duty (%):</translation>
    </message>
</context>
<context>
    <name>LimiterDevice</name>
    <message>
        <source>Connection Error</source>
        <translation>Connection Error</translation>
    </message>
    <message>
        <source>Failed to connect to the device. Please try again.</source>
        <translation>Failed to connect to the device. Please try again.</translation>
    </message>
</context>
<context>
    <name>LimiterSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Telemetry View</translation>
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
        <translation>ESC settings</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Common &amp; Logger settings</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>No Limits (telemetry only) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Load default settings</translation>
    </message>
</context>
<context>
    <name>LimiterTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Connection:</translation>
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
        <translation>Energy limit (Wh):</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Race time (s):</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>Relative energy consumption (%):</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>Average current (10sec):</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Current (A):</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>Voltage (V):</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>Energy (Wh):</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Power:</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>Power avg</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>Power to speed</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>Capacity (mAh):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Temperature (C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotation:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satellites:</translation>
    </message>
    <message>
        <source>KV:</source>
        <translation>KV:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Throttle:</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>Timing:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Session number:</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>Reserved 0 (TriggerRaceStarted):</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>Reserved 1 (aecConsRef):</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>Reserved 2 (aecConsFdb):</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>Reserved 3 (aecOut):</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>Reserved 4 (refMaxPpm):</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>Reserved 5 (raceTimeRelative):</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Reserved 6:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>Cannot connect to device. Error code: %1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>Connected. Reading data</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>Services discovered</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>Limiting complete</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>Limiting engaged</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>Rampdown</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 rpm</translation>
    </message>
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>The device refused the password it was sent.</translation>
    </message>
</context>
<context>
    <name>LimiterTerminal</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>The device refused the command.</source>
        <translation>The device refused the command.</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>Created at:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordinates:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>Settings set:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Motor poles:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>Energy reference:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Log frequency:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Hardware version:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>Booloader version:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>esc fw version:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
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
        <translation>Error reading log file</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>File is corrupted or unsupported</translation>
    </message>
</context>
<context>
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>Session %1 was not read whole: none of its dots could be read.</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>The device holds no data for session %1.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>Session %1 failed its checksum: it was saved, but its data may be damaged.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>The connection to the device was lost while session %1 was being read.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>The device did not answer the request for session %1.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>The device stopped answering while session %1 was being read.</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>Session %1 could not be saved: %2.</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>every name for its log file holds another session&apos;s log</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>Session %1 could not be exported as CSV: %2.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>Session %1 was not read whole: %2 of %3 dots arrived.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>NoDate</source>
        <translation>NoDate</translation>
    </message>
    <message>
        <source>No folder for log files is set.</source>
        <translation>No folder for log files is set.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: %2</source>
        <translation>Cannot write the log file %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the CSV file %1: %2</source>
        <translation>Cannot write the CSV file %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</translation>
    </message>
</context>
<context>
    <name>LoggerWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Read what&apos;s on the device</source>
        <translation>Read what&apos;s on the device</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>Read All Logs</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>Read New Logs</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>Read selected</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>Clear logs</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>Additionaly export as CSV</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>Logs on device</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>Logs already read - what is in the directory</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>Log read speed: 0 kbit/s</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (not complete race)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>Log read speed: %1 kbit/s</translation>
    </message>
    <message>
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>Click &quot;Read what&apos;s on the device&quot;</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Finish reading logs</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Select logs directory</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (checksum failed)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (not read whole)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (no data on the device)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (not saved)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>Earlier problems not shown here: %1 (see the diagnostics log).</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>Sessions read and saved: %1 of %2.</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>No session was read and saved.</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>No session is queued for reading.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>Application log</translation>
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
        <translation>Tools</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>Devices family</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>Recover device</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>Toggle application log</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Limiter</translation>
    </message>
    <message>
        <source>Dov Logger</source>
        <translation>Dov Logger</translation>
    </message>
</context>
<context>
    <name>MotorDriveSettWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Motor drive common</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>BEC voltage (V):</translation>
    </message>
    <message>
        <source>5V</source>
        <translation>5V</translation>
    </message>
    <message>
        <source>6V</source>
        <translation>6V</translation>
    </message>
    <message>
        <source>7.4V</source>
        <translation>7.4V</translation>
    </message>
    <message>
        <source>8.4V</source>
        <translation>8.4V</translation>
    </message>
    <message>
        <source>MaxRefDuty:</source>
        <translation>MaxRefDuty:</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>MaxRefRPM:</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>MaxRefPhCurr (A):</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>MaxRefDCCurr (A):</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>MaxRefDcPower (W):</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>Voltage cutoff treshold (V):</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>Motor mode</translation>
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
        <translation>Rescue settings</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>Anti carrot mode (FailSafe value must me set below zero!):</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>Rescue led flash:</translation>
    </message>
</context>
<context>
    <name>MotorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Common</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>Rotate direction:</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>RPM to volt:</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>Poles:</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>Sensor settings</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>Qep init offset:</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>Qep direction:</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>Phase offset:</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>Timing settings</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>Timing mode:</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>Fixed and boost</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>Table and boost</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>Timing fixed value (deg):</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>Timing max boost add value (deg):</translation>
    </message>
</context>
<context>
    <name>PpmSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Throttle channel</source>
        <translation>Throttle channel</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>Full throttle position (ms): </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>Set current position</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>Stop position (ms): </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>FailSafe position (ms): </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>Timing channel</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>Max timing position (ms): </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>Min timing position (ms): </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>Remote device closed the connection</translation>
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
        <translation>Timing table</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>Current, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>Max timing value:</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>Current increase step, A:</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>Current steps:</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>Voltage increase step:</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>Voltage steps:</translation>
    </message>
</context>
</TS>
