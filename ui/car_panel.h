#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "car/lamp_editor.h"
#include "car/picture_store.h"
#include "timeline/lamp_targets.h"

class QLabel;

namespace vireo {

class CornerPicture;
class EditingSession;
class LanguageTable;

// The car: the four corner pictures at their fixed places, the number plates, the status line
// (labInfo), the port label and the developer's coordinate labels. It shows the lamps and the
// vehicle the session reports and hands it the mouse on the pictures. From the keyboard, Tab
// reaches the lamps, the arrow keys move a ring from lamp to lamp in the timeline's order, and
// Space switches the lamp as a click would; a screen reader hears the lamp and its state.
class CarPanel : public QWidget {
    Q_OBJECT
  public:
    // `editOptions` is read at every mouse event: the activation area and "Autom.".
    CarPanel(EditingSession& session, const LanguageTable& texts,
             std::function<EditOptions()> editOptions, QWidget* parent = nullptr);

    // The status line and the lamp's spoken name in the current language.
    void applyLanguage();
    // labInfo: the connection with the module, and other passing states.
    void setStatusText(const QString& text);
    // labPort: " Port: n".
    void setPortText(const QString& text);
    // The status line at the top, above the pictures.
    QWidget* statusLine() const;
    // Developer mode shows the mouse position over a picture.
    void showCoordinates(bool shown);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // The ring on the focused lamp while the panel has the focus, and the panel's spoken name.
    void showFocusedLamp();
    void showFocusRing();
    const LampTarget* focusedTarget() const;
    void drawCorner(int corner);
    void placeNumberPlates();
    void applyPictureActions(const EditActions& actions);

    EditingSession& session_;
    const LanguageTable& texts_;
    std::function<EditOptions()> editOptions_;
    PictureStore store_;
    std::array<CornerPicture*, 5> pictures_{};  // index = corner 1..4
    QLabel* plateFront_ = nullptr;
    QLabel* plateFrontLabel_ = nullptr;
    QLabel* plateRear_ = nullptr;
    QLabel* labX_ = nullptr;
    QLabel* labY_ = nullptr;
    QLabel* labInfo_ = nullptr;
    QLabel* labPort_ = nullptr;
    std::vector<LampTarget> targets_;  // the lamps in keyboard order
    int focused_ = 0;
};

}  // namespace vireo
