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
        <translation>¡Necesito ayuda! Mi posición es [], cerca de {}. Mapa: &lt;&gt;</translation>
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
    <message id="InsertCoordinates">
        <source>InsertCoordinates</source>
        <translation>+ Coordenadas</translation>
    </message>
    <message id="InsertLocality">
        <source>InsertLocality</source>
        <translation>+ Lugar</translation>
    </message>
    <message id="InsertLink">
        <source>InsertLink</source>
        <translation>+ Enlace al mapa</translation>
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
        <translation>precisión desconocida</translation>
    </message>
    <message id="FixAgeMinutes">
        <source>FixAgeMinutes</source>
        <translation>hace %1 min</translation>
    </message>
    <message id="FixAgeHours">
        <source>FixAgeHours</source>
        <translation>hace %1 h</translation>
    </message>
    <message id="CheckSendTitle">
        <source>CheckSendTitle</source>
        <translation>¿Enviar esta posición?</translation>
    </message>
    <message id="CoarseSendMessage">
        <source>CoarseSendMessage</source>
        <translation>Esta posición solo es precisa a %1: puede ser una estimación por wifi o por la red, no una posición por satélite.</translation>
    </message>
    <message id="StaleSendMessage">
        <source>StaleSendMessage</source>
        <translation>Esta posición se determinó %1; puede que ya no esté allí.</translation>
    </message>
    <message id="CheckSendYes">
        <source>CheckSendYes</source>
        <translation>Enviar de todos modos</translation>
    </message>
    <message id="StatusWaitingSatellites">
        <source>StatusWaitingSatellites</source>
        <translation>Esperando una posición: %1 satélites a la vista, %2 en uso</translation>
    </message>
</context>
</TS>
