#pragma once

#include <QLatin1String>

namespace pelmark::workspace {

// Where the per-user settings live: on Linux ~/.config/Pelmark/Pelmark.conf, group [Settings].
inline constexpr QLatin1String kSettingsOrganization{"Pelmark"};
inline constexpr QLatin1String kSettingsApplication{"Pelmark"};
inline constexpr QLatin1String kSettingsGroup{"Settings"};
// The model the receipt preview shows, by its command name ("mnuAMC100k").
inline constexpr QLatin1String kPreviewModelKey{"PreviewModel"};

} // namespace pelmark::workspace
