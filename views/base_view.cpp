#include "views/base_view.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

#include <boost/format.hpp>

#include "app/messages.h"
#include "general/log/log.h"
#include "general/translation/translation.h"
#include "general/windows/resource.h"
#include "general/windows/system.h"
#include "general/windows/ui/window_layer.h"
#include "resources/resource_ids.h"
#include "views/theme.h"

base_view::base_view(std::wstring name, int template_id) : base_ui_element(std::move(name)), template_id_(template_id)
{
}

base_view::~base_view()
{
    // The widgets and bitmaps must outlive the window that uses them.
    destroy();
}

HWND base_view::create(HWND parent)
{
    return dialog::create(GetModuleHandleW(nullptr), template_id_, parent);
}

general::ui::label* base_view::label_at(int control) const
{
    const auto found = labels_.find(control);
    return found == labels_.end() ? nullptr : found->second.get();
}

general::ui::hyperlink* base_view::link_at(int control) const
{
    const auto found = links_.find(control);
    return found == links_.end() ? nullptr : found->second.get();
}

general::ui::button* base_view::button_at(int control) const
{
    const auto found = buttons_.find(control);
    return found == buttons_.end() ? nullptr : found->second.get();
}

void base_view::load_gif(int id, const std::wstring& type, general::ui::image& target)
{
    // From memory, like the still images: a file in the user's temporary folder
    // could be swapped by another program between writing and decoding it.
    load_png(id, type, target);
}

void base_view::load_png(int id, const std::wstring& type, general::ui::image& target)
{
    const general::windows::resource::handle resource(GetModuleHandleW(nullptr), static_cast<std::uint16_t>(id), type);
    target = general::ui::image::from_bytes(resource.data(), resource.size());
}

std::vector<int> base_view::still_images() const
{
    std::vector<int> ids{IDR_PNG_LOGO};
    const page_layout wanted = layout();
    for (const auto& picture : wanted.pictures)
        ids.push_back(picture.image);
    for (const auto& button : wanted.buttons)
        ids.push_back(button.face);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

void base_view::prefetch_images()
{
    if (prefetched_.valid())
        return;
    prefetched_ = std::async(std::launch::async, [ids = still_images()] {
        std::map<int, general::ui::image> decoded;
        for (const int id : ids) {
            const general::windows::resource::handle resource(GetModuleHandleW(nullptr),
                                                              static_cast<std::uint16_t>(id), L"PNG");
            decoded[id] = general::ui::image::from_bytes(resource.data(), resource.size());
        }
        return decoded;
    });
}

void base_view::load_images()
{
    if (prefetched_.valid()) {
        // Once only: a page created again decodes its own.
        for (auto& [id, decoded] : prefetched_.get())
            (id == IDR_PNG_LOGO ? logo_ : images_[id]) = std::move(decoded);
    }
    for (const int id : still_images()) {
        general::ui::image& target = id == IDR_PNG_LOGO ? logo_ : images_[id];
        if (!target)
            load_png(id, L"PNG", target);
    }
}

const general::ui::image& base_view::image_of(int id) const
{
    if (id == IDR_PNG_LOGO)
        return logo_;
    const auto found = images_.find(id);
    if (found == images_.end())
        throw std::runtime_error("resource not found");
    return found->second;
}

bool base_view::handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    switch (message) {
    case WM_INITDIALOG:
        initialise();
        result = TRUE;  // the system sets the default focus
        return true;
    case WM_COMMAND:
        result = 0;
        return command(LOWORD(wparam));
    case WM_DESTROY:
        release_pictures();
        result = 0;
        return true;
    default:
        return other_message(message, wparam, lparam, result);
    }
}

