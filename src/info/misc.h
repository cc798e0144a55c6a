// TMisc::Open, the desktop's open verb for web addresses, "mailto:" links and
// files, used by every window that hands something to the desktop.
#pragma once

#include <QString>

namespace memora {

class TMisc {
public:
    // Hands the text to the desktop's open service. A text enclosed in double
    // quotes, as a shell would want it, is opened without them. A text
    // with a scheme ("https:", "mailto:") is a URL, whose blanks and accents
    // the URL layer percent-encodes; any other text is a file path. A file
    // that does not exist, or an empty text, opens nothing. Nothing is ever
    // reported: the desktop's result is not looked at.
    static void Open(const QString& text);
};

}  // namespace memora
