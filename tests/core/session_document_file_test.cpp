#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "config/settings_keys.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "platform/settings_store.h"
#include "sequence/document_editor.h"
#include "session/document_file.h"
#include "session/editing_session.h"
#include "tests/support/fakes.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/numbered_language.h"
#include "text/language.h"
#include "text/text_ids.h"

using namespace vireo;

namespace {

// What the window shows of a session and its document's file: the title (with the vehicle
// choice "Mini R56"), the position label, how often the lamps went off and the vehicles applied.
struct Shown {
    Shown(EditingSession& session, DocumentFile& file) {
        QObject::connect(&file, &DocumentFile::changed,
                         [this, &file] { title = file.titleText(QStringLiteral("Mini R56")); });
        QObject::connect(&file, &DocumentFile::positionReset,
                         [this](const QString& text) { position = text; });
        QObject::connect(&session, &EditingSession::cornersChanged, [this] { ++lampsOffCalls; });
        QObject::connect(&session, &EditingSession::setupChanged, [this, &session] {
            applied << session.vehicle().model() + "/" + session.vehicle().optionString();
        });
    }

    int lampsOffCalls = 0;
    QStringList applied;
    QString title;
    QString position;
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DocumentFileTest : public ::testing::Test {
  protected:
    QString writeFile(const QString& name, const Document& d) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeKvsFile(path, d));
        return path;
    }
    void addRow(int s = 0) {
        Sequence rows = editor.sequence(s);
        rows.append(Step{"1,5", "", {1, 2, 3, 4}});
        editor.commit(s, rows, {}, {}, QStringLiteral("append"));
    }
    QString openFile(const QString& path) {
        prompter.fileAnswers.push_back(path);
        EXPECT_TRUE(documentFile.open());
        prompter.prompts.clear();
        return path;
    }

    QTemporaryDir dir;
    // Entry n reads "E<n>", so every prompt shows which entry it is.
    const LanguageTable& language = test::numberedLanguage();
    MemorySettingsStore settings;
    test::FakePrompter prompter;
    test::FakeClock clock;
    EditingSession session{settings, prompter, language, clock};
    DocumentEditor& editor = session.editor();
    DocumentFile documentFile{session, prompter, language, settings};
    Shown shown{session, documentFile};
    const QString gap = QStringLiteral("      ");
    Document fileDocument = [] {
        Document d;
        d.model = "305";
        d.options = "01100000000000000001";
        d.sequences[0] = {Step{"0,5", "S  1 / 3 x", {1, 0, 0, 0}},
                          Step{"0,5", "S  1 / 3 x", {2, 0, 0, 0}}};
        d.sequences[1] = {Step{"2", "", {0, 5, 0, 12}}};
        return d;
    }();
};

TEST_F(DocumentFileTest, NewAsksOnlyWithUnsavedChanges) {
    documentFile.newDocument();
    EXPECT_EQ(prompter.count("question"), 0);
    EXPECT_EQ(shown.title, language.entry(2) + gap + "Mini R56");  // "Neu"
    EXPECT_EQ(shown.position, "E407 0");                           // "Position 0"
    EXPECT_EQ(shown.lampsOffCalls, 1);

    editor.setModel("203");
    addRow(1);
    documentFile.newDocument();  // the fake answers No
    ASSERT_EQ(prompter.count("question"), 1);
    EXPECT_EQ(prompter.prompts[0].text, "E90");
    EXPECT_TRUE(editor.document().isEmpty());
    EXPECT_EQ(editor.document().model, "203");
}

