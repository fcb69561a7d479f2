// The dialog templates: every page's controls read back from the template bytes
// and checked against the page layouts, and every template instantiated.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "general/windows/handle.h"
#include "resources/resource_ids.h"
#include "tests/resources/resource_test_support.h"

using namespace resource_tests;

namespace {

// ------------------------------------------------- DLGTEMPLATEEX reader ---

struct template_control {
    std::uint32_t help_id = 0, ex_style = 0, style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::uint32_t id = 0;
    std::wstring window_class, title;
};

struct dialog_template {
    std::uint16_t version = 0, signature = 0;
    std::uint32_t help_id = 0, ex_style = 0, style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu, window_class, title;
    std::uint16_t point_size = 0, weight = 0;
    std::uint8_t italic = 0, charset = 0;
    std::wstring face;
    std::vector<template_control> controls;
};

class template_reader {
public:
    explicit template_reader(std::string bytes) : b_(std::move(bytes)) {}

    std::uint16_t u16() { return take(2, read16(b_, at_)); }
    std::uint32_t u32() { return take(4, read32(b_, at_)); }
    short s16() { return static_cast<short>(u16()); }
    std::uint8_t u8() { return take(1, static_cast<std::uint8_t>(b_.at(at_))); }
    void align() { at_ = (at_ + 3) & ~std::size_t{3}; }
    bool done() const { return at_ >= b_.size(); }

