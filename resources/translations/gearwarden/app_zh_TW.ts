<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>已限制</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>比賽中</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>起始過電壓！</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>結束欠電壓！</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>ESC 訊號線接錯！</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>紅線斷路！</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>不支援</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已啟用</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>作用中</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>電壓反接！</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>校正錯誤</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>電流反向！</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>自我測試錯誤</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>已校正：%1.%2</translation>
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
        <translation>無限制！</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>僅供測試！</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>使用者模式 1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>使用者模式 2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>使用者模式 3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>使用者模式 4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>使用者模式 5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>使用者模式 6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>使用者模式 7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>使用者模式 8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>密碼要求</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>請輸入限制器存取密碼</translation>
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
        <translation>唯一識別碼</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>註冊號</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>電池狀態 %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>檢查</translation>
    </message>
    <message>
        <source>Self test</source>
        <translation>自我測試</translation>
    </message>
    <message>
        <source>Sett set</source>
        <translation>設定組</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>AEC 狀態</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>能量消耗</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>平均電流，A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>電壓，V</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>能量，Wh</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>能量上限，Wh</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>容量，mAh</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>硬體版本</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>唯一識別碼</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>註冊號</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Avg speed, km/h</source>
        <translation>平均速度，km/h</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>平均轉速，1/min</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>最高速度，km/h</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>最高轉速，1/min</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>溫度，°C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>衛星數</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>硬體版本</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
</context>
<context>
    <name>CommonSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Limiter settings set:</source>
        <translation>限制器設定組：</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>無限制（僅遙測）</translation>
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
        <translation>使用者名稱：</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>使用者註冊號碼（國家、號碼）：</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>設定／重設使用者密碼</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>再次輸入：</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>遙測更新頻率（Hz）：</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>記錄器（僅限限制器記錄器版本 1.0、1.1、1.2、2.0、3.5 及 QVR DOV Logger）</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>記錄器寫入頻率（Hz）：</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>最長記錄時間：</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>馬達極數：</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>轉速感測器比較器等級：</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>最低（間隙 &gt; 5mm）</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium-</source>
        <translation>中-</translation>
    </message>
    <message>
        <source>Medium (recomended)</source>
        <translation>中（建議）</translation>
    </message>
    <message>
        <source>Medium+</source>
        <translation>中+</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>High+</source>
        <translation>高+</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最高</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger 共振管控制</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>輸入 1 必須連接到接收機的油門訊號！ </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>PPM Out1 伺服模式：</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>重複 Input2，單向減速</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>依轉速控制，以 Input2 偏移</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>減速方向：</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>減速時間，毫秒：</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>控制轉速最小值：</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM（Out1）最小，毫秒：</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>控制轉速中間值：</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM（Out1）中間，毫秒：</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>控制轉速最大值：</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM（Out1）最大，毫秒：</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>學習模式。（重新上電即可停用！）</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>學習模式狀態：</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>密碼與再次輸入的內容不同。未寫入任何資料。</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>磁鐵數量：</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>裝置拒絕了新密碼。其密碼未變更。</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>選擇初始化資料分割區</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>建立初始化資料分割區</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>設定 PRN 模式</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>上傳初始化資料</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>檢查初始化資料</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>執行初始化更新</translation>
    </message>
    <message>
        <source>Select main data partition</source>
        <translation>選擇主要資料分割區</translation>
    </message>
    <message>
        <source>Create main data partition</source>
        <translation>建立主要資料分割區</translation>
    </message>
    <message>
        <source>Upload main firmware</source>
        <translation>上傳主要韌體</translation>
    </message>
    <message>
        <source>Check main firmware</source>
        <translation>檢查主要韌體</translation>
    </message>
    <message>
        <source>Execute firmware update</source>
        <translation>執行韌體更新</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>未知狀態：%1</translation>
    </message>
    <message>
        <source>Writing to the bootloader failed: %1</source>
        <translation>寫入開機載入程式失敗：%1</translation>
    </message>
    <message>
        <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
        <translation>%1 的回應過短：%2 位元組，應為 %3（%4）</translation>
    </message>
    <message>
        <source>Select response incorrect size: %1 instead of 15</source>
        <translation>Select 回應大小不正確：%1，應為 15</translation>
    </message>
    <message>
        <source>Select response incorrect header: %1 %2 instead of 6 1</source>
        <translation>Select 回應標頭不正確：%1 %2，應為 6 1</translation>
    </message>
    <message>
        <source>Create response incorrect header: %1 %2 instead of 1 1</source>
        <translation>Create 回應標頭不正確：%1 %2，應為 1 1</translation>
    </message>
    <message>
        <source>Unexpected response for Set PRN command: %1</source>
        <translation>Set PRN 命令的回應不符預期：%1</translation>
    </message>
    <message>
        <source>Unexpected data in upload state: %1</source>
        <translation>上傳狀態中出現非預期的資料：%1</translation>
    </message>
    <message>
        <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
        <translation>CRC32 不正確
 預期：%1
