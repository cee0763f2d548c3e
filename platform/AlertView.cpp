#include "platform/AlertView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AlertView::AlertView(const QString& title, const QString& message, AlertViewDelegate* delegate,
                     const QString& cancelButtonTitle, const QStringList& otherButtonTitles)
    : title_(title), message_(message), delegate_(delegate)
{
    if (!cancelButtonTitle.isNull())
        buttons_.append(cancelButtonTitle);
    buttons_.append(otherButtonTitles);
    setObjectName(QStringLiteral("alert"));
    setFrameShape(QFrame::StyledPanel);
    setAttribute(Qt::WA_StyledBackground, true);
    setAccessibleName(title);
    setAccessibleDescription(message);
    auto* layout = new QVBoxLayout(this);
    auto* t = new QLabel(title, this);
    t->setObjectName(QStringLiteral("alertTitle"));
    t->setAlignment(Qt::AlignCenter);
    t->setWordWrap(true);
    auto* m = new QLabel(message, this);
    m->setObjectName(QStringLiteral("alertMessage"));
    m->setAlignment(Qt::AlignCenter);
    m->setWordWrap(true);
    m->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(t);
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
    QList<AlertView*> out;
    for (const auto& a : alerts_)
        if (a)
            out.append(a.data());
    return out;
}

AlertView* AlertPresenter::topAlert() const
{
    const auto all = visibleAlerts();
    return all.isEmpty() ? nullptr : all.last();
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
    if (host) {
        alert->setParent(host);
        alert->setMaximumWidth(std::max(200, host->width() - 40));
        alert->adjustSize();
        alert->move((host->width() - alert->width()) / 2, (host->height() - alert->height()) / 3);
        alert->QFrame::show();
        alert->raise();
    }
    emit alertShown(alert);
}

void AlertPresenter::remove(AlertView* alert)
{
    alerts_.removeAll(QPointer<AlertView>(alert));
    alert->hide();
}