TEST_F(DocumentFileTest, OpenTakesTheFileOverAndSaveWritesBackWithoutDialog) {
    const QString path = writeFile("seq.kvs", fileDocument);
    addRow();
    prompter.questionAnswers = {false};
    prompter.fileAnswers = {path};
    ASSERT_TRUE(documentFile.open());
    EXPECT_EQ(prompter.prompts[0].text, "E90");
    EXPECT_EQ(prompter.prompts[1].kind, "open");
    EXPECT_EQ(prompter.prompts[1].title, "E126");
    EXPECT_EQ(editor.document(), fileDocument);
    EXPECT_EQ(documentFile.path(), path);
    EXPECT_EQ(shown.applied, QStringList{"305/01100000000000000001"});
    EXPECT_EQ(shown.title, path + gap + "Mini R56");
    EXPECT_FALSE(documentFile.hasUnsavedChanges());

    prompter.prompts.clear();
    documentFile.newDocument();  // unchanged since opening: no question
    EXPECT_EQ(prompter.count("question"), 0);

    openFile(path);
    addRow(1);
    ASSERT_TRUE(documentFile.save());
    EXPECT_EQ(prompter.count("save"), 0);
    EXPECT_EQ(shown.title, dir.filePath("seq") + gap + "Mini R56");
    EXPECT_EQ(readKvsFile(path).document, editor.document());
    EXPECT_FALSE(documentFile.hasUnsavedChanges());
}

TEST_F(DocumentFileTest, SaveOfAMovedFileAsksForAName) {
    const QString path = openFile(writeFile("seq.kvs", fileDocument));
    ASSERT_TRUE(QFile::rename(path, dir.filePath("moved.kvs")));
    EXPECT_TRUE(documentFile.hasUnsavedChanges());

    const QString target = dir.filePath("new.kvs");
    prompter.fileAnswers = {target};
    ASSERT_TRUE(documentFile.save());
    ASSERT_EQ(prompter.count("save"), 1);
    EXPECT_EQ(prompter.prompts[0].title, "E126");
    EXPECT_EQ(documentFile.path(), target);
    EXPECT_EQ(readKvsFile(target).document, fileDocument);
}

TEST_F(DocumentFileTest, CancelledDialogsChangeNothing) {
    const QString path = openFile(writeFile("seq.kvs", fileDocument));
    addRow();
    const Document changed = editor.document();
    const QString title = shown.title;

    prompter.questionAnswers = {false};
    EXPECT_FALSE(documentFile.open());    // open dialog cancelled
    EXPECT_FALSE(documentFile.saveAs());  // save dialog cancelled
    EXPECT_EQ(prompter.count("open"), 1);
    EXPECT_EQ(prompter.count("save"), 1);
    EXPECT_EQ(editor.document(), changed);
    EXPECT_EQ(documentFile.path(), path);
    EXPECT_EQ(shown.title, title);
    EXPECT_EQ(readKvsFile(path).document, fileDocument);
}

TEST_F(DocumentFileTest, DamagedOrUnreadableFileKeepsTheCurrentDocument) {
    const QString path = openFile(writeFile("seq.kvs", fileDocument));
    addRow();
    const Document changed = editor.document();
    const QString title = shown.title;

    QByteArray damaged = readAll(path);
    damaged[damaged.size() - 2] = char(damaged[damaged.size() - 2] ^ 0x01);
    const QString damagedPath = dir.filePath("damaged.kvs");
    QFile f(damagedPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(damaged) == damaged.size());
    f.close();

    for (const QString& bad : {damagedPath, dir.filePath("missing.kvs")}) {
        prompter.prompts.clear();
        prompter.questionAnswers = {false};
        prompter.fileAnswers = {bad};
        EXPECT_FALSE(documentFile.open());
        ASSERT_EQ(prompter.count("message"), 1);
        EXPECT_TRUE(prompter.prompts.back().text.startsWith("E88"));
        EXPECT_EQ(prompter.prompts.back().title, "E82");
        EXPECT_EQ(prompter.prompts.back().icon, PromptIcon::Warning);
        EXPECT_EQ(editor.document(), changed);
        EXPECT_EQ(documentFile.path(), path);
        EXPECT_EQ(shown.title, title);
    }
}

