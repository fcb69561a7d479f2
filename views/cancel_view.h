#pragma once
// The pages that try to keep a user who wants to leave: the cancel page before
// the download has started, the abandon page while it runs.
//
// Cancel page, what it sends to the top-level window, in order:
// - Install: sends "get post fail", reports cancelpage-install (postfail-close-
//   install after a failed download), posts "start" (0, 0).
// - Cancel: sends "get post fail", reports cancelpage-cancel (postfail-close-
//   cancel after a failed download), posts "quit".
// - The protection licence link: reports cancelpage-eula-zeb.
// - Either archiver licence link: reports cancelpage-eula-quobex.
// Every link opens its address before the event is reported.
//
// Abandon page:
// - Continue: reports cancelpage-install, posts "start" (0, 0).
// - Cancel: reports cancelpage-cancel, posts "quit".
#include "views/base_view.h"

class cancel_view : public base_view {
public:
    explicit cancel_view(link_addresses addresses);

protected:
    page_layout layout() const override;
    void initialised() override;
    bool command(int control) override;

private:
    link_addresses addresses_;
};

class abandon_view : public base_view {
public:
    abandon_view();

protected:
    page_layout layout() const override;
    bool command(int control) override;
};
