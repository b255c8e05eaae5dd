// vireo-cli edit: table commands from a script, run as the window runs them.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>

#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "platform/settings_store.h"
#include "session/edit_script.h"
#include "session/editing_session.h"
#include "tests/support/fakes.h"
#include "tests/support/processes.h"
#include "text/language.h"
#include "text/text_ids.h"

using namespace vireo;
using test::runCli;

namespace {

const QString kL1x4 = QStringLiteral("S  1 / 4 x");
const QString kL1x2 = QStringLiteral("S  1 / 2 x");
const QString kL1x3 = QStringLiteral("S  1 / 3 x");

Step r(int n) {
    static const char* times[] = {"0,5", "1", "0,3", "0,4", "0,5", "0,6"};
    return Step{times[n - 1], QString(), {n, 0, 0, 0}};
}
Step marked(Step s, const QString& loop) {
    s.loop = loop;
    return s;
}
const Step g1{"0,2", "", {0, 0, 1, 1}};
const Step g2{"0,2", "", {0, 0, 2, 2}};

Document sample() {
    Document d;
    d.sequences[kWelcome] = {r(1), r(2), r(3), r(4), r(5), r(6)};
    d.sequences[kGoodbye] = {g1, g2};
    return d;
}

struct EditRun {
    test::CliRun run;
    std::optional<Document> written;
};

EditRun runEdit(const QString& script, const Document& input = sample()) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.kvs"), out = dir.filePath("out.kvs");
    EXPECT_TRUE(writeKvsFile(in, input));
    EditRun result{runCli({"edit", in, "-o", out, "--script", "-"}, script.toUtf8()), {}};
    if (QFile::exists(out)) result.written = readKvsFile(out).document;
    return result;
}

QString messagesText(const QList<int>& entries) {
    QString text;
    for (int n : entries) text += QStringLiteral("message %1\n").arg(n);
    return text;
}

// A script that grows the six sample rows to `rows` rows by pasting copies at the end.
QString grownTo(int rows) {
    QString script = QStringLiteral("select 1-6\ncopy\n");
    for (int n = 6; n < rows; n += 6) script += QStringLiteral("paste-end\n");
    return script;
}

}  // namespace

