// The window as the user waits for it, on the offscreen platform unless a display is chosen
// (QT_QPA_PLATFORM=xcb on an X server). Every case runs until the events it causes are handled
// and the window has repainted:
// - operands pasted with Ctrl+V and A＋B or A×B clicked, until the laid-out answer is shown;
// - A×B alone on operands already in their fields, and the reading of those fields;
// - a paste into (A), and a keystroke at the start, in the middle and at the end of a long one;
// - a laid-out answer put into the answer field from the engine's answer, and scrolling it;
// - the CPU the idle window takes while the caret blinks in a long operand;
// - while a long command runs: how soon Esc ends it, how soon the window repaints after a
//   click, and the longest the UI thread is away from its event loop.
// Memory per character the answer field holds is reported with the answer shown.
#include "AnswerLayout.h"
#include "BenchOperands.h"
#include "CalcDialog.h"
#include "CalcWindow.h"
#include "ControlIds.h"
#include "QtPlatform.h"
#include "TextField.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <random>
#include <string>

namespace {

using namespace tallaro;

// Resident and peak resident memory of the process in bytes; the peak restarts on request.
// Only a first run tells memory apart: later ones reuse what the runs before them freed.
double memoryFigure(const std::string &key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key + ":", 0) == 0)
            return std::stod(line.substr(key.size() + 1)) * 1024;
    }
    return 0;
}
void restartPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The main window with its model, shown and idle.
struct Window {
    Window() : platform(window), model(platform) {
        window.attach(model);
        window.show();
        window.activateWindow();
        // Idle either way; a platform without a window manager may never say it is active.
        (void)QTest::qWaitForWindowActive(&window, 1000);
        QCoreApplication::processEvents();
    }
    ~Window() { window.detach(); }
    qt::TextField &field(int id) { return *qobject_cast<qt::TextField *>(window.control(id)); }
    // Operands of n digits each, as if typed in already.
    void setOperands(std::size_t digits) {
        field(ids::operandA).setAsciiText(benchDigits(digits, 1));
        field(ids::operandB).setAsciiText(benchDigits(digits, 2));
    }

    qt::CalcWindow window;
    qt::QtPlatform platform;
    CalcDialog model{platform};
};

