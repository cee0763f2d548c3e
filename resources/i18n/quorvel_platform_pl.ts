<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>ComposerDialog</name>
        <message>
            <source>Message</source>
            <translation>Wiadomość</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>Wyślij</translation>
        </message>
        <message>
            <source>Cancelling…</source>
            <translation>Anulowanie…</translation>
        </message>
    </context>
    <context>
        <name>ContactsSection</name>
        <message>
            <source>Read a folder of vCard files</source>
            <translation>Czytaj folder z plikami vCard</translation>
        </message>
        <message>
            <source>vCard folder</source>
            <translation>Folder vCard</translation>
        </message>
        <message>
            <source>KPeople's address book (Plasma)</source>
            <translation>Książka adresowa KPeople (Plasma)</translation>
        </message>
        <message>
            <source>Evolution Data Server (GNOME, Phosh)</source>
            <translation>Evolution Data Server (GNOME, Phosh)</translation>
        </message>
        <message>
            <source>Address books to read</source>
            <translation>Książki adresowe do odczytu</translation>
        </message>
        <message>
            <source>Address books of Evolution Data Server</source>
            <translation>Książki adresowe Evolution Data Server</translation>
        </message>
        <message>
            <source>There is no folder %@.</source>
            <translation>Nie ma folderu %@.</translation>
        </message>
        <message>
            <source>Looking for the address books…</source>
            <translation>Wyszukiwanie książek adresowych…</translation>
        </message>
        <message>
            <source>Evolution Data Server does not answer on this device, so its address books cannot be listed. All of them are read when it runs.</source>
            <translation>Evolution Data Server nie odpowiada na tym urządzeniu, więc nie można wyświetlić jego książek adresowych. Gdy działa, odczytywane są wszystkie.</translation>
        </message>
        <message>
            <source>Evolution Data Server has no enabled address books.</source>
            <translation>Evolution Data Server nie ma włączonych książek adresowych.</translation>
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
            <translation>Ustawienia urządzenia</translation>
        </message>
        <message>
            <source>Sections</source>
            <translation>Sekcje</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Correct the marked fields to save: %@.</source>
            <translation>Aby zapisać, popraw zaznaczone pola: %@.</translation>
        </message>
        <message>
            <source>%@ could not be written; nothing was saved.</source>
            <translation>Nie udało się zapisać %@; nic nie zostało zapisane.</translation>
        </message>
    </context>
    <context>
        <name>KdeConnectSender</name>
        <message>
            <source>The phone did not answer in time.</source>
            <translation>Telefon nie odpowiedział na czas.</translation>
        </message>
        <message>
            <source>No paired phone is reachable.</source>
            <translation>Żaden sparowany telefon nie jest osiągalny.</translation>
        </message>
        <message>
            <source>The phone could not send the message.</source>
            <translation>Telefon nie mógł wysłać wiadomości.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Anulowano.</translation>
        </message>
    </context>
    <context>
        <name>MailComposeViewController</name>
        <message>
            <source>New E-mail</source>
            <translation>Nowy e-mail</translation>
        </message>
        <message>
            <source>To</source>
            <translation>Do</translation>
        </message>
        <message>
            <source>Addresses, separated by commas</source>
            <translation>Adresy oddzielone przecinkami</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>Do:</translation>
        </message>
        <message>
            <source>Subject</source>
            <translation>Temat</translation>
        </message>
        <message>
            <source>Subject:</source>
            <translation>Temat:</translation>
        </message>
        <message>
            <source>From:</source>
            <translation>Od:</translation>
        </message>
        <message>
            <source>Sending</source>
            <translation>Wysyłanie</translation>
        </message>
        <message>
            <source>No mail account is set up.</source>
            <translation>Nie skonfigurowano konta e-mail.</translation>
        </message>
        <message>
            <source>Sending to %1…</source>
            <translation>Wysyłanie do %1…</translation>
        </message>
        <message>
            <source>Sent.</source>
            <translation>Wysłano.</translation>
        </message>
        <message>
            <source>The draft could not be saved in %1: %2</source>
            <translation>Nie udało się zapisać szkicu w %1: %2</translation>
        </message>
    </context>
    <context>
        <name>MailSection</name>
    <message>
        <source>The keyring holds the password of this account.</source>
        <translation>Pęk kluczy przechowuje hasło tego konta.</translation>
    </message>
        <message>
            <source>Send e-mail through</source>
            <translation>Wysyłaj e-maile przez</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Nic (nie skonfigurowano)</translation>
        </message>
        <message>
            <source>An SMTP server</source>
            <translation>Serwer SMTP</translation>
        </message>
        <message>
            <source>This computer's sendmail</source>
            <translation>sendmail tego komputera</translation>
        </message>
        <message>
            <source>SMTP server</source>
            <translation>Serwer SMTP</translation>
        </message>
        <message>
            <source>Security</source>
            <translation>Zabezpieczenia</translation>
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
            <translation>Brak (tylko serwer na tym komputerze)</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Default for the security</source>
            <translation>Domyślny dla zabezpieczeń</translation>
        </message>
        <message>
            <source>User name</source>
            <translation>Nazwa użytkownika</translation>
        </message>
        <message>
            <source>Password</source>
            <translation>Hasło</translation>
        </message>
        <message>
            <source>Keep the password in device.ini instead</source>
            <translation>Zamiast tego zachowaj hasło w device.ini</translation>
        </message>
        <message>
            <source>Sender address</source>
            <translation>Adres nadawcy</translation>
        </message>
        <message>
            <source>Sender name</source>
            <translation>Nazwa nadawcy</translation>
        </message>
        <message>
            <source>sendmail program</source>
            <translation>Program sendmail</translation>
        </message>
        <message>
            <source>Check the account</source>
            <translation>Sprawdź konto</translation>
        </message>
        <message>
            <source>This password is in device.ini; saving moves it to the keyring.</source>
            <translation>To hasło jest w pliku device.ini; zapisanie przeniesie je do bazy kluczy.</translation>
        </message>
        <message>
            <source>Leave empty to keep the password you have</source>
            <translation>Pozostaw puste, aby zachować obecne hasło</translation>
        </message>
        <message>
            <source>Without encryption only a server on this machine can be used.</source>
            <translation>Bez szyfrowania można użyć tylko serwera na tym komputerze.</translation>
        </message>
        <message>
            <source>%@ is not a program on this machine.</source>
            <translation>%@ nie jest programem na tym komputerze.</translation>
        </message>
        <message>
            <source>Connecting to the server…</source>
            <translation>Łączenie z serwerem…</translation>
        </message>
        <message>
            <source>The server accepted the login. It answered: %@</source>
            <translation>Serwer przyjął logowanie. Odpowiedział: %@</translation>
        </message>
        <message>
            <source>The account does not work: %@</source>
            <translation>Konto nie działa: %@</translation>
        </message>
        <message>
            <source>Saving…</source>
            <translation>Zapisywanie…</translation>
        </message>
        <message>
            <source>no keyring (Secret Service) answers</source>
            <translation>żadna baza kluczy (Secret Service) nie odpowiada</translation>
        </message>
        <message>
            <source>the keyring is locked</source>
            <translation>baza kluczy jest zablokowana</translation>
        </message>
        <message>
            <source>The password could not be put in the keyring: %@. Nothing was saved. You can keep it in device.ini instead, but anyone who can read that file can read the password.</source>
            <translation>Nie udało się umieścić hasła w bazie kluczy: %@. Nic nie zostało zapisane. Możesz zamiast tego zachować je w device.ini, ale każdy, kto może czytać ten plik, może przeczytać hasło.</translation>
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
        <translation>Kod plus</translation>
    </message>
    <message>
        <source>geo: link (opens a map app)</source>
        <translation>Link geo: (otwiera aplikację z mapami)</translation>
    </message>
    <message>
        <source>OpenStreetMap link</source>
        <translation>Link do OpenStreetMap</translation>
    </message>
    <message>
        <source>Link in messages</source>
        <translation>Link w wiadomościach</translation>
    </message>
        <message>
            <source>Tile server</source>
            <translation>Serwer kafelków</translation>
        </message>
        <message>
            <source>Your contact for the tile server</source>
            <translation>Twój kontakt dla serwera kafelków</translation>
        </message>
        <message>
            <source>MBTiles file for the map</source>
            <translation>Plik MBTiles dla mapy</translation>
        </message>
        <message>
            <source>MBTiles file for the satellite view</source>
            <translation>Plik MBTiles dla widoku satelitarnego</translation>
        </message>
        <message>
            <source>The address starts with http:// or https:// and holds {z}, {x} and {y}.</source>
            <translation>Adres zaczyna się od http:// lub https:// i zawiera {z}, {x} i {y}.</translation>
        </message>
        <message>
            <source>Give an e-mail address or a web page (http:// or https://).</source>
            <translation>Podaj adres e-mail lub stronę internetową (http:// lub https://).</translation>
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
            <translation>Powiększ</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Pomniejsz</translation>
        </message>
    </context>
    <context>
        <name>MessageComposeViewController</name>
    <message>
        <source>%1 cannot be sent to: %2</source>
        <translation>Nie można wysłać do %1: %2</translation>
    </message>
    <message>
        <source>The recipients were longer than %1 characters and were cut.</source>
        <translation>Odbiorcy byli dłużsi niż %1 znaków i zostali obcięci.</translation>
    </message>
        <message>
            <source>New Message</source>
            <translation>Nowa wiadomość</translation>
        </message>
        <message>
            <source>To</source>
            <translation>Do</translation>
        </message>
        <message>
            <source>Phone numbers, separated by commas</source>
            <translation>Numery telefonów oddzielone przecinkami</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>Do:</translation>
        </message>
        <message>
            <source>No SMS sender is available.</source>
            <translation>Brak dostępnego sposobu wysyłania SMS-ów.</translation>
        </message>
        <message>
            <source>Sending to %1…</source>
            <translation>Wysyłanie do %1…</translation>
        </message>
    </context>
    <context>
        <name>MessagesSection</name>
        <message>
            <source>Send text messages through</source>
            <translation>Wysyłaj SMS-y przez</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Nic (nie skonfigurowano)</translation>
        </message>
        <message>
            <source>A modem (ModemManager)</source>
            <translation>Modem (ModemManager)</translation>
        </message>
        <message>
            <source>A paired phone (KDE Connect)</source>
            <translation>Sparowany telefon (KDE Connect)</translation>
        </message>
        <message>
            <source>Modem</source>
            <translation>Modem</translation>
        </message>
        <message>
            <source>The first modem that can send messages</source>
            <translation>Pierwszy modem, który może wysyłać wiadomości</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Telefon</translation>
        </message>
        <message>
            <source>The first reachable phone</source>
            <translation>Pierwszy osiągalny telefon</translation>
        </message>
        <message>
            <source>Look for modems and phones again</source>
            <translation>Wyszukaj ponownie modemy i telefony</translation>
        </message>
        <message>
            <source>Number for a test message</source>
            <translation>Numer dla wiadomości testowej</translation>
        </message>
        <message>
            <source>Send a test message</source>
            <translation>Wyślij wiadomość testową</translation>
        </message>
        <message>
            <source>A phone number holds digits, spaces, brackets, dots, dashes and a leading +.</source>
            <translation>Numer telefonu zawiera cyfry, spacje, nawiasy, kropki, myślniki i + na początku.</translation>
        </message>
        <message>
            <source>Sending the test message…</source>
            <translation>Wysyłanie wiadomości testowej…</translation>
        </message>
        <message>
            <source>This is a test message from Quorvel.</source>
            <translation>To jest wiadomość testowa z Quorvel.</translation>
        </message>
        <message>
            <source>The test message was sent.</source>
            <translation>Wiadomość testowa została wysłana.</translation>
        </message>
        <message>
            <source>The test message was not sent: %@</source>
            <translation>Wiadomość testowa nie została wysłana: %@</translation>
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
        <translation>jego stan przyszedł jako „%1”</translation>
    </message>
    <message>
        <source>an answer of the unexpected form &quot;%1&quot;</source>
        <translation>odpowiedź w nieoczekiwanej postaci „%1”</translation>
    </message>
    <message>
        <source>ModemManager listed the modems in an unexpected form (%1).</source>
        <translation>ModemManager podał listę modemów w nieoczekiwanej postaci (%1).</translation>
    </message>
    <message>
        <source>ModemManager did not list the modems: %1</source>
        <translation>ModemManager nie podał listy modemów: %1</translation>
    </message>
        <message>
            <source>The modem did not confirm the message in time.</source>
            <translation>Modem nie potwierdził wiadomości na czas.</translation>
        </message>
        <message>
            <source>No modem that can send messages was found.</source>
            <translation>Nie znaleziono modemu, który może wysyłać wiadomości.</translation>
        </message>
        <message>
            <source>The modem refused the message: %1</source>
            <translation>Modem odrzucił wiadomość: %1</translation>
        </message>
        <message>
            <source>The modem could not send the message: %1</source>
            <translation>Modem nie mógł wysłać wiadomości: %1</translation>
        </message>
        <message>
            <source>The modem lost the message: %1</source>
            <translation>Modem zgubił wiadomość: %1</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Anulowano.</translation>
        </message>
    </context>
    <context>
        <name>NavigationBar</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
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
            <translation>Szukaj kontaktów</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Szukaj</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Osoby</translation>
        </message>
        <message>
            <source>Reading the address books…</source>
            <translation>Odczytywanie książek adresowych…</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>No contacts.
vCard files in %1 appear here.</source>
            <translation>Brak kontaktów.
Tutaj pojawiają się pliki vCard z %1.</translation>
        </message>
        <message>
            <source>Nobody matches "%1".</source>
            <translation>Nikt nie pasuje do „%1”.</translation>
        </message>
    </context>
    <context>
        <name>PositionSection</name>
        <message>
            <source>Position source</source>
            <translation>Źródło pozycji</translation>
        </message>
        <message>
            <source>Automatic (the first source that answers)</source>
            <translation>Automatycznie (pierwsze źródło, które odpowie)</translation>
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
            <translation>Odbiornik NMEA na porcie szeregowym</translation>
        </message>
        <message>
            <source>NMEA over the network</source>
            <translation>NMEA przez sieć</translation>
        </message>
        <message>
            <source>A recorded NMEA file</source>
            <translation>Nagrany plik NMEA</translation>
        </message>
        <message>
            <source>Demo walk (not your position)</source>
            <translation>Spacer demonstracyjny (nie twoja pozycja)</translation>
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
            <translation>Urządzenie</translation>
        </message>
        <message>
            <source>NMEA file</source>
            <translation>Plik NMEA</translation>
        </message>
        <message>
            <source>What the source gives now</source>
            <translation>Co teraz podaje źródło</translation>
        </message>
        <message>
            <source>Waiting for a position…</source>
            <translation>Oczekiwanie na pozycję…</translation>
        </message>
        <message>
            <source>Position %.5f, %.5f</source>
            <translation>Pozycja %.5f, %.5f</translation>
        </message>
        <message>
            <source>The source failed: %@</source>
            <translation>Źródło zawiodło: %@</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Położenie</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
    <message>
        <source>The phone number is %1 characters long; at most %2 can be used.</source>
        <translation>Numer telefonu ma %1 znaków; można użyć najwyżej %2.</translation>
    </message>
    <message>
        <source>The phone number has %1 digits; a phone number has at most %2.</source>
        <translation>Numer telefonu ma %1 cyfr; numer telefonu ma najwyżej %2.</translation>
    </message>
    <message>
        <source>The phone number has no digits.</source>
        <translation>Numer telefonu nie zawiera cyfr.</translation>
    </message>
    <message>
        <source>The phone number holds %1, which a phone number cannot hold.</source>
        <translation>Numer telefonu zawiera %1, czego numer telefonu nie może zawierać.</translation>
    </message>
    <message>
        <source>The phone number is empty.</source>
        <translation>Numer telefonu jest pusty.</translation>
    </message>
        <message>
            <source>No name</source>
            <translation>Bez nazwy</translation>
        </message>
        <message>
            <source>Contacts folder</source>
            <translation>Folder kontaktów</translation>
        </message>
        <message>
            <source>The keyring is locked.</source>
            <translation>Baza kluczy jest zablokowana.</translation>
        </message>
        <message>
            <source>The recipient "%1" contains a line break or NUL character, which is not allowed in a mail header.</source>
            <translation>Odbiorca „%1” zawiera znak końca wiersza lub znak NUL, niedozwolony w nagłówku wiadomości e-mail.</translation>
        </message>
        <message>
            <source>The subject contains a line break or NUL character, which is not allowed in a mail header.</source>
            <translation>Temat zawiera znak końca wiersza lub znak NUL, niedozwolony w nagłówku wiadomości e-mail.</translation>
        </message>
        <message>
            <source>The sender address contains a line break or NUL character.</source>
            <translation>Adres nadawcy zawiera znak końca wiersza lub znak NUL.</translation>
        </message>
        <message>
            <source>The message has no recipient.</source>
            <translation>Wiadomość nie ma odbiorcy.</translation>
        </message>
        <message>
            <source>A recipient is empty.</source>
            <translation>Jeden z odbiorców jest pusty.</translation>
        </message>
        <message>
            <source>The recipient "%1" is not an e-mail address (name@example.org, or Name &lt;name@example.org&gt;).</source>
            <translation>Odbiorca „%1” nie jest adresem e-mail (nazwa@example.org lub Nazwa &lt;nazwa@example.org&gt;).</translation>
        </message>
        <message>
            <source>The sender "%1" is not an e-mail address.</source>
            <translation>Nadawca „%1” nie jest adresem e-mail.</translation>
        </message>
        <message>
            <source>The sender's name contains control characters.</source>
            <translation>Nazwa nadawcy zawiera znaki sterujące.</translation>
        </message>
        <message>
            <source>No SMTP server is set up.</source>
            <translation>Nie skonfigurowano serwera SMTP.</translation>
        </message>
        <message>
            <source>No sender address is set up.</source>
            <translation>Nie skonfigurowano adresu nadawcy.</translation>
        </message>
        <message>
            <source>Unknown security "%1" (starttls, tls or none).</source>
            <translation>Nieznane zabezpieczenie „%1” (starttls, tls lub none).</translation>
        </message>
        <message>
            <source>The SMTP server %1 is not on this machine, so the connection must be encrypted (starttls or tls).</source>
            <translation>Serwer SMTP %1 nie jest na tym komputerze, więc połączenie musi być szyfrowane (starttls lub tls).</translation>
        </message>
        <message>
            <source>The mail library could not be started.</source>
            <translation>Nie udało się uruchomić biblioteki poczty.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Anulowano.</translation>
        </message>
        <message>
            <source>The mail server did not answer in time (%1).</source>
            <translation>Serwer poczty nie odpowiedział na czas (%1).</translation>
        </message>
        <message>
            <source>The mail server could not be reached (%1).</source>
            <translation>Nie można połączyć się z serwerem poczty (%1).</translation>
        </message>
        <message>
            <source>The mail server refused the user name or password.</source>
            <translation>Serwer poczty odrzucił nazwę użytkownika lub hasło.</translation>
        </message>
        <message>
            <source>The mail server refused the message (%1: %2).</source>
            <translation>Serwer poczty odrzucił wiadomość (%1: %2).</translation>
        </message>
        <message>
            <source>The e-mail could not be sent (%1).</source>
            <translation>Nie udało się wysłać e-maila (%1).</translation>
        </message>
    </context>
    <context>
        <name>SendingProcess</name>
        <message>
            <source>%1 could not be started.</source>
            <translation>Nie udało się uruchomić %1.</translation>
        </message>
    </context>
    <context>
        <name>SendmailSender</name>
        <message>
            <source>sendmail did not finish in time.</source>
            <translation>sendmail nie zakończył działania na czas.</translation>
        </message>
        <message>
            <source>sendmail failed (exit code %1).</source>
            <translation>sendmail zawiódł (kod wyjścia %1).</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Anulowano.</translation>
        </message>
    </context>
    <context>
        <name>SettingsSection</name>
        <message>
            <source>Enter a host name or address.</source>
            <translation>Wpisz nazwę hosta lub adres.</translation>
        </message>
        <message>
            <source>A host name cannot hold spaces or any of / @ , ; " ' &lt; &gt; \.</source>
            <translation>Nazwa hosta nie może zawierać spacji ani żadnego ze znaków / @ , ; " ' &lt; &gt; \.</translation>
        </message>
        <message>
            <source>A port is a number from 1 to 65535.</source>
            <translation>Port to liczba od 1 do 65535.</translation>
        </message>
        <message>
            <source>Enter the file's path.</source>
            <translation>Wpisz ścieżkę pliku.</translation>
        </message>
        <message>
            <source>There is no file %@.</source>
            <translation>Nie ma pliku %@.</translation>
        </message>
        <message>
            <source>An address needs a name, an "@" and a domain, without spaces.</source>
            <translation>Adres wymaga nazwy, znaku "@" i domeny, bez spacji.</translation>
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
            <translation>Anulowano.</translation>
        </message>
        <message>
            <source>No password for %1 is kept in the keyring. Enter it in the device settings.</source>
            <translation>W bazie kluczy nie ma hasła dla %1. Wpisz je w ustawieniach urządzenia.</translation>
        </message>
        <message>
            <source>The password could not be read from the keyring (%1).</source>
            <translation>Nie udało się odczytać hasła z bazy kluczy (%1).</translation>
        </message>
    </context>
    <context>
        <name>TableView</name>
        <message>
            <source>row %1 of %2, selected</source>
            <translation>wiersz %1 z %2, zaznaczony</translation>
        </message>
        <message>
            <source>row %1 of %2</source>
            <translation>wiersz %1 z %2</translation>
        </message>
    </context>
    <context>
        <name>TableViewCell</name>
        <message>
            <source>Delete</source>
            <translation>Usuń</translation>
        </message>
    </context>
<context>
    <name>ReportScreen</name>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
</context>
</TS>
