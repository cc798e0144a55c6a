#include "widgets/keys.h"

#include <QKeyEvent>

namespace memora {

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool isEnterPress(const QEvent* event)
{
    return event->type() == QEvent::KeyPress && isEnterKey(static_cast<const QKeyEvent*>(event)->key());
}

}  // namespace memora
