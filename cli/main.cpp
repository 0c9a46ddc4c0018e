// tallaro-calc: the calculator's engine from the command line, for scripts and batch work.
#include "AnswerLayout.h"
#include "CliOptions.h"
#include "DecimalEngine.h"
#include "EmptyAnswerMessage.h"
#include "LargePages.h"
#include "Scratch.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

using tallaro::DecimalEngine;
using tallaro::cli::CliOptions;

constexpr int exitReadError = 1;
constexpr int exitWriteError = 1;
constexpr int exitUsage = 2;
constexpr int exitOutOfMemory = 3;

// line: the input line's number, or 0 for operands on the command line. An empty answer keeps
// its line, so that scripts can pair answers with inputs, and standard error says why; the
// reason is worked out before the engine takes the operands over.
void printAnswer(DecimalEngine &engine, const CliOptions &options, std::string a,
                 const std::string &op, std::string b, long line) {
    engine.m_repetendHead = 0;
    engine.m_repetendTail = 0;
    const std::string whyEmpty = options.quiet ? "" : tallaro::cli::emptyAnswerMessage(a, op, b);
    std::string answer = engine.calculate(std::move(a), op, std::move(b));
    if (answer.empty() && !whyEmpty.empty()) {
        std::cout.flush();
        std::cerr << "tallaro-calc: " << (line > 0 ? "line " + std::to_string(line) + ": " : "")
                  << whyEmpty << '\n';
    }
    if (options.layout) {
        // The laid-out text ends its own lines; the places follow on a line of their own.
        std::cout << tallaro::layOutAnswer(std::move(answer), engine.m_repetendHead,
                                           engine.m_repetendTail)
                         .text
                  << '\n';
        if (options.repetend)
            std::cout << engine.m_repetendHead << '\t' << engine.m_repetendTail << '\n';
        return;
    }
    std::cout << answer;
    if (options.repetend)
        std::cout << '\t' << engine.m_repetendHead << '\t' << engine.m_repetendTail;
    std::cout << '\n';
}

enum class LineRead { Read, End, Malformed };

// Reads the next line "A<TAB>OP<TAB>B" straight into a, op and b (a trailing carriage return
// is dropped). On a line of millions of digits this spares copying B out of the line and
// touching that much fresh memory.
LineRead readLine(std::istream &in, std::string &a, std::string &op, std::string &b) {
    if (!std::getline(in, a, '\t'))
        return LineRead::End; // nothing left to read
    // Without a tab on the line, A ran on into the next lines or to the end of the input.
    if (in.eof() || a.find('\n') != std::string::npos)
        return LineRead::Malformed;
    if (!std::getline(in, op, '\t') || in.eof() || op.find('\n') != std::string::npos)
        return LineRead::Malformed;
    if (!std::getline(in, b)) {
        in.clear(); // an empty B at the very end of the input: the line is still a line
        b.clear();
    }
    if (b.find('\t') != std::string::npos)
        return LineRead::Malformed;
    if (!b.empty() && b.back() == '\r')
        b.pop_back();
    return LineRead::Read;
}

// Sizes the operand buffers once when standard input is a file: on a line of millions of
// digits getline would otherwise double them again and again, copying them and touching
// fresh pages each time. The file's size also leaves room for the alignment that lengthens
// an operand to the other's digit positions. Reserved but untouched capacity costs no
// memory. Only a hint: when the memory is not there, the lines are read as usual.
void reserveForInput(std::string &a, std::string &b) {
    struct stat input {};
    if (fstat(0, &input) != 0 || !S_ISREG(input.st_mode))
        return;
    const auto size = static_cast<std::size_t>(std::min<off_t>(input.st_size, off_t{1} << 30));
    try {
        a.reserve(size);
        b.reserve(size);
    } catch (const std::bad_alloc &) {
    }
}

int readLines(DecimalEngine &engine, const CliOptions &options) {
    // A line too long for memory must not pass for the end of the input: getline would catch
    // the std::bad_alloc and only set badbit, and the run would end with status 0, that line
    // and every later one dropped without a word. With badbit armed the std::bad_alloc comes
    // through, and a read error comes as std::ios_base::failure.
    std::cin.exceptions(std::ios::badbit);
    std::string a, op, b;
    reserveForInput(a, b);
    try {
        for (long number = 1;; ++number) {
            const LineRead read = readLine(std::cin, a, op, b);
            if (read == LineRead::End)
                break;
            if (read == LineRead::Malformed) {
                std::cout.flush();
                std::cerr << "tallaro-calc: line " << number << ": expected A<TAB>OP<TAB>B\n";
                return exitUsage;
            }
            printAnswer(engine, options, std::move(a), op, std::move(b), number);
            if (!std::cout)
                return exitWriteError; // nobody gets the answers: stop computing them
        }
    } catch (const std::ios_base::failure &) {
        std::cout.flush();
        std::cerr << "tallaro-calc: cannot read standard input\n";
        return exitReadError;
    }
    return 0;
}

int run(const std::vector<std::string> &args) {
    std::string error;
    const auto options = tallaro::cli::parseOptions(args, error);
    if (!options) {
        std::cerr << "tallaro-calc: " << error << " (see --help)\n";
        return exitUsage;
    }
    if (options->help) {
        std::cout << tallaro::cli::usageText;
        return 0;
    }
    if (options->version) {
        std::cout << "tallaro-calc " TALLARO_VERSION "\n";
        return 0;
    }
    DecimalEngine engine;
    engine.m_fractionDigits = options->fractionDigits;
    engine.m_findRepetend = options->repetend ? 1 : 0;
    if (options->operands.empty())
        return readLines(engine, *options);
    printAnswer(engine, *options, options->operands[0], options->operands[1], options->operands[2],
                0);
    return 0;
}

// A full disk or a failing device shows at a write, at the last flush or only when the output is
// closed; any of them means answers were lost, which must not pass for success.
int closeOutput(int status) {
    std::cout.flush();
    if (std::cout && std::fclose(stdout) == 0)
        return status;
    std::cerr << "tallaro-calc: cannot write standard output";
    if (errno != 0)
        std::cerr << ": " << std::strerror(errno);
    std::cerr << '\n';
    return status == 0 ? exitWriteError : status;
}

} // namespace

int main(int argc, char **argv) {
    std::ios::sync_with_stdio(false);
    tallaro::setFreshMemoryAdvice(tallaro::adviseLargePages);
    int status = 0;
    try {
        status = run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc &) {
        // The answers of the lines before stay printed; the one that did not fit is dropped.
        std::cout.flush();
        std::cerr << "tallaro-calc: out of memory\n";
        status = exitOutOfMemory;
    }
    return closeOutput(status);
}
