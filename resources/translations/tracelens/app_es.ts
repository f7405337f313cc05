<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Δ</source>
        <translation>Δ</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>%1s %2ms</source>
        <comment>Seconds and milliseconds of a time in the panel</comment>
        <translation>%1s %2ms</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>As the name of the time row</comment>
        <translation>Tiempo</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>Explorar</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>Conjunto de ajustes</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>Creado el</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Abrir archivo...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (carrera incompleta)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>El archivo no es un archivo de registro.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>Abrir registro</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>No se puede abrir el registro %1.
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>Seleccione el archivo de registro</translation>
    </message>
</context>
<context>
    <name>OpenLogWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation>Asociación de archivos</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>¿Desea asociar los archivos .verira con Tracelens?</translation>
    </message>
</context>
</TS>
