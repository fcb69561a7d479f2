#pragma once
// A fresh, empty folder under the temporary directory, removed with everything
// in it when the object goes away.
#include <filesystem>

namespace test_support {

class scratch_folder {
public:
    scratch_folder();
    ~scratch_folder();
    scratch_folder(const scratch_folder&) = delete;
    scratch_folder& operator=(const scratch_folder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace test_support