// Handles the window's events until the running command has ended.
void waitForCommand(const CalcDialog &model) {
    while (model.busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void paste(QWidget &field, const QString &text) {
    QGuiApplication::clipboard()->setText(text);
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
}

void pasteAndPress(benchmark::State &state, int button) {
    const auto digits = static_cast<std::size_t>(state.range(0));
    const QString a = QString::fromStdString(benchDigits(digits, 1));
    const QString b = QString::fromStdString(benchDigits(digits, 2));
    for (auto _ : state) {
        state.PauseTiming();
        Window w;
        state.ResumeTiming();
        paste(w.field(ids::operandA), a);
        paste(w.field(ids::operandB), b);
        QTest::mouseClick(w.window.control(button), Qt::LeftButton);
        waitForCommand(w.model);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (w.field(ids::answer).model().size() == 0)
            state.SkipWithError("no answer");
        state.ResumeTiming();
    }
}
void BM_PasteAndAdd(benchmark::State &state) { pasteAndPress(state, ids::addButton); }
void BM_PasteAndMultiply(benchmark::State &state) { pasteAndPress(state, ids::multiplyButton); }
BENCHMARK(BM_PasteAndAdd)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_PasteAndMultiply)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The click on A×B until the answer shows, operands already in their fields.
void BM_Multiply(benchmark::State &state) {
    const auto digits = static_cast<std::size_t>(state.range(0));
    Window w;
    w.setOperands(digits);
    for (auto _ : state) {
        QTest::mouseClick(w.window.control(ids::multiplyButton), Qt::LeftButton);
        waitForCommand(w.model);
        QCoreApplication::processEvents();
    }
    // The engine's share, as the elapsed-time field shows it ("1.234秒").
    state.counters["engine_ms"] = 1000 * std::stod(w.platform.fieldText(ids::elapsedTime));
}
BENCHMARK(BM_Multiply)->Arg(10000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a command asks of the window before the engine starts: both operands as CP932.
void BM_ReadOperands(benchmark::State &state) {
    const auto digits = static_cast<std::size_t>(state.range(0));
    Window w;
    w.setOperands(digits);
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.platform.fieldText(ids::operandA));
        benchmark::DoNotOptimize(w.platform.fieldText(ids::operandB));
    }
}
BENCHMARK(BM_ReadOperands)->Arg(10000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A paste of digits into (A), replacing what it held, until the window is idle again.
void BM_Paste(benchmark::State &state) {
    const auto digits = static_cast<std::size_t>(state.range(0));
    const QString text = QString::fromStdString(benchDigits(digits, 1));
    Window w;
    qt::TextField &field = w.field(ids::operandA);
    for (auto _ : state) {
        state.PauseTiming();
        field.setPlainText(u"");
        QCoreApplication::processEvents();
        state.ResumeTiming();
        paste(field, text);
    }
}
BENCHMARK(BM_Paste)->Arg(10000000)->Arg(100000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// One key in a 10^7-digit operand: a digit typed, Backspace, and the caret moved left. The
// caret is put at random places (0), or by turns near the start and at the end (1), so that
// each key finds the last edit far away.
void keystroke(benchmark::State &state, Qt::Key key) {
    constexpr std::size_t digits = 10000000;
    Window w;
    qt::TextField &field = w.field(ids::operandA);
    field.setAsciiText(benchDigits(digits, 1));
    field.setFocus();
    std::mt19937 random(7);
    bool nearStart = false;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t size = field.model().size();
        nearStart = !nearStart;
        const std::size_t place =
            state.range(0) == 0 ? 1 + random() % (size - 1) : (nearStart ? 1 : size);
        field.model().setCaret(place, false);
        state.ResumeTiming();
        QTest::keyClick(&field, key);
        QCoreApplication::processEvents();
    }
}
void BM_KeyDigit(benchmark::State &state) {
    keystroke(state, Qt::Key_5);
}
void BM_KeyBackspace(benchmark::State &state) {
    keystroke(state, Qt::Key_Backspace);
}
void BM_KeyLeft(benchmark::State &state) {
    keystroke(state, Qt::Key_Left);
}
BENCHMARK(BM_KeyDigit)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KeyBackspace)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KeyLeft)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the engine's answer, a quotient with n fraction digits, to the laid-out answer shown.
void BM_ShowAnswer(benchmark::State &state) {
    const auto digits = static_cast<std::size_t>(state.range(0));
    const std::string answer = "0." + benchDigits(digits, 3);
    Window w;
    const double before = memoryFigure("VmRSS");
    restartPeak();
    double perCharacter = -1;
    double peakPerCharacter = -1;
    for (auto _ : state) {
        state.PauseTiming();
        w.platform.setFieldText(ids::answer, {});
        QCoreApplication::processEvents();
        state.ResumeTiming();
        w.platform.setFieldText(ids::answer, layOutAnswer(answer, 0, 0).text);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (perCharacter < 0) {
            const auto held = static_cast<double>(w.field(ids::answer).model().size());
            perCharacter = (memoryFigure("VmRSS") - before) / held;
            peakPerCharacter = (memoryFigure("VmHWM") - before) / held;
        }
        state.ResumeTiming();
    }
    state.counters["field_bytes_per_char"] = perCharacter;
    state.counters["peak_bytes_per_char"] = peakPerCharacter;
}
BENCHMARK(BM_ShowAnswer)
    ->Arg(20000000)
    ->Arg(100000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A 10^8-digit answer scrolled to random lines and repainted.
void BM_ScrollAnswer(benchmark::State &state) {
    Window w;
    w.platform.setFieldText(ids::answer, layOutAnswer("0." + benchDigits(100000000, 3), 0, 0).text);
    QScrollBar &bar = *w.field(ids::answer).verticalScrollBar();
    std::mt19937 random(5);
    for (auto _ : state) {
        bar.setValue(static_cast<int>(random() % static_cast<unsigned>(bar.maximum())));
        w.field(ids::answer).viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollAnswer)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The share of a core the window takes, idle, with the caret blinking in a 10^7-digit operand.
void BM_IdleCaret(benchmark::State &state) {
    Window w;
    qt::TextField &field = w.field(ids::operandA);
    field.setAsciiText(benchDigits(10000000, 1));
    field.setFocus();
    QCoreApplication::processEvents();
    double share = 0;
    for (auto _ : state) {
        QEventLoop idle;
        QTimer::singleShot(10000, &idle, &QEventLoop::quit);
        const double cpu = processSeconds();
        idle.exec();
        share = (processSeconds() - cpu) / 10;
    }
    state.counters["cpu_percent"] = 100 * share;
}
BENCHMARK(BM_IdleCaret)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A long command in the window: 1 / 7 to 10^8 places, or a product of two 10^7-digit
// operands, or 1 / a 10^5-digit divisor to 10^6 places with the repetend looked for (a
// minute of scanning).
enum class LongCommand { Quotient, Product, Scan };

// Types the operands and settings in.
void prepare(Window &w, LongCommand kind) {
    const bool product = kind == LongCommand::Product;
    w.field(ids::operandA).setAsciiText(product ? benchDigits(10'000'000, 1) : "1");
    w.field(ids::operandB)
        .setAsciiText(product                      ? benchDigits(10'000'000, 2)
                      : kind == LongCommand::Scan ? benchDigits(100'000, 3)
                                                  : "7");
    qobject_cast<QLineEdit *>(w.window.control(ids::precision))
        ->setText(kind == LongCommand::Quotient ? "100000000" : "1000000");
    qobject_cast<QAbstractButton *>(w.window.control(ids::findRepetend))
        ->setChecked(kind == LongCommand::Scan);
    QCoreApplication::processEvents();
}

void press(Window &w, LongCommand kind) {
    const int button = kind == LongCommand::Product ? ids::multiplyButton : ids::divideButton;
    QTest::mouseClick(w.window.control(button), Qt::LeftButton);
}

// Lets the command run for a while, the window handling its events meanwhile.
void runFor(Window &w, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms && w.model.busy())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Counts the paint events the window's widgets get.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget &window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == &m_window)
            ++paints;
        return false;
    }

private:
    QWidget &m_window;
};

using Clock = std::chrono::steady_clock;

void setSeconds(benchmark::State &state, Clock::time_point since) {
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - since).count());
}

