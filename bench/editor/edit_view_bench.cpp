// The edit view's key-release handler on a long line with thousands of known words: typing
// a letter at the end of the line, and finishing a word that is the last known word, as
// spelled and in another letter case.
// Needs a display (run it under xvfb-run); the word list is generated into a temporary
// installation root, so the installed word files play no part.
#include <benchmark/benchmark.h>
#include <gtk/gtk.h>
#include <gtkmm/application.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "edit_view.h"
#include "editor_state.h"

namespace {

constexpr int kWordCount = 5000;
constexpr int kLineLength = 10000;

std::string KnownWord(int i) { return "Function" + std::to_string(i); }

// A temporary root whose functions.txt holds kWordCount words; removed at exit.
class WordListRoot {
  public:
    WordListRoot() {
        std::string pattern = std::filesystem::temp_directory_path() / "tolva-bench-XXXXXX";
        root = mkdtemp(pattern.data());
        std::filesystem::create_directories(root + "/config");
        std::ofstream functions(root + "/config/functions.txt");
        for (int i = 0; i < kWordCount; ++i) functions << KnownWord(i) << ":a function\n";
        std::ofstream(root + "/config/keywords.txt") << "If:if\n";
    }
    ~WordListRoot() { std::filesystem::remove_all(root); }
    std::string root;
};

// A line of kLineLength characters of words, numbers and a closed string, ending at the
// cursor, so that the handler scans all of it.
std::string LongLine() {
    std::string line;
    while (line.size() < kLineLength) line += "total = total + \"x\" + 12 ";
    return line;
}

void PlaceCursorAtEnd(EditView& view) { view.buffer->place_cursor(view.buffer->end()); }

void BM_KeyReleaseAfterALetter(benchmark::State& state) {
    EditView view;
    view.buffer->set_text(LongLine() + "abc");
    PlaceCursorAtEnd(view);
    for (auto _ : state) {
        view.lastCursor = -1;
        benchmark::DoNotOptimize(view.onKeyPress(nullptr));
    }
}
BENCHMARK(BM_KeyReleaseAfterALetter);

// The finished word is the last entry of the list, spelled exactly: it is looked up and
// needs no edit, so this is the cost of the lookup itself.
void BM_KeyReleaseFinishingAnExactWord(benchmark::State& state) {
    EditView view;
    view.buffer->set_text(LongLine() + KnownWord(kWordCount - 1) + " ");
    PlaceCursorAtEnd(view);
    for (auto _ : state) {
        view.lastCursor = -1;
        view.currentWord = KnownWord(kWordCount - 1);
        benchmark::DoNotOptimize(view.onKeyPress(nullptr));
    }
}
BENCHMARK(BM_KeyReleaseFinishingAnExactWord);

// The finished word matches the last entry of the list, in another letter case, and is
// re-cased; the line is put back between iterations, outside the timing.
void BM_KeyReleaseFinishingAKnownWord(benchmark::State& state) {
    EditView view;
    const std::string typed = FoldAsciiCase(KnownWord(kWordCount - 1));
    const std::string line = LongLine() + typed + " ";
    for (auto _ : state) {
        state.PauseTiming();
        view.buffer->set_text(line);
        PlaceCursorAtEnd(view);
        view.lastCursor = -1;
        view.currentWord = typed;
        state.ResumeTiming();
        benchmark::DoNotOptimize(view.onKeyPress(nullptr));
    }
    if (view.buffer->get_text().raw() != LongLine() + KnownWord(kWordCount - 1) + " ") {
        state.SkipWithError("the word was not re-cased");
    }
}
BENCHMARK(BM_KeyReleaseFinishingAKnownWord);

}  // namespace

int main(int argc, char** argv) {
    g_setenv("GDK_BACKEND", "x11", TRUE);
    if (!gtk_init_check(&argc, &argv)) {
        std::cerr << "No display: run this benchmark under xvfb-run.\n";
        return 1;
    }
    const auto application = Gtk::Application::create(Glib::ustring(), Gio::APPLICATION_NON_UNIQUE);
    const WordListRoot words;
    appDir = words.root;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
