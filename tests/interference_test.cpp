// interference's window and its run: the fringe pattern behind two holes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QMessageBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <vector>

#include "captions.h"

#include "interference/physics.h"
#include "interference/window.h"
#include "golden.h"
#include "shown_window.h"

namespace {
constexpr QRgb kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kGrey = 0xFFC0C0C0, kGreen = 0xFF00FF00,
               kCyan = 0xFFC0FFFF, kRed = 0xFFFF0000;
const char* const kRunLabels[] = {"labZdroj", "labClona", "labA", "labB", "labDetektor", "labPravde"};

struct Setting {
    const char *spacing, *distance, *frequency;  // the options
    double h, D, k;
};

// Every hole spacing, distance and frequency a user can choose.
std::vector<Setting> allSettings()
{
    const std::pair<const char*, double> spacings[] = {{"op60", 60}, {"op40", 40}, {"op20", 20}, {"op0", 0}};
    const std::pair<const char*, double> distances[] = {{"opDc200", 200}, {"opDc150", 150}, {"opdc100", 100}};
    const std::pair<const char*, double> frequencies[] = {{"op05", 0.5}, {"op03", 0.3}, {"op01", 0.1}};
    std::vector<Setting> all;
    for (auto [s, h] : spacings)
        for (auto [d, D] : distances)
            for (auto [f, k] : frequencies)
                all.push_back({s, d, f, h, D, k});
    return all;
}

struct Interference : ShownWindow<interference::frmInterference> {
    void choose(const Setting& s) { f.select(s.spacing), f.select(s.distance), f.select(s.frequency); }

    // How far the black bar of the graph reaches right of its 2-pixel axis (x = 600, 601)
    // on one pixel row. A bar drawn at y with pen 2 covers rows y and y + 1, so a row shows
    // the longer bar of its own step and the step below. The scene's axis runs through
    // row 300 as far as x = 750: that row is read from the row below it.
    int bar(int row) const
    {
        row = row == 300 ? 301 : row;
        int x = 601;
        while (x < 760 && at(x + 1, row) == kBlack)
            ++x;
        return x - 601;
    }

    // One run of rows with bars of 99 or more for each bright fringe, holding its step,
    // and bars near 0 between neighbouring fringes.
    void expectFringes(std::vector<int> fringes) const
    {
        std::vector<std::pair<int, int>> runs;
        for (int row = 101; row <= 500; ++row)
            if (bar(row) >= 99) {
                if (!runs.empty() && runs.back().second == row - 1)
                    runs.back().second = row;
                else
                    runs.push_back({row, row});
            }
        ASSERT_EQ(runs.size(), fringes.size());
        std::sort(fringes.begin(), fringes.end());
        for (size_t n = 0; n < runs.size(); ++n) {
            EXPECT_TRUE(runs[n].first <= fringes[n] && fringes[n] <= runs[n].second) << "fringe at " << fringes[n];
            if (n + 1 == runs.size())
                break;
            int least = 100;
            for (int row = fringes[n]; row <= fringes[n + 1]; ++row)
                least = std::min(least, bar(row));
            EXPECT_LE(least, 2) << "dark above the fringe at " << fringes[n];
        }
    }
};

struct Segment {
    double x1, y1, x2, y2;
    double distance(double x, double y) const
    {
        const double dx = x2 - x1, dy = y2 - y1, len2 = dx * dx + dy * dy;
        const double t = len2 > 0 ? std::clamp(((x - x1) * dx + (y - y1) * dy) / len2, 0.0, 1.0) : 0.0;
        return std::hypot(x - (x1 + t * dx), y - (y1 + t * dy));
    }
};

double nearest(const std::vector<Segment>& segments, double x, double y)
{
    double best = 1e9;
    for (const Segment& s : segments)
        best = std::min(best, s.distance(x, y));
    return best;
}
}  // namespace

// ---------------------------------------------------------------- the physics

