#include <gtest/gtest.h>

#include <QMap>

#include "config/settings_keys.h"
#include "config/startup_settings.h"
#include "module/port_choice.h"
#include "module/port_names.h"
#include "tests/core/module_fake_link.h"

namespace vireo {
namespace {

using test::FakeByteLink;
using test::FakeClock;
using test::FakePrompter;

class PortChoiceTest : public ::testing::Test {
  protected:
    void choose(int index) { choosePort(index, port, settings, prompter, language, view); }

    FakeClock clock;
    FakeByteLink link{clock};
    // Ports 1 to 4 exist.
    ModulePort port{link, clock, [](int n) {
                        return n <= 4 ? QStringLiteral("/dev/ttyS%1").arg(n) : QString();
                    }};
    MemorySettingsStore settings;
    FakePrompter prompter;
    LanguageTable language = test::numberedLanguage();
    QStringList shown;  // what the window was told, in order
    PortChoiceView view{[this](int n) { shown << QStringLiteral("check %1").arg(n); },
                        [this](const QString& t) { shown << QStringLiteral("label") + t; },
                        [this] { shown << QStringLiteral("notice closed"); }};
};

TEST_F(PortChoiceTest, AFreePortIsTriedStoredShownAndClosedAgain) {
    port.setNumber(1);
    port.open();
    choose(3);
    EXPECT_EQ(link.events,
              (QStringList{QStringLiteral("open /dev/ttyS1"), QStringLiteral("close"),
                           QStringLiteral("open /dev/ttyS3"), QStringLiteral("close")}));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("check 3"), QStringLiteral("label Port: 3")}));
    EXPECT_EQ(settings.read(settings_keys::kPort), QStringLiteral("3"));
    EXPECT_EQ(port.number(), 3);
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(PortChoiceTest, AMissingPortShowsTheErrorAndIsStillChosen) {
    choose(7);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, QStringLiteral("E917E92"));
    EXPECT_EQ(prompter.prompts[0].title, QStringLiteral("E93"));
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Error);
    EXPECT_EQ(settings.read(settings_keys::kPort), QStringLiteral("7"));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("check 7"), QStringLiteral("notice closed"),
                                  QStringLiteral("label Port: 7")}));
    EXPECT_FALSE(port.isOpen());
}

TEST_F(PortChoiceTest, APortInUseShowsTheTwoLineWarning) {
    link.openResult = LinkOpenResult::InUse;
    choose(2);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, QStringLiteral("E912E94\nE95"));
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Warning);
    EXPECT_EQ(settings.read(settings_keys::kPort), QStringLiteral("2"));
}

TEST_F(PortChoiceTest, NoPermissionNamesTheDeviceAndTheAccessNeeded) {
    link.openResult = LinkOpenResult::PermissionDenied;
    choose(4);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_TRUE(prompter.prompts[0].text.contains(QStringLiteral("/dev/ttyS4")));
    EXPECT_TRUE(prompter.prompts[0].text.contains(QStringLiteral("dialout")));
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Error);
}

TEST_F(PortChoiceTest, OtherFailuresAreIgnored) {
    link.openResult = LinkOpenResult::OtherError;
    choose(2);
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_EQ(settings.read(settings_keys::kPort), QStringLiteral("2"));
}

TEST_F(PortChoiceTest, AChoiceDuringAnOperationLeavesThePortAlone) {
    port.setNumber(1);
    port.open();
    const ModuleOperation upload(port);
    choose(3);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.number(), 1);
    EXPECT_TRUE(settings.read(settings_keys::kPort).isEmpty());
}

TEST(PortSetting, StoredTextSelectsAPortOrNone) {
    for (const auto& [text, n] :
         std::vector<std::pair<const char*, std::optional<int>>>{{"", {}},
                                                                 {"5", 5},
                                                                 {"20", 20},
                                                                 {"7.0", 7},
                                                                 {" 7 ", 7},
                                                                 {"21", {}},
                                                                 {"25", {}},
                                                                 {"0", {}},
                                                                 {"x", {}},
                                                                 {"-3", {}}})
        EXPECT_EQ(portNumberFromSetting(QString::fromLatin1(text)), n) << text;
}

#ifndef Q_OS_WIN
TEST(PortNames, UsbAndAcmAdaptersComeFirstAndPinsWin) {
    const QStringList system = {QStringLiteral("/dev/ttyS1"), QStringLiteral("/dev/ttyUSB10"),
                                QStringLiteral("/dev/ttyACM0"), QStringLiteral("/dev/ttyS0"),
                                QStringLiteral("/dev/ttyUSB2")};
    QMap<QString, QString> env{{QStringLiteral("VIREO_COM3"), QStringLiteral("/tmp/module")}};
    const EnvironmentLookup lookup = [&](const QString& name) { return env.value(name); };
    const QStringList expected = {QStringLiteral("/dev/ttyUSB2"), QStringLiteral("/dev/ttyUSB10"),
                                  QStringLiteral("/tmp/module"),  QStringLiteral("/dev/ttyS0"),
                                  QStringLiteral("/dev/ttyS1"),   QString()};
    for (int n = 1; n <= expected.size(); ++n)
        EXPECT_EQ(devicePathForPort(n, system, lookup), expected[n - 1]) << n;
    env.insert(QStringLiteral("VIREO_COM20"), QStringLiteral("/dev/pts/9"));
    EXPECT_EQ(devicePathForPort(20, system, lookup), QStringLiteral("/dev/pts/9"));
    EXPECT_EQ(devicePathForPort(21, system, lookup), QString());
}
#endif

}  // namespace
}  // namespace vireo
