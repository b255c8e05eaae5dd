#include "show/sequence_compaction.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "image/image_builder.h"
#include "image/image_cost.h"
#include "image/step_record.h"
#include "sequence/edit_limits.h"
#include "sequence/loop_marker.h"
#include "simulation/playback_steps.h"
#include "simulation/shown_lamps.h"

namespace vireo {

namespace {

// One step of the played-out sequence: its lamps, interval and the row text it came from.
struct Unit {
    LampBytes lamps{};
    qint64 ms = 0;
    OnTime time;
    int id = 0;  // equal for units with the same lamps and interval
};

bool isLit(const LampBytes& lamps) {
    return std::any_of(lamps.begin(), lamps.end(), [](int b) { return b > 0; });
}

// One row of the result: units first..last (inclusive) shown as one step.
struct OutRow {
    int first = 0;
    int last = 0;
    int loop = 0;  // loop ordinal from 1, 0 outside a loop
    int passes = 0;
    qint64 ms = -1;  // a piece of a long run split anew: its own interval
};

// A run longer than a merged step may hold, split anew: full steps of kMaxMergedStepMs and the
// rest before them (RestFirst) or after them (RestLast).
enum class Split { None, RestFirst, RestLast };

std::vector<qint64> splitPieces(qint64 total, Split split) {
    const qint64 rest = total % kMaxMergedStepMs;
    std::vector<qint64> pieces(total / kMaxMergedStepMs, kMaxMergedStepMs);
    if (rest > 0) pieces.insert(split == Split::RestFirst ? pieces.begin() : pieces.end(), rest);
    return pieces;
}

// Keeps the states no other state beats. A state beats another that used no fewer loops when
// it costs at least one byte less (the on-time before decides one time byte at most), or when
// it has the same on-time and costs no more. `better(a, b)` says whether a may stand for b in
// the first place (same loops or fewer; for loop bodies, no fewer rows).
template <typename T, typename Better>
void keepUnbeaten(std::vector<T>& states, Better better) {
    std::vector<T> kept;
    std::sort(states.begin(), states.end(), [](const T& a, const T& b) { return a.cost < b.cost; });
    for (const T& s : states) {
        const bool beaten = std::any_of(kept.begin(), kept.end(), [&](const T& k) {
            return better(k, s) && (k.cost + 1 <= s.cost || (k.prev == s.prev && k.cost <= s.cost));
        });
        if (!beaten) kept.push_back(s);
    }
    states = std::move(kept);
}

class Search {
  public:
    explicit Search(std::vector<Unit> units) : units_(std::move(units)), n_(int(units_.size())) {
        prefix_.assign(n_ + 1, 0);
        runEnd_.assign(n_, 0);
        for (int i = 0; i < n_; ++i) prefix_[i + 1] = prefix_[i] + units_[i].ms;
        for (int i = n_ - 1; i >= 0; --i)
            runEnd_[i] =
                (i + 1 < n_ && units_[i + 1].lamps == units_[i].lamps) ? runEnd_[i + 1] : i + 1;
        groupTenths_.resize(n_);
        for (int i = 0; i < n_; ++i) {
            groupTenths_[i].push_back(units_[i].time.tenths());
            for (int j = i + 2; j <= n_ && groupAllowed(i, j); ++j)
                groupTenths_[i].push_back(tenthsOf(prefix_[j] - prefix_[i]));
        }
    }

    // The smallest rows; loops start only at units before loopStartLimit.
    std::vector<OutRow> run(int loopStartLimit);

  private:
    struct State {
        long long prev = 0;  // tenths of the row before, which decides the next time byte
        int loops = 0;
        int cost = 0;
        int fromPos = -1;
        int fromState = -1;
        int end = 0;     // a plain row: units up to end (exclusive)
        int length = 0;  // a loop: units per pass; 0 for a plain row
        int passes = 0;
        int body = -1;  // index of the loop body's row ends in bodies_
        Split split = Split::None;
    };
    struct BodyChoice {
        long long exit = 0;
        int cost = 0;
        int body = -1;
    };
    // A loop body being written: rows so far (1, or 2 for two and more).
    struct Sub {
        long long prev = 0;
        int rows = 0;
        int cost = 0;
        int fromPos = -1;
        int fromState = -1;
    };

