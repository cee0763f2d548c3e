// Long templates: a keystroke into a 100 KB template in the editor's text view, and the
// list's rows showing 100 KB templates.

#include "controls/TemplatesTableViewCell.h"
#include "platform/ui/TextField.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include "OffscreenMain.h"

namespace {

// One keystroke as the user types it, with the repaint that shows it.
void typeOnce(TextView& view, const QString& character)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, character);
    QApplication::sendEvent(&view, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, character);
    QApplication::sendEvent(&view, &release);
    view.viewport()->repaint();
}

void BM_KeystrokeInto100KBTemplate(benchmark::State& state)
{
    // 0: 32-character lines; 1: one line of words; 2: one line without a blank.
    const int kind = static_cast<int>(state.range(0));
    const QString text = kind == 2   ? QString(100 * 1024, QLatin1Char('x'))
                         : kind == 1 ? QStringLiteral("[] word {} ").repeated(100 * 1024 / 11)
                                     : QStringLiteral("[] a line of a long template {}\n").repeated(100 * 1024 / 32);
    TextView view;
    view.resize(336, 300);
    view.show();
    view.setText(text);
    view.setFocus();
    view.moveCursor(QTextCursor::End);
    for (auto _ : state)
        typeOnce(view, QStringLiteral("a"));
    state.SetLabel(kind == 2 ? "one line without a blank" : kind == 1 ? "one line of words" : "32-character lines");
}
BENCHMARK(BM_KeystrokeInto100KBTemplate)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_Show100KBTemplateInRow(benchmark::State& state)
{
    const QString text = QStringLiteral("word ").repeated(100 * 1024 / 5);
    TemplatesTableViewCell cell(TableViewCellStyle::Default, QStringLiteral("templateTableCell"));
    cell.resize(360, 80);
    cell.show();
    for (auto _ : state) {
        cell.messageLabel->setText(text);
        cell.repaint();
        benchmark::DoNotOptimize(cell.messageLabel->heightForWidth(336));
        cell.messageLabel->clear();
    }
}
BENCHMARK(BM_Show100KBTemplateInRow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
