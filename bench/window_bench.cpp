// The window end to end, as the user waits for it: two operands pasted into fields 1000
// and 1001 with Ctrl+V, A＋B or A×B clicked, and the events that follow handled until the
// laid-out answer is in field 1002. Runs on the offscreen platform unless a display is chosen.
#include "BenchOperands.h"
#include "CalcDialog.h"
#include "CalcWindow.h"
#include "ControlIds.h"
#include "QtPlatform.h"

#include "TextField.h"
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace tallaro;

void paste(QWidget *field, const QString &text) {
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

void pasteAndPress(benchmark::State &state, int button) {
    const auto digits = static_cast<std::size_t>(state.range(0));
    const QString a = QString::fromStdString(benchDigits(digits, 1));
    const QString b = QString::fromStdString(benchDigits(digits, 2));
    for (auto _ : state) {
        state.PauseTiming();
        qt::CalcWindow window;
        qt::QtPlatform platform(window);
        CalcDialog model(platform);
        window.attach(model);
        window.show();
        QCoreApplication::processEvents();
        state.ResumeTiming();

        paste(window.control(ids::operandA), a);
        paste(window.control(ids::operandB), b);
        QTest::mouseClick(window.control(button), Qt::LeftButton);
        QCoreApplication::processEvents();

        state.PauseTiming();
        const auto *answer = qobject_cast<qt::TextField *>(window.control(ids::answer));
        if (answer->model().size() == 0)
            state.SkipWithError("no answer");
        window.detach();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
void BM_PasteAndAdd(benchmark::State &state) { pasteAndPress(state, ids::addButton); }
void BM_PasteAndMultiply(benchmark::State &state) { pasteAndPress(state, ids::multiplyButton); }
BENCHMARK(BM_PasteAndAdd)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteAndMultiply)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

// The widgets need their application for the whole run, and it must end before the program.
int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
