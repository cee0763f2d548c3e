#pragma once
// A small table view: one column of rows in sections, asked for its rows by a data source
// and reporting taps and edits to a delegate, with a reuse queue for its cells.

#include <QFrame>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QScrollArea>
#include <QString>
#include <exception>
#include <optional>

class QVBoxLayout;
class TableView;

// The one exception the platform raises at the application, with a description that the
// application may log.
class PlatformException : public std::exception {
public:
    PlatformException(QString name, QString reason);
    QString name() const { return name_; }
    QString reason() const { return reason_; }
    // "name: reason", as a log line shows it.
    QString description() const { return name_ + QStringLiteral(": ") + reason_; }
    const char* what() const noexcept override { return what_.constData(); }

private:
    QString name_;
    QString reason_;
    QByteArray what_;
};

struct IndexPath {
    int section = 0;
    int row = 0;
    static IndexPath indexPathForRowInSection(int row, int section) { return IndexPath{section, row}; }
    bool operator==(const IndexPath&) const = default;
};

enum class TableViewCellEditingStyle { None = 0, Delete = 1, Insert = 2 };
enum class TableViewRowAnimation { Fade = 0, Right = 1, Left = 2, Top = 3, Bottom = 4, None = 5 };
enum class TableViewScrollPosition { None = 0, Top = 1, Middle = 2, Bottom = 3 };
enum class TableViewCellStyle { Default = 0 };

// One row. Subclasses add their controls to it; the table owns the cells it shows and keeps
// the ones it no longer shows in its reuse queue.
class TableViewCell : public QFrame {
    Q_OBJECT
public:
    TableViewCell(TableViewCellStyle style, const QString& reuseIdentifier, QWidget* parent = nullptr);

    QString reuseIdentifier() const { return reuseIdentifier_; }
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected, bool animated);
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted);
    // Whether the delete confirmation (shown by a swipe to the left) is out.
    bool showsDeleteConfirmation() const;
    void setShowsDeleteConfirmation(bool shows);

signals:
    void tapped(TableViewCell* cell);
    void swipedLeft(TableViewCell* cell);
    void deleteConfirmed(TableViewCell* cell);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void restyle();
    void placeDeleteButton();

    QString reuseIdentifier_;
    bool selected_ = false;
    bool highlighted_ = false;
    QPoint pressPos_;
    bool pressed_ = false;
    class QPushButton* deleteButton_ = nullptr;
};

class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;
    virtual int numberOfSectionsInTableView(TableView*) { return 1; }
    virtual int tableViewNumberOfRowsInSection(TableView* tableView, int section) = 0;
    virtual TableViewCell* tableViewCellForRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) = 0;
    // The delete gesture ends here with the style Delete.
    virtual void tableViewCommitEditingStyle(TableView*, TableViewCellEditingStyle, const IndexPath&) {}
};

class TableViewDelegate {
public:
    virtual ~TableViewDelegate() = default;
    virtual void tableViewDidSelectRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) = 0;
};

// Rows are laid out top to bottom in one column. Only section 0 is shown: the screens that
// use this table have one section.
class TableView : public QScrollArea {
    Q_OBJECT
public:
    explicit TableView(QWidget* parent = nullptr);
    ~TableView() override;

    void setDataSource(TableViewDataSource* dataSource) { dataSource_ = dataSource; }
    void setDelegate(TableViewDelegate* delegate) { delegate_ = delegate; }
    TableViewDataSource* dataSource() const { return dataSource_; }

    // Asks the data source for every row again; the old cells go to the reuse queue.
    void reloadData();
    int numberOfRowsInSection(int section) const;
    // The cell shown for a row, or none.
    TableViewCell* cellForRowAtIndexPath(const IndexPath& indexPath) const;
    std::optional<IndexPath> indexPathForCell(const TableViewCell* cell) const;

    // A cell waiting for reuse under `identifier`, or none; the caller adopts it.
    TableViewCell* dequeueReusableCellWithIdentifier(const QString& identifier);

    // Removes the rows; the data source must already count that many rows fewer.
    void deleteRowsAtIndexPaths(const QList<IndexPath>& indexPaths, TableViewRowAnimation animation);

    // Selects a row without telling the delegate. Raises PlatformException for a row that
    // the table does not have.
    void selectRowAtIndexPath(const IndexPath& indexPath, bool animated, TableViewScrollPosition scrollPosition);
    void deselectRowAtIndexPath(const IndexPath& indexPath, bool animated);
    std::optional<IndexPath> indexPathForSelectedRow() const;
    void scrollToNearestSelectedRowAtScrollPosition(TableViewScrollPosition scrollPosition, bool animated);
    void scrollToRowAtIndexPath(const IndexPath& indexPath, TableViewScrollPosition scrollPosition, bool animated);

    // What a tap on a row does: the row becomes the selected one and the delegate hears of
    // it (chooseRow), then the transitions that hang on a tap run.
    void tapRow(int row);
    void chooseRow(int row);
    // What the Delete key does to a row: shows its Delete button, which deletes when pressed.
    void offerDeleteRow(int row);
    // What the delete gesture does once confirmed: the data source commits the deletion.
    void commitDeleteRow(int row);

signals:
    // After the delegate has handled a tap (the layout's transitions hang on this).
    void rowTapped(const IndexPath& indexPath);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void adoptCell(TableViewCell* cell, int row);
    void enqueue(TableViewCell* cell);
    void applySelection(bool animated);
    void hideDeleteConfirmations(TableViewCell* except = nullptr);
    void updateAccessibility();
    void announceRowsChanged();

    TableViewDataSource* dataSource_ = nullptr;
    TableViewDelegate* delegate_ = nullptr;
    QWidget* content_ = nullptr;
    QVBoxLayout* rowsLayout_ = nullptr;
    QList<QPointer<TableViewCell>> rows_;
    QHash<QString, QList<TableViewCell*>> reuseQueue_;
    std::optional<int> selectedRow_;
    // The row assistive technology last heard was selected.
    std::optional<int> announcedRow_;
};

#include "platform/ui/ViewController.h"

// A screen built around one table: by default the table's selection is cleared each time
// the screen is about to appear.
class TableViewController : public ViewController {
    Q_OBJECT
public:
    explicit TableViewController(QWidget* parent = nullptr) : ViewController(parent) {}
    bool clearsSelectionOnViewWillAppear() const { return clearsSelectionOnViewWillAppear_; }
    void setClearsSelectionOnViewWillAppear(bool clears) { clearsSelectionOnViewWillAppear_ = clears; }
    void viewWillAppear(bool animated) override;

protected:
    // The table the screen's layout holds.
    virtual TableView* tableView() const = 0;

private:
    bool clearsSelectionOnViewWillAppear_ = true;
};
