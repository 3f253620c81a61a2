#pragma once
// Where the pictures, icons, pointers and font aliases are found.
#include <string>

namespace tv::app {

// <prefix>/share/tvportal/assets next to an installed executable; otherwise the source tree's
// assets folder that the build was configured with.
std::string assets_dir();

} // namespace tv::app
