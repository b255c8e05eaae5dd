#pragma once

#include <QObject>
#include <memory>

#include "app/app_context.h"
#include "desktop/help_file.h"

class QWidget;

namespace vireo {

class LanguageTable;
class WindowCommands;

// The help commands of the window: the manual of the current language, the bootloader's help
// and the about box. A help file that is missing or cannot be shown is named in a message.
class HelpCommands : public QObject {
    Q_OBJECT
  public:
    // `language` is read at every command: the help follows the language switched to.
    HelpCommands(const AppContext& context, const LanguageTable& texts, const QString& language,
                 WindowCommands& commands, QWidget* window);
    ~HelpCommands() override;

  private:
    void openHelp(const HelpDocument& help);
    void showAbout();

    const AppContext& context_;
    const LanguageTable& texts_;
    const QString& language_;
    QWidget* window_;
    std::unique_ptr<UrlOpener> ownOpener_;
    UrlOpener* opener_;
};

}  // namespace vireo
