#include "tools/module-sim/module_model.h"

#include <QTextStream>
#include <algorithm>

namespace vireo::sim {

namespace {
constexpr qint64 kMs = 1'000'000;
constexpr char kEchoTail = 0x06;
}  // namespace

ModuleModel::ModuleModel(const SimOptions& options)
    : options_(options),
      charNs_(options.baud > 0 ? 10'000'000'000LL / options.baud : 0),
      endPauseNs_(10 * kMs),
      staleNs_(40 * kMs),
      busyLeft_(options.busy) {}

void ModuleModel::receive(const QByteArray& bytes, qint64 nowNs) {
    for (char b : bytes) in_.push_back({b, nowNs});
    parse(nowNs);
}

void ModuleModel::advance(qint64 nowNs) {
    parse(nowNs);
}

void ModuleModel::parse(qint64 nowNs) {
    while (!in_.empty()) {
        const auto byteAt = [&](size_t i) { return static_cast<quint8>(in_[i].byte); };
        const bool identification =
            in_.size() >= 3 && in_[0].byte == '@' && in_[1].byte == '#' && in_[2].byte == '*';
        if (identification) {
            const qint64 at = in_[2].atNs;
            in_.erase(in_.begin(), in_.begin() + 3);
            ++frames_;
            if (answering()) identify(at);
            continue;
        }
        if (in_.size() >= 2 && byteAt(0) == 0x00 && byteAt(1) == 0x01) {
            const qint64 quietSince = in_[1].atNs;
            const bool thirdLate = in_.size() >= 3 ? in_[2].atNs - quietSince >= endPauseNs_
                                                   : nowNs - quietSince >= endPauseNs_;
            if (thirdLate) {
                in_.erase(in_.begin(), in_.begin() + 2);
                ++frames_;
                if (answering()) endFrame();
                continue;
            }
            if (in_.size() < 3) return;  // wait: the end frame or the start of a write
        }
        if (in_.size() >= 3) {
            const qint64 at = in_[2].atNs;
            const quint8 high = byteAt(0), low = byteAt(1), data = byteAt(2);
            in_.erase(in_.begin(), in_.begin() + 3);
            ++frames_;
            if (answering()) write(high, low, data, at);
            continue;
        }
        // An incomplete frame: wait for the rest, unless it has waited too long.
        if (nowNs - in_.front().atNs >= staleNs_) {
            if (options_.verbose)
                QTextStream(stderr)
                    << "sim: dropped stale fragment of " << in_.size() << " bytes\n";
            in_.clear();
        }
        return;
    }
}

bool ModuleModel::answering() {
    return options_.silentAfter < 0 || frames_ <= options_.silentAfter;
}

void ModuleModel::identify(qint64 atNs) {
    QByteArray answer;
    if (busyLeft_ > 0) {
        --busyLeft_;
        answer = QByteArrayLiteral("@#*3");
    } else if (options_.garbageId) {
        answer = QByteArrayLiteral("X7?V\x01\x02");
    } else {
        answer.append('T')
            .append(options_.typeDigits, 2)
            .append('V')
            .append(options_.versionDigits, 2);
        if (options_.longReply) {
            for (int shift = 24; shift >= 0; shift -= 8)
                answer.append(static_cast<char>((options_.date >> shift) & 0xFF));
            answer.append(static_cast<char>(options_.codedModel));
        }
    }
    if (options_.verbose) QTextStream(stderr) << "sim: identification\n";
    reply(answer, 3, atNs);
}

void ModuleModel::write(quint8 high, quint8 low, quint8 data, qint64 atNs) {
    const int address = (high << 8) | low;
    const int seen = writesSeen_[address]++;
    if (address == options_.dropAddress && seen < options_.dropFirst) {
        if (options_.verbose) QTextStream(stderr) << "sim: dropped write to " << address << "\n";
        return;
    }
    memory_[address] = data;
    QByteArray echo;
    echo.append(static_cast<char>(high)).append(static_cast<char>(low));
    const bool corrupt = address == options_.corruptAddress && seen < options_.corruptFirst;
    echo.append(static_cast<char>(corrupt ? data ^ 0xFF : data));
    echo.append(kEchoTail);
    reply(echo, 3, atNs);
}

void ModuleModel::endFrame() {
    ++endFrames_;
    endFramePending_ = true;
    if (options_.verbose) QTextStream(stderr) << "sim: end frame\n";
}

void ModuleModel::reply(const QByteArray& bytes, int requestLength, qint64 receivedNs) {
    // The request's own bytes were still on the line when the pseudo-terminal delivered them.
    qint64 at = std::max(receivedNs + requestLength * charNs_, lineFreeNs_);
    for (char b : bytes) {
        at += charNs_;
        out_.push_back({b, at});
    }
    lineFreeNs_ = at;
}

QByteArray ModuleModel::takeOutput(qint64 nowNs) {
    QByteArray due;
    while (!out_.empty() && out_.front().atNs <= nowNs) {
        due.append(out_.front().byte);
        out_.pop_front();
    }
    return due;
}

qint64 ModuleModel::nextEventNs() const {
    qint64 next = -1;
    const auto consider = [&](qint64 t) {
        if (next < 0 || t < next) next = t;
    };
    if (!out_.empty()) consider(out_.front().atNs);
    if (!in_.empty()) {
        if (in_.size() == 2 && static_cast<quint8>(in_[0].byte) == 0x00 &&
            static_cast<quint8>(in_[1].byte) == 0x01)
            consider(in_[1].atNs + endPauseNs_);
        consider(in_.front().atNs + staleNs_);
    }
    return next;
}

bool ModuleModel::takeEndFrame() {
    const bool seen = endFramePending_;
    endFramePending_ = false;
    return seen;
}

QVector<int> ModuleModel::memoryImage() const {
    QVector<int> image;
    if (memory_.empty()) return image;
    const int highest = memory_.rbegin()->first;
    image.fill(0, highest);
    for (const auto& [address, value] : memory_)
        if (address >= 1) image[address - 1] = value;
    return image;
}

}  // namespace vireo::sim
