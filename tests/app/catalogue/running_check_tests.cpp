// The check that refuses to go on while the archiver runs.
#include "app/product_catalogue.h"

#include <gtest/gtest.h>

#include <chrono>

#include "general/windows/system.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace std::chrono_literals;

const std::wstring expected_text =
    L"It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be "
    L"running, then click \"Retry\" to proceed with the installation.";

// A window standing in for the main dialog; message-only, so no display is needed.
class stand_in_dialog {
public:
    stand_in_dialog()
        : window_(CreateWindowExW(0, L"STATIC", L"qel", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr))
    {
    }
    ~stand_in_dialog()
    {
        if (IsWindow(window_))
            DestroyWindow(window_);
    }
    HWND get() const { return window_; }

private:
    HWND window_;
};

// The quit message posted to this thread, if any (taken off the queue).
std::optional<WPARAM> take_quit()
{
    MSG message{};
    if (!PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return std::nullopt;
    return message.wParam;
}

struct scripted {
    int running_answers = 0; // how many times the archiver is still running
    std::vector<bool> retries;
    std::vector<std::pair<std::wstring, std::wstring>> asked;
    HWND owner = nullptr;

    archiver_check_system system()
    {
        return {[this] { return running_answers-- > 0; },
                [this](HWND window, const std::wstring& text, const std::wstring& caption) {
                    owner = window;
                    asked.emplace_back(text, caption);
                    const bool retry = asked.size() <= retries.size() && retries[asked.size() - 1];
                    return retry;
                }};
    }
};

TEST(archiver_running, nothing_is_asked_when_the_archiver_is_not_running)
{
    stand_in_dialog dialog;
    scripted script;
    EXPECT_FALSE(check_archiver_running(dialog.get(), L"caption", script.system()));
    EXPECT_TRUE(script.asked.empty());
    EXPECT_TRUE(IsWindow(dialog.get()));
    EXPECT_EQ(take_quit(), std::nullopt);
}

TEST(archiver_running, retry_asks_again_until_the_archiver_is_closed)
{
    stand_in_dialog dialog;
    scripted script;
    script.running_answers = 5;
    script.retries = {true, true, true, true, true};
    EXPECT_FALSE(check_archiver_running(dialog.get(), L"Instalador Varnhelm Sentovar", script.system()));
    ASSERT_EQ(script.asked.size(), 5u);
    for (const auto& [text, caption] : script.asked) {
        EXPECT_EQ(text, expected_text);
        EXPECT_EQ(caption, L"Instalador Varnhelm Sentovar");
    }
    EXPECT_EQ(script.owner, dialog.get());
    EXPECT_TRUE(IsWindow(dialog.get()));
    EXPECT_EQ(take_quit(), std::nullopt);
}

TEST(archiver_running, cancel_ends_the_run)
{
    stand_in_dialog dialog;
    scripted script;
    script.running_answers = 100;
    script.retries = {true, false};
    EXPECT_TRUE(check_archiver_running(dialog.get(), L"Varnhelm Sentovar Installer", script.system()));
    EXPECT_EQ(script.asked.size(), 2u);
    EXPECT_FALSE(IsWindow(dialog.get()));
    EXPECT_EQ(take_quit(), std::optional<WPARAM>{0});
}

// The real process query: a program named exactly "Quobex.exe" counts, the
// same name in other letter case does not. One case, so no parallel test
// process runs either name meanwhile.
class archiver_process : public testing::Test {
protected:
    bool detected_while_running(const std::wstring& file_name)
    {
        // A folder per copy: Wine's file names ignore case, so a second copy would
        // keep the first one's spelling.
        const auto own_folder = folder.path() / std::to_wstring(++copies);
        std::filesystem::create_directory(own_folder);
        const auto program = test_support::copy_child_program(own_folder, file_name);
        const DWORD id = general::windows::create_process(L"\"" + program.wstring() + L"\" 0 20000", false, true);
        EXPECT_NE(id, 0u);
        test_support::process_killer running{id};
        EXPECT_TRUE(test_support::wait_for_child_record(program, 10s).has_value());
        return default_archiver_check_system().archiver_running();
    }

    test_support::scratch_folder folder;
    int copies = 0;
};

TEST_F(archiver_process, only_the_exact_image_name_is_detected)
{
    ASSERT_FALSE(default_archiver_check_system().archiver_running()) << "an archiver runs on the test machine";
    EXPECT_FALSE(detected_while_running(L"quobex.exe"));
    EXPECT_FALSE(detected_while_running(L"Quobex.exe.bak.exe"));
    EXPECT_TRUE(detected_while_running(L"Quobex.exe"));
    EXPECT_FALSE(default_archiver_check_system().archiver_running()) << "after it ended";
}

} // namespace
