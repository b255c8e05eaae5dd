#include "ui/dialogs/show_preview.h"

#include <QTimer>

#include "car/car_frame.h"
#include "car/picture_store.h"

namespace vireo {

namespace {

constexpr int kCarWidth = 200;
constexpr int kDarkMs = 500;
constexpr int kMaxPreviewSteps = 1000;

}  // namespace

ShowPreview::ShowPreview(QWidget* parent) : QLabel(parent) {
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &ShowPreview::advance);
    hide();
}

ShowPreview::~ShowPreview() = default;

void ShowPreview::showCar(const VehicleSetup& setup) {
    if (!store_) store_ = std::make_unique<PictureStore>();
    renderer_ = std::make_unique<CarFrameRenderer>(*store_, setup, kCarWidth);
    setup_ = setup;
    setFixedSize(renderer_->size());
    show();
    showStep();
}

int ShowPreview::frameWidth() const {
    return renderer_ ? renderer_->size().width() : 0;
}

void ShowPreview::play(const Sequence& rows) {
    rows_ = rows;
    steps_ = playbackSteps(rows, 0, kMaxPreviewSteps);
    step_ = 0;
    timer_->stop();
    showStep();
}

void ShowPreview::advance() {
    if (steps_.isEmpty()) return;
    step_ = (step_ + 1) % int(steps_.size() + 1);
    showStep();
}

void ShowPreview::showStep() {
    if (!renderer_) return;
    const bool dark = step_ >= steps_.size();
    const LampBytes lamps = dark ? LampBytes{} : rows_[steps_[step_].row].lamps;
    setPixmap(QPixmap::fromImage(renderer_->frame(lamps)));
    if (!steps_.isEmpty()) timer_->start(dark ? kDarkMs : steps_[step_].ms);
}

}  // namespace vireo
