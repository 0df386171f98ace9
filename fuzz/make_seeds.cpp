// Writes the seed corpus: files made by the program's own writers, with the
// values a user would have in the windows. Run from fuzz/run.sh; the output
// goes to fuzz/corpus/<target>/seed-*.
#include "camera/CameraCfg.h"
#include "camera/MmsNetCfg.h"
#include "catalogue/Catalogue.h"
#include "files/CodePage.h"
#include "files/SettingsFile.h"
#include "smtp/MailNetCfg.h"
#include "smtp/Scrambler.h"
#include "smtp/SmtpNetCfg.h"
#include "wireless/MmsIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

using namespace rx20;

namespace {

QDir root;

QString seed(const char *target, const char *name)
{
    if (!root.mkpath(QLatin1String(target)))
        std::exit(1);
    return root.filePath(QLatin1String(target) + QLatin1String("/seed-") + QLatin1String(name));
}

void check(const FileStatus &status)
{
    if (!status) {
        std::fprintf(stderr, "%s\n", qPrintable(status.message));
        std::exit(1);
    }
}

void save(const QString &path, const QByteArray &bytes)
{
    check(SettingsFile::writeBytes(path, bytes));
}

// Lines in a given code page, the way the file layer writes them.
QByteArray inCodePage(const QStringList &lines, const QByteArray &codePage)
{
    QByteArray out;
    for (const QString &line : lines)
        out += CodePage::encode(line, codePage) + "\r\n";
    return out;
}

MmsIniValues wireless()
{
    MmsIniValues v;
    v.url = QStringLiteral("http://mmsc.monternet.com");
    v.apn = QStringLiteral("cmwap");
    v.ip = QStringLiteral("10.0.0.172");
    v.port = QStringLiteral("80");
    v.phones = {QStringLiteral("13800138000"), QStringLiteral("+8613912345678"), {}, {}, {}};
    v.emails = {QStringLiteral("camera@example.com"),
                QStringLiteral("Field.Watch@example.org"),
                {},
                {},
                {}};
    v.server = QStringLiteral("smtp.example.com");
    v.ePort = QStringLiteral("25");
    v.sender = QStringLiteral("rx20@example.com");
    v.password = QStringLiteral("s3cret=[x]");
    return v;
}

MmsNetCfgValues mms()
{
    MmsNetCfgValues v;
    v.url = QStringLiteral("http://mmsc.mobile.att.net");
    v.apn = QStringLiteral("wap.cingular");
    v.ip = QStringLiteral("172.26.39.1");
    v.port = QStringLiteral("8080");
    v.phones = {QStringLiteral("5551234567"), {}, {}, {}, QStringLiteral("5557654321")};
    v.emails = {QStringLiteral("hunter@example.com"), {}, {}, {}, {}};
    return v;
}

SmtpNetCfgValues smtp()
{
    SmtpNetCfgValues v;
    v.apn = QStringLiteral("internet");
    v.server = QStringLiteral("smtp.gmail.com");
    v.port = QStringLiteral("465");
    v.sender = QStringLiteral("trailcam@gmail.com");
    v.password = QStringLiteral("app-password");
    v.emails = {QStringLiteral("me@example.com"), QStringLiteral("you@example.com"), {}, {}, {}};
    v.ssl = true;
    return v;
}

MailNetCfgValues mail()
{
    MailNetCfgValues v;
    v.apn = QStringLiteral("web.vodafone.de");
    v.server = QStringLiteral("smtp.mail.yahoo.com");
    v.port = QStringLiteral("587");
    v.sender = QStringLiteral("Wild.Cam@yahoo.com");
    v.password = QStringLiteral("Pa55word");
    v.emails = {QStringLiteral("a@example.com"), {}, QStringLiteral("c@example.com"), {}, {}};
    v.ssl = QStringLiteral("1");
    v.phone1 = QStringLiteral("+491701234567");
    v.apnAccount = QStringLiteral("vodafone");
    v.apnPassword = QStringLiteral("vodafone");
    return v;
}

CameraCfgValues camera()
{
    CameraCfgValues v;
    v.mode = QStringLiteral("Camera");
    v.imageSize = QStringLiteral("5M");
    v.imageFormat = QStringLiteral("4:3");
    v.captureNumber = QStringLiteral("1");
    v.irLedControl = QStringLiteral("High");
    v.cameraName = QStringLiteral("Camera Name");
    v.videoSize = QStringLiteral("1920x1080");
    v.videoLength = QStringLiteral("10");
    v.interval = QStringLiteral("10");
    v.intervalUnit = QStringLiteral("S");
    v.sensorLevel = QStringLiteral("Auto");
    v.nvShutter = QStringLiteral("Low");
    v.cameraMode = QStringLiteral("24hrs");
    v.timeStamp = QStringLiteral("ON");
    v.videoSound = QStringLiteral("ON");
    v.overWrite = QStringLiteral("OFF");
    v.fieldScan = QStringLiteral("OFF");
    v.aStartHour = QStringLiteral("0");
    v.aStartMinute = QStringLiteral("0");
    v.bStartHour = QStringLiteral("0");
    v.bStartMinute = QStringLiteral("0");
    v.scanInterval = QStringLiteral("5M");
    return v;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: rx20_fuzz_seeds CORPUS-FOLDER\n", stderr);
        return 2;
    }
    root = QDir(QString::fromLocal8Bit(argv[1]));

