#pragma once

#include <QDialog>
#include <QList>

#include "recovery/backup_store.h"

class QListWidget;
class QPushButton;

namespace vireo {

class LanguageTable;
class WindowRecovery;

// "Datei - Frühere Versionen…": the earlier versions of the document's file, newest first, with
// their date and size; the chosen one opens as a new, untitled document (its file and the
// document's file stay as they are).
class EarlierVersionsDialog : public QDialog {
    Q_OBJECT
  public:
    EarlierVersionsDialog(WindowRecovery& recovery, const LanguageTable& texts,
                          QWidget* parent = nullptr);

  private:
    void openChosen();

    WindowRecovery& recovery_;
    QList<Backup> versions_;
    QListWidget* lstVersions_ = nullptr;
};

}  // namespace vireo
