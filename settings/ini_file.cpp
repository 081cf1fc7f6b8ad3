#include "settings/ini_file.h"

#include <sys/stat.h>

#include <span>

#include "image/errors.h"
#include "image/file_io.h"

namespace pixmo {
namespace {

// Creates the missing folders above the file (the per-user location may not exist yet).
void MakeParentFolders(const std::string& fileName) {
    size_t slash = fileName.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return;
    std::string folder = fileName.substr(0, slash);
    struct stat st {};
    if (::stat(folder.c_str(), &st) == 0) return;
    MakeParentFolders(folder);
    ::mkdir(folder.c_str(), 0777);  // a failure shows up when the file is written
}

}  // namespace

TIniFile::TIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

TIniFile::~TIniFile() = default;

TIniFile::TStamp TIniFile::Stamp() const {
    TStamp s;
    struct stat st {};
    if (::stat(FFileName.c_str(), &st) != 0) return s;
    s.Exists = true;
    s.Dev = static_cast<uint64_t>(st.st_dev);
    s.Ino = static_cast<uint64_t>(st.st_ino);
    s.Size = static_cast<int64_t>(st.st_size);
    s.MTime = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.CTime = static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return s;
}

void TIniFile::Refresh() {
    if (FUpdateDepth > 0) return;
    TStamp now = Stamp();
    if (FLoaded && now == FStamp) return;
    // Changes that could not be written yet win over the file, which they will replace.
    if (FLoaded && FDirty && !FBlocked) return;
    Load(now);
}

void TIniFile::Load(const TStamp& stamp) {
    FLoaded = true;
    FStamp = stamp;
    FDirty = false;
    FBlocked = false;
    FDocument.Parse({});
    if (!stamp.Exists) return;  // a missing file reads as empty
    try {
        if (stamp.Size > kMaxSettingsFileSize)
            RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Settings file too large: \"%1\""), FFileName));
        std::vector<uint8_t> bytes = ReadWholeFile(FFileName);
        FDocument.Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const EPixmoError& e) {
        FBlocked = true;
        FBlockReason = e.what();
    }
}

void TIniFile::Report(const std::string& message) {
    FLastError = message;
    if (FReported) return;
    FReported = true;
    if (OnError) OnError(message);
}

void TIniFile::Changed() {
    FDirty = true;
    Flush();
}

void TIniFile::Flush() {
    if (FUpdateDepth > 0 || !FDirty) return;
    if (FBlocked) {
        Report(FBlockReason + " Settings are not saved.");
        return;
    }
    std::string text = FDocument.Text();
    try {
        // A link (a managed dotfile) is written at its target by the atomic write.
        MakeParentFolders(FFileName);
        WriteFileAtomically(FFileName, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    } catch (const EPixmoError& e) {
        Report(e.what());
        return;
    }
    FDirty = false;
    FStamp = Stamp();
    FReported = false;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) {
    Refresh();
    return FDocument.Value(section, key).value_or(def);
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    Refresh();
    if (FDocument.SetValue(section, key, value)) Changed();
}

bool TIniFile::SectionExists(const std::string& section) {
    Refresh();
    return FDocument.SectionExists(section);
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) {
    Refresh();
    return FDocument.Value(section, key).has_value();
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) {
    Refresh();
    return FDocument.Keys(section);
}

size_t TIniFile::KeyCount(const std::string& section) {
    Refresh();
    return FDocument.KeyCount(section);
}

void TIniFile::EraseSection(const std::string& section) {
    Refresh();
    if (FDocument.EraseSection(section)) Changed();
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
    Refresh();
    if (FDocument.DeleteKey(section, key)) Changed();
}

void TIniFile::BeginUpdate() {
    if (FUpdateDepth == 0) Refresh();
    ++FUpdateDepth;
}

void TIniFile::EndUpdate() {
    if (FUpdateDepth == 0) return;
    if (--FUpdateDepth == 0) Flush();
}

}  // namespace pixmo
