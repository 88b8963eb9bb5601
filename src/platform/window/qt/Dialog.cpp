// The dialog's window on Qt: a QDialog with the controls placed in dialog units, every input
// turned into a command, and a modal event loop of its own.
#include "platform/window/Dialog.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/window/Backend.h"
#include "platform/window/DialogLayout.h"
#include "platform/window/qt/QtIcon.h"
#include "platform/window/qt/QtKeys.h"
#include "platform/window/qt/QtMetrics.h"
#include "platform/window/qt/QtWidgets.h"

namespace platform {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An icon control without a size takes the icon's.
void ShowIcon(QLabel& label, const Icon& icon) {
    const int side = label.style()->pixelMetric(QStyle::PM_LargeIconSize);
    label.setPixmap(ToQIcon(icon).pixmap(side, side));
    if (label.width() == 0 || label.height() == 0) {
        label.resize(side, side);
    }
}

PixelRect ToPixelRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect ToQRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

// The dialogs' font is the application's; a template that names none takes the system's default
// font, which stands for the system font.
QFont FontOf(const DialogTemplate& dialog) {
    return dialog.styles & DialogSystemFont ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                                            : QApplication::font();
}

// How wide a title bar must be to show `caption` whole, estimated before the window shows: window
// managers draw it in a font of their own, often bold and a size larger than the dialog's, and
// centre it between the window's icon and its buttons. A quarter more than its bold width and
// three line heights on either side cover the common ones.
int CaptionRoom(const QFont& font, const QString& caption) {
    if (caption.isEmpty()) {
        return 0;
    }
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(caption) * 5 / 4 + 6 * metrics.height();
}

}  // namespace

// The Qt window of a running dialog: a client area with the controls at their pixel places and,
// above it, the menu bar.
class Dialog::Window : public QDialog {
  public:
    Window(Dialog& owner, QWidget* parentWidget)
        : QDialog(parentWidget), owner(owner), units(DialogUnitsOf(FontOf(*owner.dialogTemplate))) {
        setFont(FontOf(*owner.dialogTemplate));
    }

    PixelRect Map(const DialogRect& rect) const { return units.Map(rect); }

    // What screen readers are told of the window: a dialog named by its caption, or an alert named
    // by its text. Qt keeps the first interface it made for a window, so this one asks the window
    // each time; the text is a property, which lasts while the widget's destruction is announced.
    class Accessible : public QAccessibleWidget {
      public:
        explicit Accessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Dialog) {}
        QAccessible::Role role() const override {
            return Alert().isValid() ? QAccessible::AlertMessage : QAccessibleWidget::role();
        }
        QString text(QAccessible::Text kind) const override {
            return Alert().isValid() && kind == QAccessible::Name ? Alert().toString()
                                                                  : QAccessibleWidget::text(kind);
        }

