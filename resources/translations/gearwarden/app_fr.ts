<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AdvertisedStatus</name>
    <message>
        <source>Limited</source>
        <translation>Limité</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Start overvoltage!</source>
        <translation>Surtension au départ !</translation>
    </message>
    <message>
        <source>End undervoltage!</source>
        <translation>Sous-tension en fin de course !</translation>
    </message>
    <message>
        <source>ESC SIGNAL WIRE CONNECT WRONG!</source>
        <translation>FIL DE SIGNAL ESC MAL BRANCHÉ !</translation>
    </message>
    <message>
        <source>RED WIRE BROKEN!</source>
        <translation>FIL ROUGE COUPÉ !</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Non pris en charge</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Voltage reverse!</source>
        <translation>Tension inversée !</translation>
    </message>
    <message>
        <source>Calibrate error</source>
        <translation>Erreur d’étalonnage</translation>
    </message>
    <message>
        <source>Current reverse!</source>
        <translation>Courant inversé !</translation>
    </message>
    <message>
        <source>Self test error</source>
        <translation>Erreur d’autotest</translation>
    </message>
    <message>
        <source>Calibrated: %1.%2</source>
        <translation>Étalonné : %1.%2</translation>
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
        <translation>Aucune limite !</translation>
    </message>
    <message>
        <source>Test only!</source>
        <translation>Test uniquement !</translation>
    </message>
    <message>
        <source>User mode1</source>
        <translation>Mode utilisateur 1</translation>
    </message>
    <message>
        <source>User mode2</source>
        <translation>Mode utilisateur 2</translation>
    </message>
    <message>
        <source>User mode3</source>
        <translation>Mode utilisateur 3</translation>
    </message>
    <message>
        <source>User mode4</source>
        <translation>Mode utilisateur 4</translation>
    </message>
    <message>
        <source>User mode5</source>
        <translation>Mode utilisateur 5</translation>
    </message>
    <message>
        <source>User mode6</source>
        <translation>Mode utilisateur 6</translation>
    </message>
    <message>
        <source>User mode7</source>
        <translation>Mode utilisateur 7</translation>
    </message>
    <message>
        <source>User mode8</source>
        <translation>Mode utilisateur 8</translation>
    </message>
</context>
<context>
    <name>AuthorizationDialog</name>
    <message>
        <source>Password request</source>
        <translation>Demande de mot de passe</translation>
    </message>
    <message>
        <source>Please enter limiter access password</source>
        <translation>Veuillez saisir le mot de passe d'accès du limiteur</translation>
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
        <translation>ID unique</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>N° d’enreg.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Batt state %</source>
        <translation>État batterie %</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Self test</source>
        <translation>Autotest</translation>
    </message>
    <message>
        <source>Sett set</source>
        <translation>Jeu de réglages</translation>
    </message>
    <message>
        <source>AEC status</source>
        <translation>État AEC</translation>
    </message>
    <message>
        <source>Energy cons</source>
        <translation>Énergie consommée</translation>
    </message>
    <message>
        <source>Current avg, A</source>
        <translation>Courant moyen, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Tension, V</translation>
    </message>
    <message>
        <source>Energy, Wh</source>
        <translation>Énergie, Wh</translation>
    </message>
    <message>
        <source>Energy ref, Wh</source>
        <translation>Énergie réf., Wh</translation>
    </message>
    <message>
        <source>Capacity, mAh</source>
        <translation>Capacité, mAh</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Version matériel</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Version firmware</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>BluetoothDovLoggerModel</name>
    <message>
        <source>Unique ID</source>
        <translation>ID unique</translation>
    </message>
    <message>
        <source>Reg num</source>
        <translation>N° d’enreg.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Avg speed, km/h</source>
        <translation>Vitesse moy., km/h</translation>
    </message>
    <message>
        <source>Avg rpm, 1/min</source>
        <translation>Régime moy., 1/min</translation>
    </message>
    <message>
        <source>Max speed, km/h</source>
        <translation>Vitesse max., km/h</translation>
    </message>
    <message>
        <source>Max rpm, 1/min</source>
        <translation>Régime max., 1/min</translation>
    </message>
    <message>
        <source>Temperature, °C</source>
        <translation>Température, °C</translation>
    </message>
    <message>
        <source>Satelites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Hardware ver</source>
        <translation>Version matériel</translation>
    </message>
    <message>
        <source>Firmware ver</source>
        <translation>Version firmware</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>Sélection de la partition des données d'initialisation</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>Création de la partition des données d'initialisation</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>Réglage du mode PRN</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>Envoi des données d'initialisation</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>Vérification des données d'initialisation</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>Exécution de la mise à jour d'initialisation</translation>
    </message>
    <message>
        <source>Select main data partition</source>
        <translation>Sélection de la partition des données principales</translation>
    </message>
    <message>
        <source>Create main data partition</source>
        <translation>Création de la partition des données principales</translation>
    </message>
    <message>
        <source>Upload main firmware</source>
        <translation>Envoi du micrologiciel principal</translation>
    </message>
    <message>
        <source>Check main firmware</source>
        <translation>Vérification du micrologiciel principal</translation>
    </message>
    <message>
        <source>Execute firmware update</source>
        <translation>Exécution de la mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>État inconnu : %1</translation>
    </message>
    <message>
        <source>Writing to the bootloader failed: %1</source>
        <translation>Échec de l'écriture dans le chargeur d'amorçage : %1</translation>
    </message>
    <message>
        <source>Response to %1 too short: %2 bytes instead of %3 (%4)</source>
        <translation>Réponse à %1 trop courte : %2 octets au lieu de %3 (%4)</translation>
    </message>
    <message>
        <source>Select response incorrect size: %1 instead of 15</source>
        <translation>Taille de la réponse Select incorrecte : %1 au lieu de 15</translation>
    </message>
    <message>
        <source>Select response incorrect header: %1 %2 instead of 6 1</source>
        <translation>En-tête de la réponse Select incorrect : %1 %2 au lieu de 6 1</translation>
    </message>
    <message>
        <source>Create response incorrect header: %1 %2 instead of 1 1</source>
        <translation>En-tête de la réponse Create incorrect : %1 %2 au lieu de 1 1</translation>
    </message>
    <message>
        <source>Unexpected response for Set PRN command: %1</source>
        <translation>Réponse inattendue à la commande Set PRN : %1</translation>
    </message>
    <message>
        <source>Unexpected data in upload state: %1</source>
        <translation>Données inattendues pendant l'envoi : %1</translation>
    </message>
    <message>
        <source>CRC32 is incorrect
 Expected: %1
