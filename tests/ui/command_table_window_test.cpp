// The window's commands come from one table, and every menu, button and check box opens with an
// Alt letter of its own, in both shipped languages.
#include <QAbstractButton>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>

#include "config/settings_keys.h"
#include "session/editing_session.h"
#include "session/window_recovery.h"
#include "show/compaction_summary.h"
#include "support/window_fixture.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/access_letters.h"
#include "ui/command_table.h"
#include "ui/dialogs/compact_dialog.h"
#include "ui/dialogs/earlier_versions_dialog.h"
#include "ui/dialogs/fit_dialog.h"
#include "ui/dialogs/frm_eigenschaften.h"
#include "ui/dialogs/frm_info.h"
#include "ui/dialogs/frm_parameter.h"
#include "ui/dialogs/pattern_dialog.h"
#include "ui/dialogs/recovery_dialog.h"
#include "ui/window_commands.h"

namespace vireo {
namespace {

using test::WindowFixture;

// The access letter of a caption ("Zeile &einfügen" -> 'e'); a null character when it has none.
QChar accessLetter(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) continue;
        if (caption.at(i + 1) != QLatin1Char('&')) return caption.at(i + 1).toLower();
        ++i;  // "&&" is an ampersand
    }
    return QChar();
}

// The menus that list things rather than commands: the examples, the languages, the ports.
bool isList(const QMenu* menu) {
    return menu->objectName() == QLatin1String("Beispiele") ||
           menu->objectName() == QLatin1String("Connect") ||
           menu->menuAction()->objectName() == QLatin1String("Menu_6");
}

// The items of a menu that a letter can choose: no separators, no recent files.
QList<QAction*> items(const QMenu* menu) {
    QList<QAction*> found;
    for (QAction* item : menu->actions())
        if (!item->isSeparator() && !item->objectName().startsWith(QLatin1String("Recent_")))
            found << item;
    return found;
}

class CommandTableWindow : public WindowFixture, public ::testing::WithParamInterface<const char*> {
  protected:
    std::unique_ptr<MainWindow> start() {
        languageChoice = QString::fromLatin1(GetParam());
        store.write(settings_keys::kLanguage, languageChoice);
        return startWindow();
    }
};

TEST_P(CommandTableWindow, EveryCommandHasAHandlerACaptionAndARule) {
    auto w = start();
    auto* commands = w->findChild<WindowCommands*>();
    ASSERT_NE(commands, nullptr);
    QSet<QString> names;
    for (int i = 0; i < commandTable().size(); ++i) {
        const CommandSpec& spec = commandTable()[i];
        const QString name = QString::fromLatin1(spec.objectName);
        EXPECT_EQ(static_cast<int>(spec.id), i) << "out of order: " << spec.objectName;
        EXPECT_FALSE(names.contains(name)) << spec.objectName;
        names << name;
        EXPECT_TRUE(commands->hasHandler(spec.id)) << "nothing runs " << spec.objectName;
        EXPECT_NE(spec.enabled, nullptr) << spec.objectName;
        EXPECT_EQ(commands->action(spec.id)->objectName(), name);
        const QString caption = w->texts().entry(spec.caption);
        EXPECT_FALSE(caption.trimmed().isEmpty()) << spec.objectName;
        if (spec.menu != CommandMenu::None || spec.tableMenuPosition > 0 || spec.button)
            EXPECT_FALSE(accessLetter(caption).isNull()) << qPrintable(caption);
        if (spec.button) {
            auto* button = w->findChild<QAbstractButton*>(QString::fromUtf8(spec.button));
            ASSERT_NE(button, nullptr) << spec.button;
            EXPECT_EQ(button->property("command").toString(), name) << spec.button;
            EXPECT_EQ(button->text(), caption) << spec.button;
        }
    }
}

TEST_P(CommandTableWindow, EveryMenuItemAndButtonComesFromTheTable) {
    auto w = start();
    auto* commands = w->findChild<WindowCommands*>();
    QSet<QAction*> fromTable;
    for (const CommandSpec& spec : commandTable()) fromTable << commands->action(spec.id);
    QList<QMenu*> menus = {w->findChild<QMenu*>(QStringLiteral("Tabelle"))};
    for (QAction* title : w->menuBar()->actions())
        if (title->menu())
            menus << title->menu();
        else
            EXPECT_TRUE(fromTable.contains(title)) << qPrintable(title->objectName());
    while (!menus.isEmpty()) {
        QMenu* menu = menus.takeFirst();
        if (isList(menu)) continue;
        for (QAction* item : items(menu)) {
            if (item->menu()) {
                menus << item->menu();
                continue;
            }
            // The timeline's own switch shows or hides its panel.
            if (item->objectName() == QLatin1String("Zeitleiste")) continue;
            EXPECT_TRUE(fromTable.contains(item)) << qPrintable(item->objectName());
        }
    }
    for (QPushButton* button : w->findChildren<QPushButton*>()) {
        if (button->window() != w.get()) continue;  // the dialogs' own buttons
        EXPECT_FALSE(button->property("command").toString().isEmpty())
            << qPrintable(button->objectName());
    }
}

