#pragma once
// What every page of the installer shares. A page is a modeless child dialog
// made from its template and laid over the main dialog's client area. Its look
// is data: a `page_layout` names, per control, the picture, the theme settings,
// the drawing format and the English text; `base_view` loads the images, attaches
// the widgets, translates the texts in the page's context and formats them.
//
// A page never closes itself and never talks to the main dialog directly: every
// choice of the user becomes a registered message (messages/messages.h) posted or
// sent to the top-level window, and every statistics event is reported the same
// way. Each page's header lists what it posts and sends, in order; that order is
// part of its contract with the main dialog.
//
// User-interface thread only. Initialisation throws what the resources, the theme
// and the settings throw ("invalid resource", "resource not found", theme lookup
// errors); the window layer carries that to the message loop.
#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <future>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "general/windows/gdi.h"
#include "general/windows/ui/dialog.h"
#include "http/statistics_events.h"
#include "views/base_ui_element.h"
#include "views/ui/button.h"
#include "views/ui/hyperlink.h"
#include "views/ui/image.h"
#include "views/ui/label.h"
#include "views/protection_counters.h"

// The web pages the install pages link to; the main dialog hands them over from
// its configuration.
struct link_addresses {
    std::wstring archiver_licence;
    std::wstring protection_licence;
    std::wstring protection_about;
};

// One text control: a label with the theme's `settings`, `format` and the
// translation of `source` with `arguments` filled into its placeholders.
struct text_item {
    int control;
    const wchar_t* settings;
    UINT format;
    std::wstring source;
    std::vector<std::wstring> arguments = {};
};

struct link_item {
    int control;
    std::wstring source;
    std::wstring address;
    std::vector<std::wstring> arguments = {};
};

// A standard auto radio button; its text is the translated window text.
struct radio_item {
    int control;
    std::wstring source;
    bool checked = false;
    std::vector<std::wstring> arguments = {};
};

struct button_item {
    int control;
    const wchar_t* settings;
    int face; // PNG resource id
    std::wstring source;
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
};

struct picture_item {
    int control;
    int image; // PNG resource id
};

// In the order a page applies them: pictures, texts, links, radio buttons, buttons.
struct page_layout {
    std::vector<picture_item> pictures;
    std::vector<text_item> texts;
    std::vector<link_item> links;
    std::vector<radio_item> radios;
    std::vector<button_item> buttons;
};

class base_view : public general::windows::ui::dialog, public base_ui_element {
public:
    base_view(std::wstring name, int template_id);
    ~base_view() override;

    // Creates the page's window from its template as a child of `parent`
    // (the main dialog), destroying a window this page had before. Null when the
    // template is missing; an exception of the initialisation ends the message
    // loop (see window_layer.h).
    HWND create(HWND parent);
    int template_id() const noexcept { return template_id_; }

    // Keeps the counters for the page's texts; a live page shows them at once.
    void set_counters(const protection_counters& counters);

    // Starts decoding the page's still images (those load_images() decodes) on
    // a background thread, so the first create() takes them ready instead of
    // decoding them itself; a start-up builds the window meanwhile. GDI+ must
    // be started and stay so until the page is created or destroyed. A failed
    // decoding throws from create() as decoding there would.
    void prefetch_images();
    const protection_counters& counters() const noexcept { return counters_; }

    // Widgets of the live page, by control id; null when the page has none there.
    general::ui::label* label_at(int control) const;
    general::ui::hyperlink* link_at(int control) const;
    general::ui::button* button_at(int control) const;
    // The page's header line (control 1001), if it has one.
    general::ui::label* header() const { return label_at(header_control); }

    // The room a radio button leaves its text: its client area less the circle.
    static SIZE radio_text_room(HWND radio);

