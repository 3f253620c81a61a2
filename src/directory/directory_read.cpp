#include "directory/directory_read.h"

#include "core/gbk_convert.h"
#include "core/number_text.h"
#include "directory/page.h"

namespace tv::directory {

namespace {
constexpr double kSwitchThreshold = 1e-7;
}

void directory_read(Context &ctx, Read read) {
    ctx.ui.pump_messages();
    const std::string body = ctx.http.get(ctx.directory_address);
    const std::string_view section = marked_section(body);
    const auto keys = keys_of(read);
    std::vector<std::string> gbk_keys;
    gbk_keys.reserve(keys.size());
    for (const KeyInfo &k : keys)
        gbk_keys.push_back(gbk(k.key));
    const std::vector<std::string_view> values = lookup_all(section, gbk_keys);
    // Stored in lookup order, each replacing the text its key held.
    for (std::size_t i = 0; i < keys.size(); ++i)
        ctx.directory.set_at(key_index(keys[i].key), Text(values[i]));
}

bool switch_on(std::string_view gbk_value, std::string_view gbk_baseline) {
    return read_number(gbk_value) - read_number(gbk_baseline) > kSwitchThreshold;
}

void start_up_read(Context &ctx, const SwitchActions &actions) {
    directory_read(ctx, Read::StartUp);
    if (switch_on(ctx.directory.value("智能识别"), ctx.directory.switch_baseline()) && actions.open_notice_board)
        actions.open_notice_board(ctx);
    if (switch_on(ctx.directory.value("解除封印"), ctx.directory.switch_baseline()) && actions.start_full_window)
        actions.start_full_window(ctx);
}

} // namespace tv::directory
