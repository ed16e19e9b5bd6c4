#include "controls.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "application.h"
#include "captions.h"
#include "fonts.h"

namespace {
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
}  // namespace

int twipsToPixels(int twips, double shrink)
{
    return int(std::lround(twips * shrink / DrawingSurface::kTwipsPerPixel));
}

Controls::Controls(Form& form, QWidget* page, const QWidget* picture, double shrink)
    : form_(form), picture_(picture), shrink_(shrink)
{
    const std::vector<ControlState>& controls = form.controls();
    widgets_.reserve(controls.size());
    for (const ControlState& c : controls) {
        QWidget* w = create(c, page);
        w->setObjectName(QString::fromUtf8(c.design->name));
        widgets_.push_back(w);
        placeAsDesigned(int(widgets_.size()) - 1);
    }
    fitCaptions(widgets_, picture);
    // What the program changed before its window was shown: places and colours.
    for (int i = 0; i < int(widgets_.size()); ++i) {
        connect(i, widgets_[i]);
        if (form.isSpeedBar(i))
            tellSpeed(i);
        if (controls[i].left || controls[i].top)
            changed(i, FrontEnd::Change::Place);
        if (controls[i].back != controls[i].design->back)
            changed(i, FrontEnd::Change::Colour);
    }
}

QWidget* Controls::named(std::string_view name) const
{
    return widgets_[form_.named<ControlRef>(name).index];
}

QWidget* Controls::create(const ControlState& state, QWidget* page)
{
    const Control& c = *state.design;
    QWidget* parent = state.frame >= 0 ? widgets_[state.frame] : page;
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
        // Named before anything else, so that assistive technology, which may look at it
        // as soon as it changes, finds the bar's setting (accessibility.cpp) from the first.
        bar->setObjectName(QString::fromUtf8(c.name));
        bar->setRange(c.min, c.max);
        bar->setValue(state.value);
        const BarSteps steps = barSteps(c);
        bar->setSingleStep(steps.single);
        bar->setPageStep(steps.page);
        bar->setInvertedControls(false);  // Left and Home lower the value, Right and End raise it
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setAccessibleName(QString::fromStdString(shell::speedBarName(c)));
        bar->installEventFilter(this);  // the tooltip tells the setting when it shows
        w = bar;
        break;
    }
    }
    paint(w, c.back, c.fore);
    if (c.kind == Kind::OptionButton || c.kind == Kind::CheckBox) {
        // The indicator keeps its light inside on a coloured option.
        QPalette p = w->palette();
        p.setColor(QPalette::Base, Qt::white);
        w->setPalette(p);
        w->setAutoFillBackground(!isSeeThrough(c.kind, c.back));
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

void Controls::placeAsDesigned(int index)
{
    const Control& c = *form_.controls()[index].design;
    QWidget* w = widgets_[index];
    w->setFont(fontFor(c.font, shrink_));
    const QRect box(twipsToPixels(c.at.left, shrink_), twipsToPixels(c.at.top, shrink_),
                    twipsToPixels(c.at.width, shrink_), twipsToPixels(c.at.height, shrink_));
    if (auto* caption = dynamic_cast<Caption*>(w))
        caption->placeAsDesigned(box);
    else
        w->setGeometry(box);
}

void Controls::setScale(double shrink)
{
    shrink_ = shrink;
    for (int i = 0; i < int(widgets_.size()); ++i)
        placeAsDesigned(i);
    fitCaptions(widgets_, picture_);
    for (int i = 0; i < int(widgets_.size()); ++i)
        if (form_.controls()[i].left || form_.controls()[i].top)
            changed(i, FrontEnd::Change::Place);
}

void Controls::connect(int index, QWidget* w)
{
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        QObject::connect(button, &QAbstractButton::clicked, this,
                         [this, index, button] { form_.clicked(index, button->isChecked()); });
    else if (auto* bar = qobject_cast<QScrollBar*>(w))
        QObject::connect(bar, &QScrollBar::valueChanged, this, [this, index](int value) { form_.scrolled(index, value); });
}

void Controls::changed(int index, FrontEnd::Change what)
{
    const ControlState& c = form_.controls()[index];
    QWidget* w = widgets_[index];
    using Change = FrontEnd::Change;
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
    case Change::Colour:
        paintBackground(w, c.back);
        break;
    }
}

void Controls::tellSpeed(int index)
{
    widgets_[index]->setToolTip(
        QString::fromStdString(shell::speedTip(*form_.controls()[index].design, form_.speedFactor(index))));
}

bool Controls::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto at = std::find(widgets_.begin(), widgets_.end(), watched);
        if (at != widgets_.end() && form_.isSpeedBar(int(at - widgets_.begin())))
            tellSpeed(int(at - widgets_.begin()));
    }
    return QObject::eventFilter(watched, event);
}
