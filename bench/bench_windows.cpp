#include "bench_windows.h"

#include "app/home_window.h"

#include <QPixmap>

namespace memora::bench {

namespace {

// Shows a window and paints it once, as the first frame on screen.
void showAndPaint(QWidget& window)
{
    window.show();
    const QPixmap frame = window.grab();
    if (frame.isNull())
        qFatal("nothing painted");
}

}  // namespace

std::vector<WindowMeasure> windowMeasures()
{
    return {
        {QStringLiteral("home window: created, filled, painted"), [] {
             TfrmAvvio home;
             showAndPaint(home);
         }},
    };
}

}  // namespace memora::bench
