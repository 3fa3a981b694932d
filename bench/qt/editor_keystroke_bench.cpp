// One keystroke in the real editor: a character typed at the middle of a Chinese manuscript,
// then what the logic asks after every change (the length and the caret's byte offset).
// The naive alternative, re-encoding the whole document per keystroke, is measured beside
// it: the keystroke should cost what it changes, the naive path what the document holds.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>
#include <memory>
#include <random>

#include "base/gbk.h"
#include "bench_support.h"
#include "platform/linux/linux_file_system.h"
#include "ui/qt/gbk_mirror.h"
#include "ui/qt/qt_editor_view.h"
#include "ui/qt/qt_text.h"

namespace kalamo::bench {
namespace {

constexpr std::size_t kKilobyte = 1 << 10;
constexpr std::size_t kMegabyte = 1 << 20;

// Paragraphs of a few hundred characters, as a novel's chapter has them.
constexpr char kParagraph[] =
    "　　雨停了，檐下还挂着水珠。林秋把窗推开一条缝，凉气便顺着窗框爬进来，"
    "带着泥土和青草的味道。她在桌前坐了很久，稿纸上只写了一行字，又被她划掉了。"
    "楼下的老张在修自行车，扳手敲在车架上，一下一下，像是替她数着时间。"
    "她想起母亲说过的话：“写不出来的时候，就出去走走。”可她哪儿也不想去，"
    "只想把这一章写完。灯光昏黄，照着桌角那只掉了漆的搪瓷杯，杯里的茶早凉了，"
    "浮着几片舒展开的叶子。她端起来喝了一口，苦得皱起眉头，却又笑了。\r\n";

std::string Manuscript(std::size_t bytes) {
    return RepeatTo(Utf8ToGbk(kParagraph), bytes);
}

// The editor as the program builds it: a shown QPlainTextEdit with its GBK view (or, to
// tell the two costs apart, the widget alone).
class Editor {
  public:
    Editor(const std::string& gbk, bool withView) {
        edit_.resize(1100, 750);
        edit_.show();
        if (withView) {
            view_ = std::make_unique<QtEditorView>(edit_, [this] { ++changes_; });
            view_->setText(gbk);
        } else {
            edit_.setPlainText(QStringFromGbkLines(gbk));
        }
        moveToNextSpot();
        QCoreApplication::processEvents();
    }

    QPlainTextEdit& edit() { return edit_; }
    QtEditorView& view() { return *view_; }
    long changes() const { return changes_; }

    // The caret goes round the middle of one of 64 paragraphs about the document's middle,
    // so that no paragraph grows far beyond its natural length while the typing goes on.
    void moveToNextSpot() {
        const QTextDocument& document = *edit_.document();
        const int first = std::max(0, document.blockCount() / 2 - kSpots / 2);
        const QTextBlock block = document.findBlockByNumber(first + spot_++ % kSpots);
        QTextCursor cursor = edit_.textCursor();
        cursor.setPosition(block.position() + block.length() / 2);
        edit_.setTextCursor(cursor);
    }

    // A character committed by the input method, the way Chinese arrives from the keyboard.
    void type(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(&edit_, &event);
    }

