#include <gtest/gtest.h>

#include <functional>

#include "sequence/copy_buffer.h"
#include "sequence/document_editor.h"
#include "sequence/loop_commands.h"
#include "sequence/step_commands.h"
#include "sequence/step_table.h"
#include "tests/core/sequence_fixtures.h"

using namespace vireo;
using namespace vireo::test;

// Every command's outcome commits as one undo step: undo brings back the rows, markers, lamp
// bytes and the selection the command started from; redo the outcome again.
TEST(SequenceUndo, EveryCommandKindRoundTrips) {
    EditFixture f;
    CopyBuffer buffer;
    buffer.set(table({"", ""}));
    f.prompter.questionAnswers = {true};
    f.prompter.inputAnswers = {QString("3")};
    using Command = std::function<std::optional<EditOutcome>(const Sequence&, const Selection&)>;
    const struct {
        const char* name;
        const char* undoText;  // the command's caption without accelerator and blanks
        Command run;
    } commands[] = {
        {"append", "Speichern und weiter",
         [&](auto& r, auto& s) {
             return appendStep(r, s, 12, {1, 2, 3, 4}, f.context);
         }},
        {"change", "Ändern",
         [&](auto& r, auto& s) {
             return changeRows(r, s, 12, {1, 2, 3, 4});
         }},
        {"insert", "Zeile einfügen",
         [&](auto& r, auto& s) { return insertRow(r, s, 12, f.context); }},
        {"delete", "Zeile(n) löschen",
         [&](auto& r, auto& s) { return deleteRows(r, s, f.context); }},
        {"cut", "Ausschneiden",
         [&](auto& r, auto& s) {
             CopyBuffer b;
             return cutRows(r, s, b, f.context);
         }},
        {"paste", "Einfügen", [&](auto& r, auto& s) { return pasteRows(r, s, buffer, f.context); }},
        {"paste at end", "Einfügen an Tabellenende",
         [&](auto& r, auto& s) { return pasteRowsAtEnd(r, s, buffer, f.context); }},
        {"create loop", "Schleife erstellen",
         [&](auto& r, auto& s) { return createLoop(r, s, f.context); }},
        {"delete loop", "Schleife löschen", [&](auto& r, auto& s) { return deleteLoop(r, s); }},
    };
    for (const auto& c : commands) {
        DocumentEditor editor;
        Document doc;
        doc.sequences[kGoodbye] = table({"", A, A, A, ""});
        editor.reset(doc);
        Selection shown;
        QObject::connect(&editor, &DocumentEditor::rowsChanged,
                         [&](int, const Selection& s) { shown = s; });
        const Selection before = positions({2, 3}, 3);
        const auto out = c.run(editor.sequence(kGoodbye), before);
        ASSERT_TRUE(out) << c.name;
        ASSERT_TRUE(commitEdit(editor, kGoodbye, before, *out, LanguageTable::builtIn())) << c.name;
        EXPECT_EQ(editor.sequence(kGoodbye), out->rows) << c.name;
        EXPECT_EQ(editor.undoStack()->undoText(), QString::fromUtf8(c.undoText)) << c.name;

        editor.undoStack()->undo();
        EXPECT_EQ(editor.sequence(kGoodbye), doc.sequences[kGoodbye]) << c.name;
        EXPECT_EQ(shown, before) << c.name;
        editor.undoStack()->redo();
        EXPECT_EQ(editor.sequence(kGoodbye), out->rows) << c.name;
        EXPECT_EQ(shown, out->selection) << c.name;
        EXPECT_TRUE(editor.sequence(kWelcome).isEmpty());
    }
}

// The undo step takes its name from the language in use, as the command's button does.
TEST(SequenceUndo, StepsAreNamedInTheCurrentLanguage) {
    LanguageTable english;
    english.parse(
        QByteArray("0001File\r\n0002New\r\n0003Open\r\n0004Save\r\n0005Save as\r\n"
                   "0006Properties\r\n0007Module update\r\n0008Connection\r\n"
                   "0009Configuration\r\n0010Info\r\n0011Read module type\r\n"
                   "0012About\r\n0013Help\r\n0014Start help\r\n0015Show areas\r\n"
                   "0016Copy\r\n0017Cut\r\n0018Paste\r\n0019Paste at end\r\n"
                   "0020Simula&tion |>\r\n0021Simulation >>\r\n0022All lamps &off\r\n"
                   "0023C&hange\r\n0024&Insert row\r\n0025&Delete row(s)\r\n"
                   "0026Create loop\r\n0027Delete loop\r\n0028&Memory required\r\n"
                   "0029&Send data\r\n0030Exit\r\n0031        Save and next\r\n"));
    EXPECT_EQ(undoStepText(english, 31), QStringLiteral("Save and next"));
    EXPECT_EQ(undoStepText(english, 23), QStringLiteral("Change"));
    EXPECT_EQ(undoStepText(english, 25), QStringLiteral("Delete row(s)"));

    EditFixture f;
    DocumentEditor editor;
    const Selection none;
    const auto out = appendStep(editor.sequence(kWelcome), none, 5, {1, 0, 0, 0}, f.context);
    ASSERT_TRUE(out);
    ASSERT_TRUE(commitEdit(editor, kWelcome, none, *out, english));
    EXPECT_EQ(editor.undoStack()->undoText(), QStringLiteral("Save and next"));
}

// A selection whose list was never filled equals one whose list was filled and emptied again
// (the undo history compares them), without QList handing memcmp a null pointer.
TEST(Selection, EqualWhetherOrNotItsListWasEverFilled) {
    Selection never;
    Selection emptied;
    emptied.rows = {1, 2};
    emptied.rows.clear();
    EXPECT_EQ(never, emptied);
    EXPECT_EQ(emptied, never);
    emptied.rows = {3};
    EXPECT_FALSE(never == emptied);
    emptied.rows = {};
    emptied.current = 0;
    EXPECT_FALSE(never == emptied);
}
