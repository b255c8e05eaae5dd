#include "show/compaction_search.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

#include "image/step_record.h"
#include "sequence/edit_limits.h"
#include "sequence/loop_marker.h"
#include "show/piece_options.h"

namespace vireo {

namespace {

constexpr int kNoCost = std::numeric_limits<int>::max() / 4;
constexpr int kLoopSlots = kMaxMarkedRuns + 1;

bool isDark(const LampBytes& lamps) {
    return std::all_of(lamps.begin(), lamps.end(), [](int b) { return b == 0; });
}

// A stretch of one lamp state: its lamps and its time in units.
struct Part {
    LampBytes lamps{};
    int span = 0;
};

// The rows of one pass of a loop, one part per lamp state.
struct Body {
    std::vector<Part> parts;
};

// The cheapest way found to write a body after a row of a given on-time.
struct BodyPlan {
    long long exit = 0;  // tenths of its last row
    int cost = 0;
    int rows = 0;
    std::vector<Pieces> pieces;  // one per part
};

// A place in the show: a lamp state and how many of its units are already written.
struct Position {
    int segment = 0;
    int offset = 0;
};

// A loop the show allows: from a position to a position, a body and its passes.
struct LoopChoice {
    int to = 0;
    int body = 0;
    int passes = 0;
};

// What one step of the search writes: rows of one lamp state, a loop, or both (a loop of one
// lamp state with a row before or after it).
struct Move {
    int from = 0;
    int to = 0;
    LampBytes lamps{};
    std::optional<Pieces> before;
    int body = -1;
    std::vector<Pieces> bodyPieces;
    int passes = 0;
    std::optional<Pieces> after;
};

struct State {
    long long prev = 0;  // tenths of the row written last: it decides the next time byte
    int loops = 0;
    int cost = 0;
    int fromState = -1;
    int move = -1;
};

class Search {
  public:
    Search(const QVector<ShownLamps>& show, const std::vector<qint64>& longRowsMs);
    std::optional<Sequence> result();

  private:
    // --- units and bytes
    long long tenthsOf(int units) const;
    int unitsOfTenths(long long tenths) const;
    PieceLimits limitsFor(const LampBytes& lamps, int span, int fewestRows) const;
    int piecesCost(const Pieces& pieces, const LampBytes& lamps, long long prev, bool loopStart,
                   long long* exit) const;

    // --- the show's positions and loops
    int positionOf(int segment, int offset);
    void findLoops();
    int bodyOf(std::vector<Part> parts);
    std::vector<int> exitsAt(int position) const;

    // --- the search
    const std::vector<BodyPlan>& plansFor(int body, long long prev, int endPosition);
    std::vector<BodyPlan> planBody(const Body& body, long long prev,
                                   const std::vector<int>& lastExits) const;
    bool admits(int to, long long prev, int loops, int cost) const;
    void relax(int to, long long prev, int loops, int cost, int fromState, Move move);
    void keepUnbeaten(int position);
    void plainMoves(int p, int q, int span);
    void longLoopMoves(int p, int q, int span);
    void loopMoves(int p);
    std::optional<Sequence> run(int loopStartLimit, int* lateLoopStart);

    std::vector<Part> segments_;
    int n_ = 0;
    int unitMs_ = 100;
    int longest_ = 0;  // units in a made row
    std::vector<int> wholeRows_;
    std::vector<long long> tenthsOfUnits_;

    std::vector<Position> positions_;
    QHash<qint64, int> positionIndex_;
    std::vector<int> segmentEnd_;  // the position where each segment is written out
    std::vector<std::vector<LoopChoice>> loopsAt_;
    std::vector<std::vector<int>> exits_;
    std::vector<int> exitSet_;  // positions with the same exits share an id, and body plans
    std::vector<std::vector<int>> exitSets_;
    std::vector<Body> bodies_;
    QHash<QByteArray, int> bodyIndex_;
    QHash<quint64, std::vector<BodyPlan>> plans_;

