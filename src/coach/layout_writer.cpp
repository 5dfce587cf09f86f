#include "coach/layout_writer.h"

#include "common/text_codec.h"
#include "common/text_file.h"
#include "common/texts.h"

namespace quellan {

std::string layoutFileText(std::string_view name, const Board& board,
                           std::optional<int> fewestSteps) {
    std::string text = "// " + std::string(name) + " — " +
                       (fewestSteps ? "最少 " + std::to_string(*fewestSteps) + " 步"
                                    : std::string(texts::kUnsolvable)) +
                       "\r\n";
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& p = board.piece(i);
        const Footprint fp = footprintOf(i, p);
        const int cell = (p.top - kBoardTop) / kCell * kColumns + (p.left - kBoardLeft) / kCell + 1;
        const int flag = kindOf(i) == PieceKind::General && fp.h > fp.w ? 1 : 0;
        text +=
            std::to_string(i) + "," + std::to_string(flag) + "," + std::to_string(cell) + "\r\n";
    }
    return text;
}

LayoutWrite writeNewLayoutFile(const std::filesystem::path& path, std::string_view name,
                               const Board& board, std::optional<int> fewestSteps) {
    switch (createFileContents(path, utf8ToGb18030(layoutFileText(name, board, fewestSteps)))) {
        case NewFile::Written:
            return LayoutWrite::Written;
        case NewFile::Exists:
            return LayoutWrite::Exists;
        case NewFile::Failed:
            break;
    }
    return LayoutWrite::Failed;
}

}  // namespace quellan
