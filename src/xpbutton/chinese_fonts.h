#pragma once
// The widgets ask for the Windows Song faces by name ("宋体", SimSun). This
// maps those names to the Song-style faces installed on the system, so that
// captions keep their look where the Windows fonts are missing.

class QFont;

namespace quellan {

// Installs the font substitutions once per process; safe to call again.
void installChineseFontSubstitutes();

// Finds and loads the face `font` resolves to for Chinese text now (the font
// database, the face file, its shaping tables), work the first caption would
// otherwise do.
void loadChineseFont(const QFont& font);

}  // namespace quellan
