#include "show/show_fit.h"

#include <algorithm>
#include <optional>

#include "image/image_cost.h"
#include "show/compaction_search.h"
#include "show/retiming_search.h"
#include "show/sequence_compaction.h"
#include "simulation/shown_lamps.h"

namespace vireo {

namespace {

// One sequence as the fit sees it: the show as seen, and what is left of it after drops.
struct SequenceShow {
    bool readable = false;  // its playback ends and can be read as lamp states
    Sequence rows;
    std::optional<int> rowsBytes;  // the rows as they are
    QVector<ShownLamps> original;
    QVector<ShownLamps> kept;
    std::vector<int> keptOf;  // for each original step: its kept step, or -1 when dropped
};

// A way to write one sequence: its rows, what they cost and how far they move the show.
struct Written {
    Sequence rows;
    int bytes = 0;
    qint64 change = 0;
    std::vector<qint64> durations;  // of the kept steps
};

QVector<ShownLamps> withDurations(QVector<ShownLamps> show, const std::vector<qint64>& ms) {
    for (int i = 0; i < show.size(); ++i) show[i].ms = ms[i];
    return show;
}

std::optional<Written> writtenAs(const QVector<ShownLamps>& kept,
                                 const std::vector<qint64>& durations) {
    Written w;
    w.durations = durations;
    for (int i = 0; i < kept.size(); ++i) w.change += std::abs(durations[i] - kept[i].ms);
    if (kept.isEmpty()) return w;
    const std::optional<Sequence> rows = smallestRowsFor(withDurations(kept, durations));
    if (!rows) return std::nullopt;
    const std::optional<int> bytes = sequenceImageBytes(*rows);
    if (!bytes) return std::nullopt;
    w.rows = *rows;
    w.bytes = *bytes;
    return w;
}

// Every lamp state for one on-time: the fewest bytes any on-times give, since every loop the
// lamps allow then folds and only the first row writes a time byte.
std::optional<Written> uniformly(const QVector<ShownLamps>& kept) {
    std::vector<qint64> sorted;
    for (const ShownLamps& s : kept) sorted.push_back(s.ms);
    std::sort(sorted.begin(), sorted.end());
    qint64 v = kShortestRetimedMs;
    if (!sorted.empty()) {
        v = std::clamp<qint64>((sorted[(sorted.size() - 1) / 2] + 50) / 100 * 100,
                               kShortestRetimedMs, kLongestRetimedMs);
    }
    return writtenAs(kept, std::vector<qint64>(kept.size(), v));
}

// The image's bytes besides the rows of the two sequences: header and hold records.
std::optional<int> fixedBytes(const Document& document, const VehicleOptions& options,
                              int moduleCode, int capacity) {
    Document probe = document;
    for (Sequence& s : probe.sequences) s = {Step{OnTime::ofTenths(1), {}, {1, 0, 0, 0}}};
    const ImageCost cost = imageCost(probe, options, moduleCode, capacity);
    if (cost.outcome != ImageOutcome::Ok) return std::nullopt;
    return cost.total - cost.sequenceBytes(kWelcome) - cost.sequenceBytes(kGoodbye);
}

// Keeps the original steps but those in `dropped`; a dropped step's time goes to the step
// before it (the first step's to the one after), and neighbours that then show the same lamps
// become one step.
void keepAllBut(SequenceShow& show, const std::vector<bool>& dropped) {
    show.kept.clear();
    show.keptOf.assign(show.original.size(), -1);
    qint64 carried = 0;
    for (int j = 0; j < show.original.size(); ++j) {
        const ShownLamps& step = show.original[j];
        if (dropped[j]) {
            if (show.kept.isEmpty())
                carried += step.ms;
            else
                show.kept.last().ms += step.ms;
            continue;
        }
        if (!show.kept.isEmpty() && show.kept.last().lamps == step.lamps) {
            show.kept.last().ms += step.ms;  // joined to the step before: shown as dropped
            continue;
        }
        show.kept.append({step.lamps, step.ms + carried});
        carried = 0;
        show.keptOf[j] = int(show.kept.size()) - 1;
    }
}

struct Drop {
    qint64 ms;
    int sequence;
    int step;
};

// The steps that may be dropped, shortest first: all but the longest step of each sequence.
std::vector<Drop> dropOrder(const std::array<SequenceShow, 2>& shows) {
    std::vector<Drop> order;
    for (int s = kWelcome; s <= kGoodbye; ++s) {
        const auto& original = shows[s].original;
        if (!shows[s].readable || original.isEmpty()) continue;
        int longest = 0;
        for (int j = 1; j < original.size(); ++j)
            if (original[j].ms > original[longest].ms) longest = j;
        for (int j = 0; j < original.size(); ++j)
            if (j != longest) order.push_back({original[j].ms, s, j});
    }
    std::sort(order.begin(), order.end(), [](const Drop& a, const Drop& b) {
        return std::tie(a.ms, a.sequence, a.step) < std::tie(b.ms, b.sequence, b.step);
    });
    return order;
}

void dropFirst(std::array<SequenceShow, 2>& shows, const std::vector<Drop>& order, int count) {
    std::array<std::vector<bool>, 2> dropped;
    for (int s = kWelcome; s <= kGoodbye; ++s) dropped[s].assign(shows[s].original.size(), false);
    for (int k = 0; k < count; ++k) dropped[order[k].sequence][order[k].step] = true;
    for (int s = kWelcome; s <= kGoodbye; ++s)
        if (shows[s].readable) keepAllBut(shows[s], dropped[s]);
}

// The fewest bytes the rows of both sequences take with any on-times; nothing when a sequence
// cannot be written at all.
std::optional<int> stepsAloneBytes(const std::array<SequenceShow, 2>& shows) {
    int bytes = 0;
    for (const SequenceShow& show : shows) {
        std::optional<int> fewest = show.rowsBytes;
        if (show.readable) {
            const std::optional<Written> w = uniformly(show.kept);
            if (w && (!fewest || w->bytes < *fewest)) fewest = w->bytes;
        }
        if (!fewest) return std::nullopt;
        bytes += *fewest;
    }
    return bytes;
}

// The ways to write one sequence in at most `budget` bytes: the rows as they are, the show
// retimed by the search (for every budget), and every step on one on-time.
class SequenceChoices {
  public:
    SequenceChoices(const SequenceShow& show, int budget) : show_(show) {
        if (show.rowsBytes && show.keptOf.size() == std::size_t(show.kept.size()) &&
            std::find(show.keptOf.begin(), show.keptOf.end(), -1) == show.keptOf.end())
            asItIs_ = Written{show.rows, *show.rowsBytes, 0, {}};
        if (!show.readable) return;
        search_.emplace(show.kept, budget);
        uniform_ = uniformly(show.kept);
    }