    std::vector<std::vector<State>> states_;
    std::vector<QHash<int, int>> stateIndex_;
    std::vector<std::array<int, kLoopSlots>> cheapest_;
    std::vector<Move> moves_;
};

Search::Search(const QVector<ShownLamps>& show, const std::vector<qint64>& longRowsMs) {
    // The time unit: the largest that divides every lamp state's time and a tenth of a second,
    // so every row the search makes lasts a whole number of units.
    qint64 unit = 100;
    for (const ShownLamps& s : show)
        if (s.ms > 0) unit = std::gcd(unit, s.ms);
    unitMs_ = int(unit);
    longest_ = kLongestMadeRowMs / unitMs_;
    for (const ShownLamps& s : show) segments_.push_back({s.lamps, int(s.ms / unit)});
    n_ = int(segments_.size());
    for (qint64 ms : longRowsMs)
        if (ms > kLongestMadeRowMs && ms % unit == 0) wholeRows_.push_back(int(ms / unit));
    tenthsOfUnits_.resize(longest_ + 1);
    for (int u = 0; u <= longest_; ++u)
        tenthsOfUnits_[u] = OnTime::ofMs(qint64(u) * unitMs_).tenths();

    for (int i = 0; i <= n_; ++i) positionOf(i, 0);
    findLoops();
    // Positions in show order; every loop and move refers to them by index.
    std::vector<int> order(positions_.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return std::make_pair(positions_[a].segment, positions_[a].offset) <
               std::make_pair(positions_[b].segment, positions_[b].offset);
    });
    std::vector<int> rank(order.size());
    for (int r = 0; r < int(order.size()); ++r) rank[order[r]] = r;
    std::vector<Position> sorted(order.size());
    std::vector<std::vector<LoopChoice>> loops(order.size());
    for (int old = 0; old < int(order.size()); ++old) {
        sorted[rank[old]] = positions_[old];
        for (LoopChoice c : loopsAt_[old]) {
            c.to = rank[c.to];
            loops[rank[old]].push_back(c);
        }
    }
    positions_ = std::move(sorted);
    loopsAt_ = std::move(loops);
    positionIndex_.clear();
    for (int p = 0; p < int(positions_.size()); ++p)
        positionIndex_.insert(qint64(positions_[p].segment) << 32 | positions_[p].offset, p);
    segmentEnd_.resize(n_);
    for (int i = 0; i < n_; ++i) segmentEnd_[i] = positionIndex_.value(qint64(i + 1) << 32);
    exits_.resize(positions_.size());
    exitSet_.resize(positions_.size());
    for (int p = 0; p < int(positions_.size()); ++p) {
        exits_[p] = exitsAt(p);
        auto known = std::find(exitSets_.begin(), exitSets_.end(), exits_[p]);
        if (known == exitSets_.end()) known = exitSets_.insert(exitSets_.end(), exits_[p]);
        exitSet_[p] = int(known - exitSets_.begin());
    }
}

long long Search::tenthsOf(int units) const {
    if (units >= 0 && units <= longest_) return tenthsOfUnits_[units];
    return OnTime::ofMs(qint64(units) * unitMs_).tenths();
}

int Search::unitsOfTenths(long long tenths) const {
    const qint64 ms = tenths * 100;
    if (ms <= 0 || ms % unitMs_ != 0) return -1;
    const qint64 units = ms / unitMs_;
    return units <= longest_ ? int(units) : -1;
}

PieceLimits Search::limitsFor(const LampBytes& lamps, int span, int fewestRows) const {
    PieceLimits limits;
    limits.longest = longest_;
    limits.fewestRows = fewestRows;
    // A dark row costs little, so splitting it may pay where its neighbours share on-times; a
    // lit row is worth splitting only where the time needs several rows anyway.
    limits.extraRows = isDark(lamps) ? 2 : (span > longest_ || fewestRows > 1 ? 1 : 0);
    limits.wholeRow = wholeRows_;
    return limits;
}

int Search::piecesCost(const Pieces& pieces, const LampBytes& lamps, long long prev, bool loopStart,
                       long long* exit) const {
    int cost = 0;
    for (int r = 0; r < pieces.runCount; ++r) {
        const PieceRun& run = pieces.runs[r];
        const long long t = tenthsOf(run.length);
        cost += stepRecordBytes(lamps, t, prev, loopStart && r == 0);
        if (run.count > 1) cost += (run.count - 1) * stepRecordBytes(lamps, t, t, false);
        prev = t;
    }
    if (exit) *exit = prev;
    return cost;
}

int Search::positionOf(int segment, int offset) {
    if (segment < n_ && offset > 0 && offset >= segments_[segment].span) {
        ++segment;
        offset = 0;
    }
    const qint64 key = qint64(segment) << 32 | offset;
    const auto it = positionIndex_.constFind(key);
    if (it != positionIndex_.constEnd()) return *it;
    positions_.push_back({segment, offset});
    loopsAt_.emplace_back();
    positionIndex_.insert(key, int(positions_.size()) - 1);
    return int(positions_.size()) - 1;
}

int Search::bodyOf(std::vector<Part> parts) {
    QByteArray key;
    key.reserve(int(parts.size() * sizeof(Part)));
    for (const Part& p : parts) {
        key.append(reinterpret_cast<const char*>(p.lamps.data()), sizeof(p.lamps));
        key.append(reinterpret_cast<const char*>(&p.span), sizeof(p.span));
    }
    const auto it = bodyIndex_.constFind(key);
    if (it != bodyIndex_.constEnd()) return *it;
    bodies_.push_back({std::move(parts)});
    bodyIndex_.insert(key, int(bodies_.size()) - 1);
    return int(bodies_.size()) - 1;
}

// The repeats of the show that can be loops. A pass of r lamp states starts with the end of one
// state (the part of its time the loop takes) and ends with the beginning of another; when a
// pass ends with the lamps it starts with, the passes merge in the show, and a period of q states
// holds a merged state of the last and the first part's time.
void Search::findLoops() {
    const auto same = [&](int a, int b) {
        return segments_[a].lamps == segments_[b].lamps && segments_[a].span == segments_[b].span;
    };
    // run[x]: how many states from x on equal the state `period` later.
    std::vector<int> run(n_ + 1);
    const auto countRuns = [&](int period) {
        run.assign(n_ + 1, 0);
        for (int x = n_ - 1 - period; x >= 0; --x)
            run[x] = same(x, x + period) ? run[x + 1] + 1 : 0;
    };
    const auto D = [&](int i) { return segments_[i].span; };
    const auto L = [&](int i) -> const LampBytes& { return segments_[i].lamps; };

    for (int r = 2; r <= kMaxLoopRows; ++r) {
        countRuns(r);
        for (int i = 0; i + 2 * r - 1 < n_; ++i) {
            const int first = D(i + r);
            const int last = D(i + r - 1);
            if (first > D(i) || L(i + r) != L(i)) continue;
            std::vector<Part> parts{{L(i), first}};
            for (int t = 1; t < r; ++t) parts.push_back({L(i + t), D(i + t)});
            int body = -1;
            for (int k = kMinLoopPasses; k <= kMaxLoopPasses; ++k) {
                const int j = i + k * r - 1;
                if (j >= n_ || (k - 1) * r - 2 > run[i + 1]) break;
                if (L(j) != L(i + r - 1) || D(j) < last) break;
                if (body < 0) body = bodyOf(parts);
                // A pass may start or end with a row of no time: it joins its lamp state.
                const int from = positionOf(i, D(i) - first);
                const int to = last == D(j) ? positionOf(j + 1, 0) : positionOf(j, last);
                loopsAt_[from].push_back({to, body, k});
            }
        }
    }
    for (int q = 2; q + 1 <= kMaxLoopRows; ++q) {
        countRuns(q);
        for (int i = 0; i + 2 * q < n_; ++i) {
            const int merged = D(i + q);
            if (merged < 2 || L(i + q) != L(i)) continue;
            for (int k = kMinLoopPasses; k <= kMaxLoopPasses; ++k) {
                const int end = i + q * k;
                if (end >= n_ || (k - 1) * q - 1 > run[i + 1]) break;
                if (L(end) != L(i)) continue;
                // Where the merged state's time is split between a pass's end and the next
                // pass's start: as the show's first or last state allows, or in halves.
                for (int first : {D(i), merged - D(end), merged / 2}) {
                    const int last = merged - first;
                    if (first < 1 || last < 1 || first > D(i) || last > D(end)) continue;
                    std::vector<Part> parts{{L(i), first}};
                    for (int t = 1; t < q; ++t) parts.push_back({L(i + t), D(i + t)});
                    parts.push_back({L(i), last});
                    const int body = bodyOf(std::move(parts));
                    const int from = positionOf(i, D(i) - first);
                    LoopChoice choice{
                        last == D(end) ? positionOf(end + 1, 0) : positionOf(end, last), body, k};
                    auto& here = loopsAt_[from];
                    const bool known = std::any_of(here.begin(), here.end(), [&](const auto& c) {
                        return c.to == choice.to && c.body == body && c.passes == k;
                    });
                    if (!known) here.push_back(choice);
                }
            }
        }
    }
}

std::vector<int> Search::exitsAt(int position) const {
    const Position& at = positions_[position];
    if (at.segment >= n_) return {};
    std::vector<int> exits = naturalLengths(segments_[at.segment].span - at.offset, longest_);
    for (const LoopChoice& c : loopsAt_[position])
        for (int length : naturalLengths(bodies_[c.body].parts.front().span, longest_))
            if (std::find(exits.begin(), exits.end(), length) == exits.end())
                exits.push_back(length);
    return exits;
}

std::vector<BodyPlan> Search::planBody(const Body& body, long long prev,
                                       const std::vector<int>& lastExits) const {
    std::vector<BodyPlan> plans{BodyPlan{prev, 0, 0, {}}};
    const int partCount = int(body.parts.size());
    for (int t = 0; t < partCount; ++t) {
        const Part& part = body.parts[t];
        const std::vector<int> exits =
            t + 1 < partCount ? naturalLengths(body.parts[t + 1].span, longest_) : lastExits;
        const PieceLimits limits = limitsFor(part.lamps, part.span, partCount == 1 ? 2 : 1);
        std::vector<BodyPlan> next;
        for (const BodyPlan& plan : plans) {
            std::vector<int> entries;
            if (const int e = unitsOfTenths(plan.exit); e > 0) entries.push_back(e);
            for (const Pieces& pieces : pieceOptions(part.span, limits, entries, exits)) {
                const int rows = plan.rows + pieces.rows();
                if (rows > kMaxLoopRows) continue;
                long long exit = 0;
                const int cost =
                    plan.cost + piecesCost(pieces, part.lamps, plan.exit, t == 0, &exit);
                auto same = std::find_if(next.begin(), next.end(),
                                         [&](const BodyPlan& b) { return b.exit == exit; });
                if (same != next.end() &&
                    (same->cost < cost || (same->cost == cost && same->rows <= rows)))
                    continue;
                BodyPlan grown{exit, cost, rows, plan.pieces};
                grown.pieces.push_back(pieces);
                if (same != next.end())
                    *same = std::move(grown);
                else
                    next.push_back(std::move(grown));
            }
        }
        // A plan two bytes dearer than the cheapest never catches up: the on-time it ends on
        // saves one time byte at most.
        int cheapest = kNoCost;
        for (const BodyPlan& b : next) cheapest = std::min(cheapest, b.cost);
        plans.clear();
        for (BodyPlan& b : next)
            if (b.cost <= cheapest + 1) plans.push_back(std::move(b));
    }
    int cheapest = kNoCost;
    for (const BodyPlan& b : plans)
        if (b.rows >= kMinLoopRows) cheapest = std::min(cheapest, b.cost);
    std::vector<BodyPlan> best;
    for (BodyPlan& b : plans)
        if (b.rows >= kMinLoopRows && b.cost == cheapest) best.push_back(std::move(b));
    return best;
}

const std::vector<BodyPlan>& Search::plansFor(int body, long long prev, int endPosition) {
    const quint64 key =
        quint64(body) << 40 | quint64(exitSet_[endPosition]) << 12 | quint64(prev & 0xFFF);
    auto it = plans_.find(key);
    if (it == plans_.end())
        it = plans_.insert(key, planBody(bodies_[body], prev, exits_[endPosition]));
    return *it;
}

bool Search::admits(int to, long long prev, int loops, int cost) const {
    // Beaten by a way one byte cheaper with no more loops: the on-time it ends on saves one time
    // byte at most.
    for (int u = 0; u <= loops; ++u)
        if (cheapest_[to][u] + 1 <= cost) return false;
    const auto it = stateIndex_[to].constFind(int(prev) * kLoopSlots + loops);
    return it == stateIndex_[to].constEnd() || cost < states_[to][*it].cost;
}

void Search::relax(int to, long long prev, int loops, int cost, int fromState, Move move) {
    if (!admits(to, prev, loops, cost)) return;
    cheapest_[to][loops] = std::min(cheapest_[to][loops], cost);
    moves_.push_back(std::move(move));
    const State state{prev, loops, cost, fromState, int(moves_.size()) - 1};
    const int key = int(prev) * kLoopSlots + loops;
    const auto it = stateIndex_[to].constFind(key);
    if (it == stateIndex_[to].constEnd()) {
        stateIndex_[to].insert(key, int(states_[to].size()));
        states_[to].push_back(state);
    } else {
        states_[to][*it] = state;
    }
}

// Keeps the states no other state beats: one with no more loops that costs at least one byte
// less, or the same on-time and no more bytes.
void Search::keepUnbeaten(int position) {
    std::vector<State>& states = states_[position];
    std::vector<int> order(states.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return states[a].cost < states[b].cost; });
    std::vector<State> kept;
    for (int i : order) {
        const State& s = states[i];
        const bool beaten = std::any_of(kept.begin(), kept.end(), [&](const State& k) {
            return k.loops <= s.loops &&
                   (k.cost + 1 <= s.cost || (k.prev == s.prev && k.cost <= s.cost));
        });
        if (!beaten) kept.push_back(s);
    }
    states = std::move(kept);
}