      private:
        QVariant Alert() const { return object()->property(kAlertProperty); }
    };

    static constexpr const char* kAlertProperty = "alertText";

    static QAccessibleInterface* MakeAccessible(const QString& /*className*/, QObject* object) {
        auto* window = dynamic_cast<Window*>(object);
        return window == nullptr ? nullptr : new Accessible(window);
    }

    QWidget* Item(int id) const {
        const auto found = items.find(id);
        return found == items.end() ? nullptr : found->second;
    }

    // Gives the texts of the template's controls the room they need, returning the client area's
    // width: each button as wide as its text, the caption whole in the title bar within the
    // screen, and a label's text on the line of the field in its row: the label takes the
    // field's height, and both centre their text in it. The controls are found by id; those
    // without one only move with the rest.
    int FitTexts(const DialogTemplate& dialog, int clientWidth, int screenWidth) {
        std::vector<PixelRect> rects;
        std::vector<int> needed;
        for (const ControlTemplate& control : dialog.controls) {
            rects.push_back(Map(control.rect));
            const QWidget* item = Item(control.id);
            needed.push_back(qobject_cast<const QPushButton*>(item) ? item->sizeHint().width() : 0);
        }
        const int captionRoom =
            dialog.styles & DialogCaption
                ? std::min(CaptionRoom(font(), ToQString(dialog.caption)), screenWidth)
                : 0;
        const backend::TextRoom room =
            backend::GiveTextsRoom(rects, needed, clientWidth, captionRoom);
        for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            child->move(child->x() + room.shift, child->y());
        }
        for (std::size_t i = 0; i < rects.size(); ++i) {
            QWidget* item = Item(dialog.controls[i].id);
            if (item == nullptr) {
                continue;
            }
            QRect rect = item->geometry();
            rect.setWidth(std::max(rect.width(), rects[i].Width()));
            const std::optional<std::size_t> field = backend::FieldInRow(dialog.controls, i);
            if (const QWidget* fieldItem = field ? Item(dialog.controls[*field].id) : nullptr) {
                rect.setHeight(fieldItem->height());
                auto* label = static_cast<QLabel*>(item);
                label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) |
                                    Qt::AlignVCenter);
            }
            item->setGeometry(rect);
        }
        return room.clientWidth;
    }

    Dialog& owner;
    DialogUnits units;
    QWidget* client = nullptr;
    QEventLoop* loop = nullptr;
    std::map<int, QWidget*> items;
    QLabel* labelMadeLast = nullptr;
    QRect lastGeometry;

  protected:
    // Runs for the window and its focusable controls. A key that a control did not take travels
    // on to the window; the key hook has seen it already then.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool cameFromControl =
            watched == this && focusWidget() != nullptr && focusWidget() != this;
        if (event->type() == QEvent::KeyPress && !cameFromControl) {
            const auto* keyEvent = static_cast<QKeyEvent*>(event);
            if (owner.PreTranslateKey(ToKeyPress(*keyEvent))) {
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    }

    void reject() override { owner.OnCommand(CommandCancel); }

    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (!owner.ended) {
            owner.OnCommand(CommandCancel);
        }
    }

    void resizeEvent(QResizeEvent* event) override {
        QDialog::resizeEvent(event);
        FollowSizing();
        if (client != nullptr) {
            owner.OnSize(client->width(), client->height());
        }
    }

  private:
    // Qt reports a resize only after it happened: work out which edges moved, let the dialog
    // adjust the rectangle as it would during the drag, and apply what it decided.
    void FollowSizing() {
        const QRect now = geometry();
        if (!lastGeometry.isValid() || !(owner.dialogTemplate->styles & DialogSizingBorder)) {
            lastGeometry = now;
            return;
        }
        const std::optional<SizingEdge> edge =
            backend::SizingEdgeBetween(ToPixelRect(lastGeometry), ToPixelRect(now));
        lastGeometry = now;
        if (!edge) {
            return;
        }
        PixelRect proposed = ToPixelRect(now);
        owner.OnSizing(*edge, proposed);
        if (ToQRect(proposed) != now) {
            lastGeometry = ToQRect(proposed);
            setGeometry(lastGeometry);
        }
    }
};

void Dialog::WindowDeleter::operator()(Window* window) const {
    delete window;
}

void Dialog::ShowWindow() {
    window->show();
    window->lastGeometry = window->geometry();
}

void Dialog::RunEventLoop() {
    QEventLoop loop;
    window->loop = &loop;
    loop.exec(QEventLoop::DialogExec);
    window->loop = nullptr;
}

void Dialog::EndDialog(int endResult) {
    result = endResult;
    ended = true;
    if (window != nullptr) {
        window->hide();
        if (window->loop != nullptr) {
            window->loop->quit();
        }
    }
}

