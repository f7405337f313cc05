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
        <translation>Veuillez saisir le mot de passe d&apos;accès du limiteur</translation>
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
    <name>CommonSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Limiter settings set:</source>
        <translation>Jeu de réglages du limiteur :</translation>
    </message>
    <message>
        <source>No Limits (telemetry only)</source>
        <translation>Sans limites (télémétrie seule)</translation>
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
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>User reg number (country, number):</source>
        <translation>N° d&apos;enregistrement (pays, numéro) :</translation>
    </message>
    <message>
        <source>Set/reset user password</source>
        <translation>Définir/réinitialiser le mot de passe</translation>
    </message>
    <message>
        <source>password:</source>
        <translation>mot de passe :</translation>
    </message>
    <message>
        <source>repeat:</source>
        <translation>confirmation :</translation>
    </message>
    <message>
        <source>Telemetry update frequency (Hz):</source>
        <translation>Fréquence de télémétrie (Hz) :</translation>
    </message>
    <message>
        <source>Logger (Only for Limiter-Logger versions: 1.0, 1.1, 1.2, 2.0, 3.5 and QVR DOV Logger)</source>
        <translation>Enregistreur (seulement limiteur-enregistreur 1.0, 1.1, 1.2, 2.0, 3.5 et QVR DOV Logger)</translation>
    </message>
    <message>
        <source>Logger write frequency (Hz):</source>
        <translation>Fréquence d&apos;enregistrement (Hz) :</translation>
    </message>
    <message>
        <source>Max logger write time:</source>
        <translation>Durée max d&apos;enregistrement :</translation>
    </message>
    <message>
        <source>Motor poles:</source>
        <translation>Pôles du moteur :</translation>
    </message>
    <message>
        <source>RPM sensor comparator level:</source>
        <translation>Niveau du comparateur du capteur tr/min :</translation>
    </message>
    <message>
        <source>Lowest (for gap &gt; 5mm)</source>
        <translation>Le plus bas (écart &gt; 5 mm)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Medium-</source>
        <translation>Moyen-</translation>
    </message>
    <message>
        <source>Medium (recomended)</source>
        <translation>Moyen (recommandé)</translation>
    </message>
    <message>
        <source>Medium+</source>
        <translation>Moyen+</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>High+</source>
        <translation>Haut+</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>QVR DOV Logger Resonance pipe control</source>
        <translation>QVR DOV Logger : commande du pot de résonance</translation>
    </message>
    <message>
        <source>Input 1 must be connected to throttle signal from receiver! </source>
        <translation>L&apos;entrée 1 doit être reliée au signal des gaz du récepteur ! </translation>
    </message>
    <message>
        <source>PPM Out1 servo mode:</source>
        <translation>Mode servo PPM Out1 :</translation>
    </message>
    <message>
        <source>Repeat Input2 with one direction slowdown</source>
        <translation>Répéter Input2 avec ralentissement dans un sens</translation>
    </message>
    <message>
        <source>Control from RPM with offset by Input2</source>
        <translation>Commande par le régime, décalée par Input2</translation>
    </message>
    <message>
        <source>Slowdown direction:</source>
        <translation>Sens du ralentissement :</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Slowdown time, ms:</source>
        <translation>Durée du ralentissement, ms :</translation>
    </message>
    <message>
        <source>Control RPM minimum:</source>
        <translation>Régime de commande minimum :</translation>
    </message>
    <message>
        <source>PPM (Out1) min, ms:</source>
        <translation>PPM (Out1) min, ms :</translation>
    </message>
    <message>
        <source>Control RPM medium:</source>
        <translation>Régime de commande moyen :</translation>
    </message>
    <message>
        <source>PPM (Out1) med, ms:</source>
        <translation>PPM (Out1) moy, ms :</translation>
    </message>
    <message>
        <source>Control RPM maximum:</source>
        <translation>Régime de commande maximum :</translation>
    </message>
    <message>
        <source>PPM (Out1) max, ms:</source>
        <translation>PPM (Out1) max, ms :</translation>
    </message>
    <message>
        <source>Learning mode. (Can be disabled by power cycling!)</source>
        <translation>Mode apprentissage. (Désactivable en coupant l&apos;alimentation !)</translation>
    </message>
    <message>
        <source>Learning mode status:</source>
        <translation>État de l&apos;apprentissage :</translation>
    </message>
    <message>
        <source>The password and its repetition differ. Nothing was written.</source>
        <translation>Le mot de passe et sa confirmation diffèrent. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Magnets count:</source>
        <translation>Nombre d&apos;aimants :</translation>
    </message>
    <message>
        <source>The device refused the new password. Its password has not changed.</source>
        <translation>L&apos;appareil a refusé le nouveau mot de passe. Son mot de passe n&apos;a pas changé.</translation>
    </message>
