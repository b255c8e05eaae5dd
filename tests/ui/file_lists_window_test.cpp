// The file menu's lists (recent files, examples), files dropped on the window and the standard
// shortcuts, as the main window wires them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTreeWidget>

#include "files/examples.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "files/recent_files.h"
#include "sequence/edit_outcome.h"
#include "support/window_fixture.h"
#include "ui/standard_shortcuts.h"

using namespace vireo;

namespace {

class FileListsWindowTest : public test::WindowFixture {
  protected:
    QString writeFile(const QString& name, int lamp) {
        Document d;
        d.model = QStringLiteral("112");
        d.sequences[kWelcome] = {{"0,5", QString(), {lamp, 0, 0, 0}}};
        const QString path = folder.filePath(name);
        EXPECT_TRUE(writeKvsFile(path, d));
        return path;
    }
    static void appendStep(MainWindow& w) {
        Sequence rows = w.editor().sequence(kWelcome);
        rows.append({"0,1", QString(), {1, 1, 1, 1}});
        const int last = int(rows.size()) - 1;
        w.session().editor().commit(kWelcome, rows, {}, {{last}, last}, QStringLiteral("append"));
    }
    // Drags the files over the window and drops them, as the window system delivers it, then
    // lets the window take them. The drop itself asks nothing: the program the files come from
    // waits for it to end.
    bool drop(MainWindow& w, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at(w.width() / 2, w.height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &enter);
        if (!enter.isAccepted()) return false;
        const size_t promptsBefore = prompter.prompts.size();
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &dropped);
        EXPECT_EQ(prompter.prompts.size(), promptsBefore) << "asked during the drop";
        QApplication::processEvents();
        return dropped.isAccepted();
    }
    static QStringList recentCaptions(MainWindow& w) {
        QStringList captions;
        for (int i = 1; auto* item = w.findChild<QAction*>(QStringLiteral("Recent_%1").arg(i)); ++i)
            captions << item->text();
        return captions;
    }
    static void showFileMenu(MainWindow& w) {
        emit w.findChild<QMenu*>(QStringLiteral("Datei"))->aboutToShow();
    }
};

TEST_F(FileListsWindowTest, ADroppedFileOpensAsOpenDoesAndACancelledSaveKeepsTheDocument) {
    const QString path = writeFile(QStringLiteral("dropped.kvs"), 7);
    auto w = startWindow();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->acceptDrops());
    appendStep(*w);

    // Yes to "save first?", then the save dialog is cancelled: nothing is opened.
    prompter.questionAnswers = {true};
    EXPECT_TRUE(drop(*w, {QUrl::fromLocalFile(path)}));
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_EQ(prompter.prompts[0].kind, "question");
    EXPECT_EQ(prompter.prompts[1].kind, "save");
    EXPECT_EQ(w->editor().sequence(kWelcome).size(), 1);
    EXPECT_EQ(w->editor().sequence(kWelcome)[0].lamps, (LampBytes{1, 1, 1, 1}));
    EXPECT_TRUE(w->dateiPfad().isEmpty());

    // No to the question: the file opens with its vehicle and joins the recent files.
    prompter.prompts.clear();
    prompter.questionAnswers = {false};
    drop(*w, {QUrl::fromLocalFile(path)});
    EXPECT_EQ(w->dateiPfad(), path);
    EXPECT_EQ(w->vehicleSettings().model(), "112");
    EXPECT_EQ(w->editor().sequence(kWelcome)[0].lamps, (LampBytes{7, 0, 0, 0}));
    EXPECT_EQ(recentCaptions(*w), QStringList{"&1 " + QDir::toNativeSeparators(path)});

    // Another kind of file is refused with a message naming it.
    prompter.prompts.clear();
    const QString text = folder.filePath(QStringLiteral("readme.txt"));
    drop(*w, {QUrl::fromLocalFile(text)});
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].kind, "message");
    EXPECT_TRUE(prompter.prompts[0].text.contains(QDir::toNativeSeparators(text)));
    EXPECT_EQ(w->dateiPfad(), path);
}

