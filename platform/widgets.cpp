#include "platform/widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <fontconfig/fontconfig.h>

#include <thread>
#if QH_HAVE_XCB
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>
#endif

namespace platform {

// --- TForm -------------------------------------------------------------------

std::array<uint32_t, 5> screenMotifHints()
{
    constexpr uint32_t hintsFunctions = 1u << 0, hintsDecorations = 1u << 1;
    constexpr uint32_t decorBorder = 1u << 1, decorTitle = 1u << 3;
    // No functions at all: the window manager neither moves, resizes,
    // minimises, maximises nor closes the window by itself (a close request
    // still reaches the window where the window manager sends one).
    return {hintsFunctions | hintsDecorations, 0, decorBorder | decorTitle, 0, 0};
}

const char* screenWindowType(std::string_view windowManager)
{
    // Openbox draws minimise and maximise for every normal window whatever
    // the Motif hints say, and a close button for every window with a title
    // bar; only a toolbar keeps its title bar with the close button alone.
    return windowManager == "Openbox" ? "_NET_WM_WINDOW_TYPE_TOOLBAR" : nullptr;
}

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowFlags(kScreenFlags);
    setOuterSize(800, 600);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QSize TForm::clientSizeFor(int outerWidth, int outerHeight)
{
    // The border and title bar of a standard sizable window: an 800 by 600
    // window has a client area of 784 by 562.
    return {outerWidth - 16, outerHeight - 38};
}

void TForm::setOuterSize(int width, int height)
{
    setFixedSize(clientSizeFor(width, height));
}

void TForm::setStayOnTop(bool onTop)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

void TForm::centre()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = size() + QSize(16, 38);
    placed_ = area.topLeft() + QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
    placed_ = QPoint(std::max(placed_.x(), area.left()), std::max(placed_.y(), area.top()));
    placedValid_ = true;
    move(placed_);
}

void TForm::showEvent(QShowEvent* event)
{
    if (!placedValid_)
        centre();
    applyTitleBarHints();
    QWidget::showEvent(event);
}

#if QH_HAVE_XCB
namespace {

xcb_atom_t internAtom(xcb_connection_t* c, std::string_view name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The value of a window's property, empty when it has none.
QByteArray propertyOf(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 256), nullptr);
    QByteArray value;
    if (reply)
        value =
            QByteArray(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    std::free(reply);
    return value;
}

// The running window manager's own name (empty without one).
std::string windowManagerName(xcb_connection_t* c)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const QByteArray check = propertyOf(c, root, internAtom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (check.size() != sizeof(xcb_window_t))
        return {};
    xcb_window_t wm = 0;
    std::memcpy(&wm, check.constData(), sizeof wm);
    return propertyOf(c, wm, internAtom(c, "_NET_WM_NAME"), internAtom(c, "UTF8_STRING")).toStdString();
}

}  // namespace
#endif

void TForm::applyTitleBarHints()
{
#if QH_HAVE_XCB
    // Written before the window is mapped: window managers read the window
    // type only then.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection() || !isWindow())
        return;
    xcb_connection_t* c = x11->connection();
    const auto window = static_cast<xcb_window_t>(winId());
    const xcb_atom_t motif = internAtom(c, "_MOTIF_WM_HINTS");
    if (motif == XCB_ATOM_NONE)
        return;
    const auto hints = screenMotifHints();
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, motif, motif, 32, static_cast<uint32_t>(hints.size()),
                        hints.data());
    if (const char* type = screenWindowType(windowManagerName(c))) {
        const xcb_atom_t value = internAtom(c, type);
        if (value != XCB_ATOM_NONE)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, internAtom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM,
                                32, 1, &value);
    }
    xcb_flush(c);
#endif
}

void TForm::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // A move by the window manager (dragging the title bar) is undone.
    if (event->spontaneous() && placedValid_ && isVisible() && pos() != placed_ && !isMaximized())
        QTimer::singleShot(0, this, [this] {
            if (placedValid_ && pos() != placed_)
                move(placed_);
        });
}

