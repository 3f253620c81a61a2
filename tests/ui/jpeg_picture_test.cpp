// JPEG decoding through libjpeg into Cairo surfaces, with fixtures encoded by libjpeg itself.
#include "ui/gtk/jpeg_picture.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <vector>

namespace {

using tv::ui::gtk::decode_jpeg;
using tv::ui::gtk::load_jpeg;

struct Rgb {
    int r, g, b;
};

// Encodes a picture whose left half is one colour and right half another, at the best quality.
std::vector<unsigned char> encode(int width, int height, Rgb left, Rgb right, bool gray = false) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = gray ? 1 : 3;
    info.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width * info.input_components));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = x < width / 2 ? left : right;
            if (gray) {
                row[static_cast<std::size_t>(x)] = static_cast<unsigned char>(c.r);
            } else {
                row[static_cast<std::size_t>(3 * x)] = static_cast<unsigned char>(c.r);
                row[static_cast<std::size_t>(3 * x + 1)] = static_cast<unsigned char>(c.g);
                row[static_cast<std::size_t>(3 * x + 2)] = static_cast<unsigned char>(c.b);
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

Rgb pixel(const Cairo::RefPtr<Cairo::ImageSurface> &s, int x, int y) {
    const unsigned char *p = s->get_data() + y * s->get_stride() + 4 * x;
    return Rgb{p[2], p[1], p[0]}; // native-endian 0x00RRGGBB
}

void expect_near(Rgb actual, Rgb expected, const char *where) {
    EXPECT_NEAR(actual.r, expected.r, 6) << where;
    EXPECT_NEAR(actual.g, expected.g, 6) << where;
    EXPECT_NEAR(actual.b, expected.b, 6) << where;
}

TEST(JpegPicture, DecodesColoursAtNaturalSize) {
    const auto surface = decode_jpeg(encode(32, 16, {255, 0, 0}, {0, 0, 255}));
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->get_width(), 32);
    EXPECT_EQ(surface->get_height(), 16);
    EXPECT_EQ(surface->get_format(), Cairo::FORMAT_RGB24);
    expect_near(pixel(surface, 2, 8), {255, 0, 0}, "left half");
    expect_near(pixel(surface, 29, 8), {0, 0, 255}, "right half");
}

TEST(JpegPicture, DecodesGrayscalePictures) {
    const auto surface = decode_jpeg(encode(16, 16, {40, 40, 40}, {200, 200, 200}, true));
    ASSERT_TRUE(surface);
    expect_near(pixel(surface, 1, 1), {40, 40, 40}, "dark half");
    expect_near(pixel(surface, 14, 14), {200, 200, 200}, "light half");
}

TEST(JpegPicture, UndecodableBytesGiveNoPicture) {
    const std::vector<unsigned char> good = encode(16, 16, {0, 0, 0}, {255, 255, 255});
    const std::vector<std::vector<unsigned char>> bad = {
        {},
        {'G', 'I', 'F', '8', '9', 'a', 0, 0},
        std::vector<unsigned char>(good.begin(), good.begin() + 20), // the header is cut short
    };
    for (const auto &bytes : bad)
        EXPECT_FALSE(decode_jpeg(bytes)) << bytes.size() << " bytes";
}

TEST(JpegPicture, LoadsFilesAndFailsQuietlyForMissingOnes) {
    const auto dir = std::filesystem::temp_directory_path() / ("jpeg_picture_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::vector<unsigned char> bytes = encode(8, 8, {0, 255, 0}, {0, 255, 0});
    std::ofstream(dir / "green.jpg", std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const auto surface = load_jpeg(dir / "green.jpg");
    ASSERT_TRUE(surface);
    expect_near(pixel(surface, 4, 4), {0, 255, 0}, "centre");
    EXPECT_FALSE(load_jpeg(dir / "missing.jpg"));
    std::filesystem::remove_all(dir);
}

} // namespace