    // A name that is either absent (0), an ordinal (0xFFFF, number) or a string.
    std::wstring name_or_ordinal()
    {
        const std::uint16_t first = read16(b_, at_);
        if (first == 0xFFFF) {
            at_ += 2;
            return L"#" + std::to_wstring(u16());
        }
        return string();
    }
    std::wstring string()
    {
        std::wstring text;
        for (std::uint16_t c; (c = u16()) != 0;)
            text += static_cast<wchar_t>(c);
        return text;
    }
    void skip(std::size_t n) { at_ += n; }

private:
    template <typename T>
    T take(std::size_t n, T value)
    {
        at_ += n;
        return value;
    }
    std::string b_;
    std::size_t at_ = 0;
};

dialog_template read_template(std::uint16_t id)
{
    template_reader r(bytes_of(id, rt_dialog));
    dialog_template d;
    d.version = r.u16();
    d.signature = r.u16();
    if (d.version != 1 || d.signature != 0xFFFF)
        return d; // not an extended template; the caller's checks fail
    d.help_id = r.u32();
    d.ex_style = r.u32();
    d.style = r.u32();
    const std::uint16_t count = r.u16();
    d.x = r.s16();
    d.y = r.s16();
    d.cx = r.s16();
    d.cy = r.s16();
    d.menu = r.name_or_ordinal();
    d.window_class = r.name_or_ordinal();
    d.title = r.string();
    if (d.style & (DS_SETFONT | DS_SHELLFONT)) {
        d.point_size = r.u16();
        d.weight = r.u16();
        d.italic = r.u8();
        d.charset = r.u8();
        d.face = r.string();
    }
    for (std::uint16_t i = 0; i < count; ++i) {
        r.align();
        template_control c;
        c.help_id = r.u32();
        c.ex_style = r.u32();
        c.style = r.u32();
        c.x = r.s16();
        c.y = r.s16();
        c.cx = r.s16();
        c.cy = r.s16();
        c.id = r.u32();
        c.window_class = r.name_or_ordinal();
        c.title = r.name_or_ordinal();
        r.skip(r.u16()); // creation data
        d.controls.push_back(c);
    }
    return d;
}

// The predefined classes may be stored by ordinal; compare by name.
std::wstring class_name(const std::wstring& stored)
{
    static const std::map<std::wstring, std::wstring> ordinals = {
        {L"#128", L"button"}, {L"#129", L"edit"},      {L"#130", L"static"},
        {L"#131", L"listbox"}, {L"#132", L"scrollbar"}, {L"#133", L"combobox"}};
    if (auto it = ordinals.find(stored); it != ordinals.end())
        return it->second;
    std::wstring lower = stored;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return lower;
}

// ------------------------------------------------------ page layouts ---

enum class kind {
    picture,       // SS_BITMAP with a real-size image
    text,          // label painted by its widget, or a plain static
    link,          // static that reports clicks
    radio,         // auto radio button
    radio_wrapped, // auto radio button of several lines (uninstall steps)
    ok,            // default push button
    push,          // other push button
    progress,      // progress bar, hidden at first
};

constexpr short any_size = -1; // size not fixed by the layout (pictures take their image's)

struct control_spec {
    std::uint32_t id;
    kind what;
    short x, y, cx, cy;
};

struct page_spec {
    std::uint16_t template_id;
    const char* name;
    std::vector<control_spec> controls;
};

const std::vector<page_spec>& pages()
{
    static const std::vector<page_spec> all = {
        {201, "start", {
            {1000, kind::picture, 207, 33, 15, 13},
            {1024, kind::picture, 19, 28, 15, 13},
            {1002, kind::picture, 29, 68, any_size, any_size},
            {1003, kind::picture, 30, 87, any_size, any_size},
            {1005, kind::picture, 30, 107, any_size, any_size},
            {1004, kind::picture, 216, 68, any_size, any_size},
            {1006, kind::picture, 216, 87, any_size, any_size},
            {1007, kind::picture, 216, 106, any_size, any_size},
            {1017, kind::text, 46, 70, 144, 8},
            {1018, kind::text, 46, 88, 140, 8},
            {1019, kind::text, 46, 107, 138, 8},
            {1020, kind::text, 233, 70, 150, 8},
            {1021, kind::text, 233, 89, 150, 8},
            {1022, kind::text, 233, 108, 150, 8},
            {1008, kind::text, 78, 185, 135, 8},
            {1011, kind::text, 123, 196, 26, 8},
            {1025, kind::link, 216, 185, 90, 8},
            {1026, kind::link, 102, 196, 32, 8},
            {1009, kind::link, 153, 197, 150, 8},
            {1030, kind::link, 262, 133, 90, 8},
            {1027, kind::radio, 22, 133, 240, 10},
            {1028, kind::radio, 22, 150, 247, 10},
            {1, kind::ok, 311, 183, 74, 24},
            {2, kind::push, 21, 185, 56, 14},
        }},
        {202, "process", {
            {1001, kind::text, 47, 154, 311, 20},
            {1013, kind::text, 169, 81, 59, 53},
            {1000, kind::picture, 207, 33, 15, 13},
            {1024, kind::picture, 19, 28, 15, 13},
            {1028, kind::progress, 7, 201, 393, 7},
            {1029, kind::text, 7, 192, 393, 8},
        }},
        {203, "finish", {
            {1, kind::ok, 311, 183, 74, 24},
            {1001, kind::text, 41, 96, 311, 31},
            {1021, kind::text, 55, 131, 289, 15},
            {1022, kind::text, 55, 151, 289, 15},
            {1012, kind::text, 34, 184, 187, 23},
            {2, kind::push, 233, 183, 74, 24},
            {1000, kind::picture, 207, 34, 15, 13},
            {1024, kind::picture, 19, 28, 15, 13},
        }},
        {204, "error", {
            {1001, kind::text, 110, 172, 175, 22},
            {1014, kind::picture, 140, 65, any_size, any_size},
            {1000, kind::picture, 207, 33, 15, 13},
            {1024, kind::picture, 19, 28, 15, 13},
            {1, kind::ok, 311, 183, 74, 24},
        }},
        {205, "uninstall", {
            {1000, kind::picture, 118, 19, 15, 13},
            {1001, kind::text, 40, 64, 311, 38},
            {1021, kind::text, 56, 109, 295, 17},
            {1022, kind::text, 56, 126, 295, 23},
            {1, kind::ok, 311, 183, 74, 24},
            {2, kind::push, 24, 193, 50, 14},
        }},
        {206, "uninstalled", {
            {1000, kind::picture, 118, 19, 15, 13},
            {1001, kind::text, 40, 66, 311, 38},
            {1021, kind::text, 56, 111, 295, 55},
            {1, kind::ok, 311, 183, 74, 24},
        }},
        {207, "cancel", {
            {1024, kind::picture, 19, 28, 15, 13},
            {1017, kind::text, 24, 74, 348, 8},
            {1018, kind::text, 24, 106, 337, 8},
            {1019, kind::text, 24, 118, 348, 22},
            {1020, kind::text, 24, 145, 348, 8},
            {1008, kind::text, 78, 185, 135, 8},
            {1011, kind::text, 123, 196, 26, 8},
            {1025, kind::link, 216, 185, 90, 8},
            {1026, kind::link, 102, 196, 32, 8},
            {1009, kind::link, 153, 197, 150, 8},
            {1, kind::ok, 311, 183, 74, 24},
            {2, kind::push, 21, 185, 56, 14},
        }},
        {208, "abandon", {
            {1024, kind::picture, 19, 28, 15, 13},
            {1017, kind::text, 24, 74, 348, 8},
            {1018, kind::text, 24, 91, 337, 35},
            {1019, kind::text, 24, 135, 348, 8},
            {1020, kind::text, 24, 153, 348, 8},
            {1, kind::ok, 311, 183, 74, 24},
            {2, kind::push, 21, 185, 56, 14},
        }},
        {209, "uninstall step 1", {
            {1000, kind::picture, 118, 19, 15, 13},
            {1021, kind::text, 37, 53, 331, 11},
            {1022, kind::text, 37, 66, 331, 11},
            {1031, kind::text, 37, 81, 331, 16},
            {1023, kind::text, 37, 102, 331, 11},
            {1034, kind::text, 37, 115, 331, 22},
            {1032, kind::radio_wrapped, 85, 147, 248, 10},
            {1033, kind::radio_wrapped, 85, 164, 248, 10},
            {1, kind::ok, 311, 183, 74, 24},
            {2, kind::push, 24, 193, 50, 14},
        }},
        {210, "uninstall step 2", {
            {1000, kind::picture, 118, 19, 15, 13},
            {1021, kind::text, 40, 70, 329, 11},
            {1031, kind::text, 40, 91, 329, 22},
            {1032, kind::radio_wrapped, 85, 147, 250, 10},
            {1033, kind::radio_wrapped, 85, 164, 250, 10},
            {1, kind::ok, 311, 183, 74, 24},
            {2, kind::push, 24, 193, 50, 14},
        }},
        {211, "uninstall step 3", {
            {1000, kind::picture, 118, 19, 15, 13},
            {1021, kind::text, 40, 70, 329, 20},
            {1022, kind::text, 40, 92, 329, 21},
            {1031, kind::text, 40, 116, 329, 19},
            {1032, kind::radio_wrapped, 85, 138, 250, 17},
            {1033, kind::radio_wrapped, 85, 159, 250, 17},
            {1, kind::ok, 311, 183, 74, 24},
            {2, kind::push, 24, 193, 50, 14},
        }},
    };
    return all;
}

bool is_radio(const template_control& c)
{
    return class_name(c.window_class) == L"button" && (c.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

void check_kind(const template_control& c, kind what)
{
    const std::wstring cls = class_name(c.window_class);
    const bool text_type = [&] {
        const auto type = c.style & SS_TYPEMASK;
        return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP;
    }();
    EXPECT_TRUE(c.style & WS_CHILD);
    EXPECT_FALSE(c.style & WS_POPUP);
    switch (what) {
    case kind::picture:
        EXPECT_EQ(cls, L"static");
        EXPECT_EQ(c.style, 0x5000080Eu); // visible child, SS_BITMAP | SS_REALSIZEIMAGE
        break;
    case kind::text:
        EXPECT_EQ(cls, L"static");
        EXPECT_TRUE(text_type) << std::hex << c.style;
        EXPECT_TRUE(c.style & WS_VISIBLE);
        EXPECT_FALSE(c.style & (WS_TABSTOP | SS_NOTIFY));
        break;
    case kind::link:
        EXPECT_EQ(cls, L"static");
        EXPECT_TRUE(text_type) << std::hex << c.style;
        EXPECT_TRUE(c.style & SS_NOTIFY) << "a link must report its clicks";
        EXPECT_TRUE(c.style & WS_TABSTOP);
        EXPECT_TRUE(c.style & WS_VISIBLE);
        break;
    case kind::radio:
        EXPECT_EQ(cls, L"button");
        EXPECT_EQ(c.style & BS_TYPEMASK, static_cast<std::uint32_t>(BS_AUTORADIOBUTTON));
        EXPECT_TRUE(c.style & WS_VISIBLE);
        break;
    case kind::radio_wrapped:
        EXPECT_EQ(cls, L"button");
        EXPECT_EQ(c.style & ~static_cast<std::uint32_t>(WS_GROUP | WS_TABSTOP), 0x50002009u);
        break;
    case kind::ok:
        EXPECT_EQ(cls, L"button");
        EXPECT_EQ(c.style & BS_TYPEMASK, static_cast<std::uint32_t>(BS_DEFPUSHBUTTON));
        EXPECT_TRUE(c.style & WS_TABSTOP);
        EXPECT_TRUE(c.style & WS_VISIBLE);
        break;
    case kind::push:
        EXPECT_EQ(cls, L"button");
        EXPECT_EQ(c.style & BS_TYPEMASK, static_cast<std::uint32_t>(BS_PUSHBUTTON));
        EXPECT_TRUE(c.style & WS_TABSTOP);
        EXPECT_TRUE(c.style & WS_VISIBLE);
        break;
    case kind::progress:
        EXPECT_EQ(cls, L"msctls_progress32");
        EXPECT_FALSE(c.style & WS_VISIBLE) << "the page shows the bar itself";
        EXPECT_FALSE(c.style & PBS_VERTICAL);
        break;
    }
}

void check_page_frame(const dialog_template& d)
{
    EXPECT_EQ(d.version, 1u) << "an extended template";
    EXPECT_EQ(d.signature, 0xFFFFu);
    EXPECT_EQ(d.cx, 407);
    EXPECT_EQ(d.cy, 215);
    EXPECT_EQ(d.ex_style, 0u);
    EXPECT_TRUE(d.menu.empty());
    EXPECT_TRUE(d.window_class.empty());
    EXPECT_EQ(d.point_size, 8u);
    EXPECT_EQ(d.weight, 400u);
    EXPECT_EQ(d.italic, 0u);
    EXPECT_EQ(d.charset, 1u);
    EXPECT_EQ(d.face, L"MS Shell Dlg");
}

struct window_traits {
    using pointer = HWND;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { DestroyWindow(h); }
};
using unique_window = general::windows::unique_resource<window_traits>;

INT_PTR CALLBACK quiet_dialog(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

} // namespace

TEST(dialog_templates, main_dialog_is_an_empty_captioned_frame)
{
    const dialog_template d = read_template(129);
    check_page_frame(d);
    EXPECT_EQ(d.style, 0x00C80048u); // DS_SETFONT | DS_FIXEDSYS | WS_CAPTION | WS_SYSMENU
    EXPECT_EQ(d.title, L"Kelvaris Installer");
    EXPECT_TRUE(d.controls.empty());
}

TEST(dialog_templates, every_page_has_its_controls_where_the_layout_puts_them)
{
    for (const auto& page : pages()) {
        SCOPED_TRACE(page.name);
        const dialog_template d = read_template(page.template_id);
        check_page_frame(d);
        EXPECT_EQ(d.style, 0x40080048u); // WS_CHILD | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS
        EXPECT_TRUE(d.title.empty()) << "pages have no caption";

        std::map<std::uint32_t, const template_control*> by_id;
        for (const auto& c : d.controls)
            EXPECT_TRUE(by_id.emplace(c.id, &c).second) << "id " << c.id << " twice";
        EXPECT_EQ(d.controls.size(), page.controls.size());

        for (const auto& want : page.controls) {
            SCOPED_TRACE(want.id);
            auto it = by_id.find(want.id);
            ASSERT_NE(it, by_id.end()) << "missing control";
            const template_control& got = *it->second;
            EXPECT_EQ(got.x, want.x);
            EXPECT_EQ(got.y, want.y);
            if (want.cx != any_size) {
                EXPECT_EQ(got.cx, want.cx);
                EXPECT_EQ(got.cy, want.cy);
            } else {
                EXPECT_GT(got.cx, 0);
                EXPECT_GT(got.cy, 0);
            }
            check_kind(got, want.what);
        }
    }
}

TEST(dialog_templates, pictures_fit_on_the_page)
{
    // Pictures grow to their image; an image placed so that it runs off the page
    // would be cut. Sizes in dialog units at the page font, roughly 1.5 x 1.6
    // pixels each.
    struct placed {
        std::uint16_t page;
        std::uint32_t control;
        int width_px, height_px;
    };
    const placed images[] = {
        {201, 1000, 239, 34}, {201, 1024, 192, 45}, {201, 1002, 14, 14},
        {204, 1014, 164, 164}, {205, 1000, 239, 34}, {209, 1000, 239, 34},
    };
    for (const auto& p : images) {
        SCOPED_TRACE(p.control);
        for (const auto& c : read_template(p.page).controls) {
            if (c.id != p.control)
                continue;
            EXPECT_LE(c.x + p.width_px / 1.5, 407.0);
            EXPECT_LE(c.y + p.height_px / 1.625, 215.0);
        }
    }
}

TEST(dialog_templates, radio_buttons_form_one_group_per_page)
{
    for (const auto& page : pages()) {
        SCOPED_TRACE(page.name);
        const auto controls = read_template(page.template_id).controls;
        int groups = 0;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (!is_radio(controls[i]) || (i > 0 && is_radio(controls[i - 1])))
                continue;
            ++groups;
            // The first radio opens the group and takes the focus on Tab ...
            EXPECT_TRUE(controls[i].style & WS_GROUP);
            EXPECT_TRUE(controls[i].style & WS_TABSTOP);
            std::size_t j = i + 1;
            for (; j < controls.size() && is_radio(controls[j]); ++j)
                EXPECT_FALSE(controls[j].style & WS_GROUP) << "radio " << controls[j].id << " splits the group";
            // ... and the next control closes it, or the arrow keys and the
            // automatic unchecking would run on into other controls.
            if (j < controls.size()) {
                EXPECT_TRUE(controls[j].style & WS_GROUP) << "control " << controls[j].id;
            }
        }
        const bool has_radios = std::any_of(page.controls.begin(), page.controls.end(), [](auto& c) {
            return c.what == kind::radio || c.what == kind::radio_wrapped;
        });
        EXPECT_EQ(groups, has_radios ? 1 : 0);
    }
}

TEST(dialog_templates, every_template_can_be_instantiated)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES}; // as the installer does
    InitCommonControlsEx(&controls);

