#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <vector>

// Captions laid out once, as on the reference screen. The lines a caption breaks
// into are found with its font's metrics at one pixel to a pixel and then kept, so
// a window shown larger breaks every caption where it breaks at 800 x 600. A caption
// that needs more room than its box is given the room (the box grows, its own
// background staying where it was designed), never a smaller font.

// The lines of `text` in a box `width` pixels wide: words join a line while it fits.
// At most `most` lines (0: as many as it takes): a caption that would need more keeps
// that many, as wide as they need.
QStringList captionLines(const QString& text, const QFont& font, int width, int most = 0);
// The size those lines take, at one pixel to a pixel.
QSize captionSize(const QStringList& lines, const QFont& font, Qt::Alignment alignment = Qt::AlignLeft);

// A label: its lines as laid out for its designed box, which grows to hold them
// (to the right, both ways or to the left as it is aligned, and downwards).
class Caption : public QLabel {
public:
    Caption(const QString& text, Qt::Alignment alignment, QWidget* parent);
    // Lays the caption out for the box it has now.
    void fit();
    // Puts the caption back in its designed box (to be fitted again).
    void placeAsDesigned(const QRect& box)
    {
        grownLeft_ = 0;
        setGeometry(box);
    }
    // How far left of its designed place the box begins (a centred or right-aligned
    // caption that grew); a run that moves the caption moves its designed place.
    int grownLeft() const { return grownLeft_; }
    const QStringList& lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines_;
    int grownLeft_ = 0;
};

// What the window asks of a caption beside an indicator when it fits a frame's
// captions together.
class FittedCaption {
public:
    virtual ~FittedCaption() = default;
    // How many pixels wider than the room beside the indicator the caption's lines
    // are in `font` (0 or less: they fit).
    virtual int overflow(const QFont& font) const = 0;
    // Lays the caption out in the button's font; the box grows to the right by the overflow.
    virtual void fit() = 0;
};

// An option button or a check box whose caption beside the indicator is laid out as
// designed: as many lines as the box is high. The whole box takes a click, as the
// designed controls do.
template <class Button>
class CaptionedButton : public Button, public FittedCaption {
public:
    CaptionedButton(const QString& text, QWidget* parent) : Button(text, parent) {}
    int overflow(const QFont& font) const override;
    void fit() override;
    const QStringList& lines() const { return lines_; }

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
    void paintEvent(QPaintEvent* event) override;

private:
    QRect captionRoom() const;
    QStringList linesIn(const QFont& font) const;
    QStringList lines_;
};

using OptionButton = CaptionedButton<QRadioButton>;
using CheckButton = CaptionedButton<QCheckBox>;

// Lays every caption of a window's controls out as designed. The captions beside
// indicators in one frame share one size: the largest at which each fits beside its
// indicator and into the free room up to its neighbour (`picture` is no neighbour).
void fitCaptions(const std::vector<QWidget*>& controls, const QWidget* picture);
