#include "app/assets_location.h"

#include <filesystem>
#include <system_error>

namespace tv::app {

std::string assets_dir() {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const fs::path installed = exe.parent_path().parent_path() / "share" / "tvportal" / "assets";
        if (fs::is_directory(installed, ec))
            return installed.string();
    }
    return TV_SOURCE_ASSETS_DIR;
}

} // namespace tv::app
