#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace session {
class Session;
}

namespace app {

// The about box: the program's name on a dark-red band and its credit lines. Non-modal; OK hides
// it and hands the front back to the main window, closing it through its frame discards it.
class AboutBox : public QWidget {
    Q_OBJECT

  public:
    // `session` must outlive the box's use.
    AboutBox(QWidget* mainWindow, session::Session& session);
    // OK or Escape as the session reports it: hidden, the main window in front again.
    void ReturnToMainWindow();

    bool IsDiscarded() const { return discarded_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:

    QPointer<QWidget> mainWindow_;
    QWidget* Picture1;
    QLabel* lblTitle;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* cmdOK;
    session::Session& session_;
    bool discarded_ = false;
};

}  // namespace app