</context>
<context>
    <name>DFUUpdater</name>
    <message>
        <source>Select init data partition</source>
        <translation>Sélection de la partition des données d&apos;initialisation</translation>
    </message>
    <message>
        <source>Create init data partition</source>
        <translation>Création de la partition des données d&apos;initialisation</translation>
    </message>
    <message>
        <source>Set PRN mode</source>
        <translation>Réglage du mode PRN</translation>
    </message>
    <message>
        <source>Upload init data</source>
        <translation>Envoi des données d&apos;initialisation</translation>
    </message>
    <message>
        <source>Check init data</source>
        <translation>Vérification des données d&apos;initialisation</translation>
    </message>
    <message>
        <source>Execute init update</source>
        <translation>Exécution de la mise à jour d&apos;initialisation</translation>
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
        <translation>Échec de l&apos;écriture dans le chargeur d&apos;amorçage : %1</translation>
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
        <translation>Données inattendues pendant l&apos;envoi : %1</translation>
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
        <translation>Réponse inattendue à l&apos;étape d&apos;exécution : %1</translation>
    </message>
    <message>
        <source>Execute response incorrect result: %1 instead of 1</source>
        <translation>Résultat de la réponse Execute incorrect : %1 au lieu de 1</translation>
    </message>
    <message>
        <source>invalid opcode</source>
        <translation>code d&apos;opération non valide</translation>
    </message>
    <message>
        <source>success</source>
        <translation>succès</translation>
    </message>
    <message>
        <source>opcode not supported</source>
        <translation>code d&apos;opération non pris en charge</translation>
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
        <translation>échec de l&apos;opération</translation>
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
        <source>Connection to the bootloader failed during &quot;%1&quot;: %2</source>
        <translation>Échec de la connexion au chargeur d&apos;amorçage pendant « %1 » : %2</translation>
    </message>
    <message>
        <source>Connection to the bootloader lost during &quot;%1&quot;</source>
        <translation>Connexion au chargeur d&apos;amorçage perdue pendant « %1 »</translation>
    </message>
    <message>
        <source>No answer from the bootloader within %1 s during &quot;%2&quot;</source>
        <translation>Aucune réponse du chargeur d&apos;amorçage en %1 s pendant « %2 »</translation>
    </message>
    <message>
        <source>Select response reports a maximum object size of 0</source>
        <translation>La réponse Select indique une taille d&apos;objet maximale de 0</translation>
    </message>
    <message>
        <source>Set PRN refused by the bootloader: %1</source>
        <translation>Set PRN refusé par le chargeur d&apos;amorçage : %1</translation>
    </message>
    <message>
        <source>Packet refused by the bootloader: %1</source>
        <translation>Paquet refusé par le chargeur d&apos;amorçage : %1</translation>
    </message>
    <message>
        <source>The bootloader %1 was not found</source>
        <translation>Chargeur d&apos;amorçage %1 introuvable</translation>
    </message>
    <message>
        <source>%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.</source>
        <translation>%1 n&apos;est pas dans son chargeur d&apos;amorçage : il n&apos;offre ni point de contrôle ni paquet DFU et ne peut donc pas recevoir de micrologiciel.</translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>The device refused the settings it was sent. The page shows what the device holds.</source>
        <translation>L&apos;appareil a refusé les réglages envoyés. La page affiche ce que l&apos;appareil contient.</translation>
    </message>
    <message>
        <source>The device refused the command. Nothing was changed on the device.</source>
        <translation>L&apos;appareil a refusé la commande. Rien n&apos;a été modifié sur l&apos;appareil.</translation>
    </message>
    <message>
        <source>The device refused the request for its logs.</source>
        <translation>L&apos;appareil a refusé la demande de ses journaux.</translation>
    </message>
