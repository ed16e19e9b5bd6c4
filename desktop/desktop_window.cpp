#include "desktop_window.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageWriter>
#include <QStandardPaths>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "accessibility.h"
#include "canvas.h"
#include "controls.h"
#include "question.h"
#include "run_bar.h"
#include "setup.h"
#include "suite.h"

namespace {
// How long the window keeps its size before its resampled picture is drawn again exactly,
// and how long each part of that takes (the window serves its events between them).
constexpr int kRedrawAfter = 150;  // ms
constexpr std::chrono::milliseconds kRedrawPart{8};
// Scales closer than this draw the design within a pixel of one another.
constexpr double kSameScale = 1.0 / 800;
}  // namespace

DesktopWindow::DesktopWindow(Form& form)
    : form_(form),
      title_(QString::fromStdString(form.programTitle())),
      design_(qsize(form.design())),
      input_(*this, form.input(), [this](const QWidget* w) { return isRunControl(w); }),
      page_(new QWidget(this)),
      canvas_(new Canvas(form.surface(), page_)),
      runBar_(nullptr),
      redraw_(new QTimer(this))
{
    form.load();  // Form_Load, before the window is made from what it set
    setObjectName(QString::fromStdString(form.formName()));
    setWindowTitle(QString::fromStdString(form.windowCaption()));
    page_->setObjectName(QStringLiteral("page"));
    // Qt scales the whole window to the screen (scaleToFillTheScreen); the picture is
    // drawn in the screen's own pixels.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize design = design_;
        shrink_ = std::min(1.0, scaleFor(screen->availableGeometry().size(), screen->geometry().size(), design));
        form.surface().setScale(shrink_, screen->devicePixelRatio());
        design_ = QSize(int(std::lround(design.width() * shrink_)), int(std::lround(design.height() * shrink_)));
        if (shrink_ < 1)
            shrinkTheStyle(shrink_);
    }
    paint(this, colours::grey, colours::buttonText);
    controls_ = std::make_unique<Controls>(form, page_, canvas_, shrink_);
    runBar_ = new RunBar(form, this, shrink_);
    if (form.startButton() >= 0)
        controls_->at(form.startButton())->setToolTip(QString::fromUtf8(shell::kStartTip));
    form.setFrontEnd(this);
    form.input().onStop = [this] { answerNo(this); };
    // The picture for assistive technology: what it shows, then what it was drawn with.
    canvas_->setAccessibleName(title_);
    const Demonstration* demonstration = demonstrationTitled(form.programTitle());
    whatItShows_ = demonstration ? QString::fromUtf8(demonstration->description) : QString();
    canvas_->setAccessibleDescription(whatItShows_);
    // The window's own commands, each with its key, in the picture's context menu.
    auto command = [this](const QString& text, const QKeySequence& key, std::function<void()> act) {
        auto* action = new QAction(text, this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, this, [a = std::move(act)] { a(); });
        addAction(action);
    };
    command(QString::fromUtf8(shell::kCopyCommand), QKeySequence::Copy, [this] {
        if (!form_.isRunning())
            copyPicture();
    });
    command(QString::fromUtf8(shell::kCopyLinkCommand), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] {
        if (!form_.isRunning())
            copyLink();
    });
    command(QString::fromUtf8(shell::kSavePictureCommand), QKeySequence::Save, [this] {
        if (!form_.isRunning())
            savePictureAs();
    });
    command(QString::fromUtf8(shell::kRecordCommand), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { form_.recordRun(); });
    command(QString::fromUtf8(shell::kAboutCommand), QKeySequence(Qt::Key_F1), [this] {
        if (!form_.isRunning())
            about();
    });
    command(QString::fromUtf8(shell::kFullScreenCommand), QKeySequence(Qt::Key_F11), [this] { toggleFullScreen(); });
    setContextMenuPolicy(Qt::ActionsContextMenu);
    redraw_->setSingleShot(true);
    QObject::connect(redraw_, &QTimer::timeout, this, [this] {
        if (form_.isRunning())
            return;  // the run draws on the picture drawn again
        if (!form_.surface().redrawSome(kRedrawPart))
            redraw_->start(0);  // the next part once the window's events are served
        canvas_->updateChanged();
    });
}

DesktopWindow::~DesktopWindow()
{
    form_.input().onStop = nullptr;
    form_.setFrontEnd(nullptr);
}

double DesktopWindow::scaleFor(QSize available, QSize screen, QSize design)
{
    const auto size = [](QSize s) { return Size{s.width(), s.height()}; };
    return scaleToFill(size(available), size(screen), size(design));
}

int DesktopWindow::twipsToPixels(int twips) const { return ::twipsToPixels(twips, shrink_); }

void DesktopWindow::controlChanged(int control, Change what) { controls_->changed(control, what); }

