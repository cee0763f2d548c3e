#include "platform/ui/OverlayPanel.h"

#include "platform/foundation/Accessible.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Alerts and action sheets ask for the user's attention: assistive technology hears them
// as alerts, with their text as the description, and reads them out when they appear.
class OverlayPanelAccessible : public QAccessibleWidget {
public:
    explicit OverlayPanelAccessible(QWidget* panel) : QAccessibleWidget(panel, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        // An action sheet's only text is its title.
        return t == QAccessible::Description && own.isEmpty() ? QAccessibleWidget::text(QAccessible::Name) : own;
    }
};

} // namespace

OverlayPanel::OverlayPanel(const QString& name, const QString& title)
{
    useAccessibleInterface<OverlayPanel, OverlayPanelAccessible>();
    setObjectName(name);
    setFrameShape(QFrame::StyledPanel);
    setAttribute(Qt::WA_StyledBackground, true);
    setAccessibleName(title);
    column_ = new QVBoxLayout(this);
    auto* t = new QLabel(title, this);
    t->setObjectName(name + QStringLiteral("Title"));
    t->setTextFormat(Qt::PlainText);
    t->setAlignment(Qt::AlignCenter);
    t->setWordWrap(true);
    column_->addWidget(t);
}

void OverlayPanel::showOver(QWidget* host, const std::function<void(int hostWidth)>& fit,
                            const std::function<QPoint(const QSize& host, const QSize& own)>& place)
{
    setParent(host);
    fit(host->width());
    adjustSize();
    move(place(host->size(), size()));
    QFrame::show();
    raise();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
