#pragma once
// 布阵: the layout workshop's dialog, in the game's look. The player places
// the ten pieces on a board of their own with the mouse, starting from the
// layout on the board or from an empty one, and sees at once whether the
// arrangement is proper, whether and how fast it can be solved, how many
// positions it reaches and its share code. A code can be pasted, a layout
// of a difficulty band drawn at random; the arrangement can be tried out on
// the game board (试玩) or saved as a new layout (保存). What it does with
// the arrangement is the window's business, through the two handlers.
#include <QDialog>
#include <functional>
#include <optional>

#include "app/background_figures.h"
#include "coach/arrangement_editor.h"
#include "coach/arrangement_figures.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace quellan {

class ArrangeBoard;
class PictureStore;
class XPButton;

class ArrangeDialog : public QDialog {
    Q_OBJECT

  public:
    // `onBoard`: the layout on the game board, or nothing when none stands
    // there (a load failed); the dialog starts from it.
    ArrangeDialog(const std::optional<Board>& onBoard, const PictureStore& pictures,
                  QWidget* parent = nullptr);
    ~ArrangeDialog() override;

    // 保存: returns true when the arrangement was saved (the dialog then
    // closes); false leaves everything as it was.
    using SaveHandler = std::function<bool(const Board&, std::optional<int> fewestSteps)>;
    void setSaveHandler(SaveHandler handler) { m_save = std::move(handler); }
    // 试玩: the dialog closes and hands the arrangement on.
    using TrialHandler = std::function<void(const Board&)>;
    void setTrialHandler(TrialHandler handler) { m_trial = std::move(handler); }

    const ArrangementEditor& editor() const { return m_editor; }
    // Waits for the figures of the arrangement and for a random draw under
    // way; for tests and tools.
    void waitForWork();

    // The actions of the buttons, by name, for tests and tools.
    void pressCell(int cell, Qt::MouseButton button = Qt::LeftButton);
    void takeBoard();
    void clearBoard();
    void drawRandom(int band);
    void readCode(const QString& code);
    void copyCode();
    void trial();
    void save();

  private:
    enum class Tool { Place, Turn, Remove };

    void buildControls(const PictureStore& pictures);
    void arrangementChanged();
    void figuresReady(ArrangementFigures figures);
    void drawReady(const std::optional<Board>& drawn);
    void say(std::string_view text);

    ArrangementEditor m_editor;
    std::optional<Board> m_onBoard;
    Tool m_tool = Tool::Place;
    PieceKind m_shape = PieceKind::Soldier;
    SaveHandler m_save;
    TrialHandler m_trial;

    ArrangeBoard* m_board = nullptr;
    QLabel* m_proper = nullptr;
    QLabel* m_solvable = nullptr;
    QLabel* m_reachable = nullptr;
    QLabel* m_code = nullptr;
    QLabel* m_notice = nullptr;
    QLineEdit* m_codeField = nullptr;
    QComboBox* m_band = nullptr;
    XPButton* m_copyButton = nullptr;
    XPButton* m_trialButton = nullptr;
    XPButton* m_saveButton = nullptr;

    // The figures are worked out off the UI thread; a result that belongs
    // to an arrangement since changed is dropped.
    std::optional<ArrangementFigures> m_figures;
    BackgroundFigures<ArrangementFigures> m_figuresWork;
    BackgroundFigures<std::optional<Board>> m_drawWork;
};

}  // namespace quellan
