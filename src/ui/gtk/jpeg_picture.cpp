#include "ui/gtk/jpeg_picture.h"

#include <cairo.h>
#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <jpeglib.h>
#include <vector>

namespace tv::ui::gtk {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to the
// decoding routine, which then gives up. Warnings (such as a truncated stream) are silent.
struct JumpingErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
};

void jump_on_error(j_common_ptr info) {
    auto *manager = reinterpret_cast<JumpingErrorManager *>(info->err);
    std::longjmp(manager->jump, 1);
}

void ignore_message(j_common_ptr, int) {}

// Owns a decompression object for one decode: created and destroyed exactly once.
class Decompressor {
public:
    Decompressor() {
        info_.err = jpeg_std_error(&errors_.base);
        errors_.base.error_exit = jump_on_error;
        errors_.base.emit_message = ignore_message;
    }
    ~Decompressor() {
        if (created_)
            jpeg_destroy_decompress(&info_);
    }
    Decompressor(const Decompressor &) = delete;
    Decompressor &operator=(const Decompressor &) = delete;

    jpeg_decompress_struct info_{};
    JumpingErrorManager errors_;
    bool created_ = false;
};

// Owns a Cairo surface until it is handed over.
class SurfaceHolder {
public:
    SurfaceHolder() = default;
    ~SurfaceHolder() {
        if (surface_ != nullptr)
            cairo_surface_destroy(surface_);
    }
    SurfaceHolder(const SurfaceHolder &) = delete;
    SurfaceHolder &operator=(const SurfaceHolder &) = delete;
    cairo_surface_t *release() {
        cairo_surface_t *s = surface_;
        surface_ = nullptr;
        return s;
    }
    cairo_surface_t *surface_ = nullptr;
};

// Every object with a destructor lives in the caller, so the jump out of libjpeg skips none.
bool run_decompression(Decompressor &d, std::span<const unsigned char> bytes, SurfaceHolder &out) {
    if (setjmp(d.errors_.jump) != 0)
        return false;
    jpeg_create_decompress(&d.info_);
    d.created_ = true;
    jpeg_mem_src(&d.info_, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&d.info_, TRUE) != JPEG_HEADER_OK)
        return false;
    // Cairo's RGB24 is a native-endian 32-bit word 0x00RRGGBB: bytes B, G, R, X on this machine.
    d.info_.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&d.info_);
    const int width = static_cast<int>(d.info_.output_width);
    const int height = static_cast<int>(d.info_.output_height);
    out.surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(out.surface_) != CAIRO_STATUS_SUCCESS)
        return false;
    cairo_surface_flush(out.surface_);
    unsigned char *data = cairo_image_surface_get_data(out.surface_);
    const int stride = cairo_image_surface_get_stride(out.surface_);
    while (d.info_.output_scanline < d.info_.output_height) {
        JSAMPROW row = data + static_cast<std::ptrdiff_t>(d.info_.output_scanline) * stride;
        jpeg_read_scanlines(&d.info_, &row, 1);
    }
    jpeg_finish_decompress(&d.info_);
    cairo_surface_mark_dirty(out.surface_);
    return true;
}

} // namespace

Cairo::RefPtr<Cairo::ImageSurface> decode_jpeg(std::span<const unsigned char> bytes) {
    if (bytes.empty())
        return {};
    Decompressor decompressor;
    SurfaceHolder surface;
    if (!run_decompression(decompressor, bytes, surface))
        return {};
    return Cairo::RefPtr<Cairo::ImageSurface>(new Cairo::ImageSurface(surface.release(), true));
}

Cairo::RefPtr<Cairo::ImageSurface> load_jpeg(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return decode_jpeg(bytes);
}

} // namespace tv::ui::gtk
