#include "workers/products_installer.h"

#include <stdexcept>
#include <string>

#include <boost/format.hpp>

#include "app/messages.h"
#include "general/windows/signature.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "workers/product_files.h"

products_installer::products_installer(std::vector<product_descriptor> products, HWND window,
                                       std::vector<std::wstring> accepted_signers, std::wstring folder)
    : prefix(L"installer"), window_(window), accepted_signers_(std::move(accepted_signers)), folder_(std::move(folder)),
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
    const std::wstring path = product_files::join_path(folder_.empty() ? general::windows::temp_directory() : folder_,
                                                       product_files::installer_file_name(product.url));
    const std::wstring system_folder = general::windows::system_directory();
    const std::wstring command_line = product_files::install_command_line(path, system_folder);
    const std::string name = general::windows::to_narrow(product.name);
    if (command_line.empty())
        throw std::runtime_error(boost::str(boost::format("%1% installation failed") % name));
    // Held, shut to writers and deleters, from the check until the child has
    // ended: the loader maps an executable while the process is created, but
    // the Windows Installer opens its package whenever it likes, so nothing
    // shorter is sure for both.
    general::windows::unique_file held;
    switch (general::windows::open_verified_file(path, accepted_signers_, held)) {
    case general::windows::file_verdict::accepted:
        break;
    case general::windows::file_verdict::missing:
        throw std::runtime_error(boost::str(boost::format("%1% installation failed") % name));
    case general::windows::file_verdict::refused:
        throw std::runtime_error(boost::str(boost::format("%1% installer corrupted") % name));
    }
    // Started in the system folder, not this process's current one (the
    // download folder, a user's folder): nothing an installer loads or opens
    // by a relative name is looked up where a user could have planted it.
    if (general::windows::create_process(command_line, true, true, system_folder) == 0)
        throw std::runtime_error(boost::str(boost::format("%1% installation failed") % name));
}
