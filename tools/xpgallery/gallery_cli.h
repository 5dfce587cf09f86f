#pragma once
// The gallery's command line:
//   xpgallery                          the window
//   xpgallery --sheet OUT.png [--plain] [--design]
//   xpgallery --render OUT.png --size WxH [--state S[,S...]] [Name=Value ...]
//   xpgallery --mask OUT.png --size WxH [Name=Value ...]
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace quellan::gallery {

struct Command {
    enum class Mode { Window, Sheet, Render, Mask, Help };
    Mode mode = Mode::Window;
    QString output;
    QSize size;
    unsigned states = 0;
    bool plain = false;       // the sheet without captions and labels
    bool design = false;      // the sheet at design time
    QStringList assignments;  // "Name=Value", applied in order
};

// Parses the arguments after the program name; false with a message for
// people in error.
bool parseCommand(const QStringList& arguments, Command& command, QString& error);

QString usage();

// One widget of the command's size, dressed by its assignments and put
// into its states: its surface (Render) or its window region as black and
// white (Mask). A null image and a message in error on failure.
QImage renderWidget(const Command& command, QString& error);

// Whether a command needs a display (only the window does).
inline bool needsDisplay(const Command& command) { return command.mode == Command::Mode::Window; }

}  // namespace quellan::gallery
