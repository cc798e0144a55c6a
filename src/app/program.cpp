#include "app/program.h"

#include "app/home_window.h"
#include "info/help_window.h"
#include "info/info_window.h"
#include "info/splash_window.h"
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
    m_others.push_back(std::make_unique<TfrmConfermati>());
    m_others.push_back(std::make_unique<TfrmScaduti>());
    m_others.push_back(std::make_unique<TfrmAssolti>());
    m_others.push_back(std::make_unique<TfrmTrovaScadenze>());
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
