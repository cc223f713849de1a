// Writes the bundled example designs into a folder (default data/examples).

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "examples/ExampleDesigns.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data/examples");
    QDir().mkpath(folder);
    int failures = 0;
    for (const ExampleDesign& design : exampleDesigns()) {
        const QString path = QDir(folder).filePath(design.fileName);
        const bool ok = writeExample(design, path);
        std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
        failures += ok ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
