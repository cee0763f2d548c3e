#include "platform/lifecycle/Application.h"
#include "platform/ui/ScreenKeyboard.h"
#include "platform/ui/TabBarController.h"
#include "platform/foundation/FirstFrame.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/Log.h"
#include "platform/lifecycle/SingleInstance.h"
#include "platform/lifecycle/DesktopColorScheme.h"
#include "platform/lifecycle/StartupToken.h"
#include "platform/foundation/WindowSight.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QShortcut>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
Application* g_application = nullptr;
int g_signalPipe[2] = {-1, -1};

volatile sig_atomic_t g_signalled = 0;
constexpr unsigned kQuitDeadlineSeconds = 3;
// A portal that runs answers within milliseconds, mostly while the window is being built.
constexpr int kColorSchemeWaitMs = 150;

void onSignal(int signal)
{
    // A second request while the first is being served ends the process at once.
    if (g_signalled) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    g_signalled = 1;
    const char c = 1;
    [[maybe_unused]] auto n = ::write(g_signalPipe[1], &c, 1);
    // The event loop answers within milliseconds; should anything ever hold it, the
    // process still ends (SIGALRM's default) rather than ignore the request.
    ::alarm(kQuitDeadlineSeconds);
}
} // namespace

Application::Application(ApplicationDelegate* delegate, MainLayout layout)
    : delegate_(delegate), layout_(layout)
{
    g_application = this;
    if (layout_.window) {
        layout_.window->installEventFilter(this);
        // Covered by another application, on a phone's overview or behind its lock screen is
        // going to the background too, though Wayland never says minimised: a phone may end
        // the process there.
        auto* sight = new WindowSight(layout_.window);
        sight_ = sight;
        connect(sight, &WindowSight::changed, this, [this](bool seen) { seen ? enterForeground() : enterBackground(); });
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (terminated_ || background_)
                return;
            if (state == Qt::ApplicationActive)
                delegate_->applicationDidBecomeActive(this);
            else if (state == Qt::ApplicationInactive)
                delegate_->applicationWillResignActive(this);
        });
        connect(app, &QCoreApplication::aboutToQuit, this, &Application::terminate);
    }
    if (layout_.window) {
        auto shortcut = [this](const QKeySequence& keys, auto action) {
            auto* s = new QShortcut(keys, layout_.window);
            s->setContext(Qt::ApplicationShortcut);
            connect(s, &QShortcut::activated, this, action);
            // Gone with the application, so that a later one over the same window does
            // not make the keys ambiguous.
            connect(this, &QObject::destroyed, s, [p = QPointer<QShortcut>(s)] { delete p.data(); });
        };
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_R), [this] { rotateDevice(true); });
        shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), [this] { rotateDevice(false); });
        shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), [this] { simulateMemoryWarning(); });
    }
}

Application::~Application()
{
    // A window gone before it painted: nothing may wait for its frame any longer.
    if (awaitingFirstFrame_)
        FirstFrame::painted();
    if (g_application == this)
        g_application = nullptr;
    delete sight_.data();
}

Application* Application::sharedApplication()
{
    return g_application;
}

void Application::launch(const QVariantMap& options)
{
    // From here on, what the launch and the first screen start but do not need for the
    // first frame waits for that frame.
    if (layout_.window) {
        awaitingFirstFrame_ = true;
        FirstFrame::expect();
    }
    delegate_->setWindow(layout_.window);
    delegate_->applicationDidFinishLaunchingWithOptions(this, options);
    if (!layout_.window)
        return;
    TabBarController* root = layout_.rootViewController;
    if (root)
        root->beginAppearanceTransition(true, false);
    layout_.window->show();
    if (root)
        root->endAppearanceTransition();
}

void Application::simulateMemoryWarning()
{
    if (layout_.rootViewController)
        layout_.rootViewController->didReceiveMemoryWarning();
}

