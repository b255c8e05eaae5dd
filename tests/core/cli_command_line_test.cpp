// The command lines of vireo-cli and vireo-module-sim as a user meets them: help, version,
// per-command help and usage errors, each with its exit code and the stream it writes to.
#include <gtest/gtest.h>

#include "support/processes.h"

using namespace vireo;
using vireo::test::CliRun;
using vireo::test::runProgram;

namespace {

struct Case {
    const char* program;
    QStringList args;
    int exitCode;
    QString outStarts;  // standard output begins with this (empty: no output at all)
    QString errNames;   // standard error contains this (empty: nothing on standard error)
};

}  // namespace

TEST(CommandLine, HelpVersionAndUsageErrors) {
    const Case cases[] = {
        // Help and version: standard output, exit 0.
        {"vireo-cli", {"--help"}, 0, "usage: vireo-cli COMMAND", ""},
        {"vireo-cli", {"-h"}, 0, "usage: vireo-cli COMMAND", ""},
        {"vireo-cli", {"help"}, 0, "usage: vireo-cli COMMAND", ""},
        {"vireo-cli", {"--version"}, 0, "vireo-cli 3.0.0\n", ""},
        {"vireo-cli", {"-v"}, 0, "vireo-cli 3.0.0\n", ""},
        // One command's help, either way round, even with other arguments about.
        {"vireo-cli", {"help", "image"}, 0, "usage: vireo-cli image FILE.kvs", ""},
        {"vireo-cli", {"image", "--help"}, 0, "usage: vireo-cli image FILE.kvs", ""},
        {"vireo-cli", {"show", "no-such.kvs", "-h"}, 0, "usage: vireo-cli show FILE.kvs", ""},
        {"vireo-cli", {"upload", "--help"}, 0, "usage: vireo-cli upload FILE.kvs --port PORT", ""},
        // Usage errors: one line naming the problem and a hint, on standard error, exit 2.
        {"vireo-cli", {}, 2, "", "usage: vireo-cli COMMAND"},
        {"vireo-cli", {"frobnicate"}, 2, "", "unknown command frobnicate"},
        {"vireo-cli", {"help", "frobnicate"}, 2, "", "unknown command frobnicate"},
        {"vireo-cli", {"--frobnicate"}, 2, "", "unknown option --frobnicate"},
        {"vireo-cli", {"image", "a.kvs", "--frobnicate"}, 2, "", "unknown option --frobnicate"},
        {"vireo-cli", {"image", "a.kvs", "--capacity"}, 2, "", "missing value after '--capacity'"},
        {"vireo-cli", {"play", "a.kvs", "--sequence", "2"}, 2, "", "--sequence: invalid value 2"},
        {"vireo-cli",
         {"image", "a.kvs", "--goodbye-hold", "x"},
         2,
         "",
         "--goodbye-hold: invalid value x (0 to 11)"},
        {"vireo-cli", {"identify", "--port"}, 2, "", "missing value after '--port'"},
        {"vireo-cli", {"identify", "--long"}, 2, "", "no --port given"},
        {"vireo-cli", {"show", "a.kvs", "b.kvs"}, 2, "", "unexpected argument b.kvs"},
        // A file name after "--" is a file, however it looks.
        {"vireo-cli", {"show", "--", "--help"}, 2, "", "--help: cannot read the file"},
        // The virtual module: --version with a value is the firmware it reports.
        {"vireo-module-sim", {"--help"}, 0, "usage: vireo-module-sim --link PATH", ""},
        {"vireo-module-sim", {"--version"}, 0, "vireo-module-sim 3.0.0\n", ""},
        {"vireo-module-sim", {"-v"}, 0, "vireo-module-sim 3.0.0\n", ""},
        {"vireo-module-sim", {"--version", "2.5"}, 2, "", "--link PATH is required"},
        {"vireo-module-sim", {"--link", "x", "--version", "25"}, 2, "", "--version: bad value 25"},
        {"vireo-module-sim", {"--link"}, 2, "", "missing value after '--link'"},
        {"vireo-module-sim", {"--link", "x", "--frobnicate"}, 2, "", "unknown option --frobnicate"},
    };
    for (const Case& c : cases) {
        const QString what = QLatin1String(c.program) + QLatin1Char(' ') + c.args.join(' ');
        const CliRun r = runProgram(c.program, c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << what.toStdString() << "\n" << r.err.toStdString();
        if (c.outStarts.isEmpty())
            EXPECT_TRUE(r.out.isEmpty()) << what.toStdString() << "\n" << r.out.toStdString();
        else
            EXPECT_TRUE(r.out.startsWith(c.outStarts)) << what.toStdString() << "\n"
                                                       << r.out.toStdString();
        if (c.errNames.isEmpty()) {
            EXPECT_TRUE(r.err.isEmpty()) << what.toStdString() << "\n" << r.err.toStdString();
        } else {
            EXPECT_TRUE(r.err.contains(c.errNames)) << what.toStdString() << "\n"
                                                    << r.err.toStdString();
            // The last line points at the help.
            EXPECT_TRUE(r.err.trimmed().section('\n', -1).contains(QStringLiteral("--help")))
                << what.toStdString() << "\n"
                << r.err.toStdString();
        }
    }
}

TEST(CommandLine, EveryCommandHelpNamesItsOptionsAndExitCodes) {
    const struct {
        const char* command;
        QStringList mentions;
    } commands[] = {
        {"show", {"Exit codes", "3 "}},
        {"write", {"Exit codes", "standard input"}},
        {"image", {"--welcome-hold", "--goodbye-hold", "--capacity", "--module-type", "4 ", "5 "}},
        {"memory", {"--capacity", "%", "4 "}},
        {"play", {"--sequence", "--from", "--limit", "ROW MS"}},
        {"identify", {"--port", "--long", "6 "}},
        {"upload", {"--port", "--welcome-hold", "sent N bytes", "7 "}},
    };
    for (const auto& c : commands) {
        const CliRun r =
            runProgram("vireo-cli", {QStringLiteral("help"), QLatin1String(c.command)});
        EXPECT_EQ(r.exitCode, 0) << c.command;
        for (const QString& m : c.mentions)
            EXPECT_TRUE(r.out.contains(m)) << c.command << " lacks " << m.toStdString();
        // The overview lists the command too.
        EXPECT_TRUE(runProgram("vireo-cli", {QStringLiteral("--help")})
                        .out.contains(QStringLiteral("\n  ") + QLatin1String(c.command) + ' '))
            << c.command;
    }
}
