#pragma once
// The row of the template list: one label with the template's text, elided to a few lines.

#include "platform/ui/TableView.h"

#include <QLabel>

// A label that shows at most maximumLines lines of its text and ends the last one with an
// ellipsis when there is more. Every line terminator breaks a line.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget* parent = nullptr);
    int maximumLines() const { return maximumLines_; }
    void setMaximumLines(int lines);
    // The lines as drawn at the label's width.
    QStringList displayedLines() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList linesForWidth(int width) const;
    int maximumLines_ = 3;
};

class TemplatesTableViewCell : public TableViewCell {
    Q_OBJECT
public:
    TemplatesTableViewCell(TableViewCellStyle style, const QString& reuseIdentifier, QWidget* parent = nullptr);

    void setSelected(bool selected, bool animated) override;

    ElidingLabel* messageLabel = nullptr;
};
