#include "print/list_report.h"

#include "platform/platform.h"
#include "print/list_template.h"
#include "print/report_layout.h"

namespace memora {

void StampaRiepilogo(QWidget* parent, const QString& title, const QStringList& lines)
{
    ReportTemplate report = listTemplate();
    fillListTemplate(report, title, lines);
    platform().printing->print(parent, layoutReport(report, today()));
}

}  // namespace memora
