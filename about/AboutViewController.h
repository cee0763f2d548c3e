#pragma once
// The about screen: the product's name, description, author, version and where to get it,
// and a way to its web page.

#include "platform/ui/ViewController.h"

#include <QPointer>
#include <QUrl>
#include <memory>

class NavigationBar;
class QLabel;
class QPushButton;
class TextView;
class UrlOpener;

namespace Ui {
class AboutScreen;
}

class AboutViewController : public ViewController {
    Q_OBJECT
public:
    static constexpr const char* kProductPage = "https://quorvel.example.org/";

    // `opener` defaults to the desktop's browser; it is not owned.
    explicit AboutViewController(UrlOpener* opener = nullptr, QWidget* parent = nullptr);
    ~AboutViewController() override;

    void viewDidLoad() override;
    void viewDidUnload() override;
    void didReceiveMemoryWarning() override;
    bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation) override;

    void goToVeltranoCom(QObject* sender);

    // Outlets, from the screen's layout; they read as empty once the view is unloaded.
    QPointer<NavigationBar> navBar;
    QPointer<QLabel> quorvelLabel;
    QPointer<TextView> description;
    QPointer<QLabel> author;
    QPointer<QLabel> version;
    QPointer<QLabel> versionTimestamp;
    QPointer<TextView> downloadDescription;

protected:
    void loadView(QWidget* view) override;

private:
    UrlOpener* opener_;
    std::unique_ptr<Ui::AboutScreen> ui_;
};