Received: %2</source>
        <translation>CRC32 incorrect
 Attendu : %1
Reçu : %2</translation>
    </message>
    <message>
        <source>Unexpected response for execute state: %1</source>
        <translation>Réponse inattendue à l'étape d'exécution : %1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Résultat de la réponse Execute incorrect : %1 au lieu de 1</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>code d'opération non valide</translation>
    </message>
    <message>
        <source>success</source>
        <translation>succès</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>code d'opération non pris en charge</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>paramètre non valide</translation>
    </message>
    <message>
        <source>insufficient resources</source>
        <translation>ressources insuffisantes</translation>
    </message>
    <message>
        <source>invalid object</source>
        <translation>objet non valide</translation>
    </message>
    <message>
        <source>unsupported type</source>
        <translation>type non pris en charge</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>opération non autorisée</translation>
    </message>
    <message>
        <source>operation failed</source>
        <translation>échec de l'opération</translation>
    </message>
    <message>
        <source>extended error</source>
        <translation>erreur étendue</translation>
    </message>
    <message>
        <source>unknown result</source>
        <translation>résultat inconnu</translation>
    </message>
    <message>
        <source>Connection to the bootloader failed during "%1": %2</source>
        <translation>Échec de la connexion au chargeur d'amorçage pendant « %1 » : %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during "%1"</source>
        <translation>Connexion au chargeur d'amorçage perdue pendant « %1 »</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during "%2"</source>
        <translation>Aucune réponse du chargeur d'amorçage en %1 s pendant « %2 »</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>La réponse Select indique une taille d'objet maximale de 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>Set PRN refusé par le chargeur d'amorçage : %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>Paquet refusé par le chargeur d'amorçage : %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>Chargeur d'amorçage %1 introuvable</translation>
    </message>
</context>
<context>
    <name>DovLoggerTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Connexion :</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Temps de course (s) :</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Température (°C) :</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotation :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satellites :</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Gaz :</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Numéro de session :</translation>
    </message>
    <message>
        <source>Reserved 0:</source>
        <translation>Réservé 0 :</translation>
    </message>
    <message>
        <source>Reserved 1:</source>
        <translation>Réservé 1 :</translation>
    </message>
    <message>
        <source>Reserved 2:</source>
        <translation>Réservé 2 :</translation>
    </message>
    <message>
        <source>Reserved 3:</source>
        <translation>Réservé 3 :</translation>
    </message>
    <message>
        <source>Reserved 4:</source>
        <translation>Réservé 4 :</translation>
    </message>
    <message>
        <source>Reserved 5:</source>
        <translation>Réservé 5 :</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Réservé 6 :</translation>
    </message>
</context>
<context>
    <name>FirmwareDownloader</name>
    <message>
        <source>Incorrect remote data format.
Expected array.</source>
        <translation>Format des données distantes incorrect.
