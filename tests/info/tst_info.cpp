// The help, information and splash windows, the help topics, the open service
// and the user guide, headless.
#include "app/home_window.h"
#include "fake_platform.h"
#include "guide_document.h"
#include "info/help_topics.h"
#include "info/help_window.h"
#include "info/info_window.h"
#include "info/maker.h"
#include "info/misc.h"
#include "info/splash_window.h"
#include "info/text_link.h"
#include "test_runner.h"
#include "widgets/picture.h"
#include "widgets/summary_list.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QUrlQuery>

using namespace memora;
using memora::test::makeCard;
using memora::test::writeArchive;

Q_DECLARE_METATYPE(memora::HelpTopicId)

namespace {

std::unique_ptr<LinkWindow> makeLinkWindow(const QString& name)
{
    if (name == QLatin1String("TfrmGuida"))
        return std::make_unique<TfrmGuida>();
    if (name == QLatin1String("TfrmInfo"))
        return std::make_unique<TfrmInfo>();
    if (name == QLatin1String("TfrmSplash"))
        return std::make_unique<TfrmSplash>();
    qFatal("no window %s", qPrintable(name));
}

// The window's handle of its link: "lnkWeb", or the picture beside it.
QAbstractButton* linkHandle(LinkWindow& window, const QString& handle)
{
    if (handle == QLatin1String("lnkWeb"))
        return window.lnkWeb;
    if (auto* help = qobject_cast<TfrmGuida*>(&window))
        return help->imgPDF;
    if (auto* info = qobject_cast<TfrmInfo*>(&window))
        return info->imgEmail;
    return qobject_cast<TfrmSplash*>(&window)->imgWeb;
}

QStringList paragraphs(const HelpTopic& topic) { return topic.text.split(paragraphSeparator); }

QStringList blocksOf(const QPlainTextEdit& edit)
{
    QStringList blocks;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        blocks << block.text();
    return blocks;
}

PictureButton* homeButton(TfrmAvvio& home, const QString& name)
{
    if (name == QLatin1String("imgGuida"))
        return home.imgGuida;
    if (name == QLatin1String("imgInfo"))
        return home.imgInfo;
    return home.imgCopyright;
}

void writeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("x") != 1)
        qFatal("cannot write %s", qPrintable(path));
}

const QString mailBody = QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");

}  // namespace

class TestInfo : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void topicTitlesAndParagraphs_data();
    void topicTitlesAndParagraphs();
    void topicsFollowTheOutline_data();
    void topicsFollowTheOutline();
    void editorTopicIsPartOfOverview();

    void windowsAsDrawn_data();
    void windowsAsDrawn();
    void helpWindowAtCreation();
    void helpShowsTopicAndIsDestroyed();
    void longTopicScrolls_data();
    void longTopicScrolls();

    void linksHandOver_data();
    void linksHandOver();
    void mailLinkCarriesSubjectAndBody();
    void missingGuideOpensNothing_data();
    void missingGuideOpensNothing();
    void openRemovesShellQuotes_data();
    void openRemovesShellQuotes();
    void linkFeedback_data();
    void linkFeedback();

    void homeButtonsOpenTheirWindows_data();
    void homeButtonsOpenTheirWindows();

    void guideSaysWhatHelpSays();
    void builtGuideIsComplete();

private:
    QString inDirectory(QString text) const { return text.replace(QStringLiteral("%1"), m_platform->directory()); }

    std::unique_ptr<test::FakePlatform> m_platform;
};

void TestInfo::init() { m_platform = std::make_unique<test::FakePlatform>(); }

// Every window opened by a test is gone: the modal windows are destroyed on
// closing, and nothing is left on screen.
void TestInfo::cleanup()
{
    m_platform.reset();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QVERIFY2(!qobject_cast<LinkWindow*>(window), qPrintable(window->objectName()));
        QVERIFY(!window->isVisible());
    }
}

// ---- Help topics -----------------------------------------------------------

