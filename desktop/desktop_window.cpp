#include "desktop_window.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <map>

#include "canvas.h"
#include "captions.h"
#include "fonts.h"
#include "suite.h"

namespace {
QColor qcolour(Colour c) { return QColor::fromRgb(toArgb(c)); }

Qt::Alignment alignment(Align a)
{
    switch (a) {
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// The suite's style with its indicators, scroll bars and spacings shrunk by a factor.
class ShrunkStyle : public QProxyStyle {
public:
    ShrunkStyle(QStyle* style, double factor) : QProxyStyle(style), factor_(factor) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_ButtonMargin:
            return std::max(1, int(std::lround(base * factor_)));
        default:
            return base;
        }
    }

private:
    double factor_;
};

void shrinkTheStyle(double factor)
{
    QApplication::setStyle(new ShrunkStyle(QStyleFactory::create(QStringLiteral("Fusion")), factor));
}

void paint(QWidget* w, Colour back, Colour fore)
{
    QPalette p = w->palette();
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        p.setColor(role, qcolour(back));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(role, qcolour(fore));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A close of the question box from the window manager: the box answers "Ne" as it
// does for Esc, and the window it asked for closes as well.
class CloseAlsoCloses : public QObject {
public:
    CloseAlsoCloses(QWidget* window, QObject* box) : QObject(box), window_(window) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close && event->spontaneous() && window_)
            QMetaObject::invokeMethod(window_, [w = window_] { if (w) w->close(); }, Qt::QueuedConnection);
        return false;
    }

private:
    QPointer<QWidget> window_;
};
}  // namespace

DesktopWindow::DesktopWindow(Form& form)
    : form_(form),
      title_(QString::fromStdString(form.programTitle())),
      design_(qsize(form.design())),
      input_(*this, form.pacing(), [this] { stopRun(); }),
      page_(new QWidget(this)),
      canvas_(new Canvas(form.surface(), page_))
{
    setObjectName(QString::fromStdString(form.formName()));
    setWindowTitle(QString::fromStdString(form.windowCaption()));
    page_->setObjectName(QStringLiteral("page"));
    // Qt scales the whole window to the screen (scaleToFillTheScreen); the picture is
    // drawn in the screen's own pixels.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize design = design_;
        shrink_ = std::min(1.0, scaleFor(screen->availableGeometry().size(), screen->geometry().size(), design));
        form.surface().setScale(shrink_, screen->devicePixelRatio());
        design_ = QSize(int(std::lround(design.width() * shrink_)), int(std::lround(design.height() * shrink_)));
        if (shrink_ < 1)
            shrinkTheStyle(shrink_);
    }
    paint(this, colours::grey, colours::buttonText);
    const std::vector<ControlState>& controls = form.controls();
    widgets_.reserve(controls.size());
    for (const ControlState& c : controls) {
        QWidget* w = create(c);
        w->setObjectName(QString::fromUtf8(c.design->name));
        widgets_.push_back(w);
    }
    fitCaptions();
    // What the program changed before its window was shown: places and colours.
    for (int i = 0; i < int(widgets_.size()); ++i) {
        connect(i, widgets_[i]);
        if (controls[i].left || controls[i].top)
            controlChanged(i, Change::Place);
        if (controls[i].back != controls[i].design->back)
            controlChanged(i, Change::Colour);
    }
    if (form.startButton() >= 0)
        widgets_[form.startButton()]->setToolTip(
            QStringLiteral("Spustí animaci; Esc ji zastaví, P pozastaví a znovu rozběhne"));
    form.setFrontEnd(this);
    // The picture for assistive technology: what it shows, then what it was drawn with.
    canvas_->setAccessibleName(title_);
    const Demonstration* demonstration = demonstrationTitled(form.programTitle());
    whatItShows_ = demonstration ? QString::fromUtf8(demonstration->description) : QString();
    canvas_->setAccessibleDescription(whatItShows_);
    // The window's own commands, each with its key, in the picture's context menu.
    auto command = [this](const QString& text, const QKeySequence& key, std::function<void()> act) {
        auto* action = new QAction(text, this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, this, [a = std::move(act)] { a(); });
        addAction(action);
    };
    command(QStringLiteral("Kopírovat obrázek"), QKeySequence::Copy, [this] {
        if (!form_.isRunning())
            copyPicture();
    });
    command(QStringLiteral("O programu"), QKeySequence(Qt::Key_F1), [this] {
        if (!form_.isRunning())
            about();
    });
    command(QStringLiteral("Celá obrazovka"), QKeySequence(Qt::Key_F11), [this] { toggleFullScreen(); });
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

