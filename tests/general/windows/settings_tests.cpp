#include "general/windows/settings.h"

#include <gtest/gtest.h>

#include "general/windows/registry.h"
#include "general/windows/system.h"
#include "tests/support/scratch_registry.h"

namespace {

using namespace general::windows;

const std::wstring installation_key = L"SOFTWARE\\Talmirex";

TEST(settings, defaults_without_the_installation_key)
{
    test_support::scratch_registry registry;
    EXPECT_EQ(company_name(), L"Varnhelm");
    EXPECT_EQ(product_name(), L"Sentovar");
    EXPECT_EQ(product_version(), L"1.0.41");
    EXPECT_EQ(product_display_name(), L"Varnhelm Sentovar");
}

TEST(settings, are_read_again_on_every_call)
{
    test_support::scratch_registry registry;
    EXPECT_EQ(product_display_name(), L"Varnhelm Sentovar");
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, installation_key, L"Company", std::wstring{L"ACME"}));
    EXPECT_EQ(company_name(), L"ACME");
    EXPECT_EQ(product_display_name(), L"ACME Sentovar");
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, installation_key, L"Product", std::wstring{L"Shield"}));
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, installation_key, L"Version", std::wstring{L"2.0"}));
    EXPECT_EQ(product_display_name(), L"ACME Shield");
    EXPECT_EQ(product_version(), L"2.0");
}

TEST(settings, a_value_stored_as_a_number_throws_bad_get)
{
    test_support::scratch_registry registry;
    ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, installation_key, L"Version", std::uint32_t{2}));
    EXPECT_THROW(product_version(), boost::bad_get);
    EXPECT_EQ(company_name(), L"Varnhelm");
}

TEST(settings, resources_directory_is_beside_the_executable)
{
    EXPECT_EQ(resources_directory(), executable_directory() + L"\\resources");
}

} // namespace
