<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>制限中</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>レース中</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>スタート時の過電圧！</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>終了時の電圧不足！</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>ESC信号線の接続が間違っています！</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>赤線が断線しています！</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>非対応</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>作動中</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>電圧の逆接続！</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>校正エラー</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>電流の逆方向！</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>セルフテストエラー</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>校正済み：%1.%2</translation>
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
        <translation>制限なし！</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>テスト専用！</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>ユーザーモード1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>ユーザーモード2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>ユーザーモード3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>ユーザーモード4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>ユーザーモード5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>ユーザーモード6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>ユーザーモード7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>ユーザーモード8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>パスワードの入力</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>リミッターのアクセスパスワードを入力してください</translation>
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
        <translation>固有ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>登録番号</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>バッテリー残量 %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>チェック</translation>
    </message>
    <message>
        <source>Self test</source>
        <translation>セルフテスト</translation>
    </message>
    <message>
        <source>Sett set</source>
        <translation>設定セット</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>AEC状態</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>消費エネルギー</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>平均電流, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>電圧, V</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>エネルギー, Wh</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>基準エネルギー, Wh</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>容量, mAh</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>ハードウェア版</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>ファームウェア版</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>固有ID</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>登録番号</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Avg speed, km/h</source>
        <translation>平均速度, km/h</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>平均回転数, 1/min</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>最高速度, km/h</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>最高回転数, 1/min</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>温度, °C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>衛星数</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>ハードウェア版</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>ファームウェア版</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
</context>
<context>
    <name>CommonSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Limiter settings set:</source>
        <translation>リミッター設定セット：</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>制限なし（テレメトリのみ）</translation>
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
        <translation>ユーザー名：</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>ユーザー登録番号（国、番号）：</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>ユーザーパスワードの設定／リセット</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>パスワード：</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>確認：</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>テレメトリ更新頻度（Hz）：</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>ロガー（リミッター・ロガー 1.0、1.1、1.2、2.0、3.5 と QVR DOV Logger のみ）</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>ロガー書き込み頻度（Hz）：</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>最大記録時間：</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>モーター極数：</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>回転センサーのコンパレータレベル：</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>最低（ギャップ &gt; 5mm）</translation>
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
        <translation>中（推奨）</translation>
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
        <translation>最大</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger 共鳴管制御</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>入力 1 は受信機のスロットル信号に接続してください！ </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>PPM Out1 サーボモード：</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>Input2 を片方向減速で再現</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>回転数で制御し Input2 でオフセット</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>減速方向：</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>正方向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>逆方向</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>減速時間（ms）：</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>制御回転数 最小：</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM（Out1）最小 ms：</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>制御回転数 中間：</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM（Out1）中間 ms：</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>制御回転数 最大：</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM（Out1）最大 ms：</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>学習モード（電源の入れ直しで解除できます！）</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>学習モードの状態：</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>パスワードと確認入力が一致しません。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>磁石の数：</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>デバイスが新しいパスワードを拒否しました。パスワードは変更されていません。</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>初期化データ領域を選択</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>初期化データ領域を作成</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>PRN モードを設定</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>初期化データをアップロード</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>初期化データを確認</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>初期化の更新を実行</translation>
    </message>
    <message>
        <source>Select main data partition</source>
        <translation>メインデータ領域を選択</translation>
    </message>
    <message>
        <source>Create main data partition</source>
        <translation>メインデータ領域を作成</translation>
    </message>
    <message>
        <source>Upload main firmware</source>
        <translation>メインファームウェアをアップロード</translation>
    </message>
    <message>
        <source>Check main firmware</source>
        <translation>メインファームウェアを確認</translation>
    </message>
    <message>
        <source>Execute firmware update</source>
        <translation>ファームウェアの更新を実行</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>不明な状態: %1</translation>
    </message>
    <message>
        <source>Writing to the bootloader failed: %1</source>
        <translation>ブートローダーへの書き込みに失敗しました: %1</translation>
    </message>
    <message>
        <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
        <translation>%1 への応答が短すぎます: %2 バイト (%3 バイト必要) (%4)</translation>
    </message>
    <message>
        <source>Select response incorrect size: %1 instead of 15</source>
        <translation>Select 応答のサイズが正しくありません: %1 (15 が必要)</translation>
    </message>
    <message>
        <source>Select response incorrect header: %1 %2 instead of 6 1</source>
        <translation>Select 応答のヘッダーが正しくありません: %1 %2 (6 1 が必要)</translation>
    </message>
    <message>
        <source>Create response incorrect header: %1 %2 instead of 1 1</source>
        <translation>Create 応答のヘッダーが正しくありません: %1 %2 (1 1 が必要)</translation>
    </message>
    <message>
        <source>Unexpected response for Set PRN command: %1</source>
        <translation>Set PRN コマンドへの予期しない応答: %1</translation>
    </message>
    <message>
        <source>Unexpected data in upload state: %1</source>
        <translation>アップロード中に予期しないデータ: %1</translation>
    </message>
    <message>
        <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
        <translation>CRC32 が正しくありません
 期待値: %1
