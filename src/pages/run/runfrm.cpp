#include "runfrm.h"

#include "core/shell/documentopener.h"
#include "core/shell/messagebox.h"
#include "core/shell/shellservices.h"
#include "runner/consolerun.h"
#include "runresultsmodel.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

using State = RunResultsModel::State;

} // namespace

runfrm::runfrm() : PageWindow(Kind::SideWindow)
{
    setObjectName(u"frmRun"_s);
    buildControls();
    frmtitleset();
    resize(860, 520);
}

runfrm::~runfrm() = default;

void runfrm::buildControls()
{
    m_status = new QLabel(u"図面を確認しています…"_s, this);
    m_status->setObjectName(u"lblStatus"_s);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"prgRun"_s);
    m_progress->setRange(0, 0);
    m_elapsed = new QLabel(this);
    m_elapsed->setObjectName(u"lblElapsed"_s);
    m_remaining = new QLabel(this);
    m_remaining->setObjectName(u"lblRemaining"_s);

    m_model = new RunResultsModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(u"tblResults"_s);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    // Rows of one height, so the view never measures 50 000 of them.
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(RunResultsModel::Number, 60);
    m_table->setColumnWidth(RunResultsModel::Drawing, 330);
    m_table->setColumnWidth(RunResultsModel::Result, 90);
    m_table->setColumnWidth(RunResultsModel::Seconds, 60);
    connect(m_table, &QTableView::doubleClicked, this, &runfrm::openLog);

    m_summary = new QLabel(this);
    m_summary->setObjectName(u"lblSummary"_s);
    m_summary->setWordWrap(true);
    m_summary->hide();
    m_files = new QLabel(this);
    m_files->setObjectName(u"lblFiles"_s);
    m_files->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *times = new QHBoxLayout;
    times->addWidget(m_elapsed);
    times->addWidget(m_remaining);
    times->addStretch();
    auto *buttons = new QHBoxLayout;
    m_stop = addButton("cmdStop", u"中止"_s);
    m_retry = addButton("cmdRetry", u"失敗した図面だけもう一度実行"_s);
    m_log = addButton("cmdLog", u"ログを開く"_s);
    QPushButton *close = addButton("cmdClose", u"閉じる"_s);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_retry);
    buttons->addWidget(m_log);
    buttons->addStretch();
    buttons->addWidget(close);
    m_retry->setEnabled(false);
    connect(m_stop, &QPushButton::clicked, this, [this] { m_run->stop(); });
    connect(m_retry, &QPushButton::clicked, this, &runfrm::retryFailed);
    connect(m_log, &QPushButton::clicked, this, &runfrm::openLog);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addLayout(times);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(m_files);
    layout->addLayout(buttons);

    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &runfrm::showProgress);
}

QPushButton *runfrm::addButton(const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    return button;
}

bool runfrm::start(const RunSetup &setup, QString *error)
{
    m_model->reset(setup.drawings);
    m_files->setText(u"結果: %1　ログ: %2"_s.arg(QDir::toNativeSeparators(setup.resultsPath),
                                                 QDir::toNativeSeparators(setup.logsFolder)));
    return begin(setup, error);
}

bool runfrm::isRunning() const
{
    return m_run && m_run->isRunning();
}

bool runfrm::begin(RunSetup setup, QString *error)
{
    m_setup = setup;
    m_run = std::make_unique<ConsoleRun>(std::move(setup));
    connect(m_run.get(), &ConsoleRun::planned, this, &runfrm::planned);
    connect(m_run.get(), &ConsoleRun::drawingStarted, this,
            [this](int drawing) { m_model->setState(drawing, State::Running); });
    connect(m_run.get(), &ConsoleRun::drawingFinished, this, &runfrm::drawingFinished);
    connect(m_run.get(), &ConsoleRun::recordFailed, this,
            [](const QString &reason) { showMessage(reason, ExclamationWarning); });
    connect(m_run.get(), &ConsoleRun::finished, this, &runfrm::finished);
    m_status->setText(u"図面を確認しています…"_s);
    m_progress->setRange(0, 0);
    m_summary->hide();
    m_stop->setEnabled(true);
    m_retry->setEnabled(false);
    if (!m_run->start(error)) {
        m_stop->setEnabled(false);
        return false;
    }
    m_clock->start();
    return true;
}

