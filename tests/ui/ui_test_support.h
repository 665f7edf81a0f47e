#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// Answers the modal dialogs a test expects, in order, and closes (and records) any
// other one, so an unexpected dialog fails the test instead of hanging it.
class ModalWatchdog {
  public:
    using Answer = std::function<void(QWidget* dialog)>;

    ModalWatchdog() {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Check(); });
        m_timer.start();
    }

    // The next modal dialog is handed to `answer`, which must close it.
    void Expect(Answer answer) { m_answers.push_back(std::move(answer)); }

    // Expects a message box and presses `button` in it, noting its text.
    void ExpectMessage(QMessageBox::StandardButton button) {
        Expect([this, button](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            if (box == nullptr) {
                m_unexpected << QStringLiteral("not a message box");
                dialog->close();
                return;
            }
            m_messages << box->text();
            box->button(button)->click();
        });
    }

    const QStringList& Messages() const { return m_messages; }
    const QStringList& Unexpected() const { return m_unexpected; }
    bool AllAnswered() const { return m_answers.empty(); }

  private:
    void Check() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            return;
        }
        if (m_answers.empty()) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            m_unexpected << (box != nullptr ? box->text() : dialog->windowTitle());
            dialog->close();
            return;
        }
        Answer answer = std::move(m_answers.front());
        m_answers.pop_front();
        answer(dialog);
    }

    QTimer m_timer;
    std::deque<Answer> m_answers;
    QStringList m_messages;
    QStringList m_unexpected;
};

// Makes a fresh temporary folder the current directory, as the program reads its files
// from there, and goes back afterwards.
class ScratchCurrentDir {
  public:
    ScratchCurrentDir() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~ScratchCurrentDir() { QDir::setCurrent(m_previous); }
    ScratchCurrentDir(const ScratchCurrentDir&) = delete;
    ScratchCurrentDir& operator=(const ScratchCurrentDir&) = delete;

    QString Path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }

  private:
    QTemporaryDir m_dir;
    QString m_previous;
};
