#pragma once
// What every tool is built with: the document, the main window's settings that tools read
// (pen widths, colours, right-button mode, spray interval, shape defaults), the tool options
// and the grid unit. All owned elsewhere and alive longer than any tool.
namespace pixmo {

class TEditContext;
class TEditSize;
class TToolOptions;
struct TMainSettings;

struct TToolEnvironment {
    TEditContext& Edit;
    TMainSettings& Settings;
    TToolOptions& Options;
    TEditSize& EditSize;
};

}  // namespace pixmo
