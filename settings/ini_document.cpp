#include "settings/ini_document.h"

#include "image/errors.h"

namespace pixmo {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsQuoted(std::string_view s) { return s.size() >= 2 && s.front() == '"' && s.back() == '"'; }

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

bool HasOuterBlank(std::string_view s) { return !s.empty() && (IsBlank(s.front()) || IsBlank(s.back())); }

void CheckSectionName(std::string_view section) {
    if (section.find(']') != std::string_view::npos || HasLineBreak(section) || HasOuterBlank(section))
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Invalid settings section \"%1\""), std::string(section)));
}

void CheckKeyName(std::string_view key) {
    bool bad = key.empty() || key.find('=') != std::string_view::npos || HasLineBreak(key) ||
               HasOuterBlank(key) || key.front() == '[' || key.front() == ';' || key.front() == '#';
    if (bad) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Invalid settings key \"%1\""), std::string(key)));
}

}  // namespace

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string TIniDocument::EncodeValue(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    if (HasOuterBlank(v) || IsQuoted(v)) return '"' + v + '"';
    return v;
}

void TIniDocument::Parse(std::string_view text) {
    FSections.clear();
    FSections.emplace_back();
    FEol = "\n";
    bool eolKnown = false;
    bool first = true;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        TLine line;
        if (nl == std::string_view::npos) {
            line.Raw = std::string(text.substr(pos));
            pos = text.size();
        } else {
            size_t end = nl;
            if (end > pos && text[end - 1] == '\r') --end;
            line.Raw = std::string(text.substr(pos, end - pos));
            line.Eol = std::string(text.substr(end, nl + 1 - end));
            pos = nl + 1;
            if (!eolKnown) {
                FEol = line.Eol;
                eolKnown = true;
            }
        }
        std::string_view body = line.Raw;
        if (first && body.starts_with(kBom)) body.remove_prefix(kBom.size());
        first = false;
        size_t start = 0;
        while (start < body.size() && IsBlank(body[start])) ++start;
        size_t offset = line.Raw.size() - body.size();
        if (start < body.size() && body[start] == '[') {
            size_t close = body.find(']', start + 1);
            if (close != std::string_view::npos) {
                line.Kind = TKind::Header;
                line.Key = std::string(Trim(body.substr(start + 1, close - start - 1)));
                TSection s;
                s.Name = line.Key;
                s.Lines.push_back(std::move(line));
                FSections.push_back(std::move(s));
                continue;
            }
        } else if (start < body.size() && body[start] != ';' && body[start] != '#') {
            size_t eq = body.find('=', start);
            if (eq != std::string_view::npos) {
                std::string_view key = Trim(body.substr(start, eq - start));
                if (!key.empty()) {
                    size_t v = eq + 1;
                    while (v < body.size() && IsBlank(body[v])) ++v;
                    std::string_view value = Trim(body.substr(v));
                    if (IsQuoted(value)) value = value.substr(1, value.size() - 2);
                    line.Kind = TKind::Key;
                    line.Key = std::string(key);
                    line.Value = std::string(value);
                    line.ValueStart = offset + v;
                }
            }
        }
        FSections.back().Lines.push_back(std::move(line));
    }
    Reindex();
}

std::string TIniDocument::Text() const {
    std::string out;
    for (const TSection& s : FSections)
        for (const TLine& line : s.Lines) {
            out += line.Raw;
            out += line.Eol;
        }
    return out;
}

void TIniDocument::IndexSection(TSection& s) {
    s.Index.clear();
    for (size_t i = 0; i < s.Lines.size(); ++i)
        if (s.Lines[i].Kind == TKind::Key) s.Index.try_emplace(LowerAscii(s.Lines[i].Key), i);  // first wins
}

void TIniDocument::Reindex() {
    if (FSections.empty()) FSections.emplace_back();
    FSectionIndex.clear();
    for (size_t i = 0; i < FSections.size(); ++i) {
        IndexSection(FSections[i]);
        if (i > 0) FSectionIndex.try_emplace(LowerAscii(FSections[i].Name), i);  // first wins
    }
}

const TIniDocument::TSection* TIniDocument::Find(std::string_view section) const {
    auto it = FSectionIndex.find(LowerAscii(section));
    return it == FSectionIndex.end() ? nullptr : &FSections[it->second];
}

TIniDocument::TSection* TIniDocument::Find(std::string_view section) {
    return const_cast<TSection*>(static_cast<const TIniDocument*>(this)->Find(section));
}

