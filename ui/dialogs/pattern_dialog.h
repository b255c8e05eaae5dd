#pragma once

#include <QDialog>
#include <QList>

#include "sequence/pattern_command.h"

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace vireo {

class LanguageTable;

// "Muster einfügen": the lamps ticked in a list grouped by corner, their order, the pattern,
// the on-time of a step and the passes, with what the pattern costs in the module's memory.
// The dialog only collects the choice; the caller inserts it through the session when the
// dialog is accepted (open() and the accepted signal, no waiting).
class PatternDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PatternDialog(const LanguageTable& texts, QWidget* parent = nullptr);

    // The lamps in the order they were ticked, and the other choices.
    PatternChoice choice() const;
    // The item of a lamp in the list (for tests and keyboard users); nullptr for no lamp.
    QTreeWidgetItem* lampItem(const PatternLamp& lamp) const;

  private:
    void lampTicked(QTreeWidgetItem* item);
    void updatePreview();

    const LanguageTable& texts_;
    QList<PatternLamp> picked_;
    QTreeWidget* lamps_ = nullptr;
    QComboBox* order_ = nullptr;
    QComboBox* kind_ = nullptr;
    QDoubleSpinBox* onTime_ = nullptr;
    QSpinBox* passes_ = nullptr;
    QLabel* cost_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace vireo