    // Whether units i..j-1 may become one step.
    bool groupAllowed(int i, int j) const {
        return j <= runEnd_[i] && (j - i == 1 || prefix_[j] - prefix_[i] <= kMaxMergedStepMs);
    }
    long long tenthsOf(qint64 ms) {
        auto it = tenthsOfMs_.find(ms);
        if (it == tenthsOfMs_.end()) it = tenthsOfMs_.insert(ms, OnTime::ofMs(ms).tenths());
        return *it;
    }
    // Tenths of the step units i..j-1 make, worked out once for every allowed group.
    long long groupTenths(int i, int j) const { return groupTenths_[i][j - i - 1]; }
    int rowCost(long long prev, long long tenths, int i, bool loopStart) const {
        return stepRecordBytes(units_[i].lamps, tenths, prev, loopStart);
    }
    // How often units i..i+length-1 follow each other unchanged, at most kMaxLoopPasses.
    int passesAt(int i, int length) const {
        int k = 1;
        while (k < kMaxLoopPasses && i + (k + 1) * length <= n_) {
            for (int t = 0; t < length; ++t)
                if (units_[i + t].id != units_[i + k * length + t].id) return k;
            ++k;
        }
        return k;
    }
    std::vector<std::vector<BodyChoice>> bodyChoices(int i, long long prev,
                                                     const std::vector<int>& passes);
    void relax(int pos, const State& s) {
        // Already beaten by a state one byte cheaper with no more loops: never worth keeping.
        const auto& cheapest = cheapest_[pos];
        for (int u = 0; u <= s.loops; ++u)
            if (cheapest[u] + 1 <= s.cost) return;
        cheapest_[pos][s.loops] = std::min(cheapest[s.loops], s.cost);
        const long long key = s.prev * (kMaxMarkedRuns + 1) + s.loops;
        auto& index = index_[pos];
        const auto it = index.find(key);
        if (it == index.end()) {
            index.insert(key, int(states_[pos].size()));
            states_[pos].push_back(s);
        } else if (s.cost < states_[pos][*it].cost) {
            states_[pos][*it] = s;
        }
    }

