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
        <translation>Ho bisogno di aiuto! La mia posizione è [], vicino a {}.</translation>
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
    <message id="SETTINGS_SECTIONS">
        <source>SETTINGS_SECTIONS</source>
        <translation>Sezioni</translation>
    </message>
    <message id="SETTINGS_LOCATION">
        <source>SETTINGS_LOCATION</source>
        <translation>Posizione</translation>
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
        <translation>Contatti</translation>
    </message>
    <message id="SETTINGS_MAP">
        <source>SETTINGS_MAP</source>
        <translation>Mappa</translation>
    </message>
    <message id="SETTINGS_ERROR">
        <source>SETTINGS_ERROR</source>
        <translation>Problema</translation>
    </message>
    <message id="SETTINGS_STATUS">
        <source>SETTINGS_STATUS</source>
        <translation>Stato</translation>
    </message>
    <message id="SETTINGS_SOURCE">
        <source>SETTINGS_SOURCE</source>
        <translation>Sorgente della posizione</translation>
    </message>
    <message id="SETTINGS_SOURCE_AUTO">
        <source>SETTINGS_SOURCE_AUTO</source>
        <translation>Automatica (la prima sorgente che risponde)</translation>
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
        <translation>Ricevitore NMEA su una porta seriale</translation>
    </message>
    <message id="SETTINGS_SOURCE_NMEA_TCP">
        <source>SETTINGS_SOURCE_NMEA_TCP</source>
        <translation>NMEA via rete</translation>
    </message>
    <message id="SETTINGS_SOURCE_REPLAY">
        <source>SETTINGS_SOURCE_REPLAY</source>
        <translation>Un file NMEA registrato</translation>
    </message>
    <message id="SETTINGS_SOURCE_DEMO">
        <source>SETTINGS_SOURCE_DEMO</source>
        <translation>Passeggiata dimostrativa (non la tua posizione)</translation>
    </message>
    <message id="SETTINGS_HOST">
        <source>SETTINGS_HOST</source>
        <translation>Host</translation>
    </message>
    <message id="SETTINGS_PORT">
        <source>SETTINGS_PORT</source>
        <translation>Porta</translation>
    </message>
    <message id="SETTINGS_PORT_DEFAULT">
        <source>SETTINGS_PORT_DEFAULT</source>
        <translation>Predefinita per la sicurezza scelta</translation>
    </message>
    <message id="SETTINGS_DEVICE">
        <source>SETTINGS_DEVICE</source>
        <translation>Dispositivo</translation>
    </message>
    <message id="SETTINGS_REPLAY_FILE">
        <source>SETTINGS_REPLAY_FILE</source>
        <translation>File NMEA</translation>
    </message>
    <message id="SETTINGS_SOURCE_STATUS">
        <source>SETTINGS_SOURCE_STATUS</source>
        <translation>Cosa fornisce ora la sorgente</translation>
    </message>
    <message id="SETTINGS_STATUS_WAITING">
        <source>SETTINGS_STATUS_WAITING</source>
        <translation>In attesa di una posizione…</translation>
    </message>
    <message id="SETTINGS_STATUS_FIX">
        <source>SETTINGS_STATUS_FIX</source>
        <translation>Posizione %.5f, %.5f</translation>
    </message>
    <message id="SETTINGS_STATUS_FAILED">
        <source>SETTINGS_STATUS_FAILED</source>
        <translation>La sorgente non funziona: %@</translation>
    </message>
    <message id="SETTINGS_SMS_SENDER">
        <source>SETTINGS_SMS_SENDER</source>
        <translation>Invia gli SMS tramite</translation>
    </message>
    <message id="SETTINGS_SMS_NONE">
        <source>SETTINGS_SMS_NONE</source>
        <translation>Niente (non configurato)</translation>
    </message>
    <message id="SETTINGS_SMS_MODEM">
        <source>SETTINGS_SMS_MODEM</source>
        <translation>Un modem (ModemManager)</translation>
    </message>
    <message id="SETTINGS_SMS_KDECONNECT">
        <source>SETTINGS_SMS_KDECONNECT</source>
        <translation>Un telefono associato (KDE Connect)</translation>
    </message>
    <message id="SETTINGS_MODEM">
        <source>SETTINGS_MODEM</source>
        <translation>Modem</translation>
    </message>
    <message id="SETTINGS_ANY_MODEM">
        <source>SETTINGS_ANY_MODEM</source>
        <translation>Il primo modem in grado di inviare messaggi</translation>
    </message>
    <message id="SETTINGS_PHONE">
        <source>SETTINGS_PHONE</source>
        <translation>Telefono</translation>
    </message>
    <message id="SETTINGS_ANY_PHONE">
        <source>SETTINGS_ANY_PHONE</source>
        <translation>Il primo telefono raggiungibile</translation>
    </message>
    <message id="SETTINGS_REFRESH">
        <source>SETTINGS_REFRESH</source>
        <translation>Cerca di nuovo modem e telefoni</translation>
    </message>
    <message id="SETTINGS_TEST_NUMBER">
        <source>SETTINGS_TEST_NUMBER</source>
        <translation>Numero per un messaggio di prova</translation>
    </message>
    <message id="SETTINGS_SEND_TEST">
        <source>SETTINGS_SEND_TEST</source>
        <translation>Invia un messaggio di prova</translation>
    </message>
    <message id="SETTINGS_SENDING_TEST">
        <source>SETTINGS_SENDING_TEST</source>
        <translation>Invio del messaggio di prova…</translation>
    </message>
    <message id="SETTINGS_TEST_TEXT">
        <source>SETTINGS_TEST_TEXT</source>
        <translation>Questo è un messaggio di prova di Quorvel.</translation>
    </message>
    <message id="SETTINGS_TEST_SENT">
        <source>SETTINGS_TEST_SENT</source>
        <translation>Il messaggio di prova è stato inviato.</translation>
    </message>
    <message id="SETTINGS_TEST_FAILED">
        <source>SETTINGS_TEST_FAILED</source>
        <translation>Il messaggio di prova non è stato inviato: %@</translation>
    </message>
    <message id="SETTINGS_TRANSPORT">
        <source>SETTINGS_TRANSPORT</source>
        <translation>Invia le e-mail tramite</translation>
    </message>
    <message id="SETTINGS_MAIL_NONE">
        <source>SETTINGS_MAIL_NONE</source>
        <translation>Niente (non configurato)</translation>
    </message>
    <message id="SETTINGS_MAIL_SMTP">
        <source>SETTINGS_MAIL_SMTP</source>
        <translation>Un server SMTP</translation>
    </message>
    <message id="SETTINGS_MAIL_SENDMAIL">
        <source>SETTINGS_MAIL_SENDMAIL</source>
        <translation>Il sendmail di questo computer</translation>
    </message>
    <message id="SETTINGS_SERVER">
        <source>SETTINGS_SERVER</source>
        <translation>Server SMTP</translation>
    </message>
    <message id="SETTINGS_SECURITY">
        <source>SETTINGS_SECURITY</source>
        <translation>Sicurezza</translation>
    </message>
    <message id="SETTINGS_SECURITY_STARTTLS">
        <source>SETTINGS_SECURITY_STARTTLS</source>
        <translation>STARTTLS (porta 587)</translation>
    </message>
    <message id="SETTINGS_SECURITY_TLS">
        <source>SETTINGS_SECURITY_TLS</source>
        <translation>TLS (porta 465)</translation>
    </message>
    <message id="SETTINGS_SECURITY_NONE">
        <source>SETTINGS_SECURITY_NONE</source>
        <translation>Nessuna (solo un server su questa macchina)</translation>
    </message>
    <message id="SETTINGS_USER">
        <source>SETTINGS_USER</source>
        <translation>Nome utente</translation>
    </message>
    <message id="SETTINGS_PASSWORD">
        <source>SETTINGS_PASSWORD</source>
        <translation>Password</translation>
    </message>
    <message id="SETTINGS_PASSWORD_UNCHANGED">
        <source>SETTINGS_PASSWORD_UNCHANGED</source>
        <translation>Lascia vuoto per mantenere la password attuale</translation>
    </message>
    <message id="SETTINGS_PASSWORD_IN_FILE">
        <source>SETTINGS_PASSWORD_IN_FILE</source>
        <translation>Questa password è in device.ini; salvando viene spostata nel portachiavi.</translation>
    </message>
    <message id="SETTINGS_KEEP_IN_FILE">
        <source>SETTINGS_KEEP_IN_FILE</source>
        <translation>Mantieni invece la password in device.ini</translation>
    </message>
    <message id="SETTINGS_KEYRING_ABSENT">
        <source>SETTINGS_KEYRING_ABSENT</source>
        <translation>nessun portachiavi (Secret Service) risponde</translation>
    </message>
    <message id="SETTINGS_KEYRING_LOCKED">
        <source>SETTINGS_KEYRING_LOCKED</source>
        <translation>il portachiavi è bloccato</translation>
    </message>
    <message id="SETTINGS_KEYRING_FAILED">
        <source>SETTINGS_KEYRING_FAILED</source>
        <translation>Non è stato possibile mettere la password nel portachiavi: %@. Non è stato salvato nulla. Puoi mantenerla invece in device.ini, ma chiunque possa leggere quel file può leggere la password.</translation>
    </message>
    <message id="SETTINGS_FROM">
        <source>SETTINGS_FROM</source>
        <translation>Indirizzo del mittente</translation>
    </message>
    <message id="SETTINGS_NAME">
        <source>SETTINGS_NAME</source>
        <translation>Nome del mittente</translation>
    </message>
    <message id="SETTINGS_SENDMAIL">
        <source>SETTINGS_SENDMAIL</source>
        <translation>Programma sendmail</translation>
    </message>
    <message id="SETTINGS_CHECK_ACCOUNT">
        <source>SETTINGS_CHECK_ACCOUNT</source>
        <translation>Verifica l'account</translation>
    </message>
    <message id="SETTINGS_CHECKING">
        <source>SETTINGS_CHECKING</source>
        <translation>Connessione al server…</translation>
    </message>
    <message id="SETTINGS_CHECK_OK">
        <source>SETTINGS_CHECK_OK</source>
        <translation>Il server ha accettato l'accesso. Ha risposto: %@</translation>
    </message>
    <message id="SETTINGS_CHECK_FAILED">
        <source>SETTINGS_CHECK_FAILED</source>
        <translation>L'account non funziona: %@</translation>
    </message>
    <message id="SETTINGS_USE_FOLDER">
        <source>SETTINGS_USE_FOLDER</source>
        <translation>Leggi una cartella di file vCard</translation>
    </message>
    <message id="SETTINGS_FOLDER">
        <source>SETTINGS_FOLDER</source>
        <translation>Cartella vCard</translation>
    </message>
    <message id="SETTINGS_USE_KPEOPLE">
        <source>SETTINGS_USE_KPEOPLE</source>
        <translation>Rubrica di KPeople (Plasma)</translation>
    </message>
    <message id="SETTINGS_USE_EDS">
        <source>SETTINGS_USE_EDS</source>
        <translation>Evolution Data Server (GNOME, Phosh)</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS">
        <source>SETTINGS_EDS_BOOKS</source>
        <translation>Rubriche da leggere</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS_STATUS">
        <source>SETTINGS_EDS_BOOKS_STATUS</source>
        <translation>Rubriche di Evolution Data Server</translation>
    </message>
    <message id="SETTINGS_EDS_LISTING">
        <source>SETTINGS_EDS_LISTING</source>
        <translation>Ricerca delle rubriche…</translation>
    </message>
    <message id="SETTINGS_EDS_ABSENT">
        <source>SETTINGS_EDS_ABSENT</source>
        <translation>Evolution Data Server non risponde su questo dispositivo, quindi non è possibile elencarne le rubriche. Vengono lette tutte quando è in esecuzione.</translation>
    </message>
    <message id="SETTINGS_EDS_NONE">
        <source>SETTINGS_EDS_NONE</source>
        <translation>Evolution Data Server non ha rubriche attivate.</translation>
    </message>
    <message id="SETTINGS_TILE_SERVER">
        <source>SETTINGS_TILE_SERVER</source>
        <translation>Server delle tessere</translation>
    </message>
    <message id="SETTINGS_TILE_CONTACT">
        <source>SETTINGS_TILE_CONTACT</source>
        <translation>Il tuo contatto per il server delle tessere</translation>
    </message>
    <message id="SETTINGS_MBTILES">
        <source>SETTINGS_MBTILES</source>
        <translation>File MBTiles per la mappa</translation>
    </message>
    <message id="SETTINGS_SATELLITE_MBTILES">
        <source>SETTINGS_SATELLITE_MBTILES</source>
        <translation>File MBTiles per la vista satellitare</translation>
    </message>
    <message id="SETTINGS_ERR_PORT">
        <source>SETTINGS_ERR_PORT</source>
        <translation>Una porta è un numero da 1 a 65535.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST">
        <source>SETTINGS_ERR_HOST</source>
        <translation>Un nome host non può contenere spazi né alcuno di / @ , ; " ' &lt; &gt; \.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST_EMPTY">
        <source>SETTINGS_ERR_HOST_EMPTY</source>
        <translation>Inserisci un nome host o un indirizzo.</translation>
    </message>
    <message id="SETTINGS_ERR_FROM">
        <source>SETTINGS_ERR_FROM</source>
        <translation>Un indirizzo richiede un nome, una "@" e un dominio, senza spazi.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE">
        <source>SETTINGS_ERR_FILE</source>
        <translation>Il file %@ non esiste.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE_EMPTY">
        <source>SETTINGS_ERR_FILE_EMPTY</source>
        <translation>Inserisci il percorso del file.</translation>
    </message>
    <message id="SETTINGS_ERR_FOLDER">
        <source>SETTINGS_ERR_FOLDER</source>
        <translation>La cartella %@ non esiste.</translation>
    </message>
    <message id="SETTINGS_ERR_PROGRAM">
        <source>SETTINGS_ERR_PROGRAM</source>
        <translation>%@ non è un programma di questa macchina.</translation>
    </message>
    <message id="SETTINGS_ERR_NOT_LOOPBACK">
        <source>SETTINGS_ERR_NOT_LOOPBACK</source>
        <translation>Senza cifratura si può usare solo un server su questa macchina.</translation>
    </message>
    <message id="SETTINGS_ERR_URL">
        <source>SETTINGS_ERR_URL</source>
        <translation>L'indirizzo inizia con http:// o https:// e contiene {z}, {x} e {y}.</translation>
    </message>
    <message id="SETTINGS_ERR_CONTACT">
        <source>SETTINGS_ERR_CONTACT</source>
        <translation>Indica un indirizzo e-mail o una pagina web (http:// o https://).</translation>
    </message>
    <message id="SETTINGS_ERR_NUMBER">
        <source>SETTINGS_ERR_NUMBER</source>
        <translation>Un numero di telefono contiene cifre, spazi, parentesi, punti, trattini e un + iniziale.</translation>
    </message>
    <message id="SETTINGS_FIX_FIELDS">
        <source>SETTINGS_FIX_FIELDS</source>
        <translation>Correggi i campi segnati per salvare: %@.</translation>
    </message>
    <message id="SETTINGS_SAVING">
        <source>SETTINGS_SAVING</source>
        <translation>Salvataggio…</translation>
    </message>
    <message id="SETTINGS_WRITE_FAILED">
        <source>SETTINGS_WRITE_FAILED</source>
        <translation>Non è stato possibile scrivere %@; non è stato salvato nulla.</translation>
    </message>
    <message id="SETTINGS_SAVE">
        <source>SETTINGS_SAVE</source>
        <translation>Salva</translation>
    </message>
    <message id="SETTINGS_CANCEL">
        <source>SETTINGS_CANCEL</source>
        <translation>Annulla</translation>
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
</context>
</TS>
