// Windows-1252, the single-byte code page of the archive and the spreadsheet files.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace memora {

// A character outside the code page becomes "?".
QByteArray toWindows1252(QStringView text);

// The text of bytes, into text, reusing its storage when it is not shared.
// Every byte maps to a character; the five unassigned bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the control characters of the same code.
void decodeWindows1252Into(QByteArrayView bytes, QString& text);

}  // namespace memora
