// The summaries, the search and the find-in-list: the plain functions first,
// then the windows, headless.
#include <QApplication>

int runListCoreTests(int argc, char* argv[]);
int runSummaryWindowTests(int argc, char* argv[]);
int runSearchWindowTests(int argc, char* argv[]);

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    int failures = runListCoreTests(argc, argv);
    failures += runSummaryWindowTests(argc, argv);
    failures += runSearchWindowTests(argc, argv);
    return failures;
}
