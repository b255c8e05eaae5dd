// The editing commands of the main window's sequence table: the buttons and the context menu act
// on the rows the user selected in the list, and every change can be undone.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

#include "support/window_fixture.h"
#include "ui/corner_picture.h"

using namespace vireo;

namespace {

class TableEditWindow : public test::WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        w = startWindow();
        ASSERT_TRUE(w);
        // Row p (1-based) has the time text "p" and lamp byte p on corner 1.
        Document d;
        for (int p = 1; p <= 6; ++p)
            d.sequences[kWelcome].append(Step{OnTime::ofTenths(10 * p), QString(), {p, 0, 0, 0}});
        initial = d.sequences[kWelcome];
        w->session().resetDocument(d);
        list = child<QTreeWidget>(*w, "List1_0");
        prompter.prompts.clear();
    }

    // The user's selection in the list: the selected rows and the current row (0-based).
    void select(std::initializer_list<int> rows, int current) {
        list->clearSelection();
        ASSERT_LT(current, list->topLevelItemCount());
        list->setCurrentItem(list->topLevelItem(current), 0, QItemSelectionModel::NoUpdate);
        for (int r : rows) {
            ASSERT_LT(r, list->topLevelItemCount());
            list->topLevelItem(r)->setSelected(true);
        }
    }
    QStringList times() const {
        QStringList t;
        for (const Step& s : w->editor().sequence(kWelcome)) t << s.time.text();
        return t;
    }
    QStringList markers() const {
        QStringList m;
        for (const Step& s : w->editor().sequence(kWelcome)) m << s.loop;
        return m;
    }
    // Corner 1 of every row: which of the original rows it is (0 for a new dark row).
    QList<int> origins() const {
        QList<int> o;
        for (const Step& s : w->editor().sequence(kWelcome)) o << s.lamps[0];
        return o;
    }
    int history() { return w->editor().undoStack()->count(); }
    void button(const char* name) {
        QTest::mouseClick(child<QPushButton>(*w, name), Qt::LeftButton);
    }
    void menuItem(int n) {
        child<QAction>(*w, QStringLiteral("List_1_%1").arg(n).toUtf8().constData())->trigger();
    }

    std::unique_ptr<MainWindow> w;
    QTreeWidget* list = nullptr;
    Sequence initial;
};