    unique_window host(CreateDialogParamW(self(), MAKEINTRESOURCEW(129), nullptr, quiet_dialog, 0));
    if (!host)
        GTEST_SKIP() << "no window station to create dialogs in (error " << GetLastError() << ")";
    wchar_t caption[64] = {};
    GetWindowTextW(host.get(), caption, 64);
    EXPECT_STREQ(caption, L"Kelvaris Installer");

    for (const auto& page : pages()) {
        SCOPED_TRACE(page.name);
        unique_window view(CreateDialogParamW(self(), MAKEINTRESOURCEW(page.template_id), host.get(),
                                              quiet_dialog, 0));
        ASSERT_TRUE(view) << "error " << GetLastError();
        EXPECT_EQ(GetParent(view.get()), host.get());
        int children = 0;
        EnumChildWindows(
            view.get(), [](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; },
            reinterpret_cast<LPARAM>(&children));
        EXPECT_EQ(children, static_cast<int>(page.controls.size()));
        for (const auto& want : page.controls) {
            HWND control = GetDlgItem(view.get(), static_cast<int>(want.id));
            ASSERT_NE(control, nullptr) << "control " << want.id;
            const bool visible = GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE;
            EXPECT_EQ(visible, want.what != kind::progress) << "control " << want.id;
        }
    }
}

