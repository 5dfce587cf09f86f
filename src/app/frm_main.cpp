#include "app/frm_main.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "app/board_panel.h"
#include "app/coach_panel.h"
#include "app/game_button.h"
#include "app/game_look.h"
#include "app/game_panel_layout.h"
#include "app/layout_chooser.h"
#include "common/text_file.h"
#include "common/texts.h"
#include "common/version.h"
#include "frame/click_label.h"
#include "frame/image_control.h"
#include "frame_model/help_texts.h"
#include "media/game_audio.h"
#include "media/music_check_box.h"
#include "platform/built_in_picture.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"
#include "platform/shell_open.h"
#include "play/selection.h"
#include "setup/layout_catalogue.h"
#include "setup/startup_settings.h"
#include "xpbutton/platform_codes.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

namespace {

// The hover hints of the pieces: the characters carved on pieces 1..6, and
// the four soldiers.
constexpr const char* kPieceHints[kPieceCount] = {"曹操", "关羽", "张飞", "赵云", "马超",
                                                  "黄忠", "兵1",  "兵2",  "兵3",  "兵4"};

QString withoutTrailingSlash(QString path) {
    while (path.size() > 1 && (path.endsWith('/') || path.endsWith('\\'))) path.chop(1);
    return path;
}

QLabel* makeLabel(QWidget* parent, const layout::TwipsRect& at, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(layout::pixels(at));
    label->setMinimumWidth(twipsToPixels(at.width));
    label->adjustSize();
    return label;
}

// A label grows with its text, like an auto-sized label, from its left edge.
void setLabelText(QLabel* label, const QString& text) {
    if (label->text() == text) return;
    label->setText(text);
    label->adjustSize();
}

}  // namespace

frmMain::frmMain(const QString& appPath, QWidget* parent)
    : frmMain(portablePaths(pathFromUtf8(
                  withoutTrailingSlash(appPath.isEmpty() ? QCoreApplication::applicationDirPath()
                                                         : appPath)
                      .toStdString())),
              parent) {}

frmMain::frmMain(const GamePaths& paths, QWidget* parent)
    : QWidget(parent),
      m_appPathText(withoutTrailingSlash(pathToQString(paths.appPath))),
      m_session(new GameSession(*this, paths, this)),
      m_settings(toQString(texts::kAppTitle), QString::fromLatin1(settings_keys::kSection)) {
    setObjectName("frmMain");
    // The window draws its own frame, title bar and caption buttons.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowIcon(m_pictures.windowIcon());
    buildControls();
    buildHelpIcons();
    buildPieces();
    buildFrame();
    buildPanels();
    m_audio = std::make_unique<GameAudio>(m_appPathText);
    m_audio->attach(m_Check1, m_Check2);
}

frmMain::~frmMain() {
    if (m_audio) m_audio->shutDown();
    // The game panel and every control on it go while the session and the
    // coach still stand: a piece losing the focus as it goes still reaches
    // them.
    delete m_Picture1;
}

