// The field entry rules and the e-mail link, without a window.
#include "editor/email_link.h"
#include "editor/field_rules.h"

#include <QTest>
#include <QUrl>

using namespace memora;

Q_DECLARE_METATYPE(memora::Field)
Q_DECLARE_METATYPE(memora::DateFieldKey)
Q_DECLARE_METATYPE(std::optional<memora::Field>)
Q_DECLARE_METATYPE(memora::CharacterSet)

namespace QTest {
template <>
char* toString(const memora::FieldText& field)
{
    return qstrdup(qPrintable(QStringLiteral("\"%1\" cursor %2").arg(field.text).arg(field.cursor)));
}
}  // namespace QTest

class TestFieldRules : public QObject {
    Q_OBJECT

private slots:
    void amountOnLeave_data();
    void amountOnLeave();
    void timeOnLeave_data();
    void timeOnLeave();
    void keyFilters_data();
    void keyFilters();
    void guardedEdit_data();
    void guardedEdit();
    void noticeOnSave_data();
    void noticeOnSave();
    void dateFieldKeys_data();
    void dateFieldKeys();
    void dropDownKeys();
    void enterChain_data();
    void enterChain();
    void emailTyping_data();
    void emailTyping();
    void mailtoLinkAddsNothing_data();
    void mailtoLinkAddsNothing();
};

void TestFieldRules::amountOnLeave_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("whole number") << "12" << "12,00";
    QTest::newRow("one decimal") << "12,5" << "12,50";
    QTest::newRow("down to cents") << "12,344" << "12,34";
    QTest::newRow("half up, stored above") << "12,345" << "12,35";
    QTest::newRow("half stored below: 2,675") << "2,675" << "2,67";
    QTest::newRow("half stored below: 1,005") << "1,005" << "1,00";
    QTest::newRow("half stored below: 1,115") << "1,115" << "1,11";
    QTest::newRow("half stored below: 0,995") << "0,995" << "0,99";
    QTest::newRow("half cent up") << "0,005" << "0,01";
    QTest::newRow("carry into units") << "0,999" << "1,00";
    QTest::newRow("comma first") << ",5" << "0,50";
    QTest::newRow("comma last") << "12," << "12,00";
    QTest::newRow("leading zeros") << "007" << "7,00";
    QTest::newRow("zero") << "0" << "0,00";
    QTest::newRow("lone comma") << "," << "0,00";
    QTest::newRow("two commas") << "1,2,3" << "0,00";
    QTest::newRow("emptied") << "" << "0,00";
    QTest::newRow("blanks only") << "   " << "0,00";
    QTest::newRow("letters from elsewhere") << "12a" << "0,00";
    QTest::newRow("point as separator") << "12.50" << "0,00";
    QTest::newRow("sign") << "-5" << "0,00";
    QTest::newRow("fifteen nines") << "999999999999999" << "999999999999999,00";
    QTest::newRow("already in form") << "1234,56" << "1234,56";
    QTest::newRow("blanks around from elsewhere") << " 3,1 " << "3,10";
}

// Rounding follows the stored binary value in a 64-bit mantissa: plain double
// arithmetic, which rounds d * 100 first, would give 2,68, 1,12 and 1,00 for
// 2,675, 1,115 and 0,995.
void TestFieldRules::amountOnLeave()
{
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QCOMPARE(memora::amountOnLeave(typed), left);
    QCOMPARE(memora::amountOnLeave(left), left);  // leaving again changes nothing
}

void TestFieldRules::timeOnLeave_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");
    QTest::newRow("hour 07") << hourEntries << "07" << "07";
    QTest::newRow("hour 00") << hourEntries << "00" << "00";
    QTest::newRow("hour 23") << hourEntries << "23" << "23";
    QTest::newRow("hour 24") << hourEntries << "24" << "";
    QTest::newRow("hour single digit") << hourEntries << "7" << "";
    QTest::newRow("hour blank and digit") << hourEntries << " 7" << "";
    QTest::newRow("hour entry with blanks kept untrimmed") << hourEntries << " 07 " << " 07 ";
    QTest::newRow("hour letters") << hourEntries << "ab" << "";
    QTest::newRow("hour empty") << hourEntries << "" << "";
    QTest::newRow("minute 59") << minuteEntries << "59" << "59";
    QTest::newRow("minute 60") << minuteEntries << "60" << "";
    QTest::newRow("minute 30") << minuteEntries << "30" << "30";
    QTest::newRow("minute three digits") << minuteEntries << "030" << "";
}

void TestFieldRules::timeOnLeave()
{
    QFETCH(int, entries);
    QFETCH(QString, text);
    QFETCH(QString, left);
    QCOMPARE(memora::timeOnLeave(text, entries), left);
}

