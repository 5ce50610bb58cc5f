#include "drawingresult.h"

#include <array>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

using Outcome = DrawingResult::Outcome;

constexpr std::array kOutcomes{Outcome::Ok, Outcome::Failed, Outcome::Crashed, Outcome::Timeout,
                               Outcome::Skipped};

} // namespace

QString DrawingResult::name(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Ok:
        return u"ok"_s;
    case Outcome::Failed:
        return u"failed"_s;
    case Outcome::Crashed:
        return u"crashed"_s;
    case Outcome::Timeout:
        return u"timeout"_s;
    case Outcome::Skipped:
        return u"skipped"_s;
    }
    return {};
}

std::optional<Outcome> DrawingResult::fromName(QStringView name)
{
    for (const Outcome outcome : kOutcomes) {
        if (name == DrawingResult::name(outcome))
            return outcome;
    }
    return std::nullopt;
}

} // namespace tavrolin
