#pragma once

#include <QDialog>

namespace vireo {

// frmStart: the splash window shown while the main window loads.
class SplashWindow : public QDialog {
    Q_OBJECT
  public:
    explicit SplashWindow(const QString& language, QWidget* parent = nullptr);
};

}  // namespace vireo
