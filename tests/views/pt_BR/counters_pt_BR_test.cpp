// The uninstall steps under a real Brazilian Portuguese user locale: the counters
// are grouped with the locale's own separator.
#include "tests/views/pages/page_fixture.h"
#include "views/uninstall_steps_view.h"

using namespace page_tests;

namespace {
class counters_pt_BR : public page_test {};
} // namespace

TEST_F(counters_pt_BR, the_steps_group_the_counters_with_dots)
{
    uninstall_step1_view first;
    first.set_counters({32267948, 302113, 126279});
    show(first);
    EXPECT_NE(first.label_at(IDC_TEXT8)->text().find(L" 32.267.948 "), std::wstring::npos)
        << first.label_at(IDC_TEXT8)->text();
    EXPECT_NE(first.label_at(IDC_TEXT9)->text().find(L" 302.113 "), std::wstring::npos);
    EXPECT_NE(first.label_at(IDC_TEXT9)->text().find(L" 126.279 "), std::wstring::npos);
    uninstall_step2_view second;
    show(second);
    EXPECT_NE(second.label_at(IDC_TEXT8)->text().find(L" 51.893 "), std::wstring::npos);
}
