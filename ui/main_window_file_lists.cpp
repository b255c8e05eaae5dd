// The lists of the file menu (the recent files, the examples) and files dropped on the window.
// The rules live in files/ (RecentFiles, FileMenu, the example table); this file fills the
// menus and hands the user's choice to the file menu.
#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>

#include "files/examples.h"
#include "files/recent_files.h"
#include "platform/program_folder.h"
#include "session/file_menu.h"
#include "text/text_ids.h"
#include "ui/main_window.h"

namespace vireo {

void MainWindow::setUpFileLists() {
    recent_ = std::make_unique<RecentFiles>(*context_.settings);
    fileMenu().setRecentFiles(recent_.get());

    // "Beispiele" follows "Speichern unter"; it switches the lamps off as it opens, like the
    // other submenus of "Datei".
    examplesMenu_ = new QMenu(menuDatei_);
    examplesMenu_->setObjectName(QStringLiteral("Beispiele"));
    menuDatei_->insertMenu(menuItems_[5], examplesMenu_);
    connect(examplesMenu_, &QMenu::aboutToShow, this, &MainWindow::lichtAus);

    // The recent files stand above "Beenden", between two separators.
    recentSeparator_ = new QAction(menuDatei_);
    recentSeparator_->setSeparator(true);
    menuDatei_->insertAction(menuItems_[9], recentSeparator_);

    // The recent files follow every open and save; the examples' titles follow the language
    // (applyLanguage refreshes them).
    connect(menuDatei_, &QMenu::aboutToShow, this, &MainWindow::refreshRecentFiles);
    refreshRecentFiles();
    setAcceptDrops(true);
}

void MainWindow::refreshRecentFiles() {
    // The old items leave the menu now and are deleted later: this runs from an item's own
    // triggered signal, and the menu that emitted it still uses the item afterwards.
    for (QAction* item : recentItems_) {
        menuDatei_->removeAction(item);
        item->setObjectName(QString());
        item->deleteLater();
    }
    recentItems_.clear();
    const QStringList& paths = recent_->paths();
    for (int i = 0; i < paths.size(); ++i) {
        // "&1 /path/file.kvs": the number is the item's accelerator; an "&" in the path is
        // doubled so it shows as itself.
        QString shown = QDir::toNativeSeparators(paths[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), menuDatei_);
        item->setObjectName(QStringLiteral("Recent_%1").arg(i + 1));
        const QString path = paths[i];
        connect(item, &QAction::triggered, this, [this, path] {
            fileMenu().openRecent(path);
            refreshRecentFiles();
        });
        menuDatei_->insertAction(recentSeparator_, item);
        recentItems_ << item;
    }
    recentSeparator_->setVisible(!paths.isEmpty());
}

void MainWindow::refreshExamples() {
    examplesMenu_->setTitle(texts_.entry(text::ExamplesMenu));
    examplesMenu_->clear();
    const QList<ExampleChoice> examples = availableExamples(programFolder(), texts_);
    for (const ExampleChoice& example : examples) {
        QAction* item = examplesMenu_->addAction(example.title);
        item->setObjectName(QFileInfo(example.path).completeBaseName());
        const QString path = example.path;
        connect(item, &QAction::triggered, this, [this, path] { fileMenu().openExample(path); });
    }
    examplesMenu_->menuAction()->setEnabled(!examples.isEmpty());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    // Any file is taken, so that a refused one is answered with a message rather than ignored.
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop has ended: the program the files were dragged from (a file manager)
    // waits until the drop returns, and must not wait on a question about unsaved changes.
    QMetaObject::invokeMethod(
        this,
        [this, urls] {
            fileMenu().openDropped(urls);
            refreshRecentFiles();
        },
        Qt::QueuedConnection);
}

}  // namespace vireo
