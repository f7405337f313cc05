<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>MainWindow</name>
        <message>
            <source>Gearwarden</source>
            <translation>Gearwarden</translation>
        </message>
        <message>
            <source>Application log</source>
            <translation>Journal de l'application</translation>
        </message>
    </context>
</TS>