TEST(InterferencePhysics, RouteLengthsComeFromTheGeometryOfHolesAndDetector)
{
    const auto [yA, yB] = interference::holes(60);
    EXPECT_EQ(yA, 240);
    EXPECT_EQ(yB, 360);
    const double xd = interference::detectorLine(200);
    EXPECT_EQ(xd, 450);
    // From B (250, 360) to (450, 210): 200 across, 150 up, a 3-4-5 triangle.
    EXPECT_DOUBLE_EQ(interference::routeLength(yB, xd, 210), 250);
    // From A (250, 240) to the same point: 200 across, 30 up.
    EXPECT_DOUBLE_EQ(interference::routeLength(yA, xd, 210), std::sqrt(40900.0));
    // On the axis both routes are equally long.
    EXPECT_DOUBLE_EQ(interference::routeLength(yA, xd, 300), std::sqrt(43600.0));
    EXPECT_DOUBLE_EQ(interference::routeLength(yB, xd, 300), std::sqrt(43600.0));
}

TEST(InterferencePhysics, EqualRoutesGiveTwoParallelArrowsAndFourTimesTheProbabilityOfOne)
{
    const double oneArrow = 0.01 * 50 * 50;  // 25
    for (double k : {0.5, 0.3, 0.1}) {
        SCOPED_TRACE(testing::Message() << "k " << k);
        const auto routes = interference::addRoutes(k, 240, 360, 450, 300);  // on the axis
        const Point b = routes.afterB;
        EXPECT_NEAR(std::hypot(b.x - 450, b.y - 300), 50, 1e-12) << "B's arrow is 50 long";
        EXPECT_NEAR(interference::probability(routes.chain), 4 * oneArrow, 1e-9) << "the maximum, 100 pixels";
        // With one hole (h = 0) both routes are one: every detector point is bright.
        for (double y : {101.0, 250.0, 499.0})
            EXPECT_NEAR(interference::probability(interference::addRoutes(k, 300, 300, 350, y).chain), 100, 1e-9);
    }
}

TEST(InterferencePhysics, TheProbabilityFollowsThePhaseDifferenceOfTheTwoRoutes)
{
    // Two arrows of 50 whose angles differ by d add to a sum of 100 |cos(d / 2)|: the
    // probability is 100 cos^2(d / 2), 0 where the routes differ by half a turn.
    int dark = 0;
    for (double h : {60.0, 20.0})
        for (double D : {200.0, 100.0})
            for (double k : {0.5, 0.1})
                for (double y = 101; y <= 499; y += 7) {
                    const double rA = std::hypot(D, y - (300 - h)), rB = std::hypot(D, y - (300 + h));
                    const double d = k * (rB - rA);
                    const auto routes = interference::addRoutes(k, 300 - h, 300 + h, 250 + D, y);
                    const double P = interference::probability(routes.chain);
                    ASSERT_NEAR(P, 100 * std::cos(d / 2) * std::cos(d / 2), 1e-9)
                        << "h " << h << " D " << D << " k " << k << " y " << y;
                    dark += P < 1;
                }
    EXPECT_GT(dark, 0) << "some detector points are dark";
}

