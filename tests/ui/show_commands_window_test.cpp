// The show-building commands in the window: the Edit menu's compacting asks with its figures and
// applies as one undo step; "Symmetrisch" is one setting for the check box, the Edit menu, the
// pictures and the store; the transforms act from the table's menu.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTreeWidget>
#include <QUndoStack>

#include "support/window_fixture.h"
#include "ui/dialogs/frm_eigenschaften.h"
#include "ui/dialogs/pattern_dialog.h"

using namespace vireo;

namespace {

class ShowCommandsWindow : public test::WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        w = startWindow();
        ASSERT_TRUE(w);
    }
    std::unique_ptr<MainWindow> w;
};

// A blink copied five times: {lamp}, {} five times over, 0,5 s each.
Sequence copiedBlink() {
    Sequence rows;
    for (int i = 0; i < 5; ++i) {
        rows.append(Step{"0,5", QString(), {1, 0, 0, 0}});
        rows.append(Step{"0,5", QString(), {0, 0, 0, 0}});
    }
    return rows;
}

}  // namespace

TEST_F(ShowCommandsWindow, CompactingAsksWithItsFiguresAndIsOneUndoStep) {
    Document d;
    d.sequences[kWelcome] = copiedBlink();
    w->session().resetDocument(d);
    w->show();
    auto* compact = child<QAction>(*w, "Verdichten");
    ASSERT_TRUE(compact->isEnabled());
    compact->trigger();
    auto* dialog = w->findChild<QDialog*>(QStringLiteral("compactDialog"));
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    // Nothing changes while the user reads the figures.
    EXPECT_EQ(w->editor().sequence(kWelcome), copiedBlink());
    EXPECT_TRUE(
        dialog->findChild<QLabel*>(QStringLiteral("compactText"))->text().contains("Bytes"));
    dialog->accept();
    const Sequence compacted = w->editor().sequence(kWelcome);
    EXPECT_EQ(compacted.size(), 2);
    EXPECT_FALSE(compacted[0].loop.isEmpty());
    w->session().undo();
    EXPECT_EQ(w->editor().sequence(kWelcome), copiedBlink());
    // With no rows there is nothing to compact, mirror, reverse or stretch.
    w->session().resetDocument(Document{});
    for (const char* name : {"Verdichten", "Spiegeln", "Umkehren", "Strecken"})
        EXPECT_FALSE(child<QAction>(*w, name)->isEnabled()) << name;
}

TEST_F(ShowCommandsWindow, SymmetricIsOneSettingForBoxMenuAndStore) {
    auto* box = child<QCheckBox>(*w, "chkSymmetrisch");
    auto* action = child<QAction>(*w, "Symmetrisch");
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_TRUE(action->isChecked());
    EXPECT_TRUE(w->session().symmetric());
    EXPECT_EQ(store.read(QStringLiteral("Symmetrisch")), "1");
    action->trigger();
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(w->session().symmetric());
    // A start with the stored setting shows it ticked.
    store.write(QStringLiteral("Symmetrisch"), QStringLiteral("1"));
    auto again = startWindow();
    EXPECT_TRUE(child<QCheckBox>(*again, "chkSymmetrisch")->isChecked());
}

TEST_F(ShowCommandsWindow, TheTableMenuMirrorsTheRowsAndTheEditMenuMakesGoodbyeFromWelcome) {
    Document d;
    d.sequences[kWelcome] = {Step{"1", QString(), {1, 2, 4, 8}},
                             Step{"2", QString(), {0, 16, 0, 0}}};
    w->session().resetDocument(d);
    QMenu* table = child<QMenu>(*w, "Tabelle");
    QAction* mirror = child<QAction>(*w, "Spiegeln");
    EXPECT_TRUE(table->actions().contains(mirror));
    mirror->trigger();
    EXPECT_EQ(w->editor().sequence(kWelcome)[0].lamps, (LampBytes{2, 1, 8, 4}));
    child<QAction>(*w, "SchliessenAusOeffnen")->trigger();
    const Sequence goodbye = w->editor().sequence(kGoodbye);
    ASSERT_EQ(goodbye.size(), 2);
    EXPECT_EQ(goodbye[0].lamps, (LampBytes{16, 0, 0, 0}));
    EXPECT_EQ(goodbye[1].lamps, (LampBytes{2, 1, 8, 4}));
}

// "Muster einfügen…" and "Frühere Versionen…" open their dialogs without blocking the window; a
// cancelled one changes nothing.
TEST_F(ShowCommandsWindow, PatternAndEarlierVersionsOpenTheirDialogs) {
    w->show();
    const std::pair<const char*, const char*> commands[] = {
        {"MusterEinfuegen", "patternDialog"}, {"FruehereVersionen", "frmEarlierVersions"}};
    for (const auto& [action, dialogName] : commands) {
        child<QAction>(*w, action)->trigger();
        auto* dialog = w->findChild<QDialog*>(QString::fromLatin1(dialogName));
        ASSERT_TRUE(dialog) << dialogName;
        EXPECT_TRUE(dialog->isVisible()) << dialogName;
        dialog->reject();
        EXPECT_TRUE(w->editor().sequence(kWelcome).isEmpty()) << dialogName;
    }
}

