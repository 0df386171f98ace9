// A seeded monkey: random user actions on each window (picks, typing, pastes,
// buttons, folder answers, Esc), with the program's invariants checked after
// every one. Usage: rx20_monkey ACTIONS SEED [FORM] [PROGRESS-FILE]
// Exits 1 on the first broken invariant, naming the seed and the action.
#include "app/FormDefinitions.h"
#include "files/CodePage.h"
#include "inspect/Document.h"
#include "ui/FolderDialog.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/Program.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>

using rx20::inspect::Kind;

namespace {

// ---------------------------------------------------------------- the windows

// What a window writes and reads, told by control names. A line's value is
// parts joined by "+": a control's text, a literal, or "@ssl" (the window's
// SSL digit). Lines start at 2.
struct Rules
{
    QString form;
    QStringList family;     // windows this session moves between
    QString fileName;       // what Generate writes
    Kind kind;              // and how the project's reader takes it
    QString pathBox;        // empty: the working folder
    bool boxIsFile;         // Generate and Read use the box's text as it is
    bool announces;         // "Save to <target>" before the write
    QString success;        // Generate's last message when it wrote
    QStringList refusals;   // Read's own refusals
    QStringList notes;      // every other message of the window
    QStringList lines;      // values of lines 2.. as written
    int lastLineRead;       // Read fills boxes from lines 2..this
    bool borderless;        // Esc ends the program
    QStringList neverShown; // controls no action may bring into view
};

const QList<Rules> &allRules()
{
    static const QString needPhone = QStringLiteral("Need Phone Number Input");
    static const QString needEmail = QStringLiteral("Need Email Input");
    static const QString created = QStringLiteral("Create configure file success.");
    static const QString readOk = QStringLiteral("Read configure file success.");
    // clang-format off
    static const QList<Rules> rules = {
        // form, family, file, kind, path box, box is the file, announces, success,
        // Read's refusals, other messages, lines 2.., last line Read fills, borderless,
        // never shown
        {"Form1", {"Form1", "Form5"}, {}, Kind::MmsIni, {}, false, false, {}, {}, {}, {}, 0, true, {}},
        {"Form5", {"Form5"}, "MMS.INI", Kind::MmsIni, "Text17", false, false, created, {},
         {needPhone, needEmail, readOk},
         QString("Text4 Text1 Text5 Text6 Text7 Text8 Text9 Text10 Text11 Text12 Text13 Text14 "
                 "Text15 Text16 Text20 Text21 Text1 Text19 Text18 Text12 Text13 Text14 Text15 "
                 "Text16").split(' '),
         25, true, {"Text2", "Text3", "Combo5", "Command1"}},
        {"Form4", {"Form4"}, "NET.CFG", Kind::SmtpNetCfg, "Text1", false, true,
         "Create configure file!",
         {"Path is not exist", "NET.CFG is not exist", "it is not smtp config,don't read this file"},
         {},
         QString("Text2 Combo1 Text6 Text7 Text8 Text9 Text10 Text11 Text12 Text13 @ssl").split(' '),
         11, false, {}},
        {"Form7", {"Form7"}, "NET.CFG", Kind::MailNetCfg, "Text18", false, false, created, {},
         {needPhone, needEmail, readOk},
         QString("Text1 Text4 Text5 Text6 Text17 Text12 Text13 Text14 Text15 Text16 @ssl Text7 "
                 "Text2 Text3").split(' '),
         15, true, {"Text8", "Text9", "Text10", "Text11", "Command1"}},
        {"Form3", {"Form3"}, "NET.CFG", Kind::MmsNetCfg, "Text15", true, true,
         "Create configure file!",
         {"Path is not exist,please set path!", "NET.CFG is not exist",
          "it is not mms config,don't read this file"},
         {"At least One phone or Email should be input!"},
         QString("Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10 Text11 Text12 "
                 "Text13 Text14").split(' '),
         15, false, {}},
        {"Form2", {"Form2"}, "CAMERA.CFG", Kind::CameraCfg, {}, false, false,
         QString::fromUtf8("生成配置文件成功"), {},
         {"The number you set is out of range", "Set Time is out of range"},
         QString("Combo1 Combo2 Combo3 Combo4 Combo5 Text1 Combo6 Text2 Text3+Combo7 Combo8 Combo9 "
                 "Combo10 Combo11 Combo12 Combo13 Combo15 Text4+:+Text5 Text6+:+Text7 Combo14")
             .split(' '),
         17, false, {}},
    };
    // clang-format on
    return rules;
}

bool isFileFailure(const QString &message)
{
    return message.startsWith(QLatin1String("Could not write "))
           || message.startsWith(QLatin1String("Could not read "))
           || (message.startsWith(QLatin1String("The value of \""))
               && message.endsWith(QLatin1String("try again.")))
           || message.endsWith(QLatin1String("cannot store; nothing was written."));
}

const QRegularExpression &controlName()
{
    static const QRegularExpression pattern(QStringLiteral("^(Text|Combo|Command|Option)\\d+$"));
    return pattern;
}

QString textOf(QWidget *control)
{
    if (auto *box = qobject_cast<QLineEdit *>(control))
        return box->text();
    if (auto *list = qobject_cast<QComboBox *>(control))
        return list->currentText();
    return {};
}

// Every named control's text, list, state; what a fresh window must repeat.
QStringList snapshot(QWidget *window)
{
    QStringList out;
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (!controlName().match(child->objectName()).hasMatch())
            continue;
        QString line = child->objectName() + (child->isEnabled() ? " on" : " off")
                       + (child->isVisibleTo(window) ? " shown" : " hidden") + " [" + textOf(child)
                       + "]";
        if (auto *list = qobject_cast<QComboBox *>(child)) {
            for (int i = 0; i < list->count(); ++i)
                line += " |" + list->itemText(i);
        }
        if (auto *button = qobject_cast<QAbstractButton *>(child))
            line += button->isChecked() ? " checked" : "";
        out << line;
    }
    out.sort();
    return out;
}

