#include "consolechoice.h"

#include "core/programfolder.h"
#include "core/shell/layout.h"
#include "core/shell/savedialog.h"
#include "runner/runsetup.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr int kMostJobs = 16;
const QString kPathKey = u"console/path"_s;

// The choices the program remembers for the user, in the user's own folder, apart from
// tavrolin.ini.
QSettings remembered()
{
    return QSettings(userFolder() + u"/remembered.ini"_s, QSettings::IniFormat);
}

} // namespace

ConsoleChoice::ConsoleChoice(QWidget &page, const ConsoleLocation &location)
    : QObject(&page), m_page(page), m_path(new QLineEdit(&page)),
      m_browse(new QPushButton(u"参照…"_s, &page)),
      m_jobsCaption(new QLabel(u"同時に実行する数"_s, &page)), m_jobs(new QSpinBox(&page))
{
    m_path->setObjectName(u"txtConsole"_s);
    m_path->setPlaceholderText(u"accoreconsole.exe のパス"_s);
    m_path->setText(initialPath(location));
    placeTwips(m_path, 2520, 2160, 3375, 300);
    m_browse->setObjectName(u"cmdConsole"_s);
    placeTwips(m_browse, 5940, 2145, 675, 330);
    connect(m_browse, &QPushButton::clicked, this, &ConsoleChoice::browse);
    m_jobsCaption->setObjectName(u"lblJobs"_s);
    placeTwips(m_jobsCaption, 2520, 2580, 1800, 255);
    m_jobs->setObjectName(u"spnJobs"_s);
    m_jobs->setRange(1, kMostJobs);
    m_jobs->setValue(RunSetup::defaultJobs());
    placeTwips(m_jobs, 4320, 2535, 735, 300);
}

QString ConsoleChoice::initialPath(const ConsoleLocation &location)
{
    const QString path = remembered().value(kPathKey).toString();
    if (QFileInfo(path).isFile())
        return path;
    return location.find().value_or(path);
}

QString ConsoleChoice::path() const
{
    return m_path->text().trimmed();
}

int ConsoleChoice::jobs() const
{
    return m_jobs->value();
}

void ConsoleChoice::setEnabled(bool enabled)
{
    for (QWidget *control : {static_cast<QWidget *>(m_path), static_cast<QWidget *>(m_browse),
                             static_cast<QWidget *>(m_jobsCaption), static_cast<QWidget *>(m_jobs)})
        control->setEnabled(enabled);
}

void ConsoleChoice::remember() const
{
    remembered().setValue(kPathKey, path());
}

void ConsoleChoice::browse()
{
    const QString folder = path().isEmpty() ? QString() : QFileInfo(path()).absolutePath();
    const QString chosen =
        getOpenFileName(&m_page, m_page.windowTitle(), folder,
                        u"コアコンソール (accoreconsole.exe);;すべてのファイル (*)"_s);
    if (chosen.isEmpty())
        return;
    m_path->setText(QDir::toNativeSeparators(chosen));
    remember();
}

} // namespace tavrolin
