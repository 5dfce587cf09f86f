#pragma once
// The main window of the game. It shows the game session and turns the
// player's presses and choices into calls of the session; it never decides
// a rule itself.
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "app/game_session.h"
#include "app/picture_store.h"
#include "frame/frame_pictures.h"
#include "frame/help_file.h"
#include "frame_model/caption_button_state.h"
#include "platform/settings_store.h"
#include "setup/game_host.h"

class QCheckBox;
class QLabel;
class QPainter;

namespace quellan {

class BoardPanel;
class CoachPanel;
class LayoutChooser;
class WorkshopPanel;
class ClickLabel;
class GameAudio;
class ImageControl;
class MusicCheckBox;
class XPButton;
namespace testing {
class FrmMainProbe;
}

class frmMain : public QWidget, public GameHost {
    Q_OBJECT

  public:
    // The portable game folder `appPath`; empty: the folder of the executable.
    explicit frmMain(const QString& appPath = {}, QWidget* parent = nullptr);
    // Where the files live as decided at start-up (`locateGameFiles`).
    explicit frmMain(const GamePaths& paths, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: settings, catalogue, the remembered layout, caption, show.
    // False when there is no layout file at all: the player has been told,
    // the download page opened, and the program must end without saving.
    bool Form_Load();
    // Saves the settings and stops the music; runs when the window closes.
    void Form_Unload();

    // The handlers the controls call; each acts on the game session.
    void Combo1_Click();
    void XPButton1_Click();
    void QZ_GotFocus(int index);
    void QZ_LostFocus(int index);
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // The tests look inside through their probe (tests/app/frm_main_probe.h).
    friend class testing::FrmMainProbe;

    // The window frame (frm_main_frame.cpp): its layout on every resize,
    // the outline, dragging and the two caption buttons.
    void Form_Resize();
    void paintFrameOn(QPainter& p) const;
    void Form_MouseDown(int button, int shift, QPoint globalPos);
    void Form_MouseMove();
    void IMBar_MouseDown(int button, int shift, QPoint globalPos);
    void IMBar_MouseMove();
    void Immin_MouseMove();
    void Immin_MouseDown();
    void Immin_MouseUp();
    void Immin_Click();
    void Imclose_MouseMove();
    void Imclose_MouseDown();
    void Imclose_MouseUp();
    void Imclose_Click();

    // Help, about and the web pages (frm_main_help.cpp).
    void Image8_Click();
    void Image9_Click();
    void Image10_Click();
    void LbBR_Click();
    void showHelp();

    // GameHost: what the rules ask of the window, through the session.
    void playEffect(std::string_view literal) override;
    int musicOption() const override;
    void setMusicOption(int value) override;
    void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;
    std::string askText(std::string_view prompt, std::string_view title) override;

    XPButton* QZ(int index) const { return m_QZ.at(static_cast<size_t>(index - 1)); }
    QLabel* Label(int n) const { return m_labels.at(static_cast<size_t>(n - 1)); }
    void buildControls();
    // Lists a layout at the end of the chooser: shown readably, its name's
    // bytes kept for the loader.
    void appendToChooser(const std::string& name);
    void buildPieces();
    // The panels beside the described controls: the coach and the workshop.
    void buildPanels();
    // Brings the widgets in line with the session after it changed.
    void sessionChanged(GameSession::Change change);
    // Brings the widgets in line with the game state after a rule has run.
    void showState();
    void showPieces();
    // Shows the pieces where `board` has them, without touching the game
    // (the replay of a record).
    void showBoard(const Board& board);
    // The record's labels and the step count (during a replay, the step of
    // the record shown).
    void showLabels();
    // The chooser's ticks of the layouts that have a record, and its
    // tooltip with the current layout's record and fewest steps.
    void showRecordMarks();
    // Selects piece `index` as a press on it would: it takes the focus.
    void choosePiece(int index);
    // Reads the remembered window position and options; returns the name of
    // the layout played last.
    std::string readSettings();
    void buildFrame();
    void buildHelpIcons();
    // Cuts the window to its outline with rounded corners.
    void RMe();
    // Keeps FormX, FormY on the screen and moves the window there.
    void moveToFormPosition();
    // Shows the picture of a caption button's current look (Immin or
    // Imclose), after one step of its look.
    void showCaptionLook(ImageControl* button);
    void stepCaption(ImageControl* button, void (frame::CaptionButtonState::*step)());

    QString m_appPathText;
    GameSession* m_session = nullptr;
    // The frame's pictures decode on this thread while the game's own finish
    // decoding on theirs (PictureStore::decodeInBackground).
    FramePictures m_framePictures;
    PictureStore m_pictures;
    SettingsStore m_settings;
    int m_formX = 0;
    int m_formY = 0;
    bool m_loaded = false;
    bool m_unloaded = false;

    BoardPanel* m_Picture1 = nullptr;
    std::array<XPButton*, kPieceCount> m_QZ{};
    std::array<QLabel*, 7> m_labels{};
    LayoutChooser* m_Combo1 = nullptr;
    XPButton* m_XPButton1 = nullptr;
    MusicCheckBox* m_Check1 = nullptr;
    QCheckBox* m_Check2 = nullptr;
    ClickLabel* m_LbBR = nullptr;
    QImage m_windowIcon16;  // Imico
    ImageControl* m_IMBar = nullptr;
    ImageControl* m_Immin = nullptr;
    ImageControl* m_Imclose = nullptr;
    std::array<ImageControl*, 3> m_images{};
    frame::CaptionButtonState m_imminState;
    frame::CaptionButtonState m_imcloseState;
    HelpFile m_helpFile;
    std::unique_ptr<GameAudio> m_audio;
    CoachPanel* m_coach = nullptr;
    WorkshopPanel* m_workshop = nullptr;
};

}  // namespace quellan
