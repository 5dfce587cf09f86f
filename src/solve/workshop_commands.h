#pragma once
// quellan-solve's workshop modes: random layouts of a difficulty band,
// share codes of layout files, and layout files from share codes.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quellan {

// Runs the workshop mode `args` asks for (its first argument is --generate,
// --code or --decode); nullopt when `args` asks for none of them.
std::optional<int> runWorkshopCommand(const std::vector<std::string>& args, std::ostream& out,
                                      std::ostream& err);

}  // namespace quellan
