// The recent files, files dropped on the window and the shipped examples, as the document's file
// handles them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>

#include "config/settings_keys.h"
#include "files/document_json.h"
#include "files/examples.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "files/recent_files.h"
#include "platform/settings_store.h"
#include "sequence/document_editor.h"
#include "session/document_file.h"
#include "session/editing_session.h"
#include "tests/support/fakes.h"
#include "tests/support/processes.h"
#include "text/language.h"

using namespace vireo;

namespace {

// What the window shows of the session and its document's file: the title, how often the lamps
// went off and the models applied.
struct Shown {
    Shown(EditingSession& session, DocumentFile& file) {
        QObject::connect(&file, &DocumentFile::changed,
                         [this, &file] { title = file.titleText(QStringLiteral("Mini")); });
        QObject::connect(&session, &EditingSession::cornersChanged, [this] { ++lampsOffCalls; });
        QObject::connect(&session, &EditingSession::setupChanged,
                         [this, &session] { applied << session.vehicle().model(); });
    }

    int lampsOffCalls = 0;
    QStringList applied;
    QString title;
};

Document oneRow(const QString& model, int lamp) {
    Document d;
    d.model = model;
    d.sequences[0] = {Step{"0,5", "", {lamp, 0, 0, 0}}};
    return d;
}

class RecentFilesTest : public ::testing::Test {
  protected:
    RecentFilesTest() {
        // Entry n reads "E<n>", or "E<n> %1" where the text names a file.
        QByteArray lines;
        for (int n = 1; n <= 263; ++n)
            lines += QByteArray::number(n).rightJustified(4, '0') + "E" + QByteArray::number(n) +
                     (n == 253 || n == 254 ? " %1" : "") + "\r\n";
        language.parse(lines);
    }

    QString file(const QString& name, const Document& d = oneRow("111", 1)) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeKvsFile(path, d));
        return path;
    }
    void addRow() {
        Sequence rows = editor.sequence(0);
        rows.append(Step{"1", "", {1, 2, 3, 4}});
        editor.commit(0, rows, {}, {}, QStringLiteral("append"));
    }

    QTemporaryDir dir;
    QSettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    RecentFiles recent{settings};
    LanguageTable language;
    test::FakePrompter prompter;
    test::FakeClock clock;
    EditingSession session{settings, prompter, language, clock};
    DocumentEditor& editor = session.editor();
    DocumentFile documentFile{session, prompter, language, settings};
    Shown shown{session, documentFile};
};

}  // namespace

TEST_F(RecentFilesTest, NewestFirstOnceEachAtMostEightAndKeptAcrossARestart) {
    for (int i = 1; i <= 10; ++i) recent.add(dir.filePath(QStringLiteral("f%1.kvs").arg(i)));
    recent.add(dir.filePath(QStringLiteral("sub/../f8.kvs")));  // the same file, spelt otherwise
    QStringList expected;
    for (int i : {8, 10, 9, 7, 6, 5, 4, 3})
        expected << dir.filePath(QStringLiteral("f%1.kvs").arg(i));
    EXPECT_EQ(recent.paths(), expected);

    recent.remove(expected[2]);
    expected.removeAt(2);
    // A restart reads the list back from the store of the platform's settings.
    QSettingsStore reopened(dir.filePath(QStringLiteral("settings.ini")));
    EXPECT_EQ(RecentFiles(reopened).paths(), expected);
}

// A list stored longer than the limit (by another version, or by hand) reads as its first eight.
TEST_F(RecentFilesTest, AStoredListOfTenReadsBackAsItsFirstEight) {
    MemorySettingsStore store;
    store.write(settings_keys::kRecentFiles,
                QStringLiteral("[\"/d/1.kvs\", \"/d/2.kvs\", \"/d/3.kvs\", \"/d/4.kvs\", "
                               "\"/d/5.kvs\", \"/d/6.kvs\", \"/d/7.kvs\", \"/d/8.kvs\", "
                               "\"/d/9.kvs\", \"/d/10.kvs\"]"));
    RecentFiles read(store);
    EXPECT_EQ(read.paths(), QStringList({"/d/1.kvs", "/d/2.kvs", "/d/3.kvs", "/d/4.kvs", "/d/5.kvs",
                                         "/d/6.kvs", "/d/7.kvs", "/d/8.kvs"}));
    read.remove(QStringLiteral("/d/8.kvs"));
    EXPECT_EQ(RecentFiles(store).paths().size(), 7) << "the rest is not read back later either";
}

