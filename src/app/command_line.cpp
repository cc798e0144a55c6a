#include "app/command_line.h"

#include "archive/archive_file.h"
#include "archive/text_conventions.h"
#include "export/calendar_file.h"
#include "export/export_grid.h"
#include "export/export_views.h"
#include "export/spreadsheet_file.h"
#include "export/workbook_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

#include <optional>

namespace memora {

namespace {

enum Status { Success = 0, ExportFailed = 1, BadArguments = 2 };

// A run that cannot go on: its exit status and the line that says why.
struct Failure {
    Status status;
    QString message;
};

const QString usage =
    QStringLiteral("memora --esporta FILE [--vista archivio|imminenti|giorno GG/MM/AAAA|mese MM/AAAA]");

struct ViewName {
    const char* name;
    ExportViewKind kind;
    const char* dayForm;  // the form of the word after the name; nullptr: none follows
    const char* dayWord;  // what that word is
};

constexpr ViewName viewNames[] = {
    {"archivio", ExportViewKind::Scadenzario, nullptr, nullptr},
    {"imminenti", ExportViewKind::Imminenti, nullptr, nullptr},
    {"giorno", ExportViewKind::Giornaliere, "GG/MM/AAAA", "la data"},
    {"mese", ExportViewKind::Mensili, "MM/AAAA", "il mese"},
};

// A view's rows, loaded, and what their files are written from.
struct LoadedView {
    const ExportViewDefinition& definition;
    const ExportGridModel& grid;
    CalendarSource calendar;
};

// Each writer puts its file in place only when whole: a failure leaves a file
// of that name as it was.
using FileWriter = bool (*)(const QString& path, const LoadedView& view);

bool writeCalendarOf(const QString& path, const LoadedView& view)
{
    return writeCalendarFile(path, view.calendar, view.grid.cardNumbers());
}

bool writeSheetOf(const QString& path, const LoadedView& view)
{
    return writeSpreadsheetFile(path, view.definition.spreadsheetSheet(), view.grid);
}

bool writeWorkbookOf(const QString& path, const LoadedView& view)
{
    return writeWorkbookFile(path, view.definition.spreadsheetSheet(), view.grid);
}

// The formats a view can be written in, by the file's extension.
struct ExportFormat {
    const char* extension;
    FileWriter write;
};

constexpr ExportFormat formats[] = {
    {"ics", &writeCalendarOf},
    {"xls", &writeSheetOf},
    {"xlsx", &writeWorkbookOf},
};

QString writtenFormats()
{
    QStringList extensions;
    for (const ExportFormat& format : formats)
        extensions << QLatin1Char('.') + QLatin1String(format.extension);
    return extensions.join(QStringLiteral(", "));
}

const ExportFormat& formatOf(const QString& file)
{
    const QString extension = QFileInfo(file).suffix().toLower();
    if (extension.isEmpty())
        throw Failure{BadArguments, QStringLiteral("il file %1 non ha un'estensione: si pu\u00f2 esportare in %2")
                                        .arg(file, writtenFormats())};
    for (const ExportFormat& format : formats)
        if (extension == QLatin1String(format.extension))
            return format;
    throw Failure{BadArguments, QStringLiteral("formato sconosciuto .%1: si pu\u00f2 esportare in %2")
                                    .arg(extension, writtenFormats())};
}

QString helpText()
{
    return QStringLiteral(
               "Uso: %1\n"
               "\n"
               "Senza argomenti Memora apre la sua finestra. Con --esporta scrive le schede di una vista\n"
               "nel file FILE, nel formato indicato dalla sua estensione, senza aprire finestre, ed esce.\n"
               "\n"
               "Opzioni:\n"
               "  --esporta FILE   scrive le schede in FILE; formati: %2\n"
               "  --vista VISTA    la vista da esportare: archivio (tutte le schede), imminenti (se non\n"
               "                   \u00e8 indicata), giorno GG/MM/AAAA, mese MM/AAAA\n"
               "  -h, --help       mostra questo aiuto\n"
               "  -v, --version    mostra la versione\n"
               "\n"
               "Esempi:\n"
               "  memora --esporta ~/Scadenze.ics\n"
               "  memora --esporta Luglio.xls --vista mese 07/2014\n"
               "\n"
               "Stato di uscita: 0 se il file \u00e8 stato scritto, 1 se l'archivio non \u00e8 leggibile o il\n"
               "file non \u00e8 scrivibile, 2 se gli argomenti non sono validi.\n")
        .arg(usage, writtenFormats());
}

void parse(QCommandLineParser& parser, const QStringList& arguments)
{
    if (parser.parse(arguments))
        return;
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString dashes = unknown.first().size() > 1 ? QStringLiteral("--") : QStringLiteral("-");
        throw Failure{BadArguments, QStringLiteral("opzione sconosciuta: %1%2 (memora --help mostra l'uso)")
                                        .arg(dashes, unknown.first())};
    }
    // Qt names, between quotes, the option whose value is missing or unwanted.
    const QString option = parser.errorText().section(u'\'', 1, 1);
    const bool takesValue = option == QLatin1String("--esporta") || option == QLatin1String("--vista");
    throw Failure{BadArguments, takesValue ? QStringLiteral("manca il valore dopo %1").arg(option)
                                           : QStringLiteral("%1 non accetta valori").arg(option)};
}

const ViewName& viewNamed(const QString& name)
{
    for (const ViewName& view : viewNames)
        if (name == QLatin1String(view.name))
            return view;
    throw Failure{BadArguments,
                  QStringLiteral("vista sconosciuta: %1 (archivio, imminenti, giorno GG/MM/AAAA, mese MM/AAAA)")
                      .arg(name)};
}

// The day a day view lists, or the first day of the month a month view lists.
QDate dayOf(const ViewName& view, const QString& word)
{
    const bool month = view.kind == ExportViewKind::Mensili;
    const std::optional<QDate> day = parseDate(month ? QStringLiteral("01/") + word : word);
    if (!day)
        throw Failure{BadArguments, (month ? QStringLiteral("mese non valido: %1 (%2)")
                                           : QStringLiteral("data non valida: %1 (%2)"))
                                        .arg(word, QLatin1String(view.dayForm))};
    return *day;
}

struct Request {
    QString file;
    ExportViewKind view;
    QDate day;
};

Request requestOf(const QCommandLineParser& parser)
{
    if (!parser.isSet(QStringLiteral("esporta")))
        throw Failure{BadArguments, QStringLiteral("manca --esporta FILE; uso: %1").arg(usage)};
    QStringList words = parser.positionalArguments();
    const ViewName& view = viewNamed(parser.value(QStringLiteral("vista")));
    QDate day;
    if (view.dayForm) {
        if (words.isEmpty())
            throw Failure{BadArguments, QStringLiteral("la vista %1 richiede %2 (%3)")
                                            .arg(QLatin1String(view.name), QLatin1String(view.dayWord),
                                                 QLatin1String(view.dayForm))};
        day = dayOf(view, words.takeFirst());
    }
    if (!words.isEmpty())
        throw Failure{BadArguments, QStringLiteral("argomento non previsto: %1").arg(words.first())};
    return {parser.value(QStringLiteral("esporta")), view.kind, day};
}

void exportView(const Request& request, const CommandLineRun& run)
{
    const ExportFormat& format = formatOf(request.file);
    const QString archive = archivePath(run.programDirectory);
    const ExportViewDefinition& definition = exportViewDefinition(request.view);
    ExportGridModel grid(definition.gridColumns(), {});
    // A file of part of the view's cards would be a silent gap in the user's calendar.
    if (!loadExportView(grid, request.view, archive, run.now.date(), request.day).complete)
        throw Failure{ExportFailed, QStringLiteral("impossibile leggere l'archivio %1").arg(archive)};
    const LoadedView view = {definition, grid, calendarSource(archive, run.now)};
    if (!format.write(request.file, view))
        throw Failure{ExportFailed, QStringLiteral("impossibile scrivere il file %1").arg(request.file)};
}

}  // namespace

int runCommandLine(const QStringList& arguments, const CommandLineRun& run)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({help, version,
                       {QStringLiteral("esporta"), QString(), QStringLiteral("FILE")},
                       {QStringLiteral("vista"), QString(), QStringLiteral("VISTA"), QStringLiteral("imminenti")}});
    try {
        parse(parser, arguments);
        if (parser.isSet(help)) {
            run.out << helpText() << Qt::flush;
            return Success;
        }
        if (parser.isSet(version)) {
            run.out << "Memora " MEMORA_VERSION "\n" << Qt::flush;
            return Success;
        }
        exportView(requestOf(parser), run);
        return Success;
    } catch (const Failure& failure) {
        run.err << "memora: " << failure.message << '\n' << Qt::flush;
        return failure.status;
    }
}

int commandLineMain(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    // The views order their rows as the windows do, in Italian.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCommandLine(QCoreApplication::arguments(),
                          {QCoreApplication::applicationDirPath(), QDateTime::currentDateTime(), out, err});
}

}  // namespace memora
