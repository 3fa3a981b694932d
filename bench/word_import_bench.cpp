// Importing a .docx whose word/document.xml holds 5 MB of a manuscript, and what a zip bomb
// that lies about its size costs before the 64 MiB cap stops it.
#include <benchmark/benchmark.h>
#include <zip.h>

#include <fstream>
#include <iterator>

#include "base/gbk.h"
#include "bench_support.h"
#include "documents/word_import.h"
#include "platform/linux/linux_process_runner.h"

namespace kalamo::bench {
namespace {

// One paragraph as Word writes it: properties, then a few runs.
std::string Paragraph() {
    return "<w:p><w:pPr><w:spacing w:after=\"0\"/><w:ind w:firstLineChars=\"200\"/></w:pPr>"
           "<w:r><w:rPr><w:rFonts w:hint=\"eastAsia\"/></w:rPr><w:t>" +
           GbkToUtf8("船到对岸的时候，天已经黑透了。老人把缆绳绕在木桩上，回头看了看他，") +
           "</w:t></w:r><w:r><w:rPr><w:rFonts w:hint=\"eastAsia\"/></w:rPr><w:t>" +
           GbkToUtf8("说：“明天一早还有一班，你若是不急，就在我家歇一晚。”") +
           "</w:t></w:r><w:r><w:tab/><w:t xml:space=\"preserve\"> </w:t></w:r></w:p>";
}

bool WriteDocx(const std::string& path, const std::string& xml) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) return false;
    zip_source_t* source = zip_source_buffer(archive, xml.data(), xml.size(), 0);
    if (!source || zip_file_add(archive, "word/document.xml", source, 0) < 0) {
        zip_source_free(source);
        zip_discard(archive);
        return false;
    }
    return zip_close(archive) == 0;
}

void BM_ImportDocx5MB(benchmark::State& state) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:document "
        "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" +
        RepeatTo(Paragraph(), 5 << 20) + "</w:body></w:document>";
    const std::string path = folder.file("manuscript.docx");
    if (!WriteDocx(path, xml)) return state.SkipWithError("cannot write the archive");
    LinuxProcessRunner runner;
    WordImport import(runner);
    for (auto _ : state) {
        WordImportResult result = import.importDocument(path);
        if (!result.ok()) return state.SkipWithError("import failed");
        benchmark::DoNotOptimize(result.text.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(xml.size()));
}
BENCHMARK(BM_ImportDocx5MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// Makes the archive's one entry claim `size` bytes, in its local header and central directory.
bool DeclareSize(const std::string& path, std::uint32_t size) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::size_t central = bytes.rfind("PK\x01\x02");
    if (!file || central == std::string::npos) return false;
    char field[4] = {static_cast<char>(size), static_cast<char>(size >> 8),
                     static_cast<char>(size >> 16), static_cast<char>(size >> 24)};
    file.clear();
    file.seekp(22).write(field, 4);
    file.seekp(static_cast<std::streamoff>(central + 24)).write(field, 4);
    return static_cast<bool>(file);
}

// 100 MiB of spaces declared as 1000 bytes: inflated and counted up to the cap, then refused.
void BM_LyingZipBombUpToTheCap(benchmark::State& state) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    const std::string path = folder.file("bomb.docx");
    if (!WriteDocx(path, std::string(100 << 20, ' ')) || !DeclareSize(path, 1000)) {
        return state.SkipWithError("cannot write the archive");
    }
    LinuxProcessRunner runner;
    WordImport import(runner);
    for (auto _ : state) {
        if (import.importDocument(path).failure != WordImportFailure::TooLarge) {
            return state.SkipWithError("the bomb was not stopped");
        }
    }
}
BENCHMARK(BM_LyingZipBombUpToTheCap)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kalamo::bench
