<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Quorvel</name>
    <message id="QUORVEL_NAVBAR_TITLE">
        <source>QUORVEL_NAVBAR_TITLE</source>
        <translation>Quorvel</translation>
    </message>
    <message id="QUORVEL_TABBAR_TITLE">
        <source>QUORVEL_TABBAR_TITLE</source>
        <translation>Pozycja</translation>
    </message>
    <message id="TEMPLATES_TABBAR_TITLE">
        <source>TEMPLATES_TABBAR_TITLE</source>
        <translation>Szablony</translation>
    </message>
    <message id="MAP_TABBAR_TITLE">
        <source>MAP_TABBAR_TITLE</source>
        <translation>Mapa</translation>
    </message>
    <message id="ABOUT_TABBAR_TITLE">
        <source>ABOUT_TABBAR_TITLE</source>
        <translation>O programie</translation>
    </message>
    <message id="CURRENTPOSITION">
        <source>CURRENTPOSITION</source>
        <translation>Bieżąca pozycja</translation>
    </message>
    <message id="LATITUDE">
        <source>LATITUDE</source>
        <translation>Szerokość</translation>
    </message>
    <message id="LONGITUDE">
        <source>LONGITUDE</source>
        <translation>Długość</translation>
    </message>
    <message id="AMSL">
        <source>AMSL</source>
        <translation>Wysokość</translation>
    </message>
    <message id="LOCATION">
        <source>LOCATION</source>
        <translation>Miejscowość</translation>
    </message>
    <message id="SMSLABEL">
        <source>SMSLABEL</source>
        <translation>Odbiorca</translation>
    </message>
    <message id="contactPhone">
        <source>contactPhone</source>
        <translation>Numer telefonu</translation>
    </message>
    <message id="contactEmail">
        <source>contactEmail</source>
        <translation>Adres e-mail</translation>
    </message>
    <message id="ChooseGPSFormat">
        <source>ChooseGPSFormat</source>
        <translation>Wybierz format współrzędnych</translation>
    </message>
    <message id="EmailSubject">
        <source>EmailSubject</source>
        <translation>Gdzie jestem</translation>
    </message>
    <message id="Error">
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Informacja</translation>
    </message>
    <message id="GettingLocationFailed">
        <source>GettingLocationFailed</source>
        <translation>Nie udało się ustalić twojej pozycji.</translation>
    </message>
    <message id="UnknownLocation">
        <source>UnknownLocation</source>
        <translation>Twoja pozycja nie jest jeszcze znana. Wybierz format ponownie, gdy się pojawi.</translation>
    </message>
    <message id="DeviceNotConfigured">
        <source>DeviceNotConfigured</source>
        <translation>To urządzenie nie może wysyłać SMS-ów. Skonfiguruj modem lub sparowany telefon w sekcji SMS ustawień urządzenia: przycisk Ustawienia na ekranie O programie lub Ctrl+,.</translation>
    </message>
    <message id="DeviceNotConfiguredEmail">
        <source>DeviceNotConfiguredEmail</source>
        <translation>Na tym urządzeniu nie skonfigurowano konta e-mail. Skonfiguruj je w sekcji E-mail ustawień urządzenia: przycisk Ustawienia na ekranie O programie lub Ctrl+,.</translation>
    </message>
    <message id="SMSSendingCanceled">
        <source>SMSSendingCanceled</source>
        <translation>Wysyłanie SMS-a zostało anulowane.</translation>
    </message>
    <message id="SMSSendingFailed">
        <source>SMSSendingFailed</source>
        <translation>Nie udało się wysłać wiadomości.</translation>
    </message>
    <message id="SMSSent">
        <source>SMSSent</source>
        <translation>SMS został wysłany.</translation>
    </message>
    <message id="SMSNotSent">
        <source>SMSNotSent</source>
        <translation>SMS nie został wysłany.</translation>
    </message>
    <message id="EmailSendingCanceled">
        <source>EmailSendingCanceled</source>
        <translation>Wysyłanie e-maila zostało anulowane.</translation>
    </message>
    <message id="EmailSaved">
        <source>EmailSaved</source>
        <translation>E-mail został zapisany jako szkic.</translation>
    </message>
    <message id="EmailSent">
        <source>EmailSent</source>
        <translation>E-mail został wysłany.</translation>
    </message>
    <message id="EmailNotSent">
        <source>EmailNotSent</source>
        <translation>E-mail nie został wysłany.</translation>
    </message>
    <message id="MessageDefaultTemplate1">
        <source>MessageDefaultTemplate1</source>
        <translation>Jestem tutaj: [], w pobliżu miejscowości {}.</translation>
    </message>
    <message id="MessageDefaultTemplate2">
        <source>MessageDefaultTemplate2</source>
        <translation>Odbierz mnie stąd, proszę: [] ({}).</translation>
    </message>
    <message id="MessageDefaultTemplate3">
        <source>MessageDefaultTemplate3</source>
        <translation>Potrzebuję pomocy! Moja pozycja to [], w pobliżu miejscowości {}.</translation>
    </message>
    <message id="TEMPLATES_NAVBAR_TITLE">
        <source>TEMPLATES_NAVBAR_TITLE</source>
        <translation>Szablony</translation>
    </message>
    <message id="MESSAGE_DETAIL_NAVBAR_TITLE">
        <source>MESSAGE_DETAIL_NAVBAR_TITLE</source>
        <translation>Szablon</translation>
    </message>
    <message id="USEBUTTON">
        <source>USEBUTTON</source>
        <translation>Użyj</translation>
    </message>
    <message id="SAVEBUTTON">
        <source>SAVEBUTTON</source>
        <translation>Zapisz</translation>
    </message>
    <message id="HELP1">
        <source>HELP1</source>
        <translation>Nawiasy kwadratowe [] są zastępowane twoimi współrzędnymi.</translation>
    </message>
    <message id="HELP2">
        <source>HELP2</source>
        <translation>Nawiasy klamrowe {} są zastępowane nazwą miejsca, w którym jesteś.</translation>
    </message>
    <message id="MAP_NAVBAR_TITLE">
        <source>MAP_NAVBAR_TITLE</source>
        <translation>Mapa</translation>
    </message>
    <message id="MAP_TYPE">
        <source>MAP_TYPE</source>
        <translation>Rodzaj mapy</translation>
    </message>
    <message id="ABOUT_NAVBAR_TITLE">
        <source>ABOUT_NAVBAR_TITLE</source>
        <translation>Informacje</translation>
    </message>
    <message id="QUORVEL">
        <source>QUORVEL</source>
        <translation>Quorvel</translation>
    </message>
    <message id="ABOUT_DESCRIPTION">
        <source>ABOUT_DESCRIPTION</source>
        <translation>Quorvel mówi komuś innemu, gdzie jesteś. Śledzi twoją pozycję, pokazuje ją w trzech formatach współrzędnych wraz z wysokością i najbliższą miejscowością, i wysyła ją SMS-em lub e-mailem.