void frmMain::buildControls() {
    // Under the painted frame, should any of it be missing.
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::Window, QColor(64, 20, 10));
    setPalette(framePalette);

    m_Picture1 = new BoardPanel(this);
    m_Picture1->setObjectName("Picture1");
    m_Picture1->setBackground(&m_pictures.board());
    connect(m_Picture1, &BoardPanel::MouseDown, this, &frmMain::Picture1_MouseDown);
    connect(m_Picture1, &BoardPanel::MouseMove, this, &frmMain::Picture1_MouseMove);

    struct LabelPlacement {
        layout::TwipsRect at;
        const char* text;
    };
    const LabelPlacement placements[7] = {{layout::kLabel1, "当前阵型："},
                                          {layout::kLabel2, "最佳步数记录："},
                                          {layout::kLabel3, "记录创造者："},
                                          {layout::kLabel4, "当前的步数："},
                                          {layout::kLabel5, "无记录"},
                                          {layout::kLabel6, "无记录"},
                                          {layout::kLabel7, "0"}};
    for (int i = 0; i < 7; ++i) {
        m_labels[static_cast<size_t>(i)] =
            makeLabel(m_Picture1, placements[i].at, QString::fromUtf8(placements[i].text));
        m_labels[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    }
    look::setTextColor(Label(5), QColor(255, 0, 0));
    look::setTextColor(Label(7), QColor(0, 0, 255));

    auto* chooser = new LayoutChooser(m_Picture1);
    m_Combo1 = chooser;
    m_Combo1->setObjectName("Combo1");
    m_Combo1->setGeometry(layout::pixels(layout::kCombo1));
    m_Combo1->setEditText("Combo1");
    // Picking an entry, also the one already selected, sets its layout up.
    connect(chooser, &LayoutChooser::Picked, this, [this] { Combo1_Click(); });

    m_XPButton1 = makeGameButton(m_Picture1, "XPButton1");
    m_XPButton1->setGeometry(layout::pixels(layout::kXPButton1));
    m_XPButton1->setPictureAlign(0);
    m_XPButton1->setPicture(m_pictures.undoIcon());
    m_XPButton1->setCaption(QStringLiteral("撤消一步"));
    connect(m_XPButton1, &XPButton::Click, this, &frmMain::XPButton1_Click);

    m_Check2 = new QCheckBox(QStringLiteral("游戏音效"), m_Picture1);
    m_Check2->setObjectName("Check2");
    m_Check2->setToolTip(QStringLiteral("游戏音效开关"));
    m_Check2->setGeometry(layout::pixels(layout::kCheck2));
    m_Check1 = new MusicCheckBox(m_Picture1);
    m_Check1->setObjectName("Check1");
    m_Check1->setText(QStringLiteral("背景音乐"));
    m_Check1->setToolTip(QStringLiteral("背景音乐开关"));
    m_Check1->setGeometry(layout::pixels(layout::kCheck1));

    m_LbBR = new ClickLabel(QStringLiteral("Quellan 制作组 出品"), this);
    m_LbBR->setObjectName("LbBR");
    look::setTextColor(m_LbBR, QColor(255, 255, 255));
    m_LbBR->setCursor(m_pictures.handCursor());
    connect(m_LbBR, &ClickLabel::Click, this, &frmMain::LbBR_Click);
}

void frmMain::buildPieces() {
    for (int i = 1; i <= kPieceCount; ++i) {
        auto* piece = makeGameButton(m_Picture1, QStringLiteral("QZ%1").arg(i));
        piece->setMode(0);
        piece->setValue(false);
        piece->setPictureAlign(4);
        piece->setPictureSize(4);
        piece->setGradientColor(0);
        piece->setMousePointer(xp::kPointerCustom);
        piece->setMouseIcon(m_pictures.handCursorPicture(), m_pictures.handHotSpot());
        piece->setToolTip(QString::fromUtf8(kPieceHints[i - 1]));
        connect(piece, &XPButton::GotFocus, this, [this, i] { QZ_GotFocus(i); });
        connect(piece, &XPButton::LostFocus, this, [this, i] { QZ_LostFocus(i); });
        m_QZ[static_cast<size_t>(i - 1)] = piece;
    }
    showPieces();
}

std::string frmMain::readSettings() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenPixels = screen ? screen->geometry().size() : QSize(1024, 768);
    const int centredX = centredPosition(pixelsToTwips(screenPixels.width()), layout::kWindowWidth);
    const int centredY =
        centredPosition(pixelsToTwips(screenPixels.height()), layout::kWindowHeight);
    StartupSettings s = readStartupSettings(
        [this](const char* key, const std::string& fallback) {
            return m_settings.bytes(QString::fromLatin1(key), fallback);
        },
        centredX, centredY);
    m_formX = s.formX;
    m_formY = s.formY;
    // Both options go off first, then to their saved values; setting the
    // music option runs its handler, which schedules the first track.
    m_Check1->setValue(0);
    m_Check2->setChecked(false);
    m_Check1->setValue(s.check1);
    m_Check2->setChecked(s.check2 == 1);
    return s.currentMap;
}

bool frmMain::Form_Load() {
    m_helpFile.setHelpFile(m_appPathText + toQString(frame::kHelpFile));
    createPlayerFolders(m_session->paths());  // a failure only costs what would be saved there

    setFixedSize(twipsToPixels(layout::kWindowWidth), twipsToPixels(layout::kWindowHeight));
    m_Picture1->setGeometry(layout::pixels(layout::kPicture1));
    const std::string remembered = readSettings();

    const std::vector<std::string>& names = m_session->listLayouts();
    if (names.empty()) {
        showMessageBox(this, QStringLiteral("没有找到阵型文件！请重新下载安装本程序。"),
                       MessageIcon::Stop,
                       toQString(texts::kAppTitle) + QStringLiteral(" - 文件错误"));
        openInShell(toQString(frame::kProductPage));
        return false;
    }
    for (const std::string& name : names) appendToChooser(name);
    m_Combo1->setCurrentIndex(initialSelection(names, remembered));
    Combo1_Click();

    setWindowTitle(toQString(texts::kAppTitle) + " " + toQString(version::kText));
    m_LbBR->setToolTip(toQString(frame::kNoticeTip));
    m_LbBR->adjustSize();
    m_loaded = true;
    // The window stands at its place before it is first shown, so that a
    // window manager maps it there and knows where it is from the start;
    // showing it then lays the frame out and moves it to FormX, FormY.
    moveToFormPosition();
    show();
    // Once the window waits for input, the board is packed in the background
    // and the frame's skin here, and the picture files are let go.
    QTimer::singleShot(0, this, [this] {
        m_pictures.board().pack();
        m_framePictures.packSkin();
        releasePictureFilePages();
    });
    return true;
}

