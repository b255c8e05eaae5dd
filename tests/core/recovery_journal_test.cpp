#include "recovery/recovery_journal.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "files/kvs_writer.h"
#include "platform/clock.h"
#include "recovery/recovery_store.h"
#include "sequence/document_editor.h"
#include "tests/support/file_size_limit.h"

using namespace vireo;

namespace {

// Timers that run only when the test moves the time on.
class ManualClock : public Clock {
  public:
    qint64 nowMs() const override { return now; }
    void wait(int ms) override { now += ms; }
    void singleShot(int ms, QObject*, std::function<void()> then) override {
        timers.emplace(now + ms, std::move(then));
    }
    // Nothing here plays back: a repeating timer is the real one.
    std::unique_ptr<RepeatingTimer> makeTimer(QObject* context,
                                              std::function<void()> tick) override {
        return systemClock().makeTimer(context, std::move(tick));
    }
    void advance(int ms) {
        now += ms;
        while (!timers.empty() && timers.begin()->first <= now) {
            auto then = std::move(timers.begin()->second);
            timers.erase(timers.begin());
            then();
        }
    }
    qint64 now = 0;
    std::multimap<qint64, std::function<void()>> timers;
};

Sequence rows(std::initializer_list<int> firstLamps) {
    Sequence s;
    for (int lamp : firstLamps) s.append(Step{"0,5", QString(), {lamp, 0, 0, 1}});
    return s;
}

// An editor with a journal under a temporary data folder; the document counts as saved when it
// equals `saved`.
struct JournalFixture {
    QTemporaryDir data;
    RecoveryStore store{data.path()};
    DocumentEditor editor;
    ManualClock clock;
    QString path = QStringLiteral("/work/shows/welcome.kvs");
    Document saved;
    RecoveryJournal journal{store, editor,
                            JournalSource{[this] { return path; }, [] { return kGoodbye; },
                                          [this] { return !(editor.document() == saved); }},
                            clock};

    void edit(int s, const Sequence& after) {
        editor.commit(s, after, {}, {}, QStringLiteral("x"));
    }
    // The queued write runs as the event loop would run it before the next input.
    void settle() { QCoreApplication::processEvents(); }
    QList<RecoveryEntry> entries() const { return store.scan(true).entries; }
};

}  // namespace

TEST(RecoveryJournal, KeepsEveryChangeUntilTheDocumentEqualsItsFile) {
    JournalFixture f;
    f.edit(kWelcome, rows({1}));
    f.edit(kWelcome, rows({1, 2}));
    EXPECT_TRUE(f.journal.writePending());
    f.settle();
    ASSERT_EQ(f.entries().size(), 1);
    RecoveryEntry entry = f.entries().first();
    EXPECT_EQ(entry.name, f.journal.entryName());
    EXPECT_EQ(entry.path, QStringLiteral("/work/shows/welcome.kvs"));
    EXPECT_EQ(entry.activeSequence, kGoodbye);
    EXPECT_EQ(entry.document.sequences[kWelcome], rows({1, 2}));
    // Each version under new names (never in place of a file), the one before removed.
    const QString name = f.journal.entryName();
    const auto files = [&] { return QDir(f.store.folder()).entryList(QDir::Files, QDir::Name); };
    EXPECT_EQ(files(), (QStringList{name + ".1.json", name + ".1.kvs", name + ".lock"}));

    // Undo, redo and a vehicle change are changes like any edit.
    const struct {
        std::function<void()> change;
        Sequence welcome;
        QString model;
    } steps[] = {
        {[&] { f.editor.undoStack()->undo(); }, rows({1}), QStringLiteral("111")},
        {[&] { f.editor.undoStack()->redo(); }, rows({1, 2}), QStringLiteral("111")},
        {[&] { f.editor.setModel(QStringLiteral("203")); }, rows({1, 2}), QStringLiteral("203")},
    };
    for (const auto& step : steps) {
        step.change();
        f.settle();
        ASSERT_EQ(f.entries().size(), 1);
        EXPECT_EQ(f.entries().first().document.sequences[kWelcome], step.welcome);
        EXPECT_EQ(f.entries().first().document.model, step.model);
    }
    EXPECT_EQ(files(), (QStringList{name + ".4.json", name + ".4.kvs", name + ".lock"}));

    // Equal to its file again (saved): no entry; a live entry is never offered as stale.
    f.saved = f.editor.document();
    f.edit(kGoodbye, {});  // no change of rows: nothing to write
    f.editor.setOptions(QStringLiteral("11100000000000000001"));
    f.settle();
    EXPECT_EQ(f.entries().size(), 1);
    EXPECT_TRUE(f.store.scan().entries.isEmpty());
    f.editor.setOptions(f.saved.options);
    f.settle();
    EXPECT_TRUE(f.entries().isEmpty());

    f.edit(kGoodbye, rows({5}));
    f.settle();
    EXPECT_EQ(f.entries().size(), 1);
    f.journal.finish();
    EXPECT_TRUE(QDir(f.store.folder()).entryList(QDir::Files).isEmpty());
    f.edit(kGoodbye, rows({6}));
    f.settle();
    EXPECT_TRUE(QDir(f.store.folder()).entryList(QDir::Files).isEmpty());
}

TEST(RecoveryJournal, TurnsOffOnceWhenWritingFailsAndOnAgainByItself) {
    enum class Fault { FolderIsAFile, DiskFull };
    for (const Fault fault : {Fault::FolderIsAFile, Fault::DiskFull}) {
        SCOPED_TRACE(int(fault));
        JournalFixture f;
        int off = 0, on = 0;
        QObject::connect(&f.journal, &RecoveryJournal::turnedOff, [&] { ++off; });
        QObject::connect(&f.journal, &RecoveryJournal::turnedOn, [&] { ++on; });
        {
            std::optional<test::FileSizeLimit> full;
            QFile inTheWay(f.store.folder());
            if (fault == Fault::FolderIsAFile) {
                ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
                inTheWay.close();
            } else {
                full.emplace(8);
                if (!full->active()) GTEST_SKIP() << "no file size limit here";
            }
            for (int lamp : {1, 2, 3}) {
                f.edit(kWelcome, rows({lamp}));
                f.settle();
            }
            f.clock.advance(RecoveryJournal::kRetryMs);
            EXPECT_FALSE(f.journal.isOn());
            EXPECT_FALSE(f.journal.offReason().isEmpty());
            EXPECT_EQ(off, 1);
            EXPECT_EQ(on, 0);
            if (fault == Fault::FolderIsAFile) ASSERT_TRUE(inTheWay.remove());
        }
        // No further edit: the retry alone brings the last document in.
        f.clock.advance(RecoveryJournal::kRetryMs);
        EXPECT_TRUE(f.journal.isOn());
        EXPECT_EQ(off, 1);
        EXPECT_EQ(on, 1);
        ASSERT_EQ(f.entries().size(), 1);
        EXPECT_EQ(f.entries().first().document.sequences[kWelcome], rows({3}));
    }
}
