#include "controls/ColoredButton.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Images.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

ColoredButton::ColoredButton(QWidget* parent) : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover, true);
}

ColoredButton::ColoredButton(const QRect& frame, QWidget* parent) : ColoredButton(parent)
{
    setGeometry(frame);
}

void ColoredButton::setup()
{
    ++setupCount_;
    const QString normalName = stringWithFormat("%@Button.png", buttonImageName());
    const QString highlightName = stringWithFormat("%@ButtonHighlight.png", buttonImageName());
    // A missing image leaves its states without a background of their own.
    const QString normalImage = imageResourcePath(normalName);
    const QString highlightImage = imageResourcePath(highlightName);
    constexpr qreal caps = 18.0;

    setBackgroundImage(normalImage, caps, ControlState::Normal);
    setBackgroundImage(highlightImage, caps, ControlState::Highlighted);
    setBackgroundImage(highlightImage, caps, ControlState::Disabled);

    setTitleColor(defaultTextColor(), ControlState::Normal);
    QColor highlightedTitle = defaultTextColor();
    highlightedTitle.setAlphaF(0.5f);
    setTitleColor(highlightedTitle, ControlState::Highlighted);

    setTitleShadowColor(dropShadowTextColor(), ControlState::Normal);
    QColor highlightedShadow = dropShadowTextColor();
    highlightedShadow.setAlphaF(0.5f);
    setTitleShadowColor(highlightedShadow, ControlState::Highlighted);

    shadowOffset_ = QSizeF(0, -1.0);
    restyle();
}

void ColoredButton::setBackgroundImage(const QString& imagePath, qreal capInsets, ControlState state)
{
    if (imagePath.isEmpty()) {
        images_.erase(state);
        return;
    }
    images_[state] = imagePath;
    capInsets_ = capInsets;
}

void ColoredButton::setTitleColor(const QColor& color, ControlState state)
{
    titleColors_[state] = color;
    update();
}

void ColoredButton::setTitleShadowColor(const QColor& color, ControlState state)
{
    shadowColors_[state] = color;
    update();
}

std::optional<QString> ColoredButton::backgroundImageForState(ControlState state) const
{
    auto it = images_.find(state);
    return it == images_.end() ? std::nullopt : std::optional<QString>(it->second);
}

std::optional<QColor> ColoredButton::titleColorForState(ControlState state) const
{
    auto it = titleColors_.find(state);
    return it == titleColors_.end() ? std::nullopt : std::optional<QColor>(it->second);
}

std::optional<QColor> ColoredButton::titleShadowColorForState(ControlState state) const
{
    auto it = shadowColors_.find(state);
    return it == shadowColors_.end() ? std::nullopt : std::optional<QColor>(it->second);
}

ControlState ColoredButton::state() const
{
    if (!isEnabled())
        return ControlState::Disabled;
    return isDown() ? ControlState::Highlighted : ControlState::Normal;
}

void ColoredButton::restyle()
{
    // The resizable images become border-image slices: the caps keep their natural size
    // and the middle stretches.
    auto rule = [this](const QString& selector, ControlState state) -> QString {
        const auto image = backgroundImageForState(state);
        if (!image)
            return {};
        return QStringLiteral("%1 { border-image: url(%2) %3 %3 %3 %3 stretch stretch; border-width: %3px; "
                              "border-radius: 0px; margin: 0px; padding: 0px; background: transparent; }\n")
            .arg(selector, *image)
            .arg(capInsets_);
    };
    setStyleSheet(rule(QStringLiteral("ColoredButton"), ControlState::Normal)
                  + rule(QStringLiteral("ColoredButton:pressed"), ControlState::Highlighted)
                  + rule(QStringLiteral("ColoredButton:disabled"), ControlState::Disabled)
                  + QStringLiteral("ColoredButton { font-weight: 600; }\n"));
}

void ColoredButton::paintEvent(QPaintEvent*)
{
    // The background comes from the style sheet; the title is drawn here because style
    // sheets know no text shadow.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString title = option.text;
    option.text.clear();
    option.icon = QIcon();
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);

    const ControlState current = state();
    std::optional<QColor> color = titleColorForState(current);
    std::optional<QColor> shadow = titleShadowColorForState(current);
    if (!color) {
        // A state without colours of its own: the title is the normal one, dimmed, and
        // casts no shadow.
        QColor derived = titleColorForState(ControlState::Normal).value_or(palette().color(QPalette::ButtonText));
        derived.setAlphaF(derived.alphaF() * 0.4f);
        color = derived;
        shadow.reset();
    }
    const QRect area = rect();
    if (shadow) {
        painter.setPen(*shadow);
        painter.drawText(area.translated(qRound(shadowOffset_.width()), qRound(shadowOffset_.height())),
                         Qt::AlignCenter | Qt::TextShowMnemonic, title);
    }
    painter.setPen(*color);
    painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic, title);

    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(area).adjusted(1, 1, -1, -1), 8, 8);
    }
}
