#include "form.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

#include "canvas.h"
#include "fonts.h"
#include "numbers.h"

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

// An option or check box whose caption is wider than the room beside its indicator:
// as the designed controls do, the caption breaks between words onto the lines the
// control's height gives, a pixel smaller where the stand-in font is still too wide.
// The button keeps its caption (and takes every click); a label shows it.
void fitCaption(QAbstractButton* button)
{
    QStyle* style = button->style();
    const bool radio = qobject_cast<QRadioButton*>(button);
    const int indent =
        style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, button) +
        style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
                           button);
    const QRect room(0, 0, button->width() - indent, button->height());
    if (room.width() <= 0 || QFontMetrics(button->font()).horizontalAdvance(button->text()) <= room.width())
        return;
    const QPalette own = button->palette();
    QPalette silent = own;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (auto role : {QPalette::ButtonText, QPalette::WindowText})
            silent.setColor(group, role, Qt::transparent);
    button->setPalette(silent);
    auto* label = new QLabel(button->text(), button);
    label->setObjectName(button->objectName() + QStringLiteral("_caption"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setPalette(own);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setGeometry(room.translated(indent, 0));
    QFont font = button->font();
    while (font.pixelSize() > 8) {
        const QRect needed = QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, button->text());
        if (needed.width() <= room.width() && needed.height() <= room.height())
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
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
}  // namespace

Form::Asker Form::asker = &Form::messageBox;

Form::Form(const QString& formName, const QString& title, Layout layout, const QString& separator)
    : title_(title), surface_(QSize(1000, 700)), input_(*this, pacing_), canvas_(new Canvas(surface_, this))
{
    setObjectName(formName);
    setWindowTitle(title + separator + QString::fromUtf8(kWebAddress));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        surface_.setScale(scaleFor(screen->availableGeometry().size(), screen->geometry().size()),
                          screen->devicePixelRatio());
    paint(this, colours::grey, colours::buttonText);
    for (const Control& c : layout) {
        QWidget* w = create(c);
        w->setObjectName(QString::fromUtf8(c.name));
        controls_.insert(w->objectName(), w);
    }
    surface_.pacing = &pacing_;
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    QObject::connect(copy, &QShortcut::activated, this, [this] {
        if (!running_)
            copyPicture();
    });
    pacing_.showPicture = [this] { showPicture(); };
}

Form::~Form() = default;

double Form::scaleFor(QSize window, QSize screen)
{
    constexpr double referenceWidth = 800, referenceHeight = 600;
    const double fill = std::min(window.width() / referenceWidth, window.height() / referenceHeight);
    if (!(fill > 0))
        return 1;
    const bool smallerThanReference = screen.width() < referenceWidth || screen.height() < referenceHeight;
    return smallerThanReference ? fill : std::max(1.0, fill);
}

int Form::twipsToPixels(int twips) const
{
    return int(std::lround(twips * scale() / DrawingSurface::kTwipsPerPixel));
}

QWidget* Form::create(const Control& c)
{
    QWidget* parent = this;
    if (c.frame) {
        parent = control(QString::fromUtf8(c.frame));
        Q_ASSERT_X(parent, "Form::create", "a frame is listed after its options");
        if (!parent)
            parent = this;
    }
    const QString text = QString::fromUtf8(c.text);
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
        w = new QRadioButton(text, parent);
        break;
    case Kind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        box->setChecked(c.checked);
        w = box;
        break;
    }
    case Kind::Label: {
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(alignment(c.align));
        label->setWordWrap(true);  // a caption that does not fit its width breaks between words
        w = label;
        break;
    }
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
        // The speed of the animation: an arrow moves it by a hundredth of its range, the
        // trough and the Page keys by a tenth; a short bar goes one position at a time.
        auto* bar = new QScrollBar(Qt::Horizontal, parent);
        bar->setRange(c.min, c.max);
        bar->setValue(c.value);
        const int range = c.max - c.min;
        constexpr int shortRange = 20;
        bar->setSingleStep(range > shortRange ? std::max(1, int(std::lround(range / 100.0))) : 1);
        bar->setPageStep(range > shortRange ? std::max(1, int(std::lround(range / 10.0))) : 1);
        bar->setInvertedControls(false);  // Left and Home lower the value, Right and End raise it
        bar->setFocusPolicy(Qt::StrongFocus);
        const QString name = text.isEmpty() ? QStringLiteral("Rychlost animace") : text;
        bar->setAccessibleName(name);
        bar->setToolTip(name + QStringLiteral(" (vpravo pomaleji)"));
        w = bar;
        break;
    }
    }
    w->setFont(fontFor(c.font, scale()));
    w->setGeometry(twipsToPixels(c.at.left), twipsToPixels(c.at.top), twipsToPixels(c.at.width),
                   twipsToPixels(c.at.height));
    paint(w, c.back, c.fore);
    if (w->objectName().isEmpty())
        w->setObjectName(QString::fromUtf8(c.name));
    if (c.kind == Kind::OptionButton || c.kind == Kind::CheckBox)
        fitCaption(static_cast<QAbstractButton*>(w));
    const bool shown = c.visible && c.kind != Kind::ParameterBox;
    w->setVisible(shown);
    if (!shown)
        w->hide();
    return w;
}

