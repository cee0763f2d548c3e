<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
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
        <translation>Templates</translation>
    </message>
    <message id="MAP_TABBAR_TITLE">
        <source>MAP_TABBAR_TITLE</source>
        <translation>Map</translation>
    </message>
    <message id="ABOUT_TABBAR_TITLE">
        <source>ABOUT_TABBAR_TITLE</source>
        <translation>About</translation>
    </message>
    <message id="CURRENTPOSITION">
        <source>CURRENTPOSITION</source>
        <translation>Current position</translation>
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
        <translation>Locality</translation>
    </message>
    <message id="SMSLABEL">
        <source>SMSLABEL</source>
        <translation>Recipient</translation>
    </message>
    <message id="contactPhone">
        <source>contactPhone</source>
        <translation>Phone number</translation>
    </message>
    <message id="contactEmail">
        <source>contactEmail</source>
        <translation>E-mail address</translation>
    </message>
    <message id="ChooseGPSFormat">
        <source>ChooseGPSFormat</source>
        <translation>Choose a coordinate format</translation>
    </message>
    <message id="EmailSubject">
        <source>EmailSubject</source>
        <translation>Where I am</translation>
    </message>
    <message id="Error">
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message id="GettingLocationFailed">
        <source>GettingLocationFailed</source>
        <translation>Your position could not be determined.</translation>
    </message>
    <message id="UnknownLocation">
        <source>UnknownLocation</source>
        <translation>Your position is not known yet. Choose the format again once it is shown.</translation>
    </message>
    <message id="DeviceNotConfigured">
        <source>DeviceNotConfigured</source>
        <translation>This device cannot send text messages. Set up a modem or a paired phone under Text messages in the device settings: the Settings button on the About screen, or Ctrl+,.</translation>
    </message>
    <message id="DeviceNotConfiguredEmail">
        <source>DeviceNotConfiguredEmail</source>
        <translation>No e-mail account is set up on this device. Set one up under E-mail in the device settings: the Settings button on the About screen, or Ctrl+,.</translation>
    </message>
    <message id="SMSSendingCanceled">
        <source>SMSSendingCanceled</source>
        <translation>Sending the text message was cancelled.</translation>
    </message>
    <message id="SMSSendingFailed">
        <source>SMSSendingFailed</source>
        <translation>The message could not be sent.</translation>
    </message>
    <message id="SMSSent">
        <source>SMSSent</source>
        <translation>The text message was sent.</translation>
    </message>
    <message id="SMSNotSent">
        <source>SMSNotSent</source>
        <translation>The text message was not sent.</translation>
    </message>
    <message id="EmailSendingCanceled">
        <source>EmailSendingCanceled</source>
        <translation>Sending the e-mail was cancelled.</translation>
    </message>
    <message id="EmailSaved">
        <source>EmailSaved</source>
        <translation>The e-mail was saved as a draft.</translation>
    </message>
    <message id="EmailSent">
        <source>EmailSent</source>
        <translation>The e-mail was sent.</translation>
    </message>
    <message id="EmailNotSent">
        <source>EmailNotSent</source>
        <translation>The e-mail was not sent.</translation>
    </message>
    <message id="MessageDefaultTemplate1">
        <source>MessageDefaultTemplate1</source>
        <translation>I am at [] near {}.</translation>
    </message>
    <message id="MessageDefaultTemplate2">
        <source>MessageDefaultTemplate2</source>
        <translation>Please pick me up here: [] ({}).</translation>
    </message>
    <message id="MessageDefaultTemplate3">
        <source>MessageDefaultTemplate3</source>
        <translation>I need help! My position is [], near {}. Map: &lt;&gt;</translation>
    </message>
    <message id="TEMPLATES_NAVBAR_TITLE">
        <source>TEMPLATES_NAVBAR_TITLE</source>
        <translation>Templates</translation>
    </message>
    <message id="MESSAGE_DETAIL_NAVBAR_TITLE">
        <source>MESSAGE_DETAIL_NAVBAR_TITLE</source>
        <translation>Template</translation>
    </message>
    <message id="USEBUTTON">
        <source>USEBUTTON</source>
        <translation>Use</translation>
    </message>
    <message id="SAVEBUTTON">
        <source>SAVEBUTTON</source>
        <translation>Save</translation>
    </message>
    <message id="HELP1">
        <source>HELP1</source>
        <translation>Square brackets [] are replaced by your coordinates.</translation>
    </message>
    <message id="HELP2">
        <source>HELP2</source>
        <translation>Curly braces {} are replaced by the name of the place you are in.</translation>
    </message>
    <message id="MAP_NAVBAR_TITLE">
        <source>MAP_NAVBAR_TITLE</source>
        <translation>Map</translation>
    </message>
    <message id="MAP_TYPE">
        <source>MAP_TYPE</source>
        <translation>Map type</translation>
    </message>
    <message id="ABOUT_NAVBAR_TITLE">
        <source>ABOUT_NAVBAR_TITLE</source>
        <translation>About</translation>
    </message>
    <message id="QUORVEL">
        <source>QUORVEL</source>
        <translation>Quorvel</translation>
    </message>
    <message id="ABOUT_DESCRIPTION">
        <source>ABOUT_DESCRIPTION</source>
        <translation>Quorvel tells somebody else where you are. It follows your position, shows it in three coordinate formats with the altitude and the nearest place, and sends it by text message or e-mail.

