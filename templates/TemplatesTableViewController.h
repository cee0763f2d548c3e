#pragma once
// The root screen of the templates tab: lists the templates, remembers the tapped one as
// the selected template, deletes templates and opens the editor.

#include "platform/ui/NavigationController.h"
#include "platform/ui/TableView.h"

#include <QPointer>
#include <QStringList>
#include <memory>

class BarButtonItem;

namespace Ui {
class TemplatesScreen;
}

class TemplatesTableViewController : public TableViewController,
                                     public TableViewDataSource,
                                     public TableViewDelegate,
                                     public SegueParticipant {
    Q_OBJECT
public:
    explicit TemplatesTableViewController(QWidget* parent = nullptr);
    ~TemplatesTableViewController() override;

    // The templates tab: this screen at the root of a navigation stack, with the segues to
    // the editor and back.
    static NavigationController* makeNavigationStack();

    void didReceiveMemoryWarning() override;
    void viewDidLoad() override;
    void viewDidUnload() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation) override;

    int numberOfSectionsInTableView(TableView* tableView) override;
    int tableViewNumberOfRowsInSection(TableView* tableView, int section) override;
    TableViewCell* tableViewCellForRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;
    void tableViewCommitEditingStyle(TableView* tableView, TableViewCellEditingStyle editingStyle,
                                     const IndexPath& indexPath) override;
    void tableViewDidSelectRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;
    void prepareForSegue(const StoryboardSegue& segue) override;

    quint32 selectedMessageTemplateIndex = 0;
    QPointer<TableView> templatesTable;
    QStringList templates;

protected:
    void loadView(QWidget* view) override;
    TableView* tableView() const override { return templatesTable.data(); }

private:
    void performSegue(const QString& identifier);

    std::unique_ptr<Ui::TemplatesScreen> ui_;
};
