// Any bytes as a layout file: reading them onto the board must not crash,
// and whatever the reader placed must survive the position entry that the
// history and the record file keep of it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "play/occupancy.h"
#include "setup/board.h"
#include "setup/layout_file.h"

using namespace quellan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Board board;
    const bool loaded = applyLayoutBytes(board, bytes);

    // The reader only ever puts pieces on cells, so the entry is exact.
    Board again = board;
    if (!again.applyPositionEntry(board.positionEntry()) || !(again == board)) __builtin_trap();

    // The occupancy test must answer for every piece and every cell, even
    // on an arrangement with overlaps or pieces past the edge.
    int blocked = 0;
    for (int index = 1; index <= kPieceCount; ++index) {
        for (int n = 1; n <= kCellCount; ++n) {
            const Point cell = *cellPosition(n);
            blocked +=
                CheckXY(board, index, static_cast<float>(cell.left), static_cast<float>(cell.top));
        }
    }
    if (blocked < 0 || blocked > kPieceCount * kCellCount) __builtin_trap();
    (void)loaded;
    return 0;
}
