#pragma once
// The forty classic layouts the game ships, with the figures an independent
// search found for each (tools/data/classic-layouts.tsv), and the shipped
// layout files themselves.
#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "setup/board.h"

namespace quellan::testing {

struct ClassicLayout {
    std::string lines;  // "index,flag,cell;..." with generals in cell order
    int minSteps = 0;
    std::size_t reachable = 0;
    int minPieceMoves = 0;
};

// The table's rows by layout name.
const std::map<std::string, ClassicLayout>& classicTable();
std::filesystem::path classicTablePath();

// The folder of the shipped layout files and their names, sorted.
std::filesystem::path shippedMapDir();
std::vector<std::string> shippedNames();

// A shipped layout set up on a board whose pieces first stand nowhere, so
// that a piece the file forgets is caught; nullopt when the reader refuses.
std::optional<Board> loadShipped(const std::string& name);

}  // namespace quellan::testing
