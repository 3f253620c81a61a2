#include "ui/gtk/fonts.h"

#include <fontconfig/fontconfig.h>
#include <gtkmm/settings.h>
#include <mutex>
#include <string>

namespace tv::ui::gtk {

Pango::FontDescription default_gui_font() {
    Pango::FontDescription font("Sans");
    if (const auto settings = Gtk::Settings::get_default()) {
        const Pango::FontDescription desktop(settings->property_gtk_font_name().get_value());
        if (!desktop.get_family().empty())
            font.set_family(desktop.get_family());
    }
    font.set_absolute_size(kDefaultFontPixels * PANGO_SCALE);
    return font;
}

Pango::FontDescription font_description(const Font &font, const Pango::FontDescription &fallback) {
    Pango::FontDescription result = fallback;
    if (!font.family.empty())
        result.set_family(std::string(font.family));
    if (font.height_px > 0)
        result.set_absolute_size(font.height_px * PANGO_SCALE);
    result.set_weight(static_cast<Pango::Weight>(font.weight));
    return result;
}

bool load_font_aliases(const std::filesystem::path &conf_file) {
    static std::once_flag once;
    static bool loaded = false;
    std::call_once(once, [&] {
        if (!std::filesystem::exists(conf_file))
            return;
        FcConfig *config = FcConfigGetCurrent();
        const std::string file = conf_file.string();
        loaded = FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8 *>(file.c_str()), FcTrue) == FcTrue;
    });
    return loaded;
}

} // namespace tv::ui::gtk
