// Memora's benchmark: on generated archives of 10,000, 100,000 and 1,000,000
// cards, times each operation against the floor, a plain sequential read of
// the same file, and prints one table.
//
// Usage: memora_bench [card counts...]   (default: 10000 100000 1000000)
// Run it headless with QT_QPA_PLATFORM=offscreen.
#include "archive_generator.h"
#include "bench_windows.h"

#include "archive/archive_file.h"
#include "fake_platform.h"
#include "rules/card_rules.h"
#include "rules/card_scan.h"

#include <QApplication>
#include <QElapsedTimer>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace memora;

namespace {

constexpr int repeats = 3;

// Best of a few runs, in seconds.
double timeBest(const std::function<void()>& run)
{
    double best = 1e9;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

long peakMemoryMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

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

void printRow(int cards, const QString& name, double seconds, double floor)
{
    std::printf("%9d  %-34s %9.3f s %13.0f %8.2f %8ld\n", cards, qPrintable(name), seconds, cards / seconds,
                seconds / floor, peakMemoryMiB());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    test::FakePlatform platform;
    platform.clock.day = QDate::currentDate();

    std::vector<int> counts;
    for (const QString& arg : QCoreApplication::arguments().mid(1))
        counts.push_back(arg.toInt());
    if (counts.empty())
        counts = {10000, 100000, 1000000};

    std::printf("%9s  %-34s %11s %13s %8s %8s\n", "cards", "operation", "time", "cards/s", "x floor", "peak MiB");
    for (const int cards : counts) {
        bench::generateArchive(platform.archive(), cards, platform.clock.day);
        const QString path = platform.archive();
        const double floor = timeBest([&] { plainRead(path); });
        printRow(cards, QStringLiteral("plain sequential read (floor)"), floor, floor);
        const QDate day = platform.clock.day;
        printRow(cards, QStringLiteral("scan: Imminente + RigaRiepilogo"), timeBest([&] {
                     summaryLines(path, {ImminenteFields,
                                         [day](const TSchedaScadenza& card) { return Imminente(card, day); }});
                 }), floor);
        for (const bench::WindowMeasure& measure : bench::windowMeasures()) {
            if (measure.prepare)
                measure.prepare();
            printRow(cards, measure.name, timeBest(measure.run), floor);
        }
    }
    return 0;
}
