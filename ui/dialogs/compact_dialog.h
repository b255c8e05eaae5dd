#pragma once

#include <QDialog>

#include "show/compaction_summary.h"

class QLabel;
class QPushButton;

namespace vireo {

class LanguageTable;

// Asks before compacting: the figures of the summary with OK and Cancel; or, when there is
// nothing to apply, the summary's reason with OK alone. Accepted means: apply the plan.
class CompactDialog : public QDialog {
    Q_OBJECT

  public:
    CompactDialog(const CompactionSummary& summary, const LanguageTable& texts,
                  QWidget* parent = nullptr);

  private:
    QLabel* text_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vireo
