#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "text/language.h"

namespace vireo {
namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A language file of `lines` lines "nnnnText n", line 177 with its four filler characters.
QByteArray numberedFile(int lines) {
    QByteArray bytes;
    for (int n = 1; n <= lines; ++n) {
        QByteArray line = QByteArray::number(n).rightJustified(4, '0');
        if (n == 177) line += "xxxx";
        bytes += line + "Text " + QByteArray::number(n) + "\r\n";
    }
    return bytes;
}

TEST(LanguageTable, DropsThePrefixOfEveryLineAndDecodesWindows1252) {
    LanguageTable table;
    table.parse(
        "0001Datei\r\n"
        "0002\r\n"
        "123\r\n"
        "0004  Speichern und weiter \r\n"
        "0005\xD6"
        "ffnen, Coup\xE9, Begr\xFC\xDF"
        "ung\r\n");
    EXPECT_EQ(table.entry(1), "Datei");
    EXPECT_EQ(table.entry(2), "");                         // four characters: empty entry
    EXPECT_EQ(table.entry(3), "");                         // shorter than four: empty entry
    EXPECT_EQ(table.entry(4), "  Speichern und weiter ");  // blanks are part of the text
    EXPECT_EQ(table.entry(5), QStringLiteral("Öffnen, Coupé, Begrüßung"));
}

TEST(LanguageTable, Entry177LosesEightCharactersAndNoOtherLineDoes) {
    LanguageTable table;
    table.parse(numberedFile(212));
    EXPECT_EQ(table.entry(176), "Text 176");
    EXPECT_EQ(table.entry(177), "Text 177");
    EXPECT_EQ(table.entry(178), "Text 178");
    EXPECT_EQ(table.entry(212), "Text 212");
}

// A file edited or checked out on another system may end its lines differently; every form,
// mixed too, gives the same table as CR LF.
TEST(LanguageTable, ReadsCrLfLfAndCrLineEndsAlike) {
    const QByteArray crlf = numberedFile(229);
    LanguageTable expected;
    expected.parse(crlf);
    QByteArray mixed = crlf;
    for (qsizetype i = 0, n = 0; (i = mixed.indexOf("\r\n", i)) >= 0; ++n) {
        if (n % 3 == 1) mixed.remove(i, 1);      // LF
        if (n % 3 == 2) mixed.remove(i + 1, 1);  // CR
        i += 1;
    }
    QByteArray lf = crlf, cr = crlf;
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {{"LF", lf.replace("\r\n", "\n")},
                 {"CR", cr.replace("\r\n", "\r")},
                 {"mixed", mixed},
                 {"no line end after the last line", crlf.chopped(2)}};
    for (const auto& c : cases) {
        LanguageTable table;
        table.parse(c.bytes);
        EXPECT_EQ(table.size(), expected.size()) << c.name;
        for (int n : {1, 2, 176, 177, 178, 229})
            EXPECT_EQ(table.entry(n), expected.entry(n)) << c.name << " entry " << n;
    }
    EXPECT_EQ(expected.size(), 230);
    EXPECT_EQ(expected.entry(177), "Text 177");
}

TEST(LanguageTable, ListsOnlyLowerCaseKvlFilesSortedByName) {
    QTemporaryDir dir;
    for (const char* name :
         {"English.kvl", "Deutsch.kvl", "Caps.KVL", "notes.txt", "Fr.v2.kvl", "Old.kvl.bak"})
        writeBytes(dir.filePath(QString::fromLatin1(name)), "0001x\r\n");
    EXPECT_EQ(listLanguages(dir.path()), (QStringList{"Deutsch", "English", "Fr"}));
}

TEST(LanguageTable, MissingFileFallsBackToBuiltInGerman) {
    QTemporaryDir dir;
    LanguageTable table;
    EXPECT_EQ(table.load(dir.path(), QStringLiteral("Klingonisch")),
              LanguageTable::Status::Missing);
    EXPECT_EQ(table.entry(31), QStringLiteral("        Speichern und &weiter"));
    EXPECT_FALSE(table.entry(88).isEmpty());
}

TEST(LanguageTable, ShortFileKeepsItsLinesAndBorrowsTheRestFromBuiltInGerman) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("Kurz.kvl"), "0001File\r\n0002\r\n");
    LanguageTable table;
    EXPECT_EQ(table.load(dir.path(), QStringLiteral("Kurz")), LanguageTable::Status::Short);
    EXPECT_EQ(table.entry(1), "File");
    EXPECT_EQ(table.entry(2), "");  // present in the file, though empty
    EXPECT_EQ(table.entry(3), QStringLiteral("&Öffnen…"));
    EXPECT_EQ(table.entry(212), LanguageTable::builtIn().entry(212));
}

// A file is complete when it holds every entry of the German file built in; one that stops a
// line short borrows the missing texts and says so.
TEST(LanguageTable, FileIsCompleteOnlyUpToTheHighestEntryOfTheBuiltInFile) {
    const int highest = LanguageTable::highestEntry();
    ASSERT_GT(highest, 0);
    EXPECT_EQ(highest, LanguageTable::builtIn().size() - 1);
    QTemporaryDir dir;
    writeBytes(dir.filePath("Voll.kvl"), numberedFile(highest));
    writeBytes(dir.filePath("Fast.kvl"), numberedFile(highest - 1));
    LanguageTable full;
    EXPECT_EQ(full.load(dir.path(), QStringLiteral("Voll")), LanguageTable::Status::Ok);
    EXPECT_EQ(full.entry(100), "Text 100");
    EXPECT_EQ(full.entry(highest), QStringLiteral("Text %1").arg(highest));
    LanguageTable nearly;
    EXPECT_EQ(nearly.load(dir.path(), QStringLiteral("Fast")), LanguageTable::Status::Short);
    EXPECT_EQ(nearly.entry(highest), LanguageTable::builtIn().entry(highest));
}

}  // namespace
}  // namespace vireo