void TestInfo::topicTitlesAndParagraphs_data()
{
    QTest::addColumn<HelpTopicId>("id");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("count");
    QTest::newRow("overview") << HelpTopicId::Sguardo << "Uno sguardo a Memora." << 19;
    QTest::newRow("card editor") << HelpTopicId::Archivio << "Applicazione Archivio Scadenze." << 10;
    QTest::newRow("views") << HelpTopicId::Visualizzazione << "Visualizzazione scadenze." << 5;
    QTest::newRow("whole-archive export") << HelpTopicId::Esportazione
                                          << "Esportazione archivio scadenze in Microsoft Excel." << 3;
}

// Paragraphs are separated by exactly one empty line: no paragraph is empty,
// holds a line break, or starts or ends with a blank.
void TestInfo::topicTitlesAndParagraphs()
{
    QFETCH(HelpTopicId, id);
    QFETCH(QString, title);
    QFETCH(int, count);
    const HelpTopic topic = helpTopic(id);
    QCOMPARE(topic.title, title);
    const QStringList parts = paragraphs(topic);
    QCOMPARE(parts.size(), count);
    for (const QString& paragraph : parts) {
        QVERIFY(!paragraph.isEmpty());
        QVERIFY2(!paragraph.contains(u'\r') && !paragraph.contains(u'\n'), qPrintable(paragraph));
        QCOMPARE(paragraph, paragraph.trimmed());
        QVERIFY2(paragraph.endsWith(u'.') || paragraph.endsWith(u')'), qPrintable(paragraph));
    }
}

void TestInfo::topicsFollowTheOutline_data()
{
    QTest::addColumn<HelpTopicId>("id");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("overview 1: types of deadline") << HelpTopicId::Sguardo << 1 << QStringList{"tipologia", "causale"};
    QTest::newRow("overview 3: a new card") << HelpTopicId::Sguardo << 3 << QStringList{"Nuovo", "Salva"};
    QTest::newRow("overview 5: recurring cards") << HelpTopicId::Sguardo << 5 << QStringList{"Duplica"};
    QTest::newRow("overview 8: fulfilled") << HelpTopicId::Sguardo << 8 << QStringList{"Impegno assolto"};
    QTest::newRow("overview 9: summaries") << HelpTopicId::Sguardo << 9
                                           << QStringList{"Assolti", "Da assolvere", "Scaduti"};
    QTest::newRow("overview 11: export") << HelpTopicId::Sguardo << 11 << QStringList{"Esporta archivio", "XLS"};
    QTest::newRow("overview 14: calendar") << HelpTopicId::Sguardo << 14 << QStringList{"calendario"};
    QTest::newRow("overview 15: notice") << HelpTopicId::Sguardo << 15 << QStringList{"preavviso"};
    QTest::newRow("overview 18: USB stick") << HelpTopicId::Sguardo << 18 << QStringList{"USB", "copia di sicurezza"};
    QTest::newRow("views 1: imminent grid") << HelpTopicId::Visualizzazione << 1
                                            << QStringList{"Esporta in Excel", "Impegno assolto"};
    QTest::newRow("views 2: notice") << HelpTopicId::Visualizzazione << 2 << QStringList{"preavviso"};
    QTest::newRow("views 3: calendar") << HelpTopicId::Visualizzazione << 3 << QStringList{"calendario"};
    QTest::newRow("views 5: file") << HelpTopicId::Visualizzazione << 5 << QStringList{"XLS"};
    QTest::newRow("export 1: worksheet") << HelpTopicId::Esportazione << 1 << QStringList{"Esporta archivio", "XLS"};
    QTest::newRow("export 2: answer yes") << HelpTopicId::Esportazione << 2 << QStringList{"s\u00ec"};
    QTest::newRow("export 3: save") << HelpTopicId::Esportazione << 3 << QStringList{"salvare"};
}

void TestInfo::topicsFollowTheOutline()
{
    QFETCH(HelpTopicId, id);
    QFETCH(int, number);
    QFETCH(QStringList, words);
    const QString paragraph = paragraphs(helpTopic(id)).value(number - 1);
    for (const QString& word : words)
        QVERIFY2(paragraph.contains(word), qPrintable(word + QStringLiteral(" in: ") + paragraph));
}

