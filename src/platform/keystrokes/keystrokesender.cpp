#include "keystrokesender.h"

namespace tavrolin {

namespace {

std::unique_ptr<KeystrokeSender> &currentSender()
{
    static std::unique_ptr<KeystrokeSender> sender;
    return sender;
}

} // namespace

KeystrokeSender &keystrokeSender()
{
    auto &sender = currentSender();
    if (!sender)
        sender = createPlatformKeystrokeSender();
    return *sender;
}

void setKeystrokeSender(std::unique_ptr<KeystrokeSender> sender)
{
    currentSender() = std::move(sender);
}

} // namespace tavrolin
