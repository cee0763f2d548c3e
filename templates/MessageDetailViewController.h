#pragma once
// The template editor: one template in an editable text view, saved back into the stored
// list, or used as the report screen's message.

#include "platform/ui/NavigationController.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewController.h"

#include <QPointer>
#include <QStringList>
#include <memory>
#include <optional>

class ColoredButtonGreen;

namespace Ui {
class MessageDetailScreen;
}

class MessageDetailViewController : public ViewController, public TextViewDelegate, public SegueParticipant {
    Q_OBJECT
public:
    explicit MessageDetailViewController(QWidget* parent = nullptr);
    ~MessageDetailViewController() override;

    void didReceiveMemoryWarning() override;
    void viewDidLoad() override;
    void viewDidUnload() override;
    bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation) override;
    void prepareForSegue(const StoryboardSegue& segue) override;
    // A touch on `touchedView`: outside the text view it closes the keyboard.
    void touchesBegan(QWidget* touchedView);
    void useSelectedTemplate();

    // Inputs from the template list; unset for a new template.
    std::optional<QString> messageText;
    std::optional<QString> editingMessage;
    QStringList templates;

    QPointer<ColoredButtonGreen> useButton;
    QPointer<ColoredButtonGreen> saveButton;
    QPointer<TextView> help1Text;
    QPointer<TextView> help2Text;
    QPointer<TextView> messageTemplate;

protected:
    void loadView(QWidget* view) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::MessageDetailScreen> ui_;
};
