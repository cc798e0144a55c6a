// The program's command line: writes an export view's cards to a file
// without opening a window, so a scheduler can keep a calendar file current.
//
//   memora --esporta FILE [--vista archivio|imminenti|giorno GG/MM/AAAA|mese MM/AAAA]
//
// writes the view's rows (the imminent cards unless another view is named)
// to FILE in the format its extension names; --help and --version say what
// they say. The exit status is 0 on success, 1 when the archive cannot be
// read or FILE cannot be written, 2 when the arguments are not valid; every
// failure is one Italian line on the error stream.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class QTextStream;

namespace memora {

// What a run works with: the program folder, which holds the archive, the
// local date and time of the run, and its two output streams.
struct CommandLineRun {
    QString programDirectory;
    QDateTime now;
    QTextStream& out;
    QTextStream& err;
};

// Runs the arguments, the program's name first, and returns the exit status.
int runCommandLine(const QStringList& arguments, const CommandLineRun& run);

// The program run with arguments: a core application, no window and no
// display, the executable's folder and the system clock.
int commandLineMain(int argc, char* argv[]);

}  // namespace memora
