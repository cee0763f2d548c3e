<?xml version='1.0' encoding='utf-8'?>
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
    <name>MessageComposeViewController</name>
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
    <name>ModemManagerSender</name>
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
    <name>QObject</name>
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
