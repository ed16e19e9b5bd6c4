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

// A card: the thumbnail above the title in bold and the line about it, both wrapped at
// word boundaries, whole; the thumbnail takes the room they leave.
class Card : public QStyledItemDelegate {
public:
    explicit Card(QObject* parent) : QStyledItemDelegate(parent) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        const QRect card = option.rect.adjusted(kCardMargin / 2, kCardMargin / 2, -kCardMargin / 2, -kCardMargin / 2);
        const bool current = option.state & QStyle::State_HasFocus || option.state & QStyle::State_Selected;
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(current ? option.palette.color(QPalette::Highlight) : option.palette.color(QPalette::Mid),
                             current ? 3 : 1));
        painter->setBrush(option.palette.color(QPalette::Button));
        painter->drawRoundedRect(QRectF(card).adjusted(1, 1, -1, -1), 6, 6);

        const QStringList text = index.data(Qt::DisplayRole).toString().split(QLatin1Char('\n'));
        const CardLayout parts = cardLayout(option.rect, text.value(0), text.value(1));
        const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
        if (!icon.isNull() && !parts.picture.isEmpty()) {
            const QSize available = icon.availableSizes().value(0, QSize(4, 3));
            const QSize shown = available.scaled(parts.picture.size(), Qt::KeepAspectRatio);
            const QRect picture(parts.picture.center() - QPoint(shown.width() / 2, shown.height() / 2), shown);
            icon.paint(painter, picture);
        }
        painter->setPen(option.palette.color(QPalette::ButtonText));
        painter->setFont(cardTitleFont());
        painter->drawText(parts.title, Qt::AlignHCenter | Qt::TextWordWrap, text.value(0));
        painter->setFont(cardLineFont());
        painter->drawText(parts.line, Qt::AlignHCenter | Qt::TextWordWrap, text.value(1));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        const auto* view = qobject_cast<const QListView*>(option.widget);
        return view ? view->gridSize() : QSize(200, 180);
    }
};
}  // namespace

QFont cardTitleFont() { return fontFor(TNR(12, true)); }
QFont cardLineFont() { return fontFor(TNR(10)); }

CardLayout cardLayout(const QRect& cell, const QString& title, const QString& line)
{
    const QRect inside = cell.adjusted(kCardMargin * 3 / 2, kCardMargin * 3 / 2, -kCardMargin * 3 / 2, -kCardMargin * 3 / 2);
    const auto wrapped = [&inside](const QFont& font, const QString& text) {
        return QFontMetrics(font).boundingRect(QRect(0, 0, inside.width(), 100000), Qt::AlignHCenter | Qt::TextWordWrap,
                                               text);
    };
    const QRect titleSize = wrapped(cardTitleFont(), title), lineSize = wrapped(cardLineFont(), line);
    const int textHeight = titleSize.height() + lineSize.height() + kCardMargin;
    CardLayout parts;
    parts.picture = QRect(inside.topLeft(), QSize(inside.width(), std::max(0, inside.height() - textHeight)));
    parts.title = QRect(inside.left(), inside.top() + parts.picture.height() + kCardMargin, inside.width(), titleSize.height());
    parts.line = QRect(inside.left(), parts.title.bottom() + 1, inside.width(), lineSize.height());
    parts.whole = textHeight <= inside.height() && titleSize.width() <= inside.width() && lineSize.width() <= inside.width();
    return parts;
}

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
