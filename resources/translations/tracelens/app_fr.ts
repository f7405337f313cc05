<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Moy</translation>
    </message>
    <message>
        <source>Δ</source>
        <translation>Δ</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Curseur</translation>
    </message>
    <message>
        <source>%1s %2ms</source>
        <comment>Seconds and milliseconds of a time in the panel</comment>
        <translation>%1s %2ms</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>As the name of the time row</comment>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>LogDescriptionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Created at:</source>
        <translation>Créé le :</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utilisateur :</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordonnées :</translation>
    </message>
    <message>
        <source>Settings set:</source>
        <translation>Jeu de réglages :</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Pôles du moteur :</translation>
    </message>
    <message>
        <source>Energy reference:</source>
        <translation>Référence d'énergie :</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Fréquence d'enregistrement :</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Version matérielle :</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Version du micrologiciel :</translation>
    </message>
    <message>
        <source>Booloader version:</source>
        <translation>Version du chargeur d'amorçage :</translation>
    </message>
    <message>
        <source>esc fw version:</source>
        <translation>Version du micrologiciel ESC :</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
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
        <translation>Erreur de lecture du fichier journal</translation>
    </message>
    <message>
        <source>File is corrupted or unsupported</source>
        <translation>Le fichier est endommagé ou non pris en charge</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Settings set</source>
        <translation>Jeu de réglages</translation>
    </message>
    <message>
        <source>Created at</source>
        <translation>Créé le</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Ouvrir un fichier...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No Name</source>
        <comment>The name of the device for the log</comment>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source> (not complete race)</source>
        <comment>Added to the log name if the log is not complete</comment>
        <translation> (course incomplète)</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n'existe pas.</translation>
    </message>
    <message>
        <source>The file is not a log file.</source>
        <translation>Ce fichier n'est pas un fichier journal.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>Open log</source>
        <translation>Ouvrir le journal</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.
%2</source>
        <translation>Impossible d'ouvrir le journal %1.
%2</translation>
    </message>
    <message>
        <source>Please select log file</source>
        <translation>Veuillez choisir le fichier journal</translation>
    </message>
</context>
<context>
    <name>OpenLogWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>File Association</source>
        <translation>Association de fichiers</translation>
    </message>
    <message>
        <source>Do you want to associate .verira files with Tracelens?</source>
        <translation>Voulez-vous associer les fichiers .verira à Tracelens ?</translation>
    </message>
</context>
</TS>
