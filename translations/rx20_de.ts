<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation>Kamera-Einstellungsprogramm</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Orvane-Logo</translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation>Version 01.01.03</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-Einstellungen</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Image Format</source>
        <translation>Bildformat</translation>
    </message>
    <message>
        <source>Capture NO.</source>
        <translation>Bildanzahl</translation>
    </message>
    <message>
        <source>IR LED Control</source>
        <translation>IR-LED-Leistung</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Kameraname</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolänge</translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation>Videolänge in Sekunden</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>S</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Interval unit</source>
        <translation>Einheit des Intervalls</translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation>Verschl. Nacht</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramodus</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation>Tonaufnahme</translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation>Zeitraffer-Takt</translation>
    </message>
    <message>
        <source>A Start</source>
        <translation>Start A</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation>Start A, Minute</translation>
    </message>
    <message>
        <source>B Start</source>
        <translation>Start B</translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation>Start B, Minute</translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-Einstellungen</translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation>Sendemodus</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>APN-Beschriftung</translation>
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
        <translation>Empfänger</translation>
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
        <translation>E-Mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-Mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-Mail 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-Mail 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>E-Mail 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Neuere Werte…</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation>SMTP-Einstellungen</translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation>E-Mail-Versand</translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation>SMTP-Typ</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>APN-Beschriftung</translation>
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
        <translation>Absender</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Email1</source>
        <translation>E-Mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-Mail 2</translation>
    </message>
    <message>
        <source>Email3</source>
        <translation>E-Mail 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-Mail 4</translation>
    </message>
    <message>
        <source>Email5</source>
        <translation>E-Mail 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation>GPRS-Einstellungen</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-Einstellungen</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Sendemodus</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Einstellmodus</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>GPRS-Einstellungen</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS-Passwort</translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation>MMS-Server</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Servereinstellungen</translation>
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
        <translation>Port des MMS-Servers</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>E-Mail-Server</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>Port des E-Mail-Servers</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Telefonnummern</translation>
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
        <translation>E-Mail-Adressen</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-Mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-Mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-Mail 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-Mail 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>E-Mail 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Neuere Werte…</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation>SMTP-Einstellungen</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Sendemodus</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Einstellmodus</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>GPRS-Einstellungen</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS-Passwort</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Telefonnummern</translation>
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
        <translation>Servereinstellungen</translation>
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
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>E-Mail-Adressen</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-Mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-Mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-Mail 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-Mail 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>E-Mail 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Neuere Werte…</translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation>Die eingegebene Zahl liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation>Die eingestellte Uhrzeit liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>生成配置文件成功</source>
        <extracomment>&quot;The settings file was written.&quot;</extracomment>
        <translation>Die Einstellungsdatei wurde erfolgreich geschrieben.</translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation>Der Wert von &quot;%1=&quot; enthält &quot;%2&quot;; die Kamera liest das als Zeilenumbruch. Bitte ändern Sie den Wert und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation>%1 konnte nicht gelesen werden: die Datei ist verschlüsselt und kann hier nicht wieder eingelesen werden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Bitte geben Sie eine Telefonnummer ein.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Bitte geben Sie eine E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Die Einstellungsdatei wurde geschrieben.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Die Einstellungsdatei wurde eingelesen.</translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation>MMS-Einstellungen</translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation>Der Pfad existiert nicht. Bitte geben Sie einen Pfad an.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>Die Datei NET.CFG existiert nicht.</translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation>Dies ist keine MMS-Einstellungsdatei; sie wurde nicht eingelesen.</translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation>Bitte geben Sie mindestens eine Telefonnummer oder E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation>NET.CFG konnte nicht geschrieben werden: das Feld Dateipfad ist leer.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Die Datei wird unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Die Einstellungsdatei wurde geschrieben.</translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation>im Laufwerk %1 ist keine Karte und kein Datenträger eingelegt</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation>der Arbeitsordner existiert nicht mehr</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>es gibt bereits einen gleichnamigen Ordner</translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation>Die Codepage %1 kann auf diesem System nicht umgewandelt werden; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation>%1 enthält das Zeichen &quot;%2&quot;, das die Codepage %3 der Kamera nicht speichern kann; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation>Der Wert von &quot;%1=&quot; enthält einen Zeilenumbruch. Bitte entfernen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation>Der Wert von &quot;%1=&quot;</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation>%1 konnte nicht gelesen werden: die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation>%1 konnte nicht gelesen werden: die Datei enthält nur %2 von %3 benötigten Zeilen. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation>Der Pfad existiert nicht.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>Die Datei NET.CFG existiert nicht.</translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation>Dies ist keine SMTP-Einstellungsdatei; sie wurde nicht eingelesen.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Die Datei wird unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Die Einstellungsdatei wurde geschrieben.</translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Bitte geben Sie eine Telefonnummer ein.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Bitte geben Sie eine E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Die Einstellungsdatei wurde geschrieben.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Die Einstellungsdatei wurde eingelesen.</translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation>Bitte wählen Sie den Zielordner (die Speicherkarte):</translation>
    </message>
</context>
<context>
    <name>rx20::ui::NewerSettingsLink</name>
    <message>
        <source>Android APN list</source>
        <translation>Android-APN-Liste</translation>
    </message>
    <message>
        <source>mobile broadband provider database</source>
        <translation>Datenbank der Mobilfunkanbieter</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1 (%2):</source>
        <translation>Neuere öffentliche Listen nennen für %1 (%2) andere Einstellungen:</translation>
    </message>
    <message>
        <source>The network of %1 (%2) is now %3&apos;s. %3 gives these settings for it:</source>
        <translation>Das Netz von %1 (%2) gehört jetzt %3. %3 nennt dafür diese Einstellungen:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a host name. The camera needs the proxy&apos;s address in digits: look it up and type it into %2.</source>
        <translation>%1 ist ein Hostname. Die Kamera braucht die Adresse des Proxys in Ziffern: bitte ermitteln Sie sie und tragen Sie sie in das Feld %2 ein.</translation>
    </message>
    <message>
        <source>Auto keeps writing the catalogue&apos;s settings. &quot;%1&quot; switches to manual setting with these values typed in; nothing is written until &quot;%2&quot;.</source>
        <translation>Im automatischen Modus werden weiterhin die Einstellungen des Katalogs geschrieben. „%1“ wechselt in den manuellen Modus und trägt diese Werte ein; geschrieben wird erst mit „%2“.</translation>
    </message>
    <message>
        <source>Use them</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1:</source>
        <translation>Neuere öffentliche Listen nennen für %1 andere Einstellungen:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation>Das Feld %1</translation>
    </message>
</context>
</TS>
