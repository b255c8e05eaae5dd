// Checks the language files that ship with the program.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "text/language.h"

namespace vireo {
namespace {

const QString kLanguageFolder = QStringLiteral(VIREO_LANG_DIR);

// Every entry the program names in text/text_ids.h, by its name.
QMap<int, QString> namedEntries() {
    QFile file(QStringLiteral(VIREO_SOURCE_DIR "/text/text_ids.h"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString source = QString::fromUtf8(file.readAll());
    static const QRegularExpression id(QStringLiteral(R"(constexpr int (\w+) =\s*(\d+);)"));
    QMap<int, QString> names;
    for (const QRegularExpressionMatch& m : id.globalMatch(source))
        names.insert(m.captured(2).toInt(), m.captured(1));
    return names;
}

class ShippedLanguageFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedLanguageFile, HasCrLfLinesWithNumberPrefixes) {
    QFile file(kLanguageFolder + QLatin1Char('/') + QLatin1String(GetParam()) + ".kvl");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();  // after the last line break
    ASSERT_EQ(lines.size(), LanguageTable::highestEntry());
    for (int n = 1; n <= lines.size(); ++n) {
        const QByteArray& line = lines[n - 1];
        ASSERT_TRUE(line.endsWith('\r')) << "line " << n << " does not end in CR LF";
        EXPECT_EQ(line.left(4), QByteArray::number(n).rightJustified(4, '0')) << "line " << n;
    }
}

TEST_P(ShippedLanguageFile, HoldsATextForEveryNamedEntry) {
    LanguageTable table;
    ASSERT_EQ(table.load(kLanguageFolder, QString::fromLatin1(GetParam())),
              LanguageTable::Status::Ok);
    const QMap<int, QString> named = namedEntries();
    ASSERT_GT(named.size(), 200);  // the header was read
    EXPECT_LE(named.lastKey(), LanguageTable::highestEntry()) << qPrintable(named.last());
    for (auto it = named.cbegin(); it != named.cend(); ++it)
        EXPECT_FALSE(table.entry(it.key()).trimmed().isEmpty())
            << "entry " << it.key() << " (" << qPrintable(it.value()) << ")";
}

// The committed files are exactly what scripts/make-language-files.py writes from its table.
TEST_P(ShippedLanguageFile, IsWhatTheScriptWrites) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess script;
    script.start(QStringLiteral(VIREO_PYTHON3),
                 {QStringLiteral(VIREO_SOURCE_DIR "/scripts/make-language-files.py"), out.path()});
    ASSERT_TRUE(script.waitForFinished(60000));
    ASSERT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();
    const QString name = QLatin1String(GetParam()) + QStringLiteral(".kvl");
    QFile written(out.filePath(name));
    QFile committed(kLanguageFolder + QLatin1Char('/') + name);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll() == committed.readAll())
        << "run python3 scripts/make-language-files.py";
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageFile, ::testing::Values("Deutsch", "English"));

// The built-in texts are the German file itself: every entry reads the same.
TEST(ShippedLanguageFiles, BuiltInTableIsTheGermanFile) {
    LanguageTable german;
    ASSERT_EQ(german.load(kLanguageFolder, QStringLiteral("Deutsch")), LanguageTable::Status::Ok);
    const LanguageTable& builtIn = LanguageTable::builtIn();
    ASSERT_EQ(builtIn.size(), german.size());
    for (int n = 1; n < german.size(); ++n)
        EXPECT_EQ(builtIn.entry(n), german.entry(n)) << "entry " << n;
}

TEST(ShippedLanguageFiles, BuiltInTableHoldsTheGermanTexts) {
    const LanguageTable& builtIn = LanguageTable::builtIn();
    EXPECT_EQ(builtIn.entry(1), "&Datei");
    EXPECT_EQ(builtIn.entry(83),
              QString::fromUtf8(
                  "Die Sequenzen wurden geändert. Sollen die Änderungen gespeichert werden?"));
    EXPECT_EQ(builtIn.entry(91), "Der Port ");  // the blank joins it to the port number
    EXPECT_EQ(builtIn.entry(177), "Spiegel ein und ausklappen");  // eight characters cut
    EXPECT_EQ(builtIn.entry(212), QString::fromUtf8("Dieses Programm benötigt mindestens"));
    EXPECT_EQ(builtIn.entry(38), "");  // unused entries stay empty
}

// A translation must not drop or add a text: the program would show the German fallback or
// nothing where the other language has a text.
TEST(ShippedLanguageFiles, BothFilesHaveTextsForTheSameEntries) {
    LanguageTable german;
    LanguageTable english;
    ASSERT_EQ(german.load(kLanguageFolder, QStringLiteral("Deutsch")), LanguageTable::Status::Ok);
    ASSERT_EQ(english.load(kLanguageFolder, QStringLiteral("English")), LanguageTable::Status::Ok);
    ASSERT_EQ(german.size(), english.size());
    for (int n = 1; n < german.size(); ++n)
        EXPECT_EQ(german.entry(n).isEmpty(), english.entry(n).isEmpty()) << "entry " << n;
}

TEST(ShippedLanguageFiles, EnglishFileTranslatesTheCaptions) {
    LanguageTable english;
    ASSERT_EQ(english.load(kLanguageFolder, QStringLiteral("English")), LanguageTable::Status::Ok);
    for (int n : {1, 22, 31, 76, 78, 177, 200})
        EXPECT_NE(english.entry(n), LanguageTable::builtIn().entry(n)) << "entry " << n;
    // Joined texts keep their blanks: "Port 3 does not exist", "1,5 sec on/off".
    EXPECT_TRUE(english.entry(91).endsWith(QLatin1Char(' ')));
    EXPECT_TRUE(english.entry(92).startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(english.entry(76).startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(english.entry(31).startsWith(QStringLiteral("        ")));
}

}  // namespace
}  // namespace vireo