void TestFieldRules::keyFilters_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<bool>("amount");
    QTest::newRow("digit") << int(Qt::Key_7) << "7" << true << true;
    QTest::newRow("comma") << int(Qt::Key_Comma) << "," << false << true;
    QTest::newRow("point") << int(Qt::Key_Period) << "." << false << false;
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << false << false;
    QTest::newRow("blank") << int(Qt::Key_Space) << " " << false << false;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << true << true;
    QTest::newRow("delete") << int(Qt::Key_Delete) << "" << true << true;
    QTest::newRow("left") << int(Qt::Key_Left) << "" << true << true;
    QTest::newRow("right") << int(Qt::Key_Right) << "" << true << true;
    QTest::newRow("home") << int(Qt::Key_Home) << "" << false << false;
    QTest::newRow("end") << int(Qt::Key_End) << "" << false << false;
    QTest::newRow("up") << int(Qt::Key_Up) << "" << false << false;
    QTest::newRow("control V") << int(Qt::Key_V) << "\x16" << false << false;
    QTest::newRow("two characters at once") << int(Qt::Key_unknown) << "12" << false << false;
}

void TestFieldRules::keyFilters()
{
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(bool, notice);
    QFETCH(bool, amount);
    QCOMPARE(noticeKeyAccepted(key, typed), notice);
    QCOMPARE(amountKeyAccepted(key, typed), amount);
}

void TestFieldRules::guardedEdit_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursor");  // just past what the change added
    QTest::addColumn<int>("capacity");
    QTest::addColumn<CharacterSet>("characters");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("keptCursor");
    const auto any = CharacterSet::Any;
    const auto digits = CharacterSet::Digits;
    const auto amount = CharacterSet::DigitsAndComma;
    QTest::newRow("typed, room left")           << "12"     << "123"          << 3  << 3  << digits << "123"    << 3;
    QTest::newRow("typed, no room")             << "123"    << "1234"         << 4  << 3  << digits << "123"    << 3;
    QTest::newRow("typed in the middle, no room") << "123"  << "1923"         << 2  << 3  << digits << "123"    << 1;
    QTest::newRow("pasted, cut to the room")    << "ab"     << "a12345b"      << 6  << 5  << any    << "a123b"  << 4;
    QTest::newRow("pasted, only the digits")    << ""       << "5 giorni"     << 8  << 3  << digits << "5"      << 1;
    QTest::newRow("pasted amount, digits and commas") << "" << "\u20ac 1.250,5" << 9 << 15 << amount << "1250,5" << 6;
    QTest::newRow("pasted over a selection")    << "123"    << "4 5"          << 3  << 3  << digits << "45"     << 2;
    QTest::newRow("pasted text ending like the rest") << "abc" << "abXbc"     << 3  << 4  << any    << "abbc"   << 2;
    QTest::newRow("deleted")                    << "123"    << "13"           << 1  << 3  << digits << "13"     << 1;
    QTest::newRow("deleted beyond capacity")    << "999999999999999,00" << "999999999999999,0" << 17 << 15 << amount
                                                << "999999999999999,0" << 17;
    QTest::newRow("typed beyond capacity")      << "999999999999999,00" << "999999999999999,005" << 19 << 15
                                                << amount << "999999999999999,00" << 18;
    QTest::newRow("kept letters are no concern") << "5 g"   << "5 g1"         << 4  << 5  << digits << "5 g1"   << 4;
    QTest::newRow("cursor apart from the change") << "abc"  << "xabc"         << 0  << 4  << any    << "xabc"   << 1;
}

// The change's own characters are judged, cut as a maximum length cuts a
// paste; what the field already held is left alone.
void TestFieldRules::guardedEdit()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, cursor);
    QFETCH(int, capacity);
    QFETCH(CharacterSet, characters);
    QFETCH(QString, kept);
    QFETCH(int, keptCursor);
    QCOMPARE(memora::guardedEdit(before, after, cursor, capacity, characters), (FieldText{kept, keptCursor}));
}

void TestFieldRules::noticeOnSave_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("saved");
    QTest::newRow("digits") << "15" << "15";
    QTest::newRow("a word after") << "5 g" << "5";
    QTest::newRow("blanks around") << " 7 " << "7";
    QTest::newRow("digits apart") << "1 2" << "12";
    QTest::newRow("no digit") << "giorni" << "";
    QTest::newRow("other digits are no digits") << "\u0663" << "";
}

void TestFieldRules::noticeOnSave()
{
    QFETCH(QString, text);
    QFETCH(QString, saved);
    QCOMPARE(memora::noticeOnSave(text), saved);
}

