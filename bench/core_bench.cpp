// Composing and reading a full bind: the work of every Save and Open.
#include <benchmark/benchmark.h>

#include "core/bind_file.h"
#include "core/bind_reader.h"

namespace {

void BM_ComposeAndParseFullBind(benchmark::State& state) {
  vbe::BindLines lines;
  for (int k = 0; k < vbe::LineCount; ++k) {
    lines[k] = std::string(28 - k, static_cast<char>('a' + k)) + "   /\\_/\\";
  }
  for (auto _ : state) {
    const auto say = vbe::ComposeSayLines(lines, vbe::TextColour::Yellow);
    const std::string file = vbe::ComposeBindFile(*say);
    const vbe::ParsedBind parsed = vbe::ParseBindText(file, file.size());
    benchmark::DoNotOptimize(parsed);
  }
}
BENCHMARK(BM_ComposeAndParseFullBind);

}  // namespace

BENCHMARK_MAIN();