TEST_F(DocumentFileTest, FailedSaveKeepsDocumentPathAndOldFile) {
    const QString path = openFile(writeFile("seq.kvs", fileDocument));
    const QByteArray oldBytes = readAll(path);
    addRow();
    addRow(1);
    const Document changed = editor.document();
    const QString title = shown.title;

    {
        // "Speichern" writes over the old file, and the disk fills up meanwhile.
        test::FileSizeLimit fullDisk(oldBytes.size());
        if (!fullDisk.active()) GTEST_SKIP() << "file sizes cannot be limited here";
        EXPECT_FALSE(documentFile.save());
    }
    EXPECT_EQ(prompter.count("save"), 0);
    ASSERT_EQ(prompter.count("message"), 1);
    EXPECT_EQ(prompter.prompts.back().title, "E82");
    EXPECT_TRUE(prompter.prompts.back().text.startsWith("E88\n\n" + path + ": "));
    EXPECT_EQ(editor.document(), changed);
    EXPECT_EQ(documentFile.path(), path);
    EXPECT_EQ(shown.title, title);
    EXPECT_EQ(readAll(path), oldBytes);
    EXPECT_TRUE(documentFile.hasUnsavedChanges());
}

// A document the file could not keep is never written: the save is refused before any dialog,
// names the field, and leaves the document, its path and the old file alone.
TEST_F(DocumentFileTest, SaveRefusesADocumentTheFileCouldNotKeep) {
    struct Case {
        const char* name;
        std::function<void(Document&)> spoil;
        QString message;
    };
    // The refusal (233) names the field: the option string (235), the model (234), or a step
    // (236) by its number, its sequence (201) and its column (230).
    const std::vector<Case> cases = {
        {"option string", [](Document& d) { d.options = "1110000000000000000P"; }, "E233 E235"},
        {"model", [](Document& d) { d.model = "1F2"; }, "E233 E234"},
        {"time of a goodbye step", [](Document& d) { d.sequences[1][0].time = "1Z5"; },
         "E233 E236 1 E201 E230"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = writeFile(QStringLiteral("keep.kvs"), fileDocument);
        openFile(path);
        const QByteArray before = readAll(path);
        Document spoiled = editor.document();
        c.spoil(spoiled);
        editor.reset(spoiled);

        EXPECT_FALSE(documentFile.save());
        EXPECT_FALSE(documentFile.saveAs());
        ASSERT_EQ(prompter.prompts.size(), 2u);
        for (const auto& p : prompter.prompts) {
            EXPECT_EQ(p.kind, QStringLiteral("message"));
            EXPECT_EQ(p.text, c.message);
            EXPECT_EQ(p.title, QStringLiteral("E82"));
        }
        EXPECT_EQ(documentFile.path(), path);
        EXPECT_EQ(editor.document(), spoiled);
        EXPECT_EQ(readAll(path), before);
        prompter.prompts.clear();
    }
}

TEST_F(DocumentFileTest, NewStopsWhenTheSaveItAskedForFails) {
    addRow();
    const Document changed = editor.document();
    prompter.questionAnswers = {true};
    prompter.fileAnswers = {writeFile("file.kvs", Document{}) + "/inside.kvs"};
    documentFile.newDocument();
    EXPECT_EQ(prompter.count("save"), 1);
    EXPECT_EQ(prompter.count("message"), 1);
    EXPECT_EQ(editor.document(), changed);
}

TEST_F(DocumentFileTest, CloseQuestionSavesUnderANewNameEvenWithAPath) {
    const QString path = openFile(writeFile("seq.kvs", fileDocument));
    EXPECT_TRUE(documentFile.askOnClose());
    EXPECT_TRUE(prompter.prompts.empty());

    addRow();
    const QString target = dir.filePath("closing.kvs");
    prompter.questionAnswers = {true};
    prompter.fileAnswers = {target};
    EXPECT_TRUE(documentFile.askOnClose());
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_EQ(prompter.prompts[0].text, "E83");
    EXPECT_EQ(prompter.prompts[1].kind, "save");
    EXPECT_EQ(prompter.lastSaveProposal, path);  // Enter would save over its own file
    EXPECT_EQ(readKvsFile(target).document, editor.document());
    EXPECT_EQ(readKvsFile(path).document, fileDocument);
}

TEST_F(DocumentFileTest, CloseQuestionAnsweredNoLetsTheWindowClose) {
    openFile(writeFile("seq.kvs", fileDocument));
    addRow();
    prompter.questionAnswers = {false};
    EXPECT_TRUE(documentFile.askOnClose());
    EXPECT_EQ(prompter.count("save"), 0);
}

// Closing would lose the document the user asked to save: the window must stay open.
TEST_F(DocumentFileTest, CloseQuestionKeepsTheWindowOpenWhenTheSaveDoesNotHappen) {
    const QString path = openFile(writeFile("seq.kvs", fileDocument));
    addRow();
    const Document changed = editor.document();
    const QString title = shown.title;

    const QString cancelled;
    const QString unwritable = path + "/inside.kvs";  // below a file: no folder takes it
    for (const QString& answer : {cancelled, unwritable}) {
        prompter.prompts.clear();
        prompter.questionAnswers = {true};
        prompter.fileAnswers = {answer};
        EXPECT_FALSE(documentFile.askOnClose()) << answer.toStdString();
        EXPECT_EQ(prompter.count("save"), 1);
        EXPECT_EQ(prompter.count("message"), answer.isEmpty() ? 0 : 1);
        EXPECT_EQ(editor.document(), changed);
        EXPECT_EQ(documentFile.path(), path);
        EXPECT_EQ(shown.title, title);
        EXPECT_TRUE(documentFile.hasUnsavedChanges());
    }
    EXPECT_EQ(readKvsFile(path).document, fileDocument);
}

// Two windows on one file: the second save must not wipe out the first one's without asking.
TEST_F(DocumentFileTest, SaveAsksWhenAnotherWindowSavedTheFileMeanwhile) {
    const QString path = openFile(writeFile("seq.kvs", fileDocument));
    test::FakePrompter otherPrompter;
    EditingSession otherSession{settings, otherPrompter, language, clock};
    DocumentEditor& otherEditor = otherSession.editor();
    DocumentFile other{otherSession, otherPrompter, language, settings};
    ASSERT_TRUE(other.openPath(path));
    // Window B deletes a row and saves; nothing had changed its file, so nothing is asked.
    Sequence rows = otherEditor.sequence(0);
    rows.removeLast();
    otherEditor.commit(0, rows, {}, {}, QStringLiteral("delete"));
    ASSERT_TRUE(other.save());
    EXPECT_TRUE(otherPrompter.prompts.empty());
    const Document saved = otherEditor.document();

    // Window A inserts a row and saves: asked, and Escape keeps B's file and A's document.
    addRow();
    const Document mine = editor.document();
    EXPECT_FALSE(documentFile.save());
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].kind, "choice");
    EXPECT_EQ(prompter.prompts[0].text,
              language.entry(text::FileChangedQuestion).arg(QDir::toNativeSeparators(path)));
    EXPECT_EQ(prompter.lastChoiceAnswers, (QStringList{language.entry(text::OverwriteAnswer),
                                                       language.entry(text::SaveElsewhereAnswer),
                                                       language.entry(text::Cancel)}));
    EXPECT_EQ(readKvsFile(path).document, saved);
    EXPECT_EQ(editor.document(), mine);
    EXPECT_EQ(documentFile.path(), path);

    // Overwrite: written, and the next save of A has nothing to ask.
    prompter.choices = {0};
    ASSERT_TRUE(documentFile.save());
    EXPECT_EQ(readKvsFile(path).document, mine);
    prompter.prompts.clear();
    addRow(1);
    ASSERT_TRUE(documentFile.save());
    EXPECT_TRUE(prompter.prompts.empty());
    // Now B is the one behind.
    otherEditor.commit(1, {}, {}, {}, QStringLiteral("clear"));
    EXPECT_FALSE(other.save());
    EXPECT_EQ(otherPrompter.count("choice"), 1);
}