// A drawing this window has shown ended keeps its row when the run leaves it out.
void runfrm::planned()
{
    m_model->setStates([this](int row) -> std::optional<State> {
        switch (m_run->planOf(row)) {
        case ConsoleRun::Plan::Run:
            return State::Waiting;
        case ConsoleRun::Plan::AlreadyOk:
            return m_model->state(row) == State::Ended ? std::nullopt
                                                       : std::optional(State::AlreadyOk);
        case ConsoleRun::Plan::Left:
            return m_model->state(row) == State::Ended ? std::nullopt : std::optional(State::Left);
        }
        return std::nullopt;
    });
    m_progress->setRange(0, qMax(1, m_run->progress().toRun()));
    m_progress->setValue(0);
    showProgress();
}

void runfrm::drawingFinished(int drawing, const DrawingResult &result)
{
    m_model->setResult(drawing, result);
    m_progress->setValue(m_run->progress().done());
    showProgress();
}

void runfrm::showProgress()
{
    const RunProgress &progress = m_run->progress();
    m_status->setText(u"%1 / %2 件　ok %3　ok 以外 %4"_s.arg(progress.done())
                          .arg(progress.toRun())
                          .arg(progress.okCount())
                          .arg(progress.notOkCount()));
    m_elapsed->setText(u"経過 "_s + RunProgress::duration(progress.elapsedMs()));
    const auto remaining = progress.remainingMs();
    m_remaining->setText(
        remaining && isRunning() ? u"残り 約 "_s + RunProgress::duration(*remaining) : QString());
}

void runfrm::finished()
{
    m_clock->stop();
    showProgress();
    m_stop->setEnabled(false);
    bool anyFailed = false;
    for (int row = 0; row < m_model->rowCount() && !anyFailed; ++row)
        anyFailed = m_model->state(row) == State::Ended && !m_model->result(row).isOk();
    m_retry->setEnabled(anyFailed);
    if (m_run->wasStopped())
        m_model->setStates([this](int row) -> std::optional<State> {
            return m_model->state(row) == State::Running ? std::optional(State::Stopped)
                                                         : std::nullopt;
        });
    m_summary->setText((m_run->wasStopped() ? u"中止しました。"_s : u"終わりました。"_s) +
                       m_run->progress().summary());
    m_summary->show();
}

void runfrm::retryFailed()
{
    RunSetup setup = m_setup;
    setup.retryFailed = true;
    QString error;
    if (!begin(std::move(setup), &error))
        showMessage(error, ExclamationWarning);
}

void runfrm::openLog()
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        showMessage(u"ログを見る図面を一覧から選んでください"_s, ExclamationWarning);
        return;
    }
    const int row = rows.first().row();
    const QString log = m_model->state(row) == State::Ended ? m_model->result(row).log : QString();
    if (log.isEmpty()) {
        showMessage(u"この図面のログはありません（コンソールで実行していません）"_s,
                    ExclamationWarning);
        return;
    }
    if (!openDocument(log))
        showMessage(u"ログ %1 を開けません"_s.arg(QDir::toNativeSeparators(log)),
                    ExclamationWarning);
}

// Closing while consoles run ends them, after a question; the results so far stay.
void runfrm::closeEvent(QCloseEvent *event)
{
    if (isRunning()) {
        if (showMessage(
                u"実行中のコンソールを終了して閉じますか？\n終わった図面の結果は残ります。"_s,
                ExclamationQuestion) != AnswerYes) {
            event->ignore();
            return;
        }
        m_run->stop();
    }
    PageWindow::closeEvent(event);
}

} // namespace tavrolin
