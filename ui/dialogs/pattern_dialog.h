#pragma once

#include <QDialog>
#include <QList>

#include "car/vehicle_catalogue.h"
#include "sequence/pattern_command.h"
#include "session/pattern_preview.h"

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace vireo {

class LanguageTable;
class ShowPreview;

// "Muster einfügen": the lamps ticked in a list grouped by corner, their order, the pattern,
// the on-time of a step and the passes, with where the pattern goes and what it adds to the
// module's memory image. The dialog only collects the choice; the caller inserts it through the
// session when the dialog is accepted (open() and the accepted signal, no waiting).
class PatternDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PatternDialog(const LanguageTable& texts, QWidget* parent = nullptr);
    ~PatternDialog() override;

    // Shows the pattern playing on a small picture of the vehicle: every shown step for its
    // on-time, loops included, then a moment of darkness, and again. A click on a lamp of the
    // picture ticks or clears it in the list.
    void showCar(const VehicleSetup& setup);
    // The shown step of the preview (an index into its playback), and the next one now.
    int previewStep() const;
    void advancePreview();

    // Where the pattern would go: the place and the cost follow it. Without one the dialog
    // measures against an empty document.
    void setTarget(const PatternTarget& target);
    // "Symmetrisch": a click on a lamp of the picture ticks or clears its mirror lamp too.
    void setSymmetric(bool on) { symmetric_ = on; }
    bool symmetric() const { return symmetric_; }

    // The lamps in the order they were ticked, and the other choices.
    PatternChoice choice() const;
    // Shows a choice made before: the lamps ticked in its order and the other choices.
    void setChoice(const PatternChoice& choice);
    // The item of a lamp in the list (for tests and keyboard users); nullptr for no lamp.
    QTreeWidgetItem* lampItem(const PatternLamp& lamp) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void lampTicked(QTreeWidgetItem* item);
    void updatePreview();

    const LanguageTable& texts_;
    PatternTarget target_;
    bool symmetric_ = false;
    QList<PatternLamp> picked_;
    QTreeWidget* lamps_ = nullptr;
    QComboBox* order_ = nullptr;
    QComboBox* kind_ = nullptr;
    QDoubleSpinBox* onTime_ = nullptr;
    QSpinBox* passes_ = nullptr;
    QLabel* place_ = nullptr;
    QLabel* cost_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;

    ShowPreview* car_ = nullptr;
};

}  // namespace vireo