    MmsIniValues accented = wireless();
    accented.apn = QString::fromUtf8("internet.télé2");
    accented.sender = QString::fromUtf8("Jürgen@example.de");
    accented.password = QString::fromUtf8("€uro£");
    check(MmsIni::write(seed("mmsini", "filled.ini"), wireless()));
    check(MmsIni::write(seed("mmsini", "new.ini"), MmsIniValues()));
    check(MmsIni::write(seed("mmsini", "accented.ini"), accented));
    // A preset that newer public data writes otherwise, for check's notes.
    MmsIniValues rogers = wireless();
    const catalogue::Preset *preset =
        catalogue::Catalogue::of(catalogue::Copy::Wireless)
            .findPreset(QStringLiteral("Canada"), QStringLiteral("Roger"));
    if (!preset)
        return 1;
    MmsIni::applyPreset(*preset, &rogers);
    check(MmsIni::write(seed("mmsini", "newer-preset.ini"), rogers));

    SmtpNetCfgValues opening;
    opening.server = QStringLiteral("smtp.gmail.com");
    opening.port = QStringLiteral("25");
    check(SettingsFile::write(seed("smtpnetcfg", "filled.cfg"), SmtpNetCfg::lines(smtp())));
    check(SettingsFile::write(seed("smtpnetcfg", "new.cfg"), SmtpNetCfg::lines(opening)));

    check(MmsNetCfg::write(seed("mmsnetcfg", "filled.cfg"), mms()));
    check(MmsNetCfg::write(seed("mmsnetcfg", "new.cfg"), MmsNetCfgValues()));

    QByteArray plainMail;
    check(SettingsFile::encode(MailNetCfg::lines(mail()), &plainMail));
    check(MailNetCfg::write(seed("mailnetcfg", "scrambled.cfg"), mail()));
    save(seed("mailnetcfg", "plain.cfg"), plainMail);

    CameraCfgValues video = camera();
    video.mode = QStringLiteral("Video");
    video.cameraName = QString::fromUtf8("Wildkamera Süd");
    video.fieldScan = QStringLiteral("ON");
    video.aStartHour = QStringLiteral("6");
    video.bStartHour = QStringLiteral("18");
    video.bStartMinute = QStringLiteral("30");
    check(CameraCfg::write(seed("cameracfg", "design.cfg"), camera()));
    check(CameraCfg::write(seed("cameracfg", "video.cfg"), video));

    // The number boxes' texts: as the window opens, and as users type them.
    const char *numbers[][2] = {{"design", "10"},    {"zero", "0"},    {"hour", "23"},
                                {"spaced", " 1 2"},  {"half", "-0.5"}, {"exponent", "1.5E+1"},
                                {"largest", "32767"}};
    for (const auto &number : numbers)
        save(seed("leadingnumber", number[0]), number[1]);

    save(seed("scrambler", "plain.cfg"), plainMail);
    save(seed("scrambler", "scrambled.cfg"), Scrambler::scramble(plainMail));

    // Path box texts: the SMTP window's design, a card root, a folder picked
    // on Linux, a bare name.
    const char *paths[][2] = {{"design", "C:\\NET.CFG"},
                              {"root", "E:\\"},
                              {"picked", "/media/user/CARD/"},
                              {"bare", "NET.CFG"}};
    for (const auto &path : paths)
        save(seed("targetpath", path[0]), path[1]);

    // The first byte picks the code page (0 windows-1252, 2 windows-1251,
    // 10 GBK, 12 Shift_JIS).
    CameraCfgValues chinese = camera();
    chinese.cameraName = QString::fromUtf8("后山相机");
    CameraCfgValues russian = camera();
    russian.cameraName = QString::fromUtf8("Камера у озера");
    QByteArray wirelessFile;
    check(SettingsFile::encode(MmsIni::lines(accented), &wirelessFile));
    save(seed("settingsfile", "windows-1252.ini"), '\x00' + wirelessFile);
    save(seed("settingsfile", "windows-1251.cfg"),
         '\x02' + inCodePage(CameraCfg::lines(russian), "windows-1251"));
    save(seed("settingsfile", "gbk.cfg"), '\x0a' + inCodePage(CameraCfg::lines(chinese), "GBK"));
    save(seed("settingsfile", "shift_jis.cfg"),
         '\x0c' + inCodePage(CameraCfg::lines(chinese), "Shift_JIS"));

    // rx20-config show and check: the files above, each under its own name,
    // once as text and once as JSON. The first byte: name (0 NET.CFG,
    // 1 MMS.INI, 2 CAMERA.CFG), 0x1c no --kind, 0x20 --json.
    const std::pair<const char *, char> files[] = {
        {"mmsini/seed-filled.ini", '\x1d'},        {"smtpnetcfg/seed-filled.cfg", '\x1c'},
        {"mailnetcfg/seed-scrambled.cfg", '\x3c'}, {"mmsnetcfg/seed-filled.cfg", '\x3c'},
        {"cameracfg/seed-video.cfg", '\x1e'},      {"mmsini/seed-newer-preset.ini", '\x1d'},
    };
    for (const auto &[file, mode] : files) {
        QFile written(root.filePath(QLatin1String(file)));
        if (!written.open(QIODevice::ReadOnly))
            return 1;
        const QString name = QFileInfo(written).completeBaseName().mid(5) + QLatin1Char('-')
                             + QFileInfo(written).dir().dirName();
        save(seed("cli", qPrintable(name)), mode + written.readAll());
    }
    return 0;
}