void TestInfo::editorTopicIsPartOfOverview()
{
    QCOMPARE(paragraphs(helpTopic(HelpTopicId::Archivio)), paragraphs(helpTopic(HelpTopicId::Sguardo)).mid(1, 10));
}

// ---- The windows -----------------------------------------------------------

void TestInfo::windowsAsDrawn_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("top");
    QTest::addColumn<QColor>("bottom");
    QTest::addColumn<QString>("link");
    QTest::newRow("help") << "TfrmGuida" << " Guida all'utilizzo del software" << QSize(670, 572)
                          << QColor(Qt::white) << QColor(173, 216, 230) << "Visualizza guida in formato PDF";
    QTest::newRow("information") << "TfrmInfo" << " Informazioni su Memora" << QSize(473, 579)
                                 << QColor(Qt::black) << QColor(Qt::white) << maker::emailAddress;
    QTest::newRow("splash") << "TfrmSplash" << QStringLiteral(" Memora - ") + maker::name << QSize(661, 467)
                            << QColor(Qt::white) << QColor(64, 64, 64) << maker::webAddressShown();
}

void TestInfo::windowsAsDrawn()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);
    QFETCH(QString, link);
    const std::unique_ptr<LinkWindow> shown = makeLinkWindow(window);
    QCOMPARE(shown->windowTitle(), caption);
    QCOMPARE(shown->size(), size);
    QCOMPARE(shown->minimumSize(), shown->maximumSize());
    const Qt::WindowFlags buttons = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
                                    | Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint;
    QVERIFY(shown->windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(!(shown->windowFlags() & buttons));

    const QGradient* gradient = shown->palette().brush(QPalette::Window).gradient();
    QVERIFY(gradient);
    QCOMPARE(gradient->stops().first().second, top);
    QCOMPARE(gradient->stops().last().second, bottom);

    QCOMPARE(shown->lnkWeb->text(), link);
    QCOMPARE(shown->lnkWeb->accessibleName(), link);
    QCOMPARE(shown->lnkWeb->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(shown->lnkWeb->font().pointSize(), 14);
    QVERIFY(shown->lnkWeb->font().underline());
    QCOMPARE(shown->lnkWeb->colour(), linkColour);
    QCOMPARE(shown->btnChiudi->text(), QStringLiteral("Chiudi"));
    QCOMPARE(shown->btnChiudi->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(shown->btnChiudi->font().pointSize(), 12);

    shown->show();
    QVERIFY(shown->isVisible());
    QTest::mouseClick(shown->btnChiudi, Qt::LeftButton);
    QVERIFY(!shown->isVisible());
}

void TestInfo::helpWindowAtCreation()
{
    TfrmGuida help;
    QCOMPARE(help.lblTitolo->text(), QStringLiteral("Argomento della guida."));
    QCOMPARE(help.lblTitolo->font().family(), QStringLiteral("Arial"));
    QCOMPARE(help.lblTitolo->font().pointSize(), 16);
    QVERIFY(help.lblTitolo->font().bold());
    QCOMPARE(help.lblTitolo->palette().color(QPalette::WindowText), QColor(220, 20, 60));
    QCOMPARE(help.lblTitolo->buddy(), help.txtGuida);
    QVERIFY(help.txtGuida->isReadOnly());
    QCOMPARE(help.txtGuida->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(help.txtGuida->font().pointSize(), 12);
    QVERIFY(help.txtGuida->font().bold());
    QCOMPARE(help.txtGuida->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(help.imgPDF->accessibleName(), QStringLiteral("Guida in formato PDF"));
}

void TestInfo::helpShowsTopicAndIsDestroyed()
{
    QWidget owner;
    QPointer<QDialog> opened;
    QString title;
    QStringList blocks;
    m_platform->modal.inside = [&](QDialog& dialog) {
        opened = &dialog;
        auto* help = qobject_cast<TfrmGuida*>(&dialog);
        QVERIFY(help);
        QCOMPARE(help->parentWidget(), &owner);
        title = help->lblTitolo->text();
        blocks = blocksOf(*help->txtGuida);
    };
    MostraGuida(&owner, QStringLiteral("Un argomento."), QStringLiteral("Primo paragrafo.\r\n\r\nSecondo, pi\u00f9 breve."));
    QCOMPARE(m_platform->modal.shownTitles, QStringList(" Guida all'utilizzo del software"));
    QCOMPARE(title, QStringLiteral("Un argomento."));
    QCOMPARE(blocks, QStringList({"Primo paragrafo.", "", "Secondo, pi\u00f9 breve."}));
    QVERIFY(opened.isNull());
}

void TestInfo::longTopicScrolls_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("the overview") << helpTopic(HelpTopicId::Sguardo).text << true;
    QTest::newRow("one short paragraph") << "Una riga sola." << false;
}

void TestInfo::longTopicScrolls()
{
    QFETCH(QString, text);
    QFETCH(bool, scrolls);
    int maximum = -1;
    m_platform->modal.inside = [&](QDialog& dialog) {
        maximum = qobject_cast<TfrmGuida*>(&dialog)->txtGuida->verticalScrollBar()->maximum();
    };
    MostraGuida(nullptr, QStringLiteral("Titolo."), text);
    QVERIFY(maximum >= 0);
    QCOMPARE(maximum > 0, scrolls);
}

// ---- What the links hand to the desktop --------------------------------------

void TestInfo::linksHandOver_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("handle");
    QTest::addColumn<QByteArray>("expected");  // %1: the program folder
    const QByteArray web = maker::webAddress.toUtf8();
    const QByteArray mail = "mailto:" + maker::emailAddress.toUtf8()
                            + "?subject=Software%20Memora&body=Salve,%20desidererei%20avere%20le%20seguenti%20"
                              "informazioni%20sul%20software%20in%20oggetto:";
    QTest::newRow("home, maker's bar") << "TfrmAvvio" << "imgMivrenaSoftware" << web;
    QTest::newRow("splash, link") << "TfrmSplash" << "lnkWeb" << web;
    QTest::newRow("splash, globe") << "TfrmSplash" << "picture" << web;
    QTest::newRow("information, link") << "TfrmInfo" << "lnkWeb" << mail;
    QTest::newRow("information, envelope") << "TfrmInfo" << "picture" << mail;
    QTest::newRow("help, link") << "TfrmGuida" << "lnkWeb" << QByteArray("file://%1/Guida.pdf");
    QTest::newRow("help, PDF icon") << "TfrmGuida" << "picture" << QByteArray("file://%1/Guida.pdf");
}

void TestInfo::linksHandOver()
{
    QFETCH(QString, window);
    QFETCH(QString, handle);
    QFETCH(QByteArray, expected);
    writeFile(m_platform->directory() + QStringLiteral("/Guida.pdf"));
    if (window == QLatin1String("TfrmAvvio")) {
        TfrmAvvio home;
        home.show();
        QTest::mouseClick(home.imgMivrenaSoftware, Qt::LeftButton);
    } else {
        const std::unique_ptr<LinkWindow> shown = makeLinkWindow(window);
        shown->show();
        QTest::mouseClick(linkHandle(*shown, handle), Qt::LeftButton);
    }
    QCOMPARE(m_platform->desktop.opened.size(), 1);
    QCOMPARE(m_platform->desktop.opened.first().toEncoded(), inDirectory(QString::fromUtf8(expected)).toUtf8());
    QVERIFY(m_platform->messages.shown.isEmpty());
}

// The mail program receives the subject and the body exactly, blanks included.
void TestInfo::mailLinkCarriesSubjectAndBody()
{
    TfrmInfo info;
    info.show();
    QTest::mouseClick(info.lnkWeb, Qt::LeftButton);
    QCOMPARE(m_platform->desktop.opened.size(), 1);
    const QUrl mail = m_platform->desktop.opened.first();
    QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
    QCOMPARE(mail.path(), maker::emailAddress);
    const QUrlQuery query(mail);
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("Software Memora"));
    QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), mailBody);
    QVERIFY(!mail.toEncoded().contains(' '));
}

