#pragma once
// The first page of an installation: what the archiver offers, what the
// protection product offers, the choice between both and the archiver alone,
// and the licence links.
//
// What it sends to the top-level window, in order:
// - Install, a choice made: posts "start" (wParam 1 for both products, lParam 1
//   for the archiver alone), sends "get post cancel", then reports
//   startpage-install-both or -quobex-only (postcancelpage-... after a cancel).
//   No choice made: a message box, nothing sent.
// - Cancel: posts "set post cancel" (1), reports startpage-cancel, posts "quit".
// - The protection licence link: reports startpage-eula-zeb.
// - Either archiver licence link: reports startpage-eula-quobex.
// - "Why do we recommend it ?": sends "get post cancel", then reports
//   startpage-why-recommended (postcancelpage-why-recommended after a cancel).
// Every link opens its address before the event is reported.
#include "views/base_view.h"

class start_view : public base_view {
public:
    explicit start_view(link_addresses addresses);

protected:
    page_layout layout() const override;
    void initialised() override;
    bool command(int control) override;

private:
    void install();
    link_addresses addresses_;
};