  private:
    static constexpr int kSpots = 64;
    QPlainTextEdit edit_;
    long changes_ = 0;
    int spot_ = 0;
    std::unique_ptr<QtEditorView> view_;
};

void SetLabel(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    state.SetLabel(bytes >= kMegabyte ? std::to_string(bytes / kMegabyte) + " MB document"
                                      : std::to_string(bytes / kKilobyte) + " KB document");
}

std::string ManuscriptOf(const benchmark::State& state) {
    return Manuscript(static_cast<std::size_t>(state.range(0)));
}

// One keystroke and what the logic reads after it. The caret move between keystrokes is
// not timed.
void BM_Keystroke(benchmark::State& state) {
    Editor editor(ManuscriptOf(state), true);
    const std::size_t before = editor.view().textLength();
    const QString ch = QString::fromUtf8("字");
    for (auto _ : state) {
        state.PauseTiming();
        editor.moveToNextSpot();
        state.ResumeTiming();
        editor.type(ch);
        benchmark::DoNotOptimize(editor.view().textLength());
        benchmark::DoNotOptimize(editor.view().selectionStart());
    }
    // Every keystroke must have reached the mirror as two more GBK bytes.
    if (editor.view().textLength() != before + 2 * static_cast<std::size_t>(state.iterations()) ||
        editor.changes() < static_cast<long>(state.iterations()) ||
        editor.view().text() != editor.view().encodeDocument())
        state.SkipWithError("the keystrokes did not reach the mirror");
    SetLabel(state);
}

// The same keystroke followed by the frame the user sees (layout and paint, offscreen).
void BM_KeystrokeAndRepaint(benchmark::State& state) {
    Editor editor(ManuscriptOf(state), true);
    const QString ch = QString::fromUtf8("字");
    for (auto _ : state) {
        state.PauseTiming();
        editor.moveToNextSpot();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        editor.type(ch);
        benchmark::DoNotOptimize(editor.view().selectionStart());
        QCoreApplication::processEvents();
    }
    SetLabel(state);
}

// The widget alone, without the GBK view: what the view adds is the difference.
void BM_KeystrokeWidgetOnly(benchmark::State& state) {
    Editor editor(ManuscriptOf(state), false);
    const QString ch = QString::fromUtf8("字");
    for (auto _ : state) {
        state.PauseTiming();
        editor.moveToNextSpot();
        state.ResumeTiming();
        editor.type(ch);
        benchmark::DoNotOptimize(editor.edit().textCursor().position());
    }
    SetLabel(state);
}

// What a keystroke would cost if the view re-encoded the document each time.
void BM_NaiveReencode(benchmark::State& state) {
    Editor editor(ManuscriptOf(state), true);
    for (auto _ : state) {
        std::string gbk = GbkLinesFromQString(editor.edit().toPlainText());
        benchmark::DoNotOptimize(gbk.data());
    }
    SetLabel(state);
}

// The GBK mirror alone: what the view adds to each keystroke beyond the encoding of the
// typed character.
void BM_MirrorInsert(benchmark::State& state) {
    GbkMirror mirror;
    mirror.reset(Manuscript(static_cast<std::size_t>(state.range(0))));
    const std::string ch = Utf8ToGbk("字");
    // Spots a prime distance apart, so the seeks start at every distance from a mark.
    const std::size_t first = mirror.units() / 2 - 32 * 997;
    std::size_t spot = 0;
    for (auto _ : state) {
        const std::size_t unit = first + spot++ % 64 * 997;
        if (!mirror.replace(unit, 0, ch)) return state.SkipWithError("insert refused");
        benchmark::DoNotOptimize(mirror.byteOf(unit + 1));
    }
    SetLabel(state);
}

// The other half of the view's share: encoding the typed character on its own.
void BM_EncodeTypedCharacter(benchmark::State& state) {
    const QString ch = QString::fromUtf8("字");
    for (auto _ : state) benchmark::DoNotOptimize(GbkLinesFromQString(ch));
}
BENCHMARK(BM_EncodeTypedCharacter)->Unit(benchmark::kMicrosecond);

void DocumentSizes(benchmark::internal::Benchmark* b) {
    for (std::size_t bytes : {200 * kKilobyte, 1 * kMegabyte, 2 * kMegabyte, 10 * kMegabyte})
        b->Arg(static_cast<std::int64_t>(bytes));
    b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Keystroke)->Apply(DocumentSizes);
BENCHMARK(BM_MirrorInsert)->Apply(DocumentSizes);
BENCHMARK(BM_KeystrokeWidgetOnly)->Apply(DocumentSizes);
BENCHMARK(BM_KeystrokeAndRepaint)->Apply(DocumentSizes);
BENCHMARK(BM_NaiveReencode)->Apply(DocumentSizes);

// Opening a 10 MB GBK text end to end: read the file, show it, build the mirror.
void BM_OpenIntoEditor10MB(benchmark::State& state) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    const std::string path = folder.file("manuscript.txt");
    LinuxFileSystem files;
    const std::string gbk = Manuscript(10 * kMegabyte);
    if (!files.writeAtomic(path, gbk)) return state.SkipWithError("could not write the file");
    QPlainTextEdit edit;
    edit.resize(1100, 750);
    edit.show();
    QtEditorView view(edit, [] {});
    for (auto _ : state) {
        std::optional<std::string> bytes = files.readAll(path);
        if (!bytes) return state.SkipWithError("could not read the file");
        view.setText(*bytes);
        QCoreApplication::processEvents();
    }
    if (view.text() != gbk) state.SkipWithError("the editor does not hold the file");
}
BENCHMARK(BM_OpenIntoEditor10MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// 10 MB of enciphered bytes opened as text: about a third of them start no character and
// ride through the widget as reserved code units, every line break kept as it came.
void BM_SetCiphertext10MB(benchmark::State& state) {
    std::mt19937 random(5);
    std::string bytes(10 * kMegabyte, '\0');
    for (char& b : bytes) b = static_cast<char>(random());
    QPlainTextEdit edit;
    edit.resize(1100, 750);
    edit.show();
    QtEditorView view(edit, [] {});
    for (auto _ : state) {
        view.setText(bytes);
        QCoreApplication::processEvents();
    }
    if (view.text() != bytes) state.SkipWithError("the editor changed the bytes");
}
BENCHMARK(BM_SetCiphertext10MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A change of format over the whole text makes the document report all of it as changed:
// the view compares what it shows with what it holds instead of re-encoding, and no byte
// moves. The worst case of a format change.
void BM_FormatWholeText10MB(benchmark::State& state) {
    Editor editor(Manuscript(10 * kMegabyte), true);
    const std::string before = editor.view().text();
    bool bold = false;
    for (auto _ : state) {
        QTextCursor all(editor.edit().document());
        all.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setFontWeight((bold = !bold) ? QFont::Bold : QFont::Normal);
        all.mergeCharFormat(format);
    }
    if (editor.view().text() != before || editor.changes() != 1)
        state.SkipWithError("a format change moved bytes");
}
BENCHMARK(BM_FormatWholeText10MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Saving a 10 MB text end to end: the editor's GBK text, replaced atomically on disk.
void BM_SaveFromEditor10MB(benchmark::State& state) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    const std::string path = folder.file("manuscript.txt");
    LinuxFileSystem files;
    Editor editor(Manuscript(10 * kMegabyte), true);
    for (auto _ : state) {
        if (!files.writeAtomic(path, editor.view().text()))
            return state.SkipWithError("could not write the file");
    }
}
BENCHMARK(BM_SaveFromEditor10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kalamo::bench
