#include "controls/ColoredButtonGreen.h"

ColoredButtonGreen::ColoredButtonGreen(QWidget* parent) : ColoredButton(parent)
{
    setup();
}

ColoredButtonGreen::ColoredButtonGreen(const QRect& frame, QWidget* parent) : ColoredButton(frame, parent)
{
    setup();
}

QString ColoredButtonGreen::buttonImageName() const
{
    return QStringLiteral("green");
}

QColor ColoredButtonGreen::defaultTextColor() const
{
    return QColor(255, 255, 255);
}

QColor ColoredButtonGreen::dropShadowTextColor() const
{
    QColor c(0, 0, 0);
    c.setAlphaF(0.36f);
    return c;
}
