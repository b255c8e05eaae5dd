#pragma once

#include <QDialog>

namespace vireo {

class LanguageTable;

// frmStart: the splash window shown while the main window loads, in the chosen language.
class SplashWindow : public QDialog {
    Q_OBJECT
  public:
    explicit SplashWindow(const LanguageTable& texts, QWidget* parent = nullptr);
};

}  // namespace vireo