int TForm::ShowModal()
{
    setWindowModality(Qt::ApplicationModal);
    closing_ = false;
    show();
    FormShow();
    if (closing_ || !isVisible())
        return 0;
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
    return 1;
}

void TForm::Close()
{
    closing_ = true;
    // Inside the window system's own close event Qt drops a nested close();
    // that event, accepted, closes the window instead.
    if (!inSystemClose_)
        close();
}

void TForm::SetWindowStateMaximized()
{
    // The fixed size holds; the window system places the window.
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm::sendSysCommand(int command)
{
    int c = command;
    WMSysCommand(c);
}

void TForm::WMSysCommand(int& command)
{
    DefaultSysCommand(command);
}

void TForm::DefaultSysCommand(int command)
{
    switch (command & 0xFFF0) {
    case SC_MINIMIZE:
        setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        break;
    case SC_MAXIMIZE:
        SetWindowStateMaximized();
        break;
    case SC_RESTORE:
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        break;
    case SC_CLOSE:
        Close();
        break;
    default:
        break;
    }
}

void TForm::closeEvent(QCloseEvent* event)
{
    if (event->spontaneous() && !closing_) {
        // The window manager's close request (its close button, Alt+F4,
        // WM_DELETE_WINDOW at logout) arrives as the close command; when the
        // screen carries it out, this event closes the window, runs the close
        // step and ends the modal run, as a close from the back button does.
        inSystemClose_ = true;
        sendSysCommand(SC_CLOSE);
        inSystemClose_ = false;
        if (!closing_) {
            event->ignore();
            return;
        }
    }
    closing_ = false;
    event->accept();
    FormClose();
    if (modalLoop_)
        modalLoop_->quit();
}

// --- TPanel ------------------------------------------------------------------

TPanel::TPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void TPanel::setColor(const QColor& c)
{
    color_ = c;
    update();
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), color_);
}

// --- TImage ------------------------------------------------------------------

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    animation_.setSingleShot(true);
    connect(&animation_, &QTimer::timeout, this, &TImage::nextFrame);
}

void TImage::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void TImage::setCenter(bool on)
{
    center_ = on;
    update();
}

void TImage::setTransparent(bool on)
{
    transparent_ = on;
    rebuildShown();
}

void TImage::setPictureName(const QString& name)
{
    pictureName_ = name;
    try {
        setPicture(loadPictureResource(name.toStdString()));
    } catch (const std::exception&) {
        clearPicture();
    }
}

void TImage::setPicture(const Picture& picture)
{
    picture_ = picture;
    frame_ = 0;
    rebuildShown();
}

void TImage::clearPicture()
{
    picture_ = Picture{};
    frame_ = 0;
    rebuildShown();
}

void TImage::rebuildShown()
{
    animation_.stop();
    shown_.clear();
    for (const QImage& f : picture_.frames) {
        if (!transparent_ || f.isNull()) {
            shown_.push_back(f);
            continue;
        }
        QImage img = f.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = img.pixel(0, img.height() - 1) | 0xFF000000u;
        for (int y = 0; y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if ((line[x] | 0xFF000000u) == key)
                    line[x] = 0;
        }
        shown_.push_back(std::move(img));
    }
    if (shown_.size() > 1 && isVisible())
        animation_.start(picture_.delaysMs.empty() ? 100 : picture_.delaysMs[0]);
    update();
}

void TImage::nextFrame()
{
    if (shown_.size() < 2)
        return;
    frame_ = (frame_ + 1) % static_cast<int>(shown_.size());
    const size_t i = static_cast<size_t>(frame_);
    animation_.start(i < picture_.delaysMs.size() ? picture_.delaysMs[i] : 100);
    update();
}

void TImage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown_.size() > 1 && !animation_.isActive())
        animation_.start(100);
}

void TImage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    animation_.stop();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (shown_.empty())
        return;
    const QImage& img = shown_[static_cast<size_t>(std::min<int>(frame_, static_cast<int>(shown_.size()) - 1))];
    QPainter p(this);
    if (stretch_) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), img);
    } else if (center_) {
        p.drawImage(QPoint((width() - img.width()) / 2, (height() - img.height()) / 2), img);
    } else {
        p.drawImage(QPoint(0, 0), img);
    }
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed_ && event->button() == Qt::LeftButton && inside && isEnabled())
        emit clicked();
    pressed_ = false;
}