</context>
<context>
    <name>DovLoggerSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Télémétrie</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Réglages généraux et enregistreur</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Charger les réglages par défaut</translation>
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
    <name>EscSettings</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Variateur : général</translation>
    </message>
    <message>
        <source>PPM inputs settings</source>
        <translation>Réglages des entrées PPM</translation>
    </message>
    <message>
        <source>Motor settings</source>
        <translation>Réglages du moteur</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Table d&apos;avance</translation>
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
        <translation>Impossible d&apos;enregistrer le fichier de micrologiciel, veuillez le télécharger manuellement</translation>
    </message>
    <message>
        <source>Firmware file corrupted, can&apos;t update</source>
        <translation>Fichier de micrologiciel corrompu, mise à jour impossible</translation>
    </message>
    <message>
        <source>Update index refused: the server sent more than %1 bytes.</source>
        <translation>Index des mises à jour refusé : le serveur a envoyé plus de %1 octets.</translation>
    </message>
    <message>
        <source>Firmware file refused: the server sent more than %1 bytes.</source>
        <translation>Fichier de micrologiciel refusé : le serveur a envoyé plus de %1 octets.</translation>
    </message>
    <message>
        <source>Update index refused: %1 entries, more than %2.</source>
        <translation>Index des mises à jour refusé : %1 entrées, plus de %2.</translation>
    </message>
</context>
<context>
    <name>FirmwareInstaller</name>
    <message>
        <source>The device did not confirm the restart into its bootloader.</source>
        <translation>L&apos;appareil n&apos;a pas confirmé le redémarrage dans son chargeur d&apos;amorçage.</translation>
    </message>
    <message>
        <source>The device did not come back after the bootloader update, so the main firmware was not installed.</source>
        <translation>L&apos;appareil n&apos;est pas revenu après la mise à jour du chargeur d&apos;amorçage ; le micrologiciel principal n&apos;a donc pas été installé.</translation>
    </message>
    <message>
        <source>The device refused the restart into its bootloader.</source>
        <translation>L&apos;appareil a refusé de redémarrer dans son chargeur d&apos;amorçage.</translation>
    </message>
    <message>
        <source>The device must be connected to install firmware. Connect to it and try again.</source>
        <translation>L&apos;appareil doit être connecté pour installer un micrologiciel. Connectez-vous-y et réessayez.</translation>
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
        <translation>L&apos;appareil a été récupéré. Vous pouvez maintenant fermer cette fenêtre.</translation>
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
        <translation>Informations sur l&apos;appareil</translation>
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
        <translation>Chargeur d&apos;amorçage actuel :</translation>
    </message>
    <message>
        <source>Calibration date:</source>
        <translation>Date d&apos;étalonnage :</translation>
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
        <translation>Chargeur d&apos;amorçage</translation>
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
        <translation>Le micrologiciel a été transféré. Veuillez vous reconnecter à l&apos;appareil.</translation>
    </message>
    <message>
        <source>Bootloader firnware was uploaded successully. Reinstall main firmware?</source>
        <translation>Le chargeur d&apos;amorçage a été transféré. Réinstaller le micrologiciel principal ?</translation>
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
    <name>FirmwareWindows</name>
    <message>
        <source>A firmware update of %1 is running. Closing now stops it: the device stays in its bootloader and does not work until it is updated again with &quot;Recover device&quot; in the Tools menu.

Close anyway?</source>
        <translation>Une mise à jour du micrologiciel de %1 est en cours. Fermer maintenant l&apos;interrompt : l&apos;appareil reste dans son chargeur d&apos;amorçage et ne fonctionne plus tant qu&apos;il n&apos;est pas remis à jour avec « Récupérer l&apos;appareil » dans le menu « Outils ».

Fermer quand même ?</translation>
    </message>