TEST_F(DocumentFileTest, SaveAsksWhenTheFileWasChangedByHand) {
    const QString path = openFile(writeFile("seq.kvs", fileDocument));
    addRow();
    const QByteArray byHand = readAll(path) + "x";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(byHand);
    }
    // Save under another name: the dialog, starting in the document's folder.
    const QString elsewhere = dir.filePath("mine.kvs");
    prompter.choices = {1};
    prompter.fileAnswers = {elsewhere};
    ASSERT_TRUE(documentFile.save());
    EXPECT_EQ(prompter.count("choice"), 1);
    EXPECT_EQ(prompter.count("save"), 1);
    EXPECT_EQ(prompter.lastSaveProposal, dir.path());
    EXPECT_EQ(readAll(path), byHand);
    EXPECT_EQ(readKvsFile(elsewhere).document, editor.document());
    EXPECT_EQ(documentFile.path(), elsewhere);

    // A file whose time alone moved holds what was saved: nothing to ask.
    prompter.prompts.clear();
    addRow();
    QFile touched(elsewhere);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(3600),
                                    QFileDevice::FileModificationTime));
    touched.close();
    ASSERT_TRUE(documentFile.save());
    EXPECT_TRUE(prompter.prompts.empty());

    // The close question's save asks too, and cancelling keeps the window open.
    addRow();
    ASSERT_TRUE(writeKvsFile(elsewhere, fileDocument));
    prompter.questionAnswers = {true};
    prompter.fileAnswers = {elsewhere};
    prompter.choices = {2};
    EXPECT_FALSE(documentFile.askOnClose());
    EXPECT_EQ(prompter.count("choice"), 1);
    EXPECT_EQ(readKvsFile(elsewhere).document, fileDocument);
}

