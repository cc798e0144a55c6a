#include "app/program.h"

#include "app/home_window.h"
#include "info/help_window.h"
#include "info/info_window.h"
#include "info/splash_window.h"
#include "print/card_print_windows.h"

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
