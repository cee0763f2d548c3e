#include "platform/foundation/TouchScreen.h"

#include <QApplication>
#include <algorithm>
#include <QEvent>
#include <QPointer>
#include <QPointerEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScroller>
#include <QStyleHints>

void enableTouchScrolling(QAbstractScrollArea* area)
{
    QScroller::grabGesture(area->viewport(), QScroller::TouchGesture);
    // Past the ends the page springs back only when it can scroll that way at all.
    QScrollerProperties properties = QScroller::scroller(area->viewport())->scrollerProperties();
    // A finger that moves no further than a tap may is still tapping, not scrolling. The
    // scroller measures in metres on the screen.
    if (const QScreen* screen = area->screen(); screen && screen->physicalDotsPerInch() > 0)
        properties.setScrollMetric(QScrollerProperties::DragStartDistance,
                                   fingerTapSlack() * 0.0254 / screen->physicalDotsPerInch());
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                               QVariant::fromValue(QScrollerProperties::OvershootWhenScrollable));
    properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
                               QVariant::fromValue(QScrollerProperties::OvershootWhenScrollable));
    QScroller::scroller(area->viewport())->setScrollerProperties(properties);
}

namespace {

class FocusKeeper : public QObject {
public:
    explicit FocusKeeper(QScrollArea* area) : QObject(area), area_(area)
    {
        area->viewport()->installEventFilter(this);
        // The page itself grows too, when a line appears above the field.
        if (area->widget())
            area->widget()->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { show(now); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && (watched == area_->viewport() || watched == area_->widget()))
            // The window's own, which it keeps while another window is active.
            show(area_->window()->focusWidget());
        return false;
    }

private:
    void show(QWidget* focused)
    {
        if (!focused || !area_->widget() || !area_->widget()->isAncestorOf(focused))
            return;
        // The whole field where it fits; a taller one (a long message) at least where the
        // text cursor is.
        constexpr int margin = 8;
        const QRect whole(focused->mapTo(area_->widget(), QPoint(0, 0)), focused->size());
        const QSize port = area_->viewport()->size();
        if (whole.height() + 2 * margin <= port.height())
            area_->ensureVisible(whole.center().x(), whole.center().y(), std::min(whole.width() / 2 + margin, port.width() / 2),
                                 whole.height() / 2 + margin);
        else
            area_->ensureWidgetVisible(focused, margin, margin);
    }

    QPointer<QScrollArea> area_;
};

} // namespace

void keepFocusInView(QScrollArea* area)
{
    new FocusKeeper(area);
}

void makePage(QScrollArea* area)
{
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    // Up and down only: the page is as wide as the window, as it always was.
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (area->widget())
        area->widget()->setMinimumWidth(1);
    enableTouchScrolling(area);
    keepFocusInView(area);
}

QScrollArea* scrollingPage(QWidget* content, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setWidget(content);
    makePage(area);
    return area;
}

int fingerTapSlack()
{
    return 2 * QGuiApplication::styleHints()->startDragDistance();
}

int tapSlack(const QPointerEvent* event)
{
    const bool finger = event && event->pointingDevice()
                        && event->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen;
    return finger ? fingerTapSlack() : QGuiApplication::styleHints()->startDragDistance();
}

bool isPhoneSizedScreen(const QWidget* widget)
{
    const QScreen* screen = widget->screen();
    if (!screen)
        return false;
    const QSize size = screen->availableSize();
    return std::min(size.width(), size.height()) <= 480 && std::max(size.width(), size.height()) <= 960;
}

void showFitting(QWidget* window)
{
    if (isPhoneSizedScreen(window))
        window->showMaximized();
    else
        window->show();
}
