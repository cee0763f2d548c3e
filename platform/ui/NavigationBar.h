#pragma once
// A screen's title bar: the title of its top item in the middle, an optional back
// control on the left and bar buttons on the right.

#include "platform/ui/ViewController.h"

#include <QFrame>
#include <QPointer>
#include <QPushButton>

class QLabel;
class QHBoxLayout;

// A button drawn in the bar-button style of the global look.
class BarButtonItem : public QPushButton {
    Q_OBJECT
public:
    explicit BarButtonItem(QWidget* parent = nullptr);
    explicit BarButtonItem(const QString& title, QWidget* parent = nullptr);
};

class NavigationBar : public QFrame {
    Q_OBJECT
public:
    explicit NavigationBar(QWidget* parent = nullptr);

    // The item whose title the bar shows.
    NavigationItem* topItem() const { return item_; }
    void setTopItem(NavigationItem* item);

    QString title() const;
    QPushButton* backButton() const { return back_; }
    void setBackVisible(bool visible);
    void addRightButton(QWidget* button);

signals:
    void backRequested();

private:
    void refresh();

    NavigationItem ownItem_;
    QPointer<NavigationItem> item_;
    QLabel* title_ = nullptr;
    QPushButton* back_ = nullptr;
    QHBoxLayout* right_ = nullptr;
    QPointer<QWidget> itemRight_;
    bool backWanted_ = false;
};