// What the code page keeps of a text.
QString throughCodePage(const QString &text)
{
    const QByteArray page = rx20::CodePage::systemName();
    return rx20::CodePage::decode(rx20::CodePage::encode(text, page), page);
}

// The folder part of a path box: up to its last "\" or "/".
QString folderPart(const QString &text)
{
    return text.left(std::max(text.lastIndexOf('\\'), text.lastIndexOf('/')) + 1);
}

// ---------------------------------------------------------------- the monkey

class Monkey
{
public:
    Monkey(const Rules &rules, quint64 seed, QFile *progress)
        : m_rules(rules)
        , m_random(seed ^ qHash(rules.form))
        , m_progress(progress)
    {
        m_work = m_root.filePath("work");
        for (const QString &folder : {m_work, m_root.filePath("card/sub"), longFolder()})
            QDir().mkpath(folder);
        QDir::setCurrent(m_work);
        rx20::ui::MessageBox::setHandler([this](QWidget *parent, const QString &text) {
            m_messages << text;
            if (parent != m_active)
                fail(QStringLiteral("message \"%1\" not owned by the window").arg(text));
        });
        // A link's question is answered either way, as owners do.
        rx20::ui::MessageBox::setQuestionHandler([this](QWidget *parent, const QString &text) {
            m_messages << text;
            if (parent != m_active)
                fail(QStringLiteral("question \"%1\" not owned by the window").arg(text));
            return chance(50);
        });
        rx20::ui::FolderDialog::setHandler(
            [this](QWidget *, const QString &title, const QString &) {
                if (title != QString::fromUtf8("请选择软件安装路径："))
                    fail("folder browser titled " + title);
                return m_folderAnswer;
            });
        rx20::ui::Program::setEndHandler([this] { ++m_ends; });
    }

    // Out of the folder first: Windows removes no process's working folder.
    ~Monkey() { QDir::setCurrent(QDir::tempPath()); }

    // Runs the actions; returns the number of the first that broke an invariant.
    int run(int actions)
    {
        load();
        for (m_action = 1; m_action <= actions && m_failure.isEmpty(); ++m_action) {
            if (m_progress) {
                // Unbuffered, so the line is in the file when the program crashes.
                const QByteArray line =
                    m_rules.form.toLatin1() + ' ' + QByteArray::number(m_action) + "          \n";
                m_progress->seek(0);
                m_progress->write(line);
            }
            act();
            ++m_tally[m_description.startsWith("click") ? m_description.section(' ', 0, 1)
                                                        : m_description.section(' ', 0, 0)];
            if (m_failure.isEmpty())
                checkRegistry();
        }
        return m_failure.isEmpty() ? 0 : m_action - 1;
    }