TEST_F(Interference, TheWindowItsControlsAndTheHiddenOnes)
{
    EXPECT_EQ(f.objectName(), "frmInterference");
    EXPECT_EQ(f.windowTitle(), QString("Interference - ") + kWebAddress);
    const struct {
        const char* name;
        QRect pixels;  // the design's twips at 15 to a pixel
        int fontPixels;
        bool shown;
    } controls[] = {
        {"labInterference", {136, 8, 297, 25}, 21, true}, {"labKlepnete", {192, 184, 217, 57}, 21, true},
        {"cmdStart", {536, 8, 73, 33}, 19, true},          {"cmdKonec", {616, 8, 65, 33}, 19, true},
        {"frmnRozteč", {16, 80, 89, 89}, 11, true},        {"frmVzdalenostDetektoru", {16, 200, 169, 73}, 11, true},
        {"frmKmitočet", {16, 304, 73, 65}, 11, true},      {"frmAnimace", {16, 384, 81, 65}, 11, false},
        {"HScroll1", {176, 40, 137, 17}, 11, true},
    };
    for (const auto& c : controls) {
        EXPECT_EQ(f.control(c.name)->geometry(), c.pixels) << c.name;
        EXPECT_EQ(f.control(c.name)->font().pixelSize(), c.fontPixels) << c.name;
        EXPECT_EQ(shown(c.name), c.shown) << c.name;
    }
    EXPECT_EQ(f.control<QGroupBox>("frmVzdalenostDetektoru")->title(), "Vzdálenost Detektor-Clona");
    EXPECT_EQ(f.control<QLabel>("labInterference")->text(), "Interference - dvě dírky v cloně");
    EXPECT_EQ(dynamic_cast<Caption*>(f.control("labKlepnete"))->lines(),
              (QStringList{"Klepněte na tlačitko", "Start"})) << "the prompt stands on two lines";
    EXPECT_EQ(f.control<QRadioButton>("nPomalší")->text(), "Pomalejší");
    // the distance options stand in a staircase
    EXPECT_EQ(f.control("opDc200")->pos(), QPoint(32, 16));
    EXPECT_EQ(f.control("opDc150")->pos(), QPoint(56, 32));
    EXPECT_EQ(f.control("opdc100")->pos(), QPoint(88, 48));
    const QSize sizes[] = {{33, 25}, {49, 17}, {17, 17}, {17, 17}, {57, 25}, {145, 17}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(f.control(kRunLabels[i])->size(), sizes[i]) << kRunLabels[i];
        EXPECT_FALSE(shown(kRunLabels[i])) << kRunLabels[i] << " waits for the first run";
    }
    EXPECT_EQ(f.control<QLabel>("labPravde")->text(), "Pravděpodobnost");
    for (const char* box : {"nOdchylka", "nVzdalenost", "nKmitočet", "nSpomaleni"})
        EXPECT_TRUE(f.control(box)->isHidden()) << box;
}

