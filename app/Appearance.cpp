#include "app/Appearance.h"
#include "platform/foundation/Images.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QFile>
#include <QPalette>
#include <QPixmap>
#include <QPointer>

#include <algorithm>
#include <cmath>

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

double luminance(const QColor& c)
{
    auto channel = [](float v) { return v <= 0.04045f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The theme's highlight, darkened (or lightened) just enough for its highlighted text to
// read at 4.5:1: many themes' blue is a little light for white text.
QColor readableHighlight(const QPalette& palette)
{
    QColor highlight = palette.color(QPalette::Highlight);
    const QColor text = palette.color(QPalette::HighlightedText);
    const bool darken = luminance(text) > luminance(highlight);
    for (int i = 0; i < 40 && contrast(highlight, text) < 4.5; ++i)
        highlight = darken ? highlight.darker(105) : highlight.lighter(105);
    return highlight;
}

// The sheet's palette() colours are taken when it is applied: a desktop that changes its
// theme (light to dark) while we run gets the sheet applied again over the new palette.
class PaletteFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp && !reapplying_) {
            reapplying_ = true;
            qApp->setStyleSheet(styleSheet());
            reapplying_ = false;
        }
        return false;
    }

private:
    bool reapplying_ = false;
};

} // namespace

QString styleSheet()
{
    QString sheet;
    QFile base(QStringLiteral(":/style/quorvel.qss"));
    if (base.open(QIODevice::ReadOnly))
        sheet = QString::fromUtf8(base.readAll());
    sheet.replace(QLatin1String("palette(highlight)"), readableHighlight(QGuiApplication::palette()).name());
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
    static QPointer<PaletteFollower> follower;
    if (!follower) {
        follower = new PaletteFollower(qApp);
        qApp->installEventFilter(follower);
    }
    qApp->setStyleSheet(styleSheet());
}

} // namespace Appearance
