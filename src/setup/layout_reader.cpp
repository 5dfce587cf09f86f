#include "setup/layout_reader.h"

#include "common/numbers.h"
#include "common/text_codec.h"
#include "common/text_file.h"

namespace quellan {

namespace {

// The fields of one cleaned layout line, split at every ",".
class Fields {
  public:
    explicit Fields(std::string_view line) {
        size_t start = 0;
        while (true) {
            size_t comma = line.find(',', start);
            if (comma == std::string_view::npos) {
                m_fields.emplace_back(line.substr(start));
                break;
            }
            m_fields.emplace_back(line.substr(start, comma - start));
            start = comma + 1;
        }
    }
    // Field k as a 16-bit number; nullopt when it is missing or faulty.
    std::optional<int> number(size_t k) const {
        if (k >= m_fields.size()) return std::nullopt;
        auto v = toInteger16(m_fields[k]);
        if (!v) return std::nullopt;
        return *v;
    }

  private:
    std::vector<std::string_view> m_fields;
};

// Dresses piece p by its kind; a general's field 1 decides its orientation.
bool dressPiece(Board& board, int p, const Fields& fields) {
    if (p == kCommander) {
        board.piece(p).picture = {1, 0};
    } else if (p >= kFirstGeneral && p <= kLastGeneral) {
        auto flag = fields.number(1);
        if (!flag) return false;
        Piece& general = board.piece(p);
        bool upright = *flag == 1;
        general.width = upright ? kCell : kGeneralLong;
        general.height = upright ? kGeneralLong : kCell;
        general.picture = {p, upright ? 1 : 2};
    } else if (p >= kFirstSoldier && p <= kPieceCount) {
        board.piece(p).picture = {7, 0};
    }
    return true;
}

bool applyLayoutLine(Board& board, std::string_view line) {
    Fields fields(line);
    auto p = fields.number(0);
    if (!p) return false;
    if (!dressPiece(board, *p, fields)) return false;
    auto n = fields.number(2);
    if (!n) return false;
    auto cell = cellPosition(*n);
    if (!cell) return true;  // a cell outside 1..20 leaves the piece where it is
    if (!isPieceIndex(*p)) return false;
    board.piece(*p).left = cell->left;
    board.piece(*p).top = cell->top;
    return true;
}

}  // namespace

std::optional<std::string> cleanLayoutLine(std::string_view line) {
    static constexpr std::string_view kFullWidthComma = "，";
    std::string out;
    out.reserve(line.size());
    for (size_t i = 0; i < line.size();) {
        if (line[i] == '"') {
            ++i;
        } else if (line.substr(i, kFullWidthComma.size()) == kFullWidthComma) {
            out += ',';
            i += kFullWidthComma.size();
        } else {
            out += line[i++];
        }
    }
    if (out.empty() || out.starts_with("//")) return std::nullopt;
    return out;
}

bool applyLayoutLines(Board& board, const std::vector<std::string>& lines) {
    for (const std::string& raw : lines) {
        auto line = cleanLayoutLine(raw);
        if (!line) continue;
        if (!applyLayoutLine(board, *line)) return false;
    }
    return true;
}

bool applyLayoutBytes(Board& board, std::string_view bytes) {
    // No GB18030 sequence holds a CR or LF byte, so the whole file can be
    // decoded at once and split afterwards.
    return applyLayoutLines(board, splitLines(gb18030ToUtf8(bytes)));
}

}  // namespace quellan
