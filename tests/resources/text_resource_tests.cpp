// The text resources: the default theme, the language list and the two
// translation catalogues, read the way their users read them.
#include <gtest/gtest.h>

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <algorithm>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "general/windows/text.h"
#include "tests/resources/resource_test_support.h"

using boost::property_tree::wptree;
using resource_tests::bytes_of;

namespace {

wptree parse(const std::wstring& text)
{
    std::wistringstream in(text);
    wptree tree;
    boost::property_tree::read_xml(in, tree); // no flags: whitespace is kept
    return tree;
}

std::wstring attribute(const wptree& node, const std::wstring& name)
{
    return node.get<std::wstring>(L"<xmlattr>." + name, L"");
}

// ---------------------------------------------------------------- theme ---

struct font_spec {
    const wchar_t* name;
    const wchar_t* type;
    int size;
    const wchar_t* style;
    const wchar_t* normal_color;
    const wchar_t* active_color; // nullptr: not given
};

const font_spec default_fonts[] = {
    {L"text", L"text", 9, L"normal", L"#000000", nullptr},
    {L"bold_text", L"text", 9, L"bold", L"#000000", nullptr},
    {L"big_text", L"text", 11, L"normal", L"#000000", nullptr},
    {L"blue_text", L"text", 9, L"normal", L"#263989", nullptr},
    {L"header_text", L"text", 14, L"normal", L"#263989", nullptr},
    {L"complete_text", L"text", 22, L"normal", L"#263989", nullptr},
    {L"footer_text", L"text", 8, L"bold", L"#000000", nullptr},
    {L"link", L"text", 10, L"normal", L"#0000FF", nullptr},
    {L"ok_button", L"button", 12, L"normal", L"#FFFFFF", L"#FFFFFF"},
    {L"sign_button", L"button", 10, L"bold", L"#000000", L"#000000"},
    {L"cancel_button", L"button", 10, L"normal", L"#000000", L"#AA0000"},
};

} // namespace

TEST(theme_resource, is_plain_ascii_with_a_utf8_declaration)
{
    const std::string bytes = bytes_of(133, L"THEME");
    // Widened through the ANSI code page, so anything beyond ASCII would change
    // with the machine's locale.
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u);
    EXPECT_EQ(bytes.find("selected_color"), std::string::npos);
}

TEST(theme_resource, holds_the_eleven_default_settings)
{
    const wptree doc = parse(general::windows::to_wide(bytes_of(133, L"THEME")));
    ASSERT_EQ(doc.size(), 1u);
    const wptree& theme = doc.get_child(L"theme");
    EXPECT_EQ(attribute(theme, L"name"), L"default");
    EXPECT_EQ(attribute(theme, L"version"), L"1.0");

    std::vector<const wptree*> contexts;
    for (const auto& [key, child] : theme)
        if (key == L"context")
            contexts.push_back(&child);
    ASSERT_EQ(contexts.size(), 1u);
    EXPECT_EQ(attribute(*contexts[0], L"name"), L"dlg");

    std::vector<const wptree*> fonts;
    for (const auto& [key, child] : *contexts[0])
        if (key == L"font")
            fonts.push_back(&child);
    ASSERT_EQ(fonts.size(), std::size(default_fonts));

    for (std::size_t i = 0; i < fonts.size(); ++i) {
        const font_spec& want = default_fonts[i];
        const wptree& font = *fonts[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(attribute(font, L"name"), want.name);
        EXPECT_EQ(attribute(font, L"type"), want.type);
        // Element texts are taken untrimmed, so they must carry no padding.
        EXPECT_EQ(font.get<std::wstring>(L"family", L""), L"Arial");
        EXPECT_EQ(font.get<std::wstring>(L"size", L""), std::to_wstring(want.size));
        EXPECT_EQ(font.get<std::wstring>(L"style", L""), want.style);
        EXPECT_EQ(font.get<std::wstring>(L"normal_color", L""), want.normal_color);
        EXPECT_EQ(font.get<std::wstring>(L"disabled_color", L""), L"#B0B0B0");
        const auto active = font.get_optional<std::wstring>(L"active_color");
        if (want.active_color) {
            ASSERT_TRUE(active);
            EXPECT_EQ(*active, want.active_color);
        } else {
            EXPECT_FALSE(active);
        }
        EXPECT_EQ(font.count(L"selected_color"), 0u);
        // No element twice: the reader would keep the first and hide a typo.
        std::set<std::wstring> seen;
        for (const auto& [key, child] : font)
            EXPECT_TRUE(seen.insert(key).second) << "repeated element";
    }
}

// -------------------------------------------------------- language list ---

TEST(language_list_resource, is_utf8_with_bom_and_crlf_lines)
{
    const std::string bytes = bytes_of(209, L"LST");
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    const std::string body = bytes.substr(3);
    ASSERT_GE(body.size(), 2u);
    EXPECT_EQ(body.substr(body.size() - 2), "\r\n") << "the last line ends too";

    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = body.find('\n', start)) != std::string::npos; start = at + 1) {
        ASSERT_GT(at, start) << "empty line";
        ASSERT_EQ(body[at - 1], '\r') << "bare line feed";
        lines.push_back(body.substr(start, at - 1 - start));
    }
    EXPECT_EQ(start, body.size());
    for (const auto& line : lines)
        EXPECT_EQ(line.find('\r'), std::string::npos) << "stray carriage return";

    const std::vector<std::wstring> expected = {
        L"English|English|en_GB",
        L"Portuguese|Português|pt_PT",
        L"Portuguese (Brazil)|Português (Brasil)|pt_BR",
        L"Swedish|Svenska|sv_SE",
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(general::windows::utf8_to_wide(lines[i]), expected[i]);
}