QWidget* Form::control(const QString& name) const { return controls_.value(name, nullptr); }

QLineEdit* Form::box(const QString& name) const
{
    auto* edit = control<QLineEdit>(name);
    Q_ASSERT_X(edit, "Form::box", qPrintable(name));
    return edit;
}

QString Form::text(const QString& name) const
{
    auto* edit = box(name);
    return edit ? edit->text() : QString();
}

void Form::setText(const QString& name, const QString& text)
{
    if (auto* edit = box(name))
        edit->setText(text);
}

double Form::number(const QString& name) const { return textToNumber(text(name)); }
void Form::setNumber(const QString& name, double value) { setText(name, numberToText(value)); }

void Form::select(const QString& option)
{
    auto* button = control<QRadioButton>(option);
    Q_ASSERT_X(button, "Form::select", qPrintable(option));
    if (!button)
        return;
    button->setChecked(true);
    emit button->clicked(true);
}

bool Form::isSelected(const QString& option) const
{
    auto* button = control<QRadioButton>(option);
    return button && button->isChecked();
}

int Form::scrollValue(const QString& name) const
{
    auto* bar = control<QScrollBar>(name);
    return bar ? bar->value() : 0;
}

void Form::setLeft(const QString& name, float left)
{
    if (QWidget* w = control(name))
        w->move(surface_.toPixels(left), w->y());
}

void Form::setTop(const QString& name, float top)
{
    if (QWidget* w = control(name))
        w->move(w->x(), surface_.toPixels(top));
}

void Form::setShown(const QString& name, bool visible)
{
    if (QWidget* w = control(name))
        w->setVisible(visible);
}

int Form::askYesNo(const QString& question)
{
    showPicture();
    return asker(this, title_, question) == vbYes ? vbYes : vbNo;
}

int Form::messageBox(QWidget* parent, const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::NoIcon, title, question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes ? vbYes : vbNo;
}

void Form::onClick(const QString& name, std::function<void()> handler)
{
    auto* button = control<QAbstractButton>(name);
    Q_ASSERT_X(button, "Form::onClick", qPrintable(name));
    if (button)
        QObject::connect(button, &QAbstractButton::clicked, this, [this, h = std::move(handler)] {
            h();
            handled();
        });
}

void Form::onOptions(std::span<const OptionValue> options)
{
    for (const OptionValue& o : options)
        onClick(QString::fromUtf8(o.option), [this, o] { setNumber(QString::fromUtf8(o.box), o.value); });
}

void Form::onChange(const QString& name, std::function<void()> handler)
{
    auto* bar = control<QScrollBar>(name);
    Q_ASSERT_X(bar, "Form::onChange", qPrintable(name));
    if (bar)
        QObject::connect(bar, &QScrollBar::valueChanged, this, [this, h = std::move(handler)] {
            h();
            handled();
        });
}

void Form::handled()
{
    if (!running_)
        canvas_->updateChanged();
}

void Form::onStart(const QString& button, std::function<void()> simulation)
{
    startButton_ = control(button);
    if (startButton_)
        startButton_->setToolTip(QStringLiteral("Spustí animaci; Esc ji zastaví, P pozastaví a znovu rozběhne"));
    onClick(button, [this, s = std::move(simulation)] { run(s); });
}

void Form::onEnd(const QString& button)
{
    onClick(button, [this] { close(); });
}

void Form::run(const std::function<void()>& simulation)
{
    if (running_) {
        queuedRuns_.push_back(simulation);
        return;
    }
    running_ = true;
    input_.hold();
    pacing_.resetGaps();
    pacing_.begin();
    try {
        simulation();
        while (!queuedRuns_.empty()) {
            const auto next = queuedRuns_.front();
            queuedRuns_.erase(queuedRuns_.begin());
            next();
        }
        pacing_.finish();
    } catch (const Pacing::Stopped&) {
        // Stopped by the user: what is drawn stays, nothing more of the run happens.
        queuedRuns_.clear();
    }
    pacing_.end();
    input_.release();
    running_ = false;
    canvas_->updateChanged();
    if (closePending_) {
        closePending_ = false;
        input_.discard();
        close();
        return;
    }
    input_.serve();
}

void Form::showPicture()
{
    canvas_->updateChanged();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Form::showOnScreen()
{
    // Without a window manager a maximised window keeps its own size: give it the
    // whole available area first.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    if (startButton_)
        startButton_->setFocus();
}

void Form::copyPicture()
{
    const QSize client = surface_.clientSize() * surface_.devicePixelRatio();
    QImage picture = surface_.image().copy(QRect(QPoint(0, 0), client));
    picture.setDevicePixelRatio(surface_.devicePixelRatio());
    QGuiApplication::clipboard()->setImage(picture);
}

void Form::closeEvent(QCloseEvent* event)
{
    if (running_) {
        // A close from the window manager: the run stops at its next step, then the
        // window closes.
        closePending_ = true;
        pacing_.stop();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Form::resizeEvent(QResizeEvent* event)
{
    canvas_->setGeometry(rect());
    surface_.setClientSize(size());
    QWidget::resizeEvent(event);
}

void setUpApplication()
{
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
