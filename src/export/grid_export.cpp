#include "export/grid_export.h"

#include "info/misc.h"
#include "platform/platform.h"

#include <QDir>

namespace memora {

void exportViewFile(QWidget* parent, const QString& fileName, const std::function<bool(const QString& path)>& write)
{
    Messages& messages = *platform().messages;
    if (!messages.ask(parent, MsgEsportaAdesso))
        return;
    const QString path = QDir(programDirectory()).filePath(fileName);
    if (!write(path)) {
        messages.show(parent, MessageKind::Plain, MsgEsportazioneImpossibile);
        return;
    }
    if (!messages.ask(parent, MsgApriFileExcel))
        return;
    TMisc::Open(path);
}

void EsportaGriglia(QWidget* parent, const SheetRows& grid, const SpreadsheetSheet& sheet)
{
    exportViewFile(parent, sheet.fileName,
                   [&](const QString& path) { return writeSpreadsheetFile(path, sheet, grid); });
}

}  // namespace memora
