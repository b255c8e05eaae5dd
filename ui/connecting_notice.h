#pragma once

#include <QWidget>

class QLabel;

namespace vireo {

class LanguageTable;

// frmVerbindung: the small notice shown while the program connects to the module. It has no
// controls, only a frame with the label labVerbindungsaufbau, and never takes the focus.
class FrmVerbindung : public QWidget {
    Q_OBJECT
  public:
    explicit FrmVerbindung(QWidget* parent = nullptr);

    // The label's caption from the language table (entry 73).
    void applyCaptions(const LanguageTable& texts);
    // Shows the notice centred on its owner, in front, without taking the focus.
    void showNow();

  private:
    QLabel* label_ = nullptr;
};

}  // namespace vireo
