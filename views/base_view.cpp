#include "views/base_view.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

#include <boost/format.hpp>

#include "messages/messages.h"
#include "general/log/log.h"
#include "general/translation/translation.h"
#include "general/windows/resource.h"
#include "general/windows/system.h"
#include "general/windows/ui/window_layer.h"
#include "resources/resource_ids.h"
#include "views/theme.h"
#include "views/ui/text_fit.h"

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
            const general::windows::resource::handle resource(GetModuleHandleW(nullptr), static_cast<std::uint16_t>(id),
                                                              L"PNG");
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
        result = TRUE; // the system sets the default focus
        return true;
    case WM_COMMAND: result = 0; return command(LOWORD(wparam));
    case WM_DESTROY:
        release_pictures();
        result = 0;
        return true;
    default: return other_message(message, wparam, lparam, result);
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
        const std::wstring text = tr(item.source, item.arguments);
        SetDlgItemTextW(hwnd(), item.control, text.c_str());
        if (HWND radio = GetDlgItem(hwnd(), item.control); radio && general::ui::reading_order(hwnd())) {
            // Mirrored, the circle goes right; the text must read right to left too.
            SetWindowLongPtrW(radio, GWL_EXSTYLE, GetWindowLongPtrW(radio, GWL_EXSTYLE) | WS_EX_RTLREADING);
        }
        fit_radio(item.control, text);
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
    give_room();
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

