// Every translated text of every page fits its control at the page's real fonts,
// in every catalogue the installer carries: set smaller where it must be, never
// cut, never over another control or the page's edge.
#include "tests/views/pages/page_fixture.h"

#include <set>

#include "general/translation/language_list_reader.h"
#include "tests/support/text_census.h"
#include "views/ui/text_fit.h"

using namespace page_tests;
using test_support::layout_of;

namespace {

class page_fit : public page_test {};

// The codes of the embedded list, one per catalogue.
std::vector<std::wstring> catalogue_languages()
{
    const general::windows::resource::handle list(GetModuleHandleW(nullptr), IDR_LANGUAGES, L"LST");
    std::vector<std::wstring> codes;
    std::set<std::wstring> catalogues;
    for (const auto& entry : general::translation::read_language_list(general::windows::utf8_to_wide(list.bytes())))
        if (catalogues.insert(entry.catalogue).second)
            codes.push_back(entry.code);
    return codes;
}

RECT box_in(HWND page, HWND control)
{
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

std::string utf8(const std::wstring& text)
{
    return general::windows::wide_to_utf8(text);
}

// One text control of a shown page: where it is, and whether its text fits.
struct placed {
    int control;
    RECT box;
    bool fits;
    std::wstring text;
};

bool shown(HWND control)
{
    return control && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The shown text controls of the layout (a page may hide some).
std::vector<placed> texts_of(base_view& page, const page_layout& layout)
{
    std::vector<placed> found;
    HWND window = page.hwnd();
    for (const auto& item : layout.texts)
        if (auto* label = page.label_at(item.control); label && shown(label->hwnd()) && !label->text().empty())
            found.push_back({item.control, box_in(window, label->hwnd()), label->fits(), label->text()});
    for (const auto& item : layout.links)
        if (auto* link = page.link_at(item.control); link && shown(link->hwnd()))
            found.push_back({item.control, box_in(window, link->hwnd()), true, link->label()});
    for (const auto& item : layout.radios) {
        HWND radio = GetDlgItem(window, item.control);
        if (!shown(radio))
            continue;
        wchar_t text[512]{};
        GetWindowTextW(radio, text, 512);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(radio, WM_GETFONT, 0, 0));
        const UINT format = (GetWindowLongPtrW(radio, GWL_STYLE) & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
        const bool fits = general::ui::text_fits(font, text, format, base_view::radio_text_room(radio));
        found.push_back({item.control, box_in(window, radio), fits, text});
    }
    for (const auto& item : layout.buttons)
        if (auto* button = page.button_at(item.control); button && shown(button->hwnd())) {
            const RECT area = button->text_area();
            const bool fits =
                general::ui::text_fits(button->font(), button->text(), button->drawing_format() & ~DT_END_ELLIPSIS,
                                       {area.right - area.left, area.bottom - area.top});
            found.push_back({item.control, box_in(window, button->hwnd()), fits, button->text()});
        }
    return found;
}

} // namespace

TEST_F(page_fit, every_text_of_every_page_fits_in_every_language)
{
    const auto languages = catalogue_languages();
    ASSERT_FALSE(languages.empty());
    for (const auto& language : languages) {
        SCOPED_TRACE(utf8(language));
        load_embedded_look(language);
        for (auto& page : test_support::every_page()) {
            SCOPED_TRACE(utf8(page->name()));
            page->set_counters({32267948, 302113, 126279});
            show(*page);
            RECT client{};
            GetClientRect(page->hwnd(), &client);
            const auto texts = texts_of(*page, layout_of(*page));
            for (std::size_t i = 0; i < texts.size(); ++i) {
                const placed& a = texts[i];
                EXPECT_TRUE(a.fits) << "control " << a.control << " cannot hold \"" << utf8(a.text) << "\"";
                RECT inside{};
                IntersectRect(&inside, &a.box, &client);
                EXPECT_TRUE(EqualRect(&inside, &a.box)) << "control " << a.control << " runs over the page's edge";
                for (std::size_t j = i + 1; j < texts.size(); ++j) {
                    RECT common{};
                    EXPECT_FALSE(IntersectRect(&common, &a.box, &texts[j].box))
                        << "controls " << a.control << " and " << texts[j].control << " overlap";
                }
            }
            page->destroy();
        }
    }
}
