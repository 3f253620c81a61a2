#include "ui/gtk/pointers.h"

#include <array>
#include <charconv>
#include <fstream>
#include <gdkmm/display.h>
#include <gdkmm/pixbuf.h>
#include <glibmm/error.h>
#include <sstream>
#include <string>

namespace tv::ui::gtk {
namespace {

struct PointerPicture {
    Pointer pointer;
    std::string_view file;
    HotSpot hot_spot;
};
constexpr std::array<PointerPicture, 3> kPointerPictures = {
    PointerPicture{Pointer::PinkArrow, "pink-arrow", {8, 3}},
    PointerPicture{Pointer::BlueArrow, "blue-arrow", {9, 5}},
    PointerPicture{Pointer::PinkSquare, "pink-square", {14, 14}},
};

const PointerPicture *picture_of(Pointer pointer) {
    for (const PointerPicture &p : kPointerPictures)
        if (p.pointer == pointer)
            return &p;
    return nullptr;
}

bool is_separator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == ':' || c == '\r' || c == '=';
}

std::string_view next_field(std::string_view &line) {
    while (!line.empty() && is_separator(line.front()))
        line.remove_prefix(1);
    std::size_t n = 0;
    while (n < line.size() && !is_separator(line[n]))
        ++n;
    const std::string_view field = line.substr(0, n);
    line.remove_prefix(n);
    return field;
}

std::optional<int> to_int(std::string_view s) {
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || s.empty())
        return std::nullopt;
    return value;
}

} // namespace

std::string_view pointer_file_name(Pointer pointer) {
    const PointerPicture *p = picture_of(pointer);
    return p ? p->file : std::string_view();
}

HotSpot default_hot_spot(Pointer pointer) {
    const PointerPicture *p = picture_of(pointer);
    return p ? p->hot_spot : HotSpot{};
}

std::optional<HotSpot> find_hot_spot(std::string_view list_text, std::string_view name) {
    while (!list_text.empty()) {
        const std::size_t eol = list_text.find('\n');
        std::string_view line = list_text.substr(0, eol);
        list_text.remove_prefix(eol == std::string_view::npos ? list_text.size() : eol + 1);
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
            line = line.substr(0, hash);
        std::string_view field = next_field(line);
        if (field.ends_with(".png"))
            field.remove_suffix(4);
        if (field != name)
            continue;
        const auto x = to_int(next_field(line));
        const auto y = to_int(next_field(line));
        if (x && y)
            return HotSpot{*x, *y};
    }
    return std::nullopt;
}

Glib::RefPtr<Gdk::Cursor> PointerCache::cursor(Pointer pointer) {
    if (const auto it = cursors_.find(pointer); it != cursors_.end())
        return it->second;
    Glib::RefPtr<Gdk::Cursor> result;
    const std::string_view name = pointer_file_name(pointer);
    if (!name.empty()) {
        HotSpot spot = default_hot_spot(pointer);
        std::ifstream list(dir_ / "hotspots.txt");
        if (list) {
            std::stringstream text;
            text << list.rdbuf();
            spot = find_hot_spot(text.str(), name).value_or(spot);
        }
        try {
            auto picture = Gdk::Pixbuf::create_from_file((dir_ / (std::string(name) + ".png")).string());
            result = Gdk::Cursor::create(Gdk::Display::get_default(), picture, spot.x, spot.y);
        } catch (const Glib::Error &) {
            // A missing picture leaves the system arrow.
        }
    }
    cursors_.emplace(pointer, result);
    return result;
}

} // namespace tv::ui::gtk
