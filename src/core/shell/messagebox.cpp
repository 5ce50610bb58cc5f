#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace tavrolin {

namespace {

ScriptedMessages *&scripted()
{
    static ScriptedMessages *instance = nullptr;
    return instance;
}

bool asksYesNo(int style)
{
    return (style & 0x0F) == YesNoQuestion;
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0xF0) {
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    case 32:
        return QMessageBox::Question;
    case 16:
        return QMessageBox::Critical;
    default:
        return QMessageBox::NoIcon;
    }
}

int showRealBox(const ShownMessage &message)
{
    QMessageBox box(iconOf(message.style), message.title, message.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (asksYesNo(message.style)) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton((message.style & NoByDefault) ? QMessageBox::No : QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int button = box.exec();
    if (!asksYesNo(message.style))
        return AnswerOk;
    return button == QMessageBox::Yes ? AnswerYes : AnswerNo;
}

} // namespace

int showMessage(const QString &text, int style, const QString &title)
{
    const ShownMessage message{text, title, style};
    if (ScriptedMessages *instance = scripted())
        return instance->answer(message);
    return showRealBox(message);
}

QString failureDescription(const std::exception &failure)
{
    return QString::fromLocal8Bit(failure.what());
}

void showFailure(const std::exception &failure)
{
    showMessage(failureDescription(failure), ExclamationWarning);
}

ScriptedMessages::ScriptedMessages()
{
    scripted() = this;
}

ScriptedMessages::~ScriptedMessages()
{
    scripted() = nullptr;
}

QStringList ScriptedMessages::texts() const
{
    QStringList result;
    for (const ShownMessage &message : m_shown)
        result.append(message.text);
    return result;
}

int ScriptedMessages::answer(const ShownMessage &message)
{
    m_shown.append(message);
    if (!asksYesNo(message.style))
        return AnswerOk;
    return m_answers.isEmpty() ? AnswerNo : m_answers.takeFirst();
}

} // namespace tavrolin
