#pragma once
// The process-wide directory: one GBK text per key, plus the switch baseline.
#include "core/text.h"
#include "directory/directory_keys.h"

#include <array>

namespace tv::directory {

class DirectoryStore {
public:
    // The value of a key (UTF-8 spelling); empty until its read has stored one.
    const Text &value(std::string_view utf8_key) const { return values_[key_index(utf8_key)]; }
    void set_at(std::size_t index, Text text) { values_[index] = std::move(text); }

    const Text &switch_baseline() const { return baseline_; }
    void set_switch_baseline(Text text) { baseline_ = std::move(text); }

    // Releases every text; the exit routine calls this.
    void release_all() {
        for (auto &v : values_)
            Text().swap(v);
        Text().swap(baseline_);
    }

private:
    std::array<Text, kKeys.size()> values_;
    Text baseline_;
};

} // namespace tv::directory
