// Looks up a name a report template lacks, for the test that such a fault
// stops the program with a message naming it. Arguments: the template
// ("list" or "card"), the kind ("box" or "band") and the name.
#include "print/card_template.h"
#include "print/list_template.h"

#include <cstring>

int main(int argc, char* argv[])
{
    if (argc != 4)
        return 2;
    memora::ReportTemplate report = std::strcmp(argv[1], "card") == 0 ? memora::cardTemplate() : memora::listTemplate();
    const QString name = QString::fromLocal8Bit(argv[3]);
    if (std::strcmp(argv[2], "band") == 0)
        report.band(name);
    else
        report.box(name);
    return 0;
}
