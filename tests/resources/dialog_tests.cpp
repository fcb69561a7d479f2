// The dialog templates, read back from the executable's bytes and checked
// against the pages that use them: every control a page names is there in the
// class its role needs, nothing else is, the controls lie inside the page
// without covering one another, and every template can be instantiated.
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
#include "general/windows/text.h"
#include "resources/resource_ids.h"
#include "tests/resources/resource_test_support.h"
#include "tests/support/text_census.h"
#include "views/uninstall_steps_view.h"

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
    static const std::map<std::wstring, std::wstring> ordinals = {{L"#128", L"button"},    {L"#129", L"edit"},
                                                                  {L"#130", L"static"},    {L"#131", L"listbox"},
                                                                  {L"#132", L"scrollbar"}, {L"#133", L"combobox"}};
    if (auto it = ordinals.find(stored); it != ordinals.end())
        return it->second;
    std::wstring lower = stored;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return lower;
}

// --------------------------------------------------- the pages' use ---

// What a page does with a control, which decides what its template must make.
enum class role {
    picture,   // shows an image at the image's own size
    text,      // label painted by its widget
    link,      // static that reports clicks
    radio,     // auto radio button
    button,    // push button; IDOK is the default one
    animation, // plain static the animation widget paints over
    progress,  // progress bar the page shows itself
    status,    // one line of status text set by the page
};

// Controls a page reaches from its own code instead of through its layout.
const std::map<std::uint16_t, std::map<std::uint32_t, role>> filled_by_code = {
    {IDD_PROCESS_VIEW, {{IDC_ANIMATION, role::animation}, {IDC_PROGRESS, role::progress}, {IDC_STATUS, role::status}}},
};

struct page_use {
    std::string name;
    std::uint16_t template_id = 0;
    bool wrapped_radios = false; // the uninstall steps' radios carry sentences that wrap
    std::map<std::uint32_t, role> roles;
    std::map<std::uint32_t, int> images; // picture control -> PNG resource
};

// Every page as the main dialog makes it, with the controls its layout and its
// code name.
const std::vector<page_use>& pages()
{
    static const std::vector<page_use> all = [] {
        std::vector<page_use> found;
        for (const auto& page : test_support::every_page()) {
            page_use use;
            use.name = general::windows::wide_to_utf8(page->name()) + " " + std::to_string(page->template_id());
            use.template_id = static_cast<std::uint16_t>(page->template_id());
            use.wrapped_radios = dynamic_cast<const uninstall_steps_view*>(page.get()) != nullptr;
            auto add = [&](int control, role what) {
                EXPECT_TRUE(use.roles.emplace(control, what).second) << use.name << ": control " << control << " twice";
            };
            const page_layout layout = test_support::layout_of(*page);
            for (const auto& item : layout.pictures) {
                add(item.control, role::picture);
                use.images[item.control] = item.image;
            }
            for (const auto& item : layout.texts)
                add(item.control, role::text);
            for (const auto& item : layout.links)
                add(item.control, role::link);
            for (const auto& item : layout.radios)
                add(item.control, role::radio);
            for (const auto& item : layout.buttons)
                add(item.control, role::button);
            if (const auto extra = filled_by_code.find(use.template_id); extra != filled_by_code.end())
                for (const auto& [control, what] : extra->second)
                    add(control, what);
            found.push_back(std::move(use));
        }
        return found;
    }();
    return all;
}

