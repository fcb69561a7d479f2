#pragma once
// The page after a failed download: "Download failed!" and a retry.
//
// It asks its parent "get selected products" on creation (which logos to show).
// What it sends to the top-level window, in order:
// - Try again: reports postfail-retry, then posts "start" (0, 0).
#include "views/base_view.h"

class error_view : public base_view {
public:
    error_view();

protected:
    page_layout layout() const override;
    void initialised() override;
    bool command(int control) override;
};