DesktopWindow::~DesktopWindow() { form_.setFrontEnd(nullptr); }

double DesktopWindow::scaleFor(QSize available, QSize screen, QSize design)
{
    const auto size = [](QSize s) { return Size{s.width(), s.height()}; };
    return scaleToFill(size(available), size(screen), size(design));
}

int DesktopWindow::twipsToPixels(int twips) const
{
    return int(std::lround(twips * shrink_ / DrawingSurface::kTwipsPerPixel));
}

QWidget* DesktopWindow::create(const ControlState& state)
{
    const Control& c = *state.design;
    QWidget* parent = state.frame >= 0 ? widgets_[state.frame] : page_;
    const QString text = QString::fromStdString(state.text);
    QWidget* w = nullptr;
    switch (c.kind) {
    case Kind::CommandButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(true);  // Enter presses the button that has the focus
        w = button;
        break;
    }
    case Kind::Frame:
        w = new QGroupBox(text, parent);
        break;
    case Kind::OptionButton:
        w = new OptionButton(text, parent);
        break;
    case Kind::CheckBox: {
        auto* box = new CheckButton(text, parent);
        box->setChecked(state.checked);
        w = box;
        break;
    }
    case Kind::Label:
        w = new Caption(text, alignment(c.align), parent);
        break;
    case Kind::Picture: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::RichText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText(QStringLiteral("<div style=\"white-space:pre\">") + text + QStringLiteral("</div>"));
        w = label;
        break;
    }
    case Kind::CaptionBox:
    case Kind::ParameterBox: {
        auto* edit = new QLineEdit(text, parent);
        edit->setFrame(c.border);
        edit->setReadOnly(true);
        edit->setAlignment(alignment(c.align) & Qt::AlignHorizontal_Mask);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setTextMargins(0, 0, 0, 0);
        w = edit;
        break;
    }
    case Kind::HScrollBar: {
        // The speed of the animation.
        auto* bar = new QScrollBar(Qt::Horizontal, parent);
        bar->setRange(c.min, c.max);
        bar->setValue(state.value);
        const BarSteps steps = barSteps(c);
        bar->setSingleStep(steps.single);
        bar->setPageStep(steps.page);
        bar->setInvertedControls(false);  // Left and Home lower the value, Right and End raise it
        bar->setFocusPolicy(Qt::StrongFocus);
        const QString name = text.isEmpty() ? QStringLiteral("Rychlost animace") : text;
        bar->setAccessibleName(name);
        bar->setToolTip(name + QStringLiteral(" (vpravo pomaleji)"));
        w = bar;
        break;
    }
    }
    w->setFont(fontFor(c.font, shrink_));
    w->setGeometry(twipsToPixels(c.at.left), twipsToPixels(c.at.top), twipsToPixels(c.at.width),
                   twipsToPixels(c.at.height));
    paint(w, c.back, c.fore);
    if (c.kind == Kind::OptionButton || c.kind == Kind::CheckBox) {
        // The indicator keeps its light inside on a coloured option; on the window's
        // grey the control is see-through, so a frame's caption above it stays whole.
        QPalette p = w->palette();
        p.setColor(QPalette::Base, Qt::white);
        w->setPalette(p);
        w->setAutoFillBackground(c.back != colours::grey);
    }
    if (c.kind == Kind::OptionButton)
        static_cast<QRadioButton*>(w)->setChecked(state.checked);
    if (w->objectName().isEmpty())
        w->setObjectName(QString::fromUtf8(c.name));
    w->setVisible(state.visible);
    if (!state.visible)
        w->hide();
    return w;
}

void DesktopWindow::connect(int index, QWidget* w)
{
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        QObject::connect(button, &QAbstractButton::clicked, this,
                         [this, index, button] { form_.clicked(index, button->isChecked()); });
    else if (auto* bar = qobject_cast<QScrollBar*>(w))
        QObject::connect(bar, &QScrollBar::valueChanged, this, [this, index](int value) { form_.scrolled(index, value); });
}

