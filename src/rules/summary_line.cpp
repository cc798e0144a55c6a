#include "rules/summary_line.h"

#include "archive/text_conventions.h"

#include <algorithm>

namespace memora {

namespace {

// The characters before the mobile number, which is not cut.
constexpr int fixedWidth = 141;

// The labels, measured once here rather than at every line.
constexpr QStringView dataLabel = u"Data: ";
constexpr QStringView oraLabel = u"  Ora: ";
constexpr QStringView causaleLabel = u"  Causale: ";
constexpr QStringView contattoLabel = u"  Contatto: ";
constexpr QStringView celLabel = u" Cel. ";

QChar* put(QChar* out, QStringView text) { return std::copy(text.begin(), text.end(), out); }

// text cut or filled with blanks to n characters.
QChar* putFitted(QChar* out, QStringView text, int n)
{
    out = put(out, text.left(n));
    return std::fill_n(out, n - std::min<qsizetype>(text.size(), n), QChar(u' '));
}

}  // namespace

qsizetype rigaRiepilogoLength(const TSchedaScadenza& card) { return fixedWidth + trimmedView(card.Cel).size(); }

QChar* writeRigaRiepilogo(const TSchedaScadenza& card, QChar* out)
{
    out = put(out, dataLabel);
    out = putFitted(out, trimmedView(card.Data), 10);
    out = put(out, oraLabel);
    out = putFitted(out, trimmedView(card.Ora), 5);
    out = put(out, causaleLabel);
    out = putFitted(out, trimmedView(card.Causale), 54);
    out = put(out, contattoLabel);
    out = putFitted(out, trimmedView(card.Contatto), 30);
    out = put(out, celLabel);
    return put(out, trimmedView(card.Cel));
}

QString RigaRiepilogo(const TSchedaScadenza& card)
{
    QString line(rigaRiepilogoLength(card), Qt::Uninitialized);
    [[maybe_unused]] const QChar* end = writeRigaRiepilogo(card, line.data());
    Q_ASSERT(end == line.data() + line.size());
    return line;
}

QString ChiaveDataOra(const TSchedaScadenza& card)
{
    // Built in one string: the filtered views make one key for each card listed.
    const QStringView data = trimmedView(card.Data);
    QString key;
    key.reserve(12);
    key += data.mid(6, 4);
    key += data.mid(3, 2);
    key += data.mid(0, 2);
    key += trimmedView(card.OreApp);
    key += trimmedView(card.MinutiApp);
    return key;
}

}  // namespace memora
