// Translation speed of the frame: a generated main file of 10k, 100k and 1M lines (numbers,
// strings and operators, ";" separators, comments, inline PHP blocks and continued lines) is
// translated with CompileFile over a small temporary installation; the figure is source lines
// per second. A second benchmark lexes the same lines alone. Figures only, nothing asserted.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "driver/run.h"
#include "driver/settings.h"
#include "driver/word_lists.h"
#include "engine/frame.h"
#include "engine/symbols.h"
#include "lexer/lexer.h"

namespace fs = std::filesystem;

namespace {

// One cycle of source lines; every generated file repeats it.
const char* const kCycle[] = {
    "1 + 2 * (3 - 4) / 5",
    "\"Hello\" & \" \" & \"world~b\"",
    "\t\t(1.5 + 2) * 3; \"a;b\" & \"c\"; 4 ' note",
    "' a line of comment only",
    "",
    "\t10 == 11 & & 12 != 13 | | 14 <> 15",
    "InlinePHP",
    "$x = 1;",
    "echo \"inline\";",
    "EndInlinePHP",
    "\"joined \" & ~~",
    "\t\"text ~q~~~q \" & ~",
    "\"end\"",
    "\t\t\t-1 + 2 - 3 * 4 / 5 % 6 ^ 7",
    "\"It's ~<b~> ~$name ~t\" ; 1 ; 2 ; 3",
    "   ",
    "(((1))) + [2, 3][0]",
    "\"caf\xC3\xA9 \xE2\x82\xAC\" & \"~s~s\"",
    "1.25 + .5 + 100000 ' trailing words that are not translated",
    "\t\t\"last line of the cycle\"",
};
constexpr int kCycleLines = sizeof kCycle / sizeof kCycle[0];

const char kKeywords[] =
    "Include\nPrint\nFunction\nEndFunction\nMethod\nEndMethod\nReturn\nType\nEndType\nUntil\n"
    "Repeat\nForever\nWhile\nWend\nIf\nElseIf\nElse\nEndIf\nSelect\nEndSelect\nCase\nDefault\n"
    "For\nNext\nField\nLocal\nGlobal\nConst\nPublic\nPrivate\nEnd\nExit\nContinue\nExtern\n"
    "EndExtern\nInlinePHP\nEndInlinePHP\nTo\nStep\nEachIn\nAs\nTrue\nFalse\nNull\nArray";
const char kPhpWords[] = "echo\nclass\nfunction\nnew\nlist\narray\nprint\nreturn";

// A temporary installation and output folder, with the generated sources, kept for the run.
class Workplace {
public:
    Workplace() {
        std::string pattern = (fs::temp_directory_path() / "tolva-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
        fs::create_directories(root_ / "config");
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "out");
        std::ofstream(root_ / "config/keywords.txt") << kKeywords;
        std::ofstream(root_ / "config/php.txt") << kPhpWords;
    }
    ~Workplace() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    // Path of a source of about lines lines (whole cycles), generated on first use.
    std::string Source(int lines) {
        std::string& path = sources_[lines];
        if (!path.empty()) return path;
        path = (root_ / ("main" + std::to_string(lines) + ".tol")).string();
        std::ofstream out(path, std::ios::binary);
        for (int line = 0; line < lines; ++line) out << kCycle[line % kCycleLines] << '\n';
        return path;
    }

    // The globals as the run sequence leaves them before the main file.
    void PrepareRun() {
        ResetTranslator();
        fs::current_path(root_ / "bin");
        outputPath = rootOutputPath = (root_ / "out").string();
        localDefList.emplace_back();
        constList.emplace_back();
        funcList.emplace_back();
        localObjectList.emplace_back();
        LoadKeywords();
    }

private:
    fs::path root_;
    std::map<int, std::string> sources_;
};

Workplace& TheWorkplace() {
    static Workplace workplace;
    return workplace;
}

void BM_CompileFile(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    Workplace& workplace = TheWorkplace();
    std::string source = workplace.Source(lines);
    workplace.PrepareRun();
    std::ostringstream discarded;
    std::streambuf* saved = std::cout.rdbuf(discarded.rdbuf());
    for (auto _ : state) {
        CompileFile(source);
        discarded.str("");
    }
    std::cout.rdbuf(saved);
    // One more counted line: the empty text after the final line break.
    state.counters["lines"] = benchmark::Counter(lines + 1.0,
                                                 benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes"] = benchmark::Counter(static_cast<double>(fs::file_size(source)),
                                                 benchmark::Counter::kIsIterationInvariantRate,
                                                 benchmark::Counter::kIs1024);
}
BENCHMARK(BM_CompileFile)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The lexer alone, on the lines of one cycle, each lexed as a counted line.
void BM_LexLine(benchmark::State& state) {
    CLexer lexer;
    for (auto _ : state) {
        for (const char* line : kCycle) {
            benchmark::DoNotOptimize(lexer.LexLine(line, false, true));
        }
    }
    state.counters["lines"] =
        benchmark::Counter(kCycleLines, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LexLine);

}  // namespace

BENCHMARK_MAIN();
