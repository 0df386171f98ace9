<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation>Herramienta de configuración de la cámara</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Logotipo de Orvane</translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation>Versión 01.01.03</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Configuración MMS</translation>
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
        <translation>Tamaño foto</translation>
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
        <translation>Potencia LED IR</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Tamaño vídeo</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Duración vídeo</translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation>Duración del vídeo en segundos</translation>
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
        <translation>Unidad del intervalo</translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation>Obturador noct.</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Modo cámara</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Sello de tiempo</translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation>Sonido vídeo</translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation>Intervalo TL</translation>
    </message>
    <message>
        <source>A Start</source>
        <translation>Inicio A</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation>Minuto de inicio A</translation>
    </message>
    <message>
        <source>B Start</source>
        <translation>Inicio B</translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation>Minuto de inicio B</translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation>Configuración MMS</translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation>Modo de envío</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>Config. automática</translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation>Config. manual</translation>
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
        <translation>Etiqueta APN</translation>
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
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Destinatarios</translation>
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
        <translation>Correo 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>Correo 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>Correo 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>Correo 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>Correo 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Valores recientes…</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Configuración SMTP</translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation>Configuración de envío de correo</translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation>Tipo SMTP</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>Etiqueta APN</translation>
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
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Remitente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Destinatarios</translation>
    </message>
    <message>
        <source>Email1</source>
        <translation>Correo 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>Correo 2</translation>
    </message>
    <message>
        <source>Email3</source>
        <translation>Correo 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>Correo 4</translation>
    </message>
    <message>
        <source>Email5</source>
        <translation>Correo 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation>CONFIGURACIÓN GPRS</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>Configuración MMS</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Modo de envío</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Configuración</translation>
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
        <translation>Configuración GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Contraseña GPRS</translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation>Servidor MMS</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>Configuración del servidor</translation>
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
        <translation>Puerto</translation>
    </message>
    <message>
        <source>MMS server port</source>
        <translation>Puerto del servidor MMS</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>Servidor de correo</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>Puerto del servidor de correo</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Configuración de teléfonos</translation>
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
        <source>Email Setting</source>
        <translation>Configuración de correo</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>Correo 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>Correo 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>Correo 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>Correo 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>Correo 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Valores recientes…</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation>Configuración SMTP</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>Modo de envío</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>Configuración</translation>
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
        <translation>Configuración GPRS</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Contraseña GPRS</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>Configuración de teléfonos</translation>
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
        <source>Server Setting</source>
        <translation>Configuración del servidor</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>Configuración de correo</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>Correo 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>Correo 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>Correo 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>Correo 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>Correo 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>Valores recientes…</translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation>El número introducido está fuera del rango permitido.</translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation>La hora establecida está fuera del rango permitido.</translation>
    </message>
    <message>
        <source>生成配置文件成功</source>
        <extracomment>&quot;The settings file was written.&quot;</extracomment>
        <translation>El archivo de configuración se ha escrito correctamente.</translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation>El valor de &quot;%1=&quot; contiene &quot;%2&quot;, que la cámara interpreta como un salto de línea; cámbielo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation>No se pudo leer %1: el archivo está cifrado y no se puede volver a leer aquí. No se ha modificado nada.</translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Introduzca un número de teléfono.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Introduzca una dirección de correo.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Se ha escrito el archivo de configuración.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Se ha leído el archivo de configuración.</translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation>Configuración MMS</translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation>La ruta no existe; indique una ruta.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>El archivo NET.CFG no existe.</translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation>No es un archivo de configuración MMS; no se ha leído.</translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation>Introduzca al menos un número de teléfono o una dirección de correo.</translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation>No se pudo escribir NET.CFG: el campo Ruta está vacío.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Se guardará en %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Se ha escrito el archivo de configuración.</translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation>no hay ninguna tarjeta ni disco en %1</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation>la carpeta de trabajo ya no existe</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ya existe una carpeta con ese nombre en esa ubicación</translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation>La página de códigos %1 no se puede convertir en este sistema; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation>%1 contiene &quot;%2&quot;, que la página de códigos %3 de la cámara no puede almacenar; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation>El valor de &quot;%1=&quot; contiene un salto de línea; elimínelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation>El valor de &quot;%1=&quot;</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation>No se pudo leer %1: el archivo no existe.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation>No se pudo leer %1: tiene %2 líneas y se necesitan %3. No se ha modificado nada.</translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation>La ruta no existe.</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>El archivo NET.CFG no existe.</translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation>No es un archivo de configuración SMTP; no se ha leído.</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>Se guardará en %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>Se ha escrito el archivo de configuración.</translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>Introduzca un número de teléfono.</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>Introduzca una dirección de correo.</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>Se ha escrito el archivo de configuración.</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>Se ha leído el archivo de configuración.</translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation>Seleccione la carpeta (la tarjeta de memoria) en la que escribir:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::NewerSettingsLink</name>
    <message>
        <source>Android APN list</source>
        <translation>lista de APN de Android</translation>
    </message>
    <message>
        <source>mobile broadband provider database</source>
        <translation>base de datos de operadores de banda ancha móvil</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1 (%2):</source>
        <translation>Listas públicas más recientes indican otra configuración para %1 (%2):</translation>
    </message>
    <message>
        <source>The network of %1 (%2) is now %3&apos;s. %3 gives these settings for it:</source>
        <translation>La red de %1 (%2) pertenece ahora a %3. %3 indica para ella esta configuración:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a host name. The camera needs the proxy&apos;s address in digits: look it up and type it into %2.</source>
        <translation>%1 es un nombre de host. La cámara necesita la dirección numérica del proxy: búsquela y escríbala en el campo %2.</translation>
    </message>
    <message>
        <source>Auto keeps writing the catalogue&apos;s settings. &quot;%1&quot; switches to manual setting with these values typed in; nothing is written until &quot;%2&quot;.</source>
        <translation>Con la configuración automática se siguen escribiendo los valores del catálogo. «%1» cambia a la configuración manual con estos valores ya introducidos; no se escribe nada hasta que pulse «%2».</translation>
    </message>
    <message>
        <source>Use them</source>
        <translation>Usarlos</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1:</source>
        <translation>Listas públicas más recientes indican otra configuración para %1:</translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation>El campo %1</translation>
    </message>
</context>
</TS>
