#include "workers/products_installer.h"

#include "general/translation/translation.h"

#include <stdexcept>
#include <string>

#include <boost/format.hpp>

#include "messages/messages.h"
#include "general/windows/signature.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "workers/product_files.h"

namespace {

[[noreturn]] void throw_failed(const std::string& name)
{
    throw std::runtime_error(boost::str(boost::format("%1% installation failed") % name));
}

} // namespace

products_installer::products_installer(std::vector<product_descriptor> products, HWND window, std::wstring folder)
    : prefix(L"installer"), window_(window), folder_(std::move(folder)),
      worker_(*this, window, {messages::installations_done, messages::installation_error}, std::move(products),
              [this](const product_descriptor& product, std::stop_token stop) { install(product, stop); })
{
}

products_installer::~products_installer() = default;

std::wstring products_installer::children_temp()
{
    const std::wstring path = product_files::join_path(folder_, L"temp");
    // Made inside the run's folder, it takes that folder's access list: only
    // administrators and the system may change what is in it.
    if (CreateDirectoryW(path.c_str(), nullptr))
        return path;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
        !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return path; // made for an earlier product of this run
    return {};
}

void products_installer::install(const product_descriptor& product, std::stop_token stop)
{
    info(boost::str(boost::wformat(L"processing %1%") % product.name));
    workers::post_text_reliably(window_, messages::installing_product,
                                general::translation::noop(L"ProcessView", L"Installing"), stop);

    const std::string name = general::windows::to_narrow(product.name);
    if (folder_.empty()) {
        error(L"no folder holds the downloaded installers");
        throw_failed(name);
    }
    const std::wstring path = product_files::join_path(folder_, product_files::installer_file_name(product.url));
    const std::wstring system_folder = general::windows::system_directory();
    const std::wstring command_line = product_files::install_command_line(path, system_folder);
    const std::wstring temp = children_temp();
    if (command_line.empty() || system_folder.empty() || temp.empty()) {
        error(L"no clean room for the installer: the system folder or a temporary folder in " + folder_ +
              L" is missing");
        throw_failed(name);
    }
    // Held, shut to writers and deleters, from the check until the child has
    // ended: the loader maps an executable while the process is created, but
    // the Windows Installer opens its package whenever it likes, so nothing
    // shorter is sure for both.
    general::windows::unique_file held;
    switch (general::windows::open_verified_file(path, product.publisher, held)) {
    case general::windows::file_verdict::accepted: break;
    case general::windows::file_verdict::missing: throw_failed(name);
    case general::windows::file_verdict::refused:
        throw std::runtime_error(boost::str(boost::format("%1% installer corrupted") % name));
    }
    // Waited for without a time limit, stop or not: an installer killed
    // half-way would leave a broken product behind. Started in the system
    // folder, not this process's current one (the download folder, a user's
    // folder): nothing an installer loads or opens by a relative name is
    // looked up where a user could have planted it.
    DWORD exit_code = 0;
    if (general::windows::create_process(command_line, true, true, system_folder, &exit_code,
                                         {{L"TMP", temp}, {L"TEMP", temp}}) == 0)
        throw_failed(name);
    report_exit(product, exit_code);
}

void products_installer::report_exit(const product_descriptor& product, unsigned long exit_code)
{
    const std::wstring ended = boost::str(boost::wformat(L"%1% installer ended with %2%") % product.name % exit_code);
    switch (product_files::outcome_of(exit_code)) {
    case product_files::installer_outcome::installed: info(ended); return;
    case product_files::installer_outcome::installed_restart_needed:
        info(ended + L": installed; the computer must restart to complete the installation");
        return;
    case product_files::installer_outcome::installed_restart_started:
        info(ended + L": installed; the installer has started a restart of the computer");
        return;
    case product_files::installer_outcome::failed:
        error(ended);
        throw_failed(general::windows::to_narrow(product.name));
    }
}
