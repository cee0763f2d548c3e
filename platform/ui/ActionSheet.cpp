#include "platform/ui/ActionSheet.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

ActionSheet::ActionSheet(const QString& title, ActionSheetDelegate* delegate, const QString& cancelButtonTitle,
                         const QString& destructiveButtonTitle, const QStringList& otherButtonTitles)
    : OverlayPanel(QStringLiteral("actionSheet"), title), title_(title), delegate_(delegate)
{
    if (!destructiveButtonTitle.isNull()) {
        destructiveIndex_ = 0;
        buttons_.append(destructiveButtonTitle);
    }
    buttons_.append(otherButtonTitles);
    if (!cancelButtonTitle.isNull()) {
        cancelIndex_ = static_cast<int>(buttons_.size());
        buttons_.append(cancelButtonTitle);
    }
    setFocusPolicy(Qt::StrongFocus);
    QVBoxLayout* layout = column();
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);
    for (int i = 0; i < buttons_.size(); ++i) {
        auto* b = new QPushButton(buttons_.at(i), this);
        b->setAccessibleName(buttons_.at(i));
        if (i == destructiveIndex_)
            b->setProperty("destructive", true);
        if (i == cancelIndex_)
            b->setProperty("cancel", true);
        connect(b, &QPushButton::clicked, this, [this, i] { clickButtonAtIndex(i); });
        layout->addWidget(b);
    }
}

void ActionSheet::showInView(QWidget* view)
{
    ActionSheetPresenter::shared().present(this, view ? view->window() : nullptr);
}

void ActionSheet::clickButtonAtIndex(int index)
{
    if (index < 0 || index >= buttons_.size())
        return;
    ActionSheetPresenter::shared().remove(this);
    if (delegate_)
        delegate_->actionSheetClickedButtonAtIndex(this, index);
    deleteLater();
}

void ActionSheet::dismiss()
{
    ActionSheetPresenter::shared().remove(this);
    deleteLater();
}

ActionSheetPresenter& ActionSheetPresenter::shared()
{
    static ActionSheetPresenter presenter;
    return presenter;
}

QList<ActionSheet*> ActionSheetPresenter::visibleSheets() const
{
    return sheets_.visible();
}

ActionSheet* ActionSheetPresenter::topSheet() const
{
    return sheets_.top();
}

void ActionSheetPresenter::dismissAll()
{
    for (ActionSheet* s : visibleSheets())
        s->dismiss();
}

void ActionSheetPresenter::present(ActionSheet* sheet, QWidget* host)
{
    sheets_.append(sheet);
    if (!filtering_) {
        qApp->installEventFilter(this);
        filtering_ = true;
    }
    if (host) {
        // Along the bottom of the window, the full width less a margin.
        sheet->showOver(
            host, [sheet](int hostWidth) { sheet->setFixedWidth(std::max(160, hostWidth - 16)); },
            [](const QSize& h, const QSize& s) { return QPoint((h.width() - s.width()) / 2, h.height() - s.height() - 8); });
        sheet->setFocus(Qt::PopupFocusReason);
    }
    emit sheetShown(sheet);
}

void ActionSheetPresenter::remove(ActionSheet* sheet)
{
    sheets_.remove(sheet);
    if (visibleSheets().isEmpty() && filtering_) {
        qApp->removeEventFilter(this);
        filtering_ = false;
    }
}

bool ActionSheetPresenter::eventFilter(QObject* watched, QEvent* event)
{
    ActionSheet* top = topSheet();
    if (!top)
        return false;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        top->dismiss();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w != top && !top->isAncestorOf(w) && w->window() == top->window()) {
            // A click outside closes the sheet and goes no further.
            top->dismiss();
            return true;
        }
    }
    return false;
}
