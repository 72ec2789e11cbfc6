#include "catalogue.h"

#include "code_tables.h"

#include <algorithm>
#include <array>

namespace pelmark {
namespace {

constexpr std::u16string_view kMarker001 = u"строка: 001_";
constexpr std::u16string_view kMarker = u"строка: ";

using namespace tables;
using G = ModelGroup;

// Charts are named, not built, here: each is built on its first conversion, not at start-up.
// clang-format off
constexpr auto kCatalogue = std::to_array<ModelEntry>({
    {"mnuAMC100k",      u"АМС-100К",         G::Amc,      u"Код для АМС100К",           18, kMarker001, false, win1251},
    {"mnuAMC100Fv17",   u"АМС-100Фв17",      G::Amc,      u"Код для АМС100Фв17",        18, kMarker001, false, win1251},
    {"mnuAMC100F",      u"АМС-100Ф",         G::Amc,      u"Код для АМС100Ф",           17, kMarker001, true,  amc100F},
    {"mnuAMC200F",      u"АМС-200Ф",         G::Amc,      u"Код для АМС200Ф",           18, kMarker,    false, win1251NoAt},
    {"mnuAMC100MK",     u"АМС-100МК",        G::Amc,      u"Код для АМС100МК",          18, kMarker001, false, win1251NoAt},
    {"mnuAMCmin100K",   u"АМС-мини 100К",    G::Amc,      u"Код для АМС100-мини-К",     18, kMarker001, false, win1251},
    {"mnuAstra100F",    u"Астра 100Ф",       G::Astra,    u"Код для ККМ Астра 100Ф",    24, kMarker,    true,  astra},
    {"mnuAstra200F",    u"Астра 200Ф",       G::Astra,    u"Код для Астра200Ф",         24, kMarker,    false, win1251NoAt},
    {"mnuAstra10001K",  u"Астра-100-01К",    G::Astra,    u"Код для ККМ Астра 100К 01", 24, kMarker,    true,  astra},
    {"mnuLadogaFK",     u"Ладога Ф/К",       G::None,     u"Код для Ладога Ф/К",        24, kMarker,    true,  ladoga},
    {"mnuMerquryF",     u"Меркурий Ф",       G::Merqury,  u"Код для МЕРКУРИЙ Ф",        24, kMarker,    true,  ladoga},
    {"mnuMerquryK",     u"Меркурий К",       G::Merqury,  u"Код для Меркурий К",        24, kMarker,    false, win1251NoAt},
    {"mnuMicro103104K", u"Микро 103-104К",   G::Micro,    u"Код для МИКРО 103-104К",    16, kMarker,    true,  micro},
    {"mnuMicro103105F", u"Микро 103-105Ф",   G::Micro,    u"Код для МИКРО 103-105Ф",    16, kMarker,    true,  micro},
    {"mnuMinica1101",   u"Миника 1102-03Ф",  G::Minica,   u"Код для ККМ МИНИКА Ф",      16, kMarker,    true,  ekr2102},
    {"mnuMinica1102K1", u"Миника 1102К1",    G::Minica,   u"Код для Миника 1102К",      18, kMarker,    true,  minica1102K1},
    {"mnuOka102K",      u"Ока 102К",         G::Oka,      u"Код для Ока 102К",          18, kMarker,    true,  oka102K},
    {"mnuOKAPK",        u"Ока ПК",           G::Oka,      u"Код для ОКА ПК",            24, kMarker,    true,  okaPK},
    {"mnuOrion100k",    u"Орион-100К",       G::None,     u"Код для ОРИОН 100К",        16, kMarker,    true,  ekr2102},
    {"mnuSamsung250",   u"Самсунг 250Ф/К",   G::Samsung,  u"Код для САМСУНГ 250",       26, kMarker,    true,  samsung250},
    {"mnuSamsung4615",  u"Самсунг 4615 Ф/К", G::Samsung,  u"Код для САМСУНГ 4615",      21, kMarker,    true,  samsung4615},
    {"mnuShtrihmK",     u"Штрих-мини-К",     G::Shtrih,   u"Код для ШТРИХ-МИНИ-К",      24, kMarker,    false, win1251},
    {"mnuElvesmK",      u"Эвес-микро-К",     G::Shtrih,   u"Код для ЭЛВЕС-МИКРО-К",     24, kMarker,    true,  astra},
    {"mnuEKR2102",      u"ЭКР 2102Ф/К",      G::Ekr,      u"Код для ЭКР2102Ф/К",        16, kMarker,    true,  ekr2102},
    {"mnuEKR3102",      u"ЭКР 3102Ф/К",      G::Ekr,      u"Код для ЭКР3102Ф/К",        16, kMarker,    true,  ekr3102},
    {"mnuWab04RK",      u"Wab 04RK",         G::None,     u"Код для WAB 04RK",          24, kMarker,    false, win1251},
});
// clang-format on

constexpr bool isLayoutWidth(std::size_t width)
{
    return width == 16 || width == 17 || width == 18 || width == 21 || width == 24 || width == 26;
}

// A row left out or half filled in must not build: std::to_array counts the rows, a row
// without a chart cannot be written, and every row needs its names, a width the layout knows
// and a marker.
constexpr bool isComplete(const ModelEntry &model)
{
    return !model.command.empty() && !model.caption.empty() && !model.heading.empty() &&
           isLayoutWidth(model.width) && !model.marker.empty() && std::size_t(model.group) < kModelGroupCount;
}

static_assert(kCatalogue.size() == 26, "the model menu has 26 models");
static_assert(std::all_of(kCatalogue.begin(), kCatalogue.end(), isComplete));

// Indexed by ModelGroup.
constexpr std::array<ModelGroupInfo, kModelGroupCount> kGroups{{
    {"", u""},
    {"mnuAMC", u"АМС"},
    {"mnuAstra", u"Астра"},
    {"mnuMerqury", u"Меркурий"},
    {"mnuMicro", u"Микро"},
    {"mnuMinica", u"Миника"},
    {"mnuOKA", u"Ока"},
    {"mnuSamsung", u"Самсунг"},
    {"mnuShtrih", u"Штрих"},
    {"mnuEKR", u"ЭКР"},
}};

bool sameAscii(std::string_view ascii, std::u16string_view text)
{
    return std::equal(ascii.begin(), ascii.end(), text.begin(), text.end(),
                      [](char a, char16_t b) { return char16_t(static_cast<unsigned char>(a)) == b; });
}

} // namespace

std::span<const ModelEntry> modelCatalogue()
{
    return kCatalogue;
}

const ModelEntry *findModel(std::u16string_view name)
{
    for (const ModelEntry &model : modelCatalogue()) {
        if (sameAscii(model.command, name) || model.caption == name)
            return &model;
    }
    return nullptr;
}

const ModelGroupInfo &modelGroupInfo(ModelGroup group)
{
    return kGroups[std::size_t(group)];
}

} // namespace pelmark
