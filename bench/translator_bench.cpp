// Lexing speed: one typical source line, lexed as the frame does it.
#include <benchmark/benchmark.h>

#include "lexer/lexer.h"

namespace {

void BM_LexLine(benchmark::State& state) {
    CLexer lexer;
    const std::string line = "\ttotal = total + compute(price * 2, \"Caf~q\") ' running sum";
    for (auto _ : state) benchmark::DoNotOptimize(lexer.LexLine(line, true, false));
    state.counters["lines_per_s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_LexLine);

}  // namespace

BENCHMARK_MAIN();