TEST_F(TableEditWindow, TheEditButtonsActOnTheSelectedRowsAndCanBeUndone) {
    // "Ändern" on two rows: both take the slider's on-time, the lamps stay.
    child<QSlider>(*w, "sliderZeitein")->setValue(25);
    select({1, 3}, 3);
    button("cmdÄndern");
    EXPECT_EQ(times(), QStringList({"1", "2,5", "3", "2,5", "5", "6"}));
    EXPECT_EQ(origins(), QList<int>({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(history(), 1);

    // "Zeile einfügen": a dark row with the slider's time at the current row.
    child<QSlider>(*w, "sliderZeitein")->setValue(7);
    select({4}, 4);
    button("cmdEinfügen");
    EXPECT_EQ(times(), QStringList({"1", "2,5", "3", "2,5", "0,7", "5", "6"}));
    EXPECT_EQ(origins(), QList<int>({1, 2, 3, 4, 0, 5, 6}));
    EXPECT_EQ(history(), 2);

    // "Zeile(n) löschen", answered Yes: exactly the selected rows go.
    prompter.questionAnswers = {true};
    select({0, 4}, 0);
    button("cmdLöschen");
    EXPECT_EQ(prompter.count("question"), 1);
    EXPECT_EQ(origins(), QList<int>({2, 3, 4, 5, 6}));
    EXPECT_EQ(history(), 3);

    // "Schleife erstellen" over the selected run, four times.
    prompter.inputAnswers = {QStringLiteral("4")};
    select({1, 2, 3}, 1);
    button("cmdSchleife");
    const QString loop = QStringLiteral("S  1 / 4 x");
    EXPECT_EQ(markers(), QStringList({"", loop, loop, loop, ""}));
    EXPECT_EQ(history(), 4);

    // "Schleife löschen" on a row inside the loop clears the whole loop.
    select({2}, 2);
    button("cmdSchleife_L");
    EXPECT_EQ(markers(), QStringList({"", "", "", "", ""}));
    EXPECT_EQ(history(), 5);

    // Every step undoes in turn, back to the table as it was.
    auto* undo = child<QAction>(*w, "Undo");
    for (int i = 0; i < 5; ++i) undo->trigger();
    EXPECT_EQ(w->editor().sequence(kWelcome), initial);
    EXPECT_EQ(list->topLevelItemCount(), 6);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(w->editor().sequence(kGoodbye).isEmpty());
}

TEST_F(TableEditWindow, TheContextMenuCopiesCutsAndPastesTheSelectedRows) {
    auto* menu = child<QMenu>(*w, "Tabelle");
    select({0, 1}, 0);
    emit list->customContextMenuRequested(QPoint(5, 5));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(child<QAction>(*w, "List_1_1")->isEnabled());
    EXPECT_FALSE(child<QAction>(*w, "List_1_3")->isEnabled());  // nothing copied yet
    menu->close();

    menuItem(1);  // "Kopieren": no change to the rows, nothing in the history
    EXPECT_EQ(w->editor().sequence(kWelcome), initial);
    EXPECT_EQ(history(), 0);
    emit list->customContextMenuRequested(QPoint(5, 5));
    EXPECT_TRUE(child<QAction>(*w, "List_1_3")->isEnabled());
    menu->close();

    select({4}, 4);
    menuItem(3);  // "Einfügen": before the current row
    EXPECT_EQ(origins(), QList<int>({1, 2, 3, 4, 1, 2, 5, 6}));
    EXPECT_EQ(history(), 1);

    select({2, 3}, 2);
    menuItem(2);  // "Ausschneiden"
    EXPECT_EQ(origins(), QList<int>({1, 2, 1, 2, 5, 6}));
    EXPECT_EQ(history(), 2);

    select({0}, 0);
    menuItem(4);  // "Einfügen an Tabellenende": the cut rows
    EXPECT_EQ(origins(), QList<int>({1, 2, 1, 2, 5, 6, 3, 4}));
    EXPECT_EQ(history(), 3);

    for (int i = 0; i < 3; ++i) child<QAction>(*w, "Undo")->trigger();
    EXPECT_EQ(w->editor().sequence(kWelcome), initial);
}

TEST_F(TableEditWindow, SimulationFromHereAndAllLampsOffLeaveTheRowsAlone) {
    select({3}, 3);
    button("cmdSimWeiter");
    EXPECT_TRUE(w->session().playbackRunning());
    EXPECT_EQ(w->session().lamps(), (LampBytes{4, 0, 0, 0}));  // starts on the selected row
    button("cmdSimWeiter");                                    // stops
    EXPECT_FALSE(w->session().playbackRunning());

    // A row clicked in the list lights its lamps; "Alle Lampen aus" puts them out.
    ASSERT_EQ(list->topLevelItemCount(), 6);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(5)).center());
    EXPECT_EQ(w->session().lamps(), (LampBytes{6, 0, 0, 0}));
    button("cmdLichtaus");
    EXPECT_EQ(w->session().lamps(), (LampBytes{0, 0, 0, 0}));

    EXPECT_EQ(w->editor().sequence(kWelcome), initial);
    EXPECT_EQ(history(), 0);
}

}  // namespace

