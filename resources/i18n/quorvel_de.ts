<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Vorlagen</translation>
    </message>
    <message id="MAP_TABBAR_TITLE">
        <source>MAP_TABBAR_TITLE</source>
        <translation>Karte</translation>
    </message>
    <message id="ABOUT_TABBAR_TITLE">
        <source>ABOUT_TABBAR_TITLE</source>
        <translation>Info</translation>
    </message>
    <message id="CURRENTPOSITION">
        <source>CURRENTPOSITION</source>
        <translation>Aktuelle Position</translation>
    </message>
    <message id="LATITUDE">
        <source>LATITUDE</source>
        <translation>Breite</translation>
    </message>
    <message id="LONGITUDE">
        <source>LONGITUDE</source>
        <translation>Länge</translation>
    </message>
    <message id="AMSL">
        <source>AMSL</source>
        <translation>Höhe</translation>
    </message>
    <message id="LOCATION">
        <source>LOCATION</source>
        <translation>Ort</translation>
    </message>
    <message id="SMSLABEL">
        <source>SMSLABEL</source>
        <translation>Empfänger</translation>
    </message>
    <message id="contactPhone">
        <source>contactPhone</source>
        <translation>Telefonnummer</translation>
    </message>
    <message id="contactEmail">
        <source>contactEmail</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message id="ChooseGPSFormat">
        <source>ChooseGPSFormat</source>
        <translation>Koordinatenformat wählen</translation>
    </message>
    <message id="EmailSubject">
        <source>EmailSubject</source>
        <translation>Wo ich bin</translation>
    </message>
    <message id="Error">
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message id="GettingLocationFailed">
        <source>GettingLocationFailed</source>
        <translation>Deine Position konnte nicht bestimmt werden.</translation>
    </message>
    <message id="UnknownLocation">
        <source>UnknownLocation</source>
        <translation>Deine Position ist noch nicht bekannt. Wähle das Format erneut, sobald sie angezeigt wird.</translation>
    </message>
    <message id="DeviceNotConfigured">
        <source>DeviceNotConfigured</source>
        <translation>Dieses Gerät kann keine SMS senden. Richte in den Geräteeinstellungen unter SMS ein Modem oder ein gekoppeltes Telefon ein: über die Schaltfläche Einstellungen auf der Info-Seite oder mit Strg+,.</translation>
    </message>
    <message id="DeviceNotConfiguredEmail">
        <source>DeviceNotConfiguredEmail</source>
        <translation>Auf diesem Gerät ist kein E-Mail-Konto eingerichtet. Richte eines in den Geräteeinstellungen unter E-Mail ein: über die Schaltfläche Einstellungen auf der Info-Seite oder mit Strg+,.</translation>
    </message>
    <message id="SMSSendingCanceled">
        <source>SMSSendingCanceled</source>
        <translation>Das Senden der SMS wurde abgebrochen.</translation>
    </message>
    <message id="SMSSendingFailed">
        <source>SMSSendingFailed</source>
        <translation>Die Nachricht konnte nicht gesendet werden.</translation>
    </message>
    <message id="SMSSent">
        <source>SMSSent</source>
        <translation>Die SMS wurde gesendet.</translation>
    </message>
    <message id="SMSNotSent">
        <source>SMSNotSent</source>
        <translation>Die SMS wurde nicht gesendet.</translation>
    </message>
    <message id="EmailSendingCanceled">
        <source>EmailSendingCanceled</source>
        <translation>Das Senden der E-Mail wurde abgebrochen.</translation>
    </message>
    <message id="EmailSaved">
        <source>EmailSaved</source>
        <translation>Die E-Mail wurde als Entwurf gespeichert.</translation>
    </message>
    <message id="EmailSent">
        <source>EmailSent</source>
        <translation>Die E-Mail wurde gesendet.</translation>
    </message>
    <message id="EmailNotSent">
        <source>EmailNotSent</source>
        <translation>Die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message id="MessageDefaultTemplate1">
        <source>MessageDefaultTemplate1</source>
        <translation>Ich bin bei [] in der Nähe von {}.</translation>
    </message>
    <message id="MessageDefaultTemplate2">
        <source>MessageDefaultTemplate2</source>
        <translation>Bitte hol mich hier ab: [] ({}).</translation>
    </message>
    <message id="MessageDefaultTemplate3">
        <source>MessageDefaultTemplate3</source>
        <translation>Ich brauche Hilfe! Meine Position ist [], in der Nähe von {}. Karte: &lt;&gt;</translation>
    </message>
    <message id="TEMPLATES_NAVBAR_TITLE">
        <source>TEMPLATES_NAVBAR_TITLE</source>
        <translation>Vorlagen</translation>
    </message>
    <message id="MESSAGE_DETAIL_NAVBAR_TITLE">
        <source>MESSAGE_DETAIL_NAVBAR_TITLE</source>
        <translation>Vorlage</translation>
    </message>
    <message id="USEBUTTON">
        <source>USEBUTTON</source>
        <translation>Verwenden</translation>
    </message>
    <message id="SAVEBUTTON">
        <source>SAVEBUTTON</source>
        <translation>Speichern</translation>
    </message>
    <message id="HELP1">
        <source>HELP1</source>
        <translation>Eckige Klammern [] werden durch deine Koordinaten ersetzt.</translation>
    </message>
    <message id="HELP2">
        <source>HELP2</source>
        <translation>Geschweifte Klammern {} werden durch den Namen des Ortes ersetzt, an dem du bist.</translation>
    </message>
    <message id="MAP_NAVBAR_TITLE">
        <source>MAP_NAVBAR_TITLE</source>
        <translation>Karte</translation>
    </message>
    <message id="MAP_TYPE">
        <source>MAP_TYPE</source>
        <translation>Kartentyp</translation>
    </message>
    <message id="ABOUT_NAVBAR_TITLE">
        <source>ABOUT_NAVBAR_TITLE</source>
        <translation>Info</translation>
    </message>
    <message id="QUORVEL">
        <source>QUORVEL</source>
        <translation>Quorvel</translation>
    </message>
    <message id="ABOUT_DESCRIPTION">
        <source>ABOUT_DESCRIPTION</source>
        <translation>Quorvel sagt jemand anderem, wo du bist. Es verfolgt deine Position, zeigt sie in drei Koordinatenformaten mit der Höhe und dem nächstgelegenen Ort und sendet sie per SMS oder E-Mail.

