<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>ComposerDialog</name>
        <message>
            <source>Message</source>
            <translation>Messaggio</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>Invia</translation>
        </message>
        <message>
            <source>Cancelling…</source>
            <translation>Annullamento…</translation>
        </message>
    </context>
    <context>
        <name>ContactsSection</name>
        <message>
            <source>Read a folder of vCard files</source>
            <translation>Leggi una cartella di file vCard</translation>
        </message>
        <message>
            <source>vCard folder</source>
            <translation>Cartella vCard</translation>
        </message>
        <message>
            <source>KPeople's address book (Plasma)</source>
            <translation>Rubrica di KPeople (Plasma)</translation>
        </message>
        <message>
            <source>Evolution Data Server (GNOME, Phosh)</source>
            <translation>Evolution Data Server (GNOME, Phosh)</translation>
        </message>
        <message>
            <source>Address books to read</source>
            <translation>Rubriche da leggere</translation>
        </message>
        <message>
            <source>Address books of Evolution Data Server</source>
            <translation>Rubriche di Evolution Data Server</translation>
        </message>
        <message>
            <source>There is no folder %@.</source>
            <translation>La cartella %@ non esiste.</translation>
        </message>
        <message>
            <source>Looking for the address books…</source>
            <translation>Ricerca delle rubriche…</translation>
        </message>
        <message>
            <source>Evolution Data Server does not answer on this device, so its address books cannot be listed. All of them are read when it runs.</source>
            <translation>Evolution Data Server non risponde su questo dispositivo, quindi non è possibile elencarne le rubriche. Vengono lette tutte quando è in esecuzione.</translation>
        </message>
        <message>
            <source>Evolution Data Server has no enabled address books.</source>
            <translation>Evolution Data Server non ha rubriche attivate.</translation>
        </message>
        <message>
            <source>Contacts</source>
            <translation>Contatti</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>Device settings</source>
            <translation>Impostazioni del dispositivo</translation>
        </message>
        <message>
            <source>Sections</source>
            <translation>Sezioni</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Correct the marked fields to save: %@.</source>
            <translation>Correggi i campi segnati per salvare: %@.</translation>
        </message>
        <message>
            <source>%@ could not be written; nothing was saved.</source>
            <translation>Non è stato possibile scrivere %@; non è stato salvato nulla.</translation>
        </message>
    </context>
    <context>
        <name>KdeConnectSender</name>
        <message>
            <source>The phone did not answer in time.</source>
            <translation>Il telefono non ha risposto in tempo.</translation>
        </message>
        <message>
            <source>No paired phone is reachable.</source>
            <translation>Nessun telefono associato è raggiungibile.</translation>
        </message>
        <message>
            <source>The phone could not send the message.</source>
            <translation>Il telefono non è riuscito a inviare il messaggio.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Annullato.</translation>
        </message>
    </context>
    <context>
        <name>MailComposeViewController</name>
        <message>
            <source>New E-mail</source>
            <translation>Nuova e-mail</translation>
        </message>
        <message>
            <source>To</source>
            <translation>A</translation>
        </message>
        <message>
            <source>Addresses, separated by commas</source>
            <translation>Indirizzi, separati da virgole</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>A:</translation>
        </message>
        <message>
            <source>Subject</source>
            <translation>Oggetto</translation>
        </message>
        <message>
            <source>Subject:</source>
            <translation>Oggetto:</translation>
        </message>
        <message>
            <source>From:</source>
            <translation>Da:</translation>
        </message>
        <message>
            <source>Sending</source>
            <translation>Invio</translation>
        </message>
        <message>
            <source>No mail account is set up.</source>
            <translation>Nessun account e-mail è configurato.</translation>
        </message>
        <message>
            <source>Sending to %1…</source>
            <translation>Invio a %1…</translation>
        </message>
        <message>
            <source>Sent.</source>
            <translation>Inviata.</translation>
        </message>
        <message>
            <source>The draft could not be saved in %1: %2</source>
            <translation>Non è stato possibile salvare la bozza in %1: %2</translation>
        </message>
    </context>
    <context>
        <name>MailSection</name>
    <message>
        <source>The keyring holds the password of this account.</source>
        <translation>Il portachiavi contiene la password di questo account.</translation>
    </message>
        <message>
            <source>Send e-mail through</source>
            <translation>Invia le e-mail tramite</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Niente (non configurato)</translation>
        </message>
        <message>
            <source>An SMTP server</source>
            <translation>Un server SMTP</translation>
        </message>
        <message>
            <source>This computer's sendmail</source>
            <translation>Il sendmail di questo computer</translation>
        </message>
        <message>
            <source>SMTP server</source>
            <translation>Server SMTP</translation>
        </message>
        <message>
            <source>Security</source>
            <translation>Sicurezza</translation>
        </message>
        <message>
            <source>STARTTLS (port 587)</source>
            <translation>STARTTLS (porta 587)</translation>
        </message>
        <message>
            <source>TLS (port 465)</source>
            <translation>TLS (porta 465)</translation>
        </message>
        <message>
            <source>None (a server on this machine only)</source>
            <translation>Nessuna (solo un server su questa macchina)</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Porta</translation>
        </message>
        <message>
            <source>Default for the security</source>
            <translation>Predefinita per la sicurezza scelta</translation>
        </message>
        <message>
            <source>User name</source>
            <translation>Nome utente</translation>
        </message>
        <message>
            <source>Password</source>
            <translation>Password</translation>
        </message>
        <message>
            <source>Keep the password in device.ini instead</source>
            <translation>Mantieni invece la password in device.ini</translation>
        </message>
        <message>
            <source>Sender address</source>
            <translation>Indirizzo del mittente</translation>
        </message>
        <message>
            <source>Sender name</source>
            <translation>Nome del mittente</translation>
        </message>
        <message>
            <source>sendmail program</source>
            <translation>Programma sendmail</translation>
        </message>
        <message>
            <source>Check the account</source>
            <translation>Verifica l'account</translation>
        </message>
        <message>
            <source>This password is in device.ini; saving moves it to the keyring.</source>
            <translation>Questa password è in device.ini; salvando viene spostata nel portachiavi.</translation>
        </message>
        <message>
            <source>Leave empty to keep the password you have</source>
            <translation>Lascia vuoto per mantenere la password attuale</translation>
        </message>
        <message>
            <source>Without encryption only a server on this machine can be used.</source>
            <translation>Senza cifratura si può usare solo un server su questa macchina.</translation>
        </message>
        <message>
            <source>%@ is not a program on this machine.</source>
            <translation>%@ non è un programma di questa macchina.</translation>
        </message>
        <message>
            <source>Connecting to the server…</source>
            <translation>Connessione al server…</translation>
        </message>
        <message>
            <source>The server accepted the login. It answered: %@</source>
            <translation>Il server ha accettato l'accesso. Ha risposto: %@</translation>
        </message>
        <message>
            <source>The account does not work: %@</source>
            <translation>L'account non funziona: %@</translation>
        </message>
        <message>
            <source>Saving…</source>
            <translation>Salvataggio…</translation>
        </message>
        <message>
            <source>no keyring (Secret Service) answers</source>
            <translation>nessun portachiavi (Secret Service) risponde</translation>
        </message>
        <message>
            <source>the keyring is locked</source>
            <translation>il portachiavi è bloccato</translation>
        </message>
        <message>
            <source>The password could not be put in the keyring: %@. Nothing was saved. You can keep it in device.ini instead, but anyone who can read that file can read the password.</source>
            <translation>Non è stato possibile mettere la password nel portachiavi: %@. Non è stato salvato nulla. Puoi mantenerla invece in device.ini, ma chiunque possa leggere quel file può leggere la password.</translation>
        </message>
        <message>
            <source>E-mail</source>
            <translation>E-mail</translation>
        </message>
    </context>
    <context>
        <name>MapSection</name>
    <message>
        <source>Plus code</source>
        <translation>Codice plus</translation>
    </message>
    <message>
        <source>geo: link (opens a map app)</source>
        <translation>Link geo: (apre un'app di mappe)</translation>
    </message>
    <message>
        <source>OpenStreetMap link</source>
        <translation>Link OpenStreetMap</translation>
    </message>
    <message>
        <source>Link in messages</source>
        <translation>Link nei messaggi</translation>
    </message>
        <message>
            <source>Tile server</source>
            <translation>Server delle tessere</translation>
        </message>
        <message>
            <source>Your contact for the tile server</source>
            <translation>Il tuo contatto per il server delle tessere</translation>
        </message>
        <message>
            <source>MBTiles file for the map</source>
            <translation>File MBTiles per la mappa</translation>
        </message>
        <message>
            <source>MBTiles file for the satellite view</source>
            <translation>File MBTiles per la vista satellitare</translation>
        </message>
        <message>
            <source>The address starts with http:// or https:// and holds {z}, {x} and {y}.</source>
            <translation>L'indirizzo inizia con http:// o https:// e contiene {z}, {x} e {y}.</translation>
        </message>
        <message>
            <source>Give an e-mail address or a web page (http:// or https://).</source>
            <translation>Indica un indirizzo e-mail o una pagina web (http:// o https://).</translation>
        </message>
        <message>
            <source>Map</source>
            <translation>Mappa</translation>
        </message>
    </context>
    <context>
        <name>MapView</name>
        <message>
            <source>Zoom in</source>
            <translation>Ingrandisci</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Riduci</translation>
        </message>
    </context>
    <context>
        <name>MessageComposeViewController</name>
    <message>
        <source>%1 cannot be sent to: %2</source>
        <translation>Impossibile inviare a %1: %2</translation>
    </message>
    <message>
        <source>The recipients were longer than %1 characters and were cut.</source>
        <translation>I destinatari superavano i %1 caratteri e sono stati tagliati.</translation>
    </message>
        <message>
            <source>New Message</source>
            <translation>Nuovo messaggio</translation>
        </message>
        <message>
            <source>To</source>
            <translation>A</translation>
        </message>
        <message>
            <source>Phone numbers, separated by commas</source>
            <translation>Numeri di telefono, separati da virgole</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>A:</translation>
        </message>
        <message>
            <source>No SMS sender is available.</source>
            <translation>Nessun mezzo per inviare SMS è disponibile.</translation>
        </message>
        <message>
            <source>Sending to %1…</source>
            <translation>Invio a %1…</translation>
        </message>
    </context>
    <context>
        <name>MessagesSection</name>
        <message>
            <source>Send text messages through</source>
            <translation>Invia gli SMS tramite</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Niente (non configurato)</translation>
        </message>
        <message>
            <source>A modem (ModemManager)</source>
            <translation>Un modem (ModemManager)</translation>
        </message>
        <message>
            <source>A paired phone (KDE Connect)</source>
            <translation>Un telefono associato (KDE Connect)</translation>
        </message>
        <message>
            <source>Modem</source>
            <translation>Modem</translation>
        </message>
        <message>
            <source>The first modem that can send messages</source>
            <translation>Il primo modem in grado di inviare messaggi</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Telefono</translation>
        </message>
        <message>
            <source>The first reachable phone</source>
            <translation>Il primo telefono raggiungibile</translation>
        </message>
        <message>
            <source>Look for modems and phones again</source>
            <translation>Cerca di nuovo modem e telefoni</translation>
        </message>
        <message>
            <source>Number for a test message</source>
            <translation>Numero per un messaggio di prova</translation>
        </message>
        <message>
            <source>Send a test message</source>
            <translation>Invia un messaggio di prova</translation>
        </message>
        <message>
            <source>A phone number holds digits, spaces, brackets, dots, dashes and a leading +.</source>
            <translation>Un numero di telefono contiene cifre, spazi, parentesi, punti, trattini e un + iniziale.</translation>
        </message>
        <message>
            <source>Sending the test message…</source>
            <translation>Invio del messaggio di prova…</translation>
        </message>
        <message>
            <source>This is a test message from Quorvel.</source>
            <translation>Questo è un messaggio di prova di Quorvel.</translation>
        </message>
        <message>
            <source>The test message was sent.</source>
            <translation>Il messaggio di prova è stato inviato.</translation>
        </message>
        <message>
            <source>The test message was not sent: %@</source>
            <translation>Il messaggio di prova non è stato inviato: %@</translation>
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
        <translation>il suo stato è arrivato come «%1»</translation>
    </message>
    <message>
        <source>an answer of the unexpected form &quot;%1&quot;</source>
        <translation>una risposta in forma inattesa «%1»</translation>
    </message>
    <message>
        <source>ModemManager listed the modems in an unexpected form (%1).</source>
        <translation>ModemManager ha elencato i modem in una forma inattesa (%1).</translation>
    </message>
    <message>
        <source>ModemManager did not list the modems: %1</source>
        <translation>ModemManager non ha elencato i modem: %1</translation>
    </message>
        <message>
            <source>The modem did not confirm the message in time.</source>
            <translation>Il modem non ha confermato il messaggio in tempo.</translation>
        </message>
        <message>
            <source>No modem that can send messages was found.</source>
            <translation>Non è stato trovato alcun modem in grado di inviare messaggi.</translation>
        </message>
        <message>
            <source>The modem refused the message: %1</source>
            <translation>Il modem ha rifiutato il messaggio: %1</translation>
        </message>
        <message>
            <source>The modem could not send the message: %1</source>
            <translation>Il modem non è riuscito a inviare il messaggio: %1</translation>
        </message>
        <message>
            <source>The modem lost the message: %1</source>
            <translation>Il modem ha perso il messaggio: %1</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Annullato.</translation>
        </message>
    </context>
    <context>
        <name>NavigationBar</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
    </context>
    <context>
        <name>PeoplePickerNavigationController</name>
        <message>
            <source>Contacts</source>
            <translation>Contatti</translation>
        </message>
        <message>
            <source>Search contacts</source>
            <translation>Cerca contatti</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Cerca</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Persone</translation>
        </message>
        <message>
            <source>Reading the address books…</source>
            <translation>Lettura delle rubriche…</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>No contacts.
vCard files in %1 appear here.</source>
            <translation>Nessun contatto.
Qui compaiono i file vCard in %1.</translation>
        </message>
        <message>
            <source>Nobody matches "%1".</source>
            <translation>Nessuno corrisponde a «%1».</translation>
        </message>
    </context>
    <context>
        <name>PositionSection</name>
        <message>
            <source>Position source</source>
            <translation>Sorgente della posizione</translation>
        </message>
        <message>
            <source>Automatic (the first source that answers)</source>
            <translation>Automatica (la prima sorgente che risponde)</translation>
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
            <translation>Ricevitore NMEA su una porta seriale</translation>
        </message>
        <message>
            <source>NMEA over the network</source>
            <translation>NMEA via rete</translation>
        </message>
        <message>
            <source>A recorded NMEA file</source>
            <translation>Un file NMEA registrato</translation>
        </message>
        <message>
            <source>Demo walk (not your position)</source>
            <translation>Passeggiata dimostrativa (non la tua posizione)</translation>
        </message>
        <message>
            <source>Host</source>
            <translation>Host</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Porta</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Dispositivo</translation>
        </message>
        <message>
            <source>NMEA file</source>
            <translation>File NMEA</translation>
        </message>
        <message>
            <source>What the source gives now</source>
            <translation>Cosa fornisce ora la sorgente</translation>
        </message>
        <message>
            <source>Waiting for a position…</source>
            <translation>In attesa di una posizione…</translation>
        </message>
        <message>
            <source>Position %.5f, %.5f</source>
            <translation>Posizione %.5f, %.5f</translation>
        </message>
        <message>
            <source>The source failed: %@</source>
            <translation>La sorgente non funziona: %@</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Posizione</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
    <message>
        <source>The phone number is %1 characters long; at most %2 can be used.</source>
        <translation>Il numero di telefono è lungo %1 caratteri; se ne possono usare al massimo %2.</translation>
    </message>
    <message>
        <source>The phone number has %1 digits; a phone number has at most %2.</source>
        <translation>Il numero di telefono ha %1 cifre; un numero di telefono ne ha al massimo %2.</translation>
    </message>
    <message>
        <source>The phone number has no digits.</source>
        <translation>Il numero di telefono non ha cifre.</translation>
    </message>
    <message>
        <source>The phone number holds %1, which a phone number cannot hold.</source>
        <translation>Il numero di telefono contiene %1, che un numero di telefono non può contenere.</translation>
    </message>
    <message>
        <source>The phone number is empty.</source>
        <translation>Il numero di telefono è vuoto.</translation>
    </message>
        <message>
            <source>No name</source>
            <translation>Senza nome</translation>
        </message>
        <message>
            <source>Contacts folder</source>
            <translation>Cartella dei contatti</translation>
        </message>
        <message>
            <source>The keyring is locked.</source>
            <translation>Il portachiavi è bloccato.</translation>
        </message>
        <message>
            <source>The recipient "%1" contains a line break or NUL character, which is not allowed in a mail header.</source>
            <translation>Il destinatario «%1» contiene un a capo o un carattere NUL, non ammessi nell'intestazione di un'e-mail.</translation>
        </message>
        <message>
            <source>The subject contains a line break or NUL character, which is not allowed in a mail header.</source>
            <translation>L'oggetto contiene un a capo o un carattere NUL, non ammessi nell'intestazione di un'e-mail.</translation>
        </message>
        <message>
            <source>The sender address contains a line break or NUL character.</source>
            <translation>L'indirizzo del mittente contiene un a capo o un carattere NUL.</translation>
        </message>
        <message>
            <source>The message has no recipient.</source>
            <translation>Il messaggio non ha destinatari.</translation>
        </message>
        <message>
            <source>A recipient is empty.</source>
            <translation>Un destinatario è vuoto.</translation>
        </message>
        <message>
            <source>The recipient "%1" is not an e-mail address (name@example.org, or Name &lt;name@example.org&gt;).</source>
            <translation>Il destinatario «%1» non è un indirizzo e-mail (nome@example.org, oppure Nome &lt;nome@example.org&gt;).</translation>
        </message>
        <message>
            <source>The sender "%1" is not an e-mail address.</source>
            <translation>Il mittente «%1» non è un indirizzo e-mail.</translation>
        </message>
        <message>
            <source>The sender's name contains control characters.</source>
            <translation>Il nome del mittente contiene caratteri di controllo.</translation>
        </message>
        <message>
            <source>No SMTP server is set up.</source>
            <translation>Nessun server SMTP è configurato.</translation>
        </message>
        <message>
            <source>No sender address is set up.</source>
            <translation>Nessun indirizzo del mittente è configurato.</translation>
        </message>
        <message>
            <source>Unknown security "%1" (starttls, tls or none).</source>
            <translation>Sicurezza sconosciuta «%1» (starttls, tls o none).</translation>
        </message>
        <message>
            <source>The SMTP server %1 is not on this machine, so the connection must be encrypted (starttls or tls).</source>
            <translation>Il server SMTP %1 non è su questa macchina, quindi la connessione deve essere cifrata (starttls o tls).</translation>
        </message>
        <message>
            <source>The mail library could not be started.</source>
            <translation>Non è stato possibile avviare la libreria di posta.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Annullato.</translation>
        </message>
        <message>
            <source>The mail server did not answer in time (%1).</source>
            <translation>Il server di posta non ha risposto in tempo (%1).</translation>
        </message>
        <message>
            <source>The mail server could not be reached (%1).</source>
            <translation>Il server di posta non è raggiungibile (%1).</translation>
        </message>
        <message>
            <source>The mail server refused the user name or password.</source>
            <translation>Il server di posta ha rifiutato il nome utente o la password.</translation>
        </message>
        <message>
            <source>The mail server refused the message (%1: %2).</source>
            <translation>Il server di posta ha rifiutato il messaggio (%1: %2).</translation>
        </message>
        <message>
            <source>The e-mail could not be sent (%1).</source>
            <translation>Non è stato possibile inviare l'e-mail (%1).</translation>
        </message>
    </context>
    <context>
        <name>SendingProcess</name>
        <message>
            <source>%1 could not be started.</source>
            <translation>Non è stato possibile avviare %1.</translation>
        </message>
    </context>
    <context>
        <name>SendmailSender</name>
        <message>
            <source>sendmail did not finish in time.</source>
            <translation>sendmail non ha terminato in tempo.</translation>
        </message>
        <message>
            <source>sendmail failed (exit code %1).</source>
            <translation>sendmail non è riuscito (codice di uscita %1).</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Annullato.</translation>
        </message>
    </context>
    <context>
        <name>SettingsSection</name>
        <message>
            <source>Enter a host name or address.</source>
            <translation>Inserisci un nome host o un indirizzo.</translation>
        </message>
        <message>
            <source>A host name cannot hold spaces or any of / @ , ; " ' &lt; &gt; \.</source>
            <translation>Un nome host non può contenere spazi né alcuno di / @ , ; " ' &lt; &gt; \.</translation>
        </message>
        <message>
            <source>A port is a number from 1 to 65535.</source>
            <translation>Una porta è un numero da 1 a 65535.</translation>
        </message>
        <message>
            <source>Enter the file's path.</source>
            <translation>Inserisci il percorso del file.</translation>
        </message>
        <message>
            <source>There is no file %@.</source>
            <translation>Il file %@ non esiste.</translation>
        </message>
        <message>
            <source>An address needs a name, an "@" and a domain, without spaces.</source>
            <translation>Un indirizzo richiede un nome, una "@" e un dominio, senza spazi.</translation>
        </message>
        <message>
            <source>Problem</source>
            <translation>Problema</translation>
        </message>
    </context>
    <context>
        <name>SmtpSender</name>
        <message>
            <source>Cancelled.</source>
            <translation>Annullato.</translation>
        </message>
        <message>
            <source>No password for %1 is kept in the keyring. Enter it in the device settings.</source>
            <translation>Nel portachiavi non è conservata alcuna password per %1. Inseriscila nelle impostazioni del dispositivo.</translation>
        </message>
        <message>
            <source>The password could not be read from the keyring (%1).</source>
            <translation>Non è stato possibile leggere la password dal portachiavi (%1).</translation>
        </message>
    </context>
    <context>
        <name>TableView</name>
        <message>
            <source>row %1 of %2, selected</source>
            <translation>riga %1 di %2, selezionata</translation>
        </message>
        <message>
            <source>row %1 of %2</source>
            <translation>riga %1 di %2</translation>
        </message>
    </context>
    <context>
        <name>TableViewCell</name>
        <message>
            <source>Delete</source>
            <translation>Elimina</translation>
        </message>
    </context>
<context>
    <name>ReportScreen</name>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
</context>
</TS>