void TestInfo::missingGuideOpensNothing_data()
{
    QTest::addColumn<QString>("handle");
    QTest::newRow("link") << "lnkWeb";
    QTest::newRow("PDF icon") << "picture";
}

void TestInfo::missingGuideOpensNothing()
{
    QFETCH(QString, handle);
    TfrmGuida help;
    help.show();
    QTest::mouseClick(linkHandle(help, handle), Qt::LeftButton);
    QVERIFY(m_platform->desktop.opened.isEmpty());
    QVERIFY(m_platform->messages.shown.isEmpty());
    QVERIFY(help.isVisible());
}

void TestInfo::openRemovesShellQuotes_data()
{
    QTest::addColumn<QString>("existing");  // a file made in the program folder first
    QTest::addColumn<QString>("text");      // %1: the program folder
    QTest::addColumn<QByteArray>("expected");  // empty: nothing handed over
    QTest::newRow("quoted path with blanks") << "Le mie scadenze.xls" << "\"%1/Le mie scadenze.xls\""
                                             << QByteArray("file://%1/Le%20mie%20scadenze.xls");
    QTest::newRow("unquoted path") << "Guida.pdf" << "%1/Guida.pdf" << QByteArray("file://%1/Guida.pdf");
    QTest::newRow("accented file name") << "Perch\u00e9.xls" << "\"%1/Perch\u00e9.xls\""
                                        << QByteArray("file://%1/Perch%C3%A9.xls");
    QTest::newRow("quoted mailto") << "" << "\"mailto:mario.rossi@posta.example\""
                                   << QByteArray("mailto:mario.rossi@posta.example");
    QTest::newRow("mailto with accents") << "" << "\"mailto:a@posta.example?subject=Citt\u00e0 e perch\u00e9\""
                                         << QByteArray("mailto:a@posta.example?subject=Citt%C3%A0%20e%20perch%C3%A9");
    QTest::newRow("web address") << "" << "https://www.memora.example/" << QByteArray("https://www.memora.example/");
    QTest::newRow("quoted missing file") << "" << "\"%1/Manca.pdf\"" << QByteArray();
    QTest::newRow("empty quotes") << "" << "\"\"" << QByteArray();
    QTest::newRow("empty text") << "" << "" << QByteArray();
}

