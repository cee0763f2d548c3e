<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Quorvel</name>
    <message id="QUORVEL_NAVBAR_TITLE">
        <source>QUORVEL_NAVBAR_TITLE</source>
        <translation>Quorvel</translation>
    </message>
    <message id="QUORVEL_TABBAR_TITLE">
        <source>QUORVEL_TABBAR_TITLE</source>
        <translation>Position</translation>
    </message>
    <message id="TEMPLATES_TABBAR_TITLE">
        <source>TEMPLATES_TABBAR_TITLE</source>
        <translation>Modèles</translation>
    </message>
    <message id="MAP_TABBAR_TITLE">
        <source>MAP_TABBAR_TITLE</source>
        <translation>Carte</translation>
    </message>
    <message id="ABOUT_TABBAR_TITLE">
        <source>ABOUT_TABBAR_TITLE</source>
        <translation>À propos</translation>
    </message>
    <message id="CURRENTPOSITION">
        <source>CURRENTPOSITION</source>
        <translation>Position actuelle</translation>
    </message>
    <message id="LATITUDE">
        <source>LATITUDE</source>
        <translation>Latitude</translation>
    </message>
    <message id="LONGITUDE">
        <source>LONGITUDE</source>
        <translation>Longitude</translation>
    </message>
    <message id="AMSL">
        <source>AMSL</source>
        <translation>Altitude</translation>
    </message>
    <message id="LOCATION">
        <source>LOCATION</source>
        <translation>Localité</translation>
    </message>
    <message id="SMSLABEL">
        <source>SMSLABEL</source>
        <translation>Destinataire</translation>
    </message>
    <message id="contactPhone">
        <source>contactPhone</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message id="contactEmail">
        <source>contactEmail</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message id="ChooseGPSFormat">
        <source>ChooseGPSFormat</source>
        <translation>Choisissez un format de coordonnées</translation>
    </message>
    <message id="EmailSubject">
        <source>EmailSubject</source>
        <translation>Où je suis</translation>
    </message>
    <message id="Error">
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message id="GettingLocationFailed">
        <source>GettingLocationFailed</source>
        <translation>Votre position n'a pas pu être déterminée.</translation>
    </message>
    <message id="UnknownLocation">
        <source>UnknownLocation</source>
        <translation>Votre position n'est pas encore connue. Choisissez à nouveau le format dès qu'elle s'affiche.</translation>
    </message>
    <message id="DeviceNotConfigured">
        <source>DeviceNotConfigured</source>
        <translation>Cet appareil ne peut pas envoyer de SMS. Configurez un modem ou un téléphone associé sous SMS dans les réglages de l'appareil : le bouton Réglages de l'écran À propos, ou Ctrl+,.</translation>
    </message>
    <message id="DeviceNotConfiguredEmail">
        <source>DeviceNotConfiguredEmail</source>
        <translation>Aucun compte e-mail n'est configuré sur cet appareil. Configurez-en un sous E-mail dans les réglages de l'appareil : le bouton Réglages de l'écran À propos, ou Ctrl+,.</translation>
    </message>
    <message id="SMSSendingCanceled">
        <source>SMSSendingCanceled</source>
        <translation>L'envoi du SMS a été annulé.</translation>
    </message>
    <message id="SMSSendingFailed">
        <source>SMSSendingFailed</source>
        <translation>Le message n'a pas pu être envoyé.</translation>
    </message>
    <message id="SMSSent">
        <source>SMSSent</source>
        <translation>Le SMS a été envoyé.</translation>
    </message>
    <message id="SMSNotSent">
        <source>SMSNotSent</source>
        <translation>Le SMS n'a pas été envoyé.</translation>
    </message>
    <message id="EmailSendingCanceled">
        <source>EmailSendingCanceled</source>
        <translation>L'envoi de l'e-mail a été annulé.</translation>
    </message>
    <message id="EmailSaved">
        <source>EmailSaved</source>
        <translation>L'e-mail a été enregistré comme brouillon.</translation>
    </message>
    <message id="EmailSent">
        <source>EmailSent</source>
        <translation>L'e-mail a été envoyé.</translation>
    </message>
    <message id="EmailNotSent">
        <source>EmailNotSent</source>
        <translation>L'e-mail n'a pas été envoyé.</translation>
    </message>
    <message id="MessageDefaultTemplate1">
        <source>MessageDefaultTemplate1</source>
        <translation>Je suis à [], près de {}.</translation>
    </message>
    <message id="MessageDefaultTemplate2">
        <source>MessageDefaultTemplate2</source>
        <translation>Viens me chercher ici, stp : [] ({}).</translation>
    </message>
    <message id="MessageDefaultTemplate3">
        <source>MessageDefaultTemplate3</source>
        <translation>J'ai besoin d'aide ! Ma position est [], près de {}.</translation>
    </message>
    <message id="TEMPLATES_NAVBAR_TITLE">
        <source>TEMPLATES_NAVBAR_TITLE</source>
        <translation>Modèles</translation>
    </message>
    <message id="MESSAGE_DETAIL_NAVBAR_TITLE">
        <source>MESSAGE_DETAIL_NAVBAR_TITLE</source>
        <translation>Modèle</translation>
    </message>
    <message id="USEBUTTON">
        <source>USEBUTTON</source>
        <translation>Utiliser</translation>
    </message>
    <message id="SAVEBUTTON">
        <source>SAVEBUTTON</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="HELP1">
        <source>HELP1</source>
        <translation>Les crochets [] sont remplacés par vos coordonnées.</translation>
    </message>
    <message id="HELP2">
        <source>HELP2</source>
        <translation>Les accolades {} sont remplacées par le nom du lieu où vous êtes.</translation>
    </message>
    <message id="MAP_NAVBAR_TITLE">
        <source>MAP_NAVBAR_TITLE</source>
        <translation>Carte</translation>
    </message>
    <message id="MAP_TYPE">
        <source>MAP_TYPE</source>
        <translation>Type de carte</translation>
    </message>
    <message id="ABOUT_NAVBAR_TITLE">
        <source>ABOUT_NAVBAR_TITLE</source>
        <translation>À propos</translation>
    </message>
    <message id="QUORVEL">
        <source>QUORVEL</source>
        <translation>Quorvel</translation>
    </message>
    <message id="ABOUT_DESCRIPTION">
        <source>ABOUT_DESCRIPTION</source>
        <translation>Quorvel indique à quelqu'un d'autre où vous êtes. Il suit votre position, l'affiche dans trois formats de coordonnées avec l'altitude et le lieu le plus proche, et l'envoie par SMS ou par e-mail.

