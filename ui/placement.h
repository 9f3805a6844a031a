#pragma once

#include <QLatin1String>
#include <QRect>

namespace vesmarot::ui {

// Names a control by its design name and puts it where the design (in twips, converted) says.
template <typename Widget>
Widget* Place(Widget* widget, const char* designName, QRect rect) {
    widget->setObjectName(QLatin1String(designName));
    widget->setGeometry(rect);
    return widget;
}

}  // namespace vesmarot::ui
