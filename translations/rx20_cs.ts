<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation>Nástroj pro nastavení kamery</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Logo Orvane</translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation>Verze 01.01.03</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Nastavení MMS</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Velikost snímku</translation>
    </message>
    <message>
        <source>Image Format</source>
        <translation>Formát snímku</translation>
    </message>
    <message>
        <source>Capture NO.</source>
        <translation>Počet snímků</translation>
    </message>
    <message>
        <source>IR LED Control</source>
        <translation>Výkon IR LED</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Název kamery</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Velikost videa</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Délka videa</translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation>Délka videa v sekundách</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekundy</translation>
    </message>
    <message>
        <source>S</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Interval unit</source>
        <translation>Jednotka intervalu</translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation>Citlivost čidla</translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation>Noční závěrka</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Režim kamery</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Časové razítko</translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation>Zvuk videa</translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation>Přepisování</translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation>Krok časosběru</translation>
    </message>
    <message>
        <source>A Start</source>
        <translation>Začátek A</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuta</translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation>Začátek A, minuta</translation>
    </message>
    <message>
        <source>B Start</source>
        <translation>Začátek B</translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation>Začátek B, minuta</translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation>Časosběr</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation>Nastavení MMS</translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation>Režim odesílání</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>Automatické nastavení</translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation>Ruční nastavení</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Země</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operátor</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Popisek APN</translation>
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
        <translation>Port</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Příjemci</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Telefon 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Telefon 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Telefon 5</translation>
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
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Vybrat složku</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Novější nastavení…</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Nastavení SMTP</translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation>Odesílání e-mailů</translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation>Typ SMTP</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Popisek APN</translation>
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
        <translation>Port</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Odesílatel</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Příjemci</translation>
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
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Vybrat složku</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation>Nastavení GPRS</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Nastavení MMS</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Režim odesílání</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Režim nastavení</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Země</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operátor</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>Nastavení GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Heslo GPRS</translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation>Server MMS</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Nastavení serveru</translation>
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
        <translation>Port</translation>
    </message>
    <message>
        <source>MMS server port</source>
        <translation>Port serveru MMS</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>E-mailový server</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>Port e-mailového serveru</translation>
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
        <translation>Telefonní čísla</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Telefon 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Telefon 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Telefon 5</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>E-mailové adresy</translation>
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
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Vybrat složku</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Novější nastavení…</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Nastavení SMTP</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Režim odesílání</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Režim nastavení</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Země</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operátor</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>Nastavení GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Heslo GPRS</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Telefonní čísla</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Telefon 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Telefon 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Telefon 5</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Nastavení serveru</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
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
        <translation>E-mailové adresy</translation>
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
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Vybrat složku</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Novější nastavení…</translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation>Zadané číslo je mimo povolený rozsah.</translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation>Nastavený čas je mimo povolený rozsah.</translation>
    </message>
    <message>
        <source>生成配置文件成功</source>
        <extracomment>&quot;The settings file was written.&quot;</extracomment>
        <translation>Soubor s nastavením byl úspěšně zapsán.</translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation>Hodnota &quot;%1=&quot; obsahuje &quot;%2&quot;, což kamera čte jako konec řádku. Změňte ji prosím a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation>Nelze načíst %1: soubor je zakódovaný a zde jej nelze zpětně načíst. Nic nebylo změněno.</translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Zadejte prosím telefonní číslo.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Zadejte prosím e-mailovou adresu.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Soubor s nastavením byl zapsán.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Soubor s nastavením byl načten.</translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation>Nastavení MMS</translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation>Cesta neexistuje. Zadejte prosím cestu.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>Soubor NET.CFG neexistuje.</translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation>Toto není soubor s nastavením MMS; nebyl načten.</translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation>Zadejte prosím alespoň jedno telefonní číslo nebo e-mailovou adresu.</translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation>Nelze zapsat NET.CFG: pole Cesta je prázdné.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Soubor bude uložen do %1.</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Soubor s nastavením byl zapsán.</translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation>v jednotce %1 není karta ani disk</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>složka %1 neexistuje</translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation>pracovní složka již neexistuje</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 není složka</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>již existuje složka se stejným názvem</translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation>Kódovou stránku %1 nelze v tomto systému převést; nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation>%1 obsahuje znak &quot;%2&quot;, který kódová stránka kamery %3 neumí uložit; nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation>Hodnota &quot;%1=&quot; obsahuje konec řádku. Odstraňte jej prosím a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation>Hodnota &quot;%1=&quot;</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Nelze zapsat %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation>Nelze načíst %1: soubor neexistuje.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Nelze načíst %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation>Nelze načíst %1: soubor obsahuje pouze %2 z %3 potřebných řádků. Nic nebylo změněno.</translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation>Cesta neexistuje.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>Soubor NET.CFG neexistuje.</translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation>Toto není soubor s nastavením SMTP; nebyl načten.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Soubor bude uložen do %1.</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Soubor s nastavením byl zapsán.</translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Zadejte prosím telefonní číslo.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Zadejte prosím e-mailovou adresu.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Soubor s nastavením byl zapsán.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Soubor s nastavením byl načten.</translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation>Vyberte prosím cílovou složku (paměťovou kartu):</translation>
    </message>
</context>
<context>
    <name>rx20::ui::NewerSettingsLink</name>
    <message>
        <source>Android APN list</source>
        <translation>seznam APN systému Android</translation>
    </message>
    <message>
        <source>mobile broadband provider database</source>
        <translation>databáze operátorů mobilního internetu</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1 (%2):</source>
        <translation>Novější veřejné seznamy uvádějí pro %1 (%2) jiné nastavení:</translation>
    </message>
    <message>
        <source>The network of %1 (%2) is now %3&apos;s. %3 gives these settings for it:</source>
        <translation>Síť operátora %1 (%2) nyní patří operátorovi %3. Operátor %3 pro ni uvádí toto nastavení:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(prázdné)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a host name. The camera needs the proxy&apos;s address in digits: look it up and type it into %2.</source>
        <translation>%1 je název hostitele. Kamera potřebuje číselnou adresu proxy serveru: zjistěte ji prosím a zadejte ji do pole %2.</translation>
    </message>
    <message>
        <source>Auto keeps writing the catalogue&apos;s settings. &quot;%1&quot; switches to manual setting with these values typed in; nothing is written until &quot;%2&quot;.</source>
        <translation>Při automatickém nastavení se dál zapisují hodnoty z katalogu. Tlačítko „%1“ přepne na ruční nastavení a tyto hodnoty vyplní; nic se nezapíše, dokud nestisknete „%2“.</translation>
    </message>
    <message>
        <source>Use them</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1:</source>
        <translation>Novější veřejné seznamy uvádějí pro zemi %1 jiné nastavení:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation>Pole %1</translation>
    </message>
</context>
</TS>