</context>
<context>
    <name>LimitSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Limiter settings</source>
        <translation>Réglages du limiteur</translation>
    </message>
    <message>
        <source>Settings set name:</source>
        <translation>Nom du jeu de réglages :</translation>
    </message>
    <message>
        <source>Energy limit (Wh):</source>
        <translation>Limite d&apos;énergie (Wh) :</translation>
    </message>
    <message>
        <source>Start energy count current (A):</source>
        <translation>Courant de début du comptage (A) :</translation>
    </message>
    <message>
        <source>Race time (min, sec):</source>
        <translation>Durée de course (min, s) :</translation>
    </message>
    <message>
        <source>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</source>
        <translation>hh &apos;h&apos; mm &apos;m&apos; ss &apos;s&apos;</translation>
    </message>
    <message>
        <source>Throttle limit (after limit over) (%):</source>
        <translation>Limite des gaz (après la limite) (%) :</translation>
    </message>
    <message>
        <source>Ramp down time (after limit over) (s):</source>
        <translation>Durée de la rampe (après la limite) (s) :</translation>
    </message>
    <message>
        <source>Limit time (s):</source>
        <translation>Durée de limitation (s) :</translation>
    </message>
    <message>
        <source>Reset energy by battery disconnect:</source>
        <translation>Remise à zéro à la déconnexion de la batterie :</translation>
    </message>
    <message>
        <source>Active Energy Control (AEC) (Only for versions 3.0 and 3.5)</source>
        <translation>Contrôle actif de l&apos;énergie (AEC) (versions 3.0 et 3.5 seulement)</translation>
    </message>
    <message>
        <source>Enable AEC:</source>
        <translation>Activer l&apos;AEC :</translation>
    </message>
    <message>
        <source>Max start consumption (%):</source>
        <translation>Consommation de départ max (%) :</translation>
    </message>
    <message>
        <source>Additional time (after race time over) (s):</source>
        <translation>Temps supplémentaire (après la course) (s) :</translation>
    </message>
    <message>
        <source>Min limiting duty (%):</source>
        <translation>Rapport cyclique min de limitation (%) :</translation>
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
        <translation>Impossible de se connecter à l&apos;appareil. Veuillez réessayer.</translation>
    </message>