TEST_F(ShowCommandsWindow, ThePatternDialogKeepsItsChoicesAndThePicturesShowTheNewRows) {
    Document d;
    d.sequences[kWelcome] = {Step{"1", QString(), {0, 0, 0, 8}},
                             Step{"1", QString(), {0, 0, 8, 0}}};
    w->session().resetDocument(d);
    w->session().setSelection(kWelcome, Selection{{0}, 0});
    w->session().setSymmetric(true);
    w->show();
    const auto openDialog = [this] {
        // A dialog closed before is gone once its deletion has run.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        child<QAction>(*w, "MusterEinfuegen")->trigger();
        return w->findChild<PatternDialog*>(QStringLiteral("patternDialog"));
    };
    PatternDialog* first = openDialog();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->symmetric());
    EXPECT_EQ(first->findChild<QLabel*>(QStringLiteral("patternPlace"))->text(),
              QStringLiteral("Das Muster kommt nach Zeile 1."));
    const PatternChoice chosen{PatternKind::Bounce,
                               {PatternLamp{1, 0}, PatternLamp{1, 1}, PatternLamp{1, 2}},
                               LampOrder::Picked,
                               3,
                               2};
    first->setChoice(chosen);
    const QPointer<PatternDialog> firstOpen = first;
    first->accept();
    // Four rows of one looped pass after row 1, selected; the pictures show the first of them.
    const Sequence rows = w->editor().sequence(kWelcome);
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(w->session().activeSelection(), (Selection{{1, 2, 3, 4}, 1}));
    EXPECT_EQ(w->session().lamps(), (LampBytes{1, 0, 0, 0}));

    // Opened again (and cancelled), it offers what was chosen.
    PatternDialog* second = openDialog();
    ASSERT_TRUE(second);
    // A new dialog: the first one is gone (its memory may hold the second one now) or another.
    ASSERT_TRUE(firstOpen.isNull() || second != firstOpen.data());
    EXPECT_EQ(second->choice().lamps, chosen.lamps);
    EXPECT_EQ(second->choice().kind, chosen.kind);
    EXPECT_EQ(second->choice().tenths, chosen.tenths);
    EXPECT_EQ(second->choice().passes, chosen.passes);
    second->setChoice(
        PatternChoice{PatternKind::Fill, {PatternLamp{2, 3}}, LampOrder::Pairs, 9, 5});
    second->reject();
    PatternDialog* third = openDialog();
    ASSERT_TRUE(third);
    EXPECT_EQ(third->choice().kind, PatternKind::Fill);
    EXPECT_EQ(third->choice().order, LampOrder::Pairs);
    EXPECT_EQ(third->choice().lamps, (QList<PatternLamp>{{2, 3}}));
    third->reject();
    EXPECT_EQ(w->editor().sequence(kWelcome), rows);
}

// A command that opens a dialog says so with "…", in both languages; the ports are one of many;
// "Symmetrisch" explains itself.
TEST_F(ShowCommandsWindow, DialogCommandsEndInAnEllipsisAndThePortsAreRadioItems) {
    const char* const dialogCommands[] = {"Menu_2",           "Menu_4",     "Menu_5",
                                          "Strecken",         "Verdichten", "MusterEinfuegen",
                                          "FruehereVersionen"};
    // German as started, then English, then German again.
    for (const char* next : {"Auswahl_2", "Auswahl_1"}) {
        for (const char* name : dialogCommands) {
            const QString text = child<QAction>(*w, name)->text();
            EXPECT_TRUE(text.endsWith(QChar(0x2026))) << name << ": " << text.toStdString();
        }
        EXPECT_FALSE(child<QCheckBox>(*w, "chkSymmetrisch")->toolTip().isEmpty()) << next;
        w->findChild<QAction*>(QString::fromLatin1(next))->trigger();
    }
    EXPECT_EQ(child<QCheckBox>(*w, "chkSymmetrisch")->toolTip(),
              QStringLiteral("Eine Lampe schaltet ihre Spiegellampe auf der anderen Seite mit"));
    // The dialogs' titles have no ellipsis.
    child<QAction>(*w, "Menu_5")->trigger();
    EXPECT_EQ(w->frmEigenschaften()->windowTitle(), QStringLiteral("Eigenschaften"));

    QAction* port2 = child<QAction>(*w, "Port_2");
    ASSERT_TRUE(port2->actionGroup());
    EXPECT_TRUE(port2->actionGroup()->isExclusive());
    EXPECT_EQ(port2->actionGroup()->actions().size(), 20);
}