TEST_F(RecentFilesTest, AStoredTextThatIsNotAListReadsAsEmpty) {
    for (const QString& stored : {QStringLiteral("not json"), QStringLiteral("{\"a\": 1}"),
                                  QStringLiteral("[1, 2, \"\"]")}) {
        MemorySettingsStore store;
        store.write(settings_keys::kRecentFiles, stored);
        EXPECT_TRUE(RecentFiles(store).paths().isEmpty()) << stored.toStdString();
    }
}

TEST_F(RecentFilesTest, FilesOpenedOrSavedJoinTheList) {
    const QString opened = file(QStringLiteral("opened.kvs"));
    prompter.fileAnswers = {opened};
    ASSERT_TRUE(documentFile.open());
    addRow();
    const QString saved = dir.filePath(QStringLiteral("saved.kvs"));
    prompter.fileAnswers = {saved};
    ASSERT_TRUE(documentFile.saveAs());
    const QString atStart = file(QStringLiteral("start.kvs"));
    ASSERT_EQ(documentFile.openAtStart(atStart).verdict, KvsVerdict::Loaded);
    EXPECT_EQ(documentFile.recentFiles().paths(), (QStringList{atStart, saved, opened}));
    // Kept in the settings for the next run.
    EXPECT_EQ(RecentFiles(settings).paths(), (QStringList{atStart, saved, opened}));

    // A file that cannot be read does not join.
    prompter.fileAnswers = {dir.filePath(QStringLiteral("missing.kvs"))};
    EXPECT_FALSE(documentFile.open());
    EXPECT_EQ(documentFile.recentFiles().paths().size(), 3);
}

TEST_F(RecentFilesTest, AVanishedRecentFileLeavesTheListWithAMessageNamingIt) {
    const QString kept = file(QStringLiteral("kept.kvs"), oneRow("112", 2));
    const QString gone = file(QStringLiteral("gone.kvs"));
    // Both join the list as they are opened; then the second goes from the disk.
    ASSERT_TRUE(documentFile.openPath(kept));
    ASSERT_TRUE(documentFile.openPath(gone));
    documentFile.newDocument();
    ASSERT_TRUE(QFile::remove(gone));
    ASSERT_TRUE(prompter.prompts.empty());
    shown.applied.clear();
    addRow();  // unsaved changes: nothing is asked for a file that is not there

    EXPECT_FALSE(documentFile.openRecent(gone));
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].kind, "message");
    EXPECT_EQ(prompter.prompts[0].text, "E253 " + QDir::toNativeSeparators(gone));
    EXPECT_EQ(documentFile.recentFiles().paths(), QStringList{kept});
    EXPECT_EQ(editor.document().sequences[0].size(), 1);

    // An existing one asks about the unsaved changes exactly as "Öffnen".
    prompter.prompts.clear();
    prompter.questionAnswers = {false};
    EXPECT_TRUE(documentFile.openRecent(kept));
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, "E90");
    EXPECT_EQ(editor.document(), oneRow("112", 2));
    EXPECT_EQ(shown.applied, QStringList{"112"});
    EXPECT_EQ(documentFile.path(), kept);
    EXPECT_GE(shown.lampsOffCalls, 2);
}

TEST_F(RecentFilesTest, OnlyOneLocalSequenceFileIsTakenFromADrop) {
    const QString kvs = file(QStringLiteral("drop.KVS"), oneRow("113", 3));
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    const struct {
        QList<QUrl> urls;
        QString message;  // empty: opened
    } cases[] = {
        {{QUrl::fromLocalFile(text)}, "E254 " + QDir::toNativeSeparators(text)},
        {{QUrl(QStringLiteral("https://example.org/a.kvs"))}, "E254 https://example.org/a.kvs"},
        {{QUrl::fromLocalFile(kvs), QUrl::fromLocalFile(kvs)}, "E255"},
        {{QUrl::fromLocalFile(kvs)}, ""},
    };
    for (const auto& c : cases) {
        prompter.prompts.clear();
        EXPECT_EQ(documentFile.openDropped(c.urls), c.message.isEmpty()) << c.message.toStdString();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(prompter.prompts.empty());
            EXPECT_EQ(editor.document(), oneRow("113", 3));
            EXPECT_EQ(documentFile.recentFiles().paths(), QStringList{kvs});
        } else {
            ASSERT_EQ(prompter.prompts.size(), 1u);
            EXPECT_EQ(prompter.prompts[0].text, c.message);
            EXPECT_TRUE(editor.document().isEmpty());
        }
    }
}

