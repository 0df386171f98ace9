<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation>Strumento di configurazione fotocamera</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Logo Orvane</translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation>Versione 01.01.03</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Impostazioni MMS</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Risoluzione foto</translation>
    </message>
    <message>
        <source>Image Format</source>
        <translation>Formato foto</translation>
    </message>
    <message>
        <source>Capture NO.</source>
        <translation>Numero scatti</translation>
    </message>
    <message>
        <source>IR LED Control</source>
        <translation>Potenza LED IR</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Nome fotocam.</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Risoluz. video</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Durata video</translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation>Durata video in secondi</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>S</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Interval unit</source>
        <translation>Unità dell&apos;intervallo</translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation>Sensibilità</translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation>Otturat. notte</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Modo operativo</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Timbro data/ora</translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation>Audio video</translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation>Sovrascrittura</translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation>Intervallo TL</translation>
    </message>
    <message>
        <source>A Start</source>
        <translation>Inizio A</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation>Minuti inizio A</translation>
    </message>
    <message>
        <source>B Start</source>
        <translation>Inizio B</translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation>Minuti inizio B</translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation>Impostazioni MMS</translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation>Modalità invio</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>Impostaz. automatica</translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation>Impostazione manuale</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Etichetta APN</translation>
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
        <translation>Destinatari</translation>
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
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Scegli cartella</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Valori più recenti…</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Impostazioni SMTP</translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation>Impostazioni invio e-mail</translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation>Tipo SMTP</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Etichetta APN</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Mittente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Destinatari</translation>
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
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Scegli cartella</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation>IMPOSTAZIONI GPRS</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Impostazioni MMS</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Modalità invio</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Impostazione</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>Impostazioni GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Password GPRS</translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation>Server MMS</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Impostazioni server</translation>
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
        <translation>Porta del server MMS</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>Server e-mail</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>Porta del server e-mail</translation>
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
        <translation>Impostazioni telefono</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefono 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefono 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Telefono 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Telefono 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Telefono 5</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>Impostazioni e-mail</translation>
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
        <translation>Perc.</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Scegli cartella</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Valori più recenti…</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Impostazioni SMTP</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Modalità invio</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Impostazione</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>Impostazioni GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Password GPRS</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Impostazioni telefono</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefono 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefono 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Telefono 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Telefono 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Telefono 5</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Impostazioni server</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
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
        <translation>Impostazioni e-mail</translation>
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
        <translation>Perc.</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Scegli cartella</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Valori più recenti…</translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation>Il numero impostato è fuori dall&apos;intervallo consentito</translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation>L&apos;ora impostata è fuori dall&apos;intervallo consentito</translation>
    </message>
    <message>
        <source>生成配置文件成功</source>
        <extracomment>&quot;The settings file was written.&quot;</extracomment>
        <translation>File delle impostazioni scritto correttamente.</translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation>Il valore di &quot;%1=&quot; contiene &quot;%2&quot;, che la fotocamera interpreta come un&apos;interruzione di riga; modificarlo e riprovare.</translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation>Impossibile leggere %1: il file è codificato e qui non può essere riletto. Non è stato modificato nulla.</translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Inserire un numero di telefono</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Inserire un indirizzo e-mail</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Il file di configurazione è stato scritto.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Il file di configurazione è stato letto.</translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation>Impostazioni MMS</translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation>Il percorso non esiste. Impostare un percorso.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>NET.CFG non esiste</translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation>Questo non è un file di configurazione MMS; non è stato letto.</translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation>Inserire almeno un numero di telefono o un indirizzo e-mail.</translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation>Impossibile scrivere NET.CFG: il campo Percorso è vuoto.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Il file verrà salvato in %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Il file di configurazione è stato scritto.</translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation>non c&apos;è nessuna scheda o disco in %1</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la cartella %1 non esiste</translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation>la cartella di lavoro non esiste più</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>esiste già una cartella con questo nome</translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation>La tabella codici %1 non può essere convertita su questo sistema; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation>%1 contiene &quot;%2&quot;, che la tabella codici %3 della fotocamera non può memorizzare; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation>Il valore di &quot;%1=&quot; contiene un&apos;interruzione di riga; rimuoverla e riprovare.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation>Il valore di &quot;%1=&quot;</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation>Impossibile leggere %1: il file non esiste.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation>Impossibile leggere %1: contiene %2 righe invece delle %3 richieste. Non è stato modificato nulla.</translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation>Il percorso non esiste</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>NET.CFG non esiste</translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation>Questo non è un file di configurazione SMTP; non è stato letto.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Il file verrà salvato in %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Il file di configurazione è stato scritto.</translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Inserire un numero di telefono</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Inserire un indirizzo e-mail</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Il file di configurazione è stato scritto.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Il file di configurazione è stato letto.</translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation>Scegliere la cartella (la scheda di memoria) in cui scrivere:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::NewerSettingsLink</name>
    <message>
        <source>Android APN list</source>
        <translation>elenco APN di Android</translation>
    </message>
    <message>
        <source>mobile broadband provider database</source>
        <translation>database degli operatori di banda larga mobile</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1 (%2):</source>
        <translation>Elenchi pubblici più recenti riportano altre impostazioni per %1 (%2):</translation>
    </message>
    <message>
        <source>The network of %1 (%2) is now %3&apos;s. %3 gives these settings for it:</source>
        <translation>La rete di %1 (%2) ora appartiene a %3. %3 indica per questa rete le seguenti impostazioni:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vuoto)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a host name. The camera needs the proxy&apos;s address in digits: look it up and type it into %2.</source>
        <translation>%1 è un nome host. La fotocamera richiede l&apos;indirizzo del proxy in cifre: cercarlo e inserirlo nel campo %2.</translation>
    </message>
    <message>
        <source>Auto keeps writing the catalogue&apos;s settings. &quot;%1&quot; switches to manual setting with these values typed in; nothing is written until &quot;%2&quot;.</source>
        <translation>Con l&apos;impostazione automatica continuano a essere scritte le impostazioni del catalogo. «%1» passa all&apos;impostazione manuale con questi valori già inseriti; non viene scritto nulla finché non si preme «%2».</translation>
    </message>
    <message>
        <source>Use them</source>
        <translation>Usali</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1:</source>
        <translation>Elenchi pubblici più recenti riportano altre impostazioni per %1:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation>Il campo %1</translation>
    </message>
</context>
</TS>
