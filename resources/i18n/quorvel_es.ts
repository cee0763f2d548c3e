<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Quorvel</name>
    <message id="QUORVEL_NAVBAR_TITLE">
        <source>QUORVEL_NAVBAR_TITLE</source>
        <translation>Quorvel</translation>
    </message>
    <message id="QUORVEL_TABBAR_TITLE">
        <source>QUORVEL_TABBAR_TITLE</source>
        <translation>Posición</translation>
    </message>
    <message id="TEMPLATES_TABBAR_TITLE">
        <source>TEMPLATES_TABBAR_TITLE</source>
        <translation>Plantillas</translation>
    </message>
    <message id="MAP_TABBAR_TITLE">
        <source>MAP_TABBAR_TITLE</source>
        <translation>Mapa</translation>
    </message>
    <message id="ABOUT_TABBAR_TITLE">
        <source>ABOUT_TABBAR_TITLE</source>
        <translation>Acerca de</translation>
    </message>
    <message id="CURRENTPOSITION">
        <source>CURRENTPOSITION</source>
        <translation>Posición actual</translation>
    </message>
    <message id="LATITUDE">
        <source>LATITUDE</source>
        <translation>Latitud</translation>
    </message>
    <message id="LONGITUDE">
        <source>LONGITUDE</source>
        <translation>Longitud</translation>
    </message>
    <message id="AMSL">
        <source>AMSL</source>
        <translation>Altitud</translation>
    </message>
    <message id="LOCATION">
        <source>LOCATION</source>
        <translation>Localidad</translation>
    </message>
    <message id="SMSLABEL">
        <source>SMSLABEL</source>
        <translation>Destinatario</translation>
    </message>
    <message id="contactPhone">
        <source>contactPhone</source>
        <translation>Número de teléfono</translation>
    </message>
    <message id="contactEmail">
        <source>contactEmail</source>
        <translation>Dirección de correo</translation>
    </message>
    <message id="ChooseGPSFormat">
        <source>ChooseGPSFormat</source>
        <translation>Elige un formato de coordenadas</translation>
    </message>
    <message id="EmailSubject">
        <source>EmailSubject</source>
        <translation>Dónde estoy</translation>
    </message>
    <message id="Error">
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message id="GettingLocationFailed">
        <source>GettingLocationFailed</source>
        <translation>No se ha podido determinar tu posición.</translation>
    </message>
    <message id="UnknownLocation">
        <source>UnknownLocation</source>
        <translation>Todavía no se conoce tu posición. Vuelve a elegir el formato cuando aparezca.</translation>
    </message>
    <message id="DeviceNotConfigured">
        <source>DeviceNotConfigured</source>
        <translation>Este dispositivo no puede enviar SMS. Configura un módem o un teléfono vinculado en SMS, en los ajustes del dispositivo: el botón Ajustes de la pantalla Acerca de, o Ctrl+,.</translation>
    </message>
    <message id="DeviceNotConfiguredEmail">
        <source>DeviceNotConfiguredEmail</source>
        <translation>No hay ninguna cuenta de correo configurada en este dispositivo. Configura una en Correo, en los ajustes del dispositivo: el botón Ajustes de la pantalla Acerca de, o Ctrl+,.</translation>
    </message>
    <message id="SMSSendingCanceled">
        <source>SMSSendingCanceled</source>
        <translation>Se ha cancelado el envío del SMS.</translation>
    </message>
    <message id="SMSSendingFailed">
        <source>SMSSendingFailed</source>
        <translation>No se ha podido enviar el mensaje.</translation>
    </message>
    <message id="SMSSent">
        <source>SMSSent</source>
        <translation>Se ha enviado el SMS.</translation>
    </message>
    <message id="SMSNotSent">
        <source>SMSNotSent</source>
        <translation>No se ha enviado el SMS.</translation>
    </message>
    <message id="EmailSendingCanceled">
        <source>EmailSendingCanceled</source>
        <translation>Se ha cancelado el envío del correo.</translation>
    </message>
    <message id="EmailSaved">
        <source>EmailSaved</source>
        <translation>El correo se ha guardado como borrador.</translation>
    </message>
    <message id="EmailSent">
        <source>EmailSent</source>
        <translation>Se ha enviado el correo.</translation>
    </message>
    <message id="EmailNotSent">
        <source>EmailNotSent</source>
        <translation>No se ha enviado el correo.</translation>
    </message>
    <message id="MessageDefaultTemplate1">
        <source>MessageDefaultTemplate1</source>
        <translation>Estoy en [], cerca de {}.</translation>
    </message>
    <message id="MessageDefaultTemplate2">
        <source>MessageDefaultTemplate2</source>
        <translation>Por favor, recógeme aquí: [] ({}).</translation>
    </message>
    <message id="MessageDefaultTemplate3">
        <source>MessageDefaultTemplate3</source>
        <translation>¡Necesito ayuda! Mi posición es [], cerca de {}.</translation>
    </message>
    <message id="TEMPLATES_NAVBAR_TITLE">
        <source>TEMPLATES_NAVBAR_TITLE</source>
        <translation>Plantillas</translation>
    </message>
    <message id="MESSAGE_DETAIL_NAVBAR_TITLE">
        <source>MESSAGE_DETAIL_NAVBAR_TITLE</source>
        <translation>Plantilla</translation>
    </message>
    <message id="USEBUTTON">
        <source>USEBUTTON</source>
        <translation>Usar</translation>
    </message>
    <message id="SAVEBUTTON">
        <source>SAVEBUTTON</source>
        <translation>Guardar</translation>
    </message>
    <message id="HELP1">
        <source>HELP1</source>
        <translation>Los corchetes [] se sustituyen por tus coordenadas.</translation>
    </message>
    <message id="HELP2">
        <source>HELP2</source>
        <translation>Las llaves {} se sustituyen por el nombre del lugar donde estás.</translation>
    </message>
    <message id="MAP_NAVBAR_TITLE">
        <source>MAP_NAVBAR_TITLE</source>
        <translation>Mapa</translation>
    </message>
    <message id="MAP_TYPE">
        <source>MAP_TYPE</source>
        <translation>Tipo de mapa</translation>
    </message>
    <message id="ABOUT_NAVBAR_TITLE">
        <source>ABOUT_NAVBAR_TITLE</source>
        <translation>Acerca de</translation>
    </message>
    <message id="QUORVEL">
        <source>QUORVEL</source>
        <translation>Quorvel</translation>
    </message>
    <message id="ABOUT_DESCRIPTION">
        <source>ABOUT_DESCRIPTION</source>
        <translation>Quorvel le dice a otra persona dónde estás. Sigue tu posición, la muestra en tres formatos de coordenadas con la altitud y el lugar más cercano, y la envía por SMS o por correo electrónico.

