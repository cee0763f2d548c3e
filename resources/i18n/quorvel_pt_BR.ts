<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Quorvel</name>
    <message id="QUORVEL_NAVBAR_TITLE">
        <source>QUORVEL_NAVBAR_TITLE</source>
        <translation>Quorvel</translation>
    </message>
    <message id="QUORVEL_TABBAR_TITLE">
        <source>QUORVEL_TABBAR_TITLE</source>
        <translation>Posição</translation>
    </message>
    <message id="TEMPLATES_TABBAR_TITLE">
        <source>TEMPLATES_TABBAR_TITLE</source>
        <translation>Modelos</translation>
    </message>
    <message id="MAP_TABBAR_TITLE">
        <source>MAP_TABBAR_TITLE</source>
        <translation>Mapa</translation>
    </message>
    <message id="ABOUT_TABBAR_TITLE">
        <source>ABOUT_TABBAR_TITLE</source>
        <translation>Sobre</translation>
    </message>
    <message id="CURRENTPOSITION">
        <source>CURRENTPOSITION</source>
        <translation>Posição atual</translation>
    </message>
    <message id="LATITUDE">
        <source>LATITUDE</source>
        <translation>Latitude</translation>
    </message>
    <message id="LONGITUDE">
        <source>LONGITUDE</source>
        <translation>Longitude</translation>
    </message>
    <message id="AMSL">
        <source>AMSL</source>
        <translation>Altitude</translation>
    </message>
    <message id="LOCATION">
        <source>LOCATION</source>
        <translation>Localidade</translation>
    </message>
    <message id="SMSLABEL">
        <source>SMSLABEL</source>
        <translation>Destinatário</translation>
    </message>
    <message id="contactPhone">
        <source>contactPhone</source>
        <translation>Número de telefone</translation>
    </message>
    <message id="contactEmail">
        <source>contactEmail</source>
        <translation>Endereço de e-mail</translation>
    </message>
    <message id="ChooseGPSFormat">
        <source>ChooseGPSFormat</source>
        <translation>Escolha um formato de coordenadas</translation>
    </message>
    <message id="EmailSubject">
        <source>EmailSubject</source>
        <translation>Onde estou</translation>
    </message>
    <message id="Error">
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Informação</translation>
    </message>
    <message id="GettingLocationFailed">
        <source>GettingLocationFailed</source>
        <translation>Não foi possível determinar sua posição.</translation>
    </message>
    <message id="UnknownLocation">
        <source>UnknownLocation</source>
        <translation>Sua posição ainda não é conhecida. Escolha o formato de novo assim que ela aparecer.</translation>
    </message>
    <message id="DeviceNotConfigured">
        <source>DeviceNotConfigured</source>
        <translation>Este dispositivo não pode enviar SMS. Configure um modem ou um telefone pareado em SMS nas configurações do dispositivo: o botão Configurações na tela Sobre, ou Ctrl+,.</translation>
    </message>
    <message id="DeviceNotConfiguredEmail">
        <source>DeviceNotConfiguredEmail</source>
        <translation>Nenhuma conta de e-mail está configurada neste dispositivo. Configure uma em E-mail nas configurações do dispositivo: o botão Configurações na tela Sobre, ou Ctrl+,.</translation>
    </message>
    <message id="SMSSendingCanceled">
        <source>SMSSendingCanceled</source>
        <translation>O envio do SMS foi cancelado.</translation>
    </message>
    <message id="SMSSendingFailed">
        <source>SMSSendingFailed</source>
        <translation>Não foi possível enviar a mensagem.</translation>
    </message>
    <message id="SMSSent">
        <source>SMSSent</source>
        <translation>O SMS foi enviado.</translation>
    </message>
    <message id="SMSNotSent">
        <source>SMSNotSent</source>
        <translation>O SMS não foi enviado.</translation>
    </message>
    <message id="EmailSendingCanceled">
        <source>EmailSendingCanceled</source>
        <translation>O envio do e-mail foi cancelado.</translation>
    </message>
    <message id="EmailSaved">
        <source>EmailSaved</source>
        <translation>O e-mail foi salvo como rascunho.</translation>
    </message>
    <message id="EmailSent">
        <source>EmailSent</source>
        <translation>O e-mail foi enviado.</translation>
    </message>
    <message id="EmailNotSent">
        <source>EmailNotSent</source>
        <translation>O e-mail não foi enviado.</translation>
    </message>
    <message id="MessageDefaultTemplate1">
        <source>MessageDefaultTemplate1</source>
        <translation>Estou em [], perto de {}.</translation>
    </message>
    <message id="MessageDefaultTemplate2">
        <source>MessageDefaultTemplate2</source>
        <translation>Por favor, venha me buscar aqui: [] ({}).</translation>
    </message>
    <message id="MessageDefaultTemplate3">
        <source>MessageDefaultTemplate3</source>
        <translation>Preciso de ajuda! Minha posição é [], perto de {}. Mapa: &lt;&gt;</translation>
    </message>
    <message id="TEMPLATES_NAVBAR_TITLE">
        <source>TEMPLATES_NAVBAR_TITLE</source>
        <translation>Modelos</translation>
    </message>
    <message id="MESSAGE_DETAIL_NAVBAR_TITLE">
        <source>MESSAGE_DETAIL_NAVBAR_TITLE</source>
        <translation>Modelo</translation>
    </message>
    <message id="USEBUTTON">
        <source>USEBUTTON</source>
        <translation>Usar</translation>
    </message>
    <message id="SAVEBUTTON">
        <source>SAVEBUTTON</source>
        <translation>Salvar</translation>
    </message>
    <message id="HELP1">
        <source>HELP1</source>
        <translation>Os colchetes [] são substituídos pelas suas coordenadas.</translation>
    </message>
    <message id="HELP2">
        <source>HELP2</source>
        <translation>As chaves {} são substituídas pelo nome do lugar onde você está.</translation>
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
        <translation>Sobre</translation>
    </message>
    <message id="QUORVEL">
        <source>QUORVEL</source>
        <translation>Quorvel</translation>
    </message>
    <message id="ABOUT_DESCRIPTION">
        <source>ABOUT_DESCRIPTION</source>
        <translation>O Quorvel conta para outra pessoa onde você está. Ele acompanha sua posição, mostra-a em três formatos de coordenadas com a altitude e o lugar mais próximo, e a envia por SMS ou e-mail.

