#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRadioButton>
#include <QSignalSpy>

#include "config/settings_keys.h"
#include "files/kvs_writer.h"
#include "support/window_fixture.h"
#include "text/text_ids.h"
#include "ui/animation_export_command.h"
#include "ui/main_window.h"
#include "ui/passing_note.h"

using namespace vireo;

namespace {

// "Animation exportieren…" in the file menu, as the main window wires it.
class AnimationExportWindowTest : public test::WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        document.sequences[kWelcome] = {{"0,5", QString(), {1, 2, 3, 4}},
                                        {"1", QString(), {63, 0, 0, 63}}};
        document.sequences[kGoodbye] = {{"0,2", QString(), {0, 8, 8, 0}}};
        documentPath = folder.filePath(QStringLiteral("Lauflicht.kvs"));
        ASSERT_TRUE(writeKvsFile(documentPath, document));
    }

    // Triggers the menu entry and waits until the export is over, in the event loop as the
    // window does or blocking as closing does; the status it ended with.
    enum class Wait { EventLoop, Blocking };
    static std::optional<AnimationOutcome::Status> exportAnimation(MainWindow& w,
                                                                   Wait wait = Wait::EventLoop) {
        auto* command = w.findChild<AnimationExportCommand*>(QStringLiteral("AnimationExport"));
        if (!command) return std::nullopt;
        QSignalSpy done(command, &AnimationExportCommand::finished);
        w.findChild<QAction*>(QStringLiteral("AnimationExportieren"))->trigger();
        if (!command->isRunning() && done.isEmpty()) return std::nullopt;  // nothing started
        if (wait == Wait::EventLoop)
            done.wait(60000);
        else
            command->waitForFinished();
        QApplication::processEvents();  // a second report would show here
        if (done.size() != 1) return std::nullopt;
        return done.at(0).at(0).value<AnimationOutcome::Status>();
    }

    static int frameCount(const QString& path) {
        QImageReader reader(path, "gif");
        int n = 0;
        while (!reader.read().isNull()) ++n;
        return n;
    }

    Document document;
    QString documentPath;
};

}  // namespace

TEST_F(AnimationExportWindowTest, WritesTheSequenceShownUnderTheProposedName) {
    auto w = startWindow(documentPath);
    ASSERT_TRUE(w);
    const QString target = folder.filePath(QStringLiteral("Lauflicht.gif"));

    prompter.fileAnswers = {target};
    EXPECT_EQ(exportAnimation(*w), AnimationOutcome::Status::Written);
    EXPECT_EQ(prompter.lastSaveProposal, target);
    EXPECT_EQ(prompter.prompts.back().title, w->texts().entry(265));
    EXPECT_EQ(prompter.count("message"), 0);
    EXPECT_EQ(frameCount(target), 1 + 2);  // darkness and two rows
    // The passing note names the file written.
    EXPECT_EQ(passingNoteText(*w), w->texts().entry(290).arg(QDir::toNativeSeparators(target)));

    // "Schliessen" shown: its sequence is written.
    w->findChild<QRadioButton*>(QStringLiteral("optAuf_Zu_1"))->click();
    ASSERT_EQ(w->session().activeSequence(), kGoodbye);
    prompter.fileAnswers = {target};
    EXPECT_EQ(exportAnimation(*w), AnimationOutcome::Status::Written);
    EXPECT_EQ(frameCount(target), 1 + 1);
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("AnimationExportieren"))->isEnabled());
}

// An untitled document's export starts in the folder last used, not in the working folder.
TEST_F(AnimationExportWindowTest, AnUntitledExportStartsInTheLastFolderUsed) {
    const QString last = folder.filePath(QStringLiteral("shows"));
    ASSERT_TRUE(QDir().mkpath(last));
    store.write(settings_keys::kLastFolder, last);
    auto w = startWindow();
    ASSERT_TRUE(w);
    w->session().editor().commit(kWelcome, document.sequences[kWelcome], {}, {},
                                 QStringLiteral("rows"));
    EXPECT_EQ(exportAnimation(*w), std::nullopt);  // the dialog is cancelled
    EXPECT_EQ(prompter.lastSaveProposal,
              QDir(last).filePath(w->texts().entry(text::AnimationFileName) + ".gif"));
}

TEST_F(AnimationExportWindowTest, AFailedWriteSaysWhyAndLeavesNoFile) {
    auto w = startWindow(documentPath);
    const QString target = folder.filePath(QStringLiteral("fehlt/Lauflicht.gif"));
    prompter.fileAnswers = {target};
    EXPECT_EQ(exportAnimation(*w, Wait::Blocking), AnimationOutcome::Status::Failed);
    ASSERT_EQ(prompter.count("message"), 1);
    const auto& message = prompter.prompts.back();
    EXPECT_TRUE(message.text.startsWith(w->texts().entry(270) + QLatin1Char('\n')));
    EXPECT_TRUE(message.text.contains(QStringLiteral("Lauflicht.gif")));
    EXPECT_EQ(message.icon, PromptIcon::Warning);
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(AnimationExportWindowTest, AnEmptySequenceOrACancelledDialogWritesNothing) {
    auto w = startWindow();
    ASSERT_TRUE(w->editor().sequence(kWelcome).isEmpty());
    EXPECT_EQ(exportAnimation(*w), std::nullopt);
    EXPECT_EQ(prompter.count("save"), 0);
    ASSERT_EQ(prompter.count("message"), 1);
    EXPECT_EQ(prompter.prompts.back().text, w->texts().entry(271));

    auto loaded = startWindow(documentPath);
    prompter.prompts.clear();
    EXPECT_EQ(exportAnimation(*loaded), std::nullopt);  // the dialog answers "cancel"
    EXPECT_EQ(prompter.count("save"), 1);
    EXPECT_EQ(prompter.count("message"), 0);
}

TEST_F(AnimationExportWindowTest, TheCaptionFollowsTheLanguage) {
    languageChoice = QStringLiteral("English");
    store.write(settings_keys::kLanguage, QStringLiteral("English"));
    auto w = startWindow();
    EXPECT_EQ(w->findChild<QAction*>(QStringLiteral("AnimationExportieren"))->text(),
              QStringLiteral("Expor&t animation…"));
}

// Closing the window while an export runs ends the export and leaves no file behind.
TEST_F(AnimationExportWindowTest, ClosingDuringAnExportCancelsIt) {
    auto w = startWindow();
    Sequence rows;
    for (int i = 0; i < 300; ++i)
        rows << Step{"0,2", {}, {i % 64, (i * 7) % 64, (i * 3) % 64, 63 - i % 64}};
    w->session().editor().commit(kWelcome, rows, {}, {}, QStringLiteral("rows"));
    const QString target = folder.filePath(QStringLiteral("lang.gif"));
    prompter.fileAnswers = {target};
    w->findChild<QAction*>(QStringLiteral("AnimationExportieren"))->trigger();
    ASSERT_TRUE(w->findChild<AnimationExportCommand*>()->isRunning());
    w.reset();
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(prompter.count("message"), 0);
}
