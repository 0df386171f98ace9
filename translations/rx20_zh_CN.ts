<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Form1</name>
    <message>
        <source>Camera Setting Tool</source>
        <translation>相机设置工具</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Orvane 标志</translation>
    </message>
    <message>
        <source>Version 01.01.03</source>
        <translation>版本 01.01.03</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>MMS 设置</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mode</source>
        <translation>拍摄模式</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>图像尺寸</translation>
    </message>
    <message>
        <source>Image Format</source>
        <translation>图像比例</translation>
    </message>
    <message>
        <source>Capture NO.</source>
        <translation>每次拍摄张数</translation>
    </message>
    <message>
        <source>IR LED Control</source>
        <translation>红外灯功率</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>相机名称</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>视频尺寸</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>视频长度</translation>
    </message>
    <message>
        <source>Video Length in seconds</source>
        <translation>视频长度（秒）</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>S</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>触发间隔</translation>
    </message>
    <message>
        <source>Interval unit</source>
        <translation>触发间隔单位</translation>
    </message>
    <message>
        <source>Sensor Level</source>
        <translation>感应灵敏度</translation>
    </message>
    <message>
        <source>NV Shutter</source>
        <translation>夜视快门速度</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>工作时段</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>时间戳</translation>
    </message>
    <message>
        <source>Video Sound</source>
        <translation>视频录音</translation>
    </message>
    <message>
        <source>Over Write</source>
        <translation>循环覆盖</translation>
    </message>
    <message>
        <source>Scan Interval</source>
        <translation>定时间隔</translation>
    </message>
    <message>
        <source>A Start</source>
        <translation>A 开始时间</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>A Start minute</source>
        <translation>A 开始时间（分钟）</translation>
    </message>
    <message>
        <source>B Start</source>
        <translation>B 开始时间</translation>
    </message>
    <message>
        <source>B Start minute</source>
        <translation>B 开始时间（分钟）</translation>
    </message>
    <message>
        <source>Field Scan</source>
        <translation>定时拍摄</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>MMS Setting</source>
        <translation>MMS 设置</translation>
    </message>
    <message>
        <source>Wireless Select</source>
        <translation>发送方式</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>自动设置</translation>
    </message>
    <message>
        <source>Manual Setting</source>
        <translation>手动设置</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国家/地区</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>运营商</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>APN 标题</translation>
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
        <translation>端口</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>收件人</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>手机 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>手机 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>手机 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>手机 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>手机 5</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>邮箱 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>邮箱 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>邮箱 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>邮箱 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>邮箱 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>较新的设置…</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>SMTP Setting</source>
        <translation>SMTP 设置</translation>
    </message>
    <message>
        <source>Send Email Setting</source>
        <translation>邮件发送设置</translation>
    </message>
    <message>
        <source>SMTP Type</source>
        <translation>SMTP 类型</translation>
    </message>
    <message>
        <source>APN caption</source>
        <translation>APN 标题</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>发件人</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>收件人</translation>
    </message>
    <message>
        <source>Email1</source>
        <translation>邮箱 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>邮箱 2</translation>
    </message>
    <message>
        <source>Email3</source>
        <translation>邮箱 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>邮箱 4</translation>
    </message>
    <message>
        <source>Email5</source>
        <translation>邮箱 5</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>GPRS SETTINGS</source>
        <translation>GPRS 设置</translation>
    </message>
    <message>
        <source>MMS Setting</source>
        <translation>MMS 设置</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>发送方式</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>设置方式</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国家/地区</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>运营商</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>GPRS 设置</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS 密码</translation>
    </message>
    <message>
        <source>MMS server</source>
        <translation>MMS 服务器</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>服务器设置</translation>
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
        <translation>端口</translation>
    </message>
    <message>
        <source>MMS server port</source>
        <translation>MMS 服务器端口</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>邮件服务器</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>邮件服务器端口</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>邮箱</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>手机号码</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>手机 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>手机 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>手机 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>手机 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>手机 5</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>邮箱地址</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>邮箱 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>邮箱 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>邮箱 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>邮箱 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>邮箱 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>较新的设置…</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>SMTP Setting</source>
        <translation>SMTP 设置</translation>
    </message>
    <message>
        <source>Wireless Mode</source>
        <translation>发送方式</translation>
    </message>
    <message>
        <source>Setting Mode</source>
        <translation>设置方式</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国家/地区</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>运营商</translation>
    </message>
    <message>
        <source>GPRS Setting</source>
        <translation>GPRS 设置</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS 密码</translation>
    </message>
    <message>
        <source>Phone Setting</source>
        <translation>手机号码</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>手机 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>手机 2</translation>
    </message>
    <message>
        <source>Phone 3</source>
        <translation>手机 3</translation>
    </message>
    <message>
        <source>Phone 4</source>
        <translation>手机 4</translation>
    </message>
    <message>
        <source>Phone 5</source>
        <translation>手机 5</translation>
    </message>
    <message>
        <source>Server Setting</source>
        <translation>服务器设置</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>邮箱</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>邮箱地址</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>邮箱 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>邮箱 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>邮箱 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>邮箱 4</translation>
    </message>
    <message>
        <source>Email 5</source>
        <translation>邮箱 5</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Newer settings…</source>
        <translation>较新的设置…</translation>
    </message>
