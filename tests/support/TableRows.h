#pragma once
// A table view over a list of strings, with a data source and delegate that record what the
// table asked and told; for the table's tests.

#include "platform/ui/TableView.h"

#include <QLabel>

// A data source over a list of strings that records what the table asked and told.
class Rows : public TableViewDataSource, public TableViewDelegate {
public:
    QStringList items;
    int created = 0;
    QList<int> selected;
    QList<int> committed;
    bool deleteOnCommit = true;
    // Whether each cell is given its text as accessible name, or left to be named by its label.
    bool nameCells = true;
    TableView* table = nullptr;

    int tableViewNumberOfRowsInSection(TableView*, int) override { return static_cast<int>(items.size()); }
    TableViewCell* tableViewCellForRowAtIndexPath(TableView* tableView, const IndexPath& path) override
    {
        TableViewCell* cell = tableView->dequeueReusableCellWithIdentifier(QStringLiteral("row"));
        if (!cell) {
            cell = new TableViewCell(TableViewCellStyle::Default, QStringLiteral("row"));
            new QLabel(cell);
            ++created;
        }
        cell->findChild<QLabel*>()->setText(items.at(path.row));
        if (nameCells)
            cell->setAccessibleName(items.at(path.row));
        return cell;
    }
    void tableViewCommitEditingStyle(TableView* tableView, TableViewCellEditingStyle style, const IndexPath& path) override
    {
        committed.append(path.row);
        if (deleteOnCommit && style == TableViewCellEditingStyle::Delete) {
            items.removeAt(path.row);
            tableView->deleteRowsAtIndexPaths({path}, TableViewRowAnimation::Fade);
        }
    }
    void tableViewDidSelectRowAtIndexPath(TableView*, const IndexPath& path) override { selected.append(path.row); }
};

struct Fixture {
    Rows rows;
    TableView table;
    explicit Fixture(int n, bool nameCells = true) : Fixture(numbered(n), nameCells) {}
    explicit Fixture(const QStringList& items, bool nameCells = true)
    {
        rows.items = items;
        rows.nameCells = nameCells;
        table.setDataSource(&rows);
        table.setDelegate(&rows);
        table.resize(300, 200);
        table.show();
        table.reloadData();
    }
    int selectedRow() const { return table.indexPathForSelectedRow().value_or(IndexPath{0, -1}).row; }
    TableViewCell* cell(int row) const { return table.cellForRowAtIndexPath({0, row}); }
    static QStringList numbered(int n)
    {
        QStringList items;
        for (int i = 0; i < n; ++i)
            items.append(QStringLiteral("item %1").arg(i));
        return items;
    }
};