namespace {

constexpr int edge_margin = 4;
constexpr int control_gap = 2;

RECT box_in_page(HWND page, HWND control)
{
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

bool shown(HWND control)
{
    return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace

int base_view::free_beyond(HWND control, bool downwards) const
{
    const RECT box = box_in_page(hwnd(), control);
    RECT client{};
    GetClientRect(hwnd(), &client);
    LONG limit = (downwards ? client.bottom : client.right) - edge_margin;
    const LONG end = downwards ? box.bottom : box.right;
    for (HWND other = GetWindow(hwnd(), GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
        if (other == control || !shown(other))
            continue;
        const RECT r = box_in_page(hwnd(), other);
        const bool in_the_way =
            downwards ? r.left < box.right && r.right > box.left : r.top < box.bottom && r.bottom > box.top;
        const LONG start = downwards ? r.top : r.left;
        if (in_the_way && start >= end - 1)
            limit = std::min(limit, start - control_gap);
    }
    return std::max<LONG>(0, limit - end);
}

int base_view::free_below(HWND control) const
{
    return free_beyond(control, true);
}

int base_view::free_right(HWND control) const
{
    return free_beyond(control, false);
}

void base_view::give_room()
{
    for (auto& [control, label] : labels_) {
        if (!label->reduced())
            continue; // fits as the theme sets it: nothing to measure
        const SIZE room = label->room();
        const int wanted = label->wanted_height();
        if (wanted > room.cy) {
            const int extra = std::min<int>(wanted - room.cy, free_below(label->hwnd()));
            if (extra > 0)
                label->set_room({room.cx, room.cy + extra});
        }
    }
    for (auto& [control, button] : buttons_) {
        if (!button->reduced())
            continue;
        RECT client{};
        GetClientRect(button->hwnd(), &client);
        const int wanted = button->wanted_width();
        if (wanted > client.right) {
            const int extra = std::min<int>(wanted - client.right, free_right(button->hwnd()));
            if (extra > 0)
                button->set_width(client.right + extra);
        }
    }
}

void base_view::fit_radio(int control, const std::wstring& text)
{
    HWND radio = GetDlgItem(hwnd(), control);
    if (!radio)
        return;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(radio, WM_GETFONT, 0, 0));
    const UINT format = (GetWindowLongPtrW(radio, GWL_STYLE) & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    SIZE room = radio_text_room(radio);
    if (format == DT_WORDBREAK && !general::ui::text_fits(font, text, format, room)) {
        // Down into free space first, where the text wraps onto more lines.
        const int extra =
            std::min<int>(general::ui::wrapped_height(font, text, format, room.cx) - room.cy, free_below(radio));
        if (extra > 0) {
            const RECT box = box_in_page(hwnd(), radio);
            SetWindowPos(radio, nullptr, 0, 0, box.right - box.left, box.bottom - box.top + extra,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            room = radio_text_room(radio);
        }
    }
    LOGFONTW wanted{};
    if (!font || general::ui::text_fits(font, text, format, room) || !GetObjectW(font, sizeof wanted, &wanted))
        return;
    const LOGFONTW chosen = general::ui::fitting_font(wanted, text, format, room);
    auto& owned = radio_fonts_[control];
    owned.reset(CreateFontIndirectW(&chosen));
    SendMessageW(radio, WM_SETFONT, reinterpret_cast<WPARAM>(owned.get()), TRUE);
}

SIZE base_view::radio_text_room(HWND radio)
{
    RECT client{};
    GetClientRect(radio, &client);
    // The circle and the gap the system leaves between it and the text.
    const int circle = GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE) * 2;
    return {client.right - client.left - circle, client.bottom - client.top};
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
    const RECT place = box_in_page(hwnd(), archiver_logo);
    SetWindowPos(archiver_logo, nullptr, place.left + 170, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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

void base_view::lay_out_line(std::initializer_list<int> line)
{
    struct piece {
        HWND window;
        general::ui::label* text;
        general::ui::hyperlink* link;
        int width;
    };
    std::vector<piece> pieces;
    for (const int control : line) {
        HWND window = GetDlgItem(hwnd(), control);
        if (!window)
            continue;
        if (auto* text = label_at(control)) {
            // The line decides its room, not the template: back to the theme's size.
            if (text->reduced())
                text->set_room(text->room());
            pieces.push_back({window, text, nullptr, std::max(0, general::ui::text_width(text->font(), text->text()))});
        } else if (auto* link = link_at(control)) {
            pieces.push_back({window, nullptr, link, link->wanted_width()});
        }
    }
    if (pieces.empty())
        return;
    const int blank = std::max(
        0,
        general::ui::text_width(pieces.front().text ? pieces.front().text->font() : pieces.front().link->font(), L" "));
    // The line may run from the control before it to the one after it (the
    // buttons), or to the page's margins.
    RECT client{};
    GetClientRect(hwnd(), &client);
    LONG left_limit = edge_margin;
    LONG right_limit = client.right - edge_margin;
    RECT band = box_in_page(hwnd(), pieces.front().window);
    for (const auto& each : pieces) {
        const RECT box = box_in_page(hwnd(), each.window);
        band.top = std::min(band.top, box.top);
        band.bottom = std::max(band.bottom, box.bottom);
    }
    const RECT first = box_in_page(hwnd(), pieces.front().window);
    const RECT last = box_in_page(hwnd(), pieces.back().window);
    for (HWND other = GetWindow(hwnd(), GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
        const bool in_line =
            std::any_of(pieces.begin(), pieces.end(), [&](const piece& p) { return p.window == other; });
        if (in_line || !shown(other))
            continue;
        const RECT r = box_in_page(hwnd(), other);
        if (r.top >= band.bottom || r.bottom <= band.top)
            continue;
        if (r.right <= first.left + 1)
            left_limit = std::max(left_limit, r.right + control_gap * 2);
        else if (r.left >= last.left)
            right_limit = std::min(right_limit, r.left - control_gap * 2);
    }
    int total = blank * static_cast<int>(pieces.size() - 1);
    for (const auto& each : pieces)
        total += each.width;
    const int room = right_limit - left_limit;
    if (total > room) {
        // Smaller, in proportion: each piece gets its share of the room.
        const double share = static_cast<double>(room - blank * static_cast<int>(pieces.size() - 1)) /
                             std::max(1, total - blank * static_cast<int>(pieces.size() - 1));
        total = blank * static_cast<int>(pieces.size() - 1);
        for (auto& each : pieces) {
            const int width = static_cast<int>(each.width * share);
            if (each.text) {
                each.text->set_room({width, each.text->room().cy});
                each.width = std::max(0, general::ui::text_width(each.text->font(), each.text->text()));
            } else {
                each.link->set_room(width);
                const RECT box = box_in_page(hwnd(), each.window);
                each.width = box.right - box.left;
            }
            total += each.width;
        }
    }
    // Where the template ended the line, as far as the room allows.
    const LONG end = std::min<LONG>(right_limit, last.left + pieces.back().width);
    LONG x = std::max<LONG>(left_limit, end - total);
    for (const auto& each : pieces) {
        const RECT box = box_in_page(hwnd(), each.window);
        SetWindowPos(each.window, nullptr, x, box.top, each.width, box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
        x += each.width + blank;
    }
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void base_view::set_picture(int control, const general::ui::image& picture)
{
    HWND target = GetDlgItem(hwnd(), control);
    if (!target)
        return;
    // A page mirrored for a language written right to left keeps its pictures
    // the right way round: the control keeps its mirrored place, not its drawing.
    const LONG_PTR extended = GetWindowLongPtrW(target, GWL_EXSTYLE);
    if (extended & WS_EX_LAYOUTRTL)
        SetWindowLongPtrW(target, GWL_EXSTYLE, extended & ~WS_EX_LAYOUTRTL);
    general::windows::unique_bitmap owned = to_hbitmap(picture);
    HBITMAP bitmap = owned.get();
    const auto previous =
        reinterpret_cast<HBITMAP>(SendMessageW(target, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    // A control that had a bitmap hands it back (its own copy, where it made one):
    // ours to free then.
    const bool handed_back =
        previous && previous != bitmap && (!pictures_.count(control) || previous != pictures_[control].get());
    const general::windows::unique_bitmap returned{handed_back ? previous : nullptr};
    pictures_[control] = std::move(owned);
}

void base_view::release_pictures()
{
    // Picture controls that copied a bitmap with alpha keep the copy, and hand
    // it back when cleared; ours are freed by their owners afterwards.
    for (auto& [control, bitmap] : pictures_) {
        HWND target = GetDlgItem(hwnd(), control);
        const auto shown =
            target ? reinterpret_cast<HBITMAP>(SendMessageW(target, STM_SETIMAGE, IMAGE_BITMAP, 0)) : nullptr;
        // The control's own copy, freed with this owner.
        const general::windows::unique_bitmap copy{shown && shown != bitmap.get() ? shown : nullptr};
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
