// A random walk through the editing session: seeded intents of every kind, with the document's
// invariants checked after each. A failure is shrunk to a short list of intents and printed as
// an edit script (vireo-cli edit), with the seed.
//
// VIREO_WALK_INTENTS (default 10000) sets how many intents run, VIREO_WALK_SEED the seed
// (default: the same one every run, so that a test run never fails on a walk it has not made
// before; a long run with other seeds explores further).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <iostream>
#include <memory>
#include <random>

#include "car/hit_regions.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "image/image_builder.h"
#include "image/image_cost.h"
#include "module/upload_image.h"
#include "platform/settings_store.h"
#include "sequence/edit_limits.h"
#include "sequence/loop_marker.h"
#include "session/document_file.h"
#include "session/edit_script.h"
#include "session/editing_session.h"
#include "session/window_recovery.h"
#include "tests/support/fakes.h"
#include "text/language.h"

using namespace vireo;

namespace {

using Command = EditLine::Command;

// One intent of the user: a line of the edit script, or one the script has no line for.
struct Intent {
    enum class Kind { Line, Click, Symmetric, Play, Tick, SaveAndOpen, Restore };
    Kind kind = Kind::Line;
    EditLine line;
    int corner = 0;  // Click
    float x = 0, y = 0;
    bool fromHere = false;  // Play
};

// The loop rules every document keeps: each loop one run of one marker, 2 to 32 rows, at most
// 20 loops per table.
QString loopRuleProblem(const Sequence& rows) {
    QSet<QString> seen;
    int runs = 0;
    for (int i = 0; i < rows.size();) {
        const QString marker = rows[i].loop;
        int last = i;
        while (last + 1 < rows.size() && rows[last + 1].loop == marker) ++last;
        if (!marker.isEmpty()) {
            ++runs;
            const QString at =
                QStringLiteral("rows %1-%2 (%3)").arg(i + 1).arg(last + 1).arg(marker);
            if (!isLoopMarker(marker)) return QStringLiteral("no loop marker at ") + at;
            if (seen.contains(marker)) return QStringLiteral("a second run of a marker at ") + at;
            if (last == i) return QStringLiteral("a loop of one row at ") + at;
            if (last - i + 1 > kMaxLoopRows)
                return QStringLiteral("a loop of more than 32 rows at ") + at;
            seen.insert(marker);
        }
        i = last + 1;
    }
    if (runs > kMaxMarkedRuns) return QStringLiteral("%1 loops").arg(runs);
    return QString();
}

// Answers as the script does; the save dialog names the walk's file.
class WalkPrompter : public ScriptPrompter {
  public:
    using ScriptPrompter::ScriptPrompter;
    QString saveFileName(const QString&, const QString&, const QString&) override { return file; }
    // "The file changed since it was opened or saved": a restored entry can be older than the
    // file this window saved since; the walk's user overwrites it.
    int choose(const QString&, const QString&, const QStringList&, int) override { return 0; }
    QString file;
};

// One window's session with its file commands and recovery, in a folder of its own.
struct Window {
    QTemporaryDir folder;
    MemorySettingsStore settings;
    const LanguageTable& texts = LanguageTable::builtIn();
    WalkPrompter prompter{texts};
    test::FakeClock clock;
    EditingSession session{settings, prompter, texts, clock};
    DocumentFile file{session, prompter, texts, settings};
    std::unique_ptr<WindowRecovery> recovery;
    Document first;  // the document the history starts from

    Window() {
        prompter.file = folder.filePath(QStringLiteral("walk.kvs"));
        session.applyModel();
        recovery = std::make_unique<WindowRecovery>(folder.filePath(QStringLiteral("data")),
                                                    session, file, texts, clock);
        first = session.document();
    }
};

class Walk {
  public:
    explicit Walk(std::uint64_t seed) : random_(seed) {}

