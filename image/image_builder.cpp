#include "image/image_builder.h"

#include <algorithm>
#include <limits>

#include "image/image_loop_census.h"

namespace vireo {

namespace {

constexpr int kControl = 128;
constexpr int kTimeBit = 64;
constexpr int kMaxHoldPosition = 11;
constexpr int kHoldStepTenths = 100;  // every step of a hold record lasts 10 s

// Stops the build; caught once in buildDataImage.
struct BuildStop {
    ImageOutcome outcome;
    int sequence = -1;
};

class ImageWriter {
  public:
    ImageWriter(DataImage& image, int capacity)
        : image_(image),
          limit_(capacity == kUnlimitedCapacity ? std::numeric_limits<int>::max()
                                                : std::min(capacity, kImageSize - 1)) {}

    // An index above the memory the image may use stops the build.
    void requireIndex(int index) {
        if (index > limit_) throw BuildStop{ImageOutcome::Capacity};
        // Only an unlimited build gets this far past the fixed image.
        if (index >= image_.bytes.size()) image_.bytes.resize(index + 1, '\0');
    }
    static void requireByte(long long value) {
        if (value < 0 || value > 255) throw BuildStop{ImageOutcome::Overflow};
    }
    void put(int index, long long value) {
        requireIndex(index);
        requireByte(value);
        image_.bytes[index] = static_cast<char>(value);
    }
    // Header values are written without the memory check: they are part of every image.
    void putAddress(int index, int value) {
        image_.bytes[index] = static_cast<char>(value / 256);
        image_.bytes[index + 1] = static_cast<char>(value % 256);
    }
    int address(int index) const { return image_.byteAt(index) * 256 + image_.byteAt(index + 1); }
    int limit() const { return limit_; }
    QByteArray& bytes() { return image_.bytes; }

