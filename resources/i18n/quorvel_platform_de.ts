<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>ComposerDialog</name>
        <message>
            <source>Message</source>
            <translation>Nachricht</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>Senden</translation>
        </message>
        <message>
            <source>Cancelling…</source>
            <translation>Wird abgebrochen …</translation>
        </message>
    </context>
    <context>
        <name>ContactsSection</name>
        <message>
            <source>Read a folder of vCard files</source>
            <translation>Einen Ordner mit vCard-Dateien lesen</translation>
        </message>
        <message>
            <source>vCard folder</source>
            <translation>vCard-Ordner</translation>
        </message>
        <message>
            <source>KPeople's address book (Plasma)</source>
            <translation>Adressbuch von KPeople (Plasma)</translation>
        </message>
        <message>
            <source>Evolution Data Server (GNOME, Phosh)</source>
            <translation>Evolution Data Server (GNOME, Phosh)</translation>
        </message>
        <message>
            <source>Address books to read</source>
            <translation>Zu lesende Adressbücher</translation>
        </message>
        <message>
            <source>Address books of Evolution Data Server</source>
            <translation>Adressbücher von Evolution Data Server</translation>
        </message>
        <message>
            <source>There is no folder %@.</source>
            <translation>Es gibt keinen Ordner %@.</translation>
        </message>
        <message>
            <source>Looking for the address books…</source>
            <translation>Adressbücher werden gesucht …</translation>
        </message>
        <message>
            <source>Evolution Data Server does not answer on this device, so its address books cannot be listed. All of them are read when it runs.</source>
            <translation>Evolution Data Server antwortet auf diesem Gerät nicht, daher können seine Adressbücher nicht aufgelistet werden. Sobald er läuft, werden alle gelesen.</translation>
        </message>
        <message>
            <source>Evolution Data Server has no enabled address books.</source>
            <translation>Evolution Data Server hat keine aktivierten Adressbücher.</translation>
        </message>
        <message>
            <source>Contacts</source>
            <translation>Kontakte</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>Device settings</source>
            <translation>Geräteeinstellungen</translation>
        </message>
        <message>
            <source>Sections</source>
            <translation>Bereiche</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Correct the marked fields to save: %@.</source>
            <translation>Korrigiere zum Speichern die markierten Felder: %@.</translation>
        </message>
        <message>
            <source>%@ could not be written; nothing was saved.</source>
            <translation>%@ konnte nicht geschrieben werden; es wurde nichts gespeichert.</translation>
        </message>
    </context>
    <context>
        <name>KdeConnectSender</name>
        <message>
            <source>The phone did not answer in time.</source>
            <translation>Das Telefon hat nicht rechtzeitig geantwortet.</translation>
        </message>
        <message>
            <source>No paired phone is reachable.</source>
            <translation>Kein gekoppeltes Telefon ist erreichbar.</translation>
        </message>
        <message>
            <source>The phone could not send the message.</source>
            <translation>Das Telefon konnte die Nachricht nicht senden.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Abgebrochen.</translation>
        </message>
    </context>
    <context>
        <name>MailComposeViewController</name>
        <message>
            <source>New E-mail</source>
            <translation>Neue E-Mail</translation>
        </message>
        <message>
            <source>To</source>
            <translation>An</translation>
        </message>
        <message>
            <source>Addresses, separated by commas</source>
            <translation>Adressen, durch Kommas getrennt</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>An:</translation>
        </message>
        <message>
            <source>Subject</source>
            <translation>Betreff</translation>
        </message>
        <message>
            <source>Subject:</source>
            <translation>Betreff:</translation>
        </message>
        <message>
            <source>From:</source>
            <translation>Von:</translation>
        </message>
        <message>
            <source>Sending</source>
            <translation>Senden</translation>
        </message>
        <message>
            <source>No mail account is set up.</source>
            <translation>Es ist kein E-Mail-Konto eingerichtet.</translation>
        </message>
        <message>
            <source>Sending to %1…</source>
            <translation>Wird an %1 gesendet …</translation>
        </message>
        <message>
            <source>Sent.</source>
            <translation>Gesendet.</translation>
        </message>
        <message>
            <source>The draft could not be saved in %1: %2</source>
            <translation>Der Entwurf konnte nicht in %1 gespeichert werden: %2</translation>
        </message>
    </context>
    <context>
        <name>MailSection</name>
    <message>
        <source>The keyring holds the password of this account.</source>
        <translation>Der Schlüsselbund enthält das Passwort dieses Kontos.</translation>
    </message>
        <message>
            <source>Send e-mail through</source>
            <translation>E-Mail senden über</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Nichts (nicht eingerichtet)</translation>
        </message>
        <message>
            <source>An SMTP server</source>
            <translation>Einen SMTP-Server</translation>
        </message>
        <message>
            <source>This computer's sendmail</source>
            <translation>sendmail dieses Computers</translation>
        </message>
        <message>
            <source>SMTP server</source>
            <translation>SMTP-Server</translation>
        </message>
        <message>
            <source>Security</source>
            <translation>Verschlüsselung</translation>
        </message>
        <message>
            <source>STARTTLS (port 587)</source>
            <translation>STARTTLS (Port 587)</translation>
        </message>
        <message>
            <source>TLS (port 465)</source>
            <translation>TLS (Port 465)</translation>
        </message>
        <message>
            <source>None (a server on this machine only)</source>
            <translation>Keine (nur für einen Server auf diesem Rechner)</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Default for the security</source>
            <translation>Standard für die Verschlüsselung</translation>
        </message>
        <message>
            <source>User name</source>
            <translation>Benutzername</translation>
        </message>
        <message>
            <source>Password</source>
            <translation>Passwort</translation>
        </message>
        <message>
            <source>Keep the password in device.ini instead</source>
            <translation>Passwort stattdessen in device.ini behalten</translation>
        </message>
        <message>
            <source>Sender address</source>
            <translation>Absenderadresse</translation>
        </message>
        <message>
            <source>Sender name</source>
            <translation>Absendername</translation>
        </message>
        <message>
            <source>sendmail program</source>
            <translation>sendmail-Programm</translation>
        </message>
        <message>
            <source>Check the account</source>
            <translation>Konto prüfen</translation>
        </message>
        <message>
            <source>This password is in device.ini; saving moves it to the keyring.</source>
            <translation>Dieses Passwort steht in device.ini; beim Speichern wandert es in den Schlüsselbund.</translation>
        </message>
        <message>
            <source>Leave empty to keep the password you have</source>
            <translation>Leer lassen, um das bisherige Passwort zu behalten</translation>
        </message>
        <message>
            <source>Without encryption only a server on this machine can be used.</source>
            <translation>Ohne Verschlüsselung kann nur ein Server auf diesem Rechner verwendet werden.</translation>
        </message>
        <message>
            <source>%@ is not a program on this machine.</source>
            <translation>%@ ist kein Programm auf diesem Rechner.</translation>
        </message>
        <message>
            <source>Connecting to the server…</source>
            <translation>Verbindung zum Server wird hergestellt …</translation>
        </message>
        <message>
            <source>The server accepted the login. It answered: %@</source>
            <translation>Der Server hat die Anmeldung angenommen. Seine Antwort: %@</translation>
        </message>
        <message>
            <source>The account does not work: %@</source>
            <translation>Das Konto funktioniert nicht: %@</translation>
        </message>
        <message>
            <source>Saving…</source>
            <translation>Wird gespeichert …</translation>
        </message>
        <message>
            <source>no keyring (Secret Service) answers</source>
            <translation>kein Schlüsselbund (Secret Service) antwortet</translation>
        </message>
        <message>
            <source>the keyring is locked</source>
            <translation>der Schlüsselbund ist gesperrt</translation>
        </message>
        <message>
            <source>The password could not be put in the keyring: %@. Nothing was saved. You can keep it in device.ini instead, but anyone who can read that file can read the password.</source>
            <translation>Das Passwort konnte nicht im Schlüsselbund abgelegt werden: %@. Es wurde nichts gespeichert. Du kannst es stattdessen in device.ini behalten, aber dann kann jeder, der diese Datei lesen kann, auch das Passwort lesen.</translation>
        </message>
        <message>
            <source>E-mail</source>
            <translation>E-Mail</translation>
        </message>
    </context>
    <context>
        <name>MapSection</name>
    <message>
        <source>Plus code</source>
        <translation>Plus-Code</translation>
    </message>
    <message>
        <source>geo: link (opens a map app)</source>
        <translation>geo:-Link (öffnet eine Karten-App)</translation>
    </message>
    <message>
        <source>OpenStreetMap link</source>
        <translation>OpenStreetMap-Link</translation>
    </message>
    <message>
        <source>Link in messages</source>
        <translation>Link in Nachrichten</translation>
    </message>
        <message>
            <source>Tile server</source>
            <translation>Kachelserver</translation>
        </message>
        <message>
            <source>Your contact for the tile server</source>
            <translation>Deine Kontaktangabe für den Kachelserver</translation>
        </message>
        <message>
            <source>MBTiles file for the map</source>
            <translation>MBTiles-Datei für die Karte</translation>
        </message>
        <message>
            <source>MBTiles file for the satellite view</source>
            <translation>MBTiles-Datei für die Satellitenansicht</translation>
        </message>
        <message>
            <source>The address starts with http:// or https:// and holds {z}, {x} and {y}.</source>
            <translation>Die Adresse beginnt mit http:// oder https:// und enthält {z}, {x} und {y}.</translation>
        </message>
        <message>
            <source>Give an e-mail address or a web page (http:// or https://).</source>
            <translation>Gib eine E-Mail-Adresse oder eine Webseite an (http:// oder https://).</translation>
        </message>
        <message>
            <source>Map</source>
            <translation>Karte</translation>
        </message>
    </context>
    <context>
        <name>MapView</name>
        <message>
            <source>Zoom in</source>
            <translation>Vergrößern</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Verkleinern</translation>
        </message>
    </context>
    <context>
        <name>MessageComposeViewController</name>
    <message>
        <source>%1 cannot be sent to: %2</source>
        <translation>An %1 kann nicht gesendet werden: %2</translation>
    </message>
    <message>
        <source>The recipients were longer than %1 characters and were cut.</source>
        <translation>Die Empfänger waren länger als %1 Zeichen und wurden gekürzt.</translation>
    </message>
        <message>
            <source>New Message</source>
            <translation>Neue Nachricht</translation>
        </message>
        <message>
            <source>To</source>
            <translation>An</translation>
        </message>
        <message>
            <source>Phone numbers, separated by commas</source>
            <translation>Telefonnummern, durch Kommas getrennt</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>An:</translation>
        </message>
        <message>
            <source>No SMS sender is available.</source>
            <translation>Es ist kein SMS-Versand verfügbar.</translation>
        </message>
        <message>
            <source>Sending to %1…</source>
            <translation>Wird an %1 gesendet …</translation>
        </message>
    </context>
    <context>
        <name>MessagesSection</name>
        <message>
            <source>Send text messages through</source>
            <translation>SMS senden über</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Nichts (nicht eingerichtet)</translation>
        </message>
        <message>
            <source>A modem (ModemManager)</source>
            <translation>Ein Modem (ModemManager)</translation>
        </message>
        <message>
            <source>A paired phone (KDE Connect)</source>
            <translation>Ein gekoppeltes Telefon (KDE Connect)</translation>
        </message>
        <message>
            <source>Modem</source>
            <translation>Modem</translation>
        </message>
        <message>
            <source>The first modem that can send messages</source>
            <translation>Das erste Modem, das Nachrichten senden kann</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Telefon</translation>
        </message>
        <message>
            <source>The first reachable phone</source>
            <translation>Das erste erreichbare Telefon</translation>
        </message>
        <message>
            <source>Look for modems and phones again</source>
            <translation>Erneut nach Modems und Telefonen suchen</translation>
        </message>
        <message>
            <source>Number for a test message</source>
            <translation>Nummer für eine Testnachricht</translation>
        </message>
        <message>
            <source>Send a test message</source>
            <translation>Testnachricht senden</translation>
        </message>
        <message>
            <source>A phone number holds digits, spaces, brackets, dots, dashes and a leading +.</source>
            <translation>Eine Telefonnummer enthält Ziffern, Leerzeichen, Klammern, Punkte, Bindestriche und ein führendes +.</translation>
        </message>
        <message>
            <source>Sending the test message…</source>
            <translation>Testnachricht wird gesendet …</translation>
        </message>
        <message>
            <source>This is a test message from Quorvel.</source>
            <translation>Dies ist eine Testnachricht von Quorvel.</translation>
        </message>
        <message>
            <source>The test message was sent.</source>
            <translation>Die Testnachricht wurde gesendet.</translation>
        </message>
        <message>
            <source>The test message was not sent: %@</source>
            <translation>Die Testnachricht wurde nicht gesendet: %@</translation>
        </message>
        <message>
            <source>Text messages</source>
            <translation>SMS</translation>
        </message>
    </context>
    <context>
        <name>ModemManagerSender</name>
    <message>
        <source>its state came as &quot;%1&quot;</source>
        <translation>sein Zustand kam als „%1“</translation>
    </message>
    <message>
        <source>an answer of the unexpected form &quot;%1&quot;</source>
        <translation>eine Antwort in unerwarteter Form „%1“</translation>
    </message>
    <message>
        <source>ModemManager listed the modems in an unexpected form (%1).</source>
        <translation>ModemManager hat die Modems in unerwarteter Form aufgelistet (%1).</translation>
    </message>
    <message>
        <source>ModemManager did not list the modems: %1</source>
        <translation>ModemManager hat die Modems nicht aufgelistet: %1</translation>
    </message>
        <message>
            <source>The modem did not confirm the message in time.</source>
            <translation>Das Modem hat die Nachricht nicht rechtzeitig bestätigt.</translation>
        </message>
        <message>
            <source>No modem that can send messages was found.</source>
            <translation>Es wurde kein Modem gefunden, das Nachrichten senden kann.</translation>
        </message>
        <message>
            <source>The modem refused the message: %1</source>
            <translation>Das Modem hat die Nachricht abgelehnt: %1</translation>
        </message>
        <message>
            <source>The modem could not send the message: %1</source>
            <translation>Das Modem konnte die Nachricht nicht senden: %1</translation>
        </message>
        <message>
            <source>The modem lost the message: %1</source>
            <translation>Das Modem hat die Nachricht verloren: %1</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Abgebrochen.</translation>
        </message>
    </context>
    <context>
        <name>NavigationBar</name>
        <message>
            <source>Back</source>
            <translation>Zurück</translation>
        </message>
    </context>
    <context>
        <name>PeoplePickerNavigationController</name>
        <message>
            <source>Contacts</source>
            <translation>Kontakte</translation>
        </message>
        <message>
            <source>Search contacts</source>
            <translation>Kontakte durchsuchen</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Suchen</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Personen</translation>
        </message>
        <message>
            <source>Reading the address books…</source>
            <translation>Adressbücher werden gelesen …</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>No contacts.
vCard files in %1 appear here.</source>
            <translation>Keine Kontakte.
vCard-Dateien in %1 erscheinen hier.</translation>
        </message>
        <message>
            <source>Nobody matches "%1".</source>
            <translation>Niemand passt zu „%1“.</translation>
        </message>
    </context>
    <context>
        <name>PositionSection</name>
        <message>
            <source>Position source</source>
            <translation>Positionsquelle</translation>
        </message>
        <message>
            <source>Automatic (the first source that answers)</source>
            <translation>Automatisch (die erste Quelle, die antwortet)</translation>
        </message>
        <message>
            <source>GeoClue</source>
            <translation>GeoClue</translation>
        </message>
        <message>
            <source>gpsd</source>
            <translation>gpsd</translation>
        </message>
        <message>
            <source>NMEA receiver on a serial port</source>
            <translation>NMEA-Empfänger an einer seriellen Schnittstelle</translation>
        </message>
        <message>
            <source>NMEA over the network</source>
            <translation>NMEA über das Netzwerk</translation>
        </message>
        <message>
            <source>A recorded NMEA file</source>
            <translation>Eine aufgezeichnete NMEA-Datei</translation>
        </message>
        <message>
            <source>Demo walk (not your position)</source>
            <translation>Demo-Spaziergang (nicht deine Position)</translation>
        </message>
        <message>
            <source>Host</source>
            <translation>Host</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Gerät</translation>
        </message>
        <message>
            <source>NMEA file</source>
            <translation>NMEA-Datei</translation>
        </message>
        <message>
            <source>What the source gives now</source>
            <translation>Was die Quelle gerade liefert</translation>
        </message>
        <message>
            <source>Waiting for a position…</source>
            <translation>Warte auf eine Position …</translation>
        </message>
        <message>
            <source>Position %.5f, %.5f</source>
            <translation>Position %.5f, %.5f</translation>
        </message>
        <message>
            <source>The source failed: %@</source>
            <translation>Die Quelle ist ausgefallen: %@</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Standort</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
    <message>
        <source>The phone number is %1 characters long; at most %2 can be used.</source>
        <translation>Die Telefonnummer ist %1 Zeichen lang; höchstens %2 können verwendet werden.</translation>
    </message>
    <message>
        <source>The phone number has %1 digits; a phone number has at most %2.</source>
        <translation>Die Telefonnummer hat %1 Ziffern; eine Telefonnummer hat höchstens %2.</translation>
    </message>
    <message>
        <source>The phone number has no digits.</source>
        <translation>Die Telefonnummer hat keine Ziffern.</translation>
    </message>
    <message>
        <source>The phone number holds %1, which a phone number cannot hold.</source>
        <translation>Die Telefonnummer enthält %1, was eine Telefonnummer nicht enthalten kann.</translation>
    </message>
    <message>
        <source>The phone number is empty.</source>
        <translation>Die Telefonnummer ist leer.</translation>
    </message>
        <message>
            <source>No name</source>
            <translation>Ohne Namen</translation>
        </message>
        <message>
            <source>Contacts folder</source>
            <translation>Kontaktordner</translation>
        </message>
        <message>
            <source>The keyring is locked.</source>
            <translation>Der Schlüsselbund ist gesperrt.</translation>
        </message>
        <message>
            <source>The recipient "%1" contains a line break or NUL character, which is not allowed in a mail header.</source>
            <translation>Der Empfänger „%1“ enthält einen Zeilenumbruch oder ein NUL-Zeichen, was in einer Kopfzeile einer E-Mail nicht erlaubt ist.</translation>
        </message>
        <message>
            <source>The subject contains a line break or NUL character, which is not allowed in a mail header.</source>
            <translation>Der Betreff enthält einen Zeilenumbruch oder ein NUL-Zeichen, was in einer Kopfzeile einer E-Mail nicht erlaubt ist.</translation>
        </message>
        <message>
            <source>The sender address contains a line break or NUL character.</source>
            <translation>Die Absenderadresse enthält einen Zeilenumbruch oder ein NUL-Zeichen.</translation>
        </message>
        <message>
            <source>The message has no recipient.</source>
            <translation>Die Nachricht hat keinen Empfänger.</translation>
        </message>
        <message>
            <source>A recipient is empty.</source>
            <translation>Ein Empfänger ist leer.</translation>
        </message>
        <message>
            <source>The recipient "%1" is not an e-mail address (name@example.org, or Name &lt;name@example.org&gt;).</source>
            <translation>Der Empfänger „%1“ ist keine E-Mail-Adresse (name@example.org oder Name &lt;name@example.org&gt;).</translation>
        </message>
        <message>
            <source>The sender "%1" is not an e-mail address.</source>
            <translation>Der Absender „%1“ ist keine E-Mail-Adresse.</translation>
        </message>
        <message>
            <source>The sender's name contains control characters.</source>
            <translation>Der Name des Absenders enthält Steuerzeichen.</translation>
        </message>
        <message>
            <source>No SMTP server is set up.</source>
            <translation>Es ist kein SMTP-Server eingerichtet.</translation>
        </message>
        <message>
            <source>No sender address is set up.</source>
            <translation>Es ist keine Absenderadresse eingerichtet.</translation>
        </message>
        <message>
            <source>Unknown security "%1" (starttls, tls or none).</source>
            <translation>Unbekannte Verschlüsselung „%1“ (starttls, tls oder none).</translation>
        </message>
        <message>
            <source>The SMTP server %1 is not on this machine, so the connection must be encrypted (starttls or tls).</source>
            <translation>Der SMTP-Server %1 läuft nicht auf diesem Rechner, daher muss die Verbindung verschlüsselt sein (starttls oder tls).</translation>
        </message>
        <message>
            <source>The mail library could not be started.</source>
            <translation>Die Mail-Bibliothek konnte nicht gestartet werden.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Abgebrochen.</translation>
        </message>
        <message>
            <source>The mail server did not answer in time (%1).</source>
            <translation>Der Mailserver hat nicht rechtzeitig geantwortet (%1).</translation>
        </message>
        <message>
            <source>The mail server could not be reached (%1).</source>
            <translation>Der Mailserver ist nicht erreichbar (%1).</translation>
        </message>
        <message>
            <source>The mail server refused the user name or password.</source>
            <translation>Der Mailserver hat Benutzername oder Passwort abgelehnt.</translation>
        </message>
        <message>
            <source>The mail server refused the message (%1: %2).</source>
            <translation>Der Mailserver hat die Nachricht abgelehnt (%1: %2).</translation>
        </message>
        <message>
            <source>The e-mail could not be sent (%1).</source>
            <translation>Die E-Mail konnte nicht gesendet werden (%1).</translation>
        </message>
    </context>
    <context>
        <name>SendingProcess</name>
        <message>
            <source>%1 could not be started.</source>
            <translation>%1 konnte nicht gestartet werden.</translation>
        </message>
    </context>
    <context>
        <name>SendmailSender</name>
        <message>
            <source>sendmail did not finish in time.</source>
            <translation>sendmail ist nicht rechtzeitig fertig geworden.</translation>
        </message>
        <message>
            <source>sendmail failed (exit code %1).</source>
            <translation>sendmail ist fehlgeschlagen (Exit-Code %1).</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Abgebrochen.</translation>
        </message>
    </context>
    <context>
        <name>SettingsSection</name>
        <message>
            <source>Enter a host name or address.</source>
            <translation>Gib einen Hostnamen oder eine Adresse ein.</translation>
        </message>
        <message>
            <source>A host name cannot hold spaces or any of / @ , ; " ' &lt; &gt; \.</source>
            <translation>Ein Hostname darf keine Leerzeichen und keines der Zeichen / @ , ; " ' &lt; &gt; \ enthalten.</translation>
        </message>
        <message>
            <source>A port is a number from 1 to 65535.</source>
            <translation>Ein Port ist eine Zahl von 1 bis 65535.</translation>
        </message>
        <message>
            <source>Enter the file's path.</source>
            <translation>Gib den Pfad der Datei ein.</translation>
        </message>
        <message>
            <source>There is no file %@.</source>
            <translation>Es gibt keine Datei %@.</translation>
        </message>
        <message>
            <source>An address needs a name, an "@" and a domain, without spaces.</source>
            <translation>Eine Adresse braucht einen Namen, ein "@" und eine Domain, ohne Leerzeichen.</translation>
        </message>
        <message>
            <source>Problem</source>
            <translation>Problem</translation>
        </message>
    </context>
    <context>
        <name>SmtpSender</name>
        <message>
            <source>Cancelled.</source>
            <translation>Abgebrochen.</translation>
        </message>
        <message>
            <source>No password for %1 is kept in the keyring. Enter it in the device settings.</source>
            <translation>Im Schlüsselbund ist kein Passwort für %1 hinterlegt. Gib es in den Geräteeinstellungen ein.</translation>
        </message>
        <message>
            <source>The password could not be read from the keyring (%1).</source>
            <translation>Das Passwort konnte nicht aus dem Schlüsselbund gelesen werden (%1).</translation>
        </message>
    </context>
    <context>
        <name>TableView</name>
        <message>
            <source>row %1 of %2, selected</source>
            <translation>Zeile %1 von %2, ausgewählt</translation>
        </message>
        <message>
            <source>row %1 of %2</source>
            <translation>Zeile %1 von %2</translation>
        </message>
    </context>
    <context>
        <name>TableViewCell</name>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
    </context>
<context>
    <name>ReportScreen</name>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
</context>
</TS>
