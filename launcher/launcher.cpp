#include "launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QShortcut>
#include <QVBoxLayout>

#include "fonts.h"
#include "form.h"

const Launcher::Demonstration Launcher::kDemonstrations[8] = {
    {"vidivizur", "Vidivizur", "Bod na kružnici, otáčející se rádiusvektor a sinusovka, kterou opisují."},
    {"parabola", "Parabolické zrcadlo (anténa)",
     "Rovnoběžné světlo se sbírá v ohnisku: Cornuovy spirály a pravděpodobnost podél osy."},
    {"pathways", "Pět možných tras v koridoru", "Náhodné lomené trasy fotonu v koridoru a součet jejich radiusvektorů."},
    {"lupa", "Fokus lupy", "Ohnisko lupy pro různé barvy světla, s disperzí, clonou a zakrytou polovinou."},
    {"interference", "Interference - dvě dírky v cloně", "Dvě trasy, dva radiusvektory a interferenční obrazec."},
    {"fringeworks", "Interferenční obrazce „palby fotonů“", "Interference složená z jednotlivých výstřelů fotonů."},
    {"glassecho", "glassecho ve sklíčku", "Částečný odraz světla od skleněné destičky rostoucí tloušťky."},
    {"rozavezavu", "Rozavezavu", "Záznam hologramu a rekonstrukce světelného pole objektu."},
};

namespace {
// The picture a program draws, from the pictures built into the launcher.
QIcon thumbnail(const char* program)
{
    const QDir pictures(QStringLiteral(":/thumbnails"));
    const QStringList found = pictures.entryList({QString::fromUtf8(program) + QStringLiteral("_*.png")}, QDir::Files,
                                                 QDir::Name);
    if (found.isEmpty())
        return {};
    const QPixmap picture(pictures.filePath(found.first()));
    return QIcon(picture.scaled(200, 145, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
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
    list_->setIconSize(QSize(200, 145));
    list_->setSpacing(4);
    list_->setFont(fontFor(TNR(12)));
    for (const Demonstration& d : kDemonstrations) {
        auto* item = new QListWidgetItem(thumbnail(d.program),
                                         QString::fromUtf8(d.title) + QLatin1Char('\n') + QString::fromUtf8(d.description),
                                         list_);
        item->setData(Qt::UserRole, QString::fromUtf8(d.program));
        item->setToolTip(QString::fromUtf8(d.description));
    }
    list_->setCurrentRow(0);
    layout->addWidget(list_);
    // A click or Enter opens the demonstration.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { open(list_->row(item)); });
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), list_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] { open(list_->currentRow()); });
    }
    resize(960, 700);
}

QString Launcher::pathOf(const char* program)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromUtf8(program));
}

bool Launcher::startDetached(const QString& path) { return QProcess::startDetached(path, {}); }

void Launcher::open(int row)
{
    if (row < 0 || row >= 8)
        return;
    // The second click of a double click does not open the program a second time.
    if (row == lastOpened_ && sinceOpened_.isValid() && sinceOpened_.elapsed() < 1000)
        return;
    lastOpened_ = row;
    sinceOpened_.start();
    const Demonstration& d = kDemonstrations[row];
    if (!starter_(pathOf(d.program)))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Ukázku „%1“ se nepodařilo spustit.").arg(QString::fromUtf8(d.title)));
}
