#pragma once

#include <QWidget>
#include <optional>

#include "ui/memory_meter_widget.h"
#include "ui/timeline_view.h"

class QAction;
class QMenu;
class QSplitter;

namespace vireo {

class EditingSession;
class SettingsStore;
class WindowCommands;

// The panel below the face: the lamp timeline and the memory meter, with the "View" menu
// entry that shows or hides it (remembered in the settings).
class TimelinePanel : public QWidget {
    Q_OBJECT
  public:
    TimelinePanel(const EditingSession& session, const LanguageTable& texts,
                  SettingsStore& settings, QWidget* parent = nullptr);

    TimelineView* view() const { return view_; }
    MemoryMeterWidget* meter() const { return meter_; }
    // The "View" menu with the check item of the panel, for the window's menu bar.
    QMenu* viewMenu() const { return viewMenu_; }
    QAction* showAction() const { return showAction_; }
    // Follows the session: the active sequence, its selection and the playback; the user's
    // choices and lamp edits go to it, and the row commands to the window's actions.
    void follow(EditingSession& session, WindowCommands& commands);
    // Captions in the current language.
    void applyLanguage();
    // Takes its place below the editor part in the window's splitter and makes the window
    // taller by it.
    void placeIn(QSplitter* splitter);
    // Makes the window taller by the shown panel, as far as the screen has room; the timeline
    // then scrolls its rows.
    void growWindow();

  private:
    void showPanel(bool shown);
    // The height stored when the user last moved the line above the panel, when it is usable.
    std::optional<int> storedHeight() const;

    const LanguageTable& texts_;
    SettingsStore& settings_;
    QSplitter* splitter_ = nullptr;
    TimelineView* view_ = nullptr;
    MemoryMeterWidget* meter_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* showAction_ = nullptr;
};

}  // namespace vireo
