#pragma once
// Every host, port and address of the outside services, in one place: the
// archiver publisher's download servers and its build table, the maker's update,
// statistics and web servers, the survey forms and the protection product's
// Windows Installer product code.
//
// A build with QEL_TESTBED_PORT_BASE defined (the test build; CMake sets it when
// the tests are built) points every host at the loopback stand-ins in testbed/
// and uses the test package's product code. It also reads two environment
// variables, so a test can pick the stand-ins' faults without a rebuild:
// QEL_TESTBED_DOWNLOAD_PREFIX (put in front of the download addresses' paths,
// "/fault/404") and QEL_TESTBED_STATISTICS ("down" or "silent": the statistics
// server on a closed port or on one that never answers). Nothing else differs
// between the two builds. Safe from any thread; nothing throws except
// std::bad_alloc.
#include <cstdint>
#include <string>
#include <vector>

#include "general/windows/signature.h"
#include "http/statistics.h"

namespace configuration {

// One archiver build of the download table: keyed by exactly one of an English
// language name and an English country name, with the full addresses of its
// 32-bit and 64-bit installers.
struct archiver_build {
    std::wstring language;
    std::wstring country;
    std::wstring url_32;
    std::wstring url_64;
};

// The 47 builds (42 by language, 5 by country), each name once.
const std::vector<archiver_build>& archiver_builds();

// The protection product's package, ".../releases/Sentovar.msi" over plain HTTP.
std::wstring protection_package_url();

// The statistics server, reached over TLS: reports and protection counters.
statistics::server statistics_server();

// Pages opened in the browser from the install pages.
std::wstring archiver_licence_url();
std::wstring protection_licence_url();
std::wstring protection_about_url();

// The uninstall survey forms of the two editions.
std::wstring full_survey_url();
std::wstring lite_survey_url();

// The name of this program's own folders under the common application data
// (downloads, the removal's temporary folder): "<prefix>-<number>".
inline constexpr const wchar_t* run_folder_prefix = L"Varnhelm installer";

// The protection product's Windows Installer product code, with braces.
std::wstring protection_product_code();

// The publishers whose installers may run: the common names of the signing
// certificate's subject and of its issuer, for the archiver's installer and for
// the protection product's package. A valid signature by anyone else, the other
// product's publisher included, is a corrupted download. The test build
// accepts the two test signers of testbed/pki.cmake, one for each product.
general::windows::publisher archiver_publisher();
general::windows::publisher protection_publisher();

} // namespace configuration
