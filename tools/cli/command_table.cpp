// The commands of vireo-cli and their help texts. A new command is one entry here (and its
// handler in its own cli_<name>.cpp, declared in commands.h).
#include "files/animation_export.h"
#include "timeline/timeline_geometry.h"
#include "tools/cli/cli_language.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

const QString kImageOptions = QStringLiteral(
    "  --welcome-hold POS  hold time of the welcome light as a list position 0-11\n"
    "                      (\"10 Sek.\" ... \"120 Sek.\"), default 2\n"
    "  --goodbye-hold POS  hold time of the goodbye light, as --welcome-hold\n");
const QString kCapacityOption =
    QStringLiteral("  --capacity N        memory size of the module in bytes, default 510\n");
const QString kModuleTypeOption = QStringLiteral(
    "  --module-type T     module type (such as 5.1): its edition's restrictions apply\n");
const QString kFileExits = QStringLiteral(
    "  2  bad usage, or the file cannot be read\n"
    "  3  the file is damaged (its checksum does not match)\n");

}  // namespace

const QList<CliCommand>& cliCommands() {
    static const QList<CliCommand> commands = {
        {QStringLiteral("show"), QStringLiteral("FILE.kvs"),
         QStringLiteral("Print a sequence file as a JSON document."),
         QStringLiteral("Output: the document as JSON on standard output (model, options, the\n"
                        "welcome and the goodbye sequence, one row per line).\n\n"
                        "Exit codes:\n  0  printed\n") +
             kFileExits,
         show},
        {QStringLiteral("write"), QStringLiteral("FILE.kvs < DOCUMENT.json"),
         QStringLiteral("Write a JSON document from standard input as a sequence file."),
         QStringLiteral("Reads the JSON document that `show` prints and writes it as a .kvs file,\n"
                        "byte for byte what the editor writes. Prints nothing.\n\n"
                        "Exit codes:\n"
                        "  0  written\n"
                        "  2  bad usage, invalid JSON, a document the file cannot hold, or the\n"
                        "     file cannot be written\n"),
         write},
        {QStringLiteral("image"), QStringLiteral("FILE.kvs [options]"),
         QStringLiteral("Print the data image the editor would send for a file."),
         QStringLiteral("Options:\n") + kImageOptions + kCapacityOption + kModuleTypeOption +
             QStringLiteral(
                 "\nOutput: bytes 1 ... last of the image as two-digit lowercase hex, separated\n"
                 "by blanks, on one line.\n\n"
                 "Exit codes:\n  0  printed\n") +
             kFileExits +
             QStringLiteral("  4  the image does not fit the memory\n"
                            "  5  nothing to send\n"),
         image},
        {QStringLiteral("memory"), QStringLiteral("FILE.kvs [--capacity N] [--json]"),
         QStringLiteral("Print how much of the module's memory a file needs."),
         QStringLiteral("Options:\n") + kCapacityOption +
             QStringLiteral(
                 "  --json              print what each part of the image takes instead\n"
                 "\nOutput: the memory need as \"NN %\"; with --json one JSON object: capacity,\n"
                 "total (the whole image, also above the capacity), header, holds (the hold\n"
                 "records) and steps (the bytes of each row of the welcome and the goodbye\n"
                 "sequence). An image that does not fit still prints its JSON.\n\n"
                 "Exit codes:\n  0  printed\n") +
             kFileExits +
             QStringLiteral("  4  the image does not fit the memory\n"
                            "  5  nothing to send\n"),
         memory},
        {QStringLiteral("compact"), QStringLiteral("FILE.kvs -o OUT.kvs [--sequence 0|1]"),
         QStringLiteral("Write a file whose sequences take the fewest bytes and play the same."),
         QStringLiteral(
             "Options:\n"
             "  -o, --output OUT.kvs  the file to write (also when nothing could be won)\n"
             "  --sequence 0|1        compact only the welcome (0) or the goodbye (1) sequence;\n"
             "                        both by default\n"
             "\nSteps with the same lamps are merged (up to 10 s each) and repeated runs become\n"
             "loops, so that the playback shows the same lamps for the same times.\n"
             "\nOutput: one line per sequence, \"sequence N: BEFORE -> AFTER bytes\", followed\n"
             "by how far the image stays above the memory of 510 bytes when it still does\n"
             "not fit.\n\n"
             "Exit codes:\n  0  written\n") +
             kFileExits +
             QStringLiteral("     (2 also: OUT.kvs cannot be written, or the result did not play\n"
                            "     the same; nothing is written then)\n"),
         compact},
        {QStringLiteral("fit"), QStringLiteral("FILE.kvs -o OUT.kvs [--capacity N] [--drop]"),
         QStringLiteral("Write the file nearest to FILE whose image fits the memory."),
         QStringLiteral(
             "Options:\n"
             "  -o, --output OUT.kvs  the file to write (also when FILE already fits)\n"
             "  --capacity N          the memory in bytes (default 510)\n"
             "  --drop                when on-times alone cannot make it fit, drop the shortest\n"
             "                        steps, each giving its time to the step before it\n"
             "\nThe steps of the playback keep their lamps and their order; their on-times\n"
             "(tenths from 0.1 to 10 s) change as little as possible in all, counted over the\n"
             "steps as shown (loops played out, equal neighbours as one step). The rows are\n"
             "then written as compactly as Compact writes them.\n"
             "\nOutput: one line per changed step, \"sequence N step K: OLD -> NEW\" (seconds)\n"
             "or \"sequence N step K: OLD dropped\", then \"image: BEFORE -> AFTER bytes of\n"
             "CAPACITY, changed by MS ms\".\n\n"
             "Exit codes:\n  0  written (a file that fits already is written as it is)\n") +
             kFileExits +
             QStringLiteral("     (2 also: OUT.kvs cannot be written)\n"
                            "  4  on-times alone cannot make it fit and --drop was not given,\n"
                            "     or nothing makes it fit; nothing is written\n"),
         fit},
        {QStringLiteral("play"), QStringLiteral("FILE.kvs [options]"),
         QStringLiteral("Print the playback of a sequence, one shown step per line."),
         QStringLiteral(
             "Options:\n"
             "  --sequence 0|1      0 the welcome sequence (default), 1 the goodbye sequence\n"
             "  --from ROW          start at this row (1 = first), as \"Simulation >>\" does\n"
             "  --limit N           print at most N steps (default 10000; loops can be endless)\n"
             "\nOutput: one line \"ROW MS\" per shown step: the row and its interval in ms.\n\n"
             "Exit codes:\n  0  printed\n") +
             kFileExits,
         play},
        {QStringLiteral("transform"),
         QStringLiteral("mirror|reverse|stretch FILE.kvs -o OUT.kvs [options]"),
         QStringLiteral("Mirror, reverse or stretch the rows of a sequence into a new file."),
         QStringLiteral("mirror   swaps left and right: corners 1 and 2, 3 and 4 change places\n"
                        "reverse  the rows in the opposite order; loops travel with their rows\n"
                        "stretch  every on-time times F, to the tenth, kept within 0.1 to 10 s\n\n"
                        "Options:\n"
                        "  -o, --output OUT.kvs  the file to write (the other sequence as it was)\n"
                        "  --sequence 0|1        0 the welcome sequence (default), 1 the goodbye\n"
                        "                        sequence\n"
                        "  --rows FIRST-LAST     only these rows (1 = first); all rows by default\n"
                        "  --factor F            the factor of stretch, 0.1 to 10\n"
                        "\nOutput: the new file, written as the editor saves. Prints nothing.\n\n"
                        "Exit codes:\n  0  written\n") +
             kFileExits +
             QStringLiteral("     (2 also: rows that cut through a loop, or the file cannot be "
                            "written)\n"),
         transform},
        {QStringLiteral("edit"), QStringLiteral("FILE.kvs -o OUT.kvs --script SCRIPT"),
         QStringLiteral("Run table commands from a script as the editor's window would."),
         QStringLiteral(
             "Options:\n"
             "  -o, --output OUT.kvs  the file to write, only when the whole script ran\n"
             "  --script SCRIPT       the script, a file or - for standard input\n") +
             languageOptionHelp(24) +
             QStringLiteral(
                 "\nThe script has one command per line; blank lines and lines starting with #\n"
                 "are ignored. Rows are 1-based.\n"
                 "  sequence 0|1          the active sequence (0 at the start); the copy buffer\n"
                 "                        is shared by both\n"
                 "  select ROWS|none      a click in the list, such as select 2-4,7: the first\n"
                 "                        row is the current row and its lamps are shown\n"
                 "  current ROW           the current row alone; the selection stays\n"
                 "  lamps A B C D         the lamps shown on the pictures, 0-63 each\n"
                 "  slider N              the on-time slider in tenths of a second, 1-100\n"
                 "  append                \"Speichern und weiter\"\n"
                 "  change, insert, delete, copy, cut, paste, paste-end\n"
                 "                        the table commands; delete answers Yes\n"
                 "  loop [ANSWER]         \"Schleife erstellen\", ANSWER typed as the repeat\n"
                 "                        count (none cancels; a rejected one warns, then\n"
                 "                        cancels)\n"
                 "  unloop                \"Schleife l\u00f6schen\"\n"
                 "  mirror, reverse, stretch F, goodbye-from-welcome, compact\n"
                 "                        the show commands on the selection (all rows when\n"
                 "                        none is selected); questions answer Yes, compact\n"
                 "                        applies what its dialog shows\n"
                 "  fit, fit-drop         \"Passend machen\": Apply on what its dialog shows;\n"
                 "                        fit-drop after \"Schritte weglassen\"\n"
                 "  pattern KIND LAMPS TIME PASSES [ORDER]\n"
                 "                        \"Muster einf\u00fcgen\", as `pattern` takes them\n"
                 "  undo, redo            as Ctrl+Z and Ctrl+Y\n"
                 "\nOutput: one line \"message N\" per message box the window would show, N its\n"
                 "language entry (the repeat-count and factor inputs are none).\n\n"
                 "Exit codes:\n  0  written\n") +
             kFileExits +
             QStringLiteral("     (2 also: a bad script line, named by its number, or OUT.kvs\n"
                            "     cannot be written; nothing is written then)\n"),
         edit},
        {QStringLiteral("pattern"),
         QStringLiteral("chase|fill|empty|blink|alternate|bounce --lamps LIST --time S [options]"),
         QStringLiteral("Print the rows of a lamp pattern as a JSON array."),
         QStringLiteral(
             "For lamps a, b, c: chase {a} {b} {c}; fill {a} {a,b} {a,b,c}; empty {a,b,c}\n"
             "{b,c} {c} {}; blink {a,b,c} {}; alternate {left side} {right side};\n"
             "bounce {a} {b} {c} {b}. In pairs, a, b, c are each lamp with its mirror lamp,\n"
             "and alternate takes turns between pairs a, c and pairs b, d.\n\n"
             "Options:\n"
             "  --lamps LIST          lamps separated by commas: CORNER.BIT (corner 1-4 as\n"
             "                        in the file, bit 0-5) or M, the rear middle lamp\n"
             "  --time S              on-time of every step, 0.1 to 10 seconds\n"
             "  --passes N            passes, 1 to 20 (default 1); a loop when that is\n"
             "                        smaller, copies otherwise\n"
             "  --order ORDER         picked (default), across (left to right),\n"
             "                        outside-in, inside-out or pairs (each lamp with its\n"
             "                        mirror lamp, in the order picked)\n"
             "\nOutput: a JSON array of rows as `show` prints them.\n\n"
             "Exit codes:\n  0  printed\n  2  bad usage\n"),
         pattern},
        {QStringLiteral("identify"), QStringLiteral("--port PORT [--long]"),
         QStringLiteral("Ask the module on a serial port for its type and version."),
         QStringLiteral(
             "Options:\n"
             "  --port PORT         the serial port: a device path (or COMn on Windows)\n"
             "  --long              also ask for the developer reply (date and model)\n") +
             languageOptionHelp(22) +
             QStringLiteral(
                 "\nOutput: \"type T version V\", with --long followed by \"date D model M\".\n\n"
                 "Exit codes:\n"
                 "  0  the module answered\n"
                 "  2  bad usage, or the port cannot be opened\n"
                 "  6  no module answered\n"),
         identify},
        {QStringLiteral("upload"), QStringLiteral("FILE.kvs --port PORT [options]"),
         QStringLiteral("Send a file to the module as the editor's \"Daten senden\" does."),
         QStringLiteral("Options:\n"
                        "  --port PORT         the serial port: a device path (or COMn on "
                        "Windows)\n") +
             kImageOptions +
             QStringLiteral(
                 "  --capacity N, --module-type T\n"
                 "                      taken as by `image`, but not used: the upload builds\n"
                 "                      the image for the module that answers\n") +
             languageOptionHelp(22) +
             QStringLiteral("\nOutput: progress on standard error, then \"sent N bytes\".\n\n"
                            "Exit codes:\n  0  sent\n") +
             kFileExits +
             QStringLiteral("     (2 also: the port cannot be opened)\n"
                            "  4  the image does not fit the memory\n"
                            "  5  nothing to send\n"
                            "  6  no module answered\n"
                            "  7  the transfer failed\n"),
         upload},
        {QStringLiteral("chart"), QStringLiteral("FILE.kvs -o OUT.png [options]"),
         QStringLiteral("Draw the lamp timeline of a sequence into a PNG picture."),
         QStringLiteral("Options:\n"
                        "  -o, --output OUT.png  the picture to write\n"
                        "  --sequence 0|1        0 the welcome sequence (default), 1 the goodbye\n"
                        "                        sequence\n"
                        "  --scale PX            pixels per tenth of a second, default %1\n")
                 .arg(TimelineGeometry::kDefaultScale) +
             languageOptionHelp(24) +
             QStringLiteral("\nOutput: the picture, as the editor's timeline shows the sequence. "
                            "Prints nothing.\n\n"
                            "Exit codes:\n  0  written\n") +
             kFileExits + QStringLiteral("     (2 also: the picture cannot be written)\n"),
         chart, true},
        {QStringLiteral("render"), QStringLiteral("FILE.kvs -o OUT.gif [options]"),
         QStringLiteral("Write the playback of a sequence as an animated GIF."),
         QStringLiteral("Options:\n"
                        "  -o, --output OUT.gif  the animation to write\n"
                        "  --sequence 0|1        0 the welcome sequence (default), 1 the goodbye\n"
                        "                        sequence\n"
                        "  --from ROW            start at this row, as \"Simulation >>\" does\n"
                        "  --limit N             at most N shown steps, default %1 (loops may "
                        "run for ever)\n"
                        "  --width PX            width of the picture, %2 to %3 pixels, default "
                        "%4\n"
                        "\nOutput: the animation (500 ms dark, then every shown step for its "
                        "interval,\nrepeating for ever); one line on standard error with frames, "
                        "duration and size.\n\n"
                        "Exit codes:\n  0  written\n")
                 .arg(kDefaultAnimationStepLimit)
                 .arg(CarFrameRenderer::kMinWidth)
                 .arg(CarFrameRenderer::kMaxWidth)
                 .arg(CarFrameRenderer::kDefaultWidth) +
             kFileExits +
             QStringLiteral("     (2 also: an empty sequence, or the animation cannot be "
                            "written)\n"),
         render},
        {QStringLiteral("recover"), QStringLiteral("--list | NAME -o OUT.kvs"),
         QStringLiteral(
             "List the editor's recovery entries and earlier versions, or write one out."),
         QStringLiteral("Options:\n"
                        "  --list                print one line per recovery entry and earlier\n"
                        "                        version\n"
                        "  -o, --output OUT.kvs  the sequence file to write entry NAME to\n"
                        "\nOutput of --list: per line, separated by tabs, the name (what NAME\n"
                        "takes), \"recovery\" (the unsaved document of a window) or \"backup\"\n"
                        "(a file as it was before a save replaced it), the time of its last\n"
                        "change (ISO 8601, UTC) and the file it belongs to (\"-\" for an untitled\n"
                        "document). Nothing when there is none.\n\n"
                        "Exit codes:\n"
                        "  0  listed, or written\n"
                        "  2  bad usage, no entry of that name, or the file cannot be written\n"
                        "  3  the entry is damaged\n"),
         recover},
    };
    return commands;
}

bool drawsPictures(const QString& commandWord) {
    for (const CliCommand& c : cliCommands())
        if (c.name == commandWord) return c.drawsPictures;
    return false;
}

}  // namespace vireo::cli
