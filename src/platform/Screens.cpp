#include "platform/Screens.h"

#include <QWidget>

void Screens::show(QWidget& window, const DisplayInfo& display, Placement placement) {
    switch (placement) {
    case Placement::cover:
        window.setGeometry(display.geometry);
        break;
    case Placement::bottomCentre: {
        const QRect area = display.availableGeometry;
        const QSize size = window.size();
        window.move(area.center().x() + 1 - size.width() / 2,
                    area.bottom() + 1 - 80 - size.height());
        break;
    }
    }
    window.show();
}