bool Application::setDeviceOrientation(InterfaceOrientation orientation)
{
    deviceOrientation_ = orientation;
    if (orientation == interfaceOrientation_)
        return true;
    TabBarController* root = layout_.rootViewController;
    if (!root || !root->shouldAutorotateToInterfaceOrientation(orientation))
        return false;
    auto landscape = [](InterfaceOrientation o) {
        return o == InterfaceOrientation::LandscapeLeft || o == InterfaceOrientation::LandscapeRight;
    };
    const bool wasLandscape = landscape(interfaceOrientation_);
    interfaceOrientation_ = orientation;
    if (layout_.window && wasLandscape != landscape(orientation)) {
        const QSize size = layout_.window->size();
        layout_.window->resize(size.height(), size.width());
    }
    return true;
}

void Application::rotateDevice(bool clockwise)
{
    // Clockwise: portrait, landscape left (home button on the left), upside down,
    // landscape right.
    static constexpr InterfaceOrientation order[] = {InterfaceOrientation::Portrait, InterfaceOrientation::LandscapeLeft,
                                                     InterfaceOrientation::PortraitUpsideDown,
                                                     InterfaceOrientation::LandscapeRight};
    int i = 0;
    while (order[i] != deviceOrientation_)
        ++i;
    setDeviceOrientation(order[(i + (clockwise ? 1 : 3)) % 4]);
}

void Application::setStatusBarStyle(int style, bool)
{
    // There is no status bar on the desktop; the value is kept for those who ask.
    statusBarStyle_ = style;
}

void Application::enterBackground()
{
    if (background_ || terminated_)
        return;
    background_ = true;
    delegate_->applicationWillResignActive(this);
    delegate_->applicationDidEnterBackground(this);
}

void Application::enterForeground()
{
    if (!background_ || terminated_)
        return;
    background_ = false;
    delegate_->applicationWillEnterForeground(this);
    delegate_->applicationDidBecomeActive(this);
}

void Application::terminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    delegate_->applicationWillTerminate(this);
}

