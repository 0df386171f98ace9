#include "app/Language.h"
#include "app/MainWindow.h"
#include "camera/CameraSettingsWindow.h"
#include "camera/MmsSettingsWindow.h"
#include "smtp/MailPhoneSettingsWindow.h"
#include "smtp/SmtpSettingsWindow.h"
#include "ui/MessageBox.h"
#include "wireless/WirelessSettingsWindow.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QOperatingSystemVersion>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

using namespace rx20;

namespace {

// The room a caption has inside its control, and the room its text takes, in
// pixels of the control's own font.
struct Fit
{
    int needed = 0;
    int room = 0;
};

Fit labelFit(const QLabel *label)
{
    const QFontMetrics metrics(label->font());
    const QRect inside = label->contentsRect();
    if (!label->wordWrap())
        return {metrics.horizontalAdvance(label->text()), inside.width()};
    // A wrapped caption fits when its lines fit the height, none of its words
    // too wide for a line.
    const QRect wrapped =
        metrics.boundingRect(inside, int(label->alignment()) | Qt::TextWordWrap, label->text());
    int widest = 0;
    for (const QString &word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = qMax(widest, metrics.horizontalAdvance(word));
    return widest > inside.width() ? Fit{widest, inside.width()}
                                   : Fit{wrapped.height(), inside.height()};
}

Fit buttonFit(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect inside =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return {QFontMetrics(button->font()).horizontalAdvance(button->text()), inside.width()};
}

Fit radioFit(const QRadioButton *radio)
{
    const QStyle *style = radio->style();
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio)
                          + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
    return {QFontMetrics(radio->font()).horizontalAdvance(radio->text()),
            radio->width() - indicator};
}

Fit frameFit(const QGroupBox *frame)
{
    // The title stands on the top border, clear of both corners.
    const int corners = 2 * QFontMetrics(frame->font()).averageCharWidth();
    return {QFontMetrics(frame->font()).horizontalAdvance(frame->title()),
            frame->width() - corners};
}

// Every caption of the window that does not fit, as "name: text (needs N, has M)".
QStringList overflowing(const QWidget *window)
{
    QStringList out;
    const auto check = [&out](const QWidget *control, const QString &text, Fit fit) {
        if (!text.trimmed().isEmpty() && fit.needed > fit.room)
            out << QStringLiteral("%1: \"%2\" (needs %3 px, has %4)")
                       .arg(control->objectName(), text.trimmed())
                       .arg(fit.needed)
                       .arg(fit.room);
    };
    for (const QLabel *label : window->findChildren<QLabel *>())
        check(label, label->text(), labelFit(label));
    for (const QPushButton *button : window->findChildren<QPushButton *>())
        check(button, button->text(), buttonFit(button));
    for (const QRadioButton *radio : window->findChildren<QRadioButton *>())
        check(radio, radio->text(), radioFit(radio));
    for (const QGroupBox *frame : window->findChildren<QGroupBox *>())
        check(frame, frame->title(), frameFit(frame));
    return out;
}

// The messages of a translation: every entry outside the .ui files' forms.
QStringList messages(const QString &language)
{
    QFile file(QStringLiteral(RX20_TRANSLATIONS_DIR "/rx20_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList out;
    QXmlStreamReader ts(&file);
    QString context;
    while (!ts.atEnd()) {
        if (!ts.readNextStartElement())
            continue;
        if (ts.name() == QLatin1String("name"))
            context = ts.readElementText();
        else if (ts.name() == QLatin1String("translation") && !context.startsWith("Form"))
            out << ts.readElementText();
    }
    return out;
}

using Make = std::function<QWidget *()>;

} // namespace

Q_DECLARE_METATYPE(Make)

class tst_Captions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Language::use(QStringLiteral("en")); }

    // Every caption fits its control in every language, in the windows' own
    // geometry and fonts: a translation that is too long is shortened by its
    // translator, never clipped, and the form is never changed for it.
    void everyCaptionFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Make>("make");
        const QList<std::pair<const char *, Make>> windows{
            {"main", [] { return new MainWindow; }},
            {"wireless", [] { return new WirelessSettingsWindow; }},
            {"smtp", [] { return new SmtpSettingsWindow; }},
            {"mail and phone", [] { return new MailPhoneSettingsWindow; }},
            {"mms", [] { return new MmsSettingsWindow; }},
            {"camera", [] { return new CameraSettingsWindow; }},
        };
        for (const QString &language : Language::codes()) {
            for (const auto &[name, make] : windows)
                QTest::addRow("%s, %s", qPrintable(language), name) << language << make;
        }
    }
    void everyCaptionFits()
    {
        QFETCH(QString, language);
        QFETCH(Make, make);
        // Measured with the fonts the windows are drawn in: Liberation Serif is
        // Times New Roman's metric twin; Wine's offscreen fonts are neither.
        if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)
            QSKIP("measured on Linux, where the set-up installs Times New Roman's metric twin");
        Language::use(language);
        const std::unique_ptr<QWidget> window(make());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QStringList cut = overflowing(window.get());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("\n"))));
    }

    // No message of a translation is wider than the screen: the box shows it whole.
    void everyMessageFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Language::codes().mid(1))
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyMessageFits()
    {
        QFETCH(QString, language);
        const QStringList texts = messages(language);
        QVERIFY(!texts.isEmpty());
        const int screen = QGuiApplication::primaryScreen()->availableGeometry().width();
        for (QString text : texts) {
            text.replace(QLatin1String("%1"), QLatin1String("E:\\DCIM\\CAMERA01\\MMS.INI"));
            QMessageBox box(QMessageBox::NoIcon, ui::MessageBox::applicationTitle(), text,
                            QMessageBox::Ok);
            // The box wraps a long text to its width when it is shown.
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            QVERIFY2(box.width() <= screen, qPrintable(text));
        }
    }
};

QTEST_MAIN(tst_Captions)
#include "tst_captions.moc"