Tableau attendu.</translation>
    </message>
    <message>
        <source>Incorrect remote data. No firmware info received</source>
        <translation>Données distantes incorrectes. Aucune information de micrologiciel reçue</translation>
    </message>
    <message>
        <source>Error loading firmware file: %1</source>
        <translation>Erreur lors du chargement du fichier de micrologiciel : %1</translation>
    </message>
    <message>
        <source>Cannot save firmware file, please download it manually</source>
        <translation>Impossible d'enregistrer le fichier de micrologiciel, veuillez le télécharger manuellement</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can't update</source>
        <translation>Fichier de micrologiciel corrompu, mise à jour impossible</translation>
    </message>
</context>
<context>
    <name>FirmwareRecoveryDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Select firmware file...</source>
        <translation>Sélectionnez le fichier de micrologiciel...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Recovering:</source>
        <translation>Récupération :</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Rechercher à nouveau</translation>
    </message>
    <message>
        <source>Stop scanning</source>
        <translation>Arrêter la recherche</translation>
    </message>
    <message>
        <source>%1dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Device was recovered successully. You can close this window now.</source>
        <translation>L'appareil a été récupéré. Vous pouvez maintenant fermer cette fenêtre.</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateCheckRequestWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Refresh firmware update information for connected devices?</source>
        <translation>Actualiser les informations de mise à jour du micrologiciel pour les appareils connectés ?</translation>
    </message>
    <message>
        <source>Always check at startup</source>
        <translation>Toujours vérifier au démarrage</translation>
    </message>
    <message>
        <source>Check once</source>
        <translation>Vérifier une fois</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Informations sur l'appareil</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Version matérielle :</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current limiter firmware:</source>
        <translation>Micrologiciel actuel du limiteur :</translation>
    </message>
    <message>
        <source>Current ESC firmware:</source>
        <translation>Micrologiciel actuel du variateur :</translation>
    </message>
    <message>
        <source>Current bootloader firmware:</source>
        <translation>Chargeur d'amorçage actuel :</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>Date d'étalonnage :</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>État de la mise à jour</translation>
    </message>
    <message>
        <source>Update state</source>
        <translation>Étape de la mise à jour</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Main firmware</source>
        <translation>Micrologiciel principal</translation>
    </message>
    <message>
        <source>Refresh information</source>
        <translation>Actualiser les informations</translation>
    </message>
    <message>
        <source>Install from local file</source>
        <translation>Installer depuis un fichier local</translation>
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
        <translation>Installer</translation>
    </message>
    <message>
        <source>Bootloader firmware</source>
        <translation>Chargeur d'amorçage</translation>
    </message>
    <message>
        <source>ESC firmware</source>
        <translation>Micrologiciel du variateur</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Firmware was uploaded successully. Please reconnect to device.</source>
        <translation>Le micrologiciel a été transféré. Veuillez vous reconnecter à l'appareil.</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>Le chargeur d'amorçage a été transféré. Réinstaller le micrologiciel principal ?</translation>
    </message>
    <message>
        <source>Please select firmware update file</source>
        <translation>Veuillez sélectionner le fichier de mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Error loading firmware update file</source>
        <translation>Erreur lors du chargement du fichier de mise à jour</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
</context>
<context>
    <name>LimiterDevice</name>
    <message>
        <source>Connection Error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>Failed to connect to the device. Please try again.</source>
        <translation>Impossible de se connecter à l'appareil. Veuillez réessayer.</translation>
    </message>
</context>
<context>
    <name>LimiterTelemetryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Connexion :</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Limite d'énergie (Wh) :</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Temps de course (s) :</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>Consommation d'énergie relative (%) :</translation>
    </message>
    <message>
        <source>Average current (10sec):</source>
        <translation>Courant moyen (10 s) :</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Courant (A) :</translation>
    </message>
    <message>
        <source>Voltage (V):</source>
        <translation>Tension (V) :</translation>
    </message>
    <message>
        <source>Energy (Wh):</source>
        <translation>Énergie (Wh) :</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Puissance :</translation>
    </message>
    <message>
        <source>Power avg</source>
        <translation>Puissance moyenne</translation>
    </message>
    <message>
        <source>Power to speed</source>
        <translation>Puissance par vitesse</translation>
    </message>
    <message>
        <source>Capacity (mAh):</source>
        <translation>Capacité (mAh) :</translation>
    </message>
    <message>
        <source>Temperature (C):</source>
        <translation>Température (°C) :</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotation :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satellites :</translation>
    </message>
    <message>
        <source>KV:</source>
        <translation>KV :</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Gaz :</translation>
    </message>
    <message>
        <source>Timing:</source>
        <translation>Avance :</translation>
    </message>
    <message>
        <source>Session number:</source>
        <translation>Numéro de session :</translation>
    </message>
    <message>
        <source>Reserved 0 (TriggerRaceStarted):</source>
        <translation>Réservé 0 (TriggerRaceStarted) :</translation>
    </message>
    <message>
        <source>Reserved 1 (aecConsRef):</source>
        <translation>Réservé 1 (aecConsRef) :</translation>
    </message>
    <message>
        <source>Reserved 2 (aecConsFdb):</source>
        <translation>Réservé 2 (aecConsFdb) :</translation>
    </message>
    <message>
        <source>Reserved 3 (aecOut):</source>
        <translation>Réservé 3 (aecOut) :</translation>
    </message>
    <message>
        <source>Reserved 4 (refMaxPpm):</source>
        <translation>Réservé 4 (refMaxPpm) :</translation>
    </message>
    <message>
        <source>Reserved 5 (raceTimeRelative):</source>
        <translation>Réservé 5 (raceTimeRelative) :</translation>
    </message>
    <message>
        <source>Reserved 6:</source>
        <translation>Réservé 6 :</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Cannot connect to device. Error code: %1
