#pragma once

#include <QLabel>
#include <memory>

#include "car/vehicle_catalogue.h"
#include "sequence/document.h"
#include "simulation/playback_steps.h"

class QTimer;

namespace vireo {

class CarFrameRenderer;
class PictureStore;

// Rows playing on a small picture of the vehicle, as the dialogs that build a show preview it:
// every shown step for its on-time, loops included, then a moment of darkness, and again.
class ShowPreview : public QLabel {
    Q_OBJECT

  public:
    explicit ShowPreview(QWidget* parent = nullptr);
    ~ShowPreview() override;

    // The picture of this vehicle; nothing is shown before it is set.
    void showCar(const VehicleSetup& setup);
    const VehicleSetup& setup() const { return setup_; }
    // Width of the picture, for the lamp under a point.
    int frameWidth() const;
    // The rows to play, from their first step on.
    void play(const Sequence& rows);
    // The shown step (an index into the playback; steps().size() is the darkness) and the next.
    int step() const { return step_; }
    const QVector<ShownStep>& steps() const { return steps_; }
    void advance();

  private:
    void showStep();

    std::unique_ptr<PictureStore> store_;
    std::unique_ptr<CarFrameRenderer> renderer_;
    VehicleSetup setup_;
    QTimer* timer_ = nullptr;
    Sequence rows_;
    QVector<ShownStep> steps_;
    int step_ = 0;
};

}  // namespace vireo