// --- TSpeedButton --------------------------------------------------------------

TSpeedButton::TSpeedButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TSpeedButton::setTextColor(const QColor& c)
{
    textColor_ = c;
    update();
}

void TSpeedButton::setHaloColor(const QColor& c)
{
    haloColor_ = c;
    update();
}

void TSpeedButton::setPixelSize(int px)
{
    QFont f = font();
    f.setPixelSize(px);
    setFont(f);
}

void TSpeedButton::Click()
{
    if (isEnabled() && isVisible())
        click();
}

void TSpeedButton::paintEvent(QPaintEvent*)
{
    if (text().isEmpty())
        return;
    QPainter p(this);
    p.setFont(font());
    QRect r = rect();
    if (isDown())
        r.translate(1, 1);
    if (isEnabled()) {
        if (haloColor_.isValid()) {
            // The caption drawn again at every offset within the halo's reach,
            // diagonals included, so that it rims every stroke alike.
            p.setPen(haloColor_);
            for (int dy = -kHaloWidth; dy <= kHaloWidth; ++dy)
                for (int dx = -kHaloWidth; dx <= kHaloWidth; ++dx)
                    p.drawText(r.translated(dx, dy), Qt::AlignCenter | Qt::TextWordWrap, text());
        }
        p.setPen(textColor_);
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text());
    } else {
        p.setPen(Qt::white);
        p.drawText(r.translated(1, 1), Qt::AlignCenter | Qt::TextWordWrap, text());
        p.setPen(QColor(128, 128, 128));
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
}

// --- TLabel ------------------------------------------------------------------

TLabel::TLabel(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setTextColor(Qt::black);
}

void TLabel::setTextColor(const QColor& c)
{
    textColor_ = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Active, QPalette::WindowText, c);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, c);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    setPalette(pal);
}

void TLabel::setPixelSize(int px)
{
    QFont f = font();
    f.setPixelSize(px);
    setFont(f);
}

// --- TMemo -------------------------------------------------------------------

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
}

void TMemo::setPixelSize(int px)
{
    QFont f = font();
    f.setPixelSize(px);
    setFont(f);
}

// --- fonts -------------------------------------------------------------------

void installFontSubstitutions()
{
    const QStringList simplified = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")};
    const QStringList traditional = {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), simplified);
    QFont::insertSubstitutions(QStringLiteral("隶书"), simplified);
    QFont::insertSubstitutions(QStringLiteral("Microsoft JhengHei UI"), traditional);
    // The vertical-writing face draws Latin text as the plain face does; the
    // pyramid's captions are all Latin words.
    QFont::insertSubstitutions(QStringLiteral("@Microsoft JhengHei UI"), traditional);
}

namespace {

// A thread of the program's start that is waited for before it goes.
struct JoinedThread {
    std::thread thread;
    void join()
    {
        if (thread.joinable())
            thread.join();
    }
    ~JoinedThread() { join(); }
};

}  // namespace

void prepareFontsInBackground()
{
    // The font configuration is the library's own process-wide state, safe
    // to set up from any thread; the window system's font database then
    // reuses it instead of parsing dozens of configuration files itself.
    static JoinedThread preparer{std::thread([] { FcInit(); })};
}

void prepareTextInBackground(const QStringList& families)
{
    static JoinedThread preparer;
    if (preparer.thread.joinable() || !QCoreApplication::instance())
        return;
    // Fonts made here from plain values share nothing with the window
    // thread's fonts; Qt locks the database and its fallback lists.
    preparer.thread = std::thread([families] {
        QFontDatabase::families();
        for (const QString& family : families)
            (void)QFontMetrics(QFont(family)).horizontalAdvance(QStringLiteral("汉字 Aa 09，·！"));
    });
    // The thread reads the application's font database: it ends before the
    // application object goes.
    qAddPostRoutine([] { preparer.join(); });
}

}  // namespace platform
