#pragma once
// The page shown while the chosen products are downloaded and installed: an
// animation, the name of what is being done and a progress bar.
//
// It sends nothing of its own accord; on creation it asks its parent (the main
// dialog) "get selected products" to decide which logos to show. It takes the
// main dialog's forwarded worker messages:
// - "downloading installation", "installing product": lParam, when not 0, is a
//   text allocated with new[]; the page shows it and frees it.
// - "downloading progress": wParam bytes done, lParam bytes in all.
// - "installations downloaded", "installations done": answered, nothing else.
#include <memory>
#include <string>

#include "views/base_view.h"
#include "views/ui/animated_gif.h"

class process_view : public base_view {
public:
    process_view();
    ~process_view() override;

    const std::wstring& status() const noexcept { return status_; }
    // Null before the page's window is initialised.
    const general::ui::animated_gif* animation() const noexcept { return animation_.get(); }

protected:
    void load_images() override;
    page_layout layout() const override;
    void initialised() override;
    bool command(int control) override;
    bool other_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

private:
    void show_status(LPARAM text);
    void show_progress(WPARAM part, LPARAM whole);

    std::wstring status_;
    general::ui::image animation_image_;
    std::unique_ptr<general::ui::animated_gif> animation_; // new for every window of the page
};