QWidget* DesktopWindow::control(std::string_view name) const { return controls_->named(name); }

QImage DesktopWindow::picture() const
{
    const Picture& p = form_.surface().image();
    return QImage(reinterpret_cast<const uchar*>(p.bits()), p.width(), p.height(), p.stride() * 4,
                  QImage::Format_RGB32)
        .copy();
}

int DesktopWindow::ask(const std::string& title, const std::string& question)
{
    return askYesNo(this, QString::fromStdString(title), QString::fromStdString(question));
}

int DesktopWindow::messageBox(QWidget* parent, const QString& title, const QString& question)
{
    return askYesNo(parent, title, question);
}

void DesktopWindow::handled() { canvas_->updateChanged(); }

bool DesktopWindow::isRunControl(const QWidget* widget) const
{
    const auto within = [widget](const QWidget* control) {
        return control && (control == widget || control->isAncestorOf(widget));
    };
    if (within(runBar_))
        return true;
    for (int i = 0; i < int(form_.controls().size()); ++i)
        if (form_.isSpeedBar(i) && within(controls_->at(i)))
            return true;
    return false;
}

void DesktopWindow::runBegins()
{
    announceBusy(canvas_);
    input_.hold();
    runBar_->runBegins(page_->geometry().intersected(rect()));
}

void DesktopWindow::runEnded()
{
    runBar_->runEnded();
    input_.release();
    announceBusy(canvas_);
    placePage();  // at the window's size now, if it changed during the run
    if (refitAfterTheRun_) {
        // Once what was held during the run is served: it was aimed at the window as it was.
        refitAfterTheRun_ = false;
        QTimer::singleShot(0, this, [this] { refit(); });
    }
    canvas_->updateChanged();
    canvas_->setAccessibleDescription(QString::fromStdString(form_.describeDrawn(whatItShows_.toStdString())));
}

void DesktopWindow::showPicture()
{
    canvas_->updateChanged();
    runBar_->showState();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // What the user's input did to the run just now (a pause, a step, the speed) goes to
    // the screen with this frame, not the next one.
    runBar_->showState();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void DesktopWindow::showOnScreen()
{
    // Without a window manager a maximised window keeps its own size: give it the
    // whole available area first.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    if (form_.startButton() >= 0)
        controls_->at(form_.startButton())->setFocus();
    // Another screen may have another size and pixel ratio.
    if (QWindow* window = windowHandle(); window && !watchesItsScreen_) {
        QObject::connect(window, &QWindow::screenChanged, this, [this] { refit(); });
        watchesItsScreen_ = true;
    }
}

void DesktopWindow::copyPicture() { QGuiApplication::clipboard()->setImage(pictureAsSeen()); }

QImage DesktopWindow::pictureAsSeen() const
{
    const double dpr = form_.surface().devicePixelRatio();
    const QSize client = qsize(form_.surface().clientSize()) * dpr;
    QImage picture = this->picture().copy(QRect(QPoint(0, 0), client));
    picture.setDevicePixelRatio(dpr);
    // The captions and formulas that stand on the picture; not the buttons, frames and bars.
    QPainter painter(&picture);
    for (QObject* o : page_->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == canvas_ || w->isHidden() || !(qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w)))
            continue;
        w->render(&painter, w->pos(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    painter.end();
    return picture;
}

std::string DesktopWindow::programName() const { return setup::programName(form_); }

QString DesktopWindow::savePicture(const QString& path) const
{
    QImage picture = pictureAsSeen();
    picture.setText(QString::fromUtf8(shell::kPictureDescriptionKey),
                    QString::fromStdString(pictureDescription()));
    picture.setText(QString::fromUtf8(shell::kPictureLinkKey), QString::fromStdString(setup::link(form_, programName())));
    QImageWriter writer(path, "png");
    return writer.write(picture) ? QString() : writer.errorString();
}

// Asks where to keep what the window offers, in the user's pictures under a name made
// from the set-up, and writes it there; what went wrong is told.
void DesktopWindow::keep(const char* command, const char* extension, const QString& what,
                         const std::function<QString(const QString&)>& write)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString name = QString::fromStdString(setup::fileName(form_, programName(), extension));
    const QString path =
        QFileDialog::getSaveFileName(this, QString::fromUtf8(command), QDir(folder).filePath(name),
                                     QStringLiteral("%1 (*.%2)").arg(QString::fromLatin1(extension).toUpper(),
                                                                     QString::fromLatin1(extension)));
    if (path.isEmpty())
        return;
    if (const QString failed = write(path); !failed.isEmpty())
        QMessageBox::warning(this, QString::fromUtf8(command),
                             QStringLiteral("%1 se nepodařilo uložit do %2: %3").arg(what, path, failed));
}

void DesktopWindow::savePictureAs()
{
    keep(shell::kSavePictureCommand, "png", QStringLiteral("Obrázek"), [this](const QString& path) { return savePicture(path); });
}

QString DesktopWindow::saveRecording(const QString& path) const
{
    const Recording* recording = form_.recording();
    if (!recording)
        return QStringLiteral("nic nebylo nahráno");
    const std::vector<std::uint8_t> gif = recording->gif();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(gif.data()), qint64(gif.size())) != qint64(gif.size()) ||
        !file.flush())
        return file.errorString();
    return {};
}

