#pragma once
// Channels: which directory key each of the 60 channel controls plays, and how a player
// address is composed from it.
#include "app/context.h"

#include <array>
#include <string_view>

namespace tv::playback {

struct ChannelBinding {
    std::string_view control; // button name, or menu item caption (UTF-8)
    std::string_view key;     // directory key
};

inline constexpr std::array<ChannelBinding, 15> kChannelButtons{{
    {"按钮1", "央视综合"},  {"按钮2", "央视经济"},  {"按钮3", "央视歌曲"},  {"按钮4", "央视国际"},
    {"按钮5", "央视体育"},  {"按钮6", "央视电影"},  {"按钮7", "央视军农"},  {"按钮8", "央视剧场"},
    {"按钮9", "央视记录"},  {"按钮10", "央视科教"}, {"按钮11", "央视戏曲"}, {"按钮12", "央视社会"},
    {"按钮13", "央视新闻"}, {"按钮14", "央视少儿"}, {"按钮15", "央视音乐"},
}};

// The 45 channel items of the channel popup, in the popup's order.
inline constexpr std::array<ChannelBinding, 45> kChannelItems{{
    {"北京卫视", "北京卫视"}, {"天津卫视", "天津卫视"}, {"上海卫视", "上海卫视"}, {"重庆卫视", "重庆卫视"},
    {"河北卫视", "河北卫视"}, {"河南卫视", "河南卫视"}, {"山西卫视", "山西卫视"}, {"山东卫视", "山东卫视"},
    {"江苏卫视", "江苏卫视"}, {"江西卫视", "江西卫视"}, {"安徽卫视", "安徽卫视"}, {"浙江卫视", "浙江卫视"},
    {"湖北卫视", "湖北卫视"}, {"湖南卫视", "湖南卫视"}, {"福建卫视", "福建卫视"}, {"广东卫视", "广东卫视"},
    {"广西卫视", "广西卫视"}, {"海南卫视", "海南卫视"}, {"贵州卫视", "贵州卫视"}, {"四川卫视", "四川卫视"},
    {"云南卫视", "云南卫视"}, {"甘肃卫视", "甘肃卫视"}, {"宁夏卫视", "宁夏卫视"}, {"陕西卫视", "陕西卫视"},
    {"黑龙卫视", "黑龙卫视"}, {"吉林卫视", "吉林卫视"}, {"辽宁卫视", "辽宁卫视"}, {"内蒙卫视", "内蒙卫视"},
    {"青海卫视", "青海卫视"}, {"西藏卫视", "西藏卫视"}, {"新疆卫视", "新疆卫视"},
    {"......赤", "赤"}, {"......橙", "橙"}, {"......黄", "黄"}, {"......绿", "绿"},
    {"......青", "青"}, {"......蓝", "蓝"}, {"......紫", "紫"},
    {"壹", "壹"}, {"贰", "贰"}, {"叁", "叁"}, {"肆", "肆"}, {"伍", "伍"}, {"陆", "陆"}, {"柒", "柒"},
}};

// channel value + sep + first scan value + sep + second scan value + sep, sep being the text of
// the hidden separator box.
Text player_address(Context &ctx, std::string_view utf8_key);

// The channel key a channel button or channel item plays; empty when the control has none.
std::string_view channel_key_of(const ui::Event &event);

// Clicked handler of 按钮1..按钮15 and selected handler of the 45 channel items.
void on_channel_chosen(Context &ctx, const ui::Event &event);
// Clicked handler of 按钮16: loads the 信息通道 value unchanged.
void on_information_channel(Context &ctx, const ui::Event &event);

} // namespace tv::playback