// File dialogs start in the document's folder, else the folder last used, else the home folder;
// never in the process's working folder.
TEST_F(DocumentFileTest, FileDialogsStartInTheDocumentsOrTheLastFolder) {
    QTemporaryDir working;
    ASSERT_TRUE(QDir::setCurrent(working.path()));
    EXPECT_FALSE(documentFile.open());  // cancelled
    EXPECT_EQ(prompter.lastOpenFolder, QDir::homePath());

    QDir(dir.path()).mkpath("shows");
    const QString path = openFile(writeFile("shows/seq.kvs", fileDocument));
    EXPECT_EQ(settings.read(settings_keys::kLastFolder), dir.filePath("shows"));
    EXPECT_FALSE(documentFile.open());
    EXPECT_EQ(prompter.lastOpenFolder, dir.filePath("shows"));
    EXPECT_FALSE(documentFile.saveAs());
    EXPECT_EQ(prompter.lastSaveProposal, path);

    // A new document: the folder last used, also in the next run of the program.
    documentFile.newDocument();
    DocumentFile nextRun{session, prompter, language, settings};
    for (DocumentFile* m : {&documentFile, &nextRun}) {
        EXPECT_FALSE(m->open());
        EXPECT_EQ(prompter.lastOpenFolder, dir.filePath("shows"));
        EXPECT_FALSE(m->saveAs());
        EXPECT_EQ(prompter.lastSaveProposal, dir.filePath("shows"));
    }
    // A last folder that is gone is passed over.
    ASSERT_TRUE(QDir(dir.filePath("shows")).removeRecursively());
    EXPECT_FALSE(documentFile.open());
    EXPECT_EQ(prompter.lastOpenFolder, QDir::homePath());
    QDir::setCurrent(QDir::tempPath());
}

TEST_F(DocumentFileTest, CommandLineFileAtStart) {
    const QString path = writeFile("start.kvs", fileDocument);
    EXPECT_EQ(documentFile.openAtStart(path).verdict, KvsVerdict::Loaded);
    EXPECT_EQ(editor.document(), fileDocument);
    EXPECT_EQ(documentFile.path(), path);
    EXPECT_EQ(documentFile.titleText("Mini R56"), path + gap + "Mini R56");

    QByteArray damaged = readAll(path);
    damaged[damaged.size() - 2] = char(damaged[damaged.size() - 2] ^ 0x01);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(damaged) == damaged.size());
    f.close();
    EXPECT_EQ(documentFile.openAtStart(path).verdict, KvsVerdict::Damaged);
    EXPECT_TRUE(editor.document().isEmpty());
    EXPECT_TRUE(documentFile.path().isEmpty());
    EXPECT_EQ(shown.title, language.entry(2) + gap + "Mini R56");  // "Neu"
    EXPECT_TRUE(prompter.prompts.empty());

    EXPECT_EQ(documentFile.openAtStart(dir.filePath("missing.kvs")).verdict,
              KvsVerdict::Unreadable);
    EXPECT_TRUE(documentFile.path().isEmpty());
}

}  // namespace

