#include "app/arrange_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <random>

#include "app/arrange_board.h"
#include "app/game_button.h"
#include "app/game_look.h"
#include "app/picture_store.h"
#include "coach/random_layout.h"
#include "coach/share_code.h"
#include "common/texts.h"
#include "platform/built_in_picture.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

namespace {

// The parchment of the game panel, stretched behind the dialog's controls.
class Parchment : public QWidget {
  public:
    Parchment(const QPixmap& panel, QWidget* parent) : QWidget(parent), m_panel(panel) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).drawPixmap(
            QRectF(rect()), m_panel,
            pictureArea(QRect(288, 12, 160, 336), m_panel.devicePixelRatio()));
    }

  private:
    QPixmap m_panel;
};

XPButton* makeButton(QWidget* parent, const char* name, const char* caption, const char* tip,
                     int width, int mode = 0) {
    XPButton* button = makeGameButton(parent, name);
    button->setFixedSize(width, 24);
    button->setMode(mode);
    button->setCaption(QString::fromUtf8(caption));
    button->setToolTip(QString::fromUtf8(tip));
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

ArrangeDialog::ArrangeDialog(const std::optional<Board>& onBoard, const PictureStore& pictures,
                             QWidget* parent)
    : QDialog(parent),
      m_onBoard(onBoard),
      m_figuresWork([this](ArrangementFigures f) { figuresReady(std::move(f)); }),
      m_drawWork([this](std::optional<Board> drawn) { drawReady(drawn); }) {
    if (m_onBoard) m_editor = ArrangementEditor(*m_onBoard);
    setObjectName("arrangeDialog");
    setWindowTitle(QStringLiteral("布阵 - ") + toQString(texts::kAppTitle));
    buildControls(pictures);
    arrangementChanged();
}

ArrangeDialog::~ArrangeDialog() = default;

void ArrangeDialog::buildControls(const PictureStore& pictures) {
    QPalette wood = palette();
    wood.setColor(QPalette::Window, QColor(92, 52, 28));
    setPalette(wood);
    setAutoFillBackground(true);

    m_board = new ArrangeBoard(m_editor, pictures, this);
    m_board->setPreview(m_shape);
    connect(m_board, &ArrangeBoard::cellPressed, this,
            [this](int cell, Qt::MouseButton button) { pressCell(cell, button); });

    auto* panel = new Parchment(m_board->boardPicture(), this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setVerticalSpacing(6);
    int row = 0;

    auto* pieces = new QLabel(QStringLiteral("选一种棋子，再按棋盘上的格子："), panel);
    pieces->setWordWrap(true);
    grid->addWidget(pieces, row++, 0, 1, 3);
    // The tools are option buttons of one container: one of them is on.
    auto* tools = new QWidget(panel);
    auto* toolGrid = new QGridLayout(tools);
    toolGrid->setContentsMargins(0, 0, 0, 0);
    struct ToolButton {
        const char* name;
        const char* caption;
        const char* tip;
        Tool tool;
        PieceKind shape;
    };
    const ToolButton toolButtons[] = {
        {"toolCommander", "曹操", "放曹操（2×2）", Tool::Place, PieceKind::Commander},
        {"toolUpright", "竖将", "放一员竖着的大将（1×2）", Tool::Place, PieceKind::Upright},
        {"toolLying", "横将", "放一员横着的大将（2×1）", Tool::Place, PieceKind::Lying},
        {"toolSoldier", "兵", "放一个兵（1×1）", Tool::Place, PieceKind::Soldier},
        {"toolTurn", "转向", "按一员大将，让它横竖转向", Tool::Turn, PieceKind::None},
        {"toolRemove", "移走", "按一枚棋子，把它移出棋盘", Tool::Remove, PieceKind::None},
    };
    int k = 0;
    for (const ToolButton& t : toolButtons) {
        XPButton* b = makeButton(tools, t.name, t.caption, t.tip, 80, 2);
        b->setValue(t.tool == m_tool && t.shape == m_shape);
        connect(b, &XPButton::Click, this, [this, t] {
            m_tool = t.tool;
            m_shape = t.shape;
            m_board->setPreview(m_tool == Tool::Place ? m_shape : PieceKind::None);
        });
        toolGrid->addWidget(b, k / 3, k % 3);
        ++k;
    }
    grid->addWidget(tools, row++, 0, 1, 3);

    auto* take = makeButton(panel, "arrangeTake", "当前阵型", "摆成游戏棋盘上的阵型", 80);
    auto* clear = makeButton(panel, "arrangeClear", "清空", "拿走所有棋子，从空棋盘摆起", 80);
    connect(take, &XPButton::Click, this, &ArrangeDialog::takeBoard);
    connect(clear, &XPButton::Click, this, &ArrangeDialog::clearBoard);
    grid->addWidget(take, row, 0);
    grid->addWidget(clear, row++, 1);

    m_band = new QComboBox(panel);
    m_band->setObjectName("arrangeBand");
    for (const DifficultyBand& band : kDifficultyBands)
        m_band->addItem(QString::fromUtf8(band.name));
    auto* random = makeButton(panel, "arrangeRandom", "随机", "随机摆一个所选难度的可解阵型", 80);
    connect(random, &XPButton::Click, this, [this] { drawRandom(m_band->currentIndex()); });
    grid->addWidget(random, row, 0);
    grid->addWidget(m_band, row++, 1, 1, 2);

    m_proper = makeLabel(panel, "arrangeProper");
    m_solvable = makeLabel(panel, "arrangeSolvable");
    m_reachable = makeLabel(panel, "arrangeReachable");
    for (QLabel* l : {m_proper, m_solvable, m_reachable}) grid->addWidget(l, row++, 0, 1, 3);

    m_code = makeLabel(panel, "arrangeCode");
    m_copyButton = makeButton(panel, "arrangeCopy", "复制", "把分享码复制到剪贴板", 80);
    connect(m_copyButton, &XPButton::Click, this, &ArrangeDialog::copyCode);
    grid->addWidget(m_code, row, 0, 1, 2);
    grid->addWidget(m_copyButton, row++, 2);

    m_codeField = new QLineEdit(panel);
    m_codeField->setObjectName("arrangeCodeField");
    m_codeField->setPlaceholderText(QStringLiteral("粘贴分享码"));
    m_codeField->setMaxLength(16);
    auto* read = makeButton(panel, "arrangeRead", "读入", "按分享码摆出阵型", 80);
    connect(read, &XPButton::Click, this, [this] { readCode(m_codeField->text()); });
    connect(m_codeField, &QLineEdit::returnPressed, this,
            [this] { readCode(m_codeField->text()); });
    grid->addWidget(m_codeField, row, 0, 1, 2);
    grid->addWidget(read, row++, 2);

    m_notice = makeLabel(panel, "arrangeNotice");
    m_notice->setWordWrap(true);
    look::setTextColor(m_notice, QColor(200, 0, 0));
    grid->addWidget(m_notice, row++, 0, 1, 3);
    grid->setRowStretch(row++, 1);

    m_trialButton = makeButton(panel, "arrangeTrial", "试玩", "不保存，在棋盘上玩这个阵型", 80);
    m_saveButton = makeButton(panel, "arrangeSave", "保存", "存成新的阵型，加到阵型列表末尾", 80);
    auto* close = makeButton(panel, "arrangeClose", "关闭", "关闭布阵，什么也不改变", 80);
    connect(m_trialButton, &XPButton::Click, this, &ArrangeDialog::trial);
    connect(m_saveButton, &XPButton::Click, this, &ArrangeDialog::save);
    connect(close, &XPButton::Click, this, &QDialog::reject);
    grid->addWidget(m_trialButton, row, 0);
    grid->addWidget(m_saveButton, row, 1);
    grid->addWidget(close, row++, 2);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->addWidget(m_board, 0, Qt::AlignTop);
    outer->addWidget(panel, 1);
    panel->setFixedWidth(300);
    setFixedSize(sizeHint().expandedTo(QSize(620, m_board->height() + 20)));
}

void ArrangeDialog::pressCell(int cell, Qt::MouseButton button) {
    EditResult result = EditResult::Done;
    if (button == Qt::RightButton || m_tool == Tool::Remove)
        result = m_editor.remove(cell);
    else if (button != Qt::LeftButton)
        return;
    else if (m_tool == Tool::Turn)
        result = m_editor.turn(cell);
    else
        result = m_editor.place(m_shape, cell);
    if (result != EditResult::Done) {
        say(editResultText(result));
        return;
    }
    arrangementChanged();
}

void ArrangeDialog::takeBoard() {
    m_editor = m_onBoard ? ArrangementEditor(*m_onBoard) : ArrangementEditor();
    arrangementChanged();
}

void ArrangeDialog::clearBoard() {
    m_editor.clear();
    arrangementChanged();
}

void ArrangeDialog::say(std::string_view text) { m_notice->setText(toQString(text)); }

// Everything shown follows the arrangement: whether it is proper at once,
// the figures once the worker has them.
void ArrangeDialog::arrangementChanged() {
    say({});
    m_board->update();
    m_figures.reset();
    const std::optional<Board> board = m_editor.board();
    const QString missing = toQString(missingPiecesText(m_editor));
    m_proper->setText(board ? QStringLiteral("阵型完整：十枚棋子都已摆好。")
                            : QStringLiteral("阵型不完整，") + missing);
    look::setTextColor(m_proper, board ? QColor(0, 110, 0) : QColor(200, 0, 0));
    for (XPButton* b : {m_copyButton, m_trialButton, m_saveButton})
        b->setEnabled(board.has_value());
    m_solvable->setText(board ? QStringLiteral("计算中…")
                              : QStringLiteral("能否过关：摆齐后才知道"));
    look::setTextColor(m_solvable, QColor(0, 0, 0));
    m_reachable->setText(QString());
    m_code->setText(QStringLiteral("分享码：—"));
    // The figures of the arrangement before are out of date.
    if (board) {
        const Board arrangement = *board;
        m_figuresWork.start([arrangement] { return figuresOf(arrangement); });
    } else {
        m_figuresWork.drop();
    }
}

void ArrangeDialog::figuresReady(ArrangementFigures figures) {
    m_figures = std::move(figures);
    m_solvable->setText(toQString(solvabilityText(*m_figures)));
    look::setTextColor(m_solvable, m_figures->fewestSteps ? QColor(0, 110, 0) : QColor(200, 0, 0));
    m_reachable->setText(toQString(reachableText(*m_figures)));
    m_code->setText(QStringLiteral("分享码：") + toQString(m_figures->shareCode));
}

void ArrangeDialog::waitForWork() {
    while (m_drawWork.busy() || m_figuresWork.busy()) {
        // A random draw, once ended, changes the arrangement and asks for
        // its figures.
        m_drawWork.finish();
        m_figuresWork.finish();
        // What came meanwhile is handled too, as if the wait had been the
        // event loop's: the dialog showing, the focus going to it.
        QCoreApplication::processEvents();
    }
}

void ArrangeDialog::drawRandom(int band) {
    if (band < 0 || band >= static_cast<int>(std::size(kDifficultyBands)) || m_drawWork.busy())
        return;
    say("正在随机摆阵…");
    const StepBand steps = kDifficultyBands[band].steps;
    const std::uint64_t seed = std::random_device{}();
    m_drawWork.start([steps, seed] {
        std::mt19937_64 random(seed);
        return drawLayout(steps, random);
    });
}

void ArrangeDialog::drawReady(const std::optional<Board>& drawn) {
    if (!drawn) {
        say("这次没有摆出这个难度的阵型，请再按一次随机。");
        return;
    }
    m_editor = ArrangementEditor(*drawn);
    arrangementChanged();
}

void ArrangeDialog::readCode(const QString& code) {
    const std::optional<Board> board = boardFromShareCode(code.trimmed().toStdString());
    if (!board) {
        showMessageBox(this, toQString(texts::kBadShareCode), MessageIcon::Information,
                       toQString(texts::kAppTitle));
        return;
    }
    m_editor = ArrangementEditor(*board);
    arrangementChanged();
}

void ArrangeDialog::copyCode() {
    waitForWork();
    if (!m_figures) return;
    QGuiApplication::clipboard()->setText(toQString(m_figures->shareCode));
    say("分享码已复制。");
}

void ArrangeDialog::trial() {
    const std::optional<Board> board = m_editor.board();
    if (!board) return;
    accept();
    if (m_trial) m_trial(*board);
}

void ArrangeDialog::save() {
    if (!m_save) return;
    // A random draw under way changes the arrangement when it ends: the
    // board is read after it, so the figures belong to the board saved.
    waitForWork();
    const std::optional<Board> board = m_editor.board();
    if (board && m_figures && m_save(*board, m_figures->fewestSteps)) accept();
}

}  // namespace quellan