void TestInfo::openRemovesShellQuotes()
{
    QFETCH(QString, existing);
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    if (!existing.isEmpty())
        writeFile(QDir(m_platform->directory()).filePath(existing));
    TMisc::Open(inDirectory(text));
    QList<QByteArray> opened;
    for (const QUrl& url : m_platform->desktop.opened)
        opened << url.toEncoded();
    QCOMPARE(opened, expected.isEmpty() ? QList<QByteArray>() : QList{inDirectory(QString::fromUtf8(expected)).toUtf8()});
    QVERIFY(m_platform->messages.shown.isEmpty());
}

void TestInfo::linkFeedback_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("handle");
    QTest::addColumn<bool>("releaseInside");
    for (const char* window : {"TfrmGuida", "TfrmInfo", "TfrmSplash"}) {
        for (const char* handle : {"lnkWeb", "picture"}) {
            QTest::addRow("%s, %s, released on it", window, handle) << window << handle << true;
            QTest::addRow("%s, %s, released elsewhere", window, handle) << window << handle << false;
        }
    }
}

// Orange while held, dark blue on release; a release away from the link is no
// click and opens nothing.
void TestInfo::linkFeedback()
{
    QFETCH(QString, window);
    QFETCH(QString, handle);
    QFETCH(bool, releaseInside);
    writeFile(m_platform->directory() + QStringLiteral("/Guida.pdf"));
    const std::unique_ptr<LinkWindow> shown = makeLinkWindow(window);
    shown->show();
    QAbstractButton* target = linkHandle(*shown, handle);
    QTest::mousePress(target, Qt::LeftButton);
    QCOMPARE(shown->lnkWeb->colour(), linkPressedColour);
    QTest::mouseRelease(target, Qt::LeftButton, {}, releaseInside ? target->rect().center() : QPoint(-30, -30));
    QCOMPARE(shown->lnkWeb->colour(), linkColour);
    QCOMPARE(m_platform->desktop.opened.size(), releaseInside ? 1 : 0);
}

