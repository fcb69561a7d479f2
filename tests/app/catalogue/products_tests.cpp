// The two product descriptors, the edition marker and the installed-product check.
#include "app/product_catalogue.h"

#include <gtest/gtest.h>

#include "app/configuration.h"
#include "general/windows/registry.h"
#include "tests/support/scratch_registry.h"

namespace {

using general::windows::registry_read;
using general::windows::registry_value;
using general::windows::registry_write;
using test_support::write_raw_value;

const std::wstring zeb = L"SOFTWARE\\ZEB";
const std::wstring talmirex = L"SOFTWARE\\Talmirex";
const registry_value absent = std::uint32_t{0xABCD};

class products : public testing::Test {
protected:
    registry_value marker() const { return registry_read(HKEY_LOCAL_MACHINE, zeb, L"qo", absent); }

    test_support::scratch_registry registry;
};

TEST_F(products, protection_descriptor_records_the_lite_edition)
{
    const product_descriptor product = protection_descriptor();
    EXPECT_EQ(product.name, L"Varnhelm Sentovar");
    EXPECT_EQ(product.url, configuration::protection_package_url());
    EXPECT_EQ(product.tray_exe, L"qeltray.exe");
    EXPECT_EQ(product.kind, product_kind::protection);
    EXPECT_TRUE(marker() == registry_value{std::wstring{L"lite"}});
}

TEST_F(products, the_marker_replaces_an_older_edition_and_keeps_the_rest_of_the_key)
{
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, zeb, L"qo", std::wstring{L"full"}));
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, zeb, L"ut", std::wstring{L"full"}));
    protection_descriptor();
    EXPECT_TRUE(marker() == registry_value{std::wstring{L"lite"}});
    EXPECT_TRUE(registry_read(HKEY_LOCAL_MACHINE, zeb, L"ut", absent) == registry_value{std::wstring{L"full"}});
}

TEST_F(products, the_archiver_alone_writes_no_marker)
{
    language_table table;
    const product_descriptor product = archiver_descriptor(table);
    EXPECT_EQ(product.name, L"Quobex");
    EXPECT_EQ(product.tray_exe, L"");
    EXPECT_EQ(product.kind, product_kind::archiver);
    EXPECT_EQ(table.size(), 94u);
    EXPECT_EQ(product.url, choose_archiver_url(table));
    EXPECT_TRUE(marker() == absent);
}

TEST(protection_package, is_sentovar_msi_under_releases_over_plain_http)
{
    const std::wstring url = configuration::protection_package_url();
    EXPECT_EQ(url.rfind(L"http://", 0), 0u) << url;
    EXPECT_TRUE(url.ends_with(L"/releases/Sentovar.msi")) << url;
}

// --- installed name --------------------------------------------------------------

TEST_F(products, installed_name_is_the_product_value)
{
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, talmirex, L"Product", std::wstring{L"Sentovar Plus"}));
    EXPECT_EQ(installed_protection_name(), L"Sentovar Plus");
}

TEST_F(products, installed_name_is_empty_on_every_read_error)
{
    EXPECT_EQ(installed_protection_name(), L"") << "no key";
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, talmirex, L"Path", std::wstring{L"C:\\Sentovar\\"}));
    EXPECT_EQ(installed_protection_name(), L"") << "no value";

    const DWORD number = 1;
    write_raw_value(HKEY_LOCAL_MACHINE, talmirex, L"Product", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(installed_protection_name(), L"") << "a number";

    const wchar_t expandable[] = L"%ProgramFiles%\\Sentovar";
    write_raw_value(HKEY_LOCAL_MACHINE, talmirex, L"Product", REG_EXPAND_SZ, expandable, sizeof expandable);
    EXPECT_EQ(installed_protection_name(), L"") << "a type the reader refuses";

    const std::vector<std::uint8_t> long_text((1024 + 2) * sizeof(wchar_t), 'a');
    write_raw_value(HKEY_LOCAL_MACHINE, talmirex, L"Product", REG_SZ, long_text.data(),
                    static_cast<DWORD>(long_text.size()));
    EXPECT_EQ(installed_protection_name(), L"") << "longer than any setting";
}

} // namespace
