#include "app/Appearance.h"
#include "platform/foundation/Images.h"

#include <QApplication>
#include <QFile>

namespace Appearance {

namespace {

// A resizable image as a style sheet rule: the caps (top, left, bottom, right) keep their
// natural size and the middle stretches.
QString resizable(const QString& selector, const QString& image, int top, int left, int bottom, int right)
{
    const QString path = imageResourcePath(image);
    if (path.isEmpty())
        return {};
    return QStringLiteral("%1 { border-image: url(%2) %3 %4 %5 %6 stretch stretch; border-width: %3px %4px %5px %6px; }\n")
        .arg(selector, path)
        .arg(top).arg(right).arg(bottom).arg(left);
}

} // namespace

QString styleSheet()
{
    QString sheet;
    QFile base(QStringLiteral(":/style/quorvel.qss"));
    if (base.open(QIODevice::ReadOnly))
        sheet = QString::fromUtf8(base.readAll());
    const QString navbar = imageResourcePath(QStringLiteral("navbar_bg"));
    if (!navbar.isEmpty())
        sheet += QStringLiteral("NavigationBar { border-image: url(%1) 0 0 0 0 stretch stretch; }\n").arg(navbar);
    sheet += QStringLiteral("NavigationBar QLabel#navTitle { color: rgba(255, 255, 255, 255); "
                            "font-family: \"HelveticaNeue-Medium\", \"Helvetica Neue\", \"DejaVu Sans\"; "
                            "font-size: 21px; font-weight: 500; }\n");
    sheet += resizable(QStringLiteral("QPushButton[backButton=\"true\"]"), QStringLiteral("button_back"), 0, 13, 0, 6);
    sheet += resizable(QStringLiteral("QPushButton[barButton=\"true\"]"), QStringLiteral("button_normal"), 0, 6, 0, 6);
    return sheet;
}

void apply()
{
    qApp->setStyleSheet(styleSheet());
}

} // namespace Appearance
