#pragma once

#include <QString>
#include <functional>

#include "car/car_frame.h"
#include "car/vehicle_catalogue.h"
#include "sequence/document.h"
#include "simulation/animation_plan.h"

class QIODevice;

namespace vireo {

// What to animate: the playback of a sequence from a 0-based row, at most limit shown steps,
// drawn at a width in pixels.
struct AnimationRequest {
    Sequence rows;
    VehicleSetup vehicle;
    int fromRow = 0;
    int limit = kDefaultAnimationStepLimit;
    int width = CarFrameRenderer::kDefaultWidth;
};

struct AnimationOutcome {
    enum class Status { Written, NothingToShow, Cancelled, Failed };
    Status status = Status::Failed;
    QString error;  // for Failed: what went wrong
    int frames = 0;
    qint64 durationMs = 0;
    qint64 bytes = 0;
    QSize size;
};

// Told the work done and the work in all (both in frames drawn); returns false to cancel.
using AnimationProgress = std::function<bool(int done, int total)>;

// Writes the playback as an animated GIF to an open device (see GifAnimationWriter): the frames
// of animationPlan drawn by CarFrameRenderer with one palette built from every different
// picture of the animation. Runs without a display and on any thread; it uses its own
// picture store.
AnimationOutcome writePlaybackAnimation(const AnimationRequest& request, QIODevice& device,
                                        const AnimationProgress& progress = {});

// The same into a file, through QSaveFile: the file appears only once it is complete, and a
// file already there stays as it was when writing fails or is cancelled.
AnimationOutcome savePlaybackAnimation(const AnimationRequest& request, const QString& path,
                                       const AnimationProgress& progress = {});

}  // namespace vireo
