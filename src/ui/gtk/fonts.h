#pragma once
// Fonts of the definitions as Pango descriptions, and the default GUI font that labels without
// a font of their own and buttons use.
#include "ui/definitions.h"

#include <filesystem>
#include <pangomm/fontdescription.h>

namespace tv::ui::gtk {

// Pixel height of the default GUI font: the 9-point font of a 96-dpi desktop.
inline constexpr int kDefaultFontPixels = 12;

// The desktop's interface font family at kDefaultFontPixels.
Pango::FontDescription default_gui_font();

// The definition's font; an empty family or a zero height takes that part from fallback.
Pango::FontDescription font_description(const Font &font, const Pango::FontDescription &fallback);

// Adds the portal's font aliases (Chinese Windows family names mapped to installed fonts) to
// fontconfig's current configuration. Loads once per process; false when the file is missing
// or fontconfig rejects it.
bool load_font_aliases(const std::filesystem::path &conf_file);

} // namespace tv::ui::gtk
