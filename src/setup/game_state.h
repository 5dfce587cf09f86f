#pragma once
// The state of one game on the board, shared by the loader, the move engine,
// undo and the win rules. The window shows it and never changes it itself.
#include <cstdint>
#include <filesystem>
#include <string>

#include "play/move_history.h"
#include "setup/board.h"

namespace quellan {

// The game folder and the data paths below it.
struct GamePaths {
    std::filesystem::path appPath;

    std::filesystem::path mapDir() const { return appPath / "map"; }
    std::filesystem::path logDir() const { return appPath / "log"; }
    std::filesystem::path layoutFile(const std::string& name) const;
    std::filesystem::path recordFile(const std::string& name) const;
};

// The texts of the three labels that follow the game: best steps, record
// holder (with its tooltip) and current steps.
struct GameLabels {
    std::string bestSteps = "0";  // Label5
    std::string holder;           // Label6
    std::string holderTip;        // Label6's tooltip
    std::string steps = "0";      // Label7
    bool operator==(const GameLabels&) const = default;
};

struct GameState {
    Board board;
    MoveHistory history;
    std::int16_t selectedQZ = 0;  // the selected piece, 0 when none
    std::int32_t stepCount = 0;
    std::int32_t bestSteps = 0;
    std::string currentMap;
    GameLabels labels;
    // A hint or the demonstration helped in this game: its win is not
    // recorded. Cleared when a layout is set up.
    bool assisted = false;
};

}  // namespace quellan
