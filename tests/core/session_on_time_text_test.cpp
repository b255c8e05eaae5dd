// Every way rows come into a table gives on-times that the table, the timeline and the tool tips
// show in the user's form: a point in English, a comma in German, whatever form the rows were
// made or read in.
#include <gtest/gtest.h>

#include <QLocale>
#include <functional>

#include "files/document_json.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "platform/settings_store.h"
#include "sequence/pattern_command.h"
#include "session/editing_session.h"
#include "tests/support/fakes.h"
#include "text/language.h"

using namespace vireo;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

// Rows with on-times in tenths, the lamps telling them apart.
Sequence rowsOf(std::initializer_list<int> tenths) {
    Sequence rows;
    int lamp = 1;
    for (int t : tenths) rows << Step{OnTime::ofTenths(t), {}, LampBytes{lamp++ % 64, 0, 0, 0}};
    return rows;
}

Selection rowsSelected(std::initializer_list<int> rows, int current) {
    Selection s;
    for (int r : rows) s.rows << r;
    s.current = current;
    return s;
}

struct Path {
    const char* name;
    std::function<void(EditingSession&, test::FakePrompter&)> run;
    int sequence = kWelcome;
};

void PrintTo(const Path& path, std::ostream* os) {
    *os << path.name;
}

class OnTimeTextTest : public ::testing::TestWithParam<Path> {
  protected:
    void SetUp() override {
        session.applyModel();
        // A blink of 0,5 s and 1,5 s, twice, then 0,3 s of another lamp.
        Document d;
        d.sequences[kWelcome] = rowsOf({5, 15, 5, 15, 3});
        for (int r : {2, 3}) d.sequences[kWelcome][r].lamps = d.sequences[kWelcome][r - 2].lamps;
        session.editor().reset(d);
    }

    MemorySettingsStore store;
    test::FakePrompter prompter;
    test::FakeClock clock;
    EditingSession session{store, prompter, LanguageTable::builtIn(), clock};
};

TEST_P(OnTimeTextTest, ShowsTheLocalesSeparator) {
    const Path& path = GetParam();
    const Document before = session.document();
    path.run(session, prompter);
    const Sequence& rows = session.document().sequences[path.sequence];
    ASSERT_FALSE(rows.isEmpty());
    ASSERT_NE(session.document(), before) << path.name << " changed nothing";
    int fractions = 0;
    for (const Step& row : rows) {
        const QString english = row.time.text(kEnglish);
        const QString german = row.time.text(kGerman);
        EXPECT_FALSE(english.contains(QLatin1Char(',')))
            << path.name << ": " << english.toStdString();
        EXPECT_FALSE(german.contains(QLatin1Char('.')))
            << path.name << ": " << german.toStdString();
        if (english.contains(QLatin1Char('.'))) {
            ++fractions;
            EXPECT_EQ(QString(german).replace(QLatin1Char(','), QLatin1Char('.')), english);
        }
    }
    EXPECT_GT(fractions, 0) << path.name << ": no on-time with a fraction to show";
}

const Path kPaths[] = {
    {"append",
     [](EditingSession& s, test::FakePrompter&) {
         s.setOnTime(7);
         s.appendStep();
     }},
    {"change",
     [](EditingSession& s, test::FakePrompter&) {
         s.setSelection(kWelcome, rowsSelected({1}, 1));
         s.setOnTime(25);
         s.changeRows();
     }},
    {"insert",
     [](EditingSession& s, test::FakePrompter&) {
         s.setSelection(kWelcome, rowsSelected({0}, 0));
         s.setOnTime(2);
         s.insertRow();
     }},
    {"paste",
     [](EditingSession& s, test::FakePrompter&) {
         s.setSelection(kWelcome, rowsSelected({0, 1}, 0));
         s.copyRows();
         s.pasteRowsAtEnd();
     }},
    {"file read",
     [](EditingSession& s, test::FakePrompter&) {
         Document d = s.document();
         d.sequences[kWelcome] << Step{OnTime::ofTenths(45), {}, {9, 0, 0, 0}};
         // Written with a point, read back: the table still shows its user's form.
         const KvsReadResult read = readKvs(kvsBytes(d, QLocale::c()));
         ASSERT_EQ(read.verdict, KvsVerdict::Loaded);
         s.editor().reset(read.document);
     }},
    {"JSON write and read",
     [](EditingSession& s, test::FakePrompter&) {
         Document d = s.document();
         d.sequences[kWelcome] << Step{OnTime::ofTenths(45), {}, {9, 0, 0, 0}};
         const auto read = documentFromJson(documentToJson(d, kGerman));
         ASSERT_TRUE(read.has_value());
         s.editor().reset(*read);
     }},
    {"compact",
     [](EditingSession& s, test::FakePrompter&) {
         ASSERT_TRUE(s.applyCompaction(s.planCompaction(false)));
     }},
    {"pattern",
     [](EditingSession& s, test::FakePrompter&) {
         PatternChoice choice;
         choice.kind = PatternKind::Blink;
         choice.lamps = {PatternLamp{1, 0}};
         choice.tenths = 3;
         choice.passes = 2;
         s.insertPattern(choice);
     }},
    {"mirror", [](EditingSession& s, test::FakePrompter&) { s.mirrorRows(); }},
    {"reverse", [](EditingSession& s, test::FakePrompter&) { s.reverseRows(); }},
    {"stretch", [](EditingSession& s, test::FakePrompter&) { s.stretchRowsBy(1.5); }},
    {"goodbye from welcome",
     [](EditingSession& s, test::FakePrompter& prompter) {
         prompter.questionAnswers.push_back(true);
         s.goodbyeFromWelcome();
     },
     kGoodbye},
};

INSTANTIATE_TEST_SUITE_P(EveryPath, OnTimeTextTest, ::testing::ValuesIn(kPaths),
                         [](const ::testing::TestParamInfo<Path>& info) {
                             QString name = QString::fromLatin1(info.param.name);
                             name.replace(QLatin1Char(' '), QLatin1Char('_'));
                             return name.toStdString();
                         });

}  // namespace