  private:
    DataImage& image_;
    int limit_;
};

// Encodes the rows of one table from index p + 1 on; returns the last index written.
int encodeRows(ImageWriter& out, const Sequence& rows, int p, const std::vector<LoopValues>& loops,
               std::vector<RowBytes>* layout) {
    long long previousTime = 0;
    std::size_t loopOrdinal = 0;
    long long lastLoopNumber = 0;
    bool loopStartDue = false;  // a new loop began and no step of it was marked yet

    for (const Step& row : rows) {
        out.requireIndex(p + 1);
        const long long time = row.time.tenths();
        ImageWriter::requireByte(time);

        // Every new loop number moves on to the next loop ordinal, also on a dark row, so the
        // ordinals stay in step with the census.
        if (row.loop.isEmpty()) {
            loopStartDue = false;
        } else {
            const long long number = markerLoopNumber(row.loop);
            if (number != lastLoopNumber) {
                ++loopOrdinal;
                lastLoopNumber = number;
                loopStartDue = true;
            }
        }
        const bool loopBytes = loopStartDue && loopOrdinal >= 1 && loopOrdinal <= loops.size();
        if (loopBytes) loopStartDue = false;

        const StepRecord record = stepRecord(row.lamps, time, previousTime, loopBytes);
        previousTime = time;
        out.put(++p, record.control);
        if (record.timeByte) out.put(++p, time);
        for (int c = 0; c < kCorners; ++c)
            if (record.corners[c]) out.put(++p, row.lamps[c]);
        if (record.loopBytes) {
            out.put(++p, loops[loopOrdinal - 1].repeat);
            out.put(++p, loops[loopOrdinal - 1].length);
        }
        if (layout) layout->push_back(record.bytes());
    }
    return p;
}

// A hold record: one 10 s step with its time byte, then (code - 2) further 10 s steps.
void writeHoldRecord(QByteArray& bytes, int from, int code) {
    bytes[from] = static_cast<char>(kControl | kTimeBit);
    bytes[from + 1] = static_cast<char>(kHoldStepTenths);
    for (int k = 2; k < code; ++k) bytes[from + k] = static_cast<char>(kControl);
}

int holdCode(bool on, int position) {
    if (!on) return 0;
    if (position < 0 || position > kMaxHoldPosition) throw BuildStop{ImageOutcome::Overflow};
    return position + 2;
}

// Appends the hold records: the welcome hold right after the welcome section (the goodbye
// section moves back to make room), the goodbye hold after the goodbye section. Returns the
// new image length.
int appendHoldRecords(ImageWriter& out, const VehicleOptions& options, bool welcomeHasRows,
                      bool goodbyeHasRows) {
    const int w = holdCode(options.comingHomeAuf.ticked, options.welcomeHold);
    const int g = holdCode(options.comingHomeZu.ticked, options.goodbyeHold);

    // Emptiness comes from the tables themselves: a section of one dark step would otherwise
    // look like an empty one and be overwritten by the hold record.
    int welcomeEnd = out.address(1);
    const int goodbyeEnd = out.address(3);
    if (!welcomeHasRows) welcomeEnd = kFirstSectionIndex - 1;

    const int newWelcomeEnd = welcomeEnd + w;
    int m = w + goodbyeEnd + g;
    if (!welcomeHasRows && !goodbyeHasRows) m -= 1;
    if (!goodbyeHasRows && g > 0) m -= 1;
    const int length = (goodbyeHasRows || g > 0) ? m : m - 1;

    // The records would pass the memory: stop like any other overflow of the memory.
    out.requireIndex(m);

    out.putAddress(1, newWelcomeEnd);
    out.putAddress(3, m);
    QByteArray& bytes = out.bytes();
    if (w > 0) {
        const int from = welcomeEnd + 1;
        const int count = goodbyeHasRows ? goodbyeEnd - welcomeEnd : 0;
        if (count > 0) bytes.replace(from + w, count, bytes.mid(from, count));
        writeHoldRecord(bytes, from, w);
    }
    if (g > 0) writeHoldRecord(bytes, m - g + 1, g);
    return length;
}

UserMessage messageFor(const BuildStop& stop, const LanguageTable& texts) {
    return imageOutcomeMessage(stop.outcome, stop.sequence, texts);
}

int optionBits(const VehicleOptions& o) {
    int bits = 0;
    if (o.abbiegelicht.ticked) bits |= 1;
    if (o.tagfahrlicht.ticked) bits |= 2;
    if (o.standlichtUs.ticked) bits |= 4;
    if (o.tagfahrlichtStandlicht.ticked) bits |= 8;
    if (o.comingHomeAuf.ticked) bits |= 16;
    if (o.comingHomeZu.ticked) bits |= 32;
    if (o.spiegelKurz.ticked) bits |= 64;
    if (o.spiegelLang.ticked) bits |= 128;
    return bits;
}

void build(DataImage& image, const Document& document, const VehicleOptions& options,
           int moduleCode, int capacity, ImageLayout* layout) {
    for (int t = kWelcome; t <= kGoodbye; ++t)
        if (document.sequences[t].size() > kMaxRows) throw BuildStop{ImageOutcome::TooManyRows, t};

    ImageWriter out(image, capacity);
    const Sequence& welcome = document.sequences[kWelcome];
    const Sequence& goodbye = document.sequences[kGoodbye];
    int last = 0;  // the last index written by the row encoder
    for (int t = kWelcome; t <= kGoodbye; ++t) {
        const Sequence& rows = document.sequences[t];
        const LoopCensus census = loopCensus(rows, kMaxLoopsPerSequence);
        if (census.status == LoopCensus::Status::TooManyLoops)
            throw BuildStop{ImageOutcome::TooManyLoops, t};
        if (census.status == LoopCensus::Status::Overflow)
            throw BuildStop{ImageOutcome::Overflow, t};
        if (!rows.isEmpty()) {
            const int start = last > 0 ? last : kFirstSectionIndex - 1;
            last = encodeRows(out, rows, start, census.loops, layout ? &layout->rows[t] : nullptr);
        }
        if (t == kWelcome) {
            const int welcomeEnd = rows.isEmpty() ? kFirstSectionIndex : last;
            out.putAddress(1, welcomeEnd);
            out.putAddress(3, welcomeEnd + 1);
        } else if (!rows.isEmpty()) {
            out.putAddress(3, last);
        }
    }
    image.length = last;
    // One control byte alone plays nothing worth sending.
    if (image.length == kFirstSectionIndex) throw BuildStop{ImageOutcome::NothingToSend};

    if (layout) {
        layout->welcomeHold = holdCode(options.comingHomeAuf.ticked, options.welcomeHold);
        layout->goodbyeHold = holdCode(options.comingHomeZu.ticked, options.goodbyeHold);
    }
    if (options.comingHomeAuf.ticked || options.comingHomeZu.ticked)
        image.length = appendHoldRecords(out, options, !welcome.isEmpty(), !goodbye.isEmpty());
    if (image.length == 0) throw BuildStop{ImageOutcome::NothingToSend};

    ImageWriter::requireByte(moduleCode);
    image.bytes[5] = static_cast<char>(moduleCode);
    image.bytes[6] = static_cast<char>(optionBits(options));
    image.bytes[7] = static_cast<char>(options.softEin.ticked ? 2 : 0);
}

DataImage buildWithLayout(const Document& document, const VehicleOptions& options, int moduleCode,
                          int capacity, ImageLayout* layout, const LanguageTable& texts) {
    DataImage image;
    try {
        build(image, document, options, moduleCode, capacity, layout);
    } catch (const BuildStop& stop) {
        image.outcome = stop.outcome;
        image.message = messageFor(stop, texts);
    }
    return image;
}

}  // namespace

UserMessage imageOutcomeMessage(ImageOutcome outcome, int sequence, const LanguageTable& texts) {
    switch (outcome) {
        case ImageOutcome::Capacity:
            return capacityMessage(texts);
        case ImageOutcome::Overflow:
            return overflowMessage(texts);
        case ImageOutcome::TooManyLoops:
            return tooManyLoopsMessage(texts, sequence, kMaxLoopsPerSequence);
        case ImageOutcome::TooManyRows:
            return tooManyRowsMessage(texts, sequence, kMaxRows);
        case ImageOutcome::Ok:
        case ImageOutcome::NothingToSend:
            break;
    }
    return {};
}

DataImage buildDataImage(const Document& document, const VehicleOptions& options, int moduleCode,
                         int capacity, const LanguageTable& texts) {
    return buildWithLayout(document, options, moduleCode, capacity, nullptr, texts);
}

DataImage buildDataImage(const Document& document, const VehicleOptions& options, int moduleCode,
                         int capacity, ImageLayout& layout, const LanguageTable& texts) {
    layout = {};
    return buildWithLayout(document, options, moduleCode, capacity, &layout, texts);
}

}  // namespace vireo
