#pragma once
// JPEG pictures decoded through libjpeg's decompression interface into Cairo image surfaces.
#include <cairomm/surface.h>

#include <filesystem>
#include <span>

namespace tv::ui::gtk {

// Decodes JPEG bytes into an RGB24 surface of the picture's natural size. Returns an empty
// pointer when the bytes are not a JPEG libjpeg can decode (the caller then draws no picture).
Cairo::RefPtr<Cairo::ImageSurface> decode_jpeg(std::span<const unsigned char> bytes);

// Reads and decodes a JPEG file; an empty pointer when the file is missing or undecodable.
Cairo::RefPtr<Cairo::ImageSurface> load_jpeg(const std::filesystem::path &file);

} // namespace tv::ui::gtk
