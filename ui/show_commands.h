#pragma once

#include <QObject>
#include <optional>

#include "sequence/pattern_command.h"

class QWidget;

namespace vireo {

class EditingSession;
class LanguageTable;
class WindowCommands;

// The commands that ask before they build: "Sequenz verdichten" shows what compacting would win
// and applies it when the user agrees; "Passend machen…" shows the nearest show that fits (and,
// when on-times alone cannot do it, offers to drop steps); "Muster einfügen…" inserts the pattern
// the user made and offers the same choices again the next time. Both dialogs open without
// blocking, and the session makes each change one undo step.
class ShowCommands : public QObject {
    Q_OBJECT
  public:
    ShowCommands(EditingSession& session, const LanguageTable& texts, WindowCommands& commands,
                 QWidget* window);

  private:
    void compact();
    void makeItFit();
    void insertPattern();

    EditingSession& session_;
    const LanguageTable& texts_;
    QWidget* window_;
    std::optional<PatternChoice> lastPattern_;  // what the pattern dialog showed when it closed
};

}  // namespace vireo
