#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <functional>

#include "app/startup.h"
#include "config/settings_keys.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "platform/program_folder.h"
#include "session/window_recovery.h"
#include "support/window_fixture.h"
#include "text/text_ids.h"
#include "ui/main_window.h"
#include "ui/passing_note.h"

using namespace vireo;
namespace k = vireo::settings_keys;

namespace {

// The document's file as the main window wires it: the command line at start, the entries of
// the "Datei" menu, the title and the question on closing.
class DocumentFileWindowTest : public test::WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        store.write(k::kVehicleType, QStringLiteral("113"));

        saved.model = QStringLiteral("112");
        saved.sequences[kWelcome] = {{"0,5", QString(), {1, 2, 3, 4}},
                                     {"1", QString(), {63, 0, 0, 63}}};
        saved.sequences[kGoodbye] = {{"0,2", QString(), {0, 8, 8, 0}}};
    }
    QString writeFile(const QString& name, const Document& document) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(writeKvsFile(path, document));
        return path;
    }

    std::unique_ptr<MainWindow> start(const QString& commandLine = QString()) {
        return startWindow(commandLine);
    }

    static void trigger(MainWindow& w, int item) {
        w.findChild<QAction*>(QStringLiteral("Menu_%1").arg(item))->trigger();
    }

    static void appendStep(MainWindow& w) {
        Sequence rows = w.editor().sequence(kWelcome);
        rows.append({"0,1", QString(), {1, 1, 1, 1}});
        const int last = int(rows.size()) - 1;
        w.session().editor().commit(kWelcome, rows, {}, {{last}, last}, QStringLiteral("append"));
    }

    Document saved;
};

TEST_F(DocumentFileWindowTest, AFileOnTheCommandLineOpensWithItsOwnVehicle) {
    const QString path = writeFile(QStringLiteral("Lauflicht.kvs"), saved);
    auto w = start(path);
    ASSERT_TRUE(w);
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_EQ(w->editor().document().sequences, saved.sequences);
    EXPECT_EQ(w->vehicleSettings().model(), "112");  // the file's model, not the stored "113"
    EXPECT_EQ(w->editor().document().model, "112");
    EXPECT_EQ(w->dateiPfad(), path);
    EXPECT_TRUE(w->windowTitle().startsWith(path + QStringLiteral("      ")))
        << w->windowTitle().toStdString();

    // Nothing changed since: closing asks nothing.
    w->close();
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(DocumentFileWindowTest, ADamagedFileOnTheCommandLineLeavesAnEmptyNewDocument) {
    const QString path = writeFile(QStringLiteral("kaputt.kvs"), saved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const qsizetype body = bytes.indexOf('\n') + 1;
    ASSERT_GT(body, 0);
    bytes[body + 2] = char(bytes[body + 2] ^ 0x20);  // one character of the model changes
    file.seek(0);
    file.write(bytes);
    file.close();

    auto w = start(path);
    ASSERT_TRUE(w);
    ASSERT_EQ(prompter.count("message"), 1);
    EXPECT_EQ(prompter.prompts.at(0).text, w->texts().entry(81));
    EXPECT_EQ(prompter.prompts.at(0).title, w->texts().entry(82));
    EXPECT_EQ(prompter.count("question"), 0);
    EXPECT_TRUE(w->editor().document().isEmpty());
    EXPECT_TRUE(w->dateiPfad().isEmpty());
    EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("Neu      ")))
        << w->windowTitle().toStdString();
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("labPos"))->text(), "Position 0");
}

// The title and the file dialogs speak the language in use; German keeps its built-in texts.
TEST_F(DocumentFileWindowTest, TitleAndFileDialogsFollowTheLanguage) {
    auto w = start();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Neu      Fahrzeugauswahl:  BMW 7er / Limousine / "
                                               "Modell ab 10.2006"));
    trigger(*w, 2);  // the open dialog is cancelled
    ASSERT_EQ(prompter.count("open"), 1);
    EXPECT_EQ(prompter.prompts.back().text, QStringLiteral("Dateien (*.kvs)"));

    w->findChild<QAction*>(QStringLiteral("Auswahl_2"))->trigger();  // English
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("New      Vehicle:  BMW 7 Series / Saloon / Model from 10.2006"));
    appendStep(*w);
    trigger(*w, 4);  // the save dialog is cancelled
    ASSERT_EQ(prompter.count("save"), 1);
    EXPECT_EQ(prompter.prompts.back().text, QStringLiteral("Sequence files (*.kvs)"));
}

TEST_F(DocumentFileWindowTest, OpenThenSaveWritesBackWithoutADialog) {
    const QString path = writeFile(QStringLiteral("Blinker.kvs"), saved);
    auto w = start();
    prompter.prompts.clear();

    prompter.fileAnswers = {path};
    trigger(*w, 2);
    EXPECT_EQ(prompter.count("open"), 1);
    EXPECT_EQ(w->editor().document().sequences, saved.sequences);
    EXPECT_EQ(w->vehicleSettings().model(), "112");
    EXPECT_EQ(w->dateiPfad(), path);
    EXPECT_TRUE(w->windowTitle().startsWith(path + QStringLiteral("      ")));

    appendStep(*w);
    trigger(*w, 3);
    EXPECT_EQ(prompter.count("save"), 0);
    EXPECT_EQ(w->dateiPfad(), path);
    const QString withoutSuffix = path.left(path.size() - 4);
    EXPECT_TRUE(w->windowTitle().startsWith(withoutSuffix + QStringLiteral("      ")));
    EXPECT_FALSE(w->windowTitle().contains(QStringLiteral(".kvs")));
    const KvsReadResult back = readKvsFile(path);
    ASSERT_EQ(back.verdict, KvsVerdict::Loaded);
    EXPECT_EQ(back.document.sequences, w->editor().document().sequences);

    // "Neu" on the saved document asks nothing and empties it.
    trigger(*w, 1);
    EXPECT_EQ(prompter.count("question"), 0);
    EXPECT_TRUE(w->editor().document().isEmpty());
    EXPECT_TRUE(w->dateiPfad().isEmpty());
    EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("Neu      ")));
}