void Search::plainMoves(int p, int q, int span) {
    const LampBytes& lamps = segments_[positions_[p].segment].lamps;
    std::vector<int> entries;
    for (const State& s : states_[p])
        if (const int e = unitsOfTenths(s.prev);
            e > 0 && std::find(entries.begin(), entries.end(), e) == entries.end())
            entries.push_back(e);
    const std::vector<Pieces> ways =
        pieceOptions(span, limitsFor(lamps, span, 1), entries, exits_[q]);
    for (int si = 0; si < int(states_[p].size()); ++si) {
        const State from = states_[p][si];
        for (const Pieces& pieces : ways) {
            long long exit = 0;
            const int cost = from.cost + piecesCost(pieces, lamps, from.prev, false, &exit);
            if (!admits(q, exit, from.loops, cost)) continue;
            Move move;
            move.from = p;
            move.to = q;
            move.lamps = lamps;
            move.before = pieces;
            relax(q, exit, from.loops, cost, si, std::move(move));
        }
    }
}

// One lamp state held long: a loop of two or more of its rows, with a row for the rest of its
// time before or after the loop when the passes do not take all of it.
void Search::longLoopMoves(int p, int q, int span) {
    const LampBytes& lamps = segments_[positions_[p].segment].lamps;
    for (int si = 0; si < int(states_[p].size()); ++si) {
        const State from = states_[p][si];
        if (from.loops >= kMaxMarkedRuns) continue;
        std::vector<int> rests = exits_[q];
        if (const int e = unitsOfTenths(from.prev); e > 0) rests.push_back(e);
        rests.push_back(longest_);
        for (int k = kMinLoopPasses; k <= kMaxLoopPasses; ++k) {
            std::vector<int> restsHere{span % k};
            for (int r : rests)
                if (r <= longest_ && r < span && (span - r) % k == 0) restsHere.push_back(r);
            for (int rest : restsHere) {
                const int pass = (span - rest) / k;
                if (pass < 2 || pass > kMaxLoopRows * longest_) continue;
                const int body = bodyOf({{lamps, pass}});
                Pieces restRow;
                restRow.runs[0] = {rest, 1};
                restRow.runCount = 1;
                for (bool restFirst : {false, true}) {
                    if (rest == 0 && restFirst) continue;
                    long long prev = from.prev;
                    int cost = from.cost;
                    if (rest > 0 && restFirst)
                        cost += piecesCost(restRow, lamps, prev, false, &prev);
                    for (const BodyPlan& plan : plansFor(body, prev, q)) {
                        long long exit = plan.exit;
                        int total = cost + plan.cost;
                        if (rest > 0 && !restFirst)
                            total += piecesCost(restRow, lamps, plan.exit, false, &exit);
                        if (!admits(q, exit, from.loops + 1, total)) continue;
                        Move move;
                        move.from = p;
                        move.to = q;
                        move.lamps = lamps;
                        if (rest > 0) (restFirst ? move.before : move.after) = restRow;
                        move.body = body;
                        move.bodyPieces = plan.pieces;
                        move.passes = k;
                        relax(q, exit, from.loops + 1, total, si, std::move(move));
                    }
                }
            }
        }
    }
}

