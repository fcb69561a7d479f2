#include "app/configuration.h"

#ifdef QEL_TESTBED_PORT_BASE
#include <winsock2.h>
#include <windows.h>

#endif

#include <iterator>

namespace configuration {

namespace {

// A web server: scheme, host and port (0: the scheme's own).
struct site {
    const wchar_t* scheme;
    const wchar_t* host;
    int port;
};

// The common names of a publisher's signing certificate and of its issuer.
struct signer_names {
    const wchar_t* subject;
    const wchar_t* issuer;
};

#ifdef QEL_TESTBED_PORT_BASE
// The stand-ins of testbed/server.py and testbed/stats_server.py, all reached as
// "localhost" (the test certificate names only that).
constexpr int port_base = QEL_TESTBED_PORT_BASE;
constexpr site archiver_downloads{L"https", L"localhost", port_base + 1};
constexpr site archiver_mirror{L"http", L"localhost", port_base + 0};
constexpr site archiver_web{L"http", L"localhost", port_base + 0};
constexpr site maker_updates{L"http", L"localhost", port_base + 2};
constexpr site protection_web{L"https", L"localhost", port_base + 3};
constexpr site maker_surveys{L"https", L"localhost", port_base + 3};
constexpr site maker_statistics{L"https", L"localhost", port_base + 60};
// The package built from testbed/payloads/sentovar.wxs.
const wchar_t* const product_code = L"{2AB5D0D0-798F-407D-BAEC-CD98942255BD}";
// The code-signing certificates of testbed/pki.cmake that sign the payloads.
constexpr signer_names archiver_signer{L"qel test signer", L"qel test CA"};
constexpr signer_names protection_signer{L"qel package signer", L"qel test CA"};

// A test run picks the stand-ins' faults without a rebuild, through the
// environment the installer is started with:
//   QEL_TESTBED_DOWNLOAD_PREFIX  goes in front of the path of every download
//                                address ("/fault/404", "/fault/slow/60000")
//   QEL_TESTBED_STATISTICS       "down": the closed port; "silent": a port that
//                                accepts and never answers (stats_server.py)
std::wstring testbed_setting(const wchar_t* name)
{
    wchar_t value[512];
    const DWORD length = GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
    return length > 0 && length < std::size(value) ? std::wstring(value, length) : std::wstring();
}

std::wstring download_path(const std::wstring& path)
{
    return testbed_setting(L"QEL_TESTBED_DOWNLOAD_PREFIX") + path;
}

site statistics_site()
{
    const std::wstring choice = testbed_setting(L"QEL_TESTBED_STATISTICS");
    if (choice == L"down")
        return {maker_statistics.scheme, maker_statistics.host, port_base + 9};
    if (choice == L"silent")
        return {maker_statistics.scheme, maker_statistics.host, maker_statistics.port + 1};
    return maker_statistics;
}
#else
constexpr site archiver_downloads{L"https", L"download.quobex.example", 0};
constexpr site archiver_mirror{L"http", L"mirror.quobex.example", 0};
constexpr site archiver_web{L"http", L"www.quobex.example", 0};
constexpr site maker_updates{L"http", L"update.varnhelm.example", 0};
constexpr site protection_web{L"https", L"www.sentovar.example", 0};
constexpr site maker_surveys{L"https", L"survey.varnhelm.example", 0};
constexpr site maker_statistics{L"https", L"stats.varnhelm.example", 443};
const wchar_t* const product_code = L"{6F1D3B52-8C4E-4A7B-9E25-3D0C7A91B6E4}";
// The archiver publisher signs its installers, the maker its package; each
// with a certificate from its own certification authority.
constexpr signer_names archiver_signer{L"Quobex Software", L"Quobex Code Signing CA"};
constexpr signer_names protection_signer{L"Varnhelm Software", L"Varnhelm Code Signing CA"};

std::wstring download_path(const std::wstring& path)
{
    return path;
}

site statistics_site()
{
    return maker_statistics;
}
#endif

std::wstring address(const site& where, const std::wstring& path)
{
    std::wstring text = std::wstring{where.scheme} + L"://" + where.host;
    if (where.port != 0)
        text += L":" + std::to_wstring(where.port);
    return text + path;
}

// The installer file names: a prefix per processor, the three-digit version,
// the language suffix (none for English).
const wchar_t* const directory = L"/builds/";
const wchar_t* const prefix_32 = L"qbx32-";
const wchar_t* const prefix_64 = L"qbx64-";

struct row {
    const wchar_t* language;
    const wchar_t* country;
    const wchar_t* version;
    const wchar_t* suffix;
    // The publisher still serves a few files only from its plain-HTTP mirror.
    bool mirror_32 = false;
    bool mirror_64 = false;
};

// clang-format off
const row rows[] = {
    {L"Albanian", L"", L"590", L"sq"},
    {L"Arabic", L"", L"623", L"ar"},
    {L"Armenian", L"", L"623", L"hy"},
    {L"Belarusian", L"", L"611", L"be"},
    {L"Bulgarian", L"", L"623", L"bg"},
    {L"Catalan", L"", L"623", L"ca"},
    {L"Chinese (Simplified)", L"", L"623", L"sc"},
    {L"Chinese (Traditional)", L"", L"623", L"tc"},
    {L"Croatian", L"", L"623", L"hr"},
    {L"Czech", L"", L"623", L"cz"},
    {L"Danish", L"", L"623", L"dk"},
    {L"Dutch", L"", L"623", L"nl"},
    {L"English", L"", L"623", L""},
    {L"Estonian", L"", L"620", L"et"},
    {L"Finnish", L"", L"623", L"fi"},
    {L"French", L"", L"623", L"fr"},
    {L"Galician", L"", L"623", L"gl"},
    {L"Georgian", L"", L"623", L"ka"},
    {L"German", L"", L"623", L"de"},
    {L"Greek", L"", L"623", L"el"},
    {L"Hebrew", L"", L"623", L"he"},
    {L"Hungarian", L"", L"623", L"hu"},
    {L"Indonesian", L"", L"623", L"id"},
    {L"Italian", L"", L"623", L"it"},
    {L"Japanese", L"", L"623", L"jp"},
    {L"Lithuanian", L"", L"623", L"lt"},
    {L"Mongolian", L"", L"623", L"mn"},
    {L"Persian", L"", L"623", L"fa"},
    {L"Polish", L"", L"623", L"pl"},
    {L"Portuguese", L"", L"623", L"pt"},
    {L"Romanian", L"", L"623", L"ro"},
    {L"Russian", L"", L"623", L"ru"},
    {L"Serbian (Cyrillic)", L"", L"623", L"sr"},
    {L"Slovak", L"", L"623", L"sk"},
    {L"Slovenian", L"", L"623", L"sl"},
    {L"Spanish", L"", L"623", L"es"},
    {L"Swedish", L"", L"623", L"sv"},
    {L"Thai", L"", L"623", L"th"},
    {L"Turkish", L"", L"623", L"tr"},
    {L"Ukrainian", L"", L"623", L"uk"},
    {L"Uzbek (Latin)", L"", L"601", L"uz", true, false},
    {L"Vietnamese", L"", L"620", L"vi"},
    {L"", L"Azerbaijan", L"611", L"az"},
    {L"", L"Norway", L"623", L"no"},
    {L"", L"Svalbard and Jan Mayen", L"623", L"no"},
    {L"", L"Brazil", L"623", L"br"},
    {L"", L"Uzbekistan", L"601", L"uz", false, true},
};
// clang-format on

std::wstring build_url(const row& entry, const wchar_t* prefix, bool mirror)
{
    const std::wstring file = std::wstring{prefix} + entry.version + entry.suffix + L".exe";
    return address(mirror ? archiver_mirror : archiver_downloads, download_path(directory + file));
}

std::vector<archiver_build> make_builds()
{
    std::vector<archiver_build> builds;
    builds.reserve(std::size(rows));
    for (const row& entry : rows)
        builds.push_back({entry.language, entry.country, build_url(entry, prefix_32, entry.mirror_32),
                          build_url(entry, prefix_64, entry.mirror_64)});
    return builds;
}

} // namespace

const std::vector<archiver_build>& archiver_builds()
{
    static const std::vector<archiver_build> builds = make_builds();
    return builds;
}

std::wstring protection_package_url()
{
    return address(maker_updates, download_path(L"/releases/Sentovar.msi"));
}

statistics::server statistics_server()
{
    const site statistics = statistics_site();
    return {statistics.host, static_cast<std::uint16_t>(statistics.port)};
}

std::wstring archiver_licence_url()
{
    return address(archiver_web, L"/quobexlicense.html?&L=0");
}

std::wstring protection_licence_url()
{
    return address(protection_web, L"/eula.php");
}

std::wstring protection_about_url()
{
    return address(protection_web, L"/about.php");
}

std::wstring full_survey_url()
{
    return address(maker_surveys, L"/uninstall-survey/full.php");
}

std::wstring lite_survey_url()
{
    return address(maker_surveys, L"/uninstall-survey/lite.php");
}

std::wstring protection_product_code()
{
    return product_code;
}

general::windows::publisher archiver_publisher()
{
    return {archiver_signer.subject, archiver_signer.issuer};
}

general::windows::publisher protection_publisher()
{
    return {protection_signer.subject, protection_signer.issuer};
}

} // namespace configuration
