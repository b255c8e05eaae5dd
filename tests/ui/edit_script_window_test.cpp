// An edit script run by vireo-cli edit and the same lines given to the main window as the user
// gives them (clicks in the list, the slider, the buttons and menu items, the answers typed):
// both end with the same rows and the same message boxes.
#include <QAction>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "session/edit_script.h"
#include "support/processes.h"
#include "support/window_fixture.h"
#include "text/language.h"

using namespace vireo;

namespace {

class EditScriptWindow : public test::WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        for (int p = 1; p <= 8; ++p) {
            document.sequences[kWelcome].append(Step{OnTime::ofTenths(p), {}, {p, 0, 0, 0}});
            if (p <= 3) document.sequences[kGoodbye].append(Step{"0,2", {}, {0, 0, p, p}});
        }
    }

    QTreeWidget* list() {
        return child<QTreeWidget>(*w, QStringLiteral("List1_%1").arg(active).toUtf8().constData());
    }
    void trigger(const char* action) { child<QAction>(*w, action)->trigger(); }

    // One line as the user gives it in the window.
    void give(const EditLine& line) {
        using Command = EditLine::Command;
        switch (line.command) {
            case Command::Sequence:
                active = line.number;
                child<QRadioButton>(*w, active == 0 ? "optAuf_Zu_0" : "optAuf_Zu_1")->click();
                break;
            case Command::Select: {
                // A click on the first row, then the others added to the selection.
                QTreeWidget* l = list();
                l->clearSelection();
                if (line.rows.isEmpty()) break;
                QTreeWidgetItem* first = l->topLevelItem(line.rows.first() - 1);
                l->setCurrentItem(first, 0, QItemSelectionModel::NoUpdate);
                for (int r : line.rows) l->topLevelItem(r - 1)->setSelected(true);
                Q_EMIT l->itemClicked(first, 0);
                break;
            }
            case Command::Current:
                list()->setCurrentItem(list()->topLevelItem(line.number - 1), 0,
                                       QItemSelectionModel::NoUpdate);
                break;
            case Command::Slider:
                child<QSlider>(*w, "sliderZeitein")->setValue(line.number);
                break;
            case Command::Append:
                trigger("AppendStep");
                break;
            case Command::Change:
                trigger("ChangeRows");
                break;
            case Command::Insert:
                trigger("InsertRow");
                break;
            case Command::Delete:
                prompter.questionAnswers = {true};
                trigger("Zeilen_Loeschen");
                break;
            case Command::Copy:
                trigger("List_1_1");
                break;
            case Command::Cut:
                trigger("List_1_2");
                break;
            case Command::Paste:
                trigger("List_1_3");
                break;
            case Command::PasteEnd:
                trigger("List_1_4");
                break;
            case Command::Loop:
                prompter.inputAnswers = {line.answer};
                trigger("CreateLoop");
                break;
            case Command::Unloop:
                trigger("DeleteLoop");
                break;
            case Command::Mirror:
                trigger("Spiegeln");
                break;
            case Command::Reverse:
                trigger("Umkehren");
                break;
            case Command::Stretch:
                prompter.inputAnswers = {line.answer};
                trigger("Strecken");
                break;
            case Command::GoodbyeFromWelcome:
                prompter.questionAnswers = {true};
                trigger("SchliessenAusOeffnen");
                break;
            case Command::Undo:
                trigger("Undo");
                break;
            case Command::Redo:
                trigger("Redo");
                break;
            default:
                FAIL() << "no window step for " << qPrintable(editLineText(line));
        }
        prompter.inputAnswers.clear();
        prompter.questionAnswers.clear();
        active = w->session().activeSequence();
    }

    std::unique_ptr<MainWindow> w;
    Document document;
    int active = 0;
};

TEST_F(EditScriptWindow, AScriptEndsAsTheWindowDoes) {
    const QStringList scripts = {
        "select 2-5\nloop 3\nselect 1-3\ncopy\nselect 5\npaste\nselect 2\ndelete\nslider 12\n"
        "select 1,3\nchange\nselect 1-2\nunloop\nselect 4\ncut\nselect 2-3\nloop 30\nundo\nredo",
        "select 3-6\nloop 4\nselect 5\ninsert\nselect 7-9\ncut\nsequence 1\nselect 2\npaste\n"
        "current 1\npaste-end\nundo\nsequence 0\nselect 1-2\nmirror\nreverse\nstretch 1,5\n"
        "stretch x\ngoodbye-from-welcome\nselect 1\ncopy\nsequence 0\nselect 2\ncut\nappend",
        "insert\nselect 8-9\nloop 2\ncurrent 4\ninsert\ncopy\npaste\nselect none\ncurrent 2\n"
        "delete\nselect 4\ndelete\nundo\nundo\nredo",
    };
    for (const QString& script : scripts) {
        SCOPED_TRACE(script.toStdString());
        // A new window each time: the copy buffer and the slider start afresh, as in the tool.
        w = startWindow();
        ASSERT_TRUE(w);
        w->session().resetDocument(document);
        active = 0;
        prompter.prompts.clear();
        for (const QString& text : script.split('\n')) give(*readEditLine(text).line);
        QStringList shown;
        for (const auto& p : prompter.prompts)
            if (p.kind == "message" || p.kind == "question") shown << p.text;

        QTemporaryDir dir;
        const QString in = dir.filePath("in.kvs"), out = dir.filePath("out.kvs");
        ASSERT_TRUE(writeKvsFile(in, document));
        const test::CliRun run = test::runCli(
            {"edit", in, "-o", out, "--script", "-", "--language", "Deutsch"}, script.toUtf8());
        ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
        QStringList reported;
        for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts))
            reported << LanguageTable::builtIn().entry(line.section(' ', 1).toInt());
        EXPECT_FALSE(shown.isEmpty());
        EXPECT_EQ(reported, shown);
        EXPECT_NE(w->editor().document().sequences, document.sequences);
        EXPECT_EQ(readKvsFile(out).document.sequences, w->editor().document().sequences);
    }
}

}  // namespace
