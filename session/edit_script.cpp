#include "session/edit_script.h"

#include <QRegularExpression>
#include <algorithm>

#include "sequence/edit_limits.h"
#include "sequence/lamp_patterns.h"
#include "sequence/on_time.h"
#include "sequence/pattern_rows.h"
#include "session/editing_session.h"
#include "show/compaction_summary.h"
#include "show/fit_summary.h"
#include "text/language.h"

namespace vireo {

namespace {

using Command = EditLine::Command;

// The commands that take no argument, with their words.
const QList<std::pair<QString, Command>>& plainCommands() {
    static const QList<std::pair<QString, Command>> words = {
        {QStringLiteral("append"), Command::Append},
        {QStringLiteral("change"), Command::Change},
        {QStringLiteral("insert"), Command::Insert},
        {QStringLiteral("delete"), Command::Delete},
        {QStringLiteral("copy"), Command::Copy},
        {QStringLiteral("cut"), Command::Cut},
        {QStringLiteral("paste"), Command::Paste},
        {QStringLiteral("paste-end"), Command::PasteEnd},
        {QStringLiteral("unloop"), Command::Unloop},
        {QStringLiteral("mirror"), Command::Mirror},
        {QStringLiteral("reverse"), Command::Reverse},
        {QStringLiteral("goodbye-from-welcome"), Command::GoodbyeFromWelcome},
        {QStringLiteral("compact"), Command::Compact},
        {QStringLiteral("fit"), Command::Fit},
        {QStringLiteral("fit-drop"), Command::FitDropping},
        {QStringLiteral("undo"), Command::Undo},
        {QStringLiteral("redo"), Command::Redo},
    };
    return words;
}

// The words patternKindFromName and lampOrderFromName read, for writing a choice back.
const QStringList kPatternKinds = {"chase", "fill", "empty", "blink", "alternate", "bounce"};
const QStringList kLampOrders = {"picked", "across", "outside-in", "inside-out", "pairs"};

std::optional<int> wholeNumber(const QString& text, int min, int max) {
    static const QRegularExpression digits(QStringLiteral("^\\d{1,4}$"));
    if (!digits.match(text).hasMatch()) return std::nullopt;
    const int n = text.toInt();
    if (n < min || n > max) return std::nullopt;
    return n;
}

EditLineRead problem(const QString& text) {
    return EditLineRead{std::nullopt, text};
}

// "2-4,7": the rows, 1-based, ascending and each once.
std::optional<QList<int>> rowList(const QString& text) {
    QList<int> rows;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        if (ends.size() > 2) return std::nullopt;
        const auto first = wholeNumber(ends.first(), 1, kMaxRows);
        const auto last = wholeNumber(ends.last(), 1, kMaxRows);
        if (!first || !last || *last < *first) return std::nullopt;
        for (int r = *first; r <= *last; ++r) rows << r;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QString rowListText(const QList<int>& rows) {
    if (rows.isEmpty()) return QStringLiteral("none");
    QStringList parts;
    for (int i = 0; i < rows.size();) {
        int j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) ++j;
        parts << (i == j ? QString::number(rows[i])
                         : QStringLiteral("%1-%2").arg(rows[i]).arg(rows[j]));
        i = j + 1;
    }
    return parts.join(QLatin1Char(','));
}

EditLineRead readPattern(const QStringList& words) {
    if (words.size() < 5 || words.size() > 6)
        return problem(QStringLiteral("pattern takes KIND LAMPS TIME PASSES [ORDER]"));
    EditLine line{Command::Pattern};
    PatternChoice& choice = line.pattern;
    const auto kind = patternKindFromName(words[1]);
    if (!kind)
        return problem(QStringLiteral("unknown pattern %1 (%2)")
                           .arg(words[1], kPatternKinds.join(QStringLiteral(", "))));
    choice.kind = *kind;
    for (const QString& name : words[2].split(QLatin1Char(','))) {
        const auto lamp = patternLampFromName(name);
        if (!lamp)
            return problem(QStringLiteral("unknown lamp %1 (CORNER.BIT with corner 1-4 and bit "
                                          "0-5, or M)")
                               .arg(name));
        choice.lamps << *lamp;
    }
    const auto time = OnTime::fromInput(words[3]);
    const auto tenths = time ? time->stepTenths() : std::nullopt;
    if (!tenths)
        return problem(QStringLiteral("invalid on-time %1 (0.1 to 10 seconds)").arg(words[3]));
    choice.tenths = *tenths;
    const auto passes = wholeNumber(words[4], kMinPatternPasses, kMaxPatternPasses);
    if (!passes)
        return problem(QStringLiteral("invalid passes %1 (%2 to %3)")
                           .arg(words[4])
                           .arg(kMinPatternPasses)
                           .arg(kMaxPatternPasses));
    choice.passes = *passes;
    if (words.size() == 6) {
        const auto order = lampOrderFromName(words[5]);
        if (!order)
            return problem(QStringLiteral("unknown order %1 (%2)")
                               .arg(words[5], kLampOrders.join(QStringLiteral(", "))));
        choice.order = *order;
    }
    return EditLineRead{line, {}};
}

}  // namespace

EditLineRead readEditLine(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) return {};
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList words = trimmed.split(blanks);
    const QString& word = words.first();
    // What follows the command word, as typed (an answer may hold blanks).
    const QString rest = trimmed.mid(word.size()).trimmed();

