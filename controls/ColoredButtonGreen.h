#pragma once
// The green styled button: greenButton.png, greenButtonHighlight.png, a white title with
// a faint black shadow.

#include "controls/ColoredButton.h"

class ColoredButtonGreen final : public ColoredButton {
    Q_OBJECT
public:
    explicit ColoredButtonGreen(QWidget* parent = nullptr);
    explicit ColoredButtonGreen(const QRect& frame, QWidget* parent = nullptr);

    QString buttonImageName() const override;
    QColor defaultTextColor() const override;
    QColor dropShadowTextColor() const override;
};
