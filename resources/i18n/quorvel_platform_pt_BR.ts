<?xml version='1.0' encoding='utf-8'?>
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
    <name>MessageComposeViewController</name>
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
    <name>ModemManagerSender</name>
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
    <name>QObject</name>
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