void DesktopWindow::controlChanged(int index, Change what)
{
    const ControlState& c = form_.controls()[index];
    QWidget* w = widgets_[index];
    switch (what) {
    case Change::Text:
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->setText(QString::fromStdString(c.text));
        break;
    case Change::Checked:
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isChecked() != c.checked)
            button->setChecked(c.checked);
        break;
    case Change::Place: {
        const auto* caption = dynamic_cast<const Caption*>(w);
        const DrawingSurface& s = form_.surface();
        const int x = c.left ? s.windowPixels(*c.left) - (caption ? caption->grownLeft() : 0) : w->x();
        w->move(x, c.top ? s.windowPixels(*c.top) : w->y());
        break;
    }
    case Change::Shown:
        w->setVisible(c.visible);
        break;
    case Change::Colour: {
        QPalette p = w->palette();
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
            p.setColor(role, qcolour(c.back));
        w->setPalette(p);
        break;
    }
    }
}

int DesktopWindow::freeRoomRight(const QWidget* w) const
{
    constexpr int border = 3;  // a frame's border and a pixel of air
    int room = w->parentWidget()->width() - (w->x() + w->width()) - border;
    for (const QObject* o : w->parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(o);
        if (!other || other == w || other == canvas_ || other->isHidden() || other->x() <= w->x())
            continue;
        const bool besides = other->y() < w->y() + w->height() && w->y() < other->y() + other->height();
        if (besides)
            room = std::min(room, other->x() - (w->x() + w->width()) - 2);
    }
    return std::max(0, room);
}

void DesktopWindow::fitCaptions()
{
    for (QWidget* w : widgets_)
        if (auto* caption = dynamic_cast<Caption*>(w))
            caption->fit();
    // The captions beside indicators in one frame share one size: the largest at which
    // each fits beside its indicator and into the free room up to its neighbour.
    std::map<QWidget*, std::vector<QWidget*>> frames;
    for (QWidget* w : widgets_)
        if (dynamic_cast<FittedCaption*>(w))
            frames[w->parentWidget()].push_back(w);
    constexpr int smallest = 8;
    for (const auto& [frame, buttons] : frames) {
        auto fitsAll = [&](int smaller) {
            for (QWidget* b : buttons) {
                QFont font = b->font();
                if (font.pixelSize() - smaller < smallest)
                    return true;  // as small as it goes
                font.setPixelSize(font.pixelSize() - smaller);
                if (dynamic_cast<FittedCaption*>(b)->overflow(font) > freeRoomRight(b))
                    return false;
            }
            return true;
        };
        int smaller = 0;
        while (!fitsAll(smaller))
            ++smaller;
        for (QWidget* b : buttons) {
            if (smaller > 0) {
                QFont font = b->font();
                font.setPixelSize(std::max(smallest, font.pixelSize() - smaller));
                b->setFont(font);
            }
            dynamic_cast<FittedCaption*>(b)->fit();
        }
    }
}

QWidget* DesktopWindow::control(std::string_view name) const
{
    return widgets_[form_.named<ControlRef>(name).index];
}

QImage DesktopWindow::picture() const
{
    const Picture& p = form_.surface().image();
    return QImage(reinterpret_cast<const uchar*>(p.bits()), p.width(), p.height(), p.stride() * 4,
                  QImage::Format_RGB32)
        .copy();
}

int DesktopWindow::ask(const std::string& title, const std::string& question)
{
    return messageBox(this, QString::fromStdString(title), QString::fromStdString(question));
}

int DesktopWindow::messageBox(QWidget* parent, const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::NoIcon, title, question, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("question"));
    QPushButton* yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    // Not modal, so that the window it asks for still takes a close from the window
    // manager (the run that asks holds the window's other input meanwhile); closing the
    // question itself answers "Ne" and closes that window too.
    box.setWindowModality(Qt::NonModal);
    QEventLoop answered;
    QObject::connect(&box, &QDialog::finished, &answered, &QEventLoop::quit);
    auto* closing = new CloseAlsoCloses(parent, &box);
    box.installEventFilter(closing);
    box.show();
    answered.exec();
    return box.clickedButton() == yes ? Form::vbYes : Form::vbNo;
}

void DesktopWindow::handled() { canvas_->updateChanged(); }

void DesktopWindow::runBegins()
{
    busyChanged();
    input_.hold();
}

void DesktopWindow::runEnded()
{
    input_.release();
    busyChanged();
    placePage();  // at the window's size now, if it changed during the run
    canvas_->updateChanged();
    canvas_->setAccessibleDescription(whatItShows_ + QStringLiteral(" Nakresleno s nastavením: ") + settingsDrawn() +
                                      QLatin1Char('.'));
    if (closePending_) {
        closePending_ = false;
        input_.discard();
        close();
        return;
    }
    input_.serve();
}

