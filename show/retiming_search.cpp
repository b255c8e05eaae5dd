#include "show/retiming_search.h"

#include <algorithm>

#include "image/step_record.h"
#include "sequence/edit_limits.h"

namespace vireo {

namespace {

// Rows of at most kLongestRetimedMs the duration needs.
int plainRows(qint64 ms) {
    return int(std::max<qint64>(1, (ms + kLongestRetimedMs - 1) / kLongestRetimedMs));
}

qint64 clampedTenth(qint64 ms) {
    return std::clamp<qint64>(ms, kShortestRetimedMs, kLongestRetimedMs);
}

qint64 changeAt(const std::vector<qint64>& values, qint64 v) {
    qint64 sum = 0;
    for (qint64 x : values) sum += x > v ? x - v : v - x;
    return sum;
}

// The on-time in tenths (as ms) that moves sorted `values` least, and how much: the sum of
// distances is smallest between the lower and the upper median, so the tenth there or the
// nearest one on either side.
std::pair<qint64, qint64> medianTenth(const std::vector<qint64>& sorted) {
    const qint64 low = sorted[(sorted.size() - 1) / 2];
    const qint64 high = sorted[sorted.size() / 2];
    const qint64 down = clampedTenth(low / 100 * 100);
    const qint64 up = clampedTenth((high + 99) / 100 * 100);
    const qint64 costDown = changeAt(sorted, down);
    const qint64 costUp = changeAt(sorted, up);
    return costUp < costDown ? std::make_pair(up, costUp) : std::make_pair(down, costDown);
}

void insertSorted(std::vector<qint64>& sorted, qint64 value) {
    sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), value), value);
}

// One way to time a loop's body: how many time bytes it writes, how much it changes the show and
// the duration of each of its rows.
struct BodyTiming {
    int timeBytes = 0;
    qint64 change = 0;
    std::vector<qint64> values;
};

// The ways worth trying to time a body whose row k shows for the durations samples[k] (one per
// pass): runs of neighbouring rows that share one on-time. Every split into runs is tried on a
// short body; a long one is tried as one run and as each row on its own median.
std::vector<BodyTiming> bodyTimings(const std::vector<std::vector<qint64>>& samples) {
    const int r = int(samples.size());
    std::vector<BodyTiming> ways;
    constexpr int kFullSearchRows = 6;
    if (r <= kFullSearchRows) {
        // cost[a][b]: rows a..b-1 sharing one on-time.
        std::vector<std::vector<std::pair<qint64, qint64>>> cost(
            r, std::vector<std::pair<qint64, qint64>>(r + 1));
        for (int a = 0; a < r; ++a) {
            std::vector<qint64> sorted;
            for (int b = a + 1; b <= r; ++b) {
                for (qint64 x : samples[b - 1]) insertSorted(sorted, x);
                cost[a][b] = medianTenth(sorted);
            }
        }
        // best[t][k]: rows 0..k-1 in t runs.
        std::vector<std::vector<qint64>> best(r + 1, std::vector<qint64>(r + 1, kNoRetiming));
        std::vector<std::vector<int>> from(r + 1, std::vector<int>(r + 1, -1));
        best[0][0] = 0;
        for (int t = 1; t <= r; ++t)
            for (int k = 1; k <= r; ++k)
                for (int a = 0; a < k; ++a) {
                    if (best[t - 1][a] >= kNoRetiming) continue;
                    const qint64 c = best[t - 1][a] + cost[a][k].second;
                    if (c < best[t][k]) {
                        best[t][k] = c;
                        from[t][k] = a;
                    }
                }
        for (int t = 1; t <= r; ++t) {
            if (best[t][r] >= kNoRetiming) continue;
            BodyTiming way{t, best[t][r], std::vector<qint64>(r)};
            for (int k = r, tt = t; tt > 0; --tt) {
                const int a = from[tt][k];
                for (int j = a; j < k; ++j) way.values[j] = cost[a][k].first;
                k = a;
            }
            ways.push_back(std::move(way));
        }
        return ways;
    }
    std::vector<qint64> all;
    BodyTiming own{0, 0, std::vector<qint64>(r)};
    for (int k = 0; k < r; ++k) {
        std::vector<qint64> sorted = samples[k];
        std::sort(sorted.begin(), sorted.end());
        const auto [v, c] = medianTenth(sorted);
        own.values[k] = v;
        own.change += c;
        if (k == 0 || own.values[k - 1] != v) ++own.timeBytes;
        for (qint64 x : sorted) all.push_back(x);
    }
    std::sort(all.begin(), all.end());
    const auto [v, c] = medianTenth(all);
    ways.push_back({1, c, std::vector<qint64>(r, v)});
    ways.push_back(std::move(own));
    return ways;
}

}  // namespace