受信値: %2</translation>
    </message>
    <message>
        <source>Unexpected response for execute state: %1</source>
        <translation>実行段階での予期しない応答: %1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Execute 応答の結果が正しくありません: %1 (1 が必要)</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>無効なオペコード</translation>
    </message>
    <message>
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>サポートされていないオペコード</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>無効なパラメーター</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>リソース不足</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>無効なオブジェクト</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>サポートされていない種類</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>許可されていない操作</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>拡張エラー</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>不明な結果</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>「%1」の実行中にブートローダーとの接続に失敗しました: %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>「%1」の実行中にブートローダーとの接続が切れました</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>「%2」の実行中、ブートローダーから %1 秒以内に応答がありません</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>Select 応答の最大オブジェクトサイズが 0 です</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>ブートローダーが Set PRN を拒否しました: %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>ブートローダーがパケットを拒否しました: %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>ブートローダー %1 が見つかりません</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 はブートローダーで動作していません。DFU のコントロールポイントとパケットがないため、ファームウェアを受け取れません。</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>デバイスは送信された設定を拒否しました。このページにはデバイスが保持している内容が表示されています。</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>デバイスがコマンドを拒否しました。デバイス上では何も変更されていません。</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>デバイスがログの要求を拒否しました。</translation>
    </message>
</context>
<context>
    <name>DovLoggerSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>テレメトリー</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>ロガー</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>ターミナル</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>共通設定とロガー設定</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>設定を保存</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>既定の設定を読み込む</translation>
    </message>
