#pragma once
// The three reads of the directory page and the two start-up switches.
#include "app/context.h"

namespace tv::directory {

// One message pass, the download, the marked section, and one stored value per key of the
// read (the empty text for a key without an entry). Reports nothing.
void directory_read(Context &ctx, Read read);

// Whether a switch value, read as a number, exceeds the baseline by more than 1e-7.
bool switch_on(std::string_view gbk_value, std::string_view gbk_baseline);

// What the start-up read decides to open; called by the start-up read after its lookups.
struct SwitchActions {
    void (*open_notice_board)(Context &) = nullptr;
    void (*start_full_window)(Context &) = nullptr;
};

// The start-up read: the 70 start-up keys, then the notice-board switch, then the full-window switch.
void start_up_read(Context &ctx, const SwitchActions &actions);

} // namespace tv::directory