收到：%2</translation>
    </message>
    <message>
        <source>Unexpected response for execute state: %1</source>
        <translation>執行階段的回應不符預期：%1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Execute 回應結果不正確：%1，應為 1</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>無效的操作碼</translation>
    </message>
    <message>
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>不支援的操作碼</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>無效的參數</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>資源不足</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>無效的物件</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>不支援的類型</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>不允許的操作</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>操作失敗</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>延伸錯誤</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>未知的結果</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>在「%1」期間與開機載入程式的連線失敗：%2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>在「%1」期間與開機載入程式的連線中斷</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>在「%2」期間，開機載入程式於 %1 秒內沒有回應</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>Select 回應回報的最大物件大小為 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>開機載入程式拒絕了 Set PRN：%1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>開機載入程式拒絕了封包：%1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>找不到開機載入程式 %1</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 不在開機載入程式中：它沒有 DFU 控制點與封包特性，因此無法接收韌體。</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>裝置拒絕了傳送的設定。此頁面顯示裝置目前保存的內容。</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>裝置拒絕了此指令。裝置上沒有任何變更。</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>裝置拒絕了讀取其記錄的請求。</translation>
    </message>
</context>
<context>
    <name>DovLoggerSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>遙測</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>記錄器</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>終端機</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>一般與記錄器設定</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>儲存設定</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>載入預設設定</translation>
    </message>
</context>
<context>
    <name>DovLoggerTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>連線：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>比賽時間 (秒)：</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>溫度 (°C)：</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>轉速：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>衛星：</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>油門：</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>場次編號：</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>保留 0：</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>保留 1：</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>保留 2：</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>保留 3：</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>保留 4：</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>保留 5：</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>保留 6：</translation>
    </message>
</context>
<context>
    <name>EscSettings</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>馬達驅動一般設定</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>PPM 輸入設定</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>馬達設定</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>時序表</translation>
    </message>
</context>
<context>
    <name>FirmwareDownloader</name>
    <message>
        <source>Incorrect remote data format.
Expected array.</source>
        <translation>遠端資料格式不正確。
預期為陣列。</translation>
    </message>
    <message>
        <source>Incorrect remote data. No firmware info received</source>
        <translation>遠端資料不正確。未收到韌體資訊</translation>
    </message>
    <message>
        <source>Error loading firmware file: %1</source>
        <translation>載入韌體檔案時發生錯誤：%1</translation>
    </message>
    <message>
        <source>Cannot save firmware file, please download it manually</source>
        <translation>無法儲存韌體檔案，請手動下載</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>韌體檔案已損毀，無法更新</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>已拒絕更新清單：伺服器傳送了超過 %1 位元組。</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>已拒絕韌體檔案：伺服器傳送了超過 %1 位元組。</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>已拒絕更新清單：共 %1 筆項目，超過 %2 筆。</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>裝置沒有確認重新啟動進入開機載入程式。</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>更新開機載入程式後裝置沒有回來，因此未安裝主要韌體。</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>裝置拒絕重新啟動進入開機載入程式。</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>安裝韌體時裝置必須已連線。請連線到裝置後再試一次。</translation>
    </message>
