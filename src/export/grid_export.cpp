#include "export/grid_export.h"

#include "info/misc.h"
#include "platform/platform.h"

#include <QDir>

namespace memora {

void EsportaGriglia(QWidget* parent, const SheetRows& grid, const SpreadsheetSheet& sheet)
{
    Messages& messages = *platform().messages;
    if (!messages.ask(parent, MsgEsportaAdesso))
        return;
    const QString path = QDir(programDirectory()).filePath(sheet.fileName);
    if (!writeSpreadsheetFile(path, sheet, grid)) {
        messages.show(parent, MessageKind::Plain, MsgEsportazioneImpossibile);
        return;
    }
    if (!messages.ask(parent, MsgApriFileExcel))
        return;
    TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}

}  // namespace memora
