#include "about/about_box.h"

#include "app/application_title.h"

TForm3::TForm3() {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8(ApplicationTitle) + QStringLiteral(" - About"));
    setModal(true);
}
