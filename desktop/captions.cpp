#include "captions.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>
#include <map>

namespace {
// The font's metrics at one pixel to a pixel, whatever the screen the window is on.
QFontMetricsF designMetrics(const QFont& font)
{
    static const QImage oneToOne(1, 1, QImage::Format_RGB32);
    return QFontMetricsF(font, &oneToOne);
}

struct Word {
    QString gap;  // the blanks before it
    QString word;
};

std::vector<Word> wordsOf(const QString& text)
{
    std::vector<Word> words;
    Word next;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            if (!next.word.isEmpty()) {
                words.push_back(next);
                next = {};
            }
            next.gap += c;
        } else {
            next.word += c;
        }
    }
    if (!next.word.isEmpty())
        words.push_back(next);
    return words;
}

QStringList wrapped(const std::vector<Word>& words, const QFontMetricsF& metrics, double width)
{
    QStringList lines;
    QString line;
    for (const Word& w : words) {
        if (line.isEmpty()) {
            line = w.word;
            continue;
        }
        const QString longer = line + w.gap + w.word;
        if (metrics.horizontalAdvance(longer) <= width) {
            line = longer;
        } else {
            lines << line;
            line = w.word;
        }
    }
    lines << line;
    return lines;
}
}  // namespace

QStringList captionLines(const QString& text, const QFont& font, int width, int most)
{
    const std::vector<Word> words = wordsOf(text);
    if (words.empty())
        return {QString()};
    const QFontMetricsF metrics = designMetrics(font);
    QStringList lines = wrapped(words, metrics, width);
    if (most > 0 && int(lines.size()) > most) {
        const double whole = metrics.horizontalAdvance(text.trimmed());
        for (double w = width + 1; int(lines.size()) > most && w <= whole + 1; w += 1)
            lines = wrapped(words, metrics, w);
    }
    return lines;
}

QSize captionSize(const QStringList& lines, const QFont& font, Qt::Alignment alignment)
{
    const QRectF r = designMetrics(font).boundingRect(QRectF(0, 0, 1e6, 1e6), int(alignment | Qt::AlignTop),
                                                      lines.join(QLatin1Char('\n')));
    return QSize(int(std::ceil(r.width())), int(std::ceil(r.height())));
}

// ---------------------------------------------------------------- labels

Caption::Caption(const QString& text, Qt::Alignment alignment, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(alignment);
}

void Caption::fit()
{
    // Moving a grown caption back to its designed box first: fitting twice changes nothing.
    QRect box = geometry().adjusted(grownLeft_, 0, 0, 0);
    lines_ = captionLines(text(), font(), box.width());
    const QSize needed = captionSize(lines_, font(), alignment() & Qt::AlignHorizontal_Mask);
    const int wider = std::max(0, needed.width() - box.width());
    grownLeft_ = alignment() & Qt::AlignRight ? wider : alignment() & Qt::AlignHCenter ? wider / 2 : 0;
    // The box is as high as the lines it was designed for: it grows when it must hold more.
    const double lineHeight = designMetrics(font()).lineSpacing();
    const int designedLines = std::max(1, int(std::lround(box.height() / lineHeight)));
    const int taller = int(lines_.size()) > designedLines ? std::max(0, needed.height() - box.height()) : 0;
    box.adjust(-grownLeft_, 0, wider - grownLeft_, taller);
    setGeometry(box);
}

void Caption::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(rect(), int(alignment()), lines_.join(QLatin1Char('\n')));
}

// ---------------------------------------------------------------- option buttons and check boxes

namespace {
constexpr bool isRadio(const QRadioButton*) { return true; }
constexpr bool isRadio(const QCheckBox*) { return false; }
}  // namespace

template <class Button>
QRect CaptionedButton<Button>::captionRoom() const
{
    QStyleOptionButton option;
    this->initStyleOption(&option);
    const auto element = isRadio(this) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
    const QRect contents = this->style()->subElementRect(element, &option, this);
    return QRect(contents.left(), 0, this->width() - contents.left(), this->height());
}

template <class Button>
QStringList CaptionedButton<Button>::linesIn(const QFont& font) const
{
    const QRect room = captionRoom();
    const int most = std::max(1, int(std::lround(room.height() / designMetrics(font).lineSpacing())));
    return captionLines(this->text(), font, room.width(), most);
}

template <class Button>
int CaptionedButton<Button>::overflow(const QFont& font) const
{
    return captionSize(linesIn(font), font).width() - captionRoom().width();
}

template <class Button>
void CaptionedButton<Button>::fit()
{
    lines_ = linesIn(this->font());
    const int wider = captionSize(lines_, this->font()).width() - captionRoom().width();
    if (wider > 0)
        this->resize(this->width() + wider, this->height());
}

template <class Button>
void CaptionedButton<Button>::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    this->initStyleOption(&option);
    const bool focused = option.state & QStyle::State_HasFocus;
    option.state &= ~QStyle::State_HasFocus;
    option.text.clear();
    painter.drawControl(isRadio(this) ? QStyle::CE_RadioButton : QStyle::CE_CheckBox, option);
    const QRect room = captionRoom();
    const QString caption = lines_.join(QLatin1Char('\n'));
    painter.setPen(this->palette().color(this->foregroundRole()));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter, caption);
    if (focused) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = painter.boundingRect(room, Qt::AlignLeft | Qt::AlignVCenter, caption).adjusted(-1, 0, 1, 0) &
                     this->rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

template class CaptionedButton<QRadioButton>;
template class CaptionedButton<QCheckBox>;

namespace {
// The pixels right of a control up to its neighbour or its frame's border.
int freeRoomRight(const QWidget* w, const QWidget* picture)
{
    constexpr int border = 3;  // a frame's border and a pixel of air
    int room = w->parentWidget()->width() - (w->x() + w->width()) - border;
    for (const QObject* o : w->parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(o);
        if (!other || other == w || other == picture || other->isHidden() || other->x() <= w->x())
            continue;
        const bool besides = other->y() < w->y() + w->height() && w->y() < other->y() + other->height();
        if (besides)
            room = std::min(room, other->x() - (w->x() + w->width()) - 2);
    }
    return std::max(0, room);
}
}  // namespace

void fitCaptions(const std::vector<QWidget*>& controls, const QWidget* picture)
{
    for (QWidget* w : controls)
        if (auto* caption = dynamic_cast<Caption*>(w))
            caption->fit();
    std::map<QWidget*, std::vector<QWidget*>> frames;
    for (QWidget* w : controls)
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
                if (dynamic_cast<FittedCaption*>(b)->overflow(font) > freeRoomRight(b, picture))
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
