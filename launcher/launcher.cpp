#include "launcher.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QMessageBox>
#include <QProcess>
#include <QShortcut>
#include <QVBoxLayout>

#include "fonts.h"
#include "desktop_window.h"
#include "setup.h"


namespace {
// The picture a program draws, from the pictures built into the launcher; the cards
// take it at the size they show it, in the screen's own pixels.
QIcon thumbnail(const char* program)
{
    const QPixmap picture(QStringLiteral(":/thumbnails/") + QString::fromUtf8(program) + QStringLiteral(".png"));
    return picture.isNull() ? QIcon() : QIcon(picture);
}

// A card: the thumbnail above the title in bold and the line about it, each line
// shortened with an ellipsis where the card is narrow (the whole line is its tooltip).
class Card : public QStyledItemDelegate {
public:
    explicit Card(QObject* parent) : QStyledItemDelegate(parent) {}

    static constexpr int kMargin = 6;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        const QRect card = option.rect.adjusted(kMargin / 2, kMargin / 2, -kMargin / 2, -kMargin / 2);
        const bool current = option.state & QStyle::State_HasFocus || option.state & QStyle::State_Selected;
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(current ? option.palette.color(QPalette::Highlight) : option.palette.color(QPalette::Mid),
                             current ? 3 : 1));
        painter->setBrush(option.palette.color(QPalette::Button));
        painter->drawRoundedRect(QRectF(card).adjusted(1, 1, -1, -1), 6, 6);

        const QStringList text = index.data(Qt::DisplayRole).toString().split(QLatin1Char('\n'));
        const QFont titleFont = fontFor(TNR(12, true)), lineFont = fontFor(TNR(10));
        const QFontMetrics titleMetrics(titleFont), lineMetrics(lineFont);
        const QRect inside = card.adjusted(kMargin, kMargin, -kMargin, -kMargin);
        const int textHeight = titleMetrics.height() + lineMetrics.height() + kMargin;
        const QRect pictureRoom(inside.topLeft(), QSize(inside.width(), std::max(1, inside.height() - textHeight)));
        const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
        if (!icon.isNull()) {
            const QSize available = icon.availableSizes().value(0, QSize(4, 3));
            const QSize shown = available.scaled(pictureRoom.size(), Qt::KeepAspectRatio);
            const QRect picture(pictureRoom.center() - QPoint(shown.width() / 2, shown.height() / 2), shown);
            icon.paint(painter, picture);
        }
        int y = pictureRoom.bottom() + kMargin;
        painter->setPen(option.palette.color(QPalette::ButtonText));
        painter->setFont(titleFont);
        painter->drawText(QRect(inside.left(), y, inside.width(), titleMetrics.height()), Qt::AlignHCenter,
                          titleMetrics.elidedText(text.value(0), Qt::ElideRight, inside.width()));
        y += titleMetrics.height();
        painter->setFont(lineFont);
        painter->drawText(QRect(inside.left(), y, inside.width(), lineMetrics.height()), Qt::AlignHCenter,
                          lineMetrics.elidedText(text.value(1), Qt::ElideRight, inside.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        const auto* view = qobject_cast<const QListView*>(option.widget);
        return view ? view->gridSize() : QSize(200, 180);
    }
};
}  // namespace

Launcher::Launcher(Starter starter) : list_(new QListWidget(this)), starter_(std::move(starter))
{
    setObjectName(QStringLiteral("launcher"));
    setWindowTitle(QStringLiteral("Světlo a šipky"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Světlo a šipky: osm ukázek"), this);
    heading->setFont(fontFor(TNR(15.75, true)));
    layout->addWidget(heading);
    list_->setObjectName(QStringLiteral("demonstrations"));
    list_->setViewMode(QListView::IconMode);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setFrameShape(QFrame::NoFrame);
    QPalette cards = list_->palette();
    cards.setColor(QPalette::Base, cards.color(QPalette::Window));
    list_->setPalette(cards);
    list_->setItemDelegate(new Card(list_));
    for (const Demonstration& d : kDemonstrations) {
        auto* item = new QListWidgetItem(thumbnail(d.program),
                                         QString::fromUtf8(d.title) + QLatin1Char('\n') + QString::fromUtf8(d.description),
                                         list_);
        item->setData(Qt::UserRole, QString::fromUtf8(d.program));
        item->setToolTip(QString::fromUtf8(d.title) + QStringLiteral(": ") + QString::fromUtf8(d.description));
    }
    list_->setCurrentRow(0);
    layout->addWidget(list_);
    // A click or Enter opens the demonstration.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { open(list_->row(item)); });
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), list_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] { open(list_->currentRow()); });
    }
    // A link pasted, from the keyboard or the context menu, opens its demonstration.
    auto* paste = new QAction(QStringLiteral("Otevřít odkaz ze schránky"), this);
    paste->setShortcut(QKeySequence::Paste);
    connect(paste, &QAction::triggered, this, [this] { openLink(QGuiApplication::clipboard()->text()); });
    addAction(paste);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    resize(800, 600);
}

// The cards share the window: four in a row and two rows, or two in a row and four
// rows on a screen taller than wide.
void Launcher::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize room = list_->contentsRect().size();
    const bool tall = room.height() > room.width();
    const int columns = tall ? 2 : 4, rows = (int(std::size(kDemonstrations)) + columns - 1) / columns;
    list_->setGridSize(QSize(std::max(1, (room.width() - 2) / columns), std::max(1, (room.height() - 2) / rows)));
    list_->doItemsLayout();
}

QString Launcher::pathOf(const char* program)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromUtf8(program));
}

bool Launcher::startDetached(const QString& path, const QStringList& arguments)
{
    // Each program scales itself to the screen, from the scale the user gave.
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setProcessEnvironment(environmentForPrograms());
    return process.startDetached();
}

void Launcher::open(int row)
{
    if (row < 0 || row >= int(std::size(kDemonstrations)))
        return;
    // The second click of a double click does not open the program a second time.
    if (row == lastOpened_ && sinceOpened_.isValid() && sinceOpened_.elapsed() < 1000)
        return;
    lastOpened_ = row;
    sinceOpened_.start();
    const Demonstration& d = kDemonstrations[row];
    if (!starter_(pathOf(d.program), {}))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Ukázku „%1“ se nepodařilo spustit.").arg(QString::fromUtf8(d.title)));
}

void Launcher::openLink(const QString& link)
{
    const std::string program = setup::programOf(link.trimmed().toStdString());
    for (const Demonstration& d : kDemonstrations)
        if (program == d.program) {
            if (!starter_(pathOf(d.program), {link.trimmed()}))
                QMessageBox::warning(this, windowTitle(),
                                     QStringLiteral("Ukázku „%1“ se nepodařilo spustit.").arg(QString::fromUtf8(d.title)));
            return;
        }
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("Ve schránce není odkaz na žádnou z ukázek (vložte odkaz, který zkopírovalo "
                                        "„%1“).").arg(QString::fromUtf8(shell::kCopyLinkCommand)));
}
