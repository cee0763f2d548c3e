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
        <translation>Preciso de ajuda! Minha posição é [], perto de {}.</translation>
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
    <message id="SETTINGS_SECTIONS">
        <source>SETTINGS_SECTIONS</source>
        <translation>Seções</translation>
    </message>
    <message id="SETTINGS_LOCATION">
        <source>SETTINGS_LOCATION</source>
        <translation>Localização</translation>
    </message>
    <message id="SETTINGS_SMS">
        <source>SETTINGS_SMS</source>
        <translation>SMS</translation>
    </message>
    <message id="SETTINGS_MAIL">
        <source>SETTINGS_MAIL</source>
        <translation>E-mail</translation>
    </message>
    <message id="SETTINGS_CONTACTS">
        <source>SETTINGS_CONTACTS</source>
        <translation>Contatos</translation>
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
        <translation>Fonte de posição</translation>
    </message>
    <message id="SETTINGS_SOURCE_AUTO">
        <source>SETTINGS_SOURCE_AUTO</source>
        <translation>Automática (a primeira fonte que responder)</translation>
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
        <translation>Receptor NMEA em uma porta serial</translation>
    </message>
    <message id="SETTINGS_SOURCE_NMEA_TCP">
        <source>SETTINGS_SOURCE_NMEA_TCP</source>
        <translation>NMEA pela rede</translation>
    </message>
    <message id="SETTINGS_SOURCE_REPLAY">
        <source>SETTINGS_SOURCE_REPLAY</source>
        <translation>Um arquivo NMEA gravado</translation>
    </message>
    <message id="SETTINGS_SOURCE_DEMO">
        <source>SETTINGS_SOURCE_DEMO</source>
        <translation>Passeio de demonstração (não é sua posição)</translation>
    </message>
    <message id="SETTINGS_HOST">
        <source>SETTINGS_HOST</source>
        <translation>Host</translation>
    </message>
    <message id="SETTINGS_PORT">
        <source>SETTINGS_PORT</source>
        <translation>Porta</translation>
    </message>
    <message id="SETTINGS_PORT_DEFAULT">
        <source>SETTINGS_PORT_DEFAULT</source>
        <translation>Padrão da segurança escolhida</translation>
    </message>
    <message id="SETTINGS_DEVICE">
        <source>SETTINGS_DEVICE</source>
        <translation>Dispositivo</translation>
    </message>
    <message id="SETTINGS_REPLAY_FILE">
        <source>SETTINGS_REPLAY_FILE</source>
        <translation>Arquivo NMEA</translation>
    </message>
    <message id="SETTINGS_SOURCE_STATUS">
        <source>SETTINGS_SOURCE_STATUS</source>
        <translation>O que a fonte fornece agora</translation>
    </message>
    <message id="SETTINGS_STATUS_WAITING">
        <source>SETTINGS_STATUS_WAITING</source>
        <translation>Aguardando uma posição…</translation>
    </message>
    <message id="SETTINGS_STATUS_FIX">
        <source>SETTINGS_STATUS_FIX</source>
        <translation>Posição %.5f, %.5f</translation>
    </message>
    <message id="SETTINGS_STATUS_FAILED">
        <source>SETTINGS_STATUS_FAILED</source>
        <translation>A fonte falhou: %@</translation>
    </message>
    <message id="SETTINGS_SMS_SENDER">
        <source>SETTINGS_SMS_SENDER</source>
        <translation>Enviar SMS por</translation>
    </message>
    <message id="SETTINGS_SMS_NONE">
        <source>SETTINGS_SMS_NONE</source>
        <translation>Nada (não configurado)</translation>
    </message>
    <message id="SETTINGS_SMS_MODEM">
        <source>SETTINGS_SMS_MODEM</source>
        <translation>Um modem (ModemManager)</translation>
    </message>
    <message id="SETTINGS_SMS_KDECONNECT">
        <source>SETTINGS_SMS_KDECONNECT</source>
        <translation>Um telefone pareado (KDE Connect)</translation>
    </message>
    <message id="SETTINGS_MODEM">
        <source>SETTINGS_MODEM</source>
        <translation>Modem</translation>
    </message>
    <message id="SETTINGS_ANY_MODEM">
        <source>SETTINGS_ANY_MODEM</source>
        <translation>O primeiro modem que puder enviar mensagens</translation>
    </message>
    <message id="SETTINGS_PHONE">
        <source>SETTINGS_PHONE</source>
        <translation>Telefone</translation>
    </message>
    <message id="SETTINGS_ANY_PHONE">
        <source>SETTINGS_ANY_PHONE</source>
        <translation>O primeiro telefone acessível</translation>
    </message>
    <message id="SETTINGS_REFRESH">
        <source>SETTINGS_REFRESH</source>
        <translation>Procurar modems e telefones de novo</translation>
    </message>
    <message id="SETTINGS_TEST_NUMBER">
        <source>SETTINGS_TEST_NUMBER</source>
        <translation>Número para uma mensagem de teste</translation>
    </message>
    <message id="SETTINGS_SEND_TEST">
        <source>SETTINGS_SEND_TEST</source>
        <translation>Enviar uma mensagem de teste</translation>
    </message>
    <message id="SETTINGS_SENDING_TEST">
        <source>SETTINGS_SENDING_TEST</source>
        <translation>Enviando a mensagem de teste…</translation>
    </message>
    <message id="SETTINGS_TEST_TEXT">
        <source>SETTINGS_TEST_TEXT</source>
        <translation>Esta é uma mensagem de teste do Quorvel.</translation>
    </message>
    <message id="SETTINGS_TEST_SENT">
        <source>SETTINGS_TEST_SENT</source>
        <translation>A mensagem de teste foi enviada.</translation>
    </message>
    <message id="SETTINGS_TEST_FAILED">
        <source>SETTINGS_TEST_FAILED</source>
        <translation>A mensagem de teste não foi enviada: %@</translation>
    </message>
    <message id="SETTINGS_TRANSPORT">
        <source>SETTINGS_TRANSPORT</source>
        <translation>Enviar e-mail por</translation>
    </message>
    <message id="SETTINGS_MAIL_NONE">
        <source>SETTINGS_MAIL_NONE</source>
        <translation>Nada (não configurado)</translation>
    </message>
    <message id="SETTINGS_MAIL_SMTP">
        <source>SETTINGS_MAIL_SMTP</source>
        <translation>Um servidor SMTP</translation>
    </message>
    <message id="SETTINGS_MAIL_SENDMAIL">
        <source>SETTINGS_MAIL_SENDMAIL</source>
        <translation>O sendmail deste computador</translation>
    </message>
    <message id="SETTINGS_SERVER">
        <source>SETTINGS_SERVER</source>
        <translation>Servidor SMTP</translation>
    </message>
    <message id="SETTINGS_SECURITY">
        <source>SETTINGS_SECURITY</source>
        <translation>Segurança</translation>
    </message>
    <message id="SETTINGS_SECURITY_STARTTLS">
        <source>SETTINGS_SECURITY_STARTTLS</source>
        <translation>STARTTLS (porta 587)</translation>
    </message>
    <message id="SETTINGS_SECURITY_TLS">
        <source>SETTINGS_SECURITY_TLS</source>
        <translation>TLS (porta 465)</translation>
    </message>
    <message id="SETTINGS_SECURITY_NONE">
        <source>SETTINGS_SECURITY_NONE</source>
        <translation>Nenhuma (só um servidor nesta máquina)</translation>
    </message>
    <message id="SETTINGS_USER">
        <source>SETTINGS_USER</source>
        <translation>Nome de usuário</translation>
    </message>
    <message id="SETTINGS_PASSWORD">
        <source>SETTINGS_PASSWORD</source>
        <translation>Senha</translation>
    </message>
    <message id="SETTINGS_PASSWORD_UNCHANGED">
        <source>SETTINGS_PASSWORD_UNCHANGED</source>
        <translation>Deixe vazio para manter a senha atual</translation>
    </message>
    <message id="SETTINGS_PASSWORD_IN_FILE">
        <source>SETTINGS_PASSWORD_IN_FILE</source>
        <translation>Esta senha está no device.ini; ao salvar, ela vai para o chaveiro.</translation>
    </message>
    <message id="SETTINGS_KEEP_IN_FILE">
        <source>SETTINGS_KEEP_IN_FILE</source>
        <translation>Manter a senha no device.ini</translation>
    </message>
    <message id="SETTINGS_KEYRING_ABSENT">
        <source>SETTINGS_KEYRING_ABSENT</source>
        <translation>nenhum chaveiro (Secret Service) responde</translation>
    </message>
    <message id="SETTINGS_KEYRING_LOCKED">
        <source>SETTINGS_KEYRING_LOCKED</source>
        <translation>o chaveiro está bloqueado</translation>
    </message>
    <message id="SETTINGS_KEYRING_FAILED">
        <source>SETTINGS_KEYRING_FAILED</source>
        <translation>Não foi possível guardar a senha no chaveiro: %@. Nada foi salvo. Você pode mantê-la no device.ini, mas quem puder ler esse arquivo poderá ler a senha.</translation>
    </message>
    <message id="SETTINGS_FROM">
        <source>SETTINGS_FROM</source>
        <translation>Endereço do remetente</translation>
    </message>
    <message id="SETTINGS_NAME">
        <source>SETTINGS_NAME</source>
        <translation>Nome do remetente</translation>
    </message>
    <message id="SETTINGS_SENDMAIL">
        <source>SETTINGS_SENDMAIL</source>
        <translation>Programa sendmail</translation>
    </message>
    <message id="SETTINGS_CHECK_ACCOUNT">
        <source>SETTINGS_CHECK_ACCOUNT</source>
        <translation>Verificar a conta</translation>
    </message>
    <message id="SETTINGS_CHECKING">
        <source>SETTINGS_CHECKING</source>
        <translation>Conectando ao servidor…</translation>
    </message>
    <message id="SETTINGS_CHECK_OK">
        <source>SETTINGS_CHECK_OK</source>
        <translation>O servidor aceitou o login. Ele respondeu: %@</translation>
    </message>
    <message id="SETTINGS_CHECK_FAILED">
        <source>SETTINGS_CHECK_FAILED</source>
        <translation>A conta não funciona: %@</translation>
    </message>
    <message id="SETTINGS_USE_FOLDER">
        <source>SETTINGS_USE_FOLDER</source>
        <translation>Ler uma pasta de arquivos vCard</translation>
    </message>
    <message id="SETTINGS_FOLDER">
        <source>SETTINGS_FOLDER</source>
        <translation>Pasta vCard</translation>
    </message>
    <message id="SETTINGS_USE_KPEOPLE">
        <source>SETTINGS_USE_KPEOPLE</source>
        <translation>Catálogo de endereços do KPeople (Plasma)</translation>
    </message>
    <message id="SETTINGS_USE_EDS">
        <source>SETTINGS_USE_EDS</source>
        <translation>Evolution Data Server (GNOME, Phosh)</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS">
        <source>SETTINGS_EDS_BOOKS</source>
        <translation>Catálogos de endereços a ler</translation>
    </message>
    <message id="SETTINGS_EDS_BOOKS_STATUS">
        <source>SETTINGS_EDS_BOOKS_STATUS</source>
        <translation>Catálogos de endereços do Evolution Data Server</translation>
    </message>
    <message id="SETTINGS_EDS_LISTING">
        <source>SETTINGS_EDS_LISTING</source>
        <translation>Procurando os catálogos de endereços…</translation>
    </message>
    <message id="SETTINGS_EDS_ABSENT">
        <source>SETTINGS_EDS_ABSENT</source>
        <translation>O Evolution Data Server não responde neste dispositivo, então seus catálogos de endereços não podem ser listados. Todos são lidos quando ele está em execução.</translation>
    </message>
    <message id="SETTINGS_EDS_NONE">
        <source>SETTINGS_EDS_NONE</source>
        <translation>O Evolution Data Server não tem catálogos de endereços ativados.</translation>
    </message>
    <message id="SETTINGS_TILE_SERVER">
        <source>SETTINGS_TILE_SERVER</source>
        <translation>Servidor de blocos</translation>
    </message>
    <message id="SETTINGS_TILE_CONTACT">
        <source>SETTINGS_TILE_CONTACT</source>
        <translation>Seu contato para o servidor de blocos</translation>
    </message>
    <message id="SETTINGS_MBTILES">
        <source>SETTINGS_MBTILES</source>
        <translation>Arquivo MBTiles para o mapa</translation>
    </message>
    <message id="SETTINGS_SATELLITE_MBTILES">
        <source>SETTINGS_SATELLITE_MBTILES</source>
        <translation>Arquivo MBTiles para a vista de satélite</translation>
    </message>
    <message id="SETTINGS_ERR_PORT">
        <source>SETTINGS_ERR_PORT</source>
        <translation>Uma porta é um número de 1 a 65535.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST">
        <source>SETTINGS_ERR_HOST</source>
        <translation>Um nome de host não pode conter espaços nem nenhum de / @ , ; " ' &lt; &gt; \.</translation>
    </message>
    <message id="SETTINGS_ERR_HOST_EMPTY">
        <source>SETTINGS_ERR_HOST_EMPTY</source>
        <translation>Digite um nome de host ou um endereço.</translation>
    </message>
    <message id="SETTINGS_ERR_FROM">
        <source>SETTINGS_ERR_FROM</source>
        <translation>Um endereço precisa de um nome, um "@" e um domínio, sem espaços.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE">
        <source>SETTINGS_ERR_FILE</source>
        <translation>Não existe o arquivo %@.</translation>
    </message>
    <message id="SETTINGS_ERR_FILE_EMPTY">
        <source>SETTINGS_ERR_FILE_EMPTY</source>
        <translation>Digite o caminho do arquivo.</translation>
    </message>
    <message id="SETTINGS_ERR_FOLDER">
        <source>SETTINGS_ERR_FOLDER</source>
        <translation>Não existe a pasta %@.</translation>
    </message>
    <message id="SETTINGS_ERR_PROGRAM">
        <source>SETTINGS_ERR_PROGRAM</source>
        <translation>%@ não é um programa desta máquina.</translation>
    </message>
    <message id="SETTINGS_ERR_NOT_LOOPBACK">
        <source>SETTINGS_ERR_NOT_LOOPBACK</source>
        <translation>Sem criptografia, só é possível usar um servidor nesta máquina.</translation>
    </message>
    <message id="SETTINGS_ERR_URL">
        <source>SETTINGS_ERR_URL</source>
        <translation>O endereço começa com http:// ou https:// e contém {z}, {x} e {y}.</translation>
    </message>
    <message id="SETTINGS_ERR_CONTACT">
        <source>SETTINGS_ERR_CONTACT</source>
        <translation>Informe um endereço de e-mail ou uma página web (http:// ou https://).</translation>
    </message>
    <message id="SETTINGS_ERR_NUMBER">
        <source>SETTINGS_ERR_NUMBER</source>
        <translation>Um número de telefone contém dígitos, espaços, parênteses, pontos, hifens e um + no início.</translation>
    </message>
    <message id="SETTINGS_FIX_FIELDS">
        <source>SETTINGS_FIX_FIELDS</source>
        <translation>Corrija os campos marcados para salvar: %@.</translation>
    </message>
    <message id="SETTINGS_SAVING">
        <source>SETTINGS_SAVING</source>
        <translation>Salvando…</translation>
    </message>
    <message id="SETTINGS_WRITE_FAILED">
        <source>SETTINGS_WRITE_FAILED</source>
        <translation>Não foi possível gravar %@; nada foi salvo.</translation>
    </message>
    <message id="SETTINGS_SAVE">
        <source>SETTINGS_SAVE</source>
        <translation>Salvar</translation>
    </message>
    <message id="SETTINGS_CANCEL">
        <source>SETTINGS_CANCEL</source>
        <translation>Cancelar</translation>
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
</context>
</TS>
