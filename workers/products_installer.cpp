#include "workers/products_installer.h"

#include <stdexcept>
#include <string>

#include <boost/format.hpp>

#include "app/messages.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "workers/product_files.h"

products_installer::products_installer(std::vector<product_descriptor> products, HWND window)
    : prefix(L"installer"), products_(std::move(products)), window_(window),
      worker_([this](std::stop_token stop) { run(stop); })
{
}

products_installer::~products_installer()
{
    worker_.request_stop();
    worker_.join();
}

void products_installer::run(std::stop_token stop)
{
    try {
        for (const auto& product : products_) {
            // An installer destroyed before it began runs nothing.
            if (stop.stop_requested())
                return;
            install(product);
        }
        if (stop.stop_requested())
            return;
        PostMessageW(window_, messages::installations_done, 0, 0);
    } catch (const std::exception& failure) {
        report_failure(failure.what());
    } catch (...) {
        report_failure(nullptr);
    }
}

// Nothing may leave the worker thread, not even a failure to report a failure.
void products_installer::report_failure(const char* description) noexcept
{
    try {
        const std::wstring text = description ? general::windows::to_wide(description) : L"unknown error";
        error(text);
        messages::post_text(window_, messages::installation_error, text);
    } catch (...) {
    }
}

void products_installer::install(const product_descriptor& product)
{
    info(boost::str(boost::wformat(L"processing %1%") % product.name));
    messages::post_text(window_, messages::installing_product, L"Installing");

    const std::wstring path =
        product_files::join_path(general::windows::temp_directory(), product_files::installer_file_name(product.url));
    const std::wstring command_line = product_files::install_command_line(path, general::windows::system_directory());
    if (command_line.empty() || general::windows::create_process(command_line, true, true) == 0) {
        throw std::runtime_error(
            boost::str(boost::format("%1% installation failed") % general::windows::to_narrow(product.name)));
    }
}
