#include "preflightcheck.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

using Code = Finding::Code;

const QString kNotDrawing = u"DWG・DXF図面ではありません: "_s;

// A version mark as a message shows it: printable ASCII only, since a DXF file may hold
// anything there.
QString visibleMark(const QByteArray &mark)
{
    QString text = QString::fromLatin1(mark);
    for (QChar &c : text) {
        if (c < u' ' || c > u'~')
            c = u'?';
    }
    return text;
}

QString notDrawingMessage(const QString &path, const DrawingProbe::Facts &facts)
{
    if (facts.state == DrawingProbe::State::NotAFile)
        return kNotDrawing + facts.reason;
    if (facts.state == DrawingProbe::State::Empty)
        return kNotDrawing + u"ファイルが空です"_s;
    if (path.endsWith(u".dwg", Qt::CaseInsensitive))
        return kNotDrawing + u"DWG の先頭にあるはずのバージョン（AC1015 など）がありません"_s;
    return kNotDrawing + u"DXF のセクションの構造がありません"_s;
}

QString tooNewMessage(const QByteArray &mark, const Release &release)
{
    const QString format = Release::formatName(mark);
    if (format.isEmpty())
        return u"表にない形式（%1）の図面です。%2 では開けません"_s.arg(visibleMark(mark),
                                                                        release.name());
    return u"%1 形式（%2）の図面です。%3 では開けません"_s.arg(format, visibleMark(mark),
                                                               release.name());
}

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// The name under which the DXF save command of a row saves a DWG drawing when its prompt is
// answered with Enter: the drawing's own name with the extension ".dxf".
QString defaultDxfName(const QString &drawing)
{
    return drawing.first(drawing.size() - 4) + u".dxf"_s;
}

// AutoCAD asks before it replaces a file, and the script's next line answers in its place.
Finding targetExists(const QString &save, const QString &target)
{
    return {Code::TargetExists, u"%1 %2 がすでにあります。AutoCAD が上書きを確かめ、スクリプトの"
                                u"次の行がそれに答えてしまいます"_s.arg(save, fileName(target))};
}

} // namespace

std::optional<PreflightReport> PreflightCheck::run(const Input &input,
                                                   const std::function<bool(int)> &checked)
{
    PreflightCheck check(input);
    const auto count = int(input.drawings.size());
    PreflightReport report{input.drawings, std::vector<DrawingFindings>(count)};
    for (int drawing = 0; drawing < count; ++drawing) {
        check.checkDrawing(drawing, &report.findings[drawing]);
        if (checked && !checked(drawing + 1))
            return std::nullopt;
    }
    // A save may write over a drawing listed after its own, so all are known first.
    if (input.saves) {
        for (int drawing = 0; drawing < count; ++drawing)
            check.checkSaves(drawing, &report.findings[drawing]);
    }
    return report;
}

// One look at the file's status serves the whole check: asked first whether it is a link, the
// system tells the rest with the same answer.
void PreflightCheck::checkDrawing(int drawing, DrawingFindings *found)
{
    const QFileInfo info(m_input.drawings[drawing]);
    const bool link = info.isSymLink();
    checkFile(info, found);
    const QString lockFile = m_entries.lockFileOf(info);
    if (!lockFile.isEmpty())
        found->append({Code::Locked, u"ロックファイル %1 があります。図面がほかで開かれているか、"
                                     u"AutoCAD が異常終了しています"_s.arg(lockFile)});
    const QString key = m_identity.keyOf(info, link);
    const auto first = m_listed.constFind(key);
    if (first == m_listed.cend())
        m_listed.insert(key, drawing);
    else
        found->append({Code::Duplicate, u"リストの %1 番目と同じ図面です"_s.arg(*first + 1)});
}

void PreflightCheck::checkFile(const QFileInfo &info, DrawingFindings *found) const
{
    using State = DrawingProbe::State;
    const DrawingProbe::Facts facts = DrawingProbe::probeFile(info);
    switch (facts.state) {
    case State::Unreadable:
        found->append({Code::Missing, u"図面ファイルを読めません: "_s + facts.reason});
        return;
    case State::NotAFile:
    case State::Empty:
    case State::NoDrawing:
        found->append({Code::NotDrawing, notDrawingMessage(info.filePath(), facts)});
        return;
    case State::Dwg:
    case State::Dxf:
        break;
    }
    const std::optional<Release> &release = m_input.release;
    if (release && !facts.versionMark.isEmpty() && !release->opens(facts.versionMark))
        found->append({Code::TooNew, tooNewMessage(facts.versionMark, *release)});
    if (facts.readOnly && m_input.saves && m_input.saves->inPlace)
        found->append({Code::ReadOnly, u"読み取り専用のため、上書き保存できません"_s});
}

void PreflightCheck::checkSaves(int drawing, DrawingFindings *found)
{
    const ScriptSaves &saves = *m_input.saves;
    const QString &path = m_input.drawings[drawing];
    const QStringList savedAs =
        drawing < int(saves.savedAs.size()) ? saves.savedAs[drawing] : QStringList();
    for (const QString &target : savedAs) {
        if (m_entries.contains(target))
            found->append(targetExists(u"名前を付けて保存する先"_s, target));
    }
    if (saves.dxf && path.endsWith(u".dwg", Qt::CaseInsensitive) &&
        m_entries.contains(defaultDxfName(path)))
        found->append(targetExists(u"DXF で保存する先"_s, defaultDxfName(path)));
    for (const QString &target : savedAs) {
        // A target that does not exist is no link either.
        const QFileInfo info(target);
        const auto listed = m_listed.constFind(
            m_identity.keyOf(info, m_entries.contains(target) && info.isSymLink()));
        if (listed != m_listed.cend())
            found->append(
                {Code::TargetInList,
                 u"名前を付けて保存すると、リストの %1 番目の図面 %2 を上書きします"_s.arg(
                     QString::number(*listed + 1), fileName(target))});
    }
}

} // namespace tavrolin
