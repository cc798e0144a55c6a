// The maker of Memora and where to reach it, held here and nowhere else.
//
// The product has no public site yet, so both addresses sit under the reserved
// ".example" domain. CHANGE THEM HERE once the maker's real addresses exist;
// the home window, the information window, the splash window and the guide
// all read them from this file.
#pragma once

#include <QString>
#include <QUrl>

namespace memora::maker {

inline const QString name = QStringLiteral("Memora Software");
inline const QString webAddress = QStringLiteral("https://www.memora.example/");
inline const QString emailAddress = QStringLiteral("info@memora.example");

// The web address as a person reads it, without scheme and trailing slash.
inline QString webAddressShown() { return QUrl(webAddress).host(); }

}  // namespace memora::maker