std::optional<std::string> TIniDocument::Value(std::string_view section, std::string_view key) const {
    const TSection* s = Find(section);
    if (!s) return std::nullopt;
    auto it = s->Index.find(LowerAscii(key));
    if (it == s->Index.end()) return std::nullopt;
    return s->Lines[it->second].Value;
}

bool TIniDocument::SectionExists(std::string_view section) const { return Find(section) != nullptr; }

size_t TIniDocument::KeyCount(std::string_view section) const {
    const TSection* s = Find(section);
    return s ? s->Index.size() : 0;
}

std::vector<std::string> TIniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const TSection* s = Find(section);
    if (!s) return keys;
    for (size_t i = 0; i < s->Lines.size(); ++i) {
        const TLine& line = s->Lines[i];
        if (line.Kind != TKind::Key) continue;
        auto it = s->Index.find(LowerAscii(line.Key));
        if (it != s->Index.end() && it->second == i) keys.push_back(line.Key);
    }
    return keys;
}

std::vector<std::string> TIniDocument::Sections() const {
    std::vector<std::string> names;
    for (size_t i = 1; i < FSections.size(); ++i) {
        auto it = FSectionIndex.find(LowerAscii(FSections[i].Name));
        if (it != FSectionIndex.end() && it->second == i) names.push_back(FSections[i].Name);
    }
    return names;
}

void TIniDocument::EnsureLastLineEnds() {
    for (size_t i = FSections.size(); i-- > 0;)
        if (!FSections[i].Lines.empty()) {
            TLine& last = FSections[i].Lines.back();
            if (last.Eol.empty()) last.Eol = FEol;
            return;
        }
}

bool TIniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    CheckSectionName(section);
    CheckKeyName(key);
    std::string encoded = EncodeValue(value);
    TLine line;
    line.Kind = TKind::Key;
    line.Key = std::string(key);
    line.Raw = line.Key + "=" + encoded;
    line.ValueStart = line.Key.size() + 1;
    line.Value = IsQuoted(encoded) ? encoded.substr(1, encoded.size() - 2) : encoded;
    line.Eol = FEol;

    TSection* s = Find(section);
    if (!s) {
        EnsureLastLineEnds();
        TSection added;
        added.Name = std::string(section);
        TLine header;
        header.Kind = TKind::Header;
        header.Key = added.Name;
        header.Raw = "[" + added.Name + "]";
        header.Eol = FEol;
        added.Lines.push_back(std::move(header));
        added.Lines.push_back(std::move(line));
        FSections.push_back(std::move(added));
        TSection& back = FSections.back();
        IndexSection(back);
        FSectionIndex.try_emplace(LowerAscii(back.Name), FSections.size() - 1);
        return true;
    }
    std::string lower = LowerAscii(key);
    auto it = s->Index.find(lower);
    if (it != s->Index.end()) {
        TLine& old = s->Lines[it->second];
        std::string raw = old.Raw.substr(0, old.ValueStart) + encoded;
        if (raw == old.Raw) return false;
        old.Raw = std::move(raw);
        old.Value = std::move(line.Value);
        return true;
    }
    // After the last key (or the header), before any comments and blank lines that follow it.
    size_t at = 1;
    for (size_t i = 0; i < s->Lines.size(); ++i)
        if (s->Lines[i].Kind != TKind::Other) at = i + 1;
    if (s->Lines[at - 1].Eol.empty()) s->Lines[at - 1].Eol = FEol;
    s->Lines.insert(s->Lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    s->Index.emplace(std::move(lower), at);
    return true;
}

bool TIniDocument::DeleteKey(std::string_view section, std::string_view key) {
    TSection* s = Find(section);
    if (!s) return false;
    auto it = s->Index.find(LowerAscii(key));
    if (it == s->Index.end()) return false;
    size_t at = it->second;
    bool wasLast = &FSections.back() == s && at + 1 == s->Lines.size();
    std::string eol = s->Lines[at].Eol;
    s->Lines.erase(s->Lines.begin() + static_cast<std::ptrdiff_t>(at));
    // A file that did not end with a line break still does not.
    if (wasLast && eol.empty() && !s->Lines.empty()) s->Lines.back().Eol.clear();
    IndexSection(*s);
    return true;
}

bool TIniDocument::EraseSection(std::string_view section) {
    auto it = FSectionIndex.find(LowerAscii(section));
    if (it == FSectionIndex.end()) return false;
    FSections.erase(FSections.begin() + static_cast<std::ptrdiff_t>(it->second));
    Reindex();
    return true;
}

}  // namespace pixmo