    // A next intent for the session as it stands.
    Intent next(EditingSession& session) {
        const int rows = int(session.activeRows().size());
        Intent intent;
        EditLine& line = intent.line;
        const int pick = below(100);
        // Long tables are cut back more often than they grow.
        const bool large = rows > 80;
        if (pick < 12) {
            line.command = Command::Select;
            if (rows > 0 && below(10) > 0) {
                int first = 1 + below(rows);
                const int runs = 1 + (below(4) == 0);
                for (int run = 0; run < runs && first <= rows; ++run) {
                    const int length = 1 + below(below(3) == 0 ? 40 : 5);
                    for (int r = first; r <= std::min(rows, first + length - 1); ++r)
                        line.rows << r;
                    first += length + 1 + below(3);
                }
            }
        } else if (pick < 15) {
            if (rows == 0) return next(session);
            line.command = Command::Current;
            line.number = 1 + below(rows);
        } else if (pick < 17) {
            line.command = Command::Lamps;
            for (int& l : line.lamps) l = below(3) == 0 ? below(64) : 0;
        } else if (pick < 19) {
            line.command = Command::Slider;
            line.number = 1 + below(100);
        } else if (pick < (large ? 22 : 32)) {
            line.command = Command::Append;
        } else if (pick < 35) {
            line.command = Command::Change;
        } else if (pick < 39) {
            line.command = Command::Insert;
        } else if (pick < (large ? 48 : 42)) {
            line.command = Command::Delete;
        } else if (pick < 46) {
            line.command = Command::Copy;
        } else if (pick < (large ? 54 : 49)) {
            line.command = Command::Cut;
        } else if (pick < 52) {
            line.command = large ? Command::Cut : Command::Paste;
        } else if (pick < 54) {
            line.command = large ? Command::Delete : Command::PasteEnd;
        } else if (pick < 60) {
            line.command = Command::Loop;
            static const char* answers[] = {"", "1", "21", "x", " 7 "};
            line.answer = below(8) == 0 ? QString::fromLatin1(answers[below(5)])
                                        : QString::number(2 + below(19));
        } else if (pick < 63) {
            line.command = Command::Unloop;
        } else if (pick < 65) {
            line.command = Command::Mirror;
        } else if (pick < 67) {
            line.command = Command::Reverse;
        } else if (pick < 69) {
            line.command = Command::Stretch;
            static const char* factors[] = {"2", "0,5", "1.5", "0,1", "10", "3", "0", "abc"};
            line.answer = QString::fromLatin1(factors[below(8)]);
        } else if (pick < 70) {
            line.command = Command::GoodbyeFromWelcome;
        } else if (pick < 71) {
            static const Command shows[] = {Command::Compact, Command::Compact, Command::Fit,
                                            Command::FitDropping};
            line.command = shows[below(4)];
        } else if (pick < 73) {
            line.command = Command::Pattern;
            PatternChoice& p = line.pattern;
            p.kind = PatternKind(below(6));
            p.order = LampOrder(below(5));
            p.tenths = 1 + below(100);
            p.passes = 1 + (below(3) == 0 ? below(20) : below(3));
            const int lamps = 1 + below(4);
            for (int l = 0; l < lamps; ++l) p.lamps << PatternLamp{1 + below(4), below(6)};
        } else if (pick < 80) {
            line.command = Command::Undo;
        } else if (pick < 84) {
            line.command = Command::Redo;
        } else if (pick < 87) {
            line.command = Command::Sequence;
            line.number = 1 - session.activeSequence();
        } else if (pick < 93) {
            intent.kind = Intent::Kind::Click;
            const RegionGeometry& geometry = session.setup().regions;
            intent.corner = 1 + below(4);
            // A point on a lamp's region of the picture, most of the time.
            for (int tries = 0; tries < 20; ++tries) {
                intent.x = float(below(6000));
                intent.y = float(below(4000));
                if (hitRegion(geometry, intent.corner, intent.x, intent.y) != 0) break;
            }
        } else if (pick < 94) {
            intent.kind = Intent::Kind::Symmetric;
        } else if (pick < 96) {
            intent.kind = Intent::Kind::Play;
            intent.fromHere = below(2) == 0;
        } else if (pick < 98) {
            intent.kind = Intent::Kind::Tick;
        } else if (pick < 99) {
            intent.kind = Intent::Kind::SaveAndOpen;
        } else {
            intent.kind = Intent::Kind::Restore;
        }
        return intent;
    }

