#include "ui/file_commands.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>

#include "files/examples.h"
#include "files/recent_files.h"
#include "platform/program_folder.h"
#include "session/document_file.h"
#include "session/editing_session.h"
#include "session/window_recovery.h"
#include "text/menu_mnemonics.h"
#include "ui/dialogs/earlier_versions_dialog.h"
#include "ui/main_menus.h"
#include "ui/passing_note.h"
#include "ui/window_commands.h"

namespace vireo {

FileCommands::FileCommands(DocumentFile& file, WindowRecovery& recovery, EditingSession& session,
                           const LanguageTable& texts, WindowCommands& commands, MainMenus& menus,
                           Window window)
    : QObject(window.widget),
      file_(file),
      recovery_(recovery),
      texts_(texts),
      menus_(menus),
      window_(std::move(window)) {
    connect(&file_, &DocumentFile::changed, this, &FileCommands::refreshTitle);
    connect(&file_, &DocumentFile::positionReset, this,
            [this](const QString& text) { window_.showPosition(text); });
    connect(&recovery_, &WindowRecovery::statusText, this,
            [this](const QString& text) { showPassingNote(*window_.widget, text); });
    connect(commands.earlierVersions, &QAction::triggered, this, [this] {
        auto* dialog = new EarlierVersionsDialog(recovery_, texts_, window_.widget);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    connect(commands.newDocument, &QAction::triggered, this, [this] { file_.newDocument(); });
    connect(commands.open, &QAction::triggered, this, [this] { file_.open(); });
    connect(commands.save, &QAction::triggered, this, [this] { file_.save(); });
    connect(commands.saveAs, &QAction::triggered, this, [this] { file_.saveAs(); });
    // The submenus switch the lamps off as they open, like every other entry of "Datei" but
    // "Beenden".
    for (QMenu* submenu : {menus.examples(), menus.languages(), menus.moduleUpdate()})
        connect(submenu, &QMenu::aboutToShow, &session, &EditingSession::lampsOff);
    // The recent files follow every open and save.
    connect(menus.file(), &QMenu::aboutToShow, this, &FileCommands::refreshRecentFiles);
    refreshRecentFiles();
    window_.widget->setAcceptDrops(true);
    window_.widget->installEventFilter(this);
}

void FileCommands::refreshTitle() {
    window_.widget->setWindowTitle(file_.titleText(window_.vehicleChoiceText()));
}

void FileCommands::refreshRecentFiles() {
    // The old items leave the menu now and are deleted later: this runs from an item's own
    // triggered signal, and the menu that emitted it still uses the item afterwards.
    QMenu* file = menus_.file();
    for (QAction* item : std::as_const(recentItems_)) {
        file->removeAction(item);
        item->setObjectName(QString());
        item->deleteLater();
    }
    recentItems_.clear();
    const QStringList& paths = file_.recentFiles().paths();
    for (int i = 0; i < paths.size(); ++i) {
        // "&1 /path/file.kvs": the number is the item's accelerator; an "&" in the path is
        // doubled so it shows as itself.
        QString shown = QDir::toNativeSeparators(paths[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), file);
        item->setObjectName(QStringLiteral("Recent_%1").arg(i + 1));
        const QString path = paths[i];
        connect(item, &QAction::triggered, this, [this, path] {
            file_.openRecent(path);
            refreshRecentFiles();
        });
        file->insertAction(menus_.recentFilesEnd(), item);
        recentItems_ << item;
    }
    menus_.recentFilesEnd()->setVisible(!paths.isEmpty());
}

void FileCommands::refreshExamples() {
    QMenu* examples = menus_.examples();
    examples->clear();
    const QList<ExampleChoice> choices = availableExamples(programFolder(), texts_);
    QStringList titles;
    for (const ExampleChoice& example : choices) titles << example.title;
    // Each example its own Alt letter, as far as the letters go.
    titles = withMnemonics(titles);
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const ExampleChoice& example = choices[i];
        QAction* item = examples->addAction(titles[i]);
        item->setObjectName(QFileInfo(example.path).completeBaseName());
        const QString path = example.path;
        connect(item, &QAction::triggered, this, [this, path] { file_.openExample(path); });
    }
    examples->menuAction()->setEnabled(!choices.isEmpty());
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (enter->mimeData()->hasUrls()) enter->acceptProposedAction();
        return true;
    }
    if (event->type() != QEvent::Drop) return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QList<QUrl> urls = drop->mimeData()->urls();
    if (urls.isEmpty()) return true;
    drop->acceptProposedAction();
    // Opened once the drop has ended: the program the files came from (a file manager) waits
    // until the drop returns, and must not wait on a question about unsaved changes.
    QMetaObject::invokeMethod(
        this,
        [this, urls] {
            file_.openDropped(urls);
            refreshRecentFiles();
        },
        Qt::QueuedConnection);
    return true;
}

}  // namespace vireo
