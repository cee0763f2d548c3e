<?xml version='1.0' encoding='utf-8'?>
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
    <name>MessageComposeViewController</name>
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
    <name>ModemManagerSender</name>
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
    <name>QObject</name>
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