Ortsnamen: © GeoNames (geonames.org), unter einer Creative-Commons-Namensnennungslizenz.
Kartendaten: © OpenStreetMap-Mitwirkende, verfügbar unter der Open Database License.</translation>
    </message>
    <message id="AUTHOR">
        <source>AUTHOR</source>
        <translation>Von den Quorvel-Entwicklern</translation>
    </message>
    <message id="VERSION">
        <source>VERSION</source>
        <translation>Version 0.1.0</translation>
    </message>
    <message id="VERSION_TIMESTAMP">
        <source>VERSION_TIMESTAMP</source>
        <translation>Erstellt am 9. Dezember 2026</translation>
    </message>
    <message id="DOWNLOAD_DESCRIPTION">
        <source>DOWNLOAD_DESCRIPTION</source>
        <translation>Die neueste Version und ihr Quellcode liegen unter https://quorvel.example.org/</translation>
    </message>
    <message id="COMMANDLINE_DESCRIPTION">
        <source>COMMANDLINE_DESCRIPTION</source>
        <translation>Sagt jemand anderem per SMS oder E-Mail, wo du bist.</translation>
    </message>
    <message id="COMMANDLINE_DEMO">
        <source>COMMANDLINE_DEMO</source>
        <translation>Den mitgelieferten Demo-Spaziergang als Position verwenden, egal was die Geräteeinstellungen sagen.</translation>
    </message>
    <message id="COMMANDLINE_SETTINGS">
        <source>COMMANDLINE_SETTINGS</source>
        <translation>Die Geräteeinstellungen (Positionsquelle, SMS, E-Mail-Konto, Adressbücher, Karte) über dem Fenster öffnen.</translation>
    </message>
    <message id="COMMANDLINE_TRY_HELP">
        <source>COMMANDLINE_TRY_HELP</source>
        <translation>Mit '%1 --help' werden die Optionen angezeigt.</translation>
    </message>
    <message id="COMMANDLINE_UNEXPECTED">
        <source>COMMANDLINE_UNEXPECTED</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>SETTINGS_TITLE</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message id="SETTINGS_OPEN">
        <source>SETTINGS_OPEN</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="ACCESSIBLE_SELECT">
        <source>ACCESSIBLE_SELECT</source>
        <translation>Auswählen</translation>
    </message>
    <message id="ACCESSIBLE_OPEN">
        <source>ACCESSIBLE_OPEN</source>
        <translation>Öffnen</translation>
    </message>
    <message id="ACCESSIBLE_DELETE">
        <source>ACCESSIBLE_DELETE</source>
        <translation>Löschen</translation>
    </message>
    <message id="ACCESSIBLE_EMPTY_ROW">
        <source>ACCESSIBLE_EMPTY_ROW</source>
        <translation>Leere Zeile %1</translation>
    </message>
    <message id="MAP_ACCESSIBLE_NAME">
        <source>MAP_ACCESSIBLE_NAME</source>
        <translation>Karte</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION">
        <source>MAP_ACCESSIBLE_POSITION</source>
        <translation>Deine Position: %1.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION_NEAR">
        <source>MAP_ACCESSIBLE_POSITION_NEAR</source>
        <translation>Deine Position: %1, in der Nähe von %2.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_WAITING">
        <source>MAP_ACCESSIBLE_WAITING</source>
        <translation>Warte auf deine Position.</translation>
    </message>
    <message id="MAP_OFFLINE">
        <source>MAP_OFFLINE</source>
        <translation>Karte offline: keine Kacheln vorhanden</translation>
    </message>
    <message id="MAP_NO_SATELLITE">
        <source>MAP_NO_SATELLITE</source>
        <translation>Keine Satellitenbilder eingerichtet: Offline-Karte</translation>
    </message>
    <message id="TEMPLATES_LIST_HINT">
        <source>TEMPLATES_LIST_HINT</source>
        <translation>Eingabe öffnet die gewählte Vorlage; Entf fragt vor dem Entfernen nach.</translation>
    </message>
    <message id="TEMPLATES_NEW">
        <source>TEMPLATES_NEW</source>
        <translation>Neue Vorlage</translation>
    </message>
    <message id="ACCESSIBLE_CLEAR_TEXT">
        <source>ACCESSIBLE_CLEAR_TEXT</source>
        <translation>Text löschen</translation>
    </message>
    <message id="DemoPosition">
        <source>DemoPosition</source>
        <translation>Demo-Position: ein aufgezeichneter Spaziergang in Prag, nicht dein Standort</translation>
    </message>
    <message id="StatusChoosing">
        <source>StatusChoosing</source>
        <translation>Suche eine Positionsquelle …</translation>
    </message>
    <message id="StatusWaiting">
        <source>StatusWaiting</source>
        <translation>Warte auf eine Position (Quelle: %1) …</translation>
    </message>
    <message id="StatusNotAnswering">
        <source>StatusNotAnswering</source>
        <translation>Noch keine Antwort von der Positionsquelle (%1).</translation>
    </message>
    <message id="StatusDenied">
        <source>StatusDenied</source>
        <translation>Der Ortungsdienst des Systems hat den Zugriff auf deine Position verweigert. Erlaube Quorvel in den Systemeinstellungen unter Datenschutz → Ortungsdienste.</translation>
    </message>
    <message id="StatusFailed">
        <source>StatusFailed</source>
        <translation>Die Positionsquelle (%1) funktioniert nicht mehr.</translation>
    </message>
    <message id="SourceGeoClue">
        <source>SourceGeoClue</source>
        <translation>der Ortungsdienst des Systems</translation>
    </message>
    <message id="SourceGpsd">
        <source>SourceGpsd</source>
        <translation>gpsd auf %1</translation>
    </message>
    <message id="SourceReceiver">
        <source>SourceReceiver</source>
        <translation>Empfänger %1</translation>
    </message>
    <message id="SourceReplay">
        <source>SourceReplay</source>
        <translation>Aufzeichnung %1</translation>
    </message>
    <message id="SourceDemo">
        <source>SourceDemo</source>
        <translation>der Demo-Spaziergang</translation>
    </message>
    <message id="DemoSendTitle">
        <source>DemoSendTitle</source>
        <translation>Demo-Position senden?</translation>
    </message>
    <message id="DemoSendMessage">
        <source>DemoSendMessage</source>
        <translation>Die Position in dieser Nachricht stammt vom Demo-Spaziergang durch Prag, nicht von deinem Standort.</translation>
    </message>
    <message id="DemoSendNo">
        <source>DemoSendNo</source>
        <translation>Nicht senden</translation>
    </message>
    <message id="DemoSendYes">
        <source>DemoSendYes</source>
        <translation>Demo senden</translation>
    </message>
    <message id="DemoPin">
        <source>DemoPin</source>
        <translation>Demo-Position: nicht dein Standort</translation>
    </message>
    <message id="InsertCoordinates">
        <source>InsertCoordinates</source>
        <translation>+ Koordinaten</translation>
    </message>
    <message id="InsertLocality">
        <source>InsertLocality</source>
        <translation>+ Ort</translation>
    </message>
    <message id="InsertLink">
        <source>InsertLink</source>
        <translation>+ Kartenlink</translation>
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
        <translation>Genauigkeit unbekannt</translation>
    </message>
    <message id="FixAgeMinutes">
        <source>FixAgeMinutes</source>
        <translation>vor %1 min</translation>
    </message>
    <message id="FixAgeHours">
        <source>FixAgeHours</source>
        <translation>vor %1 h</translation>
    </message>
    <message id="CheckSendTitle">
        <source>CheckSendTitle</source>
        <translation>Diese Position senden?</translation>
    </message>
    <message id="CoarseSendMessage">
        <source>CoarseSendMessage</source>
        <translation>Diese Position ist nur auf %1 genau: Sie kann aus WLAN oder Netz geschätzt sein, nicht von Satelliten bestimmt.</translation>
    </message>
    <message id="StaleSendMessage">
        <source>StaleSendMessage</source>
        <translation>Diese Position wurde %1 bestimmt; vielleicht sind Sie nicht mehr dort.</translation>
    </message>
    <message id="CheckSendYes">
        <source>CheckSendYes</source>
        <translation>Trotzdem senden</translation>
    </message>
    <message id="StatusWaitingSatellites">
        <source>StatusWaitingSatellites</source>
        <translation>Warte auf eine Position: %1 Satelliten in Sicht, %2 genutzt</translation>
    </message>
</context>
</TS>
