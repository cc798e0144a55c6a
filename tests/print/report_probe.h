// Looking into laid-out reports and the PDF files written from them.
#pragma once

#include "print/report_layout.h"

#include <QStringList>

namespace memora::test {

// The lines placed from the named box on a page, top to bottom.
std::vector<PlacedText> placedLines(const ReportPage& page, const QString& box);
// The first line placed from the named box on the page; fails the test when there is none.
PlacedText placedLine(const ReportPage& page, const QString& box);

// Whether anything dark is painted inside area (millimetres within the
// margins) when the page is drawn at 20 dots per millimetre.
bool inkIn(const ReportPage& page, const QRectF& area);

// The text of a PDF file as pdftotext -layout reads it, page first to last
// (all pages when last is 0); empty when the file cannot be read.
QString pdfText(const QString& path, int first = 1, int last = 0);
// A field of what pdfinfo reports ("Pages", ...).
QString pdfInfo(const QString& path, const QString& field);
// The size of the first page in points, rounded to whole points.
QSizeF pdfPageSize(const QString& path);
// Whether the poppler tools are installed.
bool havePdfTools();

}  // namespace memora::test
