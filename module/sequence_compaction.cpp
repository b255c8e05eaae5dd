#include "module/sequence_compaction.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <vector>

#include "module/image_builder.h"
#include "module/image_cost.h"
#include "sequence/edit_limits.h"
#include "sequence/loop_marker.h"
#include "simulation/playback_steps.h"
#include "simulation/shown_lamps.h"

namespace vireo {

namespace {

constexpr int kMinLoopRows = 2;
constexpr int kMinPasses = 2;
constexpr int kMaxPasses = 20;
constexpr int kLoopBytes = 2;

// One step of the played-out sequence: its lamps, interval and the row text it came from.
struct Unit {
    LampBytes lamps{};
    qint64 ms = 0;
    QString text;
    int id = 0;  // equal for units with the same lamps and interval
};

bool isLit(const LampBytes& lamps) {
    return std::any_of(lamps.begin(), lamps.end(), [](int b) { return b > 0; });
}

// Corner bytes as the image writes them: the lamp the rear corners share once.
int cornerBytes(const LampBytes& lamps) {
    int n =
        static_cast<int>(std::count_if(lamps.begin(), lamps.end(), [](int b) { return b > 0; }));
    if (lamps[2] == 16 && lamps[3] == 16) --n;
    return n;
}

// An interval in seconds with a decimal comma and no trailing zeros ("1,5", "10", "0,55").
QString msText(qint64 ms) {
    QString text = QString::number(ms / 1000);
    const qint64 fraction = ms % 1000;
    if (fraction == 0) return text;
    QString digits = QStringLiteral("%1").arg(fraction, 3, 10, QLatin1Char('0'));
    while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
    return text + QLatin1Char(',') + digits;
}

// One row of the result: units first..last (inclusive) shown as one step.
struct OutRow {
    int first = 0;
    int last = 0;
    int loop = 0;  // loop ordinal from 1, 0 outside a loop
    int passes = 0;
};

class Search {
  public:
    explicit Search(std::vector<Unit> units) : units_(std::move(units)), n_(int(units_.size())) {
        prefix_.assign(n_ + 1, 0);
        runEnd_.assign(n_, 0);
        for (int i = 0; i < n_; ++i) prefix_[i + 1] = prefix_[i] + units_[i].ms;
        for (int i = n_ - 1; i >= 0; --i)
            runEnd_[i] =
                (i + 1 < n_ && units_[i + 1].lamps == units_[i].lamps) ? runEnd_[i + 1] : i + 1;
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
    };
    struct BodyChoice {
        long long exit = 0;
        int cost = 0;
        int body = -1;
    };

    // Whether units i..j-1 may become one step.
    bool groupAllowed(int i, int j) const {
        return j <= runEnd_[i] && (j - i == 1 || prefix_[j] - prefix_[i] <= kMaxMergedStepMs);
    }
    QString groupText(int i, int j) const {
        return j - i == 1 ? units_[i].text : msText(prefix_[j] - prefix_[i]);
    }
    long long groupTenths(int i, int j) {
        if (j - i == 1) return imageTimeTenths(units_[i].text);
        const qint64 ms = prefix_[j] - prefix_[i];
        auto it = tenthsOfMs_.find(ms);
        if (it == tenthsOfMs_.end()) it = tenthsOfMs_.insert(ms, imageTimeTenths(msText(ms)));
        return *it;
    }
    int rowCost(long long prev, long long tenths, int i, bool loopStart) const {
        return 1 + (tenths != prev ? 1 : 0) + cornerBytes(units_[i].lamps) +
               (loopStart ? kLoopBytes : 0);
    }
    // How often units i..i+length-1 follow each other unchanged, at most kMaxPasses.
    int passesAt(int i, int length) const {
        int k = 1;
        while (k < kMaxPasses && i + (k + 1) * length <= n_) {
            for (int t = 0; t < length; ++t)
                if (units_[i + t].id != units_[i + k * length + t].id) return k;
            ++k;
        }
        return k;
    }
    std::vector<BodyChoice> bodyChoices(int i, int length, long long prev);
    static void relax(std::vector<State>& states, const State& s) {
        for (State& old : states) {
            if (old.prev != s.prev || old.loops != s.loops) continue;
            if (s.cost < old.cost) old = s;
            return;
        }
        states.push_back(s);
    }

