#pragma once
// Answers the game's modal boxes while a test drives the window: a message
// box with one button is confirmed, a question gets the next prepared choice
// or else its default button, every input box gets the next prepared answer.
// What each box said is kept for the test to check.
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

namespace quellan::testing {

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool input = false;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

class ModalAnswerer {
  public:
    ModalAnswerer() {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }

    std::deque<QString> answers;                      // for input boxes; empty: cancel
    std::deque<QMessageBox::StandardButton> choices;  // for questions; empty: the default
    std::vector<SeenBox> seen;
    // Runs with each message box open, before it is answered.
    std::function<void()> whileOpen;

  private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            m_last = modal;
            const QMessageBox::StandardButtons buttons = box->standardButtons();
            QAbstractButton* fallback = box->defaultButton();
            seen.push_back({box->windowTitle(), box->text(), box->icon(), false, buttons,
                            fallback ? box->standardButton(fallback) : QMessageBox::NoButton});
            if (whileOpen) whileOpen();
            if (!choices.empty()) {
                box->button(choices.front())->click();
                choices.pop_front();
            } else if (fallback && buttons.testFlag(QMessageBox::No)) {
                fallback->click();
            } else {
                box->accept();
            }
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            m_last = modal;
            seen.push_back({input->windowTitle(),
                            input->labelText(),
                            QMessageBox::NoIcon,
                            true,
                            {},
                            QMessageBox::NoButton});
            if (answers.empty()) {
                input->reject();
            } else {
                input->setTextValue(answers.front());
                answers.pop_front();
                input->accept();
            }
        }
        // The same dialog object may be reused; forget it once it is gone
        // (never after this answerer is gone: the timer is the context).
        QTimer::singleShot(0, &m_timer, [this] { m_last = nullptr; });
    }

    QTimer m_timer;
    QWidget* m_last = nullptr;
};

}  // namespace quellan::testing