void check_role(const template_control& c, role what, const page_use& page)
{
    const std::wstring cls = class_name(c.window_class);
    const auto static_type = c.style & SS_TYPEMASK;
    const bool text_type = static_type == SS_LEFT || static_type == SS_CENTER || static_type == SS_RIGHT ||
                           static_type == SS_LEFTNOWORDWRAP;
    const bool visible = c.style & WS_VISIBLE;
    EXPECT_TRUE(c.style & WS_CHILD);
    EXPECT_FALSE(c.style & WS_POPUP);
    switch (what) {
    case role::picture:
        EXPECT_EQ(cls, L"static");
        EXPECT_EQ(static_type, static_cast<std::uint32_t>(SS_BITMAP));
        EXPECT_TRUE(c.style & SS_REALSIZEIMAGE) << "the image would be squeezed into the template's box";
        EXPECT_TRUE(visible);
        break;
    case role::text:
    case role::status:
    case role::animation:
        EXPECT_EQ(cls, L"static");
        EXPECT_TRUE(text_type) << std::hex << c.style;
        EXPECT_TRUE(visible);
        EXPECT_FALSE(c.style & (WS_TABSTOP | SS_NOTIFY)) << "a text takes no focus and no clicks";
        break;
    case role::link:
        EXPECT_EQ(cls, L"static");
        EXPECT_TRUE(text_type) << std::hex << c.style;
        EXPECT_TRUE(c.style & SS_NOTIFY) << "a link must report its clicks";
        EXPECT_TRUE(c.style & WS_TABSTOP);
        EXPECT_TRUE(visible);
        break;
    case role::radio:
        EXPECT_EQ(cls, L"button");
        EXPECT_EQ(c.style & BS_TYPEMASK, static_cast<std::uint32_t>(BS_AUTORADIOBUTTON));
        EXPECT_EQ((c.style & BS_MULTILINE) != 0, page.wrapped_radios);
        EXPECT_TRUE(visible);
        break;
    case role::button:
        EXPECT_EQ(cls, L"button");
        EXPECT_EQ(c.style & BS_TYPEMASK, static_cast<std::uint32_t>(c.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
        EXPECT_TRUE(c.style & WS_TABSTOP);
        EXPECT_TRUE(visible);
        break;
    case role::progress:
        EXPECT_EQ(cls, L"msctls_progress32");
        EXPECT_FALSE(visible) << "the page shows the bar itself";
        EXPECT_FALSE(c.style & PBS_VERTICAL);
        break;
    }
}

// A control's box in dialog units; a picture takes its image's size, at the
// page font's roughly 1.5 x 1.625 pixels a unit.
struct box {
    double left, top, right, bottom;
};

box box_of(const template_control& c, const page_use& page)
{
    double cx = c.cx, cy = c.cy;
    if (const auto image = page.images.find(c.id); image != page.images.end()) {
        const std::string png = bytes_of(static_cast<std::uint16_t>(image->second), L"PNG");
        cx = read32_big_endian(png, 16) / 1.5;
        cy = read32_big_endian(png, 20) / 1.625;
    }
    return {double(c.x), double(c.y), c.x + cx, c.y + cy};
}

bool overlap(const box& a, const box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Pairs whose template boxes may overlap: the page sets them out again at run
// time as one line of words, so their boxes give only the row.
const std::set<std::pair<std::uint32_t, std::uint32_t>> laid_out_at_run_time = {
    {IDC_AND_TEXT, IDC_AGREEMENT_LINK},
};

void check_page_frame(const dialog_template& d)
{
    // The pages are laid over the main dialog and share its size.
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

bool is_radio(const template_control& c)
{
    return class_name(c.window_class) == L"button" && (c.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
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
    const dialog_template d = read_template(IDD_MAIN);
    check_page_frame(d);
    EXPECT_EQ(d.style, 0x00C80048u); // DS_SETFONT | DS_FIXEDSYS | WS_CAPTION | WS_SYSMENU
    EXPECT_EQ(d.title, L"Kelvaris Installer");
    EXPECT_TRUE(d.controls.empty());
}

// Every control a page names is in its template with the class its role needs,
// and the template has no control the page leaves alone (it would show the
// template's English text untranslated). A control the template lacks is
// skipped silently by the page, so only this catches it.
TEST(dialog_templates, every_page_has_exactly_the_controls_its_code_names)
{
    ASSERT_EQ(pages().size(), 11u);
    for (const auto& page : pages()) {
        SCOPED_TRACE(page.name);
        const dialog_template d = read_template(page.template_id);
        check_page_frame(d);
        EXPECT_EQ(d.style, 0x40080048u); // WS_CHILD | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS
        EXPECT_TRUE(d.title.empty()) << "pages have no caption";

        std::map<std::uint32_t, const template_control*> by_id;
        for (const auto& c : d.controls) {
            EXPECT_TRUE(by_id.emplace(c.id, &c).second) << "id " << c.id << " twice";
            EXPECT_EQ(page.roles.count(c.id), 1u) << "control " << c.id << " is not used by the page";
        }
        for (const auto& [id, what] : page.roles) {
            SCOPED_TRACE(id);
            const auto found = by_id.find(id);
            if (found == by_id.end())
                ADD_FAILURE() << "control " << id << " is missing from the template";
            else
                check_role(*found->second, what, page);
        }
    }
}

TEST(dialog_templates, controls_lie_inside_the_page_and_cover_no_other)
{
    for (const auto& page : pages()) {
        SCOPED_TRACE(page.name);
        const dialog_template d = read_template(page.template_id);
        std::vector<std::pair<const template_control*, box>> boxes;
        for (const auto& c : d.controls) {
            const box b = box_of(c, page);
            EXPECT_GT(b.right, b.left) << "control " << c.id;
            EXPECT_GT(b.bottom, b.top) << "control " << c.id;
            EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= d.cx && b.bottom <= d.cy)
                << "control " << c.id << " runs off the page: " << b.left << "," << b.top << " to " << b.right << ","
                << b.bottom;
            for (const auto& [other, other_box] : boxes) {
                const std::pair<std::uint32_t, std::uint32_t> pair{std::min(c.id, other->id),
                                                                   std::max(c.id, other->id)};
                if (overlap(b, other_box) && !laid_out_at_run_time.count(pair))
                    ADD_FAILURE() << "controls " << other->id << " and " << c.id << " overlap";
            }
            boxes.emplace_back(&c, b);
        }
    }
}

// The confirming button and the archiver's logo stay put when one page
// replaces another.
TEST(dialog_templates, shared_controls_keep_their_place_from_page_to_page)
{
    for (const std::uint32_t id : {std::uint32_t{IDC_OK_BUTTON}, std::uint32_t{IDC_ARCHIVER_LOGO}}) {
        SCOPED_TRACE(id);
        std::set<std::vector<short>> places;
        int pages_with_it = 0;
        for (const auto& page : pages())
            for (const auto& c : read_template(page.template_id).controls)
                if (c.id == id) {
                    places.insert({c.x, c.y, c.cx, c.cy});
                    ++pages_with_it;
                }
        EXPECT_GT(pages_with_it, 4);
        EXPECT_EQ(places.size(), 1u);
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
        const bool has_radios = std::any_of(page.roles.begin(), page.roles.end(),
                                            [](const auto& each) { return each.second == role::radio; });
        EXPECT_EQ(groups, has_radios ? 1 : 0);
    }
}

TEST(dialog_templates, every_template_can_be_instantiated)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES}; // as the installer does
    InitCommonControlsEx(&controls);

    unique_window host(CreateDialogParamW(self(), MAKEINTRESOURCEW(IDD_MAIN), nullptr, quiet_dialog, 0));
    if (!host)
        GTEST_SKIP() << "no window station to create dialogs in (error " << GetLastError() << ")";
    wchar_t caption[64] = {};
    GetWindowTextW(host.get(), caption, 64);
    EXPECT_STREQ(caption, L"Kelvaris Installer");

    for (const auto& page : pages()) {
        SCOPED_TRACE(page.name);
        unique_window view(CreateDialogParamW(self(), MAKEINTRESOURCEW(page.template_id), host.get(), quiet_dialog, 0));
        ASSERT_TRUE(view) << "error " << GetLastError();
        EXPECT_EQ(GetParent(view.get()), host.get());
        int children = 0;
        EnumChildWindows(
            view.get(), [](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; },
            reinterpret_cast<LPARAM>(&children));
        EXPECT_EQ(children, static_cast<int>(page.roles.size()));
        for (const auto& [id, what] : page.roles) {
            HWND control = GetDlgItem(view.get(), static_cast<int>(id));
            ASSERT_NE(control, nullptr) << "control " << id;
            const bool visible = GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE;
            EXPECT_EQ(visible, what != role::progress) << "control " << id;
        }
    }
}

// The pages' own names for controls they reach without the layout, and the
// keys that reach the buttons, agree with the templates' ids.
static_assert(base_view::header_control == IDC_HEADER && base_view::logo_control == IDC_LOGO &&
              base_view::archiver_logo_control == IDC_ARCHIVER_LOGO);
static_assert(IDC_OK_BUTTON == IDOK && IDC_CANCEL_BUTTON == IDCANCEL, "Enter and Escape reach the buttons");