bool base_view::other_message(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

void base_view::initialise()
{
    // A page created again starts from fresh widgets.
    labels_.clear();
    links_.clear();
    buttons_.clear();
    load_images();
    apply(layout());
    initialised();
}

void base_view::apply(const page_layout& layout)
{
    for (const auto& picture : layout.pictures)
        set_picture(picture.control, image_of(picture.image));
    const theme_context& dialog_theme = theme::instance().context(L"dlg");
    for (const auto& item : layout.texts) {
        auto widget = std::make_unique<general::ui::label>();
        widget->attach(GetDlgItem(hwnd(), item.control));
        widget->set_text_settings(dialog_theme.text_settings(item.settings), true);
        widget->set_format(item.format);
        widget->set_text(tr(item.source, item.arguments));
        labels_[item.control] = std::move(widget);
    }
    for (const auto& item : layout.links) {
        auto& widget = links_[item.control];
        if (!widget)
            widget = std::make_unique<general::ui::hyperlink>();
        widget->attach(GetDlgItem(hwnd(), item.control));
        widget->set_address(item.address);
        widget->set_label(tr(item.source, item.arguments));
        widget->set_extended_style(general::ui::hyperlink::command_button_style);
    }
    for (const auto& item : layout.radios) {
        SetDlgItemTextW(hwnd(), item.control, tr(item.source, item.arguments).c_str());
        if (item.checked)
            CheckDlgButton(hwnd(), item.control, BST_CHECKED);
    }
    for (const auto& item : layout.buttons) {
        auto widget = std::make_unique<general::ui::button>();
        widget->attach(GetDlgItem(hwnd(), item.control));
        widget->set_face(image_of(item.face).get(), dialog_theme.text_settings(item.settings));
        widget->set_format(item.format);
        widget->set_text(tr(item.source));
        buttons_[item.control] = std::move(widget);
    }
}

void base_view::set_counters(const protection_counters& counters)
{
    counters_ = counters;
    if (hwnd())
        refresh_texts();
}

void base_view::refresh_texts()
{
    for (const auto& item : layout().texts)
        if (auto* widget = label_at(item.control))
            widget->set_text(tr(item.source, item.arguments));
}

std::wstring base_view::tr(const std::wstring& source, const std::vector<std::wstring>& arguments) const
{
    return general::translation::translate(name(), source, arguments);
}

void base_view::post_to_root(UINT message, WPARAM wparam, LPARAM lparam) const
{
    PostMessageW(general::windows::ui::root_window(hwnd()), message, wparam, lparam);
}

LRESULT base_view::send_to_root(UINT message, WPARAM wparam) const
{
    return SendMessageW(general::windows::ui::root_window(hwnd()), message, wparam, 0);
}

void base_view::report_event(statistics::event event) const
{
    post_to_root(messages::add_stats_event, static_cast<WPARAM>(statistics::number_of(event)));
}

void base_view::open_link(general::ui::hyperlink& link)
{
    if (general::windows::open_address(link.address()))
        link.set_visited(true);
}

void base_view::show_archiver_only()
{
    hide(logo_control);
    HWND archiver_logo = GetDlgItem(hwnd(), archiver_logo_control);
    if (!archiver_logo)
        return;
    RECT place{};
    GetWindowRect(archiver_logo, &place);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(archiver_logo, nullptr, place.left + 170, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void base_view::show_chosen_products()
{
    if (SendMessageW(GetParent(hwnd()), messages::get_selected_products, 0, 0) == 0)
        show_archiver_only();
}

general::windows::unique_bitmap base_view::to_hbitmap(const general::ui::image& picture)
{
    HBITMAP bitmap = nullptr;
    if (!picture || picture.get()->GetHBITMAP(Gdiplus::Color(0xFF000000), &bitmap) != Gdiplus::Ok)
        throw std::runtime_error("invalid resource");
    return general::windows::unique_bitmap(bitmap);
}

namespace {

// Where a control's text lies across the page: its left and right ends, in page
// client coordinates, for text drawn in `font` with the alignment `format`.
struct text_span {
    int left;
    int right;
    int blank;  // the width of a blank in that font
};

text_span span_of(HWND page, HWND control, HFONT font, const std::wstring& text, UINT format)
{
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&box), 2);
    const int blank = std::max(0, general::ui::text_width(control, font, L" "));
    const int width = std::clamp<int>(general::ui::text_width(control, font, text), 0, box.right - box.left);
    if (format & DT_RIGHT)
        return {box.right - width, box.right, blank};
    return {box.left, box.left + width, blank};
}

} // namespace

void base_view::keep_apart(std::initializer_list<int> line)
{
    std::optional<int> end_of_previous;
    for (const int control : line) {
        HWND window = GetDlgItem(hwnd(), control);
        text_span span{};
        if (const auto* text = label_at(control); text && window)
            span = span_of(hwnd(), window, text->font(), text->text(), text->format());
        else if (const auto* link = link_at(control); link && window)
            span = span_of(hwnd(), window, link->font(), link->label(), 0);
        else
            continue;
        if (end_of_previous && span.left < *end_of_previous + span.blank) {
            const int shift = *end_of_previous + span.blank - span.left;
            RECT box{};
            GetWindowRect(window, &box);
            MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&box), 2);
            SetWindowPos(window, nullptr, box.left + shift, box.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            span.left += shift;
            span.right += shift;
        }
        end_of_previous = span.right;
    }
}

void base_view::set_picture(int control, const general::ui::image& picture)
{
    HWND target = GetDlgItem(hwnd(), control);
    if (!target)
        return;
    general::windows::unique_bitmap owned = to_hbitmap(picture);
    HBITMAP bitmap = owned.get();
    const auto previous = reinterpret_cast<HBITMAP>(
        SendMessageW(target, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    // A control that had a bitmap hands it back (its own copy, where it made one).
    if (previous && previous != bitmap && (!pictures_.count(control) || previous != pictures_[control].get()))
        DeleteObject(previous);
    pictures_[control] = std::move(owned);
}

void base_view::release_pictures()
{
    // Picture controls that copied a bitmap with alpha keep the copy, and hand
    // it back when cleared; ours are freed by their owners afterwards.
    for (auto& [control, bitmap] : pictures_) {
        HWND target = GetDlgItem(hwnd(), control);
        const auto shown = target ? reinterpret_cast<HBITMAP>(SendMessageW(target, STM_SETIMAGE, IMAGE_BITMAP, 0))
                                  : nullptr;
        if (shown && shown != bitmap.get())
            DeleteObject(shown);
    }
    pictures_.clear();
}

bool base_view::radio_checked(int control) const
{
    return IsDlgButtonChecked(hwnd(), control) == BST_CHECKED;
}

void base_view::hide(int control) const
{
    if (HWND target = GetDlgItem(hwnd(), control))
        ShowWindow(target, SW_HIDE);
}
