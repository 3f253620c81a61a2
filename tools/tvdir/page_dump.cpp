#include "page_dump.h"

#include "core/gbk_convert.h"
#include "directory/directory_keys.h"
#include "directory/directory_read.h"
#include "directory/page.h"

namespace tv::tvdir {

namespace {

void append_hex_escape(std::string &out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

// The escape of a single byte that is written as a letter, or 0 when it has none.
constexpr char letter_escape(char c) {
    switch (c) {
    case '\r':
        return 'r';
    case '\n':
        return 'n';
    case '\t':
        return 't';
    case '\\':
        return '\\';
    default:
        return 0;
    }
}

} // namespace

std::string escaped_utf8(std::string_view gbk_value) {
    std::string out;
    out.reserve(gbk_value.size() + gbk_value.size() / 2);
    while (!gbk_value.empty()) {
        const auto byte = static_cast<unsigned char>(gbk_value.front());
        if (const char letter = letter_escape(gbk_value.front())) {
            out += '\\';
            out += letter;
            gbk_value.remove_prefix(1);
            continue;
        }
        const std::size_t length = valid_gbk_sequence_length(gbk_value);
        if (length == 0 || (length == 1 && (byte < 0x20 || byte == 0x7F))) {
            append_hex_escape(out, byte);
            gbk_value.remove_prefix(1);
        } else if (length == 1) {
            out += static_cast<char>(byte);
            gbk_value.remove_prefix(1);
        } else {
            out += utf8_from_gbk(gbk_value.substr(0, length));
            gbk_value.remove_prefix(length);
        }
    }
    return out;
}

std::string dump_page(std::string_view body) {
    const std::string_view section = directory::marked_section(body);
    std::string out;
    for (const auto read : {directory::Read::StartUp, directory::Read::NoticeBoard, directory::Read::RemoteControl})
        for (const directory::KeyInfo &k : directory::keys_of(read)) {
            out.append(k.key).append("=");
            out.append(escaped_utf8(directory::lookup(section, gbk(k.key)))).append("\n");
        }
    for (const std::string_view key : {"智能识别", "解除封印"}) {
        const bool on = directory::switch_on(directory::lookup(section, gbk(key)), "0");
        out.append("switch ").append(key).append(on ? " on\n" : " off\n");
    }
    return out;
}

} // namespace tv::tvdir
