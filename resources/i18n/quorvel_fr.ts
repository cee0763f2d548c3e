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
        <translation>J'ai besoin d'aide ! Ma position est [], près de {}. Carte : &lt;&gt;</translation>
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
    <message id="InsertCoordinates">
        <source>InsertCoordinates</source>
        <translation>+ Coordonnées</translation>
    </message>
    <message id="InsertLocality">
        <source>InsertLocality</source>
        <translation>+ Lieu</translation>
    </message>
    <message id="InsertLink">
        <source>InsertLink</source>
        <translation>+ Lien de carte</translation>
    </message>
    <message id="AccuracyMetres">
        <source>AccuracyMetres</source>
        <translation>±%1 m</translation>
    </message>
    <message id="AccuracyKilometres">
        <source>AccuracyKilometres</source>
        <translation>±%1 km</translation>
    </message>
    <message id="AccuracyUnknown">
        <source>AccuracyUnknown</source>
        <translation>précision inconnue</translation>
    </message>
    <message id="FixAgeMinutes">
        <source>FixAgeMinutes</source>
        <translation>il y a %1 min</translation>
    </message>
    <message id="FixAgeHours">
        <source>FixAgeHours</source>
        <translation>il y a %1 h</translation>
    </message>
    <message id="CheckSendTitle">
        <source>CheckSendTitle</source>
        <translation>Envoyer cette position ?</translation>
    </message>
    <message id="CoarseSendMessage">
        <source>CoarseSendMessage</source>
        <translation>Cette position n&apos;est précise qu&apos;à %1 près : elle peut être estimée d&apos;après le Wi-Fi ou le réseau, et non par satellite.</translation>
    </message>
    <message id="StaleSendMessage">
        <source>StaleSendMessage</source>
        <translation>Cette position a été déterminée %1 ; vous n&apos;y êtes peut-être plus.</translation>
    </message>
    <message id="CheckSendYes">
        <source>CheckSendYes</source>
        <translation>Envoyer quand même</translation>
    </message>
    <message id="StatusWaitingSatellites">
        <source>StatusWaitingSatellites</source>
        <translation>En attente d&apos;une position : %1 satellites visibles, %2 utilisés</translation>
    </message>
</context>
</TS>
