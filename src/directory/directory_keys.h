#pragma once
// The 81 directory keys, grouped by the read that looks them up, each group in lookup order.
#include <array>
#include <span>
#include <string_view>

namespace tv::directory {

enum class Read { StartUp, NoticeBoard, RemoteControl };

struct KeyInfo {
    std::string_view key; // UTF-8 spelling; the page holds it in GBK
    Read read;
};

inline constexpr std::array<KeyInfo, 81> kKeys{{
    {"水平扫描", Read::StartUp}, {"垂直扫描", Read::StartUp},
    {"央视综合", Read::StartUp}, {"央视经济", Read::StartUp}, {"央视歌曲", Read::StartUp},
    {"央视国际", Read::StartUp}, {"央视体育", Read::StartUp}, {"央视电影", Read::StartUp},
    {"央视军农", Read::StartUp}, {"央视剧场", Read::StartUp}, {"央视记录", Read::StartUp},
    {"央视科教", Read::StartUp}, {"央视戏曲", Read::StartUp}, {"央视社会", Read::StartUp},
    {"央视新闻", Read::StartUp}, {"央视少儿", Read::StartUp}, {"央视音乐", Read::StartUp},
    {"信息通道", Read::StartUp},
    {"北京卫视", Read::StartUp}, {"天津卫视", Read::StartUp}, {"上海卫视", Read::StartUp},
    {"重庆卫视", Read::StartUp}, {"河北卫视", Read::StartUp}, {"河南卫视", Read::StartUp},
    {"山西卫视", Read::StartUp}, {"山东卫视", Read::StartUp}, {"江苏卫视", Read::StartUp},
    {"江西卫视", Read::StartUp}, {"安徽卫视", Read::StartUp}, {"浙江卫视", Read::StartUp},
    {"湖北卫视", Read::StartUp}, {"湖南卫视", Read::StartUp}, {"福建卫视", Read::StartUp},
    {"广东卫视", Read::StartUp}, {"广西卫视", Read::StartUp}, {"海南卫视", Read::StartUp},
    {"贵州卫视", Read::StartUp}, {"四川卫视", Read::StartUp}, {"云南卫视", Read::StartUp},
    {"甘肃卫视", Read::StartUp}, {"宁夏卫视", Read::StartUp}, {"陕西卫视", Read::StartUp},
    {"黑龙卫视", Read::StartUp}, {"吉林卫视", Read::StartUp}, {"辽宁卫视", Read::StartUp},
    {"内蒙卫视", Read::StartUp}, {"青海卫视", Read::StartUp}, {"西藏卫视", Read::StartUp},
    {"新疆卫视", Read::StartUp},
    {"赤", Read::StartUp}, {"橙", Read::StartUp}, {"黄", Read::StartUp}, {"绿", Read::StartUp},
    {"青", Read::StartUp}, {"蓝", Read::StartUp}, {"紫", Read::StartUp},
    {"壹", Read::StartUp}, {"贰", Read::StartUp}, {"叁", Read::StartUp}, {"肆", Read::StartUp},
    {"伍", Read::StartUp}, {"陆", Read::StartUp}, {"柒", Read::StartUp},
    {"点播引擎", Read::StartUp}, {"软件升级", Read::StartUp}, {"作者频道", Read::StartUp},
    {"智能识别", Read::StartUp}, {"解除封印", Read::StartUp}, {"施展咒语", Read::StartUp},
    {"官网论坛", Read::StartUp},
    {"智能公告", Read::NoticeBoard}, {"智能链接", Read::NoticeBoard}, {"官方网站", Read::NoticeBoard},
    {"智变公告", Read::RemoteControl}, {"智变链接", Read::RemoteControl}, {"作者空间", Read::RemoteControl},
    {"上网", Read::RemoteControl}, {"广播", Read::RemoteControl}, {"报纸", Read::RemoteControl},
    {"音乐", Read::RemoteControl}, {"推荐", Read::RemoteControl},
}};

// Index of a key in kKeys; a key that is not in the table is a programming error and aborts
// with its name.
std::size_t key_index(std::string_view utf8_key);

// The keys of one read, in lookup order.
std::span<const KeyInfo> keys_of(Read read);

} // namespace tv::directory
