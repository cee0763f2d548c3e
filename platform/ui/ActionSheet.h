#pragma once
// Non-modal action sheets: a title and a column of buttons along the bottom of the
// window, shown through one presenter that tests can read. Escape or a click outside the
// sheet dismisses it without a choice, and the delegate then hears nothing.

#include "platform/ui/OverlayPanel.h"

#include <QStringList>

class ActionSheet;

class ActionSheetDelegate {
public:
    virtual ~ActionSheetDelegate() = default;
    virtual void actionSheetClickedButtonAtIndex(ActionSheet*, int) {}
};

class ActionSheet : public OverlayPanel {
    Q_OBJECT
public:
    // Buttons in order: the destructive one (when given), the others, the cancel one (when given).
    ActionSheet(const QString& title, ActionSheetDelegate* delegate, const QString& cancelButtonTitle,
                const QString& destructiveButtonTitle, const QStringList& otherButtonTitles);

    QString title() const { return title_; }
    ActionSheetDelegate* delegate() const { return delegate_; }
    int numberOfButtons() const { return static_cast<int>(buttons_.size()); }
    // The title of that button, or an empty string for an index out of range.
    QString buttonTitleAtIndex(int index) const { return buttons_.value(index); }
    int cancelButtonIndex() const { return cancelIndex_; }
    int destructiveButtonIndex() const { return destructiveIndex_; }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // Shows the sheet over the window of `view` and returns at once.
    void showInView(QWidget* view);
    // Presses the button with that index, as the user would.
    void clickButtonAtIndex(int index);
    // Closes the sheet without a choice.
    void dismiss();

private:
    QString title_;
    QStringList buttons_;
    ActionSheetDelegate* delegate_;
    int cancelIndex_ = -1;
    int destructiveIndex_ = -1;
    int tag_ = 0;
};

class ActionSheetPresenter : public QObject {
    Q_OBJECT
public:
    static ActionSheetPresenter& shared();
    // The sheets on screen, oldest first.
    QList<ActionSheet*> visibleSheets() const;
    ActionSheet* topSheet() const;
    // Closes every sheet on screen without a choice.
    void dismissAll();
    void present(ActionSheet* sheet, QWidget* host);
    void remove(ActionSheet* sheet);

signals:
    void sheetShown(ActionSheet* sheet);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OverlayList<ActionSheet> sheets_;
    bool filtering_ = false;
};
