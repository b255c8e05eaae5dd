#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>

#include "app/startup.h"
#include "config/settings_keys.h"
#include "platform/program_folder.h"
#include "support/fakes.h"
#include "ui/main_window.h"

namespace vireo::test {

// A main window started the way the program starts, on a scratch program folder with the
// shipped language files, with in-memory settings, a scripted prompter and a fake clock.
// The store holds the language "Deutsch" and the model "111"; dialogs shown modally are
// recorded and accepted at once.
class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"Deutsch.kvl", "English.kvl"})
            QFile::copy(QStringLiteral(VIREO_LANG_DIR "/") + QLatin1String(name),
                        folder.filePath(QLatin1String(name)));
        setProgramFolder(folder.path());
        store.write(settings_keys::kLanguage, QStringLiteral("Deutsch"));
        store.write(settings_keys::kVehicleType, QStringLiteral("111"));
    }
    void TearDown() override { setProgramFolder(QString()); }

    std::unique_ptr<MainWindow> startWindow(const QString& commandLine = QString()) {
        StartupFlow flow;
        flow.context.settings = &store;
        flow.context.prompter = &prompter;
        flow.context.clock = &clock;
        flow.context.commandLine = commandLine;
        flow.context.xdgDataFolder = folder.filePath(QStringLiteral("xdg"));
        // Each window its own data folder: a window a test lets go without closing it leaves
        // its recovery entry, which the next window would offer.
        flow.context.dataFolder = folder.filePath(QStringLiteral("data%1").arg(++windowsStarted));
        flow.context.execDialog = [this](QDialog& dialog) {
            shownDialogs << dialog.objectName();
            return int(QDialog::Accepted);
        };
        flow.chooseLanguage = [this](const QStringList& languages) {
            offeredLanguages = languages;
            ++chooserShown;
            return std::optional<QString>(languageChoice);
        };
        auto window = flow.start();
        QApplication::processEvents();
        return window;
    }

    template <typename T>
    static T* child(QObject& parent, const char* name) {
        T* found = parent.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QTemporaryDir folder;
    MemorySettingsStore store;
    FakePrompter prompter;
    FakeClock clock;
    QStringList shownDialogs;
    int windowsStarted = 0;
    // The language chooser answers with languageChoice and remembers what it offered.
    QString languageChoice = QStringLiteral("Deutsch");
    QStringList offeredLanguages;
    int chooserShown = 0;
};

}  // namespace vireo::test