%2</source>
        <translation>Impossible de se connecter à l'appareil. Code d'erreur : %1
%2</translation>
    </message>
    <message>
        <source>Connected. Reading data</source>
        <translation>Connecté. Lecture des données</translation>
    </message>
    <message>
        <source>Services discovered</source>
        <translation>Services découverts</translation>
    </message>
    <message>
        <source>Limiting complete</source>
        <translation>Limitation terminée</translation>
    </message>
    <message>
        <source>Limiting engaged</source>
        <translation>Limitation active</translation>
    </message>
    <message>
        <source>Rampdown</source>
        <translation>Rampe de descente</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>%1 rpm</source>
        <translation>%1 tr/min</translation>
    </message>
</context>
<context>
    <name>LimiterTerminal</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
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
    <name>LogFile</name>
    <message>
        <source>NoDate</source>
        <translation>SansDate</translation>
    </message>
    <message>
        <source>No folder for log files is set.</source>
        <translation>Aucun dossier n’est défini pour les fichiers journaux.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: %2</source>
        <translation>Impossible d’écrire le fichier journal %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the CSV file %1: %2</source>
        <translation>Impossible d’écrire le fichier CSV %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the log file %1: the header gives %2 parameters, a log holds at most %3.</source>
        <translation>Impossible d&apos;écrire le fichier journal %1 : l&apos;en-tête indique %2 paramètres, un journal en contient au plus %3.</translation>
    </message>
</context>
<context>
    <name>LoggerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Read what's on the device</source>
        <translation>Lire ce qui est sur l'appareil</translation>
    </message>
    <message>
        <source>Read All Logs</source>
        <translation>Lire tous les journaux</translation>
    </message>
    <message>
        <source>Read New Logs</source>
        <translation>Lire les nouveaux journaux</translation>
    </message>
    <message>
        <source>Read selected</source>
        <translation>Lire la sélection</translation>
    </message>
    <message>
        <source>Clear logs</source>
        <translation>Effacer les journaux</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Additionaly export as CSV</source>
        <translation>Exporter aussi en CSV</translation>
    </message>
    <message>
        <source>Logs on device</source>
        <translation>Journaux sur l'appareil</translation>
    </message>
    <message>
        <source>Logs already read - what is in the directory</source>
        <translation>Journaux déjà lus - ce qui est dans le dossier</translation>
    </message>
    <message>
        <source>Log read speed: 0 kbit/s</source>
        <translation>Vitesse de lecture : 0 kbit/s</translation>
    </message>
    <message>
        <source>%1 (not complete race)</source>
        <translation>%1 (course incomplète)</translation>
    </message>
    <message>
        <source>Log read speed: %1 kbit/s</source>
        <translation>Vitesse de lecture : %1 kbit/s</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>L'appareil a cessé de répondre pendant la lecture de la session %1.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>L'appareil n'a pas répondu à la demande de la session %1.</translation>
    </message>
    <message>
        <source>Click "Read what's on the device"</source>
        <translation>Cliquez sur « Lire ce qui est sur l'appareil »</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2</source>
        <translation>Impossible d'enregistrer la session %1 : %2</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>La session %1 a échoué au contrôle de somme : elle a été enregistrée, mais ses données peuvent être endommagées.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read. Read it again once the device is connected.</source>
        <translation>La connexion à l'appareil a été perdue pendant la lecture de la session %1. Relisez-la une fois l'appareil connecté.</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Lecture des journaux terminée</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Choisir le dossier des journaux</translation>
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
        <translation>Journal de l'application</translation>
    </message>
</context>
</TS>
