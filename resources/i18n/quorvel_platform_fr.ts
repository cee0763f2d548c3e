<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr_FR">
<context>
    <name>ComposerDialog</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
</context>
<context>
    <name>KdeConnectSender</name>
    <message>
        <source>The phone did not answer in time.</source>
        <translation>Le téléphone n'a pas répondu à temps.</translation>
    </message>
    <message>
        <source>No paired phone is reachable.</source>
        <translation>Aucun téléphone associé n'est joignable.</translation>
    </message>
    <message>
        <source>The phone could not send the message.</source>
        <translation>Le téléphone n'a pas pu envoyer le message.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
</context>
<context>
    <name>MailComposeViewController</name>
    <message>
        <source>New E-mail</source>
        <translation>Nouvel e-mail</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Addresses, separated by commas</source>
        <translation>Adresses, séparées par des virgules</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Objet :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>No mail account is set up.</source>
        <translation>Aucun compte e-mail n'est configuré.</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Envoi à %1…</translation>
    </message>
    <message>
        <source>Sent.</source>
        <translation>Envoyé.</translation>
    </message>
    <message>
        <source>The draft could not be saved in %1: %2</source>
        <translation>Le brouillon n'a pas pu être enregistré dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>MessageComposeViewController</name>
    <message>
        <source>New Message</source>
        <translation>Nouveau message</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Phone numbers, separated by commas</source>
        <translation>Numéros de téléphone, séparés par des virgules</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>No SMS sender is available.</source>
        <translation>Aucun moyen d'envoyer des SMS n'est disponible.</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Envoi à %1…</translation>
    </message>
</context>
<context>
    <name>ModemManagerSender</name>
    <message>
        <source>The modem did not confirm the message in time.</source>
        <translation>Le modem n'a pas confirmé le message à temps.</translation>
    </message>
    <message>
        <source>No modem that can send messages was found.</source>
        <translation>Aucun modem capable d'envoyer des messages n'a été trouvé.</translation>
    </message>
    <message>
        <source>The modem refused the message: %1</source>
        <translation>Le modem a refusé le message : %1</translation>
    </message>
    <message>
        <source>The modem could not send the message: %1</source>
        <translation>Le modem n'a pas pu envoyer le message : %1</translation>
    </message>
    <message>
        <source>The modem lost the message: %1</source>
        <translation>Le modem a perdu le message : %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>PeoplePickerNavigationController</name>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation>Rechercher des contacts</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>Reading the address books…</source>
        <translation>Lecture des carnets d'adresses…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No contacts.
vCard files in %1 appear here.</source>
        <translation>Aucun contact.
Les fichiers vCard de %1 apparaissent ici.</translation>
    </message>
    <message>
        <source>Nobody matches "%1".</source>
        <translation>Personne ne correspond à « %1 ».</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No name</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Contacts folder</source>
        <translation>Dossier des contacts</translation>
    </message>
    <message>
        <source>The keyring is locked.</source>
        <translation>Le trousseau est verrouillé.</translation>
    </message>
    <message>
        <source>The recipient "%1" contains a line break or NUL character, which is not allowed in a mail header.</source>
        <translation>Le destinataire « %1 » contient un saut de ligne ou un caractère NUL, ce qui n'est pas autorisé dans un en-tête d'e-mail.</translation>
    </message>
    <message>
        <source>The subject contains a line break or NUL character, which is not allowed in a mail header.</source>
        <translation>L'objet contient un saut de ligne ou un caractère NUL, ce qui n'est pas autorisé dans un en-tête d'e-mail.</translation>
    </message>
    <message>
        <source>The sender address contains a line break or NUL character.</source>
        <translation>L'adresse de l'expéditeur contient un saut de ligne ou un caractère NUL.</translation>
    </message>
    <message>
        <source>The message has no recipient.</source>
        <translation>Le message n'a pas de destinataire.</translation>
    </message>
    <message>
        <source>A recipient is empty.</source>
        <translation>Un destinataire est vide.</translation>
    </message>
    <message>
        <source>The recipient "%1" is not an e-mail address (name@example.org, or Name &lt;name@example.org&gt;).</source>
        <translation>Le destinataire « %1 » n'est pas une adresse e-mail (nom@example.org, ou Nom &lt;nom@example.org&gt;).</translation>
    </message>
    <message>
        <source>The sender "%1" is not an e-mail address.</source>
        <translation>L'expéditeur « %1 » n'est pas une adresse e-mail.</translation>
    </message>
    <message>
        <source>The sender's name contains control characters.</source>
        <translation>Le nom de l'expéditeur contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>No SMTP server is set up.</source>
        <translation>Aucun serveur SMTP n'est configuré.</translation>
    </message>
    <message>
        <source>No sender address is set up.</source>
        <translation>Aucune adresse d'expéditeur n'est configurée.</translation>
    </message>
    <message>
        <source>Unknown security "%1" (starttls, tls or none).</source>
        <translation>Sécurité inconnue « %1 » (starttls, tls ou none).</translation>
    </message>
    <message>
        <source>The SMTP server %1 is not on this machine, so the connection must be encrypted (starttls or tls).</source>
        <translation>Le serveur SMTP %1 n'est pas sur cette machine, la connexion doit donc être chiffrée (starttls ou tls).</translation>
    </message>
    <message>
        <source>The mail library could not be started.</source>
        <translation>La bibliothèque de messagerie n'a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The mail server did not answer in time (%1).</source>
        <translation>Le serveur de messagerie n'a pas répondu à temps (%1).</translation>
    </message>
    <message>
        <source>The mail server could not be reached (%1).</source>
        <translation>Le serveur de messagerie n'a pas pu être joint (%1).</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password.</source>
        <translation>Le serveur de messagerie a refusé le nom d'utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>The mail server refused the message (%1: %2).</source>
        <translation>Le serveur de messagerie a refusé le message (%1 : %2).</translation>
    </message>
    <message>
        <source>The e-mail could not be sent (%1).</source>
        <translation>L'e-mail n'a pas pu être envoyé (%1).</translation>
    </message>
</context>
<context>
    <name>SendingProcess</name>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 n'a pas pu être démarré.</translation>
    </message>
</context>
<context>
    <name>SendmailSender</name>
    <message>
        <source>sendmail did not finish in time.</source>
        <translation>sendmail n'a pas terminé à temps.</translation>
    </message>
    <message>
        <source>sendmail failed (exit code %1).</source>
        <translation>sendmail a échoué (code de sortie %1).</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
</context>
<context>
    <name>SmtpSender</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>No password for %1 is kept in the keyring. Enter it in the device settings.</source>
        <translation>Aucun mot de passe pour %1 n'est conservé dans le trousseau. Saisissez-le dans les réglages de l'appareil.</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring (%1).</source>
        <translation>Le mot de passe n'a pas pu être lu dans le trousseau (%1).</translation>
    </message>
</context>
<context>
    <name>TableView</name>
    <message>
        <source>row %1 of %2, selected</source>
        <translation>ligne %1 sur %2, sélectionnée</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>ligne %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TableViewCell</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>ReportScreen</name>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
</TS>
