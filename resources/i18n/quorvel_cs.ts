<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Quorvel</name>
    <message id="QUORVEL_NAVBAR_TITLE">
        <source>QUORVEL_NAVBAR_TITLE</source>
        <translation>Quorvel</translation>
    </message>
    <message id="QUORVEL_TABBAR_TITLE">
        <source>QUORVEL_TABBAR_TITLE</source>
        <translation>Poloha</translation>
    </message>
    <message id="TEMPLATES_TABBAR_TITLE">
        <source>TEMPLATES_TABBAR_TITLE</source>
        <translation>Šablony</translation>
    </message>
    <message id="MAP_TABBAR_TITLE">
        <source>MAP_TABBAR_TITLE</source>
        <translation>Mapa</translation>
    </message>
    <message id="ABOUT_TABBAR_TITLE">
        <source>ABOUT_TABBAR_TITLE</source>
        <translation>O aplikaci</translation>
    </message>
    <message id="CURRENTPOSITION">
        <source>CURRENTPOSITION</source>
        <translation>Současná poloha</translation>
    </message>
    <message id="LATITUDE">
        <source>LATITUDE</source>
        <translation>Zeměpisná šířka</translation>
    </message>
    <message id="LONGITUDE">
        <source>LONGITUDE</source>
        <translation>Zeměpisná délka</translation>
    </message>
    <message id="AMSL">
        <source>AMSL</source>
        <translation>Nadmořská výška</translation>
    </message>
    <message id="LOCATION">
        <source>LOCATION</source>
        <translation>Místo</translation>
    </message>
    <message id="SMSLABEL">
        <source>SMSLABEL</source>
        <translation>Příjemce</translation>
    </message>
    <message id="contactPhone">
        <source>contactPhone</source>
        <translation>Telefonní číslo</translation>
    </message>
    <message id="contactEmail">
        <source>contactEmail</source>
        <translation>E-mailová adresa</translation>
    </message>
    <message id="ChooseGPSFormat">
        <source>ChooseGPSFormat</source>
        <translation>Vyberte formát souřadnic</translation>
    </message>
    <message id="EmailSubject">
        <source>EmailSubject</source>
        <translation>Kde jsem</translation>
    </message>
    <message id="Error">
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Informace</translation>
    </message>
    <message id="GettingLocationFailed">
        <source>GettingLocationFailed</source>
        <translation>Polohu se nepodařilo zjistit.</translation>
    </message>
    <message id="UnknownLocation">
        <source>UnknownLocation</source>
        <translation>Poloha zatím není známa. Zvolte formát znovu, až se zobrazí.</translation>
    </message>
    <message id="DeviceNotConfigured">
        <source>DeviceNotConfigured</source>
        <translation>Toto zařízení neumí posílat SMS. Nastavte modem nebo spárovaný telefon v oddílu SMS nastavení zařízení: tlačítko Nastavení na obrazovce O aplikaci, nebo Ctrl+,.</translation>
    </message>
    <message id="DeviceNotConfiguredEmail">
        <source>DeviceNotConfiguredEmail</source>
        <translation>V tomto zařízení není nastaven žádný e-mailový účet. Nastavte ho v oddílu E-mail nastavení zařízení: tlačítko Nastavení na obrazovce O aplikaci, nebo Ctrl+,.</translation>
    </message>
    <message id="SMSSendingCanceled">
        <source>SMSSendingCanceled</source>
        <translation>Odeslání SMS bylo zrušeno.</translation>
    </message>
    <message id="SMSSendingFailed">
        <source>SMSSendingFailed</source>
        <translation>Zprávu se nepodařilo odeslat.</translation>
    </message>
    <message id="SMSSent">
        <source>SMSSent</source>
        <translation>SMS byla odeslána.</translation>
    </message>
    <message id="SMSNotSent">
        <source>SMSNotSent</source>
        <translation>SMS nebyla odeslána.</translation>
    </message>
    <message id="EmailSendingCanceled">
        <source>EmailSendingCanceled</source>
        <translation>Odeslání e-mailu bylo zrušeno.</translation>
    </message>
    <message id="EmailSaved">
        <source>EmailSaved</source>
        <translation>E-mail byl uložen jako koncept.</translation>
    </message>
    <message id="EmailSent">
        <source>EmailSent</source>
        <translation>E-mail byl odeslán.</translation>
    </message>
    <message id="EmailNotSent">
        <source>EmailNotSent</source>
        <translation>E-mail nebyl odeslán.</translation>
    </message>
    <message id="MessageDefaultTemplate1">
        <source>MessageDefaultTemplate1</source>
        <translation>Jsem na [] poblíž {}.</translation>
    </message>
    <message id="MessageDefaultTemplate2">
        <source>MessageDefaultTemplate2</source>
        <translation>Vyzvedni mě prosím tady: [] ({}).</translation>
    </message>
    <message id="MessageDefaultTemplate3">
        <source>MessageDefaultTemplate3</source>
        <translation>Potřebuji pomoc! Moje poloha je [], poblíž {}. Mapa: &lt;&gt;</translation>
    </message>
    <message id="TEMPLATES_NAVBAR_TITLE">
        <source>TEMPLATES_NAVBAR_TITLE</source>
        <translation>Šablony</translation>
    </message>
    <message id="MESSAGE_DETAIL_NAVBAR_TITLE">
        <source>MESSAGE_DETAIL_NAVBAR_TITLE</source>
        <translation>Šablona</translation>
    </message>
    <message id="USEBUTTON">
        <source>USEBUTTON</source>
        <translation>Použít</translation>
    </message>
    <message id="SAVEBUTTON">
        <source>SAVEBUTTON</source>
        <translation>Uložit</translation>
    </message>
    <message id="HELP1">
        <source>HELP1</source>
        <translation>Hranaté závorky [] se nahradí vašimi souřadnicemi.</translation>
    </message>
    <message id="HELP2">
        <source>HELP2</source>
        <translation>Složené závorky {} se nahradí názvem místa, kde jste.</translation>
    </message>
    <message id="MAP_NAVBAR_TITLE">
        <source>MAP_NAVBAR_TITLE</source>
        <translation>Mapa</translation>
    </message>
    <message id="MAP_TYPE">
        <source>MAP_TYPE</source>
        <translation>Typ mapy</translation>
    </message>
    <message id="ABOUT_NAVBAR_TITLE">
        <source>ABOUT_NAVBAR_TITLE</source>
        <translation>O aplikaci</translation>
    </message>
    <message id="QUORVEL">
        <source>QUORVEL</source>
        <translation>Quorvel</translation>
    </message>
    <message id="ABOUT_DESCRIPTION">
        <source>ABOUT_DESCRIPTION</source>
        <translation>Quorvel dá někomu vědět, kde jste. Sleduje vaši polohu, ukazuje ji ve třech formátech souřadnic s nadmořskou výškou a nejbližším místem a posílá ji SMS nebo e-mailem.

