#pragma once
// Non-modal alerts, shown over the window through one presenter that tests can read.

#include "platform/ui/OverlayPanel.h"

#include <QStringList>

class AlertView;

class AlertViewDelegate {
public:
    virtual ~AlertViewDelegate() = default;
    virtual void alertViewClickedButtonAtIndex(AlertView*, int) {}
};

class AlertView : public OverlayPanel {
    Q_OBJECT
public:
    // The cancel button (when given) has index 0, the other buttons follow.
    AlertView(const QString& title, const QString& message, AlertViewDelegate* delegate,
              const QString& cancelButtonTitle, const QStringList& otherButtonTitles = {});

    QString title() const { return title_; }
    QString message() const { return message_; }
    QStringList buttonTitles() const { return buttons_; }
    AlertViewDelegate* delegate() const { return delegate_; }
    // Shows the alert and returns at once; it stays until one of its buttons is pressed.
    void show();
    // Presses the button with that index, as the user would.
    void clickButtonAtIndex(int index);

private:
    QString title_;
    QString message_;
    QStringList buttons_;
    AlertViewDelegate* delegate_;
};

class AlertPresenter : public QObject {
    Q_OBJECT
public:
    static AlertPresenter& shared();
    // The alerts on screen, oldest first.
    QList<AlertView*> visibleAlerts() const;
    AlertView* topAlert() const;
    // Presses "OK" (or the first button) on every alert on screen.
    void dismissAll();
    void present(AlertView* alert);
    void remove(AlertView* alert);

signals:
    void alertShown(AlertView* alert);

private:
    OverlayList<AlertView> alerts_;
};
