// The screens' widgets: form (a fixed-size
// window with the system-command guard and a modal run), panel, picture,
// flat speed button, label and multi-line text box. Layouts (.ui) use them as
// custom widgets; their own properties are set with stdset="0".
#pragma once

#include "platform/colours.h"
#include "platform/pictures.h"

#include <QAbstractButton>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string_view>

class QEventLoop;

namespace platform {

// System-command words of message 274.
constexpr int SC_SIZE = 0xF000;
constexpr int SC_MOVE = 0xF010;
constexpr int SC_DRAGMOVE = 0xF012;
constexpr int SC_MINIMIZE = 0xF020;
constexpr int SC_MAXIMIZE = 0xF030;
constexpr int SC_CLOSE = 0xF060;
constexpr int SC_RESTORE = 0xF120;

// clMoneyGreen and the other class-library colours the layouts name.
inline const QColor clMoneyGreen = QColor::fromRgb(kMoneyGreen);
inline const QColor clTeal = QColor::fromRgb(kTeal);
inline const QColor clFuchsia = QColor::fromRgb(kFuchsia);

// The window flags of every screen: a title bar with the caption and no
// system menu, minimise, maximise or close button.
inline constexpr Qt::WindowFlags kScreenFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// The Motif window-manager hints every screen carries on X11 (flags,
// functions, decorations, input mode, status): border and title only, and
// no move, resize, minimise, maximise or close function, so window managers
// draw a title bar without buttons and keep the window where it is.
std::array<uint32_t, 5> screenMotifHints();

// The window type a screen declares under the named window manager (its
// _NET_WM_NAME) for a title bar with the fewest buttons there; null keeps
// the normal type.
const char* screenWindowType(std::string_view windowManager);

// A screen: a top-level window of a fixed outer size, centred, without
// title-bar buttons, that the window manager can neither move nor resize.
class TForm : public QWidget {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);

    // The window's outer size with its frame (800 by 600); the widget's own
    // size is the client area inside it.
    void setOuterSize(int width, int height);
    static QSize clientSizeFor(int outerWidth, int outerHeight);
    void setStayOnTop(bool onTop);

    // Shows the screen and runs a nested event loop until it closes.
    int ShowModal();
    // Ends a modal run (or hides a modeless screen).
    void Close();
    bool isModalRunning() const { return modalLoop_ != nullptr; }
    // The maximised window state; the fixed size stays in force.
    void SetWindowStateMaximized();

    // Delivers a system command (message 274) to WMSysCommand.
    void sendSysCommand(int command);

protected:
    // The screen's handler of system commands; by default carried out.
    virtual void WMSysCommand(int& command);
    // What the window does with a system command: minimise, maximise,
    // restore, close.
    void DefaultSysCommand(int command);
    // Run when the screen closes (Action caFree: the launcher frees it).
    virtual void FormClose() {}
    // Run when the screen is shown.
    virtual void FormShow() {}

    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void centre();
    // Writes screenMotifHints() and screenWindowType() on the X11 window
    // (before it is mapped).
    void applyTitleBarHints();

    QEventLoop* modalLoop_ = nullptr;
    bool closing_ = false;
    bool inSystemClose_ = false;  // handling the window system's close event
    QPoint placed_;
    bool placedValid_ = false;
};

// TPanel: a flat area of one colour.
class TPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
public:
    explicit TPanel(QWidget* parent = nullptr);
    QColor color() const { return color_; }
    void setColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_ = clMoneyGreen;
};

// TImage: shows a picture stretched, centred or at its top-left corner, with
// an optional transparent colour (the bottom-left pixel's); plays the frames
// of an animated GIF by itself; reports clicks.
class TImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool center READ center WRITE setCenter)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(QString picture READ pictureName WRITE setPictureName)
public:
    explicit TImage(QWidget* parent = nullptr);

    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    bool center() const { return center_; }
    void setCenter(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    // A picture stored with the layout, by resource name; a missing one
    // leaves the image empty (a broken layout must not stop the screen).
    QString pictureName() const { return pictureName_; }
    void setPictureName(const QString& name);

    void setPicture(const Picture& picture);
    void clearPicture();
    const Picture& picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }
    int currentFrame() const { return frame_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void rebuildShown();
    void nextFrame();

    Picture picture_;
    std::vector<QImage> shown_;  // frames with the transparent colour applied
    QString pictureName_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool pressed_ = false;
    int frame_ = 0;
    QTimer animation_;
};

// TSpeedButton: a flat button without a frame, transparent over the picture
// beneath it, with a caption and the hand cursor; disabled it takes no click
// and draws its caption greyed. A halo colour, where one is set, rims the
// caption's strokes so that it reads on any picture beneath.
class TSpeedButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(QColor haloColor READ haloColor WRITE setHaloColor)
    Q_PROPERTY(int pixelSize READ pixelSize WRITE setPixelSize)
public:
    // How far the halo reaches beyond the strokes, in pixels.
    static constexpr int kHaloWidth = 2;

    explicit TSpeedButton(QWidget* parent = nullptr);
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& c);
    // Invalid (the default): no halo.
    QColor haloColor() const { return haloColor_; }
    void setHaloColor(const QColor& c);
    int pixelSize() const { return font().pixelSize(); }
    void setPixelSize(int px);
    // TSpeedButton.Click: what a kid's click does (nothing when disabled).
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor textColor_ = Qt::black;
    QColor haloColor_;
};

// TLabel: transparent, centred and word-wrapped text; disabled draws greyed.
class TLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(int pixelSize READ pixelSize WRITE setPixelSize)
public:
    explicit TLabel(QWidget* parent = nullptr);
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& c);
    int pixelSize() const { return font().pixelSize(); }
    void setPixelSize(int px);

private:
    QColor textColor_ = Qt::black;
};

// TMemo: a multi-line, read-only text box.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(int pixelSize READ pixelSize WRITE setPixelSize)
public:
    explicit TMemo(QWidget* parent = nullptr);
    int pixelSize() const { return font().pixelSize(); }
    void setPixelSize(int px);
};

// Maps the fonts the layouts name ("宋体", "隶书", "Microsoft JhengHei UI" and its vertical face)
// to installed CJK fonts.
void installFontSubstitutions();
// Has the font configuration read on a thread of its own while the
// application object connects to the display; the first text drawn then
// finds it ready. Call it first thing.
void prepareFontsInBackground();
// Once the application object exists: has the font database listed, and
// each family's fallback fonts for Chinese, Latin, digits and punctuation
// looked up, on a thread of their own while the first window is built. Both
// are kept for the whole program, so the first text is measured and drawn
// sooner (the font engines themselves belong to the thread that loads them).
void prepareTextInBackground(const QStringList& families);

}  // namespace platform