// ------------------------------------------------------------ catalogues ---

namespace {

struct message_spec {
    const wchar_t* context;
    int id;
    const wchar_t* source;
    const wchar_t* portuguese; // without its trailing spaces
    int trailing_spaces;       // in the Portuguese text
};

const message_spec messages[] = {
    {L"ErrorView", 32397, L"Download failed!", L"Falha no Download!", 0},
    {L"FinishView", 32398, L"Installation is complete", L"A instalação está completa", 0},
    {L"FinishView", 32399, L"You are now protected by %1%", L"Você agora está protegido por %1%", 0},
    {L"FinishView", 32400, L"You need to reboot your PC before the new version will be fully active",
     L"É necessário reiniciar o seu PC antes da nova versão ser totalmente ativa", 0},
    {L"FinishView", 32401, L"Reboot Now", L"Reiniciar Agora", 0},
    {L"FinishView", 32402, L"Reboot Later", L"Reiniciar Mais Tarde", 0},
    {L"MainDlg", 32403, L"%1% Installer", L"Instalador %1%", 0},
    {L"MainDlg", 32404, L"If you close this installer now, %1% will not be able to function properly",
     L"%1% pode não funcionar corretamente se fechar este instalador agora", 0},
    {L"ProcessView", 32405, L"Please wait while we install your software",
     L"Por favor, aguarde enquanto instalamos o seu software", 0},
    {L"StartView", 32406, L"%1% software helps protect you from spyware, scammers and spam",
     L"O software %1% ajuda a proteger você contra spyware, scammers e spam", 2},
    {L"StartView", 32407, L"%1% rates websites you visit in all major search engines",
     L"%1% classifica os sites que você visita em todas as principais ferramentas de busca", 1},
    {L"StartView", 32408, L"Clearly displays rankings for sites", L"Mostra claramente a classificação de sites", 2},
    {L"StartView", 32409, L"By Clicking Install you agree to the", L"Ao clicar em instalar você concorda com o", 2},
    {L"StartView", 32410, L"and", L"e", 0},
    {L"StartView", 32411, L"Safe Site", L"Site Seguro", 0},
    {L"StartView", 32412, L"Dangerous Site", L"Site Perigoso", 0},
    {L"StartView", 32413, L"Install", L"Instalar", 1},
    {L"StartView", 32414, L"Cancel", L"Cancelar", 0},
    {L"StartView", 32513, L"%1% User License Agreement", L"%1% Contrato de Licença de Usuário", 0},
    {L"StartView", 32514, L"Privacy Policy", L"Política de Privacidade", 0},
    {L"UninstallView", 32415, L"%1% software helps protect you from spyware, scammers and spam",
     L"O software %1% ajuda a proteger você contra spyware, scammers e spam", 1},
    {L"UninstallView", 32416, L"Click uninstall to start uninstalling %1%.",
     L"Clique em Desinstalar para iniciar a desinstalação de %1%.", 1},
    {L"UninstallView", 32417, L"Click Cancel to cancel uninstalltion",
     L"Clique em Cancelar para cancelar a desinstalação", 1},
    {L"UninstallView", 32418, L"Uninstall", L"Desinstalar", 0},
    {L"UninstallView", 32419, L"Cancel", L"Cancelar", 1},
    {L"UninstalledView", 32420, L"We have removed %1% from your computer.", L"Removemos %1% do seu computador.", 0},
    {L"UninstalledView", 32421,
     L"Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.",
     L"Por favor, clique em Concluir e, em seguida, preencha a nossa pesquisa de desinstalação para nos "
     L"ajudar a entender a razão da desinstalação.",
     1},
    {L"UninstalledView", 32422, L"Finish", L"Concluir", 1},
};

struct message_read {
    std::wstring context;
    std::wstring id;
    std::wstring source;
    std::wstring translation;
};

struct catalogue {
    std::wstring version, language, source_language;
    std::vector<message_read> messages;
};

// Reads a catalogue as the translation code does: UTF-8 decoded, every context
// with its name, every message with both texts.
catalogue read_catalogue(std::uint16_t id)
{
    const std::string bytes = bytes_of(id, L"TS");
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u);
    const std::size_t doctype = bytes.find("<!DOCTYPE TS>");
    EXPECT_NE(doctype, std::string::npos);
    EXPECT_LT(doctype, bytes.find("<TS "));

