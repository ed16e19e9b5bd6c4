// The launcher: the eight demonstrations, and what a click or Enter opens.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QTest>
#include <tuple>

#include "launcher.h"

namespace {
struct LauncherTest : ::testing::Test {
    QStringList started, arguments;
    Launcher launcher{[this](const QString& path, const QStringList& with) {
        started << path;
        arguments << with.join(' ');
        return true;
    }};
    void SetUp() override
    {
        launcher.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&launcher));
    }
    QPoint centreOf(int row) const
    {
        return launcher.list()->visualItemRect(launcher.list()->item(row)).center();
    }
};
}  // namespace

TEST_F(LauncherTest, ListsTheEightDemonstrationsWithTheirPictures)
{
    QListWidget* list = launcher.list();
    ASSERT_EQ(list->count(), 8);
    for (int i = 0; i < list->count(); ++i) {
        const Demonstration& d = kDemonstrations[i];
        EXPECT_EQ(list->item(i)->data(Qt::UserRole).toString(), d.program) << "in the suite's order";
        EXPECT_EQ(list->item(i)->text(), QString::fromUtf8(d.title) + '\n' + QString::fromUtf8(d.description));
        EXPECT_FALSE(list->item(i)->icon().isNull()) << d.program << ": a thumbnail of the picture it draws";
    }
    EXPECT_TRUE(list->item(0)->text().startsWith("Vidivizur\n"));
    EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(LauncherTest, AClickOrEnterOpensTheProgramBesideTheLauncher)
{
    QTest::mouseClick(launcher.list()->viewport(), Qt::LeftButton, {}, centreOf(1));
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0], Launcher::pathOf("parabola"));
    EXPECT_TRUE(started[0].endsWith("/parabola"));
    launcher.list()->setFocus();
    launcher.list()->setCurrentRow(4);
    QTest::keyClick(launcher.list(), Qt::Key_Return);
    ASSERT_EQ(started.size(), 2);
    EXPECT_TRUE(started[1].endsWith("/interference"));
}

TEST_F(LauncherTest, ADoubleClickOpensTheProgramOnce)
{
    QTest::mouseClick(launcher.list()->viewport(), Qt::LeftButton, {}, centreOf(2));
    QTest::mouseDClick(launcher.list()->viewport(), Qt::LeftButton, {}, centreOf(2));
    QTest::mouseClick(launcher.list()->viewport(), Qt::LeftButton, {}, centreOf(2));
    EXPECT_EQ(started.size(), 1);
}

TEST_F(LauncherTest, TheArrowKeysMoveBetweenTheCardsBothWays)
{
    QListWidget* list = launcher.list();
    list->setFocus();
    list->setCurrentRow(0);
    const std::pair<Qt::Key, int> moves[] = {{Qt::Key_Right, 1}, {Qt::Key_Down, 5}, {Qt::Key_Left, 4}, {Qt::Key_Up, 0}};
    for (auto [key, row] : moves) {
        QTest::keyClick(list, key);
        EXPECT_EQ(list->currentRow(), row) << QKeySequence(key).toString().toStdString();
    }
}

TEST_F(LauncherTest, AllEightCardsStandInTheWindowAtOnce)
{
    for (const QSize size : {QSize(640, 480), QSize(800, 600), QSize(1920, 1080)}) {
        launcher.resize(size);
        QCoreApplication::processEvents();
        const QRect inside = launcher.list()->viewport()->rect();
        for (int row = 0; row < 8; ++row) {
            const QRect card = launcher.list()->visualItemRect(launcher.list()->item(row));
            EXPECT_TRUE(inside.contains(card)) << size.width() << "x" << size.height() << " card " << row;
            EXPECT_GT(card.width(), size.width() / 5) << "four in a row";
        }
    }
}

TEST_F(LauncherTest, EveryCardShowsItsWholeNameAndDescriptionWithItsThumbnail)
{
    for (const QSize size : {QSize(640, 480), QSize(800, 600)}) {
        launcher.resize(size);
        QCoreApplication::processEvents();
        for (int row = 0; row < 8; ++row) {
            const QRect cell = launcher.list()->visualItemRect(launcher.list()->item(row));
            const QStringList text = launcher.list()->item(row)->text().split('\n');
            const CardLayout card = cardLayout(cell, text.value(0), text.value(1));
            SCOPED_TRACE(QStringLiteral("%1x%2 %3").arg(size.width()).arg(size.height()).arg(text.value(0)).toStdString());
            EXPECT_TRUE(card.whole);
            EXPECT_TRUE(cell.contains(card.title) && cell.contains(card.line));
            EXPECT_GE(card.picture.height(), cell.height() / 4) << "room for the thumbnail";
            // The whole of each text is in its rectangle as drawn, wrapped.
            for (const auto& [rect, font, line] : {std::tuple{card.title, cardTitleFont(), text.value(0)},
                                                   std::tuple{card.line, cardLineFont(), text.value(1)}})
                EXPECT_TRUE(rect.contains(QFontMetrics(font).boundingRect(rect, Qt::AlignHCenter | Qt::TextWordWrap, line)));
        }
    }
}

TEST_F(LauncherTest, ALinkPastedOpensItsDemonstrationInItsSetUp)
{
    const QString link = QStringLiteral("https://svetlo-a-sipky.example.org/fringeworks.html?opfot500&seed=7");
    QGuiApplication::clipboard()->setText(link);
    QTest::keyClick(&launcher, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(started.size(), 1);
    EXPECT_TRUE(started[0].endsWith("/fringeworks"));
    EXPECT_EQ(arguments[0], link);
}
