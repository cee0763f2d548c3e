#include "platform/ui/AlertView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AlertView::AlertView(const QString& title, const QString& message, AlertViewDelegate* delegate,
                     const QString& cancelButtonTitle, const QStringList& otherButtonTitles)
    : OverlayPanel(QStringLiteral("alert"), title), title_(title), message_(message), delegate_(delegate)
{
    if (!cancelButtonTitle.isNull())
        buttons_.append(cancelButtonTitle);
    buttons_.append(otherButtonTitles);
    setAccessibleDescription(message);
    QVBoxLayout* layout = column();
    auto* m = new QLabel(message, this);
    m->setObjectName(QStringLiteral("alertMessage"));
    // Messages quote recipients and servers' answers: never markup.
    m->setTextFormat(Qt::PlainText);
    m->setAlignment(Qt::AlignCenter);
    m->setWordWrap(true);
    m->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m);
    auto* row = new QHBoxLayout;
    for (int i = 0; i < buttons_.size(); ++i) {
        auto* b = new QPushButton(buttons_.at(i), this);
        b->setAccessibleName(buttons_.at(i));
        connect(b, &QPushButton::clicked, this, [this, i] { clickButtonAtIndex(i); });
        row->addWidget(b);
        if (i == 0)
            b->setDefault(true);
    }
    layout->addLayout(row);
}

void AlertView::show()
{
    AlertPresenter::shared().present(this);
}

void AlertView::clickButtonAtIndex(int index)
{
    AlertPresenter::shared().remove(this);
    if (delegate_)
        delegate_->alertViewClickedButtonAtIndex(this, index);
    deleteLater();
}

AlertPresenter& AlertPresenter::shared()
{
    static AlertPresenter presenter;
    return presenter;
}

QList<AlertView*> AlertPresenter::visibleAlerts() const
{
    return alerts_.visible();
}

AlertView* AlertPresenter::topAlert() const
{
    return alerts_.top();
}

void AlertPresenter::dismissAll()
{
    for (AlertView* a : visibleAlerts())
        a->clickButtonAtIndex(0);
}

void AlertPresenter::present(AlertView* alert)
{
    alerts_.append(alert);
    // Over the active window, centred; without a window the alert is only recorded.
    QWidget* host = QApplication::activeWindow();
    if (!host) {
        const auto tops = QApplication::topLevelWidgets();
        for (QWidget* w : tops)
            if (w->isVisible() && !qobject_cast<AlertView*>(w)) { host = w; break; }
    }
    if (host)
        alert->showOver(
            host, [alert](int hostWidth) { alert->setMaximumWidth(std::max(200, hostWidth - 40)); },
            [](const QSize& h, const QSize& a) { return QPoint((h.width() - a.width()) / 2, (h.height() - a.height()) / 3); });
    emit alertShown(alert);
}

void AlertPresenter::remove(AlertView* alert)
{
    alerts_.remove(alert);
}
