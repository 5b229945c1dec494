#pragma once

#include <QString>

// The version this program is: shown in the About box, compared with the one the
// site publishes.
inline constexpr double ProgramVersionNumber = 3.0;
inline const QString ProgramVersionText = QStringLiteral(" V 3.0 (2012.04.01)");