RetimingSearch::RetimingSearch(const QVector<ShownLamps>& show, int budget)
    : show_(show), n_(int(show.size())), budget_(std::max(0, budget)) {
    rowBytes_.resize(n_);
    loopExtra_.resize(n_);
    rowsBefore_.resize(n_ + 1, 0);
    for (int i = 0; i < n_; ++i) {
        const LampBytes& lamps = show_[i].lamps;
        rowBytes_[i] = stepRecordBytes(lamps, 1, 1, false);
        loopExtra_[i] = stepRecordBytes(lamps, 1, 1, true) - rowBytes_[i];
        rowsBefore_[i + 1] = rowsBefore_[i] + plainRows(show_[i].ms);
    }
    best_.assign(n_ + 1, std::vector<qint64>(budget_ + 1, kNoRetiming));
    via_.assign(n_ + 1, std::vector<int>(budget_ + 1, -1));
    best_[0][0] = 0;
    for (int i = 0; i < n_; ++i) {
        if (std::all_of(best_[i].begin(), best_[i].end(),
                        [](qint64 c) { return c >= kNoRetiming; }))
            continue;
        addPlainRuns(i);
        addLongSegment(i);
        addLoops(i);
    }
}

void RetimingSearch::relax(Block block) {
    if (block.bytes > budget_) return;
    const std::vector<qint64>& from = best_[block.from];
    std::vector<qint64>& to = best_[block.to];
    int index = -1;
    for (int b = 0; b + block.bytes <= budget_; ++b) {
        if (from[b] >= kNoRetiming) continue;
        const qint64 c = from[b] + block.change;
        if (c < to[b + block.bytes]) {
            if (index < 0) {
                index = int(blocks_.size());
                blocks_.push_back(block);
            }
            to[b + block.bytes] = c;
            via_[block.to][b + block.bytes] = index;
        }
    }
}

void RetimingSearch::addPlainRuns(int from) {
    std::vector<qint64> sorted;
    int bytes = 1;  // the run's time byte
    for (int to = from + 1; to <= n_; ++to) {
        insertSorted(sorted, show_[to - 1].ms);
        bytes += rowBytes_[to - 1];
        if (bytes > budget_) break;
        const auto [v, change] = medianTenth(sorted);
        relax({from, to, bytes, change, 0, {v}});
    }
}

void RetimingSearch::addLongSegment(int at) {
    const qint64 ms = show_[at].ms;
    if (ms <= kLongestRetimedMs) return;
    const int fewest = plainRows(ms);
    // Equal rows, one time byte.
    for (int k = fewest; k <= fewest + 1; ++k) {
        const qint64 v = clampedTenth((ms / k + 50) / 100 * 100);
        relax({at, at + 1, k * rowBytes_[at] + 1, std::abs(ms - k * v), 0, {k * v}});
    }
    // Full rows and one row for the rest.
    const qint64 rest = clampedTenth((ms - (fewest - 1) * kLongestRetimedMs + 50) / 100 * 100);
    const qint64 total = (fewest - 1) * kLongestRetimedMs + rest;
    relax({at,
           at + 1,
           fewest * rowBytes_[at] + (rest == kLongestRetimedMs ? 1 : 2),
           std::abs(ms - total),
           0,
           {total}});
}

void RetimingSearch::addLoops(int from) {
    for (int r = kMinLoopRows; r <= kMaxLoopRows && from + 2 * r <= n_; ++r) {
        if (rowsBefore_[from] + r > kMaxLoopRow) break;
        // How far the lamps repeat with period r.
        int repeating = 0;
        while (from + repeating + r < n_ && repeating < r * (kMaxLoopPasses - 1) &&
               show_[from + repeating].lamps == show_[from + repeating + r].lamps)
            ++repeating;
        const int mostPasses = std::min(kMaxLoopPasses, (repeating + r) / r);
        if (mostPasses < kMinLoopPasses) continue;
        int fixedBytes = loopExtra_[from];
        for (int k = 0; k < r; ++k) fixedBytes += rowBytes_[from + k];
        std::vector<std::vector<qint64>> samples(r);
        for (int k = 0; k < r; ++k) samples[k].push_back(show_[from + k].ms);
        for (int passes = 2; passes <= mostPasses; ++passes) {
            for (int k = 0; k < r; ++k) samples[k].push_back(show_[from + (passes - 1) * r + k].ms);
            qint64 lastChange = kNoRetiming;
            for (BodyTiming& way : bodyTimings(samples)) {
                if (way.change >= lastChange) continue;  // more time bytes and no less change
                lastChange = way.change;
                relax({from, from + passes * r, fixedBytes + way.timeBytes, way.change, r,
                       std::move(way.values)});
            }
        }
    }
}

int RetimingSearch::bestBytesWithin(int bytes) const {
    int found = -1;
    for (int b = 0; b <= std::min(bytes, budget_); ++b)
        if (best_[n_][b] < kNoRetiming && (found < 0 || best_[n_][b] < best_[n_][found])) found = b;
    return found;
}

qint64 RetimingSearch::changeFor(int bytes) const {
    const int b = bestBytesWithin(bytes);
    return b < 0 ? kNoRetiming : best_[n_][b];
}

std::vector<qint64> RetimingSearch::durationsFor(int bytes) const {
    int b = bestBytesWithin(bytes);
    if (b < 0) return {};
    std::vector<qint64> durations(n_);
    for (int i = n_; i > 0;) {
        const Block& block = blocks_[via_[i][b]];
        for (int s = block.from; s < block.to; ++s)
            durations[s] =
                block.period == 0 ? block.values[0] : block.values[(s - block.from) % block.period];
        b -= block.bytes;
        i = block.from;
    }
    return durations;
}

}  // namespace vireo
