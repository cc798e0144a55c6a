// Printing on the system's printers, and the preview window on screen: the
// running program's printing service.
#pragma once

#include "platform/platform.h"

#include <memory>

namespace memora {

std::unique_ptr<Printing> makeSystemPrinting();

}  // namespace memora
