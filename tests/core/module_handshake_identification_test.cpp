#include <gtest/gtest.h>

#include "module/handshake.h"
#include "module/identification_report.h"
#include "tests/core/module_fake_link.h"

namespace vireo {
namespace {

using test::FakeByteLink;
using test::FakeClock;
using test::FakePrompter;

const QString kTitle = QStringLiteral("Vireo");

QString modelName(int index) {
    return index == 0 ? QStringLiteral("Uncodiert") : QStringLiteral("Model %1").arg(index);
}

QString standardLines() {
    return QStringLiteral("E112\n\nE186\nE187\nE190\nE193\nE209\nE194\nE195\nE188\nE189\n\n");
}

class IdentificationTest : public ::testing::Test {
  protected:
    int show(const QString& type, const QString& version, const QString& date = {}, int model = 0) {
        link.open(QStringLiteral("dev"));
        identity = {true, type, version, date, model};
        return showModuleInfo(identity, port, prompter, language, kTitle, modelName);
    }
    const FakePrompter::Prompt& shown() const { return prompter.prompts.at(0); }

    FakeClock clock;
    FakeByteLink link{clock};
    ModulePort port{link, clock, [](int) { return QStringLiteral("dev"); }};
    ModuleIdentity identity;
    FakePrompter prompter;
    LanguageTable language = test::numberedLanguage();
};

TEST_F(IdentificationTest, MerixReportListsItsExtrasAndHasTheSmallMemory) {
    EXPECT_EQ(show(QStringLiteral("6.1"), QStringLiteral("2.5")), 510);
    EXPECT_EQ(shown().text,
              standardLines() + QStringLiteral("  - E61\n  - E198\n  - E197\n  - E200\n  - E201\n\n"
                                               "E113 Vireo - Merix\nE1272.5  / E285 6.1\n"
                                               "E288 510\n\n"));
    EXPECT_EQ(shown().title, QStringLiteral("E114"));
    EXPECT_EQ(shown().icon, PromptIcon::Information);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(IdentificationTest, TovanHasNoExtrasAndQuellAddsOne) {
    EXPECT_EQ(show(QStringLiteral("5.0"), QStringLiteral("2.4")), 1010);
    EXPECT_EQ(shown().text, standardLines() + QStringLiteral("E113 Vireo - Tovan\n"
                                                             "E1272.4  / E285 5.0\n"
                                                             "E288 1010\n\n"));
    prompter.prompts.clear();
    EXPECT_EQ(show(QStringLiteral("5.2"), QStringLiteral("3.0")), 1010);
    EXPECT_TRUE(
        shown().text.contains(QStringLiteral("  - E201\n  - E177\n\nE113 Vireo - Quell\n")));
}

TEST_F(IdentificationTest, OldFirmwareGetsTheUpdateRequestAndThePortIsClosed) {
    EXPECT_EQ(show(QStringLiteral("5.1"), QStringLiteral("2.3")), 1010);
    EXPECT_EQ(shown().text, QStringLiteral("E211\n\nE212 E127 2.4\n\nE1272.3  / E285 5.1"));
    EXPECT_EQ(shown().title, kTitle);
    EXPECT_EQ(shown().icon, PromptIcon::Warning);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(IdentificationTest, UnknownTypeWarnsWithEntry163) {
    EXPECT_EQ(show(QStringLiteral("7.0"), QStringLiteral("3.0")), 510);
    EXPECT_EQ(shown().text, QStringLiteral("E163"));
    EXPECT_EQ(shown().title, kTitle);
    EXPECT_EQ(shown().icon, PromptIcon::Warning);
}

TEST_F(IdentificationTest, DeveloperReportEndsWithDateAndCodedModel) {
    show(QStringLiteral("6.0"), QStringLiteral("2.5"), QStringLiteral("24.12.2009"), 0);
    EXPECT_TRUE(shown().text.endsWith(
        QStringLiteral("E1272.5  / E285 6.0\nE288 510\n\nE28624.12.2009\nE287Uncodiert\n")));
    // Shown again, the block is built afresh rather than wrapped a second time.
    prompter.prompts.clear();
    show(QStringLiteral("6.0"), QStringLiteral("2.5"), QStringLiteral("24.12.2009"), 30);
    EXPECT_EQ(shown().text.count(QStringLiteral("E286")), 1);
    EXPECT_TRUE(shown().text.contains(QStringLiteral("E287Model 30")));
}

// The words of the status line and the report come from the language in use.
TEST(ModuleEditions, IdentificationTextsSpeakTheLanguage) {
    LanguageTable english;
    ASSERT_EQ(english.load(QStringLiteral(VIREO_BIN_DIR), QStringLiteral("English")),
              LanguageTable::Status::Ok);
    ModuleIdentity identity;
    identity.type = QStringLiteral("5.1");
    identity.version = QStringLiteral("2.5");
    identity.compilerDate = QStringLiteral("24.12.2009");
    EXPECT_EQ(connectedInfoText(identity, english), "Kelvor Vireo Ver. 2.5 / Type 5.1");
    const QString report =
        editionReportText(identity, english, compilerDateBlock(identity, {}, english));
    EXPECT_TRUE(
        report.contains("2.5  / Type 5.1\nModule memory: 1010 bytes\n\n"
                        "Software compiler date: 24.12.2009\nCoded for the model: \n"))
        << report.toStdString();
}

TEST(ModuleEditions, MemoryRuleAndFirmwareThreshold) {
    for (const auto& [type, memory] : std::vector<std::pair<const char*, int>>{
             {"5.0", 1010}, {"5.9", 1010}, {"6.2", 510}, {"7.0", 510}, {"", 510}})
        EXPECT_EQ(memorySizeForType(QString::fromLatin1(type)), memory) << type;
    for (const auto& [version, current] : std::vector<std::pair<const char*, bool>>{{"2.4", true},
                                                                                    {"2.3", false},
                                                                                    {"3.0", true},
                                                                                    {"9.9", true},
                                                                                    {"1.9", false},
                                                                                    {"x.5", false},
                                                                                    {".", false},
                                                                                    {"2.x", false}})
        EXPECT_EQ(firmwareIsCurrent(QString::fromLatin1(version)), current) << version;
}

}  // namespace
}  // namespace vireo
