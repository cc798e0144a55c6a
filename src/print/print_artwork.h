// The pictures of the print windows, drawn in code.
#pragma once

#include "widgets/picture.h"

#include <QString>

namespace memora::art {

// A heading: a title in bold over a line of explanation.
Artwork heading(const QString& title, const QString& line);
// A printer; with a magnifier over its sheet for the preview.
Artwork printer(bool magnifier);

}  // namespace memora::art
