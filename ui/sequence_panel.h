#pragma once

#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTreeWidget;

namespace vireo {

class EditingSession;
struct StartupSettings;
class InputHold;
class LanguageTable;
class WindowCommands;
struct Selection;

// The table side of the main window: the remote control's two sequences, their lists, the
// position, the on-time slider, "Speichern und weiter" with "Autom.", and the frames of the
// editing, loop and simulation buttons. It shows what the session reports; its buttons run the
// window's command actions. The window adds its own frames below (addFrames).
class SequencePanel : public QWidget {
    Q_OBJECT
  public:
    SequencePanel(EditingSession& session, const LanguageTable& texts, WindowCommands& commands,
                  QWidget* parent = nullptr);
    ~SequencePanel() override;

    // The data and program frames, placed in the grid of frames beside and below the others.
    void addFrames(QWidget* data, QWidget* program);

    // The stored on-time and "Autom.", when they were usable.
    void applyStartupSettings(const StartupSettings& settings);
    int onTime() const;
    void setOnTime(int tenths);
    bool autoAppend() const;
    void setAutoAppend(bool on);
    // labPos, set by the file commands ("Position 0" for a new document).
    void setPositionText(const QString& text);
    // A click on a row: the slider's label anew, and the step's lamps through the session.
    void showStep();

    // Captions in the current language.
    void applyLanguage();
    // labZeitein from the slider.
    void updateOnTimeLabel();

  Q_SIGNALS:
    // A right click on a list, at this point of the screen.
    void tableMenuRequested(const QPoint& globalPos);

  private:
    void buildWidgets();
    void connectSession(WindowCommands& commands);
    void showActiveSequence(int s);
    void showSelection(int s, const Selection& selection);
    void updateAutoColour();
    // Names a screen reader says for the controls without a caption of their own.
    void applyAccessibleNames();
    // The simulation frame keeps the width of its idle captions while a sequence plays.
    void holdSimulationFrameWidth();

    EditingSession& session_;
    const LanguageTable& texts_;
    std::array<QGroupBox*, 5> frames_{};  // Frame1..Frame4
    std::array<QRadioButton*, 2> optAufZu_{};
    QStackedWidget* lists_ = nullptr;
    std::array<QTreeWidget*, 2> list1_{};
    QLabel* labPos_ = nullptr;
    QSlider* sliderZeitein_ = nullptr;
    QLabel* labZeitein_ = nullptr;
    QPushButton* cmdWeiter_ = nullptr;
    QCheckBox* chkAutomatichWeiter_ = nullptr;
    QCheckBox* chkSymmetrisch_ = nullptr;
    QPushButton* cmdAendern_ = nullptr;
    QPushButton* cmdEinfuegen_ = nullptr;
    QPushButton* cmdLoeschen_ = nullptr;
    QPushButton* cmdSchleife_ = nullptr;
    QPushButton* cmdSchleifeL_ = nullptr;
    QPushButton* cmdSilulation_ = nullptr;
    QPushButton* cmdSimWeiter_ = nullptr;
    QPushButton* cmdLichtaus_ = nullptr;
    QGridLayout* frameGrid_ = nullptr;
    std::unique_ptr<InputHold> appendHold_;  // input held while an automatic append waits
};

}  // namespace vireo
