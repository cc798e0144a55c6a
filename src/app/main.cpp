// Memora: keeps a personal schedule of deadlines and warns at start-up of
// those whose notice period has begun.
#include "app/command_line.h"
#include "app/home_window.h"
#include "app/program.h"
#include "memory/large_pages.h"
#include "platform/platform.h"
#include "print/system_printing.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    memora::keepFreedMemoryForReuse();
    // With arguments Memora runs as a command: no window, no display needed.
    if (argc > 1)
        return memora::commandLineMain(argc, argv);
    // Draw with the software renderer rather than the graphics hardware.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Memora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/memora.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("memora"));
    memora::useItalian();

    const std::unique_ptr<memora::Platform> platform = memora::makeSystemPlatform(memora::makeSystemPrinting());
    memora::installPlatform(platform.get());

    memora::Program program;
    program.home().show();
    return QApplication::exec();
}