void TestFieldRules::dateFieldKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<DateFieldKey>("action");
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << DateFieldKey::Empties;
    QTest::newRow("delete") << int(Qt::Key_Delete) << DateFieldKey::Empties;
    QTest::newRow("digit") << int(Qt::Key_1) << DateFieldKey::OpensPicker;
    QTest::newRow("letter") << int(Qt::Key_X) << DateFieldKey::OpensPicker;
    QTest::newRow("enter") << int(Qt::Key_Return) << DateFieldKey::OpensPicker;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << DateFieldKey::OpensPicker;
    QTest::newRow("arrow") << int(Qt::Key_Left) << DateFieldKey::OpensPicker;
    QTest::newRow("tab") << int(Qt::Key_Tab) << DateFieldKey::Ignored;
    QTest::newRow("shift tab") << int(Qt::Key_Backtab) << DateFieldKey::Ignored;
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << DateFieldKey::Ignored;
    QTest::newRow("control alone") << int(Qt::Key_Control) << DateFieldKey::Ignored;
}

void TestFieldRules::dateFieldKeys()
{
    QFETCH(int, key);
    QFETCH(DateFieldKey, action);
    QCOMPARE(dateFieldKey(key), action);
}

void TestFieldRules::dropDownKeys()
{
    QVERIFY(opensDropDown(Qt::Key_F4, Qt::NoModifier));
    QVERIFY(opensDropDown(Qt::Key_Down, Qt::AltModifier));
    QVERIFY(!opensDropDown(Qt::Key_Down, Qt::NoModifier));
    QVERIFY(!opensDropDown(Qt::Key_7, Qt::NoModifier));
}

void TestFieldRules::enterChain_data()
{
    QTest::addColumn<Field>("from");
    QTest::addColumn<std::optional<Field>>("to");
    const Field chain[] = {Field::OreApp, Field::MinutiApp, Field::Avviso, Field::Tipologia, Field::Causale,
                           Field::Dettagli, Field::Contatto, Field::Tel, Field::Cel, Field::Email, Field::Luogo,
                           Field::Importo, Field::Note, Field::Data};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QTest::addRow("field %d", int(chain[i])) << chain[i] << std::optional<Field>(chain[i + 1]);
    QTest::newRow("due date: the picker instead") << Field::Data << std::optional<Field>();
    QTest::newRow("time text: not a control of its own") << Field::Ora << std::optional<Field>();
}

void TestFieldRules::enterChain()
{
    QFETCH(Field, from);
    QFETCH(std::optional<Field>, to);
    QVERIFY(enterChainNext(from) == to);
}

void TestFieldRules::emailTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("blank typed at the end") << "mario " << "mario";
    QTest::newRow("blank between words") << "mario rossi" << "mario rossi";
    QTest::newRow("blank typed first") << " mario" << "mario";
    QTest::newRow("control characters") << "\tmario@x.it\r\n" << "mario@x.it";
    QTest::newRow("blanks only") << "   " << "";
}

void TestFieldRules::emailTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(emailAfterTyping(typed), kept);
}

void TestFieldRules::mailtoLinkAddsNothing_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("recipient");
    QTest::newRow("plain, blanks around") << "  mario@rossi.it " << "mailto:mario@rossi.it" << "mario@rossi.it";
    QTest::newRow("empty") << "" << "mailto:" << "";
    QTest::newRow("subject and body") << "a@b.it?subject=Hi&body=Paga"
                                      << "mailto:a@b.it%3Fsubject=Hi%26body=Paga" << "a@b.it?subject=Hi&body=Paga";
    QTest::newRow("attachment") << "a@b.it?attach=/etc/passwd" << "mailto:a@b.it%3Fattach=/etc/passwd"
                                << "a@b.it?attach=/etc/passwd";
    QTest::newRow("fragment") << "a@b.it#x" << "mailto:a@b.it%23x" << "a@b.it#x";
    QTest::newRow("percent kept literal") << "a%3Fb@c.it" << "mailto:a%253Fb@c.it" << "a%3Fb@c.it";
    QTest::newRow("header by line break") << "a@b.it\r\nBcc: c@d.it" << "mailto:a@b.itBcc: c@d.it"
                                          << "a@b.itBcc: c@d.it";
}

// Whatever the card holds, the link names one recipient and nothing else.
void TestFieldRules::mailtoLinkAddsNothing()
{
    QFETCH(QString, address);
    QFETCH(QString, link);
    QFETCH(QString, recipient);
    QCOMPARE(mailtoLink(address), link);
    const QUrl url(mailtoLink(address));
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QVERIFY(!url.hasQuery());
    QVERIFY(!url.hasFragment());
    QCOMPARE(url.path(QUrl::FullyDecoded), recipient);
}

#include "field_rules_test.moc"

QObject* makeFieldRulesTest() { return new TestFieldRules; }
