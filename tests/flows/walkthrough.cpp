// Walks the installer through an installation of both products, as a person
// clicking through it would, and writes one contact sheet of every page it
// passed, left to right:
//
//     flow_walkthrough <sheet.png> <temporary folder>
//
// The installer runs with the given folder as its temporary folder, so its log
// and downloads stay there. Needs a visible desktop (Xvfb does) and the stand-in
// servers. Prints the installer's exit code. Exit code 0 when the walk reached
// its end, the installer ended with 0 and the sheet was written; 1 otherwise,
// with the reason on stderr (the sheet then shows the pages passed so far).
#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "general/windows/gdiplus_session.h"
#include "general/windows/text.h"
#include "resources/resource_ids.h"
#include "tests/flows/flow_driver.h"
#include "tests/support/screen_capture.h"

namespace {

using namespace std::chrono_literals;

struct picture {
    std::wstring page;
    general::windows::unique_bitmap bitmap;
};

// Each picture under its page's key, side by side on a white sheet.
bool write_sheet(const std::vector<picture>& pictures, const std::filesystem::path& file)
{
    constexpr int gap = 12;
    constexpr int label = 24;
    int width = gap;
    int height = 0;
    for (const auto& each : pictures) {
        BITMAP size{};
        GetObjectW(each.bitmap.get(), sizeof size, &size);
        width += size.bmWidth + gap;
        height = std::max<int>(height, size.bmHeight);
    }
    Gdiplus::Bitmap sheet(std::max(width, 1), height + label + gap, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics canvas(&sheet);
        canvas.Clear(Gdiplus::Color(255, 255, 255));
        const Gdiplus::Font font(Gdiplus::FontFamily::GenericSansSerif(), 14, Gdiplus::FontStyleBold,
                                 Gdiplus::UnitPixel);
        const Gdiplus::SolidBrush ink(Gdiplus::Color(40, 40, 40));
        int x = gap;
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            Gdiplus::Bitmap page(pictures[i].bitmap.get(), nullptr);
            const std::wstring caption = std::to_wstring(i + 1) + L". " + pictures[i].page;
            canvas.DrawString(caption.c_str(), -1, &font, Gdiplus::PointF(static_cast<float>(x), 4.0f), &ink);
            canvas.DrawImage(&page, x, label);
            x += static_cast<int>(page.GetWidth()) + gap;
        }
    }
    std::filesystem::create_directories(file.parent_path());
    return test_support::save_png(sheet, file);
}

int walk(const std::filesystem::path& sheet, const std::filesystem::path& temp)
{
    std::filesystem::create_directories(temp);
    flows::clean_machine();
    std::vector<picture> pictures;
    std::string failure;
    std::optional<DWORD> code;
    {
        flows::installer_run run(L"", temp);
        try {
            for (const wchar_t* key : {L"start", L"process", L"finish"}) {
                const HWND page = run.wait_page(key, 120s);
                std::this_thread::sleep_for(500ms); // painted, the animation running
                auto bitmap = test_support::copy_from_screen(GetParent(page));
                if (!bitmap)
                    throw std::runtime_error("page \"" + general::windows::wide_to_utf8(key) +
                                             "\" could not be copied from the screen");
                pictures.push_back({key, std::move(bitmap)});
                if (key == std::wstring(L"start")) {
                    run.choose(IDC_BOTH_RADIO, 30s);
                    run.press(IDOK);
                } else if (key == std::wstring(L"finish")) {
                    run.press(IDOK);
                }
            }
            if (!(code = run.wait_exit(60s)))
                failure = "the installer did not end within 60 s of the finish page's OK";
        } catch (const std::exception& error) {
            failure = error.what();
        }
    }
    flows::clean_machine();
    if (code)
        std::printf("installer exit code: %lu\n", static_cast<unsigned long>(*code));
    if (!write_sheet(pictures, sheet))
        failure += (failure.empty() ? "" : "; ") + std::string("the contact sheet could not be written");
    if (!failure.empty())
        std::fprintf(stderr, "flow_walkthrough: %s\n", failure.c_str());
    return failure.empty() && code == 0u ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: flow_walkthrough <sheet.png> <temporary folder>\n");
        return 2;
    }
    const general::windows::gdiplus_session gdiplus;
    try {
        return walk(argv[1], argv[2]);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "flow_walkthrough: %s\n", failure.what());
        return 1;
    }
}