    static constexpr int header_control = 1001;
    static constexpr int logo_control = 1000;
    static constexpr int archiver_logo_control = 1024;

protected:
    // Loads the animated image resource `id` of `type` from memory into `target`.
    // Throws std::runtime_error "invalid resource" or "resource not found".
    virtual void load_gif(int id, const std::wstring& type, general::ui::image& target);
    // Loads the still image resource `id` of `type` into `target`; throws as load_gif.
    virtual void load_png(int id, const std::wstring& type, general::ui::image& target);
    // Loads the protection product's logo and every image the layout names.
    // Pages with more images override it and call this first.
    virtual void load_images();

    // The page's controls and texts; asked once per initialisation.
    virtual page_layout layout() const = 0;
    // Steps after the layout is applied (hiding controls, starting animations).
    virtual void initialised() {}
    // A command from control `control`; true when the page handled it.
    virtual bool command(int control) = 0;
    // Messages other than initialisation, commands and destruction.
    virtual bool other_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

    // The translation of `source` in the page's context with `arguments` filled
    // in. A translation whose placeholders don't fit the arguments falls back to
    // the English text, so a faulty catalogue never leaves a control empty.
    std::wstring tr(const std::wstring& source, const std::vector<std::wstring>& arguments = {}) const;

    void post_to_root(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const;
    LRESULT send_to_root(UINT message, WPARAM wparam = 0) const;
    void report_event(statistics::event event) const;

    // Opens the link's address; marks it visited when that worked.
    void open_link(general::ui::hyperlink& link);

    // Hides the protection product's logo and moves the archiver's logo 170
    // pixels right, where the protection product is not being installed.
    void show_archiver_only();
    // Asks the main dialog whether the protection product is chosen; applies
    // show_archiver_only when it is not.
    void show_chosen_products();

    // Lays a line of texts and links (in reading order) out as one line of
    // words: each as wide as its text, a blank apart, ending where the template
    // ended it, between the controls before and after it on that line (or the
    // page's margins); a line too long for that room is set smaller, each piece
    // in proportion. The texts are single-line labels.
    void lay_out_line(std::initializer_list<int> line);

    const general::ui::image& image_of(int id) const;
    // A GDI bitmap made from `picture` with an opaque black background colour.
    // Throws std::runtime_error "invalid resource" when GDI+ can't make it.
    static general::windows::unique_bitmap to_hbitmap(const general::ui::image& picture);
    // Shows `picture` in a picture control; the page keeps the bitmap for as long
    // as the control may draw it. A control the template lacks is left alone.
    void set_picture(int control, const general::ui::image& picture);
    bool radio_checked(int control) const;
    void hide(int control) const;

    std::map<int, general::ui::image> images_;

private:
    // The images of the layout load_images() decodes, by resource id.
    std::vector<int> still_images() const;
    bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) final;
    void initialise();
    void apply(const page_layout& layout);
    // Sets the texts of the live labels anew from the layout.
    void refresh_texts();
    // A radio button's text that does not fit beside its circle takes free
    // space below it, where it may wrap, else is set smaller.
    void fit_radio(int control, const std::wstring& text);
    // Wrapped labels whose texts need more lines take free space below them,
    // buttons whose texts are wider take free space beside them; whatever
    // still does not fit is set smaller by its widget.
    void give_room();
    // How far `control` may grow down or to the right, in pixels, without
    // touching another visible control of the page or coming closer than a
    // small margin to the page's edge.
    int free_below(HWND control) const;
    int free_right(HWND control) const;
    int free_beyond(HWND control, bool downwards) const;
    void release_pictures();

    int template_id_;
    protection_counters counters_;
    general::ui::image logo_;
    std::future<std::map<int, general::ui::image>> prefetched_;
    std::map<int, std::unique_ptr<general::ui::label>> labels_;
    std::map<int, std::unique_ptr<general::ui::hyperlink>> links_;
    std::map<int, std::unique_ptr<general::ui::button>> buttons_;
    std::map<int, general::windows::unique_bitmap> pictures_;
    std::map<int, general::windows::unique_font> radio_fonts_; // radios set smaller to fit
};