// Every command reaches the keyboard: "Ändern" on Space, Enter and its Alt letter; copy, cut and
// paste with the platform's shortcuts in the table, as the Edit menu offers them.
TEST_F(TableEditWindow, TheKeyboardReachesChangeAndTheClipboardCommands) {
    w->show();
    auto* change = child<QPushButton>(*w, "cmdÄndern");
    child<QSlider>(*w, "sliderZeitein")->setValue(25);
    select({0}, 0);
    change->setFocus();
    QTest::keyClick(change, Qt::Key_Space);
    EXPECT_EQ(times(), QStringList({"2,5", "2", "3", "4", "5", "6"}));
    child<QSlider>(*w, "sliderZeitein")->setValue(7);
    select({1}, 1);
    change->animateClick();  // what Alt and the button's letter do
    QTest::qWait(200);
    EXPECT_EQ(times(), QStringList({"2,5", "0,7", "3", "4", "5", "6"}));

    // The Edit menu holds copy, cut and paste, enabled as the context menu would be.
    auto* copy = child<QAction>(*w, "List_1_1");
    auto* paste = child<QAction>(*w, "List_1_3");
    EXPECT_EQ(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_FALSE(paste->isEnabled());  // nothing copied yet
    list->setFocus();
    select({2, 3}, 2);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(paste->isEnabled());
    select({0}, 0);
    QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
    // A single changed row takes the lamps shown (all off): rows 1 and 2 are dark now.
    EXPECT_EQ(origins(), QList<int>({3, 4, 0, 0, 3, 4, 5, 6}));
    select({0, 1}, 0);
    QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(origins(), QList<int>({0, 0, 3, 4, 5, 6}));
}

// Every menu of the bar has an Alt letter of its own, in both languages.
TEST_F(TableEditWindow, EveryMenuTitleHasItsOwnAltLetter) {
    // The language items follow the files' names: 1 Deutsch, 2 English.
    for (const auto& [item, first] : {std::pair{"Auswahl_2", "&File"}, {"Auswahl_1", "&Datei"}}) {
        child<QAction>(*w, item)->trigger();
        QStringList titles;
        QSet<QChar> letters;
        for (const QAction* menu : w->menuBar()->actions()) {
            titles << menu->text();
            const qsizetype mark = menu->text().indexOf('&');
            ASSERT_GE(mark, 0) << menu->text().toStdString();
            letters.insert(menu->text().at(mark + 1).toLower());
        }
        EXPECT_EQ(letters.size(), titles.size()) << titles.join('|').toStdString();
        EXPECT_EQ(titles.first(), first);
    }
}

// Each command is one action: its button runs it, and the button is enabled exactly when the
// action is, whoever decided it.
TEST_F(TableEditWindow, EveryButtonRunsTheActionItsMenuItemAndShortcutShare) {
    const std::pair<const char*, const char*> pairs[] = {
        {"cmdWeiter", "AppendStep"},        {"cmdÄndern", "ChangeRows"},
        {"cmdEinfügen", "InsertRow"},       {"cmdLöschen", "Zeilen_Loeschen"},
        {"cmdSchleife", "CreateLoop"},      {"cmdSchleife_L", "DeleteLoop"},
        {"cmdSilulation", "PlayFromStart"}, {"cmdSimWeiter", "PlayFromHere"},
        {"cmdLichtaus", "LampsOff"},        {"cmdSpeicherbedarf", "MemoryCheck"},
        {"cmdDaten", "SendData"},           {"cmdExit", "Menu_9"},
        {"cmdBereiche", "Bereich"}};
    for (const auto& [buttonName, actionName] : pairs) {
        auto* button = child<QPushButton>(*w, buttonName);
        auto* action = child<QAction>(*w, actionName);
        action->setEnabled(false);
        EXPECT_FALSE(button->isEnabled()) << buttonName;
        action->setEnabled(true);
        EXPECT_TRUE(button->isEnabled()) << buttonName;
    }
    // A click on "Zeile(n) löschen" is the Delete command of the Edit menu.
    select({1}, 1);
    QSignalSpy deletes(child<QAction>(*w, "Zeilen_Loeschen"), &QAction::triggered);
    child<QPushButton>(*w, "cmdLöschen")->click();
    EXPECT_EQ(deletes.count(), 1);
}

// With no rows there is nothing to delete; with no current row a new row goes at the end.
TEST_F(TableEditWindow, DeleteIsOffOnAnEmptyListAndInsertWithoutARowAppends) {
    auto* remove = child<QPushButton>(*w, "cmdLöschen");
    auto* removeAction = child<QAction>(*w, "Zeilen_Loeschen");
    EXPECT_TRUE(remove->isEnabled());
    w->session().resetDocument(Document{});
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_FALSE(removeAction->isEnabled());

    QTest::mouseClick(child<QPushButton>(*w, "cmdEinfügen"), Qt::LeftButton);
    ASSERT_EQ(w->editor().sequence(kWelcome).size(), 1);
    EXPECT_TRUE(remove->isEnabled());

    Document d;
    d.sequences[kWelcome] = initial;
    w->session().resetDocument(d);
    list->clearSelection();
    list->setCurrentItem(nullptr);
    ASSERT_EQ(w->session().activeSelection().current, -1);
    QTest::mouseClick(child<QPushButton>(*w, "cmdEinfügen"), Qt::LeftButton);
    EXPECT_EQ(origins(), QList<int>({1, 2, 3, 4, 5, 6, 0}));
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_EQ(w->editor().undoStack()->count(), 1);
}
