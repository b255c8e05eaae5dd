// Checks the language files that ship with the program.
#include <gtest/gtest.h>

#include <QFile>
#include <utility>

#include "text/language.h"

namespace vireo {
namespace {

const QString kLanguageFolder = QStringLiteral(VIREO_LANG_DIR);

// Every entry a window or message of the program shows.
const int kUsedEntries[] = {
    1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  15,  16,  17,
    18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  28,  29,  30,  31,  32,  33,  34,
    35,  36,  37,  44,  45,  46,  47,  48,  49,  51,  56,  57,  58,  61,  62,  63,  64,
    65,  66,  67,  68,  69,  70,  71,  72,  73,  74,  75,  76,  78,  79,  80,  81,  82,
    83,  84,  85,  86,  87,  88,  89,  90,  91,  92,  93,  94,  95,  96,  97,  98,  99,
    100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116,
    117, 118, 119, 120, 122, 124, 125, 126, 127, 152, 155, 156, 163, 177, 186, 187, 188,
    189, 190, 193, 194, 195, 197, 198, 199, 200, 201, 203, 207, 208, 209, 211, 212,
};

// The German captions the windows carry built in; the German file must hold exactly these.
const std::pair<int, const char*> kGermanCaptions[] = {
    {1, "Datei"},
    {7, "Modul Update"},
    {19, "Einfügen an Tabellenende"},
    {20, "Simula&tion |>"},
    {21, "Simulation >>"},
    {23, "&Ändern"},
    {25, "Zeile(n) &löschen"},
    {28, "Speicher&bedarf"},
    {31, "        Speichern und weiter"},
    {32, "Dateiendung neu registrieren"},
    {35, "Öffnen"},
    {36, "Schliessen"},
    {46, "Coupé"},
    {57, "Funktion \"Autom.\" beim Programmstart aktivieren"},
    {62, " Simulation "},
    {63, " Bearbeiten "},
    {64, " Schleife"},
    {65, " Fernbedienung"},
    {66, " Daten "},
    {67, " Programm"},
    {68, " Lichtfunktionen "},
    {72, "Fernlichtscheinwerfer und Standlichtringe"},
    {75, "Fahrzeugtyp - Auswahl und Einstellungen"},
    {76, " Sec ein/aus"},
    {78, " Nicht verbunden mit Modul"},
    {152, " Fahrzeugfunktionen "},
    {155, "FFB 1x kurz betätigt"},
    {156, "FFB 1x lang betätigt"},
    {177, "Spiegel ein und ausklappen"},
    {199, "Tagfahrlicht über Standlicht"},
    {200, "Begrüßungslicht"},
    {207, "Modell ab 10.2006"},
    {208, "Soft ein"},
};

class ShippedLanguageFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedLanguageFile, HasCrLfLinesWithNumberPrefixes) {
    QFile file(kLanguageFolder + QLatin1Char('/') + QLatin1String(GetParam()) + ".kvl");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();  // after the last line break
    ASSERT_GE(lines.size(), LanguageTable::kHighestEntry);
    for (int n = 1; n <= lines.size(); ++n) {
        const QByteArray& line = lines[n - 1];
        ASSERT_TRUE(line.endsWith('\r')) << "line " << n << " does not end in CR LF";
        EXPECT_EQ(line.left(4), QByteArray::number(n).rightJustified(4, '0')) << "line " << n;
    }
}

TEST_P(ShippedLanguageFile, HoldsATextForEveryUsedEntry) {
    LanguageTable table;
    ASSERT_EQ(table.load(kLanguageFolder, QString::fromLatin1(GetParam())),
              LanguageTable::Status::Ok);
    for (int n : kUsedEntries) EXPECT_FALSE(table.entry(n).trimmed().isEmpty()) << "entry " << n;
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageFile, ::testing::Values("Deutsch", "English"));

TEST(ShippedLanguageFiles, GermanFileHoldsTheBuiltInCaptions) {
    LanguageTable german;
    ASSERT_EQ(german.load(kLanguageFolder, QStringLiteral("Deutsch")), LanguageTable::Status::Ok);
    for (const auto& [n, caption] : kGermanCaptions)
        EXPECT_EQ(german.entry(n), QString::fromUtf8(caption)) << "entry " << n;
}

TEST(ShippedLanguageFiles, BuiltInTableHoldsTheGermanTexts) {
    const LanguageTable& builtIn = LanguageTable::builtIn();
    EXPECT_EQ(builtIn.entry(1), "Datei");
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
