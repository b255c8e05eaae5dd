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
        Command run;
    } commands[] = {
        {"append",
         [&](auto& r, auto& s) {
             return appendStep(r, s, 12, {1, 2, 3, 4}, f.context);
         }},
        {"change",
         [&](auto& r, auto& s) {
             return changeRows(r, s, 12, {1, 2, 3, 4});
         }},
        {"insert", [&](auto& r, auto& s) { return insertRow(r, s, 12, f.context); }},
        {"delete", [&](auto& r, auto& s) { return deleteRows(r, s, f.context); }},
        {"cut",
         [&](auto& r, auto& s) {
             CopyBuffer b;
             return cutRows(r, s, b, f.context);
         }},
        {"paste", [&](auto& r, auto& s) { return pasteRows(r, s, buffer, f.context); }},
        {"paste at end", [&](auto& r, auto& s) { return pasteRowsAtEnd(r, s, buffer, f.context); }},
        {"create loop", [&](auto& r, auto& s) { return createLoop(r, s, f.context); }},
        {"delete loop", [&](auto& r, auto& s) { return deleteLoop(r, s); }},
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
        ASSERT_TRUE(commitEdit(editor, kGoodbye, before, *out)) << c.name;
        EXPECT_EQ(editor.sequence(kGoodbye), out->rows) << c.name;
        EXPECT_EQ(editor.undoStack()->undoText(), out->label);

        editor.undoStack()->undo();
        EXPECT_EQ(editor.sequence(kGoodbye), doc.sequences[kGoodbye]) << c.name;
        EXPECT_EQ(shown, before) << c.name;
        editor.undoStack()->redo();
        EXPECT_EQ(editor.sequence(kGoodbye), out->rows) << c.name;
        EXPECT_EQ(shown, out->selection) << c.name;
        EXPECT_TRUE(editor.sequence(kWelcome).isEmpty());
    }
}
