// Loading icon resources and the system's message icons.
#include "platform/IconLoader.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

#include "platform/Resources.h"

namespace platform {

Icon Icon::FromResource(int resourceId) {
    Icon icon;
    if (Resources::Icon(resourceId) != nullptr) {
        icon.resourceId = resourceId;
    }
    return icon;
}

Icon Icon::FromSystem(SystemIcon which) {
    Icon icon;
    icon.system = which;
    return icon;
}

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