    std::vector<Unit> units_;
    int n_;
    std::vector<qint64> prefix_;
    std::vector<int> runEnd_;
    std::vector<std::vector<long long>> groupTenths_;
    QHash<qint64, long long> tenthsOfMs_;
    std::vector<std::vector<State>> states_;
    std::vector<QHash<long long, int>> index_;
    std::vector<std::array<int, kMaxMarkedRuns + 1>> cheapest_;  // per position and loops used
    std::vector<std::vector<int>> bodies_;  // row ends (exclusive) of each loop body
};

// The cheapest ways to write units i..i+length-1 as the rows of a loop entered after a row of
// `prev` tenths, for every length that repeats (passes[length] >= 2), each with the on-time of
// its last row. One pass over the next kMaxLoopRows units serves every length.
std::vector<std::vector<Search::BodyChoice>> Search::bodyChoices(int i, long long prev,
                                                                 const std::vector<int>& passes) {
    const int longest = std::min(kMaxLoopRows, n_ - i);
    std::vector<std::vector<Sub>> subs(longest + 1);
    const auto put = [&](int pos, const Sub& s) {
        auto& list = subs[pos - i];
        for (Sub& old : list) {
            if (old.prev != s.prev || old.rows != s.rows) continue;
            if (s.cost < old.cost) old = s;
            return;
        }
        list.push_back(s);
    };
    const auto moreRows = [](const Sub& a, const Sub& b) { return a.rows >= b.rows; };
    for (int j = i + 1; j <= i + longest && groupAllowed(i, j); ++j) {
        const long long t = groupTenths(i, j);
        put(j, {t, 1, rowCost(prev, t, i, true), i, -1});
    }
    for (int pos = i + 1; pos < i + longest; ++pos) {
        keepUnbeaten(subs[pos - i], moreRows);
        for (int s = 0; s < int(subs[pos - i].size()); ++s) {
            const Sub from = subs[pos - i][s];
            for (int j = pos + 1; j <= i + longest && groupAllowed(pos, j); ++j) {
                const long long t = groupTenths(pos, j);
                put(j, {t, 2, from.cost + rowCost(from.prev, t, pos, false), pos, s});
            }
        }
    }

    std::vector<std::vector<BodyChoice>> byLength(kMaxLoopRows + 1);
    for (int length = 1; length <= longest; ++length) {
        if (passes[length] < kMinLoopPasses) continue;
        std::vector<Sub> ends;
        for (const Sub& sub : subs[length])
            if (sub.rows >= kMinLoopRows) ends.push_back(sub);
        for (const Sub& last : ends) {
            // Back through this length's own table (the kept states of earlier positions).
            std::vector<int> rowEnds{i + length};
            for (int pos = last.fromPos, s = last.fromState; pos > i;) {
                rowEnds.push_back(pos);
                const Sub& sub = subs[pos - i][s];
                pos = sub.fromPos;
                s = sub.fromState;
            }
            std::reverse(rowEnds.begin(), rowEnds.end());
            bodies_.push_back(std::move(rowEnds));
            byLength[length].push_back({last.prev, last.cost, int(bodies_.size()) - 1});
        }
    }
    return byLength;
}

std::vector<OutRow> Search::run(int loopStartLimit) {
    bodies_.clear();
    states_.assign(n_ + 1, {});
    index_.assign(n_ + 1, {});
    std::array<int, kMaxMarkedRuns + 1> none;
    none.fill(std::numeric_limits<int>::max() - 1);
    cheapest_.assign(n_ + 1, none);
    states_[0].push_back(State{});
    const auto fewerLoops = [](const State& a, const State& b) { return a.loops <= b.loops; };
    std::vector<int> passes(kMaxLoopRows + 1, 0);
    for (int i = 0; i < n_; ++i) {
        keepUnbeaten(states_[i], fewerLoops);
        const bool loopMayStart = i < loopStartLimit && isLit(units_[i].lamps);
        if (loopMayStart)
            for (int length = 1; length <= kMaxLoopRows; ++length)
                passes[length] = i + 2 * length <= n_ ? passesAt(i, length) : 0;
        // Loop bodies depend only on the on-time before them.
        QHash<long long, std::vector<std::vector<BodyChoice>>> bodyCache;
        for (int si = 0; si < int(states_[i].size()); ++si) {
            const State from = states_[i][si];
            int j = i + 1;
            for (; j <= n_ && groupAllowed(i, j); ++j) {
                const long long t = groupTenths(i, j);
                relax(j, {t, from.loops, from.cost + rowCost(from.prev, t, i, false), i, si, j});
            }
            // The rest of a longer run of the same lamps as full steps and one for the rest.
            if (const int end = runEnd_[i]; j <= end) {
                for (Split split : {Split::RestFirst, Split::RestLast}) {
                    long long prev = from.prev;
                    int cost = from.cost;
                    for (qint64 piece : splitPieces(prefix_[end] - prefix_[i], split)) {
                        const long long t = tenthsOf(piece);
                        cost += rowCost(prev, t, i, false);
                        prev = t;
                    }
                    State to{prev, from.loops, cost, i, si, end};
                    to.split = split;
                    relax(end, to);
                }
            }
            if (!loopMayStart || from.loops >= kMaxMarkedRuns) continue;
            auto cached = bodyCache.find(from.prev);
            if (cached == bodyCache.end())
                cached = bodyCache.insert(from.prev, bodyChoices(i, from.prev, passes));
            for (int length = 1; length <= kMaxLoopRows; ++length) {
                for (const BodyChoice& c : (*cached)[length])
                    for (int k = kMinLoopPasses; k <= passes[length]; ++k)
                        relax(i + k * length, {c.exit, from.loops + 1, from.cost + c.cost, i, si, 0,
                                               length, k, c.body});
            }
        }
    }

    // The cheapest end, then back to the start.
    int best = 0;
    for (int s = 1; s < int(states_[n_].size()); ++s)
        if (states_[n_][s].cost < states_[n_][best].cost) best = s;
    std::vector<const State*> path;
    for (int pos = n_, s = best; pos > 0;) {
        const State& state = states_[pos][s];
        path.push_back(&state);
        pos = state.fromPos;
        s = state.fromState;
    }
    std::reverse(path.begin(), path.end());

    std::vector<OutRow> rows;
    int loop = 0;
    for (const State* s : path) {
        const int from = s->fromPos;
        if (s->length == 0 && s->split != Split::None) {
            for (qint64 piece : splitPieces(prefix_[s->end] - prefix_[from], s->split))
                rows.push_back({from, s->end - 1, 0, 0, piece});
            continue;
        }
        if (s->length == 0) {
            rows.push_back({from, s->end - 1, 0, 0});
            continue;
        }
        ++loop;
        int first = from;
        for (int end : bodies_[s->body]) {
            rows.push_back({first, end - 1, loop, s->passes});
            first = end;
        }
    }
    return rows;
}

// The loops of a result end by row kMaxLoopRow; the first unit of the first loop that does not.
int firstLateLoopStart(const std::vector<OutRow>& rows) {
    for (int r = 0; r < int(rows.size()); ++r) {
        const bool lastOfLoop =
            rows[r].loop > 0 && (r + 1 == int(rows.size()) || rows[r + 1].loop != rows[r].loop);
        if (!lastOfLoop || r + 1 <= kMaxLoopRow) continue;
        int start = r;
        while (start > 0 && rows[start - 1].loop == rows[r].loop) --start;
        return rows[start].first;
    }
    return -1;
}

std::vector<Unit> playedUnits(const Sequence& rows, const QVector<ShownStep>& steps) {
    std::vector<Unit> units;
    units.reserve(steps.size());
    QHash<QString, int> ids;
    for (const ShownStep& step : steps) {
        const Step& row = rows[step.row];
        QString key = QString::number(step.ms);
        for (int b : row.lamps) key += QLatin1Char(' ') + QString::number(b);
        const int id = ids.value(key, int(ids.size()));
        ids.insert(key, id);
        units.push_back({row.lamps, step.ms, row.time.valueOnly(), id});
    }
    return units;
}

Sequence rowsOf(const std::vector<Unit>& units, const std::vector<OutRow>& out) {
    Sequence rows;
    rows.reserve(int(out.size()));
    for (const OutRow& r : out) {
        qint64 ms = 0;
        for (int u = r.first; u <= r.last; ++u) ms += units[u].ms;
        Step step;
        step.lamps = units[r.first].lamps;
        step.time = r.ms >= 0           ? OnTime::ofMs(r.ms)
                    : r.first == r.last ? units[r.first].time
                                        : OnTime::ofMs(ms);
        if (r.loop > 0) step.loop = loopMarker(r.loop, r.passes);
        rows.append(step);
    }
    return rows;
}

}  // namespace

bool keepsLoopRules(const Sequence& rows) {
    int loops = 0;
    QString previous;
    for (int r = 0; r < rows.size(); ++r) {
        const QString& marker = rows[r].loop;
        if (marker.isEmpty() || marker == previous) {
            previous = marker;
            continue;
        }
        ++loops;
        int last = r;
        while (last + 1 < rows.size() && rows[last + 1].loop == marker) ++last;
        const int length = last - r + 1;
        const long long passes = markerRepeatCount(marker);
        if (marker != loopMarker(loops, int(passes)) || length < kMinLoopRows ||
            length > kMaxLoopRows || passes < kMinLoopPasses || passes > kMaxLoopPasses ||
            last + 1 > kMaxLoopRow || !isLit(rows[r].lamps) || loops > kMaxMarkedRuns)
            return false;
        previous = marker;
    }
    return true;
}

CompactionResult compactSequence(const Sequence& rows) {
    CompactionResult result;
    result.rows = rows;
    result.bytesBefore = result.bytesAfter = sequenceImageBytes(rows).value_or(-1);
    if (result.bytesBefore < 0) {
        result.status = CompactionResult::Status::CannotBuild;
        result.bytesBefore = result.bytesAfter = 0;
        return result;
    }
    const auto shown = shownLamps(rows, kMaxCompactedPlaybackSteps);
    if (!shown) {
        result.status = CompactionResult::Status::Endless;
        return result;
    }
    const std::vector<Unit> units =
        playedUnits(rows, playbackSteps(rows, 0, kMaxCompactedPlaybackSteps));

    Search search(units);
    int loopStartLimit = int(units.size());
    std::vector<OutRow> out = search.run(loopStartLimit);
    // A loop that would end past row 255 may not start there; search again without it.
    for (int late = firstLateLoopStart(out); late >= 0; late = firstLateLoopStart(out)) {
        loopStartLimit = late;
        out = search.run(loopStartLimit);
    }
    const Sequence compacted = rowsOf(units, out);

    const int after = sequenceImageBytes(compacted).value_or(-1);
    if (after < 0 || after >= result.bytesBefore || compacted.size() > kMaxRows) return result;
    if (!keepsLoopRules(compacted) || shownLamps(compacted, kMaxCompactedPlaybackSteps) != shown) {
        // A result that does not keep the show is never handed out.
        result.status = CompactionResult::Status::CheckFailed;
        return result;
    }
    result.status = CompactionResult::Status::Compacted;
    result.rows = compacted;
    result.bytesAfter = after;
    return result;
}

}  // namespace vireo
