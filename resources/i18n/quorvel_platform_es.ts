<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>ComposerDialog</name>
        <message>
            <source>Message</source>
            <translation>Mensaje</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>Enviar</translation>
        </message>
        <message>
            <source>Cancelling…</source>
            <translation>Cancelando…</translation>
        </message>
    </context>
    <context>
        <name>ContactsSection</name>
        <message>
            <source>Read a folder of vCard files</source>
            <translation>Leer una carpeta de archivos vCard</translation>
        </message>
        <message>
            <source>vCard folder</source>
            <translation>Carpeta vCard</translation>
        </message>
        <message>
            <source>KPeople's address book (Plasma)</source>
            <translation>Libreta de direcciones de KPeople (Plasma)</translation>
        </message>
        <message>
            <source>Evolution Data Server (GNOME, Phosh)</source>
            <translation>Evolution Data Server (GNOME, Phosh)</translation>
        </message>
        <message>
            <source>Address books to read</source>
            <translation>Libretas de direcciones que leer</translation>
        </message>
        <message>
            <source>Address books of Evolution Data Server</source>
            <translation>Libretas de direcciones de Evolution Data Server</translation>
        </message>
        <message>
            <source>There is no folder %@.</source>
            <translation>No existe la carpeta %@.</translation>
        </message>
        <message>
            <source>Looking for the address books…</source>
            <translation>Buscando las libretas de direcciones…</translation>
        </message>
        <message>
            <source>Evolution Data Server does not answer on this device, so its address books cannot be listed. All of them are read when it runs.</source>
            <translation>Evolution Data Server no responde en este dispositivo, así que no se pueden listar sus libretas de direcciones. Se leen todas cuando está en marcha.</translation>
        </message>
        <message>
            <source>Evolution Data Server has no enabled address books.</source>
            <translation>Evolution Data Server no tiene libretas de direcciones activadas.</translation>
        </message>
        <message>
            <source>Contacts</source>
            <translation>Contactos</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>Device settings</source>
            <translation>Ajustes del dispositivo</translation>
        </message>
        <message>
            <source>Sections</source>
            <translation>Secciones</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Correct the marked fields to save: %@.</source>
            <translation>Corrige los campos marcados para guardar: %@.</translation>
        </message>
        <message>
            <source>%@ could not be written; nothing was saved.</source>
            <translation>No se ha podido escribir %@; no se ha guardado nada.</translation>
        </message>
    </context>
    <context>
        <name>KdeConnectSender</name>
        <message>
            <source>The phone did not answer in time.</source>
            <translation>El teléfono no ha respondido a tiempo.</translation>
        </message>
        <message>
            <source>No paired phone is reachable.</source>
            <translation>No hay ningún teléfono vinculado accesible.</translation>
        </message>
        <message>
            <source>The phone could not send the message.</source>
            <translation>El teléfono no ha podido enviar el mensaje.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Cancelado.</translation>
        </message>
    </context>
    <context>
        <name>MailComposeViewController</name>
        <message>
            <source>New E-mail</source>
            <translation>Nuevo correo</translation>
        </message>
        <message>
            <source>To</source>
            <translation>Para</translation>
        </message>
        <message>
            <source>Addresses, separated by commas</source>
            <translation>Direcciones, separadas por comas</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>Para:</translation>
        </message>
        <message>
            <source>Subject</source>
            <translation>Asunto</translation>
        </message>
        <message>
            <source>Subject:</source>
            <translation>Asunto:</translation>
        </message>
        <message>
            <source>From:</source>
            <translation>De:</translation>
        </message>
        <message>
            <source>Sending</source>
            <translation>Envío</translation>
        </message>
        <message>
            <source>No mail account is set up.</source>
            <translation>No hay ninguna cuenta de correo configurada.</translation>
        </message>
        <message>
            <source>Sending to %1…</source>
            <translation>Enviando a %1…</translation>
        </message>
        <message>
            <source>Sent.</source>
            <translation>Enviado.</translation>
        </message>
        <message>
            <source>The draft could not be saved in %1: %2</source>
            <translation>No se ha podido guardar el borrador en %1: %2</translation>
        </message>
    </context>
    <context>
        <name>MailSection</name>
    <message>
        <source>The keyring holds the password of this account.</source>
        <translation>El llavero guarda la contraseña de esta cuenta.</translation>
    </message>
        <message>
            <source>Send e-mail through</source>
            <translation>Enviar correo mediante</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Nada (sin configurar)</translation>
        </message>
        <message>
            <source>An SMTP server</source>
            <translation>Un servidor SMTP</translation>
        </message>
        <message>
            <source>This computer's sendmail</source>
            <translation>El sendmail de este equipo</translation>
        </message>
        <message>
            <source>SMTP server</source>
            <translation>Servidor SMTP</translation>
        </message>
        <message>
            <source>Security</source>
            <translation>Seguridad</translation>
        </message>
        <message>
            <source>STARTTLS (port 587)</source>
            <translation>STARTTLS (puerto 587)</translation>
        </message>
        <message>
            <source>TLS (port 465)</source>
            <translation>TLS (puerto 465)</translation>
        </message>
        <message>
            <source>None (a server on this machine only)</source>
            <translation>Ninguna (solo un servidor en este equipo)</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Puerto</translation>
        </message>
        <message>
            <source>Default for the security</source>
            <translation>El predeterminado según la seguridad</translation>
        </message>
        <message>
            <source>User name</source>
            <translation>Nombre de usuario</translation>
        </message>
        <message>
            <source>Password</source>
            <translation>Contraseña</translation>
        </message>
        <message>
            <source>Keep the password in device.ini instead</source>
            <translation>Conservar la contraseña en device.ini</translation>
        </message>
        <message>
            <source>Sender address</source>
            <translation>Dirección del remitente</translation>
        </message>
        <message>
            <source>Sender name</source>
            <translation>Nombre del remitente</translation>
        </message>
        <message>
            <source>sendmail program</source>
            <translation>Programa sendmail</translation>
        </message>
        <message>
            <source>Check the account</source>
            <translation>Comprobar la cuenta</translation>
        </message>
        <message>
            <source>This password is in device.ini; saving moves it to the keyring.</source>
            <translation>Esta contraseña está en device.ini; al guardar se mueve al depósito de claves.</translation>
        </message>
        <message>
            <source>Leave empty to keep the password you have</source>
            <translation>Déjalo vacío para conservar la contraseña que tienes</translation>
        </message>
        <message>
            <source>Without encryption only a server on this machine can be used.</source>
            <translation>Sin cifrado solo se puede usar un servidor en este equipo.</translation>
        </message>
        <message>
            <source>%@ is not a program on this machine.</source>
            <translation>%@ no es un programa de este equipo.</translation>
        </message>
        <message>
            <source>Connecting to the server…</source>
            <translation>Conectando con el servidor…</translation>
        </message>
        <message>
            <source>The server accepted the login. It answered: %@</source>
            <translation>El servidor ha aceptado el inicio de sesión. Ha respondido: %@</translation>
        </message>
        <message>
            <source>The account does not work: %@</source>
            <translation>La cuenta no funciona: %@</translation>
        </message>
        <message>
            <source>Saving…</source>
            <translation>Guardando…</translation>
        </message>
        <message>
            <source>no keyring (Secret Service) answers</source>
            <translation>no responde ningún depósito de claves (Secret Service)</translation>
        </message>
        <message>
            <source>the keyring is locked</source>
            <translation>el depósito de claves está bloqueado</translation>
        </message>
        <message>
            <source>The password could not be put in the keyring: %@. Nothing was saved. You can keep it in device.ini instead, but anyone who can read that file can read the password.</source>
            <translation>No se ha podido guardar la contraseña en el depósito de claves: %@. No se ha guardado nada. Puedes conservarla en device.ini, pero cualquiera que pueda leer ese archivo podrá leer la contraseña.</translation>
        </message>
        <message>
            <source>E-mail</source>
            <translation>Correo</translation>
        </message>
    </context>
    <context>
        <name>MapSection</name>
    <message>
        <source>Plus code</source>
        <translation>Código plus</translation>
    </message>
    <message>
        <source>geo: link (opens a map app)</source>
        <translation>Enlace geo: (abre una aplicación de mapas)</translation>
    </message>
    <message>
        <source>OpenStreetMap link</source>
        <translation>Enlace de OpenStreetMap</translation>
    </message>
    <message>
        <source>Link in messages</source>
        <translation>Enlace en los mensajes</translation>
    </message>
        <message>
            <source>Tile server</source>
            <translation>Servidor de teselas</translation>
        </message>
        <message>
            <source>Your contact for the tile server</source>
            <translation>Tu contacto para el servidor de teselas</translation>
        </message>
        <message>
            <source>MBTiles file for the map</source>
            <translation>Archivo MBTiles para el mapa</translation>
        </message>
        <message>
            <source>MBTiles file for the satellite view</source>
            <translation>Archivo MBTiles para la vista de satélite</translation>
        </message>
        <message>
            <source>The address starts with http:// or https:// and holds {z}, {x} and {y}.</source>
            <translation>La dirección empieza por http:// o https:// y contiene {z}, {x} y {y}.</translation>
        </message>
        <message>
            <source>Give an e-mail address or a web page (http:// or https://).</source>
            <translation>Indica una dirección de correo o una página web (http:// o https://).</translation>
        </message>
        <message>
            <source>Map</source>
            <translation>Mapa</translation>
        </message>
    </context>
    <context>
        <name>MapView</name>
        <message>
            <source>Zoom in</source>
            <translation>Acercar</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Alejar</translation>
        </message>
    </context>
    <context>
        <name>MessageComposeViewController</name>
    <message>
        <source>%1 cannot be sent to: %2</source>
        <translation>No se puede enviar a %1: %2</translation>
    </message>
    <message>
        <source>The recipients were longer than %1 characters and were cut.</source>
        <translation>Los destinatarios superaban los %1 caracteres y se han cortado.</translation>
    </message>
        <message>
            <source>New Message</source>
            <translation>Nuevo mensaje</translation>
        </message>
        <message>
            <source>To</source>
            <translation>Para</translation>
        </message>
        <message>
            <source>Phone numbers, separated by commas</source>
            <translation>Números de teléfono, separados por comas</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>Para:</translation>
        </message>
        <message>
            <source>No SMS sender is available.</source>
            <translation>No hay ningún medio disponible para enviar SMS.</translation>
        </message>
        <message>
            <source>Sending to %1…</source>
            <translation>Enviando a %1…</translation>
        </message>
    </context>
    <context>
        <name>MessagesSection</name>
        <message>
            <source>Send text messages through</source>
            <translation>Enviar SMS mediante</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Nada (sin configurar)</translation>
        </message>
        <message>
            <source>A modem (ModemManager)</source>
            <translation>Un módem (ModemManager)</translation>
        </message>
        <message>
            <source>A paired phone (KDE Connect)</source>
            <translation>Un teléfono vinculado (KDE Connect)</translation>
        </message>
        <message>
            <source>Modem</source>
            <translation>Módem</translation>
        </message>
        <message>
            <source>The first modem that can send messages</source>
            <translation>El primer módem que pueda enviar mensajes</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Teléfono</translation>
        </message>
        <message>
            <source>The first reachable phone</source>
            <translation>El primer teléfono accesible</translation>
        </message>
        <message>
            <source>Look for modems and phones again</source>
            <translation>Volver a buscar módems y teléfonos</translation>
        </message>
        <message>
            <source>Number for a test message</source>
            <translation>Número para un mensaje de prueba</translation>
        </message>
        <message>
            <source>Send a test message</source>
            <translation>Enviar un mensaje de prueba</translation>
        </message>
        <message>
            <source>A phone number holds digits, spaces, brackets, dots, dashes and a leading +.</source>
            <translation>Un número de teléfono contiene cifras, espacios, paréntesis, puntos, guiones y un + inicial.</translation>
        </message>
        <message>
            <source>Sending the test message…</source>
            <translation>Enviando el mensaje de prueba…</translation>
        </message>
        <message>
            <source>This is a test message from Quorvel.</source>
            <translation>Este es un mensaje de prueba de Quorvel.</translation>
        </message>
        <message>
            <source>The test message was sent.</source>
            <translation>Se ha enviado el mensaje de prueba.</translation>
        </message>
        <message>
            <source>The test message was not sent: %@</source>
            <translation>No se ha enviado el mensaje de prueba: %@</translation>
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
        <translation>su estado llegó como «%1»</translation>
    </message>
    <message>
        <source>an answer of the unexpected form &quot;%1&quot;</source>
        <translation>una respuesta de forma inesperada «%1»</translation>
    </message>
    <message>
        <source>ModemManager listed the modems in an unexpected form (%1).</source>
        <translation>ModemManager ha listado los módems de una forma inesperada (%1).</translation>
    </message>
    <message>
        <source>ModemManager did not list the modems: %1</source>
        <translation>ModemManager no ha listado los módems: %1</translation>
    </message>
        <message>
            <source>The modem did not confirm the message in time.</source>
            <translation>El módem no ha confirmado el mensaje a tiempo.</translation>
        </message>
        <message>
            <source>No modem that can send messages was found.</source>
            <translation>No se ha encontrado ningún módem que pueda enviar mensajes.</translation>
        </message>
        <message>
            <source>The modem refused the message: %1</source>
            <translation>El módem ha rechazado el mensaje: %1</translation>
        </message>
        <message>
            <source>The modem could not send the message: %1</source>
            <translation>El módem no ha podido enviar el mensaje: %1</translation>
        </message>
        <message>
            <source>The modem lost the message: %1</source>
            <translation>El módem ha perdido el mensaje: %1</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Cancelado.</translation>
        </message>
    </context>
    <context>
        <name>NavigationBar</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
    </context>
    <context>
        <name>PeoplePickerNavigationController</name>
        <message>
            <source>Contacts</source>
            <translation>Contactos</translation>
        </message>
        <message>
            <source>Search contacts</source>
            <translation>Buscar contactos</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Buscar</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Personas</translation>
        </message>
        <message>
            <source>Reading the address books…</source>
            <translation>Leyendo las libretas de direcciones…</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>No contacts.
vCard files in %1 appear here.</source>
            <translation>No hay contactos.
Aquí aparecen los archivos vCard de %1.</translation>
        </message>
        <message>
            <source>Nobody matches "%1".</source>
            <translation>Nadie coincide con «%1».</translation>
        </message>
    </context>
    <context>
        <name>PositionSection</name>
        <message>
            <source>Position source</source>
            <translation>Fuente de posición</translation>
        </message>
        <message>
            <source>Automatic (the first source that answers)</source>
            <translation>Automática (la primera fuente que responda)</translation>
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
            <translation>Receptor NMEA en un puerto serie</translation>
        </message>
        <message>
            <source>NMEA over the network</source>
            <translation>NMEA por la red</translation>
        </message>
        <message>
            <source>A recorded NMEA file</source>
            <translation>Un archivo NMEA grabado</translation>
        </message>
        <message>
            <source>Demo walk (not your position)</source>
            <translation>Paseo de demostración (no es tu posición)</translation>
        </message>
        <message>
            <source>Host</source>
            <translation>Servidor</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Puerto</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Dispositivo</translation>
        </message>
        <message>
            <source>NMEA file</source>
            <translation>Archivo NMEA</translation>
        </message>
        <message>
            <source>What the source gives now</source>
            <translation>Lo que da ahora la fuente</translation>
        </message>
        <message>
            <source>Waiting for a position…</source>
            <translation>Esperando una posición…</translation>
        </message>
        <message>
            <source>Position %.5f, %.5f</source>
            <translation>Posición %.5f, %.5f</translation>
        </message>
        <message>
            <source>The source failed: %@</source>
            <translation>La fuente ha fallado: %@</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Ubicación</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
    <message>
        <source>The phone number is %1 characters long; at most %2 can be used.</source>
        <translation>El número de teléfono tiene %1 caracteres; se pueden usar como máximo %2.</translation>
    </message>
    <message>
        <source>The phone number has %1 digits; a phone number has at most %2.</source>
        <translation>El número de teléfono tiene %1 dígitos; un número de teléfono tiene como máximo %2.</translation>
    </message>
    <message>
        <source>The phone number has no digits.</source>
        <translation>El número de teléfono no tiene dígitos.</translation>
    </message>
    <message>
        <source>The phone number holds %1, which a phone number cannot hold.</source>
        <translation>El número de teléfono contiene %1, que un número de teléfono no puede contener.</translation>
    </message>
    <message>
        <source>The phone number is empty.</source>
        <translation>El número de teléfono está vacío.</translation>
    </message>
        <message>
            <source>No name</source>
            <translation>Sin nombre</translation>
        </message>
        <message>
            <source>Contacts folder</source>
            <translation>Carpeta de contactos</translation>
        </message>
        <message>
            <source>The keyring is locked.</source>
            <translation>El depósito de claves está bloqueado.</translation>
        </message>
        <message>
            <source>The recipient "%1" contains a line break or NUL character, which is not allowed in a mail header.</source>
            <translation>El destinatario «%1» contiene un salto de línea o un carácter NUL, que no se permiten en una cabecera de correo.</translation>
        </message>
        <message>
            <source>The subject contains a line break or NUL character, which is not allowed in a mail header.</source>
            <translation>El asunto contiene un salto de línea o un carácter NUL, que no se permiten en una cabecera de correo.</translation>
        </message>
        <message>
            <source>The sender address contains a line break or NUL character.</source>
            <translation>La dirección del remitente contiene un salto de línea o un carácter NUL.</translation>
        </message>
        <message>
            <source>The message has no recipient.</source>
            <translation>El mensaje no tiene destinatario.</translation>
        </message>
        <message>
            <source>A recipient is empty.</source>
            <translation>Hay un destinatario vacío.</translation>
        </message>
        <message>
            <source>The recipient "%1" is not an e-mail address (name@example.org, or Name &lt;name@example.org&gt;).</source>
            <translation>El destinatario «%1» no es una dirección de correo (nombre@example.org, o Nombre &lt;nombre@example.org&gt;).</translation>
        </message>
        <message>
            <source>The sender "%1" is not an e-mail address.</source>
            <translation>El remitente «%1» no es una dirección de correo.</translation>
        </message>
        <message>
            <source>The sender's name contains control characters.</source>
            <translation>El nombre del remitente contiene caracteres de control.</translation>
        </message>
        <message>
            <source>No SMTP server is set up.</source>
            <translation>No hay ningún servidor SMTP configurado.</translation>
        </message>
        <message>
            <source>No sender address is set up.</source>
            <translation>No hay ninguna dirección de remitente configurada.</translation>
        </message>
        <message>
            <source>Unknown security "%1" (starttls, tls or none).</source>
            <translation>Seguridad desconocida «%1» (starttls, tls o none).</translation>
        </message>
        <message>
            <source>The SMTP server %1 is not on this machine, so the connection must be encrypted (starttls or tls).</source>
            <translation>El servidor SMTP %1 no está en este equipo, así que la conexión debe estar cifrada (starttls o tls).</translation>
        </message>
        <message>
            <source>The mail library could not be started.</source>
            <translation>No se ha podido iniciar la biblioteca de correo.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Cancelado.</translation>
        </message>
        <message>
            <source>The mail server did not answer in time (%1).</source>
            <translation>El servidor de correo no ha respondido a tiempo (%1).</translation>
        </message>
        <message>
            <source>The mail server could not be reached (%1).</source>
            <translation>No se ha podido contactar con el servidor de correo (%1).</translation>
        </message>
        <message>
            <source>The mail server refused the user name or password.</source>
            <translation>El servidor de correo ha rechazado el nombre de usuario o la contraseña.</translation>
        </message>
        <message>
            <source>The mail server refused the message (%1: %2).</source>
            <translation>El servidor de correo ha rechazado el mensaje (%1: %2).</translation>
        </message>
        <message>
            <source>The e-mail could not be sent (%1).</source>
            <translation>No se ha podido enviar el correo (%1).</translation>
        </message>
    </context>
    <context>
        <name>SendingProcess</name>
        <message>
            <source>%1 could not be started.</source>
            <translation>No se ha podido iniciar %1.</translation>
        </message>
    </context>
    <context>
        <name>SendmailSender</name>
        <message>
            <source>sendmail did not finish in time.</source>
            <translation>sendmail no ha terminado a tiempo.</translation>
        </message>
        <message>
            <source>sendmail failed (exit code %1).</source>
            <translation>sendmail ha fallado (código de salida %1).</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Cancelado.</translation>
        </message>
    </context>
    <context>
        <name>SettingsSection</name>
        <message>
            <source>Enter a host name or address.</source>
            <translation>Escribe un nombre de servidor o una dirección.</translation>
        </message>
        <message>
            <source>A host name cannot hold spaces or any of / @ , ; " ' &lt; &gt; \.</source>
            <translation>Un nombre de servidor no puede contener espacios ni ninguno de / @ , ; " ' &lt; &gt; \.</translation>
        </message>
        <message>
            <source>A port is a number from 1 to 65535.</source>
            <translation>Un puerto es un número del 1 al 65535.</translation>
        </message>
        <message>
            <source>Enter the file's path.</source>
            <translation>Escribe la ruta del archivo.</translation>
        </message>
        <message>
            <source>There is no file %@.</source>
            <translation>No existe el archivo %@.</translation>
        </message>
        <message>
            <source>An address needs a name, an "@" and a domain, without spaces.</source>
            <translation>Una dirección necesita un nombre, una "@" y un dominio, sin espacios.</translation>
        </message>
        <message>
            <source>Problem</source>
            <translation>Problema</translation>
        </message>
    </context>
    <context>
        <name>SmtpSender</name>
        <message>
            <source>Cancelled.</source>
            <translation>Cancelado.</translation>
        </message>
        <message>
            <source>No password for %1 is kept in the keyring. Enter it in the device settings.</source>
            <translation>El depósito de claves no guarda ninguna contraseña para %1. Escríbela en los ajustes del dispositivo.</translation>
        </message>
        <message>
            <source>The password could not be read from the keyring (%1).</source>
            <translation>No se ha podido leer la contraseña del depósito de claves (%1).</translation>
        </message>
    </context>
    <context>
        <name>TableView</name>
        <message>
            <source>row %1 of %2, selected</source>
            <translation>fila %1 de %2, seleccionada</translation>
        </message>
        <message>
            <source>row %1 of %2</source>
            <translation>fila %1 de %2</translation>
        </message>
    </context>
    <context>
        <name>TableViewCell</name>
        <message>
            <source>Delete</source>
            <translation>Eliminar</translation>
        </message>
    </context>
<context>
    <name>ReportScreen</name>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
</context>
</TS>
