#pragma once

#include <QDialog>

#include "car/vehicle_catalogue.h"
#include "show/show_fit.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vireo {

class LanguageTable;
class ShowPreview;

// "Passend machen": the bytes now and after, the change in seconds, every changed or dropped
// step and the fitted show playing on a small picture of the vehicle. Accepted means: apply the
// plan shown (plan()). When on-times alone cannot make it fit, "Schritte weglassen" asks the
// caller (dropsWanted) for a plan that drops steps, which setPlan then shows.
class FitDialog : public QDialog {
    Q_OBJECT

  public:
    FitDialog(const LanguageTable& texts, const VehicleSetup& setup, int sequence,
              QWidget* parent = nullptr);

    void setPlan(const ShowFit& plan);
    const ShowFit& plan() const { return plan_; }

  Q_SIGNALS:
    void dropsWanted();

  private:
    const LanguageTable& texts_;
    int sequence_;
    ShowFit plan_;
    QLabel* figures_ = nullptr;
    QListWidget* changes_ = nullptr;
    ShowPreview* preview_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* drop_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vireo
