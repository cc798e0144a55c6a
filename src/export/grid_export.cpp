#include "export/grid_export.h"

#include "platform/platform.h"

#include <QDir>

namespace memora {

void EsportaGriglia(QWidget* parent, const QAbstractItemModel& grid, const SpreadsheetSheet& sheet)
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
    // TODO-WIRE
}

}  // namespace memora