void DesktopWindow::recorded()
{
    keep(shell::kRecordCommand, "gif", QStringLiteral("Animaci"), [this](const QString& path) { return saveRecording(path); });
}

void DesktopWindow::copyLink()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(setup::link(form_, programName())));
}

void DesktopWindow::openLink(const QString& link)
{
    const setup::Applied applied = setup::apply(form_, programName(), link.toStdString());
    if (const std::string message = setup::message(applied); !message.empty()) {
        // Not modal: the window is usable at once, with the defaults for what was not read.
        auto* box = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(shell::kLinkProblem),
                                    QString::fromStdString(message), QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("linkProblem"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
    }
    if (applied.start && form_.startButton() >= 0)
        QTimer::singleShot(0, this, [this] {
            if (!form_.isRunning())
                form_.clicked(form_.startButton());
        });
}

void DesktopWindow::about()
{
    const Demonstration* demonstration = demonstrationTitled(form_.programTitle());
    const std::string name = demonstration ? demonstration->title : form_.programTitle();
    const QString text = QString::fromStdString(shell::aboutHtml(name, whatItShows_.toStdString()));
    // Not modal, so that the window behind it still takes a close from the window
    // manager; it closes with its window. F1 again brings the open one forward.
    if (auto* open = findChild<QMessageBox*>(QStringLiteral("about"))) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromStdString(shell::aboutTitle(form_.programTitle())),
                                text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("about"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setTextFormat(Qt::RichText);
    box->setIconPixmap(windowIcon().pixmap(64));
    box->show();
}

void DesktopWindow::toggleFullScreen()
{
    if (isFullScreen())
        showMaximized();
    else
        showFullScreen();
}

void DesktopWindow::closeEvent(QCloseEvent* event)
{
    if (!form_.input().close()) {
        // During a run: the run stops at its next step, then the window closes.
        event->ignore();
        return;
    }
    for (const char* box : {"about", "linkProblem"})
        if (auto* open = findChild<QMessageBox*>(QLatin1String(box)))
            open->close();
    QWidget::closeEvent(event);
}

void DesktopWindow::resizeEvent(QResizeEvent* event)
{
    placePage();
    refit();
    QWidget::resizeEvent(event);
}

double DesktopWindow::fillingScale() const
{
    // Maximised or full screen: the rule the window opened by, for the screen it is on;
    // otherwise the design fills the window's size.
    const QScreen* screen = this->screen();
    const QSize design = qsize(form_.design());
    if (screen && isFullScreen())
        return scaleFor(screen->geometry().size(), screen->geometry().size(), design);
    if (screen && isMaximized())
        return scaleFor(screen->availableGeometry().size(), screen->geometry().size(), design);
    return scaleFor(size(), size(), design);
}

void DesktopWindow::refit()
{
    if (form_.isRunning()) {
        refitAfterTheRun_ = true;  // a run draws on to its end at the scale it began with
        return;
    }
    double scale = fillingScale();
    if (std::fabs(scale - 1) < kSameScale)
        scale = 1;
    const double ratio = screen() ? screen()->devicePixelRatio() : form_.surface().devicePixelRatio();
    if (std::fabs(scale - shrink_) < kSameScale && ratio == form_.surface().devicePixelRatio())
        return;
    shrink_ = scale;
    const QSize design = qsize(form_.design());
    design_ = QSize(int(std::lround(design.width() * shrink_)), int(std::lround(design.height() * shrink_)));
    DrawingSurface& surface = form_.surface();
    surface.resample(shrink_, ratio, {design_.width(), design_.height()});
    shrinkTheStyle(shrink_);
    controls_->setScale(shrink_);
    runBar_->setScale(shrink_);
    placePage();
    canvas_->update();
    redraw_->start(kRedrawAfter);
}

void DesktopWindow::placePage()
{
    // The design area, centred where the window leaves room around it; what of it the
    // window shows is the client area the programs draw on. A run draws on to its end
    // in the client area it began with: the window's new size reaches the picture after it.
    const QPoint at(std::max(0, (width() - design_.width()) / 2), std::max(0, (height() - design_.height()) / 2));
    page_->setGeometry(QRect(at, design_));
    canvas_->setGeometry(page_->rect());
    if (!form_.isRunning()) {
        const QSize client = design_.boundedTo(size() - QSize(at.x(), at.y()));
        form_.surface().setClientSize({client.width(), client.height()});
    }
}
