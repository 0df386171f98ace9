<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation>Orodje za nastavitev kamere</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Logotip Orvane</translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation>Različica 01.01.03</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Nastavitve MMS</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mode</source>
        <translation>Način</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Velikost slike</translation>
    </message>
    <message>
        <source>Image Format</source>
        <translation>Format slike</translation>
    </message>
    <message>
        <source>Capture NO.</source>
        <translation>Število slik</translation>
    </message>
    <message>
        <source>IR LED Control</source>
        <translation>Moč IR LED</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Ime kamere</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Velikost videa</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Dolžina videa</translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation>Dolžina videa v sekundah</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekunde</translation>
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
        <translation>Enota intervala</translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation>Občutljivost</translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation>Nočni zaklop</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Način kamere</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Časovni žig</translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation>Zvok videa</translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation>Prepisovanje</translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation>Interval zajema</translation>
    </message>
    <message>
        <source>A Start</source>
        <translation>Začetek A</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuta</translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation>Minuta začetka A</translation>
    </message>
    <message>
        <source>B Start</source>
        <translation>Začetek B</translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation>Minuta začetka B</translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation>Časovni zamik</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Preberi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Ustvari</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izhod</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation>Nastavitve MMS</translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation>Način pošiljanja</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>Samodejna nastavitev</translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation>Ročna nastavitev</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Država</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operater</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Oznaka APN</translation>
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
        <translation>Vrata</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Prejemniki</translation>
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
        <translation>E-pošta1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-pošta2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-pošta3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-pošta4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>E-pošta5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Izberi mapo</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Preberi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Ustvari</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izhod</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Novejše nastavitve…</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Nastavitve SMTP</translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation>Nastavitve pošiljanja e-pošte</translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation>Vrsta SMTP</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Oznaka APN</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Strežnik</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Vrata</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Pošiljatelj</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Geslo</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Prejemniki</translation>
    </message>
    <message>
        <source>Email1</source>
        <translation>E-pošta 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-pošta 2</translation>
    </message>
    <message>
        <source>Email3</source>
        <translation>E-pošta 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-pošta 4</translation>
    </message>
    <message>
        <source>Email5</source>
        <translation>E-pošta 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Izberi mapo</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Preberi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Ustvari</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izhod</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation>NASTAVITVE GPRS</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Nastavitve MMS</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Način pošiljanja</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Način nastavitve</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Država</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operater</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>Nastavitve GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Uporabnik</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Geslo</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Geslo GPRS</translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation>Strežnik MMS</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Nastavitve strežnika</translation>
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
        <translation>Vrata</translation>
    </message>
    <message>
        <source>MMS server port</source>
        <translation>Vrata strežnika MMS</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>Strežnik za e-pošto</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Strežnik</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>Vrata strežnika za e-pošto</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-pošta</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Nastavitve telefona</translation>
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
        <translation>Nastavitve e-pošte</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-pošta 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-pošta 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-pošta 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-pošta 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>E-pošta 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Izberi mapo</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Preberi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Ustvari</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izhod</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Novejše nastavitve…</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Nastavitve SMTP</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Način pošiljanja</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Način nastavitve</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Država</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operater</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>Nastavitve GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Uporabnik</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Geslo</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Geslo GPRS</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Nastavitve telefona</translation>
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
        <translation>Nastavitve strežnika</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Strežnik</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Vrata</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-pošta</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>Nastavitve e-pošte</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-pošta 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-pošta 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-pošta 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-pošta 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>E-pošta 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Izberi mapo</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Preberi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Ustvari</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izhod</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Novejše nastavitve…</translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation>Nastavljeno število je zunaj dovoljenega obsega.</translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation>Nastavljeni čas je zunaj dovoljenega obsega.</translation>
    </message>
    <message>
        <source>生成配置文件成功</source>
        <extracomment>&quot;The settings file was written.&quot;</extracomment>
        <translation>Nastavitvena datoteka je bila uspešno zapisana.</translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation>Vrednost &quot;%1=&quot; vsebuje &quot;%2&quot;, kar kamera prebere kot prelom vrstice; spremenite jo in poskusite znova.</translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation>Datoteke %1 ni bilo mogoče prebrati: datoteka je zakodirana in je tu ni mogoče prebrati nazaj. Nič ni bilo spremenjeno.</translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Vnesite telefonsko številko.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Vnesite e-poštni naslov.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Datoteka z nastavitvami je bila zapisana.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Datoteka z nastavitvami je bila prebrana.</translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation>Nastavitve MMS</translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation>Pot ne obstaja. Nastavite pot.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>Datoteka NET.CFG ne obstaja.</translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation>To ni datoteka z nastavitvami MMS, zato ni bila prebrana.</translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation>Vnesite vsaj eno telefonsko številko ali e-poštni naslov.</translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation>Datoteke NET.CFG ni bilo mogoče zapisati: polje Pot je prazno.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Shranjevanje v %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Datoteka z nastavitvami je bila zapisana.</translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation>v enoti %1 ni kartice ali diska</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>mapa %1 ne obstaja</translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation>delovna mapa ne obstaja več</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ni mapa</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>na tem mestu je že mapa z enakim imenom</translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation>Kodne strani %1 v tem sistemu ni mogoče pretvoriti; nič ni bilo zapisano.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation>%1 vsebuje &quot;%2&quot;, česar kodna stran kamere %3 ne more shraniti; nič ni bilo zapisano.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation>Vrednost &quot;%1=&quot; vsebuje prelom vrstice; odstranite ga in poskusite znova.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation>Vrednost &quot;%1=&quot;</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Datoteke %1 ni bilo mogoče zapisati: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation>Datoteke %1 ni bilo mogoče prebrati: datoteka ne obstaja.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Datoteke %1 ni bilo mogoče prebrati: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation>Datoteke %1 ni bilo mogoče prebrati: število vrstic v njej je %2, potrebno pa je %3. Nič ni bilo spremenjeno.</translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation>Pot ne obstaja.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>Datoteka NET.CFG ne obstaja.</translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation>To ni datoteka z nastavitvami SMTP, zato ni bila prebrana.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Shranjevanje v %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Datoteka z nastavitvami je bila zapisana.</translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Vnesite telefonsko številko.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Vnesite e-poštni naslov.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Datoteka z nastavitvami je bila zapisana.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Datoteka z nastavitvami je bila prebrana.</translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation>Izberite mapo (pomnilniško kartico), v katero naj se zapišejo nastavitve:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::NewerSettingsLink</name>
    <message>
        <source>Android APN list</source>
        <translation>seznam APN za Android</translation>
    </message>
    <message>
        <source>mobile broadband provider database</source>
        <translation>zbirka operaterjev mobilnega širokopasovnega dostopa</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1 (%2):</source>
        <translation>Novejši javni seznami navajajo za %1 (%2) drugačne nastavitve:</translation>
    </message>
    <message>
        <source>The network of %1 (%2) is now %3&apos;s. %3 gives these settings for it:</source>
        <translation>Omrežje operaterja %1 (%2) je zdaj last operaterja %3. Operater %3 zanj navaja te nastavitve:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(prazno)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a host name. The camera needs the proxy&apos;s address in digits: look it up and type it into %2.</source>
        <translation>%1 je ime gostitelja. Kamera potrebuje številski naslov posredniškega strežnika: poiščite ga in ga vnesite v polje %2.</translation>
    </message>
    <message>
        <source>Auto keeps writing the catalogue&apos;s settings. &quot;%1&quot; switches to manual setting with these values typed in; nothing is written until &quot;%2&quot;.</source>
        <translation>Pri samodejni nastavitvi se še naprej zapisujejo nastavitve iz kataloga. „%1“ preklopi na ročno nastavitev in vpiše te vrednosti; nič se ne zapiše, dokler ne kliknete „%2“.</translation>
    </message>
    <message>
        <source>Use them</source>
        <translation>Uporabi</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1:</source>
        <translation>Novejši javni seznami navajajo za državo %1 drugačne nastavitve:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation>Polje %1</translation>
    </message>
</context>
</TS>
