#pragma once

#include <QWidget>

#include "app/memory_meter_widget.h"
#include "app/timeline_view.h"

class QAction;
class QMenu;

namespace vireo {

class SettingsStore;

// The panel below the face: the lamp timeline and the memory meter, with the "View" menu
// entry that shows or hides it (remembered in the settings).
class TimelinePanel : public QWidget {
    Q_OBJECT
  public:
    TimelinePanel(DocumentEditor& editor, const LanguageTable& texts, SettingsStore& settings,
                  QWidget* parent = nullptr);

    TimelineView* view() const { return view_; }
    MemoryMeterWidget* meter() const { return meter_; }
    // The "View" menu with the check item of the panel, for the window's menu bar.
    QMenu* viewMenu() const { return viewMenu_; }
    QAction* showAction() const { return showAction_; }
    // Captions in the current language.
    void applyLanguage();
    // Makes the window taller by the shown panel, as far as the screen has room; the timeline
    // then scrolls its rows.
    void growWindow();

  private:
    void showPanel(bool shown);

    const LanguageTable& texts_;
    SettingsStore& settings_;
    TimelineView* view_ = nullptr;
    MemoryMeterWidget* meter_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* showAction_ = nullptr;
};

}  // namespace vireo
