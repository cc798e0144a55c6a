#include "archive_generator.h"

#include "archive/card_record.h"
#include "archive/text_conventions.h"

#include <QFile>

#include <random>

#include <unistd.h>

namespace memora::bench {

namespace {

const QStringList types = {"Pagamento", "Incasso", "Appuntamento", "Riunione", "Compleanno", "Scadenza fiscale"};
const QStringList reasons = {"Rata mutuo casa", "Bolletta luce e gas del bimestre", "Visita dal dentista",
                             "Assicurazione auto", "Riunione con il commercialista per il bilancio annuale",
                             "Tassa rifiuti", "Canone di locazione dell'ufficio"};
const QStringList contacts = {"Banca Popolare", "Studio Rossi & Associati", "Dott. Bianchi", "Enel Energia",
                              "Comune di Milano", "Ferri S.r.l."};

TSchedaScadenza makeCard(std::mt19937& random, QDate today)
{
    auto pick = [&](const QStringList& list) { return list[int(random() % unsigned(list.size()))]; };
    TSchedaScadenza card;
    const QDate due = today.addDays(int(random() % 1461) - 730);
    const int hour = int(random() % 24);
    const int minute = int(random() % 60);
    card.Data = formatDate(due);
    card.OreApp = QString::number(hour).rightJustified(2, u'0');
    card.MinutiApp = QString::number(minute).rightJustified(2, u'0');
    card.Ora = card.OreApp + u':' + card.MinutiApp;
    card.Avviso = QString::number(random() % 31);
    card.Tipologia = pick(types);
    card.Causale = pick(reasons);
    card.Dettagli = QStringLiteral("Riferimento pratica n. %1").arg(random() % 100000);
    card.Contatto = pick(contacts);
    card.Tel = QStringLiteral("02 %1").arg(random() % 10000000);
    card.Cel = QStringLiteral("333 %1").arg(random() % 10000000);
    card.Email = QStringLiteral("ufficio@esempio.example");
    card.Luogo = QStringLiteral("Milano");
    card.Importo = QStringLiteral("%1,%2").arg(random() % 5000).arg(random() % 100, 2, 10, QLatin1Char('0'));
    card.Note = random() % 4 == 0 ? QStringLiteral("Chiamare prima") : QString();
    card.Assolto = random() % 3 == 0 ? flagFulfilled : flagPending;
    return card;
}

}  // namespace

void generateArchive(const QString& path, int count, QDate today)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    std::mt19937 random(12345);
    for (int i = 0; i < count; ++i)
        file.write(encodeRecord(makeCard(random, today)));
    // On disk before anything is timed: the kernel writing a gigabyte back
    // in the background would slow whatever runs meanwhile.
    if (!file.flush() || ::fsync(file.handle()) != 0)
        qFatal("cannot write %s", qPrintable(path));
}

}  // namespace memora::bench
