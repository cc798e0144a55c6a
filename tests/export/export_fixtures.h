// What the export tests share: the views and cards they build, and the
// programs apart from Memora (Python's readers, LibreOffice, khal) that read
// what the exports write.
#pragma once

#include "archive/card_record.h"
#include "export/export_views.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>

namespace memora {
class ExportView;
}

namespace memora::test {

// The export view of kind; the day and month views show day's.
std::unique_ptr<ExportView> makeView(ExportViewKind kind, QDate day = {});

// A card due at a time, with the fields that the small fixtures vary.
TSchedaScadenza cardAt(const QString& date, const QString& hour, const QString& minutes,
                       const QString& notice = QStringLiteral("0"), const QString& flag = flagPending);

// What a program run to its end printed on its standard output; ok is false,
// and its standard error warned of, when it could not start, crashed, ran
// past its time or exited with a status other than 0.
struct ToolRun {
    bool ok = false;
    QByteArray output;
};
ToolRun runTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// True when python runs with module importable.
bool pythonHas(const QString& python, const QString& module);

// Splits a CSV text written with commas and double quotes.
QList<QStringList> parseCsv(const QString& text);

// LibreOffice's program, or an empty text where it is not installed.
QString officeProgram();

// LibreOffice converts each file to CSV in outFolder with the filter options
// given ("44,34,76,1" and on), from a profile of its own in work so that it
// never waits on another instance or a first-start dialog. Calc takes its
// locale from environment.
bool convertToCsv(const QString& work, const QStringList& files, const QString& outFolder,
                  const QString& filterOptions,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The CSV file at path split into rows, or no rows where it cannot be read.
QList<QStringList> readCsv(const QString& path);

}  // namespace memora::test