</context>
<context>
    <name>FirmwareRecoveryDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Select firmware file...</source>
        <translation>選擇韌體檔案...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>正在復原：</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>掃描</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>重新掃描</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>停止掃描</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1dBi</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>裝置已成功復原。您現在可以關閉此視窗。</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateCheckRequestWidget</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Refresh firmware update information for connected devices?</source>
        <translation>要為連線的裝置重新整理韌體更新資訊嗎？</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>啟動時一律檢查</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>檢查一次</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>裝置資訊</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>硬體版本：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>目前的限制器韌體：</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>目前的電變韌體：</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>目前的開機載入程式：</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>校準日期：</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>更新狀態</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>更新階段</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>主要韌體</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>重新整理資訊</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>從本機檔案安裝</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>開機載入程式韌體</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>電變韌體</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>韌體已成功上傳。請重新連線到裝置。</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>開機載入程式已成功上傳。要重新安裝主要韌體嗎？</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>請選擇韌體更新檔案</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>載入韌體更新檔案時發生錯誤</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>錯誤：%1</translation>
    </message>
</context>
<context>
    <name>FirmwareWindows</name>
    <message>
        <source>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</source>
        <translation>%1 的韌體更新正在進行。現在關閉會中止更新：裝置將停留在開機載入程式中，在透過「工具」選單的「復原裝置」重新更新之前都無法運作。

仍要關閉嗎？</translation>
    </message>
</context>
<context>
    <name>LimitSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Limiter settings</source>
        <translation>限制器設定</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>設定組名稱：</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>能量限制（Wh）：</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>開始計算能量的電流（A）：</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>比賽時間（分、秒）：</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh &apos;時&apos; mm &apos;分&apos; ss &apos;秒&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>油門限制（超過限制後）（%）：</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>降載時間（超過限制後）（秒）：</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>限制時間（秒）：</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>中斷電池連接時重設能量：</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>主動能量控制（AEC）（僅限 3.0 與 3.5 版）</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>啟用 AEC：</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>最大起始消耗（%）：</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>額外時間（比賽時間結束後）（秒）：</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>最小限制工作週期（%）：</translation>
    </message>
</context>
<context>
    <name>LimiterDevice</name>
    <message>
        <source>Connection Error</source>
        <translation>連線錯誤</translation>
    </message>
    <message>
        <source>Failed to connect to the device. Please try again.</source>
        <translation>無法連線到裝置。請再試一次。</translation>
    </message>
</context>
<context>
    <name>LimiterSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>遙測</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>記錄器</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>終端機</translation>
    </message>
    <message>
        <source>ESC settings</source>
        <translation>電變設定</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>一般與記錄器設定</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>無限制 (僅遙測) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>儲存設定</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>載入預設設定</translation>
    </message>
</context>
<context>
    <name>LimiterTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>連線：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>能量限制 (Wh)：</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>比賽時間 (秒)：</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>相對能量消耗 (%)：</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>平均電流 (10 秒)：</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>電流 (A)：</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>電壓 (V)：</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>能量 (Wh)：</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>功率：</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>平均功率</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>功率與速度比</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>容量 (mAh)：</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>溫度 (°C)：</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>轉速：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>衛星：</translation>
    </message>
    <message>
        <source>KV:</source>
        <translation>KV：</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>油門：</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>進角：</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>場次編號：</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>保留 0 (TriggerRaceStarted)：</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>保留 1 (aecConsRef)：</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>保留 2 (aecConsFdb)：</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>保留 3 (aecOut)：</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>保留 4 (refMaxPpm)：</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>保留 5 (raceTimeRelative)：</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>保留 6：</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已中斷連線</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>無法連線到裝置。錯誤代碼：%1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>已連線。正在讀取資料</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>已找到服務</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>限制完成</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>限制中</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>降載</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>比賽中</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 rpm</translation>
    </message>
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>裝置拒絕了傳送的密碼。</translation>
    </message>
</context>
<context>
    <name>LimiterTerminal</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message>
        <source>The device refused the command.</source>
        <translation>裝置拒絕了此指令。</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>建立時間：</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>使用者：</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>座標：</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>設定組：</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>馬達極數：</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>能量基準：</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>記錄頻率：</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>硬體版本：</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>韌體版本：</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>開機載入程式版本：</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>ESC 韌體版本：</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
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
        <translation>讀取記錄檔時發生錯誤</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>檔案已損毀或不受支援</translation>
    </message>
