#pragma once
// The registered window messages through which pages, workers and the main
// dialog talk to each other. Each identifier is registered by name with the
// system during static initialisation, before the entry point runs, and is a
// constant afterwards.
//
// Text-carrying messages (downloading installation, installing product,
// downloading error, installation error) carry a `new wchar_t[]` copy of the
// text in lParam; whoever finally handles the message frees it with delete[].
// A sender whose post fails frees the text itself (see post_text).
#include <winsock2.h>
#include <windows.h>

#include <string>
#include <string_view>

namespace messages {

extern const UINT quit;  // "qel installer quit message"
extern const UINT start; // wParam: both products, lParam: archiver alone
extern const UINT finish;
extern const UINT uninstall;
extern const UINT uninstalled;
extern const UINT abort_uninstall;
extern const UINT uninstall_step1;
extern const UINT uninstall_step2;
extern const UINT uninstall_step3;
extern const UINT download_installations;
extern const UINT downloading_installation; // lParam: text
extern const UINT downloading_progress;     // wParam: bytes so far, lParam: total (low 32 bits)
extern const UINT downloading_error;        // lParam: text
extern const UINT installations_downloaded;
extern const UINT start_installations;
extern const UINT installations_done;
extern const UINT installing_product; // lParam: text
extern const UINT installation_error; // lParam: text
extern const UINT get_selected_products;
extern const UINT add_stats_event; // wParam: event number 1..29
extern const UINT send_stats_events;
extern const UINT set_post_cancel; // wParam: new flag
extern const UINT get_post_cancel;
extern const UINT set_post_fail; // wParam: new flag
extern const UINT get_post_fail;
extern const UINT check; // wParam: checked

struct entry {
    const wchar_t* name;
    const UINT* id;
};
// Every message in registration order, for diagnostics and tests.
extern const entry catalogue[];
extern const std::size_t catalogue_size;

// Posts a heap copy of `text` in lParam; frees the copy when the post fails (the
// window is gone), so nothing leaks. Returns whether the message was posted.
bool post_text(HWND target, UINT message, std::wstring_view text);

// Takes ownership of a text posted with post_text; null gives an empty text.
std::wstring take_text(LPARAM lparam);

} // namespace messages
