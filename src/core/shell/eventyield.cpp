#include "eventyield.h"

#include <QCoreApplication>

namespace tavrolin {

EventYield::EventYield(int intervalMs) : m_intervalMs(intervalMs)
{
    m_sinceLast.start();
}

void EventYield::operator()()
{
    if (m_sinceLast.elapsed() >= m_intervalMs)
        now();
}

void EventYield::now()
{
    QCoreApplication::processEvents();
    m_sinceLast.restart();
}

} // namespace tavrolin
