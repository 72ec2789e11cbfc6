#pragma once

#include "code_table.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace pelmark {

// The submenus of the model menu, in menu order.
enum class ModelGroup : unsigned char { None, Amc, Astra, Merqury, Micro, Minica, Oka, Samsung, Shtrih, Ekr };
inline constexpr std::size_t kModelGroupCount = std::size_t(ModelGroup::Ekr) + 1; // with None

// One register model: one command of the model menu and everything its listing needs.
struct ModelEntry {
    std::string_view command;    // objectName of the menu command, e.g. "mnuAMC100k"
    std::u16string_view caption; // caption of the menu command
    ModelGroup group;            // its submenu; None when it sits in the model menu itself
    std::u16string_view heading; // first line of the listing
    std::size_t width;           // line width of the layout
    std::u16string_view marker;  // opens every code line of the listing
    bool upperCase;              // upper-case each character before the chart lookup
    // The model's code chart, built on first use. A reference, so a row cannot leave it out.
    const CodeTable &(&table)();
};

// The 26 models in the order of the model menu.
std::span<const ModelEntry> modelCatalogue();

// The model whose command or caption is `name`, or nullptr.
const ModelEntry *findModel(std::u16string_view name);

// A submenu of the model menu: its objectName and caption.
struct ModelGroupInfo {
    std::string_view objectName;
    std::u16string_view caption;
};
// Empty for ModelGroup::None.
const ModelGroupInfo &modelGroupInfo(ModelGroup group);

} // namespace pelmark
