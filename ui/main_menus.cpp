#include "ui/main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

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

namespace {

// The items of one menu that are no commands (submenus, separators, the place of the recent
// files), each at its position among the commands' positions in the table.
struct MenuPiece {
    int position;
    QAction* item;  // nullptr: a separator
};

// Adds the items to `menu` in the order of their positions; returns the separators in order.
QList<QAction*> addInOrder(QMenu* menu, QList<MenuPiece> pieces) {
    std::stable_sort(pieces.begin(), pieces.end(), [](const MenuPiece& a, const MenuPiece& b) {
        return a.position < b.position;
    });
    QList<QAction*> separators;
    for (const MenuPiece& piece : pieces) {
        if (piece.item)
            menu->addAction(piece.item);
        else
            separators << menu->addSeparator();
    }
    return separators;
}

// The table's commands for `place` at their positions, with the other pieces of that menu.
QList<MenuPiece> menuOf(CommandMenu place, const WindowCommands& c, QList<MenuPiece> pieces = {}) {
    for (const CommandSpec& spec : commandTable())
        if (spec.menu == place) pieces.append({spec.menuPosition, c.action(spec.id)});
    return pieces;
}

}  // namespace

MainMenus::MainMenus(QMenuBar* bar, WindowCommands& c, QObject* parent)
    : QObject(parent), bar_(bar) {
    file_ = namedMenu(bar, "Datei", QString());
    bar->addMenu(file_);
    examples_ = namedMenu(file_, "Beispiele", QString());
    languages_ = new QMenu(file_);
    languages_->menuAction()->setObjectName(QStringLiteral("Menu_6"));
    moduleUpdate_ = new QMenu(file_);
    moduleUpdate_->menuAction()->setObjectName(QStringLiteral("Menu_8"));
    addInOrder(moduleUpdate_, menuOf(CommandMenu::ModuleUpdate, c));
    // The recent files stand between two separators, above "Beenden".
    recentEnd_ = addInOrder(file_, menuOf(CommandMenu::File, c,
                                          {{70, examples_->menuAction()},
                                           {90, languages_->menuAction()},
                                           {110, moduleUpdate_->menuAction()},
                                           {120, nullptr},
                                           {130, nullptr}}))
                     .last();
    c.clearSettings->setVisible(false);  // developer mode only

    edit_ = namedMenu(bar, "Bearbeiten", QString());
    bar->addMenu(edit_);
    addInOrder(edit_, menuOf(CommandMenu::Edit, c, {{30, nullptr}, {80, nullptr}, {150, nullptr}}));

    connection_ = namedMenu(bar, "Connect", QString());
    bar->addMenu(connection_);
    for (int i = 1; i <= kLastPortNumber; ++i) connection_->addAction(c.ports[i]);
    for (const CommandSpec& spec : commandTable())
        if (spec.menu == CommandMenu::Bar) bar->addAction(c.action(spec.id));

    info_ = namedMenu(bar, "Info", QString());
    bar->addMenu(info_);
    addInOrder(info_, menuOf(CommandMenu::Info, c));

    help_ = namedMenu(bar, "Help_Menu", QString());
    bar->addMenu(help_);
    addInOrder(help_, menuOf(CommandMenu::Help, c));

    // The table's context menu is not part of the menu bar.
    table_ = namedMenu(bar, "Tabelle", QString());
    QList<MenuPiece> tableItems = {{50, nullptr}};
    for (const CommandSpec& spec : commandTable())
        if (spec.tableMenuPosition > 0)
            tableItems.append({spec.tableMenuPosition, c.action(spec.id)});
    addInOrder(table_, tableItems);
}

void MainMenus::setLanguages(const QStringList& names, const QString& current) {
    qDeleteAll(languageItems_);
    languageItems_.clear();
    // Each language its own Alt letter, as far as the letters go.
    const QStringList captions = withMnemonics(names);
    for (int i = 0; i < names.size() && i < 255; ++i) {
        QAction* item = languages_->addAction(captions[i]);
        item->setObjectName(QStringLiteral("Auswahl_%1").arg(i + 1));
        item->setCheckable(true);
        item->setChecked(names[i] == current);
        connect(item, &QAction::triggered, this, [this, item, name = names[i]] {
            for (QAction* other : std::as_const(languageItems_)) other->setChecked(other == item);
            Q_EMIT languageChosen(name);
        });
        languageItems_ << item;
    }
}

void MainMenus::insertMenu(QMenu* menu) {
    bar_->insertMenu(connection_->menuAction(), menu);
}

void MainMenus::applyLanguage(const LanguageTable& t) {
    edit_->setTitle(t.entry(text::EditMenu));
    examples_->setTitle(t.entry(text::ExamplesMenu));
    file_->setTitle(t.entry(text::FileMenu));
    languages_->setTitle(t.entry(text::LanguageMenu));
    moduleUpdate_->setTitle(t.entry(text::ModuleUpdate));
    connection_->setTitle(t.entry(text::ConnectionMenu));
    info_->setTitle(t.entry(text::InfoMenu));
    help_->setTitle(t.entry(text::HelpMenu));
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