void DesktopWindow::showPicture()
{
    canvas_->updateChanged();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void DesktopWindow::showOnScreen()
{
    // Without a window manager a maximised window keeps its own size: give it the
    // whole available area first.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    if (form_.startButton() >= 0)
        widgets_[form_.startButton()]->setFocus();
}

void DesktopWindow::copyPicture() { QGuiApplication::clipboard()->setImage(pictureAsSeen()); }

QImage DesktopWindow::pictureAsSeen() const
{
    const double dpr = form_.surface().devicePixelRatio();
    const QSize client = qsize(form_.surface().clientSize()) * dpr;
    QImage picture = this->picture().copy(QRect(QPoint(0, 0), client));
    picture.setDevicePixelRatio(dpr);
    // The captions and formulas that stand on the picture; not the buttons, frames and bars.
    QPainter painter(&picture);
    for (QObject* o : page_->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == canvas_ || w->isHidden() || !(qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w)))
            continue;
        w->render(&painter, w->pos(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    painter.end();
    return picture;
}

QString DesktopWindow::settingsDrawn() const
{
    // The chosen option of every frame and the state of every check box, in reading order.
    std::vector<std::pair<QPoint, QString>> settings;
    for (QWidget* w : widgets_) {
        if (w->isHidden() || w->parentWidget()->isHidden())
            continue;
        const QPoint at = w->mapTo(page_, QPoint(0, 0));
        if (auto* option = qobject_cast<QRadioButton*>(w); option && option->isChecked()) {
            const auto* frame = qobject_cast<const QGroupBox*>(option->parentWidget());
            settings.push_back({at, (frame ? frame->title() + QStringLiteral(": ") : QString()) + option->text().trimmed()});
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            settings.push_back({at, box->text().trimmed() + (box->isChecked() ? QStringLiteral(": ano") : QStringLiteral(": ne"))});
        }
    }
    std::sort(settings.begin(), settings.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.y(), a.first.x()) < std::pair(b.first.y(), b.first.x());
    });
    QStringList texts;
    for (const auto& [at, text] : settings)
        texts << text;
    return texts.join(QStringLiteral("; "));
}

void DesktopWindow::about()
{
    const Demonstration* demonstration = demonstrationTitled(form_.programTitle());
    const QString name = demonstration ? QString::fromUtf8(demonstration->title) : title_;
    const QString address = QString::fromUtf8(kWebAddress);
    const QString text =
        QStringLiteral("<p><b>%1</b></p><p>%2</p>"
                       "<p>Součást sady ukázek Světlo a šipky, verze %3.<br>Licence: všechna práva vyhrazena.<br>"
                       "Doprovodný text: <a href=\"%4\">%4</a></p>"
                       "<p>Klávesy:<br>Ctrl+C zkopíruje obrázek, jak je vidět;<br>"
                       "Esc zastaví běžící animaci, P ji pozastaví a znovu rozběhne;<br>"
                       "F11 přepne na celou obrazovku a zpět;<br>F1 ukáže tento přehled.</p>")
            .arg(name.toHtmlEscaped(), whatItShows_.toHtmlEscaped(), QString::fromUtf8(kSuiteVersion), address);
    // Not modal, so that the window behind it still takes a close from the window
    // manager; it closes with its window. F1 again brings the open one forward.
    if (auto* open = findChild<QMessageBox*>(QStringLiteral("about"))) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("O programu ") + title_, text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("about"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setTextFormat(Qt::RichText);
    box->setIconPixmap(windowIcon().pixmap(64));
    box->show();
}

void DesktopWindow::toggleFullScreen()
{
    if (isFullScreen())
        showMaximized();
    else
        showFullScreen();
}

void DesktopWindow::stopRun()
{
    form_.pacing().stop();
    // A question the run waits for is answered "Ne": the run stops as soon as it has the answer.
    if (auto* question = findChild<QDialog*>(QStringLiteral("question")); question && question->isVisible())
        question->done(QDialog::Rejected);
}

void DesktopWindow::closeEvent(QCloseEvent* event)
{
    if (form_.isRunning()) {
        // A close from the window manager: the run stops at its next step, then the
        // window closes.
        closePending_ = true;
        stopRun();
        event->ignore();
        return;
    }
    if (auto* about = findChild<QMessageBox*>(QStringLiteral("about")))
        about->close();
    QWidget::closeEvent(event);
}

void DesktopWindow::resizeEvent(QResizeEvent* event)
{
    placePage();
    QWidget::resizeEvent(event);
}

void DesktopWindow::placePage()
{
    // The design area, centred where the window leaves room around it; what of it the
    // window shows is the client area the programs draw on. A run draws on to its end
    // in the client area it began with: the window's new size reaches the picture after it.
    const QPoint at(std::max(0, (width() - design_.width()) / 2), std::max(0, (height() - design_.height()) / 2));
    page_->setGeometry(QRect(at, design_));
    canvas_->setGeometry(page_->rect());
    if (!form_.isRunning()) {
        const QSize client = design_.boundedTo(size() - QSize(at.x(), at.y()));
        form_.surface().setClientSize({client.width(), client.height()});
    }
}

void DesktopWindow::busyChanged()
{
    QAccessible::State busy;
    busy.busy = true;
    QAccessibleStateChangeEvent changed(canvas_, busy);
    QAccessible::updateAccessibility(&changed);
}

namespace {
// The scale factor the user gave Qt, if any, before the suite set its own.
QByteArray givenScaleFactor;
}  // namespace

void scaleToFillTheScreen(int argc, char** argv, QSize design)
{
    givenScaleFactor = qgetenv("QT_SCALE_FACTOR");
    double scale = 1;
    {
        // A look at the screen, with arguments of its own (an application takes its
        // options out of them).
        std::vector<char*> arguments(argv, argv + argc);
        arguments.push_back(nullptr);
        int count = argc;
        const QGuiApplication look(count, arguments.data());
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            scale = DesktopWindow::scaleFor(screen->availableGeometry().size(), screen->geometry().size(), design);
    }
    // Qt's scaling magnifies; a screen smaller than the design gets a window that draws
    // itself smaller (DesktopWindow::shrink).
    if (!(scale > 1))
        return;
    bool given = false;
    const double factor = givenScaleFactor.toDouble(&given);
    qputenv("QT_SCALE_FACTOR", QByteArray::number((given && factor > 0 ? factor : 1) * scale, 'g', 12));
}

QProcessEnvironment environmentForPrograms()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (givenScaleFactor.isEmpty())
        environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    else
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLocal8Bit(givenScaleFactor));
    return environment;
}

