#include "export_fixtures.h"

#include "export/export_view.h"
#include "fake_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace memora::test {

std::unique_ptr<ExportView> makeView(ExportViewKind kind, QDate day)
{
    switch (kind) {
    case ExportViewKind::Scadenzario: return std::make_unique<TfrmExpScadenzario>();
    case ExportViewKind::Imminenti: return std::make_unique<TfrmExpImminenti>();
    case ExportViewKind::Giornaliere: return std::make_unique<TfrmExpGiornaliere>(nullptr, day);
    case ExportViewKind::Mensili: return std::make_unique<TfrmExpMensili>(nullptr, day);
    }
    return nullptr;
}

TSchedaScadenza cardAt(const QString& date, const QString& hour, const QString& minutes, const QString& notice,
                       const QString& flag)
{
    TSchedaScadenza card = makeCard(date, notice, flag);
    card.OreApp = hour;
    card.MinutiApp = minutes;
    card.Ora = hour.isEmpty() ? QString() : hour + u':' + minutes;
    return card;
}

ToolRun runTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    // LibreOffice's first start in a new profile can take minutes on a slow machine.
    const bool finished = process.waitForFinished(300000);
    ToolRun run;
    run.ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    run.output = process.readAllStandardOutput();
    if (!run.ok)
        qWarning("%s failed: %s", qPrintable(QFileInfo(program).fileName()),
                 process.readAllStandardError().constData());
    return run;
}

bool pythonHas(const QString& python, const QString& module)
{
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import ") + module});
    return probe.waitForFinished(60000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << cell;
            cell.clear();
        } else if (c == u'\n') {
            rows << (row << cell);
            row.clear();
            cell.clear();
        } else if (c != u'\r') {
            cell += c;
        }
    }
    if (!row.isEmpty() || !cell.isEmpty())
        rows << (row << cell);
    return rows;
}

QString officeProgram() { return QStandardPaths::findExecutable(QStringLiteral("soffice")); }

bool convertToCsv(const QString& work, const QStringList& files, const QString& outFolder,
                  const QString& filterOptions, const QProcessEnvironment& environment)
{
    const QString profile = QStringLiteral("-env:UserInstallation=file://%1/profile").arg(work);
    return runTool(officeProgram(),
                   QStringList{profile, QStringLiteral("--headless"), QStringLiteral("--norestore"),
                               QStringLiteral("--convert-to"),
                               QStringLiteral("csv:Text - txt - csv (StarCalc):") + filterOptions,
                               QStringLiteral("--outdir"), outFolder}
                       + files,
                   environment)
        .ok;
}

QList<QStringList> readCsv(const QString& path)
{
    QFile csv(path);
    if (!csv.open(QIODevice::ReadOnly))
        return {};
    return parseCsv(QString::fromUtf8(csv.readAll()));
}

}  // namespace memora::test
