#include "rules/summary_line.h"

#include "archive/text_conventions.h"

namespace memora {

namespace {

void appendFitted(QString& line, QStringView text, int n)
{
    const QStringView kept = text.left(n);
    line += kept;
    line.resize(line.size() + n - kept.size(), u' ');
}

}  // namespace

QString fitted(const QString& text, int n) { return (text + QString(n, u' ')).left(n); }

QString RigaRiepilogo(const TSchedaScadenza& card)
{
    QString line;
    line.reserve(141 + 30);
    line += u"Data: ";
    appendFitted(line, trimmedView(card.Data), 10);
    line += u"  Ora: ";
    appendFitted(line, trimmedView(card.Ora), 5);
    line += u"  Causale: ";
    appendFitted(line, trimmedView(card.Causale), 54);
    line += u"  Contatto: ";
    appendFitted(line, trimmedView(card.Contatto), 30);
    line += u" Cel. ";
    line += trimmedView(card.Cel);
    return line;
}

QString ChiaveDataOra(const TSchedaScadenza& card)
{
    const QString data = trimmed(card.Data);
    return data.mid(6, 4) + data.mid(3, 2) + data.mid(0, 2) + trimmed(card.OreApp) + trimmed(card.MinutiApp);
}

}  // namespace memora
