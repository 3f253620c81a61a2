// Video player: plays the channel's looping test clip from /media/ and reports to the sample
// server once the clip is really playing (GET /report/playing?ch=...) or when it cannot be
// played (GET /report/error?ch=...&code=...).
"use strict";

// Channel id -> clip made by scripts/make-demo-media; other channels get the first clip.
const CLIPS = { cctv1: "testcard-1.webm", cctv5: "testcard-2.webm" };

const address = readPlayerAddress(window.location.search);
showChannel(address);
startClock();

const video = document.getElementById("video");
const statusLine = document.getElementById("status");
let reportedPlaying = false;

video.addEventListener("playing", () => {
    statusLine.textContent = "正在播放";
    statusLine.className = "";
    if (!reportedPlaying) {
        reportedPlaying = true;
        report("playing", { ch: address.ch });
    }
});
video.addEventListener("waiting", () => {
    statusLine.textContent = "正在缓冲…";
});
video.addEventListener("error", () => {
    const code = video.error ? video.error.code : 0;
    statusLine.textContent = `无法播放测试视频（错误 ${code}）`;
    statusLine.className = "failed";
    report("error", { ch: address.ch, code: String(code) });
});

video.src = `/media/${CLIPS[address.ch] || CLIPS.cctv1}`;