TEST_F(RecentFilesTest, AnExampleBecomesAnUntitledDocumentForTheChosenVehicle) {
    const QString example = file(QStringLiteral("example.kvs"), oneRow("111", 5));
    editor.setModel(QStringLiteral("113"));
    ASSERT_TRUE(documentFile.openExample(example));
    Document expected = oneRow("113", 5);
    expected.options = editor.document().options;
    EXPECT_EQ(editor.document(), expected);
    EXPECT_TRUE(documentFile.path().isEmpty());
    EXPECT_TRUE(shown.applied.isEmpty());
    EXPECT_TRUE(documentFile.recentFiles().paths().isEmpty());
    EXPECT_TRUE(shown.title.startsWith(language.entry(2) + QStringLiteral("      ")));  // "Neu"
    // Left untouched, the example has nothing to save: the next one opens without a question.
    EXPECT_FALSE(documentFile.hasUnsavedChanges());
    ASSERT_TRUE(documentFile.openExample(example));
    EXPECT_EQ(prompter.count("question"), 0);
    Sequence rows = editor.sequence(0);
    rows[0].lamps[0] ^= 1;
    editor.commit(0, rows, {}, {}, QStringLiteral("change"));
    EXPECT_TRUE(documentFile.hasUnsavedChanges());

    // "Speichern" asks for a name; a cancelled question keeps the example.
    prompter.fileAnswers = {dir.filePath(QStringLiteral("mine.kvs"))};
    ASSERT_TRUE(documentFile.save());
    EXPECT_EQ(prompter.count("save"), 1);
    EXPECT_EQ(documentFile.path(), dir.filePath(QStringLiteral("mine.kvs")));
}

// Every shipped example: listed with a title in both languages, written by the build from its
// JSON document, read back unchanged, and an image that fits 510 bytes with the default options.
TEST(Examples, EveryShippedExampleReadsBackAndFitsTheMemory) {
    const QString source = QStringLiteral(VIREO_TEST_DATA "/../../resources/examples");
    const QStringList documents = QDir(source).entryList({QStringLiteral("*.json")}, QDir::Files);
    QStringList listed;
    for (const ExampleSequence& e : exampleSequences()) listed << e.fileName;
    QStringList expectedFiles;
    for (const QString& d : documents) expectedFiles << QString(d).replace(".json", ".kvs");
    listed.sort();
    EXPECT_EQ(listed, expectedFiles);
    EXPECT_GE(listed.size(), 6);

    LanguageTable german, english;
    ASSERT_EQ(german.load(QStringLiteral(VIREO_LANG_DIR), QStringLiteral("Deutsch")),
              LanguageTable::Status::Ok);
    ASSERT_EQ(english.load(QStringLiteral(VIREO_LANG_DIR), QStringLiteral("English")),
              LanguageTable::Status::Ok);
    const QList<ExampleChoice> shown = availableExamples(QStringLiteral(VIREO_BIN_DIR), english);
    ASSERT_EQ(shown.size(), exampleSequences().size());
    QSet<QString> titles;
    for (const ExampleSequence& e : exampleSequences()) {
        const std::string name = e.fileName.toStdString();
        EXPECT_FALSE(german.entry(e.titleEntry).isEmpty()) << name;
        EXPECT_FALSE(english.entry(e.titleEntry).isEmpty()) << name;
        titles << english.entry(e.titleEntry);

        const QString path = examplesFolder(QStringLiteral(VIREO_BIN_DIR)) + "/" + e.fileName;
        const KvsReadResult read = readKvsFile(path);
        ASSERT_EQ(read.verdict, KvsVerdict::Loaded) << name;
        QFile json(source + "/" + QString(e.fileName).replace(".kvs", ".json"));
        ASSERT_TRUE(json.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(documentFromJson(json.readAll()), read.document) << name;
        EXPECT_FALSE(read.document.sequences[kWelcome].isEmpty()) << name;

        const test::CliRun image = test::runCli({QStringLiteral("image"), path});
        EXPECT_EQ(image.exitCode, 0) << name << image.err.toStdString();
        const qsizetype bytes = image.out.split(' ', Qt::SkipEmptyParts).size();
        EXPECT_GT(bytes, 0) << name;
        EXPECT_LE(bytes, 510) << name;
        EXPECT_EQ(test::runCli({QStringLiteral("memory"), path}).exitCode, 0) << name;
    }
    EXPECT_EQ(titles.size(), exampleSequences().size());  // no two examples share a title
}
