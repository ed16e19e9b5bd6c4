// A link opens each program on the desktop in its set-up: the window as the link sets it,
// the link it copies back, and the picture its run draws, which the browser must draw too
// (tests/links.list; the same pictures are the browser test's).
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>

#include "desktop_window.h"
#include "golden.h"
#include "program_windows.h"
#include "rnd.h"

namespace {
struct Link {
    QString program, link, written;
};
std::vector<Link> links()
{
    QFile file(QStringLiteral(SUITE_LINKS_LIST));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<Link> out;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QStringList fields = line.split('|');
        if (!line.startsWith('#') && fields.size() == 3)
            out.push_back({fields[0], fields[1], fields[2]});
    }
    return out;
}
}  // namespace

TEST(LinkGolden, OpensEveryProgramInItsSetUpAndDrawsThePictureTheBrowserDraws)
{
    const std::vector<Link> all = links();
    ASSERT_EQ(all.size(), std::size(kDemonstrations));
    for (const Link& l : all) {
        forEachProgram([&l]<class Window>(const Demonstration& d) {
            if (l.program != d.program)
                return;
            resetRnd();
            Desktop<Window> window;
            window.pacing().setFree(true);
            window.showOnScreen();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            window.openLink(l.link + QStringLiteral("&start"));
            EXPECT_FALSE(window.template findChild<QMessageBox*>(QStringLiteral("linkProblem"))) << d.program;
            QTRY_VERIFY_WITH_TIMEOUT(window.pacing().steps() > 0 && !window.isRunning(), 20000);
            window.copyLink();
            EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
                      QStringLiteral("%1/%2.html?%3").arg(kWebAddress, l.program, l.written).toStdString())
                << d.program << ": the link the window copies, as the browser's address shows it";
            EXPECT_TRUE(matchesGolden(window.picture().copy(0, 0, 800, 581), QStringLiteral("link_") + l.program, 0))
                << d.program;
        });
    }
}

TEST(Link, ABadLinkIsToldAndTheWindowKeepsItsDefaults)
{
    Desktop<interference::frmInterference> window;
    window.showOnScreen();
    window.openLink(QStringLiteral("op20&op99&HScroll1=1000"));
    auto* message = window.findChild<QMessageBox*>(QStringLiteral("linkProblem"));
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->text().contains(QStringLiteral("„op99“"))) << message->text().toStdString();
    EXPECT_TRUE(window.form().isSelected("op20")) << "what could be read is applied";
    EXPECT_EQ(window.form().scrollValue("HScroll1"), 1) << "the speed out of range stays as it was";
    EXPECT_FALSE(window.form().isRunning());
}
