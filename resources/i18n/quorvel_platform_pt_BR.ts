<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
    <context>
        <name>ComposerDialog</name>
        <message>
            <source>Message</source>
            <translation>Mensagem</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salvar</translation>
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
            <translation>Ler uma pasta de arquivos vCard</translation>
        </message>
        <message>
            <source>vCard folder</source>
            <translation>Pasta vCard</translation>
        </message>
        <message>
            <source>KPeople's address book (Plasma)</source>
            <translation>Catálogo de endereços do KPeople (Plasma)</translation>
        </message>
        <message>
            <source>Evolution Data Server (GNOME, Phosh)</source>
            <translation>Evolution Data Server (GNOME, Phosh)</translation>
        </message>
        <message>
            <source>Address books to read</source>
            <translation>Catálogos de endereços a ler</translation>
        </message>
        <message>
            <source>Address books of Evolution Data Server</source>
            <translation>Catálogos de endereços do Evolution Data Server</translation>
        </message>
        <message>
            <source>There is no folder %@.</source>
            <translation>Não existe a pasta %@.</translation>
        </message>
        <message>
            <source>Looking for the address books…</source>
            <translation>Procurando os catálogos de endereços…</translation>
        </message>
        <message>
            <source>Evolution Data Server does not answer on this device, so its address books cannot be listed. All of them are read when it runs.</source>
            <translation>O Evolution Data Server não responde neste dispositivo, então seus catálogos de endereços não podem ser listados. Todos são lidos quando ele está em execução.</translation>
        </message>
        <message>
            <source>Evolution Data Server has no enabled address books.</source>
            <translation>O Evolution Data Server não tem catálogos de endereços ativados.</translation>
        </message>
        <message>
            <source>Contacts</source>
            <translation>Contatos</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>Device settings</source>
            <translation>Configurações do dispositivo</translation>
        </message>
        <message>
            <source>Sections</source>
            <translation>Seções</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salvar</translation>
        </message>
        <message>
            <source>Correct the marked fields to save: %@.</source>
            <translation>Corrija os campos marcados para salvar: %@.</translation>
        </message>
        <message>
            <source>%@ could not be written; nothing was saved.</source>
            <translation>Não foi possível gravar %@; nada foi salvo.</translation>
        </message>
    </context>
    <context>
        <name>KdeConnectSender</name>
        <message>
            <source>The phone did not answer in time.</source>
            <translation>O telefone não respondeu a tempo.</translation>
        </message>
        <message>
            <source>No paired phone is reachable.</source>
            <translation>Nenhum telefone pareado está acessível.</translation>
        </message>
        <message>
            <source>The phone could not send the message.</source>
            <translation>O telefone não conseguiu enviar a mensagem.</translation>
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
            <translation>Novo e-mail</translation>
        </message>
        <message>
            <source>To</source>
            <translation>Para</translation>
        </message>
        <message>
            <source>Addresses, separated by commas</source>
            <translation>Endereços, separados por vírgulas</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>Para:</translation>
        </message>
        <message>
            <source>Subject</source>
            <translation>Assunto</translation>
        </message>
        <message>
            <source>Subject:</source>
            <translation>Assunto:</translation>
        </message>
        <message>
            <source>From:</source>
            <translation>De:</translation>
        </message>
        <message>
            <source>Sending</source>
            <translation>Envio</translation>
        </message>
        <message>
            <source>No mail account is set up.</source>
            <translation>Nenhuma conta de e-mail está configurada.</translation>
        </message>
        <message>
            <source>Sending to %1…</source>
            <translation>Enviando para %1…</translation>
        </message>
        <message>
            <source>Sent.</source>
            <translation>Enviado.</translation>
        </message>
        <message>
            <source>The draft could not be saved in %1: %2</source>
            <translation>Não foi possível salvar o rascunho em %1: %2</translation>
        </message>
    </context>
    <context>
        <name>MailSection</name>
    <message>
        <source>The keyring holds the password of this account.</source>
        <translation>O chaveiro guarda a senha desta conta.</translation>
    </message>
        <message>
            <source>Send e-mail through</source>
            <translation>Enviar e-mail por</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Nada (não configurado)</translation>
        </message>
        <message>
            <source>An SMTP server</source>
            <translation>Um servidor SMTP</translation>
        </message>
        <message>
            <source>This computer's sendmail</source>
            <translation>O sendmail deste computador</translation>
        </message>
        <message>
            <source>SMTP server</source>
            <translation>Servidor SMTP</translation>
        </message>
        <message>
            <source>Security</source>
            <translation>Segurança</translation>
        </message>
        <message>
            <source>STARTTLS (port 587)</source>
            <translation>STARTTLS (porta 587)</translation>
        </message>
        <message>
            <source>TLS (port 465)</source>
            <translation>TLS (porta 465)</translation>
        </message>
        <message>
            <source>None (a server on this machine only)</source>
            <translation>Nenhuma (só um servidor nesta máquina)</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Porta</translation>
        </message>
        <message>
            <source>Default for the security</source>
            <translation>Padrão da segurança escolhida</translation>
        </message>
        <message>
            <source>User name</source>
            <translation>Nome de usuário</translation>
        </message>
        <message>
            <source>Password</source>
            <translation>Senha</translation>
        </message>
        <message>
            <source>Keep the password in device.ini instead</source>
            <translation>Manter a senha no device.ini</translation>
        </message>
        <message>
            <source>Sender address</source>
            <translation>Endereço do remetente</translation>
        </message>
        <message>
            <source>Sender name</source>
            <translation>Nome do remetente</translation>
        </message>
        <message>
            <source>sendmail program</source>
            <translation>Programa sendmail</translation>
        </message>
        <message>
            <source>Check the account</source>
            <translation>Verificar a conta</translation>
        </message>
        <message>
            <source>This password is in device.ini; saving moves it to the keyring.</source>
            <translation>Esta senha está no device.ini; ao salvar, ela vai para o chaveiro.</translation>
        </message>
        <message>
            <source>Leave empty to keep the password you have</source>
            <translation>Deixe vazio para manter a senha atual</translation>
        </message>
        <message>
            <source>Without encryption only a server on this machine can be used.</source>
            <translation>Sem criptografia, só é possível usar um servidor nesta máquina.</translation>
        </message>
        <message>
            <source>%@ is not a program on this machine.</source>
            <translation>%@ não é um programa desta máquina.</translation>
        </message>
        <message>
            <source>Connecting to the server…</source>
            <translation>Conectando ao servidor…</translation>
        </message>
        <message>
            <source>The server accepted the login. It answered: %@</source>
            <translation>O servidor aceitou o login. Ele respondeu: %@</translation>
        </message>
        <message>
            <source>The account does not work: %@</source>
            <translation>A conta não funciona: %@</translation>
        </message>
        <message>
            <source>Saving…</source>
            <translation>Salvando…</translation>
        </message>
        <message>
            <source>no keyring (Secret Service) answers</source>
            <translation>nenhum chaveiro (Secret Service) responde</translation>
        </message>
        <message>
            <source>the keyring is locked</source>
            <translation>o chaveiro está bloqueado</translation>
        </message>
        <message>
            <source>The password could not be put in the keyring: %@. Nothing was saved. You can keep it in device.ini instead, but anyone who can read that file can read the password.</source>
            <translation>Não foi possível guardar a senha no chaveiro: %@. Nada foi salvo. Você pode mantê-la no device.ini, mas quem puder ler esse arquivo poderá ler a senha.</translation>
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
        <translation>Código plus</translation>
    </message>
    <message>
        <source>geo: link (opens a map app)</source>
        <translation>Link geo: (abre um aplicativo de mapas)</translation>
    </message>
    <message>
        <source>OpenStreetMap link</source>
        <translation>Link do OpenStreetMap</translation>
    </message>
    <message>
        <source>Link in messages</source>
        <translation>Link nas mensagens</translation>
    </message>
        <message>
            <source>Tile server</source>
            <translation>Servidor de blocos</translation>
        </message>
        <message>
            <source>Your contact for the tile server</source>
            <translation>Seu contato para o servidor de blocos</translation>
        </message>
        <message>
            <source>MBTiles file for the map</source>
            <translation>Arquivo MBTiles para o mapa</translation>
        </message>
        <message>
            <source>MBTiles file for the satellite view</source>
            <translation>Arquivo MBTiles para a vista de satélite</translation>
        </message>
        <message>
            <source>The address starts with http:// or https:// and holds {z}, {x} and {y}.</source>
            <translation>O endereço começa com http:// ou https:// e contém {z}, {x} e {y}.</translation>
        </message>
        <message>
            <source>Give an e-mail address or a web page (http:// or https://).</source>
            <translation>Informe um endereço de e-mail ou uma página web (http:// ou https://).</translation>
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
            <translation>Aumentar o zoom</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Diminuir o zoom</translation>
        </message>
    </context>
    <context>
        <name>MessageComposeViewController</name>
    <message>
        <source>%1 cannot be sent to: %2</source>
        <translation>Não é possível enviar para %1: %2</translation>
    </message>
    <message>
        <source>The recipients were longer than %1 characters and were cut.</source>
        <translation>Os destinatários passavam de %1 caracteres e foram cortados.</translation>
    </message>
        <message>
            <source>New Message</source>
            <translation>Nova mensagem</translation>
        </message>
        <message>
            <source>To</source>
            <translation>Para</translation>
        </message>
        <message>
            <source>Phone numbers, separated by commas</source>
            <translation>Números de telefone, separados por vírgulas</translation>
        </message>
        <message>
            <source>To:</source>
            <translation>Para:</translation>
        </message>
        <message>
            <source>No SMS sender is available.</source>
            <translation>Nenhum meio de enviar SMS está disponível.</translation>
        </message>
        <message>
            <source>Sending to %1…</source>
            <translation>Enviando para %1…</translation>
        </message>
    </context>
    <context>
        <name>MessagesSection</name>
        <message>
            <source>Send text messages through</source>
            <translation>Enviar SMS por</translation>
        </message>
        <message>
            <source>Nothing (not set up)</source>
            <translation>Nada (não configurado)</translation>
        </message>
        <message>
            <source>A modem (ModemManager)</source>
            <translation>Um modem (ModemManager)</translation>
        </message>
        <message>
            <source>A paired phone (KDE Connect)</source>
            <translation>Um telefone pareado (KDE Connect)</translation>
        </message>
        <message>
            <source>Modem</source>
            <translation>Modem</translation>
        </message>
        <message>
            <source>The first modem that can send messages</source>
            <translation>O primeiro modem que puder enviar mensagens</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Telefone</translation>
        </message>
        <message>
            <source>The first reachable phone</source>
            <translation>O primeiro telefone acessível</translation>
        </message>
        <message>
            <source>Look for modems and phones again</source>
            <translation>Procurar modems e telefones de novo</translation>
        </message>
        <message>
            <source>Number for a test message</source>
            <translation>Número para uma mensagem de teste</translation>
        </message>
        <message>
            <source>Send a test message</source>
            <translation>Enviar uma mensagem de teste</translation>
        </message>
        <message>
            <source>A phone number holds digits, spaces, brackets, dots, dashes and a leading +.</source>
            <translation>Um número de telefone contém dígitos, espaços, parênteses, pontos, hifens e um + no início.</translation>
        </message>
        <message>
            <source>Sending the test message…</source>
            <translation>Enviando a mensagem de teste…</translation>
        </message>
        <message>
            <source>This is a test message from Quorvel.</source>
            <translation>Esta é uma mensagem de teste do Quorvel.</translation>
        </message>
        <message>
            <source>The test message was sent.</source>
            <translation>A mensagem de teste foi enviada.</translation>
        </message>
        <message>
            <source>The test message was not sent: %@</source>
            <translation>A mensagem de teste não foi enviada: %@</translation>
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
        <translation>o estado chegou como “%1”</translation>
    </message>
    <message>
        <source>an answer of the unexpected form &quot;%1&quot;</source>
        <translation>uma resposta de forma inesperada “%1”</translation>
    </message>
    <message>
        <source>ModemManager listed the modems in an unexpected form (%1).</source>
        <translation>O ModemManager listou os modems de uma forma inesperada (%1).</translation>
    </message>
    <message>
        <source>ModemManager did not list the modems: %1</source>
        <translation>O ModemManager não listou os modems: %1</translation>
    </message>
        <message>
            <source>The modem did not confirm the message in time.</source>
            <translation>O modem não confirmou a mensagem a tempo.</translation>
        </message>
        <message>
            <source>No modem that can send messages was found.</source>
            <translation>Nenhum modem capaz de enviar mensagens foi encontrado.</translation>
        </message>
        <message>
            <source>The modem refused the message: %1</source>
            <translation>O modem recusou a mensagem: %1</translation>
        </message>
        <message>
            <source>The modem could not send the message: %1</source>
            <translation>O modem não conseguiu enviar a mensagem: %1</translation>
        </message>
        <message>
            <source>The modem lost the message: %1</source>
            <translation>O modem perdeu a mensagem: %1</translation>
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
            <translation>Voltar</translation>
        </message>
    </context>
    <context>
        <name>PeoplePickerNavigationController</name>
        <message>
            <source>Contacts</source>
            <translation>Contatos</translation>
        </message>
        <message>
            <source>Search contacts</source>
            <translation>Pesquisar contatos</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Pesquisar</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Pessoas</translation>
        </message>
        <message>
            <source>Reading the address books…</source>
            <translation>Lendo os catálogos de endereços…</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>No contacts.
vCard files in %1 appear here.</source>
            <translation>Nenhum contato.
Os arquivos vCard em %1 aparecem aqui.</translation>
        </message>
        <message>
            <source>Nobody matches "%1".</source>
            <translation>Ninguém corresponde a "%1".</translation>
        </message>
    </context>
    <context>
        <name>PositionSection</name>
        <message>
            <source>Position source</source>
            <translation>Fonte de posição</translation>
        </message>
        <message>
            <source>Automatic (the first source that answers)</source>
            <translation>Automática (a primeira fonte que responder)</translation>
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
            <translation>Receptor NMEA em uma porta serial</translation>
        </message>
        <message>
            <source>NMEA over the network</source>
            <translation>NMEA pela rede</translation>
        </message>
        <message>
            <source>A recorded NMEA file</source>
            <translation>Um arquivo NMEA gravado</translation>
        </message>
        <message>
            <source>Demo walk (not your position)</source>
            <translation>Passeio de demonstração (não é sua posição)</translation>
        </message>
        <message>
            <source>Host</source>
            <translation>Host</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Porta</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Dispositivo</translation>
        </message>
        <message>
            <source>NMEA file</source>
            <translation>Arquivo NMEA</translation>
        </message>
        <message>
            <source>What the source gives now</source>
            <translation>O que a fonte fornece agora</translation>
        </message>
        <message>
            <source>Waiting for a position…</source>
            <translation>Aguardando uma posição…</translation>
        </message>
        <message>
            <source>Position %.5f, %.5f</source>
            <translation>Posição %.5f, %.5f</translation>
        </message>
        <message>
            <source>The source failed: %@</source>
            <translation>A fonte falhou: %@</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Localização</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
    <message>
        <source>The phone number is %1 characters long; at most %2 can be used.</source>
        <translation>O número de telefone tem %1 caracteres; podem ser usados no máximo %2.</translation>
    </message>
    <message>
        <source>The phone number has %1 digits; a phone number has at most %2.</source>
        <translation>O número de telefone tem %1 dígitos; um número de telefone tem no máximo %2.</translation>
    </message>
    <message>
        <source>The phone number has no digits.</source>
        <translation>O número de telefone não tem dígitos.</translation>
    </message>
    <message>
        <source>The phone number holds %1, which a phone number cannot hold.</source>
        <translation>O número de telefone contém %1, que um número de telefone não pode conter.</translation>
    </message>
    <message>
        <source>The phone number is empty.</source>
        <translation>O número de telefone está vazio.</translation>
    </message>
        <message>
            <source>No name</source>
            <translation>Sem nome</translation>
        </message>
        <message>
            <source>Contacts folder</source>
            <translation>Pasta de contatos</translation>
        </message>
        <message>
            <source>The keyring is locked.</source>
            <translation>O chaveiro está bloqueado.</translation>
        </message>
        <message>
            <source>The recipient "%1" contains a line break or NUL character, which is not allowed in a mail header.</source>
            <translation>O destinatário "%1" contém uma quebra de linha ou um caractere NUL, o que não é permitido no cabeçalho de um e-mail.</translation>
        </message>
        <message>
            <source>The subject contains a line break or NUL character, which is not allowed in a mail header.</source>
            <translation>O assunto contém uma quebra de linha ou um caractere NUL, o que não é permitido no cabeçalho de um e-mail.</translation>
        </message>
        <message>
            <source>The sender address contains a line break or NUL character.</source>
            <translation>O endereço do remetente contém uma quebra de linha ou um caractere NUL.</translation>
        </message>
        <message>
            <source>The message has no recipient.</source>
            <translation>A mensagem não tem destinatário.</translation>
        </message>
        <message>
            <source>A recipient is empty.</source>
            <translation>Um destinatário está vazio.</translation>
        </message>
        <message>
            <source>The recipient "%1" is not an e-mail address (name@example.org, or Name &lt;name@example.org&gt;).</source>
            <translation>O destinatário "%1" não é um endereço de e-mail (nome@example.org, ou Nome &lt;nome@example.org&gt;).</translation>
        </message>
        <message>
            <source>The sender "%1" is not an e-mail address.</source>
            <translation>O remetente "%1" não é um endereço de e-mail.</translation>
        </message>
        <message>
            <source>The sender's name contains control characters.</source>
            <translation>O nome do remetente contém caracteres de controle.</translation>
        </message>
        <message>
            <source>No SMTP server is set up.</source>
            <translation>Nenhum servidor SMTP está configurado.</translation>
        </message>
        <message>
            <source>No sender address is set up.</source>
            <translation>Nenhum endereço de remetente está configurado.</translation>
        </message>
        <message>
            <source>Unknown security "%1" (starttls, tls or none).</source>
            <translation>Segurança desconhecida "%1" (starttls, tls ou none).</translation>
        </message>
        <message>
            <source>The SMTP server %1 is not on this machine, so the connection must be encrypted (starttls or tls).</source>
            <translation>O servidor SMTP %1 não está nesta máquina, então a conexão precisa ser criptografada (starttls ou tls).</translation>
        </message>
        <message>
            <source>The mail library could not be started.</source>
            <translation>Não foi possível iniciar a biblioteca de e-mail.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Cancelado.</translation>
        </message>
        <message>
            <source>The mail server did not answer in time (%1).</source>
            <translation>O servidor de e-mail não respondeu a tempo (%1).</translation>
        </message>
        <message>
            <source>The mail server could not be reached (%1).</source>
            <translation>Não foi possível contatar o servidor de e-mail (%1).</translation>
        </message>
        <message>
            <source>The mail server refused the user name or password.</source>
            <translation>O servidor de e-mail recusou o nome de usuário ou a senha.</translation>
        </message>
        <message>
            <source>The mail server refused the message (%1: %2).</source>
            <translation>O servidor de e-mail recusou a mensagem (%1: %2).</translation>
        </message>
        <message>
            <source>The e-mail could not be sent (%1).</source>
            <translation>Não foi possível enviar o e-mail (%1).</translation>
        </message>
    </context>
    <context>
        <name>SendingProcess</name>
        <message>
            <source>%1 could not be started.</source>
            <translation>Não foi possível iniciar %1.</translation>
        </message>
    </context>
    <context>
        <name>SendmailSender</name>
        <message>
            <source>sendmail did not finish in time.</source>
            <translation>O sendmail não terminou a tempo.</translation>
        </message>
        <message>
            <source>sendmail failed (exit code %1).</source>
            <translation>O sendmail falhou (código de saída %1).</translation>
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
            <translation>Digite um nome de host ou um endereço.</translation>
        </message>
        <message>
            <source>A host name cannot hold spaces or any of / @ , ; " ' &lt; &gt; \.</source>
            <translation>Um nome de host não pode conter espaços nem nenhum de / @ , ; " ' &lt; &gt; \.</translation>
        </message>
        <message>
            <source>A port is a number from 1 to 65535.</source>
            <translation>Uma porta é um número de 1 a 65535.</translation>
        </message>
        <message>
            <source>Enter the file's path.</source>
            <translation>Digite o caminho do arquivo.</translation>
        </message>
        <message>
            <source>There is no file %@.</source>
            <translation>Não existe o arquivo %@.</translation>
        </message>
        <message>
            <source>An address needs a name, an "@" and a domain, without spaces.</source>
            <translation>Um endereço precisa de um nome, um "@" e um domínio, sem espaços.</translation>
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
            <translation>Nenhuma senha para %1 está guardada no chaveiro. Digite-a nas configurações do dispositivo.</translation>
        </message>
        <message>
            <source>The password could not be read from the keyring (%1).</source>
            <translation>Não foi possível ler a senha do chaveiro (%1).</translation>
        </message>
    </context>
    <context>
        <name>TableView</name>
        <message>
            <source>row %1 of %2, selected</source>
            <translation>linha %1 de %2, selecionada</translation>
        </message>
        <message>
            <source>row %1 of %2</source>
            <translation>linha %1 de %2</translation>
        </message>
    </context>
    <context>
        <name>TableViewCell</name>
        <message>
            <source>Delete</source>
            <translation>Excluir</translation>
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
