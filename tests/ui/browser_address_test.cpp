// Which addresses the embedded browser loads: web pages and the blank page only.
#include "ui/gtk/browser_address.h"

#include <gtest/gtest.h>

namespace {

TEST(BrowserAddress, OnlyWebAddressesAndTheBlankPageLoad) {
    struct Case {
        const char *address;
        bool loads;
    };
    const Case cases[] = {
        {"http://127.0.0.1:8173/play.htm?ch=1&a&b&", true},
        {"https://example.org/", true},
        {"HTTP://EXAMPLE.ORG/", true},
        {"hTtPs://example.org/", true},
        {"about:blank", true},
        {"ABOUT:BLANK", true},
        {"about:blank#x", false},
        {"about:config", false},
        {"http://", false},
        {"file:///etc/passwd", false},
        {"FILE:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"data:text/html,<b>x</b>", false},
        {"ftp://example.org/", false},
        {"&&&", false},
        {"", false},
        {" http://example.org/", false},
        {"httpx://example.org/", false},
        {"//example.org/", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(tv::ui::gtk::is_loadable_address(c.address), c.loads) << "'" << c.address << "'";
}

} // namespace