// The names the pages use for these ids.
static_assert(IDD_MAIN == 129 && IDD_START_VIEW == 201 && IDD_PROCESS_VIEW == 202 &&
              IDD_FINISH_VIEW == 203 && IDD_ERROR_VIEW == 204 && IDD_UNINSTALL_VIEW == 205 &&
              IDD_UNINSTALLED_VIEW == 206 && IDD_CANCEL_VIEW == 207 && IDD_ABANDON_VIEW == 208 &&
              IDD_UNINSTALL_STEP1_VIEW == 209 && IDD_UNINSTALL_STEP2_VIEW == 210 &&
              IDD_UNINSTALL_STEP3_VIEW == 211);
static_assert(IDI_INSTALLER == 128 && IDI_UNINSTALLER == 140 && IDS_INSTALLER == 128 &&
              IDR_PNG_LOGO == 130 && IDR_PNG_OK_FACE == 131 && IDR_PNG_CANCEL_FACE == 132 &&
              IDR_THEME == 133 && IDR_PNG_CHECK == 134 && IDR_GIF_PROCESS == 136 &&
              IDR_PNG_SHIELD == 137 && IDR_PNG_ARCHIVER_LOGO == 139 && IDR_LANGUAGES == 209 &&
              IDR_TS_EN_GB == 210 && IDR_TS_PT_BR == 211);
static_assert(IDC_OK_BUTTON == IDOK && IDC_CANCEL_BUTTON == IDCANCEL && IDC_LOGO == 1000 &&
              IDC_HEADER == 1001 && IDC_ARCHIVER_LOGO == 1024 && IDC_ANIMATION == 1013 &&
              IDC_SHIELD == 1014 && IDC_PROGRESS == 1028 && IDC_STATUS == 1029 &&
              IDC_BOTH_RADIO == 1027 && IDC_ARCHIVER_ONLY_RADIO == 1028 && IDC_KEEP_RADIO == 1032 &&
              IDC_REMOVE_RADIO == 1033 && IDC_WHY_LINK == 1030 && IDC_PROTECTION_LICENCE_LINK == 1009 &&
              IDC_ARCHIVER_LICENCE_LINK == 1025 && IDC_AGREEMENT_LINK == 1026);
