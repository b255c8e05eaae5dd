#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>

#include "files/kvs_writer.h"
#include "files/safe_file_writer.h"
#include "recovery/backup_store.h"
#include "recovery/data_folder.h"
#include "recovery/recovery_store.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

const QString kCommand = QStringLiteral("recover");

QString isoTime(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODate);
}

// One line per entry (running windows' too) and per earlier version: name, kind, time, path.
int list() {
    const QString data = userDataFolder();
    const RecoveryStore::Scan scan = RecoveryStore(data).scan(true);
    for (const QString& name : scan.damaged)
        complain(kCommand, name,
                 QStringLiteral("damaged, moved to ") + RecoveryStore(data).damagedFolder());
    QTextStream out(stdout);
    const QChar tab = QLatin1Char('\t');
    for (const RecoveryEntry& entry : scan.entries)
        out << entry.name << tab << "recovery" << tab << isoTime(entry.changed) << tab
            << (entry.path.isEmpty() ? QStringLiteral("-") : entry.path) << '\n';
    for (const Backup& backup : BackupStore(data).all())
        out << backup.name << tab << "backup" << tab << isoTime(backup.time) << tab
            << backup.original << '\n';
    return kOk;
}

int writeOut(const QString& name, const QString& output) {
    const QString data = userDataFolder();
    const RecoveryStore store(data);
    QString problem;
    if (store.contains(name)) {
        const std::optional<RecoveryEntry> entry = store.read(name, &problem);
        if (!entry) {
            complain(kCommand, name, problem);
            return kDamaged;
        }
        if (!writeKvsFile(output, entry->document, &problem)) {
            complain(kCommand, output, QStringLiteral("cannot write the file: ") + problem);
            return kUsage;
        }
        return kOk;
    }
    for (const Backup& backup : BackupStore(data).all()) {
        if (backup.name != name) continue;
        QFile file(backup.file);
        if (!file.open(QIODevice::ReadOnly)) {
            complain(kCommand, backup.file, file.errorString());
            return kUsage;
        }
        if (!writeFileSafely(output, file.readAll(), DiskSync::Now, &problem)) {
            complain(kCommand, output, QStringLiteral("cannot write the file: ") + problem);
            return kUsage;
        }
        return kOk;
    }
    complain(kCommand, name,
             QStringLiteral("no recovery entry or earlier version of this name "
                            "(see vireo-cli recover --list)"));
    return kUsage;
}

}  // namespace

int recover(const QStringList& args) {
    const QCommandLineOption listOption(QStringLiteral("list"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, {},
                                    QStringLiteral("OUT.kvs"));
    QCommandLineParser parser;
    parser.addOptions({listOption, output});
    const bool listing = args.contains(QStringLiteral("--list"));
    if (!parseCommandArguments(kCommand, parser, args, listing ? 0 : 1)) return kUsage;
    if (listing) {
        if (parser.isSet(output))
            return usageProblem(kCommand, QStringLiteral("--list writes no file (no -o)"));
        return list();
    }
    if (parser.value(output).isEmpty())
        return usageProblem(kCommand, QStringLiteral("no output given (-o OUT.kvs)"));
    return writeOut(parser.positionalArguments().first(), parser.value(output));
}

}  // namespace vireo::cli
