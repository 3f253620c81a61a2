// Shared by the test-card and video player pages: reading what the portal put into the
// address, the names of the sample channels, and a running clock.
"use strict";

// Short channel id of the sample directory -> [caption on the portal, what the channel is].
const CHANNEL_NAMES = {
    cctv1: ["CCTV-1", "央视综合"],
    cctv2: ["CCTV-2", "央视经济"],
    cctv3: ["CCTV-3", "央视歌曲"],
    cctv4: ["CCTV-4", "央视国际"],
    cctv5: ["CCTV-5", "央视体育"],
    cctv6: ["CCTV-6", "央视电影"],
    cctv7: ["CCTV-7", "央视军农"],
    cctv8: ["CCTV-8", "央视剧场"],
    cctv9: ["CCTV-9", "央视记录"],
    cctv10: ["CCTV-10", "央视科教"],
    cctv11: ["CCTV-11", "央视戏曲"],
    cctv12: ["CCTV-12", "央视社会"],
    "cctv-news": ["CCTV-新闻", "央视新闻"],
    "cctv-kids": ["CCTV-少儿", "央视少儿"],
    "cctv-music": ["CCTV-音乐", "央视音乐"],
    beijing: ["北京卫视", "地方卫视"],
    tianjin: ["天津卫视", "地方卫视"],
    shanghai: ["上海卫视", "地方卫视"],
    chongqing: ["重庆卫视", "地方卫视"],
    hebei: ["河北卫视", "地方卫视"],
    henan: ["河南卫视", "地方卫视"],
    shanxi: ["山西卫视", "地方卫视"],
    shandong: ["山东卫视", "地方卫视"],
    jiangsu: ["江苏卫视", "地方卫视"],
    jiangxi: ["江西卫视", "地方卫视"],
    anhui: ["安徽卫视", "地方卫视"],
    zhejiang: ["浙江卫视", "地方卫视"],
    hubei: ["湖北卫视", "地方卫视"],
    hunan: ["湖南卫视", "地方卫视"],
    fujian: ["福建卫视", "地方卫视"],
    guangdong: ["广东卫视", "地方卫视"],
    guangxi: ["广西卫视", "地方卫视"],
    hainan: ["海南卫视", "地方卫视"],
    guizhou: ["贵州卫视", "地方卫视"],
    sichuan: ["四川卫视", "地方卫视"],
    yunnan: ["云南卫视", "地方卫视"],
    gansu: ["甘肃卫视", "地方卫视"],
    ningxia: ["宁夏卫视", "地方卫视"],
    shaanxi: ["陕西卫视", "地方卫视"],
    heilongjiang: ["黑龙卫视", "地方卫视"],
    jilin: ["吉林卫视", "地方卫视"],
    liaoning: ["辽宁卫视", "地方卫视"],
    neimenggu: ["内蒙卫视", "地方卫视"],
    qinghai: ["青海卫视", "地方卫视"],
    xizang: ["西藏卫视", "地方卫视"],
    xinjiang: ["新疆卫视", "地方卫视"],
    red: ["赤", "彩色频道"],
    orange: ["橙", "彩色频道"],
    yellow: ["黄", "彩色频道"],
    green: ["绿", "彩色频道"],
    cyan: ["青", "彩色频道"],
    blue: ["蓝", "彩色频道"],
    purple: ["紫", "彩色频道"],
    no1: ["壹", "数字频道"],
    no2: ["贰", "数字频道"],
    no3: ["叁", "数字频道"],
    no4: ["肆", "数字频道"],
    no5: ["伍", "数字频道"],
    no6: ["陆", "数字频道"],
    no7: ["柒", "数字频道"],
};

const WEEKDAYS = ["日", "一", "二", "三", "四", "五", "六"];

function decodeText(text) {
    try {
        return decodeURIComponent(text.replace(/\+/g, " "));
    } catch (e) {
        return text;
    }
}

// The portal opens a channel as its address + "&" + first scan value + "&" + second scan value
// + "&", so a sample channel arrives as "?ch=cctv1&640&480&": the channel id, then the two
// scan values after the first "&".
function readPlayerAddress(search) {
    const parts = search.replace(/^\?/, "").split("&");
    const first = parts[0] || "";
    return {
        ch: first.startsWith("ch=") ? decodeText(first.slice(3)) : "",
        horizontal: decodeText(parts[1] || ""),
        vertical: decodeText(parts[2] || ""),
    };
}

function channelNames(ch) {
    return CHANNEL_NAMES[ch] || [ch ? ch.toUpperCase() : "未指定频道", "测试信号"];
}

function setText(id, text) {
    const element = document.getElementById(id);
    if (element) element.textContent = text;
}

// Fills the elements every player page has: channel caption, name, id and both scan values.
function showChannel(address) {
    const [caption, name] = channelNames(address.ch);
    setText("channel-caption", caption);
    setText("channel-name", name);
    setText("channel-id", address.ch || "（无）");
    setText("scan-h", address.horizontal || "—");
    setText("scan-v", address.vertical || "—");
    document.title = `${caption} ${address.horizontal}×${address.vertical}`;
    document.body.dataset.channel = address.ch;
}

function twoDigits(n) {
    return String(n).padStart(2, "0");
}

// Keeps the elements "clock" (hh:mm:ss) and "date" (when present) at the current local time.
function startClock() {
    const tick = () => {
        const now = new Date();
        setText("clock", `${twoDigits(now.getHours())}:${twoDigits(now.getMinutes())}:${twoDigits(now.getSeconds())}`);
        setText("date", `${now.getFullYear()}年${now.getMonth() + 1}月${now.getDate()}日 星期${WEEKDAYS[now.getDay()]}`);
    };
    tick();
    setInterval(tick, 250);
}

// Tells the sample server what happened on the page (it answers /report/... with 204 and logs
// the request line).
function report(what, params) {
    const url = `/report/${what}?${new URLSearchParams(params).toString()}`;
    if (window.fetch) {
        fetch(url, { cache: "no-store" }).catch(() => {});
    } else {
        new Image().src = url;
    }
}
