#pragma once

#include <QFrame>

class QPlainTextEdit;
class QPushButton;
struct ProgramState;

// Name, version and release notes of the program, and the read-me file, read afresh each
// time the panel opens. The read-me box and the OK button follow the panel's size.
class AboutPanel : public QFrame {
    Q_OBJECT

  public:
    explicit AboutPanel(const ProgramState& state, QWidget* parent = nullptr);

    // Shows ReadMe1st.txt, or a note that it is missing.
    void Open();

  signals:
    // The OK button.
    void closed();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreateTexts();
    void ShowReadMe();

    const ProgramState& m_state;
    QPlainTextEdit* m_readMeMemo = nullptr;
    QPushButton* m_closeButton = nullptr;
};