    for (const auto& [name, command] : plainCommands()) {
        if (word != name) continue;
        if (words.size() > 1) return problem(QStringLiteral("%1 takes no argument").arg(word));
        return EditLineRead{EditLine{command}, {}};
    }
    if (word == QLatin1String("loop")) {
        EditLine line{Command::Loop};
        line.answer = rest;
        return EditLineRead{line, {}};
    }
    if (word == QLatin1String("stretch")) {
        if (rest.isEmpty()) return problem(QStringLiteral("stretch needs the factor F"));
        EditLine line{Command::Stretch};
        line.answer = rest;
        return EditLineRead{line, {}};
    }
    if (word == QLatin1String("pattern")) return readPattern(words);

    struct Numbered {
        const char* word;
        Command command;
        int min, max;
        const char* what;
    };
    static const Numbered numbered[] = {
        {"sequence", Command::Sequence, 0, 1, "sequence 0|1"},
        {"current", Command::Current, 1, kMaxRows, "current ROW (1-based)"},
        {"slider", Command::Slider, 1, 100, "slider N (tenths of a second, 1-100)"},
    };
    for (const Numbered& n : numbered) {
        if (word != QLatin1String(n.word)) continue;
        const auto value = words.size() == 2 ? wholeNumber(words[1], n.min, n.max) : std::nullopt;
        if (!value) return problem(QStringLiteral("expected %1").arg(QLatin1String(n.what)));
        EditLine line{n.command};
        line.number = *value;
        return EditLineRead{line, {}};
    }
    if (word == QLatin1String("select")) {
        if (words.size() != 2)
            return problem(QStringLiteral("expected select ROWS (such as 2-4,7) or select none"));
        EditLine line{Command::Select};
        if (words[1] == QLatin1String("none")) return EditLineRead{line, {}};
        const auto rows = rowList(words[1]);
        if (!rows)
            return problem(
                QStringLiteral("invalid rows %1 (1-based, such as 2-4,7, or none)").arg(words[1]));
        line.rows = *rows;
        return EditLineRead{line, {}};
    }
    if (word == QLatin1String("lamps")) {
        EditLine line{Command::Lamps};
        bool sound = words.size() == 1 + kCorners;
        for (int c = 0; sound && c < kCorners; ++c) {
            const auto value = wholeNumber(words[1 + c], 0, 63);
            sound = value.has_value();
            if (sound) line.lamps[c] = *value;
        }
        if (!sound) return problem(QStringLiteral("expected lamps A B C D (0-63 each)"));
        return EditLineRead{line, {}};
    }
    return problem(QStringLiteral("unknown command %1").arg(word));
}

QString editLineText(const EditLine& line) {
    switch (line.command) {
        case Command::Sequence:
            return QStringLiteral("sequence %1").arg(line.number);
        case Command::Select:
            return QStringLiteral("select ") + rowListText(line.rows);
        case Command::Current:
            return QStringLiteral("current %1").arg(line.number);
        case Command::Lamps:
            return QStringLiteral("lamps %1 %2 %3 %4")
                .arg(line.lamps[0])
                .arg(line.lamps[1])
                .arg(line.lamps[2])
                .arg(line.lamps[3]);
        case Command::Slider:
            return QStringLiteral("slider %1").arg(line.number);
        case Command::Loop:
            return line.answer.isEmpty() ? QStringLiteral("loop")
                                         : QStringLiteral("loop ") + line.answer;
        case Command::Stretch:
            return QStringLiteral("stretch ") + line.answer;
        case Command::Pattern: {
            const PatternChoice& p = line.pattern;
            QStringList lamps;
            for (const PatternLamp& lamp : p.lamps) lamps << patternLampName(lamp);
            QString kind, order;
            for (const QString& k : kPatternKinds)
                if (patternKindFromName(k) == p.kind) kind = k;
            for (const QString& o : kLampOrders)
                if (lampOrderFromName(o) == p.order) order = o;
            return QStringLiteral("pattern %1 %2 %3 %4 %5")
                .arg(kind, lamps.join(QLatin1Char(',')),
                     OnTime::ofTenths(p.tenths).text(QLocale::c()), QString::number(p.passes),
                     order);
        }
        default:
            for (const auto& [name, command] : plainCommands())
                if (command == line.command) return name;
    }
    return QString();
}

// --- the prompter

