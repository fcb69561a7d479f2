#pragma once
// Something that shows translated texts: a page or the main dialog. Its name is
// the translation context of all its texts.
#include <string>
#include <utility>

class base_ui_element {
public:
    explicit base_ui_element(std::wstring name) : name_(std::move(name)) {}

    const std::wstring& name() const { return name_; }

private:
    std::wstring name_;
};
