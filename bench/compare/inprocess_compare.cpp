// In-process times of one case: the engine's calculate against GMP (decimal text in and out
// through mpz_set_str and mpz_get_str, and for a product also mpz_mul alone, on numbers
// already binary), pinned to one processor, the fastest of --repeat runs. A repetend search
// is set against the same remainder scan on GMP, and every case against the time it takes
// to write an answer of its length into fresh pages (the floor for any program).
//   inprocess_compare OP A_FILE B_FILE [--digits N] [--repetend] [--repeat R] [--cpu K]
//                     [--answers PREFIX]
// Prints one line of JSON: for each contender, its fastest wall-clock and processor times.
#include "DecimalEngine.h"
#include "GmpCalc.h"
#include "../GmpRemainderScan.h"
#include "LargePages.h"
#include "Scratch.h"

#include <sched.h>
#include <sys/mman.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using tallaro::compare::gmpCalculate;
using tallaro::compare::parseDecimal;

struct Options {
    char op = '?';
    std::string a, b, answers;
    int places = 1000, repeat = 3, cpu = -1;
    bool repetend = false;
};

struct Best {
    double wall = 1e300, cpu = 1e300;
};

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The fastest of `repeat` runs of work, each after an untimed setup (a run over 30 s is not
// repeated).
template <class Setup, class Work> Best fastest(int repeat, Setup &&setup, Work &&work) {
    Best best;
    for (int i = 0; i < repeat; ++i) {
        setup();
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadSeconds();
        work();
        const double cpu = threadSeconds() - cpuStart;
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        best.wall = std::min(best.wall, wall.count());
        best.cpu = std::min(best.cpu, cpu);
        if (wall.count() > 30)
            break;
    }
    return best;
}


// Writing n bytes into pages the process has not touched yet.
void writeFreshPages(std::size_t n) {
    void *pages = mmap(nullptr, n, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    std::memset(pages, '7', n);
    munmap(pages, n);
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Options parseOptions(int argc, char **argv) {
    Options o;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
        if (arg == "--digits")
            o.places = std::stoi(next());
        else if (arg == "--repeat")
            o.repeat = std::stoi(next());
        else if (arg == "--cpu")
            o.cpu = std::stoi(next());
        else if (arg == "--answers")
            o.answers = next();
        else if (arg == "--repetend")
            o.repetend = true;
        else
            positional.push_back(arg);
    }
    if (positional.size() != 3 || positional[0].size() != 1)
        throw std::invalid_argument("usage: inprocess_compare OP A_FILE B_FILE [options]");
    o.op = positional[0][0];
    o.a = readFile(positional[1]);
    o.b = readFile(positional[2]);
    return o;
}

void pinTo(int cpu) {
    if (cpu < 0)
        return;
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(static_cast<std::size_t>(cpu), &set);
    sched_setaffinity(0, sizeof set, &set);
}

} // namespace

int main(int argc, char **argv) {
    const Options o = parseOptions(argc, argv);
    pinTo(o.cpu);
    tallaro::setFreshMemoryAdvice(tallaro::adviseLargePages); // as tallaro and tallaro-calc do
    std::map<std::string, Best> times;
    std::map<std::string, std::string> answers;

    const auto nothing = [] {};
    tallaro::DecimalEngine engine;
    engine.m_fractionDigits = o.places;
    engine.m_findRepetend = o.repetend ? 1 : 0;
    std::string a, b; // the copies calculate takes by value, made before the clock runs
    times["tallaro"] = fastest(
        o.repeat, [&] { a = o.a, b = o.b, answers["tallaro"].clear(); },
        [&] {
            answers["tallaro"] = engine.calculate(std::move(a), std::string(1, o.op), std::move(b));
        });
    if (o.repetend) {
        times["gmp_scan"] = fastest(o.repeat, nothing,
                                    [&] { answers["gmp"] = gmpRemainderScan(o.a, o.b, o.places); });
    } else {
        times["gmp_text"] = fastest(
            o.repeat, nothing, [&] { answers["gmp"] = gmpCalculate(o.a, o.op, o.b, o.places); });
    }
    if (o.op == '*') {
        const mpz_class x = parseDecimal(o.a).value, y = parseDecimal(o.b).value;
        mpz_class product;
        times["gmp_binary"] = fastest(o.repeat, nothing, [&] { product = x * y; });
    }
    const std::size_t length = std::max<std::size_t>(answers["tallaro"].size(), 1);
    times["floor"] = fastest(o.repeat, nothing, [&] { writeFreshPages(length); });

    for (const auto &[name, text] : answers) {
        if (!o.answers.empty())
            std::ofstream(o.answers + "." + name, std::ios::binary) << text << '\n';
    }
    std::cout << '{';
    const char *separator = "";
    for (const auto &[name, best] : times) {
        std::cout << separator << '"' << name << "\": [" << best.wall << ", " << best.cpu << ']';
        separator = ", ";
    }
    std::cout << "}\n";
    return 0;
}
