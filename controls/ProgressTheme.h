#pragma once

#include <QColor>

#include <array>

// The 17 colours a progress bar theme paints with, in bands across the bar's
// thickness: entries 0-7 are the start and end colours of the four track bands,
// 8-15 those of the four bands of the filled part, 16 the edge of the filled part.
using ProgressPalette = std::array<QColor, 17>;

inline constexpr int ProgressBandCount = 4;
// Band k covers the part of the thickness from edge k to edge k + 1.
inline constexpr std::array<double, ProgressBandCount + 1> ProgressBandEdges { 0.0, 0.35, 0.5, 0.85, 1.0 };

// Themes 1-9 are fixed colour sets, 10 derives its colours from the two custom base
// colours (track and fill); other numbers paint as theme 1.
ProgressPalette ProgressThemePalette(int theme, const QColor& custom1, const QColor& custom2);

// The subdued form of a palette for a disabled bar.
ProgressPalette DisabledPalette(const ProgressPalette& palette);