</context>
<context>
    <name>DovLoggerTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>接続:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>レース時間 (秒):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>温度 (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>回転数:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>衛星数:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>スロットル:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>セッション番号:</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>予備 0:</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>予備 1:</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>予備 2:</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>予備 3:</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>予備 4:</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>予備 5:</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>予備 6:</translation>
    </message>
</context>
<context>
    <name>EscSettings</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>モータードライブ共通</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>PPM 入力設定</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>モーター設定</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>タイミングテーブル</translation>
    </message>
</context>
<context>
    <name>FirmwareDownloader</name>
    <message>
        <source>Incorrect remote data format.
Expected array.</source>
        <translation>リモートデータの形式が正しくありません。
配列が必要です。</translation>
    </message>
    <message>
        <source>Incorrect remote data. No firmware info received</source>
        <translation>リモートデータが正しくありません。ファームウェア情報を受信していません</translation>
    </message>
    <message>
        <source>Error loading firmware file: %1</source>
        <translation>ファームウェアファイルの読み込みエラー: %1</translation>
    </message>
    <message>
        <source>Cannot save firmware file, please download it manually</source>
        <translation>ファームウェアファイルを保存できません。手動でダウンロードしてください</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>ファームウェアファイルが破損しているため、更新できません</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>更新インデックスを拒否しました: サーバーが %1 バイトを超えるデータを送信しました。</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>ファームウェアファイルを拒否しました: サーバーが %1 バイトを超えるデータを送信しました。</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>更新インデックスを拒否しました: 項目数 %1 は上限の %2 を超えています。</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>デバイスがブートローダーへの再起動を確認しませんでした。</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>ブートローダーの更新後にデバイスが戻らなかったため、メインファームウェアはインストールされませんでした。</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>デバイスがブートローダーへの再起動を拒否しました。</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>ファームウェアをインストールするにはデバイスが接続されている必要があります。接続してからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>FirmwareRecoveryDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Select firmware file...</source>
        <translation>ファームウェアファイルを選択...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>復旧中:</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>復旧</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>スキャンを停止</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1dBi</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>デバイスは正常に復旧しました。このウィンドウを閉じてかまいません。</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateCheckRequestWidget</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Refresh firmware update information for connected devices?</source>
        <translation>接続するデバイスのファームウェア更新情報を確認しますか?</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>起動時に常に確認</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>今回だけ確認</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>デバイス情報</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>ハードウェアバージョン:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>現在のリミッターファームウェア:</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>現在の ESC ファームウェア:</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>現在のブートローダー:</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>校正日:</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>更新状況</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>更新段階</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>メインファームウェア</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>情報を更新</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>ローカルファイルからインストール</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>ブートローダー</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>ESC ファームウェア</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>ファームウェアのアップロードが完了しました。デバイスに再接続してください。</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>ブートローダーのアップロードが完了しました。メインファームウェアを再インストールしますか?</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>ファームウェア更新ファイルを選択してください</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>ファームウェア更新ファイルの読み込みエラー</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>エラー: %1</translation>
    </message>
</context>
<context>
    <name>FirmwareWindows</name>
    <message>
        <source>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</source>
        <translation>%1 のファームウェア更新を実行中です。今閉じると更新は中断され、デバイスはブートローダーのままとなり、「ツール」メニューの「デバイスを復旧」で再度更新するまで動作しません。

それでも閉じますか?</translation>
    </message>
</context>
<context>
    <name>LimitSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Limiter settings</source>
        <translation>リミッター設定</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>設定セット名：</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>エネルギー制限（Wh）：</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>エネルギー計測開始電流（A）：</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>レース時間（分、秒）：</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh&apos;時間&apos;mm&apos;分&apos;ss&apos;秒&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>スロットル制限（制限超過後）（%）：</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>ランプダウン時間（制限超過後）（秒）：</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>制限時間（秒）：</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>バッテリー切断でエネルギーをリセット：</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>アクティブエネルギー制御（AEC）（バージョン 3.0 と 3.5 のみ）</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>AEC を有効化：</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>最大スタート消費（%）：</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>追加時間（レース時間終了後）（秒）：</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>最小制限デューティ（%）：</translation>
    </message>
</context>
<context>
    <name>LimiterDevice</name>
    <message>
        <source>Connection Error</source>
        <translation>接続エラー</translation>
    </message>
    <message>
        <source>Failed to connect to the device. Please try again.</source>
        <translation>デバイスに接続できませんでした。もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>LimiterSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>テレメトリー</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>ロガー</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>ターミナル</translation>
    </message>
    <message>
        <source>ESC settings</source>
        <translation>ESC 設定</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>共通設定とロガー設定</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>制限なし (テレメトリーのみ) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>設定を保存</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>既定の設定を読み込む</translation>
    </message>
</context>
<context>
    <name>LimiterTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>接続:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>エネルギー制限 (Wh):</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>レース時間 (秒):</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>相対エネルギー消費 (%):</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>平均電流 (10 秒):</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>電流 (A):</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>電圧 (V):</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>エネルギー (Wh):</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>電力:</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>平均電力</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>速度あたりの電力</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>容量 (mAh):</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>温度 (°C):</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>回転数:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>衛星数:</translation>
    </message>
    <message>
        <source>KV:</source>
        <translation>KV:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>スロットル:</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>進角:</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>セッション番号:</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>予備 0 (TriggerRaceStarted):</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>予備 1 (aecConsRef):</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>予備 2 (aecConsFdb):</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>予備 3 (aecOut):</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>予備 4 (refMaxPpm):</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>予備 5 (raceTimeRelative):</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>予備 6:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>デバイスに接続できません。エラーコード: %1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>接続済み。データを読み込み中</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>サービスを検出しました</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>制限完了</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>制限中</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>ランプダウン</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>レース</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 rpm</translation>
    </message>
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>デバイスが送信されたパスワードを拒否しました。</translation>
    </message>
</context>
<context>
    <name>LimiterTerminal</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>The device refused the command.</source>
        <translation>デバイスがコマンドを拒否しました。</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>作成日時:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>ユーザー:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>座標:</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>設定セット:</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>モーター極数:</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>基準エネルギー:</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>記録周波数:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>ハードウェアバージョン:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>ファームウェアバージョン:</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>ブートローダーバージョン:</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>ESC ファームウェアバージョン:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
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
        <translation>ログファイルの読み込みエラー</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>ファイルが破損しているか、サポートされていません</translation>
    </message>
</context>
<context>
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>デバイスはセッションを %1 から %2 と報告しましたが、セッションの範囲になっていないため、何も一覧表示しません。</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>デバイスはセッション %1 から %2 を報告しましたが、ログメモリに収まる %3 セッションを超えているため、何も一覧表示しません。</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>セッション %1 は完全には読み取れませんでした: データ点を一つも読み取れませんでした。</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>デバイスにはセッション %1 のデータがありません。</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>セッション %1 は完全には読み取れませんでした: データ点 %3 個のうち %2 個が届き、不完全なログとして保存しました。</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>セッション %1 はチェックサムが一致しません: 保存されましたが、データが破損している可能性があります。</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>セッション %1 の読み取り中にデバイスとの接続が切れました。</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>デバイスはセッション %1 の要求に応答しませんでした。</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>セッション %1 の読み取り中にデバイスとの接続が切れました: データ点 %3 個のうち %2 個が届き、不完全なログとして保存しました。</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>セッション %1 の読み取り中にデバイスが応答しなくなりました: データ点 %3 個のうち %2 個が届き、不完全なログとして保存しました。</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>セッション %1 の読み取り中にデバイスが応答しなくなりました。</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>セッション %1 を保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>ログファイルに使える名前はすべて他のセッションのログで使われています</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>セッション %1 を CSV にエクスポートできませんでした: %2。</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>セッション %1 は完全には読み取れませんでした: データ点 %3 個のうち %2 個が届きました。</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>NoDate</source>
        <translation>日付なし</translation>
    </message>
    <message>
        <source>No folder for log files is set.</source>
        <translation>ログファイルのフォルダーが設定されていません。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: %2</source>
        <translation>ログファイル %1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write the CSV file %1: %2</source>
        <translation>CSV ファイル %1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>ログファイル %1 を書き込めません: ヘッダーのパラメーター数は %2 ですが、ログに入るのは最大 %3 です。</translation>
    </message>
</context>
<context>
    <name>LoggerWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Read what&apos;s on the device</source>
        <translation>デバイスの内容を読み取る</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>すべてのログを読み取る</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>新しいログを読み取る</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>選択を読み取る</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>ログを消去</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>CSV としても書き出す</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>デバイス上のログ</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>読み取り済みのログ - フォルダーの内容</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>ログ読み取り速度: 0 kbit/s</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (未完了のレース)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>ログ読み取り速度: %1 kbit/s</translation>
    </message>
    <message>
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>「デバイスの内容を読み取る」をクリックしてください</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>ログの読み取りが完了しました</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>ログフォルダーを選択</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (チェックサム不一致)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (読み取り未完了)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (デバイスにデータなし)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (未保存)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>ここに表示していない以前の問題: %1 件 (診断ログを参照)。</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>読み取って保存したセッション: %2 件中 %1 件。</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>読み取って保存したセッションはありません。</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>読み取り待ちのセッションはありません。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>アプリケーションログ</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>スキャナー</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>デバイスの種類</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>デバイスを復旧</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>アプリケーションログの表示切替</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>リミッター</translation>
    </message>
    <message>
        <source>Dov Logger</source>
        <translation>DOV ロガー</translation>
    </message>
</context>
<context>
    <name>MotorDriveSettWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>モータードライブ共通</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>BEC 電圧（V）：</translation>
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
        <translation>最大デューティ（MaxRefDuty）：</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>最大回転数（MaxRefRPM）：</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>最大相電流（A）：</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>最大 DC 電流（A）：</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>最大 DC 電力（W）：</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>電圧カットオフしきい値（V）：</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>モーターモード</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>デューティ</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>ガバナー</translation>
    </message>
    <message>
        <source>Rescue settings</source>
        <translation>レスキュー設定</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>アンチキャロットモード（FailSafe 値はゼロ未満に設定！）：</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>レスキュー LED 点滅：</translation>
    </message>
</context>
<context>
    <name>MotorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>共通</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>回転方向：</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>正転</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>逆転</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>1 ボルトあたりの回転数：</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>極数：</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>センサー設定</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>QEP 初期オフセット：</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>QEP 方向：</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>位相オフセット：</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>タイミング設定</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>タイミングモード：</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>テーブル</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>固定とブースト</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>テーブルとブースト</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>固定タイミング値（度）：</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>タイミング最大ブースト加算値（度）：</translation>
    </message>
</context>
<context>
    <name>PpmSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Throttle channel</source>
        <translation>スロットルチャンネル</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>フルスロットル位置（ms）： </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>現在位置を設定</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>停止位置（ms）： </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>FailSafe 位置（ms）： </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>タイミングチャンネル</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>最大タイミング位置（ms）： </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>最小タイミング位置（ms）： </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>リモートデバイスが接続を閉じました</translation>
    </message>
</context>
<context>
    <name>TimingTableWidget</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>タイミングテーブル</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>電流（A）</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>電圧（V）</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>最大タイミング値：</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>電流ステップ（A）：</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>電流ステップ数：</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>電圧ステップ：</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>電圧ステップ数：</translation>
    </message>
</context>
</TS>
