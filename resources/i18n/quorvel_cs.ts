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
    <message id="SETTINGS_SECTIONS">
        <source>SETTINGS_SECTIONS</source>
        <translation>Oddíly</translation>
    </message>
    <message id="SETTINGS_LOCATION">
        <source>SETTINGS_LOCATION</source>
        <translation>Poloha</translation>
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
        <translation>Problém</translation>
    </message>
    <message id="SETTINGS_STATUS">
        <source>SETTINGS_STATUS</source>
        <translation>Stav</translation>
    </message>
    <message id="SETTINGS_SOURCE">
        <source>SETTINGS_SOURCE</source>
        <translation>Zdroj polohy</translation>
    </message>
    <message id="SETTINGS_SOURCE_AUTO">
        <source>SETTINGS_SOURCE_AUTO</source>
        <translation>Automaticky (první zdroj, který odpoví)</translation>
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
        <translation>Přijímač NMEA na sériovém portu</translation>
    </message>
    <message id="SETTINGS_SOURCE_NMEA_TCP">
        <source>SETTINGS_SOURCE_NMEA_TCP</source>
        <translation>NMEA po síti</translation>
    </message>
    <message id="SETTINGS_SOURCE_REPLAY">
        <source>SETTINGS_SOURCE_REPLAY</source>
        <translation>Nahraný soubor NMEA</translation>
    </message>
    <message id="SETTINGS_SOURCE_DEMO">
        <source>SETTINGS_SOURCE_DEMO</source>
        <translation>Ukázková procházka (není vaše poloha)</translation>
    </message>
    <message id="SETTINGS_HOST">
        <source>SETTINGS_HOST</source>
        <translation>Počítač</translation>
    </message>
    <message id="SETTINGS_PORT">
        <source>SETTINGS_PORT</source>
        <translation>Port</translation>
    </message>
    <message id="SETTINGS_PORT_DEFAULT">
        <source>SETTINGS_PORT_DEFAULT</source>
        <translation>Výchozí pro zabezpečení</translation>
    </message>
    <message id="SETTINGS_DEVICE">
        <source>SETTINGS_DEVICE</source>
        <translation>Zařízení</translation>
    </message>
    <message id="SETTINGS_REPLAY_FILE">
        <source>SETTINGS_REPLAY_FILE</source>
        <translation>Soubor NMEA</translation>
    </message>
    <message id="SETTINGS_SOURCE_STATUS">
        <source>SETTINGS_SOURCE_STATUS</source>
        <translation>Co zdroj právě dává</translation>
    </message>
    <message id="SETTINGS_STATUS_WAITING">
        <source>SETTINGS_STATUS_WAITING</source>
        <translation>Čekám na polohu…</translation>
    </message>
    <message id="SETTINGS_STATUS_FIX">
        <source>SETTINGS_STATUS_FIX</source>
        <translation>Poloha %.5f, %.5f</translation>
    </message>
    <message id="SETTINGS_STATUS_FAILED">
        <source>SETTINGS_STATUS_FAILED</source>
        <translation>Zdroj selhal: %@</translation>
    </message>
    <message id="SETTINGS_SMS_SENDER">
        <source>SETTINGS_SMS_SENDER</source>
        <translation>SMS posílat přes</translation>
    </message>
    <message id="SETTINGS_SMS_NONE">
        <source>SETTINGS_SMS_NONE</source>
        <translation>Nic (nenastaveno)</translation>
    </message>
    <message id="SETTINGS_SMS_MODEM">
        <source>SETTINGS_SMS_MODEM</source>
        <translation>Modem (ModemManager)</translation>
    </message>
    <message id="SETTINGS_SMS_KDECONNECT">
        <source>SETTINGS_SMS_KDECONNECT</source>
        <translation>Spárovaný telefon (KDE Connect)</translation>
    </message>
    <message id="SETTINGS_MODEM">
        <source>SETTINGS_MODEM</source>
        <translation>Modem</translation>
    </message>
    <message id="SETTINGS_ANY_MODEM">
        <source>SETTINGS_ANY_MODEM</source>
        <translation>První modem, který umí posílat zprávy</translation>
    </message>
    <message id="SETTINGS_PHONE">
        <source>SETTINGS_PHONE</source>
        <translation>Telefon</translation>
    </message>
    <message id="SETTINGS_ANY_PHONE">
        <source>SETTINGS_ANY_PHONE</source>
        <translation>První dosažitelný telefon</translation>
    </message>
    <message id="SETTINGS_REFRESH">
        <source>SETTINGS_REFRESH</source>
        <translation>Znovu hledat modemy a telefony</translation>
    </message>
    <message id="SETTINGS_TEST_NUMBER">
        <source>SETTINGS_TEST_NUMBER</source>
        <translation>Číslo pro zkušební zprávu</translation>
    </message>
    <message id="SETTINGS_SEND_TEST">
        <source>SETTINGS_SEND_TEST</source>
        <translation>Poslat zkušební zprávu</translation>
    </message>
    <message id="SETTINGS_SENDING_TEST">
        <source>SETTINGS_SENDING_TEST</source>
        <translation>Posílám zkušební zprávu…</translation>
    </message>
    <message id="SETTINGS_TEST_TEXT">
        <source>SETTINGS_TEST_TEXT</source>
        <translation>Toto je zkušební zpráva z aplikace Quorvel.</translation>
    </message>
    <message id="SETTINGS_TEST_SENT">
        <source>SETTINGS_TEST_SENT</source>
        <translation>Zkušební zpráva byla odeslána.</translation>
    </message>
    <message id="SETTINGS_TEST_FAILED">
        <source>SETTINGS_TEST_FAILED</source>
        <translation>Zkušební zpráva nebyla odeslána: %@</translation>
    </message>
    <message id="SETTINGS_TRANSPORT">
        <source>SETTINGS_TRANSPORT</source>
        <translation>E-maily posílat přes</translation>
    </message>
    <message id="SETTINGS_MAIL_NONE">
        <source>SETTINGS_MAIL_NONE</source>
        <translation>Nic (nenastaveno)</translation>
    </message>
    <message id="SETTINGS_MAIL_SMTP">
        <source>SETTINGS_MAIL_SMTP</source>
        <translation>Server SMTP</translation>
    </message>
    <message id="SETTINGS_MAIL_SENDMAIL">
        <source>SETTINGS_MAIL_SENDMAIL</source>
        <translation>sendmail tohoto počítače</translation>
    </message>
    <message id="SETTINGS_SERVER">
        <source>SETTINGS_SERVER</source>
        <translation>Server SMTP</translation>
    </message>
    <message id="SETTINGS_SECURITY">
        <source>SETTINGS_SECURITY</source>
        <translation>Zabezpečení</translation>
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
        <translation>Žádné (jen server na tomto počítači)</translation>
    </message>
    <message id="SETTINGS_USER">
        <source>SETTINGS_USER</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message id="SETTINGS_PASSWORD">
        <source>SETTINGS_PASSWORD</source>
        <translation>Heslo</translation>
    </message>
    <message id="SETTINGS_PASSWORD_UNCHANGED">
        <source>SETTINGS_PASSWORD_UNCHANGED</source>
        <translation>Nechte prázdné, chcete-li ponechat dosavadní heslo</translation>
    </message>
    <message id="SETTINGS_PASSWORD_IN_FILE">
        <source>SETTINGS_PASSWORD_IN_FILE</source>
        <translation>Toto heslo je v souboru device.ini; uložením se přesune do klíčenky.</translation>
    </message>
    <message id="SETTINGS_KEEP_IN_FILE">
        <source>SETTINGS_KEEP_IN_FILE</source>
        <translation>Ponechat heslo raději v souboru device.ini</translation>
    </message>
    <message id="SETTINGS_KEYRING_ABSENT">
        <source>SETTINGS_KEYRING_ABSENT</source>
        <translation>žádná klíčenka (Secret Service) neodpovídá</translation>
    </message>
    <message id="SETTINGS_KEYRING_LOCKED">
        <source>SETTINGS_KEYRING_LOCKED</source>
        <translation>klíčenka je zamčená</translation>
    </message>
    <message id="SETTINGS_KEYRING_FAILED">
        <source>SETTINGS_KEYRING_FAILED</source>
        <translation>Heslo se nepodařilo uložit do klíčenky: %@. Nic nebylo uloženo. Můžete ho ponechat v souboru device.ini, ale kdokoli, kdo ten soubor přečte, přečte i heslo.</translation>
    </message>
    <message id="SETTINGS_FROM">
        <source>SETTINGS_FROM</source>
        <translation>Adresa odesílatele</translation>
    </message>
    <message id="SETTINGS_NAME">
        <source>SETTINGS_NAME</source>
        <translation>Jméno odesílatele</translation>
    </message>
    <message id="SETTINGS_SENDMAIL">
        <source>SETTINGS_SENDMAIL</source>
        <translation>Program sendmail</translation>
    </message>
    <message id="SETTINGS_CHECK_ACCOUNT">
        <source>SETTINGS_CHECK_ACCOUNT</source>
        <translation>Vyzkoušet účet</translation>
    </message>
    <message id="SETTINGS_CHECKING">
        <source>SETTINGS_CHECKING</source>
        <translation>Připojuji se k serveru…</translation>
    </message>
    <message id="SETTINGS_CHECK_OK">
        <source>SETTINGS_CHECK_OK</source>
        <translation>Server přihlášení přijal. Odpověděl: %@</translation>
    </message>
    <message id="SETTINGS_CHECK_FAILED">
        <source>SETTINGS_CHECK_FAILED</source>
        <translation>Účet nefunguje: %@</translation>
    </message>
    <message id="SETTINGS_USE_FOLDER">
        <source>SETTINGS_USE_FOLDER</source>
        <translation>Číst složku souborů vCard</translation>
    </message>
    <message id="SETTINGS_FOLDER">
        <source>SETTINGS_FOLDER</source>
        <translation>Složka vCard</translation>
    </message>
    <message id="SETTINGS_USE_KPEOPLE">
        <source>SETTINGS_USE_KPEOPLE</source>
        <translation>Adresář KPeople (Plasma)</translation>
    </message>
    <message id="SETTINGS_USE_EDS">
        <source>SETTINGS_USE_EDS</source>
        <translation>Evolution Data Server (GNOME, Phosh)</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS">
        <source>SETTINGS_EDS_BOOKS</source>
        <translation>Číst adresáře</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS_STATUS">
        <source>SETTINGS_EDS_BOOKS_STATUS</source>
        <translation>Adresáře Evolution Data Server</translation>
    </message>
    <message id="SETTINGS_EDS_LISTING">
        <source>SETTINGS_EDS_LISTING</source>
        <translation>Hledám adresáře…</translation>
    </message>
    <message id="SETTINGS_EDS_ABSENT">
        <source>SETTINGS_EDS_ABSENT</source>
        <translation>Evolution Data Server na tomto zařízení neodpovídá, jeho adresáře proto nelze vypsat. Až poběží, budou se číst všechny.</translation>
    </message>
    <message id="SETTINGS_EDS_NONE">
        <source>SETTINGS_EDS_NONE</source>
        <translation>Evolution Data Server nemá žádný zapnutý adresář.</translation>
    </message>
    <message id="SETTINGS_TILE_SERVER">
        <source>SETTINGS_TILE_SERVER</source>
        <translation>Server dlaždic</translation>
    </message>
    <message id="SETTINGS_TILE_CONTACT">
        <source>SETTINGS_TILE_CONTACT</source>
        <translation>Váš kontakt pro server dlaždic</translation>
    </message>
    <message id="SETTINGS_MBTILES">
        <source>SETTINGS_MBTILES</source>
        <translation>Soubor MBTiles pro mapu</translation>
    </message>
    <message id="SETTINGS_SATELLITE_MBTILES">
        <source>SETTINGS_SATELLITE_MBTILES</source>
        <translation>Soubor MBTiles pro satelitní pohled</translation>
    </message>
    <message id="SETTINGS_ERR_PORT">
        <source>SETTINGS_ERR_PORT</source>
        <translation>Port je číslo od 1 do 65535.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST">
        <source>SETTINGS_ERR_HOST</source>
        <translation>Jméno počítače nesmí obsahovat mezery ani žádný ze znaků / @ , ; " ' &lt; &gt; \.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST_EMPTY">
        <source>SETTINGS_ERR_HOST_EMPTY</source>
        <translation>Zadejte jméno nebo adresu počítače.</translation>
    </message>
    <message id="SETTINGS_ERR_FROM">
        <source>SETTINGS_ERR_FROM</source>
        <translation>Adresa potřebuje jméno, „@“ a doménu, bez mezer.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE">
        <source>SETTINGS_ERR_FILE</source>
        <translation>Soubor %@ neexistuje.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE_EMPTY">
        <source>SETTINGS_ERR_FILE_EMPTY</source>
        <translation>Zadejte cestu k souboru.</translation>
    </message>
    <message id="SETTINGS_ERR_FOLDER">
        <source>SETTINGS_ERR_FOLDER</source>
        <translation>Složka %@ neexistuje.</translation>
    </message>
    <message id="SETTINGS_ERR_PROGRAM">
        <source>SETTINGS_ERR_PROGRAM</source>
        <translation>%@ není program na tomto počítači.</translation>
    </message>
    <message id="SETTINGS_ERR_NOT_LOOPBACK">
        <source>SETTINGS_ERR_NOT_LOOPBACK</source>
        <translation>Bez šifrování lze použít jen server na tomto počítači.</translation>
    </message>
    <message id="SETTINGS_ERR_URL">
        <source>SETTINGS_ERR_URL</source>
        <translation>Adresa začíná http:// nebo https:// a obsahuje {z}, {x} a {y}.</translation>
    </message>
    <message id="SETTINGS_ERR_CONTACT">
        <source>SETTINGS_ERR_CONTACT</source>
        <translation>Uveďte e-mailovou adresu nebo webovou stránku (http:// nebo https://).</translation>
    </message>
    <message id="SETTINGS_ERR_NUMBER">
        <source>SETTINGS_ERR_NUMBER</source>
        <translation>Telefonní číslo obsahuje číslice, mezery, závorky, tečky, pomlčky a úvodní +.</translation>
    </message>
    <message id="SETTINGS_FIX_FIELDS">
        <source>SETTINGS_FIX_FIELDS</source>
        <translation>Pro uložení opravte označená pole: %@.</translation>
    </message>
    <message id="SETTINGS_SAVING">
        <source>SETTINGS_SAVING</source>
        <translation>Ukládám…</translation>
    </message>
    <message id="SETTINGS_WRITE_FAILED">
        <source>SETTINGS_WRITE_FAILED</source>
        <translation>Soubor %@ se nepodařilo zapsat; nic nebylo uloženo.</translation>
    </message>
    <message id="SETTINGS_SAVE">
        <source>SETTINGS_SAVE</source>
        <translation>Uložit</translation>
    </message>
    <message id="SETTINGS_CANCEL">
        <source>SETTINGS_CANCEL</source>
        <translation>Zrušit</translation>
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
    <message id="SETTINGS_MESSAGE_LINK">
        <source>SETTINGS_MESSAGE_LINK</source>
        <translation>Odkaz ve zprávách</translation>
    </message>
    <message id="SETTINGS_LINK_OSM">
        <source>SETTINGS_LINK_OSM</source>
        <translation>Odkaz na OpenStreetMap</translation>
    </message>
    <message id="SETTINGS_LINK_GEO">
        <source>SETTINGS_LINK_GEO</source>
        <translation>Odkaz geo: (otevře mapovou aplikaci)</translation>
    </message>
    <message id="SETTINGS_LINK_PLUSCODE">
        <source>SETTINGS_LINK_PLUSCODE</source>
        <translation>Plus kód</translation>
    </message>
</context>
</TS>