    const wptree doc = parse(general::windows::utf8_to_wide(bytes));
    const wptree& ts = doc.get_child(L"TS");
    catalogue result{attribute(ts, L"version"), attribute(ts, L"language"),
                     attribute(ts, L"sourcelanguage"), {}};
    for (const auto& [key, context] : ts) {
        if (key != L"context")
            continue;
        const std::wstring name = context.get<std::wstring>(L"name", L"");
        EXPECT_FALSE(name.empty()) << "a context without a name is dropped";
        for (const auto& [child_key, message] : context) {
            if (child_key != L"message")
                continue;
            const auto source = message.get_optional<std::wstring>(L"source");
            const auto translation = message.get_optional<std::wstring>(L"translation");
            EXPECT_TRUE(source && translation) << "a message without both texts is dropped";
            result.messages.push_back({name, attribute(message, L"id"), source.value_or(L""),
                                       translation.value_or(L"")});
        }
    }
    return result;
}

void expect_same_messages(const catalogue& cat)
{
    ASSERT_EQ(cat.messages.size(), std::size(messages));
    std::set<std::wstring> ids;
    for (std::size_t i = 0; i < cat.messages.size(); ++i) {
        const auto& got = cat.messages[i];
        const auto& want = messages[i];
        SCOPED_TRACE(want.id);
        EXPECT_EQ(got.context, want.context);
        EXPECT_EQ(got.id, std::to_wstring(want.id));
        EXPECT_EQ(got.source, want.source);
        EXPECT_TRUE(ids.insert(got.id).second) << "repeated id";
    }
}

} // namespace

TEST(catalogue_resources, english_translates_every_source_to_itself)
{
    const catalogue en = read_catalogue(210);
    EXPECT_EQ(en.version, L"2.0");
    EXPECT_EQ(en.language, L"en_GB");
    EXPECT_EQ(en.source_language, L"en_GB");
    expect_same_messages(en);
    for (const auto& m : en.messages)
        EXPECT_EQ(m.translation, m.source) << "id " << std::string(m.id.begin(), m.id.end());
}

TEST(catalogue_resources, portuguese_texts_keep_their_trailing_spaces)
{
    const catalogue pt = read_catalogue(211);
    EXPECT_EQ(pt.version, L"2.0");
    EXPECT_EQ(pt.language, L"pt_BR");
    EXPECT_EQ(pt.source_language, L"en_GB");
    expect_same_messages(pt);
    ASSERT_EQ(pt.messages.size(), std::size(messages));
    for (std::size_t i = 0; i < pt.messages.size(); ++i) {
        const auto& want = messages[i];
        SCOPED_TRACE(want.id);
        EXPECT_EQ(pt.messages[i].translation,
                  std::wstring(want.portuguese) + std::wstring(want.trailing_spaces, L' '));
    }
}

TEST(catalogue_resources, only_the_listed_portuguese_texts_end_in_spaces)
{
    // The lookup is exact, so a stray blank anywhere would break a match or a
    // layout; this pins down exactly which texts carry them.
    const std::set<int> with_spaces = {32406, 32407, 32408, 32409, 32413, 32415,
                                       32416, 32417, 32419, 32421, 32422};
    for (std::uint16_t id : {std::uint16_t{210}, std::uint16_t{211}}) {
        for (const auto& m : read_catalogue(id).messages) {
            const int number = std::stoi(m.id);
            SCOPED_TRACE(number);
            for (const std::wstring* text : {&m.source, &m.translation}) {
                ASSERT_FALSE(text->empty());
                EXPECT_NE(text->front(), L' ');
                EXPECT_EQ(text->find_first_of(L"\t\r\n"), std::wstring::npos);
            }
            EXPECT_NE(m.source.back(), L' ');
            const bool ends_in_space = m.translation.back() == L' ';
            EXPECT_EQ(ends_in_space, id == 211 && with_spaces.count(number) == 1);
        }
    }
}
