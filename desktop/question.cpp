#include "question.h"

#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "form.h"

namespace {
// A close of the question box from the window manager: the box answers "Ne" as it
// does for Esc, and the window it asked for closes as well.
class CloseAlsoCloses : public QObject {
public:
    CloseAlsoCloses(QWidget* window, QObject* box) : QObject(box), window_(window) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close && event->spontaneous() && window_)
            QMetaObject::invokeMethod(window_, [w = window_] { if (w) w->close(); }, Qt::QueuedConnection);
        return false;
    }

private:
    QPointer<QWidget> window_;
};
}  // namespace

int askYesNo(QWidget* parent, const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::NoIcon, title, question, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("question"));
    QPushButton* yes = box.addButton(QString::fromUtf8(shell::kYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QString::fromUtf8(shell::kNo), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.setWindowModality(Qt::NonModal);
    QEventLoop answered;
    QObject::connect(&box, &QDialog::finished, &answered, &QEventLoop::quit);
    auto* closing = new CloseAlsoCloses(parent, &box);
    box.installEventFilter(closing);
    box.show();
    answered.exec();
    return box.clickedButton() == yes ? Form::vbYes : Form::vbNo;
}

void answerNo(QWidget* window)
{
    // The run stops as soon as it has the answer.
    if (auto* question = window->findChild<QDialog*>(QStringLiteral("question")); question && question->isVisible())
        question->done(QDialog::Rejected);
}
