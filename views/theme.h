#pragma once
// The look of every text: font and state colours by name, from the theme
// document (the executable's "THEME" resource 133).
//
//     const theme_context& dialog = theme::instance().context(L"dlg");
//     label.set_text_settings(dialog.text_settings(L"header_text"));
//
// One shared theme per process. Creating it (instance) and replacing it (load) are
// serialised by one process-wide mutex; what they return is then used without the
// lock. In the program only the user-interface thread uses the theme.
#include <winsock2.h>
#include <windows.h>

#include <map>
#include <memory>
#include <string>

// One named setting; copied by value into the widgets that use it.
struct text_settings {
    LOGFONTW font{}; // members the theme does not decide are 0
    int kind = -1;   // 0 for type "text", 1 for any other type, -1 without a type
    COLORREF normal_color = 0;
    COLORREF active_color = 0;
    COLORREF disabled_color = 0;
    COLORREF selected_color = 0;
};

class theme_context {
public:
    theme_context(std::wstring name, std::map<std::wstring, ::text_settings> settings);

    const std::wstring& name() const { return name_; }
    // Throws std::runtime_error "Theme error: text settings <name> not found".
    const ::text_settings& text_settings(const std::wstring& name) const;

private:
    std::wstring name_;
    std::map<std::wstring, ::text_settings> settings_;
};

class theme {
public:
    // The shared theme. Before the first load it is read from default.theme in the
    // resources folder beside the executable (empty when there is none). The
    // reference is valid until the next load. Never throws except std::bad_alloc.
    static const theme& instance();

    // Replaces the shared theme with one read from `text`, the whole document,
    // at the resolution of the desktop. References to the previous theme become
    // invalid. Never throws except std::bad_alloc.
    static void load(const std::wstring& text);

    // An empty theme.
    theme() = default;
    // Reads `text` for a device of `dpi` pixels per inch; what cannot be read is
    // left out silently (see views/theme_reader.h).
    theme(const std::wstring& text, int dpi);

    // Throws std::runtime_error "Theme error: context <name> not found".
    const theme_context& context(const std::wstring& name) const;

    // Read from the document, but no page consults them.
    const std::map<std::wstring, std::wstring>& graphics() const { return graphics_; }
    const std::map<std::wstring, std::wstring>& options() const { return options_; }

private:
    std::map<std::wstring, theme_context> contexts_;
    std::map<std::wstring, std::wstring> graphics_;
    std::map<std::wstring, std::wstring> options_;
};

// Logical pixels per inch of the desktop's device context, read anew on every
// call; 96 when the device context cannot be had.
int desktop_dpi();
