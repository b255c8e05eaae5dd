#include "files/animation_export.h"

#include <QSaveFile>
#include <QSet>
#include <vector>

#include "files/colour_palette.h"
#include "files/gif_animation_writer.h"

namespace vireo {

namespace {

quint32 keyOf(const LampBytes& lamps) {
    quint32 key = 0;
    for (int lamp : lamps) key = key << 8 | quint32(lamp & 0xFF);
    return key;
}

}  // namespace

AnimationOutcome writePlaybackAnimation(const AnimationRequest& request, QIODevice& device,
                                        const AnimationProgress& progress) {
    AnimationOutcome outcome;
    const AnimationPlan plan = animationPlan(request.rows, request.fromRow, request.limit);
    if (plan.frames.isEmpty()) {
        outcome.status = AnimationOutcome::Status::NothingToShow;
        return outcome;
    }
    PictureStore store;
    const CarFrameRenderer renderer(store, request.vehicle, request.width);
    outcome.size = renderer.size();

    // Pass 1: the palette from every different picture of the animation.
    QVector<LampBytes> distinct;
    QSet<quint32> seen;
    for (const AnimationFrame& frame : plan.frames)
        if (!seen.contains(keyOf(frame.lamps))) {
            seen.insert(keyOf(frame.lamps));
            distinct << frame.lamps;
        }
    const int total = int(distinct.size() + plan.frames.size());
    int done = 0;
    const auto cancelled = [&] { return progress && !progress(done, total); };
    if (cancelled()) {
        outcome.status = AnimationOutcome::Status::Cancelled;
        return outcome;
    }
    ColourPalette palette;
    for (const LampBytes& lamps : distinct) {
        palette.addImage(renderer.frame(lamps));
        ++done;
        if (cancelled()) {
            outcome.status = AnimationOutcome::Status::Cancelled;
            return outcome;
        }
    }
    palette.build(GifAnimationWriter::kMaxColours);

    // Pass 2: the frames.
    const qint64 start = device.pos();
    GifAnimationWriter writer(device, renderer.size(), palette.colours());
    std::vector<uint8_t> indices(size_t(renderer.size().width()) * renderer.size().height());
    for (const AnimationFrame& frame : plan.frames) {
        if (!writer.ok()) break;
        palette.indexImage(renderer.frame(frame.lamps), indices.data());
        writer.addFrame(indices.data(), frame.delayCs);
        ++done;
        if (cancelled()) {
            outcome.status = AnimationOutcome::Status::Cancelled;
            return outcome;
        }
    }
    if (!writer.finish()) {
        outcome.error = writer.errorString();
        return outcome;
    }
    outcome.status = AnimationOutcome::Status::Written;
    outcome.frames = writer.frameCount();
    outcome.durationMs = plan.durationMs;
    outcome.bytes = device.pos() - start;
    return outcome;
}

AnimationOutcome savePlaybackAnimation(const AnimationRequest& request, const QString& path,
                                       const AnimationProgress& progress) {
    QSaveFile file(path);
    // Unbuffered, so that a write the disk cuts short fails at once: a buffered tail that fails
    // on the final flush is not reported by commit(), which would then put a truncated file in
    // place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        AnimationOutcome outcome;
        outcome.error = file.errorString();
        return outcome;
    }
    AnimationOutcome outcome = writePlaybackAnimation(request, file, progress);
    if (outcome.status != AnimationOutcome::Status::Written) {
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit()) {
        outcome.status = AnimationOutcome::Status::Failed;
        outcome.error = file.errorString();
    }
    return outcome;
}

}  // namespace vireo