</context>
<context>
    <name>rx20::CameraSettingsWindow</name>
    <message>
        <source>The number you set is out of range</source>
        <translation>设置的数值超出范围。</translation>
    </message>
    <message>
        <source>Set Time is out of range</source>
        <translation>设置的时间超出范围。</translation>
    </message>
    <message>
        <source>生成配置文件成功</source>
        <extracomment>&quot;The settings file was written.&quot;</extracomment>
        <translation>配置文件已成功写入。</translation>
    </message>
</context>
<context>
    <name>rx20::MailNetCfg</name>
    <message>
        <source>The value of &quot;%1=&quot; holds &quot;%2&quot;, which the camera reads as a line break; change it and try again.</source>
        <translation>&quot;%1=&quot; 的值包含 &quot;%2&quot;，相机会将其读作换行符。请修改后重试。</translation>
    </message>
    <message>
        <source>Could not read %1: the file is scrambled and cannot be read back here. Nothing was changed.</source>
        <translation>无法读取 %1：该文件经过加密，无法在此读回。未做任何更改。</translation>
    </message>
</context>
<context>
    <name>rx20::MailPhoneSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>请输入手机号码。</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>请输入邮箱地址。</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>配置文件已写入。</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>配置文件已读取。</translation>
    </message>
</context>
<context>
    <name>rx20::MainWindow</name>
    <message>
        <source>MMS Setting</source>
        <translation>MMS 设置</translation>
    </message>
</context>
<context>
    <name>rx20::MmsSettingsWindow</name>
    <message>
        <source>Path is not exist,please set path!</source>
        <translation>路径不存在，请设置路径。</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>NET.CFG 不存在。</translation>
    </message>
    <message>
        <source>it is not mms config,don&apos;t read this file</source>
        <translation>这不是 MMS 配置文件，未读取。</translation>
    </message>
    <message>
        <source>At least One phone or Email should be input!</source>
        <translation>请至少输入一个手机号码或邮箱地址。</translation>
    </message>
    <message>
        <source>Could not write NET.CFG: the File Path box is empty.</source>
        <translation>无法写入 NET.CFG：“文件路径”框为空。</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>保存到 %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>配置文件已写入。</translation>
    </message>