    QString failure() const { return m_failure; }
    QString lastAction() const { return m_description; }
    // How often each kind of action ran, and how Generates and Reads ended.
    QString tally() const
    {
        QStringList out;
        for (auto it = m_tally.begin(); it != m_tally.end(); ++it)
            out << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        return out.join(", ");
    }

private:
    // ------------------------------------------------------------ randomness
    int below(int n) { return int(m_random() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> const T &oneOf(const QList<T> &items)
    {
        return items.at(below(int(items.size())));
    }

    QString randomText()
    {
        static const int lengths[] = {0, 1, 3, 8, 20, 40, 120, 700, 3000};
        const int length = below(lengths[below(9)] + 1);
        QString text;
        while (text.size() < length) {
            const int kind = below(100);
            if (kind < 50)
                text += QChar(0x20 + below(0x5f));
            else if (kind < 62)
                text += QChar(0xa0 + below(0x60));
            else if (kind < 70)
                text += QChar(0x400 + below(0x100));
            else if (kind < 76)
                text += QChar(0x4e00 + below(0x5000));
            else if (kind < 80)
                text += QString::fromUcs4(
                    std::array<char32_t, 1>{char32_t(0x1f600 + below(0x50))}.data(), 1);
            else if (kind < 83)
                text += QString::fromUtf8("€ñÿýšŒ™ò").at(below(8));
            else if (kind < 86)
                text += QString("\t\r\n").at(below(3));
            else if (kind < 90)
                text += QString("=[].@\\").at(below(6));
            else
                text += QChar('0' + below(10));
        }
        return text;
    }

    QString longFolder() const
    {
        return m_root.filePath("long/" + QString(120, 'd') + '/' + QString(120, 'e') + '/'
                               + QString(120, 'f') + '/' + QString(120, 'g') + '/'
                               + QString(120, 'h'));
    }

    // A path the user might put into a path box; nothing outside the sandbox.
    QString randomPath()
    {
        const QString folder = oneOf(QStringList{
            m_root.filePath("card"), m_root.filePath("card/sub"), m_root.filePath("missing"),
            m_work, longFolder(), m_root.filePath("card/NET.CFG")});
        const QString name = oneOf(QStringList{"NET.CFG", "MMS.INI", "CAMERA.CFG", "x.txt", ""});
        switch (below(5)) {
        case 0:
            return {};
        case 1:
            return randomText().remove('/');
        case 2:
            return name.isEmpty() ? "NET.CFG" : name;
        case 3:
            return QDir::toNativeSeparators(folder);
        default:
            return QDir::toNativeSeparators(folder + '/' + name);
        }
    }

    // ------------------------------------------------------------ the windows
    QWidget *window(const QString &form) const { return rx20::ui::Forms::loaded(form); }

    void load()
    {
        using rx20::ui::Forms;
        if (m_rules.form == "Form5") {
            Forms::show("Form1");
            clickLabel(Forms::loaded("Form1")->findChild<QLabel *>("Label5"));
        } else {
            Forms::show(m_rules.form);
        }
        m_ssl.clear();
        settle();
        checkRegistry();
    }

    // Lets unloaded windows go and the active one be found.
    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        m_active = nullptr;
        for (const QString &form : m_rules.family) {
            QWidget *w = window(form);
            if (w && w->isVisible()) {
                if (m_active)
                    fail("two windows shown at once");
                m_active = w;
            }
        }
    }

    // A fresh window starts as the first one of its kind did; windows of the
    // session are shown one at a time.
    void checkRegistry()
    {
        for (const Rules &rules : allRules()) {
            QWidget *w = window(rules.form);
            if (!w || w == m_seen.value(rules.form))
                continue;
            m_seen.insert(rules.form, w);
            if (w->objectName() != rules.form)
                fail(QStringLiteral("%1 loaded as %2").arg(rules.form, w->objectName()));
            const QStringList now = snapshot(w);
            if (!m_design.contains(rules.form))
                m_design.insert(rules.form, now);
            else if (m_design.value(rules.form) != now)
                fail(rules.form + " loaded afresh differs from its first load: "
                     + difference(m_design.value(rules.form), now));
            if (rules.form == "Form7")
                m_ssl.clear();
        }
        if (!m_active)
            return fail("no window of the session is shown");
        for (const QString &name : rulesOf(m_active).neverShown) {
            QWidget *c = control<QWidget>(name);
            if (!c || c->isVisibleTo(m_active))
                fail(name + " is shown");
        }
        if (QApplication::activePopupWidget())
            fail("a drop-down list is left open");
    }

    static QString difference(const QStringList &a, const QStringList &b)
    {
        for (int i = 0; i < std::max(a.size(), b.size()); ++i) {
            if (a.value(i) != b.value(i))
                return QStringLiteral("\"%1\" became \"%2\"")
                    .arg(a.value(i).left(200), b.value(i).left(200));
        }
        return {};
    }

    const Rules &rulesOf(QWidget *w) const
    {
        for (const Rules &rules : allRules()) {
            if (rules.form == w->objectName())
                return rules;
        }
        return allRules().first();
    }

    template <typename T> T *control(const QString &name) const
    {
        return m_active ? m_active->findChild<T *>(name) : nullptr;
    }

    // The controls a user can reach now.
    QList<QWidget *> usable() const
    {
        QList<QWidget *> out;
        const auto children = m_active->findChildren<QWidget *>();
        for (QWidget *child : children) {
            const bool named = controlName().match(child->objectName()).hasMatch();
            const bool link = qobject_cast<QLabel *>(child)
                              && child->metaObject()->indexOfSignal("clicked()") >= 0;
            if ((named || link) && child->isVisibleTo(m_active) && child->isEnabled())
                out << child;
        }
        return out;
    }

    void fail(const QString &what)
    {
        if (m_failure.isEmpty())
            m_failure = what
                        + (m_messages.isEmpty()
                               ? QString()
                               : "; messages: \"" + m_messages.join("\", \"").left(600) + '"');
    }

    // ------------------------------------------------------------ actions
    void act()
    {
        m_messages.clear();
        const QList<QWidget *> controls = usable();
        QList<QLineEdit *> boxes;
        QList<QComboBox *> lists;
        QList<QWidget *> buttons;
        for (QWidget *c : controls) {
            if (auto *box = qobject_cast<QLineEdit *>(c))
                boxes << box;
            else if (auto *list = qobject_cast<QComboBox *>(c))
                lists << list;
            else
                buttons << c;
        }
        for (QComboBox *list : std::as_const(lists)) {
            if (list->isEditable())
                boxes << list->lineEdit();
        }
        const int roll = below(100);
        if (roll < 2 || controls.isEmpty())
            return pressEsc();
        if (roll < 47 && !boxes.isEmpty()) {
            QLineEdit *box = oneOf(boxes);
            return edit(box, qobject_cast<QComboBox *>(box->parent()) ? box->parent()->objectName()
                                                                      : box->objectName());
        }
        if (roll < 62 && !lists.isEmpty())
            return pick(oneOf(lists));
        if (buttons.isEmpty())
            return pressEsc();
        // Exit throws the window's state away; most users stay a while.
        QWidget *target = oneOf(buttons);
        if (target->objectName() == "Command3" && chance(70))
            target = oneOf(buttons);
        if (auto *label = qobject_cast<QLabel *>(target)) {
            m_description = "click " + label->objectName();
            clickLabel(label);
            settle();
            return;
        }
        press(qobject_cast<QAbstractButton *>(target));
    }

    void edit(QLineEdit *box, const QString &name)
    {
        const bool path = name == rulesOf(m_active).pathBox;
        QString text = path && chance(70) ? randomPath() : randomText();
        if (path)
            text.remove('/');
        if (path && text.isEmpty() && chance(50))
            text = randomPath();
        const QStringList old = snapshot(m_active);
        box->setFocus();
        switch (below(4)) {
        case 0:
            m_description = "clear " + name;
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
            break;
        case 1:
            m_description = QStringLiteral("paste %1 chars into %2").arg(text.size()).arg(name);
            QGuiApplication::clipboard()->setText(text);
            if (chance(60))
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        default:
            text.truncate(path ? 600 : 80); // typing is slow; long texts are pasted
            m_description = QStringLiteral("type %1 chars into %2").arg(text.size()).arg(name);
            if (chance(50))
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            type(box, text);
        }
        settle();
        checkMessages({});
        Q_UNUSED(old);
    }

    // Key by key, as a keyboard would send it; tab and line ends as keys.
    void type(QLineEdit *box, const QString &text)
    {
        const QList<uint> codes = text.toUcs4();
        for (uint code : codes) {
            if (!box || !m_failure.isEmpty())
                return;
            if (code == '\t' || code == '\r' || code == '\n') {
                QTest::keyClick(box, code == '\t' ? Qt::Key_Tab : Qt::Key_Return);
                continue;
            }
            const QString chars = QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, chars);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, chars);
            QApplication::sendEvent(box, &press);
            QApplication::sendEvent(box, &release);
        }
    }

    void pick(QComboBox *list)
    {
        if (list->count() == 0)
            return;
        QPointer<QComboBox> guard(list);
        if (chance(50)) {
            const int index = below(list->count());
            m_description =
                QStringLiteral("pick %1 item %2 with the mouse").arg(list->objectName()).arg(index);
            list->showPopup();
            QAbstractItemView *view = list->view();
            const QModelIndex item =
                view->model()->index(index, list->modelColumn(), list->rootModelIndex());
            view->scrollTo(item);
            const QString chosen = list->itemText(index);
            // The pointer crosses the list to the item, then presses and lets go.
            const QRect area = view->viewport()->rect();
            const QPoint over = view->visualRect(item).intersected(area).center();
            for (const QPoint &at : {area.topLeft(), area.bottomRight(), over}) {
                QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at),
                                 Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(view->viewport(), &move);
            }
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, over);
            if (guard && guard->view()->isVisible()) {
                guard->hidePopup();
                fail("the list stayed open after a pick");
            }
            if (guard && guard->currentText() != chosen)
                fail(QStringLiteral("picking \"%1\" shows \"%2\"")
                         .arg(chosen, guard->currentText()));
        } else {
            const bool down = chance(60);
            m_description =
                QStringLiteral("press %1 in %2").arg(down ? "Down" : "Up", list->objectName());
            list->setFocus();
            QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
        }
        settle();
        checkMessages({});
    }

    void pressEsc()
    {
        QWidget *w = m_active;
        const Rules &rules = rulesOf(w);
        m_description = "Esc in " + rules.form;
        const int before = m_ends;
        QWidget *focus = w->focusWidget() ? w->focusWidget() : w;
        QTest::keyClick(focus, Qt::Key_Escape);
        settle();
        checkMessages({});
        if (!rules.borderless) {
            if (m_ends != before)
                fail("Esc ended the program from " + rules.form);
            return;
        }
        if (m_ends != before + 1)
            return fail("Esc did not end the program");
        // The program ended: start it again.
        for (const Rules &r : allRules())
            rx20::ui::Forms::unload(r.form);
        settle();
        for (const Rules &r : allRules()) {
            if (window(r.form))
                fail(r.form + " still loaded after the program ended");
        }
        load();
    }

    void press(QAbstractButton *button)
    {
        const QString name = button->objectName();
        m_description = QStringLiteral("click %1 \"%2\"").arg(name, button->text());
        if (name == "Command1")
            return read(button);
        if (name == "Command2")
            return generate(button);
        if (name == "Command4") {
            const int answer = below(4);
            const QString folder = answer == 0 ? m_root.filePath("card")
                                   : answer == 1
                                       ? (chance(50) ? m_root.filePath("card/sub") : longFolder())
                                   : answer == 2 ? m_root.filePath("missing")
                                                 : QString();
            m_folderAnswer = folder.isEmpty() ? std::nullopt : std::optional<QString>(folder);
            m_description += " answering " + (folder.isEmpty() ? "cancel" : folder.right(40));
            QTest::mouseClick(button, Qt::LeftButton);
            settle();
            checkMessages({});
            QString expected;
            if (!folder.isEmpty()
                && rx20::CodePage::encode(QDir::toNativeSeparators(folder),
                                          rx20::CodePage::systemName())
                           .size()
                       <= 511)
                expected = QDir::toNativeSeparators(folder + "/NET.CFG");
            if (QLineEdit *box = control<QLineEdit>(rulesOf(m_active).pathBox);
                !box || box->text() != expected)
                fail("the folder picker left \"" + (box ? box->text() : "no box") + "\" where \""
                     + expected + "\" belongs");
            return;
        }
        QPointer<QWidget> before = m_active;
        const QString form = m_active->objectName();
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        settle();
        checkMessages({});
        if (name == "Command3") {
            if (before || window(form))
                fail("Exit left " + form + " loaded");
            QWidget *main = window("Form1");
            const bool showsMain = form == "Form5" || form == "Form7";
            if (showsMain != (main && main->isVisible()))
                fail(QStringLiteral("after Exit the main window is %1")
                         .arg(showsMain ? "not shown" : "shown"));
            if (!m_active) {
                if (main && m_rules.form != "Form5")
                    rx20::ui::Forms::hide("Form1");
                load();
            }
        }
    }

    // Every message is the window's own or a file failure.
    void checkMessages(const QStringList &extra)
    {
        const Rules &rules = m_active ? rulesOf(m_active) : m_rules;
        for (const QString &message : std::as_const(m_messages)) {
            if (!(rules.notes.contains(message) || extra.contains(message)
                  || isFileFailure(message)))
                fail(QStringLiteral("message \"%1\" is not one %2 shows")
                         .arg(message.left(300), rules.form));
        }
    }

    // ------------------------------------------------------------ files
    QString absolute(const QString &path) const
    {
        return QDir::cleanPath(QDir(m_work).absoluteFilePath(path));
    }

    bool inSandbox(const QString &path) const
    {
        return absolute(path).startsWith(QDir::cleanPath(m_root.path()) + '/');
    }

    QString generateTarget(const Rules &rules) const
    {
        const QString box =
            rules.pathBox.isEmpty() ? QString() : textOf(control<QWidget>(rules.pathBox));
        return rules.boxIsFile ? box : folderPart(box) + rules.fileName;
    }

    QStringList tree() const
    {
        QStringList out;
        QDirIterator it(m_root.path(),
                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            out << it.next();
        out.sort();
        return out;
    }

    static std::optional<QByteArray> bytesAt(const QString &path)
    {
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }

    QString valueOf(const QString &expression) const
    {
        QString value;
        for (const QString &part : expression.split('+')) {
            if (part == "@ssl")
                value += m_ssl;
            else if (controlName().match(part).hasMatch())
                value += textOf(control<QWidget>(part));
            else
                value += part;
        }
        return value;
    }

    void generate(QAbstractButton *button)
    {
        const Rules &rules = rulesOf(m_active);
        const QString target = generateTarget(rules);
        if (!target.isEmpty() && !inSandbox(target))
            return; // never write outside the sandbox
        const QString path = target.isEmpty() ? QString() : absolute(target);
        const std::optional<QByteArray> previous = path.isEmpty() ? std::nullopt : bytesAt(path);
        const QStringList before = tree();
        // What the window holds as it writes.
        if (rules.form == "Form4")
            m_ssl = textOf(control<QWidget>("Combo8")) == "No SSL" ? "0" : "1";
        if (rules.form == "Form7") {
            const QString choice = textOf(control<QWidget>("Combo5"));
            m_ssl = choice == "YES" ? "1" : choice == "NO" ? "0" : m_ssl;
        }
        QStringList expected;
        for (const QString &line : rules.lines)
            expected << valueOf(line);

        QTest::mouseClick(button, Qt::LeftButton);
        settle();
        const QString announced = QStringLiteral("Save to ") + target;
        checkMessages({rules.success, announced});
        // The announcement comes right before the outcome.
        if (rules.announces && !target.isEmpty()
            && m_messages.value(m_messages.size() - 2) != announced)
            fail("Generate did not announce " + target);
        const QString last = m_messages.value(m_messages.size() - 1);
        const bool wrote = last == rules.success;
        if (!wrote && !isFileFailure(last))
            return fail("Generate ended without saying whether it wrote: \"" + last + "\"");
        QStringList after = tree();
        if (wrote && !before.contains(path))
            after.removeOne(path);
        if (after != before)
            fail("Generate left other entries on the card: " + difference(before, after));
        if (!wrote) {
            if (!path.isEmpty() && bytesAt(path) != previous)
                fail("a failed Generate changed " + path);
            return;
        }
        ++m_tally["Generate wrote"];
        m_lastWritten = bytesAt(path).value_or(QByteArray());
        checkFile(rules, path, expected);
    }

    // The project's reader sees in the file what the boxes held.
    void checkFile(const Rules &rules, const QString &path, const QStringList &expected)
    {
        const rx20::inspect::DocumentRead read = rx20::inspect::Document::load(path, rules.kind);
        if (!read.status)
            return fail("the written file does not read back: " + read.status.message);
        const rx20::inspect::Document &doc = read.document;
        if (doc.lines().size() != doc.layout().lineCount())
            return fail(QStringLiteral("the written file has %1 lines").arg(doc.lines().size()));
        for (const auto &line : doc.lines()) {
            if (line.end != rx20::inspect::LineEnd::CrLf)
                return fail("a written line does not end in CR LF");
        }
        if (doc.lines().first().text != doc.layout().section())
            return fail("the written file starts with " + doc.lines().first().text);
        const QList<rx20::inspect::Setting> settings = doc.settings();
        if (settings.size() != expected.size())
            return fail(QStringLiteral("%1 values read back where %2 were written")
                            .arg(settings.size())
                            .arg(expected.size()));
        for (int i = 0; i < settings.size(); ++i) {
            QString value = settings.at(i).value;
            const QString wanted = throughCodePage(expected.at(i));
            // A scrambled byte that two characters share reads as the ASCII one.
            for (const auto &doubt : settings.at(i).ambiguous) {
                const int at = doubt.position - 1;
                if (value.mid(at, 1) == doubt.taken && wanted.mid(at, 1) == doubt.other)
                    value.replace(at, 1, doubt.other);
            }
            if (value != wanted)
                return fail(
                    QStringLiteral("line %1 (%2) reads back \"%3\" where the window held \"%4\"")
                        .arg(settings.at(i).line)
                        .arg(settings.at(i).key, value.left(200), wanted.left(200)));
        }
    }

    // Puts something under the name Read opens: the last file written, a
    // part of it, random bytes, another window's file, nothing, or a folder.
    void prepareRead(const QString &path)
    {
        if (path.isEmpty() || !inSandbox(path)
            || !QFileInfo(QFileInfo(path).absolutePath()).isDir())
            return;
        const int choice = below(7);
        if (choice == 6)
            return; // whatever is there
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
        QByteArray bytes;
        switch (choice) {
        case 0:
            bytes = m_lastWritten;
            break;
        case 1:
            bytes = m_lastWritten.left(below(int(m_lastWritten.size()) + 1));
            break;
        case 2:
            for (int n = below(600); n > 0; --n)
                bytes += char(below(256));
            break;
        case 3: {
            const auto &kinds = rx20::inspect::Layout::kinds();
            const auto &layout = rx20::inspect::Layout::of(kinds.at(below(int(kinds.size()))));
            QStringList lines{layout.section()};
            for (int n = 2; n <= layout.lineCount(); ++n)
                lines << layout.key(n) + randomText().remove('\r').remove('\n');
            bytes =
                rx20::CodePage::encode(lines.join("\r\n") + "\r\n", rx20::CodePage::systemName());
            break;
        }
        case 4:
            break;
        case 5:
            QDir().mkpath(path);
            return;
        }
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    void read(QAbstractButton *button)
    {
        const Rules &rules = rulesOf(m_active);
        QString path = rules.boxIsFile || !rules.pathBox.isEmpty()
                           ? textOf(control<QWidget>(rules.pathBox))
                           : rules.fileName;
        if (rules.form == "Form5" || rules.form == "Form7")
            path = rules.fileName; // these read from the working folder
        if (!path.isEmpty() && !inSandbox(path))
            return;
        prepareRead(path);
        const QStringList before = tree();
        const QStringList old = snapshot(m_active);
        const std::optional<QByteArray> bytes =
            path.isEmpty() ? std::nullopt : bytesAt(absolute(path));
        m_description += QStringLiteral(" of %1 bytes").arg(bytes ? bytes->size() : -1);
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
        checkMessages(rules.refusals);
        if (tree() != before)
            fail("Read changed the card");
        const bool refused =
            std::any_of(m_messages.begin(), m_messages.end(), [&](const QString &m) {
                return rules.refusals.contains(m) || isFileFailure(m);
            });
        ++m_tally[refused ? "Read refused" : "Read took"];
        if (refused) {
            if (snapshot(m_active) != old)
                fail("a refused Read changed the window: " + difference(old, snapshot(m_active)));
            return;
        }
        if (!bytes)
            return fail("Read took a file that is not there");
        const auto doc = rx20::inspect::Document::fromBytes(*bytes, path, rules.kind);
        if (!doc.status || doc.document.isScrambled())
            return; // the reader tells a scrambled file apart; the window reads it plain
        QMap<QString, QString> wanted;
        for (const auto &setting : doc.document.settings()) {
            const QString expression = rules.lines.value(setting.line - 2);
            if (setting.line <= rules.lastLineRead && controlName().match(expression).hasMatch())
                wanted.insert(expression, setting.value);
        }
        for (auto it = wanted.begin(); it != wanted.end(); ++it) {
            if (textOf(control<QWidget>(it.key())) != it.value())
                return fail(QStringLiteral("Read put \"%1\" into %2 where the file holds \"%3\"")
                                .arg(textOf(control<QWidget>(it.key())).left(200), it.key(),
                                     it.value().left(200)));
        }
    }

    void clickLabel(QLabel *label)
    {
        if (label)
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }

    const Rules &m_rules;
    QTemporaryDir m_root;
    QString m_work;
    std::mt19937_64 m_random;
    QFile *m_progress;
    int m_action = 0;
    int m_ends = 0;
    QPointer<QWidget> m_active;
    QStringList m_messages;
    std::optional<QString> m_folderAnswer;
    QString m_failure;
    QString m_description;
    QString m_ssl; // Form7 keeps its SSL digit between Generates; Form4 computes it
    QByteArray m_lastWritten;
    QHash<QString, QPointer<QWidget>> m_seen;
    QHash<QString, QStringList> m_design;
    QMap<QString, int> m_tally;
};

} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform's notes (no raise(), no keyboard grab) are noise here.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
        if (type == QtFatalMsg)
            std::abort();
    });
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: rx20_monkey ACTIONS SEED [FORM] [PROGRESS-FILE]\n");
        return 2;
    }
    const int actions = std::atoi(argv[1]);
    const quint64 seed = std::strtoull(argv[2], nullptr, 10);
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    QFile progressFile(argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString());
    QFile *progress = argc > 4 && progressFile.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                          ? &progressFile
                          : nullptr;
    rx20::defineForms();
    for (const Rules &rules : allRules()) {
        if (!only.isEmpty() && only != "all" && rules.form != only)
            continue;
        int failed = 0;
        QString failure, action;
        {
            Monkey monkey(rules, seed, progress);
            failed = monkey.run(actions);
            failure = monkey.failure();
            action = monkey.lastAction();
            if (qEnvironmentVariableIsSet("RX20_MONKEY_TALLY"))
                std::fprintf(stderr, "%s: %s\n", qPrintable(rules.form),
                             qPrintable(monkey.tally()));
        }
        rx20::ui::Forms::reset();
        rx20::defineForms();
        if (failed) {
            std::printf("monkey: %s, seed %llu, action %d (%s): %s\n", qPrintable(rules.form),
                        static_cast<unsigned long long>(seed), failed, qPrintable(action),
                        qPrintable(failure));
            std::printf("replay: bash tests/monkey/run.sh %d %llu %s\n", failed,
                        static_cast<unsigned long long>(seed), qPrintable(rules.form));
            return 1;
        }
        std::printf("monkey: %s, seed %llu: %d actions, every invariant held\n",
                    qPrintable(rules.form), static_cast<unsigned long long>(seed), actions);
        std::fflush(stdout);
    }
    return 0;
}
