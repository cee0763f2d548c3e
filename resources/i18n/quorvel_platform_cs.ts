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
    <name>MessageComposeViewController</name>
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
    <name>ModemManagerSender</name>
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
    <name>QObject</name>
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