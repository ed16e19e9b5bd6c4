// The run of Start: a source and a detector joined by the straight route, then N
// random zig-zag routes between them inside the corridor; every route's arrow,
// turned by its length, is added to three chains drawn at three places; at the end
// the resultant of the main chain, a reference line for the horizontal length and a
// bar for the mean route length. All lengths are pixels.
#include "numbers.h"
#include "physics.h"
#include "rnd.h"
#include "vocabulary.h"
#include "window.h"

namespace pathways {

namespace {
const Colour darkGrey = RGB(64, 64, 64);
const Colour green = RGB(0, 255, 0);
constexpr double graphAxisY = 481, graphTopY = 381, graphRightX = 730;
constexpr double lengthScale = 0.1;  // bar height per pixel of route length
constexpr double pacingFactor = 300000;

// The y of the small chain's origin, by the number of bends.
double smallChainY(const std::string& bends)
{
    constexpr double kBends[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    constexpr double kY[] = {245, 330, 370, 400, 400, 380, 380, 380, 380};
    const int n = chosen(kBends, bends);
    return n < 0 ? 0 : kY[n];
}

// A random horizontal jitter of 0, 3, ..., 27 pixels.
double jitter() { return 3 * Int(10 * Rnd()); }
}  // namespace

void Rozptyl::cmdStart_Click()
{
    DrawingSurface& s = surface();
    const Point S{sourceX, ys}, D{detectorX, ys};

    // 1.
    s.ScaleMode = DrawingSurface::Pixels;
    s.DrawWidth = 1;
    const int n = int(number(nPocet_));
    const double N = number(nTrajektorie_);

    // 2. Erase the band y = 51..630 from x = 5.
    erase(s, 5, s.ScaleWidth(), 51, 630);

    // 3. Source, detector and the straight route.
    s.DrawWidth = 3;
    s.Circle(S.x, S.y, 5, darkGrey);
    s.Circle(D.x, D.y, 5, darkGrey);
    s.DrawWidth = 1;
    s.Line(S.x, S.y, D.x, D.y, darkGrey);

    // 4. The corridor and the chains' origins.
    const double V = smallChainY(text(nPocet_));
    const double c = number(nKoridor_);
    const double q = corridorFactor(c);
    const int m = n + 1;  // segments to intermediate points
    const double w = segmentWidth(m);
    const Point barFoot{sourceX + 8 * c, graphAxisY};
    const double bottomArrow = 20 / N, mainArrow = 200 / N, smallArrow = 4.13 / N;
    Chain bottom{{barFoot.x, 501}};
    Chain main{{700, ys - 20}};
    Chain small{{450, V}};
    double T = 0, H = 0;

    // 5. The routes.
    for (int p = 1; p <= N; ++p) {
        double xn = sourceX + w + jitter();
        Route route{S};
        for (int b = 1; b <= m; ++b) {
            s.DrawWidth = 2;
            const double rb = jitter();
            Randomize(1);
            const double d = Int(100 * Rnd());
            const Point next{xn, bendY(q, d)};
            s.Line(route.at().x, route.at().y, next.x, next.y, darkGrey);
            route.to(next);
            xn = sourceX + b * w + rb;
            pacing().wait(number(nSpomaleni_) * pacingFactor);
        }
        s.DrawWidth = 2;
        s.Line(route.at().x, route.at().y, D.x, D.y, darkGrey);
        route.to(D);
        H = route.horizontal();
        T += route.length();
        s.Line(sourceX, graphAxisY, sourceX, graphTopY, darkGrey);
        s.Line(sourceX, graphAxisY, graphRightX, graphAxisY, darkGrey);
        const double theta = arrowAngle(route.length());
        bottom.draw(s, {bottomArrow, theta}, darkGrey);
        s.DrawWidth = 1;
        main.draw(s, {mainArrow, theta}, darkGrey);
        small.draw(s, {smallArrow, theta}, darkGrey);
        pacing().stepEnds();  // a step of the run: one route and its arrows
    }

    // 6. The resultant, the reference line, the mean length bar.
    s.DrawWidth = 2;
    s.Circle(700, ys - 20, 3, darkGrey);
    s.Line(700, ys - 20, main.end().x, main.end().y, green);
    s.Line(sourceX, graphAxisY - lengthScale * H, graphRightX, graphAxisY - lengthScale * H, green);
    s.Line(barFoot.x, barFoot.y, barFoot.x, graphAxisY - lengthScale * T / N, darkGrey);
    s.Circle(barFoot.x, 501, 1, darkGrey);

    // 7. The captions.
    const struct {
        ControlRef name;
        double left, top;
    } captions[] = {{labRadiusKoridor_, 520, ys - 150}, {labDelkaTrasy_, 20, 331}, {labZdroj_, 15, ys},
                    {labDetektor_, 420, ys}, {labRadiusvektorTrasy_, 300, 511}};
    for (const auto& caption : captions)
        reveal(caption.name, caption.left, caption.top);

    // 8. The ends as filled discs (the fill stays for later runs).
    s.FillColor = colours::captionText;
    s.FillStyle = DrawingSurface::FillSolid;
    s.Circle(D.x, D.y, 5, darkGrey);
    s.Circle(S.x, S.y, 5, darkGrey);
}
}  // namespace pathways
