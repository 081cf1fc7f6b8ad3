#pragma once
// pixmo3-convert: loads an image with the program's own loader and saves it with its own
// saver, both chosen by extension, optionally stretching or rotating the whole image on the
// way; or prints what a file holds. "--png fast|normal|max" anywhere sets how hard the PNG
// files it writes are compressed (normal when not given). Its texts and the core's messages come
// through the installed catalogue (none: the source texts).
#include <iosfwd>
#include <string>
#include <vector>

namespace pixmo {

// Exit codes: 0 done, 1 the load or save failed (message on err, nothing written),
// 2 bad arguments (usage on err).
int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pixmo
