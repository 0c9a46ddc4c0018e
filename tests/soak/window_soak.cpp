// A random user at the real window for a fixed time, Esc or closing the window at any moment of
// a command. What a command shows and copies is the engine's and the layout's answer for the
// inputs it started with; one stopped leaves every field as it was; with the texts gone the heap
// comes back to its lowest level; under an address-space limit (not with a sanitizer, which
// reserves terabytes) what finds no memory ends in the message. SECONDS [SEED [LIMIT_MB]]
#include "AnswerLayout.h"
#include "CalcDialog.h"
#include "CalcWindow.h"
#include "ControlIds.h"
#include "PrecisionField.h"
#include "QtPlatform.h"
#include "Scratch.h"
#include "TextField.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

// The bytes allocated and not yet freed, where a sanitizer's allocator counts them.
extern "C" __attribute__((weak)) std::size_t __sanitizer_get_current_allocated_bytes();
extern "C" __attribute__((weak)) void __sanitizer_print_memory_profile(std::size_t top_percent,
                                                                       std::size_t max_contexts);

namespace tallaro::qt {
namespace {

constexpr std::size_t kHeapSlack = 4 << 20; // Qt's caches of glyphs and pixmaps
constexpr int kPatienceMs = 4000;           // a command still running then is stopped
// The fields a command reads, after the check box, then those the user reads.
constexpr int kFields[] = {ids::operandA,    ids::operandB,      ids::precision,
                           ids::answer,      ids::integerDigits, ids::fractionDigits,
                           ids::elapsedTime, ids::repetendHead,  ids::repetendTail};

// The checker's own copies of the fields and its oracle need memory too: under the address-space
// limit they can run out where the window did not. Such a step goes unchecked; a bad_alloc from
// the window itself still ends the run.
struct CheckerOutOfMemory {};
template <class Work> auto checking(Work work) {
    try {
        return work();
    } catch (const std::bad_alloc &) {
        throw CheckerOutOfMemory{};
    }
}

struct Session {
    Session() {
        window.attach(model);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
    }
    ~Session() { window.detach(); }
    CalcWindow window;
    QtPlatform platform{window};
    CalcDialog model{platform};
};

class Soak {
  public:
    Soak(std::uint64_t seed, bool memoryLimited)
        : m_memoryLimited(memoryLimited), m_random(seed), m_session(std::make_unique<Session>()) {
        // The engine keeps for the life of the process its transform's root tables, grown to
        // the longest transform so far. The largest products the soak can ask for are made
        // once before the heap's baseline, so that their growth is not read as memory a
        // command kept. (The working memory each thread keeps for its next products is let
        // go before every measure: the oracle runs on this thread.)
        for (const std::size_t digits :
             {std::size_t{1'000'100}, std::size_t{800'000}, std::size_t{600'000}}) {
            const std::string nines(digits, '9');
            (void)DecimalEngine().calculate(nines, "*", nines);
        }
        // Message boxes and the About box are read and closed as soon as they open.
        m_closer.callOnTimeout([this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                const auto *box = qobject_cast<QMessageBox *>(modal);
                m_shown << (box ? box->text() : modal->windowTitle());
                modal->close();
            }
        });
        m_closer.start(1);
    }

    void step() {
        ++m_steps;
        m_shown.clear();
        const int operandId = chance(0.5) ? ids::operandA : ids::operandB;
        const std::function<void()> actions[] = {
            [&] { typeInto(operandId, operand(12)); },
            [&] { paste(operandId, operand(1'000'000)); },
            [&] { typePrecision(); },
            [&] { click(ids::findRepetend); },
            [&] { command(ids::addButton + int(below(4))); }, // the buttons' ids follow each other
            [&] { windowMenu(); },
            [&] { reopen(); },
            [&] { checkMemory(); }};
        actions[std::discrete_distribution<std::size_t>({15, 15, 10, 5, 44, 5, 2, 4})(m_random)]();
    }

