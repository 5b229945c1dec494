#pragma once

#include <QString>

// The site's one style sheet, served at StylePath and linked by every full page.
namespace SiteStyle {

inline constexpr const char* StylePath = "/css/site.css";

QString Css();

} // namespace SiteStyle