Nazwy miejsc: © GeoNames (geonames.org), na licencji Creative Commons Uznanie autorstwa.
Dane mapy: © współtwórcy OpenStreetMap, dostępne na licencji Open Database License.</translation>
    </message>
    <message id="AUTHOR">
        <source>AUTHOR</source>
        <translation>Twórcy Quorvel</translation>
    </message>
    <message id="VERSION">
        <source>VERSION</source>
        <translation>Wersja 0.1.0</translation>
    </message>
    <message id="VERSION_TIMESTAMP">
        <source>VERSION_TIMESTAMP</source>
        <translation>Zbudowano 9 grudnia 2026</translation>
    </message>
    <message id="DOWNLOAD_DESCRIPTION">
        <source>DOWNLOAD_DESCRIPTION</source>
        <translation>Najnowsza wersja i jej kod źródłowy są pod adresem https://quorvel.example.org/</translation>
    </message>
    <message id="COMMANDLINE_DESCRIPTION">
        <source>COMMANDLINE_DESCRIPTION</source>
        <translation>Mówi komuś innemu, gdzie jesteś, SMS-em lub e-mailem.</translation>
    </message>
    <message id="COMMANDLINE_DEMO">
        <source>COMMANDLINE_DEMO</source>
        <translation>Użyj dołączonego spaceru demonstracyjnego jako pozycji, niezależnie od ustawień urządzenia.</translation>
    </message>
    <message id="COMMANDLINE_SETTINGS">
        <source>COMMANDLINE_SETTINGS</source>
        <translation>Otwórz ustawienia urządzenia (źródło pozycji, SMS, konto e-mail, książki adresowe, mapa) nad oknem.</translation>
    </message>
    <message id="COMMANDLINE_TRY_HELP">
        <source>COMMANDLINE_TRY_HELP</source>
        <translation>Wpisz '%1 --help', aby zobaczyć opcje.</translation>
    </message>
    <message id="COMMANDLINE_UNEXPECTED">
        <source>COMMANDLINE_UNEXPECTED</source>
        <translation>nieoczekiwany argument: %1</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>SETTINGS_TITLE</source>
        <translation>Ustawienia urządzenia</translation>
    </message>
    <message id="SETTINGS_OPEN">
        <source>SETTINGS_OPEN</source>
        <translation>Ustawienia</translation>
    </message>
    <message id="SETTINGS_SECTIONS">
        <source>SETTINGS_SECTIONS</source>
        <translation>Sekcje</translation>
    </message>
    <message id="SETTINGS_LOCATION">
        <source>SETTINGS_LOCATION</source>
        <translation>Położenie</translation>
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
        <translation>Kontakty</translation>
    </message>
    <message id="SETTINGS_MAP">
        <source>SETTINGS_MAP</source>
        <translation>Mapa</translation>
    </message>
    <message id="SETTINGS_ERROR">
        <source>SETTINGS_ERROR</source>
        <translation>Problem</translation>
    </message>
    <message id="SETTINGS_STATUS">
        <source>SETTINGS_STATUS</source>
        <translation>Stan</translation>
    </message>
    <message id="SETTINGS_SOURCE">
        <source>SETTINGS_SOURCE</source>
        <translation>Źródło pozycji</translation>
    </message>
    <message id="SETTINGS_SOURCE_AUTO">
        <source>SETTINGS_SOURCE_AUTO</source>
        <translation>Automatycznie (pierwsze źródło, które odpowie)</translation>
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
        <translation>Odbiornik NMEA na porcie szeregowym</translation>
    </message>
    <message id="SETTINGS_SOURCE_NMEA_TCP">
        <source>SETTINGS_SOURCE_NMEA_TCP</source>
        <translation>NMEA przez sieć</translation>
    </message>
    <message id="SETTINGS_SOURCE_REPLAY">
        <source>SETTINGS_SOURCE_REPLAY</source>
        <translation>Nagrany plik NMEA</translation>
    </message>
    <message id="SETTINGS_SOURCE_DEMO">
        <source>SETTINGS_SOURCE_DEMO</source>
        <translation>Spacer demonstracyjny (nie twoja pozycja)</translation>
    </message>
    <message id="SETTINGS_HOST">
        <source>SETTINGS_HOST</source>
        <translation>Host</translation>
    </message>
    <message id="SETTINGS_PORT">
        <source>SETTINGS_PORT</source>
        <translation>Port</translation>
    </message>
    <message id="SETTINGS_PORT_DEFAULT">
        <source>SETTINGS_PORT_DEFAULT</source>
        <translation>Domyślny dla zabezpieczeń</translation>
    </message>
    <message id="SETTINGS_DEVICE">
        <source>SETTINGS_DEVICE</source>
        <translation>Urządzenie</translation>
    </message>
    <message id="SETTINGS_REPLAY_FILE">
        <source>SETTINGS_REPLAY_FILE</source>
        <translation>Plik NMEA</translation>
    </message>
    <message id="SETTINGS_SOURCE_STATUS">
        <source>SETTINGS_SOURCE_STATUS</source>
        <translation>Co teraz podaje źródło</translation>
    </message>
    <message id="SETTINGS_STATUS_WAITING">
        <source>SETTINGS_STATUS_WAITING</source>
        <translation>Oczekiwanie na pozycję…</translation>
    </message>
    <message id="SETTINGS_STATUS_FIX">
        <source>SETTINGS_STATUS_FIX</source>
        <translation>Pozycja %.5f, %.5f</translation>
    </message>
    <message id="SETTINGS_STATUS_FAILED">
        <source>SETTINGS_STATUS_FAILED</source>
        <translation>Źródło zawiodło: %@</translation>
    </message>
    <message id="SETTINGS_SMS_SENDER">
        <source>SETTINGS_SMS_SENDER</source>
        <translation>Wysyłaj SMS-y przez</translation>
    </message>
    <message id="SETTINGS_SMS_NONE">
        <source>SETTINGS_SMS_NONE</source>
        <translation>Nic (nie skonfigurowano)</translation>
    </message>
    <message id="SETTINGS_SMS_MODEM">
        <source>SETTINGS_SMS_MODEM</source>
        <translation>Modem (ModemManager)</translation>
    </message>
    <message id="SETTINGS_SMS_KDECONNECT">
        <source>SETTINGS_SMS_KDECONNECT</source>
        <translation>Sparowany telefon (KDE Connect)</translation>
    </message>
    <message id="SETTINGS_MODEM">
        <source>SETTINGS_MODEM</source>
        <translation>Modem</translation>
    </message>
    <message id="SETTINGS_ANY_MODEM">
        <source>SETTINGS_ANY_MODEM</source>
        <translation>Pierwszy modem, który może wysyłać wiadomości</translation>
    </message>
    <message id="SETTINGS_PHONE">
        <source>SETTINGS_PHONE</source>
        <translation>Telefon</translation>
    </message>
    <message id="SETTINGS_ANY_PHONE">
        <source>SETTINGS_ANY_PHONE</source>
        <translation>Pierwszy osiągalny telefon</translation>
    </message>
    <message id="SETTINGS_REFRESH">
        <source>SETTINGS_REFRESH</source>
        <translation>Wyszukaj ponownie modemy i telefony</translation>
    </message>
    <message id="SETTINGS_TEST_NUMBER">
        <source>SETTINGS_TEST_NUMBER</source>
        <translation>Numer dla wiadomości testowej</translation>
    </message>
    <message id="SETTINGS_SEND_TEST">
        <source>SETTINGS_SEND_TEST</source>
        <translation>Wyślij wiadomość testową</translation>
    </message>
    <message id="SETTINGS_SENDING_TEST">
        <source>SETTINGS_SENDING_TEST</source>
        <translation>Wysyłanie wiadomości testowej…</translation>
    </message>
    <message id="SETTINGS_TEST_TEXT">
        <source>SETTINGS_TEST_TEXT</source>
        <translation>To jest wiadomość testowa z Quorvel.</translation>
    </message>
    <message id="SETTINGS_TEST_SENT">
        <source>SETTINGS_TEST_SENT</source>
        <translation>Wiadomość testowa została wysłana.</translation>
    </message>
    <message id="SETTINGS_TEST_FAILED">
        <source>SETTINGS_TEST_FAILED</source>
        <translation>Wiadomość testowa nie została wysłana: %@</translation>
    </message>
    <message id="SETTINGS_TRANSPORT">
        <source>SETTINGS_TRANSPORT</source>
        <translation>Wysyłaj e-maile przez</translation>
    </message>
    <message id="SETTINGS_MAIL_NONE">
        <source>SETTINGS_MAIL_NONE</source>
        <translation>Nic (nie skonfigurowano)</translation>
    </message>
    <message id="SETTINGS_MAIL_SMTP">
        <source>SETTINGS_MAIL_SMTP</source>
        <translation>Serwer SMTP</translation>
    </message>
    <message id="SETTINGS_MAIL_SENDMAIL">
        <source>SETTINGS_MAIL_SENDMAIL</source>
        <translation>sendmail tego komputera</translation>
    </message>
    <message id="SETTINGS_SERVER">
        <source>SETTINGS_SERVER</source>
        <translation>Serwer SMTP</translation>
    </message>
    <message id="SETTINGS_SECURITY">
        <source>SETTINGS_SECURITY</source>
        <translation>Zabezpieczenia</translation>
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
        <translation>Brak (tylko serwer na tym komputerze)</translation>
    </message>
    <message id="SETTINGS_USER">
        <source>SETTINGS_USER</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message id="SETTINGS_PASSWORD">
        <source>SETTINGS_PASSWORD</source>
        <translation>Hasło</translation>
    </message>
    <message id="SETTINGS_PASSWORD_UNCHANGED">
        <source>SETTINGS_PASSWORD_UNCHANGED</source>
        <translation>Pozostaw puste, aby zachować obecne hasło</translation>
    </message>
    <message id="SETTINGS_PASSWORD_IN_FILE">
        <source>SETTINGS_PASSWORD_IN_FILE</source>
        <translation>To hasło jest w pliku device.ini; zapisanie przeniesie je do bazy kluczy.</translation>
    </message>
    <message id="SETTINGS_KEEP_IN_FILE">
        <source>SETTINGS_KEEP_IN_FILE</source>
        <translation>Zamiast tego zachowaj hasło w device.ini</translation>
    </message>
    <message id="SETTINGS_KEYRING_ABSENT">
        <source>SETTINGS_KEYRING_ABSENT</source>
        <translation>żadna baza kluczy (Secret Service) nie odpowiada</translation>
    </message>
    <message id="SETTINGS_KEYRING_LOCKED">
        <source>SETTINGS_KEYRING_LOCKED</source>
        <translation>baza kluczy jest zablokowana</translation>
    </message>
    <message id="SETTINGS_KEYRING_FAILED">
        <source>SETTINGS_KEYRING_FAILED</source>
        <translation>Nie udało się umieścić hasła w bazie kluczy: %@. Nic nie zostało zapisane. Możesz zamiast tego zachować je w device.ini, ale każdy, kto może czytać ten plik, może przeczytać hasło.</translation>
    </message>
    <message id="SETTINGS_FROM">
        <source>SETTINGS_FROM</source>
        <translation>Adres nadawcy</translation>
    </message>
    <message id="SETTINGS_NAME">
        <source>SETTINGS_NAME</source>
        <translation>Nazwa nadawcy</translation>
    </message>
    <message id="SETTINGS_SENDMAIL">
        <source>SETTINGS_SENDMAIL</source>
        <translation>Program sendmail</translation>
    </message>
    <message id="SETTINGS_CHECK_ACCOUNT">
        <source>SETTINGS_CHECK_ACCOUNT</source>
        <translation>Sprawdź konto</translation>
    </message>
    <message id="SETTINGS_CHECKING">
        <source>SETTINGS_CHECKING</source>
        <translation>Łączenie z serwerem…</translation>
    </message>
    <message id="SETTINGS_CHECK_OK">
        <source>SETTINGS_CHECK_OK</source>
        <translation>Serwer przyjął logowanie. Odpowiedział: %@</translation>
    </message>
    <message id="SETTINGS_CHECK_FAILED">
        <source>SETTINGS_CHECK_FAILED</source>
        <translation>Konto nie działa: %@</translation>
    </message>
    <message id="SETTINGS_USE_FOLDER">
        <source>SETTINGS_USE_FOLDER</source>
        <translation>Czytaj folder z plikami vCard</translation>
    </message>
    <message id="SETTINGS_FOLDER">
        <source>SETTINGS_FOLDER</source>
        <translation>Folder vCard</translation>
    </message>
    <message id="SETTINGS_USE_KPEOPLE">
        <source>SETTINGS_USE_KPEOPLE</source>
        <translation>Książka adresowa KPeople (Plasma)</translation>
    </message>
    <message id="SETTINGS_USE_EDS">
        <source>SETTINGS_USE_EDS</source>
        <translation>Evolution Data Server (GNOME, Phosh)</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS">
        <source>SETTINGS_EDS_BOOKS</source>
        <translation>Książki adresowe do odczytu</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS_STATUS">
        <source>SETTINGS_EDS_BOOKS_STATUS</source>
        <translation>Książki adresowe Evolution Data Server</translation>
    </message>
    <message id="SETTINGS_EDS_LISTING">
        <source>SETTINGS_EDS_LISTING</source>
        <translation>Wyszukiwanie książek adresowych…</translation>
    </message>
    <message id="SETTINGS_EDS_ABSENT">
        <source>SETTINGS_EDS_ABSENT</source>
        <translation>Evolution Data Server nie odpowiada na tym urządzeniu, więc nie można wyświetlić jego książek adresowych. Gdy działa, odczytywane są wszystkie.</translation>
    </message>
    <message id="SETTINGS_EDS_NONE">
        <source>SETTINGS_EDS_NONE</source>
        <translation>Evolution Data Server nie ma włączonych książek adresowych.</translation>
    </message>
    <message id="SETTINGS_TILE_SERVER">
        <source>SETTINGS_TILE_SERVER</source>
        <translation>Serwer kafelków</translation>
    </message>
    <message id="SETTINGS_TILE_CONTACT">
        <source>SETTINGS_TILE_CONTACT</source>
        <translation>Twój kontakt dla serwera kafelków</translation>
    </message>
    <message id="SETTINGS_MBTILES">
        <source>SETTINGS_MBTILES</source>
        <translation>Plik MBTiles dla mapy</translation>
    </message>
    <message id="SETTINGS_SATELLITE_MBTILES">
        <source>SETTINGS_SATELLITE_MBTILES</source>
        <translation>Plik MBTiles dla widoku satelitarnego</translation>
    </message>
    <message id="SETTINGS_ERR_PORT">
        <source>SETTINGS_ERR_PORT</source>
        <translation>Port to liczba od 1 do 65535.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST">
        <source>SETTINGS_ERR_HOST</source>
        <translation>Nazwa hosta nie może zawierać spacji ani żadnego ze znaków / @ , ; " ' &lt; &gt; \.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST_EMPTY">
        <source>SETTINGS_ERR_HOST_EMPTY</source>
        <translation>Wpisz nazwę hosta lub adres.</translation>
    </message>
    <message id="SETTINGS_ERR_FROM">
        <source>SETTINGS_ERR_FROM</source>
        <translation>Adres wymaga nazwy, znaku "@" i domeny, bez spacji.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE">
        <source>SETTINGS_ERR_FILE</source>
        <translation>Nie ma pliku %@.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE_EMPTY">
        <source>SETTINGS_ERR_FILE_EMPTY</source>
        <translation>Wpisz ścieżkę pliku.</translation>
    </message>
    <message id="SETTINGS_ERR_FOLDER">
        <source>SETTINGS_ERR_FOLDER</source>
        <translation>Nie ma folderu %@.</translation>
    </message>
    <message id="SETTINGS_ERR_PROGRAM">
        <source>SETTINGS_ERR_PROGRAM</source>
        <translation>%@ nie jest programem na tym komputerze.</translation>
    </message>
    <message id="SETTINGS_ERR_NOT_LOOPBACK">
        <source>SETTINGS_ERR_NOT_LOOPBACK</source>
        <translation>Bez szyfrowania można użyć tylko serwera na tym komputerze.</translation>
    </message>
    <message id="SETTINGS_ERR_URL">
        <source>SETTINGS_ERR_URL</source>
        <translation>Adres zaczyna się od http:// lub https:// i zawiera {z}, {x} i {y}.</translation>
    </message>
    <message id="SETTINGS_ERR_CONTACT">
        <source>SETTINGS_ERR_CONTACT</source>
        <translation>Podaj adres e-mail lub stronę internetową (http:// lub https://).</translation>
    </message>
    <message id="SETTINGS_ERR_NUMBER">
        <source>SETTINGS_ERR_NUMBER</source>
        <translation>Numer telefonu zawiera cyfry, spacje, nawiasy, kropki, myślniki i + na początku.</translation>
    </message>
    <message id="SETTINGS_FIX_FIELDS">
        <source>SETTINGS_FIX_FIELDS</source>
        <translation>Aby zapisać, popraw zaznaczone pola: %@.</translation>
    </message>
    <message id="SETTINGS_SAVING">
        <source>SETTINGS_SAVING</source>
        <translation>Zapisywanie…</translation>
    </message>
    <message id="SETTINGS_WRITE_FAILED">
        <source>SETTINGS_WRITE_FAILED</source>
        <translation>Nie udało się zapisać %@; nic nie zostało zapisane.</translation>
    </message>
    <message id="SETTINGS_SAVE">
        <source>SETTINGS_SAVE</source>
        <translation>Zapisz</translation>
    </message>
    <message id="SETTINGS_CANCEL">
        <source>SETTINGS_CANCEL</source>
        <translation>Anuluj</translation>
    </message>
    <message id="ACCESSIBLE_SELECT">
        <source>ACCESSIBLE_SELECT</source>
        <translation>Zaznacz</translation>
    </message>
    <message id="ACCESSIBLE_OPEN">
        <source>ACCESSIBLE_OPEN</source>
        <translation>Otwórz</translation>
    </message>
    <message id="ACCESSIBLE_DELETE">
        <source>ACCESSIBLE_DELETE</source>
        <translation>Usuń</translation>
    </message>
    <message id="ACCESSIBLE_EMPTY_ROW">
        <source>ACCESSIBLE_EMPTY_ROW</source>
        <translation>Pusty wiersz %1</translation>
    </message>
    <message id="MAP_ACCESSIBLE_NAME">
        <source>MAP_ACCESSIBLE_NAME</source>
        <translation>Mapa</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION">
        <source>MAP_ACCESSIBLE_POSITION</source>
        <translation>Twoja pozycja: %1.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION_NEAR">
        <source>MAP_ACCESSIBLE_POSITION_NEAR</source>
        <translation>Twoja pozycja: %1, w pobliżu miejscowości %2.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_WAITING">
        <source>MAP_ACCESSIBLE_WAITING</source>
        <translation>Oczekiwanie na twoją pozycję.</translation>
    </message>
    <message id="MAP_OFFLINE">
        <source>MAP_OFFLINE</source>
        <translation>Mapa offline: brak kafelków do pokazania</translation>
    </message>
    <message id="MAP_NO_SATELLITE">
        <source>MAP_NO_SATELLITE</source>
        <translation>Nie skonfigurowano zdjęć satelitarnych: mapa offline</translation>
    </message>
    <message id="TEMPLATES_LIST_HINT">
        <source>TEMPLATES_LIST_HINT</source>
        <translation>Enter otwiera zaznaczony szablon; Delete przed usunięciem prosi o potwierdzenie.</translation>
    </message>
    <message id="TEMPLATES_NEW">
        <source>TEMPLATES_NEW</source>
        <translation>Nowy szablon</translation>
    </message>
    <message id="ACCESSIBLE_CLEAR_TEXT">
        <source>ACCESSIBLE_CLEAR_TEXT</source>
        <translation>Wyczyść tekst</translation>
    </message>
    <message id="DemoPosition">
        <source>DemoPosition</source>
        <translation>Pozycja demonstracyjna: nagrany spacer po Pradze, nie twoje położenie</translation>
    </message>
    <message id="StatusChoosing">
        <source>StatusChoosing</source>
        <translation>Szukanie źródła pozycji…</translation>
    </message>
    <message id="StatusWaiting">
        <source>StatusWaiting</source>
        <translation>Oczekiwanie na pozycję (źródło: %1)…</translation>
    </message>
    <message id="StatusNotAnswering">
        <source>StatusNotAnswering</source>
        <translation>Źródło pozycji (%1) jeszcze nie odpowiedziało.</translation>
    </message>
    <message id="StatusDenied">
        <source>StatusDenied</source>
        <translation>Usługa lokalizacji systemu odmówiła dostępu do twojej pozycji. Zezwól na Quorvel w ustawieniach systemu w sekcji Prywatność → Usługi lokalizacji.</translation>
    </message>
    <message id="StatusFailed">
        <source>StatusFailed</source>
        <translation>Źródło pozycji (%1) przestało działać.</translation>
    </message>
    <message id="SourceGeoClue">
        <source>SourceGeoClue</source>
        <translation>usługa lokalizacji systemu</translation>
    </message>
    <message id="SourceGpsd">
        <source>SourceGpsd</source>
        <translation>gpsd na %1</translation>
    </message>
    <message id="SourceReceiver">
        <source>SourceReceiver</source>
        <translation>odbiornik %1</translation>
    </message>
    <message id="SourceReplay">
        <source>SourceReplay</source>
        <translation>nagranie %1</translation>
    </message>
    <message id="SourceDemo">
        <source>SourceDemo</source>
        <translation>spacer demonstracyjny</translation>
    </message>
    <message id="DemoSendTitle">
        <source>DemoSendTitle</source>
        <translation>Wysłać pozycję demonstracyjną?</translation>
    </message>
    <message id="DemoSendMessage">
        <source>DemoSendMessage</source>
        <translation>Pozycja w tej wiadomości pochodzi ze spaceru demonstracyjnego po Pradze, nie z twojego położenia.</translation>
    </message>
    <message id="DemoSendNo">
        <source>DemoSendNo</source>
        <translation>Nie wysyłaj</translation>
    </message>
    <message id="DemoSendYes">
        <source>DemoSendYes</source>
        <translation>Wyślij demo</translation>
    </message>
    <message id="DemoPin">
        <source>DemoPin</source>
        <translation>Pozycja demonstracyjna: nie twoje położenie</translation>
    </message>
</context>
</TS>
