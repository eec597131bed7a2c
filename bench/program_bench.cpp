// Translation of realistic generated programs: every statement family, with thousands of
// functions, types, constants and variables, at growing lengths. Reports the time per line
// (which should stay flat as programs grow) and the peak memory of the translation.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "driver/settings.h"
#include "driver/word_lists.h"
#include "driver/run.h"
#include "engine/frame.h"
#include "engine/symbols.h"

namespace fs = std::filesystem;

namespace {

// One declaration unit of 32 lines: a type, a function, a constant, a global and an object,
// all numbered by unit.
void WriteDeclarations(std::ostream& out, long i) {
    std::string n = std::to_string(i);
    out << "Type Shape" << n << "\n\tField size" << n << "\n\tMethod Constructor(a)\n"
        << "\t\tthis\\size" << n << " = a\n\tEndMethod\n\tMethod Area" << n << "(h = 2)\n"
        << "\t\tReturn this\\size" << n << " * h\n\tEndMethod\nEndType\n"
        << "Function compute" << n << "(x, y = 2)\n\tLocal r = x * y, items[]\n"
        << "\tIf r > 10\n\t\tr = r - 1\n\tElseIf r == 0\n\t\tr = 1\n\tElse\n\t\tr = r + 2\n"
        << "\tEndIf\n\tFor Local j = 1 To 3\n\t\tr = r + j\n\tNext\n"
        << "\tFor Local k = EachIn items => Local v\n\t\tr = r + v\n\tNext\n"
        << "\tWhile r > 100\n\t\tr = r / 2\n\tWend\n\tReturn r\nEndFunction\n"
        << "Const Limit" << n << " = 5\nGlobal total" << n << " = compute" << n << "(1, Limit" << n
        << ")\nLocal box" << n << " As Shape" << n << "(total" << n << ")\n"
        << "Print \"Area: \" & box" << n << "\\Area" << n << "() & \"~n\"\n";
}

// Ten lines of a function body that use the names of declaration unit k.
void WriteWorkBlock(std::ostream& out, long k, long j) {
    std::string n = std::to_string(k);
    std::string b = "b" + std::to_string(j);
    out << "\tGlobal total" << n << "\n\tLocal " << b << " As Shape" << n << "(total" << n
        << ")\n\tIf " << b << "\\Area" << n << "() > Limit" << n << "\n\t\ttotal" << n
        << " = total" << n << " + compute" << n << "(1, 2)\n\tElse\n\t\tPrint \"small~n\"\n"
        << "\tEndIf\n\tFor Local i = 1 To 3\n\t\ttotal" << n << " = total" << n << " - i\n"
        << "\tNext\n";
}

constexpr long kDeclarationLines = 32;
constexpr long kMostUnits = 2000;  // a large program's names do not grow with its length
constexpr long kBlocksPerFunction = 50;
constexpr long kWorkFunctionLines = 2 + 10 * kBlocksPerFunction;

// About half the lines declare names, up to the limit; functions using them fill the rest.
void WriteProgram(std::ostream& out, long lines) {
    long units = std::min(lines / (2 * kDeclarationLines), kMostUnits);
    for (long i = 0; i < units; ++i) WriteDeclarations(out, i);
    long functions = (lines - units * kDeclarationLines) / kWorkFunctionLines;
    for (long m = 0; m < functions; ++m) {
        out << "Function work" << m << "()\n";
        for (long j = 0; j < kBlocksPerFunction; ++j) {
            WriteWorkBlock(out, (m * kBlocksPerFunction + j) % units, j);
        }
        out << "EndFunction\n";
    }
}

fs::path Workspace() {
    static fs::path root = [] {
        fs::path folder = fs::temp_directory_path() / ("tolva-bench-" + std::to_string(getpid()));
        fs::create_directories(folder / "bin");
        fs::create_directories(folder / "out");
        fs::copy(fs::path(TOLVA_SOURCE_DIR) / "config", folder / "config",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        return folder;
    }();
    return root;
}

fs::path ProgramOf(long lines) {
    fs::path path = Workspace() / ("program" + std::to_string(lines) + ".tol");
    if (fs::exists(path)) return path;
    std::ofstream out(path);
    WriteProgram(out, lines);
    return path;
}

// The kernel's high-water mark of resident memory, reset before each translation.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

double PeakMemoryMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

void TranslateOnce(const fs::path& program) {
    fs::current_path(Workspace() / "bin");
    outputPath = rootOutputPath = (Workspace() / "out").string();
    OpenProgramScopes();
    LoadKeywords();
    CompileFile(program.string());
}

void BM_TranslateProgram(benchmark::State& state) {
    long lines = state.range(0);
    fs::path program = ProgramOf(lines);
    double peak = 0;
    std::cout.setstate(std::ios::failbit);  // the progress lines are not the figure here
    for (auto _ : state) {
        state.PauseTiming();
        ResetTranslator();
        ResetPeakMemory();
        state.ResumeTiming();
        TranslateOnce(program);
        peak = PeakMemoryMegabytes();
    }
    std::cout.clear();
    state.counters["lines_per_s"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["ns_per_line"] = benchmark::Counter(
        static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate |
                                        benchmark::Counter::kInvert);
    state.counters["peak_MB"] = peak;
}

BENCHMARK(BM_TranslateProgram)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
