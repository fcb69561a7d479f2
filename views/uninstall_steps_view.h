#pragma once
// The three pages that ask again whether the user really wants to remove the
// protection product, with the protection service's counters.
//
// What they send to the top-level window, in order (the events are reported
// before the message that moves on, so none is lost when the dialog ends):
// - Step 1 OK, keeping the product: reports uninstall-page1-abort and
//   uninstall-page1-ok, posts "abort uninstall"; removing it: reports
//   uninstall-page1-continue and uninstall-page1-ok, posts "make uninstall step3".
// - Step 1 Cancel: reports uninstall-page1-cancel, posts "abort uninstall".
// - Step 2 OK: posts "abort uninstall" or "make uninstall step3"; Cancel: posts
//   "abort uninstall". No events.
// - Step 3 OK, keeping: reports uninstall-page2-abort and uninstall-page2-finish,
//   posts "abort uninstall"; removing: reports uninstall-page2-continue and
//   uninstall-page2-finish, posts "quit".
// - Step 3 Cancel: reports uninstall-page2-cancel, posts "abort uninstall".
#include "views/base_view.h"

class uninstall_steps_view : public base_view {
public:
    // `step` is 1, 2 or 3.
    explicit uninstall_steps_view(int step);

    int step() const noexcept { return step_; }

protected:
    page_layout layout() const override;
    bool command(int control) override;

private:
    int step_;
};

class uninstall_step1_view : public uninstall_steps_view {
public:
    uninstall_step1_view() : uninstall_steps_view(1) {}
};

class uninstall_step2_view : public uninstall_steps_view {
public:
    uninstall_step2_view() : uninstall_steps_view(2) {}
};

class uninstall_step3_view : public uninstall_steps_view {
public:
    uninstall_step3_view() : uninstall_steps_view(3) {}
};
