// The recovery offer and the earlier versions dialog over a window's recovery without a window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/startup.h"
#include "files/kvs_writer.h"
#include "platform/settings_store.h"
#include "session/document_file.h"
#include "session/editing_session.h"
#include "session/window_recovery.h"
#include "tests/support/fakes.h"
#include "ui/dialogs/earlier_versions_dialog.h"
#include "ui/dialogs/recovery_dialog.h"

using namespace vireo;

namespace {

Document documentWith(int lamp) {
    Document d;
    d.sequences[kWelcome] = {Step{"0,5", QString(), {lamp, 0, 0, 0}}};
    return d;
}

struct Fixture {
    QTemporaryDir data, files;
    MemorySettingsStore settings;
    test::FakePrompter prompter;
    test::FakeClock clock;
    const LanguageTable& texts = LanguageTable::builtIn();  // the tests read the German wording
    EditingSession session{settings, prompter, texts, clock};
    DocumentFile file{session, prompter, texts, settings};
    WindowRecovery recovery{data.path(), session, file, texts, clock};

    RecoveryEntry leaveEntry(const QString& name, int lamp, int minute) {
        RecoveryEntry entry;
        entry.name = name;
        entry.changed = QDateTime(QDate(2026, 12, 10), QTime(8, minute), Qt::UTC);
        entry.document = documentWith(lamp);
        QDir().mkpath(recovery.store().folder());
        EXPECT_TRUE(writeKvsFile(recovery.store().documentFile(name), entry.document));
        QFile sidecar(recovery.store().sidecarFile(name));
        EXPECT_TRUE(sidecar.open(QIODevice::WriteOnly));
        sidecar.write(sidecarJson(entry));
        return entry;
    }
};

template <typename T>
T* child(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

}  // namespace

TEST(RecoveryDialog, DiscardsOnlyAfterConfirmationAndRestoresTheChosenEntry) {
    Fixture f;
    f.leaveEntry("older", 1, 10);
    f.leaveEntry("newer", 2, 20);
    RecoveryDialog dialog(f.recovery, f.recovery.entriesToOffer().entries, f.texts, f.prompter);
    auto* list = child<QListWidget>(dialog, "lstEntries");
    auto* restore = child<QPushButton>(dialog, "cmdRestore");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(restore->isDefault());
    EXPECT_EQ(list->currentRow(), 1);  // the newest
    EXPECT_TRUE(list->item(0)->text().startsWith("Unbenannt   (-)   zuletzt geändert "));

    f.prompter.questionAnswers.push_back(false);
    child<QPushButton>(dialog, "cmdDiscard")->click();
    EXPECT_EQ(list->count(), 2);
    EXPECT_TRUE(f.recovery.store().contains("newer"));
    f.prompter.questionAnswers.push_back(true);
    child<QPushButton>(dialog, "cmdDiscard")->click();
    EXPECT_EQ(f.prompter.prompts.back().text, "Unbenannt wird endgültig verworfen. Fortfahren?");
    EXPECT_EQ(list->count(), 1);
    EXPECT_FALSE(f.recovery.store().contains("newer"));

    restore->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(f.session.document(), documentWith(1));
    EXPECT_TRUE(f.file.hasUnsavedChanges());
    EXPECT_TRUE(f.recovery.entriesToOffer().entries.isEmpty());  // now this window's own entry
}

TEST(RecoveryDialog, LaterKeepsEveryEntry) {
    Fixture f;
    f.leaveEntry("kept", 1, 10);
    RecoveryDialog dialog(f.recovery, f.recovery.entriesToOffer().entries, f.texts, f.prompter);
    child<QPushButton>(dialog, "cmdLater")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(f.session.document().isEmpty());
    EXPECT_EQ(f.recovery.entriesToOffer().entries.size(), 1);
}

TEST(EarlierVersionsDialog, OpensTheChosenVersionAsANewDocument) {
    Fixture f;
    const QString file = f.files.filePath("show.kvs");
    ASSERT_TRUE(writeKvsFile(file, documentWith(1)));
    f.prompter.fileAnswers.push_back(file);
    ASSERT_TRUE(f.file.open());
    Sequence rows = f.session.editor().sequence(kWelcome);
    rows[0].lamps[0] = 9;
    f.session.editor().commit(kWelcome, rows, {}, {}, QStringLiteral("edit"));
    ASSERT_TRUE(f.file.save());

    EarlierVersionsDialog dialog(f.recovery, f.texts);
    auto* list = child<QListWidget>(dialog, "lstVersions");
    ASSERT_EQ(list->count(), 1);
    // The only version is the newest, and marked so.
    EXPECT_TRUE(list->item(0)->text().endsWith(QStringLiteral(" Bytes), die neueste")))
        << list->item(0)->text().toStdString();
    child<QPushButton>(dialog, "cmdOpen")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(f.session.document(), documentWith(1));
    EXPECT_TRUE(f.file.path().isEmpty());
}

TEST(RecoveryOffer, NamesTheDamagedEntriesThenOffersTheOthers) {
    Fixture f;
    QWidget parent;
    offerRecovery(f.recovery, f.texts, f.prompter, &parent);
    EXPECT_TRUE(f.prompter.prompts.empty());
    EXPECT_EQ(parent.findChild<RecoveryDialog*>(), nullptr);

    f.leaveEntry("sound", 1, 10);
    f.leaveEntry("cut", 2, 20);
    QFile cut(f.recovery.store().documentFile("cut"));
    ASSERT_TRUE(cut.resize(12));
    offerRecovery(f.recovery, f.texts, f.prompter, &parent);
    ASSERT_EQ(f.prompter.prompts.size(), 1u);
    EXPECT_EQ(f.prompter.prompts[0].text,
              "Beschädigte Wiederherstellungsdaten wurden nach " +
                  QDir::toNativeSeparators(f.recovery.store().damagedFolder()) +
                  " verschoben: cut");
    auto* dialog = parent.findChild<RecoveryDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());  // opened without waiting for it
    EXPECT_EQ(child<QListWidget>(*dialog, "lstEntries")->count(), 1);
}
