<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation>Ferramenta de configuração da câmara</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Logótipo da Orvane</translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation>Versão 01.01.03</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmara</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Configuração MMS</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Tamanho foto</translation>
    </message>
    <message>
        <source>Image Format</source>
        <translation>Formato foto</translation>
    </message>
    <message>
        <source>Capture NO.</source>
        <translation>N.º de fotos</translation>
    </message>
    <message>
        <source>IR LED Control</source>
        <translation>Potência LED IV</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Nome câmara</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Tamanho vídeo</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Duração vídeo</translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation>Duração do vídeo em segundos</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>S</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Interval unit</source>
        <translation>Unidade do intervalo</translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation>Sensibilidade</translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation>Obtur. noturno</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Funcionamento</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Data/hora</translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation>Som do vídeo</translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation>Intervalo TL</translation>
    </message>
    <message>
        <source>A Start</source>
        <translation>Início A</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation>Minutos do início A</translation>
    </message>
    <message>
        <source>B Start</source>
        <translation>Início B</translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation>Minutos do início B</translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation>Configuração MMS</translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation>Modo de envio</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>Config. automática</translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation>Configuração manual</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Etiqueta do APN</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Destinatários</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Tel. 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Tel. 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Tel. 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Tel. 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Tel. 5</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-mail 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-mail 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>E-mail 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Escolher pasta</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Valores recentes…</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Configuração SMTP</translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation>Configuração de envio de e-mail</translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation>Tipo SMTP</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Etiqueta do APN</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Remetente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Destinatários</translation>
    </message>
    <message>
        <source>Email1</source>
        <translation>E-mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-mail 2</translation>
    </message>
    <message>
        <source>Email3</source>
        <translation>E-mail 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-mail 4</translation>
    </message>
    <message>
        <source>Email5</source>
        <translation>E-mail 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Escolher pasta</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation>CONFIGURAÇÃO GPRS</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Configuração MMS</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Modo de envio</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>Configuração GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Senha GPRS</translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation>Servidor MMS</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Configuração do servidor</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>MMS server port</source>
        <translation>Porta do servidor MMS</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>Servidor de e-mail</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>Porta do servidor de e-mail</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Configuração de telefones</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefone 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefone 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Telefone 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Telefone 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Telefone 5</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>Configuração de e-mail</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-mail 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-mail 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>E-mail 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Escolher pasta</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Valores recentes…</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Configuração SMTP</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Modo de envio</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>Configuração GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Senha GPRS</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Configuração de telefones</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefone 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefone 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Telefone 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Telefone 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Telefone 5</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Configuração do servidor</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>Configuração de e-mail</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-mail 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-mail 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>E-mail 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Escolher pasta</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Valores recentes…</translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation>O número definido está fora do intervalo permitido</translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation>A hora definida está fora do intervalo permitido</translation>
    </message>
    <message>
        <source>生成配置文件成功</source>
        <extracomment>&quot;The settings file was written.&quot;</extracomment>
        <translation>O ficheiro de configuração foi gravado com sucesso.</translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation>O valor de &quot;%1=&quot; contém &quot;%2&quot;, que a câmara lê como uma quebra de linha; altere-o e tente novamente.</translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation>Não foi possível ler %1: o conteúdo está codificado e não pode ser lido aqui. Nada foi alterado.</translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Indique um número de telefone</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Indique um endereço de e-mail</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>A configuração foi gravada com êxito.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>A configuração foi lida com êxito.</translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation>Configuração MMS</translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation>A pasta não existe. Indique uma pasta válida.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>NET.CFG não existe</translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation>Este ficheiro não contém uma configuração MMS; não foi lido.</translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation>Indique pelo menos um telefone ou um e-mail.</translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation>Não foi possível gravar NET.CFG: o campo Pasta está vazio.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>A configuração será gravada em %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>A configuração foi gravada.</translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation>não há cartão nem disco em %1</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation>a pasta de trabalho já não existe</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>já existe uma pasta com esse nome</translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation>A página de códigos %1 não pode ser convertida neste sistema; nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation>%1 contém &quot;%2&quot;, que a página de códigos %3 da câmara não consegue armazenar; nada foi gravado.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation>O valor de &quot;%1=&quot; contém uma quebra de linha; remova-a e tente novamente.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation>O valor de &quot;%1=&quot;</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation>Não foi possível ler %1: o ficheiro não existe.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Não foi possível ler %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation>Não foi possível ler %1: tem %2 linhas, mas são necessárias %3. Nada foi alterado.</translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation>A pasta não existe</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>NET.CFG não existe</translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation>Este ficheiro não contém uma configuração SMTP; não foi lido.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>A configuração será gravada em %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>A configuração foi gravada.</translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Indique um número de telefone</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Indique um endereço de e-mail</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>A configuração foi gravada com êxito.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>A configuração foi lida com êxito.</translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation>Escolha a pasta (o cartão de memória) onde gravar:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::NewerSettingsLink</name>
    <message>
        <source>Android APN list</source>
        <translation>lista de APN do Android</translation>
    </message>
    <message>
        <source>mobile broadband provider database</source>
        <translation>base de dados de operadores de banda larga móvel</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1 (%2):</source>
        <translation>Listas públicas mais recentes indicam outra configuração para %1 (%2):</translation>
    </message>
    <message>
        <source>The network of %1 (%2) is now %3&apos;s. %3 gives these settings for it:</source>
        <translation>A rede de %1 (%2) pertence agora a %3. %3 indica para esta rede a seguinte configuração:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vazio)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a host name. The camera needs the proxy&apos;s address in digits: look it up and type it into %2.</source>
        <translation>%1 é um nome de anfitrião. A câmara precisa do endereço do proxy em algarismos: procure-o e indique-o no campo %2.</translation>
    </message>
    <message>
        <source>Auto keeps writing the catalogue&apos;s settings. &quot;%1&quot; switches to manual setting with these values typed in; nothing is written until &quot;%2&quot;.</source>
        <translation>Na configuração automática continuam a ser gravados os valores do catálogo. «%1» muda para a configuração manual com estes valores já preenchidos; nada é gravado até clicar em «%2».</translation>
    </message>
    <message>
        <source>Use them</source>
        <translation>Usá-los</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1:</source>
        <translation>Listas públicas mais recentes indicam outra configuração para %1:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation>O campo %1</translation>
    </message>
</context>
</TS>