namespace {
QIcon iconOf(const QString& program)
{
    QSvgRenderer drawing(QStringLiteral(":/icons/") + program + QStringLiteral(".svg"));
    QIcon icon;
    if (!drawing.isValid())
        return icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
}  // namespace

void identifyProgram()
{
    const QString program = QCoreApplication::applicationName();  // the executable's name
    const QString suite = QStringLiteral(SUITE_ID);
    const QString id = program == QLatin1String("svetlo") ? suite : suite + QLatin1Char('.') + program;
    QCoreApplication::setApplicationName(id);  // the class of the X11 window
    QGuiApplication::setDesktopFileName(id);
    QGuiApplication::setWindowIcon(iconOf(program));
}

namespace {
// A window's page and frames as assistive technology sees them: only the controls that
// are shown (the parameter boxes, the never-shown speed frames and the captions a run
// has yet to reveal are not there).
class ShownChildren : public QAccessibleWidget {
public:
    ShownChildren(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(shown().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            if (const auto* frame = qobject_cast<const QGroupBox*>(widget()))
                return frame->title();
        return QAccessibleWidget::text(t);
    }

private:
    QList<QWidget*> shown() const
    {
        QList<QWidget*> children;
        for (QObject* o : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && !w->isHidden())
                children << w;
        return children;
    }
};

// The picture: busy while a run draws in it.
class Picture : public QAccessibleWidget {
public:
    explicit Picture(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto* window = dynamic_cast<const DesktopWindow*>(widget()->window()))
            s.busy = window->form().isRunning();
        return s;
    }
};

QAccessibleInterface* accessibleOfTheSuite(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w || !dynamic_cast<DesktopWindow*>(w->window()) || w->isWindow())
        return nullptr;
    if (dynamic_cast<Canvas*>(w))
        return new Picture(w);  // named and described by its window
    if (w->objectName() == QLatin1String("page"))
        return new ShownChildren(w, QAccessible::Pane);
    if (qobject_cast<QGroupBox*>(w))
        return new ShownChildren(w, QAccessible::Grouping);
    return nullptr;
}
}  // namespace

void setUpApplication()
{
    QAccessible::installFactory(accessibleOfTheSuite);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette;
    const QColor grey(192, 192, 192);
    palette.setColor(QPalette::Window, grey);
    palette.setColor(QPalette::Button, grey);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    QApplication::setPalette(palette);
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}
