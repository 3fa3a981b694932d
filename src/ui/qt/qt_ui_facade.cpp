#include "ui/qt/qt_ui_facade.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QWindow>

#include "base/gbk.h"
#include "ui/qt/control_properties.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/menu_set.h"
#include "ui/qt/qt_editor_view.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/sound_player.h"
#include "ui/qt/status_parts.h"
#include "ui/qt/text_printer.h"
#include "ui/qt/virtual_key.h"
#include "ui/qt/window_dragger.h"
#include "ui/qt/window_shortcuts.h"
#include "ui/qt/x11_hotkey_filter.h"

// Outside any namespace, as Qt's resource macro requires; a static library's resources
// are otherwise left out by the linker.
static void InitKalamoResources() {
    Q_INIT_RESOURCE(resources);
}

namespace kalamo {
namespace {

QString ArgumentOf(const std::string& bytes) {
    // Arguments are native paths; a GBK text among them is decoded as such.
    return IsValidUtf8(bytes) ? QStringFromNative(bytes) : QStringFromGbk(bytes);
}

}  // namespace

QtUiFacade::QtUiFacade() {
    InitKalamoResources();
    menus_ = std::make_unique<MenuSet>(MainMenus(), kMainWindow, relay_);
    main_ = std::make_unique<MainWindowWidget>(relay_);
    windows_[kMainWindow] = main_.get();
    shortcuts_ = new WindowShortcuts(*main_, *menus_, kMainWindow,
                                     MainWindowWidget::HotkeyReceiverName(), relay_);
    main_->controlEvents().setShortcutTest(
        [this](const QKeyEvent& key) { return shortcuts_->takes(key); });
    // A system-wide key must not reach the logic behind a modal window or message box: it
    // could end writing while a save waits for its password.
    hotkeys_ = std::make_unique<X11HotkeyFilter>([this](int id) {
        if (QApplication::activeModalWidget()) return;
        UiEvent e(kMainWindow, MainWindowWidget::HotkeyReceiverName(), EventKind::Hotkey);
        e.hotkeyId = id;
        relay_.send(e);
    });
    for (const WindowSpec* spec : OtherWindowLayouts()) addWindow(*spec);
}

QtUiFacade::~QtUiFacade() = default;

QtEditorView& QtUiFacade::editor() const {
    return main_->editor();
}

void QtUiFacade::addWindow(const WindowSpec& spec) {
    if (windows_.count(spec.name)) return;
    others_.push_back(std::make_unique<LayoutWindow>(spec, relay_));
    windows_[spec.name] = others_.back().get();
}

void QtUiFacade::setPresenter(MessagePresenter* presenter) {
    presenter_ = presenter ? presenter : &realPresenter_;
}

LayoutWindow* QtUiFacade::window(const std::string& name) const {
    auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second;
}

// "window.control" names a control of another window; window captions may hold dots
// themselves, so the longest known window name wins.
QtUiFacade::Target QtUiFacade::resolve(const std::string& name) const {
    Target found{main_.get(), name};
    std::size_t longest = 0;
    for (const auto& [windowName, w] : windows_) {
        if (w == main_.get() || windowName.size() <= longest) continue;
        if (name.size() > windowName.size() &&
            name.compare(0, windowName.size(), windowName) == 0 && name[windowName.size()] == '.') {
            found = {w, name.substr(windowName.size() + 1)};
            longest = windowName.size();
        }
    }
    return found;
}

MessageAnswer QtUiFacade::showMessage(const MessageBoxSpec& box) {
    return presenter_->ask(box);
}

std::optional<std::string> QtUiFacade::openFileDialog(const FileDialogSpec& spec) {
    return presenter_->chooseFile(spec, false);
}

std::optional<std::string> QtUiFacade::saveFileDialog(const FileDialogSpec& spec) {
    return presenter_->chooseFile(spec, true);
}

std::string QtUiFacade::text(const std::string& control) const {
    const Target t = resolve(control);
    return t.window->text(t.control);
}

void QtUiFacade::setText(const std::string& control, const std::string& text) {
    const Target t = resolve(control);
    t.window->setText(t.control, text);
}

bool QtUiFacade::isVisible(const std::string& control) const {
    const Target t = resolve(control);
    return t.window->isControlVisible(t.control);
}

void QtUiFacade::setVisible(const std::string& control, bool visible) {
    const Target t = resolve(control);
    t.window->setControlVisible(t.control, visible);
}

bool QtUiFacade::isEnabled(const std::string& control) const {
    const Target t = resolve(control);
    return t.window->isControlEnabled(t.control);
}

void QtUiFacade::setEnabled(const std::string& control, bool enabled) {
    const Target t = resolve(control);
    t.window->setControlEnabled(t.control, enabled);
}

bool QtUiFacade::isChecked(const std::string& control) const {
    const Target t = resolve(control);
    const ControlSpec* spec = t.window->controlSpec(t.control);
    QWidget* w = t.window->widget(t.control);
    return spec && w && ControlChecked(*w, spec->kind);
}

void QtUiFacade::setChecked(const std::string& control, bool checked) {
    const Target t = resolve(control);
    const ControlSpec* spec = t.window->controlSpec(t.control);
    if (QWidget* w = t.window->widget(t.control); spec && w)
        SetControlChecked(*w, spec->kind, checked);
}

int QtUiFacade::listIndex(const std::string& control) const {
    const Target t = resolve(control);
    const ControlSpec* spec = t.window->controlSpec(t.control);
    QWidget* w = t.window->widget(t.control);
    return spec && w ? ControlListIndex(*w, spec->kind) : -1;
}

void QtUiFacade::setListIndex(const std::string& control, int index) {
    const Target t = resolve(control);
    const ControlSpec* spec = t.window->controlSpec(t.control);
    if (QWidget* w = t.window->widget(t.control); spec && w)
        SetControlListIndex(*w, spec->kind, index);
}

Colour QtUiFacade::pickerColour(const std::string& control) const {
    const Target t = resolve(control);
    return t.window->pickerColour(t.control);
}

void QtUiFacade::setPickerColour(const std::string& control, Colour colour) {
    const Target t = resolve(control);
    t.window->setPickerColour(t.control, colour);
}

Colour QtUiFacade::textColour(const std::string& control) const {
    const Target t = resolve(control);
    return t.window->textColour(t.control);
}

void QtUiFacade::setTextColour(const std::string& control, Colour colour) {
    const Target t = resolve(control);
    t.window->setTextColour(t.control, colour);
}

void QtUiFacade::setBackColour(const std::string& control, Colour colour) {
    if (control == MainWindowWidget::MenuPainterName()) return menus_->setColours(colour);
    const Target t = resolve(control);
    t.window->setBackColour(t.control, colour);
}

Rect QtUiFacade::geometry(const std::string& control) const {
    const Target t = resolve(control);
    return t.window->place(t.control);
}

void QtUiFacade::setGeometry(const std::string& control, const Rect& place) {
    const Target t = resolve(control);
    t.window->setPlace(t.control, place);
}

void QtUiFacade::focus(const std::string& control) {
    const Target t = resolve(control);
    if (QWidget* w = t.window->widget(t.control)) w->setFocus(Qt::OtherFocusReason);
}

void QtUiFacade::selectAllText(const std::string& control) {
    const Target t = resolve(control);
    if (QtEditorView* view = t.window->editorView(t.control)) return view->selectAll();
    if (auto* box = qobject_cast<QLineEdit*>(t.window->widget(t.control))) box->selectAll();
}

void QtUiFacade::selectTabPage(const std::string& tabControl, int page) {
    const Target t = resolve(tabControl);
    t.window->selectTabPage(t.control, page);
}

int QtUiFacade::selectedTabPage(const std::string& tabControl) const {
    const Target t = resolve(tabControl);
    return t.window->selectedTabPage(t.control);
}

std::string QtUiFacade::statusText(int part) const {
    StatusParts* parts = main_->statusParts();
    return parts ? parts->text(part) : std::string();
}

void QtUiFacade::setStatusText(int part, const std::string& text) {
    if (StatusParts* parts = main_->statusParts()) parts->setText(part, text);
}

int QtUiFacade::statusWidth(int part) const {
    StatusParts* parts = main_->statusParts();
    return parts ? parts->width(part) : 0;
}

void QtUiFacade::setStatusWidth(int part, int width) {
    if (StatusParts* parts = main_->statusParts()) parts->setWidth(part, width);
}

bool QtUiFacade::isMenuEnabled(const std::string& item) const {
    return menus_->isEnabled(item);
}

void QtUiFacade::setMenuEnabled(const std::string& item, bool enabled) {
    menus_->setEnabled(item, enabled);
}

bool QtUiFacade::isMenuChecked(const std::string& item) const {
    return menus_->isChecked(item);
}

void QtUiFacade::setMenuChecked(const std::string& item, bool checked) {
    menus_->setChecked(item, checked);
}

void QtUiFacade::popupMenu(const std::string& menu) {
    menus_->popup(menu, QCursor::pos());
}

// A tool window stays above the main window, so that a click into the editor does not bury
// a find window the person goes on using.
void QtUiFacade::showWindow(const std::string& name) {
    if (LayoutWindow* w = window(name)) {
        if (w != main_.get()) keepAboveMain(*w);
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void QtUiFacade::hideWindow(const std::string& name) {
    if (LayoutWindow* w = window(name)) w->hide();
}

bool QtUiFacade::isWindowVisible(const std::string& name) const {
    LayoutWindow* w = window(name);
    return w && w->isVisible();
}

// What QDialog::exec does, for a window that is not a dialog: application-modal, and a local
// event loop that sleeps in the event dispatcher until the window is hidden. The loop also
// ends when the program quits (the main window closed for good).
void QtUiFacade::runModal(const std::string& name) {
    LayoutWindow* w = window(name);
    if (!w || w == main_.get() || w->isVisible()) return;
    QEventLoop loop;
    QObject::connect(w, &LayoutWindow::hidden, &loop, &QEventLoop::quit);
    w->setWindowModality(Qt::ApplicationModal);
    keepAboveMain(*w);
    showWindow(name);
    // activateWindow does nothing while the main window, its transient parent, is active.
    if (QWindow* handle = w->windowHandle()) handle->requestActivate();
    if (w->isVisible()) loop.exec(QEventLoop::DialogExec);
    QObject::disconnect(w, &LayoutWindow::hidden, &loop, &QEventLoop::quit);
    if (w->isVisible()) w->hide();
    w->setWindowModality(Qt::NonModal);
}

// A modal window hidden behind the main window (always on top, say) would leave the program
// looking frozen: every other window stays above the main window as its transient.
void QtUiFacade::keepAboveMain(LayoutWindow& w) const {
    const bool onTop = main_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (w.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        w.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (!main_->windowHandle()) return;
    w.winId();  // makes the native window, which holds the transient parent
    if (QWindow* handle = w.windowHandle()) handle->setTransientParent(main_->windowHandle());
}

void QtUiFacade::closeWindow(const std::string& name) {
    if (LayoutWindow* w = window(name)) w->close();
}

void QtUiFacade::cancelClose(const std::string& name) {
    if (LayoutWindow* w = window(name)) w->cancelClose();
}

std::string QtUiFacade::windowCaption(const std::string& name) const {
    LayoutWindow* w = window(name);
    return w ? GbkFromQString(w->windowTitle()) : std::string();
}

void QtUiFacade::setWindowCaption(const std::string& name, const std::string& caption) {
    if (LayoutWindow* w = window(name)) w->setWindowTitle(QStringFromGbk(caption));
}

Size QtUiFacade::windowSize(const std::string& name) const {
    LayoutWindow* w = window(name);
    return w ? Size{w->width(), w->height()} : Size{};
}

void QtUiFacade::resizeWindow(const std::string& name, const Size& size) {
    if (LayoutWindow* w = window(name)) {
        w->resize(size.width, size.height);
        w->reportPlace();
    }
}

Rect QtUiFacade::windowGeometry(const std::string& name) const {
    LayoutWindow* w = window(name);
    return w ? Rect{w->x(), w->y(), w->width(), w->height()} : Rect{};
}

void QtUiFacade::moveWindow(const std::string& name, int x, int y) {
    if (LayoutWindow* w = window(name)) {
        w->move(x, y);
        w->reportPlace();
    }
}

WindowState QtUiFacade::windowState(const std::string& name) const {
    LayoutWindow* w = window(name);
    if (!w) return WindowState::Normal;
    if (w->isMinimized()) return WindowState::Minimised;
    if (w->isMaximized()) return WindowState::Maximised;
    return WindowState::Normal;
}

void QtUiFacade::setWindowState(const std::string& name, WindowState state) {
    LayoutWindow* w = window(name);
    if (!w) return;
    Qt::WindowStates states = w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == WindowState::Minimised) states |= Qt::WindowMinimized;
    if (state == WindowState::Maximised) states |= Qt::WindowMaximized;
    w->setWindowState(states);
}

void QtUiFacade::centreWindow(const std::string& name) {
    LayoutWindow* w = window(name);
    if (!w) return;
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    w->reportPlace();
}

Rect QtUiFacade::screenArea(const std::string& name) const {
    LayoutWindow* w = window(name);
    QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

bool QtUiFacade::isAlwaysOnTop(const std::string& name) const {
    LayoutWindow* w = window(name);
    return w && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// QWidget::setWindowFlags would hide the window; the native window takes the new flag as it
// stands, keeping its visibility, opacity and background.
void QtUiFacade::setAlwaysOnTop(const std::string& name, bool onTop) {
    LayoutWindow* w = window(name);
    if (!w) return;
    Qt::WindowFlags flags = w->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (flags == w->windowFlags()) return;
    if (QWindow* handle = w->windowHandle()) {
        w->overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        w->setWindowFlags(flags);
    }
}

int QtUiFacade::windowOpacity(const std::string& name) const {
    auto it = opacity_.find(window(name));
    return it == opacity_.end() ? 255 : it->second;
}

void QtUiFacade::setWindowOpacity(const std::string& name, int alpha) {
    LayoutWindow* w = window(name);
    if (!w) return;
    alpha = std::clamp(alpha, 0, 255);
    opacity_[w] = alpha;
    w->setWindowOpacity(alpha / 255.0);
}

Colour QtUiFacade::windowBackground(const std::string& name) const {
    LayoutWindow* w = window(name);
    return w ? ColourOf(w->palette().color(QPalette::Window)) : 0;
}

void QtUiFacade::setWindowBackground(const std::string& name, Colour colour) {
    LayoutWindow* w = window(name);
    if (!w) return;
    // Texts that no one has given a colour of their own stay readable on the new ground.
    const QColor ground = QColorOf(colour);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, ground);
    palette.setColor(QPalette::WindowText, ground.lightnessF() < 0.5 ? Qt::white : Qt::black);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

WindowDragger& QtUiFacade::dragger(LayoutWindow& w) {
    WindowDragger*& d = draggers_[&w];
    if (!d) d = new WindowDragger(w);
    return *d;
}

void QtUiFacade::beginSystemMove(const std::string& name) {
    if (LayoutWindow* w = window(name)) dragger(*w).beginMove();
}

void QtUiFacade::beginSystemResize(const std::string& name, ResizeEdge edge) {
    if (LayoutWindow* w = window(name)) dragger(*w).beginResize(edge);
}

int QtUiFacade::timerPeriod(const std::string& timer) const {
    const Target t = resolve(timer);
    return t.window->timerPeriod(t.control);
}

void QtUiFacade::setTimerPeriod(const std::string& timer, int milliseconds) {
    const Target t = resolve(timer);
    t.window->setTimerPeriod(t.control, milliseconds);
}

void QtUiFacade::sendTray(int reason) const {
    switch (static_cast<QSystemTrayIcon::ActivationReason>(reason)) {
        case QSystemTrayIcon::Trigger:
            relay_.send({kMainWindow, {}, EventKind::TrayLeftClick});
            break;
        case QSystemTrayIcon::Context:
            relay_.send({kMainWindow, {}, EventKind::TrayRightClick});
            break;
        case QSystemTrayIcon::DoubleClick:
            relay_.send({kMainWindow, {}, EventKind::TrayDoubleClick});
            break;
        default:
            break;
    }
}

// Without a system tray there is no icon, and nothing to report.
void QtUiFacade::setTrayIcon(const std::string& tip) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    if (!tray_) {
        tray_ = std::make_unique<QSystemTrayIcon>(QIcon(QStringLiteral(":/kalamo/kalamo.png")));
        QObject::connect(tray_.get(), &QSystemTrayIcon::activated, main_.get(),
                         [this](QSystemTrayIcon::ActivationReason reason) { sendTray(reason); });
    }
    tray_->setToolTip(QStringFromGbk(tip));
    tray_->show();
}

void QtUiFacade::removeTrayIcon() {
    tray_.reset();
}

bool QtUiFacade::hasTrayIcon() const {
    return tray_ && tray_->isVisible();
}

int QtUiFacade::registerHotkey(int virtualKey) {
    const X11HotkeyFilter::Registration r = hotkeys_->registerHotkey(virtualKey);
    const int key = QtKeyOfVirtualKey(virtualKey);
    if (!r.global && key != Qt::Key_unknown) shortcuts_->addHotkey(QKeySequence(key), r.id);
    return r.id;
}

void QtUiFacade::registerDropTarget() {
    main_->acceptDrops(MainWindowWidget::DropTargetName());
}

std::string QtUiFacade::clipboardText() const {
    return GbkLinesFromQString(QGuiApplication::clipboard()->text());
}

void QtUiFacade::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QStringFromGbkLines(text));
}

void QtUiFacade::playSound(BuiltInSound sound) {
    if (!sounds_) sounds_ = std::make_unique<SoundPlayer>();
    sounds_->play(sound);
}

int QtUiFacade::soundsRequested() const {
    return sounds_ ? sounds_->requests() : 0;
}

void QtUiFacade::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QStringFromGbk(url), QUrl::TolerantMode));
}

bool QtUiFacade::printText(const std::string& gbk) {
    return PrintWithDialog(QStringFromGbk(gbk));
}

bool QtUiFacade::startProcess(const std::string& program, const std::vector<std::string>& args) {
    QStringList arguments;
    for (const std::string& a : args) arguments << ArgumentOf(a);
    return QProcess::startDetached(QStringFromNative(program), arguments);
}

}  // namespace kalamo
