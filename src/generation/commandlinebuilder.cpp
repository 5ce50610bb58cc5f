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

// Fields of a row summary as split by the lookup's inidataset.
enum Field { SubjectNameField = 1, PurposeTypeField = 2, PurposeNameField = 3, ActionField = 4 };

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

void CommandLineBuilder::scrmakefile(const QString &scrkeyword, const QString &Data, int colum)
{
    const LineForm form = lineForm(readRow(scrkeyword, Data));
    if (!form)
        return;
    for (int drawing = 0; drawing < m_session.DrawingCount; ++drawing) {
        scrcmd = form(drawing);
        selectscrcmddata(colum, drawing + 1);
        m_view.yieldToEventLoop();
    }
}

CommandLineBuilder::FileEffect CommandLineBuilder::fileEffect(const QString &scrkeyword,
                                                              const QString &Data)
{
    const QString keyword = readRow(scrkeyword, Data);
    if (keyword == u"qsave" || keyword == u"asdwg")
        return {FileEffect::Kind::SavesInPlace, {}};
    if (keyword == u"saveas") {
        if (LineForm target = saveAsTargetForm(m_lookup.listdata[PurposeNameField]))
            return {FileEffect::Kind::SavesAs, std::move(target)};
    }
    if (keyword == u"dxf" && dxfForm(m_lookup.listdata[PurposeTypeField]))
        return {FileEffect::Kind::SavesDxf, {}};
    return {};
}

// The row's command keyword, looked up in section `scrkeyword`; the row's summary is split into
// the lookup's listdata, which the line forms read.
QString CommandLineBuilder::readRow(const QString &scrkeyword, const QString &Data)
{
    m_lookup.inidatainput(scrkeyword, QStringLiteral("type"));
    const QString keyword = m_lookup.inidata;
    m_lookup.inidataset(Data);
    return keyword;
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

CommandLineBuilder::LineForm CommandLineBuilder::lineForm(const QString &keyword)
{
    const QString subjectName = m_lookup.listdata[SubjectNameField];
    const QString purposeName = m_lookup.listdata[PurposeNameField];
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
        return zoomForm(purposeName, m_lookup.listdata[ActionField]);
    if (keyword == u"dxf")
        return dxfForm(m_lookup.listdata[PurposeTypeField]);
    return {};
}

// ".saveas", two blanks, then the path of the new drawing.
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