Place names: © GeoNames (geonames.org), under a Creative Commons Attribution licence.
Map data: © OpenStreetMap contributors, available under the Open Database License.</translation>
    </message>
    <message id="AUTHOR">
        <source>AUTHOR</source>
        <translation>By the Quorvel developers</translation>
    </message>
    <message id="VERSION">
        <source>VERSION</source>
        <translation>Version 0.1.0</translation>
    </message>
    <message id="VERSION_TIMESTAMP">
        <source>VERSION_TIMESTAMP</source>
        <translation>Built on 9 December 2026</translation>
    </message>
    <message id="DOWNLOAD_DESCRIPTION">
        <source>DOWNLOAD_DESCRIPTION</source>
        <translation>The latest version and its source are at https://quorvel.example.org/</translation>
    </message>
    <message id="COMMANDLINE_DESCRIPTION">
        <source>COMMANDLINE_DESCRIPTION</source>
        <translation>Tells somebody else where you are, by SMS or e-mail.</translation>
    </message>
    <message id="COMMANDLINE_DEMO">
        <source>COMMANDLINE_DEMO</source>
        <translation>Use the bundled demo walk as the position, whatever the device settings say.</translation>
    </message>
    <message id="COMMANDLINE_SETTINGS">
        <source>COMMANDLINE_SETTINGS</source>
        <translation>Open the device settings (position source, text messages, e-mail account, address books, map) over the window.</translation>
    </message>
    <message id="COMMANDLINE_TRY_HELP">
        <source>COMMANDLINE_TRY_HELP</source>
        <translation>Try '%1 --help' for the options.</translation>
    </message>
    <message id="COMMANDLINE_UNEXPECTED">
        <source>COMMANDLINE_UNEXPECTED</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>SETTINGS_TITLE</source>
        <translation>Device settings</translation>
    </message>
    <message id="SETTINGS_OPEN">
        <source>SETTINGS_OPEN</source>
        <translation>Settings</translation>
    </message>
    <message id="ACCESSIBLE_SELECT">
        <source>ACCESSIBLE_SELECT</source>
        <translation>Select</translation>
    </message>
    <message id="ACCESSIBLE_OPEN">
        <source>ACCESSIBLE_OPEN</source>
        <translation>Open</translation>
    </message>
    <message id="ACCESSIBLE_DELETE">
        <source>ACCESSIBLE_DELETE</source>
        <translation>Delete</translation>
    </message>
    <message id="ACCESSIBLE_EMPTY_ROW">
        <source>ACCESSIBLE_EMPTY_ROW</source>
        <translation>Empty row %1</translation>
    </message>
    <message id="MAP_ACCESSIBLE_NAME">
        <source>MAP_ACCESSIBLE_NAME</source>
        <translation>Map</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION">
        <source>MAP_ACCESSIBLE_POSITION</source>
        <translation>Your position: %1.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION_NEAR">
        <source>MAP_ACCESSIBLE_POSITION_NEAR</source>
        <translation>Your position: %1, near %2.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_WAITING">
        <source>MAP_ACCESSIBLE_WAITING</source>
        <translation>Waiting for your position.</translation>
    </message>
    <message id="MAP_OFFLINE">
        <source>MAP_OFFLINE</source>
        <translation>Map offline: no tiles to show</translation>
    </message>
    <message id="MAP_NO_SATELLITE">
        <source>MAP_NO_SATELLITE</source>
        <translation>No satellite pictures set up: offline map</translation>
    </message>
    <message id="TEMPLATES_LIST_HINT">
        <source>TEMPLATES_LIST_HINT</source>
        <translation>Enter opens the selected template; Delete asks for confirmation before removing it.</translation>
    </message>
    <message id="TEMPLATES_NEW">
        <source>TEMPLATES_NEW</source>
        <translation>New template</translation>
    </message>
    <message id="ACCESSIBLE_CLEAR_TEXT">
        <source>ACCESSIBLE_CLEAR_TEXT</source>
        <translation>Clear text</translation>
    </message>
    <message id="DemoPosition">
        <source>DemoPosition</source>
        <translation>Demo position: a recorded walk in Prague, not where you are</translation>
    </message>
    <message id="StatusChoosing">
        <source>StatusChoosing</source>
        <translation>Looking for a position source…</translation>
    </message>
    <message id="StatusWaiting">
        <source>StatusWaiting</source>
        <translation>Waiting for a position (source: %1)…</translation>
    </message>
    <message id="StatusNotAnswering">
        <source>StatusNotAnswering</source>
        <translation>No answer yet from the position source (%1).</translation>
    </message>
    <message id="StatusDenied">
        <source>StatusDenied</source>
        <translation>The system's location service refused access to your position. Allow Quorvel in the system settings under Privacy → Location Services.</translation>
    </message>
    <message id="StatusFailed">
        <source>StatusFailed</source>
        <translation>The position source (%1) stopped working.</translation>
    </message>
    <message id="SourceGeoClue">
        <source>SourceGeoClue</source>
        <translation>the system's location service</translation>
    </message>
    <message id="SourceGpsd">
        <source>SourceGpsd</source>
        <translation>gpsd at %1</translation>
    </message>
    <message id="SourceReceiver">
        <source>SourceReceiver</source>
        <translation>receiver %1</translation>
    </message>
    <message id="SourceReplay">
        <source>SourceReplay</source>
        <translation>recording %1</translation>
    </message>
    <message id="SourceDemo">
        <source>SourceDemo</source>
        <translation>the demo walk</translation>
    </message>
    <message id="DemoSendTitle">
        <source>DemoSendTitle</source>
        <translation>Send a demo position?</translation>
    </message>
    <message id="DemoSendMessage">
        <source>DemoSendMessage</source>
        <translation>The position in this message is the demo walk through Prague, not where you are.</translation>
    </message>
    <message id="DemoSendNo">
        <source>DemoSendNo</source>
        <translation>Don't send</translation>
    </message>
    <message id="DemoSendYes">
        <source>DemoSendYes</source>
        <translation>Send the demo</translation>
    </message>
    <message id="DemoPin">
        <source>DemoPin</source>
        <translation>Demo position: not where you are</translation>
    </message>
    <message id="InsertCoordinates">
        <source>InsertCoordinates</source>
        <translation>+ Coordinates</translation>
    </message>
    <message id="InsertLocality">
        <source>InsertLocality</source>
        <translation>+ Place</translation>
    </message>
    <message id="InsertLink">
        <source>InsertLink</source>
        <translation>+ Map link</translation>
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
        <translation>accuracy unknown</translation>
    </message>
    <message id="FixAgeMinutes">
        <source>FixAgeMinutes</source>
        <translation>%1 min ago</translation>
    </message>
    <message id="FixAgeHours">
        <source>FixAgeHours</source>
        <translation>%1 h ago</translation>
    </message>
    <message id="CheckSendTitle">
        <source>CheckSendTitle</source>
        <translation>Send this position?</translation>
    </message>
    <message id="CoarseSendMessage">
        <source>CoarseSendMessage</source>
        <translation>This position is only accurate to %1: it may be a guess from Wi-Fi or the network, not a satellite fix.</translation>
    </message>
    <message id="StaleSendMessage">
        <source>StaleSendMessage</source>
        <translation>This position was fixed %1; you may no longer be there.</translation>
    </message>
    <message id="CheckSendYes">
        <source>CheckSendYes</source>
        <translation>Send anyway</translation>
    </message>
    <message id="StatusWaitingSatellites">
        <source>StatusWaitingSatellites</source>
        <translation>Waiting for a fix: %1 satellites in view, %2 used</translation>
    </message>
</context>
</TS>
