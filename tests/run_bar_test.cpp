// Every program's run bar stands where its run draws nothing.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "desktop_window.h"
#include "program_windows.h"
#include "rnd.h"

TEST(RunBar, StandsWhereTheRunDrawsNothing)
{
    forEachProgram([]<class Window>(const Demonstration& d) {
        resetRnd();
        Desktop<Window> window;
        window.showOnScreen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.form().pacing().setFree(true);
        auto* bar = window.template findChild<QWidget*>(QStringLiteral("runBar"));
        ASSERT_TRUE(bar);
        auto* start = window.template control<QPushButton>(window.form().controls()[window.form().startButton()].design->name);
        start->click();
        EXPECT_FALSE(bar->isVisible()) << d.program << ": gone with the run";
        // Where it stood, in the picture's pixels: the window's grey only.
        const QWidget* canvas = window.template findChild<QWidget*>(QStringLiteral("page"));
        const QRect place(canvas->mapFrom(&window, bar->geometry().topLeft()), bar->size());
        const QImage picture = window.picture();
        int drawn = 0;
        for (int y = std::max(0, place.top()); y <= std::min(picture.height() - 1, place.bottom()); ++y)
            for (int x = std::max(0, place.left()); x <= std::min(picture.width() - 1, place.right()); ++x)
                drawn += picture.pixel(x, y) != qRgb(192, 192, 192);
        EXPECT_EQ(drawn, 0) << d.program << ": the run bar at " << place.x() << "," << place.y() << " "
                            << place.width() << "x" << place.height() << " would hide what the run drew";
    });
}
