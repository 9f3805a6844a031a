#include "ui/placement.h"

#include <QWidget>

#include "ui/fonts.h"
#include "ui/program_icon.h"

namespace vesmarot::ui {

void DesignWindow(QWidget* window, const char* designName, const QString& title,
                  const QString& spokenTitle, QSize size) {
    window->setObjectName(QLatin1String(designName));
    window->setWindowTitle(title);
    window->setAccessibleName(spokenTitle);
    window->setWindowIcon(ProgramIcon());
    window->setFont(WindowFont());
    window->setFixedSize(size);
}

}  // namespace vesmarot::ui
