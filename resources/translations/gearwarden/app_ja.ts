<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>MainWindow</name>
        <message>
            <source>Gearwarden</source>
            <translation>Gearwarden</translation>
        </message>
        <message>
            <source>Application log</source>
            <translation>アプリケーションログ</translation>
        </message>
    </context>
</TS>
