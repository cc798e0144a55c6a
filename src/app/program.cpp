#include "app/program.h"

#include "app/home_window.h"
#include "editor/card_editor.h"
#include "editor/date_picker.h"
#include "export/export_view.h"
#include "info/help_window.h"
#include "info/info_window.h"
#include "info/splash_window.h"
#include "print/card_print_windows.h"
#include "summaries/search_window.h"
#include "summaries/status_summaries.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace memora {

Program::Program() : m_home(std::make_unique<TfrmAvvio>())
{
    m_others.push_back(std::make_unique<TfrmGuida>());
    m_others.push_back(std::make_unique<TfrmInfo>());
    m_others.push_back(std::make_unique<TfrmSplash>());
    auto editor = std::make_unique<TfrmArchivio_Scadenze>();
    editor->setHome(m_home.get());
    m_home->setEditor(editor.get());
    TfrmArchivio_Scadenze* currentCard = editor.get();
    m_others.push_back(std::move(editor));
    m_others.push_back(std::make_unique<TfrmCalendario>(nullptr, currentCard));
    m_others.push_back(std::make_unique<TfrmExpImminenti>());
    m_others.push_back(std::make_unique<TfrmExpGiornaliere>());
    m_others.push_back(std::make_unique<TfrmExpMensili>());
    m_others.push_back(std::make_unique<TfrmExpScadenzario>());
    m_others.push_back(std::make_unique<TfrmConfermati>());
    m_others.push_back(std::make_unique<TfrmScaduti>());
    m_others.push_back(std::make_unique<TfrmAssolti>());
    m_others.push_back(std::make_unique<TfrmTrovaScadenze>());
    m_others.push_back(std::make_unique<TfrmStampaScadenza>());
    m_others.push_back(std::make_unique<TfrmStartup>());
}

Program::~Program() = default;

void useItalian()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

}  // namespace memora
