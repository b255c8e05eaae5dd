#pragma once

#include <QGroupBox>

class QProgressBar;
class QPushButton;

namespace vireo {

class LanguageTable;
class WindowCommands;

// The frame " Daten " (Frame5): "Speicherbedarf", "Daten senden" and the upload's progress. Its
// buttons run the window's command actions; it shows the progress of an upload.
class DataPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit DataPanel(WindowCommands& commands, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& texts);

  public Q_SLOTS:
    void showProgress(int value, int maximum);

  private:
    QPushButton* cmdSpeicherbedarf_ = nullptr;
    QPushButton* cmdDaten_ = nullptr;
    QProgressBar* sendProgress_ = nullptr;
};

}  // namespace vireo