bool Application::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == layout_.window) {
        switch (event->type()) {
        case QEvent::Paint:
            if (awaitingFirstFrame_) {
                awaitingFirstFrame_ = false;
                FirstFrame::painted();
            }
            break;
        case QEvent::WindowStateChange:
            if (layout_.window->isMinimized())
                enterBackground();
            else
                enterForeground();
            break;
        case QEvent::Hide:
            if (!event->spontaneous() || layout_.window->isMinimized())
                enterBackground();
            break;
        case QEvent::Show:
            enterForeground();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

int applicationMain(int argc, char** argv, const std::function<std::unique_ptr<ApplicationDelegate>()>& makeDelegate,
                    const std::function<MainLayout()>& loadMainLayout,
                    const std::function<std::optional<int>(const QStringList&)>& handleArguments,
                    const LaunchActions& actions)
{
    QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
    QCoreApplication::setOrganizationName(QStringLiteral("quorvel"));
    keepStartupIdForHandOver();
    // The command line is answered before the GUI exists, so that --help, --version and a
    // refusal work without a display. A plain start, from a launcher, skips this.
    if (handleArguments && argc > 1) {
        std::optional<int> status;
        {
            QCoreApplication commandLine(argc, argv);
            const QString language = StringTable::preferredLanguage();
            StringTable::load(language);
            StringTable::loadQtTexts(QLocale(language));
            status = handleArguments(QCoreApplication::arguments());
        }
        if (status)
            return *status;
    }

    QApplication qtApp(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvel"));
    // Qt's own texts in the language chosen for ours, so that one screen never mixes two.
    const QString language = StringTable::preferredLanguage();
    StringTable::load(language);
    StringTable::loadQtTexts(QLocale(language));

    const QStringList requested = actions.requested ? actions.requested(QCoreApplication::arguments()) : QStringList();
    // Before anything reads or writes the user's settings: a second start only raises the
    // first one's window (and hands it its command line).
    std::unique_ptr<SingleInstance> instance;
    if (const QString id = QGuiApplication::desktopFileName(); !id.isEmpty()) {
        instance = std::make_unique<SingleInstance>(id);
        switch (instance->claim(QCoreApplication::arguments().mid(1), requested.value(0))) {
        case SingleInstance::Role::First:
            break;
        case SingleInstance::Role::AlreadyRunning:
            NSLog("%@ is already running (%@); asked it to show its window", QGuiApplication::applicationDisplayName(),
                  instance->channel());
            return 0;
        case SingleInstance::Role::Unreachable:
            NSLog("%@ is already running (%@) but does not answer; not starting a second one",
                  QGuiApplication::applicationDisplayName(), instance->channel());
            return 1;
        }
    }

    // SIGTERM and SIGINT become an orderly quit, so the terminate hook runs.
    // Close-on-exec: the programs that send messages must not inherit it.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &qtApp);
        QObject::connect(notifier, &QSocketNotifier::activated, &qtApp, [] {
            char c;
            [[maybe_unused]] auto n = ::read(g_signalPipe[0], &c, 1);
            QCoreApplication::quit();
        });
        struct sigaction sa {};
        sa.sa_handler = onSignal;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &sa, nullptr);
        sigaction(SIGINT, &sa, nullptr);
    }

    // The desktop's dark preference, asked while the window is built and waited for briefly
    // before it is shown, so that a dark desktop never sees a light first frame. Only where the
    // session bus is up already: looking for one would cost more than the frame.
    std::unique_ptr<DesktopColorScheme> colorScheme;
    if (instance && instance->onSessionBus()) {
        colorScheme = std::make_unique<DesktopColorScheme>(QDBusConnection::sessionBus());
        colorScheme->follow();
    }
    std::unique_ptr<ApplicationDelegate> delegate = makeDelegate();
    MainLayout layout = loadMainLayout();
    std::unique_ptr<ScreenKeyboard> keyboard;
    Application application(delegate.get(), layout);
    if (colorScheme)
        colorScheme->settle(kColorSchemeWaitMs);
    application.launch();
    if (layout.window)
        useOwnStartupTokens(layout.window);
    if (instance) {
        instance->setWindow(layout.window);
        if (actions.perform)
            QObject::connect(instance.get(), &SingleInstance::activated, &application,
                             [&actions, window = layout.window](const QString& asked, const QStringList& arguments) {
                                 // The command line says it all; a launcher calling on the bus
                                 // names its action alone.
                                 QStringList wanted;
                                 if (!arguments.isEmpty() && actions.requested)
                                     wanted = actions.requested(QStringList{QCoreApplication::arguments().value(0)} + arguments);
                                 else if (!asked.isEmpty())
                                     wanted = {asked};
                                 for (const QString& action : std::as_const(wanted))
                                     actions.perform(action, window);
                             },
                             // After the later start has had its answer: a dialog opened here
                             // must not keep it waiting.
                             Qt::QueuedConnection);
    }
    // The actions this start was asked for, over the window once it is up.
    if (!requested.isEmpty() && actions.perform && layout.window)
        QTimer::singleShot(0, layout.window, [&actions, requested, window = layout.window] {
            for (const QString& action : requested)
                actions.perform(action, window);
        });
    // After the first frame: without the bus at start, the colour scheme's answer comes when it
    // comes, and restyles if it says dark; the on-screen keyboard of a phone session.
    FirstFrame::whenPainted(&application, [&colorScheme, &keyboard] {
        if (!colorScheme) {
            colorScheme = std::make_unique<DesktopColorScheme>(QDBusConnection::sessionBus());
            colorScheme->follow();
        }
        keyboard = std::make_unique<ScreenKeyboard>(QDBusConnection::sessionBus());
        keyboard->follow();
    });
    const int status = QApplication::exec();
    application.terminate();
    delete layout.window;
    return status;
}
