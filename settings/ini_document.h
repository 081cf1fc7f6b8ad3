#pragma once
// The text of a sectioned settings file held in memory: "[Section]" headers, "key=value"
// lines, and everything else (comments, blank lines, junk) kept byte for byte, so that a
// rewrite changes only the lines it has to and a file edited by hand keeps its comments.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pixmo {

class TIniDocument {
public:
    TIniDocument() = default;
    explicit TIniDocument(std::string_view text) { Parse(text); }

    // Replaces the content. Never fails: lines that are neither headers nor "key=value" are
    // kept as they are and ignored. Line ends may be "\n" or "\r\n"; a UTF-8 byte-order mark
    // at the start is kept and skipped.
    void Parse(std::string_view text);
    // The whole text; Text() of a freshly parsed document is the parsed text, byte for byte.
    std::string Text() const;

    // Section and key names compare without regard to ASCII case. When a file holds a section
    // twice, or a key twice within one section, the first one wins: it is the one read and
    // rewritten; the later copies stay in the text untouched.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    bool SectionExists(std::string_view section) const;
    // Key names of the section in file order (first spelling of each), and the section names.
    std::vector<std::string> Keys(std::string_view section) const;
    std::vector<std::string> Sections() const;
    // How many distinct keys the section holds (0 when absent).
    size_t KeyCount(std::string_view section) const;

    // Setters return whether the text changed. A new key goes after the last key of its
    // section, a new section at the end. Names that the file form cannot hold (empty keys,
    // "=" in a key, "]" in a section, line breaks, blanks at either end) raise EPixmoError.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool EraseSection(std::string_view section);

    // The stored form of a value: line breaks become blanks (they would split the line), and
    // values with blanks at either end or in quotes are quoted, so that reading strips
    // exactly what was added.
    static std::string EncodeValue(std::string_view value);

private:
    enum class TKind { Other, Header, Key };
    struct TLine {
        std::string Raw;  // the line without its end
        std::string Eol;  // "\n", "\r\n" or "" for a last line without one
        TKind Kind = TKind::Other;
        size_t ValueStart = 0;  // Key lines: where the value begins in Raw
        std::string Key;        // Key lines: the key as spelled; Header lines: the name
        std::string Value;      // Key lines: the value as read
    };
    struct TSection {
        std::string Name;
        std::vector<TLine> Lines;  // the header line first, except in the leading part
        std::unordered_map<std::string, size_t> Index;  // lower-cased key -> first line
    };

    const TSection* Find(std::string_view section) const;
    TSection* Find(std::string_view section);
    void IndexSection(TSection& s);
    void Reindex();
    void EnsureLastLineEnds();

    // FSections[0] holds the lines before the first header; it is never looked up.
    std::vector<TSection> FSections;
    std::unordered_map<std::string, size_t> FSectionIndex;
    std::string FEol = "\n";
};

// ASCII lower case, for case-insensitive names.
std::string LowerAscii(std::string_view s);

}  // namespace pixmo
