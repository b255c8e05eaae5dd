#pragma once

#include <QGroupBox>

class QProgressBar;
class QPushButton;

namespace vireo {

class LanguageTable;

// The frame " Daten " (Frame5): "Speicherbedarf", "Daten senden" and the upload's progress. It
// reports the user's intent by signals and shows the progress and the running exchange.
class DataPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit DataPanel(QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& texts);

  public Q_SLOTS:
    void showProgress(int value, int maximum);
    // While an exchange runs, neither button starts another.
    void setExchangeRunning(bool running);

  Q_SIGNALS:
    void memoryCheckRequested();
    void sendRequested();

  private:
    QPushButton* cmdSpeicherbedarf_ = nullptr;
    QPushButton* cmdDaten_ = nullptr;
    QProgressBar* sendProgress_ = nullptr;
};

}  // namespace vireo