void Dialog::BuildWindow() {
    [[maybe_unused]] static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&Window::MakeAccessible);
        return true;
    }();
    QWidget* parentWidget = parent != nullptr ? ToWidget(parent->Handle()) : nullptr;
    window.reset(new Window(*this, parentWidget));
    Window& w = *window;
    const unsigned styles = dialogTemplate->styles;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (styles & DialogSystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    w.setWindowFlags(flags);
    w.setWindowModality(Qt::ApplicationModal);
    w.setWindowTitle(ToQString(dialogTemplate->caption));

    auto* layout = new QVBoxLayout(&w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (const MenuTemplate* menu = Resources::Menu(dialogTemplate->menuId)) {
        auto* menuBar = new QMenuBar(&w);
        for (const MenuPopup& popup : menu->popups) {
            QMenu* qmenu = menuBar->addMenu(ToQString(popup.text));
            for (const MenuItem& item : popup.items) {
                const int command = item.command;
                QAction* action = qmenu->addAction(ToQString(item.text));
                action->setData(command);
                QObject::connect(action, &QAction::triggered, &w,
                                 [this, command] { OnCommand(command); });
            }
        }
        layout->setMenuBar(menuBar);
    }
    w.client = new QWidget(&w);
    layout->addWidget(w.client);
    w.installEventFilter(&w);
    for (const ControlTemplate& control : dialogTemplate->controls) {
        CreateItem(control);
    }
    const PixelRect size = w.Map({0, 0, dialogTemplate->width, dialogTemplate->height});
    const int width =
        w.FitTexts(*dialogTemplate, size.Width(), backend::WorkAreaFor(parent).Width());
    // A sizable dialog's client area follows the window; the size it opens with is its least.
    if (styles & DialogSizingBorder) {
        w.client->setMinimumSize(width, size.Height());
    } else {
        w.client->setFixedSize(width, size.Height());
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    w.adjustSize();
}

void Dialog::CreateItem(const ControlTemplate& control) {
    if (window == nullptr) {
        return;
    }
    Window& w = *window;
    QWidget* widget = nullptr;
    QLabel* madeLabel = nullptr;
    const QString text = ToQString(control.text);
    switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(text, w.client);
            label->setWordWrap(true);
            // A sunken label is a field of one line, whose text stands in its middle.
            const bool sunken = control.styles & StyleSunken;
            label->setAlignment(
                (control.styles & StyleCentered ? Qt::AlignHCenter : Qt::AlignLeft) |
                (sunken ? Qt::AlignVCenter : Qt::AlignTop));
            if (sunken) {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            }
            widget = madeLabel = label;
            break;
        }
        case ControlKind::EtchedFrame: {
            auto* frame = new QFrame(w.client);
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
            widget = frame;
            break;
        }
        case ControlKind::IconLabel: {
            auto* label = new QLabel(w.client);
            widget = label;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(text, w.client);
            edit->setFrame(control.styles & StyleBorder);
            if (control.styles & StyleDigitsOnly) {
                edit->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[0-9]*")), edit));
            }
            // A field has no text of its own to be called by: it takes the label before it.
            if (w.labelMadeLast != nullptr) {
                w.labelMadeLast->setBuddy(edit);
            }
            widget = edit;
            break;
        }
        case ControlKind::ReadOnlyText: {
            auto* view = new QTextEdit(w.client);
            view->setFont(w.font());
            SetUpTextLayout(*view->document(), w.font());
            view->setPlainText(text);
            view->setReadOnly(true);
            view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            view->setFrameShape(QFrame::NoFrame);
            view->viewport()->setAutoFillBackground(false);
            view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            widget = view;
            break;
        }
        case ControlKind::Button:
        case ControlKind::DefaultButton: {
            auto* button = new QPushButton(text, w.client);
            button->setAutoDefault(true);
            button->setDefault(control.kind == ControlKind::DefaultButton);
            const int id = control.id;
            QObject::connect(button, &QPushButton::clicked, &w, [this, id] { OnCommand(id); });
            widget = button;
            break;
        }
    }
    w.labelMadeLast = madeLabel;
    widget->setGeometry(ToQRect(w.Map(control.rect)));
    const bool focusable =
        control.kind == ControlKind::Edit || control.kind == ControlKind::ReadOnlyText ||
        control.kind == ControlKind::Button || control.kind == ControlKind::DefaultButton;
    widget->setFocusPolicy(focusable && (control.styles & StyleTabStop) ? Qt::StrongFocus
                           : focusable                                  ? Qt::ClickFocus
                                                                        : Qt::NoFocus);
    if (focusable) {
        widget->installEventFilter(&w);
    }
    widget->show();
    if (control.id != -1) {
        w.items[control.id] = widget;
    }
    if (control.kind == ControlKind::IconLabel) {
        const Icon icon = Icon::FromResource(control.iconId);
        ShowIcon(*static_cast<QLabel*>(widget), icon);
        if (control.id != -1) {
            itemIcons[control.id] = icon;
        }
    }
    // Tab order follows the order in which the controls are made.
    QWidget* previous = nullptr;
    for (QWidget* child : w.client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() & Qt::TabFocus) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, child);
            }
            previous = child;
        }
    }
}