TEST_F(FileListsWindowTest, TheRecentFilesAreNumberedNewestFirstAndAVanishedOneLeaves) {
    const QString first = writeFile(QStringLiteral("first.kvs"), 1);
    const QString gone = writeFile(QStringLiteral("a&b.kvs"), 2);
    {
        RecentFiles stored(store);
        stored.add(first);
        stored.add(gone);
    }
    ASSERT_TRUE(QFile::remove(gone));
    auto w = startWindow();
    ASSERT_TRUE(w);
    EXPECT_EQ(
        recentCaptions(*w),
        (QStringList{"&1 " + QDir::toNativeSeparators(folder.filePath(QStringLiteral("a&&b.kvs"))),
                     "&2 " + QDir::toNativeSeparators(first)}));

    w->findChild<QAction*>(QStringLiteral("Recent_1"))->trigger();
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_TRUE(prompter.prompts[0].text.contains(QDir::toNativeSeparators(gone)));
    EXPECT_EQ(recentCaptions(*w), QStringList{"&1 " + QDir::toNativeSeparators(first)});
    EXPECT_EQ(RecentFiles(store).paths(), QStringList{first});

    w->findChild<QAction*>(QStringLiteral("Recent_1"))->trigger();
    EXPECT_EQ(w->dateiPfad(), first);
}

TEST_F(FileListsWindowTest, TheExamplesAreListedByTitleAndOpenAsANewDocument) {
    const QDir built(examplesFolder(QStringLiteral(VIREO_BIN_DIR)));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("examples")));
    for (const QString& name : built.entryList({QStringLiteral("*.kvs")}, QDir::Files))
        QFile::copy(built.filePath(name), examplesFolder(folder.path()) + "/" + name);
    auto w = startWindow();
    ASSERT_TRUE(w);
    auto* menu = w->findChild<QMenu*>(QStringLiteral("Beispiele"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("&Beispiele"));
    ASSERT_EQ(menu->actions().size(), exampleSequences().size());
    EXPECT_EQ(withoutAccessLetter(menu->actions()[0]->text()),
              w->texts().entry(exampleSequences()[0].titleEntry));

    // The titles follow the language.
    w->findChild<QAction*>(QStringLiteral("Auswahl_2"))->trigger();  // English
    showFileMenu(*w);
    EXPECT_EQ(menu->title(), QStringLiteral("Exa&mples"));
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("&Sweep across the rings"));

    menu->actions()[0]->trigger();
    const KvsReadResult example = readKvsFile(built.filePath(exampleSequences()[0].fileName));
    EXPECT_EQ(w->editor().document().sequences, example.document.sequences);
    EXPECT_EQ(w->editor().document().model, "111");  // the vehicle chosen before
    EXPECT_TRUE(w->dateiPfad().isEmpty());
    EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("New      ")));
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(FileListsWindowTest, NoExamplesFolderLeavesTheMenuDisabled) {
    auto w = startWindow();
    ASSERT_TRUE(w);
    auto* menu = w->findChild<QMenu*>(QStringLiteral("Beispiele"));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->menuAction()->isEnabled());
}

TEST_F(FileListsWindowTest, StandardShortcutsAreOnTheMenuItems) {
    auto w = startWindow();
    ASSERT_TRUE(w);
    const struct {
        const char* item;
        QKeySequence::StandardKey key;
    } items[] = {{"Menu_1", QKeySequence::New},  {"Menu_2", QKeySequence::Open},
                 {"Menu_3", QKeySequence::Save}, {"Menu_4", QKeySequence::SaveAs},
                 {"Menu_9", QKeySequence::Quit}, {"Help", QKeySequence::HelpContents},
                 {"Undo", QKeySequence::Undo},   {"Zeilen_Loeschen", QKeySequence::Delete}};
    for (const auto& i : items) {
        auto* action = w->findChild<QAction*>(QLatin1String(i.item));
        ASSERT_NE(action, nullptr) << i.item;
        EXPECT_EQ(action->shortcut(), standardShortcuts(i.key).value(0)) << i.item;
        EXPECT_FALSE(action->shortcut().isEmpty() && i.key != QKeySequence::SaveAs &&
                     i.key != QKeySequence::Quit)
            << i.item;
    }
#ifndef Q_OS_WIN
    // Linux desktops quit with Ctrl+Q and save under another name with Ctrl+Shift+S.
    EXPECT_EQ(w->findChild<QAction*>(QStringLiteral("Menu_9"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(w->findChild<QAction*>(QStringLiteral("Menu_4"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
#endif

    // Delete removes the selected rows as the button does, after its question.
    appendStep(*w);
    appendStep(*w);
    auto* list = w->findChild<QTreeWidget*>(QStringLiteral("List1_0"));
    list->setCurrentItem(list->topLevelItem(0));
    prompter.questionAnswers = {true};
    w->findChild<QAction*>(QStringLiteral("Zeilen_Loeschen"))->trigger();
    EXPECT_EQ(w->editor().sequence(kWelcome).size(), 1);
}

}  // namespace
