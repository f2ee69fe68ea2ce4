#pragma once
// The real player on an X display, seen from outside as a user sees it: its
// window found by process id, clicked with xdotool, read from screenshots
// taken with xwd, closed with the close request a window manager sends.

#include "x_server.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace vorn::x11 {

// The design's unit: 15 twips to a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

class PlayerWindow {
public:
    // Starts the player in a process group of its own.
    // `unset`: variables of the server's environment the player does not get.
    PlayerWindow(const XServer& server, const QStringList& arguments,
                 const QStringList& unset = {});
    // Kills whatever is left of the group.
    ~PlayerWindow() { killHard(); }
    PlayerWindow(const PlayerWindow&) = delete;
    PlayerWindow& operator=(const PlayerWindow&) = delete;

    // Waits until the player's window is on screen and takes its geometry.
    bool waitForWindow(milliseconds limit);
    // Waits until the player shows a window of any size (a dialog before the
    // test window) and gives it the keyboard; its id, or empty.
    QString waitForDialog(milliseconds limit);
    // Waits until the player shows a window beside the one waitForWindow
    // found (a question over the test), its title holding `titlePart`, and
    // gives it the keyboard; true when it did.
    bool waitForQuestion(milliseconds limit, const QString& titlePart = {});
    // Waits until only the test window is left.
    bool waitForQuestionGone(milliseconds limit);
    // Keys to whatever has the keyboard, as xdotool names them.
    bool key(const QString& keys);
    // Ends the player at once, as a power cut would: SIGKILL to its group.
    void killHard();
    // The title of the window found by waitForWindow.
    QString title() const;
    // What went wrong, with what the player said on standard error.
    QString error();

    // The client area on screen: the bottom of the window, below the menu bar.
    QRect clientArea() const { return client_; }
    // A click at a point of the client area given in twips.
    bool click(QPoint twips);
    // The client area as it is on screen now; null on failure.
    QImage screenshot();

    bool requestClose();
    // The exit status once the player has ended, or -1 (still running after
    // `limit`, or killed).
    int waitForExit(milliseconds limit);
    // Whether any process of the player's group is still there a moment later.
    bool anyProcessLeft() const;

private:
    const XServer& server_;
    QProcess player_;
    qint64 group_ = 0;
    QString window_;
    QRect client_;
    QString error_;
};

} // namespace vorn::x11
