#pragma once
// Image-backed buttons: each variant names a pair of resizable images and the colours of
// its title and the title's shadow.

#include <QColor>
#include <QPushButton>
#include <QSizeF>
#include <QString>
#include <map>
#include <optional>

enum class ControlState { Normal = 0, Highlighted = 1, Disabled = 2 };

class ColoredButton : public QPushButton {
    Q_OBJECT
public:
    // Applies the variant's images, title colours and shadow. Run once per button by the
    // variant's constructors: a base constructor cannot reach the variant's values yet.
    void setup();

    virtual QString buttonImageName() const = 0;
    virtual QColor defaultTextColor() const = 0;
    virtual QColor dropShadowTextColor() const = 0;

    // The values per state that setup fixed; a state without a value has none of its own.
    std::optional<QString> backgroundImageForState(ControlState state) const;
    std::optional<QColor> titleColorForState(ControlState state) const;
    std::optional<QColor> titleShadowColorForState(ControlState state) const;
    QSizeF titleShadowOffset() const { return shadowOffset_; }
    ControlState state() const;
    // How many times setup has run on this button.
    int setupCount() const { return setupCount_; }

protected:
    // Creation from the screen layout.
    explicit ColoredButton(QWidget* parent = nullptr);
    // Creation in code with a frame.
    explicit ColoredButton(const QRect& frame, QWidget* parent = nullptr);

    void paintEvent(QPaintEvent* event) override;

private:
    // The image is a resource path; capInsets are the slices kept at their natural size.
    void setBackgroundImage(const QString& imagePath, qreal capInsets, ControlState state);
    void setTitleColor(const QColor& color, ControlState state);
    void setTitleShadowColor(const QColor& color, ControlState state);
    void restyle();

    std::map<ControlState, QString> images_;
    std::map<ControlState, QColor> titleColors_;
    std::map<ControlState, QColor> shadowColors_;
    qreal capInsets_ = 0;
    QSizeF shadowOffset_;
    int setupCount_ = 0;
};
