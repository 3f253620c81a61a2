#pragma once
// Which Linux programs stand in for the Windows tools the portal starts by name.
#include <array>
#include <span>
#include <string_view>

namespace tv::platform::linux_desktop {

// Programs that can stand in for one tool, in order of preference; unused slots are empty.
using ProgramChoices = std::array<std::string_view, 5>;

struct ToolPrograms {
    std::string_view tool; // lower-case Windows command name
    ProgramChoices programs;
};

inline constexpr std::array<ToolPrograms, 8> tool_programs{{
    {"calc", {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"}},
    {"winchat", {"pidgin", "hexchat"}},
    {"osk", {"onboard", "matchbox-keyboard", "xvkbd"}},
    {"msconfig", {"gnome-tweaks", "xfce4-session-settings", "mate-session-properties", "lxsession-default-apps"}},
    {"dxdiag", {"hardinfo", "cpu-x", "lshw-gtk", "gnome-system-monitor"}},
    {"mspaint", {"kolourpaint", "mtpaint", "gimp"}},
    {"sndrec32", {"gnome-sound-recorder", "audacity"}},
    {"charmap", {"gucharmap", "kcharselect"}},
}};

// The desktop's settings application, in order of preference.
inline constexpr ProgramChoices settings_programs{"gnome-control-center", "systemsettings", "xfce4-settings-manager",
                                                  "mate-control-center", "lxqt-config"};

// The choices for a tool name (already lower-cased, without ".exe"); nullptr when it is not a known tool.
constexpr const ProgramChoices *programs_for_tool(std::string_view tool) {
    for (const auto &entry : tool_programs)
        if (entry.tool == tool)
            return &entry.programs;
    return nullptr;
}

} // namespace tv::platform::linux_desktop
