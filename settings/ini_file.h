#pragma once
// The settings file on disk. Every read sees the file as it is now (it is parsed again when
// it changed since the last look) and every write reaches the file at once, replacing it
// through a temporary file and a rename, so a crash mid-write never leaves a torn file.
// Writing never raises: a failure is kept in LastError and reported once through OnError,
// and the program goes on with the values in memory.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/ini_document.h"

namespace pixmo {

// A settings file larger than this is not read (and therefore never overwritten).
constexpr int64_t kMaxSettingsFileSize = int64_t{64} << 20;

class TIniFile {
public:
    explicit TIniFile(std::string fileName);
    virtual ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return FFileName; }

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def);
    // Raises EPixmoError only for a section or key name the file form cannot hold.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    bool SectionExists(const std::string& section);
    bool ValueExists(const std::string& section, const std::string& key);
    // The key names of a section, in file order.
    std::vector<std::string> ReadSection(const std::string& section);
    size_t KeyCount(const std::string& section);
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& key);

    // Between BeginUpdate and the matching EndUpdate writes collect in memory and reach the
    // file once, at EndUpdate; for saving a group of keys without one rename per key.
    void BeginUpdate();
    void EndUpdate();

    // Called with the message of the first failure after a success (or since the start), so
    // that the window can show it once; the next failures are only kept in LastError.
    std::function<void(const std::string& message)> OnError;
    const std::string& LastError() const { return FLastError; }

private:
    struct TStamp {
        bool Exists = false;
        uint64_t Dev = 0, Ino = 0;
        int64_t Size = 0, MTime = 0, CTime = 0;
        bool operator==(const TStamp&) const = default;
    };
    TStamp Stamp() const;
    void Refresh();
    void Load(const TStamp& stamp);
    void Changed();
    void Flush();
    void Report(const std::string& message);

    std::string FFileName;
    TIniDocument FDocument;
    TStamp FStamp;
    bool FLoaded = false;
    bool FDirty = false;    // the document holds changes the file lacks
    bool FBlocked = false;  // the file exists but cannot be read: never replace it
    std::string FBlockReason;
    int FUpdateDepth = 0;
    bool FReported = false;
    std::string FLastError;
};

}  // namespace pixmo
