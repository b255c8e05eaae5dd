#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream(stderr) << "vireo-module-sim: not available yet\n";
    return 2;
}
