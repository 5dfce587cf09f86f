// Any bytes as a record file: reading them must not crash, and a holder's
// name read from a file must be written back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/text_codec.h"
#include "common/text_file.h"
#include "setup/move_history.h"
#include "setup/record_file.h"

using namespace quellan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = splitLines(gb18030ToUtf8(bytes));
    const RecordContents record = parseRecordLines(lines);
    if (record.positionLines < 0 || static_cast<std::size_t>(record.positionLines) > lines.size())
        __builtin_trap();
    if (!record.holder) return 0;

    // The win sequence writes the cleaned name with the winning path; the
    // loader must read the same name and step count back.
    const std::string name = cleanPlayerName(*record.holder);
    MoveHistory history;
    history.append("90,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210,270");
    const RecordContents back =
        parseRecordLines(splitLines(gb18030ToUtf8(formatRecord(name, history))));
    if (back.holder != name || back.positionLines != 1) __builtin_trap();
    return 0;
}
