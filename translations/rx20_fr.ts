<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation>Outil de paramétrage de la caméra</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Logo Orvane</translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation>Version 01.01.03</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Paramètres MMS</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Taille d&apos;image</translation>
    </message>
    <message>
        <source>Image Format</source>
        <translation>Format d&apos;image</translation>
    </message>
    <message>
        <source>Capture NO.</source>
        <translation>Nb de photos</translation>
    </message>
    <message>
        <source>IR LED Control</source>
        <translation>Puissance IR</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Nom caméra</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille vidéo</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Durée vidéo</translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation>Durée de la vidéo en secondes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>S</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Interval unit</source>
        <translation>Unité de l&apos;intervalle</translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation>Obturateur nuit</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Mode caméra</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Horodatage</translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation>Son vidéo</translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation>Écrasement</translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation>Intervalle TL</translation>
    </message>
    <message>
        <source>A Start</source>
        <translation>Début A</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation>Minute du début A</translation>
    </message>
    <message>
        <source>B Start</source>
        <translation>Début B</translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation>Minute du début B</translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation>Paramètres MMS</translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation>Mode d&apos;envoi</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>Paramétrage auto</translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation>Paramétrage manuel</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Libellé APN</translation>
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
        <translation>Destinataires</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Tél. 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Tél. 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Tél. 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Tél. 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Tél. 5</translation>
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
        <translation>Cible</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Paramètres récents…</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Paramètres SMTP</translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation>Paramètres d&apos;envoi des e-mails</translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation>Type SMTP</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Libellé APN</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Expéditeur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Destinataires</translation>
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
        <translation>Cible</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation>PARAMÈTRES GPRS</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Paramètres MMS</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Mode d&apos;envoi</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Paramétrage</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>Paramètres GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Mot de passe GPRS</translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation>Serveur MMS</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Paramètres du serveur</translation>
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
        <translation>Port du serveur MMS</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>Serveur e-mail</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>Port du serveur e-mail</translation>
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
        <translation>Paramètres des téléphones</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Tél. 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Tél. 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Tél. 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Tél. 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Tél. 5</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>Paramètres des e-mails</translation>
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
        <translation>Cible</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Paramètres récents…</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Paramètres SMTP</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Mode d&apos;envoi</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Paramétrage</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>Paramètres GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Mot de passe GPRS</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Paramètres des téléphones</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Tél. 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Tél. 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>Tél. 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>Tél. 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>Tél. 5</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Paramètres du serveur</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
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
        <translation>Paramètres des e-mails</translation>
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
        <translation>Cible</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Paramètres récents…</translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation>Le nombre saisi est en dehors de la plage autorisée.</translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation>L&apos;heure définie est en dehors de la plage autorisée.</translation>
    </message>
    <message>
        <source>生成配置文件成功</source>
        <extracomment>&quot;The settings file was written.&quot;</extracomment>
        <translation>Le fichier de paramètres a bien été écrit.</translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation>La valeur de &quot;%1=&quot; contient &quot;%2&quot;, que la caméra interprète comme un saut de ligne&#xa0;; modifiez-la et réessayez.</translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation>Impossible de lire %1&#xa0;: le fichier est chiffré et ne peut pas être relu ici. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Veuillez saisir un numéro de téléphone.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Veuillez saisir une adresse e-mail.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Le fichier de paramètres a été écrit.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Le fichier de paramètres a été lu.</translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation>Paramètres MMS</translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation>Le chemin cible n&apos;existe pas&#xa0;; veuillez en indiquer un.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>Le fichier NET.CFG n&apos;existe pas.</translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation>Ce n&apos;est pas un fichier de paramètres MMS&#xa0;; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation>Veuillez saisir au moins un numéro de téléphone ou une adresse e-mail.</translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation>Impossible d&apos;écrire NET.CFG&#xa0;: le champ Cible est vide.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Enregistrement dans %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Le fichier de paramètres a été écrit.</translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation>il n&apos;y a ni carte ni disque dans %1</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation>le dossier de travail n&apos;existe plus</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier du même nom occupe déjà cet emplacement</translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation>La page de codes %1 ne peut pas être convertie sur ce système&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation>%1 contient &quot;%2&quot;, que la page de codes %3 de la caméra ne peut pas enregistrer&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation>La valeur de &quot;%1=&quot; contient un saut de ligne&#xa0;; supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation>La valeur de &quot;%1=&quot;</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation>Impossible de lire %1&#xa0;: le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation>Impossible de lire %1&#xa0;: il contient %2 lignes alors que %3 sont nécessaires. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation>Le chemin cible n&apos;existe pas.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>Le fichier NET.CFG n&apos;existe pas.</translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation>Ce n&apos;est pas un fichier de paramètres SMTP&#xa0;; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Enregistrement dans %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Le fichier de paramètres a été écrit.</translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Veuillez saisir un numéro de téléphone.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Veuillez saisir une adresse e-mail.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Le fichier de paramètres a été écrit.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Le fichier de paramètres a été lu.</translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation>Veuillez choisir le dossier (la carte mémoire) dans lequel écrire&#xa0;:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::NewerSettingsLink</name>
    <message>
        <source>Android APN list</source>
        <translation>liste des APN Android</translation>
    </message>
    <message>
        <source>mobile broadband provider database</source>
        <translation>base de données des opérateurs haut débit mobile</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1 (%2):</source>
        <translation>Des listes publiques plus récentes donnent d&apos;autres paramètres pour %1 (%2)&#xa0;:</translation>
    </message>
    <message>
        <source>The network of %1 (%2) is now %3&apos;s. %3 gives these settings for it:</source>
        <translation>Le réseau %1 (%2) appartient désormais à %3. %3 indique pour ce réseau les paramètres suivants&#xa0;:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a host name. The camera needs the proxy&apos;s address in digits: look it up and type it into %2.</source>
        <translation>%1 est un nom d&apos;hôte. La caméra a besoin de l&apos;adresse du proxy en chiffres&#xa0;: recherchez-la et saisissez-la dans le champ %2.</translation>
    </message>
    <message>
        <source>Auto keeps writing the catalogue&apos;s settings. &quot;%1&quot; switches to manual setting with these values typed in; nothing is written until &quot;%2&quot;.</source>
        <translation>En paramétrage automatique, les paramètres du catalogue continuent d&apos;être écrits. «&#xa0;%1&#xa0;» passe en paramétrage manuel avec ces valeurs déjà saisies&#xa0;; rien n&apos;est écrit tant que vous n&apos;avez pas cliqué sur «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Use them</source>
        <translation>Les utiliser</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1:</source>
        <translation>Des listes publiques plus récentes donnent d&apos;autres paramètres pour %1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation>Le champ %1</translation>
    </message>
</context>
</TS>
