// The main window without a mouse: every control has a name a screen reader can say, and the
// lamps on the pictures are reached, named and switched by keyboard.
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include "support/window_fixture.h"
#include "ui/corner_picture.h"
#include "ui/dialogs/frm_eigenschaften.h"
#include "ui/dialogs/frm_parameter.h"

using namespace vireo;

namespace {

class AccessibilityWindow : public test::WindowFixture {};

// The widgets of a window a user can reach (take the focus, or show a lamp) with no name.
QStringList unnamed(QWidget& top) {
    QStringList found;
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets.prepend(&top);
    for (QWidget* w : widgets) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&top)) continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (face && !face->text(QAccessible::Name).trimmed().isEmpty()) continue;
        found << QStringLiteral("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
    }
    return found;
}

}  // namespace

TEST_F(AccessibilityWindow, EveryReachableControlHasANameInBothLanguages) {
    auto w = startWindow();
    ASSERT_TRUE(w);
    w->show();
    for (const char* language : {"Auswahl_1", "Auswahl_2"}) {
        child<QAction>(*w, language)->trigger();
        EXPECT_EQ(unnamed(*w), QStringList()) << language;
        EXPECT_EQ(unnamed(*w->frmParameter()), QStringList()) << language;
        EXPECT_EQ(unnamed(*w->frmEigenschaften()), QStringList()) << language;
    }
}

// Tab reaches the lamps; the arrows move the ring in the timeline's order, around the ends;
// Space switches the lamp as a click does; the name says the lamp and its state.
TEST_F(AccessibilityWindow, TheLampsAreReachedNamedAndSwitchedByKeyboard) {
    auto w = startWindow();
    ASSERT_TRUE(w);
    w->show();
    auto* car = child<QWidget>(*w, "carPanel");
    EXPECT_TRUE(car->focusPolicy() & Qt::TabFocus);
    // The table side has the focus at the start: Space there switches no lamp.
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(*w, "optAuf_Zu_0"));
    bool inTabChain = false;
    for (QWidget* next = w->nextInFocusChain(); next != w.get(); next = next->nextInFocusChain())
        inTabChain = inTabChain || next == car;
    EXPECT_TRUE(inTabChain);
    const auto ring = [&](const char* picture) {
        return child<CornerPicture>(*w, picture)->focusRing();
    };

    car->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(car->accessibleName(), "Blinker_R, aus");
    EXPECT_FALSE(ring("imaVR").isEmpty());
    QTest::keyClick(car, Qt::Key_Right);
    QTest::keyClick(car, Qt::Key_Space);
    EXPECT_EQ(w->session().lamps(), (LampBytes{2, 0, 0, 0}));
    EXPECT_EQ(car->accessibleName(), "Abblendlicht_R, an");
    // Left from the first lamp wraps to the last: the rear right's last lamp.
    QTest::keyClick(car, Qt::Key_Left);
    QTest::keyClick(car, Qt::Key_Left);
    EXPECT_TRUE(ring("imaVR").isEmpty());
    EXPECT_FALSE(ring("imaHR").isEmpty());
    QTest::keyClick(car, Qt::Key_Space);
    EXPECT_EQ(w->session().lamps(), (LampBytes{2, 0, 0, 32}));
    // With "Symmetrisch" the key switches the mirror lamp too, as a click does.
    w->session().setSymmetric(true);
    QTest::keyClick(car, Qt::Key_Home);
    QTest::keyClick(car, Qt::Key_Space);
    EXPECT_EQ(w->session().lamps(), (LampBytes{3, 1, 0, 32}));
    // The ring shows only while the lamps have the focus.
    child<QWidget>(*w, "List1_0")->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(ring("imaHR").isEmpty());
}
