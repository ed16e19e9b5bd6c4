#pragma once
// The base of a program's tests: its window opened on the screen with waits that
// cost no time, and the looks at it that every program's tests take.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "desktop_window.h"

template <class Window>
struct ShownWindow : ::testing::Test {
    Desktop<Window> f;
    void SetUp() override
    {
        f.pacing().setFree(true);
        f.showOnScreen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    }
    void start(const char* button = "cmdStart") { QTest::mouseClick(f.control(button), Qt::LeftButton); }
    bool shown(const char* name) const { return !f.control(name)->isHidden(); }
    QRgb at(int x, int y) const { return f.surface().pixel(x, y); }
    QImage drawingArea() const { return f.picture().copy(0, 0, 800, 581); }
    // The caption of a label, button or frame.
    QString caption(const char* name) const
    {
        QWidget* w = f.control(name);
        if (auto* l = qobject_cast<QLabel*>(w))
            return l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            return b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w))
            return g->title();
        return {};
    }
};
