#pragma once

#include <QGroupBox>

class QPushButton;

namespace vireo {

class LanguageTable;
class WindowCommands;

// The frame " Programm" (Frame6): "Beenden", and in developer mode "Bereiche anzeigen". Its
// buttons run the window's command actions.
class ProgramPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit ProgramPanel(WindowCommands& commands, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& texts);
    void showDeveloperButtons(bool shown);

  private:
    QPushButton* cmdExit_ = nullptr;
    QPushButton* cmdBereiche_ = nullptr;
};

}  // namespace vireo
