#pragma once
// The last page of an installation: "Installation is complete" and one OK button.
//
// What it sends to the top-level window, in order:
// - OK: reports completepage-ok, then posts "quit".
// - A command of the hidden second button: posts "quit".
#include "views/base_view.h"

class finish_view : public base_view {
public:
    finish_view();

protected:
    page_layout layout() const override;
    void initialised() override;
    bool command(int control) override;
};
