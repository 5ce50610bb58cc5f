#include "runprogress.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace tavrolin {

void RunProgress::begin(int toRun, int alreadyOk)
{
    m_clock.start();
    m_toRun = toRun;
    m_alreadyOk = alreadyOk;
    m_done = 0;
    m_consoles = 0;
    m_counts = {};
}

void RunProgress::record(const DrawingResult &result)
{
    ++m_done;
    ++m_counts[int(result.outcome)];
    if (result.outcome != DrawingResult::Outcome::Skipped)
        ++m_consoles;
}

qint64 RunProgress::elapsedMs() const
{
    return m_clock.isValid() ? m_clock.elapsed() : 0;
}

std::optional<qint64> RunProgress::remainingMs() const
{
    if (m_consoles == 0)
        return std::nullopt;
    return elapsedMs() * (m_toRun - m_done) / m_consoles;
}

QString RunProgress::duration(qint64 ms)
{
    const qint64 seconds = (ms + 500) / 1000;
    const QString minutesAndSeconds =
        u"%1:%2"_s.arg(seconds / 60 % 60, 2, 10, QChar(u'0')).arg(seconds % 60, 2, 10, QChar(u'0'));
    if (seconds < 3600)
        return minutesAndSeconds;
    return QString::number(seconds / 3600) + u':' + minutesAndSeconds;
}

QString RunProgress::line() const
{
    QString text = u"%1/%2 ok %3 ok以外 %4 経過 %5"_s.arg(m_done)
                       .arg(m_toRun)
                       .arg(okCount())
                       .arg(notOkCount())
                       .arg(duration(elapsedMs()));
    if (const auto remaining = remainingMs(); remaining && m_done < m_toRun)
        text += u" 残り約 "_s + duration(*remaining);
    return text;
}

QString RunProgress::summary() const
{
    QStringList counts;
    for (int i = 0; i < int(m_counts.size()); ++i) {
        if (m_counts[i] > 0)
            counts.append(
                u"%1 %2 件"_s.arg(DrawingResult::name(DrawingResult::Outcome(i))).arg(m_counts[i]));
    }
    QString text = (counts.isEmpty() ? u"実行した図面はありません"_s : counts.join(u"、"_s)) +
                   u"（%1 件中）"_s.arg(m_toRun);
    if (m_alreadyOk > 0)
        text += u"、前回までに ok %1 件"_s.arg(m_alreadyOk);
    return text + u"。経過 "_s + duration(elapsedMs());
}

} // namespace tavrolin
