#include "files/kvs_body.h"

#include <algorithm>

#include "files/kvs_format.h"
#include "files/windows1252.h"

namespace vireo {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A cursor over the plain text that only ever looks inside it.
class BodyReader {
  public:
    explicit BodyReader(QByteArrayView plain) : plain_(plain) {}

    qsizetype find(char c) const { return plain_.indexOf(c, pos_); }
    QByteArrayView take(qsizetype end) {
        QByteArrayView part = plain_.sliced(pos_, end - pos_);
        pos_ = end + 1;  // past the record character at `end`
        return part;
    }
    qsizetype pos() const { return pos_; }
    qsizetype remaining() const { return plain_.size() - pos_; }
    unsigned char at(qsizetype i) const { return static_cast<unsigned char>(plain_[i]); }

  private:
    QByteArrayView plain_;
    qsizetype pos_ = 0;
};

// The smallest step record: "I", four lamp characters and "@".
constexpr qsizetype kShortestStep = 6;

bool isMarker(QByteArrayView text) {
    if (text.size() == 10) return true;
    return text.size() > 10 && text.front() == 'S';
}

std::optional<Document> fail(QString* problem, const QString& text) {
    if (problem) *problem = text;
    return std::nullopt;
}

}  // namespace

std::optional<Document> parseKvsBody(QByteArrayView plain, QString* problem) {
    BodyReader body(plain);
    Document doc;

    const qsizetype f = body.find(kvs::kAfterModel);
    if (f < 0) return fail(problem, QStringLiteral("no \"F\" after the model"));
    doc.model = fromWindows1252(body.take(f));
    const qsizetype p = body.find(kvs::kAfterOptions);
    if (p < 0) return fail(problem, QStringLiteral("no \"P\" after the option string"));
    doc.options = fromWindows1252(body.take(p));

    for (int s = 0; s < 2; ++s) {
        const QString where = QStringLiteral("sequence %1").arg(s);
        const qsizetype z = body.find(kvs::kAfterCount);
        if (z < 0) return fail(problem, QStringLiteral("no \"Z\" after the count of ") + where);
        const QByteArrayView countText = body.take(z);
        if (countText.isEmpty() || !std::all_of(countText.begin(), countText.end(), isDigit))
            return fail(problem, QStringLiteral("the count of %1 is not a number").arg(where));
        // Every step needs at least six characters, so a longer count cannot be satisfied.
        qsizetype count = 0;
        for (char c : countText) {
            count = count * 10 + (c - '0');
            if (count > body.remaining() / kShortestStep)
                return fail(problem,
                            QStringLiteral("the count of %1 exceeds its steps").arg(where));
        }

        Sequence& rows = doc.sequences[s];
        rows.reserve(count);
        for (qsizetype i = 0; i < count; ++i) {
            const auto step = [&] { return QStringLiteral("step %1 of %2").arg(i + 1).arg(where); };
            const qsizetype end = body.find(kvs::kEndOfStep);
            const qsizetype timeEnd = body.find(kvs::kAfterTime);
            if (end < 0 || timeEnd < 0 || timeEnd > end)
                return fail(problem, step() + QStringLiteral(" is cut off"));
            Step row;
            row.time = OnTime::parse(fromWindows1252(body.take(timeEnd)));
            const qsizetype w = body.find(kvs::kAfterMarker);
            if (w >= 0 && w < end) {
                const QByteArrayView marker = plain.sliced(body.pos(), w - body.pos());
                if (isMarker(marker)) row.loop = fromWindows1252(body.take(w));
            }
            if (end - body.pos() != kCorners)
                return fail(problem, step() + QStringLiteral(" does not hold four lamp bytes"));
            for (int c = 0; c < kCorners; ++c) row.lamps[c] = body.at(body.pos() + c);
            body.take(end);
            rows.append(row);
        }
    }
    return doc;
}

unsigned char kvsChecksum(QByteArrayView plain) {
    unsigned char sum = kvs::kChecksumStart;
    for (char c : plain) sum ^= static_cast<unsigned char>(c);
    return sum;
}

bool kvsChecksumMatches(QByteArrayView plain) {
    const qsizetype last =
        std::max(plain.lastIndexOf(kvs::kEndOfStep), plain.lastIndexOf(kvs::kAfterCount));
    if (last < 0) return false;
    int stored = 0;
    for (qsizetype i = last + 1; i < plain.size() && isDigit(plain[i]); ++i) {
        stored = stored * 10 + (plain[i] - '0');
        if (stored > 255) return false;  // a byte never has more than three digits
    }
    return stored == kvsChecksum(plain.first(last + 1));
}

}  // namespace vireo
