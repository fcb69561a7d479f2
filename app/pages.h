#pragma once
// Owner of every page object of the main dialog, and the one place that shows
// them. A page's window is created from its template on first use, laid over
// the dialog's whole client area and shown; the page showing before is hidden,
// never destroyed. Each page window's text is its key ("start", "process", ...),
// so a page can be told from outside the process (accessibility tools, tests).
//
// User-interface thread only.
#include <winsock2.h>
#include <windows.h>

#include <array>
#include <memory>

#include "app/install_flow.h"
#include "views/base_view.h"

class pages {
public:
    explicit pages(const link_addresses& links);
    ~pages();
    pages(const pages&) = delete;
    pages& operator=(const pages&) = delete;

    // Shows `which` in `parent`'s client area, hiding the page showing. `fresh`
    // makes a new window even when one exists (the uninstall steps take their
    // counters at creation). A window that cannot be created leaves the page
    // invisible (and logged); the flow goes on.
    void show(HWND parent, install_flow::page which, bool fresh = false);
    // Creates the window of `which` in `parent` without showing it, when it has
    // none; show() then only shows it.
    void prepare(HWND parent, install_flow::page which);
    // Starts decoding the images of `which` in the background, ahead of its
    // first show (see base_view::prefetch_images).
    void prefetch(install_flow::page which);
    void destroy(install_flow::page which);
    void destroy_all();

    // The page's window; null when it has none.
    HWND window(install_flow::page which) const;
    install_flow::page current() const { return current_; }

    // Handed to the uninstall steps before their windows are created.
    void set_counters(const protection_counters& counters);

private:
    base_view& view(install_flow::page which) const;
    // Creates the page's window over `parent`'s client area, hidden; false (and
    // logged) when it cannot be created.
    bool create(HWND parent, install_flow::page which);

    static constexpr std::size_t count = 12;
    std::array<std::unique_ptr<base_view>, count> views_;
    install_flow::page current_ = install_flow::page::none;
};
