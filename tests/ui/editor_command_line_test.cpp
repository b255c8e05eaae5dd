// The editor's command line: help and version without a display, usage errors, and the file
// to open among the window system's own options.
#include "app/editor_command_line.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "support/processes.h"

using namespace vireo;

TEST(EditorCommandLine, HelpAndVersionNeedNoDisplay) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    const struct {
        QStringList args;
        int exitCode;
        QString out;
        QString err;
    } cases[] = {
        {{"--help"}, 0, "usage: vireo [FILE.kvs]", ""},
        {{"-h"}, 0, "usage: vireo [FILE.kvs]", ""},
        {{"--version"}, 0, "vireo 3.0.0\n", ""},
        {{"-v"}, 0, "vireo 3.0.0\n", ""},
        {{"--frobnicate"}, 2, "", "vireo: unknown option --frobnicate\nTry 'vireo --help'"},
        {{"-platform"}, 2, "", "vireo: missing value after '-platform'\n"},
    };
    for (const auto& c : cases) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(test::binPath("vireo"), c.args);
        ASSERT_TRUE(p.waitForFinished(20000)) << c.args.join(' ').toStdString();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.exitCode) << c.args.join(' ').toStdString();
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(c.out.isEmpty() ? out.isEmpty() : out.startsWith(c.out)) << out.toStdString();
        EXPECT_TRUE(c.err.isEmpty() ? err.isEmpty() : err.startsWith(c.err)) << err.toStdString();
    }
}

TEST(EditorCommandLine, TheFileIsWhatRemainsAfterTheOptions) {
    const struct {
        QStringList args;
        QString path;
    } cases[] = {
        {{"vireo"}, ""},
        {{"vireo", "/tmp/a.kvs"}, "/tmp/a.kvs"},
        // A path with blanks that arrived unquoted, in words, as from a shell association.
        {{"vireo", "/tmp/my", "lights.kvs"}, "/tmp/my lights.kvs"},
        {{"vireo", "\"/tmp/my lights.kvs\""}, "/tmp/my lights.kvs"},
        {{"vireo", "-platform", "offscreen", "/tmp/a.kvs"}, "/tmp/a.kvs"},
        {{"vireo", "-style=fusion", "-reverse", "/tmp/a.kvs"}, "/tmp/a.kvs"},
        {{"vireo", "--", "-odd-name.kvs"}, "-odd-name.kvs"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(commandLinePath(c.args), c.path) << c.args.join(' ').toStdString();
        EXPECT_FALSE(editorCommandLineReply(c.args)) << c.args.join(' ').toStdString();
    }
}