</context>
<context>
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>裝置回報其工作階段為 %1 至 %2，這不是有效的工作階段範圍：未列出任何項目。</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>裝置回報工作階段 %1 至 %2，超過其記錄記憶體可容納的 %3 個工作階段：未列出任何項目。</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>工作階段 %1 未完整讀取：其資料點一個也無法讀取。</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>裝置上沒有工作階段 %1 的資料。</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>工作階段 %1 未完整讀取：收到 %3 個資料點中的 %2 個，已保存為不完整的記錄。</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>工作階段 %1 的檢查碼不符：已儲存，但資料可能已損壞。</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>讀取工作階段 %1 時與裝置的連線中斷。</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>裝置未回應工作階段 %1 的請求。</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>讀取工作階段 %1 時與裝置的連線中斷：收到 %3 個資料點中的 %2 個，已保存為不完整的記錄。</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>讀取工作階段 %1 時裝置停止回應：收到 %3 個資料點中的 %2 個，已保存為不完整的記錄。</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>讀取工作階段 %1 時裝置停止回應。</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>無法儲存工作階段 %1：%2。</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>其記錄檔的每個名稱都已被其他工作階段的記錄使用</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>無法將工作階段 %1 匯出為 CSV：%2。</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>工作階段 %1 未完整讀取：收到 %3 個資料點中的 %2 個。</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>NoDate</source>
        <translation>無日期</translation>
    </message>
    <message>
        <source>No folder for log files is set.</source>
        <translation>尚未設定日誌檔案的資料夾。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: %2</source>
        <translation>無法寫入日誌檔案 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write the CSV file %1: %2</source>
        <translation>無法寫入 CSV 檔案 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>無法寫入記錄檔 %1：標頭列出 %2 個參數，記錄最多只能容納 %3 個。</translation>
    </message>
</context>
<context>
    <name>LoggerWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Read what&apos;s on the device</source>
        <translation>讀取裝置上的內容</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>讀取所有記錄</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>讀取新記錄</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>讀取所選</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>清除記錄</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>另外匯出為 CSV</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>裝置上的記錄</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>已讀取的記錄 - 資料夾中的內容</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>記錄讀取速度：0 kbit/s</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (比賽未完成)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>記錄讀取速度：%1 kbit/s</translation>
    </message>
    <message>
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>請按「讀取裝置上的內容」</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>記錄讀取完成</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>選擇記錄資料夾</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (檢查碼不符)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (未完整讀取)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (裝置上無資料)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (未儲存)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>此處未顯示的較早問題：%1 (請參閱診斷記錄)。</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>已讀取並儲存的工作階段：%1 / %2。</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>沒有任何工作階段被讀取並儲存。</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>沒有排入讀取佇列的工作階段。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>應用程式日誌</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>掃描器</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>裝置系列</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>復原裝置</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>切換應用程式記錄</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>限制器</translation>
    </message>
    <message>
        <source>Dov Logger</source>
        <translation>DOV 記錄器</translation>
    </message>
</context>
<context>
    <name>MotorDriveSettWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>馬達驅動一般設定</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>BEC 電壓（V）：</translation>
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
        <translation>最大參考工作週期（MaxRefDuty）：</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>最大參考轉速（MaxRefRPM）：</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>最大相電流（A）：</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>最大直流電流（A）：</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>最大直流功率（W）：</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>電壓切斷門檻（V）：</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>馬達模式</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>工作週期</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>定速</translation>
    </message>
    <message>
        <source>Rescue settings</source>
        <translation>救援設定</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>防失控模式（FailSafe 值必須設為低於零！）：</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>救援 LED 閃爍：</translation>
    </message>
</context>
<context>
    <name>MotorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>旋轉方向：</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>每伏特轉速：</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>極數：</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>感測器設定</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>QEP 初始偏移：</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>QEP 方向：</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>相位偏移：</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>時序設定</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>時序模式：</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>固定加增壓</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>表格加增壓</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>固定時序值（度）：</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>時序最大增壓附加值（度）：</translation>
    </message>
</context>
<context>
    <name>PpmSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Throttle channel</source>
        <translation>油門通道</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>全油門位置（毫秒）： </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>設為目前位置</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>停止位置（毫秒）： </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>FailSafe 位置（毫秒）： </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>時序通道</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>最大時序位置（毫秒）： </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>最小時序位置（毫秒）： </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>遠端裝置已關閉連線</translation>
    </message>
</context>
<context>
    <name>TimingTableWidget</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>時序表</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>電流，A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>電壓，V</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>最大時序值：</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>電流遞增步距，A：</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>電流步數：</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>電壓遞增步距：</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>電壓步數：</translation>
    </message>
</context>
</TS>
