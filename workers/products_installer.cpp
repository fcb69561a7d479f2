#include "workers/products_installer.h"

#include <stdexcept>
#include <string>

#include <boost/format.hpp>

#include "app/messages.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "workers/product_files.h"

products_installer::products_installer(std::vector<product_descriptor> products, HWND window)
    : prefix(L"installer"), window_(window),
      worker_(*this, window, {messages::installations_done, messages::installation_error}, std::move(products),
              [this](const product_descriptor& product, std::stop_token stop) { install(product, stop); })
{
}

products_installer::~products_installer() = default;

void products_installer::install(const product_descriptor& product, std::stop_token stop)
{
    info(boost::str(boost::wformat(L"processing %1%") % product.name));
    workers::post_text_reliably(window_, messages::installing_product, L"Installing", stop);

    // Waited for without a time limit, stop or not: an installer killed half-way
    // would leave a broken product behind.
    const std::wstring path =
        product_files::join_path(general::windows::temp_directory(), product_files::installer_file_name(product.url));
    const std::wstring command_line = product_files::install_command_line(path, general::windows::system_directory());
    if (command_line.empty() || general::windows::create_process(command_line, true, true) == 0) {
        throw std::runtime_error(
            boost::str(boost::format("%1% installation failed") % general::windows::to_narrow(product.name)));
    }
}
