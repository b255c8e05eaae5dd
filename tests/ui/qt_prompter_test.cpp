// The real prompter's boxes: their answer buttons speak the language in use.
#include "app/qt_prompter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace vireo;

namespace {

// Runs `inspect` on the modal box the prompter shows next, then lets it close.
void whenShown(const std::function<void(QWidget*)>& inspect) {
    QTimer::singleShot(0, [inspect] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_TRUE(box);
        inspect(box);
    });
}

QStringList buttonTexts(QWidget* box) {
    QStringList texts;
    for (const QAbstractButton* b : box->findChildren<QAbstractButton*>())
        if (b->isVisible()) texts << b->text();
    texts.sort();
    return texts;
}

QAbstractButton* buttonNamed(QWidget* box, const QString& text) {
    for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

}  // namespace

TEST(QtPrompterTest, AnswerButtonsCarryTheLanguagesCaptions) {
    QtPrompter prompter;
    prompter.setAnswerCaptions({QStringLiteral("Ja"), QStringLiteral("Nein"), QStringLiteral("Gut"),
                                QStringLiteral("Abbrechen")});

    QStringList seen;
    whenShown([&](QWidget* box) {
        seen = buttonTexts(box);
        if (QAbstractButton* no = buttonNamed(box, QStringLiteral("Nein"))) no->click();
    });
    EXPECT_FALSE(prompter.question(QStringLiteral("Speichern?"), QString()));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));

    whenShown([&](QWidget* box) {
        seen = buttonTexts(box);
        if (QAbstractButton* ok = buttonNamed(box, QStringLiteral("Gut"))) ok->click();
    });
    prompter.message(QStringLiteral("Fertig"), QString(), PromptIcon::Information);
    EXPECT_EQ(seen, QStringList{QStringLiteral("Gut")});

    whenShown([&](QWidget* box) {
        seen = buttonTexts(box);
        if (QAbstractButton* cancel = buttonNamed(box, QStringLiteral("Abbrechen")))
            cancel->click();
    });
    EXPECT_FALSE(prompter.input(QStringLiteral("Anzahl?"), QString(), QStringLiteral("2")));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("Gut")}));
}

// The question that can be called off has three buttons; Escape answers Cancel, not No.
TEST(QtPrompterTest, EscapeAtTheThreeWayQuestionCancels) {
    QtPrompter prompter;
    prompter.setAnswerCaptions({QStringLiteral("Ja"), QStringLiteral("Nein"), QStringLiteral("Gut"),
                                QStringLiteral("Abbrechen")});
    QStringList seen;
    whenShown([&](QWidget* box) {
        seen = buttonTexts(box);
        auto* messageBox = qobject_cast<QMessageBox*>(box);
        ASSERT_TRUE(messageBox);
        EXPECT_EQ(messageBox->defaultButton(), buttonNamed(box, QStringLiteral("Ja")));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(prompter.questionWithCancel(QStringLiteral("Speichern?"), QString()),
              QuestionAnswer::Cancel);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("Ja"),
                                 QStringLiteral("Nein")}));

    whenShown([](QWidget* box) { buttonNamed(box, QStringLiteral("Nein"))->click(); });
    EXPECT_EQ(prompter.questionWithCancel(QStringLiteral("Speichern?"), QString()),
              QuestionAnswer::No);
}

// A question with answers of its own: each is a button, Escape (and Enter) give the answer that
// changes nothing, a click gives its own.
TEST(QtPrompterTest, AChoiceShowsItsAnswersAndEscapeTakesTheEscapeAnswer) {
    QtPrompter prompter;
    const QStringList answers{QStringLiteral("Überschreiben"), QStringLiteral("Anders"),
                              QStringLiteral("Abbrechen")};
    QStringList seen;
    whenShown([&](QWidget* box) {
        seen = buttonTexts(box);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(prompter.choose(QStringLiteral("Geändert"), QString(), answers, 2), 2);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("Anders"),
                                 QStringLiteral("Überschreiben")}));

    whenShown([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(prompter.choose(QStringLiteral("Geändert"), QString(), answers, 2), 2);
    whenShown([](QWidget* box) { buttonNamed(box, QStringLiteral("Überschreiben"))->click(); });
    EXPECT_EQ(prompter.choose(QStringLiteral("Geändert"), QString(), answers, 2), 0);
    whenShown([](QWidget* box) { buttonNamed(box, QStringLiteral("Anders"))->click(); });
    EXPECT_EQ(prompter.choose(QStringLiteral("Geändert"), QString(), answers, 2), 1);
}

// Without captions (before any language is applied) the platform's own buttons stay.
TEST(QtPrompterTest, WithoutCaptionsThePlatformButtonsStay) {
    QtPrompter prompter;
    QStringList seen;
    whenShown([&](QWidget* box) {
        seen = buttonTexts(box);
        auto* buttons = box->findChild<QDialogButtonBox*>();
        ASSERT_TRUE(buttons);
        buttons->button(QDialogButtonBox::Yes)->click();
    });
    EXPECT_TRUE(prompter.question(QStringLiteral("Save?"), QString()));
    EXPECT_EQ(seen.size(), 2);
    EXPECT_FALSE(seen.contains(QString()));
}
