// A link opens each program on the desktop in its set-up: the window as the link sets it,
// the link it copies back, and the picture its run draws, which the browser must draw too
// (tests/links.list; the same pictures are the browser test's).
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCryptographicHash>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "desktop_window.h"
#include "golden.h"
#include "program_windows.h"
#include "rnd.h"
#include "setup.h"

namespace {
// The pixels of a picture as raw RGB, for a decoder of its own to compare with.
QString rawPixels(const QImage& picture, const QString& path)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    QFile raw(path);
    if (!raw.open(QIODevice::WriteOnly))
        return {};
    for (int y = 0; y < rgb.height(); ++y)
        raw.write(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
    return path;
}

// Runs one of the checks in tests/keep with Python: its verdict, empty when it agrees.
std::string check(const char* script, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(SUITE_KEEP_CHECKS "/") + script} + arguments);
    if (!process.waitForFinished(30000))
        return "the check did not finish";
    const std::string said = (process.readAllStandardOutput() + process.readAllStandardError()).toStdString();
    if (process.exitCode() != 0)
        return said;
    std::fprintf(stderr, "%s: %s", script, said.c_str());  // what it read, for the log
    return {};
}

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

// The picture to keep: what the window shows, labels included, as a PNG that a decoder
// of its own (Pillow) reads back with the window's pixels, description and link.
TEST(Keep, SavesThePictureAsSeenWithItsDescriptionAndLink)
{
    resetRnd();
    Desktop<fringeworks::Animace> window;
    window.pacing().setFree(true);
    window.showOnScreen();
    window.openLink(QStringLiteral("opFot10&seed=42&start"));
    QTRY_VERIFY_WITH_TIMEOUT(window.pacing().steps() > 0 && !window.isRunning(), 20000);
    QTemporaryDir folder;
    const QString png = folder.filePath(QString::fromStdString(setup::fileName(window.form(), "fringeworks", "png")));
    EXPECT_TRUE(png.endsWith("/fringeworks_opFot10_seed-42.png")) << png.toStdString();
    ASSERT_EQ(window.savePicture(png), QString());
    EXPECT_FALSE(window.savePicture(folder.filePath("no/such/folder/x.png")).isEmpty()) << "a failure is told";

    const QImage seen = window.pictureAsSeen();
    EXPECT_EQ(check("check_png.py", {png, rawPixels(seen, folder.filePath("seen.rgb")), QString::number(seen.width()),
                                     QString::number(seen.height()), QString::fromStdString(window.pictureDescription()),
                                     QString::fromStdString(setup::link(window.form(), "fringeworks"))}),
              "");
}

// The build-up to keep: Ctrl+R records Start's run; the animated GIF, read back by a
// decoder of its own, ends on the picture the run left and lasts the run's designed time.
TEST(Keep, RecordsARunAsAnAnimationAtTheDesignedPace)
{
    for (const char* link : {"op20&opdc100", "opFot10&seed=42"}) {
        resetRnd();
        std::unique_ptr<DesktopWindow> window;
        if (std::string(link).starts_with("op20"))
            window = std::make_unique<Desktop<interference::frmInterference>>();
        else
            window = std::make_unique<Desktop<fringeworks::Animace>>();
        window->form().pacing().setFree(true);
        window->showOnScreen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->openLink(QString::fromUtf8(link));
        // The save dialog the recorded run opens is dismissed, as a user may.
        QTimer dismiss;
        QObject::connect(&dismiss, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        dismiss.start(10);
        QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
        dismiss.stop();
        const Recording* recording = window->form().recording();
        ASSERT_TRUE(recording) << link;
        EXPECT_EQ(recording->approximated(), 0) << "every colour exact";
        QTemporaryDir folder;
        const QString gif = folder.filePath("run.gif");
        ASSERT_EQ(window->saveRecording(gif), QString());
        const QImage left = window->picture().copy(QRect(QPoint(0, 0), DesktopWindow::qsize(window->form().design())));
        // The same link gives the same bytes in the browser (web_test.py reads this list).
        QFile digests(QStringLiteral(SUITE_GOLDEN_DIR "/recordings.list"));
        ASSERT_TRUE(digests.open(QIODevice::ReadOnly));
        QFile written(gif);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QString digest = QString::fromLatin1(QCryptographicHash::hash(written.readAll(), QCryptographicHash::Sha256).toHex());
        EXPECT_TRUE(QString::fromUtf8(digests.readAll()).contains(QStringLiteral("|%1|%2\n").arg(QString::fromUtf8(link), digest)))
            << link << ": the animation's SHA-256 is " << digest.toStdString();
        EXPECT_EQ(check("check_gif.py", {gif, rawPixels(left, folder.filePath("left.rgb")), QString::number(left.width()),
                                         QString::number(left.height()),
                                         QString::number(window->form().pacing().runSeconds())}),
                  "")
            << link;
    }
}