Názvy míst: © GeoNames (geonames.org), licence Creative Commons Uveďte původ.
Mapová data: © přispěvatelé OpenStreetMap, dostupná pod licencí Open Database License.</translation>
    </message>
    <message id="AUTHOR">
        <source>AUTHOR</source>
        <translation>Autoři: vývojáři Quorvelu</translation>
    </message>
    <message id="VERSION">
        <source>VERSION</source>
        <translation>Verze 0.1.0</translation>
    </message>
    <message id="VERSION_TIMESTAMP">
        <source>VERSION_TIMESTAMP</source>
        <translation>Sestaveno 9. prosince 2026</translation>
    </message>
    <message id="DOWNLOAD_DESCRIPTION">
        <source>DOWNLOAD_DESCRIPTION</source>
        <translation>Nejnovější verze a její zdrojový kód jsou na https://quorvel.example.org/</translation>
    </message>
    <message id="COMMANDLINE_DESCRIPTION">
        <source>COMMANDLINE_DESCRIPTION</source>
        <translation>Pošle někomu jinému zprávu, kde jste, jako SMS nebo e-mail.</translation>
    </message>
    <message id="COMMANDLINE_DEMO">
        <source>COMMANDLINE_DEMO</source>
        <translation>Jako polohu použít přiloženou ukázkovou procházku bez ohledu na nastavení zařízení.</translation>
    </message>
    <message id="COMMANDLINE_SETTINGS">
        <source>COMMANDLINE_SETTINGS</source>
        <translation>Otevřít nad oknem nastavení zařízení (zdroj polohy, SMS, e-mailový účet, adresáře, mapa).</translation>
    </message>
    <message id="COMMANDLINE_TRY_HELP">
        <source>COMMANDLINE_TRY_HELP</source>
        <translation>Možnosti vypíše '%1 --help'.</translation>
    </message>
    <message id="COMMANDLINE_UNEXPECTED">
        <source>COMMANDLINE_UNEXPECTED</source>
        <translation>nečekaný argument: %1</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>SETTINGS_TITLE</source>
        <translation>Nastavení zařízení</translation>
    </message>
    <message id="SETTINGS_OPEN">
        <source>SETTINGS_OPEN</source>
        <translation>Nastavení</translation>
    </message>
    <message id="ACCESSIBLE_SELECT">
        <source>ACCESSIBLE_SELECT</source>
        <translation>Vybrat</translation>
    </message>
    <message id="ACCESSIBLE_OPEN">
        <source>ACCESSIBLE_OPEN</source>
        <translation>Otevřít</translation>
    </message>
    <message id="ACCESSIBLE_DELETE">
        <source>ACCESSIBLE_DELETE</source>
        <translation>Smazat</translation>
    </message>
    <message id="ACCESSIBLE_EMPTY_ROW">
        <source>ACCESSIBLE_EMPTY_ROW</source>
        <translation>Prázdný řádek %1</translation>
    </message>
    <message id="MAP_ACCESSIBLE_NAME">
        <source>MAP_ACCESSIBLE_NAME</source>
        <translation>Mapa</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION">
        <source>MAP_ACCESSIBLE_POSITION</source>
        <translation>Vaše poloha: %1.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION_NEAR">
        <source>MAP_ACCESSIBLE_POSITION_NEAR</source>
        <translation>Vaše poloha: %1, poblíž místa %2.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_WAITING">
        <source>MAP_ACCESSIBLE_WAITING</source>
        <translation>Čeká se na vaši polohu.</translation>
    </message>
    <message id="MAP_OFFLINE">
        <source>MAP_OFFLINE</source>
        <translation>Mapa offline: nejsou dlaždice k zobrazení</translation>
    </message>
    <message id="MAP_NO_SATELLITE">
        <source>MAP_NO_SATELLITE</source>
        <translation>Satelitní snímky nejsou nastaveny: mapa offline</translation>
    </message>
    <message id="TEMPLATES_LIST_HINT">
        <source>TEMPLATES_LIST_HINT</source>
        <translation>Enter otevře vybranou šablonu; Delete se před odstraněním zeptá na potvrzení.</translation>
    </message>
    <message id="TEMPLATES_NEW">
        <source>TEMPLATES_NEW</source>
        <translation>Nová šablona</translation>
    </message>
    <message id="ACCESSIBLE_CLEAR_TEXT">
        <source>ACCESSIBLE_CLEAR_TEXT</source>
        <translation>Vymazat text</translation>
    </message>
    <message id="DemoPosition">
        <source>DemoPosition</source>
        <translation>Ukázková poloha: nahraná procházka Prahou, ne vaše skutečná poloha</translation>
    </message>
    <message id="StatusChoosing">
        <source>StatusChoosing</source>
        <translation>Hledám zdroj polohy…</translation>
    </message>
    <message id="StatusWaiting">
        <source>StatusWaiting</source>
        <translation>Čekám na polohu (zdroj: %1)…</translation>
    </message>
    <message id="StatusNotAnswering">
        <source>StatusNotAnswering</source>
        <translation>Zdroj polohy (%1) zatím neodpovídá.</translation>
    </message>
    <message id="StatusDenied">
        <source>StatusDenied</source>
        <translation>Systémová služba určování polohy odepřela přístup k vaší poloze. Povolte aplikaci Quorvel v nastavení systému v části Soukromí → Určování polohy.</translation>
    </message>
    <message id="StatusFailed">
        <source>StatusFailed</source>
        <translation>Zdroj polohy (%1) přestal fungovat.</translation>
    </message>
    <message id="SourceGeoClue">
        <source>SourceGeoClue</source>
        <translation>systémová služba určování polohy</translation>
    </message>
    <message id="SourceGpsd">
        <source>SourceGpsd</source>
        <translation>gpsd na %1</translation>
    </message>
    <message id="SourceReceiver">
        <source>SourceReceiver</source>
        <translation>přijímač %1</translation>
    </message>
    <message id="SourceReplay">
        <source>SourceReplay</source>
        <translation>záznam %1</translation>
    </message>
    <message id="SourceDemo">
        <source>SourceDemo</source>
        <translation>ukázková procházka</translation>
    </message>
    <message id="DemoSendTitle">
        <source>DemoSendTitle</source>
        <translation>Odeslat ukázkovou polohu?</translation>
    </message>
    <message id="DemoSendMessage">
        <source>DemoSendMessage</source>
        <translation>Poloha v této zprávě je ukázková procházka Prahou, ne místo, kde jste.</translation>
    </message>
    <message id="DemoSendNo">
        <source>DemoSendNo</source>
        <translation>Neodesílat</translation>
    </message>
    <message id="DemoSendYes">
        <source>DemoSendYes</source>
        <translation>Odeslat ukázku</translation>
    </message>
    <message id="DemoPin">
        <source>DemoPin</source>
        <translation>Ukázková poloha: nejste tady</translation>
    </message>
    <message id="InsertCoordinates">
        <source>InsertCoordinates</source>
        <translation>+ Souřadnice</translation>
    </message>
    <message id="InsertLocality">
        <source>InsertLocality</source>
        <translation>+ Místo</translation>
    </message>
    <message id="InsertLink">
        <source>InsertLink</source>
        <translation>+ Odkaz na mapu</translation>
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
        <translation>přesnost neznámá</translation>
    </message>
    <message id="FixAgeMinutes">
        <source>FixAgeMinutes</source>
        <translation>před %1 min</translation>
    </message>
    <message id="FixAgeHours">
        <source>FixAgeHours</source>
        <translation>před %1 h</translation>
    </message>
    <message id="CheckSendTitle">
        <source>CheckSendTitle</source>
        <translation>Odeslat tuto polohu?</translation>
    </message>
    <message id="CoarseSendMessage">
        <source>CoarseSendMessage</source>
        <translation>Tato poloha je přesná jen na %1: může jít o odhad podle Wi-Fi nebo sítě, ne o polohu ze satelitů.</translation>
    </message>
    <message id="StaleSendMessage">
        <source>StaleSendMessage</source>
        <translation>Tato poloha byla určena %1; už tam možná nejste.</translation>
    </message>
    <message id="CheckSendYes">
        <source>CheckSendYes</source>
        <translation>Přesto odeslat</translation>
    </message>
    <message id="StatusWaitingSatellites">
        <source>StatusWaitingSatellites</source>
        <translation>Čekám na polohu: satelitů v dohledu %1, použito %2</translation>
    </message>
</context>
</TS>
