// make_guide: writes the user guide Guida.pdf from the help topics. Run at
// build time, with the offscreen platform, into the program folder.
#include "guide_document.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdio>

namespace {

void print(QIODevice& file)
{
    QPdfWriter writer(&file);
    writer.setTitle(QStringLiteral("Memora - Guida all'utilizzo del software"));
    writer.setCreator(QStringLiteral("Memora"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                     QPageLayout::Millimeter));
    memora::guideDocument()->print(&writer);
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_guide <path of Guida.pdf>\n");
        return 2;
    }
    // Written aside and renamed at the end, so a failed run leaves no half guide.
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "make_guide: cannot write %s\n", argv[1]);
        return 1;
    }
    print(file);
    if (!file.commit()) {
        std::fprintf(stderr, "make_guide: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
