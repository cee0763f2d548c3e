#include "templates/MessageDetailViewController.h"
#include "controls/ColoredButtonGreen.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/Log.h"
#include "platform/ui/TabBarController.h"
#include "platform/foundation/UserDefaults.h"
#include "templates/MessageUtils.h"
#include "templates/SettingsKeys.h"

#include "ui_MessageDetailScreen.h"

#include <QMouseEvent>

namespace {
const QString kGoToTemplates = QStringLiteral("goToTemplates");
} // namespace

MessageDetailViewController::MessageDetailViewController(QWidget* parent) : ViewController(parent)
{
    setObjectName(QStringLiteral("MessageDetailViewController"));
}

MessageDetailViewController::~MessageDetailViewController() = default;

void MessageDetailViewController::loadView(QWidget* view)
{
    setupLayout(ui_, view);
    useButton = ui_->useButton;
    saveButton = ui_->saveButton;
    help1Text = ui_->help1Text;
    help2Text = ui_->help2Text;
    messageTemplate = ui_->messageTemplate;
    messageTemplate->setDelegate(this);
    // The layout's wiring: save leaves through "goToTemplates", use through the action.
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (NavigationController* navigation = navigationController())
            navigation->performSegueWithIdentifier(kGoToTemplates, this);
    });
    connect(useButton, &QPushButton::clicked, this, &MessageDetailViewController::useSelectedTemplate);
    // Each placeholder goes in where the cursor is, so users need not know the delimiters.
    const std::pair<QPushButton*, QString> inserts[] = {{ui_->insertCoordinatesButton, QStringLiteral("[]")},
                                                        {ui_->insertLocalityButton, QStringLiteral("{}")},
                                                        {ui_->insertLinkButton, QStringLiteral("<>")}};
    for (const auto& [button, placeholder] : inserts)
        connect(button, &QPushButton::clicked, this, [this, placeholder] {
            if (!messageTemplate)
                return;
            messageTemplate->insertPlainText(placeholder);
            messageTemplate->setFocus();
        });
    // Every touch on the screen passes by touchesBegan.
    view->installEventFilter(this);
    for (QWidget* child : view->findChildren<QWidget*>())
        child->installEventFilter(this);
}

void MessageDetailViewController::didReceiveMemoryWarning()
{
    ViewController::didReceiveMemoryWarning();
}

void MessageDetailViewController::viewDidLoad()
{
    NSLog("DETAIL VC viewDidLoad");
    ViewController::viewDidLoad();
    navigationItem()->setTitle(localizedText("MESSAGE_DETAIL_NAVBAR_TITLE"));
    useButton->setText(localizedText("USEBUTTON"));
    saveButton->setText(localizedText("SAVEBUTTON"));
    help1Text->setText(localizedText("HELP1"));
    help2Text->setText(localizedText("HELP2"));
    ui_->insertCoordinatesButton->setText(localizedText("InsertCoordinates"));
    ui_->insertLocalityButton->setText(localizedText("InsertLocality"));
    ui_->insertLinkButton->setText(localizedText("InsertLink"));
    messageTemplate->setBorder(2.0, QColor(128, 128, 128), 8.0);
    NSLog("message text: %@", messageText);
    messageTemplate->setText(messageText.value_or(QString()));
}

void MessageDetailViewController::viewDidUnload()
{
    messageTemplate = nullptr;
    useButton = nullptr;
    saveButton = nullptr;
    help1Text = nullptr;
    help2Text = nullptr;
    ViewController::viewDidUnload();
}

bool MessageDetailViewController::shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation)
{
    return orientation == InterfaceOrientation::Portrait;
}

void MessageDetailViewController::prepareForSegue(const StoryboardSegue& segue)
{
    if (segue.identifier != kGoToTemplates)
        return;
    NSLog("DETAIL goToTemplates segue");
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    templates = MessageUtils::loadMessageTemplates();
    NSLog("edited: %@", editingMessage);
    const QString text = messageTemplate ? messageTemplate->text() : messageText.value_or(QString());

    bool add = true;
    if (editingMessage == Flag::Yes) {
        NSLog("editing message");
        const qint64 index = defaults.integerForKey(SettingsKeys::SelectedTemplate);
        if (index >= 0 && index < templates.size()) {
            templates.replace(static_cast<qsizetype>(index), text);
            add = false;
        }
        // Otherwise the template being edited is no longer in the stored list: the text is
        // kept as a new template rather than dropped.
    }
    if (add) {
        const auto count = static_cast<int>(templates.size());
        NSLog("adding new template at index: %d", count);
        templates.insert(count, text);
        defaults.setInteger(static_cast<qint64>(templates.size()) - 1, SettingsKeys::SelectedTemplate);
    }
    defaults.setStringArray(templates, SettingsKeys::TemplatesArray);
    defaults.synchronize();
}

void MessageDetailViewController::touchesBegan(QWidget* touchedView)
{
    if (!messageTemplate || !messageTemplate->isFirstResponder())
        return;
    const bool insideTextView = touchedView && (touchedView == messageTemplate || messageTemplate->isAncestorOf(touchedView));
    if (!insideTextView)
        messageTemplate->resignFirstResponder();
}

bool MessageDetailViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        touchesBegan(qobject_cast<QWidget*>(watched));
    return ViewController::eventFilter(watched, event);
}

void MessageDetailViewController::useSelectedTemplate()
{
    NSLog("DETAIL useSelectedTemplate");
    NSLog("TEXT to include to message %@", messageTemplate ? messageTemplate->text() : QString());
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    defaults.setString(MessageSource::Selected, SettingsKeys::Last);
    defaults.synchronize();
    NSLog("setting message type to: %@", defaults.stringForKey(SettingsKeys::Last));

    TabBarController* tabs = tabBarController();
    if (NavigationController* navigation = navigationController())
        navigation->popViewControllerAnimated(false);
    if (tabs)
        tabs->setSelectedIndex(0);
}
