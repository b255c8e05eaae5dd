#pragma once

#include <QDialog>
#include <QList>

#include "recovery/recovery_entry.h"

class QListWidget;
class QPushButton;

namespace vireo {

class LanguageTable;
class Prompter;
class WindowRecovery;

// The offer at start of the documents that programs which ended without cleaning up left
// behind: one line per entry (name or "Unbenannt", folder, time of the last change, how it stands
// to its file). "Wiederherstellen" (the default) makes the chosen one the window's document;
// "Verwerfen" removes it after a confirmation; "Später" keeps them all for the next start.
class RecoveryDialog : public QDialog {
    Q_OBJECT
  public:
    RecoveryDialog(WindowRecovery& recovery, QList<RecoveryEntry> entries,
                   const LanguageTable& texts, Prompter& prompter, QWidget* parent = nullptr);

    // The entries still offered (after discards).
    const QList<RecoveryEntry>& entries() const { return entries_; }

  private:
    void restoreChosen();
    void discardChosen();
    void fillList();

    WindowRecovery& recovery_;
    QList<RecoveryEntry> entries_;
    const LanguageTable& texts_;
    Prompter& prompter_;
    QListWidget* lstEntries_ = nullptr;
    QPushButton* cmdRestore_ = nullptr;
    QPushButton* cmdDiscard_ = nullptr;
};

}  // namespace vireo