TEST(CliEdit, RunsTheTableCommandsAsTheWindowDoes) {
    struct Case {
        const char* script;
        Sequence welcome;
        QList<int> messages = {};
        Sequence goodbye = {g1, g2};
    };
    const Step inserted{"0,1", "", {0, 0, 0, 0}};
    const Case cases[] = {
        {"select 3-6\nloop 4",
         {r(1), r(2), marked(r(3), kL1x4), marked(r(4), kL1x4), marked(r(5), kL1x4),
          marked(r(6), kL1x4)}},
        // A repeat count outside 2-20 warns and is then taken as Cancel; no answer cancels.
        {"select 2-3\nloop 25", {r(1), r(2), r(3), r(4), r(5), r(6)}, {text::RepeatCountInvalid}},
        {"select 2-3\nloop", {r(1), r(2), r(3), r(4), r(5), r(6)}},
        {"# two rows go\n\nselect 2,4\ndelete",
         {r(1), r(3), r(5), r(6)},
         {text::DeleteRowsQuestion}},
        {"select 2\ndelete\nundo", {r(1), r(2), r(3), r(4), r(5), r(6)}, {80}},
        {"select 2\ndelete\nundo\nredo", {r(1), r(3), r(4), r(5), r(6)}, {80}},
        // Paste puts the rows before the current row.
        {"select 1-2\ncopy\nselect 4\npaste", {r(1), r(2), r(3), r(1), r(2), r(4), r(5), r(6)}},
        // The copy buffer survives the switch to the other sequence.
        {"select 1-2\ncopy\nsequence 1\nselect 1\npaste-end",
         {r(1), r(2), r(3), r(4), r(5), r(6)},
         {},
         {g1, g2, r(1), r(2)}},
        // Insert takes the marker of the last selected row: the loop grows.
        {"select 2-4\nloop 3\nselect 3\ninsert",
         {r(1), marked(r(2), kL1x3), marked(inserted, kL1x3), marked(r(3), kL1x3),
          marked(r(4), kL1x3), r(5), r(6)}},
        // Cutting two rows of a three-row loop leaves one marked row; the tidy pass clears it.
        {"select 1-3\nloop 2\nselect 2-3\ncut", {r(1), r(4), r(5), r(6)}},
        {"select 1-3\nloop 2\nselect 2-3\ncut\nselect 1\npaste",
         {marked(r(2), kL1x2), marked(r(3), kL1x2), r(1), r(4), r(5), r(6)}},
        // Without a current row, insert goes to the end; copy and paste do nothing.
        {"insert", {r(1), r(2), r(3), r(4), r(5), r(6), inserted}},
        {"copy\npaste\npaste-end", {r(1), r(2), r(3), r(4), r(5), r(6)}},
        {"select 1\ncurrent 3\ncopy\nselect none\ncurrent 6\npaste",
         {r(1), r(2), r(3), r(4), r(5), r(1), r(6)}},
        // Several rows get the slider's time; one row also gets the current lamps.
        {"slider 25\nselect 2,4\nchange",
         {r(1), Step{"2,5", "", {2, 0, 0, 0}}, r(3), Step{"2,5", "", {4, 0, 0, 0}}, r(5), r(6)}},
        {"select 4\nlamps 9 8 7 63\nslider 20\nchange",
         {r(1), r(2), r(3), Step{"2", "", {9, 8, 7, 63}}, r(5), r(6)}},
        // A click shows the row's lamps, which append then takes.
        {"select 3\nslider 7\nappend",
         {r(1), r(2), r(3), r(4), r(5), r(6), Step{"0,7", "", {3, 0, 0, 0}}}},
        {"select 1-2\nmirror",
         {Step{"0,5", "", {0, 1, 0, 0}}, Step{"1", "", {0, 2, 0, 0}}, r(3), r(4), r(5), r(6)}},
        {"select 1-2\nreverse", {r(2), r(1), r(3), r(4), r(5), r(6)}},
        {"stretch 2",
         {Step{"1", "", {1, 0, 0, 0}}, Step{"2", "", {2, 0, 0, 0}}, Step{"0,6", "", {3, 0, 0, 0}},
          Step{"0,8", "", {4, 0, 0, 0}}, Step{"1", "", {5, 0, 0, 0}},
          Step{"1,2", "", {6, 0, 0, 0}}}},
        {"stretch abc", {r(1), r(2), r(3), r(4), r(5), r(6)}, {text::StretchFactorQuestion}},
        {"goodbye-from-welcome",
         {r(1), r(2), r(3), r(4), r(5), r(6)},
         {text::ReplaceGoodbyeQuestion},
         {r(6), r(5), r(4), r(3), r(2), r(1)}},
        {"select 6\npattern blink 1.0,2.0 0.5 1",
         {r(1), r(2), r(3), r(4), r(5), r(6), Step{"0,5", "", {1, 1, 0, 0}},
          Step{"0,5", "", {0, 0, 0, 0}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const EditRun e = runEdit(QString::fromUtf8(c.script));
        EXPECT_EQ(e.run.exitCode, 0) << qPrintable(e.run.err);
        EXPECT_EQ(e.run.out, messagesText(c.messages));
        ASSERT_TRUE(e.written);
        EXPECT_EQ(e.written->sequences[kWelcome], c.welcome);
        EXPECT_EQ(e.written->sequences[kGoodbye], c.goodbye);
    }
}

TEST(CliEdit, BoundsTheLimitsAsTheWindowDoes) {
    // 21 loops of two rows each over 48 rows: the 21st is refused.
    QString twentyOneLoops = grownTo(48);
    for (int loop = 0; loop < 21; ++loop)
        twentyOneLoops +=
            QStringLiteral("select %1-%2\nloop 2\n").arg(2 * loop + 1).arg(2 * loop + 2);
    // 480 rows, and 48 more would pass 500.
    QString fullTable = grownTo(48) + "select 1-48\ncopy\n";
    for (int rows = 48; rows < 480; rows += 48) fullTable += "paste-end\n";
    fullTable += "paste-end\n";

    struct Case {
        QString script;
        QList<int> messages;
        int rows;
        int markedRows;
    };
    const Case cases[] = {
        // A 32-row loop that grows by an insert loses its last row.
        {grownTo(36) + "select 1-32\nloop 2\nselect 5\ninsert", {text::LoopShortened}, 37, 32},
        {grownTo(54) + "select 1-52\ncopy\ncut",
         {text::LimitTooManyToCopy, text::LimitTooManyToCopy},
         54,
         0},
        {grownTo(36) + "select 1-33\nloop 2", {text::LoopTooLong}, 36, 0},
        {twentyOneLoops, {text::LimitTooManyLoops}, 48, 40},
        {fullTable, {text::LimitTooManyRows}, 480, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script.right(60).toStdString());
        const EditRun e = runEdit(c.script);
        EXPECT_EQ(e.run.exitCode, 0) << qPrintable(e.run.err);
        EXPECT_EQ(e.run.out, messagesText(c.messages));
        ASSERT_TRUE(e.written);
        const Sequence& rows = e.written->sequences[kWelcome];
        EXPECT_EQ(rows.size(), c.rows);
        EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                                [](const Step& s) { return !s.loop.isEmpty(); }),
                  c.markedRows);
    }
}

TEST(CliEdit, ABadLineOrInputStopsBeforeAnythingIsWritten) {
    const struct {
        const char* script;
        const char* problem;
    } cases[] = {
        {"select 2\nfrobnicate", "line 2: unknown command frobnicate"},
        {"append\n\nselect 9", "line 3: row 9 does not exist (sequence 0 has 7 rows)"},
        {"lamps 1 2 3", "line 1: expected lamps A B C D (0-63 each)"},
        {"lamps 1 2 3 64", "line 1: expected lamps A B C D (0-63 each)"},
        {"slider 0", "line 1: expected slider N"},
        {"sequence 2", "line 1: expected sequence 0|1"},
        {"select 3-1", "line 1: invalid rows 3-1"},
        {"stretch", "line 1: stretch needs the factor F"},
        {"delete now", "line 1: delete takes no argument"},
        {"pattern spin 1.0 0.5 1", "line 1: unknown pattern spin"},
        {"pattern chase 1.0 0.5 21", "line 1: invalid passes 21"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        const EditRun e = runEdit(QString::fromUtf8(c.script));
        EXPECT_EQ(e.run.exitCode, 2);
        EXPECT_TRUE(e.run.err.contains(QString::fromUtf8(c.problem))) << qPrintable(e.run.err);
        EXPECT_FALSE(e.written);
    }
    QTemporaryDir dir;
    const QString in = dir.filePath("in.kvs"), out = dir.filePath("out.kvs");
    ASSERT_TRUE(writeKvsFile(in, sample()));
    EXPECT_EQ(runCli({"edit", in, "-o", out, "--script", dir.filePath("none.txt")}).exitCode, 2);
    EXPECT_EQ(
        runCli({"edit", dir.filePath("none.kvs"), "-o", out, "--script", "-"}, "undo").exitCode, 2);
    EXPECT_EQ(runCli({"edit", in, "--script", "-"}, "undo").exitCode, 2);
    EXPECT_FALSE(QFile::exists(out));
}

// The script and the session driven directly, with the user's answers, end the same.
TEST(CliEdit, AScriptEndsAsTheSessionDrivenDirectly) {
    const QString script = QStringLiteral(
        "select 2-5\nloop 3\nselect 1-3\ncopy\nselect 4\npaste\nselect 2\ndelete\nslider 12\n"
        "select 1,3\nchange\nsequence 1\nselect 2\npaste\nundo\nredo\nsequence 0\nselect 1-2\n"
        "unloop\nstretch 1,5\nselect 4\ncut\ngoodbye-from-welcome\nselect 1-2\nloop 30\n");
    const EditRun e = runEdit(script);
    ASSERT_EQ(e.run.exitCode, 0) << qPrintable(e.run.err);

    MemorySettingsStore settings;
    test::FakePrompter prompter;
    test::FakeClock clock;
    EditingSession session(settings, prompter, LanguageTable::builtIn(), clock);
    session.editor().reset(sample());
    const auto click = [&](QList<int> rows) {
        session.setSelection(session.activeSequence(), Selection{rows, rows.first()});
        session.showStep();
    };
    click({1, 2, 3, 4});
    prompter.inputAnswers = {QString("3")};
    session.createLoop();
    click({0, 1, 2});
    session.copyRows();
    click({3});
    session.pasteRows();
    click({1});
    prompter.questionAnswers = {true};
    session.deleteRows();
    session.setOnTime(12);
    click({0, 2});
    session.changeRows();
    session.chooseSequence(1);
    click({1});
    session.pasteRows();
    session.undo();
    session.redo();
    session.chooseSequence(0);
    click({0, 1});
    session.deleteLoop();
    prompter.inputAnswers = {QString("1,5")};
    session.stretchRows();
    click({3});
    session.cutRows();
    prompter.questionAnswers = {true};
    session.goodbyeFromWelcome();
    click({0, 1});
    prompter.inputAnswers = {QString("30")};
    session.createLoop();

    ASSERT_TRUE(e.written);
    EXPECT_EQ(e.written->sequences, session.document().sequences);
    QStringList shown, reported;
    for (const auto& p : prompter.prompts)
        if (p.kind == "message" || p.kind == "question") shown << p.text;
    for (const QString& line : e.run.out.split('\n', Qt::SkipEmptyParts))
        reported << LanguageTable::builtIn().entry(line.section(' ', 1).toInt());
    EXPECT_EQ(reported, shown);
    EXPECT_EQ(e.run.out.count("message"), 3);  // delete, replace goodbye, repeat count
}

// A line written back reads as the same line.
TEST(EditScript, LinesReadBackAsWritten) {
    for (const char* text :
         {"sequence 1", "select 2-4,7", "select none", "current 3", "lamps 1 0 63 5", "slider 100",
          "append", "paste-end", "loop", "loop 4", "loop x y", "stretch 0,5", "unloop",
          "goodbye-from-welcome", "compact", "pattern bounce 1.0,2.5,M 0.3 4 outside-in", "redo"}) {
        const EditLineRead read = readEditLine(QString::fromUtf8(text));
        ASSERT_TRUE(read.line) << text << ": " << qPrintable(read.problem);
        EXPECT_EQ(editLineText(*read.line), QString::fromUtf8(text));
    }
}
