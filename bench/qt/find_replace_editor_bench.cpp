// Find-next and replace-all through the real editor, as the find windows run them: the
// editor's text, the search, then the selection set or the one replacing edit.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPlainTextEdit>

#include "base/gbk.h"
#include "bench_support.h"
#include "editor/gbk_search.h"
#include "ui/qt/qt_editor_view.h"

namespace kalamo::bench {
namespace {

std::string Manuscript(std::size_t bytes) {
    const std::string paragraph =
        RepeatTo(Utf8ToGbk("他走进院子，抬头看见满天的星星。Kalamo写作，"), 200) + "\r\n";
    return RepeatTo(paragraph, bytes);
}

struct ShownEditor {
    explicit ShownEditor(const std::string& gbk) {
        edit.resize(1100, 750);
        edit.show();
        view.setText(gbk);
        QCoreApplication::processEvents();
    }
    QPlainTextEdit edit;
    QtEditorView view{edit, [] {}};
};

// Down from the start to the last line: the whole text is read and searched.
void BM_FindNextInEditor(benchmark::State& state) {
    std::string text = Manuscript(static_cast<std::size_t>(state.range(0)));
    const std::string target = Utf8ToGbk("目标");
    text.replace(text.size() - 6, 4, target);
    ShownEditor editor(text);
    const GbkSearch search(target, false);
    for (auto _ : state) {
        editor.view.setSelectionStart(0);
        const std::string now = editor.view.text();
        const auto found = search.findForward(now, editor.view.selectionLength());
        editor.view.setSelectionStart(*found);
        editor.view.setSelectionLength(target.size());
    }
}
BENCHMARK(BM_FindNextInEditor)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

// Every "星星" (one in about 60 bytes) becomes "月亮和星星"; the text is put back untimed.
void BM_ReplaceAllInEditor(benchmark::State& state) {
    const std::string text = Manuscript(static_cast<std::size_t>(state.range(0)));
    ShownEditor editor(text);
    const GbkSearch search(Utf8ToGbk("星星"), true);
    const std::string replacement = Utf8ToGbk("月亮和星星");
    for (auto _ : state) {
        const std::string now = editor.view.text();
        const auto replaced = search.replaceAll(now, replacement);
        editor.view.setSelectionStart(replaced->from);
        editor.view.setSelectionLength(replaced->to - replaced->from);
        editor.view.replaceSelection(replaced->with);
        state.PauseTiming();
        editor.view.setText(text);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReplaceAllInEditor)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
}  // namespace kalamo::bench