void Search::loopMoves(int p) {
    for (const LoopChoice& choice : loopsAt_[p]) {
        for (int si = 0; si < int(states_[p].size()); ++si) {
            const State from = states_[p][si];
            if (from.loops >= kMaxMarkedRuns) continue;
            for (const BodyPlan& plan : plansFor(choice.body, from.prev, choice.to)) {
                const int cost = from.cost + plan.cost;
                if (!admits(choice.to, plan.exit, from.loops + 1, cost)) continue;
                Move move;
                move.from = p;
                move.to = choice.to;
                move.body = choice.body;
                move.bodyPieces = plan.pieces;
                move.passes = choice.passes;
                relax(choice.to, plan.exit, from.loops + 1, cost, si, std::move(move));
            }
        }
    }
}

std::optional<Sequence> Search::run(int loopStartLimit, int* lateLoopStart) {
    const int count = int(positions_.size());
    states_.assign(count, {});
    stateIndex_.assign(count, {});
    std::array<int, kLoopSlots> none;
    none.fill(kNoCost);
    cheapest_.assign(count, none);
    moves_.clear();
    states_[0].push_back(State{});
    stateIndex_[0].insert(0, 0);
    cheapest_[0][0] = 0;

    for (int p = 0; p + 1 < count; ++p) {
        if (states_[p].empty()) continue;
        keepUnbeaten(p);
        const Position at = positions_[p];
        const int span = segments_[at.segment].span;
        const bool loopsMayStart = p < loopStartLimit;
        // Every later place in this lamp state, and its end.
        for (int q = p + 1; q <= segmentEnd_[at.segment]; ++q) {
            const int reach = positions_[q].segment == at.segment ? positions_[q].offset : span;
            plainMoves(p, q, reach - at.offset);
            if (loopsMayStart && reach - at.offset > 2 * longest_)
                longLoopMoves(p, q, reach - at.offset);
        }
        if (loopsMayStart) loopMoves(p);
    }

    const std::vector<State>& ends = states_[count - 1];
    if (ends.empty()) return std::nullopt;
    int best = 0;
    for (int s = 1; s < int(ends.size()); ++s)
        if (ends[s].cost < ends[best].cost) best = s;
    std::vector<const Move*> path;
    for (int p = count - 1, s = best; p > 0;) {
        const State& state = states_[p][s];
        const Move& move = moves_[state.move];
        path.push_back(&move);
        p = move.from;
        s = state.fromState;
    }
    std::reverse(path.begin(), path.end());

    Sequence rows;
    int loop = 0;
    const auto write = [&](const Pieces& pieces, const LampBytes& lamps, const QString& marker) {
        for (int r = 0; r < pieces.runCount; ++r)
            for (int c = 0; c < pieces.runs[r].count; ++c)
                rows.append(
                    Step{OnTime::ofMs(qint64(pieces.runs[r].length) * unitMs_), marker, lamps});
    };
    *lateLoopStart = -1;
    for (const Move* move : path) {
        if (move->before) write(*move->before, move->lamps, QString());
        if (move->body >= 0) {
            const QString marker = loopMarker(++loop, move->passes);
            const Body& body = bodies_[move->body];
            for (int t = 0; t < int(body.parts.size()); ++t)
                write(move->bodyPieces[t], body.parts[t].lamps, marker);
            if (rows.size() > kMaxLoopRow && *lateLoopStart < 0) *lateLoopStart = move->from;
        }
        if (move->after) write(*move->after, move->lamps, QString());
    }
    if (rows.size() > kMaxRows) return std::nullopt;
    return rows;
}

std::optional<Sequence> Search::result() {
    int limit = int(positions_.size());
    for (;;) {
        int late = -1;
        std::optional<Sequence> rows = run(limit, &late);
        // A loop that would end past row 255 may not start there; search again without it.
        if (!rows || late < 0) return rows;
        limit = late;
    }
}

}  // namespace

std::optional<Sequence> smallestRowsFor(const QVector<ShownLamps>& show,
                                        const std::vector<qint64>& longRowsMs) {
    if (show.isEmpty()) return Sequence{};
    Search search(show, longRowsMs);
    return search.result();
}

}  // namespace vireo
