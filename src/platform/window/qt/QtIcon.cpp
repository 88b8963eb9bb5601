// The program's icon resources from their PNG images, the message icons from Qt's style.
#include "platform/window/qt/QtIcon.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

#include "platform/window/Resources.h"

namespace platform {

QIcon ToQIcon(const Icon& icon) {
    if (const IconResource* resource = Resources::Icon(icon.ResourceId())) {
        QIcon qicon;
        for (const auto& png : resource->pngImages) {
            QPixmap pixmap;
            if (pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG")) {
                qicon.addPixmap(pixmap);
            }
        }
        return qicon;
    }
    QStyle* style = QApplication::style();
    switch (icon.System()) {
        case SystemIcon::Stop:
            return style->standardIcon(QStyle::SP_MessageBoxCritical);
        case SystemIcon::Exclamation:
            return style->standardIcon(QStyle::SP_MessageBoxWarning);
        case SystemIcon::Information:
            return style->standardIcon(QStyle::SP_MessageBoxInformation);
        case SystemIcon::None:
            break;
    }
    return {};
}

}  // namespace platform
