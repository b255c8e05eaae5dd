#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>

#include "files/animation_export.h"

class QAction;
class QProgressDialog;
class QThread;
class QTimer;
class QWidget;

namespace vireo {

class EditingSession;
class LanguageTable;
class Prompter;

// "Animation exportieren…" of the file menu: asks where to write (proposing the document's name
// with ".gif"), then writes the playback of the sequence shown (optAuf_Zu) as an animated GIF on
// a worker thread, so the window stays responsive. A progress dialog with a cancel button shows
// when writing takes more than a moment; the file is written through QSaveFile, and a failure
// is reported with its reason. It reads the sequence shown and the vehicle from the session, and
// the document's path through `documentPath`; `window` parents it and its progress dialog.
class AnimationExportCommand : public QObject {
    Q_OBJECT
  public:
    AnimationExportCommand(EditingSession& session, const LanguageTable& texts,
                           std::function<QString()> documentPath, Prompter& prompter,
                           QAction& action, QWidget* window);
    // Cancels a running export and waits for its thread.
    ~AnimationExportCommand() override;

    // The folder an untitled document's export starts in (the file dialogs' start folder); the
    // home folder when none is given. A document with a file starts beside it.
    void setStartFolder(std::function<QString()> folder) { startFolder_ = std::move(folder); }
    // The menu caption in the window's language.
    void applyLanguage();
    void run();
    bool isRunning() const { return worker_ != nullptr; }
    // Waits until a running export is over and reported (for closing and for tests).
    void waitForFinished();

  signals:
    void finished(vireo::AnimationOutcome::Status status);
    // A line for the status bar: which file was written.
    void statusText(const QString& text);

  private:
    struct Job;
    void showProgress();
    void onWorkerFinished();
    // Closes the progress dialog, says why a write failed and emits finished.
    void report();
    QString proposedPath() const;

    EditingSession& session_;
    const LanguageTable& texts_;
    std::function<QString()> documentPath_;
    std::function<QString()> startFolder_;
    Prompter& prompter_;
    QAction& action_;
    QWidget* window_;
    std::shared_ptr<Job> job_;
    QThread* worker_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QPointer<QProgressDialog> progress_;
};

}  // namespace vireo