int ScriptPrompter::entryOf(const QString& text) {
    if (!indexed_) {
        indexed_ = true;
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        // Entries beyond the table read empty; the lowest entry of a text stands for it.
        for (int n = 999; n >= 1; --n) {
            const QString entry = texts_.entry(n);
            if (entry.isEmpty()) continue;
            known_.insert(entry, n);
            if (entry.contains(placeholder)) patterns_.push_back({entry.split(placeholder), n});
        }
        std::reverse(patterns_.begin(), patterns_.end());
    }
    if (const auto it = known_.constFind(text); it != known_.constEnd()) return *it;
    // A text made from an entry with arguments: its fixed parts in order.
    for (const auto& [parts, n] : patterns_) {
        if (!text.startsWith(parts.first()) || !text.endsWith(parts.last())) continue;
        qsizetype at = parts.first().size();
        bool found = true;
        for (int i = 1; found && i + 1 < parts.size(); ++i) {
            at = text.indexOf(parts[i], at);
            found = at >= 0;
            if (found) at += parts[i].size();
        }
        if (found && at <= text.size() - parts.last().size()) return n;
    }
    return 0;
}

void ScriptPrompter::message(const QString& text, const QString&, PromptIcon) {
    messages_ << entryOf(text);
}

bool ScriptPrompter::question(const QString& text, const QString&) {
    messages_ << entryOf(text);
    return true;
}

QuestionAnswer ScriptPrompter::questionWithCancel(const QString& text, const QString& title) {
    return question(text, title) ? QuestionAnswer::Yes : QuestionAnswer::No;
}

std::optional<QString> ScriptPrompter::input(const QString&, const QString&, const QString&) {
    if (answers_.empty()) return std::nullopt;
    QString answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QList<int> ScriptPrompter::takeMessages() {
    QList<int> taken;
    taken.swap(messages_);
    return taken;
}

// --- running a line

QString runEditLine(EditingSession& session, ScriptPrompter& prompter, const EditLine& line) {
    const int rowCount = int(session.activeRows().size());
    const auto noSuchRow = [&](int row) {
        return QStringLiteral("row %1 does not exist (sequence %2 has %3 rows)")
            .arg(row)
            .arg(session.activeSequence())
            .arg(rowCount);
    };
    switch (line.command) {
        case Command::Sequence:
            // The radio button of the sequence shown already does not toggle.
            if (line.number != session.activeSequence()) session.chooseSequence(line.number);
            break;
        case Command::Select: {
            if (!line.rows.isEmpty() && line.rows.last() > rowCount)
                return noSuchRow(line.rows.last());
            // Nothing selected leaves the list's current row where it was.
            Selection selection{{}, session.activeSelection().current};
            for (int r : line.rows) selection.rows << r - 1;
            if (!selection.rows.isEmpty()) selection.current = selection.rows.first();
            session.setSelection(session.activeSequence(), selection);
            // The click shows its row on the pictures.
            if (!selection.rows.isEmpty()) session.showStep();
            break;
        }
        case Command::Current: {
            if (line.number > rowCount) return noSuchRow(line.number);
            Selection selection = session.activeSelection();
            selection.current = line.number - 1;
            session.setSelection(session.activeSequence(), selection);
            break;
        }
        case Command::Lamps:
            session.setLamps(line.lamps);
            break;
        case Command::Slider:
            session.setOnTime(line.number);
            break;
        case Command::Append:
            session.appendStep();
            break;
        case Command::Change:
            session.changeRows();
            break;
        case Command::Insert:
            session.insertRow();
            break;
        case Command::Delete:
            session.deleteRows();
            break;
        case Command::Copy:
            session.copyRows();
            break;
        case Command::Cut:
            session.cutRows();
            break;
        case Command::Paste:
            session.pasteRows();
            break;
        case Command::PasteEnd:
            session.pasteRowsAtEnd();
            break;
        case Command::Loop:
            prompter.answerNextInput(line.answer);
            session.createLoop();
            prompter.cancelInputs();
            break;
        case Command::Unloop:
            session.deleteLoop();
            break;
        case Command::Mirror:
            session.mirrorRows();
            break;
        case Command::Reverse:
            session.reverseRows();
            break;
        case Command::Stretch:
            prompter.answerNextInput(line.answer);
            session.stretchRows();
            prompter.cancelInputs();
            break;
        case Command::GoodbyeFromWelcome:
            session.goodbyeFromWelcome();
            break;
        case Command::Compact: {
            // The dialog shows the plan; its OK applies it when there is something to apply.
            const DocumentCompaction plan = session.planCompaction(false);
            if (compactionSummary(plan, prompter.texts()).canApply) session.applyCompaction(plan);
            break;
        }
        case Command::Fit:
        case Command::FitDropping: {
            // Opening the dialog stops a running playback; Apply takes the plan it shows.
            session.stopPlayback();
            const ShowFit plan = session.planFit(line.command == Command::FitDropping);
            if (fitSummary(plan, prompter.texts()).canApply) session.applyFit(plan);
            break;
        }
        case Command::Pattern:
            // Opening the dialog stops a running playback.
            session.stopPlayback();
            session.insertPattern(line.pattern);
            break;
        case Command::Undo:
            session.undo();
            break;
        case Command::Redo:
            session.redo();
            break;
    }
    return QString();
}

}  // namespace vireo
