// The export views' pictures, drawn in code: the banners, the spreadsheet,
// calendar file, workbook, exit and hand icons.
#pragma once

#include "widgets/picture.h"

#include <QString>

namespace memora::art {

// The words ESPORTAZIONE IN EXCEL on green.
Artwork excelBanner();
// A title in red italics between a clock and a calendar.
Artwork deadlinesBanner(const QString& title);
// A green spreadsheet sheet with its grid and an X.
Artwork spreadsheetIcon();
// A calendar file: a page with a folded corner, a red band with rings, days,
// one of them marked, and ICS on a red band.
Artwork calendarFileIcon();
// A workbook page with a folded corner, its grid and XLSX on a dark band.
Artwork workbookIcon();
// An open door with a red arrow leaving through it.
Artwork exitDoor();
// A hand pointing right.
Artwork pointingHand();

}  // namespace memora::art
