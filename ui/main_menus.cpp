#include "ui/main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "text/language.h"
#include "text/menu_mnemonics.h"
#include "text/text_ids.h"
#include "ui/window_commands.h"

namespace vireo {

namespace {

QMenu* namedMenu(QWidget* parent, const char* name, const QString& title) {
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

}  // namespace

MainMenus::MainMenus(QMenuBar* bar, WindowCommands& c, QObject* parent)
    : QObject(parent), bar_(bar) {
    file_ = namedMenu(bar, "Datei", QStringLiteral("Datei"));
    bar->addMenu(file_);
    examples_ = namedMenu(file_, "Beispiele", QString());
    languages_ = new QMenu(QStringLiteral("Language"), file_);
    languages_->menuAction()->setObjectName(QStringLiteral("Menu_6"));
    moduleUpdate_ = new QMenu(QStringLiteral("Modul Update"), file_);
    moduleUpdate_->menuAction()->setObjectName(QStringLiteral("Menu_8"));
    moduleUpdate_->addActions({c.update, c.updateHelp});
    file_->addActions(
        {c.newDocument, c.open, c.save, c.saveAs, c.earlierVersions, c.exportAnimation});
    file_->addMenu(examples_);
    file_->addActions(
        {c.properties, languages_->menuAction(), c.clearSettings, moduleUpdate_->menuAction()});
    file_->addSeparator();
    // The recent files stand here, between two separators, above "Beenden".
    recentEnd_ = file_->addSeparator();
    file_->addAction(c.exit);
    c.clearSettings->setVisible(false);  // developer mode only

    edit_ = namedMenu(bar, "Bearbeiten", QString());
    bar->addMenu(edit_);
    edit_->addActions({c.undo, c.redo});
    edit_->addSeparator();
    edit_->addActions({c.copy, c.cut, c.paste, c.deleteRows});
    edit_->addSeparator();
    edit_->addActions({c.compact, c.makeItFit, c.mirror, c.reverse, c.stretch, c.goodbyeFromWelcome,
                       c.insertPattern});
    edit_->addSeparator();
    edit_->addAction(c.symmetric);

    connection_ = namedMenu(bar, "Connect", QStringLiteral("Verbindung"));
    bar->addMenu(connection_);
    for (int i = 1; i <= 20; ++i) connection_->addAction(c.ports[i]);
    configure_ = c.configure;
    bar->addAction(c.configure);

    info_ = namedMenu(bar, "Info", QStringLiteral("Info"));
    bar->addMenu(info_);
    info_->addActions({c.readModuleType, c.about});

    help_ = namedMenu(bar, "Help_Menu", QStringLiteral("Hilfe"));
    bar->addMenu(help_);
    help_->addActions({c.help, c.showAreas});

    // The table's context menu is not part of the menu bar.
    table_ = namedMenu(bar, "Tabelle", QStringLiteral("List"));
    table_->addActions({c.copy, c.cut, c.paste, c.pasteAtEnd});
    table_->addSeparator();
    table_->addActions({c.compact, c.mirror, c.reverse, c.stretch, c.insertPattern});
}

void MainMenus::setLanguages(const QStringList& names, const QString& current) {
    qDeleteAll(languageItems_);
    languageItems_.clear();
    for (int i = 0; i < names.size() && i < 255; ++i) {
        QAction* item = languages_->addAction(names[i]);
        item->setObjectName(QStringLiteral("Auswahl_%1").arg(i + 1));
        item->setCheckable(true);
        item->setChecked(names[i] == current);
        connect(item, &QAction::triggered, this, [this, item] {
            for (QAction* other : std::as_const(languageItems_)) other->setChecked(other == item);
            Q_EMIT languageChosen(item->text());
        });
        languageItems_ << item;
    }
}

void MainMenus::insertMenu(QMenu* menu) {
    bar_->insertMenu(connection_->menuAction(), menu);
}

void MainMenus::applyLanguage(const LanguageTable& t, bool itemsToo) {
    edit_->setTitle(t.entry(text::EditMenu));
    examples_->setTitle(t.entry(text::ExamplesMenu));
    if (itemsToo) {
        file_->setTitle(t.entry(text::FileMenu));
        moduleUpdate_->setTitle(t.entry(text::ModuleUpdate));
        connection_->setTitle(t.entry(text::ConnectionMenu));
        info_->setTitle(t.entry(text::InfoMenu));
        help_->setTitle(t.entry(text::HelpMenu));
    }
    applyMnemonics();
}

void MainMenus::applyMnemonics() {
    const QList<QAction*> menus = bar_->actions();
    QStringList captions;
    for (const QAction* menu : menus) captions << QString(menu->text()).remove(QLatin1Char('&'));
    const QStringList marked = withMnemonics(captions);
    for (int i = 0; i < menus.size(); ++i) menus[i]->setText(marked[i]);
}

}  // namespace vireo
