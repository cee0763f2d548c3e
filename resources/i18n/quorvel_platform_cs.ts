<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="cs_CZ">
<context>
    <name>ComposerDialog</name>
    <message>
        <source>Message</source>
        <translation>Zpráva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Odeslat</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Ruší se…</translation>
    </message>
</context>
<context>
    <name>ContactsSection</name>
    <message>
        <source>Read a folder of vCard files</source>
        <translation>Číst složku souborů vCard</translation>
    </message>
    <message>
        <source>vCard folder</source>
        <translation>Složka vCard</translation>
    </message>
    <message>
        <source>KPeople's address book (Plasma)</source>
        <translation>Adresář KPeople (Plasma)</translation>
    </message>
    <message>
        <source>Evolution Data Server (GNOME, Phosh)</source>
        <translation>Evolution Data Server (GNOME, Phosh)</translation>
    </message>
    <message>
        <source>Address books to read</source>
        <translation>Číst adresáře</translation>
    </message>
    <message>
        <source>Address books of Evolution Data Server</source>
        <translation>Adresáře Evolution Data Server</translation>
    </message>
    <message>
        <source>There is no folder %@.</source>
        <translation>Složka %@ neexistuje.</translation>
    </message>
    <message>
        <source>Looking for the address books…</source>
        <translation>Hledám adresáře…</translation>
    </message>
    <message>
        <source>Evolution Data Server does not answer on this device, so its address books cannot be listed. All of them are read when it runs.</source>
        <translation>Evolution Data Server na tomto zařízení neodpovídá, jeho adresáře proto nelze vypsat. Až poběží, budou se číst všechny.</translation>
    </message>
    <message>
        <source>Evolution Data Server has no enabled address books.</source>
        <translation>Evolution Data Server nemá žádný zapnutý adresář.</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakty</translation>
    </message>
</context>
<context>
    <name>DeviceSettingsDialog</name>
    <message>
        <source>Device settings</source>
        <translation>Nastavení zařízení</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Oddíly</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Correct the marked fields to save: %@.</source>
        <translation>Pro uložení opravte označená pole: %@.</translation>
    </message>
    <message>
        <source>%@ could not be written; nothing was saved.</source>
        <translation>Soubor %@ se nepodařilo zapsat; nic nebylo uloženo.</translation>
    </message>
</context>
<context>
    <name>KdeConnectSender</name>
    <message>
        <source>The phone did not answer in time.</source>
        <translation>Telefon neodpověděl včas.</translation>
    </message>
    <message>
        <source>No paired phone is reachable.</source>
        <translation>Žádný spárovaný telefon není dostupný.</translation>
    </message>
    <message>
        <source>The phone could not send the message.</source>
        <translation>Telefon zprávu nemohl odeslat.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Zrušeno.</translation>
    </message>
</context>
<context>
    <name>MailComposeViewController</name>
    <message>
        <source>New E-mail</source>
        <translation>Nový e-mail</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Komu</translation>
    </message>
    <message>
        <source>Addresses, separated by commas</source>
        <translation>Adresy oddělené čárkami</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Komu:</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Předmět</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Předmět:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Odesílání</translation>
    </message>
    <message>
        <source>No mail account is set up.</source>
        <translation>Není nastaven žádný poštovní účet.</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Odesílá se na %1…</translation>
    </message>
    <message>
        <source>Sent.</source>
        <translation>Odesláno.</translation>
    </message>
    <message>
        <source>The draft could not be saved in %1: %2</source>
        <translation>Koncept nelze uložit do %1: %2</translation>
    </message>