    // The least change within `bytes`, as the search prices it.
    qint64 changeWithin(int bytes) const {
        qint64 best = kNoRetiming;
        if (asItIs_ && asItIs_->bytes <= bytes) best = 0;
        if (uniform_ && uniform_->bytes <= bytes) best = std::min(best, uniform_->change);
        if (search_) best = std::min(best, search_->changeFor(bytes));
        return best;
    }

    // The rows for that change; nothing when they could not be written.
    std::optional<Written> within(int bytes) const {
        const qint64 wanted = changeWithin(bytes);
        if (asItIs_ && asItIs_->bytes <= bytes && wanted == 0) return asItIs_;
        if (search_ && search_->changeFor(bytes) == wanted) {
            std::optional<Written> w = writtenAs(show_.kept, search_->durationsFor(bytes));
            if (w && w->bytes <= bytes) return w;
            if (w && uniform_ && uniform_->bytes <= bytes && uniform_->change <= w->change)
                return uniform_;
            return w;  // more bytes than priced: the caller tries a smaller budget
        }
        if (uniform_ && uniform_->bytes <= bytes) return uniform_;
        return std::nullopt;
    }

  private:
    const SequenceShow& show_;
    std::optional<Written> asItIs_;
    std::optional<Written> uniform_;
    std::optional<RetimingSearch> search_;
};

// The lamp states the rows show, each with its new duration, are those asked for.
bool showsAsAsked(const Written& w, const SequenceShow& show) {
    if (show.kept.isEmpty()) return w.rows.isEmpty();
    const auto shown = shownLamps(w.rows, kMaxCompactedPlaybackSteps);
    if (!shown) return false;
    if (w.durations.empty()) return *shown == show.kept;  // the rows as they are
    return *shown == withDurations(show.kept, w.durations) && keepsLoopRules(w.rows);
}

void listChanges(ShowFit& fit, const std::array<SequenceShow, 2>& shows,
                 const std::array<Written, 2>& written) {
    for (int s = kWelcome; s <= kGoodbye; ++s) {
        const SequenceShow& show = shows[s];
        for (int j = 0; j < int(show.keptOf.size()); ++j) {
            const qint64 old = show.original[j].ms;
            const int k = show.keptOf[j];
            FitChange change{s, j + 1, old, 0, k < 0};
            if (k >= 0) {
                change.newMs =
                    written[s].durations.empty() ? show.kept[k].ms : written[s].durations[k];
                if (change.newMs == old) continue;
            }
            const qint64 by = change.dropped ? old : std::abs(change.newMs - old);
            fit.changeMs += by;
            fit.largestChangeMs = std::max(fit.largestChangeMs, by);
            fit.changes.push_back(change);
        }
    }
}

}  // namespace

ShowFit fitDocument(const Document& document, const VehicleOptions& options, int moduleCode,
                    int capacity, bool allowDrops) {
    ShowFit fit;
    fit.before = fit.document = document;
    fit.capacity = capacity;
    const ImageCost before = imageCost(document, options, moduleCode, capacity);
    if (before.hasFigures()) fit.bytesBefore = fit.bytesAfter = before.total;
    if (before.hasFigures() && before.total <= capacity) {
        fit.status = ShowFit::Status::AlreadyFits;
        return fit;
    }
    const std::optional<int> fixed = fixedBytes(document, options, moduleCode, capacity);
    if (!fixed) return fit;

    std::array<SequenceShow, 2> shows;
    for (int s = kWelcome; s <= kGoodbye; ++s) {
        SequenceShow& show = shows[s];
        show.rows = document.sequences[s];
        show.rowsBytes = sequenceImageBytes(show.rows);
        const auto shown = shownLamps(show.rows, kMaxCompactedPlaybackSteps);
        show.readable = shown.has_value();
        if (shown) show.original = *shown;
        keepAllBut(show, std::vector<bool>(show.original.size(), false));
    }
    const int budget = capacity - *fixed;
    const std::optional<int> alone = stepsAloneBytes(shows);
    if (!alone) return fit;
    fit.stepsAloneNeed = *fixed + *alone;
    bool dropped = false;
    if (*alone > budget) {
        if (!allowDrops) {
            fit.status = ShowFit::Status::NeedsDrops;
            return fit;
        }
        // The fewest of the shortest steps whose dropping lets the rest fit.
        const std::vector<Drop> order = dropOrder(shows);
        const auto fitsAfter = [&](int count) {
            std::array<SequenceShow, 2> trial = shows;
            dropFirst(trial, order, count);
            const std::optional<int> bytes = stepsAloneBytes(trial);
            return bytes && *bytes <= budget;
        };
        if (order.empty() || !fitsAfter(int(order.size()))) return fit;
        int low = 1, high = int(order.size());
        while (low < high) {
            const int mid = (low + high) / 2;
            if (fitsAfter(mid))
                high = mid;
            else
                low = mid + 1;
        }
        while (low > 1 && fitsAfter(low - 1)) --low;
        dropFirst(shows, order, low);
        dropped = true;
    }

    // Compact alone may be enough: nothing changes then.
    if (!dropped) {
        Document compacted = document;
        int bytes = 0;
        for (int s = kWelcome; s <= kGoodbye; ++s) {
            const CompactionResult c = compactSequence(document.sequences[s]);
            if (c.changed()) compacted.sequences[s] = c.rows;
            bytes += sequenceImageBytes(compacted.sequences[s]).value_or(budget + 1);
        }
        const ImageCost after = imageCost(compacted, options, moduleCode, capacity);
        if (bytes <= budget && after.outcome == ImageOutcome::Ok && after.total <= capacity) {
            fit.status = ShowFit::Status::Fitted;
            fit.document = compacted;
            fit.bytesAfter = after.total;
            return fit;
        }
    }

    // The split of the budget between the two sequences that changes the show least; where the
    // rows come out larger than the search priced them, that sequence is given less and the
    // split is sought again.
    std::array<std::optional<SequenceChoices>, 2> choices;
    for (int s = kWelcome; s <= kGoodbye; ++s) choices[s].emplace(shows[s], budget);
    std::array<int, 2> cap = {budget, budget};
    int room = budget;  // less when the whole image came out larger than its parts were priced
    for (int attempt = 0; attempt < 16 && room >= 0; ++attempt) {
        int bestSplit = -1;
        qint64 bestChange = kNoRetiming;
        for (int b0 = 0; b0 <= std::min(room, cap[0]); ++b0) {
            const int b1 = std::min(room - b0, cap[1]);
            const qint64 c0 = choices[0]->changeWithin(b0);
            const qint64 c1 = choices[1]->changeWithin(b1);
            if (c0 >= kNoRetiming || c1 >= kNoRetiming) continue;
            if (c0 + c1 < bestChange) {
                bestChange = c0 + c1;
                bestSplit = b0;
            }
        }
        if (bestSplit < 0) break;
        const std::array<int, 2> split = {bestSplit, std::min(room - bestSplit, cap[1])};
        std::array<std::optional<Written>, 2> written;
        bool again = false;
        for (int s = kWelcome; s <= kGoodbye; ++s) {
            written[s] = choices[s]->within(split[s]);
            if (!written[s]) return fit;
            if (written[s]->bytes > split[s]) {
                cap[s] = split[s] - 1;
                again = true;
            }
        }
        if (again) continue;

        Document result = document;
        for (int s = kWelcome; s <= kGoodbye; ++s) result.sequences[s] = written[s]->rows;
        const ImageCost after = imageCost(result, options, moduleCode, capacity);
        if (after.outcome == ImageOutcome::Ok && after.total > capacity) {
            room -= after.total - capacity;
            continue;
        }
        if (!showsAsAsked(*written[0], shows[0]) || !showsAsAsked(*written[1], shows[1]) ||
            after.outcome != ImageOutcome::Ok) {
            fit.status = ShowFit::Status::CheckFailed;
            return fit;
        }
        fit.status = ShowFit::Status::Fitted;
        fit.document = result;
        fit.bytesAfter = after.total;
        listChanges(fit, shows, {*written[0], *written[1]});
        return fit;
    }
    // Nothing the search priced could be written within the capacity.
    fit.status = allowDrops ? ShowFit::Status::CannotFit : ShowFit::Status::NeedsDrops;
    return fit;
}

}  // namespace vireo
