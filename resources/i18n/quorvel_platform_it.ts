<?xml version='1.0' encoding='utf-8'?>
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
    <name>MessageComposeViewController</name>
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
    <name>ModemManagerSender</name>
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
    <name>QObject</name>
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
