#include "module/transfer.h"

#include "image/image_memory_check.h"

namespace vireo {

namespace {
constexpr int kMaxFailureCount = 3;  // a failure with the count above this stops the transfer

QByteArray dataFrame(int index, int value) {
    QByteArray frame(3, '\0');
    frame[0] = static_cast<char>(index / 256);
    frame[1] = static_cast<char>(index % 256);
    frame[2] = static_cast<char>(value);
    return frame;
}

bool confirms(const QByteArray& reply, const QByteArray& frame) {
    return !reply.isEmpty() && reply.chopped(1) == frame;
}
}  // namespace

TransferResult transferImage(Exchanger& exchanger, const DataImage& image, int capacity,
                             const LanguageTable& texts, const TransferProgress& progress) {
    TransferResult result;
    if (image.outcome != ImageOutcome::Ok) {
        result.message = image.message;
        return result;
    }
    const auto report = [&](int value) {
        if (progress) progress(value, image.length);
    };

    report(0);
    int i = 1;
    int h = 0;  // failures in a row at index g
    int g = 0;  // the index that failed last
    result.outcome = TransferOutcome::Ok;
    while (i <= image.length) {
        const QByteArray frame = dataFrame(i, image.byteAt(i));
        const QByteArray reply = exchanger.sendReceive(frame);
        report(i);
        if (confirms(reply, frame)) {
            result.confirmed = i;
            ++i;
            continue;
        }
        if (h > kMaxFailureCount) {
            const bool silent = reply.isEmpty();
            result.outcome = silent ? TransferOutcome::NoReply : TransferOutcome::EchoError;
            result.message = silent ? noReplyMessage(texts) : echoErrorMessage(texts);
            break;
        }
        h = (i == g) ? h + 1 : 0;
        g = i;
    }
    report(0);
    exchanger.sendReceive(endFrame());

    if (result.outcome == TransferOutcome::Ok)
        result.message =
            uploadSuccessMessage(texts, memoryPercent(image.length, capacity).value_or(0));
    return result;
}

}  // namespace vireo