void Dialog::FocusFirstTabStop() {
    for (QWidget* child : window->client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if ((child->focusPolicy() & Qt::TabFocus) && child->isEnabled()) {
            child->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void Dialog::SetItemText(int id, std::string_view text) {
    QWidget* widget = ToWidget(ItemHandle(id));
    const QString value = ToQString(text);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
    } else if (auto* view = qobject_cast<QTextEdit*>(widget)) {
        view->setPlainText(value);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(value);
    }
}

std::string Dialog::ItemText(int id) const {
    QWidget* widget = ToWidget(ItemHandle(id));
    QString value;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        value = label->text();
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        value = edit->text();
    } else if (const auto* view = qobject_cast<QTextEdit*>(widget)) {
        value = view->toPlainText();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        value = button->text();
    }
    return value.toStdString();
}

void Dialog::EnableItem(int id, bool enabled) {
    if (QWidget* widget = ToWidget(ItemHandle(id))) {
        widget->setEnabled(enabled);
    }
}

bool Dialog::IsItemEnabled(int id) const {
    const QWidget* widget = ToWidget(ItemHandle(id));
    return widget != nullptr && widget->isEnabled();
}

void Dialog::FocusItem(int id) {
    if (QWidget* widget = ToWidget(ItemHandle(id))) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

int Dialog::FocusedItem() const {
    if (window == nullptr) {
        return 0;
    }
    const QWidget* focused = window->focusWidget();
    for (const auto& [id, widget] : window->items) {
        if (widget == focused) {
            return id;
        }
    }
    return 0;
}

void Dialog::SelectItemText(int id) {
    QWidget* widget = ToWidget(ItemHandle(id));
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    } else if (auto* view = qobject_cast<QTextEdit*>(widget)) {
        view->selectAll();
    }
}

std::string Dialog::SelectedItemText(int id) const {
    const QWidget* widget = ToWidget(ItemHandle(id));
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->selectedText().toStdString();
    }
    if (const auto* view = qobject_cast<const QTextEdit*>(widget)) {
        // Lines of a selection are separated by U+2029.
        return view->textCursor()
            .selectedText()
            .replace(QChar::ParagraphSeparator, u'\n')
            .toStdString();
    }
    return {};
}

void Dialog::LimitItemText(int id, int characters) {
    if (auto* edit = qobject_cast<QLineEdit*>(ToWidget(ItemHandle(id)))) {
        edit->setMaxLength(characters);
    }
}

void Dialog::SetItemIcon(int id, const Icon& icon) {
    if (auto* label = qobject_cast<QLabel*>(ToWidget(ItemHandle(id)))) {
        itemIcons[id] = icon;
        ShowIcon(*label, icon);
    }
}

PixelRect Dialog::ItemRect(int id) const {
    const QWidget* widget = ToWidget(ItemHandle(id));
    return widget == nullptr ? PixelRect() : ToPixelRect(widget->geometry());
}

void Dialog::SetItemAccessibleName(int id, std::string_view name) {
    if (QWidget* widget = ToWidget(ItemHandle(id))) {
        widget->setAccessibleName(ToQString(name));
    }
}

void Dialog::AnnounceAsAlert(std::string_view text) {
    if (window != nullptr) {
        window->setProperty(Window::kAlertProperty, ToQString(text));
    }
}

void Dialog::SetCaption(std::string_view caption) {
    if (window != nullptr) {
        window->setWindowTitle(ToQString(caption));
    }
}

std::string Dialog::Caption() const {
    return window == nullptr ? std::string() : window->windowTitle().toStdString();
}

void Dialog::SetWindowIcon(const Icon& icon) {
    if (window != nullptr) {
        windowIcon = icon;
        window->setWindowIcon(ToQIcon(icon));
    }
}

PixelRect Dialog::MapDialogRect(const DialogRect& rect) const {
    return window == nullptr ? PixelRect() : window->Map(rect);
}

PixelRect Dialog::WindowRect() const {
    return window == nullptr ? PixelRect() : ToPixelRect(window->geometry());
}

PixelRect Dialog::ClientRect() const {
    return window == nullptr ? PixelRect()
                             : PixelRect{0, 0, window->client->width(), window->client->height()};
}

void Dialog::CenterWindow() {
    if (window == nullptr) {
        return;
    }
    window->layout()->activate();
    window->adjustSize();
    const QWidget* owner = parent != nullptr ? ToWidget(parent->Handle()) : nullptr;
    const QRect workArea = ToQRect(backend::WorkAreaFor(parent));
    const QRect area = owner != nullptr && owner->isVisible() ? owner->geometry() : workArea;
    // Window frames are unknown before the first show, so centre the inner rectangles.
    window->setGeometry(ToQRect(backend::CentredWithin(ToPixelRect(window->geometry()),
                                                       ToPixelRect(area), ToPixelRect(workArea))));
}

void Dialog::Invalidate() {
    if (window != nullptr) {
        window->update();
    }
}

WindowHandle Dialog::Handle() const {
    return ToHandle(window.get());
}

WindowHandle Dialog::ItemHandle(int id) const {
    return ToHandle(window == nullptr ? nullptr : window->Item(id));
}

}  // namespace platform