// ---- The home window's buttons -----------------------------------------------

void TestInfo::homeButtonsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("overOpener");  // centred on the home window, else on the screen
    QTest::newRow("help") << "imgGuida" << " Guida all'utilizzo del software" << false;
    QTest::newRow("information") << "imgInfo" << " Informazioni su Memora" << false;
    QTest::newRow("splash") << "imgCopyright" << QStringLiteral(" Memora - ") + maker::name << true;
}

// The window opens modally over the home window; closing it neither rebuilds
// the home list nor replays the alert.
void TestInfo::homeButtonsOpenTheirWindows()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(bool, overOpener);
    writeFile(m_platform->directory() + QStringLiteral("/Avviso.mp3"));
    writeArchive(m_platform->archive(), {makeCard("09/03/2014")});
    TfrmAvvio home;
    home.show();
    home.move(0, 0);
    QCOMPARE(home.lstRecords->lines().entries().size(), 1);
    QCOMPARE(m_platform->sound.plays, 1);
    writeArchive(m_platform->archive(), {makeCard("09/03/2014"), makeCard("10/03/2014")});

    QPointer<QDialog> opened;
    QWidget* parent = nullptr;
    QPoint centre;
    QString topicTitle;
    m_platform->modal.inside = [&](QDialog& dialog) {
        opened = &dialog;
        parent = dialog.parentWidget();
        centre = dialog.frameGeometry().center();
        if (auto* help = qobject_cast<TfrmGuida*>(&dialog))
            topicTitle = help->lblTitolo->text();
    };
    QTest::mouseClick(homeButton(home, button), Qt::LeftButton);

    QCOMPARE(m_platform->modal.shownTitles, QStringList(caption));
    QCOMPARE(parent, &home);
    QVERIFY(opened.isNull());
    if (button == QLatin1String("imgGuida"))
        QCOMPARE(topicTitle, QStringLiteral("Uno sguardo a Memora."));
    const QPoint expectedCentre = overOpener ? home.frameGeometry().center() : home.screen()->availableGeometry().center();
    // A window is placed before its first showing, when the width of its frame
    // is not known yet: allow for the frame.
    QVERIFY((centre - expectedCentre).manhattanLength() <= 8);

    QCOMPARE(home.lstRecords->lines().entries().size(), 1);
    QCOMPARE(m_platform->sound.loaded.size(), 1);
    QCOMPARE(m_platform->sound.plays, 1);
    QVERIFY(m_platform->desktop.opened.isEmpty());
}

// ---- The user guide ------------------------------------------------------------

// Every topic appears in the guide as its title followed by its paragraphs,
// in the order of the topics.
void TestInfo::guideSaysWhatHelpSays()
{
    const QString guide = guideDocument()->toPlainText();
    qsizetype from = 0;
    for (const HelpTopicId id : helpTopicIds) {
        const HelpTopic topic = helpTopic(id);
        const qsizetype at = guide.indexOf(topic.title + u'\n' + paragraphs(topic).join(u'\n'), from);
        QVERIFY2(at >= 0, qPrintable(topic.title));
        from = at + topic.title.size();
    }
}

void TestInfo::builtGuideIsComplete()
{
    QFile guide(QStringLiteral(BUILT_GUIDE));
    QVERIFY(guide.open(QIODevice::ReadOnly));
    const QByteArray bytes = guide.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    // A cover, and every topic from a page of its own.
    QVERIFY(bytes.count("/Type /Page") - bytes.count("/Type /Pages") >= 1 + int(std::size(helpTopicIds)));
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {memora::test::makeTest<TestInfo>});
}

#include "tst_info.moc"