</context>
<context>
    <name>MailSection</name>
    <message>
        <source>Send e-mail through</source>
        <translation>E-maily posílat přes</translation>
    </message>
    <message>
        <source>Nothing (not set up)</source>
        <translation>Nic (nenastaveno)</translation>
    </message>
    <message>
        <source>An SMTP server</source>
        <translation>Server SMTP</translation>
    </message>
    <message>
        <source>This computer's sendmail</source>
        <translation>sendmail tohoto počítače</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Server SMTP</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Zabezpečení</translation>
    </message>
    <message>
        <source>STARTTLS (port 587)</source>
        <translation>STARTTLS (port 587)</translation>
    </message>
    <message>
        <source>TLS (port 465)</source>
        <translation>TLS (port 465)</translation>
    </message>
    <message>
        <source>None (a server on this machine only)</source>
        <translation>Žádné (jen server na tomto počítači)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Default for the security</source>
        <translation>Výchozí pro zabezpečení</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Keep the password in device.ini instead</source>
        <translation>Ponechat heslo raději v souboru device.ini</translation>
    </message>
    <message>
        <source>Sender address</source>
        <translation>Adresa odesílatele</translation>
    </message>
    <message>
        <source>Sender name</source>
        <translation>Jméno odesílatele</translation>
    </message>
    <message>
        <source>sendmail program</source>
        <translation>Program sendmail</translation>
    </message>
    <message>
        <source>Check the account</source>
        <translation>Vyzkoušet účet</translation>
    </message>
    <message>
        <source>This password is in device.ini; saving moves it to the keyring.</source>
        <translation>Toto heslo je v souboru device.ini; uložením se přesune do klíčenky.</translation>
    </message>
    <message>
        <source>Leave empty to keep the password you have</source>
        <translation>Nechte prázdné, chcete-li ponechat dosavadní heslo</translation>
    </message>
    <message>
        <source>The keyring holds the password of this account.</source>
        <translation>Klíčenka uchovává heslo tohoto účtu.</translation>
    </message>
    <message>
        <source>Without encryption only a server on this machine can be used.</source>
        <translation>Bez šifrování lze použít jen server na tomto počítači.</translation>
    </message>
    <message>
        <source>%@ is not a program on this machine.</source>
        <translation>%@ není program na tomto počítači.</translation>
    </message>
    <message>
        <source>Connecting to the server…</source>
        <translation>Připojuji se k serveru…</translation>
    </message>
    <message>
        <source>The server accepted the login. It answered: %@</source>
        <translation>Server přihlášení přijal. Odpověděl: %@</translation>
    </message>
    <message>
        <source>The account does not work: %@</source>
        <translation>Účet nefunguje: %@</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Ukládám…</translation>
    </message>
    <message>
        <source>no keyring (Secret Service) answers</source>
        <translation>žádná klíčenka (Secret Service) neodpovídá</translation>
    </message>
    <message>
        <source>the keyring is locked</source>
        <translation>klíčenka je zamčená</translation>
    </message>
    <message>
        <source>The password could not be put in the keyring: %@. Nothing was saved. You can keep it in device.ini instead, but anyone who can read that file can read the password.</source>
        <translation>Heslo se nepodařilo uložit do klíčenky: %@. Nic nebylo uloženo. Můžete ho ponechat v souboru device.ini, ale kdokoli, kdo ten soubor přečte, přečte i heslo.</translation>
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
        <translation>Plus kód</translation>
    </message>
    <message>
        <source>geo: link (opens a map app)</source>
        <translation>Odkaz geo: (otevře mapovou aplikaci)</translation>
    </message>
    <message>
        <source>OpenStreetMap link</source>
        <translation>Odkaz na OpenStreetMap</translation>
    </message>
    <message>
        <source>Link in messages</source>
        <translation>Odkaz ve zprávách</translation>
    </message>
    <message>
        <source>Tile server</source>
        <translation>Server dlaždic</translation>
    </message>
    <message>
        <source>Your contact for the tile server</source>
        <translation>Váš kontakt pro server dlaždic</translation>
    </message>
    <message>
        <source>MBTiles file for the map</source>
        <translation>Soubor MBTiles pro mapu</translation>
    </message>
    <message>
        <source>MBTiles file for the satellite view</source>
        <translation>Soubor MBTiles pro satelitní pohled</translation>
    </message>
    <message>
        <source>The address starts with http:// or https:// and holds {z}, {x} and {y}.</source>
        <translation>Adresa začíná http:// nebo https:// a obsahuje {z}, {x} a {y}.</translation>
    </message>
    <message>
        <source>Give an e-mail address or a web page (http:// or https://).</source>
        <translation>Uveďte e-mailovou adresu nebo webovou stránku (http:// nebo https://).</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
</context>
<context>
    <name>MapView</name>
    <message>
        <source>Zoom in</source>
        <translation>Přiblížit</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Oddálit</translation>
    </message>
</context>
<context>
    <name>MessageComposeViewController</name>
    <message>
        <source>%1 cannot be sent to: %2</source>
        <translation>Na %1 nelze poslat: %2</translation>
    </message>
    <message>
        <source>The recipients were longer than %1 characters and were cut.</source>
        <translation>Příjemci byli delší než %1 znaků a byli zkráceni.</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Nová zpráva</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Komu</translation>
    </message>
    <message>
        <source>Phone numbers, separated by commas</source>
        <translation>Telefonní čísla oddělená čárkami</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Komu:</translation>
    </message>
    <message>
        <source>No SMS sender is available.</source>
        <translation>Není k dispozici nic, co by odeslalo SMS.</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Odesílá se na %1…</translation>
    </message>
</context>
<context>
    <name>MessagesSection</name>
    <message>
        <source>Send text messages through</source>
        <translation>SMS posílat přes</translation>
    </message>
    <message>
        <source>Nothing (not set up)</source>
        <translation>Nic (nenastaveno)</translation>
    </message>
    <message>
        <source>A modem (ModemManager)</source>
        <translation>Modem (ModemManager)</translation>
    </message>
    <message>
        <source>A paired phone (KDE Connect)</source>
        <translation>Spárovaný telefon (KDE Connect)</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>The first modem that can send messages</source>
        <translation>První modem, který umí posílat zprávy</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>The first reachable phone</source>
        <translation>První dosažitelný telefon</translation>
    </message>
    <message>
        <source>Look for modems and phones again</source>
        <translation>Znovu hledat modemy a telefony</translation>
    </message>
    <message>
        <source>Number for a test message</source>
        <translation>Číslo pro zkušební zprávu</translation>
    </message>
    <message>
        <source>Send a test message</source>
        <translation>Poslat zkušební zprávu</translation>
    </message>
    <message>
        <source>A phone number holds digits, spaces, brackets, dots, dashes and a leading +.</source>
        <translation>Telefonní číslo obsahuje číslice, mezery, závorky, tečky, pomlčky a úvodní +.</translation>
    </message>
    <message>
        <source>Sending the test message…</source>
        <translation>Posílám zkušební zprávu…</translation>
    </message>
    <message>
        <source>This is a test message from Quorvel.</source>
        <translation>Toto je zkušební zpráva z aplikace Quorvel.</translation>
    </message>
    <message>
        <source>The test message was sent.</source>
        <translation>Zkušební zpráva byla odeslána.</translation>
    </message>
    <message>
        <source>The test message was not sent: %@</source>
        <translation>Zkušební zpráva nebyla odeslána: %@</translation>
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
        <translation>jeho stav přišel jako „%1“</translation>
    </message>
    <message>
        <source>an answer of the unexpected form &quot;%1&quot;</source>
        <translation>odpověď v nečekané podobě „%1“</translation>
    </message>
    <message>
        <source>ModemManager listed the modems in an unexpected form (%1).</source>
        <translation>ModemManager vypsal modemy v nečekané podobě (%1).</translation>
    </message>
    <message>
        <source>ModemManager did not list the modems: %1</source>
        <translation>ModemManager nevypsal modemy: %1</translation>
    </message>
    <message>
        <source>The modem did not confirm the message in time.</source>
        <translation>Modem zprávu včas nepotvrdil.</translation>
    </message>
    <message>
        <source>No modem that can send messages was found.</source>
        <translation>Nebyl nalezen žádný modem, který umí posílat zprávy.</translation>
    </message>
    <message>
        <source>The modem refused the message: %1</source>
        <translation>Modem zprávu odmítl: %1</translation>
    </message>
    <message>
        <source>The modem could not send the message: %1</source>
        <translation>Modem zprávu nemohl odeslat: %1</translation>
    </message>
    <message>
        <source>The modem lost the message: %1</source>
        <translation>Modem zprávu ztratil: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Zrušeno.</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
</context>
<context>
    <name>PeoplePickerNavigationController</name>
    <message>
        <source>Contacts</source>
        <translation>Kontakty</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation>Hledat v kontaktech</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Lidé</translation>
    </message>
    <message>
        <source>Reading the address books…</source>
        <translation>Načítají se adresáře…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>No contacts.
vCard files in %1 appear here.</source>
        <translation>Žádné kontakty.
Zobrazí se zde soubory vCard ze složky %1.</translation>
    </message>
    <message>
        <source>Nobody matches "%1".</source>
        <translation>Výrazu „%1“ nikdo neodpovídá.</translation>
    </message>
</context>
<context>
    <name>PositionSection</name>
    <message>
        <source>Position source</source>
        <translation>Zdroj polohy</translation>
    </message>
    <message>
        <source>Automatic (the first source that answers)</source>
        <translation>Automaticky (první zdroj, který odpoví)</translation>
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
        <translation>Přijímač NMEA na sériovém portu</translation>
    </message>
    <message>
        <source>NMEA over the network</source>
        <translation>NMEA po síti</translation>
    </message>
    <message>
        <source>A recorded NMEA file</source>
        <translation>Nahraný soubor NMEA</translation>
    </message>
    <message>
        <source>Demo walk (not your position)</source>
        <translation>Ukázková procházka (není vaše poloha)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>NMEA file</source>
        <translation>Soubor NMEA</translation>
    </message>
    <message>
        <source>What the source gives now</source>
        <translation>Co zdroj právě dává</translation>
    </message>
    <message>
        <source>Waiting for a position…</source>
        <translation>Čekám na polohu…</translation>
    </message>
    <message>
        <source>Position %.5f, %.5f</source>
        <translation>Poloha %.5f, %.5f</translation>
    </message>
    <message>
        <source>The source failed: %@</source>
        <translation>Zdroj selhal: %@</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Poloha</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The phone number is %1 characters long; at most %2 can be used.</source>
        <translation>Telefonní číslo má %1 znaků; použít lze nejvýš %2.</translation>
    </message>
    <message>
        <source>The phone number has %1 digits; a phone number has at most %2.</source>
        <translation>Telefonní číslo má %1 číslic; telefonní číslo jich má nejvýš %2.</translation>
    </message>
    <message>
        <source>The phone number has no digits.</source>
        <translation>Telefonní číslo nemá žádné číslice.</translation>
    </message>
    <message>
        <source>The phone number holds %1, which a phone number cannot hold.</source>
        <translation>Telefonní číslo obsahuje %1, což telefonní číslo obsahovat nemůže.</translation>
    </message>
    <message>
        <source>The phone number is empty.</source>
        <translation>Telefonní číslo je prázdné.</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Bez jména</translation>
    </message>
    <message>
        <source>Contacts folder</source>
        <translation>Složka kontaktů</translation>
    </message>
    <message>
        <source>The keyring is locked.</source>
        <translation>Klíčenka je zamčená.</translation>
    </message>
    <message>
        <source>The recipient "%1" contains a line break or NUL character, which is not allowed in a mail header.</source>
        <translation>Příjemce „%1“ obsahuje konec řádku nebo znak NUL, které v hlavičce e-mailu nejsou dovoleny.</translation>
    </message>
    <message>
        <source>The subject contains a line break or NUL character, which is not allowed in a mail header.</source>
        <translation>Předmět obsahuje konec řádku nebo znak NUL, které v hlavičce e-mailu nejsou dovoleny.</translation>
    </message>
    <message>
        <source>The sender address contains a line break or NUL character.</source>
        <translation>Adresa odesílatele obsahuje konec řádku nebo znak NUL.</translation>
    </message>
    <message>
        <source>The message has no recipient.</source>
        <translation>Zpráva nemá žádného příjemce.</translation>
    </message>
    <message>
        <source>A recipient is empty.</source>
        <translation>Jeden z příjemců je prázdný.</translation>
    </message>
    <message>
        <source>The recipient "%1" is not an e-mail address (name@example.org, or Name &lt;name@example.org&gt;).</source>
        <translation>Příjemce „%1“ není e-mailová adresa (jmeno@example.org nebo Jméno &lt;jmeno@example.org&gt;).</translation>
    </message>
    <message>
        <source>The sender "%1" is not an e-mail address.</source>
        <translation>Odesílatel „%1“ není e-mailová adresa.</translation>
    </message>
    <message>
        <source>The sender's name contains control characters.</source>
        <translation>Jméno odesílatele obsahuje řídicí znaky.</translation>
    </message>
    <message>
        <source>No SMTP server is set up.</source>
        <translation>Není nastaven žádný server SMTP.</translation>
    </message>
    <message>
        <source>No sender address is set up.</source>
        <translation>Není nastavena adresa odesílatele.</translation>
    </message>
    <message>
        <source>Unknown security "%1" (starttls, tls or none).</source>
        <translation>Neznámé zabezpečení „%1“ (starttls, tls nebo none).</translation>
    </message>
    <message>
        <source>The SMTP server %1 is not on this machine, so the connection must be encrypted (starttls or tls).</source>
        <translation>Server SMTP %1 neběží na tomto počítači, spojení proto musí být šifrované (starttls nebo tls).</translation>
    </message>
    <message>
        <source>The mail library could not be started.</source>
        <translation>Knihovnu pro poštu nelze spustit.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Zrušeno.</translation>
    </message>
    <message>
        <source>The mail server did not answer in time (%1).</source>
        <translation>Poštovní server neodpověděl včas (%1).</translation>
    </message>
    <message>
        <source>The mail server could not be reached (%1).</source>
        <translation>Poštovní server není dostupný (%1).</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password.</source>
        <translation>Poštovní server odmítl uživatelské jméno nebo heslo.</translation>
    </message>
    <message>
        <source>The mail server refused the message (%1: %2).</source>
        <translation>Poštovní server zprávu odmítl (%1: %2).</translation>
    </message>
    <message>
        <source>The e-mail could not be sent (%1).</source>
        <translation>E-mail nelze odeslat (%1).</translation>
    </message>
</context>
<context>
    <name>SendingProcess</name>
    <message>
        <source>%1 could not be started.</source>
        <translation>Program %1 nelze spustit.</translation>
    </message>
</context>
<context>
    <name>SendmailSender</name>
    <message>
        <source>sendmail did not finish in time.</source>
        <translation>Program sendmail neskončil včas.</translation>
    </message>
    <message>
        <source>sendmail failed (exit code %1).</source>
        <translation>Program sendmail selhal (návratový kód %1).</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Zrušeno.</translation>
    </message>
</context>
<context>
    <name>SettingsSection</name>
    <message>
        <source>Enter a host name or address.</source>
        <translation>Zadejte jméno nebo adresu počítače.</translation>
    </message>
    <message>
        <source>A host name cannot hold spaces or any of / @ , ; " ' &lt; &gt; \.</source>
        <translation>Jméno počítače nesmí obsahovat mezery ani žádný ze znaků / @ , ; " ' &lt; &gt; \.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Port je číslo od 1 do 65535.</translation>
    </message>
    <message>
        <source>Enter the file's path.</source>
        <translation>Zadejte cestu k souboru.</translation>
    </message>
    <message>
        <source>There is no file %@.</source>
        <translation>Soubor %@ neexistuje.</translation>
    </message>
    <message>
        <source>An address needs a name, an "@" and a domain, without spaces.</source>
        <translation>Adresa potřebuje jméno, „@“ a doménu, bez mezer.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problém</translation>
    </message>
</context>
<context>
    <name>SmtpSender</name>
    <message>
        <source>Cancelled.</source>
        <translation>Zrušeno.</translation>
    </message>
    <message>
        <source>No password for %1 is kept in the keyring. Enter it in the device settings.</source>
        <translation>V klíčence není uloženo heslo pro %1. Zadejte ho v nastavení zařízení.</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring (%1).</source>
        <translation>Heslo nelze přečíst z klíčenky (%1).</translation>
    </message>
</context>
<context>
    <name>TableView</name>
    <message>
        <source>row %1 of %2, selected</source>
        <translation>řádek %1 z %2, vybraný</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>řádek %1 z %2</translation>
    </message>
</context>
<context>
    <name>TableViewCell</name>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
</context>
</TS>