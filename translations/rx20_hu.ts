<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation>Kamerabeállító eszköz</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Orvane-logó</translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation>Verzió: 01.01.03</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-beállítások</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mode</source>
        <translation>Mód</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Képméret</translation>
    </message>
    <message>
        <source>Image Format</source>
        <translation>Képformátum</translation>
    </message>
    <message>
        <source>Capture NO.</source>
        <translation>Képek száma</translation>
    </message>
    <message>
        <source>IR LED Control</source>
        <translation>IR LED-fényerő</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Kameranév</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videóméret</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videóhossz</translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation>Videóhossz másodpercben</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>másodperc</translation>
    </message>
    <message>
        <source>S</source>
        <translation>mp</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Időköz</translation>
    </message>
    <message>
        <source>Interval unit</source>
        <translation>Időköz mértékegysége</translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation>Érzékenység</translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation>Éjszakai záridő</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramód</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Időbélyeg</translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation>Hangrögzítés</translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation>Felülírás</translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation>Felvételi időköz</translation>
    </message>
    <message>
        <source>A Start</source>
        <translation>Kezdés A</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>perc</translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation>Kezdés A, perc</translation>
    </message>
    <message>
        <source>B Start</source>
        <translation>Kezdés B</translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation>Kezdés B, perc</translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation>Időzített mód</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Beolvasás</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Létrehozás</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-beállítások</translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation>Küldési mód</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>Automatikus beállítás</translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation>Kézi beállítás</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Ország</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Szolgáltató</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>APN-felirat</translation>
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
        <translation>Címzettek</translation>
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
        <translation>Fájl helye</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Mappa kiválasztása</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Beolvasás</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Létrehozás</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Újabb beállítások…</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation>SMTP-beállítások</translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation>E-mail-küldési beállítások</translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation>SMTP-típus</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>APN-felirat</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Kiszolgáló</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Feladó</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Címzettek</translation>
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
        <translation>Fájl helye</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Mappa kiválasztása</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Beolvasás</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Létrehozás</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation>GPRS-BEÁLLÍTÁSOK</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-beállítások</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Küldési mód</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Beállítási mód</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Ország</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Szolgáltató</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>GPRS-beállítások</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS-jelszó</translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation>MMS-kiszolgáló</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Kiszolgáló beállításai</translation>
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
        <translation>MMS-kiszolgáló portja</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>E-mail-kiszolgáló</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Kiszolgáló</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>E-mail-kiszolgáló portja</translation>
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
        <translation>Telefonbeállítások</translation>
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
        <translation>E-mail-beállítások</translation>
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
        <translation>Hely</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Mappa kiválasztása</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Beolvasás</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Létrehozás</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Újabb beállítások…</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation>SMTP-beállítások</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Küldési mód</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Beállítási mód</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Ország</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Szolgáltató</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>GPRS-beállítások</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS-jelszó</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Telefonbeállítások</translation>
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
        <translation>Kiszolgáló beállításai</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Kiszolgáló</translation>
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
        <translation>E-mail-beállítások</translation>
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
        <translation>Hely</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Mappa kiválasztása</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Beolvasás</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Létrehozás</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Újabb beállítások…</translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation>A megadott szám kívül esik az érvényes tartományon.</translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation>A beállított idő kívül esik az érvényes tartományon.</translation>
    </message>
    <message>
        <source>生成配置文件成功</source>
        <extracomment>&quot;The settings file was written.&quot;</extracomment>
        <translation>A beállítófájl sikeresen elkészült.</translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation>A(z) &quot;%1=&quot; értéke olyan karaktereket tartalmaz (&quot;%2&quot;), amelyeket a kamera sortörésként olvas be; módosítsa az értéket, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation>Nem sikerült beolvasni a(z) %1 fájlt: a fájl kódolt, ezért itt nem olvasható vissza. Semmi sem változott.</translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Adjon meg egy telefonszámot.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Adjon meg egy e-mail-címet.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>A beállítási fájl kiírása sikerült.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>A beállítási fájl beolvasása sikerült.</translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-beállítások</translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation>A megadott hely nem létezik. Adjon meg egy létező helyet.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>A NET.CFG fájl nem létezik.</translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation>Ez nem MMS-beállítási fájl, ezért a program nem olvasta be.</translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation>Adjon meg legalább egy telefonszámot vagy e-mail-címet.</translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation>Nem sikerült kiírni a NET.CFG fájlt: a Fájl helye mező üres.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Mentés ide: %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>A beállítási fájl kiírása sikerült.</translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation>a(z) %1 meghajtóban nincs kártya vagy lemez</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a(z) %1 mappa nem létezik</translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation>a munkamappa már nem létezik</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>a(z) %1 nem mappa</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>már létezik egy ugyanilyen nevű mappa</translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation>A(z) %1 kódlap ezen a rendszeren nem konvertálható; a program nem írt ki semmit.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation>%1 olyan karaktert tartalmaz (&quot;%2&quot;), amelyet a kamera kódlapja (%3) nem tud tárolni; a program nem írt ki semmit.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation>A(z) &quot;%1=&quot; értéke sortörést tartalmaz; távolítsa el, majd próbálja újra.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation>A(z) &quot;%1=&quot; értéke</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Nem sikerült kiírni a(z) %1 fájlt: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation>Nem sikerült beolvasni a(z) %1 fájlt: a fájl nem létezik.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Nem sikerült beolvasni a(z) %1 fájlt: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation>Nem sikerült beolvasni a(z) %1 fájlt: %2 sort tartalmaz, de %3 sor szükséges. Semmi sem változott.</translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation>A megadott hely nem létezik.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>A NET.CFG fájl nem létezik.</translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation>Ez nem SMTP-beállítási fájl, ezért a program nem olvasta be.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Mentés ide: %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>A beállítási fájl kiírása sikerült.</translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Adjon meg egy telefonszámot.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Adjon meg egy e-mail-címet.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>A beállítási fájl kiírása sikerült.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>A beállítási fájl beolvasása sikerült.</translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation>Válassza ki a mappát (a memóriakártyát), ahová a beállítások kerüljenek:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::NewerSettingsLink</name>
    <message>
        <source>Android APN list</source>
        <translation>Android APN-lista</translation>
    </message>
    <message>
        <source>mobile broadband provider database</source>
        <translation>mobil szélessávú szolgáltatók adatbázisa</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1 (%2):</source>
        <translation>Az újabb nyilvános listák más beállításokat adnak meg a(z) %1 (%2) számára:</translation>
    </message>
    <message>
        <source>The network of %1 (%2) is now %3&apos;s. %3 gives these settings for it:</source>
        <translation>A(z) %1 (%2) hálózata ma már a(z) %3 szolgáltatóé. A(z) %3 ezeket a beállításokat adja meg hozzá:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(üres)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a host name. The camera needs the proxy&apos;s address in digits: look it up and type it into %2.</source>
        <translation>A(z) %1 egy gazdagépnév. A kamerának a proxy számokból álló címére van szüksége: keresse ki, és írja be a(z) %2 mezőbe.</translation>
    </message>
    <message>
        <source>Auto keeps writing the catalogue&apos;s settings. &quot;%1&quot; switches to manual setting with these values typed in; nothing is written until &quot;%2&quot;.</source>
        <translation>Automatikus beállításnál a program továbbra is a katalógus beállításait írja ki. A(z) „%1” gomb kézi beállításra vált, és beírja ezeket az értékeket; a program semmit sem ír ki, amíg nem kattint a(z) „%2” gombra.</translation>
    </message>
    <message>
        <source>Use them</source>
        <translation>Átvétel</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1:</source>
        <translation>Az újabb nyilvános listák más beállításokat adnak meg a(z) %1 ország számára:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation>A(z) %1 mező</translation>
    </message>
</context>
</TS>
