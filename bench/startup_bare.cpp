// The yardstick for start-up: a bare Qt window with four empty tabs, the size of the
// application's window, with the same first-frame probe. Run by bench_startup.

#include "StartupProbe.h"

#include <QApplication>
#include <QTabWidget>

int main(int argc, char** argv)
{
    startup::FirstFrameProbe probe(argc, argv);
    QApplication app(argc, argv);
    QTabWidget window;
    window.resize(360, 640);
    for (const char* title : {"One", "Two", "Three", "Four"})
        window.addTab(new QWidget, QString::fromLatin1(title));
    probe.watch(&window);
    window.show();
    return QApplication::exec();
}