// From Esc, pressed after the command has run for the argument's milliseconds, to the
// window's being idle again with every field as it was. Argument 2: the kind of command.
void BM_CancelLatency(benchmark::State &state) {
    for (auto _ : state) {
        Window w;
        const auto kind = static_cast<LongCommand>(state.range(1));
        prepare(w, kind);
        press(w, kind);
        runFor(w, static_cast<int>(state.range(0)));
        if (!w.model.busy()) {
            state.SkipWithError("the command ended before Esc");
            break;
        }
        const Clock::time_point esc = Clock::now();
        QTest::keyClick(w.window.control(ids::operandA), Qt::Key_Escape);
        waitForCommand(w.model);
        setSeconds(state, esc);
    }
}
BENCHMARK(BM_CancelLatency)
    ->Args({300, static_cast<int>(LongCommand::Quotient)})
    ->Args({1500, static_cast<int>(LongCommand::Quotient)})
    ->Args({300, static_cast<int>(LongCommand::Product)})
    ->Args({2000, static_cast<int>(LongCommand::Scan)})
    ->ArgNames({"ms", "kind"})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// From a click on A÷B, and from a click on A＋B while the quotient is being worked out (which
// does nothing), to the first repaint of the window.
void BM_ClickToRepaint(benchmark::State &state) {
    for (auto _ : state) {
        Window w;
        PaintCounter counter(w.window);
        const bool whileBusy = state.range(0) == 1;
        prepare(w, LongCommand::Quotient);
        if (whileBusy) {
            press(w, LongCommand::Quotient);
            runFor(w, 500);
        }
        counter.paints = 0;
        const Clock::time_point click = Clock::now();
        if (whileBusy)
            QTest::mouseClick(w.window.control(ids::addButton), Qt::LeftButton);
        else
            press(w, LongCommand::Quotient);
        while (counter.paints == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        setSeconds(state, click);
        w.model.OnCancel();
        waitForCommand(w.model);
    }
}
BENCHMARK(BM_ClickToRepaint)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("busy")
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The longest the UI thread was away from its event loop while 1 / 7 was worked out to the
// argument's places, from the click to the answer on screen: measured as the longest gap
// between the ticks of a 10 ms timer.
void BM_LongestStallDuringQuotient(benchmark::State &state) {
    for (auto _ : state) {
        Window w;
        prepare(w, LongCommand::Quotient);
        qobject_cast<QLineEdit *>(w.window.control(ids::precision))
            ->setText(QString::number(state.range(0)));
        QElapsedTimer sinceTick;
        qint64 longest = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout,
                         [&] { longest = std::max(longest, sinceTick.restart()); });
        ticks.start(10);
        sinceTick.start();
        press(w, LongCommand::Quotient);
        waitForCommand(w.model);
        QCoreApplication::processEvents();
        longest = std::max(longest, sinceTick.elapsed());
        state.SetIterationTime(static_cast<double>(longest) / 1000);
    }
}
BENCHMARK(BM_LongestStallDuringQuotient)
    ->Arg(10'000'000)
    ->Arg(100'000'000)
    ->ArgName("places")
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

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
