#pragma once
// GDI+ started for the object's life. Images may only be made and drawn while a
// session lives; start-up holds one for the run, tests one per suite.
#include <winsock2.h>
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace general::windows {

class gdiplus_session {
public:
    gdiplus_session() noexcept
    {
        Gdiplus::GdiplusStartupInput input; // version 1, no debug callback
        started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~gdiplus_session()
    {
        if (started_)
            Gdiplus::GdiplusShutdown(token_);
    }
    gdiplus_session(const gdiplus_session&) = delete;
    gdiplus_session& operator=(const gdiplus_session&) = delete;

    bool started() const noexcept { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

} // namespace general::windows