// Cancel (the Escape answer) at the question about unsaved changes calls the command off,
// whichever command asked: the document, its path and its title stay, and no dialog follows.
TEST_F(DocumentFileTest, CancelAtTheSaveQuestionCallsEveryCommandOff) {
    const QString other = writeFile("other.kvs", Document{});
    const QString example = writeFile("example.kvs", fileDocument);
    const std::pair<const char*, std::function<bool()>> commands[] = {
        {"new",
         [&] {
             documentFile.newDocument();
             return true;
         }},
        {"open", [&] { return !documentFile.open(); }},
        {"recent", [&] { return !documentFile.openRecent(other); }},
        {"example", [&] { return !documentFile.openExample(example); }},
        {"dropped", [&] { return !documentFile.openDropped({QUrl::fromLocalFile(other)}); }},
        {"close", [&] { return !documentFile.askOnClose(); }},
    };
    const QString path = openFile(writeFile("seq.kvs", fileDocument));
    addRow();
    const Document changed = editor.document();
    const QString title = shown.title;
    for (const auto& [name, run] : commands) {
        prompter.prompts.clear();
        prompter.choiceAnswers = {QuestionAnswer::Cancel};
        prompter.fileAnswers = {other};
        EXPECT_TRUE(run()) << name;
        ASSERT_EQ(prompter.prompts.size(), 1u) << name;
        EXPECT_EQ(prompter.prompts[0].kind, "question") << name;
        EXPECT_EQ(editor.document(), changed) << name;
        EXPECT_EQ(documentFile.path(), path) << name;
        EXPECT_EQ(shown.title, title) << name;
        EXPECT_TRUE(documentFile.hasUnsavedChanges()) << name;
    }
    EXPECT_EQ(readKvsFile(path).document, fileDocument);
}

// Yes and No keep their meaning beside the third answer.
TEST_F(DocumentFileTest, YesAndNoOfTheThreeWayQuestionKeepTheirMeaning) {
    const QString path = openFile(writeFile("seq.kvs", fileDocument));
    addRow();
    prompter.choiceAnswers = {QuestionAnswer::Yes};
    documentFile.newDocument();  // saves back to the file without a dialog, then starts anew
    EXPECT_EQ(prompter.count("save"), 0);
    EXPECT_EQ(readKvsFile(path).document.sequences[0].size(), 3);
    EXPECT_TRUE(editor.document().isEmpty());

    addRow();
    prompter.choiceAnswers = {QuestionAnswer::No};
    EXPECT_TRUE(documentFile.askOnClose());
    EXPECT_EQ(prompter.count("save"), 0);
}

// A file written with points shows its on-times with the user's separator (German here), and is
// not changed by it: "Neu" asks nothing, and a save writes the user's form.
TEST_F(DocumentFileTest, OnTimesOfAFileShowWithTheLocalesSeparator) {
    Document pointed = fileDocument;
    pointed.sequences[0][0].time = "0.2";
    pointed.sequences[1][0].time = "1.5";
    const QString path = openFile(writeFile("points.kvs", pointed));
    EXPECT_EQ(editor.sequence(0)[0].time, "0,2");
    EXPECT_EQ(editor.sequence(0)[1].time, "0,5");
    EXPECT_EQ(editor.sequence(1)[0].time, "1,5");
    EXPECT_FALSE(documentFile.hasUnsavedChanges());
    EXPECT_TRUE(documentFile.save());
    EXPECT_EQ(readKvsFile(path).document.sequences[0][0].time, "0,2");
    documentFile.newDocument();
    EXPECT_EQ(prompter.count("question"), 0);
}
