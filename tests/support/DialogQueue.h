#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <variant>

namespace rx20::test {

// Answers the program's dialogs in a test. Each expected dialog is queued
// before the action that shows it; a dialog that was not expected, or that
// differs from the next expectation, fails the test where it appears.
// verify() at the end of a test fails it when a queued dialog never came.
class DialogQueue
{
public:
    DialogQueue();
    ~DialogQueue();

    DialogQueue(const DialogQueue &) = delete;
    DialogQueue &operator=(const DialogQueue &) = delete;

    void expectMessage(const QString &text);
    void expectFolder(const QString &folder); // the user chooses this folder
    void expectFolderCancel();                // the user cancels the browser
    void expectQuestion(bool accept);         // the user presses the named button or Cancel

    // Every message box text shown so far, in order.
    QStringList messages() const { return m_messages; }
    // Every question's text shown so far, in order.
    QStringList questions() const { return m_questions; }
    QString lastFolderTitle() const { return m_folderTitle; }
    QString lastFolderStart() const { return m_folderStart; }
    bool isEmpty() const { return m_expected.isEmpty(); }

    // Fails the running test if expectations are left over; returns whether
    // all were met.
    bool verify(const char *file, int line);

private:
    struct Message
    {
        QString text;
    };
    struct Folder
    {
        std::optional<QString> folder;
    };
    struct Question
    {
        bool accept;
    };
    using Expectation = std::variant<Message, Folder, Question>;

    QList<Expectation> m_expected;
    QStringList m_messages;
    QStringList m_questions;
    QString m_folderTitle;
    QString m_folderStart;
};

// Records how often the program was ended (Esc) instead of ending it.
class ProgramEndRecorder
{
public:
    ProgramEndRecorder();
    ~ProgramEndRecorder();
    int count() const { return *m_count; }

private:
    std::shared_ptr<int> m_count;
};

} // namespace rx20::test

#define VERIFY_DIALOGS(queue) QVERIFY((queue).verify(__FILE__, __LINE__))
