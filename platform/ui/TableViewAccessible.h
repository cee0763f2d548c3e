#pragma once
// How assistive technology sees a table view: a list with one item per row, named by the
// row's text, with the selected state and the actions a person has on a row.

#include <QAccessibleWidget>

class TableView;
class TableViewCell;

class TableViewAccessible : public QAccessibleWidget {
public:
    explicit TableViewAccessible(TableView* table);

    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    TableView* table() const;
};

class TableViewCellAccessible : public QAccessibleWidget {
public:
    // The longest name a row gets: the whole of a long text would be read out for minutes
    // and sent over the accessibility bus at every question.
    static constexpr int kNameLimit = 200;

    explicit TableViewCellAccessible(TableViewCell* cell);

    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    QString localizedActionName(const QString& name) const override;
    QString localizedActionDescription(const QString& name) const override;
    void doAction(const QString& name) override;

    static const QString& selectAction();
    static const QString& openAction();
    static const QString& deleteAction();

private:
    TableViewCell* cell() const;
    TableView* table() const;
    int row() const;
    QList<QWidget*> shownButtons() const;
};

// The text as one line, at most `limit` characters, ending in an ellipsis when cut.
QString spokenSummary(const QString& text, int limit);

// Makes the interfaces above the ones Qt hands out for our tables and their rows.
void installTableViewAccessibility();