TEST_F(Interference, LoadSelectsTheDefaultsAndEveryOptionWritesItsValue)
{
    EXPECT_EQ(f.text("nOdchylka"), "60");
    EXPECT_EQ(f.text("nVzdalenost"), "200");
    EXPECT_EQ(f.text("nKmitočet"), "0.5");
    EXPECT_EQ(f.text("nSpomaleni"), "1");
    for (const char* option : {"op60", "opDc200", "op05", "opRychla"})
        EXPECT_TRUE(f.isSelected(option)) << option;
    for (const Setting& s : allSettings()) {
        choose(s);
        EXPECT_EQ(f.number("nOdchylka"), s.h);
        EXPECT_EQ(f.number("nVzdalenost"), s.D);
        EXPECT_EQ(f.number("nKmitočet"), s.k);
    }
    const std::pair<const char*, const char*> speeds[] = {{"nPomalší", "10"}, {"opPomalá", "20"}, {"opRychla", "1"}};
    for (auto [option, value] : speeds) {
        f.select(option);
        EXPECT_EQ(f.text("nSpomaleni"), value) << option;
    }
    QTest::mouseClick(f.control("op20"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(f.text("nOdchylka"), "20") << "a user's click runs the same handler";
    auto* bar = f.control<QScrollBar>("HScroll1");
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->value(), 1);
    bar->setValue(bar->maximum());
    EXPECT_EQ(f.text("nSpomaleni"), "20") << "the scroll bar's maximum is the hidden Pomalá";
    EXPECT_TRUE(f.isSelected("opRychla")) << "the scroll bar does not move the options";
    start();
    EXPECT_FALSE(shown("frmAnimace")) << "not even after a run";
    QTest::mouseClick(f.control("cmdKonec"), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Interference, TheFringesStandWhereTheRouteLengthsPutThem)
{
    start();  // h = 60, D = 200, k = 0.5
    for (int x = 600; x <= 699; ++x)
        ASSERT_EQ(at(x, 301), kBlack) << "the bar at y = 300 is 100 long, x = " << x;
    EXPECT_EQ(at(702, 301), kGrey);
    expectFringes({466, 427, 396, 369, 345, 322, 300, 278, 255, 231, 204, 173, 134});
    f.select("op20");
    start();
    expectFringes({462, 366, 300, 234, 138});
    f.select("op60"), f.select("op01");
    start();
    expectFringes({427, 300, 173});
    f.select("op0");
    for (const char* frequency : {"op05", "op01"}) {
        f.select(frequency);
        start();
        for (int row = 101; row <= 500; ++row)
            ASSERT_TRUE(bar(row) == 99 || bar(row) == 100) << "one hole: every bar 100, row " << row;
        for (int y = 298; y <= 302; ++y)
            EXPECT_NE(at(250, y), kBlack) << "the one hole cut out of the screen, y = " << y;
        EXPECT_EQ(at(250, 290), kBlack);
    }
}

TEST_F(Interference, ArrowsRoutesAndResultantsAppearOnlyAtThe19MarkedRows)
{
    const std::vector<Setting> all = allSettings();
    for (const Setting& s : {all[0], all[7], all[13], all[20], all[30]}) {
        SCOPED_TRACE(testing::Message() << "h " << s.h << " D " << s.D << " k " << s.k);
        choose(s);
        start();
        std::vector<Segment> routes, secondArrows, resultants;
        const double xd = 250 + s.D;
        for (double y = 480; y >= 120; y -= 20) {
            const double rB = std::hypot(xd - 250, y - 300 - s.h), rA = std::hypot(xd - 250, y - 300 + s.h);
            const double cx = xd + 50 * std::cos(s.k * rB), cy = y + 50 * std::sin(s.k * rB);
            const double ex = cx + 50 * std::cos(s.k * rA), ey = cy + 50 * std::sin(s.k * rA);
            routes.push_back({250, 300 + s.h, xd, y});
            routes.push_back({250, 300 - s.h, xd, y});
            secondArrows.push_back({cx, cy, ex, ey});
            resultants.push_back({xd, y, ex, ey});
        }
        int cyan = 0, white = 0;
        for (int y = 50; y <= 580; ++y)  // the band a run clears (earlier tips may stay above it)
            for (int x = 5; x < 800; ++x) {
                const QRgb p = at(x, y);
                if (p == kCyan) {
                    ++cyan;
                    ASSERT_LE(nearest(routes, x, y), 1.5) << "cyan at " << x << "," << y;
                } else if (p == kGreen) {
                    ASSERT_LE(nearest(resultants, x, y), 2.0) << "green at " << x << "," << y;
                } else if (p == kWhite && std::hypot(x - 150, y - 300) > 5) {  // not the source
                    ++white;
                    ASSERT_LE(nearest(secondArrows, x, y), 1.5) << "white at " << x << "," << y;
                }
            }
        EXPECT_GT(cyan, 1000);
        EXPECT_GT(white, s.h > 0 ? 200 : 0) << "with one hole the resultant covers both arrows";
        // every marked row drew its two routes: most of each is still to be seen
        for (const Segment& r : routes) {
            int seen = 0;
            for (int n = 1; n < 20; ++n) {
                const int x = int(std::lround(r.x1 + n * (r.x2 - r.x1) / 20));
                const int y = int(std::lround(r.y1 + n * (r.y2 - r.y1) / 20));
                seen += at(x, y) == kCyan || at(x + 1, y) == kCyan || at(x, y + 1) == kCyan || at(x - 1, y) == kCyan ||
                        at(x, y - 1) == kCyan;
            }
            EXPECT_GE(seen, 10) << "route to y = " << r.y2;
        }
    }
}

TEST_F(Interference, TheLabelsAreHiddenUntilTheFirstRunEndsThenFollowTheHoles)
{
    // Look at the window once during each run (the pacing shows the picture), then let
    // the rest of the run go at no cost.
    int looks = 0, shownDuringRun = 0;
    QPoint labADuringRun;
    f.pacing().showPicture = [&] {
        if (looks++ == 0) {
            for (const char* name : kRunLabels)
                shownDuringRun += shown(name);
            labADuringRun = f.control("labA")->pos();
        }
        f.pacing().setFree(true);
    };
    auto lookedAtRun = [&] {
        looks = 0, shownDuringRun = 0;
        f.pacing().setFree(false);
        f.pacing().resetGaps();
        start();
        ASSERT_GE(looks, 1);
    };
    lookedAtRun();
    EXPECT_EQ(shownDuringRun, 0) << "no label shows before the first run has ended";
    for (const char* name : kRunLabels)
        EXPECT_TRUE(shown(name)) << name;
    EXPECT_EQ(f.control("labClona")->pos(), QPoint(210, 90));
    EXPECT_EQ(f.control("labPravde")->pos(), QPoint(600, 60));
    EXPECT_EQ(f.control("labZdroj")->pos(), QPoint(120, 310));
    EXPECT_FALSE(shown("labKlepnete")) << "the prompt steps aside from the picture once a run begins";
    for (const Setting& s : allSettings()) {
        SCOPED_TRACE(testing::Message() << "h " << s.h << " D " << s.D);
        choose(s);
        const QPoint before = f.control("labA")->pos();
        lookedAtRun();
        EXPECT_EQ(shownDuringRun, 6) << "shown during later runs";
        EXPECT_EQ(labADuringRun, before) << "where the previous run left them";
        const QRect a = f.control("labA")->geometry(), b = f.control("labB")->geometry();
        const int yA = int(300 - s.h), yB = int(300 + s.h);
        EXPECT_EQ(a.topLeft(), QPoint(230, yA - 20));
        EXPECT_EQ(b.topLeft(), QPoint(230, yB + 10));
        EXPECT_TRUE(a.right() < 249 && b.right() < 249 && a.right() > 243) << "just left of the screen";
        EXPECT_TRUE(a.bottom() < yA && a.bottom() >= yA - 6) << "A just above its hole";
        EXPECT_TRUE(b.top() > yB && b.top() <= yB + 12) << "B just below its hole";
        EXPECT_EQ(f.control("labDetektor")->x(), int(s.D) + 285) << "beside the detector line";
    }
    f.pacing().showPicture = [this] { f.showPicture(); };
}

TEST_F(Interference, EveryRunClearsThePreviousOneWhateverTheSetting)
{
    // A setting draws the same picture in the cleared band (rows 50..580) whatever ran
    // before it: two windows go through every setting in opposite orders.
    Desktop<interference::frmInterference> other;
    other.pacing().setFree(true);
    other.showOnScreen();
    const std::vector<Setting> all = allSettings();
    const int n = int(all.size());
    std::vector<QImage> forwards(n);
    int highest = 581;
    for (int i = 0; i < n; ++i) {
        choose(all[i]);
        start();
        forwards[i] = f.picture().copy(0, 50, 800, 531);
        for (int y = 0; y < highest; ++y)
            for (int x = 5; x < 800 && y < highest; ++x)
                if (at(x, y) != kGrey)
                    highest = y;
        EXPECT_GE(bar(301), 99) << "a bright fringe on the axis, setting " << i;
        for (int d = 1; d <= 190; ++d)
            ASSERT_NEAR(bar(300 + d), bar(301 - d), 1) << "symmetric about the axis, setting " << i << ", d " << d;
    }
    for (int i = n - 1; i >= 0; --i) {
        other.select(all[i].spacing), other.select(all[i].distance), other.select(all[i].frequency);
        QTest::mouseClick(other.control("cmdStart"), Qt::LeftButton);
        EXPECT_TRUE(other.picture().copy(0, 50, 800, 531) == forwards[i])
            << "h " << all[i].h << " D " << all[i].D << " k " << all[i].k;
    }
    // The highest arrows reach above the band; there they stay, as everything above it does.
    EXPECT_LT(highest, 50);
    f.surface().Line(300, 49, 400, 49, colours::red);
    f.surface().Line(300, 50, 400, 50, colours::red);
    start();
    EXPECT_EQ(at(350, 49), kRed);
    EXPECT_EQ(at(350, 50), kGrey);
}

TEST_F(Interference, EachOfThe399StepsWaits30000TimesTheSpeed)
{
    f.pacing().resetCount();
    start();
    EXPECT_EQ(f.pacing().waits(), 399);
    EXPECT_EQ(f.pacing().decrementsAsked(), 399.0 * 30000);  // about 3 s at a quarter microsecond
    EXPECT_LE(f.pacing().designedSeconds(), 3.5) << "drawing adds little to the waits";
    f.control<QScrollBar>("HScroll1")->setValue(20);
    f.pacing().resetCount();
    start();
    EXPECT_EQ(f.pacing().decrementsAsked(), 399.0 * 30000 * 20);  // about a minute
    EXPECT_EQ(f.surface().ScaleMode, DrawingSurface::Pixels);
}

TEST_F(Interference, GoldenPictureAtTheDefaultSettings)
{
    start();
    EXPECT_TRUE(matchesGolden(drawingArea(), "interference_default"));
}

// ---------------------------------------------------------------- the window on the desktop

TEST_F(Interference, AssistiveTechnologySeesANamedDescribedPictureAndOnlyTheShownControls)
{
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(f.findChild<QWidget*>("canvas"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "Interference");
    EXPECT_EQ(picture->text(QAccessible::Description), "Dvě trasy, dva radiusvektory a interferenční obrazec.");
    f.select("op40");
    start();
    const QString described = picture->text(QAccessible::Description);
    EXPECT_TRUE(described.contains("Vzdálenost Detektor-Clona: větší")) << described.toStdString();
    EXPECT_TRUE(described.contains("Rozteč dírek: střední")) << "the spacing drawn: " << described.toStdString();

    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(f.findChild<QWidget*>("page"));
    ASSERT_TRUE(page);
    QStringList seen;
    for (int i = 0; i < page->childCount(); ++i) {
        QWidget* w = qobject_cast<QWidget*>(page->child(i)->object());
        ASSERT_TRUE(w);
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
        seen << w->objectName();
    }
    EXPECT_TRUE(seen.contains("canvas") && seen.contains("cmdStart") && seen.contains("labPravde"));
    EXPECT_FALSE(seen.contains("frmAnimace") || seen.contains("nSpomaleni")) << seen.join(' ').toStdString();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(f.control("HScroll1"));
    EXPECT_EQ(bar->text(QAccessible::Name), "Rychlost animace");
    // Its value, read out, is its setting against the start-up speed; the number stays.
    EXPECT_EQ(bar->text(QAccessible::Value), "výchozí rychlost");
    ASSERT_TRUE(bar->valueInterface());
    bar->valueInterface()->setCurrentValue(20);
    EXPECT_EQ(f.text("nSpomaleni"), "20");
    EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 20);
    EXPECT_EQ(bar->text(QAccessible::Value), "20× pomaleji než výchozí");
}

TEST_F(Interference, CtrlCCopiesThePictureWithItsLabelsAsTheWindowShowsThem)
{
    start();
    QApplication::clipboard()->clear();
    QTest::keyClick(&f, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), DesktopWindow::qsize(f.surface().clientSize())) << "the client area";
    for (const char* name : {"labZdroj", "labA", "labB", "labDetektor", "labPravde"}) {
        const QRect where = f.control(name)->geometry();
        int ink = 0;
        for (int y = where.top(); y <= where.bottom(); ++y)
            for (int x = where.left(); x <= where.right(); ++x)
                ink += qGray(copied.pixel(x, y)) < 64;
        EXPECT_GT(ink, 10) << name << " is on the copy";
    }
    EXPECT_EQ(copied.pixelColor(f.control("cmdStart")->geometry().center()), QColor(192, 192, 192))
        << "the buttons are not";
}

TEST_F(Interference, F1TellsWhatTheProgramIsAndF11FillsTheScreen)
{
    QTest::keyClick(&f, Qt::Key_F1);
    auto* about = f.findChild<QMessageBox*>(QStringLiteral("about"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowModality(), Qt::NonModal) << "the window behind it still takes a close";
    EXPECT_EQ(about->windowTitle(), "O programu Interference");
    for (const char* part : {"Interference - dvě dírky v cloně", "verze 1.0.0", kWebAddress, "Esc", "Ctrl+C", "F11"})
        EXPECT_TRUE(about->text().contains(QString::fromUtf8(part))) << part;
    QTest::keyClick(&f, Qt::Key_F1);
    EXPECT_EQ(f.findChildren<QMessageBox*>(QStringLiteral("about")).size(), 1) << "F1 again shows the same box";
    about->accept();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_F11);
    EXPECT_TRUE(f.isFullScreen());
    QTest::keyClick(&f, Qt::Key_F11);
    EXPECT_FALSE(f.isFullScreen());
    QStringList commands;
    for (QAction* a : f.actions())
        commands << a->text() + ' ' + a->shortcut().toString();
    EXPECT_EQ(commands, (QStringList{"Kopírovat obrázek Ctrl+C", "Kopírovat odkaz Ctrl+Shift+C", "Uložit obrázek Ctrl+S",
                                     "Nahrát animaci Ctrl+R", "O programu F1", "Celá obrazovka F11"}))
        << "the keys, in the window's context menu";
}
