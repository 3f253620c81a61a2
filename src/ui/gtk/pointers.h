#pragma once
// The three custom mouse pointers: 32 x 32 pictures in assets/pointers with their hot spots.
#include "ui/definitions.h"

#include <filesystem>
#include <gdkmm/cursor.h>
#include <map>
#include <optional>
#include <string_view>

namespace tv::ui::gtk {

struct HotSpot {
    int x = 0, y = 0;
    friend bool operator==(const HotSpot &, const HotSpot &) = default;
};

// The picture's base name of a custom pointer ("pink-arrow"); empty for the system arrow.
std::string_view pointer_file_name(Pointer pointer);
// The hot spot the pointer is drawn with when the hot-spot list does not name it.
HotSpot default_hot_spot(Pointer pointer);

// Finds a pointer's hot spot in the text of hotspots.txt: one pointer per line, its name (with
// or without ".png") followed by x and y, separated by spaces, commas or colons; '#' starts a
// comment.
std::optional<HotSpot> find_hot_spot(std::string_view list_text, std::string_view name);

// Loads each custom pointer once per display; the system arrow is an empty pointer.
class PointerCache {
public:
    explicit PointerCache(std::filesystem::path pointers_dir) : dir_(std::move(pointers_dir)) {}
    Glib::RefPtr<Gdk::Cursor> cursor(Pointer pointer);

private:
    std::filesystem::path dir_;
    std::map<Pointer, Glib::RefPtr<Gdk::Cursor>> cursors_;
};

} // namespace tv::ui::gtk