void frmMain::Form_Unload() {
    if (m_unloaded || !m_loaded) return;
    m_unloaded = true;
    m_coach->stop();  // a playback paused under the close question ends here
    using namespace settings_keys;
    m_settings.setValue(kFormX, QString::number(pixelsToTwips(x())));
    m_settings.setValue(kFormY, QString::number(pixelsToTwips(y())));
    m_settings.setBytes(kMapFileName, m_session->game().currentMap);
    m_settings.setValue(kCheck1, QString::number(m_Check1->value()));
    m_settings.setValue(kCheck2, QString::number(m_Check2->isChecked() ? 1 : 0));
    m_settings.sync();
    m_audio->shutDown();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::Combo1_Click() { m_session->setUpLayout(m_Combo1->currentIndex()); }

void frmMain::appendToChooser(const std::string& name) {
    m_Combo1->addItem(toQString(layoutDisplayName(name)), QByteArray::fromStdString(name));
}

void frmMain::XPButton1_Click() {
    if (m_session->stopCoach()) return;  // the press only stops the coach
    m_session->undo();
}

void frmMain::QZ_GotFocus(int index) { m_session->select(index); }

void frmMain::QZ_LostFocus(int) { m_session->deselect(); }

void frmMain::Picture1_MouseDown(int button, int, float x, float y) {
    // Any press on the board stops a demonstration or a replay, and only that.
    if (m_session->stopCoach()) return;
    switch (classifyBoardPress(button, x, y)) {
        case BoardPress::Ignored:
            return;
        case BoardPress::DragWindow:
            m_Picture1->startWindowDrag();
            return;
        case BoardPress::Move:
            m_session->press(x, y);
            return;
    }
}

void frmMain::Picture1_MouseMove(int, int, float x, float y) {
    if (isOnBoard(x, y)) {
        m_Picture1->setCursor(m_pictures.handCursor());
    } else {
        m_Picture1->setCursor(Qt::ArrowCursor);
    }
}

void frmMain::showState() {
    showPieces();
    showLabels();
}

void frmMain::showPieces() { showBoard(m_session->game().board); }

void frmMain::showBoard(const Board& board) {
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& p = board.piece(i);
        XPButton* w = QZ(i);
        const QRect r(twipsToPixels(p.left), twipsToPixels(p.top), twipsToPixels(p.width),
                      twipsToPixels(p.height));
        if (w->geometry() != r) w->setGeometry(r);
        QPixmap picture = m_pictures.piece(p.picture);
        if (w->Picture().cacheKey() != picture.cacheKey()) w->setPicture(picture);
        w->setVisible(p.visible);
    }
}

void frmMain::showLabels() {
    const GameState& game = m_session->game();
    setLabelText(Label(5), QString::fromStdString(game.labels.bestSteps));
    setLabelText(Label(6), QString::fromStdString(game.labels.holder));
    Label(6)->setToolTip(QString::fromStdString(game.labels.holderTip));
    if (const auto& replayed = m_session->replayed())
        setLabelText(Label(7), QString::number(replayed->step));
    else if (const auto steps = stepLabelText(game))
        setLabelText(Label(7), toQString(*steps));
}

void frmMain::playEffect(std::string_view literal) { m_audio->PlayEffect(literal); }

int frmMain::musicOption() const { return m_Check1->value(); }

void frmMain::setMusicOption(int value) { m_Check1->setValue(value); }

void frmMain::showMessage(std::string_view text, MessageIcon icon, std::string_view caption) {
    showState();  // the box shows over the board as the rules have left it
    showMessageBox(this, toQString(text), icon, toQString(caption));
}

std::string frmMain::askText(std::string_view prompt, std::string_view title) {
    showState();
    QString shown = toQString(prompt);
    shown.replace("\r\n", "\n");
    return askTextBox(this, shown, toQString(title)).toStdString();
}

}  // namespace quellan
