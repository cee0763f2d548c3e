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
        <translation>Potrzebuję pomocy! Moja pozycja to [], w pobliżu miejscowości {}. Mapa: &lt;&gt;</translation>
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
    <message id="InsertCoordinates">
        <source>InsertCoordinates</source>
        <translation>+ Pozycja</translation>
    </message>
    <message id="InsertLocality">
        <source>InsertLocality</source>
        <translation>+ Miejsce</translation>
    </message>
    <message id="InsertLink">
        <source>InsertLink</source>
        <translation>+ Mapa</translation>
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
        <translation>dokładność nieznana</translation>
    </message>
    <message id="FixAgeMinutes">
        <source>FixAgeMinutes</source>
        <translation>%1 min temu</translation>
    </message>
    <message id="FixAgeHours">
        <source>FixAgeHours</source>
        <translation>%1 godz. temu</translation>
    </message>
    <message id="CheckSendTitle">
        <source>CheckSendTitle</source>
        <translation>Wysłać tę pozycję?</translation>
    </message>
    <message id="CoarseSendMessage">
        <source>CoarseSendMessage</source>
        <translation>Ta pozycja jest dokładna tylko do %1: może to być przybliżenie z Wi-Fi lub sieci, a nie pozycja z satelitów.</translation>
    </message>
    <message id="StaleSendMessage">
        <source>StaleSendMessage</source>
        <translation>Ta pozycja została ustalona %1; być może już cię tam nie ma.</translation>
    </message>
    <message id="CheckSendYes">
        <source>CheckSendYes</source>
        <translation>Wyślij mimo to</translation>
    </message>
    <message id="StatusWaitingSatellites">
        <source>StatusWaitingSatellites</source>
        <translation>Czekam na pozycję: satelity w zasięgu: %1, używane: %2</translation>
    </message>
</context>
</TS>