// Right after start Alt and a title's letter open its menu: no button or check box of the
// window takes a title's letter, no two take the same, and no two items of a menu share one.
TEST_P(CommandTableWindow, AltLettersDoNotClash) {
    auto w = start();
    QMap<QChar, QString> windowLetters;
    // A list (examples, languages, ports) may hold more items than there are letters.
    const auto take = [&](QMap<QChar, QString>& taken, const QString& caption, bool list = false) {
        const QChar letter = accessLetter(caption);
        EXPECT_TRUE(!letter.isNull() || list) << "no letter: " << qPrintable(caption);
        if (letter.isNull()) return;
        EXPECT_FALSE(taken.contains(letter))
            << qPrintable(caption) << " takes the letter of " << qPrintable(taken.value(letter));
        taken.insert(letter, caption);
    };
    QList<QMenu*> menus = {w->findChild<QMenu*>(QStringLiteral("Tabelle"))};
    for (QAction* title : w->menuBar()->actions()) {
        take(windowLetters, title->text());
        if (title->menu()) menus << title->menu();
    }
    for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
        if (button->window() != w.get()) continue;
        if (!qobject_cast<QPushButton*>(button) && !qobject_cast<QCheckBox*>(button)) continue;
        take(windowLetters, button->text());
    }
    while (!menus.isEmpty()) {
        QMenu* menu = menus.takeFirst();
        Q_EMIT menu->aboutToShow();  // the lists fill as their menus open
        QMap<QChar, QString> menuLetters;
        for (QAction* item : items(menu)) {
            take(menuLetters, item->text(), isList(menu));
            if (item->menu()) menus << item->menu();
        }
        // The ports are named by their numbers; the examples and languages take letters.
        if (isList(menu) && !items(menu).isEmpty() &&
            menu->objectName() != QLatin1String("Connect"))
            EXPECT_FALSE(menuLetters.isEmpty()) << qPrintable(menu->objectName());
    }
}

// Every button, check box, radio button and field label of each dialog has a letter of its own
// there.
TEST_P(CommandTableWindow, DialogLettersDoNotClash) {
    auto w = start();
    const LanguageTable& t = w->texts();
    WindowRecovery& recovery = w->recovery();
    const auto check = [](QDialog& dialog) {
        QMap<QChar, QString> taken;
        const QList<QWidget*> controls = captionedControls(dialog);
        EXPECT_FALSE(controls.isEmpty()) << qPrintable(dialog.objectName());
        for (const QWidget* control : controls) {
            const QString caption = captionOf(control);
            const QChar letter = accessLetter(caption);
            EXPECT_FALSE(letter.isNull())
                << qPrintable(dialog.objectName()) << ": no letter: " << qPrintable(caption);
            if (letter.isNull()) continue;
            EXPECT_FALSE(taken.contains(letter))
                << qPrintable(dialog.objectName()) << ": " << qPrintable(caption)
                << " takes the letter of " << qPrintable(taken.value(letter));
            taken.insert(letter, caption);
        }
    };
    check(*w->frmParameter());
    check(*w->frmEigenschaften());
    FrmInfo about(
        t, [](const QString&) {}, clock, w.get());
    check(about);
    CompactDialog compact(compactionSummary(w->session().planCompaction(false), t), t, w.get());
    check(compact);
    FitDialog fit(t, w->session().setup(), 0, w.get());
    fit.setPlan(w->session().planFit(false));
    check(fit);
    PatternDialog pattern(t, w.get());
    check(pattern);
    RecoveryDialog offer(recovery, {}, t, prompter, w.get());
    check(offer);
    EarlierVersionsDialog versions(recovery, t, w.get());
    check(versions);
}

// The timeline runs the commands whose rows say so, by their own keys.
TEST(CommandTable, TheTimelineKeysComeFromTheTable) {
    const struct {
        QKeyCombination pressed;
        std::optional<CommandId> command;
    } cases[] = {
        {QKeyCombination(Qt::Key_Delete), CommandId::DeleteRows},
        {QKeyCombination(Qt::KeypadModifier, Qt::Key_Delete), CommandId::DeleteRows},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_C), CommandId::Copy},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_X), CommandId::Cut},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_V), CommandId::Paste},
        // Undo has keys but no timeline flag; a plain letter is no command.
        {QKeyCombination(Qt::ControlModifier, Qt::Key_Z), std::nullopt},
        {QKeyCombination(Qt::Key_C), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(timelineCommandFor(c.pressed), c.command)
            << qPrintable(QKeySequence(c.pressed).toString());
}

// The answers of every question box carry their letters: Alt+N answers "Nein" / "No".
TEST_P(CommandTableWindow, AnswerButtonsHaveLetters) {
    auto w = start();
    const LanguageTable& t = w->texts();
    QMap<QChar, QString> answers;
    for (int entry : {text::Yes, text::No, text::Cancel}) {
        const QChar letter = accessLetter(t.entry(entry));
        ASSERT_FALSE(letter.isNull()) << qPrintable(t.entry(entry));
        EXPECT_FALSE(answers.contains(letter)) << qPrintable(t.entry(entry));
        answers.insert(letter, t.entry(entry));
    }
    EXPECT_EQ(accessLetter(t.entry(text::No)), QLatin1Char('n'));
    EXPECT_FALSE(accessLetter(t.entry(text::Ok)).isNull());
}

INSTANTIATE_TEST_SUITE_P(Languages, CommandTableWindow, ::testing::Values("Deutsch", "English"));

}  // namespace
}  // namespace vireo
