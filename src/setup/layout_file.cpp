#include "setup/layout_file.h"

#include "common/numbers.h"
#include "common/text_codec.h"
#include "common/text_file.h"
#include "common/texts.h"

namespace quellan {

namespace {

// The parts of a layout line and of the file around it, for reading and
// writing alike.
constexpr char kSeparator = ',';
constexpr std::string_view kFullWidthComma = "，";
constexpr char kQuote = '"';
constexpr std::string_view kCommentStart = "//";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kIndexField = 0;
constexpr std::size_t kFlagField = 1;
constexpr std::size_t kCellField = 2;
constexpr int kUprightFlag = 1;
constexpr int kLyingFlag = 0;  // what the game writes; any other number lays a general too
constexpr int kFirstCellNumber = 1;

// The fields of one cleaned layout line, split at every ",".
class Fields {
  public:
    explicit Fields(std::string_view line) {
        size_t start = 0;
        while (true) {
            size_t comma = line.find(kSeparator, start);
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

// Dresses piece p by its kind; a general's flag field decides its
// orientation, and its size is set before its picture.
bool dressPiece(Board& board, int p, const Fields& fields) {
    if (!isPieceIndex(p)) return true;
    Piece& piece = board.piece(p);
    if (isGeneralIndex(p)) {
        auto flag = fields.number(kFlagField);
        if (!flag) return false;
        const Footprint fp =
            footprintOf(*flag == kUprightFlag ? PieceKind::Upright : PieceKind::Lying);
        piece.width = kCell * fp.w;
        piece.height = kCell * fp.h;
    }
    piece.picture = pictureOf(p, kindOf(p, piece));
    return true;
}

bool applyLayoutLine(Board& board, std::string_view line) {
    Fields fields(line);
    auto p = fields.number(kIndexField);
    if (!p) return false;
    if (!dressPiece(board, *p, fields)) return false;
    auto n = fields.number(kCellField);
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
    std::string out;
    out.reserve(line.size());
    for (size_t i = 0; i < line.size();) {
        if (line[i] == kQuote) {
            ++i;
        } else if (line.substr(i, kFullWidthComma.size()) == kFullWidthComma) {
            out += kSeparator;
            i += kFullWidthComma.size();
        } else {
            out += line[i++];
        }
    }
    if (out.empty() || out.starts_with(kCommentStart)) return std::nullopt;
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

std::string layoutLine(int index, PieceKind kind, int cell) {
    const int flag = kind == PieceKind::Upright ? kUprightFlag : kLyingFlag;
    return std::to_string(index) + kSeparator + std::to_string(flag) + kSeparator +
           std::to_string(cell + kFirstCellNumber);
}

std::string layoutFileText(std::string_view name, const Board& board,
                           std::optional<int> fewestSteps) {
    std::string text = std::string(kCommentStart) + " " + std::string(name) + " — " +
                       (fewestSteps ? "最少 " + std::to_string(*fewestSteps) + " 步"
                                    : std::string(texts::kUnsolvable)) +
                       std::string(kLineEnd);
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& p = board.piece(i);
        text += layoutLine(i, kindOf(i, p), cellOf({p.left, p.top}));
        text += kLineEnd;
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
