// Memora's benchmark: on generated archives of 10,000, 100,000 and 1,000,000
// cards, times each operation against the floor, a plain sequential read of
// the same file, and prints one table.
//
// Usage: memora_bench [--only=TEXT] [card counts...]   (default: 10000 100000 1000000)
// --only keeps the floor and the operations whose name holds TEXT, for profiling one of them.
// Run it headless with QT_QPA_PLATFORM=offscreen.
//
// Each time is the best of a few runs; "first" is the first of them, with
// nothing reused from an earlier run. "peak MiB" is the most memory the whole
// process held during the operation's runs (its peak resident set, reset
// before each operation).
#include "archive_generator.h"
#include "bench_windows.h"

#include "app/program.h"
#include "archive/archive_file.h"
#include "fake_platform.h"
#include "memory/large_pages.h"
#include "rules/card_rules.h"
#include "rules/card_scan.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace memora;

namespace {

constexpr int repeats = 3;

struct Timing {
    double best;
    double first;
};

// The best and the first of a few runs, in seconds.
Timing timeRuns(const std::function<void()>& run)
{
    Timing timing {1e9, 0};
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        const double seconds = timer.nsecsElapsed() / 1e9;
        timing.best = std::min(timing.best, seconds);
        if (i == 0)
            timing.first = seconds;
    }
    return timing;
}

// The process's peak resident set since the last reset, from the kernel.
long peakMemoryMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6)) / 1024;
    return -1;
}

void resetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The floor: every byte of the file read in order, nothing decoded.
void plainRead(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    std::vector<char> buffer(64 * recordSize);
    long total = 0;
    ssize_t got;
    while ((got = ::read(fd, buffer.data(), buffer.size())) > 0)
        total += got;
    ::close(fd);
    if (total < 0)
        qFatal("read failed");
}

void printRow(int cards, const QString& name, Timing timing, double floor)
{
    std::printf("%9d  %-40s %8.3f s %8.3f s %11.0f %8.2f %8ld\n", cards, qPrintable(name), timing.best,
                timing.first, cards / timing.best, timing.best / floor, peakMemoryMiB());
    std::fflush(stdout);
}

void measure(int cards, const QString& name, const std::function<void()>& run, double floor)
{
    resetPeakMemory();
    printRow(cards, name, timeRuns(run), floor);
}

CardFilter imminentCards(QDate day)
{
    return {ImminenteFields, [day](const TSchedaScadenza& card) { return Imminente(card, day); }};
}

}  // namespace

int main(int argc, char* argv[])
{
    keepFreedMemoryForReuse();  // as the program does
    QElapsedTimer startup;
    startup.start();
    QApplication application(argc, argv);
    useItalian();
    std::printf("Qt application created and Italian installed in %.3f s (once per process, not in the table)\n",
                startup.nsecsElapsed() / 1e9);
    test::FakePlatform platform;
    platform.clock.day = QDate::currentDate();

    std::vector<int> counts;
    QString only;
    for (const QString& arg : QCoreApplication::arguments().mid(1)) {
        if (arg.startsWith(QLatin1String("--only=")))
            only = arg.mid(7);
        else
            counts.push_back(arg.toInt());
    }
    const auto wanted = [&only](const QString& name) { return name.contains(only); };
    if (counts.empty())
        counts = {10000, 100000, 1000000};

    std::printf("%9s  %-40s %10s %10s %11s %8s %8s\n", "cards", "operation", "best", "first", "cards/s", "x floor",
                "peak MiB");
    for (const int cards : counts) {
        bench::generateArchive(platform.archive(), cards, platform.clock.day);
        const QString path = platform.archive();
        std::printf("%9d  archive of %.0f MiB\n", cards, QFileInfo(path).size() / 1048576.0);
        resetPeakMemory();
        const Timing floorTiming = timeRuns([&] { plainRead(path); });
        const double floor = floorTiming.best;
        printRow(cards, QStringLiteral("plain sequential read (floor)"), floorTiming, floor);
        const QDate day = platform.clock.day;
        if (wanted(QStringLiteral("scan: Imminente, cards counted")))
            measure(cards, QStringLiteral("scan: Imminente, cards counted"), [&] {
                int count = 0;
                ArchiveFile archive(path, ArchiveAccess::Read);
                scanArchive(archive, imminentCards(day), {}, [&count](const TSchedaScadenza&, int) { ++count; });
            }, floor);
        if (wanted(QStringLiteral("scan: Imminente + RigaRiepilogo")))
            measure(cards, QStringLiteral("scan: Imminente + RigaRiepilogo"),
                    [&] { summaryLines(path, imminentCards(day)); }, floor);
        for (const bench::WindowMeasure& window : bench::windowMeasures()) {
            if (!wanted(window.name))
                continue;
            if (window.prepare)
                window.prepare();
            measure(cards, window.name, window.run, floor);
            if (window.finish)
                window.finish();
        }
    }
    return 0;
}
