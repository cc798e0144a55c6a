// The program's windows, created once at start-up in a fixed order with the
// home window first. Of these only the home window and the card editor are
// ever shown; every other window is opened as a new instance by its button.
#pragma once

#include <QWidget>

#include <memory>
#include <vector>

namespace memora {

class TfrmAvvio;

class Program {
public:
    Program();
    ~Program();

    TfrmAvvio& home() { return *m_home; }

private:
    std::unique_ptr<TfrmAvvio> m_home;
    std::vector<std::unique_ptr<QWidget>> m_others;  // in creation order
};

// Qt's own dialogs (message-box buttons, the print dialog) in Italian, and
// Italian as the default locale for calendars and number formats.
void useItalian();

}  // namespace memora