  private:
    int below(int n) { return int(random_() % std::uint64_t(n)); }
    std::mt19937_64 random_;
};

// The lines of the edit script that put the session where an intent without a line left it.
QStringList stateLines(EditingSession& session) {
    QStringList lines;
    lines << QStringLiteral("sequence %1").arg(session.activeSequence());
    const Selection& selection = session.activeSelection();
    EditLine select{Command::Select};
    for (int r : selection.rows) select.rows << r + 1;
    lines << editLineText(select);
    if (selection.current >= 0 &&
        (selection.rows.isEmpty() || selection.current != selection.rows.first()))
        lines << QStringLiteral("current %1").arg(selection.current + 1);
    EditLine lamps{Command::Lamps};
    lamps.lamps = session.lamps();
    lines << editLineText(lamps);
    return lines;
}

struct Failure {
    int intent = -1;  // the index of the intent after which a check failed; -1 for none
    QString problem;
    QStringList script;  // the intents as an edit script
};

// Runs the intents on a new window and checks after each; `period` is how often the checks
// that cost more (undo of the whole history, the recovery entry) run. With a walk, the intents
// are chosen by it as they run, up to `count`, and added to `intents`.
Failure replay(std::vector<Intent>& intents, int period, Walk* walk = nullptr, int count = 0) {
    Window w;
    EditingSession& s = w.session;
    Failure failure;
    const auto fail = [&](int at, const QString& problem) {
        failure.intent = at;
        failure.problem = problem;
    };
    const auto comment = [&](const QString& what) {
        failure.script << QStringLiteral("# ") + what;
        failure.script << stateLines(s);
    };

    const auto checkHistory = [&](int at) {
        QUndoStack* stack = s.editor().undoStack();
        const int index = stack->index();
        const Document last = s.document();
        const int active = s.activeSequence();
        const std::array<Selection, 2> selections = {s.selection(0), s.selection(1)};
        stack->setIndex(0);
        if (s.document().sequences != w.first.sequences)
            fail(at, QStringLiteral("undoing every step does not give the first document"));
        stack->setIndex(stack->count());
        stack->setIndex(index);
        if (failure.intent < 0 && s.document().sequences != last.sequences)
            fail(at, QStringLiteral("undoing and redoing every step does not give the document"));
        // The walk goes on from where it was.
        if (s.activeSequence() != active) s.chooseSequence(active);
        for (int q = 0; q < 2; ++q) s.setSelection(q, selections[q]);
    };
    const auto checkRecovery = [&](int at) {
        RecoveryJournal& journal = w.recovery->journal();
        journal.writeNow();
        if (!w.file.hasUnsavedChanges()) return;
        const auto entry = w.recovery->store().read(journal.entryName());
        if (!entry) return fail(at, QStringLiteral("the recovery entry cannot be read"));
        if (entry->document != s.document())
            fail(at, QStringLiteral("the recovery entry differs from the document"));
    };

    for (int i = 0; failure.intent < 0; ++i) {
        if (walk && i == int(intents.size()) && i < count) intents.push_back(walk->next(s));
        if (i >= int(intents.size())) break;
        const Intent intent = intents[i];
        switch (intent.kind) {
            case Intent::Kind::Line: {
                // A line that no longer fits the table (in a shrunk walk) is left out.
                if (!runEditLine(s, w.prompter, intent.line).isEmpty()) continue;
                failure.script << editLineText(intent.line);
                break;
            }
            case Intent::Kind::Click:
                s.pictureMouse(intent.corner, kLeftButton, intent.x, intent.y,
                               EditOptions{true, false});
                comment(QStringLiteral("a click on picture %1 at %2, %3%4")
                            .arg(intent.corner)
                            .arg(intent.x)
                            .arg(intent.y)
                            .arg(s.symmetric() ? QStringLiteral(", symmetric") : QString()));
                break;
            case Intent::Kind::Symmetric:
                s.setSymmetric(!s.symmetric());
                failure.script
                    << QStringLiteral("# symmetric %1").arg(s.symmetric() ? "on" : "off");
                break;
            case Intent::Kind::Play:
                intent.fromHere ? s.playFromHere() : s.playFromStart();
                comment(intent.fromHere ? QStringLiteral("Simulation >>")
                                        : QStringLiteral("Simulation |>"));
                break;
            case Intent::Kind::Tick:
                if (s.playbackRunning()) {
                    w.clock.tickNext();
                    comment(QStringLiteral("a step of the playback"));
                }
                break;
            case Intent::Kind::SaveAndOpen: {
                const Document before = s.document();
                if (!w.file.saveAs()) return fail(i, QStringLiteral("save failed")), failure;
                if (!w.file.openPath(w.prompter.file))
                    return fail(i, QStringLiteral("open failed")), failure;
                if (s.document() != before)
                    fail(i, QStringLiteral("save and open changed the document"));
                w.first = s.document();
                comment(QStringLiteral("save and open: the history starts anew"));
                break;
            }
            case Intent::Kind::Restore: {
                RecoveryJournal& journal = w.recovery->journal();
                journal.writeNow();
                const auto entry = w.recovery->store().read(journal.entryName());
                if (!entry) continue;
                if (!w.file.restoreRecovered(*entry))
                    return fail(i, QStringLiteral("the recovery entry was not restored")), failure;
                if (s.document() != entry->document)
                    fail(i, QStringLiteral("the restored document differs from its entry"));
                w.first = s.document();
                comment(QStringLiteral("recovery restore: the history starts anew"));
                break;
            }
        }
        w.prompter.takeMessages();
        if (failure.intent >= 0) break;

        const Document& d = s.document();
        for (int q = 0; q < 2 && failure.intent < 0; ++q)
            if (const QString p = loopRuleProblem(d.sequences[q]); !p.isEmpty())
                fail(i, QStringLiteral("sequence %1: %2").arg(q).arg(p));
        if (failure.intent >= 0) break;

        // The image builds or names why not; its cost parts add up to its length.
        const DataImage image =
            buildDataImage(d, s.vehicle().options(), s.setup().modellnummer, kUnlimitedCapacity);
        const ImageCost cost =
            imageCost(d, s.vehicle().options(), s.setup().modellnummer, kUploadCapacity);
        if (image.outcome != ImageOutcome::Ok && image.outcome != ImageOutcome::NothingToSend &&
            image.message.text.isEmpty())
            fail(i, QStringLiteral("the image is refused without a reason"));
        if (cost.hasFigures()) {
            int parts = cost.header + cost.holdBytes();
            for (int q = 0; q < 2; ++q) parts += cost.sequenceBytes(q);
            if (parts != cost.total)
                fail(i, QStringLiteral("the cost parts add up to %1, not %2")
                            .arg(parts)
                            .arg(cost.total));
            if (image.outcome == ImageOutcome::Ok && image.length != cost.total)
                fail(i, QStringLiteral("the image has %1 bytes, its cost %2")
                            .arg(image.length)
                            .arg(cost.total));
        }
        if (failure.intent >= 0) break;

        // The file keeps every value.
        const KvsReadResult read = readKvs(kvsBytes(d, onTimeFormOf(d)));
        if (kvsWriteProblem(d, onTimeFormOf(d)).isEmpty() &&
            (read.verdict != KvsVerdict::Loaded || read.document != d))
            fail(i, QStringLiteral("the file read back differs from the document"));

        // Playback shows rows that exist.
        if (s.playbackRunning() && s.playbackRow() >= s.activeRows().size())
            fail(i, QStringLiteral("playback shows row %1 of %2")
                        .arg(s.playbackRow() + 1)
                        .arg(s.activeRows().size()));

        if ((i + 1) % period == 0 && failure.intent < 0) {
            QCoreApplication::processEvents();
            checkHistory(i);
            if (failure.intent < 0) checkRecovery(i);
        }
    }
    if (failure.intent < 0) {
        checkHistory(int(intents.size()) - 1);
        if (failure.intent < 0) checkRecovery(int(intents.size()) - 1);
    }
    return failure;
}

// The shortest list of the intents found that still fails the same check.
std::vector<Intent> shrink(std::vector<Intent> intents, const QString& problem) {
    // The kind of a problem: its words before the place, without numbers.
    const auto kind = [](const QString& p) {
        return p.section(QStringLiteral(" at "), 0, 0).remove(QRegularExpression("\\d"));
    };
    // The checks of the whole history and the recovery entry cost most: they run as often only
    // when they found the fault.
    const bool periodic = problem.contains(QStringLiteral("undoing")) ||
                          problem.contains(QStringLiteral("recovery entry"));
    const int period = periodic ? 10 : 100000;
    const auto fails = [&](std::vector<Intent> candidate) {
        const Failure f = replay(candidate, period);
        return f.intent >= 0 && kind(f.problem) == kind(problem);
    };
    QElapsedTimer spent;
    spent.start();
    for (std::size_t chunk = intents.size() / 2; chunk >= 1 && spent.elapsed() < 60000;) {
        bool removed = false;
        for (std::size_t at = 0; at < intents.size() && spent.elapsed() < 60000;) {
            std::vector<Intent> candidate(intents.begin(), intents.begin() + at);
            candidate.insert(candidate.end(),
                             intents.begin() + std::min(intents.size(), at + chunk), intents.end());
            if (!candidate.empty() && fails(candidate)) {
                intents = std::move(candidate);
                removed = true;
            } else {
                at += chunk;
            }
        }
        if (!removed) chunk /= 2;
    }
    return intents;
}

int setting(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

}  // namespace

TEST(SessionRandomWalk, KeepsTheDocumentSoundThroughSeededIntents) {
    const int total = setting("VIREO_WALK_INTENTS", 10000);
    bool seeded = false;
    const qint64 given = qEnvironmentVariable("VIREO_WALK_SEED").toLongLong(&seeded);
    constexpr std::uint64_t kDefaultSeed = 20261210;
    const std::uint64_t seed = seeded ? std::uint64_t(given) : kDefaultSeed;
    // Walks of a thousand intents each, from a new window, so that histories stay short.
    constexpr int kPerWalk = 1000;
    QElapsedTimer timer;
    timer.start();
    int done = 0;
    for (int walk = 0; done < total; ++walk) {
        const int count = std::min(kPerWalk, total - done);
        const std::uint64_t walkSeed = seed + std::uint64_t(walk);
        Walk walker(walkSeed);
        std::vector<Intent> intents;
        const Failure failure = replay(intents, 50, &walker, count);
        if (failure.intent >= 0) {
            intents.resize(std::size_t(failure.intent) + 1);
            std::vector<Intent> shortest = shrink(intents, failure.problem);
            const Failure again = replay(shortest, 10);
            ADD_FAILURE() << "seed " << seed << " (walk " << walk
                          << ", VIREO_WALK_SEED=" << walkSeed << " VIREO_WALK_INTENTS=" << count
                          << "): " << failure.problem.toStdString() << " after intent "
                          << failure.intent + 1 << "\nshortest (" << shortest.size() << " intents, "
                          << again.problem.toStdString() << "):\n"
                          << again.script.join('\n').toStdString();
            return;
        }
        done += count;
        // A long run tells how far it got.
        if (done % 50000 == 0)
            std::cout << "random walk: " << done << " intents from seed " << seed << " in "
                      << timer.elapsed() << " ms" << std::endl;
    }
    std::cout << "random walk: " << done << " intents from seed " << seed << " in "
              << timer.elapsed() << " ms\n";
}
