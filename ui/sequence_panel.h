#pragma once

#include <QWidget>
#include <array>

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
class LanguageTable;
struct Selection;

// The table side of the main window: the remote control's two sequences, their lists, the
// position, the on-time slider, "Speichern und weiter" with "Autom.", and the frames of the
// editing, loop and simulation buttons. It shows what the session reports and hands it the
// user's intents; the window adds its own frames below (addFrames).
class SequencePanel : public QWidget {
    Q_OBJECT
  public:
    SequencePanel(EditingSession& session, const LanguageTable& texts, QWidget* parent = nullptr);

    // The data and program frames, placed in the grid of frames beside and below the others.
    void addFrames(QWidget* data, QWidget* program);

    int onTime() const;
    void setOnTime(int tenths);
    bool autoAppend() const;
    void setAutoAppend(bool on);
    // After an automatic append: Space appends the next step.
    void focusAppend();
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
    void connectSession();
    void showActiveSequence(int s);
    void showSelection(int s, const Selection& selection);
    void updateAutoColour();
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
    QPushButton* cmdAendern_ = nullptr;
    QPushButton* cmdEinfuegen_ = nullptr;
    QPushButton* cmdLoeschen_ = nullptr;
    QPushButton* cmdSchleife_ = nullptr;
    QPushButton* cmdSchleifeL_ = nullptr;
    QPushButton* cmdSilulation_ = nullptr;
    QPushButton* cmdSimWeiter_ = nullptr;
    QPushButton* cmdLichtaus_ = nullptr;
    QGridLayout* frameGrid_ = nullptr;
};

}  // namespace vireo