Noms de lieux : © GeoNames (geonames.org), sous licence Creative Commons Attribution.
Données cartographiques : © les contributeurs d'OpenStreetMap, disponibles sous licence Open Database License.</translation>
    </message>
    <message id="AUTHOR">
        <source>AUTHOR</source>
        <translation>Par les développeurs de Quorvel</translation>
    </message>
    <message id="VERSION">
        <source>VERSION</source>
        <translation>Version 0.1.0</translation>
    </message>
    <message id="VERSION_TIMESTAMP">
        <source>VERSION_TIMESTAMP</source>
        <translation>Compilé le 9 décembre 2026</translation>
    </message>
    <message id="DOWNLOAD_DESCRIPTION">
        <source>DOWNLOAD_DESCRIPTION</source>
        <translation>La dernière version et son code source sont sur https://quorvel.example.org/</translation>
    </message>
    <message id="COMMANDLINE_DESCRIPTION">
        <source>COMMANDLINE_DESCRIPTION</source>
        <translation>Indique à quelqu'un d'autre où vous êtes, par SMS ou par e-mail.</translation>
    </message>
    <message id="COMMANDLINE_DEMO">
        <source>COMMANDLINE_DEMO</source>
        <translation>Utiliser la promenade de démonstration fournie comme position, quels que soient les réglages de l'appareil.</translation>
    </message>
    <message id="COMMANDLINE_SETTINGS">
        <source>COMMANDLINE_SETTINGS</source>
        <translation>Ouvrir les réglages de l'appareil (source de position, SMS, compte e-mail, carnets d'adresses, carte) par-dessus la fenêtre.</translation>
    </message>
    <message id="COMMANDLINE_TRY_HELP">
        <source>COMMANDLINE_TRY_HELP</source>
        <translation>Essayez « %1 --help » pour voir les options.</translation>
    </message>
    <message id="COMMANDLINE_UNEXPECTED">
        <source>COMMANDLINE_UNEXPECTED</source>
        <translation>argument inattendu : %1</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>SETTINGS_TITLE</source>
        <translation>Réglages de l'appareil</translation>
    </message>
    <message id="SETTINGS_OPEN">
        <source>SETTINGS_OPEN</source>
        <translation>Réglages</translation>
    </message>
    <message id="SETTINGS_SECTIONS">
        <source>SETTINGS_SECTIONS</source>
        <translation>Rubriques</translation>
    </message>
    <message id="SETTINGS_LOCATION">
        <source>SETTINGS_LOCATION</source>
        <translation>Localisation</translation>
    </message>
    <message id="SETTINGS_SMS">
        <source>SETTINGS_SMS</source>
        <translation>SMS</translation>
    </message>
    <message id="SETTINGS_MAIL">
        <source>SETTINGS_MAIL</source>
        <translation>E-mail</translation>
    </message>
    <message id="SETTINGS_CONTACTS">
        <source>SETTINGS_CONTACTS</source>
        <translation>Contacts</translation>
    </message>
    <message id="SETTINGS_MAP">
        <source>SETTINGS_MAP</source>
        <translation>Carte</translation>
    </message>
    <message id="SETTINGS_ERROR">
        <source>SETTINGS_ERROR</source>
        <translation>Problème</translation>
    </message>
    <message id="SETTINGS_STATUS">
        <source>SETTINGS_STATUS</source>
        <translation>État</translation>
    </message>
    <message id="SETTINGS_SOURCE">
        <source>SETTINGS_SOURCE</source>
        <translation>Source de position</translation>
    </message>
    <message id="SETTINGS_SOURCE_AUTO">
        <source>SETTINGS_SOURCE_AUTO</source>
        <translation>Automatique (la première source qui répond)</translation>
    </message>
    <message id="SETTINGS_SOURCE_GEOCLUE">
        <source>SETTINGS_SOURCE_GEOCLUE</source>
        <translation>GeoClue</translation>
    </message>
    <message id="SETTINGS_SOURCE_GPSD">
        <source>SETTINGS_SOURCE_GPSD</source>
        <translation>gpsd</translation>
    </message>
    <message id="SETTINGS_SOURCE_NMEA_DEVICE">
        <source>SETTINGS_SOURCE_NMEA_DEVICE</source>
        <translation>Récepteur NMEA sur un port série</translation>
    </message>
    <message id="SETTINGS_SOURCE_NMEA_TCP">
        <source>SETTINGS_SOURCE_NMEA_TCP</source>
        <translation>NMEA par le réseau</translation>
    </message>
    <message id="SETTINGS_SOURCE_REPLAY">
        <source>SETTINGS_SOURCE_REPLAY</source>
        <translation>Un fichier NMEA enregistré</translation>
    </message>
    <message id="SETTINGS_SOURCE_DEMO">
        <source>SETTINGS_SOURCE_DEMO</source>
        <translation>Promenade de démonstration (pas votre position)</translation>
    </message>
    <message id="SETTINGS_HOST">
        <source>SETTINGS_HOST</source>
        <translation>Hôte</translation>
    </message>
    <message id="SETTINGS_PORT">
        <source>SETTINGS_PORT</source>
        <translation>Port</translation>
    </message>
    <message id="SETTINGS_PORT_DEFAULT">
        <source>SETTINGS_PORT_DEFAULT</source>
        <translation>Par défaut selon la sécurité</translation>
    </message>
    <message id="SETTINGS_DEVICE">
        <source>SETTINGS_DEVICE</source>
        <translation>Périphérique</translation>
    </message>
    <message id="SETTINGS_REPLAY_FILE">
        <source>SETTINGS_REPLAY_FILE</source>
        <translation>Fichier NMEA</translation>
    </message>
    <message id="SETTINGS_SOURCE_STATUS">
        <source>SETTINGS_SOURCE_STATUS</source>
        <translation>Ce que la source donne maintenant</translation>
    </message>
    <message id="SETTINGS_STATUS_WAITING">
        <source>SETTINGS_STATUS_WAITING</source>
        <translation>En attente d'une position…</translation>
    </message>
    <message id="SETTINGS_STATUS_FIX">
        <source>SETTINGS_STATUS_FIX</source>
        <translation>Position %.5f, %.5f</translation>
    </message>
    <message id="SETTINGS_STATUS_FAILED">
        <source>SETTINGS_STATUS_FAILED</source>
        <translation>La source a échoué : %@</translation>
    </message>
    <message id="SETTINGS_SMS_SENDER">
        <source>SETTINGS_SMS_SENDER</source>
        <translation>Envoyer les SMS par</translation>
    </message>
    <message id="SETTINGS_SMS_NONE">
        <source>SETTINGS_SMS_NONE</source>
        <translation>Rien (non configuré)</translation>
    </message>
    <message id="SETTINGS_SMS_MODEM">
        <source>SETTINGS_SMS_MODEM</source>
        <translation>Un modem (ModemManager)</translation>
    </message>
    <message id="SETTINGS_SMS_KDECONNECT">
        <source>SETTINGS_SMS_KDECONNECT</source>
        <translation>Un téléphone associé (KDE Connect)</translation>
    </message>
    <message id="SETTINGS_MODEM">
        <source>SETTINGS_MODEM</source>
        <translation>Modem</translation>
    </message>
    <message id="SETTINGS_ANY_MODEM">
        <source>SETTINGS_ANY_MODEM</source>
        <translation>Le premier modem capable d'envoyer des messages</translation>
    </message>
    <message id="SETTINGS_PHONE">
        <source>SETTINGS_PHONE</source>
        <translation>Téléphone</translation>
    </message>
    <message id="SETTINGS_ANY_PHONE">
        <source>SETTINGS_ANY_PHONE</source>
        <translation>Le premier téléphone joignable</translation>
    </message>
    <message id="SETTINGS_REFRESH">
        <source>SETTINGS_REFRESH</source>
        <translation>Rechercher à nouveau modems et téléphones</translation>
    </message>
    <message id="SETTINGS_TEST_NUMBER">
        <source>SETTINGS_TEST_NUMBER</source>
        <translation>Numéro pour un message de test</translation>
    </message>
    <message id="SETTINGS_SEND_TEST">
        <source>SETTINGS_SEND_TEST</source>
        <translation>Envoyer un message de test</translation>
    </message>
    <message id="SETTINGS_SENDING_TEST">
        <source>SETTINGS_SENDING_TEST</source>
        <translation>Envoi du message de test…</translation>
    </message>
    <message id="SETTINGS_TEST_TEXT">
        <source>SETTINGS_TEST_TEXT</source>
        <translation>Ceci est un message de test de Quorvel.</translation>
    </message>
    <message id="SETTINGS_TEST_SENT">
        <source>SETTINGS_TEST_SENT</source>
        <translation>Le message de test a été envoyé.</translation>
    </message>
    <message id="SETTINGS_TEST_FAILED">
        <source>SETTINGS_TEST_FAILED</source>
        <translation>Le message de test n'a pas été envoyé : %@</translation>
    </message>
    <message id="SETTINGS_TRANSPORT">
        <source>SETTINGS_TRANSPORT</source>
        <translation>Envoyer les e-mails par</translation>
    </message>
    <message id="SETTINGS_MAIL_NONE">
        <source>SETTINGS_MAIL_NONE</source>
        <translation>Rien (non configuré)</translation>
    </message>
    <message id="SETTINGS_MAIL_SMTP">
        <source>SETTINGS_MAIL_SMTP</source>
        <translation>Un serveur SMTP</translation>
    </message>
    <message id="SETTINGS_MAIL_SENDMAIL">
        <source>SETTINGS_MAIL_SENDMAIL</source>
        <translation>Le sendmail de cet ordinateur</translation>
    </message>
    <message id="SETTINGS_SERVER">
        <source>SETTINGS_SERVER</source>
        <translation>Serveur SMTP</translation>
    </message>
    <message id="SETTINGS_SECURITY">
        <source>SETTINGS_SECURITY</source>
        <translation>Sécurité</translation>
    </message>
    <message id="SETTINGS_SECURITY_STARTTLS">
        <source>SETTINGS_SECURITY_STARTTLS</source>
        <translation>STARTTLS (port 587)</translation>
    </message>
    <message id="SETTINGS_SECURITY_TLS">
        <source>SETTINGS_SECURITY_TLS</source>
        <translation>TLS (port 465)</translation>
    </message>
    <message id="SETTINGS_SECURITY_NONE">
        <source>SETTINGS_SECURITY_NONE</source>
        <translation>Aucune (serveur sur cette machine uniquement)</translation>
    </message>
    <message id="SETTINGS_USER">
        <source>SETTINGS_USER</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message id="SETTINGS_PASSWORD">
        <source>SETTINGS_PASSWORD</source>
        <translation>Mot de passe</translation>
    </message>
    <message id="SETTINGS_PASSWORD_UNCHANGED">
        <source>SETTINGS_PASSWORD_UNCHANGED</source>
        <translation>Laissez vide pour garder le mot de passe actuel</translation>
    </message>
    <message id="SETTINGS_PASSWORD_IN_FILE">
        <source>SETTINGS_PASSWORD_IN_FILE</source>
        <translation>Ce mot de passe est dans device.ini ; l'enregistrement le déplace dans le trousseau.</translation>
    </message>
    <message id="SETTINGS_KEEP_IN_FILE">
        <source>SETTINGS_KEEP_IN_FILE</source>
        <translation>Garder plutôt le mot de passe dans device.ini</translation>
    </message>
    <message id="SETTINGS_KEYRING_ABSENT">
        <source>SETTINGS_KEYRING_ABSENT</source>
        <translation>aucun trousseau (Secret Service) ne répond</translation>
    </message>
    <message id="SETTINGS_KEYRING_LOCKED">
        <source>SETTINGS_KEYRING_LOCKED</source>
        <translation>le trousseau est verrouillé</translation>
    </message>
    <message id="SETTINGS_KEYRING_FAILED">
        <source>SETTINGS_KEYRING_FAILED</source>
        <translation>Le mot de passe n'a pas pu être placé dans le trousseau : %@. Rien n'a été enregistré. Vous pouvez le garder plutôt dans device.ini, mais toute personne qui peut lire ce fichier peut lire le mot de passe.</translation>
    </message>
    <message id="SETTINGS_FROM">
        <source>SETTINGS_FROM</source>
        <translation>Adresse de l'expéditeur</translation>
    </message>
    <message id="SETTINGS_NAME">
        <source>SETTINGS_NAME</source>
        <translation>Nom de l'expéditeur</translation>
    </message>
    <message id="SETTINGS_SENDMAIL">
        <source>SETTINGS_SENDMAIL</source>
        <translation>Programme sendmail</translation>
    </message>
    <message id="SETTINGS_CHECK_ACCOUNT">
        <source>SETTINGS_CHECK_ACCOUNT</source>
        <translation>Vérifier le compte</translation>
    </message>
    <message id="SETTINGS_CHECKING">
        <source>SETTINGS_CHECKING</source>
        <translation>Connexion au serveur…</translation>
    </message>
    <message id="SETTINGS_CHECK_OK">
        <source>SETTINGS_CHECK_OK</source>
        <translation>Le serveur a accepté la connexion. Il a répondu : %@</translation>
    </message>
    <message id="SETTINGS_CHECK_FAILED">
        <source>SETTINGS_CHECK_FAILED</source>
        <translation>Le compte ne fonctionne pas : %@</translation>
    </message>
    <message id="SETTINGS_USE_FOLDER">
        <source>SETTINGS_USE_FOLDER</source>
        <translation>Lire un dossier de fichiers vCard</translation>
    </message>
    <message id="SETTINGS_FOLDER">
        <source>SETTINGS_FOLDER</source>
        <translation>Dossier vCard</translation>
    </message>
    <message id="SETTINGS_USE_KPEOPLE">
        <source>SETTINGS_USE_KPEOPLE</source>
        <translation>Carnet d'adresses de KPeople (Plasma)</translation>
    </message>
    <message id="SETTINGS_USE_EDS">
        <source>SETTINGS_USE_EDS</source>
        <translation>Evolution Data Server (GNOME, Phosh)</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS">
        <source>SETTINGS_EDS_BOOKS</source>
        <translation>Carnets d'adresses à lire</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS_STATUS">
        <source>SETTINGS_EDS_BOOKS_STATUS</source>
        <translation>Carnets d'adresses d'Evolution Data Server</translation>
    </message>
    <message id="SETTINGS_EDS_LISTING">
        <source>SETTINGS_EDS_LISTING</source>
        <translation>Recherche des carnets d'adresses…</translation>
    </message>
    <message id="SETTINGS_EDS_ABSENT">
        <source>SETTINGS_EDS_ABSENT</source>
        <translation>Evolution Data Server ne répond pas sur cet appareil, ses carnets d'adresses ne peuvent donc pas être listés. Ils sont tous lus lorsqu'il fonctionne.</translation>
    </message>
    <message id="SETTINGS_EDS_NONE">
        <source>SETTINGS_EDS_NONE</source>
        <translation>Evolution Data Server n'a aucun carnet d'adresses activé.</translation>
    </message>
    <message id="SETTINGS_TILE_SERVER">
        <source>SETTINGS_TILE_SERVER</source>
        <translation>Serveur de tuiles</translation>
    </message>
    <message id="SETTINGS_TILE_CONTACT">
        <source>SETTINGS_TILE_CONTACT</source>
        <translation>Votre contact pour le serveur de tuiles</translation>
    </message>
    <message id="SETTINGS_MBTILES">
        <source>SETTINGS_MBTILES</source>
        <translation>Fichier MBTiles pour la carte</translation>
    </message>
    <message id="SETTINGS_SATELLITE_MBTILES">
        <source>SETTINGS_SATELLITE_MBTILES</source>
        <translation>Fichier MBTiles pour la vue satellite</translation>
    </message>
    <message id="SETTINGS_ERR_PORT">
        <source>SETTINGS_ERR_PORT</source>
        <translation>Un port est un nombre de 1 à 65535.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST">
        <source>SETTINGS_ERR_HOST</source>
        <translation>Un nom d'hôte ne peut contenir ni espaces ni aucun des caractères / @ , ; " ' &lt; &gt; \.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST_EMPTY">
        <source>SETTINGS_ERR_HOST_EMPTY</source>
        <translation>Saisissez un nom d'hôte ou une adresse.</translation>
    </message>
    <message id="SETTINGS_ERR_FROM">
        <source>SETTINGS_ERR_FROM</source>
        <translation>Une adresse a besoin d'un nom, d'un « @ » et d'un domaine, sans espaces.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE">
        <source>SETTINGS_ERR_FILE</source>
        <translation>Il n'y a pas de fichier %@.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE_EMPTY">
        <source>SETTINGS_ERR_FILE_EMPTY</source>
        <translation>Saisissez le chemin du fichier.</translation>
    </message>
    <message id="SETTINGS_ERR_FOLDER">
        <source>SETTINGS_ERR_FOLDER</source>
        <translation>Il n'y a pas de dossier %@.</translation>
    </message>
    <message id="SETTINGS_ERR_PROGRAM">
        <source>SETTINGS_ERR_PROGRAM</source>
        <translation>%@ n'est pas un programme de cette machine.</translation>
    </message>
    <message id="SETTINGS_ERR_NOT_LOOPBACK">
        <source>SETTINGS_ERR_NOT_LOOPBACK</source>
        <translation>Sans chiffrement, seul un serveur sur cette machine peut être utilisé.</translation>
    </message>
    <message id="SETTINGS_ERR_URL">
        <source>SETTINGS_ERR_URL</source>
        <translation>L'adresse commence par http:// ou https:// et contient {z}, {x} et {y}.</translation>
    </message>
    <message id="SETTINGS_ERR_CONTACT">
        <source>SETTINGS_ERR_CONTACT</source>
        <translation>Indiquez une adresse e-mail ou une page web (http:// ou https://).</translation>
    </message>
    <message id="SETTINGS_ERR_NUMBER">
        <source>SETTINGS_ERR_NUMBER</source>
        <translation>Un numéro de téléphone contient des chiffres, des espaces, des parenthèses, des points, des tirets et un + au début.</translation>
    </message>
    <message id="SETTINGS_FIX_FIELDS">
        <source>SETTINGS_FIX_FIELDS</source>
        <translation>Corrigez les champs marqués pour enregistrer : %@.</translation>
    </message>
    <message id="SETTINGS_SAVING">
        <source>SETTINGS_SAVING</source>
        <translation>Enregistrement…</translation>
    </message>
    <message id="SETTINGS_WRITE_FAILED">
        <source>SETTINGS_WRITE_FAILED</source>
        <translation>%@ n'a pas pu être écrit ; rien n'a été enregistré.</translation>
    </message>
    <message id="SETTINGS_SAVE">
        <source>SETTINGS_SAVE</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="SETTINGS_CANCEL">
        <source>SETTINGS_CANCEL</source>
        <translation>Annuler</translation>
    </message>
    <message id="ACCESSIBLE_SELECT">
        <source>ACCESSIBLE_SELECT</source>
        <translation>Sélectionner</translation>
    </message>
    <message id="ACCESSIBLE_OPEN">
        <source>ACCESSIBLE_OPEN</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="ACCESSIBLE_DELETE">
        <source>ACCESSIBLE_DELETE</source>
        <translation>Supprimer</translation>
    </message>
    <message id="ACCESSIBLE_EMPTY_ROW">
        <source>ACCESSIBLE_EMPTY_ROW</source>
        <translation>Ligne vide %1</translation>
    </message>
    <message id="MAP_ACCESSIBLE_NAME">
        <source>MAP_ACCESSIBLE_NAME</source>
        <translation>Carte</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION">
        <source>MAP_ACCESSIBLE_POSITION</source>
        <translation>Votre position : %1.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION_NEAR">
        <source>MAP_ACCESSIBLE_POSITION_NEAR</source>
        <translation>Votre position : %1, près de %2.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_WAITING">
        <source>MAP_ACCESSIBLE_WAITING</source>
        <translation>En attente de votre position.</translation>
    </message>
    <message id="MAP_OFFLINE">
        <source>MAP_OFFLINE</source>
        <translation>Carte hors ligne : aucune tuile à afficher</translation>
    </message>
    <message id="MAP_NO_SATELLITE">
        <source>MAP_NO_SATELLITE</source>
        <translation>Aucune image satellite configurée : carte hors ligne</translation>
    </message>
    <message id="TEMPLATES_LIST_HINT">
        <source>TEMPLATES_LIST_HINT</source>
        <translation>Entrée ouvre le modèle sélectionné ; Suppr demande confirmation avant de le supprimer.</translation>
    </message>
    <message id="TEMPLATES_NEW">
        <source>TEMPLATES_NEW</source>
        <translation>Nouveau modèle</translation>
    </message>
    <message id="ACCESSIBLE_CLEAR_TEXT">
        <source>ACCESSIBLE_CLEAR_TEXT</source>
        <translation>Effacer le texte</translation>
    </message>
    <message id="DemoPosition">
        <source>DemoPosition</source>
        <translation>Position de démonstration : une promenade enregistrée à Prague, pas là où vous êtes</translation>
    </message>
    <message id="StatusChoosing">
        <source>StatusChoosing</source>
        <translation>Recherche d'une source de position…</translation>
    </message>
    <message id="StatusWaiting">
        <source>StatusWaiting</source>
        <translation>En attente d'une position (source : %1)…</translation>
    </message>
    <message id="StatusNotAnswering">
        <source>StatusNotAnswering</source>
        <translation>Pas encore de réponse de la source de position (%1).</translation>
    </message>
    <message id="StatusDenied">
        <source>StatusDenied</source>
        <translation>Le service de localisation du système a refusé l'accès à votre position. Autorisez Quorvel dans les paramètres du système sous Confidentialité → Services de localisation.</translation>
    </message>
    <message id="StatusFailed">
        <source>StatusFailed</source>
        <translation>La source de position (%1) a cessé de fonctionner.</translation>
    </message>
    <message id="SourceGeoClue">
        <source>SourceGeoClue</source>
        <translation>le service de localisation du système</translation>
    </message>
    <message id="SourceGpsd">
        <source>SourceGpsd</source>
        <translation>gpsd sur %1</translation>
    </message>
    <message id="SourceReceiver">
        <source>SourceReceiver</source>
        <translation>récepteur %1</translation>
    </message>
    <message id="SourceReplay">
        <source>SourceReplay</source>
        <translation>enregistrement %1</translation>
    </message>
    <message id="SourceDemo">
        <source>SourceDemo</source>
        <translation>la promenade de démonstration</translation>
    </message>
    <message id="DemoSendTitle">
        <source>DemoSendTitle</source>
        <translation>Envoyer une position de démonstration ?</translation>
    </message>
    <message id="DemoSendMessage">
        <source>DemoSendMessage</source>
        <translation>La position dans ce message est celle de la promenade de démonstration dans Prague, pas là où vous êtes.</translation>
    </message>
    <message id="DemoSendNo">
        <source>DemoSendNo</source>
        <translation>Ne pas envoyer</translation>
    </message>
    <message id="DemoSendYes">
        <source>DemoSendYes</source>
        <translation>Envoyer la démo</translation>
    </message>
    <message id="DemoPin">
        <source>DemoPin</source>
        <translation>Position de démonstration : pas là où vous êtes</translation>
    </message>
</context>
</TS>
