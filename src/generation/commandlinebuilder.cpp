#include "commandlinebuilder.h"

#include "commandcatalogue.h"
#include "core/clock.h"
#include "core/drawingpath.h"
#include "core/session.h"
#include "core/settingslookup.h"
#include "core/textinplace.h"

#include <algorithm>
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

// The length of the folder part of a drawing path, up to and including its last separator:
// one pass from the end, which stops at the file name's start.
qsizetype folderLength(QStringView path)
{
    qsizetype length = path.size();
    while (length > 0 && path[length - 1] != u'\\' && path[length - 1] != u'/')
        --length;
    return length;
}

// The decimal digits of a positive number, made without the allocation of QString::number.
class Digits
{
public:
    explicit Digits(int number)
    {
        do {
            m_digits[--m_first] = char16_t(u'0' + number % 10);
            number /= 10;
        } while (number > 0);
    }
    QStringView view() const { return QStringView(m_digits.data() + m_first, m_digits.end()); }

private:
    std::array<char16_t, 12> m_digits;
    qsizetype m_first = 12;
};

} // namespace

CommandLineBuilder::CommandLineBuilder(const Session &session, SettingsLookup &lookup,
                                       RowLines &scrcmddata)
    : m_session(session), m_lookup(lookup), m_scrcmddata(scrcmddata)
{}

// The row's command keyword, looked up under its purpose type.
QString CommandLineBuilder::keywordOf(const GridRow &cells)
{
    m_lookup.inidatainput(cells[PurposeType], QStringLiteral("type"));
    return m_lookup.inidata;
}

RowForm CommandLineBuilder::rowForm(const GridRow &cells)
{
    return lineForm(keywordOf(cells), cells);
}

bool CommandLineBuilder::scrmakefile(const GridRow &cells, int colum)
{
    RowForm form = rowForm(cells);
    if (!form.makesLines())
        return false;
    m_scrcmddata.form(colum) = std::move(form);
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
    if (keyword == u"dxf" && dxfForm(cells[PurposeType]).makesLines())
        return {FileEffect::Kind::SavesDxf, {}};
    return {};
}

QString CommandLineBuilder::getdate()
{
    return dateStamp().toString();
}

QStringView CommandLineBuilder::dateStamp()
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

RowForm CommandLineBuilder::lineForm(const QString &keyword, const GridRow &cells)
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
        return RowForm::fixed(line);
    }
    if (keyword == u"m")
        return RowForm::fixed(u"-layer m "_s + purposeName + u' ');
    if (keyword == u"qsave")
        return RowForm::fixed(QStringLiteral(".qsave "));
    if (keyword == u"asdwg")
        return RowForm::fixed(QStringLiteral(".qsave  "));
    if (keyword == u"saveas")
        return saveAsForm(purposeName);
    if (keyword == u"zoom")
        return zoomForm(purposeName, cells[Action].left(SettingsLookup::kLastValueLength));
    if (keyword == u"dxf")
        return dxfForm(cells[PurposeType]);
    return {};
}

std::optional<CommandLineBuilder::SaveAsNames>
CommandLineBuilder::saveAsNames(const QString &purposeName)
{
    if (purposeName == catalogue::kDatedNames)
        return SaveAsNames::Dated;
    if (purposeName == catalogue::kNumberedNames)
        return SaveAsNames::Numbered;
    return std::nullopt;
}

// ".saveas  " and the new drawing's path, in double quotes when it holds a blank.
RowForm CommandLineBuilder::saveAsForm(const QString &purposeName)
{
    const std::optional<SaveAsNames> names = saveAsNames(purposeName);
    if (!names)
        return {};
    return RowForm::perDrawing([this, names = *names](int drawing, QString &text) {
        appendSaveAs(drawing, names, SaveAsPart::Line, text);
    });
}

CommandLineBuilder::LineForm CommandLineBuilder::saveAsTargetForm(const QString &purposeName)
{
    const std::optional<SaveAsNames> names = saveAsNames(purposeName);
    if (!names)
        return {};
    return [this, names = *names](int drawing) {
        QString target;
        appendSaveAs(drawing, names, SaveAsPart::Target, target);
        return target;
    };
}

// The new drawing's path, in the folder of the drawing the block opened: its number from 1,
// after today's date for dated names.
QStringView CommandLineBuilder::savefolder(int drawing) const
{
    const QString &path = m_session.DrawingPaths[drawing];
    return QStringView(path).first(folderLength(path));
}

// The line is ".saveas", two blanks and the target, in double quotes when it holds a blank, which
// only its folder can: the name is digits, '-' and ".dwg". A script holds one such line for each
// drawing and save-as row, so the text is grown once to the line's size and written in place.
void CommandLineBuilder::appendSaveAs(int drawing, SaveAsNames names, SaveAsPart part,
                                      QString &text)
{
    const QStringView command = part == SaveAsPart::Line ? u".saveas  " : u"";
    const QStringView folder = savefolder(drawing);
    const bool dated = names == SaveAsNames::Dated;
    const QStringView stamp = dated ? dateStamp() : QStringView();
    const Digits number(drawing + 1);
    constexpr QStringView kExtension = u".dwg";
    const bool quoted = part == SaveAsPart::Line && needsScriptQuotes(folder);
    const qsizetype start = text.size();
    text.resize(start + command.size() + (quoted ? 2 : 0) + folder.size() +
                (dated ? stamp.size() + 1 : 0) + number.view().size() + kExtension.size());
    char16_t *out = putText(command, unitsOf(text) + start);
    if (quoted)
        *out++ = u'"';
    out = putText(folder, out);
    if (dated) {
        out = putText(stamp, out);
        *out++ = u'-';
    }
    out = putText(kExtension, putText(number.view(), out));
    if (quoted)
        *out = u'"';
}

RowForm CommandLineBuilder::zoomForm(const QString &purposeName, const QString &action) const
{
    if (purposeName == catalogue::kZoomExtents)
        return RowForm::fixed(QStringLiteral(".zoom e"));
    if (purposeName == catalogue::kZoomScale)
        return RowForm::fixed(u".zoom s "_s + action);
    return {};
}

// The DXF save command is the text of key "type2" of the purpose type, followed by two blanks.
RowForm CommandLineBuilder::dxfForm(const QString &purposeType)
{
    if (std::find(catalogue::kDxfPurposeTypes.begin(), catalogue::kDxfPurposeTypes.end(),
                  purposeType) == catalogue::kDxfPurposeTypes.end())
        return {};
    m_lookup.inidatainput(purposeType, QStringLiteral("type2"));
    return RowForm::fixed(m_lookup.inidata + u"  "_s);
}

} // namespace tavrolin
