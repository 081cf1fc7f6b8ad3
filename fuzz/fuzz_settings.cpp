// The settings file parser: any bytes parse, print back unchanged, and take writes that read
// back as written.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "image/errors.h"
#include "settings/font_text.h"
#include "settings/ini_document.h"
#include "settings/int_text.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

std::string Expected(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    pixmo::TIniDocument doc(text);
    Check(doc.Text() == text);

    int32_t values[14];
    for (const std::string& section : doc.Sections())
        for (const std::string& key : doc.Keys(section)) {
            std::string value = doc.Value(section, key).value_or("");
            pixmo::ScanIntArray(value, values);
            pixmo::TFontSpec font, again;
            if (pixmo::TextToFont(value, font)) Check(pixmo::TextToFont(pixmo::FontToText(font), again) && again == font);
        }

    // Write into the first section found (or a new one) and into a key taken from the input.
    std::string section = doc.Sections().empty() ? std::string("MainForm") : doc.Sections().front();
    std::string key = "K" + std::to_string(size % 7);
    std::string value(text.substr(0, std::min<size_t>(size, 40)));
    try {
        doc.SetValue(section, key, value);
        doc.SetValue("Extra Section", "S0", value);
    } catch (const pixmo::EPixmoError&) {
        return 0;  // a parsed name the file form cannot write back
    }
    pixmo::TIniDocument back(doc.Text());
    Check(back.Value(section, key) == Expected(value));
    Check(back.Value("extra section", "s0") == Expected(value));
    return 0;
}
