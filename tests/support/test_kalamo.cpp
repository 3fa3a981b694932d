#include "support/test_kalamo.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace kalamo::test {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Spit(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

unsigned ModeOf(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kalamo-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    if (!made) ADD_FAILURE() << "cannot make a temp dir";
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string MemoryMachineStore::readText(const std::string& n) const {
    auto it = texts.find(n);
    return it == texts.end() ? std::string() : it->second;
}

std::uint32_t MemoryMachineStore::readNumber(const std::string& n) const {
    auto it = numbers.find(n);
    return it == numbers.end() ? 0 : it->second;
}

bool RecordingParts::Run() {
    calls.push_back("runFirstRunWizard");
    if (wizardCompletes && wizardDelegate) return wizardDelegate->Run();
    return wizardCompletes;
}

void RecordingParts::ApplyBackgroundColour() {
    calls.push_back("applyBackgroundColour");
    if (appearanceDelegate) appearanceDelegate->ApplyBackgroundColour();
}

void RecordingParts::SetWindowAlpha(int alpha) {
    calls.push_back("setWindowAlpha " + std::to_string(alpha));
    if (appearanceDelegate) appearanceDelegate->SetWindowAlpha(alpha);
}

void RecordingParts::ApplyAndSaveSettings() {
    calls.push_back("applyAndSaveSettings");
    if (panelDelegate) panelDelegate->ApplyAndSaveSettings();
}

void RecordingParts::open() {
    calls.push_back("openStatisticsWindow");
    if (statisticsDelegate) statisticsDelegate->open();
}

void RecordingParts::setShown(bool shown) {
    calls.push_back(shown ? "showStatisticsWindow" : "hideStatisticsWindow");
    if (statisticsDelegate) statisticsDelegate->setShown(shown);
}

bool RecordingParts::askPassword() {
    calls.push_back("askDocumentPassword");
    if (passwordGiven && kalamo) kalamo->writing.documentPassword = passwordToSet;
    return passwordGiven;
}

// A visible stand-in for the document cipher: reversible and never the identity.
std::string RecordingParts::encipher(const std::string& text, const std::string& password) {
    calls.push_back("encipherDocument");
    std::string out = text;
    for (char& c : out) c = static_cast<char>(c ^ 0x5A);
    return "[" + password + "]" + out;
}

std::string RecordingParts::decipher(const std::string& bytes, const std::string& password) {
    calls.push_back("decipherDocument");
    std::string prefix = "[" + password + "]";
    if (bytes.rfind(prefix, 0) != 0) return "garbled";
    std::string out = bytes.substr(prefix.size());
    for (char& c : out) c = static_cast<char>(c ^ 0x5A);
    return out;
}

bool RecordingParts::called(const std::string& name) const {
    for (const auto& c : calls)
        if (c == name) return true;
    return false;
}

TestKalamo::TestKalamo() {
    paths.run = dir.path();
    paths.work = dir.path();
    paths.exe = dir.file("kalamo");
    parts.kalamo = &k;
    ui.setEventSink(nullptr);
}

}  // namespace kalamo::test
