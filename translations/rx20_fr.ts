<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture NO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR LED Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMS server port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
