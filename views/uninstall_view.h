#pragma once
// The first and the last page of the protection product's removal.
//
// Uninstall page, what it sends to the top-level window:
// - Uninstall: posts "uninstall" (0, 0).   - Cancel: posts "quit" (0, 0).
// Uninstalled page:
// - Finish: posts "uninstalled" (0, 0).
// Neither reports statistics events.
#include "views/base_view.h"

class uninstall_view : public base_view {
public:
    uninstall_view();

protected:
    page_layout layout() const override;
    bool command(int control) override;
};

class uninstalled_view : public base_view {
public:
    uninstalled_view();

protected:
    page_layout layout() const override;
    bool command(int control) override;
};
