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
        <source>Connection to the bootloader failed during "%1": %2</source>
        <translation>Connection to the bootloader failed during "%1": %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during "%1"</source>
        <translation>Connection to the bootloader lost during "%1"</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during "%2"</source>
        <translation>No answer from the bootloader within %1 s during "%2"</translation>
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
        <source>Firmware file corrupted, can't update</source>
        <translation>Firmware file corrupted, can't update</translation>
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
        <source>Read what's on the device</source>
        <translation>Read what's on the device</translation>
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
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>The device stopped answering while session %1 was being read.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>The device did not answer the request for session %1.</translation>
    </message>
    <message>
        <source>Click "Read what's on the device"</source>
        <translation>Click "Read what's on the device"</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2</source>
        <translation>Session %1 could not be saved: %2</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>Session %1 failed its checksum: it was saved, but its data may be damaged.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read. Read it again once the device is connected.</source>
        <translation>The connection to the device was lost while session %1 was being read. Read it again once the device is connected.</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Finish reading logs</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Select logs directory</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Gearwarden</source>
        <translation>Gearwarden</translation>
    </message>
    <message>
        <source>Application log</source>
        <translation>Application log</translation>
    </message>
</context>
</TS>