</context>
<context>
    <name>LimiterSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Telemetry View</source>
        <translation>Télémétrie</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>ESC settings</source>
        <translation>Réglages du variateur</translation>
    </message>
    <message>
        <source>Common &amp; Logger settings</source>
        <translation>Réglages généraux et enregistreur</translation>
    </message>
    <message>
        <source>No Limits (telemetry only) (0)</source>
        <translation>Sans limite (télémétrie seule) (0)</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Charger les réglages par défaut</translation>
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
        <translation>Limite d&apos;énergie (Wh) :</translation>
    </message>
    <message>
        <source>Race time (s):</source>
        <translation>Temps de course (s) :</translation>
    </message>
    <message>
        <source>Relative energy consumption (%):</source>
        <translation>Consommation d&apos;énergie relative (%) :</translation>
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
        <translation>Impossible de se connecter à l&apos;appareil. Code d&apos;erreur : %1
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
    <message>
        <source>The device refused the password it was sent.</source>
        <translation>L&apos;appareil a refusé le mot de passe envoyé.</translation>
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
    <message>
        <source>The device refused the command.</source>
        <translation>L&apos;appareil a refusé la commande.</translation>
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
        <translation>Référence d&apos;énergie :</translation>
    </message>
    <message>
        <source>Log frequency:</source>
        <translation>Fréquence d&apos;enregistrement :</translation>
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
        <translation>Version du chargeur d&apos;amorçage :</translation>
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
    <name>LogDownload</name>
    <message>
        <source>The device reported its sessions as %1 to %2, which is no range of sessions: nothing is listed.</source>
        <translation>L&apos;appareil a indiqué ses sessions de %1 à %2, ce qui n&apos;est pas une plage de sessions : rien n&apos;est listé.</translation>
    </message>
    <message>
        <source>The device reported sessions %1 to %2, more than the %3 sessions its log memory can hold: nothing is listed.</source>
        <translation>L&apos;appareil a indiqué les sessions %1 à %2, plus que les %3 sessions que sa mémoire de journaux peut contenir : rien n&apos;est listé.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: none of its dots could be read.</source>
        <translation>La session %1 n&apos;a pas été lue entièrement : aucun de ses points n&apos;a pu être lu.</translation>
    </message>
    <message>
        <source>The device holds no data for session %1.</source>
        <translation>L&apos;appareil ne contient aucune donnée pour la session %1.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>La session %1 n&apos;a pas été lue entièrement : %2 points sur %3 sont arrivés et ont été conservés comme journal incomplet.</translation>
    </message>
    <message>
        <source>Session %1 failed its checksum: it was saved, but its data may be damaged.</source>
        <translation>La session %1 a échoué au contrôle de somme : elle a été enregistrée, mais ses données peuvent être endommagées.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read.</source>
        <translation>La connexion à l&apos;appareil a été perdue pendant la lecture de la session %1.</translation>
    </message>
    <message>
        <source>The device did not answer the request for session %1.</source>
        <translation>L&apos;appareil n&apos;a pas répondu à la demande de la session %1.</translation>
    </message>
    <message>
        <source>The connection to the device was lost while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>La connexion à l&apos;appareil a été perdue pendant la lecture de la session %1 : %2 points sur %3 sont arrivés et ont été conservés comme journal incomplet.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read: %2 of %3 dots arrived and were kept as an incomplete log.</source>
        <translation>L&apos;appareil a cessé de répondre pendant la lecture de la session %1 : %2 points sur %3 sont arrivés et ont été conservés comme journal incomplet.</translation>
    </message>
    <message>
        <source>The device stopped answering while session %1 was being read.</source>
        <translation>L&apos;appareil a cessé de répondre pendant la lecture de la session %1.</translation>
    </message>
    <message>
        <source>Session %1 could not be saved: %2.</source>
        <translation>Impossible d&apos;enregistrer la session %1 : %2.</translation>
    </message>
    <message>
        <source>every name for its log file holds another session&apos;s log</source>
        <translation>chaque nom possible pour son fichier journal est déjà pris par le journal d&apos;une autre session</translation>
    </message>
    <message>
        <source>Session %1 could not be exported as CSV: %2.</source>
        <translation>Impossible d&apos;exporter la session %1 en CSV : %2.</translation>
    </message>
    <message>
        <source>Session %1 was not read whole: %2 of %3 dots arrived.</source>
        <translation>La session %1 n&apos;a pas été lue entièrement : %2 points sur %3 sont arrivés.</translation>
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
        <source>Read what&apos;s on the device</source>
        <translation>Lire ce qui est sur l&apos;appareil</translation>
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
        <translation>Journaux sur l&apos;appareil</translation>
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
        <source>Click &quot;Read what&apos;s on the device&quot;</source>
        <translation>Cliquez sur « Lire ce qui est sur l&apos;appareil »</translation>
    </message>
    <message>
        <source>Finish reading logs</source>
        <translation>Lecture des journaux terminée</translation>
    </message>
    <message>
        <source>Select logs directory</source>
        <translation>Choisir le dossier des journaux</translation>
    </message>
    <message>
        <source>%1 (checksum failed)</source>
        <translation>%1 (somme de contrôle incorrecte)</translation>
    </message>
    <message>
        <source>%1 (not read whole)</source>
        <translation>%1 (lecture incomplète)</translation>
    </message>
    <message>
        <source>%1 (no data on the device)</source>
        <translation>%1 (aucune donnée sur l&apos;appareil)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (non enregistrée)</translation>
    </message>
    <message>
        <source>Earlier problems not shown here: %1 (see the diagnostics log).</source>
        <translation>Problèmes antérieurs non affichés ici : %1 (voir le journal de diagnostic).</translation>
    </message>
    <message>
        <source>Sessions read and saved: %1 of %2.</source>
        <translation>Sessions lues et enregistrées : %1 sur %2.</translation>
    </message>
    <message>
        <source>No session was read and saved.</source>
        <translation>Aucune session n&apos;a été lue et enregistrée.</translation>
    </message>
    <message>
        <source>No session is queued for reading.</source>
        <translation>Aucune session n&apos;est en attente de lecture.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Application log</source>
        <translation>Journal de l&apos;application</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Devices family</source>
        <translation>Famille d&apos;appareils</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Recover device</source>
        <translation>Récupérer l&apos;appareil</translation>
    </message>
    <message>
        <source>Toggle application log</source>
        <translation>Afficher/masquer le journal de l&apos;application</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Limiteur</translation>
    </message>
    <message>
        <source>Dov Logger</source>
        <translation>Enregistreur DOV</translation>
    </message>
