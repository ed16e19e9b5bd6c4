#include "run_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QToolButton>
#include <cmath>

namespace {
// 9 mm on the reference screen (96 dots an inch): a target a finger hits on a projector's
// touch board as on a tablet.
constexpr int kTarget = 34;
constexpr int kProgressWidth = 150;
constexpr int kSteps = 1000;  // of the progress bar
const QColor kPausedBack(255, 255, 160);

// The button's symbol, drawn in a unit square: ‖ pause, ▶ resume, ▶| one step, ■ stop.
QIcon symbolIcon(shell::Symbol symbol, int size, qreal dpr)
{
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0));
    const auto triangle = [&p](double left, double right) {
        QPainterPath path;
        path.moveTo(left, 0.2);
        path.lineTo(right, 0.5);
        path.lineTo(left, 0.8);
        path.closeSubpath();
        p.drawPath(path);
    };
    switch (symbol) {
    case shell::Symbol::Pause:
        p.drawRect(QRectF(0.26, 0.2, 0.16, 0.6));
        p.drawRect(QRectF(0.58, 0.2, 0.16, 0.6));
        break;
    case shell::Symbol::Resume:
        triangle(0.3, 0.8);
        break;
    case shell::Symbol::Step:
        triangle(0.22, 0.62);
        p.drawRect(QRectF(0.64, 0.2, 0.13, 0.6));
        break;
    case shell::Symbol::Stop:
        p.drawRect(QRectF(0.25, 0.25, 0.5, 0.5));
        break;
    }
    return QIcon(pixmap);
}
}  // namespace

RunBar::RunBar(Form& form, QWidget* window, double shrink) : QFrame(window), form_(form), shrink_(shrink)
{
    setObjectName(QString::fromUtf8(shell::kRunBar));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setCursor(Qt::OpenHandCursor);
    auto* row = new QHBoxLayout(this);
    pause_ = button(shell::kPause);
    step_ = button(shell::kStep);
    stop_ = button(shell::kStop);
    for (const auto& [button, symbol] : {std::pair{pause_, shell::Symbol::Pause}, std::pair{step_, shell::Symbol::Step},
                                         std::pair{stop_, shell::Symbol::Stop}})
        QObject::connect(button, &QToolButton::clicked, this, [this, symbol] {
            shell::press(form_.input(), symbol);
            showState();
        });
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("runProgress"));
    progress_->setAccessibleName(QString::fromUtf8(shell::kProgressName));
    progress_->setRange(0, kSteps);
    progress_->setTextVisible(true);
    paused_ = new QLabel(QString::fromUtf8(shell::kPaused), this);
    paused_->setObjectName(QStringLiteral("runPaused"));
    QFont bold = paused_->font();
    bold.setBold(true);
    paused_->setFont(bold);
    QSizePolicy keepsItsPlace = paused_->sizePolicy();
    keepsItsPlace.setRetainSizeWhenHidden(true);  // the bar keeps its size, paused or not
    paused_->setSizePolicy(keepsItsPlace);
    for (QWidget* w : std::initializer_list<QWidget*>{pause_, step_, stop_, progress_, paused_})
        row->addWidget(w);
    setScale(shrink);
    hide();
}

void RunBar::setScale(double shrink)
{
    shrink_ = shrink;
    const int gap = std::max(2, int(std::lround(4 * shrink)));
    layout()->setContentsMargins(gap, gap, gap, gap);
    layout()->setSpacing(gap);
    const int size = int(std::lround(kTarget * shrink));
    for (QToolButton* button : {pause_, step_, stop_}) {
        button->setFixedSize(size, size);
        button->setIconSize(QSize(size, size) * 0.8);
    }
    progress_->setFixedSize(int(std::lround(kProgressWidth * shrink)), size);
    present(step_, shell::kStep);
    present(stop_, shell::kStop);
    shown_ = Pacing::State::Idle;  // pause's symbol is drawn anew as the bar shows
}

QToolButton* RunBar::button(const shell::RunButton& b)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromUtf8(b.name));
    button->setFocusPolicy(Qt::NoFocus);  // P, K and Esc are its keys; the focus stays where it was
    button->setCursor(Qt::ArrowCursor);
    present(button, b);
    return button;
}

void RunBar::present(QToolButton* button, const shell::RunButton& as)
{
    const int size = int(std::lround(kTarget * shrink_));
    button->setIcon(symbolIcon(as.symbol, size, devicePixelRatioF()));
    button->setToolTip(QString::fromUtf8(as.tip));
    button->setAccessibleName(QString::fromUtf8(as.label));
}

void RunBar::runBegins(QRect design)
{
    shown_ = Pacing::State::Idle;
    showState();
    adjustSize();
    if (!moved_) {
        const bool right = form_.runBarCorner() == Form::Corner::BottomRight;
        move(right ? design.right() + 1 - width() : design.left(), design.bottom() + 1 - height());
    }
    // Wholly inside the window, wherever it was put.
    move(std::clamp(x(), 0, std::max(0, parentWidget()->width() - width())),
         std::clamp(y(), 0, std::max(0, parentWidget()->height() - height())));
    raise();
    show();
}

void RunBar::showState()
{
    const Pacing::State state = form_.pacing().state();
    if (state != shown_) {
        shown_ = state;
        const bool paused = state == Pacing::State::Paused;
        present(pause_, paused ? shell::kResume : shell::kPause);
        step_->setEnabled(paused);
        paused_->setVisible(paused);
        QPalette palette = parentWidget()->palette();
        if (paused)
            palette.setColor(QPalette::Window, kPausedBack);
        setPalette(palette);
    }
    const auto progress = form_.progress();
    progress_->setValue(progress ? int(std::lround(kSteps * progress->fraction())) : 0);
    progress_->setFormat(QString::fromStdString(shell::progressText(progress)));
}

void RunBar::runEnded() { hide(); }

void RunBar::mousePressEvent(QMouseEvent* event)
{
    grabbedAt_ = event->position().toPoint();
    event->accept();
}

void RunBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint to = mapToParent(event->position().toPoint() - grabbedAt_);
    move(std::clamp(to.x(), 0, std::max(0, parentWidget()->width() - width())),
         std::clamp(to.y(), 0, std::max(0, parentWidget()->height() - height())));
    moved_ = true;
}
