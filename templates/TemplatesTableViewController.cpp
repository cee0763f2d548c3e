#include "templates/TemplatesTableViewController.h"
#include "controls/TemplatesTableViewCell.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/Log.h"
#include "platform/ui/NavigationBar.h"
#include "platform/foundation/UserDefaults.h"
#include "templates/MessageDetailViewController.h"
#include "templates/MessageUtils.h"
#include "templates/SettingsKeys.h"

#include "ui_TemplatesScreen.h"

namespace {
const QString kCellIdentifier = QStringLiteral("templateTableCell");
const QString kShowTemplateDetails = QStringLiteral("showTemplateDetails");
const QString kGoToNewTemplate = QStringLiteral("goToNewTemplate");
const QString kGoToTemplates = QStringLiteral("goToTemplates");
} // namespace

TemplatesTableViewController::TemplatesTableViewController(QWidget* parent) : TableViewController(parent)
{
    setObjectName(QStringLiteral("TemplatesTableViewController"));
}

TemplatesTableViewController::~TemplatesTableViewController() = default;

NavigationController* TemplatesTableViewController::makeNavigationStack()
{
    auto* navigation = new NavigationController(new TemplatesTableViewController);
    navigation->setObjectName(QStringLiteral("templatesNavigation"));
    navigation->registerSegue(kShowTemplateDetails, [] { return new MessageDetailViewController; });
    navigation->registerSegue(kGoToNewTemplate, [] { return new MessageDetailViewController; });
    // Saving leads to a new list screen (selected index 0, the stored list re-read as it
    // appears), which takes the place of the whole stack.
    navigation->registerReplacingSegue(kGoToTemplates, [] { return new TemplatesTableViewController; });
    return navigation;
}

void TemplatesTableViewController::loadView(QWidget* view)
{
    setupLayout(ui_, view);
    templatesTable = ui_->templatesTable;
    templatesTable->setAccessibleName(localizedText("TEMPLATES_NAVBAR_TITLE"));
    templatesTable->setAccessibleDescription(localizedText("TEMPLATES_LIST_HINT"));
    ui_->addButton->setAccessibleName(localizedText("TEMPLATES_NEW"));
    ui_->addButton->setToolTip(localizedText("TEMPLATES_NEW"));
    templatesTable->setDataSource(this);
    templatesTable->setDelegate(this);
    // The layout's transitions: a tapped row opens it in the editor, the add control a new one.
    connect(templatesTable, &TableView::rowTapped, this, [this] { performSegue(kShowTemplateDetails); });
    connect(ui_->addButton, &QPushButton::clicked, this, [this] { performSegue(kGoToNewTemplate); });
    navigationItem()->setRightBarButtonItem(ui_->addButton);
}

void TemplatesTableViewController::performSegue(const QString& identifier)
{
    if (NavigationController* navigation = navigationController())
        navigation->performSegueWithIdentifier(identifier, this);
}

void TemplatesTableViewController::didReceiveMemoryWarning()
{
    TableViewController::didReceiveMemoryWarning();
}

void TemplatesTableViewController::viewDidLoad()
{
    TableViewController::viewDidLoad();
    NSLog("TempTabVC: viewDidLoad");
    navigationItem()->setTitle(localizedText("TEMPLATES_NAVBAR_TITLE"));
    navigationItem()->setHidesBackButton(true);
    templatesTable->scrollToNearestSelectedRowAtScrollPosition(TableViewScrollPosition::Top, true);
}

void TemplatesTableViewController::viewDidUnload()
{
    templatesTable = nullptr;
    TableViewController::viewDidUnload();
    NSLog("TempTabVC: viewDidUnload");
}

void TemplatesTableViewController::viewWillAppear(bool animated)
{
    TableViewController::viewWillAppear(animated);
    NSLog("TempTabVC: viewWillAppear");
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    if (auto stored = defaults.stringArrayForKey(SettingsKeys::TemplatesArray)) {
        templates = *stored;
        NSLog("TTVC loadSettings: templ_arr_key");
    } else {
        templates = MessageUtils::loadMessageTemplates();
        NSLog("TTVC loadSettings: loadMessageTemplates");
    }
    NSLog("templates: %@", templates);
    // The list may have changed while another screen was shown.
    if (templatesTable)
        templatesTable->reloadData();
}