</context>
<context>
    <name>MotorDriveSettWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Motor drive common</source>
        <translation>Variateur : général</translation>
    </message>
    <message>
        <source>BEC voltage (V):</source>
        <translation>Tension BEC (V) :</translation>
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
        <translation>Rapport cyclique max (MaxRefDuty) :</translation>
    </message>
    <message>
        <source>MaxRefRPM:</source>
        <translation>Régime max (MaxRefRPM) :</translation>
    </message>
    <message>
        <source>MaxRefPhCurr (A):</source>
        <translation>Courant de phase max (A) :</translation>
    </message>
    <message>
        <source>MaxRefDCCurr (A):</source>
        <translation>Courant DC max (A) :</translation>
    </message>
    <message>
        <source>MaxRefDcPower (W):</source>
        <translation>Puissance DC max (W) :</translation>
    </message>
    <message>
        <source>Voltage cutoff treshold (V):</source>
        <translation>Seuil de coupure de tension (V) :</translation>
    </message>
    <message>
        <source>Motor mode</source>
        <translation>Mode moteur</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Rapport cyclique</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>Régulateur</translation>
    </message>
    <message>
        <source>Rescue settings</source>
        <translation>Réglages de secours</translation>
    </message>
    <message>
        <source>Anti carrot mode (FailSafe value must me set below zero!):</source>
        <translation>Mode anti carrot (la valeur FailSafe doit être sous zéro !) :</translation>
    </message>
    <message>
        <source>Rescue led flash:</source>
        <translation>Clignotement de la LED de secours :</translation>
    </message>
</context>
<context>
    <name>MotorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Rotate direction:</source>
        <translation>Sens de rotation :</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>RPM to volt:</source>
        <translation>Tr/min par volt :</translation>
    </message>
    <message>
        <source>Poles:</source>
        <translation>Pôles :</translation>
    </message>
    <message>
        <source>Sensor settings</source>
        <translation>Réglages du capteur</translation>
    </message>
    <message>
        <source>Qep init offset:</source>
        <translation>Décalage initial QEP :</translation>
    </message>
    <message>
        <source>Qep direction:</source>
        <translation>Sens QEP :</translation>
    </message>
    <message>
        <source>Phase offset:</source>
        <translation>Décalage de phase :</translation>
    </message>
    <message>
        <source>Timing settings</source>
        <translation>Réglages d&apos;avance</translation>
    </message>
    <message>
        <source>Timing mode:</source>
        <translation>Mode d&apos;avance :</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Fixed and boost</source>
        <translation>Fixe et boost</translation>
    </message>
    <message>
        <source>Table and boost</source>
        <translation>Table et boost</translation>
    </message>
    <message>
        <source>Timing fixed value (deg):</source>
        <translation>Avance fixe (degrés) :</translation>
    </message>
    <message>
        <source>Timing max boost add value (deg):</source>
        <translation>Ajout max de boost à l&apos;avance (degrés) :</translation>
    </message>
</context>
<context>
    <name>PpmSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Throttle channel</source>
        <translation>Voie des gaz</translation>
    </message>
    <message>
        <source>Full throttle position (ms): </source>
        <translation>Position plein gaz (ms) : </translation>
    </message>
    <message>
        <source>Set current position</source>
        <translation>Prendre la position actuelle</translation>
    </message>
    <message>
        <source>Stop position (ms): </source>
        <translation>Position d&apos;arrêt (ms) : </translation>
    </message>
    <message>
        <source>FailSafe position (ms): </source>
        <translation>Position FailSafe (ms) : </translation>
    </message>
    <message>
        <source>Timing channel</source>
        <translation>Voie d&apos;avance</translation>
    </message>
    <message>
        <source>Max timing position (ms): </source>
        <translation>Position d&apos;avance max (ms) : </translation>
    </message>
    <message>
        <source>Min timing position (ms): </source>
        <translation>Position d&apos;avance min (ms) : </translation>
    </message>
</context>
<context>
    <name>QLowEnergyController</name>
    <message>
        <source>Remote device closed the connection</source>
        <translation>L&apos;appareil distant a fermé la connexion</translation>
    </message>
</context>
<context>
    <name>TimingTableWidget</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Timing table</source>
        <translation>Table d&apos;avance</translation>
    </message>
    <message>
        <source>Current, A</source>
        <translation>Courant, A</translation>
    </message>
    <message>
        <source>Voltage, V</source>
        <translation>Tension, V</translation>
    </message>
    <message>
        <source>Max timing value:</source>
        <translation>Valeur d&apos;avance max :</translation>
    </message>
    <message>
        <source>Current increase step, A:</source>
        <translation>Pas de courant, A :</translation>
    </message>
    <message>
        <source>Current steps:</source>
        <translation>Pas de courant :</translation>
    </message>
    <message>
        <source>Voltage increase step:</source>
        <translation>Pas de tension :</translation>
    </message>
    <message>
        <source>Voltage steps:</source>
        <translation>Pas de tension (nombre) :</translation>
    </message>
</context>
</TS>
