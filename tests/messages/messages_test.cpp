#include <gtest/gtest.h>

#include <set>
#include <string>

#include "messages/messages.h"

namespace {

// The names other programs and the pages rely on, typed independently of the
// catalogue so that a misspelt registration shows up here.
const wchar_t* const expected_names[] = {
    L"qel installer quit message",
    L"qel installer start message",
    L"qel installer finish message",
    L"qel installer uninstall message",
    L"qel installer uninstalled message",
    L"qel abort uninstall message",
    L"qel make uninstall step1 message",
    L"qel make uninstall step2 message",
    L"qel make uninstall step3 message",
    L"qel download installations message",
    L"qel downloading installation message",
    L"qel downloading progress message",
    L"qel downloading error message",
    L"qel installations downloaded message",
    L"qel start installations message",
    L"qel installations done message",
    L"qel installing product message",
    L"qel installation error message",
    L"qel installation get selected products",
    L"qel installation add stats event",
    L"qel installation send stats events",
    L"qel installation set post cancel",
    L"qel installation get post cancel",
    L"qel installation set post fail",
    L"qel installation get post fail",
    L"check message",
};

} // namespace

TEST(message_catalogue, every_name_is_registered_exactly_as_written_and_in_order)
{
    ASSERT_EQ(std::size(expected_names), messages::catalogue_size);
    std::set<UINT> seen;
    for (std::size_t i = 0; i < messages::catalogue_size; ++i) {
        const auto& entry = messages::catalogue[i];
        EXPECT_STREQ(expected_names[i], entry.name);
        // Registered window messages live in 0xC000..0xFFFF; the same name gives
        // the same number in every process.
        EXPECT_GE(*entry.id, 0xC000u) << entry.name;
        EXPECT_EQ(RegisterWindowMessageW(expected_names[i]), *entry.id) << expected_names[i];
        EXPECT_TRUE(seen.insert(*entry.id).second) << "duplicate id for " << entry.name;
    }
}

namespace {

struct message_window {
    message_window()
    {
        hwnd = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    ~message_window()
    {
        if (hwnd)
            DestroyWindow(hwnd);
    }
    HWND hwnd;
};

} // namespace

TEST(message_texts, a_posted_text_arrives_whole_and_belongs_to_the_receiver)
{
    message_window window;
    ASSERT_NE(nullptr, window.hwnd);
    const std::wstring text = L"Quobex installer downloading \u00e7\u00e3o";
    ASSERT_TRUE(messages::post_text(window.hwnd, messages::downloading_installation, text));

    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, window.hwnd, messages::downloading_installation,
                             messages::downloading_installation, PM_REMOVE));
    EXPECT_EQ(0u, message.wParam);
    EXPECT_EQ(text, messages::take_text(message.lParam));
}

TEST(message_texts, posting_to_a_window_that_is_gone_fails_without_keeping_the_text)
{
    HWND gone;
    {
        message_window window;
        gone = window.hwnd;
    }
    EXPECT_FALSE(messages::post_text(gone, messages::downloading_error, L"lost"));
    EXPECT_EQ(L"", messages::take_text(0));
}
