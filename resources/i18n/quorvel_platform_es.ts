<?xml version='1.0' encoding='utf-8'?>
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
    <name>MessageComposeViewController</name>
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
    <name>ModemManagerSender</name>
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
    <name>QObject</name>
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
