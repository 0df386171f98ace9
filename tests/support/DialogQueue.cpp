#include "support/DialogQueue.h"

#include "ui/FolderDialog.h"
#include "ui/MessageBox.h"
#include "ui/Program.h"

#include <QTest>

namespace rx20::test {

DialogQueue::DialogQueue()
{
    ui::MessageBox::setHandler([this](QWidget *, const QString &text) {
        m_messages.append(text);
        if (m_expected.isEmpty() || !std::holds_alternative<Message>(m_expected.first())) {
            QTest::qFail(qPrintable(QStringLiteral("Unexpected message box: \"%1\"").arg(text)),
                         __FILE__, __LINE__);
            return;
        }
        const QString wanted = std::get<Message>(m_expected.takeFirst()).text;
        if (wanted != text)
            QTest::qFail(qPrintable(QStringLiteral("Message box \"%1\" where \"%2\" was expected")
                                        .arg(text, wanted)),
                         __FILE__, __LINE__);
    });
    ui::MessageBox::setQuestionHandler([this](QWidget *, const QString &text) {
        m_questions.append(text);
        if (m_expected.isEmpty() || !std::holds_alternative<Question>(m_expected.first())) {
            QTest::qFail(qPrintable(QStringLiteral("Unexpected question: \"%1\"").arg(text)),
                         __FILE__, __LINE__);
            return false;
        }
        return std::get<Question>(m_expected.takeFirst()).accept;
    });
    ui::FolderDialog::setHandler([this](QWidget *, const QString &title,
                                        const QString &startFolder) -> std::optional<QString> {
        m_folderTitle = title;
        m_folderStart = startFolder;
        if (m_expected.isEmpty() || !std::holds_alternative<Folder>(m_expected.first())) {
            QTest::qFail("Unexpected folder browser", __FILE__, __LINE__);
            return std::nullopt;
        }
        return std::get<Folder>(m_expected.takeFirst()).folder;
    });
}

DialogQueue::~DialogQueue()
{
    ui::MessageBox::setHandler({});
    ui::MessageBox::setQuestionHandler({});
    ui::FolderDialog::setHandler({});
}

void DialogQueue::expectMessage(const QString &text)
{
    m_expected.append(Message{text});
}

void DialogQueue::expectFolder(const QString &folder)
{
    m_expected.append(Folder{folder});
}

void DialogQueue::expectQuestion(bool accept)
{
    m_expected.append(Question{accept});
}

void DialogQueue::expectFolderCancel()
{
    m_expected.append(Folder{std::nullopt});
}

bool DialogQueue::verify(const char *file, int line)
{
    if (m_expected.isEmpty())
        return true;
    const QString what =
        std::holds_alternative<Message>(m_expected.first())
            ? QStringLiteral("message \"%1\"").arg(std::get<Message>(m_expected.first()).text)
        : std::holds_alternative<Question>(m_expected.first()) ? QStringLiteral("question")
                                                               : QStringLiteral("folder browser");
    QTest::qFail(qPrintable(QStringLiteral("%1 queued dialog(s) never shown, first: %2")
                                .arg(m_expected.size())
                                .arg(what)),
                 file, line);
    m_expected.clear();
    return false;
}

ProgramEndRecorder::ProgramEndRecorder()
    : m_count(std::make_shared<int>(0))
{
    ui::Program::setEndHandler([count = m_count] { ++*count; });
}

ProgramEndRecorder::~ProgramEndRecorder()
{
    ui::Program::setEndHandler({});
}

} // namespace rx20::test
