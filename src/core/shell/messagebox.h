#pragma once

#include <QList>
#include <QString>
#include <exception>
#include <memory>

namespace tavrolin {

// Message box styles, as the values of the platform's message box: buttons plus icon.
enum MessageStyle : int {
    PlainOk = 0,              // OK, no icon
    YesNoQuestion = 4,        // Yes and No, no icon
    ExclamationWarning = 48,  // OK and the exclamation icon
    ExclamationQuestion = 52, // Yes and No and the exclamation icon
    InformationNotice = 64,   // OK and the information icon
    // Added to a question: No, not Yes, is the default button, the one Enter presses.
    NoByDefault = 256,
};

// Answers, as the platform numbers them.
enum MessageAnswer : int { AnswerOk = 1, AnswerYes = 6, AnswerNo = 7 };

// The title of every message box but one.
inline QString productName()
{
    return QStringLiteral("Tavrolin");
}

struct ShownMessage
{
    QString text;
    QString title;
    int style = PlainOk;
};

// Shows a modal message box over the active window and returns the answer. Every message of the
// program goes through here, so tests can answer and observe them.
int showMessage(const QString &text, int style, const QString &title = productName());

// The description of a run-time failure, as a handler that traps every failure shows it.
QString failureDescription(const std::exception &failure);

// Shows a run-time failure's description in a warning box titled "Tavrolin".
void showFailure(const std::exception &failure);

// What tests install instead of real boxes: it records every message and answers from a queue
// (OK when a box has only OK; No when a question finds the queue empty).
class ScriptedMessages
{
public:
    ScriptedMessages();
    ~ScriptedMessages();
    ScriptedMessages(const ScriptedMessages &) = delete;
    ScriptedMessages &operator=(const ScriptedMessages &) = delete;

    void queueAnswer(int answer) { m_answers.append(answer); }
    const QList<ShownMessage> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

    int answer(const ShownMessage &message);

private:
    QList<int> m_answers;
    QList<ShownMessage> m_shown;
};

} // namespace tavrolin
