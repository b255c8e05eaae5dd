#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QPushButton;

namespace vireo {

class LanguageTable;
struct StartupSettings;
class SettingsStore;

// The properties dialog: two options stored in the settings on every click, and the button
// that registers the sequence file type again. OK only hides it, so its state lives on.
class FrmEigenschaften : public QDialog {
    Q_OBJECT

  public:
    // Registers the ".kvs" file type (Dateityp_Registrieren with the program's values).
    using RegisterCallback = std::function<void()>;

    FrmEigenschaften(SettingsStore& settings, RegisterCallback registerFileType,
                     QWidget* parent = nullptr);

    // Ticks the boxes from the settings read at start. Nothing is written back.
    void showSettings(const StartupSettings& stored);

    // chkAktivierung: show the activation area.
    bool activationArea() const;

    void applyCaptions(const LanguageTable& table);

  private:
    SettingsStore& settings_;
    RegisterCallback registerFileType_;
    QCheckBox* chkAuto_ = nullptr;
    QCheckBox* chkAktivierung_ = nullptr;
    QPushButton* cmdRegistry_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    bool loading_ = false;
};

}  // namespace vireo
