#include "commandlinebuilder.h"

#include "commandcatalogue.h"
#include "core/clock.h"
#include "core/drawingpath.h"
#include "core/session.h"
#include "core/settingslookup.h"
#include "generationview.h"

#include <array>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// The LAYER command's forms: "-layer <option> [<purpose name> ]<subject name> ".
struct LayerForm
{
    const char16_t *keyword;
    const char16_t *option;
    bool withPurposeName;
};

constexpr std::array<LayerForm, 8> kLayerForms = {{
    {u"c", u"c", true},
    {u"lw", u"lw", true},
    {u"l", u"l", true},
    {u"off", u"of", false},
    {u"on", u"on", false},
    {u"f", u"f", false},
    {u"lo", u"lo", false},
    {u"u", u"u", false},
}};

// The folder part of a drawing path, up to and including its last separator.
QString folderOf(const QString &path)
{
    const qsizetype separator = qMax(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.first(separator + 1);
}

} // namespace

CommandLineBuilder::CommandLineBuilder(const Session &session, SettingsLookup &lookup,
                                       RowLines &scrcmddata, GenerationView &view)
    : m_session(session), m_lookup(lookup), m_scrcmddata(scrcmddata), m_view(view)
{}

// The row's command keyword, looked up under its purpose type.
QString CommandLineBuilder::keywordOf(const GridRow &cells)
{
    m_lookup.inidatainput(cells[PurposeType], QStringLiteral("type"));
    return m_lookup.inidata;
}

CommandLineBuilder::LineForm CommandLineBuilder::rowForm(const GridRow &cells)
{
    return lineForm(keywordOf(cells), cells);
}

bool CommandLineBuilder::scrmakefile(const GridRow &cells, int colum)
{
    const LineForm form = rowForm(cells);
    if (!form)
        return false;
    for (int drawing = 0; drawing < m_session.DrawingCount; ++drawing) {
        scrcmd = form(drawing);
        selectscrcmddata(colum, drawing + 1);
        m_view.yieldToEventLoop();
    }
    return true;
}

CommandLineBuilder::FileEffect CommandLineBuilder::fileEffect(const GridRow &cells)
{
    const QString keyword = keywordOf(cells);
    if (keyword == u"qsave" || keyword == u"asdwg")
        return {FileEffect::Kind::SavesInPlace, {}};
    if (keyword == u"saveas") {
        if (LineForm target = saveAsTargetForm(cells[PurposeName]))
            return {FileEffect::Kind::SavesAs, std::move(target)};
    }
    if (keyword == u"dxf" && dxfForm(cells[PurposeType]))
        return {FileEffect::Kind::SavesDxf, {}};
    return {};
}

QString CommandLineBuilder::getdate()
{
    const qint64 now = clock().msecsSinceEpoch();
    if (now < m_stampFrom || now >= m_stampUntil) {
        const QDate today = clock().now().date();
        m_stamp = today.toString(QStringLiteral("yyMMdd"));
        m_stampFrom = today.startOfDay().toMSecsSinceEpoch();
        m_stampUntil = today.addDays(1).startOfDay().toMSecsSinceEpoch();
    }
    return m_stamp;
}

void CommandLineBuilder::selectscrcmddata(int colum, int filecount1)
{
    if (colum >= 0 && colum < kGridRows && filecount1 >= 0 && filecount1 < Session::kDrawingSlots)
        m_scrcmddata.at(colum, filecount1) = scrcmd;
}

CommandLineBuilder::LineForm CommandLineBuilder::lineForm(const QString &keyword,
                                                          const GridRow &cells)
{
    const QString &subjectName = cells[SubjectName];
    const QString &purposeName = cells[PurposeName];
    for (const LayerForm &layer : kLayerForms) {
        if (keyword != layer.keyword)
            continue;
        QString line = u"-layer "_s + QString::fromUtf16(layer.option) + u' ';
        if (layer.withPurposeName)
            line += purposeName + u' ';
        line += subjectName + u' ';
        return [line](int) { return line; };
    }
    if (keyword == u"m") {
        const QString line = u"-layer m "_s + purposeName + u' ';
        return [line](int) { return line; };
    }
    if (keyword == u"qsave")
        return [](int) { return QStringLiteral(".qsave "); };
    if (keyword == u"asdwg")
        return [](int) { return QStringLiteral(".qsave  "); };
    if (keyword == u"saveas")
        return saveAsForm(purposeName);
    if (keyword == u"zoom")
        return zoomForm(purposeName, cells[Action].left(SettingsLookup::kLastValueLength));
    if (keyword == u"dxf")
        return dxfForm(cells[PurposeType]);
    return {};
}

CommandLineBuilder::LineForm CommandLineBuilder::saveAsForm(const QString &purposeName)
{
    LineForm target = saveAsTargetForm(purposeName);
    if (!target)
        return {};
    return [target](int drawing) { return u".saveas  "_s + scriptPath(target(drawing)); };
}

// The new drawing's path, in the folder of the drawing the block opened.
CommandLineBuilder::LineForm CommandLineBuilder::saveAsTargetForm(const QString &purposeName)
{
    if (purposeName == catalogue::kDatedNames) {
        return [this](int drawing) {
            return saveAsTarget(drawing, getdate() + u'-' + QString::number(drawing + 1));
        };
    }
    if (purposeName == catalogue::kNumberedNames)
        return [this](int drawing) { return saveAsTarget(drawing, QString::number(drawing + 1)); };
    return {};
}

QString CommandLineBuilder::saveAsTarget(int drawing, const QString &name)
{
    savefolder = folderOf(m_session.DrawingPaths[drawing]);
    return savefolder + name + u".dwg"_s;
}

CommandLineBuilder::LineForm CommandLineBuilder::zoomForm(const QString &purposeName,
                                                          const QString &action) const
{
    if (purposeName == catalogue::kZoomExtents)
        return [](int) { return QStringLiteral(".zoom e"); };
    if (purposeName == catalogue::kZoomScale) {
        const QString line = u".zoom s "_s + action;
        return [line](int) { return line; };
    }
    return {};
}

// The DXF save command is the text of key "type2" of the purpose type, followed by two blanks.
CommandLineBuilder::LineForm CommandLineBuilder::dxfForm(const QString &purposeType)
{
    if (std::find(catalogue::kDxfPurposeTypes.begin(), catalogue::kDxfPurposeTypes.end(),
                  purposeType) == catalogue::kDxfPurposeTypes.end())
        return {};
    m_lookup.inidatainput(purposeType, QStringLiteral("type2"));
    const QString line = m_lookup.inidata + u"  "_s;
    return [line](int) { return line; };
}

} // namespace tavrolin
