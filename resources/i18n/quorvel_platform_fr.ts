<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
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
        <name>ContactsSection</name>
        <message>
            <source>Read a folder of vCard files</source>
            <translation>Lire un dossier de fichiers vCard</translation>
        </message>
        <message>
            <source>vCard folder</source>
            <translation>Dossier vCard</translation>
        </message>
        <message>
            <source>KPeople's address book (Plasma)</source>
            <translation>Carnet d'adresses de KPeople (Plasma)</translation>
        </message>
        <message>
            <source>Evolution Data Server (GNOME, Phosh)</source>
            <translation>Evolution Data Server (GNOME, Phosh)</translation>
        </message>
        <message>
            <source>Address books to read</source>
            <translation>Carnets d'adresses à lire</translation>
        </message>
        <message>
            <source>Address books of Evolution Data Server</source>
            <translation>Carnets d'adresses d'Evolution Data Server</translation>
        </message>
        <message>
            <source>There is no folder %@.</source>
            <translation>Il n'y a pas de dossier %@.</translation>
        </message>
        <message>
            <source>Looking for the address books…</source>
            <translation>Recherche des carnets d'adresses…</translation>
        </message>
        <message>
            <source>Evolution Data Server does not answer on this device, so its address books cannot be listed. All of them are read when it runs.</source>
            <translation>Evolution Data Server ne répond pas sur cet appareil, ses carnets d'adresses ne peuvent donc pas être listés. Ils sont tous lus lorsqu'il fonctionne.</translation>
        </message>
        <message>
            <source>Evolution Data Server has no enabled address books.</source>
            <translation>Evolution Data Server n'a aucun carnet d'adresses activé.</translation>
        </message>
        <message>
            <source>Contacts</source>
            <translation>Contacts</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>Device settings</source>
            <translation>Réglages de l'appareil</translation>
        </message>
        <message>
            <source>Sections</source>
            <translation>Rubriques</translation>
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
            <source>Correct the marked fields to save: %@.</source>
            <translation>Corrigez les champs marqués pour enregistrer : %@.</translation>
        </message>
        <message>
            <source>%@ could not be written; nothing was saved.</source>
            <translation>%@ n'a pas pu être écrit ; rien n'a été enregistré.</translation>
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
        <name>MailSection</name>
    <message>
        <source>The keyring holds the password of this account.</source>
        <translation>Le trousseau contient le mot de passe de ce compte.</translation>
    </message>
        <message>
            <source>Send e-mail through</source>
            <translation>Envoyer les e-mails par</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Rien (non configuré)</translation>
        </message>
        <message>
            <source>An SMTP server</source>
            <translation>Un serveur SMTP</translation>
        </message>
        <message>
            <source>This computer's sendmail</source>
            <translation>Le sendmail de cet ordinateur</translation>
        </message>
        <message>
            <source>SMTP server</source>
            <translation>Serveur SMTP</translation>
        </message>
        <message>
            <source>Security</source>
            <translation>Sécurité</translation>
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
            <translation>Aucune (serveur sur cette machine uniquement)</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Default for the security</source>
            <translation>Par défaut selon la sécurité</translation>
        </message>
        <message>
            <source>User name</source>
            <translation>Nom d'utilisateur</translation>
        </message>
        <message>
            <source>Password</source>
            <translation>Mot de passe</translation>
        </message>
        <message>
            <source>Keep the password in device.ini instead</source>
            <translation>Garder plutôt le mot de passe dans device.ini</translation>
        </message>
        <message>
            <source>Sender address</source>
            <translation>Adresse de l'expéditeur</translation>
        </message>
        <message>
            <source>Sender name</source>
            <translation>Nom de l'expéditeur</translation>
        </message>
        <message>
            <source>sendmail program</source>
            <translation>Programme sendmail</translation>
        </message>
        <message>
            <source>Check the account</source>
            <translation>Vérifier le compte</translation>
        </message>
        <message>
            <source>This password is in device.ini; saving moves it to the keyring.</source>
            <translation>Ce mot de passe est dans device.ini ; l'enregistrement le déplace dans le trousseau.</translation>
        </message>
        <message>
            <source>Leave empty to keep the password you have</source>
            <translation>Laissez vide pour garder le mot de passe actuel</translation>
        </message>
        <message>
            <source>Without encryption only a server on this machine can be used.</source>
            <translation>Sans chiffrement, seul un serveur sur cette machine peut être utilisé.</translation>
        </message>
        <message>
            <source>%@ is not a program on this machine.</source>
            <translation>%@ n'est pas un programme de cette machine.</translation>
        </message>
        <message>
            <source>Connecting to the server…</source>
            <translation>Connexion au serveur…</translation>
        </message>
        <message>
            <source>The server accepted the login. It answered: %@</source>
            <translation>Le serveur a accepté la connexion. Il a répondu : %@</translation>
        </message>
        <message>
            <source>The account does not work: %@</source>
            <translation>Le compte ne fonctionne pas : %@</translation>
        </message>
        <message>
            <source>Saving…</source>
            <translation>Enregistrement…</translation>
        </message>
        <message>
            <source>no keyring (Secret Service) answers</source>
            <translation>aucun trousseau (Secret Service) ne répond</translation>
        </message>
        <message>
            <source>the keyring is locked</source>
            <translation>le trousseau est verrouillé</translation>
        </message>
        <message>
            <source>The password could not be put in the keyring: %@. Nothing was saved. You can keep it in device.ini instead, but anyone who can read that file can read the password.</source>
            <translation>Le mot de passe n'a pas pu être placé dans le trousseau : %@. Rien n'a été enregistré. Vous pouvez le garder plutôt dans device.ini, mais toute personne qui peut lire ce fichier peut lire le mot de passe.</translation>
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
        <translation>Code Plus</translation>
    </message>
    <message>
        <source>geo: link (opens a map app)</source>
        <translation>Lien geo: (ouvre une application de cartes)</translation>
    </message>
    <message>
        <source>OpenStreetMap link</source>
        <translation>Lien OpenStreetMap</translation>
    </message>
    <message>
        <source>Link in messages</source>
        <translation>Lien dans les messages</translation>
    </message>
        <message>
            <source>Tile server</source>
            <translation>Serveur de tuiles</translation>
        </message>
        <message>
            <source>Your contact for the tile server</source>
            <translation>Votre contact pour le serveur de tuiles</translation>
        </message>
        <message>
            <source>MBTiles file for the map</source>
            <translation>Fichier MBTiles pour la carte</translation>
        </message>
        <message>
            <source>MBTiles file for the satellite view</source>
            <translation>Fichier MBTiles pour la vue satellite</translation>
        </message>
        <message>
            <source>The address starts with http:// or https:// and holds {z}, {x} and {y}.</source>
            <translation>L'adresse commence par http:// ou https:// et contient {z}, {x} et {y}.</translation>
        </message>
        <message>
            <source>Give an e-mail address or a web page (http:// or https://).</source>
            <translation>Indiquez une adresse e-mail ou une page web (http:// ou https://).</translation>
        </message>
        <message>
            <source>Map</source>
            <translation>Carte</translation>
        </message>
    </context>
    <context>
        <name>MapView</name>
        <message>
            <source>Zoom in</source>
            <translation>Zoom avant</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Zoom arrière</translation>
        </message>
    </context>
    <context>
        <name>MessageComposeViewController</name>
    <message>
        <source>%1 cannot be sent to: %2</source>
        <translation>Impossible d'envoyer à %1 : %2</translation>
    </message>
    <message>
        <source>The recipients were longer than %1 characters and were cut.</source>
        <translation>Les destinataires dépassaient %1 caractères et ont été coupés.</translation>
    </message>
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
        <name>MessagesSection</name>
        <message>
            <source>Send text messages through</source>
            <translation>Envoyer les SMS par</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Rien (non configuré)</translation>
        </message>
        <message>
            <source>A modem (ModemManager)</source>
            <translation>Un modem (ModemManager)</translation>
        </message>
        <message>
            <source>A paired phone (KDE Connect)</source>
            <translation>Un téléphone associé (KDE Connect)</translation>
        </message>
        <message>
            <source>Modem</source>
            <translation>Modem</translation>
        </message>
        <message>
            <source>The first modem that can send messages</source>
            <translation>Le premier modem capable d'envoyer des messages</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Téléphone</translation>
        </message>
        <message>
            <source>The first reachable phone</source>
            <translation>Le premier téléphone joignable</translation>
        </message>
        <message>
            <source>Look for modems and phones again</source>
            <translation>Rechercher à nouveau modems et téléphones</translation>
        </message>
        <message>
            <source>Number for a test message</source>
            <translation>Numéro pour un message de test</translation>
        </message>
        <message>
            <source>Send a test message</source>
            <translation>Envoyer un message de test</translation>
        </message>
        <message>
            <source>A phone number holds digits, spaces, brackets, dots, dashes and a leading +.</source>
            <translation>Un numéro de téléphone contient des chiffres, des espaces, des parenthèses, des points, des tirets et un + au début.</translation>
        </message>
        <message>
            <source>Sending the test message…</source>
            <translation>Envoi du message de test…</translation>
        </message>
        <message>
            <source>This is a test message from Quorvel.</source>
            <translation>Ceci est un message de test de Quorvel.</translation>
        </message>
        <message>
            <source>The test message was sent.</source>
            <translation>Le message de test a été envoyé.</translation>
        </message>
        <message>
            <source>The test message was not sent: %@</source>
            <translation>Le message de test n'a pas été envoyé : %@</translation>
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
        <translation>son état est arrivé sous la forme « %1 »</translation>
    </message>
    <message>
        <source>an answer of the unexpected form &quot;%1&quot;</source>
        <translation>une réponse de forme inattendue « %1 »</translation>
    </message>
    <message>
        <source>ModemManager listed the modems in an unexpected form (%1).</source>
        <translation>ModemManager a listé les modems sous une forme inattendue (%1).</translation>
    </message>
    <message>
        <source>ModemManager did not list the modems: %1</source>
        <translation>ModemManager n'a pas listé les modems : %1</translation>
    </message>
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
        <name>PositionSection</name>
        <message>
            <source>Position source</source>
            <translation>Source de position</translation>
        </message>
        <message>
            <source>Automatic (the first source that answers)</source>
            <translation>Automatique (la première source qui répond)</translation>
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
            <translation>Récepteur NMEA sur un port série</translation>
        </message>
        <message>
            <source>NMEA over the network</source>
            <translation>NMEA par le réseau</translation>
        </message>
        <message>
            <source>A recorded NMEA file</source>
            <translation>Un fichier NMEA enregistré</translation>
        </message>
        <message>
            <source>Demo walk (not your position)</source>
            <translation>Promenade de démonstration (pas votre position)</translation>
        </message>
        <message>
            <source>Host</source>
            <translation>Hôte</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Périphérique</translation>
        </message>
        <message>
            <source>NMEA file</source>
            <translation>Fichier NMEA</translation>
        </message>
        <message>
            <source>What the source gives now</source>
            <translation>Ce que la source donne maintenant</translation>
        </message>
        <message>
            <source>Waiting for a position…</source>
            <translation>En attente d'une position…</translation>
        </message>
        <message>
            <source>Position %.5f, %.5f</source>
            <translation>Position %.5f, %.5f</translation>
        </message>
        <message>
            <source>The source failed: %@</source>
            <translation>La source a échoué : %@</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Localisation</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
    <message>
        <source>The phone number is %1 characters long; at most %2 can be used.</source>
        <translation>Le numéro de téléphone fait %1 caractères ; au plus %2 peuvent être utilisés.</translation>
    </message>
    <message>
        <source>The phone number has %1 digits; a phone number has at most %2.</source>
        <translation>Le numéro de téléphone a %1 chiffres ; un numéro de téléphone en a au plus %2.</translation>
    </message>
    <message>
        <source>The phone number has no digits.</source>
        <translation>Le numéro de téléphone ne contient aucun chiffre.</translation>
    </message>
    <message>
        <source>The phone number holds %1, which a phone number cannot hold.</source>
        <translation>Le numéro de téléphone contient %1, qu'un numéro de téléphone ne peut pas contenir.</translation>
    </message>
    <message>
        <source>The phone number is empty.</source>
        <translation>Le numéro de téléphone est vide.</translation>
    </message>
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
        <name>SettingsSection</name>
        <message>
            <source>Enter a host name or address.</source>
            <translation>Saisissez un nom d'hôte ou une adresse.</translation>
        </message>
        <message>
            <source>A host name cannot hold spaces or any of / @ , ; " ' &lt; &gt; \.</source>
            <translation>Un nom d'hôte ne peut contenir ni espaces ni aucun des caractères / @ , ; " ' &lt; &gt; \.</translation>
        </message>
        <message>
            <source>A port is a number from 1 to 65535.</source>
            <translation>Un port est un nombre de 1 à 65535.</translation>
        </message>
        <message>
            <source>Enter the file's path.</source>
            <translation>Saisissez le chemin du fichier.</translation>
        </message>
        <message>
            <source>There is no file %@.</source>
            <translation>Il n'y a pas de fichier %@.</translation>
        </message>
        <message>
            <source>An address needs a name, an "@" and a domain, without spaces.</source>
            <translation>Une adresse a besoin d'un nom, d'un « @ » et d'un domaine, sans espaces.</translation>
        </message>
        <message>
            <source>Problem</source>
            <translation>Problème</translation>
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
