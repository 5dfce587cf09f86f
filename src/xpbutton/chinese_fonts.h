#pragma once
// The widgets ask for the Windows Song faces by name ("宋体", SimSun). This
// maps those names to the Song-style faces installed on the system, so that
// captions keep their look where the Windows fonts are missing.

#include <QString>

class QFont;

namespace quellan {

// Where the game folder keeps its own cut of the Ming face: the characters
// the game shows, drawn exactly as by the installed "AR PL UMing CN", in a
// file small enough to stay cheap in memory.
inline constexpr char kBundledSongFace[] = "/font/song.ttf";

// Installs the font substitutions once per process; safe to call again. With
// `gameFolder`, its cut of the Ming face (kBundledSongFace) comes first where
// the folder has it; characters it lacks come from the installed faces.
// `addedFamily` names that cut where it is among the system's faces already
// (added to the font rules ahead of Qt); then it is not added again.
void installChineseFontSubstitutes(const QString& gameFolder, const QString& addedFamily = {});
void installChineseFontSubstitutes();

// Finds and loads the face `font` resolves to for Chinese text now (the font
// database, the face file, its shaping tables), work the first caption would
// otherwise do.
void loadChineseFont(const QFont& font);

}  // namespace quellan
