#pragma once
// Failures carry the message the user sees. EAbort is the silent abort: an operation that
// has nothing to do ends with it, and the command dispatcher swallows it.
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "image/translate_noop.h"

namespace pixmo {

// A text of the core as the catalogues know it: its context and its source text, with %1, %2 ...
// where the arguments go. The window that shows it translates it (uikit/core_text.h).
struct TMessage {
    const char* Context = "";
    std::string Source;
    std::vector<std::string> Args;
    // Arguments that are messages of their own, translated with this one: by the index of their
    // %n, an empty context where the argument is plain text. Args holds their source text filled in.
    std::vector<TMessage> Inner;

    // The source text with its arguments in place: what the converter prints and what shows
    // with no catalogue loaded.
    std::string Text() const;
};

// Puts args[0] for %1, args[1] for %2 ... (up to %9) into text; other % signs stay.
std::string FillPlaceholders(const std::string& text, const std::vector<std::string>& args);

inline std::string MessageArg(const std::string& s) { return s; }
inline std::string MessageArg(const char* s) { return s; }
inline std::string MessageArg(const TMessage& m) { return m.Text(); }
template <typename N, typename = std::enable_if_t<std::is_arithmetic_v<N>>>
std::string MessageArg(N n) { return std::to_string(n); }

inline TMessage InnerArg(const TMessage& m) { return m; }
template <typename T>
TMessage InnerArg(const T&) {
    return {};
}

// A text of the core without arguments, kept in a constant marked PIXMO_TRANSLATE_NOOP("pixmo::Core", ..).
inline TMessage CoreMessage(const char* source) { return TMessage{"pixmo::Core", source, {}, {}}; }

// Msg(PIXMO_MSG("pixmo::Files", "Dimensioni non valide: %1 x %2"), w, h); an argument may be
// a TMessage, which is translated in its place.
template <typename... A>
TMessage Msg(TSourceText text, const A&... args) {
    TMessage m{text.Context, text.Text, {MessageArg(args)...}, {}};
    if constexpr ((std::is_same_v<A, TMessage> || ...)) m.Inner = {InnerArg(args)...};
    return m;
}

class EPixmoError : public std::runtime_error {
public:
    // A message that no catalogue knows (already composed, or not for people).
    explicit EPixmoError(const std::string& text) : std::runtime_error(text), FMessage{"", text, {}, {}} {}
    explicit EPixmoError(TMessage message) : std::runtime_error(message.Text()), FMessage(std::move(message)) {}
    const TMessage& Message() const { return FMessage; }

private:
    TMessage FMessage;
};

class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

// printf-style formatting for texts nobody translates (settings values, debugging).
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// What an exception says as a message: a core message as it is, any other as plain text.
TMessage MessageOf(const std::exception& e);

// A failure about the file `fileName` that names it: the message itself when one of its
// arguments is the name, else `wrapper` with the name as %1 and the message as %2.
TMessage AboutFile(const std::exception& e, const std::string& fileName, TSourceText wrapper);

[[noreturn]] void RaiseError(const std::string& message);
[[noreturn]] void RaiseError(TMessage message);

}  // namespace pixmo
