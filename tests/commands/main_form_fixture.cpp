#include "main_form_fixture.h"

#include <fstream>
#include <sstream>

#include "formats/install_formats.h"
#include "view/paint_client.h"

namespace pixmo::test {

void MainFormTest::SetUp() {
    InstallFormats();
    FDir = MakeTempDir();
    FMessageHook = std::make_unique<TMessageHookScope>([this](const TMessageRequest& r) {
        FBoxes.push_back(r);
        if (FAnswers.empty()) return r.Buttons == TMsgButtons::Ok ? TMsgResult::Ok : TMsgResult::Cancel;
        const TMsgResult answer = FAnswers.front();
        FAnswers.pop_front();
        return answer;
    });
    FFileHook = std::make_unique<TFileHookScope>([this](const TFileRequest& r) -> std::optional<QString> {
        FFileRequests.push_back(r);
        if (FFileAnswers.empty()) return std::nullopt;
        const bool chosen = FFileAnswers.front().has_value();
        const QString name = chosen ? *FFileAnswers.front() : QString();
        FFileAnswers.pop_front();
        if (!chosen) return std::nullopt;
        return name;
    });
}

void MainFormTest::TearDown() {
    Destroy();
    FMessageHook.reset();
    FFileHook.reset();
    std::error_code ec;
    std::filesystem::remove_all(FDir, ec);
}

TMainForm& MainFormTest::Build(std::vector<std::string> args) {
    auto clipboard = std::make_unique<TMemoryClipboard>();
    FClipboard = clipboard.get();
    FApp = std::make_unique<TAppContext>(Path("pixmo3.ini"), TParams(args), std::move(clipboard));
    FForm = std::make_unique<TMainForm>(*FApp);
    FForm->Start();
    return *FForm;
}

void MainFormTest::Destroy() {
    FForm.reset();
    FApp.reset();
    FClipboard = nullptr;
}

std::string MainFormTest::WriteImage(const std::string& name, int colors, int width, int height) {
    auto image = colors > 0 ? TDib::Create(width, height, colors) : std::unique_ptr<TDib>(TTrueDib::Create(width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width * image->PixelBytes(); ++x)
            image->ScanLine(y)[x] = static_cast<uint8_t>((x + y) % (colors > 0 ? colors : 256));
    const std::string path = Path(name);
    image->SaveToFile(path);
    return path;
}

std::string MainFormTest::IniText() const {
    std::ifstream in(Path("pixmo3.ini"));
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace pixmo::test
