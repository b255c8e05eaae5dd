#include "show/piece_options.h"

#include <algorithm>

namespace vireo {

int Pieces::rows() const {
    int n = 0;
    for (int r = 0; r < runCount; ++r) n += runs[r].count;
    return n;
}

namespace {

// Collects ways, merging neighbouring runs of one length and leaving out repeats.
class Collector {
  public:
    explicit Collector(int longest) : longest_(longest) {}

    void add(std::initializer_list<PieceRun> runs) {
        Pieces p;
        for (const PieceRun& run : runs) {
            if (run.count <= 0) continue;
            if (run.length < 0 || run.length > longest_) return;
            if (p.runCount > 0 && p.runs[p.runCount - 1].length == run.length)
                p.runs[p.runCount - 1].count += run.count;
            else
                p.runs[p.runCount++] = run;
        }
        if (p.runCount == 0) return;
        if (std::find(ways_.begin(), ways_.end(), p) == ways_.end()) ways_.push_back(p);
    }
    void addWholeRow(int span) {
        Pieces p;
        p.runs[0] = {span, 1};
        p.runCount = 1;
        if (std::find(ways_.begin(), ways_.end(), p) == ways_.end()) ways_.push_back(p);
    }
    std::vector<Pieces> take() { return std::move(ways_); }

  private:
    int longest_;
    std::vector<Pieces> ways_;
};

int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

bool usable(int length, int longest) {
    return length >= 1 && length <= longest;
}

}  // namespace

std::vector<Pieces> pieceOptions(int span, const PieceLimits& limits,
                                 const std::vector<int>& entries, const std::vector<int>& exits) {
    const int longest = limits.longest;
    Collector ways(longest);
    if (span <= 0) {
        if (limits.fewestRows <= 1) ways.addWholeRow(0);
        return ways.take();
    }
    if (limits.fewestRows <= 1 &&
        std::find(limits.wholeRow.begin(), limits.wholeRow.end(), span) != limits.wholeRow.end())
        ways.addWholeRow(span);

    const int fewest = std::max(limits.fewestRows, ceilDiv(span, longest));
    for (int k = fewest; k <= fewest + limits.extraRows && k <= span; ++k) {
        // All rows equal, or two neighbouring lengths in either order.
        const int base = span / k;
        const int longer = span % k;
        ways.add({{base, k - longer}, {base + 1, longer}});
        if (longer > 0) ways.add({{base + 1, longer}, {base, k - longer}});
        // A first run that needs no time byte after the row before, a last run that spares the
        // row after its time byte.
        for (int e : entries) {
            if (!usable(e, longest)) continue;
            for (int n = 1; n < k; ++n) {
                const int rest = span - n * e;
                if (rest >= k - n && rest % (k - n) == 0)
                    ways.add({{e, n}, {rest / (k - n), k - n}});
            }
            if (span == k * e) ways.add({{e, k}});
        }
        for (int x : exits) {
            if (!usable(x, longest)) continue;
            for (int n = 1; n < k; ++n) {
                const int rest = span - n * x;
                if (rest >= k - n && rest % (k - n) == 0)
                    ways.add({{rest / (k - n), k - n}, {x, n}});
            }
            if (span == k * x) ways.add({{x, k}});
        }
        // Both at once, with one run between them; a handful of rows is enough to need it.
        if (k <= 6) {
            for (int e : entries) {
                if (!usable(e, longest)) continue;
                for (int x : exits) {
                    if (!usable(x, longest)) continue;
                    for (int n0 = 1; n0 + 1 < k; ++n0)
                        for (int n2 = 1; n0 + n2 < k; ++n2) {
                            const int mid = span - n0 * e - n2 * x;
                            const int m = k - n0 - n2;
                            if (mid >= m && mid % m == 0)
                                ways.add({{e, n0}, {mid / m, m}, {x, n2}});
                        }
                }
            }
        }
        // Full rows and one row for the rest, the rest first or last.
        const int full = (span - 1) / longest;
        if (full >= 1 && full + 1 >= limits.fewestRows) {
            const int rest = span - full * longest;
            ways.add({{rest, 1}, {longest, full}});
            ways.add({{longest, full}, {rest, 1}});
        }
    }
    return ways.take();
}

std::vector<int> naturalLengths(int span, int longest) {
    std::vector<int> lengths;
    const auto add = [&](int length) {
        if (length >= 1 && length <= longest &&
            std::find(lengths.begin(), lengths.end(), length) == lengths.end())
            lengths.push_back(length);
    };
    if (span <= 0) return lengths;
    const int fewest = ceilDiv(span, longest);
    add(span);
    for (int k = fewest; k <= fewest + 1; ++k)
        if (span % k == 0) add(span / k);
    add(span / fewest);
    add(ceilDiv(span, fewest));
    if (span > longest) {
        add(longest);
        add(span - (fewest - 1) * longest);
    }
    return lengths;
}

}  // namespace vireo
