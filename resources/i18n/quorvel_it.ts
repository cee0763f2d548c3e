<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Quorvel</name>
    <message id="QUORVEL_NAVBAR_TITLE">
        <source>QUORVEL_NAVBAR_TITLE</source>
        <translation>Quorvel</translation>
    </message>
    <message id="QUORVEL_TABBAR_TITLE">
        <source>QUORVEL_TABBAR_TITLE</source>
        <translation>Posizione</translation>
    </message>
    <message id="TEMPLATES_TABBAR_TITLE">
        <source>TEMPLATES_TABBAR_TITLE</source>
        <translation>Modelli</translation>
    </message>
    <message id="MAP_TABBAR_TITLE">
        <source>MAP_TABBAR_TITLE</source>
        <translation>Mappa</translation>
    </message>
    <message id="ABOUT_TABBAR_TITLE">
        <source>ABOUT_TABBAR_TITLE</source>
        <translation>Informazioni</translation>
    </message>
    <message id="CURRENTPOSITION">
        <source>CURRENTPOSITION</source>
        <translation>Posizione attuale</translation>
    </message>
    <message id="LATITUDE">
        <source>LATITUDE</source>
        <translation>Latitudine</translation>
    </message>
    <message id="LONGITUDE">
        <source>LONGITUDE</source>
        <translation>Longitudine</translation>
    </message>
    <message id="AMSL">
        <source>AMSL</source>
        <translation>Altitudine</translation>
    </message>
    <message id="LOCATION">
        <source>LOCATION</source>
        <translation>Località</translation>
    </message>
    <message id="SMSLABEL">
        <source>SMSLABEL</source>
        <translation>Destinatario</translation>
    </message>
    <message id="contactPhone">
        <source>contactPhone</source>
        <translation>Numero di telefono</translation>
    </message>
    <message id="contactEmail">
        <source>contactEmail</source>
        <translation>Indirizzo e-mail</translation>
    </message>
    <message id="ChooseGPSFormat">
        <source>ChooseGPSFormat</source>
        <translation>Scegli un formato delle coordinate</translation>
    </message>
    <message id="EmailSubject">
        <source>EmailSubject</source>
        <translation>Dove sono</translation>
    </message>
    <message id="Error">
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Informazione</translation>
    </message>
    <message id="GettingLocationFailed">
        <source>GettingLocationFailed</source>
        <translation>Non è stato possibile determinare la tua posizione.</translation>
    </message>
    <message id="UnknownLocation">
        <source>UnknownLocation</source>
        <translation>La tua posizione non è ancora nota. Scegli di nuovo il formato quando viene mostrata.</translation>
    </message>
    <message id="DeviceNotConfigured">
        <source>DeviceNotConfigured</source>
        <translation>Questo dispositivo non può inviare SMS. Configura un modem o un telefono associato in SMS nelle impostazioni del dispositivo: il pulsante Impostazioni nella schermata Informazioni, oppure Ctrl+,.</translation>
    </message>
    <message id="DeviceNotConfiguredEmail">
        <source>DeviceNotConfiguredEmail</source>
        <translation>Su questo dispositivo non è configurato alcun account e-mail. Configurane uno in E-mail nelle impostazioni del dispositivo: il pulsante Impostazioni nella schermata Informazioni, oppure Ctrl+,.</translation>
    </message>
    <message id="SMSSendingCanceled">
        <source>SMSSendingCanceled</source>
        <translation>L'invio dell'SMS è stato annullato.</translation>
    </message>
    <message id="SMSSendingFailed">
        <source>SMSSendingFailed</source>
        <translation>Non è stato possibile inviare il messaggio.</translation>
    </message>
    <message id="SMSSent">
        <source>SMSSent</source>
        <translation>L'SMS è stato inviato.</translation>
    </message>
    <message id="SMSNotSent">
        <source>SMSNotSent</source>
        <translation>L'SMS non è stato inviato.</translation>
    </message>
    <message id="EmailSendingCanceled">
        <source>EmailSendingCanceled</source>
        <translation>L'invio dell'e-mail è stato annullato.</translation>
    </message>
    <message id="EmailSaved">
        <source>EmailSaved</source>
        <translation>L'e-mail è stata salvata come bozza.</translation>
    </message>
    <message id="EmailSent">
        <source>EmailSent</source>
        <translation>L'e-mail è stata inviata.</translation>
    </message>
    <message id="EmailNotSent">
        <source>EmailNotSent</source>
        <translation>L'e-mail non è stata inviata.</translation>
    </message>
    <message id="MessageDefaultTemplate1">
        <source>MessageDefaultTemplate1</source>
        <translation>Sono a [], vicino a {}.</translation>
    </message>
    <message id="MessageDefaultTemplate2">
        <source>MessageDefaultTemplate2</source>
        <translation>Per favore vieni a prendermi qui: [] ({}).</translation>
    </message>
    <message id="MessageDefaultTemplate3">
        <source>MessageDefaultTemplate3</source>
        <translation>Ho bisogno di aiuto! La mia posizione è [], vicino a {}. Mappa: &lt;&gt;</translation>
    </message>
    <message id="TEMPLATES_NAVBAR_TITLE">
        <source>TEMPLATES_NAVBAR_TITLE</source>
        <translation>Modelli</translation>
    </message>
    <message id="MESSAGE_DETAIL_NAVBAR_TITLE">
        <source>MESSAGE_DETAIL_NAVBAR_TITLE</source>
        <translation>Modello</translation>
    </message>
    <message id="USEBUTTON">
        <source>USEBUTTON</source>
        <translation>Usa</translation>
    </message>
    <message id="SAVEBUTTON">
        <source>SAVEBUTTON</source>
        <translation>Salva</translation>
    </message>
    <message id="HELP1">
        <source>HELP1</source>
        <translation>Le parentesi quadre [] vengono sostituite dalle tue coordinate.</translation>
    </message>
    <message id="HELP2">
        <source>HELP2</source>
        <translation>Le parentesi graffe {} vengono sostituite dal nome del luogo in cui ti trovi.</translation>
    </message>
    <message id="MAP_NAVBAR_TITLE">
        <source>MAP_NAVBAR_TITLE</source>
        <translation>Mappa</translation>
    </message>
    <message id="MAP_TYPE">
        <source>MAP_TYPE</source>
        <translation>Tipo di mappa</translation>
    </message>
    <message id="ABOUT_NAVBAR_TITLE">
        <source>ABOUT_NAVBAR_TITLE</source>
        <translation>Informazioni</translation>
    </message>
    <message id="QUORVEL">
        <source>QUORVEL</source>
        <translation>Quorvel</translation>
    </message>
    <message id="ABOUT_DESCRIPTION">
        <source>ABOUT_DESCRIPTION</source>
        <translation>Quorvel dice a qualcun altro dove sei. Segue la tua posizione, la mostra in tre formati di coordinate con l'altitudine e il luogo più vicino, e la invia per SMS o per e-mail.