TEST_F(DocumentFileWindowTest, ClosingWithChangesAsksAndSavesUnderAChosenName) {
    const QString path = writeFile(QStringLiteral("Alt.kvs"), saved);
    auto w = start(path);
    appendStep(*w);
    const Document changed = w->editor().document();

    const QString chosen = folder.filePath(QStringLiteral("Neu.kvs"));
    prompter.questionAnswers = {true};
    prompter.fileAnswers = {chosen};
    w->close();

    ASSERT_EQ(prompter.count("question"), 1);
    EXPECT_EQ(prompter.prompts.at(0).text, w->texts().entry(83));
    EXPECT_EQ(prompter.count("save"), 1);  // the dialog, though the document has a path
    EXPECT_EQ(readKvsFile(chosen).document, changed);
    EXPECT_EQ(readKvsFile(path).document.sequences, saved.sequences);  // the old file stays
    EXPECT_EQ(store.read(k::kSlider), "1");
}

TEST_F(DocumentFileWindowTest, ClosingWithChangesAndNoKeepsTheFileAndStillCloses) {
    const QString path = writeFile(QStringLiteral("Alt.kvs"), saved);
    auto w = start(path);
    appendStep(*w);
    prompter.questionAnswers = {false};
    w->close();
    EXPECT_EQ(prompter.count("question"), 1);
    EXPECT_EQ(prompter.count("save"), 0);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(readKvsFile(path).document.sequences, saved.sequences);
}

TEST_F(DocumentFileWindowTest, ClosingStaysOpenWhenTheSaveItAskedForDoesNotHappen) {
    const QString path = writeFile(QStringLiteral("Alt.kvs"), saved);
    auto w = start(path);
    appendStep(*w);
    const Document changed = w->editor().document();
    const QString title = w->windowTitle();

    // The save dialog is cancelled, then a name below a file cannot be written.
    const QString cancelled;
    const QString unwritable = path + QStringLiteral("/Neu.kvs");
    for (const QString& answer : {cancelled, unwritable}) {
        prompter.prompts.clear();
        prompter.questionAnswers = {true};
        prompter.fileAnswers = {answer};
        EXPECT_FALSE(w->close()) << answer.toStdString();
        EXPECT_EQ(prompter.count("question"), 1);
        EXPECT_EQ(prompter.count("save"), 1);
        EXPECT_EQ(prompter.count("message"), answer.isEmpty() ? 0 : 1);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->editor().document(), changed);
        EXPECT_EQ(w->dateiPfad(), path);
        EXPECT_EQ(w->windowTitle(), title);
    }
    EXPECT_EQ(readKvsFile(path).document.sequences, saved.sequences);

    // Asked again, the user lets the changes go: now the window closes.
    prompter.questionAnswers = {false};
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
}

// Escape at the question on closing (the Exit button or the window's close) keeps the window
// open with everything as it was; so does Escape at "Neu" (Ctrl+N).
TEST_F(DocumentFileWindowTest, CancelAtTheSaveQuestionKeepsTheWindowAndTheDocument) {
    const QString path = writeFile(QStringLiteral("Alt.kvs"), saved);
    auto w = start(path);
    appendStep(*w);
    const Document changed = w->editor().document();
    const QString title = w->windowTitle();
    const std::function<bool()> ways[] = {
        [&] { return w->close(); },
        [&] {
            w->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
            return !w->isVisible();
        },
        [&] {
            trigger(*w, 1);
            return false;
        },
    };
    for (const auto& way : ways) {
        prompter.prompts.clear();
        prompter.choiceAnswers = {QuestionAnswer::Cancel};
        EXPECT_FALSE(way());
        EXPECT_EQ(prompter.count("question"), 1);
        EXPECT_EQ(prompter.count("save"), 0);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->editor().document(), changed);
        EXPECT_EQ(w->dateiPfad(), path);
        EXPECT_EQ(w->windowTitle(), title);
    }
}

}  // namespace

// The note that recovery is off lies over the window: the editor keeps its size, so no panel
// gains a scroll bar and the timeline keeps its rows.
TEST_F(DocumentFileWindowTest, TheRecoveryOffNoteTakesNoRoomFromTheEditor) {
    auto w = start();
    w->resize(1366, 740);
    w->show();
    QApplication::processEvents();
    const QRect face = w->centralWidget()->geometry();
    EXPECT_EQ(passingNoteText(*w), QString());

    WindowRecovery* recovery = &w->recovery();
    const QString off = w->texts().entry(text::RecoveryOff).arg("No space left on device");
    emit recovery->statusText(off);  // as the journal's failing write reports it
    QApplication::processEvents();
    EXPECT_EQ(passingNoteText(*w), off);
    EXPECT_EQ(w->centralWidget()->geometry(), face);
    const auto* bar = w->findChild<QStatusBar*>();
    EXPECT_TRUE(bar == nullptr || bar->isHidden());
    // Along the window's foot, inside it.
    const auto* note = w->findChild<QLabel*>("PassingNote");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->geometry().bottom(), w->height() - 1);
}
