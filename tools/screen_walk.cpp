// The application as app/main.cpp starts it, with a robot that walks every screen once and
// quits: each tab, the template editor, the format sheet, both composers, the contact picker,
// and each section of the device settings dialog opened, changed and closed with Save and
// with Cancel. Run under valgrind by tests/memcheck/walk_screens.sh; it says each step in the
// log ("walk: …") and exits 0 at the end.

#include "app/QuorvelAppDelegate.h"
#include "platform/devicesettings/DeviceSettingsDialog.h"
#include "platform/foundation/Log.h"
#include "platform/ui/ActionSheet.h"
#include "platform/lifecycle/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/TableView.h"
#include "report/QuorvelFirstViewController.h"
#include "templates/TemplatesTableViewController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

namespace {

struct Step {
    QString name;
    std::function<void()> run;
};

// One step a turn of the event loop, with time between for what the step started.
void walk(std::shared_ptr<std::deque<Step>> steps)
{
    QTimer::singleShot(300, [steps] {
        if (steps->empty()) {
            NSLog("walk: done");
            QCoreApplication::exit(0);
            return;
        }
        const Step step = steps->front();
        steps->pop_front();
        NSLog("walk: %@", step.name);
        step.run();
        walk(steps);
    });
}

template <typename T>
T* named(QWidget* in, const char* name)
{
    T* w = in->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("walk: no %s", name);
    return w;
}

void cycle(QComboBox* combo, int last)
{
    for (int i = 0; i < combo->count(); ++i) {
        combo->setCurrentIndex(i);
        QCoreApplication::processEvents();
    }
    combo->setCurrentIndex(last);
}

// What the user changes in each section, ending valid so that Save saves.
void change(QWidget* dialog, int section)
{
    switch (section) {
    case 0:
        cycle(named<QComboBox>(dialog, "sourceCombo"), 6);
        break;
    case 1:
        cycle(named<QComboBox>(dialog, "smsSender"), 2);
        named<QLineEdit>(dialog, "testNumber")->setText(QStringLiteral("+420 601 x"));
        QCoreApplication::processEvents();
        named<QLineEdit>(dialog, "testNumber")->setText(QStringLiteral("+420 601 123 456"));
        break;
    case 2:
        cycle(named<QComboBox>(dialog, "transport"), 1);
        named<QLineEdit>(dialog, "server")->setText(QStringLiteral("smtp example"));
        QCoreApplication::processEvents();
        cycle(named<QComboBox>(dialog, "security"), 0);
        named<QLineEdit>(dialog, "server")->setText(QStringLiteral("smtp.example.org"));
        cycle(named<QComboBox>(dialog, "transport"), 2);
        break;
    case 3:
        for (const char* check : {"useFolder", "useEds", "useKPeople"}) {
            named<QCheckBox>(dialog, check)->toggle();
            QCoreApplication::processEvents();
            named<QCheckBox>(dialog, check)->toggle();
        }
        named<QLineEdit>(dialog, "contactsFolder")->setText(QStringLiteral("/nonexistent"));
        QCoreApplication::processEvents();
        named<QLineEdit>(dialog, "contactsFolder")->setText(QString());
        break;
    default:
        named<QLineEdit>(dialog, "tileServer")->setText(QStringLiteral("https://tiles.example/{x}"));
        QCoreApplication::processEvents();
        named<QLineEdit>(dialog, "tileServer")->setText(QStringLiteral("https://tiles.example/{z}/{x}/{y}.png"));
        break;
    }
}

void closeComposer(QuorvelFirstViewController* report)
{
    if (QDialog* presented = report->presentedViewController())
        presented->reject();
}

std::deque<Step> steps(QWidget* window, TabBarController* tabs)
{
    auto* report = qobject_cast<QuorvelFirstViewController*>(tabs->viewControllerAt(0));
    auto* navigation = qobject_cast<NavigationController*>(tabs->viewControllerAt(1));
    std::deque<Step> s;
    for (int i = 0; i < 4; ++i)
        s.push_back({QStringLiteral("tab %1").arg(i), [tabs, i] { tabs->setSelectedIndex(i); }});
    s.push_back({QStringLiteral("template editor"), [tabs, navigation] {
                     tabs->setSelectedIndex(1);
                     auto* list = qobject_cast<TemplatesTableViewController*>(navigation->viewControllers().first());
                     if (TableViewCell* cell = list->templatesTable->cellForRowAtIndexPath({0, 0}))
                         QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(30, cell->height() / 2));
                 }});
    s.push_back({QStringLiteral("template editor closed"), [navigation] { navigation->popViewControllerAnimated(false); }});
    s.push_back({QStringLiteral("format sheet"), [tabs, report] {
                     tabs->setSelectedIndex(0);
                     report->showFormats();
                 }});
    s.push_back({QStringLiteral("format sheet closed"), [] {
                     if (ActionSheet* sheet = ActionSheetPresenter::shared().topSheet())
                         sheet->clickButtonAtIndex(sheet->cancelButtonIndex());
                 }});
    for (int kind : {0, 1}) {
        s.push_back({kind == 0 ? QStringLiteral("text message composer") : QStringLiteral("e-mail composer"), [report, kind] {
                         report->MessageSegment->setSelectedSegmentIndex(kind);
                         report->phoneNumber->setText(kind == 0 ? QStringLiteral("+420 601 123 456") : QStringLiteral("jana@example.org"));
                         report->sendSMS(nullptr);
                     }});
        s.push_back({QStringLiteral("composer closed"), [report] { closeComposer(report); }});
    }
    s.push_back({QStringLiteral("contact picker"), [report] { report->contactButton(nullptr); }});
    s.push_back({QStringLiteral("contact picker closed"), [report] { closeComposer(report); }});
    for (int section = 0; section < 5; ++section) {
        for (const char* button : {"saveButton", "cancelButton"}) {
            s.push_back({QStringLiteral("settings section %1 opened").arg(section), [window, section] {
                             DeviceSettingsDialog* d = DeviceSettingsDialog::present(window);
                             named<QTabWidget>(d, "sections")->setCurrentIndex(section);
                         }});
            s.push_back({QStringLiteral("settings section %1 changed").arg(section), [window, section, button] {
                             auto* d = window->findChild<DeviceSettingsDialog*>();
                             // QUORVEL_WALK_SHOTS names a folder for a picture of each section as opened.
                             if (const QString shots = qEnvironmentVariable("QUORVEL_WALK_SHOTS");
                                 !shots.isEmpty() && qstrcmp(button, "saveButton") == 0)
                                 d->grab().save(shots + QStringLiteral("/settings-%1.png").arg(section));
                             change(d, section);
                         }});
            s.push_back({QStringLiteral("settings closed with %1").arg(QLatin1String(button)), [window, button] {
                             auto* d = window->findChild<DeviceSettingsDialog*>();
                             QTest::mouseClick(named<QPushButton>(d, button), Qt::LeftButton);
                         }});
        }
    }
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    return applicationMain(
        argc, argv, [] { return std::make_unique<QuorvelAppDelegate>(); },
        [] {
            MainLayout layout = loadMainLayout();
            walk(std::make_shared<std::deque<Step>>(steps(layout.window, layout.rootViewController)));
            return layout;
        });
}