    // A step the checker could not finish: the window is left to end its command.
    void unchecked() {
        ++m_unchecked;
        log("the checker ran out of memory");
        (void)QTest::qWaitFor([this] { return !model().busy(); }, 60'000);
    }

    const bool m_memoryLimited;
    std::size_t m_steps = 0;
    std::size_t m_unchecked = 0;
    bool m_failed = false;

  private:
    std::size_t below(std::size_t n) { return m_random() % n; }
    bool chance(double p) { return double(below(1000)) < p * 1000; }
    // From 1 to most, every power of ten as likely as the next.
    std::size_t spread(double most) {
        return std::size_t(std::pow(most, double(below(1001)) / 1e3));
    }
    // Digits, now and then with signs, points, separators, characters no number has, Japanese
    // text or line breaks in one place among them.
    QString operand(std::size_t largest) {
        static const char16_t *const marks[] = {
            u"-",  u".",      u",",  u" ",  u"a",  u":", u"/",      u"\t",   u"\n",    u"\r\n",
            u"\r", u"\u2029", u"１", u"あ", u"漢", u"😀", u"\u3000", u"-0.0", u"1,,2 3"};
        QString text(qsizetype(chance(0.05) ? 0 : spread(double(largest))), u'0');
        for (QChar &c : text)
            c = QChar(char16_t(u'0' + below(10)));
        QString odd;
        for (std::size_t n = chance(0.7) ? 0 : below(3) + 1; n > 0; --n)
            odd += QString::fromUtf16(marks[below(std::size(marks))]);
        return text.insert(qsizetype(below(std::size_t(text.size()) + 1)), odd);
    }

    CalcWindow &window() { return m_session->window; }
    CalcDialog &model() { return m_session->model; }
    TextField &field(int id) { return *qobject_cast<TextField *>(window().control(id)); }
    std::string cp932(int id) { return m_session->platform.fieldText(id); }
    std::vector<std::string> fields() {
        return checking([this] {
            std::vector<std::string> texts{m_session->platform.isChecked(ids::findRepetend) ? "on"
                                                                                            : ""};
            for (int id : kFields)
                texts.push_back(cp932(id));
            return texts;
        });
    }
    static bool sameInputs(const std::vector<std::string> &x, const std::vector<std::string> &y) {
        return std::equal(x.begin(), x.begin() + 4, y.begin());
    }

    void log(const std::string &what) {
        m_log.push_back("step " + std::to_string(m_steps) + ": " + what);
        m_log.erase(m_log.begin(), m_log.end() - std::min<std::ptrdiff_t>(std::ssize(m_log), 12));
    }
    void fail(const std::string &what) {
        for (const std::string &line : m_log)
            std::cerr << line << '\n';
        std::cerr << "FAIL at step " << m_steps << ": " << what << std::endl;
        m_failed = true;
    }
    // A step that showed a message ran out of memory, and must have left the inputs alone.
    bool ranOutOfMemory(const std::vector<std::string> &before) {
        if (!m_shown.isEmpty() &&
            (m_shown != QStringList{QStringLiteral("メモリが不足しています。")} ||
             !sameInputs(before, fields())))
            fail("out of memory changed the inputs, or showed " + m_shown.join(u'|').toStdString());
        return !m_shown.isEmpty();
    }

    void key(QWidget &target, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        log("key " + QKeySequence(QKeyCombination(modifiers, k)).toString().toStdString());
        target.setFocus();
        QTest::keyClick(&target, k, modifiers);
    }
    void click(int id) {
        log("click " + std::to_string(id));
        QTest::mouseClick(window().control(id), Qt::LeftButton);
    }
    // Printable ASCII through the keyboard, anything else but control characters through an
    // input method; over the whole text, or where the caret is.
    void typeInto(int id, const QString &text) {
        if (chance(0.5))
            key(field(id), Qt::Key_A, Qt::ControlModifier);
        log("type " + text.toStdString());
        for (const char32_t c : text.toUcs4()) {
            QInputMethodEvent commit;
            commit.setCommitString(QString::fromUcs4(&c, 1));
            if (c >= 0x80)
                QApplication::sendEvent(&field(id), &commit);
            else if (c >= 0x20)
                QTest::keyClick(&field(id), char(c));
        }
    }
    void paste(int id, const QString &text) {
        QGuiApplication::clipboard()->setText(text);
        if (chance(0.7))
            key(field(id), Qt::Key_A, Qt::ControlModifier);
        log("paste " + std::to_string(text.size()) + " characters: " + text.left(40).toStdString());
        key(field(id), Qt::Key_V, Qt::ControlModifier);
    }
    // Mostly a number from -1 up, now and then with blanks in front or something behind.
    void typePrecision() {
        const QString number =
            chance(0.1) ? QStringLiteral("-1") : QString::number(spread(chance(0.3) ? 30 : 1e9));
        const QString text = (chance(0.1) ? QStringLiteral("  ") : QString()) + number +
                             (chance(0.1) ? QStringLiteral("x9") : QString());
        key(*window().control(ids::precision), Qt::Key_A, Qt::ControlModifier);
        log("precision " + text.toStdString());
        QTest::keyClicks(window().control(ids::precision), text);
    }

    // Stopped with Esc or by closing the window at a random moment, or left to end.
    void command(int button) {
        const std::vector<std::string> before = fields();
        click(button);
        const int patience = chance(0.5) ? int(below(200)) : kPatienceMs;
        (void)QTest::qWaitFor([this] { return !model().busy(); }, patience);
        const bool stopped = model().busy();
        if (stopped && chance(0.2))
            return reopen();
        if (stopped)
            key(window(), Qt::Key_Escape);
        if (!QTest::qWaitFor([this] { return !model().busy(); }, 60'000))
            return fail("the command did not end");
        if (!ranOutOfMemory(before) &&
            (stopped ? fields() != before : !sameInputs(before, fields())))
            fail(stopped ? "a stopped command changed the fields" : "the inputs changed");
        else if (!stopped && m_shown.isEmpty())
            expectAnswerShown(before, "+-*/"[button - ids::addButton]);
    }

    // The window's answer, counts and copy against the engine's and the layout's.
    void expectAnswerShown(const std::vector<std::string> &in, char op) {
        DecimalEngine engine;
        engine.m_fractionDigits = leadingInteger(in[3]);
        engine.m_findRepetend = in[0].empty() ? 0 : 1;
        const std::string answer =
            checking([&] { return engine.calculate(in[1], std::string_view(&op, 1), in[2]); });
        const std::size_t point = std::min(answer.find('.'), answer.size());
        std::vector<std::string> expected = fields();
        expected[4] = checking([&] {
            return layOutAnswer(answer, engine.m_repetendHead, engine.m_repetendTail).text;
        });
        expected[5] =
            point == 1 && answer.size() > 1 && answer[0] == '0' ? "0" : std::to_string(point);
        expected[6] = point < answer.size() ? std::to_string(answer.size() - point - 1) : "";
        expected[8] = op == '/' ? std::to_string(engine.m_repetendHead) : "";
        expected[9] = op == '/' ? std::to_string(engine.m_repetendTail) : "";
        if (fields() != expected)
            fail("the window does not show the engine's answer " + answer.substr(0, 60));
        QGuiApplication::clipboard()->clear();
        click(ids::copyButton);
        const QString copied = checking([] { return QGuiApplication::clipboard()->text(); });
        // Under the address-space limit a copy may find no memory: it then leaves the
        // clipboard as it was, cleared.
        if (!ranOutOfMemory(in) && copied != QString::fromLatin1(answer) &&
            !(m_memoryLimited && copied.isEmpty()))
            fail("the copy is not the plain answer");
    }

    void windowMenu() {
        key(window(), Qt::Key_Space, Qt::AltModifier);
        window().systemMenu().menu().actions().last()->trigger();
        window().systemMenu().menu().hide();
        if (m_shown.size() != 1)
            fail("the window menu's last entry did not open the About box");
    }

    void reopen() {
        key(window(), Qt::Key_F4, Qt::AltModifier);
        m_session = std::make_unique<Session>();
    }

    // The operands and the answer emptied, the clipboard cleared, fresh operands after.
    void checkMemory() {
        if (!__sanitizer_get_current_allocated_bytes)
            return;
        field(ids::operandA).setPlainText({});
        field(ids::operandB).setPlainText({});
        command(ids::addButton);
        QGuiApplication::clipboard()->clear();
        releaseKeptScratch();
        const std::size_t used = __sanitizer_get_current_allocated_bytes();
        if (used > std::min(used, m_lowest) + kHeapSlack) {
            fail("the heap holds " + std::to_string((used - m_lowest) >> 20) + " MiB more");
            if (__sanitizer_print_memory_profile) // what holds it, by where it was allocated
                __sanitizer_print_memory_profile(90, 20);
        }
        m_lowest = std::min(used, m_lowest);
        field(ids::operandA).setPlainText(operand(1'000'000));
        field(ids::operandB).setPlainText(operand(1'000));
    }

    std::mt19937_64 m_random;
    std::unique_ptr<Session> m_session;
    QTimer m_closer;
    QStringList m_shown; // the texts of the boxes the step opened
    std::size_t m_lowest = SIZE_MAX;
    std::vector<std::string> m_log;
};

} // namespace
} // namespace tallaro::qt

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::uint64_t seed = argc > 2 ? std::stoull(argv[2]) : std::random_device()();
    const rlim_t limit = argc > 3 ? std::stoul(argv[3]) << 20 : RLIM_INFINITY;
    const rlimit addressSpace{limit, limit};
    setrlimit(RLIMIT_AS, &addressSpace);
    tallaro::qt::Soak soak(seed, limit != RLIM_INFINITY);
    QElapsedTimer clock;
    clock.start();
    while (!soak.m_failed && double(clock.elapsed()) < (argc > 1 ? std::stod(argv[1]) : 30) * 1000)
        try {
            soak.step();
        } catch (const tallaro::qt::CheckerOutOfMemory &) {
            soak.unchecked();
        }
    std::cout << "window soak, seed " << seed << ": " << soak.m_steps << " steps, "
              << soak.m_unchecked << " unchecked" << std::endl;
    return soak.m_failed ? 1 : 0;
}