void TemplatesTableViewController::viewDidAppear(bool animated)
{
    TableViewController::viewDidAppear(animated);
    NSLog("TempTabVC: viewDidAppear");
    const qint64 stored = UserDefaults::standardUserDefaults().integerForKey(SettingsKeys::SelectedTemplate);
    const int row = static_cast<int>(std::clamp<qint64>(stored, INT_MIN, INT_MAX));
    NSLog("highlighted row: %d", row);
    if (!templatesTable)
        return;
    try {
        templatesTable->selectRowAtIndexPath(IndexPath::indexPathForRowInSection(row, 0), true,
                                             TableViewScrollPosition::Bottom);
    } catch (const PlatformException& exception) {
        NSLog("Selecting row exception: %@", exception.description());
    }
}

void TemplatesTableViewController::viewWillDisappear(bool animated)
{
    TableViewController::viewWillDisappear(animated);
    NSLog("TempTabVC: viewWillDisappear");
}

void TemplatesTableViewController::viewDidDisappear(bool animated)
{
    TableViewController::viewDidDisappear(animated);
    NSLog("TempTabVC: viewDidDisappear");
}

bool TemplatesTableViewController::shouldAutorotateToInterfaceOrientation(InterfaceOrientation)
{
    return true;
}

int TemplatesTableViewController::numberOfSectionsInTableView(TableView*)
{
    return 1;
}

int TemplatesTableViewController::tableViewNumberOfRowsInSection(TableView*, int)
{
    return static_cast<int>(templates.size());
}

TableViewCell* TemplatesTableViewController::tableViewCellForRowAtIndexPath(TableView* tableView,
                                                                             const IndexPath& indexPath)
{
    auto* cell = qobject_cast<TemplatesTableViewCell*>(tableView->dequeueReusableCellWithIdentifier(kCellIdentifier));
    if (!cell)
        cell = new TemplatesTableViewCell(TableViewCellStyle::Default, kCellIdentifier);
    cell->messageLabel->setText(indexPath.row >= 0 && indexPath.row < templates.size() ? templates.at(indexPath.row)
                                                                                        : QString());
    cell->setSelected(true, true);
    return cell;
}

void TemplatesTableViewController::tableViewCommitEditingStyle(TableView* tableView,
                                                               TableViewCellEditingStyle editingStyle,
                                                               const IndexPath& indexPath)
{
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    if (editingStyle == TableViewCellEditingStyle::Delete && indexPath.row >= 0 && indexPath.row < templates.size()) {
        templates.removeAt(indexPath.row);
        tableView->deleteRowsAtIndexPaths({indexPath}, TableViewRowAnimation::Fade);
        NSLog("deleting record from templates at index %d...", indexPath.row);
        defaults.setStringArray(templates, SettingsKeys::TemplatesArray);
        // The index drops by one whichever row went, and never below 0.
        if (selectedMessageTemplateIndex > 0)
            --selectedMessageTemplateIndex;
        defaults.setInteger(selectedMessageTemplateIndex, SettingsKeys::SelectedTemplate);
    }
    defaults.synchronize();
}

void TemplatesTableViewController::tableViewDidSelectRowAtIndexPath(TableView*, const IndexPath& indexPath)
{
    setClearsSelectionOnViewWillAppear(false);
    selectedMessageTemplateIndex = static_cast<quint32>(std::max(0, indexPath.row));
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    defaults.setInteger(selectedMessageTemplateIndex, SettingsKeys::SelectedTemplate);
    defaults.synchronize();
    NSLog("TABLE index of selected template: %d", selectedMessageTemplateIndex);
}

void TemplatesTableViewController::prepareForSegue(const StoryboardSegue& segue)
{
    auto* editor = qobject_cast<MessageDetailViewController*>(segue.destinationViewController);
    if (segue.identifier == kShowTemplateDetails) {
        const auto selected = templatesTable ? templatesTable->indexPathForSelectedRow() : std::nullopt;
        if (selected && selected->row < templates.size()) {
            const QString text = templates.at(selected->row);
            NSLog("editing message: %@", text);
            if (editor) {
                editor->messageText = text;
                editor->editingMessage = Flag::Yes;
            }
        } else if (editor) {
            // Without a row there is no template to overwrite: the editor adds instead.
            editor->editingMessage = Flag::No;
        }
    } else if (segue.identifier == kGoToNewTemplate) {
        NSLog("adding a new message");
        if (editor)
            editor->editingMessage = Flag::No;
    }
}
