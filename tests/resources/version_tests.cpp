// What the system reads from the executable: version information, the manifest
// and the string table.
#include <gtest/gtest.h>

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/resources/resource_test_support.h"

using namespace resource_tests;

namespace {

std::vector<unsigned char> own_version_info()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<unsigned char> info(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, info.data()))
        info.clear();
    return info;
}

std::wstring version_string(std::vector<unsigned char>& info, const std::wstring& name)
{
    void* value = nullptr;
    UINT length = 0;
    const std::wstring query = L"\\StringFileInfo\\040904B0\\" + name;
    if (!VerQueryValueW(info.data(), query.c_str(), &value, &length) || !value)
        return L"<missing>";
    return static_cast<const wchar_t*>(value);
}

} // namespace

TEST(version_information, names_the_product_in_us_english)
{
    auto info = own_version_info();
    ASSERT_FALSE(info.empty());

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04B0);

    EXPECT_EQ(version_string(info, L"FileDescription"), L"Quobex Varnhelm Installer");
    EXPECT_EQ(version_string(info, L"InternalName"), L"Quobex Varnhelm Installer");
    EXPECT_EQ(version_string(info, L"ProductName"), L"Quobex Varnhelm Installer");
    EXPECT_EQ(version_string(info, L"FileVersion"), L"1.0.41");
    EXPECT_EQ(version_string(info, L"ProductVersion"), L"1.0.41");
    EXPECT_EQ(version_string(info, L"OriginalFilename"), L"installer.exe");
    EXPECT_EQ(version_string(info, L"CompanyName"), L"Varnhelm");
    // The commit the build came from: a full hash, marked when the files had
    // changes not committed; "unknown" for sources outside a git checkout.
    EXPECT_TRUE(std::regex_match(version_string(info, L"Commit"), std::wregex(L"[0-9a-f]{40}(-modified)?|unknown")))
        << version_string(info, L"Commit");

    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    // The numeric version agrees with the text: 1.0.41.0.
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00290000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00290000u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(manifest, asks_for_administrator_rights_common_controls_6_and_two_systems)
{
    const std::string text = bytes_of(1, rt_manifest);
    std::istringstream in(text);
    boost::property_tree::ptree doc;
    boost::property_tree::read_xml(in, doc);
    const auto& assembly = doc.get_child("assembly");
    EXPECT_EQ(assembly.get<std::string>("<xmlattr>.manifestVersion", ""), "1.0");

    const auto& level = assembly.get_child("trustInfo.security.requestedPrivileges.requestedExecutionLevel.<xmlattr>");
    EXPECT_EQ(level.get<std::string>("level", ""), "requireAdministrator");
    EXPECT_EQ(level.get<std::string>("uiAccess", ""), "false");

    const auto& controls = assembly.get_child("dependency.dependentAssembly.assemblyIdentity.<xmlattr>");
    EXPECT_EQ(controls.get<std::string>("type", ""), "win32");
    EXPECT_EQ(controls.get<std::string>("name", ""), "Microsoft.Windows.Common-Controls");
    EXPECT_EQ(controls.get<std::string>("version", ""), "6.0.0.0");
    EXPECT_EQ(controls.get<std::string>("processorArchitecture", ""), "*");
    EXPECT_EQ(controls.get<std::string>("publicKeyToken", ""), "6595b64144ccf1df");

    std::multiset<std::string> systems;
    for (const auto& [key, child] : assembly.get_child("compatibility.application"))
        if (key == "supportedOS")
            systems.insert(child.get<std::string>("<xmlattr>.Id", ""));
    EXPECT_EQ(systems, (std::multiset<std::string>{"{e2011457-1546-43c5-a5fe-008deee3d3f0}",
                                                   "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"}));
}

TEST(string_table, entry_128_reads_installer)
{
    wchar_t buffer[64] = {};
    const int length = LoadStringW(self(), 128, buffer, 64);
    EXPECT_EQ(length, 9);
    EXPECT_EQ(std::wstring(buffer), L"installer");
}
