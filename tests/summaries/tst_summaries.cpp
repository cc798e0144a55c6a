// The summaries, the search and the find-in-list: the plain functions first,
// then the windows, headless, and last the way to and from the card editor.
#include <QApplication>

int runListCoreTests(int argc, char* argv[]);
int runSummaryWindowTests(int argc, char* argv[]);
int runSearchWindowTests(int argc, char* argv[]);
int runEditorLinkTests(int argc, char* argv[]);

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    int failures = runListCoreTests(argc, argv);
    failures += runSummaryWindowTests(argc, argv);
    failures += runSearchWindowTests(argc, argv);
    failures += runEditorLinkTests(argc, argv);
    return failures;
}
