#pragma once
#include <QElapsedTimer>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "suite.h"

class QListWidget;

// A card's parts in its cell of the list: the thumbnail's room, and the title's and the
// line's, each wrapped at word boundaries; `whole` when all of their text fits the card.
struct CardLayout {
    QRect picture, title, line;
    bool whole = false;
};
constexpr int kCardMargin = 6;
CardLayout cardLayout(const QRect& cell, const QString& title, const QString& line);
QFont cardTitleFont();
QFont cardLineFont();

// The suite's front door: the eight demonstrations as cards (a thumbnail of the
// picture each draws, its title and a line about it), all at once on any screen. The
// arrow keys move between the cards, a click or Enter opens one as a program of its own;
// a link pasted into it opens its demonstration in the link's set-up.
class Launcher : public QWidget {
public:
    // Starts a program by its executable's path, with its arguments; true when it started.
    using Starter = std::function<bool(const QString& path, const QStringList& arguments)>;

    explicit Launcher(Starter starter = startDetached);

    QListWidget* list() const { return list_; }
    // The path of a program: beside the launcher's own executable.
    static QString pathOf(const char* program);
    static bool startDetached(const QString& path, const QStringList& arguments);
    // Opens the demonstration a link names, in the link's set-up (Ctrl+V pastes one).
    void openLink(const QString& link);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void open(int row);

    QListWidget* list_;
    Starter starter_;
    int lastOpened_ = -1;
    QElapsedTimer sinceOpened_;
};
