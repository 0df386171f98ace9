<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation>Kameran asetustyökalu</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Orvane-logo</translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation>Versio 01.01.03</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-asetukset</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mode</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Kuvakoko</translation>
    </message>
    <message>
        <source>Image Format</source>
        <translation>Kuvasuhde</translation>
    </message>
    <message>
        <source>Capture NO.</source>
        <translation>Kuvia/laukaisu</translation>
    </message>
    <message>
        <source>IR LED Control</source>
        <translation>IR-LED-teho</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Kameran nimi</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videokoko</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videon pituus</translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation>Videon pituus sekunteina</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekuntia</translation>
    </message>
    <message>
        <source>S</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Laukaisuväli</translation>
    </message>
    <message>
        <source>Interval unit</source>
        <translation>Laukaisuvälin yksikkö</translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation>Anturiherkkyys</translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation>Yösuljinaika</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Toiminta-aika</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Aikaleima</translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation>Videon ääni</translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation>Päällekirjoitus</translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation>Kuvausväli</translation>
    </message>
    <message>
        <source>A Start</source>
        <translation>Alkuaika A</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuutit</translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation>Alkuaika A, minuutit</translation>
    </message>
    <message>
        <source>B Start</source>
        <translation>Alkuaika B</translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation>Alkuaika B, minuutit</translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation>Intervallikuvaus</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lue</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-asetukset</translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation>Lähetystapa</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>Automaattisesti</translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation>Manuaalisesti</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Maa</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operaattori</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>APN-otsikko</translation>
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
        <translation>Portti</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Vastaanottajat</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Puhelin 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Puhelin 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Puhelin 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Puhelin 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Puhelin 5</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>S-posti 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>S-posti 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>S-posti 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>S-posti 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>S-posti 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Polku</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Valitse kansio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lue</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Uudemmat asetukset…</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation>SMTP-asetukset</translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation>Sähköpostin lähetysasetukset</translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation>SMTP-tyyppi</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>APN-otsikko</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Palvelin</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Portti</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Lähettäjä</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Vastaanottajat</translation>
    </message>
    <message>
        <source>Email1</source>
        <translation>Sähköposti 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>Sähköposti 2</translation>
    </message>
    <message>
        <source>Email3</source>
        <translation>Sähköposti 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>Sähköposti 4</translation>
    </message>
    <message>
        <source>Email5</source>
        <translation>Sähköposti 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Polku</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Valitse kansio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lue</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation>GPRS-ASETUKSET</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-asetukset</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Lähetystapa</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Asetustapa</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Maa</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operaattori</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>GPRS-asetukset</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Käyttäjätunnus</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS-salasana</translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation>MMS-palvelin</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Palvelinasetukset</translation>
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
        <translation>Portti</translation>
    </message>
    <message>
        <source>MMS server port</source>
        <translation>MMS-palvelimen portti</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>Sähköpostipalvelin</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Palvelin</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>Sähköpostipalvelimen portti</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Sähköposti</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Puhelinnumerot</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Puhelin 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Puhelin 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Puhelin 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Puhelin 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Puhelin 5</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>Sähköpostiosoitteet</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>Sähköposti 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>Sähköposti 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>Sähköposti 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>Sähköposti 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>Sähköposti 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Polku</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Valitse kansio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lue</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Uudemmat asetukset…</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation>SMTP-asetukset</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Lähetystapa</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Asetustapa</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Maa</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operaattori</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>GPRS-asetukset</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Käyttäjätunnus</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS-salasana</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Puhelinnumerot</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Puhelin 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Puhelin 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Puhelin 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Puhelin 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Puhelin 5</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Palvelinasetukset</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Palvelin</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Portti</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Sähköposti</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>Sähköpostiosoitteet</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>Sähköposti 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>Sähköposti 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>Sähköposti 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>Sähköposti 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>Sähköposti 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Polku</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Valitse kansio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lue</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Uudemmat asetukset…</translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation>Antamasi luku on sallitun alueen ulkopuolella.</translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation>Asetettu aika on sallitun alueen ulkopuolella.</translation>
    </message>
    <message>
        <source>生成配置文件成功</source>
        <extracomment>&quot;The settings file was written.&quot;</extracomment>
        <translation>Asetustiedosto kirjoitettiin.</translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation>Kohdan &quot;%1=&quot; arvossa on &quot;%2&quot;, jonka kamera lukee rivinvaihdoksi. Muuta arvoa ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation>Tiedostoa %1 ei voitu lukea: tiedosto on salattu, eikä sitä voi lukea tässä ohjelmassa. Mitään ei muutettu.</translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Anna puhelinnumero.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Anna sähköpostiosoite.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Asetustiedosto kirjoitettiin.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Asetustiedosto luettiin.</translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-asetus</translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation>Polkua ei ole olemassa. Valitse polku.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>Tiedostoa NET.CFG ei ole olemassa.</translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation>Tämä ei ole MMS-asetustiedosto, joten sitä ei luettu.</translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation>Anna vähintään yksi puhelinnumero tai sähköpostiosoite.</translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation>Tiedostoa NET.CFG ei voitu kirjoittaa: Polku-kenttä on tyhjä.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Tallennuskohde: %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Asetustiedosto kirjoitettiin.</translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation>asemassa %1 ei ole muistikorttia eikä levyä</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>kansiota %1 ei ole olemassa</translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation>työkansiota ei ole enää olemassa</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ei ole kansio</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>samanniminen kansio on jo olemassa</translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation>Koodisivua %1 ei voi muuntaa tässä järjestelmässä; mitään ei kirjoitettu.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation>%1 sisältää tekstiä &quot;%2&quot;, jota kameran koodisivu %3 ei pysty tallentamaan; mitään ei kirjoitettu.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation>Kohdan &quot;%1=&quot; arvossa on rivinvaihto; poista se ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation>Kohdan &quot;%1=&quot; arvo</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Tiedostoa %1 ei voitu kirjoittaa: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation>Tiedostoa %1 ei voitu lukea: tiedostoa ei ole olemassa.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Tiedostoa %1 ei voitu lukea: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation>Tiedostoa %1 ei voitu lukea: rivejä on %2, mutta niitä tarvitaan %3. Mitään ei muutettu.</translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation>Polkua ei ole olemassa.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>Tiedostoa NET.CFG ei ole olemassa.</translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation>Tämä ei ole SMTP-asetustiedosto, joten sitä ei luettu.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Tallennuskohde: %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Asetustiedosto kirjoitettiin.</translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Anna puhelinnumero.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Anna sähköpostiosoite.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Asetustiedosto kirjoitettiin.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Asetustiedosto luettiin.</translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation>Valitse kansio (muistikortti), johon asetukset kirjoitetaan:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::NewerSettingsLink</name>
    <message>
        <source>Android APN list</source>
        <translation>Androidin APN-lista</translation>
    </message>
    <message>
        <source>mobile broadband provider database</source>
        <translation>mobiililaajakaistan operaattoritietokanta</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1 (%2):</source>
        <translation>Uudemmat julkiset listat antavat operaattorille %1 (%2) eri asetukset:</translation>
    </message>
    <message>
        <source>The network of %1 (%2) is now %3&apos;s. %3 gives these settings for it:</source>
        <translation>Operaattorin %1 (%2) verkko kuuluu nyt operaattorille %3. Operaattori %3 antaa verkolle nämä asetukset:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(tyhjä)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a host name. The camera needs the proxy&apos;s address in digits: look it up and type it into %2.</source>
        <translation>%1 on isäntänimi. Kamera tarvitsee välityspalvelimen osoitteen numeroina: selvitä osoite ja kirjoita se kenttään %2.</translation>
    </message>
    <message>
        <source>Auto keeps writing the catalogue&apos;s settings. &quot;%1&quot; switches to manual setting with these values typed in; nothing is written until &quot;%2&quot;.</source>
        <translation>Kun asetustapa on automaattinen, ohjelma kirjoittaa edelleen luettelon asetukset. ”%1” vaihtaa manuaaliseen asetustapaan ja syöttää nämä arvot valmiiksi; mitään ei kirjoiteta ennen kuin valitset ”%2”.</translation>
    </message>
    <message>
        <source>Use them</source>
        <translation>Käytä näitä</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1:</source>
        <translation>Uudemmat julkiset listat antavat maalle %1 eri asetukset:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation>Kenttä %1</translation>
    </message>
</context>
</TS>