</context>
<context>
    <name>rx20::SettingsFile</name>
    <message>
        <source>there is no card or disk in %1</source>
        <translation>%1 中没有存储卡或磁盘</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>the working folder no longer exists</source>
        <translation>工作文件夹已不存在</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>已存在同名文件夹</translation>
    </message>
    <message>
        <source>The code page %1 cannot be converted on this system; nothing was written.</source>
        <translation>此系统无法转换代码页 %1；未写入任何内容。</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the camera&apos;s code page %3 cannot store; nothing was written.</source>
        <translation>%1包含 &quot;%2&quot;，相机的代码页 %3 无法存储这些字符；未写入任何内容。</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot; holds a line break; remove it and try again.</source>
        <translation>&quot;%1=&quot; 的值包含换行符；请将其删除后重试。</translation>
    </message>
    <message>
        <source>The value of &quot;%1=&quot;</source>
        <translation>&quot;%1=&quot; 的值</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>无法写入 %1：%2。</translation>
    </message>
    <message>
        <source>Could not read %1: the file does not exist.</source>
        <translation>无法读取 %1：文件不存在。</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.</source>
        <translation>无法读取 %1：文件有 %2 行，但需要 %3 行。未做任何更改。</translation>
    </message>
</context>
<context>
    <name>rx20::SmtpSettingsWindow</name>
    <message>
        <source>Path is not exist</source>
        <translation>路径不存在。</translation>
    </message>
    <message>
        <source>NET.CFG is not exist</source>
        <translation>NET.CFG 不存在。</translation>
    </message>
    <message>
        <source>it is not smtp config,don&apos;t read this file</source>
        <translation>这不是 SMTP 配置文件，未读取。</translation>
    </message>
    <message>
        <source>Save to %1</source>
        <translation>保存到 %1</translation>
    </message>
    <message>
        <source>Create configure file!</source>
        <translation>配置文件已写入。</translation>
    </message>
</context>
<context>
    <name>rx20::WirelessSettingsWindow</name>
    <message>
        <source>Need Phone Number Input</source>
        <translation>请输入手机号码。</translation>
    </message>
    <message>
        <source>Need Email Input</source>
        <translation>请输入邮箱地址。</translation>
    </message>
    <message>
        <source>Create configure file success.</source>
        <translation>配置文件已写入。</translation>
    </message>
    <message>
        <source>Read configure file success.</source>
        <translation>配置文件已读取。</translation>
    </message>
</context>
<context>
    <name>rx20::ui::FolderPicker</name>
    <message>
        <source>请选择软件安装路径：</source>
        <extracomment>The folder browser&apos;s title: &quot;Please choose the folder to install to:&quot;, the folder the settings file goes into (the memory card).</extracomment>
        <translation>请选择要写入配置文件的文件夹（存储卡）：</translation>
    </message>
</context>
<context>
    <name>rx20::ui::NewerSettingsLink</name>
    <message>
        <source>Android APN list</source>
        <translation>Android APN 列表</translation>
    </message>
    <message>
        <source>mobile broadband provider database</source>
        <translation>移动宽带运营商数据库</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2 年</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1 (%2):</source>
        <translation>较新的公开列表为 %1（%2）提供了不同的设置：</translation>
    </message>
    <message>
        <source>The network of %1 (%2) is now %3&apos;s. %3 gives these settings for it:</source>
        <translation>%1（%2）的网络现已归属 %3。%3 为该网络提供以下设置：</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1：%2（%3）</translation>
    </message>
    <message>
        <source>%1 is a host name. The camera needs the proxy&apos;s address in digits: look it up and type it into %2.</source>
        <translation>%1 是主机名。相机需要数字形式的代理服务器地址：请查询该地址并将其填入“%2”框。</translation>
    </message>
    <message>
        <source>Auto keeps writing the catalogue&apos;s settings. &quot;%1&quot; switches to manual setting with these values typed in; nothing is written until &quot;%2&quot;.</source>
        <translation>自动设置会继续写入内置目录中的设置。“%1”会切换到手动设置并填入这些值；点击“%2”之前不会写入任何内容。</translation>
    </message>
    <message>
        <source>Use them</source>
        <translation>使用这些值</translation>
    </message>
    <message>
        <source>Later public lists give other settings for %1:</source>
        <translation>较新的公开列表为 %1 提供了不同的设置：</translation>
    </message>
</context>
<context>
    <name>rx20::ui::StorableText</name>
    <message>
        <source>The %1 box</source>
        <translation>“%1”框</translation>
    </message>
</context>
</TS>