Nombres de lugares: © GeoNames (geonames.org), con una licencia Creative Commons Reconocimiento.
Datos del mapa: © colaboradores de OpenStreetMap, disponibles con la Open Database License.</translation>
    </message>
    <message id="AUTHOR">
        <source>AUTHOR</source>
        <translation>De los desarrolladores de Quorvel</translation>
    </message>
    <message id="VERSION">
        <source>VERSION</source>
        <translation>Versión 0.1.0</translation>
    </message>
    <message id="VERSION_TIMESTAMP">
        <source>VERSION_TIMESTAMP</source>
        <translation>Compilado el 9 de diciembre de 2026</translation>
    </message>
    <message id="DOWNLOAD_DESCRIPTION">
        <source>DOWNLOAD_DESCRIPTION</source>
        <translation>La última versión y su código fuente están en https://quorvel.example.org/</translation>
    </message>
    <message id="COMMANDLINE_DESCRIPTION">
        <source>COMMANDLINE_DESCRIPTION</source>
        <translation>Le dice a otra persona dónde estás, por SMS o por correo electrónico.</translation>
    </message>
    <message id="COMMANDLINE_DEMO">
        <source>COMMANDLINE_DEMO</source>
        <translation>Usar como posición el paseo de demostración incluido, digan lo que digan los ajustes del dispositivo.</translation>
    </message>
    <message id="COMMANDLINE_SETTINGS">
        <source>COMMANDLINE_SETTINGS</source>
        <translation>Abrir los ajustes del dispositivo (fuente de posición, SMS, cuenta de correo, libretas de direcciones, mapa) sobre la ventana.</translation>
    </message>
    <message id="COMMANDLINE_TRY_HELP">
        <source>COMMANDLINE_TRY_HELP</source>
        <translation>Prueba '%1 --help' para ver las opciones.</translation>
    </message>
    <message id="COMMANDLINE_UNEXPECTED">
        <source>COMMANDLINE_UNEXPECTED</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>SETTINGS_TITLE</source>
        <translation>Ajustes del dispositivo</translation>
    </message>
    <message id="SETTINGS_OPEN">
        <source>SETTINGS_OPEN</source>
        <translation>Ajustes</translation>
    </message>
    <message id="SETTINGS_SECTIONS">
        <source>SETTINGS_SECTIONS</source>
        <translation>Secciones</translation>
    </message>
    <message id="SETTINGS_LOCATION">
        <source>SETTINGS_LOCATION</source>
        <translation>Ubicación</translation>
    </message>
    <message id="SETTINGS_SMS">
        <source>SETTINGS_SMS</source>
        <translation>SMS</translation>
    </message>
    <message id="SETTINGS_MAIL">
        <source>SETTINGS_MAIL</source>
        <translation>Correo</translation>
    </message>
    <message id="SETTINGS_CONTACTS">
        <source>SETTINGS_CONTACTS</source>
        <translation>Contactos</translation>
    </message>
    <message id="SETTINGS_MAP">
        <source>SETTINGS_MAP</source>
        <translation>Mapa</translation>
    </message>
    <message id="SETTINGS_ERROR">
        <source>SETTINGS_ERROR</source>
        <translation>Problema</translation>
    </message>
    <message id="SETTINGS_STATUS">
        <source>SETTINGS_STATUS</source>
        <translation>Estado</translation>
    </message>
    <message id="SETTINGS_SOURCE">
        <source>SETTINGS_SOURCE</source>
        <translation>Fuente de posición</translation>
    </message>
    <message id="SETTINGS_SOURCE_AUTO">
        <source>SETTINGS_SOURCE_AUTO</source>
        <translation>Automática (la primera fuente que responda)</translation>
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
        <translation>Receptor NMEA en un puerto serie</translation>
    </message>
    <message id="SETTINGS_SOURCE_NMEA_TCP">
        <source>SETTINGS_SOURCE_NMEA_TCP</source>
        <translation>NMEA por la red</translation>
    </message>
    <message id="SETTINGS_SOURCE_REPLAY">
        <source>SETTINGS_SOURCE_REPLAY</source>
        <translation>Un archivo NMEA grabado</translation>
    </message>
    <message id="SETTINGS_SOURCE_DEMO">
        <source>SETTINGS_SOURCE_DEMO</source>
        <translation>Paseo de demostración (no es tu posición)</translation>
    </message>
    <message id="SETTINGS_HOST">
        <source>SETTINGS_HOST</source>
        <translation>Servidor</translation>
    </message>
    <message id="SETTINGS_PORT">
        <source>SETTINGS_PORT</source>
        <translation>Puerto</translation>
    </message>
    <message id="SETTINGS_PORT_DEFAULT">
        <source>SETTINGS_PORT_DEFAULT</source>
        <translation>El predeterminado según la seguridad</translation>
    </message>
    <message id="SETTINGS_DEVICE">
        <source>SETTINGS_DEVICE</source>
        <translation>Dispositivo</translation>
    </message>
    <message id="SETTINGS_REPLAY_FILE">
        <source>SETTINGS_REPLAY_FILE</source>
        <translation>Archivo NMEA</translation>
    </message>
    <message id="SETTINGS_SOURCE_STATUS">
        <source>SETTINGS_SOURCE_STATUS</source>
        <translation>Lo que da ahora la fuente</translation>
    </message>
    <message id="SETTINGS_STATUS_WAITING">
        <source>SETTINGS_STATUS_WAITING</source>
        <translation>Esperando una posición…</translation>
    </message>
    <message id="SETTINGS_STATUS_FIX">
        <source>SETTINGS_STATUS_FIX</source>
        <translation>Posición %.5f, %.5f</translation>
    </message>
    <message id="SETTINGS_STATUS_FAILED">
        <source>SETTINGS_STATUS_FAILED</source>
        <translation>La fuente ha fallado: %@</translation>
    </message>
    <message id="SETTINGS_SMS_SENDER">
        <source>SETTINGS_SMS_SENDER</source>
        <translation>Enviar SMS mediante</translation>
    </message>
    <message id="SETTINGS_SMS_NONE">
        <source>SETTINGS_SMS_NONE</source>
        <translation>Nada (sin configurar)</translation>
    </message>
    <message id="SETTINGS_SMS_MODEM">
        <source>SETTINGS_SMS_MODEM</source>
        <translation>Un módem (ModemManager)</translation>
    </message>
    <message id="SETTINGS_SMS_KDECONNECT">
        <source>SETTINGS_SMS_KDECONNECT</source>
        <translation>Un teléfono vinculado (KDE Connect)</translation>
    </message>
    <message id="SETTINGS_MODEM">
        <source>SETTINGS_MODEM</source>
        <translation>Módem</translation>
    </message>
    <message id="SETTINGS_ANY_MODEM">
        <source>SETTINGS_ANY_MODEM</source>
        <translation>El primer módem que pueda enviar mensajes</translation>
    </message>
    <message id="SETTINGS_PHONE">
        <source>SETTINGS_PHONE</source>
        <translation>Teléfono</translation>
    </message>
    <message id="SETTINGS_ANY_PHONE">
        <source>SETTINGS_ANY_PHONE</source>
        <translation>El primer teléfono accesible</translation>
    </message>
    <message id="SETTINGS_REFRESH">
        <source>SETTINGS_REFRESH</source>
        <translation>Volver a buscar módems y teléfonos</translation>
    </message>
    <message id="SETTINGS_TEST_NUMBER">
        <source>SETTINGS_TEST_NUMBER</source>
        <translation>Número para un mensaje de prueba</translation>
    </message>
    <message id="SETTINGS_SEND_TEST">
        <source>SETTINGS_SEND_TEST</source>
        <translation>Enviar un mensaje de prueba</translation>
    </message>
    <message id="SETTINGS_SENDING_TEST">
        <source>SETTINGS_SENDING_TEST</source>
        <translation>Enviando el mensaje de prueba…</translation>
    </message>
    <message id="SETTINGS_TEST_TEXT">
        <source>SETTINGS_TEST_TEXT</source>
        <translation>Este es un mensaje de prueba de Quorvel.</translation>
    </message>
    <message id="SETTINGS_TEST_SENT">
        <source>SETTINGS_TEST_SENT</source>
        <translation>Se ha enviado el mensaje de prueba.</translation>
    </message>
    <message id="SETTINGS_TEST_FAILED">
        <source>SETTINGS_TEST_FAILED</source>
        <translation>No se ha enviado el mensaje de prueba: %@</translation>
    </message>
    <message id="SETTINGS_TRANSPORT">
        <source>SETTINGS_TRANSPORT</source>
        <translation>Enviar correo mediante</translation>
    </message>
    <message id="SETTINGS_MAIL_NONE">
        <source>SETTINGS_MAIL_NONE</source>
        <translation>Nada (sin configurar)</translation>
    </message>
    <message id="SETTINGS_MAIL_SMTP">
        <source>SETTINGS_MAIL_SMTP</source>
        <translation>Un servidor SMTP</translation>
    </message>
    <message id="SETTINGS_MAIL_SENDMAIL">
        <source>SETTINGS_MAIL_SENDMAIL</source>
        <translation>El sendmail de este equipo</translation>
    </message>
    <message id="SETTINGS_SERVER">
        <source>SETTINGS_SERVER</source>
        <translation>Servidor SMTP</translation>
    </message>
    <message id="SETTINGS_SECURITY">
        <source>SETTINGS_SECURITY</source>
        <translation>Seguridad</translation>
    </message>
    <message id="SETTINGS_SECURITY_STARTTLS">
        <source>SETTINGS_SECURITY_STARTTLS</source>
        <translation>STARTTLS (puerto 587)</translation>
    </message>
    <message id="SETTINGS_SECURITY_TLS">
        <source>SETTINGS_SECURITY_TLS</source>
        <translation>TLS (puerto 465)</translation>
    </message>
    <message id="SETTINGS_SECURITY_NONE">
        <source>SETTINGS_SECURITY_NONE</source>
        <translation>Ninguna (solo un servidor en este equipo)</translation>
    </message>
    <message id="SETTINGS_USER">
        <source>SETTINGS_USER</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message id="SETTINGS_PASSWORD">
        <source>SETTINGS_PASSWORD</source>
        <translation>Contraseña</translation>
    </message>
    <message id="SETTINGS_PASSWORD_UNCHANGED">
        <source>SETTINGS_PASSWORD_UNCHANGED</source>
        <translation>Déjalo vacío para conservar la contraseña que tienes</translation>
    </message>
    <message id="SETTINGS_PASSWORD_IN_FILE">
        <source>SETTINGS_PASSWORD_IN_FILE</source>
        <translation>Esta contraseña está en device.ini; al guardar se mueve al depósito de claves.</translation>
    </message>
    <message id="SETTINGS_KEEP_IN_FILE">
        <source>SETTINGS_KEEP_IN_FILE</source>
        <translation>Conservar la contraseña en device.ini</translation>
    </message>
    <message id="SETTINGS_KEYRING_ABSENT">
        <source>SETTINGS_KEYRING_ABSENT</source>
        <translation>no responde ningún depósito de claves (Secret Service)</translation>
    </message>
    <message id="SETTINGS_KEYRING_LOCKED">
        <source>SETTINGS_KEYRING_LOCKED</source>
        <translation>el depósito de claves está bloqueado</translation>
    </message>
    <message id="SETTINGS_KEYRING_FAILED">
        <source>SETTINGS_KEYRING_FAILED</source>
        <translation>No se ha podido guardar la contraseña en el depósito de claves: %@. No se ha guardado nada. Puedes conservarla en device.ini, pero cualquiera que pueda leer ese archivo podrá leer la contraseña.</translation>
    </message>
    <message id="SETTINGS_FROM">
        <source>SETTINGS_FROM</source>
        <translation>Dirección del remitente</translation>
    </message>
    <message id="SETTINGS_NAME">
        <source>SETTINGS_NAME</source>
        <translation>Nombre del remitente</translation>
    </message>
    <message id="SETTINGS_SENDMAIL">
        <source>SETTINGS_SENDMAIL</source>
        <translation>Programa sendmail</translation>
    </message>
    <message id="SETTINGS_CHECK_ACCOUNT">
        <source>SETTINGS_CHECK_ACCOUNT</source>
        <translation>Comprobar la cuenta</translation>
    </message>
    <message id="SETTINGS_CHECKING">
        <source>SETTINGS_CHECKING</source>
        <translation>Conectando con el servidor…</translation>
    </message>
    <message id="SETTINGS_CHECK_OK">
        <source>SETTINGS_CHECK_OK</source>
        <translation>El servidor ha aceptado el inicio de sesión. Ha respondido: %@</translation>
    </message>
    <message id="SETTINGS_CHECK_FAILED">
        <source>SETTINGS_CHECK_FAILED</source>
        <translation>La cuenta no funciona: %@</translation>
    </message>
    <message id="SETTINGS_USE_FOLDER">
        <source>SETTINGS_USE_FOLDER</source>
        <translation>Leer una carpeta de archivos vCard</translation>
    </message>
    <message id="SETTINGS_FOLDER">
        <source>SETTINGS_FOLDER</source>
        <translation>Carpeta vCard</translation>
    </message>
    <message id="SETTINGS_USE_KPEOPLE">
        <source>SETTINGS_USE_KPEOPLE</source>
        <translation>Libreta de direcciones de KPeople (Plasma)</translation>
    </message>
    <message id="SETTINGS_USE_EDS">
        <source>SETTINGS_USE_EDS</source>
        <translation>Evolution Data Server (GNOME, Phosh)</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS">
        <source>SETTINGS_EDS_BOOKS</source>
        <translation>Libretas de direcciones que leer</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS_STATUS">
        <source>SETTINGS_EDS_BOOKS_STATUS</source>
        <translation>Libretas de direcciones de Evolution Data Server</translation>
    </message>
    <message id="SETTINGS_EDS_LISTING">
        <source>SETTINGS_EDS_LISTING</source>
        <translation>Buscando las libretas de direcciones…</translation>
    </message>
    <message id="SETTINGS_EDS_ABSENT">
        <source>SETTINGS_EDS_ABSENT</source>
        <translation>Evolution Data Server no responde en este dispositivo, así que no se pueden listar sus libretas de direcciones. Se leen todas cuando está en marcha.</translation>
    </message>
    <message id="SETTINGS_EDS_NONE">
        <source>SETTINGS_EDS_NONE</source>
        <translation>Evolution Data Server no tiene libretas de direcciones activadas.</translation>
    </message>
    <message id="SETTINGS_TILE_SERVER">
        <source>SETTINGS_TILE_SERVER</source>
        <translation>Servidor de teselas</translation>
    </message>
    <message id="SETTINGS_TILE_CONTACT">
        <source>SETTINGS_TILE_CONTACT</source>
        <translation>Tu contacto para el servidor de teselas</translation>
    </message>
    <message id="SETTINGS_MBTILES">
        <source>SETTINGS_MBTILES</source>
        <translation>Archivo MBTiles para el mapa</translation>
    </message>
    <message id="SETTINGS_SATELLITE_MBTILES">
        <source>SETTINGS_SATELLITE_MBTILES</source>
        <translation>Archivo MBTiles para la vista de satélite</translation>
    </message>
    <message id="SETTINGS_ERR_PORT">
        <source>SETTINGS_ERR_PORT</source>
        <translation>Un puerto es un número del 1 al 65535.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST">
        <source>SETTINGS_ERR_HOST</source>
        <translation>Un nombre de servidor no puede contener espacios ni ninguno de / @ , ; " ' &lt; &gt; \.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST_EMPTY">
        <source>SETTINGS_ERR_HOST_EMPTY</source>
        <translation>Escribe un nombre de servidor o una dirección.</translation>
    </message>
    <message id="SETTINGS_ERR_FROM">
        <source>SETTINGS_ERR_FROM</source>
        <translation>Una dirección necesita un nombre, una "@" y un dominio, sin espacios.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE">
        <source>SETTINGS_ERR_FILE</source>
        <translation>No existe el archivo %@.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE_EMPTY">
        <source>SETTINGS_ERR_FILE_EMPTY</source>
        <translation>Escribe la ruta del archivo.</translation>
    </message>
    <message id="SETTINGS_ERR_FOLDER">
        <source>SETTINGS_ERR_FOLDER</source>
        <translation>No existe la carpeta %@.</translation>
    </message>
    <message id="SETTINGS_ERR_PROGRAM">
        <source>SETTINGS_ERR_PROGRAM</source>
        <translation>%@ no es un programa de este equipo.</translation>
    </message>
    <message id="SETTINGS_ERR_NOT_LOOPBACK">
        <source>SETTINGS_ERR_NOT_LOOPBACK</source>
        <translation>Sin cifrado solo se puede usar un servidor en este equipo.</translation>
    </message>
    <message id="SETTINGS_ERR_URL">
        <source>SETTINGS_ERR_URL</source>
        <translation>La dirección empieza por http:// o https:// y contiene {z}, {x} y {y}.</translation>
    </message>
    <message id="SETTINGS_ERR_CONTACT">
        <source>SETTINGS_ERR_CONTACT</source>
        <translation>Indica una dirección de correo o una página web (http:// o https://).</translation>
    </message>
    <message id="SETTINGS_ERR_NUMBER">
        <source>SETTINGS_ERR_NUMBER</source>
        <translation>Un número de teléfono contiene cifras, espacios, paréntesis, puntos, guiones y un + inicial.</translation>
    </message>
    <message id="SETTINGS_FIX_FIELDS">
        <source>SETTINGS_FIX_FIELDS</source>
        <translation>Corrige los campos marcados para guardar: %@.</translation>
    </message>
    <message id="SETTINGS_SAVING">
        <source>SETTINGS_SAVING</source>
        <translation>Guardando…</translation>
    </message>
    <message id="SETTINGS_WRITE_FAILED">
        <source>SETTINGS_WRITE_FAILED</source>
        <translation>No se ha podido escribir %@; no se ha guardado nada.</translation>
    </message>
    <message id="SETTINGS_SAVE">
        <source>SETTINGS_SAVE</source>
        <translation>Guardar</translation>
    </message>
    <message id="SETTINGS_CANCEL">
        <source>SETTINGS_CANCEL</source>
        <translation>Cancelar</translation>
    </message>
    <message id="ACCESSIBLE_SELECT">
        <source>ACCESSIBLE_SELECT</source>
        <translation>Seleccionar</translation>
    </message>
    <message id="ACCESSIBLE_OPEN">
        <source>ACCESSIBLE_OPEN</source>
        <translation>Abrir</translation>
    </message>
    <message id="ACCESSIBLE_DELETE">
        <source>ACCESSIBLE_DELETE</source>
        <translation>Eliminar</translation>
    </message>
    <message id="ACCESSIBLE_EMPTY_ROW">
        <source>ACCESSIBLE_EMPTY_ROW</source>
        <translation>Fila vacía %1</translation>
    </message>
    <message id="MAP_ACCESSIBLE_NAME">
        <source>MAP_ACCESSIBLE_NAME</source>
        <translation>Mapa</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION">
        <source>MAP_ACCESSIBLE_POSITION</source>
        <translation>Tu posición: %1.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION_NEAR">
        <source>MAP_ACCESSIBLE_POSITION_NEAR</source>
        <translation>Tu posición: %1, cerca de %2.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_WAITING">
        <source>MAP_ACCESSIBLE_WAITING</source>
        <translation>Esperando tu posición.</translation>
    </message>
    <message id="MAP_OFFLINE">
        <source>MAP_OFFLINE</source>
        <translation>Mapa sin conexión: no hay teselas que mostrar</translation>
    </message>
    <message id="MAP_NO_SATELLITE">
        <source>MAP_NO_SATELLITE</source>
        <translation>No hay imágenes de satélite configuradas: mapa sin conexión</translation>
    </message>
    <message id="TEMPLATES_LIST_HINT">
        <source>TEMPLATES_LIST_HINT</source>
        <translation>Intro abre la plantilla seleccionada; Supr pide confirmación antes de eliminarla.</translation>
    </message>
    <message id="TEMPLATES_NEW">
        <source>TEMPLATES_NEW</source>
        <translation>Nueva plantilla</translation>
    </message>
    <message id="ACCESSIBLE_CLEAR_TEXT">
        <source>ACCESSIBLE_CLEAR_TEXT</source>
        <translation>Borrar el texto</translation>
    </message>
    <message id="DemoPosition">
        <source>DemoPosition</source>
        <translation>Posición de demostración: un paseo grabado en Praga, no donde estás</translation>
    </message>
    <message id="StatusChoosing">
        <source>StatusChoosing</source>
        <translation>Buscando una fuente de posición…</translation>
    </message>
    <message id="StatusWaiting">
        <source>StatusWaiting</source>
        <translation>Esperando una posición (fuente: %1)…</translation>
    </message>
    <message id="StatusNotAnswering">
        <source>StatusNotAnswering</source>
        <translation>La fuente de posición (%1) aún no responde.</translation>
    </message>
    <message id="StatusDenied">
        <source>StatusDenied</source>
        <translation>El servicio de ubicación del sistema ha denegado el acceso a tu posición. Permite Quorvel en la configuración del sistema, en Privacidad → Servicios de ubicación.</translation>
    </message>
    <message id="StatusFailed">
        <source>StatusFailed</source>
        <translation>La fuente de posición (%1) ha dejado de funcionar.</translation>
    </message>
    <message id="SourceGeoClue">
        <source>SourceGeoClue</source>
        <translation>el servicio de ubicación del sistema</translation>
    </message>
    <message id="SourceGpsd">
        <source>SourceGpsd</source>
        <translation>gpsd en %1</translation>
    </message>
    <message id="SourceReceiver">
        <source>SourceReceiver</source>
        <translation>receptor %1</translation>
    </message>
    <message id="SourceReplay">
        <source>SourceReplay</source>
        <translation>grabación %1</translation>
    </message>
    <message id="SourceDemo">
        <source>SourceDemo</source>
        <translation>el paseo de demostración</translation>
    </message>
    <message id="DemoSendTitle">
        <source>DemoSendTitle</source>
        <translation>¿Enviar una posición de demostración?</translation>
    </message>
    <message id="DemoSendMessage">
        <source>DemoSendMessage</source>
        <translation>La posición de este mensaje es la del paseo de demostración por Praga, no donde estás.</translation>
    </message>
    <message id="DemoSendNo">
        <source>DemoSendNo</source>
        <translation>No enviar</translation>
    </message>
    <message id="DemoSendYes">
        <source>DemoSendYes</source>
        <translation>Enviar la demostración</translation>
    </message>
    <message id="DemoPin">
        <source>DemoPin</source>
        <translation>Posición de demostración: no es donde estás</translation>
    </message>
</context>
</TS>
