// Test card: shows the channel and scan values of its address and runs the clock.
"use strict";

// The colour channels frame their panel in their own colour.
const PANEL_COLOURS = {
    red: "#ff0000",
    orange: "#ff8000",
    yellow: "#ffff00",
    green: "#00ff00",
    cyan: "#00ffff",
    blue: "#3050ff",
    purple: "#c040c0",
};

const address = readPlayerAddress(window.location.search);
showChannel(address);
if (PANEL_COLOURS[address.ch]) {
    document.getElementById("panel").style.borderColor = PANEL_COLOURS[address.ch];
}
startClock();