Nomes de lugares: © GeoNames (geonames.org), sob uma licença Creative Commons Atribuição.
Dados do mapa: © colaboradores do OpenStreetMap, disponíveis sob a Open Database License.</translation>
    </message>
    <message id="AUTHOR">
        <source>AUTHOR</source>
        <translation>Pelos desenvolvedores do Quorvel</translation>
    </message>
    <message id="VERSION">
        <source>VERSION</source>
        <translation>Versão 0.1.0</translation>
    </message>
    <message id="VERSION_TIMESTAMP">
        <source>VERSION_TIMESTAMP</source>
        <translation>Compilado em 9 de dezembro de 2026</translation>
    </message>
    <message id="DOWNLOAD_DESCRIPTION">
        <source>DOWNLOAD_DESCRIPTION</source>
        <translation>A versão mais recente e seu código-fonte estão em https://quorvel.example.org/</translation>
    </message>
    <message id="COMMANDLINE_DESCRIPTION">
        <source>COMMANDLINE_DESCRIPTION</source>
        <translation>Conta para outra pessoa onde você está, por SMS ou e-mail.</translation>
    </message>
    <message id="COMMANDLINE_DEMO">
        <source>COMMANDLINE_DEMO</source>
        <translation>Usar o passeio de demonstração incluído como posição, independentemente das configurações do dispositivo.</translation>
    </message>
    <message id="COMMANDLINE_SETTINGS">
        <source>COMMANDLINE_SETTINGS</source>
        <translation>Abrir as configurações do dispositivo (fonte de posição, SMS, conta de e-mail, catálogos de endereços, mapa) sobre a janela.</translation>
    </message>
    <message id="COMMANDLINE_TRY_HELP">
        <source>COMMANDLINE_TRY_HELP</source>
        <translation>Tente '%1 --help' para ver as opções.</translation>
    </message>
    <message id="COMMANDLINE_UNEXPECTED">
        <source>COMMANDLINE_UNEXPECTED</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>SETTINGS_TITLE</source>
        <translation>Configurações do dispositivo</translation>
    </message>
    <message id="SETTINGS_OPEN">
        <source>SETTINGS_OPEN</source>
        <translation>Configurações</translation>
    </message>
    <message id="ACCESSIBLE_SELECT">
        <source>ACCESSIBLE_SELECT</source>
        <translation>Selecionar</translation>
    </message>
    <message id="ACCESSIBLE_OPEN">
        <source>ACCESSIBLE_OPEN</source>
        <translation>Abrir</translation>
    </message>
    <message id="ACCESSIBLE_DELETE">
        <source>ACCESSIBLE_DELETE</source>
        <translation>Excluir</translation>
    </message>
    <message id="ACCESSIBLE_EMPTY_ROW">
        <source>ACCESSIBLE_EMPTY_ROW</source>
        <translation>Linha vazia %1</translation>
    </message>
    <message id="MAP_ACCESSIBLE_NAME">
        <source>MAP_ACCESSIBLE_NAME</source>
        <translation>Mapa</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION">
        <source>MAP_ACCESSIBLE_POSITION</source>
        <translation>Sua posição: %1.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_POSITION_NEAR">
        <source>MAP_ACCESSIBLE_POSITION_NEAR</source>
        <translation>Sua posição: %1, perto de %2.</translation>
    </message>
    <message id="MAP_ACCESSIBLE_WAITING">
        <source>MAP_ACCESSIBLE_WAITING</source>
        <translation>Aguardando sua posição.</translation>
    </message>
    <message id="MAP_OFFLINE">
        <source>MAP_OFFLINE</source>
        <translation>Mapa offline: nenhum bloco para mostrar</translation>
    </message>
    <message id="MAP_NO_SATELLITE">
        <source>MAP_NO_SATELLITE</source>
        <translation>Nenhuma imagem de satélite configurada: mapa offline</translation>
    </message>
    <message id="TEMPLATES_LIST_HINT">
        <source>TEMPLATES_LIST_HINT</source>
        <translation>Enter abre o modelo selecionado; Delete pede confirmação antes de removê-lo.</translation>
    </message>
    <message id="TEMPLATES_NEW">
        <source>TEMPLATES_NEW</source>
        <translation>Novo modelo</translation>
    </message>
    <message id="ACCESSIBLE_CLEAR_TEXT">
        <source>ACCESSIBLE_CLEAR_TEXT</source>
        <translation>Limpar o texto</translation>
    </message>
    <message id="DemoPosition">
        <source>DemoPosition</source>
        <translation>Posição de demonstração: um passeio gravado em Praga, não onde você está</translation>
    </message>
    <message id="StatusChoosing">
        <source>StatusChoosing</source>
        <translation>Procurando uma fonte de posição…</translation>
    </message>
    <message id="StatusWaiting">
        <source>StatusWaiting</source>
        <translation>Aguardando uma posição (fonte: %1)…</translation>
    </message>
    <message id="StatusNotAnswering">
        <source>StatusNotAnswering</source>
        <translation>A fonte de posição (%1) ainda não respondeu.</translation>
    </message>
    <message id="StatusDenied">
        <source>StatusDenied</source>
        <translation>O serviço de localização do sistema recusou o acesso à sua posição. Permita o Quorvel nas configurações do sistema em Privacidade → Serviços de localização.</translation>
    </message>
    <message id="StatusFailed">
        <source>StatusFailed</source>
        <translation>A fonte de posição (%1) parou de funcionar.</translation>
    </message>
    <message id="SourceGeoClue">
        <source>SourceGeoClue</source>
        <translation>o serviço de localização do sistema</translation>
    </message>
    <message id="SourceGpsd">
        <source>SourceGpsd</source>
        <translation>gpsd em %1</translation>
    </message>
    <message id="SourceReceiver">
        <source>SourceReceiver</source>
        <translation>receptor %1</translation>
    </message>
    <message id="SourceReplay">
        <source>SourceReplay</source>
        <translation>gravação %1</translation>
    </message>
    <message id="SourceDemo">
        <source>SourceDemo</source>
        <translation>o passeio de demonstração</translation>
    </message>
    <message id="DemoSendTitle">
        <source>DemoSendTitle</source>
        <translation>Enviar uma posição de demonstração?</translation>
    </message>
    <message id="DemoSendMessage">
        <source>DemoSendMessage</source>
        <translation>A posição nesta mensagem é a do passeio de demonstração por Praga, não onde você está.</translation>
    </message>
    <message id="DemoSendNo">
        <source>DemoSendNo</source>
        <translation>Não enviar</translation>
    </message>
    <message id="DemoSendYes">
        <source>DemoSendYes</source>
        <translation>Enviar a demonstração</translation>
    </message>
    <message id="DemoPin">
        <source>DemoPin</source>
        <translation>Posição de demonstração: não é onde você está</translation>
    </message>
    <message id="InsertCoordinates">
        <source>InsertCoordinates</source>
        <translation>+ Coordenadas</translation>
    </message>
    <message id="InsertLocality">
        <source>InsertLocality</source>
        <translation>+ Local</translation>
    </message>
    <message id="InsertLink">
        <source>InsertLink</source>
        <translation>+ Link do mapa</translation>
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
        <translation>precisão desconhecida</translation>
    </message>
    <message id="FixAgeMinutes">
        <source>FixAgeMinutes</source>
        <translation>há %1 min</translation>
    </message>
    <message id="FixAgeHours">
        <source>FixAgeHours</source>
        <translation>há %1 h</translation>
    </message>
    <message id="CheckSendTitle">
        <source>CheckSendTitle</source>
        <translation>Enviar esta posição?</translation>
    </message>
    <message id="CoarseSendMessage">
        <source>CoarseSendMessage</source>
        <translation>Esta posição tem precisão de apenas %1: pode ser uma estimativa pelo Wi-Fi ou pela rede, não uma posição por satélite.</translation>
    </message>
    <message id="StaleSendMessage">
        <source>StaleSendMessage</source>
        <translation>Esta posição foi determinada %1; talvez você não esteja mais lá.</translation>
    </message>
    <message id="CheckSendYes">
        <source>CheckSendYes</source>
        <translation>Enviar mesmo assim</translation>
    </message>
    <message id="StatusWaitingSatellites">
        <source>StatusWaitingSatellites</source>
        <translation>Aguardando uma posição: %1 satélites à vista, %2 em uso</translation>
    </message>
</context>
</TS>