Nomi dei luoghi: © GeoNames (geonames.org), con licenza Creative Commons Attribuzione.
Dati della mappa: © collaboratori di OpenStreetMap, disponibili con licenza Open Database License.</translation>
    </message>
    <message id="AUTHOR">
        <source>AUTHOR</source>
        <translation>Dagli sviluppatori di Quorvel</translation>
    </message>
    <message id="VERSION">
        <source>VERSION</source>
        <translation>Versione 0.1.0</translation>
    </message>
    <message id="VERSION_TIMESTAMP">
        <source>VERSION_TIMESTAMP</source>
        <translation>Compilato il 9 dicembre 2026</translation>
    </message>
    <message id="DOWNLOAD_DESCRIPTION">
        <source>DOWNLOAD_DESCRIPTION</source>
        <translation>L'ultima versione e il suo codice sorgente sono su https://quorvel.example.org/</translation>
    </message>
    <message id="COMMANDLINE_DESCRIPTION">
        <source>COMMANDLINE_DESCRIPTION</source>
        <translation>Dice a qualcun altro dove sei, per SMS o per e-mail.</translation>
    </message>
    <message id="COMMANDLINE_DEMO">
        <source>COMMANDLINE_DEMO</source>
        <translation>Usa come posizione la passeggiata dimostrativa inclusa, qualunque cosa dicano le impostazioni del dispositivo.</translation>
    </message>
    <message id="COMMANDLINE_SETTINGS">
        <source>COMMANDLINE_SETTINGS</source>
        <translation>Apri le impostazioni del dispositivo (sorgente della posizione, SMS, account e-mail, rubriche, mappa) sopra la finestra.</translation>
    </message>
    <message id="COMMANDLINE_TRY_HELP">
        <source>COMMANDLINE_TRY_HELP</source>
        <translation>Prova '%1 --help' per le opzioni.</translation>
    </message>
    <message id="COMMANDLINE_UNEXPECTED">
        <source>COMMANDLINE_UNEXPECTED</source>
        <translation>argomento inatteso: %1</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>SETTINGS_TITLE</source>
        <translation>Impostazioni del dispositivo</translation>
    </message>
    <message id="SETTINGS_OPEN">
        <source>SETTINGS_OPEN</source>
        <translation>Impostazioni</translation>
    </message>
    <message id="ACCESSIBLE_SELECT">
        <source>ACCESSIBLE_SELECT</source>
        <translation>Seleziona</translation>
    </message>
    <message id="ACCESSIBLE_OPEN">
        <source>ACCESSIBLE_OPEN</source>
        <translation>Apri</translation>
    </message>
    <message id="ACCESSIBLE_DELETE">
        <source>ACCESSIBLE_DELETE</source>
        <translation>Elimina</translation>
    </message>
    <message id="ACCESSIBLE_EMPTY_ROW">
        <source>ACCESSIBLE_EMPTY_ROW</source>
        <translation>Riga vuota %1</translation>
    </message>
    <message id="MAP_ACCESSIBLE_NAME">
        <source>MAP_ACCESSIBLE_NAME</source>
        <translation>Mappa</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION">
        <source>MAP_ACCESSIBLE_POSITION</source>
        <translation>La tua posizione: %1.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION_NEAR">
        <source>MAP_ACCESSIBLE_POSITION_NEAR</source>
        <translation>La tua posizione: %1, vicino a %2.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_WAITING">
        <source>MAP_ACCESSIBLE_WAITING</source>
        <translation>In attesa della tua posizione.</translation>
    </message>
    <message id="MAP_OFFLINE">
        <source>MAP_OFFLINE</source>
        <translation>Mappa non in linea: nessuna tessera da mostrare</translation>
    </message>
    <message id="MAP_NO_SATELLITE">
        <source>MAP_NO_SATELLITE</source>
        <translation>Nessuna immagine satellitare configurata: mappa non in linea</translation>
    </message>
    <message id="TEMPLATES_LIST_HINT">
        <source>TEMPLATES_LIST_HINT</source>
        <translation>Invio apre il modello selezionato; Canc chiede conferma prima di eliminarlo.</translation>
    </message>
    <message id="TEMPLATES_NEW">
        <source>TEMPLATES_NEW</source>
        <translation>Nuovo modello</translation>
    </message>
    <message id="ACCESSIBLE_CLEAR_TEXT">
        <source>ACCESSIBLE_CLEAR_TEXT</source>
        <translation>Cancella il testo</translation>
    </message>
    <message id="DemoPosition">
        <source>DemoPosition</source>
        <translation>Posizione dimostrativa: una passeggiata registrata a Praga, non dove sei</translation>
    </message>
    <message id="StatusChoosing">
        <source>StatusChoosing</source>
        <translation>Ricerca di una sorgente della posizione…</translation>
    </message>
    <message id="StatusWaiting">
        <source>StatusWaiting</source>
        <translation>In attesa di una posizione (sorgente: %1)…</translation>
    </message>
    <message id="StatusNotAnswering">
        <source>StatusNotAnswering</source>
        <translation>Ancora nessuna risposta dalla sorgente della posizione (%1).</translation>
    </message>
    <message id="StatusDenied">
        <source>StatusDenied</source>
        <translation>Il servizio di localizzazione del sistema ha negato l'accesso alla tua posizione. Consenti Quorvel nelle impostazioni di sistema in Privacy → Servizi di localizzazione.</translation>
    </message>
    <message id="StatusFailed">
        <source>StatusFailed</source>
        <translation>La sorgente della posizione (%1) ha smesso di funzionare.</translation>
    </message>
    <message id="SourceGeoClue">
        <source>SourceGeoClue</source>
        <translation>il servizio di localizzazione del sistema</translation>
    </message>
    <message id="SourceGpsd">
        <source>SourceGpsd</source>
        <translation>gpsd su %1</translation>
    </message>
    <message id="SourceReceiver">
        <source>SourceReceiver</source>
        <translation>ricevitore %1</translation>
    </message>
    <message id="SourceReplay">
        <source>SourceReplay</source>
        <translation>registrazione %1</translation>
    </message>
    <message id="SourceDemo">
        <source>SourceDemo</source>
        <translation>la passeggiata dimostrativa</translation>
    </message>
    <message id="DemoSendTitle">
        <source>DemoSendTitle</source>
        <translation>Inviare una posizione dimostrativa?</translation>
    </message>
    <message id="DemoSendMessage">
        <source>DemoSendMessage</source>
        <translation>La posizione in questo messaggio è quella della passeggiata dimostrativa per Praga, non dove sei.</translation>
    </message>
    <message id="DemoSendNo">
        <source>DemoSendNo</source>
        <translation>Non inviare</translation>
    </message>
    <message id="DemoSendYes">
        <source>DemoSendYes</source>
        <translation>Invia la demo</translation>
    </message>
    <message id="DemoPin">
        <source>DemoPin</source>
        <translation>Posizione dimostrativa: non dove sei</translation>
    </message>
    <message id="InsertCoordinates">
        <source>InsertCoordinates</source>
        <translation>+ Coordinate</translation>
    </message>
    <message id="InsertLocality">
        <source>InsertLocality</source>
        <translation>+ Luogo</translation>
    </message>
    <message id="InsertLink">
        <source>InsertLink</source>
        <translation>+ Link alla mappa</translation>
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
        <translation>precisione sconosciuta</translation>
    </message>
    <message id="FixAgeMinutes">
        <source>FixAgeMinutes</source>
        <translation>%1 min fa</translation>
    </message>
    <message id="FixAgeHours">
        <source>FixAgeHours</source>
        <translation>%1 h fa</translation>
    </message>
    <message id="CheckSendTitle">
        <source>CheckSendTitle</source>
        <translation>Inviare questa posizione?</translation>
    </message>
    <message id="CoarseSendMessage">
        <source>CoarseSendMessage</source>
        <translation>Questa posizione è precisa solo entro %1: può essere una stima dal Wi-Fi o dalla rete, non una posizione da satellite.</translation>
    </message>
    <message id="StaleSendMessage">
        <source>StaleSendMessage</source>
        <translation>Questa posizione è stata determinata %1; forse non sei più lì.</translation>
    </message>
    <message id="CheckSendYes">
        <source>CheckSendYes</source>
        <translation>Invia comunque</translation>
    </message>
    <message id="StatusWaitingSatellites">
        <source>StatusWaitingSatellites</source>
        <translation>In attesa di una posizione: %1 satelliti in vista, %2 usati</translation>
    </message>
</context>
</TS>
