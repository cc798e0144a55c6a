#include "fake_platform.h"

#include "archive/archive_file.h"
#include "print/report_painter.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QWidget>

#include <algorithm>

namespace memora::test {

void FakeModal::run(QDialog& dialog)
{
    shownTitles.append(dialog.windowTitle());
    dialog.show();
    if (inside)
        inside(dialog);
    dialog.close();
}

bool FakeSound::load(const QString& path)
{
    loaded.append(path);
    return QFileInfo(path).isFile();
}

bool FakePrinting::print(QWidget* parent, const ReportDocument& document)
{
    ++dialogs;
    parents.append(parent);
    if (confirm)
        printed.push_back(document);
    return confirm;
}

bool writePdf(const ReportDocument& document, const QString& path)
{
    QPdfWriter writer(path);
    writer.setTitle(document.name);
    return renderReport(document, writer);
}

namespace {
template <typename Fake, typename Base>
Fake& installFake(std::unique_ptr<Base>& slot)
{
    auto fake = std::make_unique<Fake>();
    Fake& ref = *fake;
    slot = std::move(fake);
    return ref;
}

class TempDirectory : public ProgramDirectory {
public:
    explicit TempDirectory(QString path) : m_path(std::move(path)) {}
    QString path() const override { return m_path; }

private:
    QString m_path;
};
}  // namespace

FakePlatform::FakePlatform()
    : clock(installFake<FakeClock>(m_platform.clock)),
      messages(installFake<FakeMessages>(m_platform.messages)),
      modal(installFake<FakeModal>(m_platform.modal)),
      desktop(installFake<FakeDesktop>(m_platform.desktop)),
      sound(installFake<FakeSound>(m_platform.sound)),
      printing(installFake<FakePrinting>(m_platform.printing))
{
    m_platform.directory = std::make_unique<TempDirectory>(m_dir.path());
    installPlatform(&m_platform);
}

FakePlatform::~FakePlatform() { installPlatform(nullptr); }

QString FakePlatform::archive() const { return archivePath(m_dir.path()); }

TSchedaScadenza makeCard(const QString& date, const QString& notice, const QString& flag, const QString& reason)
{
    TSchedaScadenza card;
    card.Data = date;
    card.OreApp = QStringLiteral("09");
    card.MinutiApp = QStringLiteral("30");
    card.Ora = QStringLiteral("09:30");
    card.Avviso = notice;
    card.Tipologia = QStringLiteral("Pagamento");
    card.Causale = reason;
    card.Contatto = QStringLiteral("Banca");
    card.Importo = QStringLiteral("0,00");
    card.Assolto = flag;
    return card;
}

void writeArchive(const QString& path, const QList<TSchedaScadenza>& cards)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    for (const TSchedaScadenza& card : cards)
        file.write(encodeRecord(card));
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

bool anyWindowShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

}  // namespace memora::test