    std::vector<Unit> units_;
    int n_;
    std::vector<qint64> prefix_;
    std::vector<int> runEnd_;
    QHash<qint64, long long> tenthsOfMs_;
    std::vector<std::vector<int>> bodies_;  // row ends (exclusive) of each loop body
};

// The cheapest ways to write units i..i+length-1 as the rows of a loop entered after a row of
// `prev` tenths, one per on-time of its last row.
std::vector<Search::BodyChoice> Search::bodyChoices(int i, int length, long long prev) {
    struct Sub {
        long long prev = 0;
        int rows = 0;  // 1, or 2 for two and more
        int cost = 0;
        int fromPos = -1;
        int fromState = -1;
    };
    const int end = i + length;
    std::vector<std::vector<Sub>> subs(length + 1);
    const auto put = [&subs, i](int pos, const Sub& s) {
        auto& list = subs[pos - i];
        for (Sub& old : list) {
            if (old.prev != s.prev || old.rows != s.rows) continue;
            if (s.cost < old.cost) old = s;
            return;
        }
        list.push_back(s);
    };
    for (int j = i + 1; j <= end && groupAllowed(i, j); ++j) {
        const long long t = groupTenths(i, j);
        put(j, {t, 1, rowCost(prev, t, i, true), i, -1});
    }
    for (int pos = i + 1; pos < end; ++pos) {
        for (int s = 0; s < int(subs[pos - i].size()); ++s) {
            const Sub from = subs[pos - i][s];
            for (int j = pos + 1; j <= end && groupAllowed(pos, j); ++j) {
                const long long t = groupTenths(pos, j);
                put(j, {t, 2, from.cost + rowCost(from.prev, t, pos, false), pos, s});
            }
        }
    }
    std::vector<BodyChoice> choices;
    for (int s = 0; s < int(subs[length].size()); ++s) {
        const Sub& last = subs[length][s];
        if (last.rows < kMinLoopRows) continue;
        std::vector<int> ends;
        int pos = end;
        int index = s;
        while (pos > i) {
            ends.push_back(pos);
            const Sub& sub = subs[pos - i][index];
            pos = sub.fromPos;
            index = sub.fromState;
        }
        std::reverse(ends.begin(), ends.end());
        bodies_.push_back(std::move(ends));
        choices.push_back({last.prev, last.cost, int(bodies_.size()) - 1});
    }
    return choices;
}

std::vector<OutRow> Search::run(int loopStartLimit) {
    bodies_.clear();
    std::vector<std::vector<State>> states(n_ + 1);
    states[0].push_back(State{});
    for (int i = 0; i < n_; ++i) {
        // Loop bodies depend only on the on-time before them.
        std::vector<std::pair<long long, std::vector<std::vector<BodyChoice>>>> bodyCache;
        const bool loopMayStart = i < loopStartLimit && isLit(units_[i].lamps);
        for (int si = 0; si < int(states[i].size()); ++si) {
            const State from = states[i][si];
            for (int j = i + 1; j <= n_ && groupAllowed(i, j); ++j) {
                const long long t = groupTenths(i, j);
                relax(states[j],
                      {t, from.loops, from.cost + rowCost(from.prev, t, i, false), i, si, j});
            }
            if (!loopMayStart || from.loops >= kMaxMarkedRuns) continue;
            auto cached = std::find_if(bodyCache.begin(), bodyCache.end(),
                                       [&from](const auto& c) { return c.first == from.prev; });
            if (cached == bodyCache.end()) {
                std::vector<std::vector<BodyChoice>> byLength(kMaxLoopRows + 1);
                for (int length = 1; length <= kMaxLoopRows && i + 2 * length <= n_; ++length)
                    if (passesAt(i, length) >= kMinPasses)
                        byLength[length] = bodyChoices(i, length, from.prev);
                bodyCache.emplace_back(from.prev, std::move(byLength));
                cached = std::prev(bodyCache.end());
            }
            for (int length = 1; length <= kMaxLoopRows && i + 2 * length <= n_; ++length) {
                const auto& choices = cached->second[length];
                if (choices.empty()) continue;
                const int most = passesAt(i, length);
                for (const BodyChoice& c : choices)
                    for (int k = kMinPasses; k <= most; ++k)
                        relax(states[i + k * length], {c.exit, from.loops + 1, from.cost + c.cost,
                                                       i, si, 0, length, k, c.body});
            }
        }
    }

    // The cheapest end, then back to the start.
    int best = 0;
    for (int s = 1; s < int(states[n_].size()); ++s)
        if (states[n_][s].cost < states[n_][best].cost) best = s;
    std::vector<const State*> path;
    for (int pos = n_, s = best; pos > 0;) {
        const State& state = states[pos][s];
        path.push_back(&state);
        pos = state.fromPos;
        s = state.fromState;
    }
    std::reverse(path.begin(), path.end());

    std::vector<OutRow> rows;
    int loop = 0;
    for (const State* s : path) {
        const int from = s->fromPos;
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
        units.push_back({row.lamps, step.ms, row.time, id});
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
        step.time = r.first == r.last ? units[r.first].text : msText(ms);
        if (r.loop > 0) step.loop = loopMarker(r.loop, r.passes);
        rows.append(step);
    }
    return rows;
}

}  // namespace

int sequenceImageBytes(const Sequence& rows) {
    Document document;
    document.sequences[kWelcome] = rows;
    const ImageCost cost = imageCost(document, VehicleOptions{}, 0, kImageSize - 1);
    if (cost.outcome != ImageOutcome::Ok && cost.outcome != ImageOutcome::NothingToSend) return -1;
    return cost.sequenceBytes(kWelcome);
}

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
            length > kMaxLoopRows || passes < kMinPasses || passes > kMaxPasses ||
            last + 1 > kMaxLoopRow || !isLit(rows[r].lamps) || loops > kMaxMarkedRuns)
            return false;
        previous = marker;
    }
    return true;
}

CompactionResult compactSequence(const Sequence& rows) {
    CompactionResult result;
    result.rows = rows;
    result.bytesBefore = result.bytesAfter = sequenceImageBytes(rows);
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

    const int after = sequenceImageBytes(compacted);
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
