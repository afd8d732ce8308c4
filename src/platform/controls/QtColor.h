#pragma once

// Colours cross into Qt only here, at the widgets.

#include "Color.h"

#include <QColor>

inline QColor ToQColor(Color color) {
    return QColor(color.red, color.green, color.blue);
}

inline Color FromQColor(const QColor& color) {
    return {static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
            static_cast<std::uint8_t>(color.blue())};
}
