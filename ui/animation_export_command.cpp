#include "ui/animation_export_command.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include "platform/app_info.h"
#include "platform/prompter.h"
#include "session/editing_session.h"
#include "text/text_ids.h"

namespace vireo {

namespace {
// Before this, no progress dialog appears: most animations are written in a moment.
constexpr int kProgressDelayMs = 400;
constexpr int kProgressPollMs = 50;
}  // namespace

// What the worker and the window share: the request, the progress so far, the wish to cancel
// and, once the worker is done, the outcome.
struct AnimationExportCommand::Job {
    AnimationRequest request;
    QString path;
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::atomic<bool> cancel{false};
    AnimationOutcome outcome;
};

AnimationExportCommand::AnimationExportCommand(EditingSession& session, const LanguageTable& texts,
                                               std::function<QString()> documentPath,
                                               Prompter& prompter, QAction& action, QWidget* window)
    : QObject(window),
      session_(session),
      texts_(texts),
      documentPath_(std::move(documentPath)),
      prompter_(prompter),
      action_(action),
      window_(window) {
    setObjectName(QStringLiteral("AnimationExport"));
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(kProgressPollMs);
    connect(progressTimer_, &QTimer::timeout, this, &AnimationExportCommand::showProgress);
    connect(&action_, &QAction::triggered, this, &AnimationExportCommand::run);
    applyLanguage();
}

AnimationExportCommand::~AnimationExportCommand() {
    if (job_) job_->cancel = true;
    if (worker_) {
        worker_->wait();
        delete worker_;
    }
}

void AnimationExportCommand::applyLanguage() {
    action_.setText(texts_.entry(text::ExportAnimationMenu));
}

QString AnimationExportCommand::proposedPath() const {
    const QString document = documentPath_();
    const QString gif = QStringLiteral(".gif");
    if (document.isEmpty()) {
        const QString folder = startFolder_ ? startFolder_() : QDir::homePath();
        return QDir(folder).filePath(texts_.entry(text::AnimationFileName) + gif);
    }
    const QFileInfo info(document);
    return info.dir().filePath(info.completeBaseName() + gif);
}

void AnimationExportCommand::run() {
    if (worker_) return;
    const LanguageTable& texts = texts_;
    auto job = std::make_shared<Job>();
    job->request.rows = session_.activeRows();
    job->request.vehicle = session_.setup();
    if (animationPlan(job->request.rows, 0, job->request.limit).frames.isEmpty()) {
        prompter_.message(texts.entry(text::NothingToShow), texts.entry(text::ExportAnimationTitle),
                          PromptIcon::Information);
        return;
    }
    job->path = prompter_.saveFileNameProposing(texts.entry(text::ExportAnimationTitle),
                                                texts.entry(text::GifFilter), QStringLiteral("gif"),
                                                proposedPath());
    if (job->path.isEmpty()) return;

    job_ = job;
    action_.setEnabled(false);
    worker_ = QThread::create([job] {
        job->outcome = savePlaybackAnimation(job->request, job->path, [job](int done, int total) {
            job->done = done;
            job->total = total;
            return !job->cancel;
        });
    });
    worker_->setObjectName(QStringLiteral("AnimationExportWorker"));
    connect(worker_, &QThread::finished, this, &AnimationExportCommand::onWorkerFinished);
    worker_->start();
    progressTimer_->start();
    QTimer::singleShot(kProgressDelayMs, this, [this, job] {
        // Still the same export, and still running: show how far it is.
        if (job_ != job || progress_) return;
        const LanguageTable& t = texts_;
        progress_ = new QProgressDialog(t.entry(text::WritingAnimation), t.entry(text::Cancel), 0,
                                        100, window_);
        progress_->setObjectName(QStringLiteral("AnimationProgress"));
        progress_->setWindowTitle(t.entry(text::ExportAnimationTitle));
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setMinimumDuration(0);
        connect(progress_, &QProgressDialog::canceled, this, [job] { job->cancel = true; });
        showProgress();
        progress_->show();
    });
}

void AnimationExportCommand::showProgress() {
    if (!job_ || !progress_) return;
    const int total = job_->total;
    progress_->setMaximum(std::max(total, 1));
    progress_->setValue(std::min(int(job_->done), std::max(total, 1) - 1));
}

void AnimationExportCommand::onWorkerFinished() {
    // The signal of a worker already reported by waitForFinished is left alone.
    if (sender() == worker_) report();
}

void AnimationExportCommand::report() {
    if (!worker_) return;
    progressTimer_->stop();
    if (progress_) {
        progress_->disconnect(this);
        progress_->deleteLater();
        progress_.clear();
    }
    worker_->deleteLater();
    worker_ = nullptr;
    const std::shared_ptr<Job> job = std::move(job_);
    action_.setEnabled(true);
    const AnimationOutcome& outcome = job->outcome;
    if (outcome.status == AnimationOutcome::Status::Failed) {
        const LanguageTable& t = texts_;
        prompter_.message(QStringLiteral("%1\n%2\n%3")
                              .arg(t.entry(text::AnimationNotWritten),
                                   QDir::toNativeSeparators(job->path), outcome.error),
                          t.entry(text::ExportAnimationTitle), PromptIcon::Warning);
    } else if (outcome.status == AnimationOutcome::Status::Written) {
        emit statusText(
            texts_.entry(text::AnimationWritten).arg(QDir::toNativeSeparators(job->path)));
    }
    emit finished(outcome.status);
}

void AnimationExportCommand::waitForFinished() {
    if (!worker_) return;
    worker_->wait();
    // The worker's finished signal is still queued to this thread; report now.
    report();
}

}  // namespace vireo
